#include "game/ReplayPlayback.h"

#include <utility>

#include "core/Sounds.h"

namespace game {

ReplayPlayback::ReplayPlayback(replay::Replay game)
    : game_(std::move(game)),
      simulation_(game_.randomState, game_.bestTen),
      shown_(simulation_.state().State) {}

bool ReplayPlayback::advance(std::int32_t realMs, const SoundPlayer& playSound) {
    if (paused_) {
        return true;
    }
    dueMs_ += static_cast<std::int64_t>(realMs) * speed_;
    while (frame_ < game_.lags.size() && dueMs_ >= game_.lags[frame_]) {
        dueMs_ -= game_.lags[frame_];
        stepFrame(playSound);
    }
    if (frame_ < game_.lags.size()) {
        return true;
    }
    playPendingSound(playSound);  // the result's own sound, as the next frame would play it
    heldMs_ += static_cast<std::int64_t>(realMs) * speed_;
    return heldMs_ < HoldMs;
}

void ReplayPlayback::playPendingSound(const SoundPlayer& playSound) {
    core::GameGlobals& g = simulation_.state();
    if (g.PendingSound > 0) {
        playSound(core::soundOfCue(g.PendingSound));
        g.PendingSound = 0;
    }
}

void ReplayPlayback::stepFrame(const SoundPlayer& playSound) {
    playPendingSound(playSound);
    for (; answer_ < game_.answers.size() && game_.answers[answer_].frame == frame_; ++answer_) {
        simulation_.keyPress(game_.answers[answer_].key);
    }
    shownLag_ = game_.lags[frame_];
    shown_ = simulation_.step(shownLag_);
    ++frame_;
}

void ReplayPlayback::faster() {
    if (speed_ < MaxSpeed) {
        speed_ *= 2;
    }
}

void ReplayPlayback::slower() {
    if (speed_ > 1) {
        speed_ /= 2;
    }
}

}  // namespace game
