#include "media/encode/WaveEncoding.h"

#include "media/WaveStream.h"

namespace media {

std::vector<std::uint8_t> encodeWaveImage(const TWave& wave) {
    if (wave.format().empty() || wave.samples().empty()) {
        return {};
    }
    TWaveStream stream;
    stream.openWrite(wave.format());
    stream.write(wave.samples());
    return stream.close();
}

}  // namespace media
