// The game window while a recorded game shows: watched from the command line, or the title's
// demo.

#include "game/Form1.h"
#include "game/PlaybackMark.h"

namespace game {

namespace {

// How long the title waits without a key before its demo.
constexpr std::int32_t DemoIdleMs = 30'000;

}  // namespace

const core::GameGlobals& TForm1::ShownGlobals() const {
    return playback_ ? playback_->state() : g_;
}

std::string TForm1::PlaybackMark() const {
    return playback_ ? playbackMarkOf(*playback_, !watching_) : "";
}

void TForm1::PlaybackFrame(std::int32_t lagCount) {
    const bool going = playback_->advance(lagCount, [this](int sound) {
        if (watching_) {
            PlayCue(sound);
        }
    });
    ClearFrame(playback_->shownState());
    DrawScreen(playback_->state(), playback_->shownState(), playback_->shownLag());
    drawPlaybackMark(*Display1.BackSurface(), PlaybackMark());
    presentFrame();
    if (going) {
        return;
    }
    if (watching_) {
        application_.terminate();
    } else {
        playback_.reset();
    }
}

void TForm1::PlaybackKeyDown(std::uint16_t key) {
    using namespace platform;
    if (!watching_) {
        playback_.reset();  // any key ends the demo
        return;
    }
    if (key == vk::Space || key == vk::Escape) {
        application_.terminate();
    } else if (key == vk::Right) {
        playback_->faster();
    } else if (key == vk::Left) {
        playback_->slower();
    } else if (key == vk::letterKey('P')) {
        playback_->togglePause();
    }
}

void TForm1::StartDemoWhenIdle(std::int32_t lagCount) {
    if (!attract_ || g_.State != core::gsTitle) {
        titleIdleMs_ = 0;
        return;
    }
    titleIdleMs_ += lagCount;
    if (titleIdleMs_ < DemoIdleMs) {
        return;
    }
    titleIdleMs_ = 0;
    if (auto best = recording_.shelf().bestReplay(g_.BestTen)) {
        playback_.emplace(std::move(*best));
    }
}

void TForm1::PlayCue(int sound) {
    if (SoundDevice1.Initialized()) {
        WaveList1.Items(sound).Play(false);
    }
}

}  // namespace game
