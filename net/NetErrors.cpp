#include "net/NetErrors.h"

#include "net/NetMessages.h"

namespace net {

ESockError::ESockError(SockFailure failure)
    : std::runtime_error(messages::sockFailureText(failure)), failure_(failure), code_(0) {}

ESockError::ESockError(int code)
    : std::runtime_error(messages::socketErrorText(code)),
      failure_(SockFailure::System),
      code_(code) {}

ERequestTooLong::ERequestTooLong()
    : EHttpError(HttpFailure::BadRequest, messages::RequestTargetTooLong) {}

EHttpStatusError::EHttpStatusError(int status)
    : EHttpError(HttpFailure::Refused, messages::statusRefused(status)), status_(status) {}

}  // namespace net
