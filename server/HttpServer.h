#pragma once
// The ranking over HTTP/1.0 and 1.1 on one network thread, within limits: a bounded number of
// connections handled at once (and from each client), request line and headers of at most
// 8 KB, bodies of at most 1 MB, bounded bytes in flight, a silent connection dropped. At the
// connection limit the connection idle for longest makes room for a new one.

#include <optional>

#include "server/Beast.h"
#include "server/ByteBudget.h"
#include "server/ConnectionTable.h"
#include "server/HttpLimits.h"
#include "server/HttpSession.h"
#include "server/MemoryTrim.h"
#include "server/RankingService.h"
#include "server/RequestLog.h"

namespace server {

class HttpServer : private SessionRegistry {
  public:
    // Listens at once; throws boost::system::system_error when it cannot.
    HttpServer(asio::io_context& context, const Tcp::endpoint& endpoint, RankingService& service,
               RequestLog& log, HttpLimits limits = {});
    HttpServer(const HttpServer&) = delete;
    HttpServer& operator=(const HttpServer&) = delete;

    Tcp::endpoint localEndpoint() const { return acceptor_.local_endpoint(); }
    void start();
    // No new connections; idle ones are closed, the others once their answer is sent.
    void stop();

  private:
    // Below the limit, or at it with an idle connection to close for the next one.
    bool hasRoom() const;
    void accept();
    void onAccepted(const boost::system::error_code& error, Tcp::socket socket);
    void acceptFailed(const boost::system::error_code& error);
    // Closes the connections past their time, then looks again a period later; it ends once
    // the server stops and its last connection is gone.
    void sweepLate();
    void endSweepWhenDone();
    void open(Tcp::socket socket);
    bool countAgainst(HttpSession* session, const std::string& client) override;
    void idle(HttpSession* session) override;
    void busy(HttpSession* session) override;
    void closed(HttpSession* session) override;

    Tcp::acceptor acceptor_;
    asio::steady_timer retry_;
    asio::steady_timer sweep_;
    HttpLimits limits_;
    ByteBudget answers_;
    ByteBudget bodies_;
    MemoryTrim trim_;
    HttpSessionContext sessionContext_;
    ConnectionTable connections_;
    // Failing accepts with no long spell of working ones between them: told at the first and
    // when a spell ends it.
    struct AcceptTrouble {
        std::chrono::steady_clock::time_point last;
        std::size_t failures;
    };
    std::optional<AcceptTrouble> acceptTrouble_;
    bool accepting_ = false;
    bool stopping_ = false;
};

}  // namespace server
