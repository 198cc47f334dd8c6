#pragma once
// A replay's game going forward through the core a frame at a time: before each frame, the
// answers that reached the game before it, then the frame with its lag. The check and the
// game's playback both go this way.

#include <cstddef>
#include <optional>

#include "core/Simulation.h"
#include "replay/Replay.h"

namespace replay {

class ReplayRun {
  public:
    // The replay must outlive the run.
    explicit ReplayRun(const Replay& game);
    ReplayRun(const ReplayRun&) = delete;
    ReplayRun& operator=(const ReplayRun&) = delete;

    // Every recorded frame has been stepped.
    bool finished() const { return frame_ == game_.lags.size(); }
    // Frames stepped so far.
    std::size_t frames() const { return frame_; }
    // The next frame's lag; only before the run has finished.
    std::int32_t nextLag() const { return game_.lags[frame_]; }
    // Steps the next frame; returns the state it stepped.
    core::GameState stepFrame();

    // The frame of the first answer no frame took (one recorded after the last frame).
    std::optional<std::uint32_t> answerLeftOver() const;

    core::Simulation& simulation() { return simulation_; }
    const core::Simulation& simulation() const { return simulation_; }

  private:
    const Replay& game_;
    core::Simulation simulation_;
    std::size_t frame_ = 0;
    std::size_t answer_ = 0;
};

}  // namespace replay
