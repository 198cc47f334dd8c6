// The replay file's bytes: every code of the frame stream read back as written, and every kind
// of damage refused with its reason.

#include "replay/ReplayCodec.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "replay/ReplayError.h"
#include "replay/Verification.h"
#include "tests/replay/ReplayBytes.h"
#include "tests/support/RecordedGame.h"

namespace replay {
namespace {

using namespace std::string_view_literals;
using replaytest::withChecksum;
using replaytest::withStream;

std::string reasonOf(std::string_view bytes) {
    try {
        decodeReplay(bytes);
    } catch (const ReplayError& error) {
        return error.what();
    }
    return "";
}

const std::string& recordedFile() {
    static const std::string file = encodeReplay(testsupport::recordGame(42));
    return file;
}

std::size_t streamBytesOf(const std::string& file) {
    return file.size() - replaytest::HeaderBytes - 4;
}

TEST(ReplayCodecTest, ARecordedGameReadsBackAsWrittenAndIsValid) {
    const Replay recorded = testsupport::recordGame(42);
    ASSERT_GT(recorded.answers.size(), 50u);
    const Replay decoded = decodeReplay(encodeReplay(recorded));
    EXPECT_EQ(decoded, recorded);
    const Verdict verdict = verifyReplay(decoded);
    EXPECT_TRUE(verdict.valid) << verdict.reason;
    EXPECT_EQ(verdict.reached, recorded.claim);
}

TEST(ReplayCodecTest, EveryFrameCodeReadsBackAsWritten) {
    Replay replay;
    replay.randomState = 0xDEADBEEF;
    replay.playedAtMs = -1;
    replay.claim = {-5, 2147483647, -2147483647 - 1};
    replay.bestTen = core::defaultBestTen();
    replay.rulesVersion = 65535;
    // Small changes either way, the largest lag, runs of every length class, lag 1.
    replay.lags = {16, 17, 15, 47, 15, 2147483647, 2147483647, 1, 33, 1};
    for (const std::size_t run : {2u, 65u, 66u, 100000u}) {
        replay.lags.insert(replay.lags.end(), run, static_cast<std::int32_t>(run % 50 + 1));
    }
    // Answers before the first frame, several before one frame, inside a run, after the last.
    const auto frames = static_cast<std::uint32_t>(replay.lags.size());
    replay.answers = {{0, '1'}, {0, '0'}, {3, '9'}, {3, '9'}, {20, '5'}, {frames, '2'}};
    EXPECT_EQ(decodeReplay(encodeReplay(replay)), replay);
}

TEST(ReplayCodecTest, FramesTakeAboutAByteWhenTheLagJittersAndLessWhenItDoesNot) {
    testsupport::PlayStyle steady;
    steady.jitter = false;
    const Replay jittery = testsupport::recordGame(7);
    const Replay even = testsupport::recordGame(7, steady);
    const auto bytesPerFrame = [](const Replay& replay) {
        return static_cast<double>(streamBytesOf(encodeReplay(replay))) /
               static_cast<double>(replay.lags.size());
    };
    EXPECT_LT(bytesPerFrame(jittery), 1.1);
    EXPECT_LT(bytesPerFrame(even), 0.2);
}

TEST(ReplayCodecTest, ReplaysNoFileCanHoldAreNotWritten) {
    const std::vector<std::pair<std::function<void(Replay&)>, std::string>> cases = {
        {[](Replay& r) { r.lags[3] = 0; }, "cannot be written: lag 0 at frame 3 cannot happen"},
        {[](Replay& r) {
             r.answers.push_back({0, '1'});
         },
         "cannot be written: answer for frame 0"},
        {[](Replay& r) {
             r.answers.push_back({99999, '1'});
         },
         "after the last frame"},
        {[](Replay& r) {
             r.answers.push_back({static_cast<std::uint32_t>(r.lags.size()), 'x'});
         },
         "is not a digit"},
        {[](Replay& r) { r.lags.resize(MaxFrames + 1, 16); }, "more than 20 hours of frames"},
        {[](Replay& r) {
             r.lags.resize(5'000'000);
             for (std::size_t frame = 0; frame < r.lags.size(); ++frame) {
                 r.lags[frame] = 16 + static_cast<std::int32_t>(frame % 2);
             }
         },
         "larger than 4 MB"},
    };
    for (const auto& [change, reason] : cases) {
        Replay replay = testsupport::recordGame(42);
        change(replay);
        try {
            encodeReplay(replay);
            ADD_FAILURE() << "written: " << reason;
        } catch (const ReplayError& error) {
            EXPECT_NE(std::string(error.what()).find(reason), std::string::npos) << error.what();
        }
    }
}

TEST(ReplayCodecTest, DamagedFilesAreRefusedWithTheirReason) {
    const std::string& file = recordedFile();
    const auto stream = [&](std::string_view bytes, std::uint32_t frames, std::uint32_t answers) {
        return withStream(file, bytes, frames, answers);
    };
    std::string laterFormat = file;
    laterFormat[4] = 3;
    std::string unknownFormat = file;
    unknownFormat[4] = 0;
    std::string badChecksum = file;
    badChecksum.back() ^= 1;
    std::string tooManyFrames = file;
    replaytest::putU32(tooManyFrames, replaytest::FrameCountOffset, MaxFrames + 1);
    std::string tooManyAnswers = file;
    replaytest::putU32(tooManyAnswers, replaytest::AnswerCountOffset,
                       static_cast<std::uint32_t>(streamBytesOf(file) / 2 + 1));
    std::string longStream = file;
    replaytest::putU32(longStream, replaytest::StreamLengthOffset, 0xFFFFFFFF);

    const std::vector<std::pair<std::string, std::string>> cases = {
        {"PDRQ" + file.substr(4), "not a replay (wrong magic)"},
        {"P", "truncated"},
        {"", "truncated"},
        {laterFormat, "made by a later version (format 3)"},
        {unknownFormat, "format 0 is not known"},
        {badChecksum, "checksum does not match"},
        {file + std::string(MaxFileBytes, '\0'), "larger than 4 MB"},
        {file + "x", "trailing bytes after the checksum: 1"},
        {longStream, "truncated"},
        {withChecksum(tooManyFrames), "more than 20 hours of frames"},
        {withChecksum(tooManyAnswers), "the header counts " +
                                           std::to_string(streamBytesOf(file) / 2 + 1) +
                                           " answers, more than the frame stream can hold"},
        {stream("\x10"sv, 1, 0), "lag 0 at frame 0 cannot happen"},
        {stream("\x20\x81\x00"sv, 2, 0), "lag 0 at frame 1 cannot happen"},
        {stream("\x81\x80\x80\x80\x80\x08"sv, 1, 0), "lag 2147483648 at frame 0 cannot happen"},
        {stream("\x81\xFF\xFF\xFF\xFF\x07\x3F"sv, 2, 0), "lag 2147483678 at frame 1 cannot happen"},
        {stream("\x81\x80\x80\x80\x80\x80\x01"sv, 1, 0),
         "a number in the frame stream is longer than 32 bits"},
        {stream("\x20\x83"sv, 1, 0), "unknown frame code 0x83 at stream byte 1"},
        {stream("\xFF"sv, 1, 0), "unknown frame code 0xFF at stream byte 0"},
        {stream("\x82"
                "A\x20"sv,
                1, 1),
         "answer key 0x41 before frame 0 is not a digit"},
        {stream("\x20\x82"sv, 1, 1), "the frame stream ends inside a code"},
        {stream("\x80"sv, 1, 0), "the frame stream ends inside a code"},
        {stream("\x80\x00"sv, 1, 0), "an empty run at frame 0"},
        {stream("\x20"sv, 2, 0), "the header counts 2 frames, the frame stream holds 1"},
        {stream("\x41"sv, 2, 0), "the frame stream holds more frames than the header's 2"},
        {stream("\x80\x81\xD1\xCA\x08"sv, MaxFrames, 0),
         "the frame stream holds more frames than the header's 18000000"},
        {stream("\x82"
                "1\x20\x20"sv,
                2, 0),
         "the frame stream holds more answers than the header's 0"},
        {stream("\x82"
                "1\x20\x20"sv,
                2, 1),
         ""},
        {stream("\x82"
                "1\x20\x20\x20"sv,
                3, 2),
         "the header counts 2 answers, the frame stream holds 1"},
    };
    for (const auto& [bytes, reason] : cases) {
        EXPECT_EQ(reasonOf(bytes), reason) << reason;
    }
}

TEST(ReplayCodecTest, AFileCutAnywhereIsTruncated) {
    const std::string& file = recordedFile();
    for (std::size_t length = 0; length < file.size(); ++length) {
        ASSERT_EQ(reasonOf(std::string_view(file).substr(0, length)), "truncated") << length;
    }
}

TEST(ReplayCodecTest, AChangedStreamByteFailsTheChecksumAndWithANewChecksumChangesTheGame) {
    const std::string& file = recordedFile();
    const Replay original = decodeReplay(file);
    int stillValid = 0;
    int changes = 0;
    for (std::size_t at = replaytest::HeaderBytes; at < file.size() - 4; ++at) {
        for (const int flip : {0x01, 0x10, 0x80}) {
            std::string changed = file;
            changed[at] = static_cast<char>(changed[at] ^ flip);
            ASSERT_EQ(reasonOf(changed), "checksum does not match") << at;
            if (at % 16 != 0) {
                continue;  // re-running every changed game would take seconds
            }
            ++changes;
            try {
                const Replay replay = decodeReplay(withChecksum(changed));
                ASSERT_NE(replay, original) << at;
                stillValid += verifyReplay(replay).valid ? 1 : 0;
            } catch (const ReplayError&) {
            }
        }
    }
    // Only a change the game cannot tell apart keeps a replay valid, such as one wrong answer
    // for another: rare.
    EXPECT_LT(stillValid * 20, changes);
}

}  // namespace
}  // namespace replay
