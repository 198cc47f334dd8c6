#pragma once
// A page of the ranking as people ask for it: all entries or the verified ones, of all time,
// this week or today. Pages of all time are found through the order in memory, so a deep page
// costs what the first does; a week or a day is counted in the database, its entries being few.

#include <cstdint>
#include <string_view>
#include <vector>

#include "server/Entry.h"
#include "server/PageLanguage.h"
#include "server/RankOrder.h"
#include "server/RankingStore.h"

namespace server {

enum class Period { All, Week, Day };

struct PageQuery {
    int number = 1;  // from 1
    bool verifiedOnly = false;
    Period period = Period::All;
    Language language = Language::Japanese;
    // Asked for in the query (and so kept in the links), not only by the browser.
    bool languageChosen = false;
};

struct RankingPage {
    PageQuery query;
    int pages = 1;  // at least 1, also when nothing is shown
    std::int64_t total = 0;
    std::int64_t firstRank = 1;  // the rank of entries.front() within the query
    std::vector<Entry> entries;  // best first; ties: the earlier submission first
};

// The query's value of period ("all", "week", "day"); throws Refusal (400) for another.
Period periodNamed(std::string_view name);
std::string_view nameOf(Period period);

// now: seconds since 1970. Throws StorageError.
RankingPage readPage(RankingStore& store, RankOrder& order, const PageQuery& query,
                     std::int64_t now);

}  // namespace server
