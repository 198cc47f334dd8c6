#include "server/RankingPages.h"

#include <algorithm>
#include <array>
#include <string>

#include "protocol/RankingProtocol.h"
#include "server/Refusal.h"

namespace server {

namespace {

constexpr int PageSize = static_cast<int>(protocol::EntriesPerPage);
constexpr std::int64_t SecondsPerDay = 24 * 60 * 60;

struct PeriodName {
    Period period;
    std::string_view name;
};
constexpr std::array<PeriodName, 3> PeriodNames{
    {{Period::All, "all"}, {Period::Week, "week"}, {Period::Day, "day"}}};

std::int64_t startOf(Period period, std::int64_t now) {
    return now - (period == Period::Week ? 7 : 1) * SecondsPerDay;
}

int pagesFor(std::int64_t total) {
    return static_cast<int>(std::max<std::int64_t>(1, (total + PageSize - 1) / PageSize));
}

}  // namespace

Period periodNamed(std::string_view name) {
    for (const PeriodName& known : PeriodNames) {
        if (known.name == name) {
            return known.period;
        }
    }
    throw Refusal(400,
                  "\"" + std::string(protocol::field::Period) + "\" is one of all, week and day.");
}

std::string_view nameOf(Period period) {
    return PeriodNames[static_cast<std::size_t>(period)].name;
}

RankingPage readPage(RankingStore& store, RankOrder& order, const PageQuery& query,
                     std::int64_t now) {
    RankingPage page;
    page.query = query;
    const std::int64_t offset = std::int64_t{query.number - 1} * PageSize;
    page.firstRank = offset + 1;
    if (query.period == Period::All) {
        order.follow(store);
        page.total = order.size(query.verifiedOnly);
        if (const auto first = order.at(query.verifiedOnly, offset)) {
            page.entries = store.entriesFrom(*first, query.verifiedOnly, PageSize);
        }
    } else {
        const std::int64_t since = startOf(query.period, now);
        page.total = store.countSince(since, query.verifiedOnly);
        if (offset < page.total) {
            page.entries = store.entriesSince(since, query.verifiedOnly, offset, PageSize);
        }
    }
    page.pages = pagesFor(page.total);
    return page;
}

}  // namespace server
