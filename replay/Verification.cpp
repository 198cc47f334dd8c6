#include "replay/Verification.h"

#include <numeric>

#include "core/Simulation.h"
#include "replay/ReplayError.h"
#include "replay/ReplayFile.h"
#include "replay/ReplayShape.h"

namespace replay {

namespace {

Claim resultOf(const core::GameGlobals& g) {
    return {g.Score, g.Level, g.ClearedBlocks};
}

std::string claimProblem(const Claim& claimed, const Claim& reached) {
    const auto differs = [](const char* field, std::int32_t claim, std::int32_t reach) {
        return "claims " + std::string(field) + " " + std::to_string(claim) +
               ", the game reaches " + std::to_string(reach);
    };
    if (claimed.score != reached.score) {
        return differs("score", claimed.score, reached.score);
    }
    if (claimed.level != reached.level) {
        return differs("level", claimed.level, reached.level);
    }
    if (claimed.blocks != reached.blocks) {
        return differs("blocks", claimed.blocks, reached.blocks);
    }
    return {};
}

// The game over the replay's frames; empty when its result comes exactly at the last frame.
std::string runProblem(const Replay& replay, Claim& reached) {
    core::Simulation simulation(replay.randomState, replay.bestTen);
    const std::size_t frameCount = replay.lags.size();
    auto answer = replay.answers.begin();
    for (std::size_t frame = 0; frame < frameCount; ++frame) {
        for (; answer != replay.answers.end() && answer->frame == frame; ++answer) {
            simulation.keyPress(answer->key);
        }
        simulation.step(replay.lags[frame]);
        if (simulation.resultEntered() && frame + 1 < frameCount) {
            reached = resultOf(simulation.state());
            return "the game ends after " + std::to_string(frame + 1) + " of the " +
                   std::to_string(frameCount) + " frames";
        }
    }
    reached = resultOf(simulation.state());
    if (answer != replay.answers.end()) {
        return answerAfterLastFrame(answer->frame);
    }
    if (!simulation.resultEntered()) {
        return "the game has not ended after the last frame";
    }
    return {};
}

std::string problemOf(const Replay& replay, Claim& reached) {
    if (replay.rulesVersion != core::RulesVersion) {
        return "rules version " + std::to_string(replay.rulesVersion) + " is not known";
    }
    if (replay.lags.empty()) {
        return "the replay holds no frames";
    }
    if (std::string problem = shapeProblem(replay); !problem.empty()) {
        return problem;
    }
    if (std::string problem = runProblem(replay, reached); !problem.empty()) {
        return problem;
    }
    return claimProblem(replay.claim, reached);
}

}  // namespace

Verdict verifyReplay(const Replay& replay) {
    Verdict verdict;
    verdict.claimed = replay.claim;
    verdict.frames = static_cast<std::uint32_t>(replay.lags.size());
    verdict.playMs = std::accumulate(replay.lags.begin(), replay.lags.end(), std::int64_t{0});
    verdict.reason = problemOf(replay, verdict.reached);
    verdict.valid = verdict.reason.empty();
    return verdict;
}

Verdict verifyReplayFile(const std::filesystem::path& path) {
    try {
        return verifyReplay(readReplayFile(path));
    } catch (const ReplayError& error) {
        Verdict verdict;
        verdict.reason = error.what();
        return verdict;
    }
}

}  // namespace replay
