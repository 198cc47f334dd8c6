#include "media/Wave.h"

#include <stdexcept>
#include <utility>

#include "media/LittleEndian.h"
#include "media/WaveStream.h"

namespace media {

namespace {

std::vector<std::uint8_t> monoPcmFormat(std::uint32_t sampleRate, int bitsPerSample) {
    if (sampleRate == 0 || bitsPerSample <= 0 || bitsPerSample > 32 || bitsPerSample % 8 != 0) {
        throw std::invalid_argument("unsupported PCM format");
    }
    const int bytesPerSample = bitsPerSample / 8;
    std::vector<std::uint8_t> format;
    LittleEndianWriter out(format);
    out.u16(TWave::PcmFormatTag);
    out.u16(1);
    out.u32(sampleRate);
    out.u32(sampleRate * bytesPerSample);
    out.u16(static_cast<std::uint16_t>(bytesPerSample));
    out.u16(static_cast<std::uint16_t>(bitsPerSample));
    return format;
}

}  // namespace

TWave::TWave(std::vector<std::uint8_t> format, std::vector<std::uint8_t> samples)
    : format_(std::move(format)), samples_(std::move(samples)) {}

TWave::TWave(std::uint32_t sampleRate, int bitsPerSample, std::span<const std::uint8_t> sampleBytes)
    : format_(monoPcmFormat(sampleRate, bitsPerSample)),
      samples_(sampleBytes.begin(), sampleBytes.end()) {
    if (samples_.size() % (bitsPerSample / 8) != 0) {
        throw std::invalid_argument("sample bytes do not fill whole samples");
    }
}

TWave TWave::fromSamples16(std::uint32_t sampleRate, std::span<const std::int16_t> samples) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(samples.size() * 2);
    LittleEndianWriter out(bytes);
    for (std::int16_t sample : samples) {
        out.u16(static_cast<std::uint16_t>(sample));
    }
    return {sampleRate, 16, bytes};
}

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
