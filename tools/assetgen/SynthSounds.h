#pragma once
// The sounds made from tones alone: the logo's chime, the temple-block knock, the game-over
// phrase. Each fills the given number of seconds at the given rate.

#include "tools/assetgen/Tone.h"

namespace assetgen {

// A bright rising arpeggio of bell tones that settles into a shimmering chord.
Samples logoChime(int rate, double seconds);
// One hollow knock on a wooden temple block.
Samples woodKnock(int rate, double seconds);
// A muted horn sliding down four sad steps, the last one wavering away.
Samples gameOverPhrase(int rate, double seconds);

}  // namespace assetgen
