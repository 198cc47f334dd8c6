#pragma once
// A 20 × 20 tile with a two-step bevel: light top and left edges, dark bottom and right edges.

#include "tools/assetgen/Canvas.h"

namespace assetgen {

constexpr int TileSize = 20;

struct BevelShades {
    Rgb outerLight;
    Rgb innerLight;
    Rgb face;
    Rgb innerDark;
    Rgb outerDark;
};

// The face is x 2 to 17, y 2 to 17 of the tile.
constexpr Box TileFace{2, 2, 17, 17};

void drawBevelTile(Canvas& sheet, int left, int top, const BevelShades& shades);

}  // namespace assetgen
