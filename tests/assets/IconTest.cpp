// The committed icons: at every size four bevelled blocks, red and yellow above blue and green,
// with the bevel still there at 16 pixels.

#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_image.h>

#include <memory>
#include <string>

#include "tests/assets/StoredPicture.h"

namespace {

using assets_test::hex;

struct SurfaceDeleter {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

SurfacePtr loadIcon(int size) {
    const std::string path =
        std::string(PUDOROCK_ICONS_DIR) + "/pudorock-" + std::to_string(size) + ".png";
    SurfacePtr loaded(IMG_Load(path.c_str()));
    if (!loaded) {
        ADD_FAILURE() << path << ": " << IMG_GetError();
        return nullptr;
    }
    return SurfacePtr(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_RGB888, 0));
}

std::uint32_t rgbAt(const SDL_Surface& icon, int x, int y) {
    const auto* row = static_cast<const std::uint8_t*>(icon.pixels) + y * icon.pitch;
    return reinterpret_cast<const std::uint32_t*>(row)[x] & 0xffffff;
}

class Icon : public ::testing::TestWithParam<int> {};

TEST_P(Icon, IsSquareOfItsSizeWithTheFourBlockFacesInPlace) {
    const int size = GetParam();
    const SurfacePtr icon = loadIcon(size);
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->w, size);
    EXPECT_EQ(icon->h, size);
    const int quarter = size / 4;
    EXPECT_EQ(hex(rgbAt(*icon, quarter, quarter)), hex(0xff0000));
    EXPECT_EQ(hex(rgbAt(*icon, 3 * quarter, quarter)), hex(0xffff00));
    EXPECT_EQ(hex(rgbAt(*icon, quarter, 3 * quarter)), hex(0x1c1cff));
    EXPECT_EQ(hex(rgbAt(*icon, 3 * quarter, 3 * quarter)), hex(0x00ff00));
}

INSTANTIATE_TEST_SUITE_P(EverySize, Icon, ::testing::Values(16, 32, 48, 64, 128, 256));

TEST(SmallestIcon, KeepsBothBevelStepsOfEachBlock) {
    const SurfacePtr icon = loadIcon(16);
    ASSERT_TRUE(icon);
    // The red block, x and y 0 to 7: outer and inner light, face, inner and outer dark.
    EXPECT_EQ(hex(rgbAt(*icon, 0, 3)), hex(0xffc4c4));
    EXPECT_EQ(hex(rgbAt(*icon, 1, 3)), hex(0xff8c8c));
    EXPECT_EQ(hex(rgbAt(*icon, 3, 3)), hex(0xff0000));
    EXPECT_EQ(hex(rgbAt(*icon, 6, 3)), hex(0xa00000));
    EXPECT_EQ(hex(rgbAt(*icon, 7, 3)), hex(0x600000));
}

}  // namespace
