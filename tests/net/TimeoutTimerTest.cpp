#include "net/TimeoutTimer.h"

#include <gtest/gtest.h>

#include "NetFixture.h"
#include "net/NetErrors.h"

namespace nettest {
namespace {

using TimeoutTimerTest = BasicNetTest<platform::ManualClock>;

TEST_F(TimeoutTimerTest, SettingUnchangedValuesDoesNotRestartTheCountdown) {
    net::TTimeoutTimer timer(app);
    int ticks = 0;
    timer.OnTimer = [&](net::TTimeoutTimer&) { ++ticks; };
    timer.SetInterval(100);  // enabled by default: this starts it
    clock.advance(60);
    timer.SetEnabled(true);
    timer.SetInterval(100);
    clock.advance(40);
    app.processMessages();
    EXPECT_EQ(ticks, 1);

    timer.SetInterval(50);  // a change restarts it
    clock.advance(40);
    app.processMessages();
    EXPECT_EQ(ticks, 1);
    clock.advance(10);
    app.processMessages();
    EXPECT_EQ(ticks, 2);

    timer.SetEnabled(false);
    clock.advance(500);
    app.processMessages();
    EXPECT_EQ(ticks, 2);
}

TEST_F(TimeoutTimerTest, AnIntervalThePlatformCannotTakeIsRefused) {
    net::TTimeoutTimer timer(app);
    timer.OnTimer = [](net::TTimeoutTimer&) {};
    EXPECT_THROW(timer.SetInterval(0x8000'0000u), net::ESockError);
}

}  // namespace
}  // namespace nettest
