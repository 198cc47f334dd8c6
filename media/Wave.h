#pragma once
// A recorded sound: its format block and its sample bytes, as the sound list stores them.

#include <cstdint>
#include <span>
#include <vector>

namespace media {

class TWave {
  public:
    // Format tag of uncompressed PCM.
    static constexpr int PcmFormatTag = 1;

    // The empty wave.
    TWave() = default;
    TWave(std::vector<std::uint8_t> format, std::vector<std::uint8_t> samples);

    // The stored RIFF WAVE image. Reading throws EWaveStreamError when the head is not RIFF/WAVE
    // or a chunk is cut off; a missing "data" chunk gives no samples.
    static TWave readImage(std::span<const std::uint8_t> image);

    bool empty() const { return samples_.empty(); }
    const std::vector<std::uint8_t>& format() const { return format_; }
    const std::vector<std::uint8_t>& samples() const { return samples_; }

    // Fields of the PCM format record; 0 when the format block is too short to hold them.
    int formatTag() const;
    int channels() const;
    std::uint32_t sampleRate() const;
    std::uint32_t averageBytesPerSecond() const;
    int blockAlign() const;
    int bitsPerSample() const;

  private:
    std::uint32_t formatField(std::size_t offset, std::size_t size) const;

    std::vector<std::uint8_t> format_;
    std::vector<std::uint8_t> samples_;
};

}  // namespace media
