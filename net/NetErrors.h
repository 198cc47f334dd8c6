#pragma once
// The exceptions of the network layer. Each tells what failed by a value, so that callers never
// need to compare message texts.

#include <stdexcept>
#include <string>

namespace net {

// The failures of the socket client itself; System stands for an error of a system call.
enum class SockFailure {
    System,
    AlreadyConnected,
    NullRemoteAddress,
    HostLookupTimedOut,
    HostLookupCanceled,
    ConnectionTimedOut,
    ConnectionCanceled,
    ConnectionFailed,
    SocketsInitFailed,
    NoTimer,
};

// A socket failure: a refused lookup or connection, a system error, a time-out of a wait.
class ESockError : public std::runtime_error {
  public:
    // One of the client's own failures, with its text.
    explicit ESockError(SockFailure failure);
    // A system error by its socket error code, with the classic text.
    explicit ESockError(int code);

    SockFailure failure() const { return failure_; }
    // The socket error code of a System failure, 0 otherwise.
    int code() const { return code_; }

  private:
    SockFailure failure_;
    int code_;
};

// A read or write ended by cancellation or by the time-out.
class EAbortError : public std::runtime_error {
  public:
    explicit EAbortError(const std::string& text) : std::runtime_error(text) {}
};

enum class HttpFailure {
    BadRequest,        // refused before anything was sent
    TooManyRedirects,  // the repeats allowed to one request are used up
    BadRedirect,       // a redirection without a location, or to one that is not http
    BadReply,          // no status line, a malformed one, or a status without a meaning here
    ReplyTooLarge,     // more header or body than the client keeps
    Refused,           // a status of 400 or above
    TimedOut,          // the bound of the whole request passed
};

// A request the HTTP client refuses, or a reply it does not take as success.
class EHttpError : public std::runtime_error {
  public:
    EHttpError(HttpFailure failure, const std::string& text)
        : std::runtime_error(text), failure_(failure) {}

    HttpFailure failure() const { return failure_; }

  private:
    HttpFailure failure_;
};

// A request target too long to be sent whole.
class ERequestTooLong : public EHttpError {
  public:
    ERequestTooLong();
};

// A reply whose status is 400 or above: the server did not accept the request.
class EHttpStatusError : public EHttpError {
  public:
    explicit EHttpStatusError(int status);

    int status() const { return status_; }

  private:
    int status_;
};

// A file for a reply's header or body that cannot be created or written.
class EFileError : public std::runtime_error {
  public:
    explicit EFileError(const std::string& text) : std::runtime_error(text) {}
};

}  // namespace net
