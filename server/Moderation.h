#pragma once
// Looking after the ranking beside a running server: listing entries and removing them. A
// running server sees the removal at once (its order follows the database's change count).

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "server/RankingStore.h"

namespace server {

// One line an entry, best first, tab-separated: id, rank, name, score, level, blocks,
// "verified" or "unverified", date (UTC); a heading line first. An empty name lists all.
void listEntries(RankingStore& store, const std::string& name, int limit, std::ostream& out);

// Removes the entries and says so for each; true when every id was there. Throws StorageError.
bool removeEntries(RankingStore& store, const std::vector<std::int64_t>& ids, std::ostream& out,
                   std::ostream& errors);

}  // namespace server
