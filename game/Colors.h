#pragma once
// The colours the screens draw text and bars in, as canvas colours (0x00BBGGRR).

#include <cstdint>

#include "media/SurfaceCanvas.h"

namespace game {

inline constexpr std::uint32_t Black = media::clBlack;
inline constexpr std::uint32_t White = media::clWhite;
inline constexpr std::uint32_t Red = 0x000000FF;
inline constexpr std::uint32_t Yellow = 0x0000FFFF;
inline constexpr std::uint32_t Blue = 0x00FF0000;
inline constexpr std::uint32_t Aqua = 0x00FFFF00;
inline constexpr std::uint32_t Magenta = 0x00FF00FF;
inline constexpr std::uint32_t Grey = 0x00808080;
// Marks a colour drawn as its nearest palette entry.
inline constexpr std::uint32_t PaletteRelative = 0x02000000;

}  // namespace game
