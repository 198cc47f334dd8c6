#include "game/GameSession.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <optional>

#include "platform/HeadlessDrivers.h"
#include "tests/support/TempDirectory.h"

namespace {

using namespace game;
using platform::ShiftState;
namespace vk = platform::vk;

constexpr ShiftState None{};
constexpr ShiftState Shift{true, false, false};
constexpr ShiftState Alt{false, true, false};
constexpr ShiftState Ctrl{false, false, true};

class Form1Test : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::useHeadlessDrivers();
        clock.setTimeOfDay({1, 2, 3, 4});
    }

    void start(const StartOptions& options = {}) {
        session.emplace(clock, boxes, RankingDialogRunner{}, options);
        app = &session->application();
        g = &session->globals();
        form = &session->form();
        form->Show();
    }

    void frame(std::uint32_t lag = 16) {
        clock.advance(lag);
        session->runFrame();
    }

    void press(std::uint16_t key, ShiftState shift = None) { form->FormKeyDown(key, shift); }

    // From the opening to the title screen.
    void toTitle() {
        frame();
        press(vk::Space);
        frame();
        ASSERT_EQ(g->State, core::gsTitle);
    }

    static StartOptions windowedStart() {
        StartOptions options;
        options.windowed = true;
        return options;
    }
    static StartOptions savedIn(const std::filesystem::path& folder) {
        StartOptions options;
        options.dataFolder = folder;
        return options;
    }

    bool fullScreen() const { return form->Display1.Options().contains(media::doFullScreen); }

    testsupport::TempWorkingDirectory directory;
    platform::ManualClock clock{1000};
    platform::RecordedMessageBoxes boxes;
    std::optional<GameSession> session;
    platform::Application* app = nullptr;
    core::GameGlobals* g = nullptr;
    TForm1* form = nullptr;
};

TEST_F(Form1Test, StartUpSeedsLoadsAndInitialisesTheDisplayOnShow) {
    start();
    EXPECT_EQ(g->State, core::gsIntroInit);
    EXPECT_EQ(g->Random.state(), core::timeOfDaySeed(1, 2, 3, 4));
    EXPECT_EQ(g->BestTen[0].Score, 5000);
    EXPECT_FALSE(form->Window().cursorVisible());
    EXPECT_TRUE(form->Display1.Initialized());
    EXPECT_TRUE(fullScreen());
    EXPECT_TRUE(form->FrameTimer1.Enabled());
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(Form1Test, ABrokenBestTenFileIsReportedAndSkipsTheRestOfStartUp) {
    std::ofstream("Hisc.dat", std::ios::binary) << std::string(100, '\x01');
    start();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].caption, "プドロク");
    EXPECT_EQ(boxes.shown()[0].text, "ファイルの末尾以降を読み込みました.");
    EXPECT_TRUE(form->Window().cursorVisible());
    EXPECT_EQ(g->State, core::gsIntroInit);
    EXPECT_TRUE(form->Display1.Initialized());
}

TEST_F(Form1Test, TheOpeningCountsDownToTheTitle) {
    start();
    frame();
    EXPECT_EQ(g->State, core::gsIntro);
    EXPECT_EQ(g->PhaseClock, 256);
    EXPECT_EQ(g->IntroCueArmed, 1);
    frame(5000);
    EXPECT_EQ(g->State, core::gsTitle);
    EXPECT_EQ(g->PendingSound, 2);  // the cue of the same frame was replaced
    EXPECT_EQ(g->IntroCueArmed, 0);
}

TEST_F(Form1Test, SpaceActsOnlyInTheOpeningTheTitleAndAfterGameOver) {
    start();
    frame();
    press(vk::Space);
    EXPECT_EQ(g->PhaseClock, -200);
    frame(9);  // a lag under 10 does not move the countdown
    EXPECT_EQ(g->State, core::gsIntro);
    frame(10);
    EXPECT_EQ(g->State, core::gsTitle);
    press(vk::Space);
    EXPECT_EQ(g->State, core::gsNewGame);
    frame();
    EXPECT_EQ(g->State, core::gsCurtain);
    press(vk::Space);
    EXPECT_EQ(g->State, core::gsCurtain);
    g->State = core::gsPlay;
    g->GameOverPhase = 0;
    press(vk::Space);
    EXPECT_EQ(g->State, core::gsPlay);
    g->GameOverPhase = 2;
    press(vk::Space, Ctrl);
    EXPECT_EQ(g->State, core::gsIntroInit);
}

