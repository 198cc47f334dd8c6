#include "net/NetErrors.h"

#include "net/NetText.h"

namespace net {

ESockError::ESockError(SockFailure failure)
    : std::runtime_error(text::sockFailureText(failure)), failure_(failure), code_(0) {}

ESockError::ESockError(int code)
    : std::runtime_error(text::socketErrorText(code)), failure_(SockFailure::System), code_(code) {}

ERequestTooLong::ERequestTooLong()
    : EHttpError(HttpFailure::BadRequest, text::RequestTargetTooLong) {}

EHttpStatusError::EHttpStatusError(int status)
    : EHttpError(HttpFailure::Refused, text::statusRefused(status)), status_(status) {}

}  // namespace net
