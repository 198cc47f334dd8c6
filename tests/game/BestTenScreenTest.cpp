#include "game/BestTenScreen.h"

#include "core/ScreenSteps.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "assets/Assets.h"
#include "game/BestTenStore.h"
#include "game/PlayScreen.h"
#include "media/SurfaceCanvas.h"
#include "tests/support/HeadlessGame.h"
#include "tests/support/RandomControl.h"
#include "tests/support/SurfacePixels.h"

namespace {

using namespace game;
using testsupport::countIndex;
using testsupport::region;
using testsupport::tileRect;

constexpr std::uint32_t Blue = 0x00FF0000;

class BestTenScreenTest : public ::testing::Test {
  protected:
    // The default table over still rows.
    void SetUp() override {
        core::fillDefaultBestTen(g);
        g.RowVelocity.fill(0);
        g.RowOffset.fill(0);
    }

    void draw() {
        game.surface().Fill(0);
        core::stepBestTenScreen(g);
        drawBestTen(g, game.surface(), game.pictures());
    }

    std::vector<std::uint8_t> patternTile(int pattern) {
        auto scratch = game.scratch();
        game.pictures().Items(assets::BlockPicture).Draw(*scratch, 0, 0, pattern);
        return region(*scratch, tileRect(0, 0));
    }

    int textWidth(const std::string& text) {
        media::TSurfaceCanvas& canvas = game.surface().Canvas();
        canvas.Font.Size = 24;
        const int width = canvas.TextWidth(text);
        canvas.Release();
        return width;
    }

    testsupport::HeadlessGame game;
    core::GameGlobals& g = game.g;
};

struct DriftCase {
    float offset, velocity;
    double draw;
    float newOffset, newVelocity;
    int y;  // of row 1's blocks
};

// Row 1 (its block 11 lies between the rank and score columns, clear of text): it moves by
// its velocity, snaps back to 0 beyond 20 either way, and stands at the ceilings.
TEST_F(BestTenScreenTest, RowsDriftSnapBackAndStandAtTheCeilings) {
    const DriftCase cases[] = {
        {19, 3, 0.75, 0, 3.25f, 107},          // 22 snaps back instead of stopping at 20
        {-19.5f, -1, 0.5, 0, -1, 102},         // -20.5 too
        {20, 0, 0.25, 20, -0.25f, 103},        // 20 itself stays; ceil(-0.25) = 0
        {-0.5f, 0, 0.25, -0.5f, -0.25f, 103},  // ceil(-0.5) = 0
        {0.2f, 19.9f, 0.75, 0, 0, 103},        // 20.1 snaps; velocity 20.15 becomes 0
        {0, -2.5f, 0.25, -2.5f, -2.75f, 101},
    };
    for (const DriftCase& drift : cases) {
        g.RowOffset[0] = drift.offset;
        g.RowVelocity[0] = drift.velocity;
        testsupport::nextRealWillBe(g.Random, drift.draw);
        draw();
        EXPECT_EQ(g.RowOffset[0], drift.newOffset) << drift.offset << " by " << drift.velocity;
        EXPECT_EQ(g.RowVelocity[0], drift.newVelocity) << drift.offset << " by " << drift.velocity;
        const int x = static_cast<int>(std::ceil(drift.newOffset)) + 200;
        EXPECT_EQ(region(game.surface(), tileRect(x, drift.y)), patternTile(1))
            << drift.offset << " by " << drift.velocity;
    }
}

TEST_F(BestTenScreenTest, EachRowTakesOneDrawAndTheFooterOne) {
    core::RandomGenerator copy = g.Random;
    std::vector<float> velocities;
    for (int row = 0; row < 10; ++row) {
        velocities.push_back(static_cast<float>(copy.nextReal() - 0.5));
    }
    const std::uint32_t red = copy.next(100) + 100;
    draw();
    EXPECT_EQ(g.Random.state(), copy.state());
    for (int row = 0; row < 10; ++row) {
        EXPECT_EQ(g.RowVelocity[row], velocities[row]);
    }

    // The blue copy shows its red twin one pixel right and down.
    const std::uint8_t blue = game.indexOf(Blue);
    const std::uint8_t redIndex = game.indexOf(red);
    int bluePixels = 0;
    for (int y = 545; y < 595; ++y) {
        for (int x = 0; x < 799; ++x) {
            if (game.surface().Pixel(x, y) != blue) {
                continue;
            }
            ++bluePixels;
            const std::uint8_t twin = game.surface().Pixel(x + 1, y + 1);
            ASSERT_TRUE(twin == blue || twin == redIndex) << x << ", " << y;
        }
    }
    EXPECT_GT(bluePixels, 300);
    EXPECT_GT(countIndex(game.surface(), {0, 545, 800, 595}, redIndex), 30);
}

// Pass 0's black boxes hide the row behind each number; the grey copy shows beside the green.
TEST_F(BestTenScreenTest, NumbersStandOnBlackBoxesThatHideTheRows) {
    draw();
    const std::uint8_t rowFace = game.indexOf(0x0000FF);  // block 1's face
    const int scoreLeft = 360 - textWidth("5000");
    const media::TRect behindScore{scoreLeft, 103, 360, 123};
    EXPECT_EQ(countIndex(game.surface(), behindScore, rowFace), 0);
    EXPECT_GT(countIndex(game.surface(), behindScore, game.indexOf(0x808080)), 10);
    EXPECT_GT(countIndex(game.surface(), behindScore, game.indexOf(65535 - 110)), 50);
    EXPECT_GT(countIndex(game.surface(), {200, 103, 260, 123}, rowFace), 100);
}

TEST_F(BestTenScreenTest, TheCanvasIsLeftClearBlueAndReleased) {
    draw();
    media::TSurfaceCanvas& canvas = game.surface().Canvas();
    EXPECT_FALSE(canvas.HoldsSurface());
    EXPECT_EQ(canvas.Brush.Style(), media::bsClear);
    EXPECT_EQ(canvas.Font.Size, 24);
    EXPECT_EQ(canvas.Font.Color, Blue);
}

}  // namespace
