#include "media/Dib.h"

#include <gtest/gtest.h>

#include <numeric>

#include "media/MediaMessages.h"
#include "media/encode/DibEncoding.h"

using namespace media;

namespace {

using Bytes = std::vector<std::uint8_t>;

struct InfoHeader {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t bitCount = 8;
    std::uint32_t compression = 0;
    std::uint32_t imageSize = 0;
    std::uint32_t colorsUsed = 0;
};

// Class name, 40-byte header, then whatever follows it (masks, colours, pixels).
Bytes pictureData(const InfoHeader& h, const Bytes& rest) {
    Bytes data;
    LittleEndianWriter out(data);
    out.u8(4);
    out.text("TDIB");
    out.u32(40);
    out.i32(h.width);
    out.i32(h.height);
    out.u16(1);
    out.u16(h.bitCount);
    out.u32(h.compression);
    out.u32(h.imageSize);
    out.i32(0);
    out.i32(0);
    out.u32(h.colorsUsed);
    out.u32(0);
    out.bytes(rest);
    return data;
}

Bytes concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

// Four-byte colour entries (blue, green, red, 0) for the given 0x00BBGGRR colours.
Bytes colorTable(std::initializer_list<std::uint32_t> colors) {
    Bytes table;
    for (std::uint32_t color : colors) {
        const ColorEntry e = ColorEntry::fromColor(color);
        table.insert(table.end(), {e.blue, e.green, e.red, 0});
    }
    return table;
}

std::vector<std::uint32_t> allColors(const TDIB& dib) {
    std::vector<std::uint32_t> colors;
    for (int y = 0; y < dib.height(); ++y) {
        for (int x = 0; x < dib.width(); ++x) {
            colors.push_back(dib.pixelColor(x, y));
        }
    }
    return colors;
}

void expectInvalid(const Bytes& data) {
    try {
        TDIB::readPictureData(data);
        FAIL() << "accepted a malformed stream of " << data.size() << " bytes";
    } catch (const EInvalidDib& e) {
        EXPECT_STREQ(e.what(), messages::InvalidDib);
    }
}

TDIB sample8(int width, int height) {
    std::vector<ColorEntry> table(256);
    for (int i = 0; i < 256; ++i) {
        table[i] = {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i), 7, 0};
    }
    Bytes indexes(std::size_t(width) * height);
    std::iota(indexes.begin(), indexes.end(), 0);
    return TDIB::fromIndexes8(width, height, table, indexes);
}

TDIB sample24(int width, int height) {
    Bytes rgb(std::size_t(width) * height * 3);
    std::iota(rgb.begin(), rgb.end(), 1);
    return TDIB::fromRgb24(width, height, rgb);
}

}  // namespace

TEST(DibWrite, GameStreamsHaveTheirStoredSizes) {
    EXPECT_EQ(encodePictureData(sample8(150, 32)).size(), 5933u);
    EXPECT_EQ(encodePictureData(sample24(400, 200)).size(), 240045u);
    EXPECT_EQ(encodePictureData(sample8(120, 60)).size(), 8269u);
}

TEST(DibWrite, StoresPlainHeaderAndRowsBottomUp) {
    const Bytes rgb = {1, 2, 3, 4, 5, 6};  // one column, top pixel first
    const Bytes data = encodePictureData(TDIB::fromRgb24(1, 2, rgb));
    const Bytes expected = pictureData({1, 2, 24, 0, 8, 0}, {6, 5, 4, 0, 3, 2, 1, 0});
    EXPECT_EQ(data, expected);
}

TEST(DibWrite, FileStartsWithItsHeaderAndReadsBack) {
    const TDIB dib = sample8(3, 2);
    const Bytes file = encodeDibFile(dib);
    ASSERT_EQ(file.size(), 14u + 40 + 1024 + 8);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(file[2] | file[3] << 8, static_cast<int>(file.size()));
    EXPECT_EQ(file[10] | file[11] << 8, 14 + 40 + 1024);
    EXPECT_EQ(allColors(TDIB::readFile(file)), allColors(dib));
}

TEST(DibRead, RoundTripKeepsEveryPixel) {
    for (const TDIB& dib : {sample8(5, 3), sample24(7, 2), sample8(150, 32)}) {
        const TDIB back = TDIB::readPictureData(encodePictureData(dib));
        EXPECT_EQ(back.width(), dib.width());
        EXPECT_EQ(back.height(), dib.height());
        EXPECT_EQ(back.bitCount(), dib.bitCount());
        EXPECT_EQ(allColors(back), allColors(dib));
        EXPECT_EQ(encodePictureData(back), encodePictureData(dib));
    }
}

TEST(DibRead, EmptyOrUnknownGivesEmptyPicture) {
    EXPECT_TRUE(TDIB::readPictureData({}).empty());
    EXPECT_TRUE(TDIB::readPictureData(Bytes{4, 'T', 'D', 'I', 'B'}).empty());
    EXPECT_TRUE(TDIB::readPictureData(Bytes{4, 'T', 'I', 'C', 'O', 0xFF, 0xFF}).empty());
    EXPECT_EQ(encodePictureData(TDIB()), (Bytes{4, 'T', 'D', 'I', 'B'}));
    EXPECT_TRUE(TDIB::readFile(encodeDibFile(TDIB())).empty());
    // No width: empty at once, however many rows the header claims.
    EXPECT_TRUE(TDIB::readPictureData(pictureData({0, 1 << 30, 4, 2}, Bytes(64))).empty());
}

