#include "platform/Mixer.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "platform/HeadlessDrivers.h"

namespace {

using platform::Mixer;
using platform::PcmFormat;

class MixerTest : public ::testing::Test {
  protected:
    void SetUp() override { platform::useHeadlessDrivers(); }
};

TEST_F(MixerTest, SamplesAreConvertedOnceToTheDeviceRate) {
    Mixer mixer;
    const std::vector<std::uint8_t> tenthOfASecond(1102 * 2 + 1);  // and a trailing half frame
    const auto chunk = mixer.makeChunk(PcmFormat{1, 1, 11025, 16}, tenthOfASecond);
    EXPECT_NEAR(static_cast<double>(chunk->frameCount()), mixer.outputRate() / 10.0,
                mixer.outputRate() / 500.0);
    const auto eightBit = mixer.makeChunk(PcmFormat{1, 1, 22050, 8}, tenthOfASecond);
    EXPECT_NEAR(static_cast<double>(eightBit->frameCount()), mixer.outputRate() / 10.0,
                mixer.outputRate() / 500.0);
}

TEST_F(MixerTest, FormatsTheMixerCannotTakeAreRefused) {
    Mixer mixer;
    const std::vector<std::uint8_t> samples(64);
    for (const PcmFormat& format :
         {PcmFormat{2, 1, 22050, 16}, PcmFormat{1, 0, 22050, 16}, PcmFormat{1, 1, 22050, 12},
          PcmFormat{1, 1, 50, 16}, PcmFormat{1, 1, 1000000, 16}}) {
        EXPECT_THROW(mixer.makeChunk(format, samples), platform::MixerFormatRefused);
    }
}

TEST_F(MixerTest, ChannelsLeftOverWhenTheMixerClosesDoNothing) {
    auto mixer = std::make_unique<Mixer>();
    const auto chunk =
        mixer->makeChunk(PcmFormat{1, 1, 22050, 16}, std::vector<std::uint8_t>(4410));
    platform::MixerChannel channel = mixer->openChannel();
    channel.play(chunk, true);
    mixer.reset();
    EXPECT_FALSE(channel.playing());
    EXPECT_FALSE(channel.play(chunk, false));
    channel.stop();
}

TEST_F(MixerTest, TheMixerOpensOnceAtATimeAndNotWithoutADriver) {
    {
        Mixer mixer;
        EXPECT_THROW(Mixer(), platform::MixerUnavailable);
    }
    setenv("SDL_AUDIODRIVER", "none-such", 1);
    EXPECT_THROW(Mixer(), platform::MixerUnavailable);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    Mixer again;
}

// Runs `action` with the process's stderr going to a file; what it wrote.
std::string stderrOf(const std::function<void()>& action) {
    std::FILE* capture = std::tmpfile();
    std::fflush(stderr);
    const int saved = ::dup(STDERR_FILENO);
    ::dup2(::fileno(capture), STDERR_FILENO);
    action();
    std::fflush(stderr);
    ::dup2(saved, STDERR_FILENO);
    ::close(saved);
    std::string written;
    std::rewind(capture);
    for (int c; (c = std::fgetc(capture)) != EOF;) {
        written.push_back(static_cast<char>(c));
    }
    std::fclose(capture);
    return written;
}

TEST_F(MixerTest, WithoutASoundCardTheAudioBackendStaysQuiet) {
    // ALSA's default device on a card that no machine has: its library has much to say.
    setenv("SDL_AUDIODRIVER", "alsa", 1);
    setenv("AUDIODEV", "default:CARD=NoSuchCard", 1);
    bool opened = false;
    const std::string written = stderrOf([&] {
        try {
            Mixer mixer;
            opened = true;
        } catch (const platform::MixerUnavailable&) {
        }
    });
    unsetenv("AUDIODEV");
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    if (opened) {
        GTEST_SKIP() << "this machine opened the device after all";
    }
    EXPECT_EQ(written, "");
}

}  // namespace
