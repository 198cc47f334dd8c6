#pragma once
// The ranking page as JSON, for tools.

#include <string>

#include "server/RankingStore.h"

namespace server {

// {"page":1,"pages":3,"total":250,"entries":[{"rank":1,"name":"…","score":…,"level":…,
// "blocks":…,"comment":"…","date":"2026-12-08T18:05:04Z"},…]}
std::string renderRankingJson(const RankingPage& page);

}  // namespace server
