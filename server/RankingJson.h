#pragma once
// The ranking page as JSON, for tools.

#include <string>

#include "server/RankingPages.h"

namespace server {

// {"page":1,"pages":3,"total":250,"verified":false,"period":"all","entries":[{"id":7,"rank":1,
// "name":"…","score":…,"level":…,"blocks":…,"comment":"…","date":"2026-12-08T18:05:04Z",
// "verified":true,"replay":"/…?command=replay&id=7"},…]}; "replay" is null for an unverified
// entry. Ranks count within the chosen view.
std::string renderRankingJson(const RankingPage& page, std::string_view pagePath);

}  // namespace server
