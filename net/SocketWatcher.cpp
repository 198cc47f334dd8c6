#include "net/SocketWatcher.h"

#include <poll.h>
#include <sys/socket.h>

#include <vector>

namespace net {

namespace {

// Short enough that a loop blocked in its idle pass notices socket events promptly.
constexpr std::uint32_t PollIntervalMs = 25;

int intOption(int fd, int option) {
    int value = 0;
    socklen_t length = sizeof value;
    if (getsockopt(fd, SOL_SOCKET, option, &value, &length) != 0) {
        return 0;
    }
    return value;
}

bool isListening(int fd) {
    return intOption(fd, SO_ACCEPTCONN) != 0;
}

// Reading the pending error clears it, so it is read only when poll reported one.
int pendingError(int fd, short revents) {
    return (revents & POLLERR) != 0 ? intOption(fd, SO_ERROR) : 0;
}

bool hasPeer(int fd) {
    sockaddr_storage peer{};
    socklen_t length = sizeof peer;
    return getpeername(fd, reinterpret_cast<sockaddr*>(&peer), &length) == 0;
}

bool hasWaitingData(int fd) {
    char byte;
    return recv(fd, &byte, 1, MSG_PEEK | MSG_DONTWAIT) > 0;
}

}  // namespace

struct SocketWatcher::Watch {
    int fd;
    Handler handler;
    bool readArmed = true;
    bool outOfBandArmed = true;
    bool acceptArmed = true;
    bool connectReported = false;
    bool connected = false;
    bool closeReported = false;
};

SocketWatcher::SocketWatcher(platform::Application& application) : application_(application) {
    application_.addEventSource(*this);
}

SocketWatcher::~SocketWatcher() {
    application_.removeEventSource(*this);
}

void SocketWatcher::watch(int fd, Handler handler) {
    watches_[fd] = std::make_shared<Watch>(Watch{fd, std::move(handler)});
}

void SocketWatcher::unwatch(int fd) {
    watches_.erase(fd);
}

void SocketWatcher::reenable(int fd, SocketEvent event) {
    auto found = watches_.find(fd);
    if (found == watches_.end()) {
        return;
    }
    Watch& watch = *found->second;
    switch (event) {
        case SocketEvent::Read:
            watch.readArmed = true;
            break;
        case SocketEvent::OutOfBand:
            watch.outOfBandArmed = true;
            break;
        case SocketEvent::Accept:
            watch.acceptArmed = true;
            break;
        default:
            break;
    }
}

void SocketWatcher::poll() {
    std::vector<std::shared_ptr<Watch>> watches;
    for (const auto& [fd, watch] : watches_) {
        watches.push_back(watch);
    }
    for (const auto& watch : watches) {
        pollOne(watch);
    }
}

std::uint32_t SocketWatcher::pollIntervalMs() const {
    return watches_.empty() ? 0 : PollIntervalMs;
}

void SocketWatcher::pollOne(const std::shared_ptr<Watch>& watch) {
    pollfd request{watch->fd, POLLIN | POLLPRI | POLLOUT | POLLRDHUP, 0};
    if (::poll(&request, 1, 0) <= 0 || (request.revents & POLLNVAL) != 0) {
        return;
    }
    if (!watch->connectReported) {
        pollConnecting(watch, request.revents);
    }
    if (watch->connected) {
        pollConnected(watch, request.revents);
    }
}

void SocketWatcher::pollConnecting(const std::shared_ptr<Watch>& watch, short revents) {
    if (isListening(watch->fd)) {
        if ((revents & POLLIN) != 0 && watch->acceptArmed) {
            watch->acceptArmed = false;
            post(watch, SocketEvent::Accept);
        }
        return;
    }
    // A socket that never connected reports POLLOUT and POLLHUP but has no peer.
    if (int error = pendingError(watch->fd, revents); error != 0) {
        watch->connectReported = true;
        post(watch, SocketEvent::Connect, error);
    } else if ((revents & POLLOUT) != 0 && hasPeer(watch->fd)) {
        watch->connectReported = true;
        watch->connected = true;
        post(watch, SocketEvent::Connect);
    }
}

void SocketWatcher::pollConnected(const std::shared_ptr<Watch>& watch, short revents) {
    // Taken first: the peek for waiting data would consume a reset's error.
    const int error = pendingError(watch->fd, revents);
    if ((revents & POLLIN) != 0 && watch->readArmed && hasWaitingData(watch->fd)) {
        watch->readArmed = false;
        post(watch, SocketEvent::Read);
    }
    if ((revents & POLLPRI) != 0 && watch->outOfBandArmed) {
        watch->outOfBandArmed = false;
        post(watch, SocketEvent::OutOfBand);
    }
    if ((revents & (POLLRDHUP | POLLHUP | POLLERR)) != 0 && !watch->closeReported) {
        watch->closeReported = true;
        post(watch, SocketEvent::Close, error);
    }
}

void SocketWatcher::post(const std::shared_ptr<Watch>& watch, SocketEvent event, int error) {
    application_.postTask([weak = std::weak_ptr(watch), event, error] {
        // A watch replaced or ended since the event drops its message.
        if (auto current = weak.lock()) {
            current->handler(event, error);
        }
    });
}

}  // namespace net
