#include "media/FrameTimer.h"

#include <algorithm>
#include <cmath>

#include "media/FireEvent.h"

namespace media {

TFrameTimer::TFrameTimer(platform::Application& application)
    : application_(application),
      hookId_(application.addMainWindowHook(
          [this](const platform::Message& message) { MainWindowHook(message); })) {}

TFrameTimer::~TFrameTimer() {
    Stop();
    application_.removeMainWindowHook(hookId_);
}

void TFrameTimer::SetEnabled(bool value) {
    if (enabled_ == value) {
        return;
    }
    enabled_ = value;
    if (loading_) {
        return;
    }
    if (value) {
        Start();
    } else {
        Stop();
    }
}

void TFrameTimer::Loaded() {
    loading_ = false;
    if (enabled_) {
        Start();
    }
}

void TFrameTimer::SetInterval(std::uint32_t value) {
    if (value == interval_) {
        return;
    }
    auto signedValue = static_cast<std::int32_t>(value);
    interval_ = static_cast<std::uint32_t>(std::max(signedValue, 0));
    lagUnit_ = static_cast<std::uint32_t>(std::max(signedValue, 1));
}

void TFrameTimer::SetActiveOnly(bool value) {
    if (activeOnly_ == value) {
        return;
    }
    activeOnly_ = value;
    if (value && armed_ && !application_.active()) {
        DetachIdle();
    }
}

void TFrameTimer::Start() {
    Stop();
    if (!activeOnly_ || application_.active()) {
        AttachIdle();
    }
    armed_ = true;
}

void TFrameTimer::Stop() {
    if (armed_) {
        DetachIdle();
        armed_ = false;
    }
}

void TFrameTimer::AttachIdle() {
    lastFrameTime_ = application_.clock().milliseconds();
    rateWindowStart_ = application_.clock().milliseconds();
    application_.setIdleHook([this](bool& done) { Frame(done); });
}

void TFrameTimer::DetachIdle() {
    application_.clearIdleHook();
}

void TFrameTimer::Frame(bool& done) {
    done = false;
    std::uint32_t now = application_.clock().milliseconds();
    std::uint32_t elapsed = now - lastFrameTime_;
    if (elapsed < interval_) {
        return;
    }
    if (maximumFrameRate_ != 0) {
        PaceFrame();
        now = application_.clock().milliseconds();
        elapsed = now - lastFrameTime_;
    }
    lastFrameTime_ = now;
    auto lagCount = static_cast<std::int32_t>(elapsed / lagUnit_);
    lagCount = std::max(lagCount, 1);
    lastLagCount_ = lagCount;

    ++framesInWindow_;
    std::int32_t window = std::max(static_cast<std::int32_t>(now - rateWindowStart_), 1);
    if (window >= 1000) {
        // Rounds half to even, as the default floating-point rounding mode does.
        framesPerSecond_ =
            static_cast<std::int32_t>(std::nearbyint(framesInWindow_ * 1000.0 / window));
        framesInWindow_ = 0;
        rateWindowStart_ = now;
    }
    fireEvent(OnTimer, *this, lagCount);
}

void TFrameTimer::PaceFrame() {
    platform::Clock& clock = application_.clock();
    const std::uint32_t now = clock.milliseconds();
    const auto due = pacingStart_ + static_cast<std::uint32_t>(std::uint64_t(pacedFrames_) * 1000 /
                                                               maximumFrameRate_);
    const auto early = static_cast<std::int32_t>(due - now);
    const auto period = static_cast<std::int32_t>(1000 / maximumFrameRate_);
    if (early > 0) {
        clock.sleep(static_cast<std::uint32_t>(early));
    } else if (early < -period) {
        // Behind by more than a frame (a slow display, a pause): start counting anew rather
        // than hurry to catch up.
        pacingStart_ = now;
        pacedFrames_ = 0;
    }
    ++pacedFrames_;
}

void TFrameTimer::MainWindowHook(const platform::Message& message) {
    if (message.kind == platform::MessageKind::Activate) {
        fireEvent(OnActivate, *this);
        if (armed_ && activeOnly_) {
            AttachIdle();
        }
    } else if (message.kind == platform::MessageKind::Deactivate) {
        fireEvent(OnDeactivate, *this);
        if (armed_ && activeOnly_) {
            DetachIdle();
        }
    }
}

}  // namespace media
