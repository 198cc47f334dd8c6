#include "ranking/RankingSite.h"

#include <SDL.h>

#include <cstdlib>

namespace ranking {

std::string DefaultRankingHost() {
    const char* chosen = std::getenv("PUDOROCK_RANKING_HOST");
    return chosen && *chosen ? chosen : PUDOROCK_RANKING_HOST;
}

std::string RankingCgiUrl(const std::string& host) {
    return "http://" + host + std::string(RankingCgiPath);
}

void OpenInBrowser(const std::string& url) {
    SDL_OpenURL(url.c_str());
}

}  // namespace ranking
