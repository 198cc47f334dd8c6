#include "platform/Clock.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace platform {

namespace {

// The real time a manual clock gives a wait before letting its time pass: enough for a
// loopback peer on another thread to answer.
constexpr std::uint32_t ManualWaitRealMs = 1;

int pollFor(std::span<pollfd> fds, std::uint32_t ms) {
    return std::max(::poll(fds.data(), fds.size(), static_cast<int>(ms)), 0);
}

}  // namespace

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

std::int64_t SystemClock::utcMilliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

void SystemClock::sleep(std::uint32_t ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

int SystemClock::pollReady(std::span<pollfd> fds, std::uint32_t ms, std::uint32_t pollMs) {
    return pollFor(fds, std::min(ms, pollMs));
}

std::int64_t ManualClock::utcMilliseconds() {
    constexpr std::int64_t FixedDateMs = 1'767'225'600'000;  // 2026-01-01T00:00:00Z
    return FixedDateMs +
           ((timeOfDay_.hour * 60 + timeOfDay_.minute) * 60 + timeOfDay_.second) * 1000 +
           timeOfDay_.millisecond;
}

int ManualClock::pollReady(std::span<pollfd> fds, std::uint32_t ms, std::uint32_t pollMs) {
    int ready = pollFor(fds, std::min({ms, pollMs, ManualWaitRealMs}));
    if (ready == 0) {
        now_ += ms;
    }
    return ready;
}

}  // namespace platform
