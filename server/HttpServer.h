#pragma once
// The ranking over HTTP/1.0 and 1.1 on one network thread, within limits: a bounded number of
// connections handled at once, request line and headers of at most 8 KB, no request bodies, a
// silent connection dropped.

#include <chrono>
#include <cstddef>
#include <unordered_set>

#include "server/Beast.h"
#include "server/RankingService.h"
#include "server/RequestLog.h"

namespace server {

class HttpSession;

struct HttpLimits {
    // Below the usual 1024 open files, with room for the database's.
    std::size_t connections = 900;
    // Waiting for a request, or for the client to take an answer.
    std::chrono::milliseconds silence{10'000};
};

class HttpServer {
  public:
    static constexpr std::size_t HeaderLimit = 8 * 1024;

    // Listens at once; throws boost::system::system_error when it cannot.
    HttpServer(asio::io_context& context, const Tcp::endpoint& endpoint, RankingService& service,
               RequestLog& log, HttpLimits limits = {});

    Tcp::endpoint localEndpoint() const { return acceptor_.local_endpoint(); }
    void start();
    // No new connections; idle ones are closed, the others once their answer is sent.
    void stop();

  private:
    friend class HttpSession;

    void accept();
    void onAccepted(const boost::system::error_code& error, Tcp::socket socket);
    void opened(HttpSession* session);
    void closed(HttpSession* session);

    Tcp::acceptor acceptor_;
    asio::steady_timer retry_;
    RankingService& service_;
    RequestLog& log_;
    HttpLimits limits_;
    std::unordered_set<HttpSession*> sessions_;
    bool accepting_ = false;
    bool stopping_ = false;
};

}  // namespace server