TEST_F(Form1Test, EnterAlternatesBetweenTitleAndBestTenAsTheKeyRepeats) {
    start();
    toTitle();
    for (core::GameState expected :
         {core::gsBestTen, core::gsTitle, core::gsBestTen, core::gsTitle}) {
        press(vk::Return);
        EXPECT_EQ(g->State, expected);
    }
}

TEST_F(Form1Test, AltEnterOnTheTitleGoesToTheBoardWithoutSwitchingTheMode) {
    start();
    toTitle();
    press(vk::Return, Alt);
    EXPECT_EQ(g->State, core::gsBestTen);
    EXPECT_TRUE(fullScreen());
    std::uint16_t key = vk::Return;
    form->FormKeyDown(key, Alt);
    EXPECT_EQ(g->State, core::gsTitle);
    EXPECT_FALSE(fullScreen());
    EXPECT_EQ(key, 0);
    EXPECT_TRUE(form->Display1.Initialized());
    EXPECT_TRUE(form->FrameTimer1.Enabled());
    EXPECT_EQ(form->Window().clientWidth(), 800);
    EXPECT_EQ(form->Window().clientHeight(), 600);
    EXPECT_EQ(form->Window().borderStyle(), platform::BorderStyle::Single);
    EXPECT_TRUE(form->Window().cursorVisible());
}

TEST_F(Form1Test, AltEnterSwitchesBackToFullScreen) {
    start();
    frame();
    press(vk::Return, Alt);
    press(vk::Return, Alt);
    EXPECT_TRUE(fullScreen());
    EXPECT_EQ(form->Window().borderStyle(), platform::BorderStyle::None);
    EXPECT_FALSE(form->Window().cursorVisible());
    EXPECT_TRUE(form->FrameTimer1.Enabled());
}

TEST_F(Form1Test, AWindowedStartOpensAResizableWindowThatAltEnterStillSwitches) {
    start(windowedStart());
    frame();
    EXPECT_FALSE(fullScreen());
    EXPECT_TRUE(form->Display1.Initialized());
    EXPECT_EQ(form->Window().clientWidth(), 800);
    EXPECT_EQ(form->Window().clientHeight(), 600);
    EXPECT_EQ(form->Window().borderStyle(), platform::BorderStyle::Single);
    EXPECT_TRUE(form->Window().resizable());
    EXPECT_TRUE(form->Window().cursorVisible());
    EXPECT_EQ(form->Display1.BackSurface()->Width(), 800);  // the picture is scaled, not resized
    press(vk::Return, Alt);
    EXPECT_TRUE(fullScreen());
    EXPECT_FALSE(form->Window().resizable());
    press(vk::Return, Alt);
    EXPECT_FALSE(fullScreen());
    EXPECT_TRUE(form->Window().resizable());
    EXPECT_EQ(form->Window().clientWidth(), 800);
}

TEST_F(Form1Test, TheRankingDialogReturnsToTheWindowItWasOpenedFrom) {
    start(windowedStart());
    toTitle();
    form->RunRankingDialog = [](TForm1& owner) { EXPECT_EQ(owner.Window().clientWidth(), 800); };
    press(vk::Return, Shift);
    EXPECT_FALSE(fullScreen());
    EXPECT_TRUE(form->Display1.Initialized());
    EXPECT_EQ(form->Window().clientWidth(), 800);
    EXPECT_EQ(form->Window().clientHeight(), 600);
    EXPECT_TRUE(form->Window().resizable());
    EXPECT_TRUE(form->Window().cursorVisible());
}

