// pudorock-ranking-server: the internet ranking of プドロク. Takes the game's submissions into
// an SQLite database and shows the ranking page; see the README's "Hosting the ranking".

#include <csignal>
#include <iostream>

#include "protocol/RankingProtocol.h"
#include "server/Beast.h"
#include "server/HttpServer.h"
#include "server/RankingService.h"
#include "server/RankingStore.h"
#include "server/RateLimiter.h"
#include "server/RequestLog.h"
#include "server/ServerOptions.h"
#include "server/SubmissionWriter.h"

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

int serve(const ServerOptions& options) {
    asio::io_context context(1);
    SubmissionWriter writer(options.database, [&context](std::function<void()> answers) {
        asio::post(context, std::move(answers));
    });
    RankingStore reader(options.database);
    RateLimiter limiter(options.maxEntriesPerMinute,
                        [] { return std::chrono::steady_clock::now(); });
    RankingService service(reader, writer, limiter, secondsSince1970);
    RequestLog log(std::cout);
    HttpServer server(context, resolve(context, options), service, log,
                      {.connectionsPerClient = options.maxConnectionsPerClient});
    const std::string address = shownEndpoint(server.localEndpoint());
    std::cout << "listening on " << address << " (ranking page: http://" << address
              << protocol::RankingPath << ")" << std::endl;

    // In-flight answers go out (the writer's last batch included) before the loop runs dry.
    asio::signal_set signals(context, SIGINT, SIGTERM);
    signals.async_wait([&](const boost::system::error_code& error, int) {
        if (!error) {
            server.stop();
            writer.stop();
        }
    });
    server.start();
    context.run();
    std::cout << "stopped" << std::endl;
    return 0;
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
        return serve(*options);
    } catch (const std::exception& error) {
        std::cerr << "pudorock-ranking-server: " << error.what() << std::endl;
        return 1;
    }
}
