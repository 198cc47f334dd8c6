#include "media/Display.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "media/MediaError.h"
#include "media/SurfaceCanvas.h"
#include "platform/Application.h"
#include "platform/HeadlessDrivers.h"
#include "platform/Window.h"

namespace {

using namespace media;

const TDisplayOptions GameOptions{doFullScreen,   doAllowReboot, doWaitVBlank,
                                  doStretch,      doCenter,      doModernApi,
                                  doRetainedMode, doHardware,    doSelectDriver};

TEST(DisplayOptions, EffectiveOptionsOfTheGameFullScreenAndWindowed) {
    EXPECT_EQ(effectiveOptionsOf(GameOptions),
              (TDisplayOptions{doFullScreen, doAllowReboot, doWaitVBlank, doStretch, doCenter}));
    EXPECT_EQ(effectiveOptionsOf(GameOptions.without(doFullScreen)),
              (TDisplayOptions{doWaitVBlank, doStretch, doCenter}));
}

TEST(DisplayOptions, ThreeDimensionalAndMemoryRules) {
    EXPECT_EQ(effectiveOptionsOf(TDisplayOptions{do3D, doModernApi, doRetainedMode, doHardware}),
              (TDisplayOptions{do3D, doModernApi}));
    EXPECT_EQ(effectiveOptionsOf(TDisplayOptions{doFullScreen, doFlip, doSystemMemory}),
              (TDisplayOptions{doFullScreen, doSystemMemory}));
    EXPECT_EQ(effectiveOptionsOf(TDisplayOptions{doFullScreen, doFlip}),
              (TDisplayOptions{doFullScreen, doFlip}));
}

TEST(DisplayOptions, OnlyPresentationOptionsChangeWhileInitialised) {
    TDisplayOptions effective = effectiveOptionsOf(GameOptions);
    TDisplayOptions changed = withLiveOptions(
        effective, GameOptions.without(doFullScreen).without(doWaitVBlank).without(doStretch));
    EXPECT_TRUE(changed.contains(doFullScreen));
    EXPECT_FALSE(changed.contains(doWaitVBlank));
    EXPECT_FALSE(changed.contains(doStretch));
    EXPECT_TRUE(changed.contains(doCenter));
}

TEST(DisplayMode, ExactThenSameShapeThenAnyShape) {
    TDisplayMode wanted{800, 600, 8, true, true, false};
    std::vector<OfferedMode> offered{
        {1920, 1080, 8}, {1024, 768, 8}, {800, 600, 32}, {1280, 1024, 8}};
    EXPECT_EQ(chooseDisplayMode(wanted, offered), (OfferedMode{1024, 768, 8}));
    offered.push_back({800, 600, 8});
    EXPECT_EQ(chooseDisplayMode(wanted, offered), (OfferedMode{800, 600, 8}));
    EXPECT_EQ(chooseDisplayMode(wanted, {{1920, 1080, 8}, {1280, 1024, 8}}),
              (OfferedMode{1280, 1024, 8}));
    EXPECT_EQ(chooseDisplayMode(wanted, {{640, 480, 8}, {1024, 768, 16}}), std::nullopt);
}

TEST(DisplayMode, FixedSizeAndInvalidRequests) {
    TDisplayMode fixed{800, 600, 8, true, false, true};
    EXPECT_EQ(chooseDisplayMode(fixed, {{1024, 768, 8}}), std::nullopt);
    TDisplayMode zero{0, 600, 8, true, true, false};
    EXPECT_EQ(chooseDisplayMode(zero, {{800, 600, 8}}), std::nullopt);
    TDisplayMode oddBits{800, 600, 12, true, true, false};
    EXPECT_EQ(chooseDisplayMode(oddBits, {{800, 600, 12}}), std::nullopt);
}

class DisplayTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::useHeadlessDrivers();
        window = std::make_unique<platform::Window>(app, "test", 800, 600);
        display = std::make_unique<TDisplay>(window.get());
        display->AutoSize = false;
        display->SetDisplaySize(800, 600);
        display->SetOptions(GameOptions);
        display->SetSurfaceWidth(800);
        display->SetSurfaceHeight(600);
        display->OnInitialize = [this](TDisplay&) { log.push_back("OnInitialize"); };
        display->OnInitializeSurface = [this](TDisplay&) { log.push_back("OnInitializeSurface"); };
        display->OnFinalize = [this](TDisplay&) { log.push_back("OnFinalize"); };
        display->OnFinalizeSurface = [this](TDisplay&) { log.push_back("OnFinalizeSurface"); };
        display->OnRestoreSurface = [this](TDisplay&) { log.push_back("OnRestoreSurface"); };
    }

    void TearDown() override {
        display.reset();
        window.reset();
    }

    TDisplay::TNotifyRoutine recorder(const std::string& name) {
        return [this, name](TDisplay&, TDisplayNotifyType kind) {
            log.push_back(name + ":" + std::to_string(kind));
        };
    }

    platform::ManualClock clock;
    platform::RecordedMessageBoxes boxes;
    platform::Application app{clock, boxes};
    std::unique_ptr<platform::Window> window;
    std::unique_ptr<TDisplay> display;
    std::vector<std::string> log;
};

