#pragma once
// The HTTP/1.0 client: one Get runs a whole exchange (URL, request header, connection, reply
// header, body until the server closes, verdict, redirections) on the user-interface thread,
// dispatching messages while it waits. Errors are raised out of Get.

#include <cstdint>
#include <functional>
#include <string>

#include "net/HeaderList.h"
#include "net/SockClient.h"

namespace net {

// The kind of request an event reports.
enum CmdType : std::uint8_t { cmdGet = 0 };

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
    // Repetitions (redirections and repeats) allowed within one Get.
    static constexpr int MaxRepeats = 20;

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
    // A status code below 299 (also a missing one, which counts as 0).
    std::function<void(CmdType cmd)> OnSuccess;
    // A status code above 399.
    std::function<void(CmdType cmd)> OnFailure;
    // A status code from 300 to 398, before the request is repeated; setting handled ends Get.
    std::function<void(bool& handled)> OnRedirect;
    // Status 401.
    std::function<void(THttpClient& sender)> OnAuthenticationNeeded;
    // After each received chunk of the body.
    std::function<void(THttpClient& sender)> OnPacketRecvd;

    // Raises EHttpError "Empty URL", "HTTP Secure Socket is not supported", an invalid port,
    // "Control character in request header" or "Too many redirects", and the socket errors;
    // the connection is closed first. A status of 400 and above raises nothing.
    void Get(const std::string& url);
    void Abort() override;

    // The steps of Get.
    void RunRequest();
    void ParseUrl();
    void BuildRequestHeader();
    void SendRequest();
    void ReadReplyHeader();

    CmdType CurrentCmd() const { return currentCmd_; }
    const std::string& RequestUrl() const { return requestUrl_; }
    const std::string& RequestPath() const { return requestPath_; }
    const THeaderList& HeaderLines() const { return headerLines_; }
    const std::string& RedirectLocation() const { return redirectLocation_; }
    const std::string& ReceivedCookie() const { return receivedCookie_; }

  protected:
    void PacketReceived() override;

  private:
    // Connect, send, read and judge; the connection is closed however it ends.
    void Exchange();
    void ReadBody();
    void JudgeStatus();
    // True when the request goes out again.
    bool FollowUp();
    void InterpretHeaderLine(const std::string& line);

    CmdType currentCmd_ = cmdGet;
    std::string requestUrl_;
    std::string requestPath_;
    THeaderList headerLines_;
    std::string redirectLocation_;
    std::string receivedCookie_;
};

}  // namespace net
