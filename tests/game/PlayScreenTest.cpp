#include "game/PlayScreen.h"

#include "core/ScreenSteps.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "assets/Assets.h"
#include "core/PlayRules.h"
#include "media/SurfaceCanvas.h"
#include "tests/support/HeadlessGame.h"
#include "tests/support/SurfacePixels.h"

namespace {

using namespace game;
using testsupport::countIndex;
using testsupport::inkBounds;
using testsupport::region;
using testsupport::tileRect;

constexpr std::uint8_t PlayFill = 4;
constexpr std::uint32_t Aqua = 0xFFFF00;
constexpr std::uint32_t White = 0xFFFFFF;
constexpr std::uint32_t Black = 0;

class PlayScreenTest : public ::testing::Test {
  protected:
    // A game just uncovered: empty board, full time and life.
    void SetUp() override {
        core::stepNewGame(g);
        g.Board.fill(0);
        g.State = core::gsPlay;
    }

    void draw(std::int32_t lag = 16) {
        game.surface().Fill(PlayFill);
        core::stepPlayScreen(g, lag);
        drawPlay(g, game.surface(), game.pictures(), lag);
    }

    std::vector<std::uint8_t> patternTile(int pattern) {
        auto scratch = game.scratch();
        game.pictures().Items(assets::BlockPicture).Draw(*scratch, 0, 0, pattern);
        return region(*scratch, tileRect(0, 0));
    }

    // The block pattern a cell shows, or -1.
    int shownPattern(int column, int row) {
        const auto shown = region(game.surface(), tileRect(column * 20, row * 20));
        for (int pattern = 0; pattern < 18; ++pattern) {
            if (shown == patternTile(pattern)) {
                return pattern;
            }
        }
        return -1;
    }

    std::uint8_t pixel(int x, int y) { return game.surface().Pixel(x, y); }

