#pragma once
// The display mode a full-screen display asks for, and the choice among the modes offered.

#include <optional>
#include <vector>

namespace media {

struct TDisplayMode {
    int Width = 640;
    int Height = 480;
    int BitCount = 8;
    bool FixedBitCount = true;
    bool FixedRatio = true;
    bool FixedSize = false;
};

struct OfferedMode {
    int width = 0;
    int height = 0;
    int bitCount = 0;
    bool operator==(const OfferedMode&) const = default;
};

bool isValidBitCount(int bitCount);

// The exact mode if offered; else the first of the sorted modes of the wanted bit count that
// is large enough, first keeping the shape (with FixedRatio), then of any shape.
std::optional<OfferedMode> chooseDisplayMode(const TDisplayMode& wanted,
                                             std::vector<OfferedMode> offered);

}  // namespace media
