#pragma once
// At most so many accepted submissions per client address in any minute. An IPv6 address
// counts with its /64. The table holds a bounded number of addresses: when it is full, the one
// quiet for longest is forgotten first, and addresses quiet for a minute leave a few at a time.

#include <chrono>
#include <cstddef>
#include <functional>
#include <list>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace server {

class RateLimiter {
  public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;
    using TimePoint = std::chrono::steady_clock::time_point;

    static constexpr std::size_t DefaultAddresses = 65'536;

    RateLimiter(std::size_t perMinute, Clock clock, std::size_t addresses = DefaultAddresses);

    // Counts one submission of address and answers nothing, or, when the address has had its
    // share of the last minute, counts nothing and answers the seconds until it may send again.
    std::optional<std::chrono::seconds> admit(const std::string& address);

    std::size_t addressesHeld() const { return byGroup_.size(); }

  private:
    // The times of one address's submissions in the last minute, oldest first.
    struct Recent {
        std::string group;
        std::vector<TimePoint> times;
        std::size_t expired = 0;  // times before this index are older than a minute

        void forgetBefore(TimePoint horizon);
        std::size_t count() const { return times.size() - expired; }
    };
    using Quietest = std::list<Recent>;

    Recent& recentOf(const std::string& group);
    void forgetQuietAddresses(TimePoint now);

    std::size_t perMinute_;
    Clock clock_;
    std::size_t capacity_;
    Quietest byActivity_;  // the address quiet for longest first
    std::unordered_map<std::string, Quietest::iterator> byGroup_;
};

}  // namespace server
