#pragma once
// The real game window on SDL's dummy drivers, shown so that its display and pictures are
// ready: frames run through the real loop, and screens can be drawn on its back surface.

#include <cstdint>
#include <memory>

#include "game/Form1.h"
#include "media/Surface.h"
#include "platform/Application.h"
#include "tests/support/Headless.h"
#include "tests/support/TempDirectory.h"

namespace testsupport {

class HeadlessGame {
  public:
    explicit HeadlessGame(platform::TimeOfDay seedTime = {1, 2, 3, 4}) {
        useHeadlessDrivers();
        clock_.setTimeOfDay(seedTime);
        app_ = std::make_unique<platform::Application>(clock_, boxes_);
        app_->setTitle(game::GameTitle);
        form_ = std::make_unique<game::TForm1>(*app_, g);
        form_->Show();
    }
    ~HeadlessGame() {
        form_.reset();
        app_.reset();
    }
    HeadlessGame(const HeadlessGame&) = delete;
    HeadlessGame& operator=(const HeadlessGame&) = delete;

    // One frame through the loop, lag milliseconds after the previous one.
    void frame(std::uint32_t lag = 16) {
        clock_.advance(lag);
        while (!app_->handleMessage(false)) {
        }
    }
    void press(std::uint16_t key, platform::ShiftState shift = {}) {
        form_->FormKeyDown(key, shift);
    }

    game::TForm1& form() { return *form_; }
    media::TSurface& surface() { return *form_->Display1.BackSurface(); }
    const media::TPictureList& pictures() const { return form_->PictureList1; }
    // The palette entry a canvas colour is drawn as.
    std::uint8_t indexOf(std::uint32_t color) const {
        return form_->Display1.CurrentPalette().nearestIndex(color);
    }
    // A surface with the display's palette and fonts, for drawing what a frame should show.
    std::unique_ptr<media::TSurface> scratch(std::uint8_t fill = 0) {
        auto surface = std::make_unique<media::TSurface>(game::ScreenWidth, game::ScreenHeight,
                                                         form_->Display1.CurrentPalette(),
                                                         form_->Display1.Glyphs());
        surface->Fill(fill);
        return surface;
    }

    game::GameGlobals g;

  private:
    TempWorkingDirectory directory_;
    platform::ManualClock clock_{1000};
    platform::RecordedMessageBoxes boxes_;
    std::unique_ptr<platform::Application> app_;
    std::unique_ptr<game::TForm1> form_;
};

}  // namespace testsupport
