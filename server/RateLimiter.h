#pragma once
// At most so many accepted submissions per client address in any minute.

#include <chrono>
#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>

namespace server {

class RateLimiter {
  public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    RateLimiter(std::size_t perMinute, Clock clock);

    // Counts one submission of address and answers nothing, or, when the address has had its
    // share of the last minute, counts nothing and answers the seconds until it may send again.
    std::optional<std::chrono::seconds> admit(const std::string& address);

  private:
    void forgetQuietAddresses(std::chrono::steady_clock::time_point now);

    std::size_t perMinute_;
    Clock clock_;
    std::unordered_map<std::string, std::deque<std::chrono::steady_clock::time_point>> recent_;
    std::chrono::steady_clock::time_point lastSweep_;
};

}  // namespace server
