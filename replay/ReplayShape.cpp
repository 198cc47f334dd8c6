#include "replay/ReplayShape.h"

#include <cstdio>

namespace replay {

std::string impossibleLag(std::int64_t lag, std::size_t frame) {
    return "lag " + std::to_string(lag) + " at frame " + std::to_string(frame) + " cannot happen";
}

std::string answerAfterLastFrame(std::uint32_t frame) {
    return "answer for frame " + std::to_string(frame) + " after the last frame";
}

std::string notADigit(char key, std::size_t frame) {
    char code[8];
    std::snprintf(code, sizeof code, "0x%02X", static_cast<unsigned char>(key));
    return "answer key " + std::string(code) + " before frame " + std::to_string(frame) +
           " is not a digit";
}

std::string shapeProblem(const Replay& replay) {
    if (replay.lags.size() > MaxFrames) {
        return TooManyFrames;
    }
    for (std::size_t frame = 0; frame < replay.lags.size(); ++frame) {
        if (replay.lags[frame] < MinLag) {
            return impossibleLag(replay.lags[frame], frame);
        }
    }
    std::uint32_t previousFrame = 0;
    for (const Answer& answer : replay.answers) {
        if (answer.frame < previousFrame) {
            return "answer for frame " + std::to_string(answer.frame) + " after one for frame " +
                   std::to_string(previousFrame);
        }
        if (answer.frame > replay.lags.size()) {
            return answerAfterLastFrame(answer.frame);
        }
        if (!isAnswerKey(answer.key)) {
            return notADigit(answer.key, answer.frame);
        }
        previousFrame = answer.frame;
    }
    return {};
}

}  // namespace replay
