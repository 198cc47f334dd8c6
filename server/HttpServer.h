#pragma once
// The ranking over HTTP/1.0 and 1.1 on one network thread, within limits: a bounded number of
// connections handled at once, request line and headers of at most 8 KB, no request bodies, a
// silent connection dropped.

#include <unordered_set>

#include "server/Beast.h"
#include "server/HttpLimits.h"
#include "server/HttpSession.h"
#include "server/RankingService.h"
#include "server/RequestLog.h"

namespace server {

class HttpServer : private SessionRegistry {
  public:
    // Listens at once; throws boost::system::system_error when it cannot.
    HttpServer(asio::io_context& context, const Tcp::endpoint& endpoint, RankingService& service,
               RequestLog& log, HttpLimits limits = {});

    Tcp::endpoint localEndpoint() const { return acceptor_.local_endpoint(); }
    void start();
    // No new connections; idle ones are closed, the others once their answer is sent.
    void stop();

  private:
    void accept();
    void onAccepted(const boost::system::error_code& error, Tcp::socket socket);
    void opened(HttpSession* session) override;
    void closed(HttpSession* session) override;

    Tcp::acceptor acceptor_;
    asio::steady_timer retry_;
    HttpLimits limits_;
    HttpSessionContext sessionContext_;
    std::unordered_set<HttpSession*> sessions_;
    bool accepting_ = false;
    bool stopping_ = false;
};

}  // namespace server
