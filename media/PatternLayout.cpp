#include "media/PatternLayout.h"

#include <algorithm>

namespace media {

namespace {

// The distances between pattern origins and how many whole patterns fit.
struct GridSteps {
    int pitchX = 0;
    int pitchY = 0;
    int columns = 0;
    int rows = 0;
};

int ceilDiv(int a, int b) {
    return (a + b - 1) / b;
}

TRect rectAt(int x, int y, int width, int height) {
    return TRect{x, y, x + width, y + height};
}

// Row by row from the top-left; placeAt(x, y) puts the pattern whose origin in the picture is
// (x, y) on its block.
template <class PlaceAt>
void addPatterns(PatternLayout& layout, const GridSteps& steps, PlaceAt placeAt) {
    for (int r = 0; r < steps.rows; ++r) {
        for (int c = 0; c < steps.columns; ++c) {
            layout.patterns.push_back(placeAt(c * steps.pitchX, r * steps.pitchY));
        }
    }
}

PatternLayout oneSurface(int width, int height, const PatternGrid& grid, const GridSteps& steps) {
    PatternLayout layout;
    layout.blocks.push_back(rectAt(0, 0, width, height));
    addPatterns(layout, steps, [&](int x, int y) {
        return PatternPlace{0, rectAt(x, y, grid.patternWidth, grid.patternHeight)};
    });
    return layout;
}

// Blocks of at most about SurfaceBlockLimit pixels a side, laid row by row; those at the right
// and bottom edges are cut to what is left of the picture.
PatternLayout splitIntoBlocks(int width, int height, const PatternGrid& grid,
                              const GridSteps& steps) {
    const int blockWidth = std::min(ceilDiv(SurfaceBlockLimit, steps.pitchX) * steps.pitchX,
                                    steps.columns * steps.pitchX);
    const int blockHeight = std::min(ceilDiv(SurfaceBlockLimit, steps.pitchY) * steps.pitchY,
                                     steps.rows * steps.pitchY);
    const int blocksPerRow = ceilDiv(width, blockWidth);
    const int blockRows = ceilDiv(height, blockHeight);
    PatternLayout layout;
    for (int by = 0; by < blockRows; ++by) {
        for (int bx = 0; bx < blocksPerRow; ++bx) {
            const int x = bx * blockWidth;
            const int y = by * blockHeight;
            layout.blocks.push_back(
                rectAt(x, y, std::min(blockWidth, width - x), std::min(blockHeight, height - y)));
        }
    }
    addPatterns(layout, steps, [&](int x, int y) {
        return PatternPlace{
            x / blockWidth + (y / blockHeight) * blocksPerRow,
            rectAt(x % blockWidth, y % blockHeight, grid.patternWidth, grid.patternHeight)};
    });
    return layout;
}

}  // namespace

PatternLayout layoutPatterns(int pictureWidth, int pictureHeight, const PatternGrid& grid) {
    if (grid.patternWidth == pictureWidth && grid.patternHeight == pictureHeight) {
        const TRect whole = rectAt(0, 0, pictureWidth, pictureHeight);
        return PatternLayout{{whole}, {{0, whole}}};
    }
    GridSteps steps;
    steps.pitchX = grid.patternWidth + grid.skipWidth;
    steps.pitchY = grid.patternHeight + grid.skipHeight;
    if (steps.pitchX <= 0 || steps.pitchY <= 0) {
        return {};
    }
    steps.columns = (pictureWidth + grid.skipWidth) / steps.pitchX;
    steps.rows = (pictureHeight + grid.skipHeight) / steps.pitchY;
    if (steps.columns <= 0 || steps.rows <= 0) {
        return {};
    }
    if (grid.wholeSurface) {
        return oneSurface(pictureWidth, pictureHeight, grid, steps);
    }
    return splitIntoBlocks(pictureWidth, pictureHeight, grid, steps);
}

}  // namespace media
