// The submission limiter's share per address, and its table that stays bounded.

#include <gtest/gtest.h>

#include "server/RateLimiter.h"

namespace {

using server::RateLimiter;
using namespace std::chrono_literals;

class RateLimiterTest : public ::testing::Test {
  protected:
    RateLimiter limiter(std::size_t perMinute, std::size_t addresses) {
        return {perMinute, [this] { return now_; }, addresses};
    }

    std::chrono::steady_clock::time_point now_;
};

TEST_F(RateLimiterTest, AnIpv6NetworkSharesOneShare) {
    RateLimiter limited = limiter(1, 100);
    EXPECT_FALSE(limited.admit("2001:db8:1:2::1"));
    EXPECT_TRUE(limited.admit("2001:db8:1:2:ffff::9"));
    EXPECT_FALSE(limited.admit("2001:db8:1:3::1"));
    EXPECT_FALSE(limited.admit("::ffff:192.0.2.1"));
    EXPECT_TRUE(limited.admit("192.0.2.1")) << "a mapped IPv4 address is that address";
}

TEST_F(RateLimiterTest, AFullTableForgetsTheQuietestAddressFirst) {
    RateLimiter limited = limiter(1, 2);
    EXPECT_FALSE(limited.admit("192.0.2.1"));
    now_ += 1s;
    EXPECT_FALSE(limited.admit("192.0.2.2"));
    now_ += 1s;
    EXPECT_FALSE(limited.admit("192.0.2.3"));
    EXPECT_EQ(limited.addressesHeld(), 2U);
    EXPECT_TRUE(limited.admit("192.0.2.3"));
    EXPECT_FALSE(limited.admit("192.0.2.1")) << "the quietest was forgotten";
}

TEST_F(RateLimiterTest, AddressesQuietForAMinuteAreForgottenAsNewOnesCome) {
    RateLimiter limited = limiter(1, 100);
    for (int i = 0; i < 10; ++i) {
        EXPECT_FALSE(limited.admit("192.0.2." + std::to_string(i)));
    }
    now_ += 1min;
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(limited.admit("198.51.100." + std::to_string(i)));
    }
    EXPECT_EQ(limited.addressesHeld(), 3U);
}

}  // namespace
