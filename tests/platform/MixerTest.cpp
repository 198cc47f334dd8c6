#include "platform/Mixer.h"

#include <gtest/gtest.h>

#include <cstdlib>
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

}  // namespace
