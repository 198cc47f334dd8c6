#pragma once
// A colour of 8-bit red, green and blue.

#include <cstdint>

namespace platform {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    constexpr bool operator==(const Rgb&) const = default;
};

}  // namespace platform
