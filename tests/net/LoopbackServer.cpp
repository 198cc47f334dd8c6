#include "LoopbackServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <regex>
#include <stdexcept>

namespace nettest {

namespace {

constexpr int StepMs = 10;
constexpr int RequestWaitMs = 5000;
constexpr int DeafReceiveBuffer = 4096;

sockaddr_in loopback(std::uint16_t port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

std::uint16_t boundPort(int fd) {
    sockaddr_in address{};
    socklen_t length = sizeof address;
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    return ntohs(address.sin_port);
}

// Waits up to StepMs for fd to become readable.
bool readable(int fd) {
    pollfd request{fd, POLLIN, 0};
    return ::poll(&request, 1, StepMs) > 0;
}

bool writable(int fd) {
    pollfd request{fd, POLLOUT, 0};
    return ::poll(&request, 1, StepMs) > 0;
}

// The length of the body a request header announces; 0 when it announces none.
std::size_t announcedLength(const std::string& header) {
    static const std::regex field("\r\ncontent-length: *([0-9]+)\r\n", std::regex::icase);
    std::smatch match;
    return std::regex_search(header, match, field) ? std::stoul(match[1]) : 0;
}

// Closing with a zero linger time resets the connection.
void breakConnection(int fd) {
    linger noLinger{1, 0};
    setsockopt(fd, SOL_SOCKET, SO_LINGER, &noLinger, sizeof noLinger);
}

}  // namespace

Reply whole(std::string text) {
    return Reply{{std::move(text)}};
}

Reply bytewise(const std::string& text, int pauseMs) {
    Reply reply{{}, pauseMs};
    for (char byte : text) {
        reply.pieces.emplace_back(1, byte);
    }
    return reply;
}

Reply silent() {
    return Reply{{}, 0, true};
}

Reply resetAfter(std::string text) {
    Reply reply = whole(std::move(text));
    reply.reset = true;
    return reply;
}

Reply endless(std::string head, std::string repeated, int pauseMs) {
    Reply reply{{std::move(head)}, pauseMs};
    reply.repeated = std::move(repeated);
    return reply;
}

Reply garbage(std::size_t size) {
    std::string bytes(size, '\0');
    std::uint32_t state = 12345;
    for (char& byte : bytes) {
        state = state * 1103515245 + 12345;
        byte = static_cast<char>(state >> 24);
    }
    return whole(std::move(bytes));
}

LoopbackServer::LoopbackServer(Script script, bool readsRequest)
    : script_(std::move(script)), readsRequest_(readsRequest) {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address = loopback(0);
    if (listener_ < 0 ||
        bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener_, 8) != 0) {
        throw std::runtime_error("loopback server cannot listen");
    }
    port_ = boundPort(listener_);
    thread_ = std::thread([this] { run(); });
}

LoopbackServer::~LoopbackServer() {
    stopping_ = true;
    thread_.join();
    ::close(listener_);
}

std::string loopbackUrl(std::uint16_t port, const std::string& target) {
    return "http://127.0.0.1:" + std::to_string(port) + target;
}

std::string LoopbackServer::url(const std::string& target) const {
    return loopbackUrl(port_, target);
}

std::vector<std::string> LoopbackServer::requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

int LoopbackServer::connections() const {
    std::lock_guard lock(mutex_);
    return connections_;
}

void LoopbackServer::run() {
    for (int index = 0; !stopping_;) {
        if (!readable(listener_)) {
            continue;
        }
        int fd = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd >= 0) {
            serve(fd, index++);
            ::close(fd);
        }
    }
}

void LoopbackServer::serve(int fd, int index) {
    {
        std::lock_guard lock(mutex_);
        ++connections_;
    }
    std::string request = readsRequest_ ? readRequest(fd) : std::string();
    {
        std::lock_guard lock(mutex_);
        requests_.push_back(request);
    }
    Reply reply = script_(index, request);
    send(fd, reply);
    if (reply.hold) {
        waitForClientToLeave(fd);
    }
    if (reply.reset) {
        breakConnection(fd);
    }
}

std::string LoopbackServer::readRequest(int fd) {
    std::string request;
    // The whole request's length; unknown until its header has ended.
    std::size_t wanted = std::string::npos;
    for (int idleMs = 0; idleMs < RequestWaitMs && !stopping_ && request.size() < wanted;) {
        if (!readable(fd)) {
            idleMs += StepMs;
            continue;
        }
        char buffer[65536];
        ssize_t received = recv(fd, buffer, sizeof buffer, 0);
        if (received <= 0) {
            break;
        }
        request.append(buffer, static_cast<std::size_t>(received));
        std::size_t headerEnd = request.find("\r\n\r\n");
        if (wanted == std::string::npos && headerEnd != std::string::npos) {
            wanted = headerEnd + 4 + announcedLength(request.substr(0, headerEnd + 2));
        }
    }
    return request;
}

void LoopbackServer::send(int fd, const Reply& reply) {
    for (std::size_t i = 0; i < reply.pieces.size(); ++i) {
        if ((i > 0 && !pause(reply.pauseMs)) || !sendPiece(fd, reply.pieces[i])) {
            return;
        }
    }
    while (!reply.repeated.empty() && pause(reply.pauseMs) && sendPiece(fd, reply.repeated)) {
    }
}

bool LoopbackServer::sendPiece(int fd, const std::string& piece) {
    for (std::size_t sent = 0; sent < piece.size();) {
        if (stopping_) {
            return false;
        }
        if (!writable(fd)) {
            continue;
        }
        ssize_t written =
            ::send(fd, piece.data() + sent, piece.size() - sent, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (written < 0 && errno != EAGAIN) {
            return false;
        }
        sent += static_cast<std::size_t>(std::max<ssize_t>(written, 0));
    }
    return true;
}

void LoopbackServer::waitForClientToLeave(int fd) {
    while (!stopping_) {
        char buffer[256];
        if (readable(fd) && recv(fd, buffer, sizeof buffer, 0) <= 0) {
            return;
        }
    }
}

bool LoopbackServer::pause(int ms) {
    auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!stopping_ && std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return !stopping_;
}

LoopbackPort::LoopbackPort(bool listening) : fd_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
    sockaddr_in address = loopback(0);
    // The connections the kernel takes inherit the listener's receive buffer.
    if (fd_ < 0 ||
        (listening && setsockopt(fd_, SOL_SOCKET, SO_RCVBUF, &DeafReceiveBuffer,
                                 sizeof DeafReceiveBuffer) != 0) ||
        bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        (listening && listen(fd_, 8) != 0)) {
        throw std::runtime_error("cannot reserve a loopback port");
    }
    port_ = boundPort(fd_);
}

LoopbackPort::~LoopbackPort() {
    ::close(fd_);
}

}  // namespace nettest
