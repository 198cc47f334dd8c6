// The screens as the game window's frames draw them.

#include <gtest/gtest.h>

#include <stdexcept>

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
    drawOpeningSpiral(64, *expected, game.pictures());
    drawProducerCredit(-36, *expected);
    EXPECT_EQ(region(game.surface(), Screen), region(*expected, Screen));
}

}  // namespace
