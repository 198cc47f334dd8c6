#pragma once
// Reading an embedded picture back for the checks, and colours written as designers quote them.

#include <cstdint>
#include <cstdio>
#include <string>

#include "assets/Assets.h"
#include "media/Dib.h"

namespace assets_test {

// Between 0xRRGGBB, as designers quote colours, and 0x00BBGGRR, as pictures report them.
constexpr std::uint32_t swapRedBlue(std::uint32_t rrggbb) {
    return (rrggbb & 0xff) << 16 | (rrggbb & 0xff00) | (rrggbb >> 16);
}

inline media::TDIB embeddedPicture(int index) {
    return media::TDIB::readPictureData(assets::picture(index));
}

// 0xRRGGBB as "#rrggbb", for readable failure messages.
inline std::string hex(std::uint32_t rrggbb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06x", rrggbb & 0xffffff);
    return text;
}

}  // namespace assets_test
