#include "replay/Verification.h"

#include <numeric>

#include "replay/ReplayError.h"
#include "replay/ReplayFile.h"
#include "replay/ReplayRun.h"
#include "replay/ReplayShape.h"

namespace replay {

namespace {

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
    ReplayRun run(replay);
    while (!run.finished()) {
        run.stepFrame();
        if (run.simulation().resultEntered() && !run.finished()) {
            reached = claimOf(run.simulation().state());
            return "the game ends after " + std::to_string(run.frames()) + " of the " +
                   std::to_string(replay.lags.size()) + " frames";
        }
    }
    reached = claimOf(run.simulation().state());
    if (const auto frame = run.answerLeftOver()) {
        return answerAfterLastFrame(*frame);
    }
    if (!run.simulation().resultEntered()) {
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
