#pragma once
// What every network test needs: an application loop on the user-interface thread (this one).

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"

namespace nettest {

// Runs Factor times faster than real time, so that the long default time-out passes quickly.
class ScaledClock final : public platform::Clock {
  public:
    static constexpr std::uint32_t Factor = 100;
    std::uint32_t milliseconds() override { return real_.milliseconds() * Factor; }
    platform::TimeOfDay utcTimeOfDay() override { return {}; }
    std::int64_t utcMilliseconds() override { return 0; }
    void sleep(std::uint32_t ms) override {
        std::this_thread::sleep_for(std::chrono::microseconds(ms * 1000 / Factor));
    }
    int pollReady(std::span<pollfd> fds, std::uint32_t ms, std::uint32_t pollMs) override {
        return real_.pollReady(fds, (ms + Factor - 1) / Factor, pollMs);
    }

  private:
    platform::SystemClock real_;
};

template <typename ClockType>
class BasicNetTest : public ::testing::Test {
  protected:
    ClockType clock;
    platform::RecordedMessageBoxes boxes;
    platform::Application app{clock, boxes};
};

using NetTest = BasicNetTest<platform::SystemClock>;

}  // namespace nettest
