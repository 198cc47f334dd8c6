#include "platform/Limiter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using platform::Limiter;

constexpr int Rate = 1000;  // frames per second, for round numbers

// Stereo frames of the same value on both sides.
std::vector<float> steady(float value, int frames) {
    return std::vector<float>(2 * frames, value);
}

TEST(Limiter, AMixBelowTheCeilingPassesUnchanged) {
    Limiter limiter(Rate, 2);
    std::vector<float> mix = steady(0.5F, 100);
    mix[7] = -0.89F;
    const std::vector<float> before = mix;
    limiter.process(mix);
    EXPECT_EQ(mix, before);
}

TEST(Limiter, AnOverlapBeyondFullScaleIsHeldAtTheCeilingThenLetGo) {
    Limiter limiter(Rate, 2);
    std::vector<float> loud = steady(0.2F, 50);
    loud[2 * 10] = 6.0F;       // ten knocks and a cry at once, left side
    loud[2 * 11 + 1] = -3.0F;  // and the next frame, right side
    limiter.process(loud);
    for (const float value : loud) {
        ASSERT_LE(std::fabs(value), Limiter::Ceiling + 1e-6F);
    }
    EXPECT_NEAR(loud[2 * 10], Limiter::Ceiling, 1e-5F);
    EXPECT_LT(loud[2 * 12], 0.1F);                  // still held down
    std::vector<float> after = steady(0.5F, Rate);  // a second later the gain is whole again
    limiter.process(after);
    EXPECT_NEAR(after.back(), 0.5F, 0.001F);
}

}  // namespace
