// The HTTP side on a loopback port: versions and keep-alive, HEAD, the limits on headers,
// bodies, silence and connections, and the log line of each request.

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

    Tcp::socket connect() {
        Tcp::socket socket(client_);
        socket.connect(server_->localEndpoint());
        return socket;
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

TEST_F(HttpServerTest, RefusesLongHeadersAndBodies) {
    start();
    const std::string longHeader =
        exchange("GET " + Page + " HTTP/1.1\r\nX-Padding: " + std::string(9000, 'x') + "\r\n\r\n");
    EXPECT_TRUE(longHeader.starts_with("HTTP/1.1 431 ")) << longHeader.substr(0, 100);
    const std::string longTarget = exchange("GET /" + std::string(9000, 'a') + " HTTP/1.1\r\n\r\n");
    EXPECT_TRUE(longTarget.starts_with("HTTP/1.1 431 ")) << longTarget.substr(0, 100);
    const std::string body =
        exchange("POST " + Page + " HTTP/1.1\r\nContent-Length: 1048577\r\n\r\nhello");
    EXPECT_TRUE(body.starts_with("HTTP/1.1 413 ")) << body;
    const std::string garbage = exchange("\x01\x02 nonsense\r\n\r\n");
    EXPECT_TRUE(garbage.starts_with("HTTP/1.1 400 ")) << garbage;
}

TEST_F(HttpServerTest, DropsAClientThatSendsNothing) {
    start({.connections = 10, .silence = 200ms});
    Tcp::socket silent = connect();
    const auto began = std::chrono::steady_clock::now();
    ASSERT_TRUE(answersWithin(silent, 5000));
    EXPECT_EQ(readToEnd(silent), "");
    EXPECT_GE(std::chrono::steady_clock::now() - began, 150ms);
}

TEST_F(HttpServerTest, HandlesNoMoreConnectionsThanItsLimitAtOnce) {
    start({.connections = 1, .silence = 10s});
    Tcp::socket first = connect();
    asio::write(first, asio::buffer("GET " + Page + " HTTP/1.1\r\nHost: a\r\n\r\n"));
    ASSERT_TRUE(answersWithin(first, 5000));

    Tcp::socket second = connect();
    asio::write(second, asio::buffer("GET " + Page + " HTTP/1.0\r\n\r\n"));
    EXPECT_FALSE(answersWithin(second, 300)) << "the second waits while the first is open";
    first.close();
    EXPECT_TRUE(readToEnd(second).starts_with("HTTP/1.0 200 OK"));
}

TEST_F(HttpServerTest, LogsEachRequestOnOneLine) {
    start();
    exchange("GET " + Page + "?command=view&page=9 HTTP/1.0\r\n\r\n");
    exchange("DELETE " + Page + " HTTP/1.0\r\nX-Forwarded-For: 198.51.100.7\r\n\r\n");
    asio::post(context_, [this] { server_->stop(); });
    thread_.join();
    const std::string log = logged_.str();
    EXPECT_NE(log.find(" 127.0.0.1 GET " + Page + "?command=view&page=9 404 "), std::string::npos)
        << log;
    EXPECT_NE(log.find(" 198.51.100.7 DELETE " + Page + " 405 "), std::string::npos) << log;
}

}  // namespace