TEST_F(DisplayTest, InitializeFiresEventsAndNotifiesLastRegisteredFirst) {
    display->RegisterNotifyEvent(recorder("a"));
    display->RegisterNotifyEvent(recorder("b"));
    log.clear();
    display->Initialize();
    EXPECT_EQ(log, (std::vector<std::string>{"b:1", "a:1", "b:7", "a:7", "b:2", "a:2",
                                             "OnInitialize", "b:3", "a:3", "OnInitializeSurface",
                                             "b:6", "a:6", "OnRestoreSurface"}));
    EXPECT_TRUE(display->Initialized());
    EXPECT_TRUE(display->ReadyToDraw());
    EXPECT_EQ(display->BackSurface()->Width(), 800);
    EXPECT_EQ(display->EffectiveOptions(),
              (TDisplayOptions{doFullScreen, doAllowReboot, doWaitVBlank, doStretch, doCenter}));
}

TEST_F(DisplayTest, FinalizeRunsOnceAndNeverFiresOnFinalizeWithoutOnInitialize) {
    display->Finalize();
    EXPECT_TRUE(log.empty());
    display->Initialize();
    display->RegisterNotifyEvent(recorder("a"));
    log.clear();
    display->Finalize();
    display->Finalize();
    EXPECT_EQ(log, (std::vector<std::string>{"OnFinalizeSurface", "a:5", "OnFinalize", "a:4"}));
    EXPECT_FALSE(display->Initialized());
    EXPECT_FALSE(display->ReadyToDraw());
    EXPECT_EQ(display->BackSurface(), nullptr);
}

TEST_F(DisplayTest, RegisteringWithAnInitialisedDisplayCatchesUp) {
    display->Initialize();
    log.clear();
    auto id = display->RegisterNotifyEvent(recorder("late"));
    EXPECT_EQ(log, (std::vector<std::string>{"late:7", "late:2", "late:3", "late:6"}));
    log.clear();
    display->UnRegisterNotifyEvent(id);
    EXPECT_EQ(log, (std::vector<std::string>{"late:5", "late:4"}));
}

TEST_F(DisplayTest, ARegistrationThatFailsToCatchUpDoesNotStay) {
    display->Initialize();
    int calls = 0;
    auto failing = [&](TDisplay&, TDisplayNotifyType kind) {
        ++calls;
        if (kind == ntInitialize) {
            throw std::runtime_error("cannot bind");
        }
    };
    EXPECT_THROW(display->RegisterNotifyEvent(failing), std::runtime_error);
    calls = 0;
    display->Finalize();
    EXPECT_EQ(calls, 0);
}

TEST_F(DisplayTest, ReadyToDrawOnlyWhileInitialised) {
    EXPECT_FALSE(display->ReadyToDraw());
    display->Initialize();
    EXPECT_TRUE(display->ReadyToDraw());
}

