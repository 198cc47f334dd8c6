#pragma once
// Writing sounds in the stored RIFF WAVE form that TWave reads: made by the asset generator and
// the tests, never by the game.

#include <cstdint>
#include <vector>

#include "media/Wave.h"

namespace media {

// Nothing at all when the format block or the samples are empty.
std::vector<std::uint8_t> encodeWaveImage(const TWave& wave);

}  // namespace media
