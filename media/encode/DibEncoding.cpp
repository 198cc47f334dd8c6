#include "media/encode/DibEncoding.h"

#include "media/LittleEndian.h"

namespace media {

namespace {

constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::uint32_t FileHeaderSize = 14;
constexpr std::uint32_t CompressionNone = 0;
constexpr std::uint32_t CompressionBitFields = 3;

// Masks are only stored when they differ from the plain layout, so that such a picture keeps its
// colours; the game's pictures never have any.
bool storesMasks(const TDIB& picture) {
    return picture.bitCount() > 8 && picture.bitMasks() != TDIB::defaultMasks(picture.bitCount());
}

// Bytes from the start of the bitmap header to the first pixel row.
std::size_t bitmapOffset(const TDIB& picture) {
    if (picture.empty()) {
        return 0;
    }
    const int bitCount = picture.bitCount();
    const std::size_t tableBytes = bitCount <= 8 ? std::size_t(4) << bitCount : 0;
    return InfoHeaderSize + (storesMasks(picture) ? 12 : 0) + tableBytes;
}

void writeColorTable(LittleEndianWriter& out, const TDIB& picture) {
    const auto table = picture.colorTable256();
    for (int i = 0; i < 1 << picture.bitCount(); ++i) {
        out.u8(table[i].blue);
        out.u8(table[i].green);
        out.u8(table[i].red);
        out.u8(table[i].reserved);
    }
}

void writeBitmap(LittleEndianWriter& out, const TDIB& picture) {
    if (picture.empty()) {
        return;
    }
    const bool storeMasks = storesMasks(picture);
    const std::size_t stride = TDIB::rowStride(picture.width(), picture.bitCount());
    out.u32(InfoHeaderSize);
    out.i32(picture.width());
    out.i32(picture.height());
    out.u16(1);
    out.u16(static_cast<std::uint16_t>(picture.bitCount()));
    out.u32(storeMasks ? CompressionBitFields : CompressionNone);
    out.u32(static_cast<std::uint32_t>(stride * picture.height()));
    out.i32(0);
    out.i32(0);
    out.u32(0);
    out.u32(0);
    if (storeMasks) {
        out.u32(picture.bitMasks().red);
        out.u32(picture.bitMasks().green);
        out.u32(picture.bitMasks().blue);
    }
    if (picture.bitCount() <= 8) {
        writeColorTable(out, picture);
    }
    for (int y = picture.height() - 1; y >= 0; --y) {
        out.bytes(picture.row(y));
    }
}

}  // namespace

std::vector<std::uint8_t> encodePictureData(const TDIB& picture) {
    std::vector<std::uint8_t> data;
    LittleEndianWriter out(data);
    out.u8(static_cast<std::uint8_t>(TDIB::ClassName.size()));
    out.text(TDIB::ClassName);
    writeBitmap(out, picture);
    return data;
}

std::vector<std::uint8_t> encodeDibFile(const TDIB& picture) {
    std::vector<std::uint8_t> bitmap;
    LittleEndianWriter bitmapOut(bitmap);
    writeBitmap(bitmapOut, picture);

    std::vector<std::uint8_t> data;
    LittleEndianWriter out(data);
    out.text("BM");
    out.u32(static_cast<std::uint32_t>(FileHeaderSize + bitmap.size()));
    out.u32(0);  // two reserved 16-bit words
    out.u32(static_cast<std::uint32_t>(FileHeaderSize + bitmapOffset(picture)));
    out.bytes(bitmap);
    return data;
}

}  // namespace media