TEST(DibRead, MalformedHeadersThrow) {
    Bytes badSize = pictureData({1, 1, 24}, Bytes(4));
    badSize[5] = 41;
    expectInvalid(badSize);
    expectInvalid(pictureData({1, 1, 24, 4}, Bytes(4)));  // unknown compression
    expectInvalid(pictureData({1, 1, 7}, Bytes(4)));      // unknown bit count
    expectInvalid(pictureData({1, 1, 24, 1}, Bytes(4)));  // run-length 8 on 24 bits
    expectInvalid(pictureData({1, 1, 8, 2}, Bytes(4)));   // run-length 4 on 8 bits
    expectInvalid(pictureData({-1, 1, 24}, Bytes(4)));
    expectInvalid(pictureData({1 << 20, 1 << 20, 32}, {}));  // refused before any allocation
    EXPECT_THROW(TDIB::readFile(Bytes{'B', 'M', 0}), EInvalidDib);
    EXPECT_THROW(TDIB::readFile(Bytes(14, 'X')), EInvalidDib);
}

TEST(DibRead, EveryTruncationThrowsExceptAtTheHeader) {
    const Bytes rle = pictureData({4, 2, 8, 1, 6}, concat({Bytes(1024), {4, 1, 0, 0, 0, 1}}));
    const Bytes fields = pictureData({2, 2, 16, 3}, Bytes(12 + 8));
    for (const Bytes& full :
         {encodePictureData(sample8(3, 2)), encodePictureData(sample24(2, 3)), rle, fields}) {
        ASSERT_NO_THROW(TDIB::readPictureData(full));
        for (std::size_t n = 0; n < full.size(); ++n) {
            const Bytes prefix(full.begin(), full.begin() + n);
            if (n == 0 || n == 5) {
                EXPECT_TRUE(TDIB::readPictureData(prefix).empty());
            } else {
                expectInvalid(prefix);
            }
        }
    }
}

TEST(DibRead, TakesPixelSizeFromDimensionsNotImageSize) {
    const Bytes pixels = {0x10, 0x20, 0x30, 0};
    const TDIB dib = TDIB::readPictureData(pictureData({1, 1, 24, 0, 999}, pixels));
    EXPECT_EQ(dib.pixelColor(0, 0), 0x102030u);
}

TEST(DibRead, TopDownAndBottomUpGiveTheSamePicture) {
    const Bytes table = colorTable({0x000000, 0x0000FF, 0x00FF00, 0xFF0000});
    const Bytes topRowFirst = {1, 2, 0, 0, 3, 0, 0, 0};
    const Bytes bottomRowFirst = {3, 0, 0, 0, 1, 2, 0, 0};
    const TDIB topDown =
        TDIB::readPictureData(pictureData({2, -2, 8, 0, 0, 4}, concat({table, topRowFirst})));
    const TDIB bottomUp =
        TDIB::readPictureData(pictureData({2, 2, 8, 0, 0, 4}, concat({table, bottomRowFirst})));
    EXPECT_EQ(topDown.height(), 2);
    EXPECT_EQ(allColors(topDown), (std::vector<std::uint32_t>{0x0000FF, 0x00FF00, 0xFF0000, 0}));
    EXPECT_EQ(allColors(bottomUp), allColors(topDown));
}

TEST(DibRead, SmallDepthsAndShortColourTables) {
    // 1 bit: colours used 0 gives 2 entries; pixels packed high bit first.
    const TDIB mono = TDIB::readPictureData(
        pictureData({10, 1, 1}, concat({colorTable({0x000000, 0xFFFFFF}), {0xA0, 0x40, 0, 0}})));
    EXPECT_EQ(mono.paletteIndex(0, 0), 1);
    EXPECT_EQ(mono.paletteIndex(1, 0), 0);
    EXPECT_EQ(mono.paletteIndex(2, 0), 1);
    EXPECT_EQ(mono.paletteIndex(9, 0), 1);
    EXPECT_EQ(mono.pixelColor(9, 0), 0xFFFFFFu);

    // 4 bits with only 2 colours used: an index beyond the table is black.
    const TDIB nibbles = TDIB::readPictureData(pictureData(
        {3, 1, 4, 0, 0, 2}, concat({colorTable({0x111111, 0x222222}), {0x1F, 0x00, 0, 0}})));
    EXPECT_EQ(nibbles.colorTable().size(), 2u);
    EXPECT_EQ(nibbles.pixelColor(0, 0), 0x222222u);
    EXPECT_EQ(nibbles.paletteIndex(1, 0), 15);
    EXPECT_EQ(nibbles.pixelColor(1, 0), 0u);
    EXPECT_EQ(nibbles.colorTable256()[1], ColorEntry::fromColor(0x222222));
    EXPECT_EQ(nibbles.colorTable256()[255], ColorEntry{});
    // Written back with the full 16 entries, the picture stays the same.
    EXPECT_EQ(allColors(TDIB::readPictureData(encodePictureData(nibbles))), allColors(nibbles));
}

