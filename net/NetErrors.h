#pragma once
// The exceptions of the network layer; each carries only its message text.

#include <stdexcept>
#include <string>

namespace net {

// A socket failure: a refused lookup or connection, a system error, a time-out of a wait.
class ESockError : public std::runtime_error {
  public:
    explicit ESockError(const std::string& text) : std::runtime_error(text) {}
};

// A read or write ended by cancellation or by the time-out.
class EAbortError : public std::runtime_error {
  public:
    explicit EAbortError(const std::string& text) : std::runtime_error(text) {}
};

// A request the HTTP client refuses before sending it.
class EHttpError : public std::runtime_error {
  public:
    explicit EHttpError(const std::string& text) : std::runtime_error(text) {}
};

// A request target too long to be sent whole.
class ERequestTooLong : public EHttpError {
  public:
    using EHttpError::EHttpError;
};

// A file for a reply's header or body that cannot be created or written.
class EFileError : public std::runtime_error {
  public:
    explicit EFileError(const std::string& text) : std::runtime_error(text) {}
};

}  // namespace net
