#pragma once
// The pages people see: the ranking after the game's best-ten board (black ground, the ten
// block colours as row accents), and the thanks for a submission. HTML5, UTF-8, no scripts.

#include <string>
#include <string_view>

#include "server/RankingPages.h"

namespace server {

// In the query's language. Links to the other pages are relative to pagePath.
std::string renderRankingHtml(const RankingPage& page, std::string_view pagePath);
std::string renderThanksHtml(std::string_view pagePath, Language language);
// The answer to a result that was stored before; nothing of the stored entry changed.
std::string renderAlreadyStoredHtml(std::string_view pagePath, Language language);

}  // namespace server
