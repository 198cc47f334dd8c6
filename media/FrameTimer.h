#pragma once
// The frame timer: runs one frame in each idle pass of the application's loop and hands the
// frame handler the milliseconds since the previous frame.

#include <cstdint>
#include <functional>

#include "platform/Application.h"

namespace media {

class TFrameTimer {
  public:
    using TNotifyEvent = std::function<void(TFrameTimer& sender)>;
    using TFrameTimerEvent = std::function<void(TFrameTimer& sender, std::int32_t lagCount)>;

    explicit TFrameTimer(platform::Application& application);
    ~TFrameTimer();
    TFrameTimer(const TFrameTimer&) = delete;
    TFrameTimer& operator=(const TFrameTimer&) = delete;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    std::uint32_t Interval() const { return interval_; }
    void SetInterval(std::uint32_t value);
    bool ActiveOnly() const { return activeOnly_; }
    void SetActiveOnly(bool value);
    std::int32_t FramesPerSecond() const { return framesPerSecond_; }
    // The lag handed to the latest frame.
    std::int32_t LastLagCount() const { return lastLagCount_; }
    // At most this many frames a second: a frame that comes early sleeps until its time, so
    // that the picture's pace does not follow a fast display. 0 (the default) paces nothing.
    void SetMaximumFrameRate(std::uint32_t framesPerSecond) { maximumFrameRate_ = framesPerSecond; }

    // While the owning form loads its settings, Enabled only stores its value; Loaded then
    // starts the timer if it is enabled.
    void BeginLoading() { loading_ = true; }
    void Loaded();

    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TFrameTimerEvent OnTimer;

    // Armed between Start and Stop.
    bool Armed() const { return armed_; }

  private:
    void Start();
    void Stop();
    void AttachIdle();
    void DetachIdle();
    void Frame(bool& done);
    void PaceFrame();
    void MainWindowHook(const platform::Message& message);

    platform::Application& application_;
    platform::Application::HookId hookId_;

    std::int32_t framesPerSecond_ = 0;
    std::int32_t lastLagCount_ = 0;
    std::uint32_t lagUnit_ = 1000;
    std::uint32_t interval_ = 1000;
    std::int32_t framesInWindow_ = 0;
    std::uint32_t lastFrameTime_ = 0;
    std::uint32_t rateWindowStart_ = 0;
    std::uint32_t maximumFrameRate_ = 0;
    // Paced frames are due at whole multiples of the frame period after the pacing start.
    std::uint32_t pacingStart_ = 0;
    std::uint32_t pacedFrames_ = 0;
    bool activeOnly_ = true;
    bool enabled_ = true;
    bool armed_ = false;
    bool loading_ = false;
};

}  // namespace media
