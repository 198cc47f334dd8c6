#pragma once
// Whether a replay is a true record of a game: the game's rules re-run over its frames and
// answers must reach its result exactly at its last frame, and that result must be its claim.

#include <cstdint>
#include <filesystem>
#include <string>

#include "replay/Replay.h"

namespace replay {

struct Verdict {
    bool valid = false;
    // Why not, in plain English; empty when valid.
    std::string reason;
    // What the re-run game reached (as far as it ran).
    Claim reached;
    // What the replay claims; zero when the file cannot be read.
    Claim claimed;
    std::uint32_t frames = 0;
    // The sum of the lags.
    std::int64_t playMs = 0;
};

// Re-runs the game through core::Simulation(randomState, bestTen): before frame i, the answers
// of frame i through keyPress, then step(lags[i]). Stops where the game ends, so the time
// taken is bounded by the game, not by the frames a replay claims.
Verdict verifyReplay(const Replay& replay);

// A file that cannot be read gives an invalid verdict with the reason.
Verdict verifyReplayFile(const std::filesystem::path& path);

}  // namespace replay
