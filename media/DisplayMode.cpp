#include "media/DisplayMode.h"

#include <algorithm>
#include <cstdint>
#include <tuple>

namespace media {

bool isValidBitCount(int bitCount) {
    return bitCount == 8 || bitCount == 16 || bitCount == 24 || bitCount == 32;
}

std::optional<OfferedMode> chooseDisplayMode(const TDisplayMode& wanted,
                                             std::vector<OfferedMode> offered) {
    if (wanted.Width <= 0 || wanted.Height <= 0 || !isValidBitCount(wanted.BitCount)) {
        return std::nullopt;
    }
    const OfferedMode exact{wanted.Width, wanted.Height, wanted.BitCount};
    if (std::find(offered.begin(), offered.end(), exact) != offered.end()) {
        return exact;
    }
    std::sort(offered.begin(), offered.end(), [](const OfferedMode& a, const OfferedMode& b) {
        return std::tie(a.width, a.height, a.bitCount) < std::tie(b.width, b.height, b.bitCount);
    });
    auto search = [&](bool keepRatio) -> std::optional<OfferedMode> {
        for (const OfferedMode& mode : offered) {
            bool sized = wanted.FixedSize
                             ? mode.width == wanted.Width && mode.height == wanted.Height
                             : mode.width >= wanted.Width && mode.height >= wanted.Height;
            bool shaped = !keepRatio || std::int64_t{mode.width} * wanted.Height ==
                                            std::int64_t{mode.height} * wanted.Width;
            if (mode.bitCount == wanted.BitCount && sized && shaped) {
                return mode;
            }
        }
        return std::nullopt;
    };
    if (wanted.FixedRatio) {
        if (auto mode = search(true)) {
            return mode;
        }
    }
    return search(false);
}

}  // namespace media
