#pragma once
// The frames and answers of a replay as its file stores them: runs of equal lags and small lag
// changes take a byte, answers two. docs/replay-format.md gives every code.

#include <cstdint>
#include <string>
#include <string_view>

#include "replay/Replay.h"

namespace replay {

// The stream of a replay whose shape is sound (see shapeProblem).
std::string encodeFrameStream(const Replay& replay);

// The lags and answers a stream holds, into `replay`; the stream must hold exactly the counts
// the header gives. Throws ReplayError.
void decodeFrameStream(std::string_view stream, std::uint32_t frameCount, std::uint32_t answerCount,
                       Replay& replay);

}  // namespace replay
