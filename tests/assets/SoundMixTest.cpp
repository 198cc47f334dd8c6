// The worst overlap the game's sounds make, through the real mixer: a cry over ten knocks (the
// refill of the board), all starting together. The mix goes to SDL's disk driver as floats.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "assets/Assets.h"
#include "media/Wave.h"
#include "platform/Mixer.h"

namespace {

namespace fs = std::filesystem;

constexpr int Knock = 5;
constexpr int CorrectCry = 3;
constexpr int WrongCry = 4;

class SoundMix : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
    }
    void TearDown() override {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        unsetenv("SDL_DISKAUDIOFILE");
        fs::remove(output);
    }

    std::shared_ptr<const platform::MixerChunk> chunkOf(platform::Mixer& mixer, int sound) {
        const media::TWave wave = media::TWave::readImage(assets::sound(sound));
        return mixer.makeChunk(platform::PcmFormat{wave.formatTag(), wave.channels(),
                                                   wave.sampleRate(), wave.bitsPerSample()},
                               wave.samples());
    }

    // The device's output, as floats, for the cry and ten knocks started at once.
    std::vector<float> mixOf(int cry) {
        {
            platform::Mixer mixer;
            const auto knock = chunkOf(mixer, Knock);
            std::vector<platform::MixerChannel> channels;
            channels.push_back(mixer.openChannel());
            channels.back().play(chunkOf(mixer, cry), false);
            for (int i = 0; i < 10; ++i) {
                channels.push_back(mixer.openChannel());
                channels.back().play(knock, false);
            }
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
            while (std::any_of(channels.begin(), channels.end(),
                               [](const auto& channel) { return channel.playing(); }) &&
                   std::chrono::steady_clock::now() < deadline) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        }
        std::vector<float> samples(fs::file_size(output) / sizeof(float));
        std::ifstream(output, std::ios::binary)
            .read(reinterpret_cast<char*>(samples.data()),
                  static_cast<std::streamsize>(samples.size() * sizeof(float)));
        return samples;
    }

    const fs::path output =
        fs::temp_directory_path() / ("pudorock-mix-" + std::to_string(::getpid()) + ".raw");
};

TEST_F(SoundMix, ACryOverTenKnocksDoesNotClip) {
    for (const int cry : {CorrectCry, WrongCry}) {
        SCOPED_TRACE(cry);
        std::vector<float> mix;
        try {
            mix = mixOf(cry);
        } catch (const platform::MixerUnavailable& error) {
            GTEST_SKIP() << "no disk audio driver: " << error.what();
        }
        float peak = 0;
        int clipped = 0;
        for (const float value : mix) {
            peak = std::max(peak, std::fabs(value));
            clipped += std::fabs(value) >= 1.0F ? 1 : 0;
        }
        EXPECT_EQ(clipped, 0);
        EXPECT_GT(peak, 0.8F) << "the sounds were mixed at their level";
    }
}

}  // namespace
