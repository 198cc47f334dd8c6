#include "tools/assetgen/BevelTile.h"

namespace assetgen {

void drawBevelTile(Canvas& canvas, int left, int top, const BevelShades& shades, TileShape shape) {
    const auto fill = [&](int x0, int y0, int x1, int y1, Rgb colour) {
        canvas.fill({left + x0, top + y0, left + x1, top + y1}, colour);
    };
    const int s = shape.step;
    const int last = shape.size - 1;
    fill(0, 0, last, last, shades.face);
    fill(0, 0, last - s, s - 1, shades.outerLight);
    fill(0, 0, s - 1, last - s, shades.outerLight);
    fill(0, last - s + 1, last, last, shades.outerDark);
    fill(last - s + 1, 0, last, last, shades.outerDark);
    fill(s, s, last - 2 * s, 2 * s - 1, shades.innerLight);
    fill(s, s, 2 * s - 1, last - 2 * s, shades.innerLight);
    fill(last - 2 * s + 1, s, last - s, last - s, shades.innerDark);
    fill(s, last - 2 * s + 1, last - s, last - s, shades.innerDark);
}

}  // namespace assetgen
