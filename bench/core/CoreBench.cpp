// Whole games through the core alone, as a replay's check runs them: play frames a second.

#include <benchmark/benchmark.h>

#include <cstdint>

#include "core/PlayRules.h"
#include "core/Simulation.h"

namespace {

constexpr std::int32_t Lag = 16;
// A player who looks for a while before answering and is wrong one time in four.
constexpr int FramesPerAnswer = 45;
constexpr int WrongEvery = 4;

char answerOf(const core::GameGlobals& g, int answerNumber) {
    const int colour = core::colourWithMostBlocks(g);
    const int given = answerNumber % WrongEvery == 0 ? colour % g.ColorRange + 1 : colour;
    return core::answerKeyOf(given);
}

// Frames from the new game to its result.
std::int64_t playOneGame(std::uint32_t seed) {
    core::Simulation simulation(seed, core::defaultBestTen());
    std::int64_t frames = 0;
    int answers = 0;
    while (!simulation.resultEntered()) {
        if (simulation.state().State == core::gsPlay && frames % FramesPerAnswer == 0) {
            simulation.keyPress(answerOf(simulation.state(), ++answers));
        }
        simulation.step(Lag);
        ++frames;
    }
    return frames;
}

void wholeGames(benchmark::State& state) {
    std::uint32_t seed = 1;
    std::int64_t frames = 0;
    for (auto _ : state) {
        frames += playOneGame(seed++);
    }
    state.counters["frames_per_second"] =
        benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kIsRate);
    state.counters["frames_per_game"] =
        static_cast<double>(frames) / static_cast<double>(state.iterations());
}
BENCHMARK(wholeGames)->Unit(benchmark::kMillisecond);

}  // namespace
