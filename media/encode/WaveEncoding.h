#pragma once
// Making sounds and writing them in the stored RIFF WAVE form that TWave reads: done by the asset
// generator and the tests, never by the game.

#include <cstdint>
#include <span>
#include <vector>

#include "media/Wave.h"

namespace media {

// Mono PCM: 8-bit samples unsigned, 16-bit samples signed little-endian. Throws
// std::invalid_argument for a rate of 0, a sample size that is not whole bytes up to 32 bits,
// or bytes that do not fill whole samples.
TWave monoPcmWave(std::uint32_t sampleRate, int bitsPerSample,
                  std::span<const std::uint8_t> sampleBytes);
TWave monoPcmWave16(std::uint32_t sampleRate, std::span<const std::int16_t> samples);

// Nothing at all when the format block or the samples are empty.
std::vector<std::uint8_t> encodeWaveImage(const TWave& wave);

}  // namespace media
