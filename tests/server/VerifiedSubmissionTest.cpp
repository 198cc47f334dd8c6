// Submissions with their replay: checked with the game's rules, stored with their replay and
// mark, refused with the reason when the replay does not prove the result; a repeated result
// changes nothing; a ranking that requires replays refuses the rest.

#include <gtest/gtest.h>

#include "replay/ReplayCodec.h"
#include "tests/server/RankingServiceFixture.h"
#include "tests/support/RecordedGame.h"

namespace {

using namespace servertest;

// A short game, so that the test stays quick.
const replay::Replay Game = testsupport::recordGame(11, {.answerUntilFrame = 600});
const std::string GameBytes = replay::encodeReplay(Game);

Sent sentOf(const replay::Claim& claim, const std::string& comment = "がんばった") {
    Sent sent;
    sent.score = std::to_string(claim.score);
    sent.level = std::to_string(claim.level);
    sent.tama = std::to_string(claim.blocks);
    sent.passS = std::to_string(protocol::passValueOf(claim.score, claim.level, claim.blocks));
    sent.comment = comment;
    return sent;
}

std::string header(const Response& response, std::string_view name) {
    for (const auto& [key, value] : response.headers) {
        if (key == name) {
            return value;
        }
    }
    return "";
}

class VerifiedSubmissionTest : public RankingServiceFixture {
  protected:
    Response post(const Sent& sent, const std::string& body = GameBytes,
                  const std::string& type = std::string(protocol::ReplayContentType)) {
        return ask(Page + "?" + entryQuery(sent), "POST", "192.0.2.1", body, type);
    }
};

TEST_F(VerifiedSubmissionTest, AProvedResultIsStoredVerifiedWithItsReplay) {
    const Response stored = post(sentOf(Game.claim));
    ASSERT_EQ(stored.status, 200) << *stored.body;
    EXPECT_EQ(header(stored, protocol::RankHeader), "1");
    EXPECT_EQ(header(stored, protocol::EntryIdHeader), "1");
    EXPECT_NE(json().find("\"verified\":true,\"replay\":\"" + Page + "?command=replay&id=1\""),
              std::string::npos);
    EXPECT_NE(json().find("\"total\":1,"), std::string::npos);
    EXPECT_EQ(*ask(Page + "?verified=1").body, *ask(Page + "?command=view&verified=1").body);

    const Response download = ask(Page + "?command=replay&id=1");
    EXPECT_EQ(download.status, 200);
    EXPECT_EQ(*download.body, GameBytes);
    EXPECT_EQ(download.contentType, protocol::ReplayContentType);
    EXPECT_EQ(header(download, "Content-Disposition"), "attachment; filename=\"pudorock-1.pdrp\"");

    const Response again = post(sentOf(Game.claim, "ほかの人のコメント"));
    EXPECT_EQ(again.status, 200);
    EXPECT_NE(again.body->find("すでに登録"), std::string::npos);
    EXPECT_EQ(header(again, protocol::EntryIdHeader), "1");
    EXPECT_EQ(json().find("ほかの人"), std::string::npos) << "the first comment stays";
}

TEST_F(VerifiedSubmissionTest, WhatTheReplayDoesNotProveIsRefusedAndNotStored) {
    replay::Claim higher = Game.claim;
    ++higher.score;
    std::string damaged = GameBytes;
    damaged[damaged.size() / 2] ^= 0x55;
    struct Case {
        Response response;
        int status;
        std::string reason;
    };
    const Case cases[] = {
        {post(sentOf(higher)), 422, "not the submitted score " + std::to_string(higher.score)},
        {post(sentOf(Game.claim), damaged), 422, "cannot be read"},
        {post(sentOf(Game.claim), ""), 422, "cannot be read"},
        {post(sentOf(Game.claim), GameBytes, "text/plain"), 415, "application/x-pudorock-replay"},
        {ask(Page + "?command=replay&id=1"), 404, "no stored replay"},
        {ask(Page + "?command=replay&id=x"), 400, "\"id\""},
        {ask(Page + "?period=year"), 400, "\"period\""},
        {ask(Page + "?verified=yes"), 400, "\"verified\""},
        {ask(Page + "?command=view", "POST"), 405, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.response.status, c.status) << *c.response.body;
        EXPECT_NE(c.response.body->find(c.reason), std::string::npos) << *c.response.body;
    }
    EXPECT_NE(json().find("\"total\":0,"), std::string::npos);
}

class RequiredReplayTest : public RankingServiceFixture {
  protected:
    RequiredReplayTest() : RankingServiceFixture({.requireReplay = true}) {}
};

TEST_F(RequiredReplayTest, ASubmissionWithoutItsReplayIsForbidden) {
    const Response refused = submit(Sent{});
    EXPECT_EQ(refused.status, 403);
    EXPECT_NE(refused.body->find("replay"), std::string::npos);
    EXPECT_NE(json().find("\"total\":0,"), std::string::npos);
}

}  // namespace
