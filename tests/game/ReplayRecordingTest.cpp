// Every game the window plays to its result is recorded, and the record reaches that result.

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "core/PlayRules.h"
#include "replay/Verification.h"
#include "tests/support/HeadlessGame.h"

namespace {

namespace fs = std::filesystem;
namespace vk = platform::vk;

std::vector<fs::path> replaysIn(const fs::path& folder) {
    std::vector<fs::path> files;
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(folder / "replays", ignored)) {
        files.push_back(entry.path());
    }
    return files;
}

class ReplayRecordingTest : public ::testing::Test {
  protected:
    // From the title through a game with a few right answers to its end, which long frames
    // bring soon; the result enters the table's last place at least.
    void playToTheEnd() {
        game.g.BestTen[9].Score = 0;
        game.g.State = core::gsTitle;
        game.press(vk::Space);
        for (int frame = 0; frame < 400 && game.g.GameOverPhase != 2; ++frame) {
            if (game.g.State == core::gsPlay && frame < 200 && frame % 3 == 0) {
                char answer = core::answerKeyOf(core::colourWithMostBlocks(game.g));
                game.form().FormKeyPress(answer);
            }
            game.frame(frame < 200 ? 16 : 1500);
        }
        ASSERT_EQ(game.g.GameOverPhase, 2);
        ASSERT_GT(game.g.NewRank, 0);
    }

    testsupport::HeadlessGame game;
    const fs::path folder = fs::current_path();
};

TEST_F(ReplayRecordingTest, AGameToItsResultLeavesAReplayThatReachesIt) {
    playToTheEnd();
    const std::vector<fs::path> files = replaysIn(folder);
    ASSERT_EQ(files.size(), 1u);
    const replay::Verdict verdict = replay::verifyReplayFile(files[0]);
    EXPECT_TRUE(verdict.valid) << verdict.reason;
    EXPECT_EQ(verdict.reached, (replay::Claim{game.g.Score, game.g.Level, game.g.ClearedBlocks}));
}

TEST_F(ReplayRecordingTest, AGameLeftBeforeItsResultIsNotKept) {
    game.g.State = core::gsTitle;
    game.press(vk::Space);
    for (int frame = 0; frame < 200; ++frame) {
        game.frame();
    }
    game.press(vk::Escape);
    game.frame();
    EXPECT_TRUE(replaysIn(folder).empty());
}

TEST_F(ReplayRecordingTest, AFailedWriteIsToldOnceAndTheTableIsStillSaved) {
    std::ofstream(folder / "replays") << "in the way";
    playToTheEnd();
    EXPECT_TRUE(fs::exists(folder / "Hisc.dat"));
    playToTheEnd();
    ASSERT_EQ(game.boxes().size(), 1u);
    EXPECT_NE(game.boxes()[0].text.find("リプレイを保存できません"), std::string::npos);
}

}  // namespace
