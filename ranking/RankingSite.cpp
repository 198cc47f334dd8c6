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

std::string entryPageUrl(const std::string& host, const EntryPlacement& entry) {
    namespace field = protocol::field;
    return rankingCgiUrl(host) + "?" + std::string(field::Command) + "=" +
           std::string(protocol::ViewCommand) + "&" + std::string(field::Page) + "=" +
           std::to_string(protocol::pageOfRank(entry.Rank)) + "#" + protocol::entryAnchor(entry.Id);
}

}  // namespace ranking
