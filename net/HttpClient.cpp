#include "net/HttpClient.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <limits>
#include <optional>
#include <string_view>

#include "net/Base64.h"
#include "net/NetErrors.h"
#include "net/NetMessages.h"
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
        throw EHttpError(HttpFailure::BadRequest, messages::SecureSocketNotSupported);
    }
    return DefaultHttpPort;
}

std::int32_t portNumber(const std::string& text) {
    auto port = decimalNumber<std::int32_t>(text);
    if (!port || *port < 1 || *port > 65535) {
        throw EHttpError(HttpFailure::BadRequest, messages::invalidPort(text));
    }
    return *port;
}

bool isVersion(std::string_view text) {
    std::size_t dot = text.find('.');
    return dot != std::string_view::npos && decimalNumber<int>(text.substr(0, dot)) &&
           decimalNumber<int>(text.substr(dot + 1));
}

// The status of a whole status line: "HTTP/" digits "." digits, a space, three digits, then a
// space and the reason or the line end.
std::optional<int> statusOfLine(std::string_view line) {
    constexpr std::string_view Protocol = "HTTP/";
    if (!line.ends_with('\n')) {
        return std::nullopt;
    }
    line = withoutLineEnd(line);
    std::size_t space = line.find(' ');
    if (!line.starts_with(Protocol) || space == std::string_view::npos ||
        !isVersion(line.substr(Protocol.size(), space - Protocol.size()))) {
        return std::nullopt;
    }
    std::string_view rest = line.substr(space + 1);
    if (rest.size() < 3 || (rest.size() > 3 && rest[3] != ' ')) {
        return std::nullopt;
    }
    return decimalNumber<int>(rest.substr(0, 3));
}

