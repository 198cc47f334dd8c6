// A POST: its body goes out whole and exactly; the reply and the redirections are judged as for a
// GET; its send, however large, stays bounded and abortable.

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "HttpFixture.h"
#include "net/HttpClient.h"

namespace nettest {
namespace {

using namespace std::chrono_literals;
using net::THttpClient;

const std::string Replay = "application/octet-stream";
const std::string Ok = "HTTP/1.0 200 OK\r\n\r\n";

std::string postFor(const std::string& target, const std::string& body,
                    const std::string& contentType) {
    std::string typeLine = contentType.empty() ? "" : "Content-Type: " + contentType + "\r\n";
    return "POST " + target + " HTTP/1.0\r\nHost: 127.0.0.1\r\n" + AcceptLines + typeLine +
           "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
}

// Every byte value, zero and line ends included, over and over.
std::string binaryOfSize(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>(i * 31 + i / 256);
    }
    return bytes;
}

TEST_F(HttpTest, PostSendsItsRequestLineHeadersAndBodyExactly) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"", ""},
        {std::string("line\r\n\0zero", 11), "text/plain; charset=Shift_JIS"},
        {binaryOfSize(1024 * 1024), Replay},
    };
    const std::string target = "/ranking.cgi?command=entry&score=120";
    for (const auto& [body, contentType] : cases) {
        SCOPED_TRACE(contentType);
        LoopbackServer server = replying(whole(Ok + "taken"));
        events.clear();
        EXPECT_EQ(errorOfPost(server.url(target), body, contentType), "");
        ASSERT_EQ(server.requests().size(), 1u);
        EXPECT_TRUE(server.requests()[0] == postFor(target, body, contentType));
        EXPECT_EQ(events, Events{"success 1"});
        EXPECT_EQ(client.CurrentCmd(), net::cmdPost);
        EXPECT_EQ(client.Body, "taken");
    }
}

TEST_F(HttpTest, ThePostsReplyStatusDecidesAsForAGetAndTheEventsReportThePost) {
    struct Case {
        std::string reply;
        std::string error;
        Events events;
    };
    const std::vector<Case> cases{
        {"HTTP/1.0 201 Created\r\n\r\n", "", {"success 1"}},
        {"HTTP/1.0 413 Too Large\r\n\r\n",
         "The server refused the request (status 413)",
         {"failure 1"}},
        {"HTTP/1.0 500 Broken\r\n\r\n",
         "The server refused the request (status 500)",
         {"failure 1"}},
        {"HTTP/1.0 100 Continue\r\n\r\n", "Unexpected reply status 100", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reply);
        LoopbackServer server = replying(whole(c.reply));
        events.clear();
        EXPECT_EQ(errorOfPost(server.url("/"), "replay", Replay), c.error);
        EXPECT_EQ(events, c.events);
        EXPECT_FALSE(client.IsConnected());
    }
}

TEST_F(HttpTest, RedirectsOfAPostRepeatItOnlyFor307And308) {
    const std::string body = binaryOfSize(1000);
    for (int status : {301, 302, 303, 307, 308}) {
        SCOPED_TRACE(status);
        LoopbackServer server([status](int index, const std::string&) {
            return whole(index == 0 ? "HTTP/1.0 " + std::to_string(status) +
                                          " Elsewhere\r\nLocation: /next\r\n\r\n"
                                    : Ok);
        });
        events.clear();
        EXPECT_EQ(errorOfPost(server.url("/first"), body, Replay), "");
        bool repeats = status >= 307;
        std::vector<std::string> requests = server.requests();
        ASSERT_EQ(requests.size(), 2u);
        EXPECT_TRUE(requests[0] == postFor("/first", body, Replay));
        EXPECT_TRUE(requests[1] ==
                    (repeats ? postFor("/next", body, Replay) : requestFor("/next")));
        EXPECT_EQ(events, (Events{"redirect", "success 1"}));
    }
}

TEST_F(HttpTest, BadPostsAreRefusedBeforeConnecting) {
    LoopbackServer server = replying(whole(Ok));
    EXPECT_EQ(
        errorOfPost(server.url("/"), std::string(THttpClient::MaxPostBodySize + 1, 'b'), Replay),
        "Request body too large");
    EXPECT_EQ(errorOfPost(server.url("/"), "body", "text/plain\r\nX-Injected: 1"),
              "Control character in request header");
    EXPECT_EQ(errorOfPost(server.url("/"), "body", std::string("text/\0plain", 11)),
              "Control character in request header");
    EXPECT_EQ(server.connections(), 0);
    EXPECT_TRUE(events.empty());
}

// A body of the largest size fills the socket's buffer of a server that never reads it.
const std::string LargestBody(THttpClient::MaxPostBodySize, 'r');

TEST_F(HttpTest, ServersThatNeverAnswerOrNeverReadEndThePostWithinItsBound) {
    LoopbackServer silentServer = replying(silent());
    DeafPort deaf;
    client.TimeOut = 300;
    for (const std::string& url : {silentServer.url("/"), deaf.url("/")}) {
        SCOPED_TRACE(url);
        auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(errorOfPost(url, LargestBody, Replay), "Request timed out");
        EXPECT_LT(std::chrono::steady_clock::now() - start, 1500ms);
        EXPECT_FALSE(client.IsConnected());
    }
    EXPECT_EQ(silentServer.connections(), 1);
}

TEST_F(HttpTest, AbortOrQuitWhileTheBodyWaitsToBeSentEndsThePost) {
    const std::vector<std::pair<std::string, std::function<void()>>> cases{
        {"abort", [this] { client.Abort(); }},
        // Last: the application stays quitting.
        {"quit", [this] { app.terminate(); }},
    };
    DeafPort deaf;
    for (const auto& [name, stop] : cases) {
        SCOPED_TRACE(name);
        auto timer = app.setTimer(100, stop);
        auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(errorOfPost(deaf.url("/"), LargestBody, Replay), "Socket send aborted");
        app.killTimer(timer);
        EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
        EXPECT_FALSE(client.IsConnected());
    }
}

}  // namespace
}  // namespace nettest
