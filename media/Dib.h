#pragma once
// A device-independent bitmap held in memory: the picture data of the picture list.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "media/ColorEntry.h"
#include "media/LittleEndian.h"
#include "media/MediaError.h"

namespace media {

// Masks of the red, green and blue bits of a 16- or 32-bit pixel.
struct BitMasks {
    std::uint32_t red = 0;
    std::uint32_t green = 0;
    std::uint32_t blue = 0;

    friend constexpr bool operator==(const BitMasks&, const BitMasks&) = default;
};

class TDIB {
  public:
    // The graphic class name that the picture data stream carries in front of the bitmap.
    static constexpr std::string_view ClassName = "TDIB";

    // The empty picture.
    TDIB() = default;

    // An 8-bit picture from at most 256 colours and one index per pixel, rows top-down.
    static TDIB fromIndexes8(int width, int height, std::span<const ColorEntry> colorTable,
                             std::span<const std::uint8_t> indexes);
    // A 24-bit picture from red, green, blue bytes per pixel, rows top-down.
    static TDIB fromRgb24(int width, int height, std::span<const std::uint8_t> rgb);

    // The picture data stream: length byte, class name, bitmap. An unknown class name, or a stream
    // that ends before the bitmap, gives the empty picture. Malformed data throws EInvalidDib.
    static TDIB readPictureData(std::span<const std::uint8_t> data);
    // The picture file: 14-byte file header starting "BM", then the bitmap.
    static TDIB readFile(std::span<const std::uint8_t> data);

    bool empty() const { return width_ == 0 || height_ == 0; }
    int width() const { return width_; }
    int height() const { return height_; }
    int bitCount() const { return bitCount_; }
    const std::vector<ColorEntry>& colorTable() const { return colorTable_; }
    // The colour table as exactly 256 entries; entries it lacks are black.
    std::array<ColorEntry, 256> colorTable256() const;
    // Only meaningful for 16- and 32-bit pictures.
    const BitMasks& bitMasks() const { return masks_; }

    // Pixel (x, y), y counted from the top. Throws std::out_of_range outside the picture;
    // paletteIndex throws std::logic_error for pictures of more than 8 bits.
    std::uint8_t paletteIndex(int x, int y) const;
    // The colour as 0x00BBGGRR; an index beyond the colour table is black.
    std::uint32_t pixelColor(int x, int y) const;
    // The stored bytes of row y, counted from the top: rowStride bytes.
    std::span<const std::uint8_t> row(int y) const;

    static BitMasks defaultMasks(int bitCount);
    // Bytes of one stored row, padded to a multiple of 4.
    static std::size_t rowStride(int width, int bitCount);

  private:
    TDIB(int width, int height, int bitCount, std::vector<ColorEntry> colorTable, BitMasks masks,
         std::vector<std::uint8_t> topDownRows);

    static TDIB readBitmap(LittleEndianReader<EInvalidDib>& in);
    std::uint32_t rawPixel(int x, int y) const;

    int width_ = 0;
    int height_ = 0;
    int bitCount_ = 0;
    std::vector<ColorEntry> colorTable_;
    BitMasks masks_;
    std::vector<std::uint8_t> pixels_;  // rows top-down, rowStride bytes each
};

}  // namespace media
