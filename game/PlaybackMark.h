#pragma once
// The mark on the panel that tells a recorded game from a live one.

#include <string>

#include "game/ReplayPlayback.h"
#include "media/Surface.h"

namespace game {

// "REPLAY", with its speed or PAUSE, for a watched game; "DEMO" for the title's.
std::string playbackMarkOf(const ReplayPlayback& playback, bool demo);

void drawPlaybackMark(media::TSurface& surface, const std::string& mark);

}  // namespace game
