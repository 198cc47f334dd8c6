#pragma once
// The program's one random generator: a 32-bit linear congruential generator whose
// sequence of draws, for a given seed, is part of the game's behaviour.

#include <cstdint>

namespace core {

class RandomGenerator {
  public:
    void seed(std::uint32_t value) { state_ = value; }
    std::uint32_t state() const { return state_; }

    // Uniform on 0 .. n - 1, for n >= 1.
    std::int32_t next(std::int32_t n) {
        advance();
        return static_cast<std::int32_t>((std::uint64_t{state_} * static_cast<std::uint32_t>(n)) >>
                                         32);
    }

    // Uniform on [0, 1).
    double nextReal() {
        advance();
        return state_ / 4294967296.0;
    }

  private:
    void advance() { state_ = state_ * 134775813u + 1u; }

    std::uint32_t state_ = 0;
};

// The seed: the UTC time of day in milliseconds since midnight.
std::uint32_t timeOfDaySeed(int hour, int minute, int second, int millisecond);

}  // namespace core
