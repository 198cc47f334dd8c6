#include "media/Wave.h"

#include <utility>

#include "media/WaveStream.h"

namespace media {

TWave::TWave(std::vector<std::uint8_t> format, std::vector<std::uint8_t> samples)
    : format_(std::move(format)), samples_(std::move(samples)) {}

TWave TWave::readImage(std::span<const std::uint8_t> image) {
    TWaveStream stream;
    stream.openRead(image);
    std::vector<std::uint8_t> samples(stream.dataLength());
    stream.read(samples);
    TWave wave(stream.format(), std::move(samples));
    stream.close();
    return wave;
}

int TWave::formatTag() const {
    return static_cast<int>(formatField(0, 2));
}
int TWave::channels() const {
    return static_cast<int>(formatField(2, 2));
}
std::uint32_t TWave::sampleRate() const {
    return formatField(4, 4);
}
std::uint32_t TWave::averageBytesPerSecond() const {
    return formatField(8, 4);
}
int TWave::blockAlign() const {
    return static_cast<int>(formatField(12, 2));
}
int TWave::bitsPerSample() const {
    return static_cast<int>(formatField(14, 2));
}

std::uint32_t TWave::formatField(std::size_t offset, std::size_t size) const {
    if (offset + size > format_.size()) {
        return 0;
    }
    std::uint32_t value = 0;
    for (std::size_t i = size; i-- > 0;) {
        value = value << 8 | format_[offset + i];
    }
    return value;
}

}  // namespace media
