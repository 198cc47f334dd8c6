#pragma once
// The best-ten table's rules: the default table and how a result enters it.

#include <array>
#include <cstdint>

namespace core {

struct GameGlobals;

struct THiScoreEntry {
    std::int32_t Score = 0;
    std::int32_t Level = 0;
    std::int32_t Blocks = 0;
    bool operator==(const THiScoreEntry&) const = default;
};

using BestTenTable = std::array<THiScoreEntry, 10>;

// The table a first start shows: 5000 down to 500.
BestTenTable defaultBestTen();

// The default table (`PassValue` 0) into `g`.
void fillDefaultBestTen(GameGlobals& g);

// Offers one result to the table; sets `NewRank` and, for a new first place, `PassValue`.
void EnterResult(GameGlobals& g, std::int32_t score, std::int32_t level, std::int32_t blocks);

}  // namespace core
