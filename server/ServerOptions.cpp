#include "server/ServerOptions.h"

#include <CLI/CLI.hpp>

#include <charconv>
#include <stdexcept>

#include "version/Version.h"

namespace server {

namespace {

bool isPort(std::string_view text) {
    unsigned port = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), port);
    return !text.empty() && error == std::errc() && end == text.data() + text.size() &&
           port <= 65535;
}

// A refused command line ends with 2, as the game's programs do.
constexpr int UsageExitCode = 2;

int exitFor(const CLI::App& app, const CLI::Error& error) {
    const int code = app.exit(error);
    return code == 0 ? 0 : UsageExitCode;
}

void addCommands(CLI::App& app, ServerOptions& options) {
    CLI::App* list =
        app.add_subcommand("list", "Print the stored entries, best first, one line each");
    list->add_option("--db", options.database, "The SQLite database file")
        ->type_name("FILE")
        ->required();
    list->add_option("--name", options.listedName, "Only the entries of this name")
        ->type_name("NAME");
    list->add_option("--limit", options.listLimit, "At most this many entries")
        ->type_name("K")
        ->check(CLI::Range(1, 1'000'000'000))
        ->capture_default_str();
    list->callback([&options] { options.command = ServerCommand::List; });

    CLI::App* remove = app.add_subcommand("remove", "Delete entries by their ids");
    remove->add_option("--db", options.database, "The SQLite database file")
        ->type_name("FILE")
        ->required();
    remove->add_option("ids", options.removedIds, "The entries' ids, as list shows them")
        ->type_name("ID")
        ->required();
    remove->callback([&options] { options.command = ServerCommand::Remove; });
    app.require_subcommand(0, 1);
}

}  // namespace

void splitListenAddress(const std::string& address, ServerOptions& options) {
    const std::size_t colon = address.rfind(':');
    if (colon == std::string::npos || colon == 0 || !isPort(address.substr(colon + 1))) {
        throw std::invalid_argument("expected ADDRESS:PORT, got \"" + address + "\"");
    }
    std::string host = address.substr(0, colon);
    if (host.front() == '[' && host.back() == ']') {
        host = host.substr(1, host.size() - 2);
    }
    options.listenHost = host;
    options.listenPort = address.substr(colon + 1);
}

std::optional<ServerOptions> parseServerOptions(int argc, char** argv, int& exitCode) {
    ServerOptions options;
    std::string listen = options.listenHost + ":" + options.listenPort;
    CLI::App app(
        "The internet ranking of プドロク: takes the game's submissions and shows the "
        "ranking page.",
        "pudorock-ranking-server");
    app.add_option("--listen", listen, "Address and port to serve on (port 0: any free one)")
        ->type_name("ADDRESS:PORT")
        ->capture_default_str();
    app.add_option("--db", options.database, "The SQLite database file")
        ->type_name("FILE")
        ->capture_default_str();
    app.add_option("--max-entries-per-minute", options.maxEntriesPerMinute,
                   "Submissions accepted per client address and minute")
        ->type_name("N")
        ->check(CLI::Range(std::size_t{1}, std::size_t{1'000'000'000}))
        ->capture_default_str();
    app.add_option("--max-connections-per-client", options.maxConnectionsPerClient,
                   "Connections open at once from one client address (an IPv6 /64); behind a "
                   "proxy on this machine, its X-Forwarded-For address once a request names it")
        ->type_name("N")
        ->check(CLI::Range(std::size_t{1}, std::size_t{1'000'000}))
        ->capture_default_str();
    app.add_flag("--require-replay", options.requireReplay,
                 "Take only results sent with their replay (a GET submission gets 403)");
    addCommands(app, options);
    app.set_version_flag("--version", std::string("pudorock-ranking-server ") + version::Version);
    try {
        app.parse(argc, argv);
        splitListenAddress(listen, options);
    } catch (const CLI::ParseError& error) {
        exitCode = exitFor(app, error);
        return std::nullopt;
    } catch (const std::invalid_argument& error) {
        exitCode = exitFor(app, CLI::ValidationError("--listen", error.what()));
        return std::nullopt;
    }
    return options;
}

}  // namespace server
