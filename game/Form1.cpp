#include "game/Form1.h"

#include "assets/Assets.h"
#include "core/StateSteps.h"
#include "game/BestTenScreen.h"
#include "game/BestTenStore.h"
#include "game/DigitKeys.h"
#include "game/HowToPlayHint.h"
#include "game/OpeningScreen.h"
#include "game/PlayScreen.h"
#include "game/TitleScreen.h"
#include "game/WindowSize.h"

namespace game {

namespace {

constexpr std::uint8_t PlayFill = 4;
constexpr std::uint8_t OtherFill = 0;

const media::TDisplayOptions Display1Options{
    media::doFullScreen,   media::doAllowReboot, media::doWaitVBlank,
    media::doStretch,      media::doCenter,      media::doModernApi,
    media::doRetainedMode, media::doHardware,    media::doSelectDriver};

void loadPictureItem(media::TPictureCollectionItem& item, int index) {
    const assets::PictureItemSettings& settings = assets::PictureItems[index];
    item.Name = settings.Name;
    item.PatternWidth = settings.PatternWidth;
    item.PatternHeight = settings.PatternHeight;
    item.SystemMemory = settings.SystemMemory;
    item.Transparent = settings.Transparent;
    item.TransparentColor = settings.TransparentColor;
    item.Picture = media::TDIB::readPictureData(assets::picture(index));
}

void loadSoundItem(media::TWaveCollectionItem& item, int index) {
    const assets::SoundItemSettings& settings = assets::SoundItems[index];
    item.Name = settings.Name;
    item.SetLooped(settings.Looped);
    item.SetMaxPlayingCount(settings.MaxPlayingCount);
    item.Wave = media::TWave::readImage(assets::sound(index));
}

}  // namespace

TForm1::TForm1(platform::Application& application, core::Simulation& simulation,
               const StartOptions& options)
    : application_(application),
      simulation_(simulation),
      g_(simulation.state()),
      dataFolder_(options.dataFolder),
      window_(application, text::tr(GameTitle), ScreenWidth, ScreenHeight),
      watching_(options.watch.has_value()),
      attract_(options.attract && !watching_),
      recording_(options.dataFolder,
                 [this](const std::exception& error) { application_.showException(error); }),
      Display1(&window_),
      FrameTimer1(application),
      SoundDevice1(&window_) {
    LoadStoredSettings();
    readSettings();
    applySettingsLanguage(options.language);
    try {
        FormCreate();
    } catch (const std::exception& error) {
        application_.showException(error);
    }
    reduceFlashing_ = options.reduceFlashing || settings_.reduceFlashing;
    applyVolume();
    if (options.windowed || settings_.windowed.value_or(false)) {
        EnterWindow();
        restoreWindowPlace();
    }
    if (watching_) {
        playback_.emplace(*options.watch);
    }
}

TForm1::~TForm1() {
    try {
        Close();
    } catch (...) {
        // Close reports its own failures; nothing is left to tell here.
    }
}

void TForm1::LoadStoredSettings() {
    window_.setBorderStyle(platform::BorderStyle::None);
    window_.centerOnScreen();
    window_.onKeyDown = [this](std::uint16_t& key, platform::ShiftState shift) {
        FormKeyDown(key, shift);
    };
    window_.onKeyPress = [this](char& key) { FormKeyPress(key); };
    window_.typedByKey = typedDigitOf;
    window_.onClose = [this] { application_.terminate(); };
    window_.onClick = [this] {
        resume();
        howToPlayOpen_ = false;
    };

    Display1.BeginLoading();
    Display1.AutoInitialize = true;
    Display1.AutoSize = false;
    Display1.SetDisplaySize(ScreenWidth, ScreenHeight);
    Display1.SetDisplayBitCount(8);
    Display1.SetOptions(Display1Options);
    Display1.SetSurfaceWidth(ScreenWidth);
    Display1.SetSurfaceHeight(ScreenHeight);
    Display1.OnInitialize = [this](media::TDisplay& sender) { Display1Initialize(sender); };
    Display1.OnFinalize = [this](media::TDisplay& sender) { Display1Finalize(sender); };
    Display1.Loaded();

    FrameTimer1.BeginLoading();
    FrameTimer1.SetActiveOnly(false);
    FrameTimer1.SetEnabled(false);
    FrameTimer1.SetInterval(0);
    FrameTimer1.OnTimer = [this](media::TFrameTimer& sender, std::int32_t lagCount) {
        FrameTimer1Timer(sender, lagCount);
    };
    // A player who turns to another window does not lose the game meanwhile.
    FrameTimer1.OnDeactivate = [this](media::TFrameTimer&) { pause(); };
    FrameTimer1.Loaded();

    for (int i = 0; i < assets::PictureCount; ++i) {
        loadPictureItem(PictureList1.Items().Add(), i);
    }
    PictureList1.SetDisplay(&Display1);

    SoundDevice1.AutoInitialize = true;
    SoundDevice1.Loaded();

    for (int i = 0; i < assets::SoundCount; ++i) {
        loadSoundItem(WaveList1.Items().Add(), i);
    }
    WaveList1.SetSoundDevice(&SoundDevice1);
}

void TForm1::Show() {
    window_.show();
}

void TForm1::Close() {
    if (closed_) {
        return;
    }
    closed_ = true;
    keepSettings();
    window_.hide();
    Display1.Finalize();
    try {
        FormDestroy();
    } catch (const std::exception& error) {
        finalSaveFailed_ = true;
        application_.showException(error);
    }
}

void TForm1::SaveNow() {
    try {
        SaveBestTen(g_, PlayerName, dataFolder_);
    } catch (const std::exception& error) {
        application_.showException(error);
    }
}

void TForm1::FormCreate() {
    g_.State = core::gsIntroInit;
    g_.ShowDebugInfo = 0;
    const platform::TimeOfDay now = application_.clock().utcTimeOfDay();
    g_.Random.seed(core::timeOfDaySeed(now.hour, now.minute, now.second, now.millisecond));
    if (!watching_) {
        LoadBestTen(g_, PlayerName, dataFolder_);
    }
    PictureList1.Items().BuildColorTable();
    Display1.DefaultColorTable = PictureList1.Items().ColorTable;
    Display1.ColorTable = Display1.DefaultColorTable;
    window_.setCursorVisible(false);
    g_.State = core::gsIntroInit;
}

void TForm1::FormDestroy() {
    if (watching_) {
        return;  // a watched game touches no file
    }
    SaveBestTen(g_, PlayerName, dataFolder_);
}

void TForm1::Display1Initialize(media::TDisplay&) {
    FrameTimer1.SetEnabled(true);
}

void TForm1::Display1Finalize(media::TDisplay&) {
    FrameTimer1.SetEnabled(false);
}

void TForm1::FormKeyDown(std::uint16_t& key, platform::ShiftState shift) {
    using namespace platform;
    titleIdleMs_ = 0;
    if (playback_ && !(shift.alt && key == vk::Return)) {
        PlaybackKeyDown(key);
        return;
    }
    if (howToPlayKeyDown(key, shift) || comfortKeyDown(key, shift)) {
        return;
    }
    if (key == vk::Space) {
        if (g_.State == core::gsIntro) {
            g_.PhaseClock = core::IntroEndClock;
        }
        if (g_.State == core::gsTitle) {
            g_.State = core::gsNewGame;
        }
        if (g_.State == core::gsPlay && g_.GameOverPhase == 2) {
            g_.State = core::gsIntroInit;
        }
    }
    // Another game at once, rather than through the opening and the title.
    if ((key == vk::Return || key == vk::letterKey('R')) && !shift.alt &&
        g_.State == core::gsPlay && g_.GameOverPhase == 2) {
        g_.State = core::gsNewGame;
        return;
    }
    if (key == vk::Return) {
        if (g_.State == core::gsTitle) {
            if (!shift.shift) {
                g_.State = core::gsBestTen;
                return;
            }
            RunRankingDialogSequence();
        }
        if (g_.State == core::gsBestTen) {
            g_.State = core::gsTitle;
        }
    }
    if (shift.alt && key == vk::F1) {
        g_.ShowDebugInfo ^= 1;
    }
    if (key == vk::Escape) {
        application_.terminate();
    }
    if (shift.alt && key == vk::Return) {
        SwitchDisplayMode();
        key = 0;
    }
}

void TForm1::FormKeyPress(char& key) {
    if (playback_ || paused_) {
        return;
    }
    recording_.keyTyped(key);
    simulation_.keyPress(key);
}

void TForm1::SwitchDisplayMode() {
    Display1.Finalize();
    const bool toWindow = Display1.Options().contains(media::doFullScreen);
    if (toWindow) {
        EnterWindow();
    } else {
        EnterFullScreen();
    }
    settings_.windowed = toWindow;
    Display1.Initialize();
}

void TForm1::EnterWindow() {
    window_.centerOnScreen();
    window_.setCursorVisible(true);
    window_.setBorderStyle(platform::BorderStyle::Single);
    // The desktop may resize and maximise it; the picture scales as in full screen.
    window_.setResizable(true);
    Display1.SetOptions(Display1.Options().without(media::doFullScreen));
    const platform::ScreenArea area = window_.usableArea();
    const int scale = windowScaleFor(area.width, area.height);
    window_.setClientWidth(ScreenWidth * scale);
    window_.setClientHeight(ScreenHeight * scale);
}

void TForm1::EnterFullScreen() {
    window_.setCursorVisible(false);
    window_.setBorderStyle(platform::BorderStyle::None);
    window_.setResizable(false);
    Display1.SetOptions(Display1.Options().with(media::doFullScreen));
}

void TForm1::RunRankingDialogSequence() {
    if (!RunRankingDialog) {
        return;
    }
    // The game window keeps its mode and size, its last frame dimmed behind the dialog.
    window_.setCursorVisible(true);
    FrameTimer1.SetEnabled(false);
    Display1.setDimmed(true);
    auto restore = [this] {
        Display1.setDimmed(false);
        window_.setCursorVisible(!Display1.Options().contains(media::doFullScreen));
        FrameTimer1.SetEnabled(true);
    };
    const std::int32_t passValueBefore = g_.PassValue;
    try {
        RunRankingDialog(*this);
    } catch (...) {
        restore();
        throw;
    }
    restore();
    if (g_.PassValue != passValueBefore) {
        SaveNow();
    }
}

void TForm1::FrameTimer1Timer(media::TFrameTimer&, std::int32_t lagCount) {
    if (!Display1.ReadyToDraw()) {
        return;
    }
    note_.advance(lagCount);
    if (playback_) {
        PlaybackFrame(lagCount);
        return;
    }
    if (paused_) {
        pausedFrame();
        return;
    }
    if (howToPlayOpen_) {
        howToPlayFrame();
        return;
    }
    ClearFrame(g_.State);
    if (g_.PendingSound > 0 && SoundDevice1.Initialized()) {
        WaveList1.Items(core::soundOfCue(g_.PendingSound)).Play(false);
        g_.PendingSound = 0;
    }
    if (g_.State == core::gsNewGame) {
        recording_.begin(g_, application_.clock().utcMilliseconds());
    }
    const bool resultBefore = simulation_.resultEntered();
    const core::GameState stepped = simulation_.step(lagCount);
    if (!resultBefore && simulation_.resultEntered() && g_.NewRank > 0) {
        SaveNow();
    }
    // After the table: a replay never risks it.
    recording_.afterFrame(simulation_, lagCount);
    DrawScreen(g_, stepped, lagCount);
    StartDemoWhenIdle(lagCount);
    presentFrame();
}

void TForm1::ClearFrame(core::GameState state) {
    Display1.BackSurface()->Fill(state == core::gsPlay ? PlayFill : OtherFill);
}

void TForm1::DrawScreen(const core::GameGlobals& g, core::GameState stepped,
                        std::int32_t lagCount) {
    media::TSurface& surface = *Display1.BackSurface();
    switch (stepped) {
        case core::gsIntro:
            drawOpeningSpiral(g.Draws.spiralClock, surface, PictureList1);
            drawProducerCredit(g.PhaseClock, surface);
            break;
        case core::gsBestTen:
            drawBestTen(g, surface, PictureList1);
            break;
        case core::gsTitle:
            drawTitle(g, surface, PictureList1);
            if (howToPlayHintShown()) {
                drawHowToPlayHint(surface);
            }
            break;
        case core::gsCurtain:
            drawCurtain(g, surface, PictureList1);
            break;
        case core::gsPlay:
            drawPlay(g, surface, PictureList1, lagCount,
                     reduceFlashing_ ? LowLifeWarning::SteadyFrame : LowLifeWarning::Pulse);
            break;
        case core::gsIntroInit:
        case core::gsNewGame:
            break;  // these steps show nothing but the cleared surface
    }
}

}  // namespace game
