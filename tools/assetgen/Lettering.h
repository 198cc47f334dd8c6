#pragma once
// Bold lettering cut to hard pixels: glyphs are rendered large, set side by side, stretched to
// an exact box, thickened and only then reduced, so strokes stay even at any size.

#include <string>
#include <vector>

#include "tools/assetgen/AlphaMap.h"

namespace assetgen {

struct LetteringStyle {
    std::string family;
    int renderSize = 0;   // pixel size the glyphs are rendered at
    int letterGap = 0;    // gap between the inks of neighbouring letters, in rendered pixels
    int supersample = 1;  // working resolution, per output pixel
    int weight = 0;       // thickening radius, in working pixels
};

// The letters' ink fills exactly width × height pixels; its coverage is 0 or 1.
AlphaMap letterShape(const std::vector<std::string>& letters, const LetteringStyle& style,
                     int width, int height);

}  // namespace assetgen
