#pragma once
// The command line of pudorock-ranking-server.

#include <cstddef>
#include <optional>
#include <string>

namespace server {

struct ServerOptions {
    std::string listenHost = "127.0.0.1";
    std::string listenPort = "8080";
    std::string database = "ranking.sqlite3";
    std::size_t maxEntriesPerMinute = 10;
    std::size_t maxConnectionsPerClient = 32;
};

// The options, or nothing when the program has already answered (--help, --version) or
// refused the command line; exitCode then tells how it ended.
std::optional<ServerOptions> parseServerOptions(int argc, char** argv, int& exitCode);

// "HOST:PORT" with an IPv6 host in brackets; throws std::invalid_argument.
void splitListenAddress(const std::string& address, ServerOptions& options);

}  // namespace server
