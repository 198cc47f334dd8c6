#include "media/Palette.h"

namespace media {

TColorTable defaultSystemColorTable() {
    TColorTable table{};
    const std::uint32_t low[10] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000,
                                   0x800080, 0x808000, 0xC0C0C0, 0xC0DCC0, 0xF0CAA6};
    const std::uint32_t high[10] = {0xF0FBFF, 0xA4A0A0, 0x808080, 0x0000FF, 0x00FF00,
                                    0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    for (int i = 0; i < 10; ++i) {
        table[i] = ColorEntry::fromColor(low[i]);
        table[246 + i] = ColorEntry::fromColor(high[i]);
    }
    return table;
}

void Palette::load(const TColorTable& table) {
    entries_ = table;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const ColorEntry& entry = table[i];
        argb_[i] = 0xFF000000u | std::uint32_t{entry.red} << 16 | std::uint32_t{entry.green} << 8 |
                   entry.blue;
    }
}

std::uint8_t Palette::nearestIndex(std::uint32_t color) const {
    const int red = static_cast<int>(color & 0xFF);
    const int green = static_cast<int>((color >> 8) & 0xFF);
    const int blue = static_cast<int>((color >> 16) & 0xFF);
    int best = 0;
    int bestDistance = 1 << 30;
    for (int i = 0; i < 256; ++i) {
        const ColorEntry& entry = entries_[i];
        int dr = entry.red - red;
        int dg = entry.green - green;
        int db = entry.blue - blue;
        int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
            if (distance == 0) {
                break;
            }
        }
    }
    return static_cast<std::uint8_t>(best);
}

}  // namespace media
