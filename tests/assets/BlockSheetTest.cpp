// The block sheet: its fixed colour table entries and every shade, digit and tile it shows.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <set>
#include <vector>

#include "tests/assets/StoredPicture.h"

namespace {

using assets_test::embeddedPicture;
using assets_test::hex;
using assets_test::swapRedBlue;

constexpr int Tile = 20;

struct Shades {
    std::uint32_t outerLight, innerLight, face, innerDark, outerDark;
};

constexpr Shades BlockShades[] = {
    {0xffc4c4, 0xff8c8c, 0xff0000, 0xa00000, 0x600000},
    {0xc4ffc4, 0x8cff8c, 0x00ff00, 0x00a000, 0x006000},
    {0xffffc4, 0xffff8c, 0xffff00, 0xa0a000, 0x606000},
    {0xc4c4ff, 0xa8a8ff, 0x1c1cff, 0x0000c0, 0x00007f},
    {0xffc4ff, 0xff8cff, 0xff00ff, 0xa000a0, 0x400040},
    {0xc4ffff, 0xa8ffff, 0x00ffff, 0x00e0e0, 0x00a0a0},
    {0xfefefe, 0xf0f0f0, 0xd0d0d0, 0x7f7f7f, 0x606060},
    {0xdfcfbf, 0xbf9f7f, 0xaf875f, 0x9f6f3f, 0x804000},
    {0xbfcfdf, 0x9fb7cf, 0x7f9fbf, 0x3f6f9f, 0x004080},
    {0xcfdfbf, 0xb7cf9f, 0x9fbf7f, 0x6f9f3f, 0x408000},
};
constexpr Shades Lavender{0xdfcfdf, 0xbf9fbf, 0xaf87af, 0x9f6f9f, 0x804080};

enum class Region { OuterLight, InnerLight, Face, InnerDark, OuterDark };

// Where each pixel of a 20 × 20 block lies in its bevel.
Region regionOf(int x, int y) {
    if (y == 19 || x == 19) {
        return Region::OuterDark;
    }
    if (y == 0 || x == 0) {
        return Region::OuterLight;
    }
    if (x == 18 || y == 18) {
        return Region::InnerDark;
    }
    if (y == 1 || x == 1) {
        return Region::InnerLight;
    }
    return Region::Face;
}

std::uint32_t shadeOf(const Shades& shades, Region region) {
    switch (region) {
        case Region::OuterLight:
            return shades.outerLight;
        case Region::InnerLight:
            return shades.innerLight;
        case Region::Face:
            return shades.face;
        case Region::InnerDark:
            return shades.innerDark;
        case Region::OuterDark:
            return shades.outerDark;
    }
    return 0;
}

class BlockSheet : public ::testing::Test {
  protected:
    const media::TDIB sheet = embeddedPicture(2);

    // Pixel (x, y) of pattern p, as 0xRRGGBB.
    std::uint32_t at(int pattern, int x, int y) const {
        return swapRedBlue(sheet.pixelColor(pattern % 6 * Tile + x, pattern / 6 * Tile + y));
    }

    void forEachPixel(const std::function<void(int x, int y)>& check) const {
        for (int y = 0; y < Tile; ++y) {
            for (int x = 0; x < Tile; ++x) {
                check(x, y);
            }
        }
    }

    void expectBevel(int pattern, const Shades& shades) const {
        forEachPixel([&](int x, int y) {
            const Region region = regionOf(x, y);
            if (region != Region::Face) {
                EXPECT_EQ(hex(at(pattern, x, y)), hex(shadeOf(shades, region)))
                    << "pattern " << pattern << " at " << x << "," << y;
            }
        });
    }

    // The black pixels of a block's face.
    std::vector<std::pair<int, int>> digitPixels(int pattern) const {
        std::vector<std::pair<int, int>> pixels;
        forEachPixel([&](int x, int y) {
            if (regionOf(x, y) == Region::Face && at(pattern, x, y) == 0x000000) {
                pixels.emplace_back(x, y);
            }
        });
        return pixels;
    }
};

TEST_F(BlockSheet, FixedColourTableEntries) {
    constexpr std::uint32_t First[40] = {
        0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xc0c0c0,
        0xc0dcc0, 0xa6caf0, 0x0a0000, 0x0b0000, 0x0c0000, 0x0d0000, 0x0e0000, 0x408080,
        0x200000, 0x400000, 0x600000, 0x7f0000, 0xa00000, 0xc00000, 0xe00000, 0xfe0000,
        0xff1c1c, 0xff3838, 0xff5454, 0xff7070, 0xff8c8c, 0xffa8a8, 0xffc4c4, 0xffe0e0,
        0x002000, 0x004000, 0x006000, 0x007f00, 0x00a000, 0x00c000, 0x00e000, 0x00fe00,
    };
    constexpr std::uint32_t Last[10] = {0xfffbf0, 0xa0a0a4, 0x808080, 0xff0000, 0x00ff00,
                                        0xffff00, 0x0000ff, 0xff00ff, 0x00ffff, 0xffffff};
    const auto table = sheet.colorTable256();
    for (int i = 0; i < 40; ++i) {
        EXPECT_EQ(table[i], media::ColorEntry::fromColor(swapRedBlue(First[i]))) << i;
    }
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(table[246 + i], media::ColorEntry::fromColor(swapRedBlue(Last[i]))) << 246 + i;
    }
}

