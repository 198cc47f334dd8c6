// The order in memory against a plain sorted list, through enough keys to split many blocks.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "server/RankIndex.h"

namespace {

using server::RankIndex;
using server::RankKey;

TEST(RankIndexTest, AgreesWithASortedListThroughInsertsAndErases) {
    std::mt19937 random(7);
    std::vector<RankKey> expected;
    RankIndex index;
    for (std::int64_t id = 1; id <= 7000; ++id) {
        // Few scores, so ties are common and split across blocks.
        const RankKey key{static_cast<std::int32_t>(random() % 500), id};
        index.insert(key);
        expected.push_back(key);
        if (id % 3 == 0) {
            const RankKey gone = expected[random() % expected.size()];
            index.erase(gone);
            std::erase(expected, gone);
        }
    }
    index.insert(expected.front());  // already there: kept once
    index.erase({1, 999'999});       // never there: nothing happens
    std::sort(expected.begin(), expected.end(), server::ranksBefore);
    ASSERT_EQ(index.size(), static_cast<std::int64_t>(expected.size()));
    for (std::size_t position = 0; position < expected.size(); position += 97) {
        EXPECT_EQ(index.at(static_cast<std::int64_t>(position)), expected[position]);
        EXPECT_EQ(index.positionOf(expected[position]), static_cast<std::int64_t>(position));
    }
    EXPECT_EQ(index.at(index.size()), std::nullopt);

    RankIndex rebuilt;
    rebuilt.assign(expected);
    EXPECT_EQ(rebuilt.at(index.size() - 1), expected.back());
    EXPECT_EQ(rebuilt.positionOf({-1, 0}), rebuilt.size()) << "below every key";
}

}  // namespace
