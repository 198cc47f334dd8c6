// What the dialog takes from a stored submission's answer: both numbers, or nothing.

#include "ranking/EntryPlacement.h"

#include <gtest/gtest.h>

namespace {

TEST(EntryPlacementTest, BothLinesAsPositiveNumbersOrNothing) {
    struct Case {
        const char* header;
        std::int64_t rank;  // 0: none
        std::int64_t id;
    };
    for (const Case& c : {
             Case{"HTTP/1.0 200 OK\r\nX-Ranking-Rank: 12\r\nX-Ranking-Entry: 9000000000\r\n\r\n",
                  12, 9'000'000'000},
             Case{"X-Ranking-Entry: 4\nX-Ranking-Rank: 2\nX-Ranking-Rank: 3\n", 2, 4},
             Case{"X-Ranking-Rank: 3\r\n", 0, 0},
             Case{"X-Ranking-Rank: 0\r\nX-Ranking-Entry: 4\r\n", 0, 0},
             Case{"X-Ranking-Rank: -3\r\nX-Ranking-Entry: 4\r\n", 0, 0},
             Case{"X-Ranking-Rank: 3 4\r\nX-Ranking-Entry: 4\r\n", 0, 0},
             Case{"X-Ranking-Rank: 3\r\nX-Ranking-Entry: 99999999999999999999\r\n", 0, 0},
             Case{"X-Ranking-Rank: 3\r\nX-Ranking-Entry:\r\n", 0, 0},
             Case{"X-Ranking-Rank-Old: 3\r\nX-Ranking-Entry: 4\r\n", 0, 0},
         }) {
        SCOPED_TRACE(c.header);
        const auto placement = ranking::placementOf(c.header);
        ASSERT_EQ(placement.has_value(), c.rank != 0);
        if (placement) {
            EXPECT_EQ(placement->Rank, c.rank);
            EXPECT_EQ(placement->Id, c.id);
        }
    }
}

}  // namespace
