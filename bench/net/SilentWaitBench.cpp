// What waiting costs: the processor time of one request to a server that accepts the connection
// and never answers, until the time-out ends it. SILENT_WAIT_MS sets the wait (default 1000).

#include <benchmark/benchmark.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>
#include <string>

#include "net/HttpClient.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"

namespace {

constexpr std::int32_t DefaultWaitMs = 1000;

std::int32_t waitMs() {
    const char* text = std::getenv("SILENT_WAIT_MS");
    return text != nullptr ? std::atoi(text) : DefaultWaitMs;
}

// A listening socket that never accepts: the kernel completes the connection, nobody answers.
class SilentListener {
  public:
    SilentListener() : fd_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (fd_ < 0 || bind(fd_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
            listen(fd_, 8) != 0 ||
            getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
            throw std::runtime_error("cannot listen on the loopback address");
        }
        port_ = ntohs(address.sin_port);
    }
    ~SilentListener() { ::close(fd_); }
    SilentListener(const SilentListener&) = delete;
    SilentListener& operator=(const SilentListener&) = delete;

    std::string url() const { return "http://127.0.0.1:" + std::to_string(port_) + "/"; }

  private:
    int fd_;
    std::uint16_t port_ = 0;
};

void silentServerWait(benchmark::State& state) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    SilentListener server;
    platform::SystemClock clock;
    platform::RecordedMessageBoxes boxes;
    platform::Application app(clock, boxes);
    net::THttpClient client(app);
    client.TimeOut = waitMs();
    for (auto _ : state) {
        try {
            client.Get(server.url());
        } catch (const std::exception&) {
            // The time-out is the expected end.
        }
    }
    state.counters["wait_ms"] = client.TimeOut;
}
BENCHMARK(silentServerWait)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
