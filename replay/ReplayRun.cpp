#include "replay/ReplayRun.h"

namespace replay {

ReplayRun::ReplayRun(const Replay& game)
    : game_(game), simulation_(game.randomState, game.bestTen) {}

core::GameState ReplayRun::stepFrame() {
    for (; answer_ < game_.answers.size() && game_.answers[answer_].frame == frame_; ++answer_) {
        simulation_.keyPress(game_.answers[answer_].key);
    }
    return simulation_.step(game_.lags[frame_++]);
}

std::optional<std::uint32_t> ReplayRun::answerLeftOver() const {
    if (answer_ == game_.answers.size()) {
        return std::nullopt;
    }
    return game_.answers[answer_].frame;
}

}  // namespace replay
