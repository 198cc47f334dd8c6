#pragma once
// A recorded game: the random state and best-ten table it began from, every frame's lag and
// every answer typed, and the result it claims. Re-running the game's rules over it gives the
// result again, so a replay proves its score.

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/BestTen.h"
#include "core/GameGlobals.h"
#include "core/RulesVersion.h"
#include "protocol/RankingProtocol.h"

namespace replay {

inline constexpr std::string_view FileExtension = ".pdrp";
inline constexpr std::string_view MediaType = protocol::ReplayContentType;

// The bounds every replay keeps, so that reading or checking one takes bounded memory and time.
inline constexpr std::size_t MaxFileBytes = 4 * 1024 * 1024;
// About 20 hours at 250 frames a second.
inline constexpr std::uint32_t MaxFrames = 18'000'000;
// The game's frame timer reports at least 1 ms.
inline constexpr std::int32_t MinLag = 1;

// A digit key '0'..'9' that reached the game before frame `frame` (0-based).
struct Answer {
    std::uint32_t frame = 0;
    char key = '0';
    bool operator==(const Answer&) const = default;
};

// Score, level and cleared blocks (`ClearedBlocks`) of a game's result.
struct Claim {
    std::int32_t score = 0, level = 0, blocks = 0;
    bool operator==(const Claim&) const = default;
};

// The result a game reached, and the one a table's entry holds.
constexpr Claim claimOf(const core::GameGlobals& g) {
    return {g.Score, g.Level, g.ClearedBlocks};
}
constexpr Claim claimOf(const core::THiScoreEntry& entry) {
    return {entry.Score, entry.Level, entry.Blocks};
}

struct Replay {
    std::uint16_t rulesVersion = core::RulesVersion;
    // The generator's state as the gsNewGame step begins, before it draws.
    std::uint32_t randomState = 0;
    // The table as the game began (the rank the game reaches depends on it).
    core::BestTenTable bestTen{};
    // When the game began, UTC, ms since 1970.
    std::int64_t playedAtMs = 0;
    Claim claim;
    // Every frame's lag, from the gsNewGame frame to the frame that entered the result.
    std::vector<std::int32_t> lags;
    // In frame order.
    std::vector<Answer> answers;
    bool operator==(const Replay&) const = default;
};

constexpr bool isAnswerKey(char key) {
    return key >= '0' && key <= '9';
}

}  // namespace replay
