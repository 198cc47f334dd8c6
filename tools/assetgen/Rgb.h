#pragma once
// A picture colour as the artwork is drawn in, before any colour table is chosen.

#include <cstdint>

#include "platform/Rgb.h"

namespace assetgen {

using Rgb = platform::Rgb;

// Colours are written 0xRRGGBB, as designers quote them.
constexpr Rgb hexRgb(std::uint32_t rrggbb) {
    return {static_cast<std::uint8_t>(rrggbb >> 16), static_cast<std::uint8_t>(rrggbb >> 8),
            static_cast<std::uint8_t>(rrggbb)};
}

constexpr Rgb Black = hexRgb(0x000000);

// Linear blend; t = 0 gives a, t = 1 gives b.
Rgb mix(Rgb a, Rgb b, double t);

}  // namespace assetgen
