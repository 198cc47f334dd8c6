// How a result enters the best-ten table.

#include "core/BestTen.h"

#include <gtest/gtest.h>

#include <climits>

#include "core/GameGlobals.h"

namespace core {
namespace {

TEST(EnterResult, EqualToTheTenthDoesNotEnterOneMoreDoes) {
    GameGlobals g;
    fillDefaultBestTen(g);
    const auto table = g.BestTen;
    g.NewRank = 5;
    EnterResult(g, 500, 1, 1);
    EXPECT_EQ(g.NewRank, 0);
    EXPECT_EQ(g.BestTen, table);
    EnterResult(g, 501, 2, 3);
    EXPECT_EQ(g.NewRank, 10);
    EXPECT_EQ(g.BestTen[9], (THiScoreEntry{501, 2, 3}));
    EXPECT_EQ(g.BestTen[8], table[8]);
    EXPECT_EQ(g.PassValue, 0);
}

TEST(EnterResult, EqualToTheFirstEntersSecondOneMoreTakesFirst) {
    GameGlobals g;
    fillDefaultBestTen(g);
    g.PassValue = 17;
    EnterResult(g, 5000, 4, 4);
    EXPECT_EQ(g.NewRank, 2);
    EXPECT_EQ(g.BestTen[0], (THiScoreEntry{5000, 10, 100}));
    EXPECT_EQ(g.BestTen[1], (THiScoreEntry{5000, 4, 4}));
    EXPECT_EQ(g.BestTen[2], (THiScoreEntry{4500, 9, 90}));
    EXPECT_EQ(g.BestTen[9], (THiScoreEntry{1000, 2, 20}));  // the old tenth is dropped
    EXPECT_EQ(g.PassValue, 17);
    EnterResult(g, 5001, 6, 7);
    EXPECT_EQ(g.NewRank, 1);
    EXPECT_EQ(g.BestTen[0], (THiScoreEntry{5001, 6, 7}));
    EXPECT_EQ(g.BestTen[1], (THiScoreEntry{5000, 10, 100}));
    EXPECT_EQ(g.PassValue, 5001 - 6 - 7);
}

TEST(EnterResult, DefaultTableExample) {
    GameGlobals g;
    fillDefaultBestTen(g);
    EnterResult(g, 5001, 3, 40);
    EXPECT_EQ(g.NewRank, 1);
    EXPECT_EQ(g.PassValue, 4958);
}

TEST(EnterResult, ZeroOrLessNeverEntersAPositiveTable) {
    GameGlobals g;
    fillDefaultBestTen(g);
    const auto table = g.BestTen;
    for (std::int32_t score : {0, -1, INT_MIN}) {
        g.NewRank = 3;
        EnterResult(g, score, 1, 0);
        EXPECT_EQ(g.NewRank, 0);
        EXPECT_EQ(g.BestTen, table);
    }
}

TEST(EnterResult, PassValueWrapsInTwosComplement) {
    GameGlobals g;
    fillDefaultBestTen(g);
    EnterResult(g, INT_MAX, -1, INT_MIN);
    EXPECT_EQ(g.NewRank, 1);
    EXPECT_EQ(g.PassValue, static_cast<std::int32_t>(0x7FFFFFFFu + 1u + 0x80000000u));
}

TEST(EnterResult, MiddleRankShiftsTheRestDown) {
    GameGlobals g;
    fillDefaultBestTen(g);
    EnterResult(g, 2750, 5, 55);
    EXPECT_EQ(g.NewRank, 6);
    EXPECT_EQ(g.BestTen[4], (THiScoreEntry{3000, 6, 60}));
    EXPECT_EQ(g.BestTen[5], (THiScoreEntry{2750, 5, 55}));
    EXPECT_EQ(g.BestTen[6], (THiScoreEntry{2500, 5, 50}));
    EXPECT_EQ(g.BestTen[9], (THiScoreEntry{1000, 2, 20}));
}

}  // namespace
}  // namespace core
