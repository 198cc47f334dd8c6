// The recorder as the game window drives it.

#include "replay/Recorder.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace replay {
namespace {

TEST(RecorderTest, RecordsFramesAndTheDigitsTypedBeforeEach) {
    Recorder recorder;
    recorder.frame(16);  // before a game: not recorded
    recorder.answer('1');
    const core::BestTenTable table = core::defaultBestTen();
    recorder.begin(77, table, 1'000);
    EXPECT_TRUE(recorder.recording());
    recorder.answer('3');
    recorder.answer(' ');
    recorder.frame(16);
    recorder.frame(17);
    recorder.answer('0');
    recorder.answer('\x1b');
    recorder.answer('9');
    recorder.frame(33);
    recorder.answer('5');  // after the last frame: never reached the game
    const Replay replay = recorder.finish({10, 2, 3});
    EXPECT_FALSE(recorder.recording());
    EXPECT_EQ(replay.randomState, 77u);
    EXPECT_EQ(replay.bestTen, table);
    EXPECT_EQ(replay.playedAtMs, 1'000);
    EXPECT_EQ(replay.claim, (Claim{10, 2, 3}));
    EXPECT_EQ(replay.lags, (std::vector<std::int32_t>{16, 17, 33}));
    EXPECT_EQ(replay.answers, (std::vector<Answer>{{0, '3'}, {2, '0'}, {2, '9'}}));
}

TEST(RecorderTest, ANewGameOrAbandonDropsTheGameBeingRecorded) {
    Recorder recorder;
    recorder.begin(1, {}, 0);
    recorder.frame(16);
    recorder.answer('4');
    recorder.begin(2, {}, 0);
    recorder.frame(20);
    EXPECT_EQ(recorder.finish({}).lags, std::vector<std::int32_t>{20});

    recorder.begin(3, {}, 0);
    recorder.abandon();
    EXPECT_FALSE(recorder.recording());
    EXPECT_THROW(recorder.finish({}), std::logic_error);
}

}  // namespace
}  // namespace replay
