#pragma once
// What the game's dialog and the ranking server agree on: where the ranking lives, the names of
// a submission's fields, how long its texts may be, and the check value that ties a result to
// the game that produced it.

#include <cstddef>
#include <cstdint>
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
}  // namespace field

// The values of `command`.
inline constexpr std::string_view EntryCommand = "entry";
inline constexpr std::string_view ViewCommand = "view";

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
