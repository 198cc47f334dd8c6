#include "net/SocketWait.h"

#include <utility>

#include "net/TimeoutTimer.h"

namespace net {

// A countdown on the platform's timers that, when it passes, stops and ends the wait.
class SocketWait::Countdown {
  public:
    // report, when there is one, hears "Timer On", "Timer Off" and "Timer Triggered".
    Countdown(platform::Application& application, StatusReport report, std::function<void()> passed)
        : timer_(application), report_(std::move(report)), passed_(std::move(passed)) {
        timer_.SetEnabled(false);
        timer_.OnTimer = [this](TTimeoutTimer&) { pass(); };
    }

    void start(std::int32_t timeOutMs) {
        note("Timer On");
        hasPassed_ = false;
        // Off first, so that switching on starts a fresh countdown; a negative time-out becomes
        // an interval the timer refuses.
        timer_.SetEnabled(false);
        timer_.SetInterval(timeOutMs == 0 ? DefaultTimeOutMs
                                          : static_cast<std::uint32_t>(timeOutMs));
        try {
            timer_.SetEnabled(true);
        } catch (...) {
            timer_.SetEnabled(false);
            throw;
        }
    }

    void stop() {
        note("Timer Off");
        timer_.SetEnabled(false);
    }

    bool hasPassed() const { return hasPassed_; }

  private:
    void pass() {
        note("Timer Triggered");
        timer_.SetEnabled(false);
        hasPassed_ = true;
        passed_();
    }

    void note(const std::string& status) const {
        if (report_) {
            report_(status);
        }
    }

    TTimeoutTimer timer_;
    StatusReport report_;
    std::function<void()> passed_;
    bool hasPassed_ = false;
};

SocketWait::Scope::~Scope() {
    countdown_.stop();
}

SocketWait::SocketWait(platform::Application& application, std::function<void()> abort,
                       StatusReport report)
    : application_(application),
      abort_(std::move(abort)),
      waitTimeOut_(std::make_unique<Countdown>(application, std::move(report), [this] { end(); })),
      requestBound_(std::make_unique<Countdown>(application, nullptr, [this] { end(); })) {}

SocketWait::~SocketWait() = default;

SocketWait::Scope SocketWait::timeOut(std::int32_t timeOutMs) {
    waitTimeOut_->start(timeOutMs);
    return Scope(*waitTimeOut_);
}

SocketWait::Scope SocketWait::bound(std::int32_t timeOutMs) {
    requestBound_->start(timeOutMs);
    return Scope(*requestBound_);
}

void SocketWait::turn(int fd, short events) {
    application_.waitForEvent(fd, events);
    // A quitting program takes no more time for the network.
    if (application_.terminated()) {
        end();
    }
}

void SocketWait::until(int fd, short events, const std::function<bool()>& done) {
    do {
        turn(fd, events);
    } while (!done());
}

bool SocketWait::takeCancel() {
    return std::exchange(cancelled_, false);
}

bool SocketWait::timedOut() const {
    return waitTimeOut_->hasPassed();
}

bool SocketWait::boundPassed() const {
    return requestBound_->hasPassed();
}

void SocketWait::end() {
    if (!cancelled_) {
        abort_();
    }
}

}  // namespace net
