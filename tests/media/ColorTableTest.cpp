#include "media/ColorTableBuilder.h"

#include <gtest/gtest.h>

#include <vector>

#include "media/PictureCollection.h"

namespace {

using namespace media;

ColorEntry rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return ColorEntry{blue, green, red, 0};
}

// An 8-bit 1 x 1 picture with the given colour table.
TDIB withColors(const std::vector<ColorEntry>& colors) {
    const std::uint8_t index = 0;
    return TDIB::fromIndexes8(1, 1, colors, std::span(&index, 1));
}

TEST(ColorTableBuilder, WithoutPicturesOnlyTheStandardColoursAreSet) {
    TPictureCollection pictures;
    pictures.Add();  // an empty picture adds nothing
    pictures.BuildColorTable();
    const TColorTable& table = pictures.ColorTable;
    EXPECT_EQ(table[0], rgb(0, 0, 0));
    EXPECT_EQ(table[4], rgb(0, 0, 128));
    EXPECT_EQ(table[7], rgb(192, 192, 192));
    EXPECT_EQ(table[248], rgb(128, 128, 128));
    EXPECT_EQ(table[249], rgb(255, 0, 0));
    EXPECT_EQ(table[255], rgb(255, 255, 255));
    for (int i = 8; i < 248; ++i) {
        EXPECT_EQ(table[i], ColorEntry{}) << i;
    }
}

TEST(ColorTableBuilder, NewColoursTakeTheLowestFreeEntriesOnceEach) {
    ColorTableBuilder builder;
    // Sixteen colours: the rest of the 256 entries count as black, already present.
    builder.addPicture(withColors({rgb(0, 0, 0), rgb(1, 2, 3), rgb(128, 0, 0), rgb(1, 2, 3),
                                   rgb(9, 9, 9), rgb(0, 0, 0), rgb(1, 2, 3), rgb(1, 2, 3),
                                   rgb(1, 2, 3), rgb(1, 2, 3), rgb(1, 2, 3), rgb(1, 2, 3),
                                   rgb(1, 2, 3), rgb(1, 2, 3), rgb(1, 2, 3), rgb(1, 2, 3)}));
    builder.addColor(rgb(9, 9, 9));
    builder.addColor(ColorEntry{9, 9, 9, 1});  // the reserved byte counts too
    EXPECT_EQ(builder.table()[8], rgb(1, 2, 3));
    EXPECT_EQ(builder.table()[9], rgb(9, 9, 9));
    EXPECT_EQ(builder.table()[10], (ColorEntry{9, 9, 9, 1}));
    EXPECT_EQ(builder.table()[11], ColorEntry{});
    EXPECT_FALSE(builder.full());
}

TEST(ColorTableBuilder, TrueColourPicturesAddNothing) {
    ColorTableBuilder builder;
    const std::uint8_t pixel[] = {1, 2, 3};
    builder.addPicture(TDIB::fromRgb24(1, 1, pixel));
    EXPECT_EQ(builder.table()[8], ColorEntry{});
}

TEST(ColorTableBuilder, AFullTableDropsFurtherColoursAndLaterPicturesAreNotRead) {
    std::vector<ColorEntry> ramp;
    for (int i = 1; i <= 250; ++i) {
        ramp.push_back(rgb(static_cast<std::uint8_t>(i), 1, 1));
    }
    TPictureCollection pictures;
    pictures.Add().Picture = withColors(ramp);
    pictures.Add().Picture = withColors({rgb(7, 7, 7)});
    pictures.BuildColorTable();
    EXPECT_EQ(pictures.ColorTable[8], rgb(1, 1, 1));
    EXPECT_EQ(pictures.ColorTable[247], rgb(240, 1, 1));
    EXPECT_EQ(pictures.ColorTable[248], rgb(128, 128, 128));  // the standard colours stay
    for (const ColorEntry& entry : pictures.ColorTable) {
        EXPECT_NE(entry, rgb(241, 1, 1));
        EXPECT_NE(entry, rgb(7, 7, 7));
    }
}

}  // namespace
