#include "tools/assetgen/Icon.h"

#include <algorithm>
#include <stdexcept>

#include "tools/assetgen/BlockSheet.h"

namespace assetgen {

namespace {

// Red and yellow above blue and green: the strongest contrasts sit side by side.
constexpr std::array<int, 4> IconColours{1, 3, 4, 2};

// As thick, relative to the block, as the sheet's one-pixel steps on its 20-pixel tiles.
int bevelStep(int blockSize) {
    return std::max(1, (blockSize + TileSize / 2) / TileSize);
}

}  // namespace

Canvas drawIcon(int size) {
    if (size <= 0 || size % 2 != 0) {
        throw std::invalid_argument("icon size must be even");
    }
    const int block = size / 2;
    const TileShape shape{block, bevelStep(block)};
    Canvas icon(size, size);
    for (int place = 0; place < static_cast<int>(IconColours.size()); ++place) {
        drawBevelTile(icon, place % 2 * block, place / 2 * block, blockShades(IconColours[place]),
                      shape);
    }
    return icon;
}

}  // namespace assetgen
