// The title picture: banded yellow letters, a blue outline and nothing but black around them.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "tests/assets/StoredPicture.h"

namespace {

using assets_test::embeddedPicture;
using assets_test::hex;
using assets_test::swapRedBlue;

constexpr std::uint32_t Black = 0x000000;
constexpr std::uint32_t Blue = 0x0000ff;

// A band colour lies on the line from cream #fffff8 to olive #d3d305.
bool isBandColour(std::uint32_t rrggbb) {
    const int red = rrggbb >> 16;
    const int green = rrggbb >> 8 & 0xff;
    const int blue = rrggbb & 0xff;
    if (red != green || red < 0xd3 || blue < 0x05 || blue > 0xf8) {
        return false;
    }
    const double t = (0xff - red) / double(0xff - 0xd3);
    return std::abs(blue - (0xf8 + t * (0x05 - 0xf8))) <= 6.0;
}

class TitlePicture : public ::testing::Test {
  protected:
    const media::TDIB title = embeddedPicture(1);

    std::uint32_t at(int x, int y) const { return swapRedBlue(title.pixelColor(x, y)); }

    bool anyWithin(int x, int y, double radius,
                   const std::function<bool(std::uint32_t)>& test) const {
        const int reach = static_cast<int>(radius);
        for (int dy = -reach; dy <= reach; ++dy) {
            for (int dx = -reach; dx <= reach; ++dx) {
                const int px = x + dx, py = y + dy;
                if (dx * dx + dy * dy <= radius * radius && px >= 0 && py >= 0 &&
                    px < title.width() && py < title.height() && test(at(px, py))) {
                    return true;
                }
            }
        }
        return false;
    }
};

TEST_F(TitlePicture, LetteringFillsItsBoxOnBlack) {
    int left = title.width(), right = -1, top = title.height(), bottom = -1;
    for (int y = 0; y < title.height(); ++y) {
        for (int x = 0; x < title.width(); ++x) {
            if (at(x, y) != Black) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    EXPECT_EQ(left, 5);
    EXPECT_EQ(right, 386);
    EXPECT_EQ(top, 2);
    EXPECT_EQ(bottom, 193);
}

TEST_F(TitlePicture, OnlyBlackBlueAndBandColours) {
    int blue = 0, band = 0, palest = 0, darkest = 0xff;
    for (int y = 0; y < title.height(); ++y) {
        for (int x = 0; x < title.width(); ++x) {
            const std::uint32_t pixel = at(x, y);
            if (pixel == Blue) {
                ++blue;
            } else if (pixel != Black) {
                ASSERT_TRUE(isBandColour(pixel)) << hex(pixel) << " at " << x << "," << y;
                ++band;
                palest = std::max<int>(palest, pixel >> 16);
                darkest = std::min<int>(darkest, pixel >> 16);
            }
        }
    }
    EXPECT_GT(blue, 2000);
    EXPECT_GT(band, 10000);
    EXPECT_GE(palest, 0xfa) << "bands reach pale cream";
    EXPECT_LE(darkest, 0xd8) << "bands reach dark olive";
}

// Black is transparent: the letters must be sealed off from it by their outline, which is
// 2 to 3 pixels wide.
TEST_F(TitlePicture, BlueOutlineTwoToThreePixelsSealsTheLetters) {
    const auto isBlack = [](std::uint32_t c) { return c == Black; };
    const auto isBand = [](std::uint32_t c) { return c != Black && c != Blue; };
    for (int y = 0; y < title.height(); ++y) {
        for (int x = 0; x < title.width(); ++x) {
            const std::uint32_t pixel = at(x, y);
            if (pixel == Blue) {
                ASSERT_TRUE(anyWithin(x, y, 3.0, isBand))
                    << "outline too wide at " << x << "," << y;
            } else if (pixel != Black) {
                ASSERT_FALSE(anyWithin(x, y, 2.0, isBlack))
                    << "outline too thin at " << x << "," << y;
            }
        }
    }
}

}  // namespace
