#include "net/TimeoutTimer.h"

#include <limits>

#include "net/NetErrors.h"

namespace net {

namespace {

// The platform takes a signed interval, like the window timers it stands in for.
constexpr std::uint32_t LongestIntervalMs = std::numeric_limits<std::int32_t>::max();

}  // namespace

TTimeoutTimer::TTimeoutTimer(platform::Application& application) : application_(application) {}

TTimeoutTimer::~TTimeoutTimer() {
    stop();
}

void TTimeoutTimer::SetEnabled(bool enabled) {
    if (enabled != enabled_) {
        enabled_ = enabled;
        restart();
    }
}

void TTimeoutTimer::SetInterval(std::uint32_t intervalMs) {
    if (intervalMs != interval_) {
        interval_ = intervalMs;
        restart();
    }
}

void TTimeoutTimer::restart() {
    stop();
    if (interval_ == 0 || !enabled_ || !OnTimer) {
        return;
    }
    if (interval_ > LongestIntervalMs) {
        throw ESockError(SockFailure::NoTimer);
    }
    platformTimer_ = application_.setTimer(interval_, [this] {
        if (OnTimer) {
            OnTimer(*this);
        }
    });
}

void TTimeoutTimer::stop() {
    if (platformTimer_) {
        application_.killTimer(*platformTimer_);
        platformTimer_.reset();
    }
}

}  // namespace net
