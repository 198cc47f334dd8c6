#pragma once
// The waits of one socket client. Each turn blocks in the application's loop until the socket, a
// message or a timer needs it, dispatching the messages meanwhile. A wait ends when the client
// cancels it; its own time-out, the bound of the whole request it belongs to and a quitting
// application end it through the client's abort.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/Application.h"

namespace net {

class SocketWait {
  private:
    class Countdown;

  public:
    // A time-out or bound of 0 lasts this long, so that a silent server cannot hang a wait.
    static constexpr std::uint32_t DefaultTimeOutMs = 30'000;

    using StatusReport = std::function<void(const std::string& status)>;

    // abort ends the wait in progress (and cancels it); report hears the time-out's status texts.
    SocketWait(platform::Application& application, std::function<void()> abort,
               StatusReport report);
    ~SocketWait();
    SocketWait(const SocketWait&) = delete;
    SocketWait& operator=(const SocketWait&) = delete;

    // Runs a countdown for as long as it lives.
    class [[nodiscard]] Scope {
      public:
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

      private:
        friend class SocketWait;
        explicit Scope(Countdown& countdown) : countdown_(countdown) {}

        Countdown& countdown_;
    };

    // The time-out of one wait: timeOutMs, 0 for DefaultTimeOutMs; a negative one raises
    // ESockError "No Timer".
    Scope timeOut(std::int32_t timeOutMs);
    // The bound of a whole request, across all of its waits, likewise.
    Scope bound(std::int32_t timeOutMs);

    // One turn on fd (-1: none) for events.
    void turn(int fd, short events);
    // Turns until done holds; at least one.
    void until(int fd, short events, const std::function<bool()>& done);

    void cancel() { cancelled_ = true; }
    bool cancelled() const { return cancelled_; }
    // Whether the wait was cancelled; the next one starts uncancelled.
    bool takeCancel();

    // The time-out of the last wait has passed.
    bool timedOut() const;
    // The bound of the current or last request has passed.
    bool boundPassed() const;

  private:
    // Ends the wait through the abort, unless it is cancelled already.
    void end();

    platform::Application& application_;
    std::function<void()> abort_;
    std::unique_ptr<Countdown> waitTimeOut_;
    std::unique_ptr<Countdown> requestBound_;
    bool cancelled_ = false;
};

}  // namespace net
