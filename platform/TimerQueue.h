#pragma once
// The application's repeating timers. A firing is queued as a message; at most one firing of a
// timer is queued at a time, and the next one falls due an interval after the last one ran.
// Times are milliseconds on the application's clock.

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

namespace platform {

class TimerQueue {
  public:
    using TimerId = int;

    TimerId add(std::uint32_t intervalMs, std::function<void()> onTimer, std::uint32_t now);
    void remove(TimerId id);
    // The timers due at now whose firing is not queued yet; each counts as queued from here on.
    std::vector<TimerId> takeDue(std::uint32_t now);
    // Runs the timer's handler, unless the timer is gone; its next firing falls due an interval
    // after now.
    void fire(TimerId id, std::uint32_t now);
    // Until the next timer falls due, at most limitMs.
    std::uint32_t msUntilDue(std::uint32_t now, std::uint32_t limitMs) const;

  private:
    struct Timer {
        std::uint32_t intervalMs;
        std::uint32_t dueAt;
        bool queued = false;
        std::function<void()> onTimer;
    };

    std::map<TimerId, Timer> timers_;
    TimerId nextId_ = 1;
};

}  // namespace platform
