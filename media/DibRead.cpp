#include <algorithm>
#include <limits>

#include "media/Dib.h"
#include "media/DibRunLength.h"
#include "media/MediaMessages.h"

namespace media {

namespace {

using Reader = LittleEndianReader<EInvalidDib>;

constexpr std::size_t FileHeaderSize = 14;
// A corrupt header must not make the reader claim gigabytes; no picture of the game comes close.
constexpr std::size_t MaxPixelBytes = std::size_t(1) << 26;

enum Compression : std::uint32_t { None = 0, RunLength8 = 1, RunLength4 = 2, BitFields = 3 };

struct BitmapHeader {
    bool shortForm = false;
    std::int64_t width = 0;
    std::int64_t height = 0;  // > 0: the bottom row is stored first
    int bitCount = 0;
    std::uint32_t compression = None;
    std::uint32_t imageSize = 0;
    std::uint32_t colorsUsed = 0;

    std::int64_t rows() const { return height < 0 ? -height : height; }
};

BitmapHeader readHeader(Reader& in) {
    BitmapHeader header;
    switch (in.u32()) {
        case 12:
            header.shortForm = true;
            header.width = in.u16();
            header.height = in.u16();
            in.u16();  // planes
            header.bitCount = in.u16();
            return header;
        case 40:
            header.width = in.i32();
            header.height = in.i32();
            in.u16();  // planes
            header.bitCount = in.u16();
            header.compression = in.u32();
            header.imageSize = in.u32();
            in.skip(8);  // resolutions
            header.colorsUsed = in.u32();
            in.u32();  // colours important
            return header;
        default:
            in.fail();
    }
}

bool compressionFitsBitCount(const BitmapHeader& header) {
    switch (header.compression) {
        case None:
            return header.bitCount == 1 || header.bitCount == 4 || header.bitCount == 8 ||
                   header.bitCount == 16 || header.bitCount == 24 || header.bitCount == 32;
        case RunLength8:
            return header.bitCount == 8;
        case RunLength4:
            return header.bitCount == 4;
        case BitFields:
            return header.bitCount == 16 || header.bitCount == 32;
        default:
            return false;
    }
}

void validate(const BitmapHeader& header, Reader& in) {
    if (header.width < 0 || header.rows() > std::numeric_limits<int>::max() ||
        !compressionFitsBitCount(header)) {
        in.fail();
    }
    const std::size_t stride = TDIB::rowStride(static_cast<int>(header.width), header.bitCount);
    if (header.rows() != 0 && stride > MaxPixelBytes / header.rows()) {
        in.fail();
    }
}

std::size_t colorCount(const BitmapHeader& header) {
    if (header.bitCount == 24) {
        return 0;
    }
    std::size_t count = header.colorsUsed;
    if (count == 0 && header.bitCount <= 8) {
        count = std::size_t(1) << header.bitCount;
    }
    return std::min<std::size_t>(count, 256);
}

std::vector<ColorEntry> readColorTable(Reader& in, const BitmapHeader& header) {
    std::vector<ColorEntry> table(colorCount(header));
    for (ColorEntry& entry : table) {
        entry.blue = in.u8();
        entry.green = in.u8();
        entry.red = in.u8();
        entry.reserved = header.shortForm ? 0 : in.u8();
    }
    return table;
}

BitMasks readMasks(Reader& in, const BitmapHeader& header) {
    if (header.compression != BitFields) {
        return TDIB::defaultMasks(header.bitCount);
    }
    BitMasks masks;
    masks.red = in.u32();
    masks.green = in.u32();
    masks.blue = in.u32();
    return masks;
}

// The rows as stored, uncompressed; the uncompressed size comes from the picture's dimensions.
std::vector<std::uint8_t> readStoredRows(Reader& in, const BitmapHeader& header) {
    const int width = static_cast<int>(header.width);
    const int rows = static_cast<int>(header.rows());
    if (header.compression == RunLength8 || header.compression == RunLength4) {
        return decodeRunLength(in.bytes(header.imageSize), width, rows, header.bitCount);
    }
    const auto bytes = in.bytes(TDIB::rowStride(width, header.bitCount) * rows);
    return {bytes.begin(), bytes.end()};
}

std::vector<std::uint8_t> bottomUpToTopDown(const std::vector<std::uint8_t>& stored,
                                            std::size_t stride, std::size_t rows) {
    std::vector<std::uint8_t> topDown(stored.size());
    for (std::size_t y = 0; y < rows; ++y) {
        std::copy_n(stored.begin() + (rows - 1 - y) * stride, stride, topDown.begin() + y * stride);
    }
    return topDown;
}

}  // namespace

TDIB TDIB::readPictureData(std::span<const std::uint8_t> data) {
    Reader in(data, messages::InvalidDib);
    if (in.atEnd()) {
        return {};
    }
    const auto name = in.bytes(in.u8());
    if (!std::equal(name.begin(), name.end(), ClassName.begin(), ClassName.end())) {
        return {};
    }
    return readBitmap(in);
}

TDIB TDIB::readFile(std::span<const std::uint8_t> data) {
    Reader in(data, messages::InvalidDib);
    const auto fileHeader = in.bytes(FileHeaderSize);
    if (fileHeader[0] != 'B' || fileHeader[1] != 'M') {
        in.fail();
    }
    return readBitmap(in);
}

TDIB TDIB::readBitmap(LittleEndianReader<EInvalidDib>& in) {
    if (in.atEnd()) {
        return {};
    }
    const BitmapHeader header = readHeader(in);
    validate(header, in);
    const BitMasks masks = readMasks(in, header);
    auto colorTable = readColorTable(in, header);
    auto rows = readStoredRows(in, header);
    if (header.width == 0 || header.height == 0) {
        return {};
    }
    if (header.height > 0) {
        rows = bottomUpToTopDown(rows, rowStride(static_cast<int>(header.width), header.bitCount),
                                 header.rows());
    }
    return {static_cast<int>(header.width),
            static_cast<int>(header.rows()),
            header.bitCount,
            std::move(colorTable),
            masks,
            std::move(rows)};
}

}  // namespace media
