// The service's answers: submissions stored, refused or limited, pages and their cache, paths
// and methods, and storage that fails.

#include <gtest/gtest.h>

#include <future>

#include "protocol/RankingProtocol.h"
#include "tests/server/RankingServiceFixture.h"

namespace {

using namespace server;
using servertest::entryQuery;
using servertest::Page;
using servertest::Sent;

using RankingServiceTest = servertest::RankingServiceFixture;

TEST_F(RankingServiceTest, AStoredSubmissionIsThankedAndShownInJson) {
    const Response response = submit(Sent{});
    EXPECT_EQ(response.status, 200);
    EXPECT_EQ(response.contentType, "text/html; charset=utf-8");
    EXPECT_NE(response.body->find("ありがとう"), std::string::npos);
    EXPECT_NE(response.body->find("href=\"" + Page + "\""), std::string::npos);
    EXPECT_EQ(json(),
              "{\"page\":1,\"pages\":1,\"total\":1,\"verified\":false,\"period\":\"all\","
              "\"entries\":[\n"
              "{\"id\":1,\"rank\":1,\"name\":\"太郎\",\"score\":1000,\"level\":5,\"blocks\":40,"
              "\"comment\":\"がんばった\",\"date\":\"2025-12-06T05:46:40Z\",\"verified\":false,"
              "\"replay\":null}\n]}\n");
}

TEST_F(RankingServiceTest, RefusalsCarryTheirStatusAndReason) {
    Sent sent;
    sent.passS = "0";
    const Response response = submit(sent);
    EXPECT_EQ(response.status, 400);
    EXPECT_EQ(response.contentType, "text/plain; charset=utf-8");
    EXPECT_EQ(*response.body, "The check value does not match the result.\n");
    EXPECT_EQ(ask(Page + "?command=erase").status, 400);
    EXPECT_EQ(ask(Page + "?page=0").status, 400);
    EXPECT_EQ(ask(Page + "?page=2").status, 404);
    EXPECT_EQ(ask("/").status, 404);
    EXPECT_EQ(ask(Page + "x").status, 404);

    const Response post = ask(Page, "POST");
    EXPECT_EQ(post.status, 405);
    EXPECT_EQ(post.headers, (decltype(post.headers){{"Allow", "GET, HEAD"}}));
    EXPECT_EQ(ask(Page + "?" + entryQuery(Sent{}), "HEAD").status, 405);
    EXPECT_EQ(ask(Page, "HEAD").status, 200);
    EXPECT_NE(json().find("\"total\":0,"), std::string::npos);
}

TEST_F(RankingServiceTest, EachAddressHasItsShareOfAMinute) {
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(submit(scoring(100 + i)).status, 200);
    }
    Sent refused;
    refused.passS = "1";
    EXPECT_EQ(submit(refused).status, 400) << "a refusal is checked first and not counted";
    now_ += std::chrono::seconds(20);
    const Response limited = submit(scoring(200));
    EXPECT_EQ(limited.status, 429);
    EXPECT_EQ(limited.headers, (decltype(limited.headers){{"Retry-After", "40"}}));
    EXPECT_EQ(submit(scoring(200), "192.0.2.2").status, 200);

    now_ += std::chrono::seconds(40);
    EXPECT_EQ(submit(scoring(201)).status, 200);
    EXPECT_NE(json().find("\"total\":5,"), std::string::npos);
}

TEST_F(RankingServiceTest, TheCachedFirstPageIsRenderedAnewAfterAChange) {
    const auto before = ask(Page).body;
    EXPECT_EQ(ask(Page).body, before) << "the same rendering is served again";
    EXPECT_EQ(submit(scoring(777, "<script>")).status, 200);
    const std::string after = *ask(Page + "?command=view&page=1").body;
    EXPECT_NE(after, *before);
    EXPECT_NE(after.find("<td>&lt;script&gt;</td>"), std::string::npos);
    EXPECT_EQ(after.find("<script>"), std::string::npos);
    EXPECT_NE(json().find("\"name\":\"\\u003cscript>\""), std::string::npos);
}

TEST_F(RankingServiceTest, PagesLinkEachOtherAndRankAcrossPages) {
    for (int i = 0; i < 201; ++i) {
        EXPECT_EQ(submit(scoring(5000 - i), "198.51.100." + std::to_string(i)).status, 200);
    }
    const std::string third = *ask(Page + "?command=view&page=3").body;
    EXPECT_NE(third.find("<td class=\"n\">201</td>"), std::string::npos);
    EXPECT_NE(third.find("<a href=\"" + Page + "?command=view&amp;page=2\">2</a>"),
              std::string::npos);
    EXPECT_NE(third.find("<b>3</b>"), std::string::npos);
    EXPECT_NE(json(3).find("\"rank\":201,"), std::string::npos);
}

TEST(RankingServiceStorageTest, AReadOnlyDatabaseAnswers503AndStillShowsTheRanking) {
    testsupport::TempWorkingDirectory directory;
    { RankingStore("ranking.sqlite3").add({{"kept", "c", 100, 1, 0, 0}}); }
    const std::string readOnly = "file:ranking.sqlite3?mode=ro";
    RankingBackend backend{readOnly, [](std::function<void()> answers) { answers(); }};
    RateLimiter limiter{10, [] { return std::chrono::steady_clock::time_point(); }};
    RankingService service{backend, limiter, [] { return 0; }};
    auto ask = [&service](const std::string& target) {
        std::promise<Response> answered;
        service.handle({"GET", target, "192.0.2.1"},
                       [&answered](Response response) { answered.set_value(response); });
        return answered.get_future().get();
    };
    EXPECT_EQ(ask(Page + "?" + entryQuery(Sent{})).status, 503);
    EXPECT_NE(ask(Page + "?command=json").body->find("\"total\":1,"), std::string::npos);
}

}  // namespace
