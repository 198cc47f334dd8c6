#pragma once
// Where the patterns of a picture lie once it is converted: the rectangles of the picture that
// become surfaces of their own, and each pattern's source rectangle on one of them.

#include <vector>

#include "media/Surface.h"

namespace media {

// Pictures split into blocks keep each block edge near this, taken up to whole pattern pitches.
inline constexpr int SurfaceBlockLimit = 512;

struct PatternGrid {
    int patternWidth = 0;   // effective: never 0
    int patternHeight = 0;  // effective: never 0
    int skipWidth = 0;
    int skipHeight = 0;
    // Keep the picture one surface however large it is.
    bool wholeSurface = false;
};

struct PatternPlace {
    int block = 0;
    TRect source;  // within the block
};

struct PatternLayout {
    std::vector<TRect> blocks;  // rectangles of the picture, one surface each
    std::vector<PatternPlace> patterns;
};

// Patterns run row by row from the top-left; leftover pixels that do not make a whole pattern
// are no pattern. A pitch of 0 or less gives no patterns at all.
PatternLayout layoutPatterns(int pictureWidth, int pictureHeight, const PatternGrid& grid);

}  // namespace media
