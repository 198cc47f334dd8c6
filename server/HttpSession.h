#pragma once
// One client connection: reads a request, has the service answer it, writes the answer, and
// again while the client keeps the connection open.

#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "server/Beast.h"
#include "server/Request.h"

namespace server {

class HttpServer;

class HttpSession : public std::enable_shared_from_this<HttpSession> {
  public:
    HttpSession(Tcp::socket socket, HttpServer& server);
    ~HttpSession();

    void start();
    // Closes the connection now when it waits for a request, else after the answer.
    void stopWhenIdle();

  private:
    void readRequest();
    void onRead(const beast::error_code& error);
    // The method, target and client of the request whose header was read.
    Request readRequestLine() const;
    void refuseUnreadable(const beast::error_code& error);
    void answer(Response response);
    void onWritten(const beast::error_code& error, std::size_t bytes);
    void close();

    HttpServer& server_;
    beast::tcp_stream stream_;
    asio::ip::address peer_;
    beast::flat_buffer buffer_;
    std::optional<http::request_parser<http::empty_body>> parser_;
    http::response<http::span_body<const char>> response_;
    std::shared_ptr<const std::string> body_;
    Request request_;
    std::chrono::steady_clock::time_point started_;
    bool answering_ = false;
    bool stopping_ = false;
};

}  // namespace server
