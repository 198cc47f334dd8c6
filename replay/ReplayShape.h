#pragma once
// What no replay may hold whatever its game: lags under 1 ms, more frames than the bound,
// answers out of frame order, keys other than digits, answers after the end of the stream.

#include <string>

#include "replay/Replay.h"

namespace replay {

// Empty when the replay can be written and re-run; else the first problem, in plain English.
std::string shapeProblem(const Replay& replay);

// The common texts of the checks, shared with the decoder's.
std::string impossibleLag(std::int64_t lag, std::size_t frame);
std::string answerAfterLastFrame(std::uint32_t frame);
std::string notADigit(char key, std::size_t frame);
inline constexpr const char* TooManyFrames = "more than 20 hours of frames";

}  // namespace replay
