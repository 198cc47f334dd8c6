// The committed icons: at every size four bevelled blocks, red and yellow above blue and green,
// with the bevel still there at 16 pixels.

#include <gtest/gtest.h>

#include <string>

#include "platform/PngFile.h"
#include "tests/assets/StoredPicture.h"

namespace {

using assets_test::hex;

platform::ArgbImage loadIcon(int size) {
    return platform::loadPng(std::string(PUDOROCK_ICONS_DIR) + "/pudorock-" + std::to_string(size) +
                             ".png");
}

std::uint32_t rgbAt(const platform::ArgbImage& icon, int x, int y) {
    return icon.at(x, y) & 0xffffff;
}

class Icon : public ::testing::TestWithParam<int> {};

TEST_P(Icon, IsSquareOfItsSizeWithTheFourBlockFacesInPlace) {
    const int size = GetParam();
    const platform::ArgbImage icon = loadIcon(size);
    EXPECT_EQ(icon.width, size);
    EXPECT_EQ(icon.height, size);
    const int quarter = size / 4;
    EXPECT_EQ(hex(rgbAt(icon, quarter, quarter)), hex(0xff0000));
    EXPECT_EQ(hex(rgbAt(icon, 3 * quarter, quarter)), hex(0xffff00));
    EXPECT_EQ(hex(rgbAt(icon, quarter, 3 * quarter)), hex(0x1c1cff));
    EXPECT_EQ(hex(rgbAt(icon, 3 * quarter, 3 * quarter)), hex(0x00ff00));
}

INSTANTIATE_TEST_SUITE_P(EverySize, Icon, ::testing::Values(16, 32, 48, 64, 128, 256));

TEST(SmallestIcon, KeepsBothBevelStepsOfEachBlock) {
    const platform::ArgbImage icon = loadIcon(16);
    // The red block, x and y 0 to 7: outer and inner light, face, inner and outer dark.
    EXPECT_EQ(hex(rgbAt(icon, 0, 3)), hex(0xffc4c4));
    EXPECT_EQ(hex(rgbAt(icon, 1, 3)), hex(0xff8c8c));
    EXPECT_EQ(hex(rgbAt(icon, 3, 3)), hex(0xff0000));
    EXPECT_EQ(hex(rgbAt(icon, 6, 3)), hex(0xa00000));
    EXPECT_EQ(hex(rgbAt(icon, 7, 3)), hex(0x600000));
}

}  // namespace
