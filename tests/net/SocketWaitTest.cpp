#include "net/SocketWait.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "NetFixture.h"
#include "net/NetErrors.h"

namespace nettest {
namespace {

// A wait whose abort cancels it, as the socket client's does, on a clock that only the waits move.
class SocketWaitTest : public BasicNetTest<platform::ManualClock> {
  protected:
    // Turns until the wait is cancelled; the milliseconds it took.
    std::uint32_t waitUntilCancelled() {
        std::uint32_t start = clock.milliseconds();
        wait.until(-1, 0, [this] { return wait.cancelled(); });
        return clock.milliseconds() - start;
    }

    int aborts = 0;
    std::vector<std::string> statuses;
    net::SocketWait wait{app,
                         [this] {
                             ++aborts;
                             wait.cancel();
                         },
                         [this](const std::string& status) { statuses.push_back(status); }};
};

TEST_F(SocketWaitTest, TimeOutEndsOneWaitThroughTheAbort) {
    {
        auto timeOut = wait.timeOut(100);
        std::uint32_t waited = waitUntilCancelled();
        EXPECT_GE(waited, 100u);
        EXPECT_LT(waited, 200u);
    }
    EXPECT_EQ(aborts, 1);
    EXPECT_TRUE(wait.timedOut());
    EXPECT_FALSE(wait.boundPassed());
    EXPECT_TRUE(wait.takeCancel());
    EXPECT_FALSE(wait.cancelled());
    EXPECT_EQ(statuses, (std::vector<std::string>{"Timer On", "Timer Triggered", "Timer Off"}));
}

TEST_F(SocketWaitTest, BoundSpansTheWaitsWithinItAndEachEndStopsItsCountdown) {
    auto bound = wait.bound(250);
    for (int turn = 0; turn < 3; ++turn) {
        auto timeOut = wait.timeOut(100);
        clock.advance(60);
    }
    app.processMessages();
    EXPECT_EQ(aborts, 0);
    {
        auto timeOut = wait.timeOut(1000);
        EXPECT_LT(waitUntilCancelled(), 200u);
    }
    EXPECT_EQ(aborts, 1);
    EXPECT_TRUE(wait.boundPassed());
    EXPECT_FALSE(wait.timedOut());
}

TEST_F(SocketWaitTest, NegativeTimeOutIsRefusedEveryTimeAndLeavesNoCountdownBehind) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        EXPECT_THROW(auto timeOut = wait.timeOut(-1), net::ESockError);
        EXPECT_THROW(auto bound = wait.bound(-1), net::ESockError);
    }
    auto timeOut = wait.timeOut(100);
    EXPECT_LT(waitUntilCancelled(), 200u);
    EXPECT_TRUE(wait.timedOut());
}

TEST_F(SocketWaitTest, QuittingApplicationAbortsTheWaitOnce) {
    app.terminate();
    wait.turn(-1, 0);
    wait.turn(-1, 0);
    EXPECT_EQ(aborts, 1);
    EXPECT_TRUE(wait.cancelled());
}

}  // namespace
}  // namespace nettest
