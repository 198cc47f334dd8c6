#pragma once
// A replay as the bytes of its file (docs/replay-format.md), and back.

#include <string>
#include <string_view>

#include "replay/Replay.h"

namespace replay {

inline constexpr std::string_view Magic = "PDRP";
inline constexpr std::uint16_t FormatVersion = 1;

// The file's bytes. Throws ReplayError for a replay no file can hold (see shapeProblem, and
// more than 4 MB of bytes).
std::string encodeReplay(const Replay& replay);

// Strict: any byte out of place is an error. Throws ReplayError with the reason.
Replay decodeReplay(std::string_view bytes);

}  // namespace replay
