#include "server/RateLimiter.h"

#include <algorithm>
#include <utility>

#include "server/ClientAddress.h"

namespace server {

namespace {

constexpr std::chrono::minutes Window{1};
// Quiet addresses forgotten per submission: enough to outpace new ones, few enough to be quick.
constexpr int ForgottenPerAdmit = 4;

}  // namespace

RateLimiter::RateLimiter(std::size_t perMinute, Clock clock, std::size_t addresses)
    : perMinute_(perMinute),
      clock_(std::move(clock)),
      capacity_(std::max<std::size_t>(1, addresses)) {}

std::optional<std::chrono::seconds> RateLimiter::admit(const std::string& address) {
    const auto now = clock_();
    forgetQuietAddresses(now);
    Recent& recent = recentOf(clientGroup(address));
    recent.forgetBefore(now - Window);
    if (recent.count() >= perMinute_) {
        const auto wait = recent.times[recent.expired] + Window - now;
        return std::chrono::ceil<std::chrono::seconds>(wait);
    }
    recent.times.push_back(now);
    return std::nullopt;
}

// The group's entry, made the most recently active; a new one may push out the quietest.
RateLimiter::Recent& RateLimiter::recentOf(const std::string& group) {
    if (const auto found = byGroup_.find(group); found != byGroup_.end()) {
        byActivity_.splice(byActivity_.end(), byActivity_, found->second);
        return *found->second;
    }
    if (byGroup_.size() >= capacity_) {
        byGroup_.erase(byActivity_.front().group);
        byActivity_.pop_front();
    }
    byActivity_.push_back({group, {}, 0});
    byGroup_.emplace(group, std::prev(byActivity_.end()));
    return byActivity_.back();
}

// An entry moves to the back whenever its address submits, so the quiet ones gather in front.
void RateLimiter::forgetQuietAddresses(TimePoint now) {
    for (int i = 0; i < ForgottenPerAdmit && !byActivity_.empty(); ++i) {
        const Recent& quietest = byActivity_.front();
        if (!quietest.times.empty() && now - quietest.times.back() < Window) {
            return;
        }
        byGroup_.erase(quietest.group);
        byActivity_.pop_front();
    }
}

void RateLimiter::Recent::forgetBefore(TimePoint horizon) {
    while (expired < times.size() && times[expired] <= horizon) {
        ++expired;
    }
    // Dropping the expired prefix once it is half the vector keeps each time's cost constant.
    if (expired > 0 && expired * 2 >= times.size()) {
        times.erase(times.begin(), times.begin() + static_cast<std::ptrdiff_t>(expired));
        expired = 0;
    }
}

}  // namespace server
