#pragma once
// The frame steps of the opening's states that the loop itself owns.

#include <cstdint>

#include "core/GameGlobals.h"

namespace core {

inline constexpr std::int32_t IntroStartClock = 256;
inline constexpr std::int32_t IntroEndClock = -200;

// Sets up the opening and seeds the drift of the best-ten board's rows.
void stepIntroInit(GameGlobals& g);

// The opening's countdown, run after the spiral is drawn: the cue sound once the logo has
// closed, and the title once the pause is over.
void stepIntroCountdown(GameGlobals& g, std::int32_t lagCount);

}  // namespace core
