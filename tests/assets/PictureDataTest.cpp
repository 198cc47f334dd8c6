// The stored form of each embedded picture: sizes, header fields and the logo's colour table.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>

#include "media/LittleEndian.h"
#include "media/encode/DibEncoding.h"
#include "tests/assets/StoredPicture.h"

namespace {

using assets_test::embeddedPicture;

struct StoredForm {
    int width;
    int height;
    int bitCount;
    std::size_t rowBytes;
    std::size_t colourTableBytes;
    std::size_t storedBytes;
};

constexpr StoredForm Expected[] = {
    {150, 32, 8, 152, 1024, 5933},
    {400, 200, 24, 1200, 0, 240045},
    {120, 60, 8, 120, 1024, 8269},
};

TEST(PictureData, HeadersDescribeUncompressedBottomUpBitmaps) {
    for (int index = 0; index < assets::PictureCount; ++index) {
        SCOPED_TRACE(index);
        const StoredForm& form = Expected[index];
        const auto data = assets::picture(index);
        ASSERT_EQ(data.size(), form.storedBytes);
        media::LittleEndianReader<std::runtime_error> in(data, "cut off");
        EXPECT_EQ(in.u8(), 4);
        const auto name = in.bytes(4);
        EXPECT_EQ(std::string(name.begin(), name.end()), "TDIB");
        EXPECT_EQ(in.u32(), 40u);
        EXPECT_EQ(in.i32(), form.width);
        EXPECT_EQ(in.i32(), form.height);  // positive: bottom row first
        EXPECT_EQ(in.u16(), 1);
        EXPECT_EQ(in.u16(), form.bitCount);
        EXPECT_EQ(in.u32(), 0u);  // uncompressed
        EXPECT_EQ(in.u32(), form.rowBytes * form.height);
        EXPECT_EQ(in.i32(), 0);
        EXPECT_EQ(in.i32(), 0);
        EXPECT_EQ(in.u32(), 0u);  // colours used: the whole table
        EXPECT_EQ(in.u32(), 0u);
        EXPECT_EQ(in.remaining(), form.colourTableBytes + form.rowBytes * form.height);
    }
}

TEST(PictureData, ReadBackWithTheirSizesAndDepths) {
    for (int index = 0; index < assets::PictureCount; ++index) {
        SCOPED_TRACE(index);
        const media::TDIB picture = embeddedPicture(index);
        EXPECT_EQ(picture.width(), Expected[index].width);
        EXPECT_EQ(picture.height(), Expected[index].height);
        EXPECT_EQ(picture.bitCount(), Expected[index].bitCount);
        EXPECT_EQ(encodePictureData(picture).size(), Expected[index].storedBytes);
    }
}

TEST(PictureData, PatternGridsCoverThePictures) {
    const int patternCounts[] = {1, 1, 18};
    for (int index = 0; index < assets::PictureCount; ++index) {
        const media::TDIB picture = embeddedPicture(index);
        const auto& item = assets::PictureItems[index];
        EXPECT_EQ(picture.width() / item.PatternWidth * (picture.height() / item.PatternHeight),
                  patternCounts[index]);
        EXPECT_EQ(picture.width() % item.PatternWidth, 0);
        EXPECT_EQ(picture.height() % item.PatternHeight, 0);
    }
}

TEST(PictureData, OutOfRangeIndexesThrow) {
    EXPECT_THROW(assets::picture(-1), std::out_of_range);
    EXPECT_THROW(assets::picture(assets::PictureCount), std::out_of_range);
}

TEST(LogoPicture, ColourTableIsTheColourCubeThenBlack) {
    const auto table = embeddedPicture(0).colorTable256();
    for (int b = 0; b < 6; ++b) {
        for (int g = 0; g < 6; ++g) {
            for (int r = 0; r < 6; ++r) {
                const media::ColorEntry expected{static_cast<std::uint8_t>(51 * b),
                                                 static_cast<std::uint8_t>(51 * g),
                                                 static_cast<std::uint8_t>(51 * r), 0};
                EXPECT_EQ(table[r + 6 * g + 36 * b], expected) << r << g << b;
            }
        }
    }
    for (int index = 216; index < 256; ++index) {
        EXPECT_EQ(table[index], media::ColorEntry{}) << index;
    }
}

TEST(LogoPicture, ManyColouredLetteringAcrossTheWidthOnBlack) {
    const media::TDIB logo = embeddedPicture(0);
    std::set<int> colours;
    int left = logo.width();
    int right = -1;
    for (int y = 0; y < logo.height(); ++y) {
        for (int x = 0; x < logo.width(); ++x) {
            const int index = logo.paletteIndex(x, y);
            ASSERT_LT(index, 216) << "outside the cube at " << x << "," << y;
            if (index != 0) {
                colours.insert(index);
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    EXPECT_GE(colours.size(), 30u);
    EXPECT_LT(left, 10);
    EXPECT_GT(right, logo.width() - 10);
}

}  // namespace