TEST_F(Form1Test, TheChosenDataFolderHoldsTheTableFromStartToEnd) {
    std::filesystem::create_directory("saves");
    std::ofstream("saves/Name.dat", std::ios::binary) << "NAME";
    start(savedIn("saves"));
    EXPECT_EQ(form->PlayerName, "NAME");
    press(vk::Escape);
    form->Close();
    EXPECT_EQ(std::filesystem::file_size("saves/Hisc.dat"), 1408u);
    EXPECT_FALSE(std::filesystem::exists("Hisc.dat"));
    EXPECT_FALSE(std::filesystem::exists("Name.dat"));
}

TEST_F(Form1Test, CtrlPlaysNoPart) {
    start();
    frame();
    press(vk::F1, Ctrl);
    EXPECT_EQ(g->ShowDebugInfo, 0);
    press(vk::Return, Ctrl);
    EXPECT_TRUE(fullScreen());
    press(vk::F1, Alt);
    EXPECT_EQ(g->ShowDebugInfo, 1);
    press(vk::F1, Alt);
    EXPECT_EQ(g->ShowDebugInfo, 0);
}

// The loop hands the typed digit to FormKeyPress right after the key-down.
TEST_F(Form1Test, TheWindowsDigitKeysTypeTheirDigitsWhateverTheLayout) {
    start();
    const auto& typedByKey = form->Window().typedByKey;
    ASSERT_TRUE(typedByKey);
    EXPECT_EQ(typedByKey(vk::Digit0 + 1, Shift), '1');
    EXPECT_EQ(typedByKey(vk::Numpad0 + 3, None), '3');
    EXPECT_EQ(typedByKey(vk::Digit0 + 3, Alt), std::nullopt);
}

TEST_F(Form1Test, EscapeTerminatesAndClosingSavesTheTable) {
    start();
    frame();
    press(vk::Escape);
    EXPECT_TRUE(app->terminated());
    form->Close();
    EXPECT_FALSE(form->Display1.Initialized());
    EXPECT_FALSE(form->FrameTimer1.Enabled());
    EXPECT_EQ(std::filesystem::file_size("Hisc.dat"), 1408u);
    EXPECT_EQ(std::filesystem::file_size("Name.dat"), 0u);
}

TEST_F(Form1Test, ShiftEnterWithoutADialogLeavesEverythingAsItWas) {
    start();
    toTitle();
    press(vk::Return, Shift);
    EXPECT_EQ(g->State, core::gsTitle);
    EXPECT_TRUE(fullScreen());
    EXPECT_TRUE(form->Display1.Initialized());
    EXPECT_TRUE(form->FrameTimer1.Enabled());
}

// The game window keeps its mode and size behind the dialog, its last frame dimmed.
TEST_F(Form1Test, TheRankingDialogRunsOverTheDimmedGameWindowWithTheTimerOff) {
    start();
    toTitle();
    bool ran = false;
    const int width = form->Window().clientWidth();
    form->RunRankingDialog = [&](TForm1& owner) {
        ran = true;
        EXPECT_FALSE(owner.FrameTimer1.Enabled());
        EXPECT_TRUE(owner.Display1.Initialized());
        EXPECT_TRUE(owner.Display1.Options().contains(media::doFullScreen));
        EXPECT_EQ(owner.Window().clientWidth(), width);
        EXPECT_TRUE(owner.Window().cursorVisible());
    };
    press(vk::Return, Shift);
    EXPECT_TRUE(ran);
    EXPECT_EQ(g->State, core::gsTitle);
    EXPECT_TRUE(fullScreen());
    EXPECT_TRUE(form->Display1.Initialized());
    EXPECT_TRUE(form->FrameTimer1.Enabled());
    EXPECT_FALSE(form->Window().cursorVisible());
}

TEST_F(Form1Test, AFailingDialogStillRestoresTheDisplayAndTimer) {
    start();
    toTitle();
    form->RunRankingDialog = [](TForm1&) { throw std::runtime_error("dialog"); };
    EXPECT_THROW(press(vk::Return, Shift), std::runtime_error);
    EXPECT_TRUE(fullScreen());
    EXPECT_TRUE(form->Display1.Initialized());
    EXPECT_TRUE(form->FrameTimer1.Enabled());
}

