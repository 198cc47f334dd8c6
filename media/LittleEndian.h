#pragma once
// Bytewise little-endian reading and writing for the stored picture and wave images.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "text/Translation.h"

namespace media {

// Reads forward through a byte image; a read past its end throws Error with the given text
// (translated),
// so a truncated image can never be read out of bounds.
template <class Error>
class LittleEndianReader {
  public:
    LittleEndianReader(std::span<const std::uint8_t> data, const char* errorText)
        : data_(data), errorText_(errorText) {}

    std::size_t position() const { return position_; }
    std::size_t remaining() const { return data_.size() - position_; }
    bool atEnd() const { return position_ == data_.size(); }

    std::span<const std::uint8_t> bytes(std::size_t count) {
        require(count);
        auto result = data_.subspan(position_, count);
        position_ += count;
        return result;
    }
    void skip(std::size_t count) { bytes(count); }

    std::uint8_t u8() { return bytes(1)[0]; }
    std::uint16_t u16() {
        auto b = bytes(2);
        return static_cast<std::uint16_t>(b[0] | b[1] << 8);
    }
    std::uint32_t u32() {
        auto b = bytes(4);
        return std::uint32_t{b[0]} | std::uint32_t{b[1]} << 8 | std::uint32_t{b[2]} << 16 |
               std::uint32_t{b[3]} << 24;
    }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }

    [[noreturn]] void fail() const { throw Error(text::tr(errorText_)); }

  private:
    void require(std::size_t count) const {
        if (count > remaining()) {
            fail();
        }
    }

    std::span<const std::uint8_t> data_;
    const char* errorText_;
    std::size_t position_ = 0;
};

// Appends little-endian values to a byte image.
class LittleEndianWriter {
  public:
    explicit LittleEndianWriter(std::vector<std::uint8_t>& out) : out_(out) {}

    void u8(std::uint8_t value) { out_.push_back(value); }
    void u16(std::uint16_t value) {
        u8(static_cast<std::uint8_t>(value));
        u8(static_cast<std::uint8_t>(value >> 8));
    }
    void u32(std::uint32_t value) {
        u16(static_cast<std::uint16_t>(value));
        u16(static_cast<std::uint16_t>(value >> 16));
    }
    void i32(std::int32_t value) { u32(static_cast<std::uint32_t>(value)); }
    void bytes(std::span<const std::uint8_t> data) {
        out_.insert(out_.end(), data.begin(), data.end());
    }
    void text(std::string_view chars) {
        for (char c : chars) {
            u8(static_cast<std::uint8_t>(c));
        }
    }

  private:
    std::vector<std::uint8_t>& out_;
};

}  // namespace media
