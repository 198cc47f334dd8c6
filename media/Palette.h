#pragma once
// The display's 256-entry palette and the matching of canvas colours to its entries.

#include <array>
#include <cstdint>

#include "media/ColorEntry.h"

namespace media {

using TColorTable = std::array<ColorEntry, 256>;

// The colour table a display starts with: the reserved colours of a 256-colour desktop at
// 0 to 9 and 246 to 255, black elsewhere.
TColorTable defaultSystemColorTable();

class Palette {
  public:
    Palette() { load(defaultSystemColorTable()); }

    void load(const TColorTable& table);
    const TColorTable& entries() const { return entries_; }
    // Each entry as a 32-bit pixel 0xAARRGGBB, for presenting.
    const std::array<std::uint32_t, 256>& argb() const { return argb_; }

    // The entry nearest to a canvas colour (0x00BBGGRR, or 0x02BBGGRR palette-relative),
    // by squared distance in red, green and blue; the lowest index wins a tie.
    std::uint8_t nearestIndex(std::uint32_t color) const;

  private:
    TColorTable entries_{};
    std::array<std::uint32_t, 256> argb_{};
};

}  // namespace media
