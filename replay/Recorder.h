#pragma once
// Records the game as it is played: the game window tells it when a game begins, each digit
// typed and each frame's lag, and takes the replay when the result is entered.

#include <cstdint>
#include <optional>

#include "replay/Replay.h"

namespace replay {

class Recorder {
  public:
    // A new game, as its gsNewGame frame is about to step; drops any game being recorded.
    void begin(std::uint32_t randomState, const core::BestTenTable& bestTen,
               std::int64_t playedAtMs);
    // A key typed before the next frame; only digits are answers, others are ignored.
    void answer(char key);
    void frame(std::int32_t lag);
    bool recording() const { return replay_.has_value(); }
    // The replay up to the last frame, with its claimed result; recording stops. Keys typed
    // after the last frame never reached the game and are left out. Throws std::logic_error
    // when no game is being recorded.
    Replay finish(const Claim& claim);
    void abandon() { replay_.reset(); }

  private:
    std::optional<Replay> replay_;
};

}  // namespace replay
