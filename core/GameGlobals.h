#pragma once
// The game's state: the globals of the game unit, all zero when the program starts.
// Kept together in one object so that every test can start from a fresh game.

#include <array>
#include <cstdint>

#include "core/BestTen.h"
#include "core/Random.h"
#include "core/ScreenDraws.h"

namespace core {

enum GameState : std::uint8_t {
    gsIntroInit = 0,
    gsIntro = 1,
    gsBestTen = 2,
    gsTitle = 3,
    gsNewGame = 4,
    gsCurtain = 5,
    gsPlay = 6,
};

inline constexpr int BoardSize = 30;
inline constexpr int CellCount = BoardSize * BoardSize;
inline constexpr std::uint8_t CurtainCell = 11;

struct GameGlobals {
    // Loop and state machine.
    GameState State = gsIntroInit;  // `GameState`
    std::int32_t PendingSound = 0;
    std::uint8_t ShowDebugInfo = 0;
    std::int32_t PhaseClock = 0;
    std::uint8_t IntroCueArmed = 0;

    // Block field and play rules; Board holds the cell of column c, row r at c * 30 + r.
    std::array<std::uint8_t, CellCount> Board{};
    std::array<std::int32_t, 11> ColorCounts{};  // indexed 1 to 10; [0] unused
    std::int32_t BlockCount = 0;
    std::int32_t Level = 0;
    std::int32_t ColorRange = 0;
    std::int32_t LuckyColor = 0;
    std::int32_t Score = 0;
    std::int32_t LastPoints = 0;
    std::int32_t TimeLeft = 0;
    std::int32_t Life = 0;
    std::int32_t Combo = 0;
    std::int32_t ClearsThisLevel = 0;
    std::int32_t GameOverPhase = 0;
    std::int32_t NewRank = 0;
    std::int32_t ClearedBlocks = 0;

    // Play screen's low-life pulse; PulseClock is the play time (ms) since its last step.
    std::int32_t PulseTile = 0;
    std::int32_t PulseStep = 0;
    std::int32_t PulseClock = 0;

    // Best-ten board's drifting rows.
    std::array<float, 10> RowVelocity{};
    std::array<float, 10> RowOffset{};

    // Best-ten store.
    BestTenTable BestTen{};
    std::int32_t PassValue = 0;

    RandomGenerator Random;

    // What the last frame drew for its screen.
    ScreenDraws Draws;
};

}  // namespace core
