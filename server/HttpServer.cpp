#include "server/HttpServer.h"

#include <algorithm>
#include <iostream>

#include "server/ClientAddress.h"

namespace server {

namespace {

// After a failed accept (out of file handles, say) the next try waits this long, unless a
// connection closes first.
constexpr std::chrono::milliseconds AcceptRetry{100};
// Accepts that worked this long after the last failure end the trouble. Under a flood a closing
// connection lets one accept through between failures, which is no end of it.
constexpr std::chrono::seconds TroubleOver{30};

// How often late connections are looked for: a fraction of the shortest limit, so that a
// connection is closed at most that much after its time.
std::chrono::milliseconds sweepPeriod(const HttpLimits& limits) {
    using std::chrono::milliseconds;
    return std::clamp(std::min(limits.firstByte, limits.silence) / 8, milliseconds(10),
                      milliseconds(250));
}

asio::ip::address peerAddress(const Tcp::socket& socket) {
    boost::system::error_code error;
    const auto endpoint = socket.remote_endpoint(error);
    return error ? asio::ip::address() : endpoint.address();
}

}  // namespace

HttpServer::HttpServer(asio::io_context& context, const Tcp::endpoint& endpoint,
                       RankingService& service, RequestLog& log, HttpLimits limits)
    : acceptor_(context, endpoint),
      retry_(context),
      sweep_(context),
      limits_(limits),
      answers_(limits_.answerBytes),
      bodies_(limits_.bodyBytes),
      trim_(context, {&answers_, &bodies_}),
      sessionContext_{service, log, limits_, *this, answers_, bodies_},
      connections_(limits_.connectionsPerClient) {}

void HttpServer::start() {
    trim_.start();
    sweepLate();
    accept();
}

void HttpServer::stop() {
    stopping_ = true;
    boost::system::error_code ignored;
    acceptor_.close(ignored);
    retry_.cancel();
    trim_.stop();
    // Closing a session may end it, and so change the table.
    for (HttpSession* session : connections_.all()) {
        if (connections_.contains(session)) {
            session->stopWhenIdle();
        }
    }
    endSweepWhenDone();
}

void HttpServer::sweepLate() {
    const auto now = std::chrono::steady_clock::now();
    for (HttpSession* session : connections_.all()) {
        session->closeIfLate(now);
    }
    if (stopping_ && connections_.size() == 0) {
        return;
    }
    sweep_.expires_after(sweepPeriod(limits_));
    sweep_.async_wait([this](const boost::system::error_code& error) {
        if (!error) {
            sweepLate();
        }
    });
}

bool HttpServer::hasRoom() const {
    return connections_.size() < limits_.connections + (connections_.hasIdle() ? 1 : 0);
}

void HttpServer::accept() {
    if (accepting_ || stopping_ || !hasRoom()) {
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
        return acceptFailed(error);
    }
    if (acceptTrouble_ && std::chrono::steady_clock::now() - acceptTrouble_->last >= TroubleOver) {
        std::cerr << "accept: working again after " << acceptTrouble_->failures << " failures"
                  << std::endl;
        acceptTrouble_.reset();
    }
    open(std::move(socket));
    accept();
}

// Out of file handles, say: told once, then tried again until it works.
void HttpServer::acceptFailed(const boost::system::error_code& error) {
    const auto now = std::chrono::steady_clock::now();
    if (!acceptTrouble_) {
        std::cerr << "accept: " << error.message() << "; trying on" << std::endl;
        acceptTrouble_ = AcceptTrouble{now, 0};
    }
    acceptTrouble_->last = now;
    ++acceptTrouble_->failures;
    retry_.expires_after(AcceptRetry);
    retry_.async_wait([this](const boost::system::error_code& waitError) {
        if (!waitError) {
            accept();
        }
    });
}

// A client over its share is closed at once; over the limit, the longest idle makes room.
void HttpServer::open(Tcp::socket socket) {
    const asio::ip::address peer = peerAddress(socket);
    const std::string client = clientGroup(clientAddress(peer, {}));
    if (!connections_.hasRoomFor(client)) {
        return;
    }
    // An answer's last segment goes out at once, not after the client's delayed ack.
    boost::system::error_code ignored;
    socket.set_option(Tcp::no_delay(true), ignored);
    auto session = std::make_shared<HttpSession>(std::move(socket), peer, sessionContext_);
    connections_.add(session.get(), client);
    if (connections_.size() > limits_.connections) {
        if (HttpSession* oldest = connections_.takeOldestIdle()) {
            oldest->stopWhenIdle();
        }
    }
    session->start();
}

bool HttpServer::countAgainst(HttpSession* session, const std::string& client) {
    return connections_.moveTo(session, client);
}

void HttpServer::idle(HttpSession* session) {
    connections_.markIdle(session);
    accept();
}

void HttpServer::busy(HttpSession* session) {
    connections_.markBusy(session);
}

void HttpServer::closed(HttpSession* session) {
    connections_.remove(session);
    endSweepWhenDone();
    accept();
}

// Once stopped with no connection left, nothing can be late: the loop may run dry.
void HttpServer::endSweepWhenDone() {
    if (stopping_ && connections_.size() == 0) {
        sweep_.cancel();
    }
}

}  // namespace server
