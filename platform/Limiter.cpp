#include "platform/Limiter.h"

#include <algorithm>
#include <cmath>

namespace platform {

Limiter::Limiter(int sampleRate, int channels)
    : channels_(static_cast<std::size_t>(std::max(channels, 1))),
      release_(1.0F - std::exp(-1.0F / (ReleaseSeconds * static_cast<float>(sampleRate)))) {}

void Limiter::process(std::span<float> samples) {
    for (std::size_t frame = 0; frame + channels_ <= samples.size(); frame += channels_) {
        const auto values = samples.subspan(frame, channels_);
        float peak = 0.0F;
        for (const float value : values) {
            peak = std::max(peak, std::fabs(value));
        }
        gain_ += (1.0F - gain_) * release_;
        if (peak * gain_ > Ceiling) {
            gain_ = Ceiling / peak;
        }
        for (float& value : values) {
            value *= gain_;
        }
    }
}

}  // namespace platform
