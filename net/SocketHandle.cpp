#include "net/SocketHandle.h"

#include <unistd.h>

#include <utility>

namespace net {

SocketHandle::~SocketHandle() {
    close();
}

SocketHandle::SocketHandle(SocketHandle&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

SocketHandle& SocketHandle::operator=(SocketHandle&& other) noexcept {
    if (this != &other) {
        close();
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

int SocketHandle::close() {
    if (fd_ < 0) {
        return 0;
    }
    return ::close(std::exchange(fd_, -1));
}

}  // namespace net
