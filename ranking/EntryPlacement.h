#pragma once
// Where a stored submission stands, as the server's answer tells it beside the page for people.

#include <cstdint>
#include <optional>
#include <string_view>

namespace ranking {

struct EntryPlacement {
    std::int64_t Rank = 0;  // from 1, among all entries
    std::int64_t Id = 0;    // the stored entry's
};

// The rank and entry id of a reply's header lines (protocol::RankHeader, EntryIdHeader, names in
// any case); none unless both are there as positive numbers, as from a server older than them.
std::optional<EntryPlacement> placementOf(std::string_view replyHeader);

}  // namespace ranking
