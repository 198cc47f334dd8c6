#include "media/SoundBuffer.h"

#include <algorithm>
#include <cmath>

#include "media/MediaError.h"
#include "media/MediaMessages.h"

namespace media {

namespace {

// Hundredths of a decibel as a factor of loudness.
double gainOf(int hundredthsOfDecibel) {
    return std::pow(10.0, hundredthsOfDecibel / 2000.0);
}

std::uint8_t sideLoudness(int attenuation) {
    return static_cast<std::uint8_t>(std::lround(255 * gainOf(-std::max(attenuation, 0))));
}

std::shared_ptr<const platform::MixerChunk> chunkOf(platform::Mixer& mixer, const TWave& wave,
                                                    int frequency) {
    platform::PcmFormat format{wave.formatTag(), wave.channels(), wave.sampleRate(),
                               wave.bitsPerSample()};
    if (frequency > 0) {
        format.sampleRate = static_cast<std::uint32_t>(frequency);
    }
    try {
        return mixer.makeChunk(format, wave.samples());
    } catch (const platform::MixerFormatRefused&) {
        throw ESoundBufferError(formatText(messages::CannotCreate, messages::SoundBufferName));
    }
}

}  // namespace

TSoundBuffer::TSoundBuffer(platform::Mixer& mixer, const TWave& wave, int frequency)
    : TSoundBuffer(std::make_shared<Samples>(Samples{chunkOf(mixer, wave, frequency)}),
                   mixer.openChannel()) {}

TSoundBuffer::TSoundBuffer(std::shared_ptr<Samples> samples, platform::MixerChannel channel)
    : samples_(std::move(samples)), channel_(std::move(channel)) {}

TSoundBuffer::~TSoundBuffer() = default;

void TSoundBuffer::Load(platform::Mixer& mixer, const TWave& wave, int frequency) {
    samples_->chunk = chunkOf(mixer, wave, frequency);
}

std::unique_ptr<TSoundBuffer> TSoundBuffer::Duplicate(platform::Mixer& mixer) const {
    return std::unique_ptr<TSoundBuffer>(new TSoundBuffer(samples_, mixer.openChannel()));
}

bool TSoundBuffer::Playing() const {
    return channel_.playing();
}

void TSoundBuffer::Stop() {
    channel_.stop();
}

void TSoundBuffer::Play(bool looping) {
    // A refusal leaves the buffer silent, as the sound simply does not play.
    channel_.play(samples_->chunk, looping);
}

void TSoundBuffer::SetVolume(int volume) {
    volume = std::clamp(volume, VolumeSilent, 0);
    if (volume == volume_) {
        return;
    }
    volume_ = volume;
    const double gain = volume == VolumeSilent ? 0.0 : gainOf(volume);
    channel_.setVolume(static_cast<int>(std::lround(platform::MixerChannel::MaxVolume * gain)));
}

void TSoundBuffer::SetPan(int pan) {
    pan = std::clamp(pan, PanLeft, PanRight);
    if (pan == pan_) {
        return;
    }
    pan_ = pan;
    // A device that cannot pan plays the sound centred.
    channel_.setPanning(sideLoudness(pan), sideLoudness(-pan));
}

}  // namespace media
