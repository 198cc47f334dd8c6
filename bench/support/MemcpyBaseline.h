#pragma once
// The baseline every frame figure is read against: one plain copy of an 800 x 600 surface.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace benchsupport {

inline void memcpyBaseline(benchmark::State& state) {
    std::vector<std::uint8_t> from(800 * 600, 3);
    std::vector<std::uint8_t> to(from.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), to.size());
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}

}  // namespace benchsupport
