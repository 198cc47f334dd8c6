#pragma once
// Text placed by its centre or its right end, in the canvas's current font.

#include <cstdint>
#include <string_view>

#include "media/SurfaceCanvas.h"

namespace game {

// Drawn at centreX - width div 2.
void textOutCentred(media::TSurfaceCanvas& canvas, int centreX, int y, std::string_view text);

// The decimal text of number (with "-" when negative) ending at rightX.
void numberOutRight(media::TSurfaceCanvas& canvas, int rightX, int y, std::int32_t number);

}  // namespace game
