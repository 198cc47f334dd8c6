#include "net/SockClient.h"

#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

#include <cerrno>
#include <utility>

#include "net/NetErrors.h"
#include "net/NetMessages.h"
#include "net/OutputFile.h"
#include "net/SocketErrorCode.h"

namespace net {

namespace {

// What a read waits for: data, or the end of the connection.
constexpr short ReadableEvents = POLLIN | POLLRDHUP;

}  // namespace

TSocketClient::TSocketClient(platform::Application& application)
    : watcher_(application),
      ioBuffer_(IoBufferSize),
      wait_(
          application, [this] { Abort(); },
          [this](const std::string& status) { Report(8, status); }),
      resolver_(application, wait_) {
    socket_ = OpenSocket();
    // The first socket resets its connection on close instead of lingering.
    linger noLinger{1, 0};
    if (!socket_.valid() ||
        setsockopt(socket_.get(), SOL_SOCKET, SO_LINGER, &noLinger, sizeof noLinger) != 0) {
        throw ESockError(SockFailure::SocketsInitFailed);
    }
    SelectEvents();
}

void TSocketClient::Connect() {
    Report(8, "Connecting");
    wait_.takeCancel();
    if (isConnected_) {
        throw ESockError(SockFailure::AlreadyConnected);
    }
    ResolveRemoteAddress();
    remoteAddress_.sin_family = AF_INET;
    remoteAddress_.sin_port = htons(static_cast<std::uint16_t>(Proxy.empty() ? Port : ProxyPort));
    lastEventOk_ = true;
    brokenError_ = 0;
    SelectEvents();
    if (::connect(socket_.get(), reinterpret_cast<const sockaddr*>(&remoteAddress_),
                  sizeof remoteAddress_) != 0) {
        CheckSocketError(InProgressCode);
    }
    WaitConnected();
    if (!isConnected_ || wait_.timedOut() || wait_.cancelled() || !lastEventOk_) {
        RaiseConnectFailure();
    }
}

void TSocketClient::Disconnect() {
    Report(8, "Disconnecting");
    RequestCloseSocket();
}

void TSocketClient::Abort() {
    Report(8, "Abort");
    Cancel();
}

void TSocketClient::Cancel() {
    Report(8, "Canceling");
    wait_.cancel();
}

void TSocketClient::Write(std::string_view text) {
    Report(8, "Write");
    SendBuffer(text.substr(0, text.find('\0')));
}

void TSocketClient::Writeln(std::string_view text) {
    Report(8, "Writeln");
    Write(std::string(text) + "\r\n");
}

std::string TSocketClient::ReadLn() {
    Report(8, "ReadLn");
    auto timeOut = wait_.timeOut(TimeOut);
    std::string line;
    for (;;) {
        if (line.size() == IoBufferSize) {
            return line;
        }
        long peeked = Receive(ioBuffer_.data(), IoBufferSize - line.size(), MSG_PEEK);
        if (ConnectionEnded(peeked)) {
            return {};
        }
        if (peeked > 0 && TakeLinePart(line, static_cast<std::size_t>(peeked))) {
            return line;
        }
        WaitTurn(ReadableEvents);
        if (wait_.takeCancel()) {
            throw EAbortError(messages::ReadLnAborted);
        }
    }
}

void TSocketClient::CaptureString(std::string& target, std::int64_t limit) {
    Report(8, "Capture String");
    target.clear();
    bool cancelled =
        Capture([&target](std::string_view chunk) { target.append(chunk); },
                [&target, limit] {
                    return limit == -1 || static_cast<std::int64_t>(target.size()) < limit;
                });
    if (cancelled) {
        throw EAbortError(messages::CaptureAborted);
    }
}

void TSocketClient::CaptureFile(const std::string& fileName, std::int64_t limit) {
    Report(8, "CaptureFile");
    OutputFile file(fileName);
    bool cancelled = Capture([&file](std::string_view chunk) { file.write(chunk); },
                             [this, limit] { return limit == -1 || bytesReceived_ < limit; });
    file.close();
    if (cancelled) {
        throw EAbortError(messages::SendAborted);
    }
}

bool TSocketClient::DataAvailable() {
    Report(8, "Data Available");
    char byte;
    return Receive(&byte, 1, MSG_PEEK) > 0;
}

void TSocketClient::AttachConnected(SocketHandle connected) {
    watcher_.unwatch(socket_.get());
    socket_ = std::move(connected);
    int flags = fcntl(socket_.get(), F_GETFL);
    if (flags < 0 || fcntl(socket_.get(), F_SETFL, flags | O_NONBLOCK) != 0) {
        CheckSocketError(0);
    }
    isConnected_ = true;
    brokenError_ = 0;
    SelectEvents();
}

void TSocketClient::Report(int level, const std::string& text) {
    if (level > ReportLevel) {
        return;
    }
    statusText_ = text;
    if (OnStatus) {
        try {
            OnStatus(*this, text);
        } catch (...) {
            // A failing status handler must not disturb the operation it reports on.
        }
    }
}

SocketHandle TSocketClient::OpenSocket() {
    return SocketHandle(::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
}

void TSocketClient::ReplaceSocket() {
    socket_ = OpenSocket();
    if (!socket_.valid()) {
        CheckSocketError(0);
    }
    SelectEvents();
}

void TSocketClient::SelectEvents() {
    watcher_.watch(socket_.get(),
                   [this](SocketEvent event, int error) { HandleSocketEvent(event, error); });
}

void TSocketClient::RequestCloseSocket() {
    Report(4, "Request Close Socket");
    isConnected_ = false;
    if (!socket_.valid()) {
        return;
    }
    watcher_.unwatch(socket_.get());
    if (socket_.close() != 0) {
        CheckSocketError(WouldBlockCode);
    }
    // The replacement comes first, so a failing handler cannot leave the component without one.
    ReplaceSocket();
    if (OnDisconnect) {
        OnDisconnect(*this);
    }
}

void TSocketClient::HandleSocketEvent(SocketEvent event, int error) {
    lastEventOk_ = error == 0;
    try {
        switch (event) {
            case SocketEvent::Accept:
                isConnected_ = true;
                break;
            case SocketEvent::Connect:
                if (lastEventOk_) {
                    isConnected_ = true;
                    if (OnConnect) {
                        OnConnect(*this);
                    }
                }
                break;
            case SocketEvent::Close:
                if (error != 0) {
                    brokenError_ = socketErrorCode(error);
                }
                // Data still waiting keeps the socket open; the reads end at its end.
                if (!DataAvailable()) {
                    RequestCloseSocket();
                }
                break;
            default:
                break;
        }
    } catch (...) {
        // A notification has nobody to report to; the waits see the socket's state instead.
    }
}

void TSocketClient::ResolveRemoteAddress() {
    for (bool firstAttempt = true;; firstAttempt = false) {
        remoteAddress_.sin_addr.s_addr = ResolveHost();
        if (remoteAddress_.sin_addr.s_addr != 0) {
            return;
        }
        bool handled = false;
        if (firstAttempt && OnInvalidHost) {
            OnInvalidHost(handled);
        }
        if (!handled) {
            throw ESockError(SockFailure::NullRemoteAddress);
        }
    }
}

std::uint32_t TSocketClient::ResolveHost() {
    Report(8, "Resolve Host");
    AddressResolver::Answer answer = resolver_.resolve(Proxy.empty() ? Host : Proxy, TimeOut);
    if (answer.lookedUp) {
        lastEventOk_ = answer.errorCode == 0;
        if (!lastEventOk_) {
            lastSocketError_ = answer.errorCode;
        } else if (OnHostResolved) {
            OnHostResolved(*this);
        }
    }
    return answer.address;
}

void TSocketClient::WaitConnected() {
    auto timeOut = wait_.timeOut(TimeOut);
    wait_.until(socket_.get(), POLLOUT,
                [this] { return isConnected_ || wait_.cancelled() || !lastEventOk_; });
}

void TSocketClient::RaiseConnectFailure() {
    if (OnConnectionFailed) {
        OnConnectionFailed(*this);
    }
    if (wait_.timedOut()) {
        throw ESockError(SockFailure::ConnectionTimedOut);
    }
    if (wait_.cancelled()) {
        throw ESockError(SockFailure::ConnectionCanceled);
    }
    throw ESockError(SockFailure::ConnectionFailed);
}

void TSocketClient::SendBuffer(std::string_view data) {
    Report(4, "Sending Buffer");
    auto timeOut = wait_.timeOut(TimeOut);
    while (!wait_.cancelled() && !data.empty()) {
        ssize_t sent = ::send(socket_.get(), data.data(), data.size(), MSG_NOSIGNAL);
        if (sent > 0) {
            data.remove_prefix(static_cast<std::size_t>(sent));
        } else if (sent == 0) {
            break;
        } else {
            CheckSocketError(WouldBlockCode);
            // A full send buffer: the time-out still ends a peer that never reads.
            WaitTurn(POLLOUT);
        }
    }
    if (wait_.takeCancel()) {
        throw EAbortError(messages::SendAborted);
    }
}

long TSocketClient::Receive(char* buffer, std::size_t size, int flags) {
    ssize_t received = ::recv(socket_.get(), buffer, size, flags);
    if (received < 0) {
        TakeSocketError();
    }
    watcher_.reenable(socket_.get(), SocketEvent::Read);
    return static_cast<long>(received);
}

bool TSocketClient::TakeLinePart(std::string& line, std::size_t peeked) {
    std::string_view waiting(ioBuffer_.data(), peeked);
    std::size_t lineFeed = waiting.find('\n');
    std::size_t wanted = lineFeed == std::string_view::npos ? peeked : lineFeed + 1;
    long taken = Receive(ioBuffer_.data(), wanted, 0);
    if (taken < 0) {
        RaiseSocketError(lastSocketError_);
    }
    line.append(ioBuffer_.data(), static_cast<std::size_t>(taken));
    return lineFeed != std::string_view::npos && static_cast<std::size_t>(taken) == wanted;
}

bool TSocketClient::Capture(const std::function<void(std::string_view chunk)>& sink,
                            const std::function<bool()>& wantMore) {
    bytesReceived_ = 0;
    auto timeOut = wait_.timeOut(TimeOut);
    while (!wait_.cancelled() && wantMore()) {
        long received = Receive(ioBuffer_.data(), IoBufferSize, 0);
        if (ConnectionEnded(received)) {
            break;
        }
        if (received > 0) {
            sink(std::string_view(ioBuffer_.data(), static_cast<std::size_t>(received)));
            bytesReceived_ += received;
            PacketReceived();
        }
        WaitTurn(ReadableEvents);
    }
    return wait_.takeCancel();
}

void TSocketClient::WaitTurn(short events) {
    wait_.turn(socket_.get(), events);
}

bool TSocketClient::ConnectionEnded(long received) {
    if (received == 0 || (received < 0 && lastSocketError_ == NotConnectedCode)) {
        if (brokenError_ != 0) {
            RaiseSocketError(std::exchange(brokenError_, 0));
        }
        return true;
    }
    if (received < 0 && lastSocketError_ != WouldBlockCode) {
        RaiseSocketError(lastSocketError_);
    }
    return false;
}

int TSocketClient::TakeSocketError() {
    lastSocketError_ = socketErrorCode(errno);
    return lastSocketError_;
}

void TSocketClient::CheckSocketError(int toleratedCode) {
    int code = TakeSocketError();
    if (code != 0 && code != toleratedCode) {
        RaiseSocketError(code);
    }
}

void TSocketClient::RaiseSocketError(int code) {
    Report(8, "Looking Up Error Message" + statusText_);
    throw ESockError(code);
}

}  // namespace net
