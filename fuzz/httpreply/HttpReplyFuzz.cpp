// Feeds arbitrary reply bytes through a socket pair into the HTTP client's header reader and body
// capture, in pieces whose size the first input byte chooses, one piece per turn of the wait
// loops; checks that the header and body together are exactly the bytes sent.

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "net/HttpClient.h"
#include "net/SocketHandle.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"

namespace {

// Everything still unsent fits the socket pair's buffer, so the writer never blocks.
constexpr std::size_t MaxReplySize = 100'000;

// The server's end: writes one piece each time the loop polls, then closes.
class PieceWriter final : public platform::EventSource {
  public:
    PieceWriter(int fd, std::string_view reply, std::size_t pieceSize)
        : fd_(fd), reply_(reply), pieceSize_(pieceSize) {}

    void poll() override {
        if (!fd_.valid()) {
            return;
        }
        std::size_t length = std::min(pieceSize_, reply_.size());
        ssize_t written = length == 0 ? 0 : ::write(fd_.get(), reply_.data(), length);
        reply_.remove_prefix(static_cast<std::size_t>(std::max<ssize_t>(written, 0)));
        if (reply_.empty()) {
            fd_.close();
        }
    }
    std::uint32_t pollIntervalMs() const override { return 1; }

  private:
    net::SocketHandle fd_;
    std::string_view reply_;
    std::size_t pieceSize_;
};

struct Harness {
    platform::SystemClock clock;
    platform::RecordedMessageBoxes boxes;
    platform::Application application{clock, boxes};
    net::THttpClient client{application};

    Harness() { client.TimeOut = 2000; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0 || size > MaxReplySize) {
        return 0;
    }
    static Harness harness;
    std::size_t pieceSize = data[0] == 0 ? MaxReplySize : data[0];
    std::string_view reply(reinterpret_cast<const char*>(data) + 1, size - 1);

    int ends[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) {
        std::abort();
    }
    fcntl(ends[1], F_SETFL, O_NONBLOCK);
    PieceWriter writer(ends[1], reply, pieceSize);
    writer.poll();
    harness.application.addEventSource(writer);

    net::THttpClient& client = harness.client;
    client.AttachConnected(net::SocketHandle(ends[0]));
    client.ReadReplyHeader();
    client.CaptureString(client.Body, -1);
    client.Disconnect();
    harness.application.removeEventSource(writer);

    // The header is what came first; the body is the rest, or nothing when the reply ended
    // inside the header.
    if (!reply.starts_with(client.Header) ||
        (client.Header + client.Body != reply && !client.Body.empty())) {
        std::abort();
    }
    return 0;
}
