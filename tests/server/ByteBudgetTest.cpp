// The bytes in flight: a bound that refuses newcomers, or makes room by dropping the oldest.

#include <gtest/gtest.h>

#include <vector>

#include "server/ByteBudget.h"

namespace {

using server::ByteBudget;

TEST(ByteBudgetTest, RefusesWhatDoesNotFitAndTakesBackWhatEnds) {
    ByteBudget budget(100);
    ByteBudget::Reservation first = budget.tryReserve(60);
    ASSERT_TRUE(first);
    EXPECT_FALSE(budget.tryReserve(41));
    {
        const ByteBudget::Reservation second = budget.tryReserve(40);
        EXPECT_TRUE(second);
        EXPECT_EQ(budget.total(), 100U);
    }
    ByteBudget::Reservation moved = std::move(first);
    EXPECT_EQ(budget.total(), 60U);
    moved.release();
    EXPECT_EQ(budget.total(), 0U);
    EXPECT_EQ(budget.takePeak(), 100U);
    EXPECT_EQ(budget.takePeak(), 0U);
}

TEST(ByteBudgetTest, MakesRoomByDroppingTheOldestHolders) {
    ByteBudget budget(100);
    std::vector<int> dropped;
    std::vector<ByteBudget::Reservation> held;
    for (int holder = 0; holder < 3; ++holder) {
        held.push_back(
            budget.reserveDroppingOldest(30, [&dropped, holder] { dropped.push_back(holder); }));
    }
    const ByteBudget::Reservation large = budget.reserveDroppingOldest(50, {});
    EXPECT_TRUE(large);
    EXPECT_EQ(dropped, (std::vector<int>{0, 1}));
    EXPECT_FALSE(held[0]);
    EXPECT_TRUE(held[2]);
    EXPECT_EQ(budget.total(), 80U);
    EXPECT_FALSE(budget.reserveDroppingOldest(101, {})) << "too large alone, and nobody dropped";
    EXPECT_EQ(dropped.size(), 2U);
    held.clear();
    EXPECT_EQ(budget.total(), 50U);
}

}  // namespace
