#pragma once
// A game played to its result by a simple player and recorded as the game window records it:
// the replay's tests and benchmark start from it.

#include <cstdint>

#include "core/PlayRules.h"
#include "core/Simulation.h"
#include "replay/Recorder.h"

namespace testsupport {

struct PlayStyle {
    // The player looks this many frames before each answer...
    std::uint32_t framesPerAnswer = 45;
    // ...is wrong one time in this many...
    int wrongEvery = 4;
    // ...and stops answering at this frame, so that the time runs out.
    std::uint32_t answerUntilFrame = 4000;
    // Lags of a real 60 Hz display, 16 and 17 ms in turn with a missed frame now and then; else
    // always 16.
    bool jitter = true;
};

inline std::int32_t lagOf(const PlayStyle& style, std::uint32_t frame) {
    if (!style.jitter) {
        return 16;
    }
    return frame % 500 == 499 ? 33 : 16 + static_cast<std::int32_t>(frame % 2);
}

// The colour with the most blocks, or the next colour when the player errs.
inline char answerOf(const core::GameGlobals& g, int answerNumber, int wrongEvery) {
    const int colour = core::colourWithMostBlocks(g);
    const bool wrong = wrongEvery > 0 && answerNumber % wrongEvery == 0;
    return core::answerKeyOf(wrong ? colour % g.ColorRange + 1 : colour);
}

inline replay::Replay recordGame(std::uint32_t seed, const PlayStyle& style = {}) {
    const core::BestTenTable table = core::defaultBestTen();
    core::Simulation simulation(seed, table);
    replay::Recorder recorder;
    recorder.begin(seed, table, 1'700'000'000'000);
    int answers = 0;
    for (std::uint32_t frame = 0; !simulation.resultEntered(); ++frame) {
        const bool answering = simulation.state().State == core::gsPlay &&
                               frame < style.answerUntilFrame && frame % style.framesPerAnswer == 0;
        if (answering) {
            const char key = answerOf(simulation.state(), ++answers, style.wrongEvery);
            recorder.answer(key);
            simulation.keyPress(key);
        }
        const std::int32_t lag = lagOf(style, frame);
        recorder.frame(lag);
        simulation.step(lag);
    }
    const core::GameGlobals& g = simulation.state();
    return recorder.finish(replay::claimOf(g));
}

}  // namespace testsupport
