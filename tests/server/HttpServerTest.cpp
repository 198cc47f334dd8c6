// The HTTP side on a loopback port: versions and keep-alive, HEAD, the limits on headers,
// bodies, silence, connections and bytes in flight, and the log line of each request.

#include <gtest/gtest.h>
#include <poll.h>

#include <optional>
#include <sstream>
#include <thread>

#include "protocol/RankingProtocol.h"
#include "server/HttpServer.h"
#include "tests/support/TempDirectory.h"

namespace {

using namespace server;
using namespace std::chrono_literals;

const std::string Page(protocol::RankingPath);

class HttpServerTest : public ::testing::Test {
  protected:
    ~HttpServerTest() override {
        if (thread_.joinable()) {
            asio::post(context_, [this] { server_->stop(); });
            thread_.join();
        }
    }

    void start(HttpLimits limits = {}) {
        server_.emplace(context_, Tcp::endpoint(asio::ip::make_address("127.0.0.1"), 0), service_,
                        log_, limits);
        server_->start();
        thread_ = std::thread([this] { context_.run(); });
    }

    // From another loopback address, a client of its own.
    Tcp::socket connect(const char* from = "127.0.0.1") {
        Tcp::socket socket(client_, Tcp::endpoint(asio::ip::make_address(from), 0));
        socket.connect(server_->localEndpoint());
        return socket;
    }

    // One answer on a connection that stays open; its status, 0 when the connection ended.
    static unsigned readAnswer(Tcp::socket& socket) {
        beast::flat_buffer buffer;
        http::response<http::string_body> answer;
        boost::system::error_code error;
        http::read(socket, buffer, answer, error);
        return error ? 0 : answer.result_int();
    }

    static unsigned ask(Tcp::socket& socket, const std::string& headers) {
        asio::write(socket,
                    asio::buffer("GET " + Page + " HTTP/1.1\r\nHost: a\r\n" + headers + "\r\n"));
        return readAnswer(socket);
    }

    // Everything the server sends until it closes the connection.
    static std::string readToEnd(Tcp::socket& socket) {
        std::string received;
        boost::system::error_code error;
        asio::read(socket, asio::dynamic_buffer(received), error);
        return received;
    }

    std::string exchange(const std::string& request) {
        Tcp::socket socket = connect();
        asio::write(socket, asio::buffer(request));
        return readToEnd(socket);
    }

    static bool answersWithin(Tcp::socket& socket, int milliseconds) {
        pollfd watched{socket.native_handle(), POLLIN, 0};
        return poll(&watched, 1, milliseconds) == 1;
    }

