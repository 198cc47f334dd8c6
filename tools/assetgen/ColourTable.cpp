#include "tools/assetgen/ColourTable.h"

#include <algorithm>
#include <stdexcept>

namespace assetgen {

namespace {

constexpr int CubeLevels = 6;
constexpr int CubeStep = 51;

}  // namespace

ColourTable ColourTable::cube() {
    std::array<Rgb, 256> entries{};
    for (int b = 0; b < CubeLevels; ++b) {
        for (int g = 0; g < CubeLevels; ++g) {
            for (int r = 0; r < CubeLevels; ++r) {
                entries[r + CubeLevels * g + CubeLevels * CubeLevels * b] = {
                    static_cast<std::uint8_t>(CubeStep * r),
                    static_cast<std::uint8_t>(CubeStep * g),
                    static_cast<std::uint8_t>(CubeStep * b)};
            }
        }
    }
    return ColourTable(entries);
}

bool ColourTable::holds(Rgb colour, int below) const {
    return std::find(entries_.begin(), entries_.begin() + below, colour) !=
           entries_.begin() + below;
}

void ColourTable::addMissing(const Canvas& canvas, int first, int last) {
    int next = first;
    for (const Rgb colour : canvas.pixels()) {
        const bool fixedAfter =
            std::find(entries_.begin() + last + 1, entries_.end(), colour) != entries_.end();
        if (holds(colour, next) || fixedAfter) {
            continue;
        }
        if (next > last) {
            throw std::runtime_error("too many colours for the colour table");
        }
        entries_[next++] = colour;
    }
}

std::uint8_t ColourTable::indexOf(Rgb colour) const {
    const auto found = std::find(entries_.begin(), entries_.end(), colour);
    if (found == entries_.end()) {
        throw std::runtime_error("colour missing from the colour table");
    }
    return static_cast<std::uint8_t>(found - entries_.begin());
}

}  // namespace assetgen
