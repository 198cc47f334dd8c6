#include "net/HttpClient.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <utility>

#include "net/Base64.h"
#include "net/HttpUrl.h"
#include "net/NetErrors.h"
#include "net/NetMessages.h"
#include "net/OutputFile.h"

namespace net {

namespace {

// Bytes that would let a text write header lines of its own, or break the request line.
bool hasControlByte(std::string_view text) {
    return std::ranges::any_of(text, [](unsigned char c) { return c < 0x20 || c == 0x7F; });
}

// A reply too large to keep leaves none of it in memory; a file's name stays.
void release(std::string& kept, bool isFileName) {
    if (!isFileName) {
        std::string().swap(kept);
    }
}

}  // namespace

THttpClient::THttpClient(platform::Application& application) : TSocketClient(application) {}

void THttpClient::Get(const std::string& url) {
    Start(cmdGet, url, {});
}

void THttpClient::Post(const std::string& url, const std::string& body,
                       const std::string& contentType) {
    if (body.size() > MaxPostBodySize) {
        throw EHttpError(HttpFailure::BadRequest, messages::RequestBodyTooLarge);
    }
    Start(cmdPost, url, {true, body, contentType});
}

void THttpClient::Start(CmdType cmd, const std::string& url, Outgoing outgoing) {
    currentCmd_ = cmd;
    requestUrl_ = url;
    outgoing_ = std::move(outgoing);
    RunRequest();
}

void THttpClient::RunRequest() {
    auto bound = Waits().bound(TimeOut);
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
        if (Waits().boundPassed()) {
            throw EHttpError(HttpFailure::TimedOut, messages::RequestTimedOut);
        }
        throw;
    }
}

void THttpClient::ParseUrl() {
    HttpUrl url = splitUrl(requestUrl_);
    Port = url.port.value_or(Port == 0 ? DefaultHttpPort : Port);
    if (!url.host.empty()) {
        Host = url.host;
    }
    if (url.rootSupplied) {
        requestUrl_ += "/";
    }
    requestPath_ = url.target;
}

void THttpClient::BuildRequestHeader() {
    static constexpr const char* AcceptDocuments =
        "Accept: www/source, text/html, video/mpeg, image/jpeg, image/x-tiff";
    static constexpr const char* AcceptPictures =
        "Accept: image/x-rgb, image/x-xbm, image/gif, */*, application/postscript";
    headerLines_.Clear();
    headerLines_.Add((outgoing_.isPost ? "POST " : "GET ") +
                     (Proxy.empty() ? requestPath_ : requestUrl_) + " HTTP/1.0");
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
    if (outgoing_.isPost) {
        headerLines_.SetValue("Content-Type", outgoing_.contentType);
        headerLines_.SetValue("Content-Length", std::to_string(outgoing_.body.size()));
    }
    if (std::ranges::any_of(headerLines_.Lines(), hasControlByte)) {
        throw EHttpError(HttpFailure::BadRequest, messages::ControlCharacterInRequest);
    }
}

void THttpClient::SendRequest() {
    Write(headerLines_.Text());
    Writeln("");
    if (!outgoing_.body.empty()) {
        SendBuffer(outgoing_.body);
    }
}

void THttpClient::ReadReplyHeader() {
    statusCode_ = 0;
    contentLength_ = 0;
    reply_ = ReplyHeader(MaxHeaderSize);
    std::optional<OutputFile> file;
    if (OutputFileMode) {
        file.emplace(Header);
    } else {
        Header.clear();
    }
    auto keep = [this, &file](std::string_view line) {
        if (file) {
            file->write(line);
        } else {
            Header += line;
        }
    };
    try {
        for (bool more = true; more;) {
            more = reply_.take(ReadLn(), keep);
            statusCode_ = static_cast<std::int16_t>(reply_.status());
            contentLength_ = reply_.contentLength();
        }
    } catch (const EHttpError& error) {
        if (error.failure() == HttpFailure::ReplyTooLarge) {
            release(Header, OutputFileMode);
        }
        throw;
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
    try {
        checkBodySize(BytesReceived());
    } catch (const EHttpError&) {
        release(Body, InputFileMode);
        throw;
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
    switch (meaningOf(statusCode_)) {
        case StatusMeaning::Success:
            if (OnSuccess) {
                OnSuccess(currentCmd_);
            }
            Report(2, "Transaction Completed");
            return false;
        case StatusMeaning::Refused:
            if (OnFailure) {
                OnFailure(currentCmd_);
            }
            if (statusCode_ == 401 && OnAuthenticationNeeded) {
                OnAuthenticationNeeded(*this);
            }
            throw EHttpStatusError(statusCode_);
        case StatusMeaning::Redirect:
            return FollowRedirect();
        case StatusMeaning::Unexpected:
            break;
    }
    throw EHttpError(HttpFailure::BadReply, messages::unexpectedStatus(statusCode_));
}

bool THttpClient::FollowRedirect() {
    checkRedirectLocation(reply_.location());
    requestUrl_ = reply_.location();
    if (!reply_.cookie().empty()) {
        HeaderInfo.Cookie = reply_.cookie();
    }
    bool handled = false;
    if (OnRedirect) {
        OnRedirect(handled);
    }
    if (handled) {
        return false;
    }
    if (!redirectRepeatsRequest(statusCode_)) {
        outgoing_ = {};
    }
    requestUrl_ = resolveLocation(requestUrl_, Host, static_cast<std::uint16_t>(Port));
    return true;
}

}  // namespace net
