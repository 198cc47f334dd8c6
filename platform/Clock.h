#pragma once
// The millisecond clock: 32 bits, wrapping; the UTC time of day that seeds the game; the UTC
// date and time a game is recorded with.

#include <poll.h>

#include <cstdint>
#include <span>

namespace platform {

struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual std::uint32_t milliseconds() = 0;
    virtual TimeOfDay utcTimeOfDay() = 0;
    // UTC, milliseconds since 1970: when a game was played.
    virtual std::int64_t utcMilliseconds() = 0;
    // Pauses the calling thread.
    virtual void sleep(std::uint32_t ms) = 0;
    // Blocks until one of fds is ready or ms have passed on this clock, and no longer than
    // pollMs of real time, for what can only be polled; returns how many are ready (0 also when
    // a signal cut the wait short).
    virtual int pollReady(std::span<pollfd> fds, std::uint32_t ms, std::uint32_t pollMs) = 0;
};

class SystemClock final : public Clock {
  public:
    std::uint32_t milliseconds() override;
    TimeOfDay utcTimeOfDay() override;
    std::int64_t utcMilliseconds() override;
    void sleep(std::uint32_t ms) override;
    int pollReady(std::span<pollfd> fds, std::uint32_t ms, std::uint32_t pollMs) override;
};

// A clock that moves only when told to, or when a wait finds nothing ready after a moment of
// real time: then the whole wait (ms) passes at once, so that bounded waits end in a small part
// of their real time. For tests and the scripted runner.
class ManualClock final : public Clock {
  public:
    explicit ManualClock(std::uint32_t start = 0, TimeOfDay timeOfDay = {})
        : now_(start), timeOfDay_(timeOfDay) {}
    std::uint32_t milliseconds() override { return now_; }
    TimeOfDay utcTimeOfDay() override { return timeOfDay_; }
    // The time of day on a fixed date, so that what a script records does not depend on the day.
    std::int64_t utcMilliseconds() override;
    void sleep(std::uint32_t ms) override { now_ += ms; }
    int pollReady(std::span<pollfd> fds, std::uint32_t ms, std::uint32_t pollMs) override;
    void advance(std::uint32_t ms) { now_ += ms; }
    void setTimeOfDay(TimeOfDay value) { timeOfDay_ = value; }

  private:
    std::uint32_t now_;
    TimeOfDay timeOfDay_;
};

}  // namespace platform
