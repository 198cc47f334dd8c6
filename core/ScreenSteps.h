#pragma once
// What the screens change and draw at random each frame, apart from their drawing: the best-ten
// rows' drift, the low-life pulse and the random colours. The drawing reads the results.

#include <cstdint>

#include "core/GameGlobals.h"

namespace core {

// Empty cells pulse while life is below this and the game runs.
inline constexpr std::int32_t LowLife = 21;
// A row of the best-ten board that drifts further than this snaps back to its place.
inline constexpr float DriftLimit = 20;

// The title's colour draw.
void stepTitleScreen(GameGlobals& g);

// Each row drifts (one draw a row, top to bottom), then the footer's colour draw.
void stepBestTenScreen(GameGlobals& g);

// Advances the pulse by the frame's play time; once the game is over, the banner's colour draws.
void stepPlayScreen(GameGlobals& g, std::int32_t lagCount);

}  // namespace core
