#pragma once
// A buffer of the sound device: samples held by the mixer and one channel that plays them.
// Copies share the samples and have their own position, state, volume and pan.

#include <memory>

#include "media/Wave.h"
#include "platform/Mixer.h"

namespace media {

class TSoundBuffer {
  public:
    // Volume in hundredths of a decibel: 0 is full, VolumeSilent and below silence.
    static constexpr int VolumeSilent = -10000;
    // Pan in hundredths of a decibel taken off the other side: PanLeft plays only the left.
    static constexpr int PanLeft = -10000;
    static constexpr int PanRight = 10000;

    // The wave's samples played at frequency (0: the wave's own rate). Throws ESoundBufferError
    // when the mixer refuses the format.
    TSoundBuffer(platform::Mixer& mixer, const TWave& wave, int frequency);
    ~TSoundBuffer();
    TSoundBuffer(const TSoundBuffer&) = delete;
    TSoundBuffer& operator=(const TSoundBuffer&) = delete;

    // Replaces the samples of this buffer and of all its copies; a copy that is sounding goes
    // on with the old ones.
    void Load(platform::Mixer& mixer, const TWave& wave, int frequency);
    // A copy sharing the samples, silent until it plays.
    std::unique_ptr<TSoundBuffer> Duplicate(platform::Mixer& mixer) const;

    bool Playing() const;
    void Stop();
    // From the first sample.
    void Play(bool looping);
    void SetVolume(int volume);
    void SetPan(int pan);

  private:
    struct Samples {
        std::shared_ptr<const platform::MixerChunk> chunk;
    };
    TSoundBuffer(std::shared_ptr<Samples> samples, platform::MixerChannel channel);

    std::shared_ptr<Samples> samples_;
    platform::MixerChannel channel_;
    int volume_ = 0;
    int pan_ = 0;
};

}  // namespace media
