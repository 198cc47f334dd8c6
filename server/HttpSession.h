#pragma once
// One client connection: reads a request, has the service answer it, writes the answer, and
// again while the client keeps the connection open.

#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "server/Beast.h"
#include "server/ByteBudget.h"
#include "server/HttpLimits.h"
#include "server/RankingService.h"
#include "server/Request.h"
#include "server/RequestLog.h"

namespace server {

class HttpSession;

// Keeps account of the open connections: told by each whom it counts against, when it waits
// idle between requests, and when it is gone.
class SessionRegistry {
  public:
    // From now on the session counts against client (see clientGroup); false, and no change,
    // when that client already has its share of connections.
    virtual bool countAgainst(HttpSession* session, const std::string& client) = 0;
    virtual void idle(HttpSession* session) = 0;
    virtual void busy(HttpSession* session) = 0;
    virtual void closed(HttpSession* session) = 0;

  protected:
    ~SessionRegistry() = default;
};

// What a connection reaches of the server that accepted it; all of it outlives the connection.
struct HttpSessionContext {
    RankingService& service;
    RequestLog& log;
    const HttpLimits& limits;
    SessionRegistry& registry;
    ByteBudget& answers;
    ByteBudget& bodies;
};

class HttpSession : public std::enable_shared_from_this<HttpSession> {
  public:
    HttpSession(Tcp::socket socket, const asio::ip::address& peer,
                const HttpSessionContext& context);
    ~HttpSession();
    HttpSession(const HttpSession&) = delete;
    HttpSession& operator=(const HttpSession&) = delete;

    void start();
    // Closes the connection now when it waits for a request, else after the answer.
    void stopWhenIdle();
    // Closes the connection when the read or write it waits for is past its time; the server
    // looks now and then, so that a request arms no timer.
    void closeIfLate(std::chrono::steady_clock::time_point now);

  private:
    void awaitRequest(std::chrono::milliseconds firstByte);
    void onFirstBytes(const beast::error_code& error, std::size_t bytes);
    void readHeader();
    void onHeader(const beast::error_code& error);
    // Why the request whose header was read is not taken, if it is not.
    std::optional<Response> refusalOfHeader();
    void onBody(const beast::error_code& error);
    void handle();
    // The method, target and client of the request whose header was read.
    Request readRequestLine() const;
    // What the client counts against (see clientGroup).
    std::string groupOf(const std::string& client) const;
    void refuseUnreadable(const beast::error_code& error);
    void refuse(Response response);
    void answer(Response response);
    void onWritten(const beast::error_code& error, std::size_t bytes);
    void close();

    HttpSessionContext context_;
    Tcp::socket socket_;
    asio::ip::address peer_;
    // The peer's own address and group, worked out once: most requests name no other client.
    std::string peerClient_;
    std::string peerGroup_;
    beast::flat_buffer buffer_;
    std::optional<http::request_parser<http::string_body>> parser_;
    // The answer being sent: its head (its storage kept for the next) and its body.
    std::string head_;
    std::shared_ptr<const std::string> body_;
    int status_ = 0;
    bool keepAlive_ = false;
    ByteBudget::Reservation answerBytes_;
    ByteBudget::Reservation bodyBytes_;
    Request request_;
    // While the service works on an answer off the network thread, the loop must not run dry.
    std::optional<asio::executor_work_guard<asio::any_io_executor>> awaitingAnswer_;
    std::chrono::steady_clock::time_point requestDeadline_;
    // When the read or write under way is late; none while the service works on an answer.
    std::chrono::steady_clock::time_point deadline_ = std::chrono::steady_clock::time_point::max();
    std::chrono::steady_clock::time_point started_;
    bool keptAlive_ = false;
    bool answering_ = false;
    bool stopping_ = false;
};

}  // namespace server
