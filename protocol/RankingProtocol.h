#pragma once
// What the game's dialog and the ranking server agree on: where the ranking lives, the names of
// a submission's fields, how long its texts may be, and the check value that ties a result to
// the game that produced it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace protocol {

inline constexpr std::string_view RankingPath = "/~mirel/soft/pudorock/ra_pudorock/ranking.cgi";

// The query's field names, as the original ranking's CGI named them.
namespace field {
inline constexpr std::string_view Command = "command";
inline constexpr std::string_view Name = "name";
inline constexpr std::string_view Score = "score";
inline constexpr std::string_view Level = "level";
inline constexpr std::string_view Blocks = "tama";
inline constexpr std::string_view Check = "pass_s";
inline constexpr std::string_view Comment = "comment";
inline constexpr std::string_view Page = "page";
// Ours: a stored entry, and the page's filters.
inline constexpr std::string_view Id = "id";
inline constexpr std::string_view Verified = "verified";
inline constexpr std::string_view Period = "period";
inline constexpr std::string_view Language = "lang";
}  // namespace field

// The values of `command`.
inline constexpr std::string_view EntryCommand = "entry";
inline constexpr std::string_view ViewCommand = "view";
// Ours: a stored entry's replay file.
inline constexpr std::string_view ReplayCommand = "replay";

// A submission with its replay is a POST of the entry's query with the replay file as its body.
inline constexpr std::string_view ReplayContentType = "application/x-pudorock-replay";
inline constexpr std::size_t MaxReplayBytes = 1024 * 1024;

// A stored submission's answer tells where the entry stands, beside the page for people.
inline constexpr std::string_view RankHeader = "X-Ranking-Rank";
inline constexpr std::string_view EntryIdHeader = "X-Ranking-Entry";

inline constexpr std::int64_t EntriesPerPage = 100;

// The ranking page (from 1) that shows rank (from 1), among all entries.
constexpr std::int64_t pageOfRank(std::int64_t rank) {
    return rank < 1 ? 1 : (rank - 1) / EntriesPerPage + 1;
}

// The id of an entry's row on the page: the fragment that scrolls to it and highlights it.
inline std::string entryAnchor(std::int64_t id) {
    return "entry-" + std::to_string(id);
}

// Longest name and comment, in characters.
inline constexpr std::size_t NameCharacters = 10;
inline constexpr std::size_t CommentCharacters = 40;

// score - level - blocks, wrapping like the game's 32-bit values.
constexpr std::int32_t passValueOf(std::int32_t score, std::int32_t level, std::int32_t blocks) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(score) -
                                     static_cast<std::uint32_t>(level) -
                                     static_cast<std::uint32_t>(blocks));
}

// Whether `check` is the check value of the result. It proves only that the sender knows the
// arithmetic, not that a game reached the result.
constexpr bool isGenuine(std::int32_t score, std::int32_t level, std::int32_t blocks,
                         std::int32_t check) {
    return passValueOf(score, level, blocks) == check;
}

}  // namespace protocol
