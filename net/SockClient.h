#pragma once
// One TCP client socket driven from the user-interface thread: host lookup, connect, send, line
// and bulk reads, error texts and a time-out. Socket events arrive as messages, and every wait
// blocks in the application's loop until the socket, a message or a timer needs it, dispatching
// the messages: the interface stays responsive meanwhile, handlers (this component's included)
// may run in the middle of an operation, and a quitting application aborts the wait.

#include <netinet/in.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "net/AddressResolver.h"
#include "net/SocketHandle.h"
#include "net/SocketWait.h"
#include "net/SocketWatcher.h"
#include "platform/Application.h"

namespace net {

class TSocketClient {
  public:
    // Every wait ends after this long when TimeOut is 0, so a silent server cannot hang it.
    static constexpr std::uint32_t DefaultTimeOutMs = SocketWait::DefaultTimeOutMs;
    static constexpr std::size_t IoBufferSize = 65'536;

    // Raises ESockError "Initializaton of POSIX sockets failed" when no socket can be made.
    explicit TSocketClient(platform::Application& application);
    // The socket closes without a report or a replacement.
    virtual ~TSocketClient() = default;
    TSocketClient(const TSocketClient&) = delete;
    TSocketClient& operator=(const TSocketClient&) = delete;

    // A dotted IPv4 address or a name.
    std::string Host;
    // Only the low 16 bits are used.
    std::int32_t Port = 0;
    // Milliseconds allowed to each wait; 0 gives DefaultTimeOutMs; a negative value makes every
    // wait raise "No Timer".
    std::int32_t TimeOut = 0;
    // Status texts of this level and below are reported (8 most detailed, 1 least).
    std::int32_t ReportLevel = 0;
    // An empty proxy host means a direct connection.
    std::string Proxy;
    std::int32_t ProxyPort = 0;

    std::function<void(TSocketClient& sender)> OnConnect;
    std::function<void(TSocketClient& sender)> OnDisconnect;
    // A name did not resolve; setting handled allows one more lookup.
    std::function<void(bool& handled)> OnInvalidHost;
    std::function<void(TSocketClient& sender)> OnHostResolved;
    std::function<void(TSocketClient& sender, const std::string& status)> OnStatus;
    std::function<void(TSocketClient& sender)> OnConnectionFailed;

    // Resolves the host (or the proxy) and connects to Port (or ProxyPort).
    void Connect();
    // Closes the connection; a fresh, unconnected socket takes its place.
    void Disconnect();
    // Ends the wait in progress with its cancel or abort error.
    virtual void Abort();
    void Cancel();

    // Sends text up to its first zero byte.
    void Write(std::string_view text);
    void Writeln(std::string_view text);
    // One line with its LF (a CR before it stays); empty once the connection has ended, even
    // when part of a line had arrived. A line longer than the buffer comes in pieces. A
    // connection broken by the peer (a reset) raises its socket error instead.
    std::string ReadLn();
    // Reads until the connection ends or target holds at least limit bytes (-1: no limit).
    void CaptureString(std::string& target, std::int64_t limit);
    // Reads until the connection ends, or at least limit bytes came (-1: no limit), into a new
    // file (an existing one is replaced).
    void CaptureFile(const std::string& fileName, std::int64_t limit = -1);
    // True when at least one byte waits to be read.
    bool DataAvailable();
    // Takes over a connected stream socket made elsewhere (an accepted one, or a socket pair's
    // end), in place of the current socket.
    void AttachConnected(SocketHandle connected);

    bool IsConnected() const { return isConnected_; }
    bool CancelRequested() const { return wait_.cancelled(); }
    bool TimeOutFired() const { return wait_.timedOut(); }
    bool LastEventOk() const { return lastEventOk_; }
    int LastSocketError() const { return lastSocketError_; }
    std::int64_t BytesReceived() const { return bytesReceived_; }
    const std::string& StatusText() const { return statusText_; }
    // The reply number of the last exchange, 0 when none was read.
    std::int16_t StatusCode() const { return statusCode_; }
    // The announced length of the incoming data, 0 when none was announced.
    std::int32_t ContentLength() const { return contentLength_; }

  protected:
    void Report(int level, const std::string& text);
    // The waits, for a bound that spans several of them.
    SocketWait& Waits() { return wait_; }
    // Called after each chunk a capture receives.
    virtual void PacketReceived() {}
    // Sends every byte, zero bytes included; while the socket's buffer is full it waits in the
    // loop, within TimeOut.
    void SendBuffer(std::string_view data);

    std::int16_t statusCode_ = 0;
    std::int32_t contentLength_ = 0;

  private:
    SocketHandle OpenSocket();
    void ReplaceSocket();
    void SelectEvents();
    void RequestCloseSocket();
    void HandleSocketEvent(SocketEvent event, int error);

    void ResolveRemoteAddress();
    // The address of the host or the proxy; 0 when it does not resolve.
    std::uint32_t ResolveHost();
    void WaitConnected();
    void RaiseConnectFailure();

    // Bytes received, or -1 with LastSocketError set.
    long Receive(char* buffer, std::size_t size, int flags);
    // Consumes the peeked bytes up to and including the first LF into line; true when the
    // line is complete.
    bool TakeLinePart(std::string& line, std::size_t peeked);
    // Feeds received chunks to sink while wantMore holds and the connection lasts; returns
    // whether it ended by cancellation (which it then clears).
    bool Capture(const std::function<void(std::string_view chunk)>& sink,
                 const std::function<bool()>& wantMore);

    // One turn of the wait on this socket.
    void WaitTurn(short events);
    // After a receive: true when the connection has ended, raising the error that broke it (once)
    // if one did; raises any other error but that of an empty buffer.
    bool ConnectionEnded(long received);

    int TakeSocketError();
    // Raises the error of the failed call unless its code is tolerated.
    void CheckSocketError(int toleratedCode);
    [[noreturn]] void RaiseSocketError(int code);

    SocketWatcher watcher_;
    SocketHandle socket_;
    sockaddr_in remoteAddress_{};
    std::vector<char> ioBuffer_;
    SocketWait wait_;
    AddressResolver resolver_;

    bool isConnected_ = false;
    bool lastEventOk_ = true;
    int lastSocketError_ = 0;
    // The socket error code of a connection the peer broke, until it is raised.
    int brokenError_ = 0;
    std::int64_t bytesReceived_ = 0;
    std::string statusText_;
};

}  // namespace net
