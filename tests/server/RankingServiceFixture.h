#pragma once
// The ranking service over a temporary database, answering on the caller's thread of choice:
// ask() waits for the answer wherever it is given.

#include <gtest/gtest.h>

#include <future>
#include <string>

#include "protocol/RankingProtocol.h"
#include "server/RankingService.h"
#include "tests/server/SubmissionQuery.h"
#include "tests/support/TempDirectory.h"

namespace servertest {

using namespace server;

const std::string Page(protocol::RankingPath);

class RankingServiceFixture : public ::testing::Test {
  protected:
    explicit RankingServiceFixture(RankingService::Settings settings = {})
        : service_{backend_, limiter_, [] { return 1'765'000'000; }, settings} {}

    Response ask(const std::string& target, const std::string& method = "GET",
                 const std::string& client = "192.0.2.1", const std::string& body = "",
                 const std::string& contentType = std::string(protocol::ReplayContentType)) {
        std::promise<Response> answered;
        service_.handle({method, target, client, contentType, body},
                        [&answered](Response response) { answered.set_value(response); });
        return answered.get_future().get();
    }

    Response submit(const Sent& sent, const std::string& client = "192.0.2.1") {
        return ask(Page + "?" + entryQuery(sent), "GET", client);
    }

    std::string json(int page = 1) {
        return *ask(Page + "?command=json&page=" + std::to_string(page)).body;
    }

    static Sent scoring(std::int32_t score, const std::string& name = "太郎") {
        Sent sent;
        sent.name = name;
        sent.score = std::to_string(score);
        sent.passS = std::to_string(score - 45);
        return sent;
    }

    testsupport::TempWorkingDirectory directory_;
    std::chrono::steady_clock::time_point now_;
    RankingBackend backend_{"ranking.sqlite3", [](std::function<void()> answers) { answers(); }};
    RateLimiter limiter_{3, [this] { return now_; }};
    RankingService service_;
};

}  // namespace servertest
