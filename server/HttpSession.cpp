#include "server/HttpSession.h"

#include "server/ClientAddress.h"

namespace server {

namespace {

asio::ip::address peerAddress(const Tcp::socket& socket) {
    boost::system::error_code error;
    const auto endpoint = socket.remote_endpoint(error);
    return error ? asio::ip::address() : endpoint.address();
}

std::string_view view(beast::string_view text) {
    return {text.data(), text.size()};
}

}  // namespace

HttpSession::HttpSession(Tcp::socket socket, const HttpSessionContext& context)
    : context_(context),
      stream_(std::move(socket)),
      peer_(peerAddress(stream_.socket())),
      buffer_(HeaderLimit) {
    context_.registry.opened(this);
}

HttpSession::~HttpSession() {
    context_.registry.closed(this);
}

void HttpSession::start() {
    readRequest();
}

void HttpSession::stopWhenIdle() {
    stopping_ = true;
    if (!answering_) {
        close();
    }
}

void HttpSession::readRequest() {
    parser_.emplace();
    parser_->header_limit(HeaderLimit);
    parser_->body_limit(BodyLimit);
    stream_.expires_after(context_.limits.silence);
    http::async_read(stream_, buffer_, *parser_,
                     [self = shared_from_this()](const beast::error_code& error, std::size_t) {
                         self->onRead(error);
                     });
}

void HttpSession::onRead(const beast::error_code& error) {
    if (error == http::error::end_of_stream || error == beast::error::timeout ||
        error == asio::error::operation_aborted || error == asio::error::connection_reset) {
        return close();
    }
    started_ = std::chrono::steady_clock::now();
    answering_ = true;
    if (error) {
        return refuseUnreadable(error);
    }
    request_ = readRequestLine();
    request_.contentType = std::string(view(parser_->get()[http::field::content_type]));
    request_.acceptLanguage = std::string(view(parser_->get()[http::field::accept_language]));
    request_.body = std::move(parser_->get().body());
    awaitingAnswer_.emplace(stream_.get_executor());
    context_.service.handle(request_, [self = shared_from_this()](Response response) {
        self->answer(std::move(response));
    });
}

Request HttpSession::readRequestLine() const {
    const auto& message = parser_->get();
    return {std::string(view(message.method_string())), std::string(view(message.target())),
            clientAddress(peer_, view(message["X-Forwarded-For"]))};
}

// The request cannot be answered as asked; the connection ends after the refusal.
void HttpSession::refuseUnreadable(const beast::error_code& error) {
    request_ = parser_->is_header_done() ? readRequestLine() : Request{"-", "-", peer_.to_string()};
    stopping_ = true;
    if (error == http::error::header_limit || error == http::error::buffer_overflow) {
        return answer(textResponse(431, "The request line and headers exceed 8 KB."));
    }
    if (error == http::error::body_limit) {
        return answer(textResponse(413, "The request body exceeds 1 MB."));
    }
    answer(textResponse(400, "The request cannot be read as HTTP."));
}

void HttpSession::answer(Response response) {
    awaitingAnswer_.reset();
    const bool head = request_.method == "HEAD";
    const unsigned version = parser_->is_header_done() ? parser_->get().version() : 11;
    response_ = {};
    response_.version(version);
    response_.result(response.status);
    response_.set(http::field::server, "pudorock-ranking-server");
    response_.set(http::field::content_type, response.contentType);
    for (const auto& [name, value] : response.headers) {
        response_.set(name, value);
    }
    body_ = std::move(response.body);
    response_.content_length(body_->size());
    if (!head) {
        response_.body() = {body_->data(), body_->size()};
    }
    response_.keep_alive(!stopping_ && parser_->get().keep_alive());
    stream_.expires_after(context_.limits.silence);
    http::async_write(
        stream_, response_,
        [self = shared_from_this()](const beast::error_code& error, std::size_t bytes) {
            self->onWritten(error, bytes);
        });
}

void HttpSession::onWritten(const beast::error_code& error, std::size_t bytes) {
    answering_ = false;
    context_.log.write({std::chrono::system_clock::now(), request_.client, request_.method,
                        request_.target, static_cast<int>(response_.result_int()), bytes,
                        std::chrono::duration_cast<std::chrono::microseconds>(
                            std::chrono::steady_clock::now() - started_)});
    if (error || !response_.keep_alive()) {
        return close();
    }
    readRequest();
}

void HttpSession::close() {
    boost::system::error_code ignored;
    stream_.socket().shutdown(Tcp::socket::shutdown_send, ignored);
    stream_.close();
}

}  // namespace server
