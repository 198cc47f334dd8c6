#pragma once
// The block sheet: 18 tiles of 20 × 20, six across, three down. Tile 0 is the empty cell,
// 1 to 10 the coloured blocks with their key digits, 11 the curtain, 12 to 17 the red pulse.

#include "tools/assetgen/BevelTile.h"
#include "tools/assetgen/Canvas.h"
#include "tools/assetgen/ColourTable.h"

namespace assetgen {

Canvas drawBlockSheet();

// The bevel shades of block colour 1 to 10.
const BevelShades& blockShades(int colour);

// The sheet's colour table: the display takes its colours from the first 40 entries, so those
// and the last ten are fixed; the sheet's other colours fill the places between.
ColourTable blockSheetColours(const Canvas& sheet);

}  // namespace assetgen
