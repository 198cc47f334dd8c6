#pragma once
// Looking at a frame: regions of palette indexes, counts, and the bounds of what is drawn.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include "media/Surface.h"

namespace testsupport {

// Row by row; the region must lie on the surface.
inline std::vector<std::uint8_t> region(const media::TSurface& surface, media::TRect area) {
    std::vector<std::uint8_t> pixels;
    for (int y = area.Top; y < area.Bottom; ++y) {
        for (int x = area.Left; x < area.Right; ++x) {
            pixels.push_back(surface.Pixel(x, y));
        }
    }
    return pixels;
}

inline media::TRect tileRect(int x, int y, int size = 20) {
    return {x, y, x + size, y + size};
}

inline int countIndex(const media::TSurface& surface, media::TRect area, std::uint8_t index) {
    int count = 0;
    for (std::uint8_t pixel : region(surface, area)) {
        count += pixel == index ? 1 : 0;
    }
    return count;
}

// The smallest rectangle holding every pixel of the area that is not background.
inline std::optional<media::TRect> inkBounds(const media::TSurface& surface, media::TRect area,
                                             std::uint8_t background) {
    std::optional<media::TRect> bounds;
    for (int y = area.Top; y < area.Bottom; ++y) {
        for (int x = area.Left; x < area.Right; ++x) {
            if (surface.Pixel(x, y) == background) {
                continue;
            }
            if (!bounds) {
                bounds = media::TRect{x, y, x + 1, y + 1};
            }
            bounds->Left = std::min(bounds->Left, x);
            bounds->Top = std::min(bounds->Top, y);
            bounds->Right = std::max(bounds->Right, x + 1);
            bounds->Bottom = std::max(bounds->Bottom, y + 1);
        }
    }
    return bounds;
}

}  // namespace testsupport