bool isRedirection(int status) {
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

bool isSchemeCharacter(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '+' || c == '-' || c == '.';
}

// An http URL, or a place on the same server (a path, or a bare name); not another scheme and
// not another server without one.
bool isHttpLocation(std::string_view location) {
    if (lowerCase(std::string(location)).starts_with("http://")) {
        return true;
    }
    if (location.starts_with("//")) {
        return false;
    }
    std::string_view beforePath = location.substr(0, location.find_first_of("/?#"));
    std::size_t colon = beforePath.find(':');
    bool hasScheme = colon != std::string_view::npos && colon > 0 &&
                     std::isalpha(static_cast<unsigned char>(location[0])) != 0 &&
                     std::all_of(location.begin(), location.begin() + colon, isSchemeCharacter);
    return !hasScheme;
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

// Runs the bound of one whole request for as long as it lasts.
class THttpClient::RequestBound {
  public:
    explicit RequestBound(THttpClient& client) : timer_(client.requestTimer_) {
        client.requestTimedOut_ = false;
        // Off first, so that switching on always starts a fresh countdown.
        timer_.SetEnabled(false);
        timer_.SetInterval(client.TimeOut == 0 ? DefaultTimeOutMs
                                               : static_cast<std::uint32_t>(client.TimeOut));
        try {
            timer_.SetEnabled(true);
        } catch (...) {
            timer_.SetEnabled(false);
            throw;
        }
    }
    ~RequestBound() { timer_.SetEnabled(false); }
    RequestBound(const RequestBound&) = delete;
    RequestBound& operator=(const RequestBound&) = delete;

  private:
    TTimeoutTimer& timer_;
};

THttpClient::THttpClient(platform::Application& application)
    : TSocketClient(application), requestTimer_(application) {
    requestTimer_.SetEnabled(false);
    requestTimer_.OnTimer = [this](TTimeoutTimer&) { RequestTimerTriggered(); };
}

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
    RequestBound bound(*this);
    try {
        for (int redirects = 0;; ++redirects) {
            ParseUrl();
            BuildRequestHeader();
            if (OnAboutToSend) {
                OnAboutToSend(*this);
            }
            if (!Exchange()) {
                return;
            }
            if (redirects == MaxRepeats) {
                throw EHttpError(HttpFailure::TooManyRedirects, messages::TooManyRedirects);
            }
        }
    } catch (...) {
        // Whatever the bound cut short, its passing is the reason.
        if (requestTimedOut_) {
            throw EHttpError(HttpFailure::TimedOut, messages::RequestTimedOut);
        }
        throw;
    }
}

void THttpClient::ParseUrl() {
    const std::string& url = requestUrl_;
    if (url.empty()) {
        throw EHttpError(HttpFailure::BadRequest, messages::EmptyUrl);
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
        throw ERequestTooLong();
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
        headerLines_.SetValue("Authorization", "Basic " + base64Encode(HeaderInfo.UserId + ":" +
                                                                       HeaderInfo.Password));
    }
    headerLines_.Add("Content-type: application/x-www-form-urlencoded");
    if (std::ranges::any_of(headerLines_.Lines(), hasControlByte)) {
        throw EHttpError(HttpFailure::BadRequest, messages::ControlCharacterInRequest);
    }
}

void THttpClient::SendRequest() {
    Write(headerLines_.Text());
    Writeln("");
}

void THttpClient::ReadReplyHeader() {
    statusCode_ = 0;
    contentLength_ = 0;
    receivedCookie_.clear();
    redirectLocation_.clear();
    std::optional<OutputFile> file;
    if (OutputFileMode) {
        file.emplace(Header);
    } else {
        Header.clear();
    }
    std::size_t kept = 0;
    auto keep = [this, &file, &kept](const std::string& line) {
        kept += line.size();
        if (kept > MaxHeaderSize) {
            std::string().swap(Header);
            throw EHttpError(HttpFailure::ReplyTooLarge, messages::ReplyTooLarge);
        }
        if (file) {
            file->write(line);
        } else {
            Header += line;
        }
    };
    std::string statusLine = ReadLn();
    keep(statusLine);
    std::optional<int> status = statusOfLine(statusLine);
    if (!status) {
        throw EHttpError(HttpFailure::BadReply,
                         statusLine.empty() ? messages::NoStatusLine : messages::MalformedStatusLine);
    }
    statusCode_ = static_cast<std::int16_t>(*status);
    for (;;) {
        std::string line = ReadLn();
        keep(line);
        InterpretHeaderLine(line);
        if (line.empty() || line == "\n" || line == "\r\n") {
            break;
        }
    }
    if (file) {
        file->close();
    }
}

void THttpClient::ReadReplyBody() {
    // One byte past the bound tells a body that is too large.
    constexpr std::int64_t Limit = MaxBodySize + 1;
    if (InputFileMode) {
        CaptureFile(Body, Limit);
    } else {
        CaptureString(Body, Limit);
    }
    if (BytesReceived() > static_cast<std::int64_t>(MaxBodySize)) {
        if (!InputFileMode) {
            std::string().swap(Body);
        }
        throw EHttpError(HttpFailure::ReplyTooLarge, messages::ReplyTooLarge);
    }
}

void THttpClient::PacketReceived() {
    if (OnPacketRecvd) {
        OnPacketRecvd(*this);
    }
}

bool THttpClient::Exchange() {
    bool follow = false;
    try {
        Connect();
        SendRequest();
        ReadReplyHeader();
        ReadReplyBody();
        follow = JudgeStatus();
    } catch (...) {
        try {
            Disconnect();
        } catch (...) {
            // The error that ended the exchange is the one to report.
        }
        throw;
    }
    Disconnect();
    return follow;
}

bool THttpClient::JudgeStatus() {
    if (statusCode_ >= 200 && statusCode_ <= 299) {
        if (OnSuccess) {
            OnSuccess(currentCmd_);
        }
        Report(2, "Transaction Completed");
        return false;
    }
    if (statusCode_ >= 400) {
        if (OnFailure) {
            OnFailure(currentCmd_);
        }
        if (statusCode_ == 401 && OnAuthenticationNeeded) {
            OnAuthenticationNeeded(*this);
        }
        throw EHttpStatusError(statusCode_);
    }
    if (isRedirection(statusCode_)) {
        return FollowRedirect();
    }
    throw EHttpError(HttpFailure::BadReply, messages::unexpectedStatus(statusCode_));
}

bool THttpClient::FollowRedirect() {
    if (redirectLocation_.empty()) {
        throw EHttpError(HttpFailure::BadRedirect, messages::RedirectWithoutLocation);
    }
    if (!isHttpLocation(redirectLocation_)) {
        throw EHttpError(HttpFailure::BadRedirect, messages::RedirectNotHttp);
    }
    requestUrl_ = redirectLocation_;
    if (!receivedCookie_.empty()) {
        HeaderInfo.Cookie = receivedCookie_;
    }
    bool handled = false;
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
    return true;
}

void THttpClient::RequestTimerTriggered() {
    requestTimer_.SetEnabled(false);
    requestTimedOut_ = true;
    Abort();
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
