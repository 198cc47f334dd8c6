#pragma once
// The address a connect goes to: a dotted IPv4 address as it is, a name looked up off the
// user-interface thread while the client's wait turns, within the wait's time-out.

#include <cstdint>
#include <optional>
#include <string>

#include "net/HostLookup.h"
#include "net/SocketWait.h"
#include "platform/Application.h"

namespace net {

class AddressResolver {
  public:
    struct Answer {
        // In network byte order; 0 when the name did not resolve.
        std::uint32_t address = 0;
        // The socket error code of a failed lookup, 0 otherwise.
        int errorCode = 0;
        // A dotted address needs no lookup.
        bool lookedUp = false;
    };

    AddressResolver(platform::Application& application, SocketWait& wait);

    // Raises ESockError "Host Lookup Timed Out" or "Host Lookup Canceled" when the wait ends
    // before the answer, and "No Timer" for a negative timeOutMs.
    Answer resolve(const std::string& name, std::int32_t timeOutMs);

  private:
    SocketWait& wait_;
    HostLookup lookup_;
    std::optional<Answer> answer_;
};

}  // namespace net
