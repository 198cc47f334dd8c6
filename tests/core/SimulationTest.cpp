// The game driven alone, as a replay's check or the ranking server drives it.

#include "core/Simulation.h"

#include <gtest/gtest.h>

#include <string>

#include "core/PlayRules.h"

namespace core {
namespace {

// The digit of the colour with the most blocks: what a perfect player presses.
std::string bestAnswer(const GameGlobals& g) {
    return {answerKeyOf(colourWithMostBlocks(g))};
}

TEST(SimulationTest, ANewGameBeginsFromItsRandomStateAndUncoversTheBoard) {
    Simulation simulation(12345, defaultBestTen());
    EXPECT_EQ(simulation.step(16), gsNewGame);
    EXPECT_EQ(simulation.state().State, gsCurtain);
    for (int frame = 0; frame < CurtainFrames; ++frame) {
        EXPECT_EQ(simulation.step(16), gsCurtain);
    }
    EXPECT_EQ(simulation.state().State, gsPlay);
    EXPECT_EQ(simulation.state().BestTen, defaultBestTen());
}

TEST(SimulationTest, AnswersBeforeAFrameActLikeKeysTypedBetweenFrames) {
    Simulation typed(99, defaultBestTen());
    Simulation given(99, defaultBestTen());
    for (int frame = 0; frame < 3000 && !typed.resultEntered(); ++frame) {
        const std::string answer = frame % 7 == 0 ? bestAnswer(typed.state()) : "";
        for (const char key : answer) {
            typed.keyPress(key);
        }
        typed.step(17);
        given.step(17, answer);
        ASSERT_EQ(typed.state().Random.state(), given.state().Random.state()) << frame;
        ASSERT_EQ(typed.state().Score, given.state().Score) << frame;
    }
}

TEST(SimulationTest, AGameReachesItsResultOnceAndEntersIt) {
    Simulation simulation(7, defaultBestTen());
    int frame = 0;
    int resultFrames = 0;
    for (; frame < 200000 && resultFrames < 5; ++frame) {
        // Answers well at first, then stops answering, so that the time runs out.
        simulation.step(20, frame < 2000 && frame % 5 == 0 ? bestAnswer(simulation.state()) : "");
        resultFrames += simulation.resultEntered() ? 1 : 0;
    }
    const GameGlobals& g = simulation.state();
    EXPECT_EQ(resultFrames, 5);  // it stays entered; the table took the result once
    EXPECT_GT(g.Level, 10);
    EXPECT_EQ(g.NewRank, 1);
    EXPECT_EQ(g.BestTen[0], (THiScoreEntry{g.Score, g.Level, g.ClearedBlocks}));
    EXPECT_EQ(g.BestTen[1], defaultBestTen()[0]);
}

TEST(SimulationTest, EachScreenTakesItsDrawsInTheFrame) {
    Simulation simulation;
    GameGlobals& g = simulation.state();
    g.State = gsTitle;
    RandomGenerator expected = g.Random;
    simulation.step(16);
    EXPECT_EQ(g.Draws.titleHue, expected.next(255));

    g.State = gsBestTen;
    for (int row = 0; row < 10; ++row) {
        expected.nextReal();
    }
    simulation.step(16);
    EXPECT_EQ(g.Draws.footerRed, expected.next(100) + 100);
    EXPECT_EQ(g.Random.state(), expected.state());

    g.State = gsIntro;
    g.PhaseClock = 40;
    simulation.step(100);
    EXPECT_EQ(g.Draws.spiralClock, 40);  // the spiral stands where the frame began
    EXPECT_EQ(g.PhaseClock, 30);
    EXPECT_EQ(g.Random.state(), expected.state());
}

}  // namespace
}  // namespace core
