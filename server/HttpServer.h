#pragma once
// The ranking over HTTP/1.0 and 1.1 on one network thread: at most MaxConnections handled at
// once, request line and headers of at most 8 KB, no request bodies, a connection silent for
// 10 s dropped.

#include <cstddef>
#include <unordered_set>

#include "server/Beast.h"
#include "server/RankingService.h"
#include "server/RequestLog.h"

namespace server {

class HttpSession;

class HttpServer {
  public:
    static constexpr std::size_t MaxConnections = 900;

    // Listens at once; throws boost::system::system_error when it cannot.
    HttpServer(asio::io_context& context, const tcp::endpoint& endpoint, RankingService& service,
               RequestLog& log);

    tcp::endpoint localEndpoint() const { return acceptor_.local_endpoint(); }
    void start();
    // No new connections; idle ones are closed, the others once their answer is sent.
    void stop();

  private:
    friend class HttpSession;

    void accept();
    void onAccepted(const boost::system::error_code& error, tcp::socket socket);
    void opened(HttpSession* session);
    void closed(HttpSession* session);

    tcp::acceptor acceptor_;
    asio::steady_timer retry_;
    RankingService& service_;
    RequestLog& log_;
    std::unordered_set<HttpSession*> sessions_;
    bool accepting_ = false;
    bool stopping_ = false;
};

}  // namespace server
