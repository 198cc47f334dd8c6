#pragma once
// The little yellow face on the curtain tile, drawn over the tile's lavender face.

#include "tools/assetgen/Canvas.h"

namespace assetgen {

// Draws within x 2 to 17, y 2 to 17 of the tile whose top-left corner is given.
void drawCurtainFace(Canvas& sheet, int left, int top);

}  // namespace assetgen
