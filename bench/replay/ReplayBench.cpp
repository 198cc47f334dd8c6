// A ten-minute game's replay read and checked, as a server or `pudorock-replay verify` does:
// the time one check takes (the aim is under 10 ms), and the file's size per frame and minute.

#include <benchmark/benchmark.h>

#include <string>

#include "replay/ReplayCodec.h"
#include "replay/Verification.h"
#include "tests/support/RecordedGame.h"

namespace {

// About 37,500 frames of 16 or 17 ms: a good player who stops answering near the end.
const replay::Replay& tenMinuteGame() {
    static const replay::Replay game = [] {
        testsupport::PlayStyle style;
        style.framesPerAnswer = 45;
        style.wrongEvery = 6;
        style.answerUntilFrame = 36'000;
        return testsupport::recordGame(2024, style);
    }();
    return game;
}

void decodeAndVerify(benchmark::State& state) {
    const std::string file = replay::encodeReplay(tenMinuteGame());
    for (auto _ : state) {
        const replay::Verdict verdict = replay::verifyReplay(replay::decodeReplay(file));
        if (!verdict.valid) {
            state.SkipWithError(verdict.reason.c_str());
            return;
        }
        benchmark::DoNotOptimize(verdict);
    }
    const double frames = static_cast<double>(tenMinuteGame().lags.size());
    const replay::Verdict verdict = replay::verifyReplay(tenMinuteGame());
    const double minutes = static_cast<double>(verdict.playMs) / 60'000.0;
    state.counters["frames"] = frames;
    state.counters["answers"] = static_cast<double>(tenMinuteGame().answers.size());
    state.counters["play_minutes"] = minutes;
    state.counters["file_bytes"] = static_cast<double>(file.size());
    state.counters["bytes_per_frame"] = static_cast<double>(file.size()) / frames;
    state.counters["bytes_per_minute"] = static_cast<double>(file.size()) / minutes;
}
BENCHMARK(decodeAndVerify)->Unit(benchmark::kMillisecond);

void decodeOnly(benchmark::State& state) {
    const std::string file = replay::encodeReplay(tenMinuteGame());
    for (auto _ : state) {
        benchmark::DoNotOptimize(replay::decodeReplay(file));
    }
}
BENCHMARK(decodeOnly)->Unit(benchmark::kMicrosecond);

}  // namespace
