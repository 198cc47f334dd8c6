#include "game/ReplayRecording.h"

#include <utility>

#include "text/MessageLines.h"
#include "text/Translation.h"

namespace game {

ReplayRecording::ReplayRecording(std::filesystem::path dataFolder, ReportFailure reportFailure)
    : shelf_(std::move(dataFolder)), reportFailure_(std::move(reportFailure)) {}

void ReplayRecording::begin(const core::GameGlobals& g, std::int64_t utcMs) {
    recorder_.begin(g.Random.state(), g.BestTen, utcMs);
}

void ReplayRecording::keyTyped(char key) {
    if (recorder_.recording()) {
        recorder_.answer(key);
    }
}

void ReplayRecording::afterFrame(const core::Simulation& simulation, std::int32_t lagCount) {
    if (!recorder_.recording()) {
        return;
    }
    recorder_.frame(lagCount);
    if (simulation.resultEntered()) {
        keep(simulation.state());
    }
}

void ReplayRecording::keep(const core::GameGlobals& g) {
    const replay::Replay game = recorder_.finish(replay::claimOf(g));
    try {
        shelf_.store(game, g.BestTen);
    } catch (const std::exception& error) {
        if (!std::exchange(failureReported_, true)) {
            reportFailure_(std::runtime_error(
                text::joinedLines({text::tr("リプレイを保存できません。"), error.what()})));
        }
    }
}

}  // namespace game
