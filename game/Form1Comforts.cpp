// The game window's comforts: the pause, the note over the frame, the volume and the settings
// that stay.

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <utility>

#include "game/Form1.h"
#include "game/FrameShot.h"
#include "game/PlayScreen.h"
#include "game/TimeStamp.h"
#include "text/Placeholders.h"

namespace game {

namespace {

constexpr int VolumeStep = 10;
constexpr const char* ScreenshotFolderName = "screenshots";

std::string volumeNote(int volume) {
    return text::filled(text::tr("音量 %s"), {std::to_string(volume)});
}

}  // namespace

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
    if (soundOrShotKeyDown(key)) {
        return true;
    }
    // In a pause only quitting and the display mode are left.
    return paused_ && key != vk::Escape && !(shift.alt && key == vk::Return);
}

bool TForm1::soundOrShotKeyDown(std::uint16_t key) {
    using namespace platform;
    if (key == vk::F12) {
        screenshotAsked_ = true;  // taken from the next frame, before its note
        return true;
    }
    if (key == vk::F8 || key == vk::F9 || key == vk::F10) {
        if (key == vk::F8) {
            toggleMute();
        } else {
            changeVolume(key == vk::F9 ? -VolumeStep : VolumeStep);
        }
        return true;
    }
    return false;
}

void TForm1::pausedFrame() {
    ClearFrame(core::gsPlay);
    drawPausedPlay(g_, *Display1.BackSurface());
    presentFrame();
}

void TForm1::presentFrame() {
    if (std::exchange(screenshotAsked_, false)) {
        saveScreenshot();
    }
    note_.draw(*Display1.BackSurface());
    Display1.PresentFrame();
}

void TForm1::saveScreenshot() {
    const std::filesystem::path relative =
        std::filesystem::path(ScreenshotFolderName) /
        ("pudorock-" + utcStampOf(application_.clock().utcMilliseconds()) + ".png");
    try {
        std::filesystem::create_directories(dataFolder_ / ScreenshotFolderName);
        saveFrameShot(Display1, (dataFolder_ / relative).string());
        note_.show(
            text::filled(text::tr("%s に保存しました"), {(dataFolder_ / relative).string()}));
    } catch (const std::exception& error) {
        note_.show(text::filled(text::tr("画面を保存できません: %s"), {error.what()}));
    }
}

void TForm1::readSettings() {
    if (watching_) {
        return;  // a watched game touches no file
    }
    try {
        LoadedSettings loaded = loadSettings(dataFolder_);
        settings_ = loaded.settings;
        settingsDocument_ = std::move(loaded.document);
        if (!loaded.damage.empty()) {
            application_.showMessage(loaded.damage, platform::MessageIcon::Warning);
        }
    } catch (const std::exception& error) {
        application_.showException(error);
    }
}

void TForm1::applySettingsLanguage(std::optional<text::Language> commandLine) {
    // Without a language of their own the settings leave the one chosen at start.
    if (settings_.language) {
        text::useLanguage(text::chosenLanguage(commandLine, settings_.language, std::getenv));
        application_.setTitle(text::tr(GameTitle));
    }
}

void TForm1::keepSettings() {
    if (watching_) {
        return;
    }
    if (!Display1.Options().contains(media::doFullScreen)) {
        settings_.window = WindowPlace{window_.left(), window_.top(), window_.clientWidth(),
                                       window_.clientHeight()};
    }
    try {
        saveSettings(settings_, settingsDocument_, dataFolder_);
    } catch (const std::exception& error) {
        application_.showException(error);
    }
}

void TForm1::restoreWindowPlace() {
    if (const auto& place = settings_.window) {
        window_.setPosition(place->x, place->y);
        window_.setClientWidth(place->width);
        window_.setClientHeight(place->height);
    }
}

void TForm1::applyVolume() {
    SoundDevice1.setMasterVolume(settings_.mute ? 0 : settings_.volume);
}

void TForm1::changeVolume(int step) {
    settings_.volume = std::clamp(settings_.volume + step, 0, 100);
    settings_.mute = false;
    applyVolume();
    note_.show(volumeNote(settings_.volume));
}

void TForm1::toggleMute() {
    settings_.mute = !settings_.mute;
    applyVolume();
    note_.show(settings_.mute ? text::tr("消音") : volumeNote(settings_.volume));
}

}  // namespace game
