#include "platform/Mixer.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <string>
#include <utility>

#include "platform/Limiter.h"
#include "platform/QuietAudioBackend.h"

namespace platform {

namespace {

constexpr int DeviceRate = 44100;
constexpr int DeviceChannels = 2;
constexpr int MaxPcmChannels = 8;

// 0 when the mixer cannot take the format.
SDL_AudioFormat sdlFormatOf(const PcmFormat& format) {
    if (format.formatTag != 1 || format.channels < 1 || format.channels > MaxPcmChannels ||
        format.sampleRate < Mixer::MinSampleRate || format.sampleRate > Mixer::MaxSampleRate) {
        return 0;
    }
    switch (format.bitsPerSample) {
        case 8:
            return AUDIO_U8;
        case 16:
            return AUDIO_S16LSB;
        case 32:
            return AUDIO_S32LSB;
        default:
            return 0;
    }
}

std::string sdlError(const char* what) {
    return std::string(what) + ": " + SDL_GetError();
}

// SDL's audio subsystem, held for as long as the mixer is open.
class AudioSubsystem {
  public:
    AudioSubsystem() {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            throw MixerUnavailable(sdlError("no audio"));
        }
    }
    ~AudioSubsystem() { SDL_QuitSubSystem(SDL_INIT_AUDIO); }
    AudioSubsystem(const AudioSubsystem&) = delete;
    AudioSubsystem& operator=(const AudioSubsystem&) = delete;
};

// The mixer's hold on the default device. The mixer is one per process: a second one would
// share its channels, so opening it twice is refused.
class OpenMixer {
  public:
    OpenMixer() {
        if (Mix_QuerySpec(nullptr, nullptr, nullptr) != 0) {
            throw MixerUnavailable("the mixer is already open");
        }
        const QuietAudioBackend quiet;
        // Summed as floats, overlapping sounds go beyond full scale without wrapping or
        // clipping, for the limiter to bring back.
        if (Mix_OpenAudioDevice(DeviceRate, AUDIO_F32SYS, DeviceChannels, Mixer::ChunkFrames,
                                nullptr, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE) != 0) {
            throw MixerUnavailable(sdlError("cannot open the audio device"));
        }
        Mix_AllocateChannels(0);
        int rate = 0;
        int channels = 0;
        Mix_QuerySpec(&rate, nullptr, &channels);
        limiter_ = std::make_unique<Limiter>(rate, channels);
        Mix_SetPostMix(limitMix, limiter_.get());
    }
    ~OpenMixer() {
        Mix_HaltChannel(-1);
        Mix_SetPostMix(nullptr, nullptr);
        Mix_CloseAudio();
    }
    OpenMixer(const OpenMixer&) = delete;
    OpenMixer& operator=(const OpenMixer&) = delete;

  private:
    static void limitMix(void* limiter, Uint8* stream, int length) {
        static_cast<Limiter*>(limiter)->process(
            {reinterpret_cast<float*>(stream), static_cast<std::size_t>(length) / sizeof(float)});
    }

    std::unique_ptr<Limiter> limiter_;
};

}  // namespace

// The opened device: SDL's audio subsystem and the mixer on it.
struct Mixer::Device {
    AudioSubsystem subsystem;
    OpenMixer mixer;
};

// The channels handed out. It outlives a closed mixer, so that channels left over stay inert.
struct Mixer::ChannelPool {
    std::vector<bool> inUse;
    bool open = true;

    int acquire() {
        auto free = std::find(inUse.begin(), inUse.end(), false);
        if (free != inUse.end()) {
            *free = true;
            return static_cast<int>(free - inUse.begin());
        }
        inUse.push_back(true);
        Mix_AllocateChannels(static_cast<int>(inUse.size()));
        return static_cast<int>(inUse.size()) - 1;
    }

    // Back to the state a fresh channel has.
    void release(int number) {
        Mix_HaltChannel(number);
        Mix_UnregisterAllEffects(number);
        Mix_Volume(number, MIX_MAX_VOLUME);
        inUse[number] = false;
    }
};

MixerChunk::MixerChunk(std::vector<std::uint8_t> samples, std::size_t frameBytes)
    : samples_(std::move(samples)), frameBytes_(frameBytes), chunk_(std::make_unique<Mix_Chunk>()) {
    chunk_->allocated = 0;
    chunk_->abuf = samples_.data();
    chunk_->alen = static_cast<Uint32>(samples_.size());
    chunk_->volume = MIX_MAX_VOLUME;
}