    testsupport::HeadlessGame game;
    core::GameGlobals& g = game.g;
};

TEST_F(PlayScreenTest, EveryCellShowsThePatternOfItsValue) {
    for (int c = 0; c < core::BoardSize; ++c) {
        for (int r = 0; r < core::BoardSize; ++r) {
            g.Board[c * core::BoardSize + r] = static_cast<std::uint8_t>((c + 2 * r) % 12);
        }
    }
    game.surface().Fill(0);
    drawCurtain(g, game.surface(), game.pictures());
    for (int c = 0; c < core::BoardSize; ++c) {
        for (int r = 0; r < core::BoardSize; ++r) {
            ASSERT_EQ(shownPattern(c, r), (c + 2 * r) % 12) << "column " << c << ", row " << r;
        }
    }
    EXPECT_EQ(countIndex(game.surface(), {600, 0, 800, 600}, 0), 200 * 600);
}

TEST_F(PlayScreenTest, EmptyCellsPulseThroughTheRedsOneStepEvery50Ms) {
    g.Life = 20;
    g.Board[0] = 7;
    std::vector<int> shown;
    for (int frame = 0; frame < 20; ++frame) {
        draw(50);
        shown.push_back(shownPattern(1, 1));
        ASSERT_EQ(shownPattern(0, 0), 7);
    }
    const std::vector<int> period{13, 14, 15, 16, 17, 16, 15, 14, 13, 12};
    std::vector<int> twice = period;
    twice.insert(twice.end(), period.begin(), period.end());
    EXPECT_EQ(shown, twice);
}

// A cycle starts when the pulse leaves its darkest red: 50 ms into a game, then every 500 ms,
// in the first frame at or after that time.
TEST_F(PlayScreenTest, PulseCycleTakesHalfASecondAtAnyFrameRate) {
    for (const std::int32_t lag : {7, 16, 33}) {
        SCOPED_TRACE(lag);
        SetUp();
        g.Life = 20;
        std::vector<std::int32_t> cycleStarts;
        std::int32_t previous = g.PulseTile;
        for (std::int32_t elapsed = lag; elapsed <= 3000; elapsed += lag) {
            draw(lag);
            ASSERT_LE(std::abs(g.PulseTile - previous), 1) << "more than one step in a frame";
            if (previous == 12 && g.PulseTile == 13) {
                cycleStarts.push_back(elapsed);
            }
            previous = g.PulseTile;
        }
        ASSERT_EQ(cycleStarts.size(), 6u);
        for (std::size_t k = 0; k < cycleStarts.size(); ++k) {
            const auto due = static_cast<std::int32_t>(50 + 500 * k);
            EXPECT_GE(cycleStarts[k], due);
            EXPECT_LT(cycleStarts[k], due + lag);
        }
    }
}

TEST_F(PlayScreenTest, ALongFrameKeepsThePulseInStep) {
    g.Life = 20;
    draw(5000 * 100 + 120);  // whole cycles, then two steps and 20 ms
    EXPECT_EQ(g.PulseTile, 14);
    EXPECT_EQ(g.PulseClock, 20);
    draw(30);
    EXPECT_EQ(g.PulseTile, 15);
}

TEST_F(PlayScreenTest, NoPulseFromLife21NorAfterTheEnd) {
    g.Life = 21;
    draw(50);
    EXPECT_EQ(shownPattern(1, 1), 0);
    EXPECT_EQ(g.PulseTile, 13);  // advanced all the same

    g.Life = 0;
    g.GameOverPhase = 2;
    draw();
    EXPECT_EQ(shownPattern(1, 1), 0);
}

TEST_F(PlayScreenTest, FullBarsRunFrom620To776InTheirColours) {
    draw();
    for (int y : {354, 439}) {
        EXPECT_EQ(pixel(619, y), PlayFill);
        EXPECT_EQ(pixel(620, y), game.indexOf(Black));  // outline
        EXPECT_EQ(pixel(622, y), game.indexOf(Black));  // inner outline
        EXPECT_EQ(pixel(773, y), game.indexOf(Black));
        EXPECT_EQ(pixel(775, y), game.indexOf(Black));
        EXPECT_EQ(pixel(776, y), PlayFill);
    }
    EXPECT_EQ(pixel(621, 354), game.indexOf(Aqua));
    EXPECT_EQ(pixel(774, 354), game.indexOf(Aqua));
    EXPECT_EQ(pixel(700, 354), game.indexOf(12000 * 5));  // light green
    EXPECT_EQ(pixel(621, 439), game.indexOf(White));
    EXPECT_EQ(pixel(774, 439), game.indexOf(White));
    EXPECT_EQ(pixel(700, 439), game.indexOf(100 * 255));  // brownish orange
}

TEST_F(PlayScreenTest, NearlyEmptyBarsKeepTheirLeftEnd) {
    g.TimeLeft = 1;  // 1 pixel
    g.Life = 5;      // ceil(7.8) = 8 pixels
    draw();
    EXPECT_EQ(pixel(620, 349), game.indexOf(Black));
    EXPECT_EQ(pixel(621, 349), PlayFill);
    EXPECT_EQ(pixel(622, 354), PlayFill);

    EXPECT_EQ(pixel(623, 439), game.indexOf(5 * 255));  // nearly pure red
    EXPECT_EQ(pixel(626, 439), game.indexOf(White));
    EXPECT_EQ(pixel(627, 439), game.indexOf(Black));
    EXPECT_EQ(pixel(628, 439), PlayFill);
}

TEST_F(PlayScreenTest, NumbersEndAt780HoweverWide) {
    const media::TRect scoreRows{600, 32, 800, 70};
    g.Score = 7;
    draw();
    const auto narrow = inkBounds(game.surface(), scoreRows, PlayFill);
    g.Score = 2147483647;
    draw();
    const auto wide = inkBounds(game.surface(), scoreRows, PlayFill);
    ASSERT_TRUE(narrow && wide);
    EXPECT_EQ(wide->Right, narrow->Right);
    EXPECT_LE(narrow->Right, 780);
    EXPECT_GT(narrow->Right, 770);
    EXPECT_LT(wide->Left, 620);
}

TEST_F(PlayScreenTest, ReducedFlashingShowsLowLifeAsASteadyFrameInsteadOfThePulse) {
    const std::uint8_t red = game.indexOf(0x0000FF);
    for (const std::int32_t life : {20, 21}) {
        g.Life = life;
        for (int frame = 0; frame < 3; ++frame) {
            game.surface().Fill(PlayFill);
            core::stepPlayScreen(g, 50);
            drawPlay(g, game.surface(), game.pictures(), 50, LowLifeWarning::SteadyFrame);
            EXPECT_EQ(shownPattern(1, 1), 0);
            EXPECT_EQ(pixel(2, 300) == red && pixel(597, 2) == red, life == 20) << life;
            EXPECT_NE(pixel(3, 300), red);
        }
    }
}

// No block shows in a pause, only "PAUSE"; the panel stays as it was.
TEST_F(PlayScreenTest, APauseHidesTheBoardButNotThePanel) {
    const media::TRect board{0, 0, 600, 600};
    const media::TRect panel{600, 0, 800, 600};
    auto paused = [this, &board] {
        game.surface().Fill(PlayFill);
        drawPausedPlay(g, game.surface());
        return region(game.surface(), board);
    };
    const auto emptyBoard = paused();
    g.Board.fill(3);
    draw();
    const auto panelBefore = region(game.surface(), panel);
    EXPECT_EQ(paused(), emptyBoard);
    EXPECT_TRUE(inkBounds(game.surface(), {0, 200, 600, 300}, PlayFill));
    EXPECT_EQ(region(game.surface(), panel), panelBefore);
}

class GameOverBannerTest : public PlayScreenTest {
  protected:
    void SetUp() override {
        PlayScreenTest::SetUp();
        g.Life = 0;
        g.GameOverPhase = 2;
    }

