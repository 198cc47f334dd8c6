#pragma once
// The real game on SDL's dummy drivers, shown so that its display and pictures are ready:
// frames run through the real loop, and screens can be drawn on its back surface.

#include <cstdint>
#include <memory>
#include <vector>

#include "game/GameSession.h"
#include "media/Surface.h"
#include "platform/HeadlessDrivers.h"
#include "tests/support/TempDirectory.h"

namespace testsupport {

class HeadlessGame {
  public:
    explicit HeadlessGame(platform::TimeOfDay seedTime = {1, 2, 3, 4})
        : session_(headlessClock(clock_, seedTime), boxes_), g(session_.globals()) {
        session_.show();
    }

    // One frame through the loop, lag milliseconds after the previous one.
    void frame(std::uint32_t lag = 16) {
        clock_.advance(lag);
        session_.runFrame();
    }
    void press(std::uint16_t key, platform::ShiftState shift = {}) {
        form().FormKeyDown(key, shift);
    }

    game::TForm1& form() { return session_.form(); }
    bool terminated() { return session_.application().terminated(); }
    const std::vector<platform::ShownMessage>& boxes() const { return boxes_.shown(); }
    media::TSurface& surface() { return *form().Display1.BackSurface(); }
    const media::TPictureList& pictures() { return form().PictureList1; }
    // The palette entry a canvas colour is drawn as.
    std::uint8_t indexOf(std::uint32_t color) {
        return form().Display1.CurrentPalette().nearestIndex(color);
    }
    // A surface with the display's palette and fonts, for drawing what a frame should show.
    std::unique_ptr<media::TSurface> scratch(std::uint8_t fill = 0) {
        auto surface = std::make_unique<media::TSurface>(game::ScreenWidth, game::ScreenHeight,
                                                         form().Display1.CurrentPalette(),
                                                         form().Display1.Glyphs());
        surface->Fill(fill);
        return surface;
    }

  private:
    // Runs before the session starts SDL.
    static platform::ManualClock& headlessClock(platform::ManualClock& clock,
                                                platform::TimeOfDay seedTime) {
        platform::useHeadlessDrivers();
        clock.setTimeOfDay(seedTime);
        return clock;
    }

    TempWorkingDirectory directory_;
    platform::ManualClock clock_{1000};
    platform::RecordedMessageBoxes boxes_;
    game::GameSession session_;

  public:
    core::GameGlobals& g;
};

}  // namespace testsupport
