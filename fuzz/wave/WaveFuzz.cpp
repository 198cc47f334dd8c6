// Feeds arbitrary bytes to the wave reader; whatever reads must survive a write and re-read.

#include <cstdint>
#include <cstdlib>
#include <span>

#include "media/MediaError.h"
#include "media/Wave.h"
#include "media/encode/WaveEncoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const media::TWave wave = media::TWave::readImage(std::span(data, size));
        const auto image = media::encodeWaveImage(wave);
        if (image.empty()) {
            return 0;
        }
        const media::TWave back = media::TWave::readImage(image);
        if (back.format() != wave.format() || back.samples() != wave.samples()) {
            std::abort();
        }
    } catch (const media::EWaveStreamError&) {
    }
    return 0;
}
