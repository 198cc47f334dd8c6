#include "media/Surface.h"

#include <gtest/gtest.h>

#include <random>

#include "media/GlyphCache.h"
#include "media/Palette.h"

namespace {

using namespace media;

// Every pixel of a keyed copy, at every width and offset, against the plain rule: source pixels
// equal to the key leave the destination as it was.
TEST(SurfaceDraw, KeyedCopyMatchesThePixelRuleAtEveryWidthAndOffset) {
    Palette palette;
    GlyphCache glyphs;
    std::mt19937 random(7);
    TSurface source(37, 3, palette, glyphs);
    for (int i = 0; i < 37 * 3; ++i) {
        // Few distinct values, so that the key, its neighbours and 0x80 all occur.
        const std::uint8_t values[] = {0, 1, 0x7F, 0x80, 0xFF, 0x5A};
        source.Pixels()[i] = values[random() % 6];
    }
    for (std::uint8_t key : {std::uint8_t{0}, std::uint8_t{0x80}, std::uint8_t{0xFF}}) {
        source.SetColorKey(key);
        for (int left = 0; left < 9; ++left) {
            for (int width = 1; width <= 37 - left; width += 3) {
                TSurface dest(40, 3, palette, glyphs);
                dest.Fill(0x33);
                dest.Draw(2, 0, TRect{left, 0, left + width, 3}, source, true);
                for (int y = 0; y < 3; ++y) {
                    for (int x = 0; x < 40; ++x) {
                        const bool inside = x >= 2 && x < 2 + width;
                        const std::uint8_t from = inside ? source.Pixel(left + x - 2, y) : key;
                        const std::uint8_t expected = from == key ? 0x33 : from;
                        ASSERT_EQ(dest.Pixel(x, y), expected)
                            << "key " << int(key) << " left " << left << " width " << width;
                    }
                }
            }
        }
    }
}

}  // namespace