    // The banner's draws in their order: the title's red, then two greens of two draws each.
    struct Colours {
        std::uint32_t red, rankShadow, push;
    };
    Colours expectedColours() {
        core::RandomGenerator copy = g.Random;
        Colours colours{};
        colours.red = 0x000100EC + copy.next(20);
        for (std::uint32_t* green : {&colours.rankShadow, &colours.push}) {
            const std::uint32_t a = copy.next(20);
            const std::uint32_t b = copy.next(20);
            *green = 0x0001EC00 + 255 * a + b;
        }
        drawsAfter = copy.state();
        return colours;
    }

    const media::TRect rankRows{0, 290, 600, 360};
    std::uint32_t drawsAfter = 0;
};

TEST_F(GameOverBannerTest, WithoutARankTheBannerHasTitleAndCallOnly) {
    const Colours colours = expectedColours();
    draw();
    EXPECT_EQ(g.Random.state(), drawsAfter);
    EXPECT_GT(countIndex(game.surface(), {50, 100, 600, 200}, game.indexOf(colours.red)), 1000);
    EXPECT_FALSE(inkBounds(game.surface(), rankRows, 0));
    EXPECT_GT(countIndex(game.surface(), {80, 420, 600, 470}, game.indexOf(colours.push)), 200);
}

TEST_F(GameOverBannerTest, TheRankLineIsAquaOverItsGreenShadow) {
    g.NewRank = 3;
    const Colours colours = expectedColours();
    draw();
    EXPECT_EQ(g.Random.state(), drawsAfter);

    auto expected = game.scratch();
    media::TSurfaceCanvas& canvas = expected->Canvas();
    canvas.Brush.SetStyle(media::bsClear);
    canvas.Font.Size = 32;
    canvas.Font.Color = colours.rankShadow;
    canvas.TextOut(81, 299, "歴代 3位 ハイスコア！！");
    canvas.Font.Color = Aqua;
    canvas.TextOut(80, 300, "歴代 3位 ハイスコア！！");
    canvas.Release();
    EXPECT_EQ(region(game.surface(), rankRows), region(*expected, rankRows));
}

TEST_F(PlayScreenTest, DebugOverlayShowsCountsFramesPerSecondAndLuckyColour) {
    g.ShowDebugInfo = 1;
    g.ColorCounts[3] = 12;
    g.LuckyColor = 2;
    for (const auto& [lag, perSecond] : {std::pair{17, "58"}, std::pair{1, "1000"}}) {
        draw(lag);
        EXPECT_FALSE(game.surface().Locked());

        auto expected = game.scratch();
        media::TSurfaceCanvas& canvas = expected->Canvas();
        canvas.Brush.SetStyle(media::bsClear);
        canvas.Font.Size = 28;
        canvas.Font.Color = White;
        for (int colour = 1; colour <= 10; ++colour) {
            canvas.TextOut(0, 32 * colour,
                           std::to_string(colour) + " " + std::to_string(g.ColorCounts[colour]));
        }
        canvas.TextOut(0, 432, perSecond);
        canvas.TextOut(0, 480, "2");
        canvas.Release();
        const media::TRect board{0, 0, 600, 600};
        EXPECT_EQ(region(game.surface(), board), region(*expected, board)) << "lag " << lag;
    }
}

}  // namespace
