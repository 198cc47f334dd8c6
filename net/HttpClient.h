#pragma once
// The HTTP/1.0 client: one Get or Post runs a whole exchange (URL, request header and body,
// connection, reply header, body until the server closes, verdict, redirections) on the
// user-interface thread, dispatching messages while it waits. Errors are raised out of Get and
// Post; only a status from 200 to 299 is a success. Time and memory are bounded, whatever the
// server does.

#include <cstdint>
#include <functional>
#include <string>

#include "net/HeaderList.h"
#include "net/HttpReply.h"
#include "net/SockClient.h"

namespace net {

// The kind of request an event reports.
enum CmdType : std::uint8_t { cmdGet = 0, cmdPost };

// Optional values for request header lines; each is sent only when not empty.
struct THeaderInfo {
    std::string LocalMailAddress;
    std::string LocalProgram;
    std::string Cookie;
    std::string Referer;
    std::string UserId;
    std::string Password;
};

class THttpClient : public TSocketClient {
  public:
    // Redirections followed within one Get.
    static constexpr int MaxRepeats = 20;
    // The most of a reply that is kept: status line and header lines together, and body.
    static constexpr std::size_t MaxHeaderSize = MaxReplyHeaderSize;
    static constexpr std::size_t MaxBodySize = MaxReplyBodySize;
    // The largest body a Post sends; far beyond a replay file.
    static constexpr std::size_t MaxPostBodySize = 4 * 1024 * 1024;

    explicit THttpClient(platform::Application& application);

    // The reply body; with InputFileMode, the name of the file it is written to.
    std::string Body = "Default.htm";
    // The reply header, every line with the line end the server sent; with OutputFileMode, the
    // name of the file it is written to.
    std::string Header = "Head.txt";
    bool InputFileMode = false;
    bool OutputFileMode = false;
    THeaderInfo HeaderInfo;

    // After the request header is composed, before connecting.
    std::function<void(THttpClient& sender)> OnAboutToSend;
    // A status code from 200 to 299.
    std::function<void(CmdType cmd)> OnSuccess;
    // A status code of 400 and above, before Get or Post raises EHttpStatusError.
    std::function<void(CmdType cmd)> OnFailure;
    // A redirection (301, 302, 303, 307, 308) to an http location, before it is followed;
    // setting handled ends the request without an error.
    std::function<void(bool& handled)> OnRedirect;
    // Status 401, after OnFailure.
    std::function<void(THttpClient& sender)> OnAuthenticationNeeded;
    // After each received chunk of the body.
    std::function<void(THttpClient& sender)> OnPacketRecvd;

    // The whole of Get, redirections included, ends within TimeOut (0: DefaultTimeOutMs).
    // Raises EHttpError for a refused request ("Empty URL", "HTTP Secure Socket is not
    // supported", an invalid port, "Control character in request header"), for a reply that is
    // not a success (no or a malformed status line, an unexpected status, a bad redirection,
    // "Too many redirects", "Reply too large"), EHttpStatusError for a status of 400 and above,
    // "Request timed out", and the socket errors; the connection is closed first.
    void Get(const std::string& url);
    // As Get, with a "POST" request carrying body and, when it is not empty, contentType. A 301,
    // 302 or 303 is followed with a GET without the body; a 307 or 308 repeats the POST. Raises
    // EHttpError "Request body too large", before connecting, for a body of more than
    // MaxPostBodySize bytes. The events report cmdPost throughout.
    void Post(const std::string& url, const std::string& body, const std::string& contentType);

    // The steps of Get and Post.
    void RunRequest();
    void ParseUrl();
    void BuildRequestHeader();
    void SendRequest();
    // Reads the status line, which must be well formed, and the header lines.
    void ReadReplyHeader();
    void ReadReplyBody();

    CmdType CurrentCmd() const { return currentCmd_; }
    const std::string& RequestUrl() const { return requestUrl_; }
    const std::string& RequestPath() const { return requestPath_; }
    const THeaderList& HeaderLines() const { return headerLines_; }
    const std::string& RedirectLocation() const { return reply_.location(); }
    const std::string& ReceivedCookie() const { return reply_.cookie(); }

  protected:
    void PacketReceived() override;

  private:
    // The method of the request being run, and a POST's body and its type.
    struct Outgoing {
        bool isPost = false;
        std::string body;
        std::string contentType;
    };

    void Start(CmdType cmd, const std::string& url, Outgoing outgoing);
    // Connect, send, read and judge; the connection is closed however it ends. True when a
    // redirection is to be followed.
    bool Exchange();
    // True when the request goes out again, to the redirection's location.
    bool JudgeStatus();
    bool FollowRedirect();

    CmdType currentCmd_ = cmdGet;
    Outgoing outgoing_;
    std::string requestUrl_;
    std::string requestPath_;
    THeaderList headerLines_;
    ReplyHeader reply_{MaxHeaderSize};
};

}  // namespace net
