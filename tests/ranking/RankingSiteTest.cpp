// Where the game sends its results: the environment's choice over the build's.

#include <gtest/gtest.h>

#include <cstdlib>

#include "ranking/RankingSite.h"

namespace {

using namespace ranking;

TEST(RankingSiteTest, TheEnvironmentNamesTheHostElseTheBuildDoes) {
    unsetenv("PUDOROCK_RANKING_HOST");
    const std::string built = defaultRankingHost();
    EXPECT_FALSE(built.empty());

    setenv("PUDOROCK_RANKING_HOST", "ranking.example:8081", 1);
    EXPECT_EQ(defaultRankingHost(), "ranking.example:8081");
    EXPECT_EQ(RankingSettings().Host, "ranking.example:8081");
    EXPECT_EQ(rankingCgiUrl(defaultRankingHost()),
              "http://ranking.example:8081/~mirel/soft/pudorock/ra_pudorock/ranking.cgi");

    setenv("PUDOROCK_RANKING_HOST", "", 1);
    EXPECT_EQ(defaultRankingHost(), built);
    unsetenv("PUDOROCK_RANKING_HOST");
}

}  // namespace
