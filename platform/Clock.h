#pragma once
// The millisecond clock: 32 bits, wrapping; and the UTC time of day that seeds the game.

#include <cstdint>

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
    // Pauses the calling thread; waits that keep the interface responsive use it between polls.
    virtual void sleep(std::uint32_t ms) = 0;
};

class SystemClock final : public Clock {
  public:
    std::uint32_t milliseconds() override;
    TimeOfDay utcTimeOfDay() override;
    void sleep(std::uint32_t ms) override;
};

// A clock that moves only when told to: for tests and the scripted runner.
class ManualClock final : public Clock {
  public:
    explicit ManualClock(std::uint32_t start = 0, TimeOfDay timeOfDay = {})
        : now_(start), timeOfDay_(timeOfDay) {}
    std::uint32_t milliseconds() override { return now_; }
    TimeOfDay utcTimeOfDay() override { return timeOfDay_; }
    void sleep(std::uint32_t ms) override { now_ += ms; }
    void advance(std::uint32_t ms) { now_ += ms; }
    void setTimeOfDay(TimeOfDay value) { timeOfDay_ = value; }

  private:
    std::uint32_t now_;
    TimeOfDay timeOfDay_;
};

}  // namespace platform
