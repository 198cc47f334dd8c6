#pragma once
// The version of the game's rules. A replay holds the version it was played under; a change to
// anything a game's course depends on (the rules, the random draws and their order) must raise
// it, so that older replays are refused rather than checked against other rules.

#include <cstdint>

namespace core {

inline constexpr std::uint16_t RulesVersion = 1;

}  // namespace core
