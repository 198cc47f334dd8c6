// The best result goes with the replay the game kept of it, when one holds, and the answer's
// rank and row reach the player.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "replay/ReplayFile.h"
#include "tests/app/RankingDialogRun.h"
#include "tests/support/RecordedGame.h"

namespace {

using apptest::Cgi;
using apptest::fileBytes;
using apptest::Printed;

constexpr const char* SendAndView = R"(
    type name Taro
    type comment hi
    click send
    click view
    click close
)";

constexpr const char* KeptFile = "replays/20240101-000000-000.pdrp";

class RankingReplayTest : public apptest::RankingDialogTest {
  protected:
    // The game's replay, kept in replays/; the table's best is the result it claims.
    void keepAsBest(const replay::Replay& game) {
        std::filesystem::create_directory("replays");
        replay::writeReplayFile(KeptFile, game);
        storeBestResult(true, {game.claim.score, game.claim.level, game.claim.blocks});
    }
};

TEST_F(RankingReplayTest, TheKeptReplayGoesWithTheResultAndViewShowsItsRow) {
    keepAsBest(testsupport::recordGame(11));
    nettest::LoopbackServer server([](int, const std::string&) {
        return nettest::whole(
            "HTTP/1.0 200 OK\r\nX-Ranking-Rank: 7\r\nX-Ranking-Entry: 42\r\n\r\n<html>");
    });
    const std::string url = "http://127.0.0.1:" + std::to_string(server.port()) + Cgi;
    const Printed printed = run(server.port(), SendAndView);
    ASSERT_EQ(server.requests().size(), 1u);
    const std::string sent = server.requests()[0];
    EXPECT_TRUE(sent.starts_with("POST " + std::string(Cgi) + "?command=entry&name=Taro&"));
    EXPECT_TRUE(sent.ends_with("\r\n\r\n" + fileBytes(KeptFile)));
    EXPECT_TRUE(
        printed.has("msgbox: プドロク: 送信成功です！\rハイスコア申請ありがとうございました。"
                    "\rランキングの確認は\r" +
                    url + "\rにアクセスして下さい。\r7 位です。"));
    EXPECT_TRUE(printed.has("open-url: " + url + "?command=view&page=1#entry-42"));
}

// A kept replay whose game does not reach the result it claims would only be refused.
TEST_F(RankingReplayTest, WithoutAReplayThatHoldsTheResultGoesAsBefore) {
    replay::Replay forged = testsupport::recordGame(11);
    forged.claim.score += 100;
    keepAsBest(forged);
    nettest::LoopbackServer server(
        [](int, const std::string&) { return apptest::statusReply(200); });
    const Printed printed = run(server.port(), SendAndView);
    ASSERT_EQ(server.requests().size(), 1u);
    EXPECT_TRUE(server.requests()[0].starts_with("GET " + std::string(Cgi) + "?command=entry&"));
    EXPECT_TRUE(printed.has("open-url: http://127.0.0.1:" + std::to_string(server.port()) + Cgi));
}

}  // namespace
