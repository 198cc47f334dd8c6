#pragma once
// One entry of a colour table as pictures and the display palette store it.

#include <cstdint>

namespace media {

struct ColorEntry {
    std::uint8_t blue = 0;
    std::uint8_t green = 0;
    std::uint8_t red = 0;
    std::uint8_t reserved = 0;

    // From and to a canvas colour laid out 0x00BBGGRR; the reserved byte is 0.
    static constexpr ColorEntry fromColor(std::uint32_t color) {
        return {static_cast<std::uint8_t>(color >> 16), static_cast<std::uint8_t>(color >> 8),
                static_cast<std::uint8_t>(color), 0};
    }
    constexpr std::uint32_t color() const {
        return std::uint32_t{blue} << 16 | std::uint32_t{green} << 8 | red;
    }

    friend constexpr bool operator==(const ColorEntry&, const ColorEntry&) = default;
};

}  // namespace media
