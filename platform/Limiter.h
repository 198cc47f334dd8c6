#pragma once
// Keeps a mix of sounds within full scale. Sounds that each peak near full scale add up beyond
// it when they overlap, and a clipped sum crackles; so the mix is summed in floating point and
// its gain drops, from the very sample that needs it, just enough to keep the peak at Ceiling,
// and recovers smoothly once the overlap has passed. A mix below Ceiling passes unchanged.

#include <cstddef>
#include <span>

namespace platform {

class Limiter {
  public:
    // The highest magnitude let through: -1 dBFS, room for the device's own conversion.
    static constexpr float Ceiling = 0.891F;
    // The time the gain takes to come back most of the way (1 - 1/e) after a loud overlap.
    static constexpr float ReleaseSeconds = 0.1F;

    Limiter(int sampleRate, int channels);

    // Interleaved frames of `channels` samples, in place.
    void process(std::span<float> samples);

  private:
    std::size_t channels_;
    float release_;  // the share of the distance to full gain regained per frame
    float gain_ = 1.0F;
};

}  // namespace platform
