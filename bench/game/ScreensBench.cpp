// One whole frame of each screen, its rules and its drawing, without the present.

#include <benchmark/benchmark.h>

#include "bench/support/MemcpyBaseline.h"
#include "core/PlayRules.h"
#include "core/ScreenSteps.h"
#include "core/StateSteps.h"
#include "game/BestTenScreen.h"
#include "game/BestTenStore.h"
#include "game/OpeningScreen.h"
#include "game/PlayScreen.h"
#include "game/TitleScreen.h"
#include "tests/support/HeadlessGame.h"

namespace {

using namespace game;

constexpr std::int32_t Lag = 16;

BENCHMARK(benchsupport::memcpyBaseline);

// A running game with every cell taken: all 900 blocks, the panel and both bars.
void playFrame(benchmark::State& state) {
    testsupport::HeadlessGame game;
    core::GameGlobals& g = game.g;
    core::stepNewGame(g);
    g.State = core::gsPlay;
    for (int cell = 0; cell < core::CellCount; ++cell) {
        const int colour = cell % 10 + 1;
        g.Board[cell] = static_cast<std::uint8_t>(colour);
        ++g.ColorCounts[colour];
    }
    g.BlockCount = core::CellCount;
    g.Score = 1234567;
    for (auto _ : state) {
        g.TimeLeft = core::FullTime;  // no time-out, so the game never ends
        game.surface().Fill(4);
        core::stepPlayRules(g, Lag);
        core::stepPlayScreen(g, Lag);
        drawPlay(g, game.surface(), game.pictures(), Lag);
        benchmark::DoNotOptimize(game.surface().Pixels());
    }
}
BENCHMARK(playFrame);

// 420 blocks and 88 texts.
void bestTenFrame(benchmark::State& state) {
    testsupport::HeadlessGame game;
    core::fillDefaultBestTen(game.g);
    for (auto _ : state) {
        game.surface().Fill(0);
        core::stepBestTenScreen(game.g);
        drawBestTen(game.g, game.surface(), game.pictures());
        benchmark::DoNotOptimize(game.surface().Pixels());
    }
}
BENCHMARK(bestTenFrame);

// Below 0 all 121 logos lie whole on the screen, and the credit line is drawn too.
void openingFrame(benchmark::State& state) {
    testsupport::HeadlessGame game;
    core::GameGlobals& g = game.g;
    g.State = core::gsIntro;
    for (auto _ : state) {
        g.PhaseClock = -1;
        game.surface().Fill(0);
        drawOpeningSpiral(g.PhaseClock, game.surface(), game.pictures());
        core::stepIntroCountdown(g, Lag);
        drawProducerCredit(g.PhaseClock, game.surface());
        benchmark::DoNotOptimize(game.surface().Pixels());
    }
}
BENCHMARK(openingFrame);

void titleFrame(benchmark::State& state) {
    testsupport::HeadlessGame game;
    for (auto _ : state) {
        game.surface().Fill(0);
        core::stepTitleScreen(game.g);
        drawTitle(game.g, game.surface(), game.pictures());
        benchmark::DoNotOptimize(game.surface().Pixels());
    }
}
BENCHMARK(titleFrame);

}  // namespace
