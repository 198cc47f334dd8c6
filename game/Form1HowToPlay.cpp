// The game window's how-to-play page: opened from the title, drawn instead of it while the
// game waits, as a pause is.

#include "game/Form1.h"
#include "game/HowToPlayHint.h"
#include "game/HowToPlayScreen.h"

namespace game {

namespace {

bool opensHowToPlay(std::uint16_t key, platform::ShiftState shift) {
    using namespace platform;
    return (key == vk::letterKey('H') || key == vk::F1) && !shift.alt && !shift.ctrl;
}

// Pressed alone on the way to a combination, such as Alt+Enter.
bool isModifier(std::uint16_t key) {
    using namespace platform;
    return key == vk::Shift || key == vk::Control || key == vk::Menu;
}

}  // namespace

bool TForm1::howToPlayHintShown() const {
    return showsHowToPlayHint(settings_.howToPlaySeen, g_.BestTen);
}

bool TForm1::howToPlayKeyDown(std::uint16_t& key, platform::ShiftState shift) {
    if (!howToPlayOpen_) {
        if (g_.State != core::gsTitle || !opensHowToPlay(key, shift)) {
            return false;
        }
        howToPlayOpen_ = true;
        settings_.howToPlaySeen = true;
        return true;
    }
    if (isModifier(key) || soundOrShotKeyDown(key)) {
        return true;
    }
    if (shift.alt && key == platform::vk::Return) {
        SwitchDisplayMode();
        key = 0;
        return true;
    }
    howToPlayOpen_ = false;
    return true;
}

void TForm1::howToPlayFrame() {
    ClearFrame(core::gsTitle);
    drawHowToPlay(*Display1.BackSurface(), PictureList1);
    presentFrame();
}

}  // namespace game
