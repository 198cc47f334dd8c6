#include "server/HttpServer.h"

#include <iostream>
#include <vector>

namespace server {

namespace {

// After a failed accept (out of file handles, say) the next try waits this long.
constexpr std::chrono::milliseconds AcceptRetry{100};

}  // namespace

HttpServer::HttpServer(asio::io_context& context, const Tcp::endpoint& endpoint,
                       RankingService& service, RequestLog& log, HttpLimits limits)
    : acceptor_(context, endpoint),
      retry_(context),
      limits_(limits),
      sessionContext_{service, log, limits_, *this} {}

void HttpServer::start() {
    accept();
}

void HttpServer::stop() {
    stopping_ = true;
    boost::system::error_code ignored;
    acceptor_.close(ignored);
    retry_.cancel();
    // Closing a session may end it, and so change the set.
    const std::vector<HttpSession*> open(sessions_.begin(), sessions_.end());
    for (HttpSession* session : open) {
        if (sessions_.contains(session)) {
            session->stopWhenIdle();
        }
    }
}

void HttpServer::accept() {
    if (accepting_ || stopping_ || sessions_.size() >= limits_.connections) {
        return;
    }
    accepting_ = true;
    acceptor_.async_accept([this](const boost::system::error_code& error, Tcp::socket socket) {
        onAccepted(error, std::move(socket));
    });
}

void HttpServer::onAccepted(const boost::system::error_code& error, Tcp::socket socket) {
    accepting_ = false;
    if (error == asio::error::operation_aborted || stopping_) {
        return;
    }
    if (error) {
        std::cerr << "accept: " << error.message() << std::endl;
        retry_.expires_after(AcceptRetry);
        retry_.async_wait([this](const boost::system::error_code& waitError) {
            if (!waitError) {
                accept();
            }
        });
        return;
    }
    std::make_shared<HttpSession>(std::move(socket), sessionContext_)->start();
    accept();
}

void HttpServer::opened(HttpSession* session) {
    sessions_.insert(session);
}

void HttpServer::closed(HttpSession* session) {
    sessions_.erase(session);
    accept();
}

}  // namespace server
