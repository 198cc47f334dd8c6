// pudorock-ranking-server: the internet ranking of プドロク. Takes the game's submissions into
// an SQLite database and shows the ranking page; see the README's "Hosting the ranking".

#include <csignal>
#include <iostream>

#include "protocol/RankingProtocol.h"
#include "server/Beast.h"
#include "server/DatabaseFileWatch.h"
#include "server/HttpServer.h"
#include "server/Moderation.h"
#include "server/RankingBackend.h"
#include "server/RankingService.h"
#include "server/RateLimiter.h"
#include "server/RequestLog.h"
#include "server/ServerOptions.h"

namespace {

using namespace server;

std::string shownEndpoint(const Tcp::endpoint& endpoint) {
    const std::string address = endpoint.address().to_string();
    return (endpoint.address().is_v6() ? "[" + address + "]" : address) + ":" +
           std::to_string(endpoint.port());
}

Tcp::endpoint resolve(asio::io_context& context, const ServerOptions& options) {
    Tcp::resolver resolver(context);
    return resolver.resolve(options.listenHost, options.listenPort, Tcp::resolver::numeric_service)
        .begin()
        ->endpoint();
}

std::int64_t secondsSince1970() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// How often the server looks after itself: the log flushed while it is quiet, and the
// database's path checked for a file put in its place.
constexpr auto HousekeepingPeriod = std::chrono::milliseconds(250);

// Runs step every period until it returns false or the timer is cancelled.
void repeat(asio::steady_timer& timer, const std::function<bool()>& step) {
    timer.expires_after(HousekeepingPeriod);
    timer.async_wait([&timer, step](const boost::system::error_code& error) {
        if (!error && step()) {
            repeat(timer, step);
        }
    });
}

int serve(const ServerOptions& options) {
    asio::io_context context(1);
    RankingBackend backend(options.database, [&context](std::function<void()> answers) {
        asio::post(context, std::move(answers));
    });
    // The backend has made the file when it was missing.
    const DatabaseFileWatch fileWatch(options.database);
    RateLimiter limiter(options.maxEntriesPerMinute,
                        [] { return std::chrono::steady_clock::now(); });
    RankingService service(backend, limiter, secondsSince1970, {options.requireReplay});
    RequestLog log(std::cout);
    HttpServer server(context, resolve(context, options), service, log,
                      {.connectionsPerClient = options.maxConnectionsPerClient});
    const std::string address = shownEndpoint(server.localEndpoint());
    std::cout << "listening on " << address << " (ranking page: http://" << address
              << protocol::RankingPath << ")" << std::endl;

    // In-flight answers go out (the writer's last batch included) before the loop runs dry.
    asio::signal_set signals(context, SIGINT, SIGTERM);
    asio::steady_timer housekeeping(context);
    auto stop = [&] {
        signals.cancel();
        housekeeping.cancel();
        server.stop();
        backend.writer.stop();
    };
    signals.async_wait([&](const boost::system::error_code& error, int) {
        if (!error) {
            stop();
        }
    });
    int exitCode = 0;
    repeat(housekeeping, [&] {
        log.flush();
        if (!fileWatch.replaced()) {
            return true;
        }
        std::cerr << "pudorock-ranking-server: " << options.database
                  << " was replaced while the server ran; stopping, so that a new start serves "
                     "the new file"
                  << std::endl;
        exitCode = 1;
        stop();
        return false;
    });
    server.start();
    context.run();
    log.flush();
    std::cout << "stopped" << std::endl;
    return exitCode;
}

int look(const ServerOptions& options) {
    RankingStore store(options.database);
    if (options.command == ServerCommand::List) {
        listEntries(store, options.listedName, options.listLimit, std::cout);
        return 0;
    }
    return removeEntries(store, options.removedIds, std::cout, std::cerr) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    int exitCode = 0;
    const auto options = parseServerOptions(argc, argv, exitCode);
    if (!options) {
        return exitCode;
    }
    std::ios::sync_with_stdio(false);
    // A file-size limit (or a full disk) fails the write; it must not end the server.
    std::signal(SIGXFSZ, SIG_IGN);
    try {
        return options->command == ServerCommand::Serve ? serve(*options) : look(*options);
    } catch (const std::exception& error) {
        std::cerr << "pudorock-ranking-server: " << error.what() << std::endl;
        return 1;
    }
}
