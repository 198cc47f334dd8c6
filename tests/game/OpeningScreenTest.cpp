#include "game/OpeningScreen.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "assets/Assets.h"
#include "media/SurfaceCanvas.h"
#include "tests/support/HeadlessGame.h"
#include "tests/support/SurfacePixels.h"

namespace {

using namespace game;
using testsupport::region;

constexpr media::TRect Screen{0, 0, 800, 600};

class OpeningScreenTest : public ::testing::Test {
  protected:
    void drawSpiral(std::int32_t phaseClock) {
        game.surface().Fill(0);
        drawOpeningSpiral(phaseClock, game.surface(), game.pictures());
    }

    // The logo at each point, in order, on black.
    std::vector<std::uint8_t> logosAt(const std::vector<std::pair<int, int>>& points) {
        auto expected = game.scratch();
        for (const auto& [x, y] : points) {
            game.pictures().Items(assets::LogoPicture).Draw(*expected, x, y, 0);
        }
        return region(*expected, Screen);
    }

    testsupport::HeadlessGame game;
};

TEST_F(OpeningScreenTest, At256OnlyTheFirstRingShowsAtTheBottom) {
    drawSpiral(256);
    EXPECT_EQ(region(game.surface(), Screen), logosAt({{325, 540}}));
}

TEST_F(OpeningScreenTest, BelowZeroEveryCopyLiesOnTheCentre) {
    for (std::int32_t phaseClock : {-1, -150}) {
        drawSpiral(phaseClock);
        EXPECT_EQ(region(game.surface(), Screen), logosAt({{325, 284}})) << phaseClock;
    }
}

// At 64 the arms turn by quarter turns: arm i points right, up, left or down for
// (i + 1) x 64, and ring k lies 64 k out.
TEST_F(OpeningScreenTest, At64TheArmsPointByQuarterTurns) {
    const std::pair<int, int> directions[] = {{1, 0}, {0, -1}, {-1, 0}, {0, 1}};
    std::vector<std::pair<int, int>> points;
    for (int arm = 0; arm <= 10; ++arm) {
        const auto [dx, dy] = directions[arm % 4];
        for (int ring = 1; ring <= 11; ++ring) {
            points.emplace_back(325 + dx * 64 * ring, 284 + dy * 64 * ring);
        }
    }
    drawSpiral(64);
    EXPECT_EQ(region(game.surface(), Screen), logosAt(points));
}

TEST_F(OpeningScreenTest, TheCreditLineIsYellowCentredUnderTheLogoOnceBelowZero) {
    game.surface().Fill(0);
    drawProducerCredit(0, game.surface());
    EXPECT_FALSE(testsupport::inkBounds(game.surface(), Screen, 0));

    drawProducerCredit(-1, game.surface());
    EXPECT_FALSE(game.surface().Locked());
    auto expected = game.scratch();
    media::TSurfaceCanvas& canvas = expected->Canvas();
    canvas.Font.Size = 24;
    canvas.Font.Color = 0x0000FFFF;
    canvas.Brush.SetStyle(media::bsClear);
    canvas.TextOut(400 - canvas.TextWidth(ProducerCredit) / 2, 320, ProducerCredit);
    canvas.Release();
    EXPECT_EQ(region(game.surface(), Screen), region(*expected, Screen));
}

}  // namespace
