#include "game/TitleScreen.h"

#include "core/ScreenSteps.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/support/HeadlessGame.h"
#include "tests/support/RandomControl.h"
#include "tests/support/SurfacePixels.h"

namespace {

using namespace game;
using testsupport::countIndex;
using testsupport::inkBounds;

class TitleScreenTest : public ::testing::Test {
  protected:
    void draw() {
        game.surface().Fill(0);
        core::stepTitleScreen(g);
        drawTitle(g, game.surface(), game.pictures());
    }

    testsupport::HeadlessGame game;
    core::GameGlobals& g = game.g;
};

TEST_F(TitleScreenTest, TheMenuLinesShareTheLeftEdgeOfTheFirstCentredOn320) {
    draw();
    EXPECT_FALSE(game.surface().Locked());
    const auto first = inkBounds(game.surface(), {0, 380, 800, 415}, 0);
    const auto second = inkBounds(game.surface(), {0, 420, 800, 455}, 0);
    const auto third = inkBounds(game.surface(), {0, 460, 800, 495}, 0);
    ASSERT_TRUE(first && second && third);
    EXPECT_EQ(second->Left, first->Left);
    EXPECT_EQ(third->Left, first->Left);
    EXPECT_GT(second->Right, first->Right);
    EXPECT_LE(std::abs((first->Left + first->Right) / 2 - 320), 3);
}

TEST_F(TitleScreenTest, TheCallToStartTakesOneDrawAndIsBlackWhenItIsZero) {
    const media::TRect callRows{0, 280, 800, 330};
    testsupport::nextWillBe(g.Random, 1, 255);
    core::RandomGenerator copy = g.Random;
    copy.next(255);
    draw();
    EXPECT_EQ(g.Random.state(), copy.state());
    EXPECT_GT(countIndex(game.surface(), callRows, game.indexOf(0x0000FFFF)), 300);  // yellow

    testsupport::nextWillBe(g.Random, 0, 255);
    draw();
    EXPECT_FALSE(inkBounds(game.surface(), callRows, 0));
}

}  // namespace