TEST_F(DisplayTest, ABorderChangeOfTheWindowFinalisesTheDisplay) {
    display->Initialize();
    log.clear();
    window->setBorderStyle(platform::BorderStyle::None);
    EXPECT_FALSE(display->Initialized());
    EXPECT_EQ(log, (std::vector<std::string>{"OnFinalizeSurface", "OnFinalize"}));
}

TEST_F(DisplayTest, FirstShowInitialisesOnlyOnce) {
    int initialised = 0;
    display->OnInitialize = [&](TDisplay&) { ++initialised; };
    window->show();
    display->Finalize();
    window->hide();
    window->show();
    EXPECT_EQ(initialised, 1);
}

TEST_F(DisplayTest, WithoutAnOwnerInitializeFails) {
    TDisplay orphan(nullptr);
    try {
        orphan.Initialize();
        FAIL();
    } catch (const EDisplayError& error) {
        EXPECT_STREQ(error.what(), "フォームが見つかりません");
    }
    EXPECT_FALSE(orphan.Initialized());
}

TEST_F(DisplayTest, BitCountOutsideTheFourIsRefusedAndNotStored) {
    EXPECT_THROW(display->SetDisplayBitCount(12), EDisplayDeviceError);
    EXPECT_EQ(display->Display().BitCount, 8);
    display->SetDisplayBitCount(32);
    EXPECT_EQ(display->Display().BitCount, 32);
}

TEST_F(DisplayTest, PaletteTakesAllEntriesOfTheColourTableIncludingReservedOnes) {
    for (int i = 0; i < 256; ++i) {
        display->ColorTable[i] = ColorEntry{static_cast<std::uint8_t>(i), 1, 2, 0};
    }
    display->Initialize();
    for (int i : {0, 9, 10, 128, 246, 255}) {
        EXPECT_EQ(display->CurrentPalette().entries()[i].blue, i);
    }
}

TEST_F(DisplayTest, ZeroSurfaceSizeGivesOnePixel) {
    display->SetSurfaceWidth(0);
    display->Initialize();
    EXPECT_EQ(display->BackSurface()->Width(), 1);
    EXPECT_EQ(display->BackSurface()->Height(), 600);
}

TEST_F(DisplayTest, ResizingWhileInitialisedMakesANewSurface) {
    display->Initialize();
    log.clear();
    display->SetSurfaceWidth(320);
    EXPECT_EQ(display->BackSurface()->Width(), 320);
    EXPECT_EQ(log, (std::vector<std::string>{"OnFinalizeSurface", "OnInitializeSurface"}));
}

TEST_F(DisplayTest, AReinitialisedDisplayHasAFreshCanvas) {
    display->Initialize();
    display->BackSurface()->Canvas().Font.Size = 24;
    display->BackSurface()->Canvas().Brush.SetStyle(bsClear);
    display->Finalize();
    display->Initialize();
    EXPECT_EQ(display->BackSurface()->Canvas().Font.Size, 9);
    EXPECT_EQ(display->BackSurface()->Canvas().Brush.Style(), bsSolid);
}

TEST_F(DisplayTest, PresentNeitherFailsWhileTheCanvasHoldsTheSurfaceNorWhenFinalised) {
    display->Initialize();
    display->BackSurface()->Canvas().RoundRect(0, 0, 10, 10, 2, 2);
    EXPECT_FALSE(display->BackSurface()->Fill(4));
    display->PresentFrame();
    display->BackSurface()->Canvas().Release();
    EXPECT_TRUE(display->BackSurface()->Fill(4));
    display->PresentFrame();
    display->Finalize();
    display->PresentFrame();
}

TEST_F(DisplayTest, AnExceptionInAFinalisingHandlerStillFinalisesEverything) {
    display->Initialize();
    display->OnFinalizeSurface = [](TDisplay&) { throw std::runtime_error("handler"); };
    EXPECT_THROW(display->Finalize(), std::runtime_error);
    EXPECT_FALSE(display->Initialized());
    EXPECT_EQ(log.back(), "OnFinalize");
}

}  // namespace
