#pragma once
// A recorded game played again through its own simulation, paced by real time at a chosen speed:
// each display frame steps every recorded frame that has come due, with the answers that reached
// the game before it.

#include <cstddef>
#include <cstdint>
#include <functional>

#include "replay/Replay.h"
#include "replay/ReplayRun.h"

namespace game {

class ReplayPlayback {
  public:
    // How long the last frame stays after the result, at speed 1.
    static constexpr std::int32_t HoldMs = 3000;
    static constexpr int MaxSpeed = 8;

    // Plays the sound of a cue the game asked for, before the step that follows.
    using SoundPlayer = std::function<void(int sound)>;

    explicit ReplayPlayback(replay::Replay game);
    ReplayPlayback(const ReplayPlayback&) = delete;
    ReplayPlayback& operator=(const ReplayPlayback&) = delete;

    // Advances by realMs of real time; false once the game and its hold are over.
    bool advance(std::int32_t realMs, const SoundPlayer& playSound);

    const core::GameGlobals& state() const { return run_.simulation().state(); }
    // The state whose screen shows: the one the last step stepped.
    core::GameState shownState() const { return shown_; }
    std::int32_t shownLag() const { return shownLag_; }

    void faster();
    void slower();
    void togglePause() { paused_ = !paused_; }
    int speed() const { return speed_; }
    bool paused() const { return paused_; }

  private:
    void stepFrame(const SoundPlayer& playSound);
    void playPendingSound(const SoundPlayer& playSound);

    replay::Replay game_;  // what run_ steps through
    replay::ReplayRun run_;
    std::int64_t dueMs_ = 0;  // real time (times the speed) not yet spent on frames
    std::int64_t heldMs_ = 0;
    core::GameState shown_;
    std::int32_t shownLag_ = 1;
    int speed_ = 1;
    bool paused_ = false;
};

}  // namespace game
