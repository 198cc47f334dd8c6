#include "media/DibRunLength.h"

#include <algorithm>

#include "media/Dib.h"
#include "media/LittleEndian.h"
#include "media/MediaError.h"
#include "media/MediaMessages.h"

namespace media {

namespace {

constexpr std::uint8_t EndOfLine = 0;
constexpr std::uint8_t EndOfBitmap = 1;
constexpr std::uint8_t Delta = 2;

class RunLengthDecoder {
  public:
    RunLengthDecoder(std::span<const std::uint8_t> data, int width, int rows, int bitCount)
        : in_(data, messages::InvalidDib),
          width_(width),
          rows_(rows),
          bitCount_(bitCount),
          stride_(TDIB::rowStride(width, bitCount)),
          pixels_(stride_ * rows) {}

    std::vector<std::uint8_t> decode() {
        while (!in_.atEnd() && y_ < rows_) {
            const std::uint8_t count = in_.u8();
            const std::uint8_t value = in_.u8();
            if (count > 0) {
                repeat(count, value);
            } else if (value == EndOfLine) {
                x_ = 0;
                ++y_;
            } else if (value == EndOfBitmap) {
                break;
            } else if (value == Delta) {
                moveBy(in_.u8(), in_.u8());
            } else {
                copyAbsolute(value);
            }
        }
        return std::move(pixels_);
    }

  private:
    // In 4-bit data a byte holds two pixels, the high nibble first.
    std::uint8_t pixelOf(std::uint8_t byte, int i) const {
        if (bitCount_ == 8) {
            return byte;
        }
        return i % 2 == 0 ? byte >> 4 : byte & 0x0F;
    }

    void repeat(int count, std::uint8_t value) {
        for (int i = 0; i < count; ++i) {
            put(pixelOf(value, i));
        }
    }

    // Absolute runs are padded to an even number of bytes; a missing final pad is tolerated.
    void copyAbsolute(int count) {
        const std::size_t byteCount = bitCount_ == 8 ? count : (count + 1) / 2;
        const auto bytes = in_.bytes(byteCount);
        for (int i = 0; i < count; ++i) {
            put(pixelOf(bytes[bitCount_ == 8 ? i : i / 2], i));
        }
        if (byteCount % 2 != 0 && !in_.atEnd()) {
            in_.skip(1);
        }
    }

    void moveBy(int dx, int dy) {
        x_ = std::min(x_ + dx, width_);
        y_ += dy;
    }

    void put(std::uint8_t pixel) {
        if (x_ >= width_) {
            return;
        }
        std::uint8_t& byte = pixels_[std::size_t(y_) * stride_ + (bitCount_ == 8 ? x_ : x_ / 2)];
        if (bitCount_ == 8) {
            byte = pixel;
        } else if (x_ % 2 == 0) {
            byte = static_cast<std::uint8_t>((byte & 0x0F) | pixel << 4);
        } else {
            byte = static_cast<std::uint8_t>((byte & 0xF0) | pixel);
        }
        ++x_;
    }

    LittleEndianReader<EInvalidDib> in_;
    int width_;
    int rows_;
    int bitCount_;
    std::size_t stride_;
    std::vector<std::uint8_t> pixels_;
    int x_ = 0;
    int y_ = 0;
};

}  // namespace

std::vector<std::uint8_t> decodeRunLength(std::span<const std::uint8_t> data, int width, int rows,
                                          int bitCount) {
    return RunLengthDecoder(data, width, rows, bitCount).decode();
}

}  // namespace media
