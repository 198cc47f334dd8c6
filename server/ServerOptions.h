#pragma once
// The command line of pudorock-ranking-server.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace server {

// What the program is asked to do: serve, or look after the database beside a running server.
enum class ServerCommand { Serve, List, Remove };

struct ServerOptions {
    ServerCommand command = ServerCommand::Serve;
    std::string listenHost = "127.0.0.1";
    std::string listenPort = "8080";
    std::string database = "ranking.sqlite3";
    std::size_t maxEntriesPerMinute = 10;
    std::size_t maxConnectionsPerClient = 32;
    bool requireReplay = false;
    // list: the entries of one name (empty: all), at most this many.
    std::string listedName;
    int listLimit = 100;
    // remove: the entries' ids.
    std::vector<std::int64_t> removedIds;
};

// The options, or nothing when the program has already answered (--help, --version) or
// refused the command line; exitCode then tells how it ended (2 for a refused command line).
std::optional<ServerOptions> parseServerOptions(int argc, char** argv, int& exitCode);

// "HOST:PORT" with an IPv6 host in brackets; throws std::invalid_argument.
void splitListenAddress(const std::string& address, ServerOptions& options);

}  // namespace server
