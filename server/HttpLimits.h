#pragma once
// What the server allows a client: how many connections at once, how long a silence, how large
// a request line with its headers.

#include <chrono>
#include <cstddef>

#include "protocol/RankingProtocol.h"

namespace server {

// The request line and headers together, in bytes.
inline constexpr std::size_t HeaderLimit = 8 * 1024;
// A request's body: a submission's replay at most.
inline constexpr std::size_t BodyLimit = protocol::MaxReplayBytes;

struct HttpLimits {
    // Below the usual 1024 open files, with room for the database's.
    std::size_t connections = 900;
    // Waiting for a request, or for the client to take an answer.
    std::chrono::milliseconds silence{10'000};
};

}  // namespace server
