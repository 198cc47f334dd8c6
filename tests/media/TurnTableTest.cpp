#include "media/TurnTable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using namespace media;

TEST(TurnTable, CardinalAnglesAreExact) {
    EXPECT_EQ(TurnCos(0), 1.0);
    EXPECT_EQ(TurnCos(128), -1.0);
    EXPECT_EQ(TurnSin(64), 1.0);
    EXPECT_EQ(TurnSin(-64), -1.0);
    EXPECT_EQ(TurnSin(256), TurnSin(0));
    EXPECT_EQ(TurnCos(-1), TurnTable()[255]);
}

TEST(TurnTable, AQuarterTurnIsNearlyButNotExactlyZero) {
    EXPECT_NE(TurnTable()[64], 0.0);
    EXPECT_LT(std::abs(TurnTable()[64]), 1e-15);
    EXPECT_EQ(TurnSin(0), TurnTable()[192]);
}

TEST(TurnTable, EveryEntryIsTheCosineOfItsAngle) {
    for (int i = 0; i < 256; ++i) {
        EXPECT_NEAR(TurnTable()[i], std::cos(i * 2 * std::numbers::pi / 256), 1e-15) << i;
        EXPECT_NEAR(TurnSin(i), std::sin(i * 2 * std::numbers::pi / 256), 1e-15) << i;
    }
}

}  // namespace
