#include "net/HostLookup.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>

#include <optional>

#include "NetFixture.h"

namespace nettest {
namespace {

class HostLookupTest : public NetTest {
  protected:
    // Dispatches messages for a while, long enough for a local lookup to answer.
    void dispatchFor(std::uint32_t ms) {
        std::uint32_t start = clock.milliseconds();
        while (clock.milliseconds() - start < ms && !answer) {
            clock.sleep(2);
            app.processMessages();
        }
    }

    std::optional<std::pair<std::uint32_t, int>> answer;
    std::optional<net::HostLookup> lookup{
        std::in_place, app,
        [this](std::uint32_t address, int errorCode) { answer.emplace(address, errorCode); }};
};

TEST_F(HostLookupTest, AnswerArrivesAsAMessage) {
    lookup->start("localhost");
    EXPECT_FALSE(answer);
    dispatchFor(2000);
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->first, htonl(INADDR_LOOPBACK));
    EXPECT_EQ(answer->second, 0);
}

TEST_F(HostLookupTest, ForgottenOrOrphanedLookupsNeverAnswer) {
    lookup->start("localhost");
    lookup->forget();
    dispatchFor(300);
    EXPECT_FALSE(answer);

    lookup->start("localhost");
    lookup.reset();
    dispatchFor(300);
    EXPECT_FALSE(answer);
}

}  // namespace
}  // namespace nettest
