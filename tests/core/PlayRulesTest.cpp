// The block field and the play rules.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/BestTen.h"
#include "core/GameGlobals.h"
#include "core/PlayRules.h"

namespace core {
namespace {

int cellIndex(int c, int r) {
    return c * core::BoardSize + r;
}

// Places a block the way the spawner does, keeping the counters right.
void put(core::GameGlobals& g, int c, int r, int colour) {
    ASSERT_EQ(g.Board[cellIndex(c, r)], 0);
    g.Board[cellIndex(c, r)] = static_cast<std::uint8_t>(colour);
    g.ColorCounts[colour] += 1;
    g.BlockCount += 1;
}

// Fills `count` cells (column-major from cell 0) with `colour`.
void putMany(core::GameGlobals& g, int colour, int count) {
    for (int i = 0, placed = 0; placed < count; ++i) {
        if (g.Board[i] == 0) {
            put(g, i / core::BoardSize, i % core::BoardSize, colour);
            ++placed;
        }
    }
}

// A game in `gsPlay` with the board just uncovered (no block yet).
core::GameGlobals startedGame(std::uint32_t seed) {
    core::GameGlobals g;
    core::fillDefaultBestTen(g);
    g.Random.seed(seed);
    g.State = core::gsNewGame;
    core::stepNewGame(g);
    for (int frame = 0; frame < core::CurtainFrames; ++frame) {
        core::stepCurtain(g);
    }
    g.PendingSound = 0;
    return g;
}

// Every value the rules touch, for "nothing else changes" checks.
void expectSameState(const core::GameGlobals& a, const core::GameGlobals& b) {
    EXPECT_EQ(a.State, b.State);
    EXPECT_EQ(a.PendingSound, b.PendingSound);
    EXPECT_EQ(a.PhaseClock, b.PhaseClock);
    EXPECT_EQ(a.Board, b.Board);
    EXPECT_EQ(a.ColorCounts, b.ColorCounts);
    EXPECT_EQ(a.BlockCount, b.BlockCount);
    EXPECT_EQ(a.Level, b.Level);
    EXPECT_EQ(a.ColorRange, b.ColorRange);
    EXPECT_EQ(a.LuckyColor, b.LuckyColor);
    EXPECT_EQ(a.Score, b.Score);
    EXPECT_EQ(a.LastPoints, b.LastPoints);
    EXPECT_EQ(a.TimeLeft, b.TimeLeft);
    EXPECT_EQ(a.Life, b.Life);
    EXPECT_EQ(a.Combo, b.Combo);
    EXPECT_EQ(a.ClearsThisLevel, b.ClearsThisLevel);
    EXPECT_EQ(a.GameOverPhase, b.GameOverPhase);
    EXPECT_EQ(a.NewRank, b.NewRank);
    EXPECT_EQ(a.ClearedBlocks, b.ClearedBlocks);
    EXPECT_EQ(a.PulseTile, b.PulseTile);
    EXPECT_EQ(a.PulseStep, b.PulseStep);
    EXPECT_EQ(a.PulseClock, b.PulseClock);
    EXPECT_EQ(a.BestTen, b.BestTen);
    EXPECT_EQ(a.PassValue, b.PassValue);
    EXPECT_EQ(a.Random.state(), b.Random.state());
}

int largestColour(const core::GameGlobals& g) {
    return static_cast<int>(std::max_element(g.ColorCounts.begin() + 1, g.ColorCounts.end()) -
                            g.ColorCounts.begin());
}

// ---------------------------------------------------------------------------------------------
// New game and curtain.

TEST(NewGame, SetsEveryValueWithOneDraw) {
    core::GameGlobals g;
    core::fillDefaultBestTen(g);
    g.BestTen[3].Score = 1234;
    g.PassValue = 77;
    g.NewRank = 4;
    g.State = core::gsNewGame;
    g.Random.seed(987654);
    g.Board.fill(3);
    g.ColorCounts.fill(9);
    g.BlockCount = 900;
    g.Level = 17;
    g.ColorRange = 8;
    g.Score = 99999;
    g.LastPoints = 55;
    g.TimeLeft = 3;
    g.Life = -30;
    g.Combo = 8;
    g.ClearsThisLevel = 3;
    g.PhaseClock = 450;
    g.GameOverPhase = 2;
    g.ClearedBlocks = 321;
    g.PulseTile = 16;
    g.PulseStep = -1;
    const core::GameGlobals before = g;
    core::RandomGenerator expected = g.Random;
    const int lucky = expected.next(2) + 1;

    core::stepNewGame(g);

    EXPECT_EQ(g.State, core::gsCurtain);
    EXPECT_EQ(g.PendingSound, 3);
    EXPECT_TRUE(std::all_of(g.Board.begin(), g.Board.end(), [](auto v) { return v == 11; }));
    EXPECT_TRUE(
        std::all_of(g.ColorCounts.begin(), g.ColorCounts.end(), [](auto v) { return v == 0; }));
    EXPECT_EQ(g.BlockCount, 0);
    EXPECT_EQ(g.Level, 1);
    EXPECT_EQ(g.ColorRange, 2);
    EXPECT_EQ(g.LuckyColor, lucky);
    EXPECT_EQ(g.Score, 0);
    EXPECT_EQ(g.LastPoints, 0);
    EXPECT_EQ(g.TimeLeft, 12000);
    EXPECT_EQ(g.Life, 100);
    EXPECT_EQ(g.Combo, 0);
    EXPECT_EQ(g.ClearsThisLevel, 0);
    EXPECT_EQ(g.PhaseClock, 0);
    EXPECT_EQ(g.GameOverPhase, 0);
    EXPECT_EQ(g.ClearedBlocks, 0);
    EXPECT_EQ(g.PulseTile, 12);
    EXPECT_EQ(g.PulseStep, 1);
    EXPECT_EQ(g.Random.state(), expected.state());  // exactly one draw
    // Not touched.
    EXPECT_EQ(g.NewRank, 4);
    EXPECT_EQ(g.BestTen, before.BestTen);
    EXPECT_EQ(g.PassValue, 77);
}

TEST(NewGame, LuckyColourIsOneOrTwo) {
    for (std::uint32_t seed = 0; seed < 200; ++seed) {
        core::GameGlobals g;
        g.Random.seed(seed * 7919u);
        core::stepNewGame(g);
        EXPECT_TRUE(g.LuckyColor == 1 || g.LuckyColor == 2);
    }
}

TEST(Curtain, UncoversTwentyOneCellsRowDrawnFirst) {
    core::GameGlobals g;
    g.Random.seed(42);
    core::stepNewGame(g);
    core::RandomGenerator expected = g.Random;
    std::array<std::uint8_t, core::CellCount> board;
    board.fill(11);
    for (int i = 0; i < 21; ++i) {
        const int r = expected.next(30);
        const int c = expected.next(30);
        board[cellIndex(c, r)] = 0;
    }

    core::stepCurtain(g);

    EXPECT_EQ(g.Board, board);
    EXPECT_EQ(g.Random.state(), expected.state());
    EXPECT_EQ(g.PhaseClock, 1);
    EXPECT_EQ(g.State, core::gsCurtain);
    EXPECT_EQ(g.BlockCount, 0);
}

TEST(Curtain, LastsExactly141FramesAndLeavesAnEmptyBoard) {
    core::GameGlobals g;
    g.Random.seed(7);
    core::stepNewGame(g);
    g.PendingSound = 0;
    for (int frame = 1; frame <= 140; ++frame) {
        core::stepCurtain(g);
        ASSERT_EQ(g.State, core::gsCurtain) << frame;
        ASSERT_EQ(g.PhaseClock, frame);
    }
    core::stepCurtain(g);
    EXPECT_EQ(g.State, core::gsPlay);
    EXPECT_EQ(g.PhaseClock, 0);
    EXPECT_TRUE(std::all_of(g.Board.begin(), g.Board.end(), [](auto v) { return v == 0; }));
    EXPECT_EQ(g.BlockCount, 0);
    EXPECT_EQ(g.PendingSound, 0);
    EXPECT_EQ(g.TimeLeft, 12000);  // the curtain does not drain time
}

// ---------------------------------------------------------------------------------------------
// Play step.

TEST(PlayStep, SpawnDrawsColumnThenRowThenColourThenLuck) {
    core::GameGlobals g = startedGame(1234);
    core::RandomGenerator expected = g.Random;
    const int c = expected.next(30);
    const int r = expected.next(30);
    int colour = expected.next(2) + 1;
    if (expected.next(5) == 0) {
        colour = g.LuckyColor;
    }

    core::stepPlayRules(g, 16);

    EXPECT_EQ(g.Board[cellIndex(c, r)], colour);
    EXPECT_EQ(g.ColorCounts[colour], 1);
    EXPECT_EQ(g.BlockCount, 1);
    EXPECT_EQ(g.PendingSound, 6);
    EXPECT_EQ(g.PhaseClock, 0);
    EXPECT_EQ(g.TimeLeft, 12000 - 16);
    EXPECT_EQ(g.Random.state(), expected.state());
}

TEST(PlayStep, LuckyDrawReplacesTheColour) {
    // Find a seed whose first spawn takes the lucky colour and whose plain colour differs.
    for (std::uint32_t seed = 1; seed < 100000; ++seed) {
        core::GameGlobals g = startedGame(seed);
        core::RandomGenerator expected = g.Random;
        const int c = expected.next(30);
        const int r = expected.next(30);
        const int plain = expected.next(2) + 1;
        if (expected.next(5) != 0 || plain == g.LuckyColor) {
            continue;
        }
        core::stepPlayRules(g, 1);
        EXPECT_EQ(g.Board[cellIndex(c, r)], g.LuckyColor);
        return;
    }
    FAIL() << "no seed found";
}

TEST(PlayStep, SpawnRetriesOccupiedCellsInDrawOrder) {
    core::GameGlobals g = startedGame(555);
    core::RandomGenerator probe = g.Random;
    const int c1 = probe.next(30);
    const int r1 = probe.next(30);
    put(g, c1, r1, 2);
    core::RandomGenerator expected = g.Random;
    expected.next(30);
    expected.next(30);  // the first try hits the occupied cell
    int c2, r2;
    do {
        c2 = expected.next(30);
        r2 = expected.next(30);
    } while (g.Board[cellIndex(c2, r2)] != 0);
    int colour = expected.next(2) + 1;
    if (expected.next(5) == 0) {
        colour = g.LuckyColor;
    }

    core::stepPlayRules(g, 1);

    EXPECT_EQ(g.Board[cellIndex(c1, r1)], 2);
    EXPECT_EQ(g.Board[cellIndex(c2, r2)], colour);
    EXPECT_EQ(g.BlockCount, 2);
    EXPECT_EQ(g.Random.state(), expected.state());
}

TEST(PlayStep, FullBoardReceivesNothingAndTheGameGoesOn) {
    core::GameGlobals g = startedGame(99);
    putMany(g, 1, 450);
    putMany(g, 2, 450);
    g.PhaseClock = 1000;
    core::RandomGenerator expected = g.Random;
    expected.next(30);
    expected.next(30);  // one try, then the full board ends the repetition
    const auto board = g.Board;

    core::stepPlayRules(g, 1);

    EXPECT_EQ(g.Board, board);
    EXPECT_EQ(g.BlockCount, 900);
    EXPECT_EQ(g.PhaseClock, 0);
    EXPECT_EQ(g.PendingSound, 0);
    EXPECT_EQ(g.GameOverPhase, 0);
    EXPECT_EQ(g.Random.state(), expected.state());
    // And answers still work on it: both colours tie.
    core::keyPressAnswer(g, '2');
    EXPECT_EQ(g.PendingSound, 4);
    EXPECT_EQ(g.BlockCount, 450);
}

TEST(PlayStep, FirstTenFramesEachAddABlockThenOnePerSecondOfLag) {
    core::GameGlobals g = startedGame(2024);
    for (int frame = 1; frame <= 10; ++frame) {
        core::stepPlayRules(g, 1);
        ASSERT_EQ(g.BlockCount, frame);
        ASSERT_EQ(g.PendingSound, 6);
        g.PendingSound = 0;
    }
    for (int frame = 1; frame <= 4; ++frame) {
        core::stepPlayRules(g, 250);
        EXPECT_EQ(g.BlockCount, 10);
        EXPECT_EQ(g.PhaseClock, 250 * frame);
    }
    EXPECT_EQ(g.PendingSound, 0);
    core::stepPlayRules(g, 250);  // the sum 1250 exceeds 1000
    EXPECT_EQ(g.BlockCount, 11);
    EXPECT_EQ(g.PhaseClock, 0);
}

TEST(PlayStep, SpawnThresholdAndDrainFollowTheLevel) {
    core::GameGlobals g = startedGame(31);
    g.Level = 12;  // drain 2 + lag; spawn over 900
    putMany(g, 1, 30);
    g.PhaseClock = 899;
    core::stepPlayRules(g, 1);
    EXPECT_EQ(g.TimeLeft, 12000 - 3);
    EXPECT_EQ(g.PhaseClock, 900);
    EXPECT_EQ(g.BlockCount, 30);
    core::stepPlayRules(g, 1);
    EXPECT_EQ(g.BlockCount, 31);
    EXPECT_EQ(g.PhaseClock, 0);
}

TEST(PlayStep, FromLevel100ABlockEveryFrame) {
    core::GameGlobals g = startedGame(8);
    g.Level = 100;
    g.ColorRange = 1;
    putMany(g, 1, 200);
    for (int frame = 1; frame <= 5; ++frame) {
        core::stepPlayRules(g, 1);
        EXPECT_EQ(g.BlockCount, 200 + frame);
    }
}

// A time-out costs 20 life: 25 gives 5; 15 ends the game in the same frame.
TEST(PlayStep, TimeOutAtFifteenLifeEndsTheGameInTheSameFrame) {
    core::GameGlobals g = startedGame(3);
    putMany(g, 1, 10);
    g.Life = 15;
    g.TimeLeft = 10;
    core::stepPlayRules(g, 10);
    EXPECT_EQ(g.Life, 0);
    EXPECT_EQ(g.TimeLeft, 12000);
    EXPECT_EQ(g.GameOverPhase, 2);
    EXPECT_EQ(g.PendingSound, 7);
}

TEST(PlayStep, TimeOutCostsTwentyLifeAndRefills) {
    core::GameGlobals g = startedGame(3);
    putMany(g, 1, 10);
    g.Life = 25;
    g.TimeLeft = 10;
    g.Combo = 4;
    core::stepPlayRules(g, 10);
    EXPECT_EQ(g.Life, 5);
    EXPECT_EQ(g.TimeLeft, 12000);
    EXPECT_EQ(g.Combo, 0);
    EXPECT_EQ(g.PendingSound, 5);
    EXPECT_EQ(g.GameOverPhase, 0);
    // A further wrong answer takes life to -5; the game ends in the next frame with life 0.
    put(g, 5, 5, 2);
    core::keyPressAnswer(g, '2');
    EXPECT_EQ(g.Life, -5);
    EXPECT_EQ(g.GameOverPhase, 0);
    g.Score = 4500;  // equals rank 2 of the default table: enters at rank 3
    g.ClearedBlocks = 12;
    core::stepPlayRules(g, 10);
    EXPECT_EQ(g.Life, 0);
    EXPECT_EQ(g.GameOverPhase, 2);
    EXPECT_EQ(g.PendingSound, 7);
    EXPECT_EQ(g.NewRank, 3);
    EXPECT_EQ(g.BestTen[2], (core::THiScoreEntry{4500, 1, 12}));
    EXPECT_EQ(g.BestTen[3], (core::THiScoreEntry{4000, 8, 80}));
    EXPECT_EQ(g.PassValue, 0);
}

TEST(PlayStep, TimeOutAndSpawnInOneFramePlaysTheBlockSound) {
    core::GameGlobals g = startedGame(4);
    putMany(g, 1, 10);
    g.TimeLeft = 5;
    g.PhaseClock = 995;
    core::stepPlayRules(g, 10);
    EXPECT_EQ(g.Life, 80);
    EXPECT_EQ(g.BlockCount, 11);
    EXPECT_EQ(g.PendingSound, 6);
}

TEST(PlayStep, GameEndWithBlockAddedPlaysTheBlockSound) {
    core::GameGlobals g = startedGame(5);
    g.Life = -5;
    core::stepPlayRules(g, 10);
    EXPECT_EQ(g.GameOverPhase, 2);
    EXPECT_EQ(g.BlockCount, 1);  // refill: fewer than Level + 9 blocks
    EXPECT_EQ(g.PendingSound, 6);
}

TEST(PlayStep, GameEndOffersTheResultOnceAndSetsRank) {
    core::GameGlobals g = startedGame(6);
    putMany(g, 1, 20);
    g.Score = 5001;
    g.Level = 3;
    g.ClearedBlocks = 40;
    g.Life = 0;
    g.NewRank = 9;
    core::stepPlayRules(g, 1);
    EXPECT_EQ(g.NewRank, 1);
    EXPECT_EQ(g.PassValue, 4958);
    EXPECT_EQ(g.BestTen[0], (core::THiScoreEntry{5001, 3, 40}));
    const auto table = g.BestTen;
    for (int i = 0; i < 50; ++i) {
        core::stepPlayRules(g, 1000);
    }
    EXPECT_EQ(g.BestTen, table);  // entered only once
    EXPECT_EQ(g.NewRank, 1);
}

TEST(PlayStep, AfterGameOverTimeAndSpawnClockStopButRefillGoesOn) {
    core::GameGlobals g = startedGame(10);
    putMany(g, 3, 3);
    g.Life = 0;
    g.TimeLeft = 700;
    core::stepPlayRules(g, 50);  // ends the game; refill adds the 4th block
    ASSERT_EQ(g.GameOverPhase, 2);
    EXPECT_EQ(g.TimeLeft, 700 - 50);  // the drain ran before the end test
    EXPECT_EQ(g.BlockCount, 4);
    for (int frame = 5; frame <= 10; ++frame) {
        g.PendingSound = 0;
        core::stepPlayRules(g, 50);
        EXPECT_EQ(g.BlockCount, frame);
        EXPECT_EQ(g.PendingSound, 6);
        EXPECT_EQ(g.TimeLeft, 650);
    }
    for (int frame = 0; frame < 100; ++frame) {
        g.PendingSound = 0;
        core::stepPlayRules(g, 500);
        EXPECT_EQ(g.BlockCount, 10);
        EXPECT_EQ(g.PendingSound, 0);
        EXPECT_EQ(g.PhaseClock, 0);
        EXPECT_EQ(g.Life, 0);
    }
}

// ---------------------------------------------------------------------------------------------
// Answers.

TEST(Answer, TiesForTheLargestCountAreAccepted) {
    for (char key : {'1', '3'}) {
        core::GameGlobals g = startedGame(11);
        putMany(g, 1, 5);
        putMany(g, 3, 5);
        core::keyPressAnswer(g, key);
        EXPECT_EQ(g.PendingSound, 4) << key;
        EXPECT_EQ(g.BlockCount, 5);
    }
    core::GameGlobals g = startedGame(11);
    putMany(g, 1, 5);
    putMany(g, 3, 5);
    core::keyPressAnswer(g, '2');
    EXPECT_EQ(g.PendingSound, 5);
    EXPECT_EQ(g.BlockCount, 10);
}

TEST(Answer, EmptyBoardAcceptsAnyDigit) {
    for (char key = '0'; key <= '9'; ++key) {
        core::GameGlobals g = startedGame(12);
        g.TimeLeft = 9000;
        g.Combo = 3;
        g.Level = 2;
        g.Life = 50;
        core::keyPressAnswer(g, key);
        const int k = key == '0' ? 10 : key - '0';
        EXPECT_EQ(g.LastPoints, 9000 / 120 + 4 * 2) << key;
        EXPECT_EQ(g.Score, 83);
        EXPECT_EQ(g.Life, 50 + k);
        EXPECT_EQ(g.Combo, 4);
        EXPECT_EQ(g.PendingSound, 4);
    }
}

TEST(Answer, ColourTenScoringExample) {
    core::GameGlobals g = startedGame(13);
    putMany(g, 10, 7);
    putMany(g, 4, 6);
    g.TimeLeft = 6000;
    g.Combo = 2;
    g.Level = 3;
    g.ColorRange = 4;
    g.Life = 50;
    g.Score = 1000;
    core::keyPressAnswer(g, '0');
    EXPECT_EQ(g.LastPoints, 129);
    EXPECT_EQ(g.Score, 1129);
    EXPECT_EQ(g.Life, 60);
    EXPECT_EQ(g.ColorCounts[10], 0);
    EXPECT_EQ(g.BlockCount, 6);
    EXPECT_EQ(g.ClearedBlocks, 7);
    EXPECT_EQ(g.TimeLeft, 12000);
    EXPECT_EQ(g.Combo, 3);
    EXPECT_TRUE(std::none_of(g.Board.begin(), g.Board.end(), [](auto v) { return v == 10; }));
}

TEST(Answer, LifeIsCappedAt100) {
    core::GameGlobals g = startedGame(14);
    g.Life = 95;
    putMany(g, 9, 2);
    core::keyPressAnswer(g, '9');
    EXPECT_EQ(g.Life, 100);
}

TEST(Answer, LuckyColourIsDrawnFromTheRangeBeforeTheLevelUp) {
    // A seed whose draw from range 10 is not 1, so that drawing from the new range (1) would
    // differ.
    for (std::uint32_t seed = 1; seed < 1000; ++seed) {
        core::GameGlobals g = startedGame(seed);
        g.Level = 9;
        g.ColorRange = 10;
        g.ClearsThisLevel = 4;
        core::RandomGenerator expected = g.Random;
        const int lucky = expected.next(10) + 1;
        if (lucky == 1) {
            continue;
        }
        core::keyPressAnswer(g, '1');
        EXPECT_EQ(g.Level, 10);
        EXPECT_EQ(g.ColorRange, 1);
        EXPECT_EQ(g.ClearsThisLevel, 0);
        EXPECT_EQ(g.LuckyColor, lucky);
        EXPECT_EQ(g.Random.state(), expected.state());
        // From then on new blocks are colour 1 or the lucky colour.
        for (int frame = 0; frame < 300; ++frame) {
            core::stepPlayRules(g, 200);
        }
        for (int k = 2; k <= 10; ++k) {
            if (k != lucky) {
                EXPECT_EQ(g.ColorCounts[k], 0) << k;
            }
        }
        EXPECT_GT(g.ColorCounts[1], 0);
        EXPECT_GT(g.ColorCounts[lucky], 0);
        return;
    }
    FAIL() << "no seed found";
}

TEST(Answer, FiveCorrectAnswersRaiseTheLevel) {
    core::GameGlobals g = startedGame(15);
    for (int i = 1; i <= 4; ++i) {
        core::keyPressAnswer(g, '1');
        EXPECT_EQ(g.ClearsThisLevel, i);
        EXPECT_EQ(g.Level, 1);
    }
    core::keyPressAnswer(g, '1');
    EXPECT_EQ(g.Level, 2);
    EXPECT_EQ(g.ColorRange, 3);
    EXPECT_EQ(g.ClearsThisLevel, 0);
}

TEST(Answer, WrongAnswerChangesOnlyComboLifeAndSound) {
    core::GameGlobals g = startedGame(16);
    putMany(g, 1, 4);
    putMany(g, 2, 3);
    g.Combo = 6;
    g.Score = 300;
    g.TimeLeft = 4000;
    core::GameGlobals expected = g;
    expected.Combo = 0;
    expected.Life = 90;
    expected.PendingSound = 5;
    core::keyPressAnswer(g, '2');
    expectSameState(g, expected);
}

TEST(Answer, IgnoredOutsidePlayAfterGameOverAndForOtherKeys) {
    core::GameGlobals g = startedGame(17);
    putMany(g, 1, 4);
    for (char key : {'a', '/', ':', ' ', '\r', '\0', static_cast<char>(0xB1)}) {
        const core::GameGlobals before = g;
        core::keyPressAnswer(g, key);
        expectSameState(g, before);
    }
    for (core::GameState state : {core::gsIntroInit, core::gsIntro, core::gsBestTen, core::gsTitle,
                                  core::gsNewGame, core::gsCurtain}) {
        core::GameGlobals other = g;
        other.State = state;
        const core::GameGlobals before = other;
        core::keyPressAnswer(other, '1');
        expectSameState(other, before);
    }
    g.GameOverPhase = 2;
    const core::GameGlobals before = g;
    core::keyPressAnswer(g, '1');
    expectSameState(g, before);
}

TEST(Answer, AnswerBetweenFramesCanSaveTheGame) {
    core::GameGlobals g = startedGame(18);
    putMany(g, 9, 12);
    putMany(g, 1, 3);
    g.Life = 5;
    core::keyPressAnswer(g, '1');  // wrong
    EXPECT_EQ(g.Life, -5);
    core::keyPressAnswer(g, '9');  // still judged: correct, +9 life
    EXPECT_EQ(g.Life, 4);
    EXPECT_EQ(g.PendingSound, 4);
    core::stepPlayRules(g, 16);
    EXPECT_EQ(g.GameOverPhase, 0);
    EXPECT_EQ(g.Life, 4);
}

TEST(Answer, ClearingTheLastColourLeavesAnEmptyBoardThatAcceptsAnything) {
    core::GameGlobals g = startedGame(19);
    putMany(g, 2, 3);
    core::keyPressAnswer(g, '2');
    EXPECT_EQ(g.BlockCount, 0);
    g.TimeLeft = 1200;
    g.Combo = 1;
    core::keyPressAnswer(g, '7');
    EXPECT_EQ(g.LastPoints, 10 + 2 * 1);
    EXPECT_EQ(g.Combo, 2);
}

// ---------------------------------------------------------------------------------------------
// Property: random seeds, random keys and lags.

void checkInvariants(const core::GameGlobals& g, bool afterFrame) {
    std::array<std::int32_t, 11> counts{};
    int blocks = 0;
    int bad = 0;
    for (std::uint8_t cell : g.Board) {
        if (cell > 10) {
            ++bad;
        } else if (cell != 0) {
            counts[cell] += 1;
            ++blocks;
        }
    }
    ASSERT_EQ(bad, 0) << "cells other than 0 to 10 in play";
    for (int k = 1; k <= 10; ++k) {
        ASSERT_EQ(g.ColorCounts[k], counts[k]) << "colour " << k;
    }
    ASSERT_EQ(g.BlockCount, blocks);
    ASSERT_LE(g.BlockCount, 900);
    ASSERT_LE(g.Life, 100);
    ASSERT_GE(g.Level, 1);
    ASSERT_EQ(g.ColorRange, g.Level % 10 + 1);
    ASSERT_GE(g.ClearsThisLevel, 0);
    ASSERT_LE(g.ClearsThisLevel, 4);
    ASSERT_GE(g.LuckyColor, 1);
    ASSERT_LE(g.LuckyColor, 10);
    ASSERT_TRUE(g.GameOverPhase == 0 || g.GameOverPhase == 2);
    ASSERT_GE(g.Score, 0);
    ASSERT_LE(g.TimeLeft, 12000);
    if (afterFrame) {
        ASSERT_GE(g.TimeLeft, 1);
        ASSERT_GE(g.Life, 0);
        ASSERT_EQ(g.Life < 1, g.GameOverPhase == 2);
    }
    for (int n = 1; n < 10; ++n) {
        ASSERT_GE(g.BestTen[n - 1].Score, g.BestTen[n].Score);
    }
}

struct RandomRun {
    unsigned skill = 8;  // in tenths: how often the player gives the right answer
    core::GameGlobals g;
    int games = 0;
    int endings = 0;
    int maxLevel = 0;
};

void randomRun(std::uint32_t seed, RandomRun& run, bool check) {
    std::mt19937 engine(seed);
    auto events = [&engine] { return static_cast<std::uint32_t>(engine()); };
    core::GameGlobals& g = run.g;
    core::fillDefaultBestTen(g);
    g.Random.seed(seed * 2654435761u);
    g.State = core::gsNewGame;
    for (int event = 0; event < 2500; ++event) {
        if (g.State == core::gsNewGame) {
            core::stepNewGame(g);
            ++run.games;
        }
        if (g.State == core::gsCurtain) {
            core::stepCurtain(g);
            ASSERT_TRUE(std::all_of(g.Board.begin(), g.Board.end(),
                                    [](auto cell) { return cell == 0 || cell == 11; }));
            ASSERT_EQ(g.BlockCount, 0);
            continue;
        }
        const unsigned what = events() % 100;
        if (what < 55) {
            const int lag =
                static_cast<int>(events() % 10 == 0 ? 1 + events() % 6000 : 1 + events() % 40);
            const auto rank = g.NewRank;
            const bool wasOver = g.GameOverPhase == 2;
            core::stepPlayRules(g, lag);
            if (wasOver) {
                ASSERT_EQ(g.NewRank, rank);
            } else if (g.GameOverPhase == 2) {
                ++run.endings;
            }
            if (check) {
                checkInvariants(g, true);
                if (::testing::Test::HasFatalFailure()) {
                    return;
                }
            }
            if (g.GameOverPhase == 2 && events() % 20 == 0) {
                g.State = core::gsNewGame;  // Space, the opening, the title, Space
            }
        } else {
            char key;
            const unsigned kind = events() % 10;
            if (kind < run.skill) {
                key = core::answerKeyOf(largestColour(g));
            } else if (kind < 9) {
                key = static_cast<char>('0' + events() % 10);
            } else {
                key = static_cast<char>(events() % 256);
            }
            core::keyPressAnswer(g, key);
            if (check) {
                checkInvariants(g, false);
                if (::testing::Test::HasFatalFailure()) {
                    return;
                }
            }
        }
        run.maxLevel = std::max(run.maxLevel, g.Level);
    }
}

TEST(PlayProperty, InvariantsHoldOverRandomGames) {
    int games = 0;
    int highest = 0;
    int ended = 0;
    for (std::uint32_t seed = 0; seed < 200; ++seed) {
        RandomRun run;
        run.skill = seed % 10;
        randomRun(seed, run, true);
        if (HasFatalFailure()) {
            ADD_FAILURE() << "seed " << seed;
            return;
        }
        games += run.games;
        ended += run.endings;
        highest = std::max(highest, run.maxLevel);
    }
    // The random walks must reach the interesting places: ended games and the level-10 wrap.
    EXPECT_GT(ended, 100);
    EXPECT_GT(games, 400);
    EXPECT_GE(highest, 11);
}

TEST(PlayProperty, OneSeedAndOneInputGiveOneGame) {
    for (std::uint32_t seed : {1u, 77u, 4096u}) {
        RandomRun a, b;
        randomRun(seed, a, false);
        randomRun(seed, b, false);
        expectSameState(a.g, b.g);
    }
}

}  // namespace
}  // namespace core
