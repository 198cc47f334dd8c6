#include "media/FrameTimer.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/HeadlessDrivers.h"
#include "platform/Window.h"

namespace {

using media::TFrameTimer;

class FrameTimerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::useHeadlessDrivers();
        timer.OnTimer = [this](TFrameTimer&, std::int32_t lag) { lags.push_back(lag); };
    }

    // One idle pass of the loop after the clock has moved by ms.
    void idleAfter(std::uint32_t ms) {
        clock.advance(ms);
        app.handleMessage(false);
    }

    platform::ManualClock clock{5000};
    platform::RecordedMessageBoxes boxes;
    platform::Application app{clock, boxes};
    TFrameTimer timer{app};
    std::vector<std::int32_t> lags;
};

TEST_F(FrameTimerTest, ConstructedEnabledButIdleUntilStarted) {
    EXPECT_TRUE(timer.Enabled());
    EXPECT_EQ(timer.Interval(), 1000u);
    EXPECT_TRUE(timer.ActiveOnly());
    idleAfter(2000);
    EXPECT_TRUE(lags.empty());
}

TEST_F(FrameTimerTest, IntervalZeroRunsAFrameEveryIdlePassWithLagAtLeastOne) {
    timer.SetInterval(0);
    timer.SetEnabled(false);
    timer.SetEnabled(true);
    idleAfter(300);  // the first frame counts from the start
    idleAfter(0);
    idleAfter(0);
    idleAfter(17);
    EXPECT_EQ(lags, (std::vector<std::int32_t>{300, 1, 1, 17}));
}

TEST_F(FrameTimerTest, DefaultIntervalWaitsForWholeSeconds) {
    timer.SetEnabled(false);
    timer.SetEnabled(true);
    idleAfter(999);
    idleAfter(1);     // 1000 ms since the start
    idleAfter(2500);  // 2 whole seconds
    EXPECT_EQ(lags, (std::vector<std::int32_t>{1, 2}));
}

TEST_F(FrameTimerTest, HugeIntervalsAreStoredAsZero) {
    timer.SetInterval(0x80000000u);
    EXPECT_EQ(timer.Interval(), 0u);
    timer.SetEnabled(false);
    timer.SetEnabled(true);
    idleAfter(5);
    EXPECT_EQ(lags, (std::vector<std::int32_t>{5}));
}

TEST_F(FrameTimerTest, LagIsCorrectAcrossTheClockWrap) {
    platform::ManualClock nearWrap{0xFFFFFFF0u};
    platform::Application wrapApp{nearWrap, boxes};
    TFrameTimer wrapTimer{wrapApp};
    std::vector<std::int32_t> wrapLags;
    wrapTimer.OnTimer = [&](TFrameTimer&, std::int32_t lag) { wrapLags.push_back(lag); };
    wrapTimer.SetInterval(0);
    wrapTimer.SetEnabled(false);
    wrapTimer.SetEnabled(true);
    nearWrap.advance(40);
    wrapApp.handleMessage(false);
    EXPECT_EQ(wrapLags, (std::vector<std::int32_t>{40}));
}

TEST_F(FrameTimerTest, ALagOfTwoToThe31OrMoreCountsAsOne) {
    timer.SetInterval(0);
    timer.SetEnabled(false);
    timer.SetEnabled(true);
    idleAfter(0x80000000u);
    EXPECT_EQ(lags, (std::vector<std::int32_t>{1}));
}

TEST_F(FrameTimerTest, ReEnablingRestartsTheClock) {
    timer.SetInterval(0);
    timer.SetEnabled(false);
    timer.SetEnabled(true);
    idleAfter(10);
    timer.SetEnabled(false);
    idleAfter(5000);  // timer off: no frame, and this time is never passed on
    timer.SetEnabled(true);
    timer.SetEnabled(true);  // unchanged: restarts nothing
    idleAfter(7);
    EXPECT_EQ(lags, (std::vector<std::int32_t>{10, 7}));
}

TEST_F(FrameTimerTest, EnabledDuringLoadingStartsOnlyWhenLoaded) {
    TFrameTimer loaded{app};
    int frames = 0;
    loaded.OnTimer = [&](TFrameTimer&, std::int32_t) { ++frames; };
    loaded.BeginLoading();
    loaded.SetActiveOnly(false);
    loaded.SetEnabled(false);
    loaded.SetInterval(0);
    loaded.Loaded();
    idleAfter(10);
    EXPECT_EQ(frames, 0);
    loaded.SetEnabled(true);
    idleAfter(10);
    EXPECT_EQ(frames, 1);
}

TEST_F(FrameTimerTest, FramesPerSecondRoundsHalfToEven) {
    timer.SetInterval(0);
    timer.SetEnabled(false);
    timer.SetEnabled(true);
    EXPECT_EQ(timer.FramesPerSecond(), 0);
    for (int i = 0; i < 4; ++i) {
        idleAfter(1);
    }
    idleAfter(1996);  // 5 frames closing a 2000 ms window: 2.5 rounds to 2
    EXPECT_EQ(timer.FramesPerSecond(), 2);

    for (int i = 0; i < 124; ++i) {
        idleAfter(8);
    }
    idleAfter(11);  // 125 frames in 1003 ms: 124.6 rounds to 125
    EXPECT_EQ(timer.FramesPerSecond(), 125);
}

TEST_F(FrameTimerTest, AnExceptionInTheFrameIsReportedAndTheNextFrameRuns) {
    timer.SetInterval(0);
    timer.SetEnabled(false);
    timer.SetEnabled(true);
    int frames = 0;
    timer.OnTimer = [&](TFrameTimer&, std::int32_t lag) {
        lags.push_back(lag);
        if (++frames == 1) {
            throw std::runtime_error("broken frame");
        }
    };
    idleAfter(20);
    idleAfter(30);
    EXPECT_EQ(lags, (std::vector<std::int32_t>{20, 30}));
    EXPECT_EQ(boxes.shown().size(), 1u);
}

TEST_F(FrameTimerTest, ActiveOnlyTimerPausesWhileTheApplicationIsInactive) {
    platform::Window window(app, "main", 80, 60);
    timer.SetInterval(0);
    timer.SetEnabled(false);
    timer.SetEnabled(true);
    int activations = 0;
    timer.OnActivate = [&](TFrameTimer&) { ++activations; };
    app.post(platform::Message{platform::MessageKind::Deactivate, 0, 0, {}, {}});
    app.processMessages();
    idleAfter(10);
    EXPECT_TRUE(lags.empty());
    app.post(platform::Message{platform::MessageKind::Activate, 0, 0, {}, {}});
    app.processMessages();
    idleAfter(10);
    EXPECT_EQ(lags, (std::vector<std::int32_t>{10}));
    EXPECT_EQ(activations, 1);
}

TEST_F(FrameTimerTest, NotActiveOnlyKeepsRunningWhileInactive) {
    platform::Window window(app, "main", 80, 60);
    timer.SetActiveOnly(false);
    timer.SetInterval(0);
    timer.SetEnabled(false);
    timer.SetEnabled(true);
    app.post(platform::Message{platform::MessageKind::Deactivate, 0, 0, {}, {}});
    app.processMessages();
    idleAfter(10);
    EXPECT_EQ(lags, (std::vector<std::int32_t>{10}));
}

}  // namespace
