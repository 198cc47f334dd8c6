#pragma once
// A scripted server on 127.0.0.1 and an ephemeral port, on its own thread: it reads a request's
// header and the body its Content-Length announces, and answers each connection with pieces as
// small as one byte, pauses between them, and closes, breaks the connection, falls silent, or goes
// on sending for ever.

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace nettest {

struct Reply {
    std::vector<std::string> pieces;
    int pauseMs = 0;         // before every piece but the first
    bool hold = false;       // after the pieces, stay connected and silent until the client leaves
    bool reset = false;      // after the pieces, break the connection (a reset) instead of closing
    std::string repeated{};  // after the pieces, sent again and again until the client leaves
};

Reply whole(std::string text);
Reply bytewise(const std::string& text, int pauseMs = 0);
Reply silent();
// text, then the connection broken.
Reply resetAfter(std::string text);
// head, then repeated for ever with pauseMs before each.
Reply endless(std::string head, std::string repeated, int pauseMs = 0);
// size bytes that follow no protocol.
Reply garbage(std::size_t size);

std::string loopbackUrl(std::uint16_t port, const std::string& target);

class LoopbackServer {
  public:
    // index counts connections from 0; request holds what the client sent.
    using Script = std::function<Reply(int index, const std::string& request)>;

    // With readsRequest, each reply waits for the end of an HTTP request.
    explicit LoopbackServer(Script script, bool readsRequest = true);
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    std::uint16_t port() const { return port_; }
    std::string url(const std::string& target) const;
    std::vector<std::string> requests() const;
    int connections() const;

  private:
    void run();
    void serve(int fd, int index);
    std::string readRequest(int fd);
    void send(int fd, const Reply& reply);
    // False when the client has left or the server is stopping.
    bool sendPiece(int fd, const std::string& piece);
    void waitForClientToLeave(int fd);
    // Sleeps in short steps; false when the server is stopping.
    bool pause(int ms);

    Script script_;
    bool readsRequest_;
    int listener_ = -1;
    std::uint16_t port_ = 0;
    std::atomic<bool> stopping_{false};
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
    int connections_ = 0;
    std::thread thread_;
};

// A port on 127.0.0.1 held bound. Listening, it takes connections in the kernel but never
// accepts them, so nothing is read: its small receive buffer lets a large request fill the
// sender's buffer soon.
class LoopbackPort {
  public:
    explicit LoopbackPort(bool listening);
    ~LoopbackPort();
    LoopbackPort(const LoopbackPort&) = delete;
    LoopbackPort& operator=(const LoopbackPort&) = delete;
    std::uint16_t port() const { return port_; }
    std::string url(const std::string& target) const { return loopbackUrl(port_, target); }

  private:
    int fd_;
    std::uint16_t port_ = 0;
};

// Connecting to it is refused.
class ClosedPort : public LoopbackPort {
  public:
    ClosedPort() : LoopbackPort(false) {}
};

// Connections to it succeed, but it never reads nor answers.
class DeafPort : public LoopbackPort {
  public:
    DeafPort() : LoopbackPort(true) {}
};

}  // namespace nettest
