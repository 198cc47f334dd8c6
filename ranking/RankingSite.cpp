#include "ranking/RankingSite.h"

#include <cstdlib>

namespace ranking {

std::string defaultRankingHost() {
    const char* chosen = std::getenv("PUDOROCK_RANKING_HOST");
    return chosen && *chosen ? chosen : PUDOROCK_RANKING_HOST;
}

std::string rankingCgiUrl(const std::string& host) {
    return "http://" + host + std::string(RankingCgiPath);
}

}  // namespace ranking
