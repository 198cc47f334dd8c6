#include "net/AddressResolver.h"

#include <arpa/inet.h>

#include "net/NetErrors.h"

namespace net {

AddressResolver::AddressResolver(platform::Application& application, SocketWait& wait)
    : wait_(wait), lookup_(application, [this](std::uint32_t address, int errorCode) {
          answer_ = Answer{address, errorCode, true};
      }) {}

AddressResolver::Answer AddressResolver::resolve(const std::string& name, std::int32_t timeOutMs) {
    in_addr dotted{};
    if (inet_pton(AF_INET, name.c_str(), &dotted) == 1) {
        return Answer{dotted.s_addr, 0, false};
    }
    answer_.reset();
    {
        auto timeOut = wait_.timeOut(timeOutMs);
        lookup_.start(name);
        // The answer comes as a message: nothing on a socket to wait for.
        wait_.until(-1, 0, [this] { return answer_ || wait_.cancelled(); });
        lookup_.forget();
    }
    if (wait_.timedOut()) {
        throw ESockError(SockFailure::HostLookupTimedOut);
    }
    if (wait_.cancelled()) {
        throw ESockError(SockFailure::HostLookupCanceled);
    }
    return *answer_;
}

}  // namespace net