MixerChunk::~MixerChunk() = default;

Mixer::Mixer() : device_(std::make_unique<Device>()), pool_(std::make_shared<ChannelPool>()) {
    Mix_QuerySpec(&rate_, &format_, &channels_);
}

Mixer::~Mixer() {
    pool_->open = false;
}

std::shared_ptr<const MixerChunk> Mixer::makeChunk(const PcmFormat& format,
                                                   std::span<const std::uint8_t> samples) const {
    const SDL_AudioFormat source = sdlFormatOf(format);
    SDL_AudioCVT cvt;
    if (source == 0 || SDL_BuildAudioCVT(&cvt, source, static_cast<Uint8>(format.channels),
                                         static_cast<int>(format.sampleRate), format_,
                                         static_cast<Uint8>(channels_), rate_) < 0) {
        throw MixerFormatRefused("the mixer cannot take this sample format");
    }
    const std::size_t sourceFrame = static_cast<std::size_t>(format.channels) *
                                    static_cast<std::size_t>(format.bitsPerSample / 8);
    const std::size_t length = samples.size() - samples.size() % sourceFrame;
    std::vector<std::uint8_t> converted(samples.begin(), samples.begin() + length);
    if (cvt.needed != 0 && length > 0) {
        converted.resize(length * static_cast<std::size_t>(cvt.len_mult));
        cvt.buf = converted.data();
        cvt.len = static_cast<int>(length);
        if (SDL_ConvertAudio(&cvt) != 0) {
            throw MixerFormatRefused(sdlError("conversion failed"));
        }
        converted.resize(static_cast<std::size_t>(cvt.len_cvt));
    }
    const std::size_t outputFrame =
        static_cast<std::size_t>(channels_) * (SDL_AUDIO_BITSIZE(format_) / 8);
    return std::shared_ptr<const MixerChunk>(new MixerChunk(std::move(converted), outputFrame));
}

void Mixer::setMasterVolume(int percent) {
    Mix_MasterVolume(std::clamp(percent, 0, 100) * MIX_MAX_VOLUME / 100);
}

int Mixer::masterVolume() const {
    return (Mix_MasterVolume(-1) * 100 + MIX_MAX_VOLUME / 2) / MIX_MAX_VOLUME;
}

MixerChannel Mixer::openChannel() {
    return MixerChannel(pool_, pool_->acquire());
}

MixerChannel::MixerChannel(std::shared_ptr<Mixer::ChannelPool> pool, int number)
    : pool_(std::move(pool)), number_(number) {}

MixerChannel::~MixerChannel() {
    release();
}

MixerChannel::MixerChannel(MixerChannel&& other) noexcept
    : pool_(std::move(other.pool_)),
      number_(std::exchange(other.number_, -1)),
      chunk_(std::move(other.chunk_)) {}

MixerChannel& MixerChannel::operator=(MixerChannel&& other) noexcept {
    if (this != &other) {
        release();
        pool_ = std::move(other.pool_);
        number_ = std::exchange(other.number_, -1);
        chunk_ = std::move(other.chunk_);
    }
    return *this;
}

bool MixerChannel::open() const {
    return pool_ != nullptr && pool_->open && number_ >= 0;
}

void MixerChannel::release() {
    if (open()) {
        pool_->release(number_);
    }
    pool_.reset();
    number_ = -1;
    chunk_.reset();
}

bool MixerChannel::playing() const {
    return open() && Mix_Playing(number_) != 0;
}

bool MixerChannel::play(std::shared_ptr<const MixerChunk> chunk, bool looping) {
    if (!open() || chunk == nullptr) {
        return false;
    }
    Mix_HaltChannel(number_);
    // The mixer only reads the chunk; the channel keeps it alive while it may play it.
    chunk_ = std::move(chunk);
    return Mix_PlayChannel(number_, chunk_->chunk_.get(), looping ? -1 : 0) != -1;
}

void MixerChannel::stop() {
    if (open()) {
        Mix_HaltChannel(number_);
    }
}

void MixerChannel::setVolume(int volume) {
    if (open()) {
        Mix_Volume(number_, std::clamp(volume, 0, MaxVolume));
    }
}

bool MixerChannel::setPanning(std::uint8_t left, std::uint8_t right) {
    return open() && Mix_SetPanning(number_, left, right) != 0;
}

}  // namespace platform
