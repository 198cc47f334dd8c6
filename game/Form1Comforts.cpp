// The game window's comforts: the pause and the note over the frame.

#include "game/Form1.h"
#include "game/PlayScreen.h"

namespace game {

bool TForm1::pausable() const {
    return !playback_ &&
           (g_.State == core::gsCurtain || (g_.State == core::gsPlay && g_.GameOverPhase == 0));
}

void TForm1::pause() {
    if (paused_ || !pausable()) {
        return;
    }
    paused_ = true;
    WaveList1.Items().StopAll();
}

void TForm1::resume() {
    paused_ = false;
}

bool TForm1::comfortKeyDown(std::uint16_t key, platform::ShiftState shift) {
    using namespace platform;
    if (key == vk::letterKey('P') && !shift.alt && !shift.ctrl) {
        if (paused_) {
            resume();
        } else {
            pause();
        }
        return true;
    }
    // In a pause only quitting and the display mode are left.
    return paused_ && key != vk::Escape && !(shift.alt && key == vk::Return);
}

void TForm1::pausedFrame() {
    ClearFrame(core::gsPlay);
    drawPausedPlay(g_, *Display1.BackSurface());
    presentFrame();
}

void TForm1::presentFrame() {
    note_.draw(*Display1.BackSurface());
    Display1.PresentFrame();
}

}  // namespace game
