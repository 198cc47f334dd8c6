#pragma once
// The size the game window opens at: the largest whole multiple of the 800 x 600 frame that
// fits in 85% of the desktop's usable area (at least the frame itself), so that every pixel of
// the frame is the same number of screen pixels.

namespace game {

// The multiple for a usable area of width x height.
int windowScaleFor(int areaWidth, int areaHeight);

}  // namespace game
