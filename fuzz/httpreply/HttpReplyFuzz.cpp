// Feeds arbitrary reply bytes through a socket pair into the HTTP client's header and body
// reading, in pieces whose size the first input byte chooses, one piece per turn of the wait
// loops. The second byte repeats the rest up to 2 MB, so that replies pass the client's bounds.
// Checks that what is kept stays within the bounds, is exactly the bytes sent, and is released
// when a reply is too large.

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
#include "net/NetErrors.h"
#include "net/SocketHandle.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"

namespace {

constexpr std::size_t RepeatStep = 8 * 1024;
// Pieces per reply at least, so that a long reply is not fed a byte at a time.
constexpr std::size_t MaxPieces = 16;

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
        ssize_t written = length == 0 ? 0 : ::send(fd_.get(), reply_.data(), length, MSG_NOSIGNAL);
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

// The rest of the input, repeated until it reaches repeatByte steps.
std::string replyOf(std::string_view rest, std::uint8_t repeatByte) {
    std::string reply(rest);
    while (!rest.empty() && reply.size() < repeatByte * RepeatStep) {
        reply += rest;
    }
    return reply;
}

void check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    static Harness harness;
    const std::string reply =
        replyOf(std::string_view(reinterpret_cast<const char*>(data) + 2, size - 2), data[1]);
    std::size_t pieceSize =
        data[0] == 0 ? reply.size() : std::max<std::size_t>(data[0], reply.size() / MaxPieces);

    int ends[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) {
        std::abort();
    }
    fcntl(ends[1], F_SETFL, O_NONBLOCK);
    PieceWriter writer(ends[1], reply, std::max<std::size_t>(pieceSize, 1));
    writer.poll();
    harness.application.addEventSource(writer);

    net::THttpClient& client = harness.client;
    client.AttachConnected(net::SocketHandle(ends[0]));
    bool tooLarge = false;
    bool ended = false;
    try {
        client.ReadReplyHeader();
        client.ReadReplyBody();
        ended = true;
    } catch (const net::EHttpError& error) {
        tooLarge = error.failure() == net::HttpFailure::ReplyTooLarge;
    }
    client.Disconnect();
    harness.application.removeEventSource(writer);

    check(client.Header.size() <= net::THttpClient::MaxHeaderSize);
    check(client.Body.size() <= net::THttpClient::MaxBodySize);
    if (tooLarge) {
        check(client.Body.empty());
        check(client.Header.empty() ||
              reply.size() > client.Header.size() + net::THttpClient::MaxBodySize);
    }
    // The header is what came first; the body is the rest, or nothing when the reply ended
    // inside the header.
    if (ended) {
        check(reply.starts_with(client.Header));
        check(client.Header + client.Body == reply || client.Body.empty());
    }
    return 0;
}
