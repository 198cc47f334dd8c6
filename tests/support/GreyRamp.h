#pragma once
// A colour table whose entry k is grey k: a palette index reads back as its grey level, and
// pictures made with it keep their indexes through conversion.

#include <cstdint>

#include "media/Palette.h"

namespace testsupport {

inline media::TColorTable greyRamp() {
    media::TColorTable table{};
    for (int i = 0; i < 256; ++i) {
        const auto k = static_cast<std::uint8_t>(i);
        table[i] = media::ColorEntry{k, k, k, 0};
    }
    return table;
}

}  // namespace testsupport
