#include "game/ReplayPlayback.h"

#include <utility>

#include "core/Sounds.h"

namespace game {

ReplayPlayback::ReplayPlayback(replay::Replay game)
    : game_(std::move(game)), run_(game_), shown_(state().State) {}

bool ReplayPlayback::advance(std::int32_t realMs, const SoundPlayer& playSound) {
    if (paused_) {
        return true;
    }
    dueMs_ += static_cast<std::int64_t>(realMs) * speed_;
    while (!run_.finished() && dueMs_ >= run_.nextLag()) {
        dueMs_ -= run_.nextLag();
        stepFrame(playSound);
    }
    if (!run_.finished()) {
        return true;
    }
    playPendingSound(playSound);  // the result's own sound, as the next frame would play it
    heldMs_ += static_cast<std::int64_t>(realMs) * speed_;
    return heldMs_ < HoldMs;
}

void ReplayPlayback::playPendingSound(const SoundPlayer& playSound) {
    core::GameGlobals& g = run_.simulation().state();
    if (g.PendingSound > 0) {
        playSound(core::soundOfCue(g.PendingSound));
        g.PendingSound = 0;
    }
}

void ReplayPlayback::stepFrame(const SoundPlayer& playSound) {
    playPendingSound(playSound);
    shownLag_ = run_.nextLag();
    shown_ = run_.stepFrame();
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
