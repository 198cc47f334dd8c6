#pragma once
// The ranking's own addresses, relative to the server: a page with its filters kept, and an
// entry's replay.

#include <cstdint>
#include <string>
#include <string_view>

#include "server/RankingPages.h"

namespace server {

// The query part is joined with "&"; HTML wants it written "&amp;".
std::string viewLink(std::string_view pagePath, const PageQuery& query);
std::string replayLink(std::string_view pagePath, std::int64_t id);

}  // namespace server
