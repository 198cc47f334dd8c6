#pragma once
// A small repeating timer on the platform's timers, used for the socket waits' time-out.

#include <cstdint>
#include <functional>
#include <optional>

#include "platform/Application.h"

namespace net {

class TTimeoutTimer {
  public:
    explicit TTimeoutTimer(platform::Application& application);
    ~TTimeoutTimer();
    TTimeoutTimer(const TTimeoutTimer&) = delete;
    TTimeoutTimer& operator=(const TTimeoutTimer&) = delete;

    // Setting a property to the value it has does nothing, so re-enabling a running timer does
    // not restart its countdown. A change restarts the platform timer when Interval is not 0,
    // Enabled is set and OnTimer is assigned; raises ESockError "No Timer" when the platform
    // refuses the interval.
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    std::uint32_t Interval() const { return interval_; }
    void SetInterval(std::uint32_t intervalMs);
    bool Running() const { return platformTimer_.has_value(); }

    // Called on every tick; what it raises goes to the application's error report.
    std::function<void(TTimeoutTimer& sender)> OnTimer;

  private:
    void restart();
    void stop();

    platform::Application& application_;
    bool enabled_ = true;
    std::uint32_t interval_ = 1000;
    std::optional<platform::Application::TimerId> platformTimer_;
};

}  // namespace net
