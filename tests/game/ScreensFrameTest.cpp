// The screens as the game window's frames draw them.

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "game/OpeningScreen.h"
#include "game/ScopedCanvas.h"
#include "media/GlyphCache.h"
#include "media/Palette.h"
#include "tests/support/HeadlessGame.h"
#include "tests/support/SurfacePixels.h"

namespace {

using namespace game;
using testsupport::region;

constexpr media::TRect Screen{0, 0, 800, 600};
namespace vk = platform::vk;

TEST(ScopedCanvas, GivesTheSurfaceBackAlsoWhenDrawingFails) {
    media::Palette palette;
    media::GlyphCache glyphs;
    media::TSurface surface(20, 20, palette, glyphs);
    try {
        ScopedCanvas canvas(surface);
        canvas->RoundRect(0, 0, 10, 10, 2, 2);
        ASSERT_TRUE(surface.Locked());
        throw std::runtime_error("drawing failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_FALSE(surface.Locked());
    EXPECT_TRUE(surface.Fill(3));
}

// The spiral still uses the countdown from before the frame; the credit line the new value.
TEST(ScreensFrame, TheFrameThatPassesZeroShowsTheLastSpiralAndTheCredit) {
    testsupport::HeadlessGame game;
    game.frame();
    game.g.PhaseClock = 64;
    game.frame(1000);
    ASSERT_EQ(game.g.PhaseClock, -36);

    auto expected = game.scratch();
    DrawOpeningSpiral(64, *expected, game.pictures());
    DrawProducerCredit(-36, *expected);
    EXPECT_EQ(region(game.surface(), Screen), region(*expected, Screen));
}

// Every frame of one seed and one script of keys, through every screen.
std::vector<std::vector<std::uint8_t>> playThrough() {
    testsupport::HeadlessGame game({12, 34, 56, 789});
    std::vector<std::vector<std::uint8_t>> frames;
    auto frame = [&](std::uint32_t lag) {
        game.frame(lag);
        EXPECT_FALSE(game.surface().Locked());
        frames.push_back(region(game.surface(), Screen));
    };
    for (int i = 0; i < 30; ++i) {
        frame(16);  // the opening
    }
    game.press(vk::Space);
    frame(16);
    frame(16);  // the title
    game.press(vk::Return);
    frame(16);
    frame(16);  // the best-ten board
    game.press(vk::Return);
    game.press(vk::Space);
    for (int i = 0; i < 150; ++i) {
        frame(16);  // the curtain, then play
    }
    game.press(vk::F1, {false, true, false});
    for (int i = 0; i < 70; ++i) {
        frame(1000);  // five time-outs end the game
    }
    EXPECT_EQ(game.g.GameOverPhase, 2);
    return frames;
}

TEST(ScreensFrame, AReplayedScriptGivesTheSameFrames) {
    const auto first = playThrough();
    const auto second = playThrough();
    ASSERT_EQ(first.size(), second.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        ASSERT_EQ(first[i], second[i]) << "frame " << i;
    }
}

}  // namespace
