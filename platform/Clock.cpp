#include "platform/Clock.h"

#include <chrono>
#include <thread>

namespace platform {

std::uint32_t SystemClock::milliseconds() {
    auto since = std::chrono::duration_cast<std::chrono::milliseconds>(
                     std::chrono::steady_clock::now().time_since_epoch())
                     .count();
    return static_cast<std::uint32_t>(since);
}

TimeOfDay SystemClock::utcTimeOfDay() {
    auto now = std::chrono::system_clock::now();
    auto sinceMidnight = std::chrono::duration_cast<std::chrono::milliseconds>(
                             now - std::chrono::floor<std::chrono::days>(now))
                             .count();
    return TimeOfDay{
        static_cast<int>(sinceMidnight / 3'600'000), static_cast<int>(sinceMidnight / 60'000 % 60),
        static_cast<int>(sinceMidnight / 1000 % 60), static_cast<int>(sinceMidnight % 1000)};
}

void SystemClock::sleep(std::uint32_t ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace platform
