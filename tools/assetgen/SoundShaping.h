#pragma once
// The last steps every sound takes: exact length, level, click-free ends, stored samples.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "tools/assetgen/Tone.h"

namespace assetgen {

// Cuts or pads with silence to exactly count samples.
void fitLength(Samples& sound, std::size_t count);
// Scales to the loudness in dB below full scale, then down further should a sample then peak
// above -1 dBFS.
void normaliseLoudness(Samples& sound, double decibels);
// Raised-cosine fades over the given seconds at both ends; the last sample becomes 0.
void fadeEdges(Samples& sound, double fadeIn, double fadeOut);
// All three, as every stored sound needs: one loudness for all, peaks at -1 dBFS at most, no
// clicks at its ends.
void finishSound(Samples& sound, std::size_t count);

// 16-bit samples signed little-endian, 8-bit samples unsigned.
std::vector<std::uint8_t> encodePcm(const Samples& sound, int bitsPerSample);

}  // namespace assetgen