    testsupport::TempWorkingDirectory directory_;
    asio::io_context context_;
    asio::io_context client_;
    RankingBackend backend_{"ranking.sqlite3", [this](std::function<void()> answers) {
                                asio::post(context_, answers);
                            }};
    RateLimiter limiter_{10, [] { return std::chrono::steady_clock::now(); }};
    RankingService service_{backend_, limiter_, [] { return 0; }};
    std::ostringstream logged_;
    RequestLog log_{logged_};
    std::optional<HttpServer> server_;
    std::thread thread_;
};

TEST_F(HttpServerTest, Http10ClosesAfterTheAnswerAndHttp11KeepsTheConnection) {
    start();
    const std::string old = exchange("GET " + Page + " HTTP/1.0\r\n\r\n");
    EXPECT_TRUE(old.starts_with("HTTP/1.0 200 OK\r\n")) << old;
    EXPECT_NE(old.find("Content-Type: text/html; charset=utf-8\r\n"), std::string::npos);
    EXPECT_NE(old.find("<h1>歴代ランキング</h1>"), std::string::npos);

    const std::string both =
        exchange("GET " + Page + "?command=json HTTP/1.1\r\nHost: a\r\n\r\n" +
                 "GET /nothing HTTP/1.1\r\nHost: a\r\nConnection: close\r\n\r\n");
    EXPECT_TRUE(both.starts_with("HTTP/1.1 200 OK\r\n")) << both;
    EXPECT_NE(both.find("HTTP/1.1 404 Not Found\r\n"), std::string::npos) << both;
}

TEST_F(HttpServerTest, HeadTellsTheLengthAndSendsNoBody) {
    start();
    const std::string get = exchange("GET " + Page + " HTTP/1.0\r\n\r\n");
    const std::string head = exchange("HEAD " + Page + " HTTP/1.0\r\n\r\n");
    const std::size_t headerEnd = get.find("\r\n\r\n") + 4;
    EXPECT_EQ(head, get.substr(0, headerEnd));
    EXPECT_NE(head.find("Content-Length: " + std::to_string(get.size() - headerEnd) + "\r\n"),
              std::string::npos);
}

TEST_F(HttpServerTest, RefusesLongHeadersAndBodiesAndHttp11WithoutHost) {
    start();
    const struct {
        std::string request;
        const char* answer;
    } cases[] = {
        {"GET " + Page + " HTTP/1.1\r\nX-Padding: " + std::string(9000, 'x') + "\r\n\r\n",
         "HTTP/1.1 431 "},
        {"GET /" + std::string(9000, 'a') + " HTTP/1.1\r\n\r\n", "HTTP/1.1 431 "},
        {"POST " + Page + " HTTP/1.1\r\nContent-Length: 1048577\r\n\r\nhello", "HTTP/1.1 413 "},
        {"\x01\x02 nonsense\r\n\r\n", "HTTP/1.1 400 "},
        {"GET " + Page + " HTTP/1.1\r\n\r\n", "HTTP/1.1 400 "},
    };
    for (const auto& [request, answer] : cases) {
        const std::string answered = exchange(request);
        EXPECT_TRUE(answered.starts_with(answer))
            << request.substr(0, 40) << answered.substr(0, 100);
    }
}

TEST_F(HttpServerTest, DropsAClientThatSendsNothing) {
    start({.connections = 10, .silence = 200ms});
    Tcp::socket silent = connect();
    const auto began = std::chrono::steady_clock::now();
    ASSERT_TRUE(answersWithin(silent, 5000));
    EXPECT_EQ(readToEnd(silent), "");
    EXPECT_GE(std::chrono::steady_clock::now() - began, 150ms);
}

TEST_F(HttpServerTest, ANewConnectionHasLittleTimeForItsFirstByte) {
    start({.firstByte = 200ms});
    Tcp::socket silent = connect();
    Tcp::socket typing = connect();
    asio::write(typing, asio::buffer("G", 1));
    Tcp::socket posting = connect();
    asio::write(posting, asio::buffer("POST " + Page + " HTTP/1.0\r\nContent-Length: 2\r\n\r\n"));
    const auto began = std::chrono::steady_clock::now();
    ASSERT_TRUE(answersWithin(silent, 5000));
    EXPECT_EQ(readToEnd(silent), "");
    EXPECT_GE(std::chrono::steady_clock::now() - began, 150ms);
    EXPECT_FALSE(answersWithin(typing, 300)) << "once begun, the request has the silence";
    asio::write(typing, asio::buffer("ET " + Page + " HTTP/1.0\r\n\r\n"));
    EXPECT_TRUE(readToEnd(typing).starts_with("HTTP/1.0 200 OK"));
    asio::write(posting, asio::buffer("ab", 2));
    EXPECT_TRUE(readToEnd(posting).starts_with("HTTP/1.0 405 ")) << "so has its body";
}

TEST_F(HttpServerTest, HandlesNoMoreConnectionsThanItsLimitWhileTheyAreBusy) {
    start({.connections = 1, .silence = 10s});
    Tcp::socket first = connect();
    asio::write(first, asio::buffer("GET " + Page + " HTTP/1.1\r\nHost: a\r\n"));

    Tcp::socket second = connect();
    asio::write(second, asio::buffer("GET " + Page + " HTTP/1.0\r\n\r\n"));
    EXPECT_FALSE(answersWithin(second, 300)) << "the second waits while the first is busy";
    asio::write(first, asio::buffer(std::string("\r\n")));
    EXPECT_EQ(readAnswer(first), 200U);
    EXPECT_TRUE(readToEnd(second).starts_with("HTTP/1.0 200 OK"));
    EXPECT_EQ(readToEnd(first), "") << "idle at the limit, the first made room";
}

TEST_F(HttpServerTest, AtTheLimitTheLongestIdleConnectionMakesRoom) {
    start({.connections = 2});
    Tcp::socket older = connect();
    EXPECT_EQ(ask(older, ""), 200U);
    Tcp::socket newer = connect();
    EXPECT_EQ(ask(newer, ""), 200U);
    EXPECT_TRUE(exchange("GET " + Page + " HTTP/1.0\r\n\r\n").starts_with("HTTP/1.0 200 OK"));
    EXPECT_EQ(readToEnd(older), "");
    EXPECT_EQ(ask(newer, ""), 200U);
}

TEST_F(HttpServerTest, EachClientHasItsShareOfConnections) {
    start({.connections = 10, .connectionsPerClient = 1});
    Tcp::socket held = connect();
    Tcp::socket over = connect();
    ASSERT_TRUE(answersWithin(over, 1000)) << "closed at once, not at the first-byte deadline";
    EXPECT_EQ(readToEnd(over), "");
    Tcp::socket other = connect("127.0.0.2");
    EXPECT_EQ(ask(other, ""), 200U);

    // Behind a proxy on this machine the forwarded client counts, once its request names it.
    EXPECT_EQ(ask(held, "X-Forwarded-For: 203.0.113.9\r\n"), 200U);
    Tcp::socket again = connect();
    EXPECT_EQ(ask(again, ""), 200U);
    Tcp::socket proxied = connect("127.0.0.3");
    EXPECT_EQ(ask(proxied, "X-Forwarded-For: 203.0.113.9\r\n"), 503U);
}

TEST_F(HttpServerTest, BoundsTheBytesOfAnswersAndBodiesInFlight) {
    start({.answerBytes = 64, .bodyBytes = 1000});
    EXPECT_TRUE(exchange("GET /nothing HTTP/1.0\r\n\r\n").starts_with("HTTP/1.0 404 "));
    EXPECT_EQ(exchange("GET " + Page + " HTTP/1.0\r\n\r\n"), "") << "the page alone is too large";
    EXPECT_TRUE(exchange("POST " + Page + " HTTP/1.0\r\nContent-Length: 1001\r\n\r\n")
                    .starts_with("HTTP/1.0 503 "));
    EXPECT_TRUE(exchange("POST " + Page + " HTTP/1.0\r\nContent-Length: 1000\r\n\r\n" +
                         std::string(1000, 'x'))
                    .starts_with("HTTP/1.0 405 "));
}

TEST_F(HttpServerTest, LogsEachRequestOnOneLine) {
    start();
    exchange("GET " + Page + "?command=view&page=9 HTTP/1.0\r\n\r\n");
    exchange("DELETE " + Page + " HTTP/1.0\r\nX-Forwarded-For: 192.0.2.1, 198.51.100.6\r\n" +
             "X-Forwarded-For: 198.51.100.7\r\n\r\n");
    asio::post(context_, [this] { server_->stop(); });
    thread_.join();
    const std::string log = logged_.str();
    EXPECT_NE(log.find(" 127.0.0.1 GET " + Page + "?command=view&page=9 404 "), std::string::npos)
        << log;
    EXPECT_NE(log.find(" 198.51.100.7 DELETE " + Page + " 405 "), std::string::npos) << log;
}

}  // namespace
