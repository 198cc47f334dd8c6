#include "media/encode/WaveEncoding.h"

#include <stdexcept>

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

TWave monoPcmWave(std::uint32_t sampleRate, int bitsPerSample,
                  std::span<const std::uint8_t> sampleBytes) {
    std::vector<std::uint8_t> format = monoPcmFormat(sampleRate, bitsPerSample);
    if (sampleBytes.size() % (bitsPerSample / 8) != 0) {
        throw std::invalid_argument("sample bytes do not fill whole samples");
    }
    return {std::move(format), {sampleBytes.begin(), sampleBytes.end()}};
}

TWave monoPcmWave16(std::uint32_t sampleRate, std::span<const std::int16_t> samples) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(samples.size() * 2);
    LittleEndianWriter out(bytes);
    for (std::int16_t sample : samples) {
        out.u16(static_cast<std::uint16_t>(sample));
    }
    return monoPcmWave(sampleRate, 16, bytes);
}

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
