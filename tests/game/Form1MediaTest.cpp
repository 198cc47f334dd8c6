// The game window's pictures, colour table and sounds, with the real assets.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

#include "assets/Assets.h"
#include "game/GameSession.h"
#include "platform/HeadlessDrivers.h"
#include "tests/support/TempDirectory.h"

namespace {

using namespace game;

class Form1MediaTest : public ::testing::Test {
  protected:
    void SetUp() override { platform::useHeadlessDrivers(); }

    void start() {
        session.emplace(clock, boxes);
        app = &session->application();
        g = &session->globals();
        form = &session->form();
        form->WaveList1.OnPlay = [this](int index) { started.push_back(index); };
        form->Show();
    }

    void frame() {
        clock.advance(16);
        session->runFrame();
    }

    testsupport::TempWorkingDirectory directory;
    platform::ManualClock clock{1000};
    platform::RecordedMessageBoxes boxes;
    std::optional<GameSession> session;
    platform::Application* app = nullptr;
    core::GameGlobals* g = nullptr;
    TForm1* form = nullptr;
    std::vector<int> started;
};

TEST_F(Form1MediaTest, TheColourTableHoldsTheLogoCubeThenTheFirstBlockSheetColours) {
    start();
    const media::TColorTable& table = form->Display1.DefaultColorTable;
    EXPECT_EQ(table, form->PictureList1.Items().ColorTable);
    EXPECT_EQ(table, form->Display1.ColorTable);
    // The logo's 6 x 6 x 6 cube in entry order, less its eight corners: black and the seven
    // others are standard colours already.
    int next = 8;
    for (int i = 0; i < 216; ++i) {
        const int levels[3] = {i % 6, i / 6 % 6, i / 36};
        if (std::all_of(levels, levels + 3, [](int level) { return level == 0 || level == 5; })) {
            continue;
        }
        const auto red = static_cast<std::uint8_t>(51 * levels[0]);
        const auto green = static_cast<std::uint8_t>(51 * levels[1]);
        const auto blue = static_cast<std::uint8_t>(51 * levels[2]);
        EXPECT_EQ(table[next], (media::ColorEntry{blue, green, red, 0})) << next;
        ++next;
    }
    EXPECT_EQ(next, 216);
    const auto sheet = form->PictureList1.Items(2).Picture.colorTable256();
    EXPECT_TRUE(std::equal(sheet.begin() + 8, sheet.begin() + 40, table.begin() + 216));
}

TEST_F(Form1MediaTest, ThePicturesAreConvertedWhenTheDisplayInitialises) {
    start();
    EXPECT_EQ(form->PictureList1.Items().Count(), assets::PictureCount);
    EXPECT_EQ(form->PictureList1.Items(0).PatternCount(), 1);
    EXPECT_EQ(form->PictureList1.Items(1).PatternCount(), 1);
    EXPECT_EQ(form->PictureList1.Items(2).PatternCount(), 18);
    EXPECT_FALSE(form->PictureList1.Items(2).Transparent);
}

TEST_F(Form1MediaTest, TheFramePlaysThePendingSoundOnce) {
    start();
    ASSERT_TRUE(form->SoundDevice1.Initialized());
    EXPECT_EQ(form->WaveList1.Items().Count(), assets::SoundCount);
    g->PendingSound = 4;
    frame();
    EXPECT_EQ(g->PendingSound, 0);
    frame();
    EXPECT_EQ(started, std::vector<int>{3});
}

TEST_F(Form1MediaTest, WithoutASoundDeviceTheGameRunsSilentAndKeepsTheSoundPending) {
    setenv("SDL_AUDIODRIVER", "none-such", 1);
    start();
    EXPECT_FALSE(form->SoundDevice1.Initialized());
    g->PendingSound = 4;
    frame();
    EXPECT_EQ(g->PendingSound, 4);
    EXPECT_TRUE(started.empty());
    EXPECT_TRUE(boxes.shown().empty());
}

}  // namespace
