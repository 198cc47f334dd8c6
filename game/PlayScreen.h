#pragma once
// The play screen: the 30 x 30 board on the left, the status panel on the right, the low-life
// pulse, the game-over banner and the debug overlay.

#include <cstdint>

#include "game/Globals.h"
#include "media/PictureList.h"
#include "media/Surface.h"

namespace game {

inline constexpr int CellPixels = 20;
// Empty cells pulse while life is below this and the game runs.
inline constexpr std::int32_t LowLife = 21;

// The board alone, in its curtain values.
void drawCurtain(const GameGlobals& g, media::TSurface& surface,
                 const media::TPictureList& pictures);

// Advances the pulse by the frame's play time, then draws the board, the banner once the game is
// over, the panel and, when asked for, the debug overlay. The banner's colours are random draws.
// lagCount >= 1.
void drawPlay(GameGlobals& g, media::TSurface& surface, const media::TPictureList& pictures,
              std::int32_t lagCount);

}  // namespace game
