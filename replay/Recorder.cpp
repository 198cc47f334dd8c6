#include "replay/Recorder.h"

#include <stdexcept>

namespace replay {

void Recorder::begin(std::uint32_t randomState, const core::BestTenTable& bestTen,
                     std::int64_t playedAtMs) {
    replay_.emplace();
    replay_->randomState = randomState;
    replay_->bestTen = bestTen;
    replay_->playedAtMs = playedAtMs;
}

void Recorder::answer(char key) {
    if (recording() && isAnswerKey(key)) {
        replay_->answers.push_back({static_cast<std::uint32_t>(replay_->lags.size()), key});
    }
}

void Recorder::frame(std::int32_t lag) {
    if (recording()) {
        replay_->lags.push_back(lag);
    }
}

Replay Recorder::finish(const Claim& claim) {
    if (!recording()) {
        throw std::logic_error("no game is being recorded");
    }
    Replay finished = std::move(*replay_);
    replay_.reset();
    finished.claim = claim;
    const std::uint32_t frameCount = static_cast<std::uint32_t>(finished.lags.size());
    std::erase_if(finished.answers, [&](const Answer& a) { return a.frame >= frameCount; });
    return finished;
}

}  // namespace replay
