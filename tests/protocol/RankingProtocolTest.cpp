#include "protocol/RankingProtocol.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();

struct CheckCase {
    std::int32_t score, level, blocks, check;
};

TEST(RankingProtocolTest, TheCheckValueWrapsLikeTheGamesValues) {
    for (const CheckCase& c :
         {CheckCase{1000, 5, 40, 955}, CheckCase{Min, 1, 0, Max}, CheckCase{Max, -1, 0, Min},
          CheckCase{Max, Min, Min, Max}, CheckCase{1, Max, Max, 3}}) {
        EXPECT_EQ(protocol::passValueOf(c.score, c.level, c.blocks), c.check) << c.score;
        EXPECT_TRUE(protocol::isGenuine(c.score, c.level, c.blocks, c.check));
        const auto otherCheck = static_cast<std::int32_t>(static_cast<std::uint32_t>(c.check) + 1u);
        EXPECT_FALSE(protocol::isGenuine(c.score, c.level, c.blocks, otherCheck));
    }
}

}  // namespace
