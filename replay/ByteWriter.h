#pragma once
// Appends the file's values to its bytes: integers little-endian, counts and large lags as
// LEB128 (seven bits a byte, lowest first, the top bit set on every byte but the last).

#include <cstdint>
#include <string>

namespace replay {

class ByteWriter {
  public:
    void u8(std::uint8_t value) { bytes_ += static_cast<char>(value); }
    void u16(std::uint16_t value) { little(value, 2); }
    void u32(std::uint32_t value) { little(value, 4); }
    void i32(std::int32_t value) { little(static_cast<std::uint32_t>(value), 4); }
    void i64(std::int64_t value) { little(static_cast<std::uint64_t>(value), 8); }
    void leb128(std::uint32_t value) {
        for (; value >= 0x80; value >>= 7) {
            u8(static_cast<std::uint8_t>(value | 0x80));
        }
        u8(static_cast<std::uint8_t>(value));
    }
    void bytes(std::string_view more) { bytes_ += more; }

    std::size_t size() const { return bytes_.size(); }
    const std::string& bytes() const { return bytes_; }
    std::string take() { return std::move(bytes_); }

  private:
    void little(std::uint64_t value, int count) {
        for (int i = 0; i < count; ++i, value >>= 8) {
            u8(static_cast<std::uint8_t>(value));
        }
    }

    std::string bytes_;
};

}  // namespace replay
