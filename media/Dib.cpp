#include "media/Dib.h"

#include <algorithm>
#include <bit>
#include <stdexcept>
#include <utility>

namespace media {

namespace {

void requireSize(std::size_t actual, std::size_t expected) {
    if (actual != expected) {
        throw std::invalid_argument("picture data does not match its size");
    }
}

void requireDimensions(int width, int height) {
    if (width < 0 || height < 0) {
        throw std::invalid_argument("negative picture size");
    }
}

// Scales the bits of one mask to 0..255.
std::uint8_t maskedComponent(std::uint32_t value, std::uint32_t mask) {
    if (mask == 0) {
        return 0;
    }
    const int shift = std::countr_zero(mask);
    const std::uint64_t max = mask >> shift;
    const std::uint64_t part = (value & mask) >> shift;
    return static_cast<std::uint8_t>((part * 255 + max / 2) / max);
}

}  // namespace

TDIB::TDIB(int width, int height, int bitCount, std::vector<ColorEntry> colorTable, BitMasks masks,
           std::vector<std::uint8_t> topDownRows)
    : width_(width),
      height_(height),
      bitCount_(bitCount),
      colorTable_(std::move(colorTable)),
      masks_(masks),
      pixels_(std::move(topDownRows)) {}

TDIB TDIB::fromIndexes8(int width, int height, std::span<const ColorEntry> colorTable,
                        std::span<const std::uint8_t> indexes) {
    requireDimensions(width, height);
    if (colorTable.size() > 256) {
        throw std::invalid_argument("more than 256 colours");
    }
    requireSize(indexes.size(), std::size_t(width) * height);
    const std::size_t stride = rowStride(width, 8);
    std::vector<std::uint8_t> rows(stride * height);
    for (int y = 0; y < height; ++y) {
        std::copy_n(indexes.begin() + std::size_t(y) * width, width, rows.begin() + y * stride);
    }
    return {width, height, 8, {colorTable.begin(), colorTable.end()}, {}, std::move(rows)};
}

TDIB TDIB::fromRgb24(int width, int height, std::span<const std::uint8_t> rgb) {
    requireDimensions(width, height);
    requireSize(rgb.size(), std::size_t(width) * height * 3);
    const std::size_t stride = rowStride(width, 24);
    std::vector<std::uint8_t> rows(stride * height);
    for (std::size_t y = 0; y < std::size_t(height); ++y) {
        for (std::size_t x = 0; x < std::size_t(width); ++x) {
            const std::uint8_t* from = &rgb[(y * width + x) * 3];
            std::uint8_t* to = &rows[y * stride + x * 3];
            to[0] = from[2];
            to[1] = from[1];
            to[2] = from[0];
        }
    }
    return {width, height, 24, {}, {}, std::move(rows)};
}

std::array<ColorEntry, 256> TDIB::colorTable256() const {
    std::array<ColorEntry, 256> table{};
    std::copy_n(colorTable_.begin(), std::min<std::size_t>(colorTable_.size(), 256), table.begin());
    return table;
}

std::uint8_t TDIB::paletteIndex(int x, int y) const {
    if (bitCount_ > 8) {
        throw std::logic_error("picture has no palette indexes");
    }
    return static_cast<std::uint8_t>(rawPixel(x, y));
}

std::uint32_t TDIB::pixelColor(int x, int y) const {
    const std::uint32_t raw = rawPixel(x, y);
    if (bitCount_ <= 8) {
        return raw < colorTable_.size() ? colorTable_[raw].color() : 0;
    }
    if (bitCount_ == 24) {
        return ColorEntry{static_cast<std::uint8_t>(raw), static_cast<std::uint8_t>(raw >> 8),
                          static_cast<std::uint8_t>(raw >> 16), 0}
            .color();
    }
    return ColorEntry{maskedComponent(raw, masks_.blue), maskedComponent(raw, masks_.green),
                      maskedComponent(raw, masks_.red), 0}
        .color();
}

// The pixel's stored bits; multi-byte pixels are little-endian.
std::uint32_t TDIB::rawPixel(int x, int y) const {
    if (x < 0 || x >= width_ || y < 0 || y >= height_) {
        throw std::out_of_range("pixel outside the picture");
    }
    const auto bits = row(y);
    switch (bitCount_) {
        case 1:
            return bits[x / 8] >> (7 - x % 8) & 1;
        case 4:
            return x % 2 == 0 ? bits[x / 2] >> 4 : bits[x / 2] & 0x0F;
        case 8:
            return bits[x];
        default: {
            const std::size_t bytesPerPixel = bitCount_ / 8;
            std::uint32_t value = 0;
            for (std::size_t i = bytesPerPixel; i-- > 0;) {
                value = value << 8 | bits[x * bytesPerPixel + i];
            }
            return value;
        }
    }
}

std::span<const std::uint8_t> TDIB::row(int y) const {
    const std::size_t stride = rowStride(width_, bitCount_);
    return std::span(pixels_).subspan(stride * y, stride);
}

BitMasks TDIB::defaultMasks(int bitCount) {
    switch (bitCount) {
        case 16:
            return {0x7C00, 0x03E0, 0x001F};
        case 32:
            return {0xFF0000, 0x00FF00, 0x0000FF};
        default:
            return {};
    }
}

std::size_t TDIB::rowStride(int width, int bitCount) {
    return (std::size_t(width) * bitCount + 31) / 32 * 4;
}

}  // namespace media
