#pragma once
// The whole game without a platform: its state, the answers typed into it, and one frame of its
// loop at a time. The game window drives it around its display and sounds; a caller without
// either (a replay's check, the ranking server) drives it alone and consumes the random
// generator exactly as the game does.

#include <cstdint>
#include <string_view>

#include "core/GameGlobals.h"

namespace core {

class Simulation {
  public:
    // The state the program starts with: every value zero.
    Simulation() = default;
    // A new game about to begin (`gsNewGame`) from this random state, over this table.
    Simulation(std::uint32_t randomState, const BestTenTable& table);

    GameGlobals& state() { return g_; }
    const GameGlobals& state() const { return g_; }

    // A typed character, as it reaches the game: the answer rule.
    void keyPress(char key);

    // One frame of the loop, lagCount milliseconds (at least 1) after the last: the state's step
    // and the random draws of its screen. Returns the state the frame stepped, whose screen the
    // frame shows.
    GameState step(std::int32_t lagCount);

    // The answers that reached the game before the frame, then the frame.
    GameState step(std::int32_t lagCount, std::string_view answers);

    // The game is over and its result has been offered to the table.
    bool resultEntered() const { return g_.State == gsPlay && g_.GameOverPhase == 2; }

  private:
    GameGlobals g_;
};

}  // namespace core
