#pragma once
// Takes the file's values from its bytes in order (see ByteWriter.h); running out of bytes is a
// truncated file.

#include <cstdint>
#include <string_view>

#include "replay/ReplayError.h"

namespace replay {

class ByteReader {
  public:
    // `endMessage` is the error's text when the bytes run out.
    explicit ByteReader(std::string_view bytes, const char* endMessage = "truncated")
        : bytes_(bytes), endMessage_(endMessage) {}

    std::uint8_t u8() {
        need(1);
        return static_cast<std::uint8_t>(bytes_[at_++]);
    }
    std::uint16_t u16() { return static_cast<std::uint16_t>(little(2)); }
    std::uint32_t u32() { return static_cast<std::uint32_t>(little(4)); }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    std::int64_t i64() { return static_cast<std::int64_t>(little(8)); }
    // At most five bytes and 32 bits; anything longer is no value of this format.
    std::uint32_t leb128() {
        std::uint64_t value = 0;
        for (int shift = 0; shift < 35; shift += 7) {
            const std::uint8_t byte = u8();
            value |= std::uint64_t{byte & 0x7Fu} << shift;
            if ((byte & 0x80) == 0) {
                if (value > UINT32_MAX) {
                    break;
                }
                return static_cast<std::uint32_t>(value);
            }
        }
        throw ReplayError("a number in the frame stream is longer than 32 bits");
    }
    std::string_view bytes(std::size_t count) {
        need(count);
        const std::string_view taken = bytes_.substr(at_, count);
        at_ += count;
        return taken;
    }

    std::size_t position() const { return at_; }
    std::size_t remaining() const { return bytes_.size() - at_; }

  private:
    void need(std::size_t count) const {
        if (remaining() < count) {
            throw ReplayError(endMessage_);
        }
    }
    std::uint64_t little(int count) {
        need(static_cast<std::size_t>(count));
        std::uint64_t value = 0;
        for (int i = count - 1; i >= 0; --i) {
            value =
                (value << 8) | static_cast<std::uint8_t>(bytes_[at_ + static_cast<std::size_t>(i)]);
        }
        at_ += static_cast<std::size_t>(count);
        return value;
    }

    std::string_view bytes_;
    const char* endMessage_;
    std::size_t at_ = 0;
};

}  // namespace replay
