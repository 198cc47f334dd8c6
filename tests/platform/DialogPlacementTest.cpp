#include "platform/DialogPlacement.h"

#include <gtest/gtest.h>

namespace {

using platform::ScreenArea;

constexpr ScreenArea FourK{0, 0, 3840, 2120};  // a panel at the bottom

TEST(DialogPlacement, TheScaleIsLoweredByHalvesUntilTheDialogFits) {
    struct Case {
        float wanted;
        ScreenArea area;
        float scale;
    } const cases[] = {
        {2.0F, FourK, 2.0F},
        {1.5F, FourK, 1.5F},
        {3.0F, {0, 0, 800, 600}, 2.5F},  // 780 x 560 fits, 936 x 672 does not
        {2.0F, {0, 0, 500, 1000}, 1.5F},
        {2.0F, {0, 0, 200, 100}, 1.0F},  // never below 1
        {1.0F, {0, 0, 0, 0}, 1.0F},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::fittingScale(c.wanted, 312, 224, c.area), c.scale)
            << c.wanted << " on " << c.area.width << " x " << c.area.height;
    }
}

TEST(DialogPlacement, TheDialogIsCentredOnItsOwnerAndKeptOnTheScreen) {
    struct Case {
        const char* where;
        ScreenArea owner;
        ScreenArea area;
        int x;
        int y;
    } const cases[] = {
        {"on the game window", {720, 180, 2400, 1800}, FourK, 1608, 856},
        {"on a full-screen window", {0, 0, 3840, 2160}, FourK, 1608, 856},
        {"an owner half off the left and top", {-700, -500, 800, 600}, FourK, 0, 0},
        {"an owner past the right and bottom", {3700, 2000, 800, 600}, FourK, 3216, 1672},
        {"a second screen to the right", {4000, 100, 800, 600}, {3840, 0, 1920, 1080}, 4088, 176},
        {"a screen smaller than the dialog", {0, 0, 400, 200}, {10, 20, 500, 300}, 10, 20},
    };
    for (const Case& c : cases) {
        const platform::ScreenPoint at = platform::centredPosition(c.owner, 624, 448, c.area);
        EXPECT_EQ(at.x, c.x) << c.where;
        EXPECT_EQ(at.y, c.y) << c.where;
    }
}

}  // namespace
