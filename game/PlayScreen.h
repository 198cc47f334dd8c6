#pragma once
// The play screen: the 30 x 30 board on the left, the status panel on the right, the low-life
// pulse, the game-over banner and the debug overlay.

#include <cstdint>

#include "core/GameGlobals.h"
#include "media/PictureList.h"
#include "media/Surface.h"

namespace game {

inline constexpr int CellPixels = 20;
inline constexpr int BoardPixels = CellPixels * core::BoardSize;
// The board alone, in its curtain values.
void drawCurtain(const core::GameGlobals& g, media::TSurface& surface,
                 const media::TPictureList& pictures);

// How low life shows while the game runs: the empty cells pulse, or, for players who must avoid
// flashing, a steady red frame lies around the board.
enum class LowLifeWarning { Pulse, SteadyFrame };

// The board (with the low-life warning), the banner once the game is over, the panel and, when
// asked for, the debug overlay (lagCount >= 1 gives its frame rate).
void drawPlay(const core::GameGlobals& g, media::TSurface& surface,
              const media::TPictureList& pictures, std::int32_t lagCount,
              LowLifeWarning warning = LowLifeWarning::Pulse);

// A paused game: the panel as it stands, "PAUSE" where the board was, the board itself hidden
// so that a pause cannot be used to count its blocks.
void drawPausedPlay(const core::GameGlobals& g, media::TSurface& surface);

}  // namespace game
