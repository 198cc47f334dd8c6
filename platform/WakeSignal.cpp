#include "platform/WakeSignal.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <cstdint>
#include <stdexcept>

namespace platform {

WakeSignal::WakeSignal() : fd_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {
    if (fd_ < 0) {
        throw std::runtime_error("cannot create the message loop's wake-up");
    }
}

WakeSignal::~WakeSignal() {
    ::close(fd_);
}

void WakeSignal::signal() {
    std::uint64_t one = 1;
    // A full counter is still signalled; nothing is lost by a failed write.
    [[maybe_unused]] ssize_t written = ::write(fd_, &one, sizeof one);
}

void WakeSignal::clear() {
    std::uint64_t count;
    [[maybe_unused]] ssize_t taken = ::read(fd_, &count, sizeof count);
}

}  // namespace platform
