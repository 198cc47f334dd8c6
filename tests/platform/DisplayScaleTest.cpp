#include "platform/DisplayScale.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

namespace {

struct ScaleCase {
    const char* screen;
    std::optional<float> dpi;
    int usableHeight;
    float scale;
};

TEST(DisplayScale, FollowsTheDensityAndAtLeastTheScreensHeightInHalves) {
    constexpr float Infinite = std::numeric_limits<float>::infinity();
    const ScaleCase cases[] = {
        {"1080 lines at 96 dpi, a panel below", 96.0F, 1040, 1.0F},
        {"a small window area", 96.0F, 600, 1.0F},
        {"a dim screen still draws at 1", 72.0F, 768, 1.0F},
        {"1200 lines: up to the next half", 94.0F, 1170, 1.5F},
        {"4K that says 96 dpi: its height decides", 96.0F, 2120, 2.0F},
        {"4K under Xvfb's density", 100.0F, 2160, 2.0F},
        {"a dense laptop: its density decides", 220.0F, 1600, 2.5F},
        {"density to the nearest half", 130.0F, 1000, 1.5F},
        {"density just under a half", 110.0F, 1000, 1.0F},
        {"no density: the height alone", std::nullopt, 2160, 2.0F},
        {"a zero density from a screen without a size", 0.0F, 1080, 1.0F},
        {"a senseless density", Infinite, 1080, 1.0F},
        {"no usable area", std::nullopt, 0, 1.0F},
    };
    for (const ScaleCase& c : cases) {
        EXPECT_EQ(platform::displayScaleOf(c.dpi, c.usableHeight), c.scale) << c.screen;
    }
}

}  // namespace
