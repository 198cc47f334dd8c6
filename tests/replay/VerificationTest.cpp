// A replay re-run through the game's rules: a recorded game is valid, and each way of changing
// it is found with its reason.

#include "replay/Verification.h"

#include <gtest/gtest.h>

#include <functional>
#include <numeric>
#include <string>
#include <vector>

#include "replay/ReplayCodec.h"
#include "tests/support/RecordedGame.h"

namespace replay {
namespace {

const Replay& recorded() {
    static const Replay game = testsupport::recordGame(1234);
    return game;
}

// A frame of play: the first answer's.
std::uint32_t firstPlayFrame() {
    return recorded().answers.front().frame;
}

TEST(VerificationTest, ARecordedGameIsValidAndReachesItsClaim) {
    const Verdict verdict = verifyReplay(recorded());
    EXPECT_TRUE(verdict.valid);
    EXPECT_EQ(verdict.reason, "");
    EXPECT_EQ(verdict.reached, recorded().claim);
    EXPECT_EQ(verdict.claimed, recorded().claim);
    EXPECT_GT(recorded().claim.score, 0);
    EXPECT_EQ(verdict.frames, recorded().lags.size());
    EXPECT_EQ(verdict.playMs,
              std::accumulate(recorded().lags.begin(), recorded().lags.end(), std::int64_t{0}));
}

TEST(VerificationTest, EachChangeToARecordedGameIsFound) {
    const Replay& game = recorded();
    const std::string frames = std::to_string(game.lags.size());
    const std::string last = std::to_string(game.lags.size() - 1);
    const std::string score = std::to_string(game.claim.score);
    const std::vector<std::pair<std::function<void(Replay&)>, std::string>> cases = {
        {[](Replay& r) { r.claim.score += 1; },
         "claims score " + std::to_string(game.claim.score + 1) + ", the game reaches " + score},
        {[](Replay& r) { r.claim.level -= 1; },
         "claims level " + std::to_string(game.claim.level - 1) + ", the game reaches " +
             std::to_string(game.claim.level)},
        {[](Replay& r) { r.claim.blocks = 0; },
         "claims blocks 0, the game reaches " + std::to_string(game.claim.blocks)},
        {[](Replay& r) { r.lags.push_back(16); }, "the game ends after " + frames + " of the " +
                                                      std::to_string(game.lags.size() + 1) +
                                                      " frames"},
        {[](Replay& r) { r.lags.pop_back(); }, "the game has not ended after the last frame"},
        {[](Replay& r) { r.rulesVersion = 2; }, "rules version 2 is not known"},
        {[](Replay& r) {
             r.answers.push_back({static_cast<std::uint32_t>(r.lags.size()), '1'});
         },
         "answer for frame " + frames + " after the last frame"},
        {[](Replay& r) {
             r.lags.clear();
             r.answers.clear();
         },
         "the replay holds no frames"},
        {[](Replay& r) { r.lags[5] = 0; }, "lag 0 at frame 5 cannot happen"},
        {[](Replay& r) { std::swap(r.answers[0], r.answers[1]); },
         "answer for frame " + std::to_string(game.answers[0].frame) + " after one for frame " +
             std::to_string(game.answers[1].frame)},
        {[](Replay& r) { r.answers[0].key = 'a'; }, "is not a digit"},
    };
    for (const auto& [change, reason] : cases) {
        Replay replay = game;
        change(replay);
        const Verdict verdict = verifyReplay(replay);
        EXPECT_FALSE(verdict.valid) << reason;
        EXPECT_NE(verdict.reason.find(reason), std::string::npos) << verdict.reason;
    }
}

TEST(VerificationTest, AChangedLagAnswerOrRandomStateGivesAnotherGame) {
    const std::vector<std::function<void(Replay&)>> changes = {
        [](Replay& r) { r.lags[firstPlayFrame() + 100] += 1000; },
        [](Replay& r) {
            for (std::int32_t& lag : r.lags) {
                lag += 1;
            }
        },
        [](Replay& r) { r.answers.erase(r.answers.begin() + 2); },
        [](Replay& r) { r.answers[0].frame += 20; },
        [](Replay& r) { r.randomState += 1; },
    };
    for (std::size_t i = 0; i < changes.size(); ++i) {
        Replay replay = recorded();
        changes[i](replay);
        EXPECT_FALSE(verifyReplay(replay).valid) << i;
    }
}

TEST(VerificationTest, AClaimedRunOfMillionsOfFramesStopsWhereTheGameEnds) {
    Replay replay = recorded();
    replay.answers.clear();
    replay.lags.assign(MaxFrames, 1);
    const Verdict verdict = verifyReplay(replay);
    EXPECT_FALSE(verdict.valid);
    EXPECT_TRUE(verdict.reason.starts_with("the game ends after ")) << verdict.reason;
    EXPECT_EQ(verdict.playMs, MaxFrames);
}

TEST(VerificationTest, AnUnreadableFileIsAnInvalidVerdictWithItsReason) {
    const Verdict verdict = verifyReplayFile("/nonexistent/game.pdrp");
    EXPECT_FALSE(verdict.valid);
    EXPECT_EQ(verdict.reason, "/nonexistent/game.pdrp: No such file or directory");
    EXPECT_EQ(verdict.claimed, Claim{});
}

}  // namespace
}  // namespace replay
