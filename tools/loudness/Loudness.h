#pragma once
// How loud a sound is, in one number that both levels the stored sounds and checks them.

#include <span>

namespace loudness {

// The sound's loudness in dB below full scale (samples in -1..1): the mean power of its 50 ms
// blocks, leaving out the blocks more than 20 dB below the loudest, so that pauses and tails do
// not make a sound quieter. Throws std::invalid_argument for a silent or empty sound.
double loudnessOf(std::span<const double> values, int rate);

}  // namespace loudness
