#include "net/HttpClient.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>
#include <optional>
#include <string_view>

#include "net/Base64.h"
#include "net/NetErrors.h"
#include "net/NetText.h"
#include "net/OutputFile.h"
#include "net/TextFields.h"

namespace net {

namespace {

// Far beyond any ranking request; a longer target is refused rather than cut short.
constexpr std::size_t MaxTargetLength = 2048;
constexpr std::size_t MaxHeaderValueLength = 256;
constexpr std::int32_t DefaultHttpPort = 80;

std::string lowerCase(std::string text) {
    std::ranges::transform(text, text.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string upperCase(std::string text) {
    std::ranges::transform(text, text.begin(),
                           [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

// Bytes that would let a text write header lines of its own, or break the request line.
bool hasControlByte(std::string_view text) {
    return std::ranges::any_of(text, [](unsigned char c) { return c < 0x20 || c == 0x7F; });
}

std::string_view withoutLineEnd(std::string_view line) {
    if (line.ends_with('\n')) {
        line.remove_suffix(1);
    }
    if (line.ends_with('\r')) {
        line.remove_suffix(1);
    }
    return line;
}

// The value of a header line from the given 0-based column on, without the line end.
std::string valueFrom(std::string_view line, std::size_t column) {
    std::string_view value = withoutLineEnd(line);
    return std::string(value.substr(std::min(column, value.size()), MaxHeaderValueLength));
}

template <typename Number>
std::optional<Number> decimalNumber(std::string_view digits) {
    Number value{};
    if (digits.empty() || !std::ranges::all_of(digits, isDigit)) {
        return std::nullopt;
    }
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc()) {
        return std::nullopt;
    }
    return value;
}

std::int32_t portOfScheme(const std::string& scheme) {
    if (scheme == "gopher") {
        return 70;
    }
    if (scheme == "ftp") {
        return 21;
    }
    if (scheme == "https") {
        throw EHttpError(text::SecureSocketNotSupported);
    }
    return DefaultHttpPort;
}

std::int32_t portNumber(const std::string& text) {
    auto port = decimalNumber<std::int32_t>(text);
    if (!port || *port < 1 || *port > 65535) {
        throw EHttpError(text::InvalidPort(text));
    }
    return *port;
}

// The status line's number; 0 when there is none or it does not fit.
std::int16_t statusCodeOf(std::string_view statusLine) {
    return decimalNumber<std::int16_t>(NthField(withoutLineEnd(statusLine), ' ', 2)).value_or(0);
}

// The run of digits from the first digit after the colon, 0 when there is none.
std::int32_t contentLengthOf(std::string_view line) {
    std::string_view rest = line.substr(std::min(line.find(':'), line.size()));
    auto first = std::ranges::find_if(rest, isDigit);
    auto last = std::find_if_not(first, rest.end(), isDigit);
    std::string_view digits(first, last);
    return decimalNumber<std::int32_t>(digits).value_or(
        digits.empty() ? 0 : std::numeric_limits<std::int32_t>::max());
}

}  // namespace

THttpClient::THttpClient(platform::Application& application) : TSocketClient(application) {}

void THttpClient::Get(const std::string& url) {
    currentCmd_ = cmdGet;
    requestUrl_ = url;
    RunRequest();
}

void THttpClient::Abort() {
    MarkLookupFinished();
    TSocketClient::Abort();
}

void THttpClient::RunRequest() {
    for (int repeats = 0;; ++repeats) {
        ParseUrl();
        BuildRequestHeader();
        if (OnAboutToSend) {
            OnAboutToSend(*this);
        }
        Exchange();
        if (!FollowUp()) {
            return;
        }
        if (repeats == MaxRepeats) {
            throw EHttpError(text::TooManyRedirects);
        }
    }
}

void THttpClient::ParseUrl() {
    const std::string& url = requestUrl_;
    if (url.empty()) {
        throw EHttpError(text::EmptyUrl);
    }
    if (Port == 0) {
        Port = DefaultHttpPort;
    }
    bool hasAuthority = contains(url, "//");
    std::string target;
    if (hasAuthority) {
        target = url.substr(NthCharPos(url, '/', 3) - 1);
    } else if (std::size_t slash = url.find('/'); slash != std::string::npos) {
        target = url.substr(slash);
    }
    if (target.size() > MaxTargetLength) {
        throw ERequestTooLong(text::RequestTargetTooLong);
    }
    if (contains(url, ":")) {
        Port = portOfScheme(lowerCase(NthField(url, ':', 1)));
    }
    std::string hostPart;
    if (hasAuthority) {
        hostPart = NthField(url, '/', 3);
    } else if (!url.starts_with('/')) {
        hostPart = NthField(url, '/', 1);
    }
    if (std::size_t colon = hostPart.find(':'); colon != std::string::npos) {
        Port = portNumber(NthField(hostPart, ':', 2));
        hostPart.resize(colon);
    }
    if (!hostPart.empty()) {
        Host = hostPart;
    }
    if (target.empty()) {
        target = "/";
        requestUrl_ += "/";
    }
    requestPath_ = target;
}

void THttpClient::BuildRequestHeader() {
    static constexpr const char* AcceptDocuments =
        "Accept: www/source, text/html, video/mpeg, image/jpeg, image/x-tiff";
    static constexpr const char* AcceptPictures =
        "Accept: image/x-rgb, image/x-xbm, image/gif, */*, application/postscript";
    headerLines_.Clear();
    headerLines_.Add("GET " + (Proxy.empty() ? requestPath_ : requestUrl_) + " HTTP/1.0");
    if (!Proxy.empty()) {
        headerLines_.Add("Proxy-Connection: Keep-Alive");
        headerLines_.Add("Host: " + Host);
    }
    headerLines_.SetValue("Host", Host);
    headerLines_.Add(AcceptDocuments);
    headerLines_.Add(AcceptPictures);
    headerLines_.SetValue("User-Agent", HeaderInfo.LocalProgram);
    headerLines_.SetValue("From", HeaderInfo.LocalMailAddress);
    headerLines_.SetValue("Cookie", HeaderInfo.Cookie);
    headerLines_.SetValue("Referer", HeaderInfo.Referer);
    if (!HeaderInfo.UserId.empty() && !HeaderInfo.Password.empty()) {
        headerLines_.SetValue("Authorization", "Basic " + Base64Encode(HeaderInfo.UserId + ":" +
                                                                       HeaderInfo.Password));
    }
    headerLines_.Add("Content-type: application/x-www-form-urlencoded");
    if (std::ranges::any_of(headerLines_.Lines(), hasControlByte)) {
        throw EHttpError(text::ControlCharacterInRequest);
    }
}

void THttpClient::SendRequest() {
    Write(headerLines_.Text());
    Writeln("");
}

void THttpClient::ReadReplyHeader() {
    contentLength_ = 0;
    receivedCookie_.clear();
    std::optional<OutputFile> file;
    if (OutputFileMode) {
        file.emplace(Header);
    } else {
        Header.clear();
    }
    auto keep = [this, &file](const std::string& line) {
        if (file) {
            file->write(line);
        } else {
            Header += line;
        }
    };
    std::string statusLine = ReadLn();
    if (!statusLine.empty()) {
        statusCode_ = statusCodeOf(statusLine);
    }
    keep(statusLine);
    for (;;) {
        std::string line = ReadLn();
        InterpretHeaderLine(line);
        keep(line);
        if (line.empty() || line == "\n" || line == "\r\n") {
            break;
        }
    }
    if (file) {
        file->close();
    }
}

void THttpClient::PacketReceived() {
    if (OnPacketRecvd) {
        OnPacketRecvd(*this);
    }
}

void THttpClient::Exchange() {
    try {
        Connect();
        SendRequest();
        statusCode_ = 0;
        ReadReplyHeader();
        ReadBody();
        JudgeStatus();
    } catch (...) {
        try {
            Disconnect();
        } catch (...) {
            // The error that ended the exchange is the one to report.
        }
        throw;
    }
    Disconnect();
}

void THttpClient::ReadBody() {
    if (InputFileMode) {
        CaptureFile(Body);
    } else {
        CaptureString(Body, -1);
    }
}

void THttpClient::JudgeStatus() {
    if (statusCode_ < 299) {
        if (OnSuccess) {
            OnSuccess(currentCmd_);
        }
        Report(2, "Transaction Completed");
    } else if (statusCode_ > 399) {
        if (OnFailure) {
            OnFailure(currentCmd_);
        }
    } else if (statusCode_ <= 302) {
        requestUrl_ = redirectLocation_;
    }
}

bool THttpClient::FollowUp() {
    if (statusCode_ >= 300 && statusCode_ <= 398) {
        bool handled = false;
        if (!receivedCookie_.empty()) {
            HeaderInfo.Cookie = receivedCookie_;
        }
        if (OnRedirect) {
            OnRedirect(handled);
        }
        if (handled) {
            return false;
        }
        if (!contains(requestUrl_, "/")) {
            // A bare name is taken relative to the server just asked, on its port.
            auto port = static_cast<std::uint16_t>(Port);
            std::string portPart = port == DefaultHttpPort ? "" : ":" + std::to_string(port);
            requestUrl_ = "http://" + Host + portPart + "/" + requestUrl_;
        }
    }
    if (statusCode_ == 401 && OnAuthenticationNeeded) {
        OnAuthenticationNeeded(*this);
    }
    return statusCode_ >= 299 && statusCode_ <= 399;
}

void THttpClient::InterpretHeaderLine(const std::string& line) {
    std::string name = NthField(upperCase(line), ' ', 1);
    if (name == "SET-COOKIE:") {
        receivedCookie_ = valueFrom(line, 12);
    } else if (name == "LOCATION:") {
        redirectLocation_ = valueFrom(line, 10);
    } else if (name == "CONTENT-LENGTH:") {
        contentLength_ = contentLengthOf(line);
    }
}

}  // namespace net
