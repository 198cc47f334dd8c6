// Which replays the game keeps, and which one the title's demo plays.

#include "game/ReplayShelf.h"

#include <gtest/gtest.h>

#include <set>

#include "replay/ReplayFile.h"
#include "tests/support/RecordedGame.h"
#include "tests/support/TempDirectory.h"

namespace {

namespace fs = std::filesystem;

replay::Replay gameWithClaim(std::int32_t score, std::int64_t playedAtMs) {
    replay::Replay game;
    game.claim = {score, 3, 40};
    game.playedAtMs = playedAtMs;
    game.lags = {16};
    return game;
}

std::set<std::int32_t> keptScores(const fs::path& folder) {
    std::set<std::int32_t> scores;
    for (const auto& entry : fs::directory_iterator(folder / game::ReplayFolderName)) {
        scores.insert(replay::readReplayFile(entry.path()).claim.score);
    }
    return scores;
}

TEST(ReplayShelfTest, KeepsTheTablesEntriesAndTheLastTwentyGames) {
    testsupport::TempWorkingDirectory directory;
    game::ReplayShelf shelf(directory.path());
    core::BestTenTable table = core::defaultBestTen();
    table[0] = {1001, 3, 40};  // the first game stands in the table, and so does the third
    table[4] = {1003, 3, 40};
    std::set<std::int32_t> expected{1001, 1003};
    for (std::int32_t game = 1; game <= 30; ++game) {
        shelf.store(gameWithClaim(1000 + game, 1'000'000 * game), table);
        if (game > 10) {
            expected.insert(1000 + game);
        }
    }
    EXPECT_EQ(keptScores(directory.path()), expected);
}

TEST(ReplayShelfTest, GamesAtTheSameMomentGetNamesOfTheirOwn) {
    testsupport::TempWorkingDirectory directory;
    game::ReplayShelf shelf(directory.path());
    const fs::path first = shelf.store(gameWithClaim(1, 5000), core::defaultBestTen());
    const fs::path second = shelf.store(gameWithClaim(2, 5000), core::defaultBestTen());
    EXPECT_NE(first, second);
    EXPECT_EQ(first.extension(), ".pdrp");
    EXPECT_EQ(keptScores(directory.path()), (std::set<std::int32_t>{1, 2}));
}

TEST(ReplayShelfTest, TheDemoIsTheBestPlacedEntrysReplayThatHolds) {
    testsupport::TempWorkingDirectory directory;
    game::ReplayShelf shelf(directory.path());
    const replay::Replay good = testsupport::recordGame(11);
    core::BestTenTable table = core::defaultBestTen();
    EXPECT_FALSE(shelf.bestReplay(table));

    replay::Replay forged = good;
    forged.claim.score += 100;  // the table's best, but its game does not reach it
    table[0] = {forged.claim.score, forged.claim.level, forged.claim.blocks};
    table[1] = {good.claim.score, good.claim.level, good.claim.blocks};
    shelf.store(forged, table);
    shelf.store(good, table);
    const auto demo = shelf.bestReplay(table);
    ASSERT_TRUE(demo);
    EXPECT_EQ(demo->claim, good.claim);
}

TEST(ReplayShelfTest, AnEntrysReplayFileIsTheNewestOfItsResultThatHolds) {
    testsupport::TempWorkingDirectory directory;
    game::ReplayShelf shelf(directory.path());
    replay::Replay good = testsupport::recordGame(11);
    replay::Replay forged = good;
    forged.claim.score += 100;
    const core::THiScoreEntry goodEntry{good.claim.score, good.claim.level, good.claim.blocks};
    const core::THiScoreEntry forgedEntry{forged.claim.score, good.claim.level, good.claim.blocks};
    EXPECT_FALSE(shelf.replayFileOf(goodEntry));
    shelf.store(good, core::defaultBestTen());
    good.playedAtMs += 1000;
    const fs::path newer = shelf.store(good, core::defaultBestTen());
    shelf.store(forged, core::defaultBestTen());
    EXPECT_EQ(shelf.replayFileOf(goodEntry), newer);
    EXPECT_FALSE(shelf.replayFileOf(forgedEntry));
}

}  // namespace
