#pragma once
// The play screen: the 30 x 30 board on the left, the status panel on the right, the low-life
// pulse, the game-over banner and the debug overlay.

#include <cstdint>

#include "core/GameGlobals.h"
#include "media/PictureList.h"
#include "media/Surface.h"

namespace game {

inline constexpr int CellPixels = 20;
// The board alone, in its curtain values.
void drawCurtain(const core::GameGlobals& g, media::TSurface& surface,
                 const media::TPictureList& pictures);

// The board (its empty cells pulsing at low life), the banner once the game is over, the panel
// and, when asked for, the debug overlay (lagCount >= 1 gives its frame rate).
void drawPlay(const core::GameGlobals& g, media::TSurface& surface,
              const media::TPictureList& pictures, std::int32_t lagCount);

}  // namespace game
