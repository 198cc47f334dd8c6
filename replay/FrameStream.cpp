#include "replay/FrameStream.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "replay/ByteReader.h"
#include "replay/ByteWriter.h"
#include "replay/ReplayShape.h"

namespace replay {

namespace {

// 0x00-0x3F: one frame, lag = previous + (code - DeltaZero).
constexpr std::uint8_t DeltaZero = 0x20;
constexpr std::int32_t MinDelta = -DeltaZero;
constexpr std::int32_t MaxDelta = 0x3F - DeltaZero;
// 0x40-0x7F: a run of (code - ShortRun + 2) frames at the previous lag.
constexpr std::uint8_t ShortRun = 0x40;
constexpr std::size_t MaxShortRun = 0x7F - ShortRun + 2;
// A run of a LEB128 count of frames (at least 1) at the previous lag.
constexpr std::uint8_t LongRun = 0x80;
// One frame of a LEB128 lag.
constexpr std::uint8_t AbsoluteLag = 0x81;
// An answer: its key byte follows; it belongs to the next frame.
constexpr std::uint8_t AnswerCode = 0x82;
// The previous lag before the first frame: a frame at 60 Hz.
constexpr std::int32_t FirstPreviousLag = 16;

void writeRun(ByteWriter& out, std::size_t frames) {
    if (frames == 1) {
        out.u8(DeltaZero);
    } else if (frames <= MaxShortRun) {
        out.u8(static_cast<std::uint8_t>(ShortRun + frames - 2));
    } else {
        out.u8(LongRun);
        out.leb128(static_cast<std::uint32_t>(frames));
    }
}

void writeLag(ByteWriter& out, std::int32_t lag, std::int32_t previous) {
    const std::int64_t delta = std::int64_t{lag} - previous;
    if (delta >= MinDelta && delta <= MaxDelta) {
        out.u8(static_cast<std::uint8_t>(DeltaZero + delta));
    } else {
        out.u8(AbsoluteLag);
        out.leb128(static_cast<std::uint32_t>(lag));
    }
}

class FrameStreamDecoder {
  public:
    FrameStreamDecoder(std::string_view stream, std::uint32_t frameCount, std::uint32_t answerCount,
                       Replay& replay)
        : in_(stream, "the frame stream ends inside a code"),
          frameCount_(frameCount),
          answerCount_(answerCount),
          replay_(replay) {}

    void decode() {
        while (in_.remaining() > 0) {
            decodeCode(in_.u8());
        }
        if (replay_.lags.size() != frameCount_) {
            throw ReplayError("the header counts " + std::to_string(frameCount_) +
                              " frames, the frame stream holds " +
                              std::to_string(replay_.lags.size()));
        }
        if (replay_.answers.size() != answerCount_) {
            throw ReplayError("the header counts " + std::to_string(answerCount_) +
                              " answers, the frame stream holds " +
                              std::to_string(replay_.answers.size()));
        }
    }

  private:
    void decodeCode(std::uint8_t code) {
        if (code < ShortRun) {
            frames(1, std::int64_t{previous_} + (code - DeltaZero));
        } else if (code < LongRun) {
            frames(code - ShortRun + 2, previous_);
        } else if (code == LongRun) {
            const std::uint32_t count = in_.leb128();
            if (count == 0) {
                throw ReplayError("an empty run at frame " + std::to_string(replay_.lags.size()));
            }
            frames(count, previous_);
        } else if (code == AbsoluteLag) {
            frames(1, in_.leb128());
        } else if (code == AnswerCode) {
            answer(static_cast<char>(in_.u8()));
        } else {
            char text[64];
            std::snprintf(text, sizeof text, "unknown frame code 0x%02X at stream byte %zu", code,
                          in_.position() - 1);
            throw ReplayError(text);
        }
    }

    void frames(std::uint32_t count, std::int64_t lag) {
        const std::size_t frame = replay_.lags.size();
        if (lag < MinLag || lag > std::numeric_limits<std::int32_t>::max()) {
            throw ReplayError(impossibleLag(lag, frame));
        }
        if (count > frameCount_ - frame) {
            throw ReplayError("the frame stream holds more frames than the header's " +
                              std::to_string(frameCount_));
        }
        previous_ = static_cast<std::int32_t>(lag);
        if (count == 1) {
            replay_.lags.push_back(previous_);
        } else {
            replay_.lags.insert(replay_.lags.end(), count, previous_);
        }
    }

    void answer(char key) {
        const std::size_t frame = replay_.lags.size();
        if (!isAnswerKey(key)) {
            throw ReplayError(notADigit(key, frame));
        }
        if (replay_.answers.size() == answerCount_) {
            throw ReplayError("the frame stream holds more answers than the header's " +
                              std::to_string(answerCount_));
        }
        replay_.answers.push_back({static_cast<std::uint32_t>(frame), key});
    }

    ByteReader in_;
    std::uint32_t frameCount_;
    std::uint32_t answerCount_;
    Replay& replay_;
    std::int32_t previous_ = FirstPreviousLag;
};

}  // namespace

std::string encodeFrameStream(const Replay& replay) {
    ByteWriter out;
    std::int32_t previous = FirstPreviousLag;
    std::size_t nextAnswer = 0;
    const std::size_t frameCount = replay.lags.size();
    const auto writeAnswersOf = [&](std::size_t frame) {
        for (; nextAnswer < replay.answers.size() && replay.answers[nextAnswer].frame == frame;
             ++nextAnswer) {
            out.u8(AnswerCode);
            out.u8(static_cast<std::uint8_t>(replay.answers[nextAnswer].key));
        }
    };
    for (std::size_t frame = 0; frame < frameCount;) {
        writeAnswersOf(frame);
        const std::int32_t lag = replay.lags[frame];
        if (lag != previous) {
            writeLag(out, lag, previous);
            previous = lag;
            ++frame;
            continue;
        }
        // A run ends where the lag changes or an answer comes before a frame.
        const std::size_t runLimit =
            nextAnswer < replay.answers.size() ? replay.answers[nextAnswer].frame : frameCount;
        std::size_t end = frame + 1;
        while (end < runLimit && replay.lags[end] == lag) {
            ++end;
        }
        writeRun(out, end - frame);
        frame = end;
    }
    writeAnswersOf(frameCount);
    return out.take();
}

void decodeFrameStream(std::string_view stream, std::uint32_t frameCount, std::uint32_t answerCount,
                       Replay& replay) {
    // What the stream can hold without long runs: a run's count is not trusted before it is
    // checked against the header's, and the header's not before the stream holds its frames.
    replay.lags.clear();
    replay.lags.reserve(std::min<std::size_t>(frameCount, stream.size() * MaxShortRun));
    replay.answers.clear();
    replay.answers.reserve(std::min<std::size_t>(answerCount, stream.size() / 2));
    FrameStreamDecoder(stream, frameCount, answerCount, replay).decode();
}

}  // namespace replay
