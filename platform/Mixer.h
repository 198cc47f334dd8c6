#pragma once
// The sound mixer over SDL2_mixer: the opened audio device, samples converted once to its
// format, and channels that each play one of them with their own position, volume and panning.

#include <cstdint>
#include <memory>
#include <span>
#include <stdexcept>
#include <vector>

struct Mix_Chunk;

namespace platform {

// The audio device cannot be opened (no driver, no device, or the mixer is already open).
struct MixerUnavailable : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The mixer cannot take samples of this format.
struct MixerFormatRefused : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Uncompressed PCM as a wave's format record describes it.
struct PcmFormat {
    int formatTag = 0;  // 1 = PCM
    int channels = 0;
    std::uint32_t sampleRate = 0;
    int bitsPerSample = 0;  // 8 unsigned, 16 or 32 signed little-endian
};

// Samples in the device's format, shared by every channel that plays them.
class MixerChunk {
  public:
    ~MixerChunk();
    MixerChunk(const MixerChunk&) = delete;
    MixerChunk& operator=(const MixerChunk&) = delete;

    // Sample frames at the device's rate.
    std::size_t frameCount() const { return samples_.size() / frameBytes_; }

  private:
    friend class Mixer;
    friend class MixerChannel;
    MixerChunk(std::vector<std::uint8_t> samples, std::size_t frameBytes);

    std::vector<std::uint8_t> samples_;
    std::size_t frameBytes_;
    std::unique_ptr<Mix_Chunk> chunk_;
};

class MixerChannel;

class Mixer {
  public:
    // Frames the device mixes at a time: small, so that a sound starts within a few ms.
    static constexpr int ChunkFrames = 1024;
    // Rates outside this range are refused: a corrupt rate would blow the conversion up.
    static constexpr std::uint32_t MinSampleRate = 100;
    static constexpr std::uint32_t MaxSampleRate = 200000;

    // Opens the default audio device. Throws MixerUnavailable.
    Mixer();
    ~Mixer();
    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;

    int outputRate() const { return rate_; }
    // The loudness of everything the mixer plays, 0 (silent) to 100 (as the sounds are).
    void setMasterVolume(int percent);
    int masterVolume() const;

    // Converts the samples once; a trailing part frame is dropped. Throws MixerFormatRefused.
    std::shared_ptr<const MixerChunk> makeChunk(const PcmFormat& format,
                                                std::span<const std::uint8_t> samples) const;
    // A channel of its own, silent until it plays; it may outlive the mixer, then doing nothing.
    MixerChannel openChannel();

    struct ChannelPool;

  private:
    struct Device;

    std::unique_ptr<Device> device_;
    std::shared_ptr<ChannelPool> pool_;
    int rate_ = 0;
    std::uint16_t format_ = 0;
    int channels_ = 0;
};

class MixerChannel {
  public:
    static constexpr int MaxVolume = 128;

    ~MixerChannel();
    MixerChannel(MixerChannel&& other) noexcept;
    MixerChannel& operator=(MixerChannel&& other) noexcept;
    MixerChannel(const MixerChannel&) = delete;
    MixerChannel& operator=(const MixerChannel&) = delete;

    bool playing() const;
    // From the first frame, once or looping; a sound still playing on the channel is cut.
    // False when the mixer refused.
    bool play(std::shared_ptr<const MixerChunk> chunk, bool looping);
    void stop();
    // 0 to MaxVolume.
    void setVolume(int volume);
    // Loudness of each side, 0 to 255; false when the device cannot pan.
    bool setPanning(std::uint8_t left, std::uint8_t right);

  private:
    friend class Mixer;
    MixerChannel(std::shared_ptr<Mixer::ChannelPool> pool, int number);
    bool open() const;
    void release();

    std::shared_ptr<Mixer::ChannelPool> pool_;
    int number_ = -1;
    std::shared_ptr<const MixerChunk> chunk_;
};

}  // namespace platform
