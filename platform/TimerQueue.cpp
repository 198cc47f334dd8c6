#include "platform/TimerQueue.h"

#include <algorithm>

namespace platform {

TimerQueue::TimerId TimerQueue::add(std::uint32_t intervalMs, std::function<void()> onTimer,
                                    std::uint32_t now) {
    timers_.emplace(nextId_, Timer{intervalMs, now + intervalMs, false, std::move(onTimer)});
    return nextId_++;
}

void TimerQueue::remove(TimerId id) {
    timers_.erase(id);
}

std::vector<TimerQueue::TimerId> TimerQueue::takeDue(std::uint32_t now) {
    std::vector<TimerId> due;
    for (auto& [id, timer] : timers_) {
        if (!timer.queued && static_cast<std::int32_t>(now - timer.dueAt) >= 0) {
            timer.queued = true;
            due.push_back(id);
        }
    }
    return due;
}

void TimerQueue::fire(TimerId id, std::uint32_t now) {
    auto found = timers_.find(id);
    if (found == timers_.end()) {
        return;
    }
    found->second.queued = false;
    found->second.dueAt = now + found->second.intervalMs;
    auto onTimer = found->second.onTimer;  // the handler may remove its own timer
    onTimer();
}

std::uint32_t TimerQueue::msUntilDue(std::uint32_t now, std::uint32_t limitMs) const {
    std::uint32_t timeout = limitMs;
    for (const auto& [id, timer] : timers_) {
        auto remaining = static_cast<std::int32_t>(timer.dueAt - now);
        timeout =
            std::min<std::uint32_t>(timeout, static_cast<std::uint32_t>(std::max(remaining, 0)));
    }
    return timeout;
}

}  // namespace platform