TEST_F(Form1Test, ShiftAltEnterOpensTheDialogThenSwitchesToAWindow) {
    start();
    toTitle();
    int dialogs = 0;
    form->RunRankingDialog = [&](TForm1&) { ++dialogs; };
    press(vk::Return, ShiftState{true, true, false});
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(g->State, core::gsTitle);
    EXPECT_FALSE(fullScreen());
    EXPECT_EQ(form->Window().clientWidth(), 800);
}

TEST_F(Form1Test, FramesDoNothingWhileTheDisplayCannotDraw) {
    start();
    toTitle();
    press(vk::Space);
    frame();  // new game
    ASSERT_EQ(g->State, core::gsCurtain);
    const std::int32_t pending = g->PendingSound;
    const std::int32_t curtain = g->PhaseClock;
    form->Display1.Finalize();
    form->FrameTimer1.SetEnabled(true);
    frame();
    EXPECT_EQ(g->PhaseClock, curtain);
    EXPECT_EQ(g->PendingSound, pending);
}

TEST_F(Form1Test, TheFrameFillsWithIndexFourInPlayAndZeroElsewhere) {
    start();
    frame();
    EXPECT_EQ(form->Display1.BackSurface()->Pixel(799, 599), 0);
    g->State = core::gsPlay;
    g->Level = 1;
    g->Life = 100;
    g->TimeLeft = 12000;
    frame();
    EXPECT_EQ(form->Display1.BackSurface()->Pixel(799, 599), 4);
}

}  // namespace

class Form1SavingTest : public Form1Test {
  protected:
    void toPlay() {
        toTitle();
        press(vk::Space);
        for (int i = 0; i < 1000 && g->State != core::gsPlay; ++i) {
            frame();
        }
        ASSERT_EQ(g->State, core::gsPlay);
    }

    void endGameWithScore(std::int32_t score) {
        g->Score = score;
        g->Life = 0;
        frame();
        ASSERT_EQ(g->GameOverPhase, 2);
    }
};

TEST_F(Form1SavingTest, AResultThatEntersTheTableIsSavedAtOnceAndOnlyThen) {
    start();
    toPlay();
    endGameWithScore(0);
    EXPECT_FALSE(std::filesystem::exists("Hisc.dat"));
    frame();
    press(vk::Space);
    toPlay();
    endGameWithScore(999'999);
    EXPECT_EQ(g->NewRank, 1);
    EXPECT_EQ(std::filesystem::file_size("Hisc.dat"), 1408u);
    std::filesystem::remove("Hisc.dat");
    frame();  // the game-over screen does not save again
    EXPECT_FALSE(std::filesystem::exists("Hisc.dat"));
}

TEST_F(Form1SavingTest, ASubmissionThatChangedTheCheckValueIsSavedAtOnce) {
    start();
    toTitle();
    form->RunRankingDialog = [](TForm1&) {};
    press(vk::Return, Shift);
    EXPECT_FALSE(std::filesystem::exists("Hisc.dat"));
    g->PassValue = 1234;
    form->RunRankingDialog = [](TForm1& owner) { owner.Globals().PassValue = 0; };
    press(vk::Return, Shift);
    EXPECT_EQ(std::filesystem::file_size("Hisc.dat"), 1408u);
}

TEST_F(Form1SavingTest, AFailingSaveDuringPlayIsReportedAndTheFinalOneIsRemembered) {
    std::filesystem::create_directory("Hisc.dat");
    start();
    toPlay();
    endGameWithScore(999'999);
    EXPECT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(g->State, core::gsPlay);
    EXPECT_FALSE(form->FinalSaveFailed());
    form->Close();
    EXPECT_EQ(boxes.shown().size(), 2u);
    EXPECT_TRUE(form->FinalSaveFailed());
}
