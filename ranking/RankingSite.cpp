#include "ranking/RankingSite.h"

#include <cstdlib>

#include "protocol/RankingProtocol.h"

namespace ranking {

std::string defaultRankingHost() {
    const char* chosen = std::getenv("PUDOROCK_RANKING_HOST");
    return chosen && *chosen ? chosen : PUDOROCK_RANKING_HOST;
}

std::string rankingCgiUrl(const std::string& host) {
    return "http://" + host + std::string(protocol::RankingPath);
}

}  // namespace ranking
