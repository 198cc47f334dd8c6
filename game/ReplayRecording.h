#pragma once
// Records every game from its new-game step to its result and puts it on the shelf. A game left
// before its result is not kept; a failed write is reported once and play goes on.

#include <cstdint>
#include <functional>
#include <stdexcept>

#include "core/Simulation.h"
#include "game/ReplayShelf.h"
#include "replay/Recorder.h"

namespace game {

class ReplayRecording {
  public:
    using ReportFailure = std::function<void(const std::exception& error)>;

    ReplayRecording(std::filesystem::path dataFolder, ReportFailure reportFailure);

    // Before the new game's step (`gsNewGame`): the game begins from the generator as it stands.
    void begin(const core::GameGlobals& g, std::int64_t utcMs);
    // A character typed into the game before the next frame.
    void keyTyped(char key);
    // After the frame's step: its lag, and the replay once the frame entered the result.
    void afterFrame(const core::Simulation& simulation, std::int32_t lagCount);

    const ReplayShelf& shelf() const { return shelf_; }

  private:
    void keep(const core::GameGlobals& g);

    ReplayShelf shelf_;
    replay::Recorder recorder_;
    ReportFailure reportFailure_;
    bool failureReported_ = false;
};

}  // namespace game