TEST_F(BlockSheet, OtherColoursAreNewAndOnlyBetween40And245) {
    const auto table = sheet.colorTable256();
    std::set<std::uint32_t> seen;
    for (int i = 0; i < 256; ++i) {
        const std::uint32_t colour = table[i].color();
        const bool filler = i >= 40 && i <= 245 && colour == 0;
        EXPECT_TRUE(filler || seen.insert(colour).second) << "entry " << i << " repeats";
    }
    for (int y = 0; y < sheet.height(); ++y) {
        for (int x = 0; x < sheet.width(); ++x) {
            const int index = sheet.paletteIndex(x, y);
            EXPECT_TRUE(index == 0 || table[index].color() != 0) << x << "," << y;
        }
    }
}

TEST_F(BlockSheet, EmptyCellIsBlack) {
    forEachPixel([&](int x, int y) { EXPECT_EQ(at(0, x, y), 0x000000u) << x << "," << y; });
}

TEST_F(BlockSheet, BlocksHaveTheirFiveShades) {
    for (int colour = 1; colour <= 10; ++colour) {
        const Shades& shades = BlockShades[colour - 1];
        expectBevel(colour, shades);
        forEachPixel([&](int x, int y) {
            const std::uint32_t pixel = at(colour, x, y);
            if (regionOf(x, y) == Region::Face && pixel != 0x000000) {
                EXPECT_EQ(hex(pixel), hex(shades.face))
                    << "block " << colour << " at " << x << "," << y;
            }
        });
    }
}

TEST_F(BlockSheet, DigitsAreBoldBlackFiguresInTheirBox) {
    std::set<std::vector<std::pair<int, int>>> shapes;
    for (int colour = 1; colour <= 10; ++colour) {
        SCOPED_TRACE(colour);
        const auto pixels = digitPixels(colour);
        ASSERT_FALSE(pixels.empty());
        int left = Tile, right = -1, top = Tile, bottom = -1;
        for (const auto& [x, y] : pixels) {
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
        EXPECT_GE(left, 6);
        EXPECT_LE(right, 14);
        EXPECT_EQ(top, 3);
        EXPECT_EQ(bottom, 17);
        EXPECT_GE(right - left + 1, 8);
        // Bold: strokes two pixels thick fill a good share of the figure's box.
        EXPECT_GE(pixels.size(), 40u);
        shapes.insert(pixels);
    }
    EXPECT_EQ(shapes.size(), 10u) << "every key has its own figure";
}

TEST_F(BlockSheet, CurtainTileIsLavenderWithAYellowFace) {
    expectBevel(11, Lavender);
    const std::set<std::uint32_t> allowed{0xaf87af, 0xffff00, 0xc0c000, 0xa0a000, 0x000000,
                                          0xfffbf0, 0x9f6f3f, 0xff1c1c, 0xb63200};
    std::set<std::uint32_t> used;
    forEachPixel([&](int x, int y) {
        if (regionOf(x, y) == Region::Face) {
            used.insert(at(11, x, y));
        }
    });
    EXPECT_EQ(used, allowed);
}

TEST_F(BlockSheet, PulseTilesAreSolidRisingReds) {
    constexpr std::uint32_t Reds[] = {0x200000, 0x330000, 0x400000, 0x660000, 0x7f0000, 0x800000};
    for (int step = 0; step < 6; ++step) {
        forEachPixel([&](int x, int y) {
            EXPECT_EQ(hex(at(12 + step, x, y)), hex(Reds[step]))
                << "pattern " << 12 + step << " at " << x << "," << y;
        });
    }
}

// A pulsing empty cell must never pass for a block: no pulse step shows any colour a block
// shows, and the brightest stays far below colour 1's red.
TEST_F(BlockSheet, NoPulseStepLooksLikeABlock) {
    std::set<std::uint32_t> blockColours;
    for (int colour = 1; colour <= 10; ++colour) {
        forEachPixel([&](int x, int y) { blockColours.insert(at(colour, x, y)); });
    }
    for (int step = 0; step < 6; ++step) {
        forEachPixel([&](int x, int y) {
            const std::uint32_t shown = at(12 + step, x, y);
            EXPECT_FALSE(blockColours.contains(shown)) << hex(shown);
            EXPECT_LE(shown >> 16, 0x80u) << hex(shown);
        });
    }
}

}  // namespace
