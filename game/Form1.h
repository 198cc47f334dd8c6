#pragma once
// The game window: its components, start-up and shut-down, the keys, and the frame that is
// the whole game loop.

#include <cstdint>
#include <functional>
#include <string>

#include "core/Simulation.h"
#include "game/OnScreenNote.h"
#include "game/ReplayPlayback.h"
#include "game/ReplayRecording.h"
#include "game/Settings.h"
#include "game/StartOptions.h"
#include "media/Display.h"
#include "media/FrameTimer.h"
#include "media/PictureList.h"
#include "media/SoundDevice.h"
#include "media/WaveList.h"
#include "platform/Application.h"
#include "platform/Keys.h"
#include "platform/Window.h"
#include "text/Translation.h"

namespace game {

class TForm1;

// Runs the ranking dialog modally over the game window.
using RankingDialogRunner = std::function<void(TForm1& owner)>;

inline constexpr const char* GameTitle = text::trLater("プドロク");
inline constexpr int ScreenWidth = 800;
inline constexpr int ScreenHeight = 600;

class TForm1 {
  public:
    // Creates the components from their stored settings, then runs FormCreate; a failure of
    // FormCreate is reported and the window is still created.
    TForm1(platform::Application& application, core::Simulation& simulation,
           const StartOptions& options = {});
    ~TForm1();
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    // The first show initialises the display.
    void Show();
    // The window closes: the display finalises, then FormDestroy saves. Runs once.
    void Close();
    // True when the save as the window closed failed (it was reported).
    bool FinalSaveFailed() const { return finalSaveFailed_; }

    platform::Window& Window() { return window_; }
    core::GameGlobals& Globals() { return g_; }
    core::Simulation& Simulation() { return simulation_; }
    // What the screen shows: the recorded game while one plays, else the game's own.
    const core::GameGlobals& ShownGlobals() const;
    // The panel's mark while a recorded game plays ("REPLAY", "REPLAY x2", "DEMO"); else empty.
    std::string PlaybackMark() const;
    // The replays kept in the save folder.
    const ReplayShelf& Replays() const { return recording_.shelf(); }
    // A game paused by P or by the window losing the focus: no frame of it runs.
    bool paused() const { return paused_; }
    // The note over the frame; empty when none shows.
    const std::string& noteText() const { return note_.text(); }
    const game::Settings& settings() const { return settings_; }
    // The how-to-play page, open over the title: the title's frames wait meanwhile.
    bool howToPlayOpen() const { return howToPlayOpen_; }
    // The title points at the page until it has been read or a game has entered the table.
    bool howToPlayHintShown() const;

    // Set by the program where the ranking dialog exists; without it Shift+Enter on the title
    // changes nothing.
    RankingDialogRunner RunRankingDialog;

    std::string PlayerName;  // Shift-JIS bytes

    // Event handlers.
    void FormCreate();
    void FormDestroy();
    void FormKeyDown(std::uint16_t& key, platform::ShiftState shift);
    void FormKeyPress(char& key);
    void Display1Initialize(media::TDisplay& sender);
    void Display1Finalize(media::TDisplay& sender);
    void FrameTimer1Timer(media::TFrameTimer& sender, std::int32_t lagCount);

  private:
    void LoadStoredSettings();
    // The screen of the state the frame stepped, from what the step decided.
    // The back surface in the colour the state's screen starts from.
    void ClearFrame(core::GameState state);
    void DrawScreen(const core::GameGlobals& g, core::GameState stepped, std::int32_t lagCount);
    // A recorded game on the screen instead of the game's own: watched, or the title's demo.
    void PlaybackFrame(std::int32_t lagCount);
    // Keys while a recorded game shows.
    void PlaybackKeyDown(std::uint16_t key);
    // The title's demo, once it has waited long enough without a key.
    void StartDemoWhenIdle(std::int32_t lagCount);
    void PlayCue(int sound);
    // Only a game under way pauses: not the opening, the title or a finished game.
    bool pausable() const;
    void pause();
    void resume();
    // Keys that work on every screen and in a pause; true when the key was used up.
    bool comfortKeyDown(std::uint16_t key, platform::ShiftState shift);
    // The volume and the screenshot; true when the key was one of them.
    bool soundOrShotKeyDown(std::uint16_t key);
    // The panel and "PAUSE"; the game itself does not step.
    void pausedFrame();
    // H or F1 on the title opens the page; while it is open, a key closes it and does nothing
    // more, except the keys that work on every screen. True when the key was used up.
    bool howToPlayKeyDown(std::uint16_t& key, platform::ShiftState shift);
    // The page instead of the title; the game itself does not step.
    void howToPlayFrame();
    // The note over the frame, then the frame to the screen.
    void presentFrame();
    // settings.ini of the save folder; a damaged one is reported once.
    void readSettings();
    // The settings' language where --lang named none; the message ids are Japanese, so a text
    // already made stays as it was.
    void applySettingsLanguage(std::optional<text::Language> commandLine);
    // The window's place and the settings into settings.ini; a failure is reported.
    void keepSettings();
    // Where the window was when the game last ended, if it was in a window.
    void restoreWindowPlace();
    void applyVolume();
    void changeVolume(int step);
    void toggleMute();
    // The frame as drawn, without the note, into screenshots/ of the save folder.
    void saveScreenshot();
    void SwitchDisplayMode();
    // The window's look for each display mode; the display takes it at its next initialisation.
    void EnterWindow();
    void EnterFullScreen();
    void RunRankingDialogSequence();
    // Saves the table while the game goes on, so that a crash later loses nothing; a failure is
    // reported and play continues.
    void SaveNow();

    platform::Application& application_;
    core::Simulation& simulation_;
    core::GameGlobals& g_;
    std::filesystem::path dataFolder_;
    platform::Window window_;
    bool closed_ = false;
    bool finalSaveFailed_ = false;
    const bool watching_;
    const bool attract_;
    std::optional<ReplayPlayback> playback_;
    std::int64_t titleIdleMs_ = 0;
    bool paused_ = false;
    bool howToPlayOpen_ = false;
    bool reduceFlashing_ = false;
    bool screenshotAsked_ = false;
    game::Settings settings_;
    IniDocument settingsDocument_;
    OnScreenNote note_;
    ReplayRecording recording_;

  public:
    // Components, in the order the window's description creates them.
    media::TDisplay Display1;
    media::TFrameTimer FrameTimer1;
    media::TPictureList PictureList1;
    media::TSoundDevice SoundDevice1;
    media::TWaveList WaveList1;
};

}  // namespace game
