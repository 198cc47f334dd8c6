#include "tools/assetgen/BevelTile.h"

namespace assetgen {

void drawBevelTile(Canvas& sheet, int left, int top, const BevelShades& shades) {
    const auto fill = [&](int x0, int y0, int x1, int y1, Rgb colour) {
        sheet.fill({left + x0, top + y0, left + x1, top + y1}, colour);
    };
    const int last = TileSize - 1;
    fill(0, 0, last, last, shades.face);
    fill(0, 0, last - 1, 0, shades.outerLight);
    fill(0, 0, 0, last - 1, shades.outerLight);
    fill(0, last, last, last, shades.outerDark);
    fill(last, 0, last, last, shades.outerDark);
    fill(1, 1, last - 2, 1, shades.innerLight);
    fill(1, 1, 1, last - 2, shades.innerLight);
    fill(last - 1, 1, last - 1, last - 1, shades.innerDark);
    fill(1, last - 1, last - 1, last - 1, shades.innerDark);
}

}  // namespace assetgen
