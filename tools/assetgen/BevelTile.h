#pragma once
// A square tile with a two-step bevel: light top and left edges, dark bottom and right edges.

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

// The block sheet's tiles are 20 pixels with one-pixel steps; icons draw larger ones.
struct TileShape {
    int size = TileSize;
    int step = 1;
};

// The face of a sheet tile is x 2 to 17, y 2 to 17.
constexpr Box TileFace{2, 2, 17, 17};

void drawBevelTile(Canvas& canvas, int left, int top, const BevelShades& shades,
                   TileShape shape = {});

}  // namespace assetgen
