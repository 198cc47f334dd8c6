#pragma once
// Resolves a host name to its first IPv4 address on a worker thread, so that the user-interface
// thread never blocks in the resolver; the answer comes back as a message on that thread.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/Application.h"

namespace net {

class HostLookup {
  public:
    // address in network byte order; errorCode a socket error code, 0 on success.
    using Handler = std::function<void(std::uint32_t address, int errorCode)>;

    HostLookup(platform::Application& application, Handler onFinished);
    // Answers still to come are dropped; a resolver call in progress finishes on its own.
    ~HostLookup();
    HostLookup(const HostLookup&) = delete;
    HostLookup& operator=(const HostLookup&) = delete;

    // Forgets any lookup still running and starts one for name.
    void start(const std::string& name);
    // The answer of the running lookup, cancelled or timed out, will be ignored.
    void forget();

  private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
};

}  // namespace net
