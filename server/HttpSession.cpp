#include "server/HttpSession.h"

#include <array>

#include "server/ClientAddress.h"
#include "server/ResponseHead.h"

namespace server {

namespace {

using SteadyClock = std::chrono::steady_clock;

std::string_view view(beast::string_view text) {
    return {text.data(), text.size()};
}

// Several header lines read as one comma-separated list, so their last line ends it.
std::string_view lastForwardedFor(const http::request<http::string_body>& message) {
    std::string_view last;
    const auto [first, end] = message.equal_range("X-Forwarded-For");
    for (auto line = first; line != end; ++line) {
        last = view(line->value());
    }
    return last;
}

// The client left, or the server closed the connection (when the client was silent too long,
// say).
bool isGone(const beast::error_code& error) {
    return error == http::error::end_of_stream || error == asio::error::operation_aborted ||
           error == asio::error::connection_reset;
}

}  // namespace

HttpSession::HttpSession(Tcp::socket socket, const asio::ip::address& peer,
                         const HttpSessionContext& context)
    : context_(context),
      socket_(std::move(socket)),
      peer_(peer),
      peerClient_(clientAddress(peer, {})),
      peerGroup_(clientGroup(peerClient_)),
      buffer_(HeaderLimit) {}

HttpSession::~HttpSession() {
    context_.registry.closed(this);
}

void HttpSession::start() {
    awaitRequest(context_.limits.firstByte);
}

// Closing ends the waiting read or write with operation_aborted, and so the connection.
void HttpSession::closeIfLate(std::chrono::steady_clock::time_point now) {
    if (now >= deadline_) {
        close();
    }
}

void HttpSession::stopWhenIdle() {
    stopping_ = true;
    if (!answering_) {
        close();
    }
}

// The whole request is due within the silence; its first byte may be due sooner.
void HttpSession::awaitRequest(std::chrono::milliseconds firstByte) {
    parser_.emplace();
    parser_->header_limit(HeaderLimit);
    parser_->body_limit(BodyLimit);
    const auto now = SteadyClock::now();
    requestDeadline_ = now + context_.limits.silence;
    if (buffer_.size() > 0) {
        return readHeader();  // pipelined
    }
    if (keptAlive_) {
        context_.registry.idle(this);
    }
    deadline_ = std::min(requestDeadline_, now + firstByte);
    socket_.async_read_some(
        buffer_.prepare(HeaderLimit),
        [self = shared_from_this()](const beast::error_code& error, std::size_t bytes) {
            self->onFirstBytes(error, bytes);
        });
}

void HttpSession::onFirstBytes(const beast::error_code& error, std::size_t bytes) {
    context_.registry.busy(this);
    if (error) {
        return close();
    }
    buffer_.commit(bytes);
    readHeader();
}

// A whole header already read is parsed here; only a partial one waits for more bytes, so that
// the common request costs one read and no second trip through the loop.
void HttpSession::readHeader() {
    deadline_ = requestDeadline_;  // for the rest of the header and the body
    beast::error_code error;
    buffer_.consume(parser_->put(buffer_.data(), error));
    if (error != http::error::need_more) {
        return onHeader(error);
    }
    http::async_read_header(socket_, buffer_, *parser_,
                            [self = shared_from_this()](const beast::error_code& error,
                                                        std::size_t) { self->onHeader(error); });
}

void HttpSession::onHeader(const beast::error_code& error) {
    if (isGone(error)) {
        return close();
    }
    started_ = SteadyClock::now();
    answering_ = true;
    if (error) {
        return refuseUnreadable(error);
    }
    request_ = readRequestLine();
    if (auto refusal = refusalOfHeader()) {
        return refuse(std::move(*refusal));
    }
    if (parser_->is_done()) {
        return handle();
    }
    http::async_read(socket_, buffer_, *parser_,
                     [self = shared_from_this()](const beast::error_code& bodyError, std::size_t) {
                         self->onBody(bodyError);
                     });
}

std::optional<Response> HttpSession::refusalOfHeader() {
    const auto& message = parser_->get();
    if (message.version() == 11 && message.find(http::field::host) == message.end()) {
        return textResponse(400, "An HTTP/1.1 request needs a Host header.");
    }
    if (!context_.registry.countAgainst(this, groupOf(request_.client))) {
        return textResponse(503, "Too many connections from one address.");
    }
    // A chunked body's length is known only at its end: it may take the most.
    const std::uint64_t bodyBytes =
        parser_->content_length().value_or(parser_->chunked() ? BodyLimit : 0);
    if (bodyBytes > 0) {
        bodyBytes_ = context_.bodies.tryReserve(bodyBytes);
        if (!bodyBytes_) {
            return textResponse(503, "The server is busy; try again later.");
        }
    }
    return std::nullopt;
}

void HttpSession::onBody(const beast::error_code& error) {
    if (isGone(error)) {
        return close();
    }
    if (error) {
        return refuseUnreadable(error);
    }
    handle();
}

void HttpSession::handle() {
    request_.contentType = std::string(view(parser_->get()[http::field::content_type]));
    request_.acceptLanguage = std::string(view(parser_->get()[http::field::accept_language]));
    request_.body = std::move(parser_->get().body());
    deadline_ = SteadyClock::time_point::max();  // the service takes what time it needs
    awaitingAnswer_.emplace(socket_.get_executor());
    context_.service.handle(request_, [self = shared_from_this()](Response response) {
        self->answer(std::move(response));
    });
}

Request HttpSession::readRequestLine() const {
    const auto& message = parser_->get();
    const std::string_view forwardedFor = lastForwardedFor(message);
    return {std::string(view(message.method_string())), std::string(view(message.target())),
            forwardedFor.empty() ? peerClient_ : clientAddress(peer_, forwardedFor)};
}

std::string HttpSession::groupOf(const std::string& client) const {
    return client == peerClient_ ? peerGroup_ : clientGroup(client);
}

// The request cannot be answered as asked; the connection ends after the refusal.
void HttpSession::refuseUnreadable(const beast::error_code& error) {
    request_ = parser_->is_header_done() ? readRequestLine() : Request{"-", "-", peerClient_};
    if (error == http::error::header_limit || error == http::error::buffer_overflow) {
        return refuse(textResponse(431, "The request line and headers exceed 8 KB."));
    }
    if (error == http::error::body_limit) {
        return refuse(textResponse(413, "The request body exceeds 1 MB."));
    }
    refuse(textResponse(400, "The request cannot be read as HTTP."));
}

void HttpSession::refuse(Response response) {
    stopping_ = true;
    answer(std::move(response));
}

// An answer that would not fit in the bytes in flight drops the oldest slow readers; one that
// cannot fit at all drops its own connection.
void HttpSession::answer(Response response) {
    awaitingAnswer_.reset();
    const bool head = request_.method == "HEAD";
    const unsigned version = parser_->is_header_done() ? parser_->get().version() : 11;
    answerBytes_.release();
    answerBytes_ = context_.answers.reserveDroppingOldest(head ? 0 : response.body->size(),
                                                          [this] { close(); });
    if (!answerBytes_) {
        return close();
    }
    status_ = response.status;
    keepAlive_ = !stopping_ && parser_->get().keep_alive();
    writeResponseHead(response, version, keepAlive_, head_);
    body_ = std::move(response.body);
    const std::array<asio::const_buffer, 2> sent{
        asio::buffer(head_), head ? asio::const_buffer() : asio::buffer(*body_)};
    deadline_ = SteadyClock::now() + context_.limits.silence;
    asio::async_write(
        socket_, sent,
        [self = shared_from_this()](const beast::error_code& error, std::size_t bytes) {
            self->onWritten(error, bytes);
        });
}

void HttpSession::onWritten(const beast::error_code& error, std::size_t bytes) {
    answering_ = false;
    context_.log.write(
        {std::chrono::system_clock::now(), request_.client, request_.method, request_.target,
         status_, bytes,
         std::chrono::duration_cast<std::chrono::microseconds>(SteadyClock::now() - started_)});
    // What the answer and its request held goes back at once, not at the next request.
    body_.reset();
    request_ = {};
    answerBytes_.release();
    bodyBytes_.release();
    // A stop that came while the answer was on its way ends the connection after it.
    if (error || !keepAlive_ || stopping_) {
        return close();
    }
    keptAlive_ = true;
    awaitRequest(context_.limits.silence);
}

void HttpSession::close() {
    boost::system::error_code ignored;
    socket_.shutdown(Tcp::socket::shutdown_send, ignored);
    socket_.close(ignored);
}

}  // namespace server
