#include "server/RateLimiter.h"

#include <utility>

namespace server {

namespace {

constexpr std::chrono::minutes Window{1};

}  // namespace

RateLimiter::RateLimiter(std::size_t perMinute, Clock clock)
    : perMinute_(perMinute), clock_(std::move(clock)), lastSweep_(clock_()) {}

std::optional<std::chrono::seconds> RateLimiter::admit(const std::string& address) {
    const auto now = clock_();
    forgetQuietAddresses(now);
    auto& times = recent_[address];
    while (!times.empty() && now - times.front() >= Window) {
        times.pop_front();
    }
    if (times.size() >= perMinute_) {
        const auto wait = times.empty() ? Window : times.front() + Window - now;
        return std::chrono::ceil<std::chrono::seconds>(wait);
    }
    times.push_back(now);
    return std::nullopt;
}

// Once a minute, so that the table holds only the addresses of the last minute.
void RateLimiter::forgetQuietAddresses(std::chrono::steady_clock::time_point now) {
    if (now - lastSweep_ < Window) {
        return;
    }
    lastSweep_ = now;
    std::erase_if(recent_, [now](const auto& address) {
        return address.second.empty() || now - address.second.back() >= Window;
    });
}

}  // namespace server