TEST(DibRead, ShortHeaderWithThreeByteColours) {
    Bytes data = {4, 'T', 'D', 'I', 'B', 12, 0, 0, 0, 2, 0, 1, 0, 1, 0, 1, 0};
    data.insert(data.end(), {0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00});  // red, blue
    data.insert(data.end(), {0x40, 0, 0, 0});
    const TDIB dib = TDIB::readPictureData(data);
    EXPECT_EQ(dib.pixelColor(0, 0), 0x0000FFu);
    EXPECT_EQ(dib.pixelColor(1, 0), 0xFF0000u);
}

TEST(DibRead, RunLength8) {
    const Bytes rle = {3, 5,              // bottom row: 5 5 5
                       0, 3, 1, 2, 3, 0,  // absolute 1 2 3, padded
                       0, 0,              // end of line
                       0, 2, 1, 1,        // delta right 1, up 1: third row from the bottom, x 1
                       9, 4,              // runs past the edge: clipped
                       0, 1,              // end of bitmap
                       7, 7};             // ignored
    const TDIB dib = TDIB::readPictureData(pictureData(
        {5, 3, 8, 1, static_cast<std::uint32_t>(rle.size()), 8}, concat({Bytes(32), rle})));
    std::vector<int> top, middle, bottom;
    for (int x = 0; x < 5; ++x) {
        top.push_back(dib.paletteIndex(x, 0));
        middle.push_back(dib.paletteIndex(x, 1));
        bottom.push_back(dib.paletteIndex(x, 2));
    }
    EXPECT_EQ(bottom, (std::vector<int>{5, 5, 5, 1, 2}));
    EXPECT_EQ(middle, (std::vector<int>{0, 0, 0, 0, 0}));
    EXPECT_EQ(top, (std::vector<int>{0, 4, 4, 4, 4}));
}

TEST(DibRead, RunLength4) {
    const Bytes rle = {5, 0x12,              // 1 2 1 2 1
                       0, 3,    0x34, 0x50,  // absolute 3 4 5, two bytes: no pad
                       0, 0,    2,    0xAB, 0, 1};
    const TDIB dib = TDIB::readPictureData(pictureData(
        {8, 2, 4, 2, static_cast<std::uint32_t>(rle.size())}, concat({Bytes(64), rle})));
    std::vector<int> bottom;
    for (int x = 0; x < 8; ++x) {
        bottom.push_back(dib.paletteIndex(x, 1));
    }
    EXPECT_EQ(bottom, (std::vector<int>{1, 2, 1, 2, 1, 3, 4, 5}));
    EXPECT_EQ(dib.paletteIndex(0, 0), 0xA);
    EXPECT_EQ(dib.paletteIndex(1, 0), 0xB);
    EXPECT_EQ(dib.paletteIndex(2, 0), 0);
}

TEST(DibRead, BitFieldsAndDefaultMasks) {
    // 16 bits without masks: 5-5-5. 0x7C00 is full red, 0x001F full blue.
    const TDIB plain16 = TDIB::readPictureData(pictureData({2, 1, 16}, {0x00, 0x7C, 0x1F, 0x00}));
    EXPECT_EQ(plain16.pixelColor(0, 0), 0x0000FFu);
    EXPECT_EQ(plain16.pixelColor(1, 0), 0xFF0000u);

    // 16 bits with 5-6-5 masks: 0x07E0 is full green.
    Bytes masks;
    LittleEndianWriter out(masks);
    out.u32(0xF800);
    out.u32(0x07E0);
    out.u32(0x001F);
    const TDIB fields =
        TDIB::readPictureData(pictureData({1, 1, 16, 3}, concat({masks, {0xE0, 0x07, 0, 0}})));
    EXPECT_EQ(fields.pixelColor(0, 0), 0x00FF00u);
    // The writer keeps such masks so the colours survive.
    EXPECT_EQ(TDIB::readPictureData(encodePictureData(fields)).pixelColor(0, 0), 0x00FF00u);

    // 32 bits without masks: 8-8-8, blue in the low byte.
    const TDIB plain32 = TDIB::readPictureData(pictureData({1, 1, 32}, {0x30, 0x20, 0x10, 0xFF}));
    EXPECT_EQ(plain32.pixelColor(0, 0), 0x302010u);
}

TEST(DibAccess, RefusesBadCoordinatesAndArguments) {
    const TDIB dib = sample24(2, 2);
    EXPECT_THROW(dib.pixelColor(2, 0), std::out_of_range);
    EXPECT_THROW(dib.pixelColor(0, -1), std::out_of_range);
    EXPECT_THROW(dib.paletteIndex(0, 0), std::logic_error);
    EXPECT_THROW(TDIB::fromRgb24(2, 2, Bytes(11)), std::invalid_argument);
    EXPECT_THROW(TDIB::fromIndexes8(2, 2, std::vector<ColorEntry>(257), Bytes(4)),
                 std::invalid_argument);
}
