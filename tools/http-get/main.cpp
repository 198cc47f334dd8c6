// http-get: runs one Get (or Post) of the game's HTTP client and prints its events as they fire,
// then the status code, the reply header and the body. For checking a ranking server by hand.
// SIGINT or SIGTERM ends it at once, with status 130.

#include <charconv>
#include <cstdint>
#include <exception>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "net/HttpClient.h"
#include "net/NetErrors.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"

namespace {

struct Options {
    std::string url;
    std::int32_t timeOutMs = 0;
    std::int32_t reportLevel = 0;
    // A file to send as a POST's body; empty for a GET.
    std::string postFile;
    std::string contentType;
};

constexpr int InterruptedStatus = 130;

constexpr const char* Usage =
    "usage: http-get [-t TIMEOUT_MS] [-v REPORT_LEVEL] [--post FILE [--content-type TYPE]] URL\n"
    "  -t  milliseconds allowed to each wait and to the whole request (default: the client's "
    "bound)\n"
    "  -v  also print the socket's status texts up to this level (1 to 8)\n"
    "  --post  send FILE as the body of a POST, of TYPE when given\n";

std::optional<std::int32_t> numberOf(std::string_view text) {
    std::int32_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0) {
        return std::nullopt;
    }
    return value;
}

std::optional<Options> parseArguments(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        std::string_view argument = argv[i];
        if ((argument == "-t" || argument == "-v") && i + 1 < argc) {
            auto value = numberOf(argv[++i]);
            if (!value) {
                return std::nullopt;
            }
            (argument == "-t" ? options.timeOutMs : options.reportLevel) = *value;
        } else if ((argument == "--post" || argument == "--content-type") && i + 1 < argc) {
            (argument == "--post" ? options.postFile : options.contentType) = argv[++i];
        } else if (options.url.empty() && !argument.starts_with('-')) {
            options.url = argument;
        } else {
            return std::nullopt;
        }
    }
    if (options.url.empty() || (options.postFile.empty() && !options.contentType.empty())) {
        return std::nullopt;
    }
    return options;
}

std::string contentsOf(const std::string& fileName) {
    std::ifstream file(fileName, std::ios::binary);
    if (!file) {
        throw std::runtime_error("cannot read \"" + fileName + "\"");
    }
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void printEvent(const std::string& text) {
    std::cout << "[event] " << text << std::endl;
}

void wireEvents(net::THttpClient& client) {
    client.OnAboutToSend = [](net::THttpClient& sender) {
        printEvent("about to send: " + sender.HeaderLines().Lines().front());
    };
    client.OnHostResolved = [](net::TSocketClient&) { printEvent("host resolved"); };
    client.OnConnect = [](net::TSocketClient&) { printEvent("connected"); };
    client.OnConnectionFailed = [](net::TSocketClient&) { printEvent("connection failed"); };
    client.OnDisconnect = [](net::TSocketClient&) { printEvent("disconnected"); };
    client.OnStatus = [](net::TSocketClient&, const std::string& status) {
        printEvent("status: " + status);
    };
    client.OnPacketRecvd = [](net::THttpClient& sender) {
        printEvent("packet received, " + std::to_string(sender.BytesReceived()) + " bytes");
    };
    client.OnSuccess = [](net::CmdType) { printEvent("success"); };
    client.OnFailure = [](net::CmdType) { printEvent("failure"); };
    client.OnRedirect = [&client](bool&) {
        printEvent("redirect, status " + std::to_string(client.StatusCode()) + ", location " +
                   client.RedirectLocation());
    };
    client.OnAuthenticationNeeded = [](net::THttpClient&) { printEvent("authentication needed"); };
}

void printReply(const net::THttpClient& client) {
    std::cout << "Status code: " << client.StatusCode() << "\n"
              << "--- Header ---\n"
              << client.Header << "--- Body ---\n"
              << client.Body << std::flush;
}

}  // namespace

int main(int argc, char** argv) {
    std::optional<Options> options = parseArguments(argc, argv);
    if (!options) {
        std::cerr << Usage;
        return 2;
    }
    platform::SystemClock clock;
    platform::RecordedMessageBoxes boxes(
        [](const platform::ShownMessage& message) { std::cerr << message.text << "\n"; });
    // The application turns SIGINT and SIGTERM into a quit, which aborts the request's wait.
    platform::Application application(clock, boxes);
    try {
        net::THttpClient client(application);
        client.TimeOut = options->timeOutMs;
        client.ReportLevel = options->reportLevel;
        wireEvents(client);
        try {
            if (options->postFile.empty()) {
                client.Get(options->url);
            } else {
                client.Post(options->url, contentsOf(options->postFile), options->contentType);
            }
        } catch (const net::EHttpStatusError&) {
            // A refusal comes with a reply worth seeing.
            printReply(client);
            throw;
        }
        printReply(client);
    } catch (const std::exception& error) {
        if (application.terminated()) {
            std::cerr << "http-get: interrupted\n";
            return InterruptedStatus;
        }
        std::cerr << "http-get: " << error.what() << "\n";
        return 1;
    }
    return application.terminated() ? InterruptedStatus : 0;
}
