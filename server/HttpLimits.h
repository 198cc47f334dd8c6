#pragma once
// What the server allows a client: how many connections at once, how long a silence, how large
// a request line with its headers, and how many bytes all connections together hold in flight.

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
    // From one client address (an IPv6 /64), so that one cannot hold them all.
    std::size_t connectionsPerClient = 32;
    // A new connection's first byte, then its whole request within the silence.
    std::chrono::milliseconds firstByte{2'000};
    // Waiting for a request, or for the client to take an answer.
    std::chrono::milliseconds silence{10'000};
    // Answers being sent, together; slow readers beyond it are dropped, the oldest first.
    std::size_t answerBytes = 64 * 1024 * 1024;
    // Request bodies being read or handled, together; beyond it a body is refused with 503.
    std::size_t bodyBytes = 32 * 1024 * 1024;
};

}  // namespace server
