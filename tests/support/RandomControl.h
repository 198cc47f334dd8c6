#pragma once
// Sets the game's generator so that its next draw gives a chosen value.

#include <cstdint>

#include "core/Random.h"

namespace testsupport {

// The state whose next step lands on target: the step is state * 134775813 + 1, and the
// multiplier, odd, has an inverse modulo 2^32.
inline std::uint32_t stateBefore(std::uint32_t target) {
    constexpr std::uint32_t Multiplier = 134775813u;
    std::uint32_t inverse = Multiplier;
    for (int i = 0; i < 5; ++i) {
        inverse *= 2u - Multiplier * inverse;
    }
    return (target - 1u) * inverse;
}

// The next Random real gives fraction (a multiple of 2^-32 is met exactly).
inline void nextRealWillBe(core::RandomGenerator& random, double fraction) {
    random.seed(stateBefore(static_cast<std::uint32_t>(fraction * 4294967296.0)));
}

// The next Random(n) gives value.
inline void nextWillBe(core::RandomGenerator& random, std::int32_t value, std::int32_t n) {
    const std::uint64_t target = ((std::uint64_t{static_cast<std::uint32_t>(value)} << 32) +
                                  static_cast<std::uint32_t>(n) - 1) /
                                 static_cast<std::uint32_t>(n);
    random.seed(stateBefore(static_cast<std::uint32_t>(target)));
}

}  // namespace testsupport
