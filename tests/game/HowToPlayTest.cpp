// The how-to-play page: which keys open and close it, that the game waits unchanged behind it,
// and the title's hint that points at it.

#include <gtest/gtest.h>

#include "game/HowToPlayHint.h"
#include "game/Settings.h"
#include "tests/support/HeadlessGame.h"

namespace {

using namespace game;
using platform::ShiftState;
namespace vk = platform::vk;

constexpr ShiftState None{};
constexpr ShiftState Shift{.shift = true};
constexpr ShiftState Alt{.alt = true};
constexpr ShiftState Ctrl{.ctrl = true};

class HowToPlayTest : public ::testing::Test {
  protected:
    void press(std::uint16_t key, ShiftState shift = None) { game.press(key, shift); }
    void frame(std::uint32_t lag = 16) { game.frame(lag); }
    bool open() { return game.form().howToPlayOpen(); }

    void toTitle() {
        frame();
        press(vk::Space);
        frame();
        ASSERT_EQ(g.State, core::gsTitle);
    }

    void openPage() {
        toTitle();
        press(vk::letterKey('H'));
        ASSERT_TRUE(open());
    }

    testsupport::HeadlessGame game;
    core::GameGlobals& g = game.g;
};

struct KeyCase {
    const char* name;
    std::uint16_t key;
    ShiftState shift;
};

TEST_F(HowToPlayTest, OnlyHOrF1WithoutAltOrCtrlOpensItFromTheTitle) {
    toTitle();
    struct Case {
        KeyCase press;
        bool opens;
    };
    for (const Case& c : {
             Case{{"H", vk::letterKey('H'), None}, true},
             Case{{"Shift+H", vk::letterKey('H'), Shift}, true},
             Case{{"F1", vk::F1, None}, true},
             Case{{"Alt+H", vk::letterKey('H'), Alt}, false},
             Case{{"Ctrl+H", vk::letterKey('H'), Ctrl}, false},
             Case{{"Ctrl+F1", vk::F1, Ctrl}, false},
         }) {
        SCOPED_TRACE(c.press.name);
        press(c.press.key, c.press.shift);
        EXPECT_EQ(open(), c.opens);
        EXPECT_EQ(g.State, core::gsTitle);
        game.form().Window().onClick();
    }
    press(vk::F1, Alt);
    EXPECT_FALSE(open());
    EXPECT_EQ(g.ShowDebugInfo, 1);  // Alt+F1 keeps its own work
}

TEST_F(HowToPlayTest, NoOtherScreenOpensIt) {
    frame();
    ASSERT_EQ(g.State, core::gsIntro);
    press(vk::letterKey('H'));
    EXPECT_FALSE(open());
    press(vk::Space);
    frame();
    press(vk::Return);
    ASSERT_EQ(g.State, core::gsBestTen);
    press(vk::F1);
    EXPECT_FALSE(open());
    press(vk::Return);
    press(vk::Space);
    frame();
    ASSERT_EQ(g.State, core::gsCurtain);
    press(vk::letterKey('H'));
    EXPECT_FALSE(open());
}

// Back to the title, and the key does nothing there: Space starts no game, Esc ends nothing.
TEST_F(HowToPlayTest, AnyOtherKeyClosesItAndDoesNothingMore) {
    openPage();
    for (const KeyCase& c :
         {KeyCase{"Space", vk::Space, None}, KeyCase{"Enter", vk::Return, None},
          KeyCase{"Shift+Enter", vk::Return, Shift}, KeyCase{"Esc", vk::Escape, None},
          KeyCase{"digit", vk::Digit0 + 1, None}, KeyCase{"H", vk::letterKey('H'), None},
          KeyCase{"P", vk::letterKey('P'), None}}) {
        SCOPED_TRACE(c.name);
        press(c.key, c.shift);
        EXPECT_FALSE(open());
        EXPECT_EQ(g.State, core::gsTitle);
        EXPECT_FALSE(game.terminated());
        press(vk::F1);
        ASSERT_TRUE(open());
    }
    game.form().Window().onClick();
    EXPECT_FALSE(open());
}

TEST_F(HowToPlayTest, ModifiersVolumeAndDisplayModeLeaveItOpen) {
    openPage();
    press(vk::Menu, Alt);
    press(vk::F9);
    EXPECT_EQ(game.form().settings().volume, 90);
    press(vk::Return, Alt);
    EXPECT_FALSE(game.form().Display1.Options().contains(media::doFullScreen));
    EXPECT_TRUE(open());
    EXPECT_EQ(g.State, core::gsTitle);
}

// The title's frames wait: what the game draws afterwards is what it would have drawn.
TEST_F(HowToPlayTest, TheGameWaitsBehindThePageWithItsRandomDrawsUntouched) {
    toTitle();
    core::RandomGenerator expected = g.Random;
    expected.next(255);  // the one title frame after the page
    const std::int32_t pendingSound = g.PendingSound;
    press(vk::letterKey('H'));
    for (int i = 0; i < 50; ++i) {
        frame(100);
    }
    EXPECT_EQ(g.State, core::gsTitle);
    EXPECT_EQ(g.PendingSound, pendingSound);
    press(vk::Space);
    frame();
    EXPECT_EQ(g.State, core::gsTitle);
    EXPECT_EQ(g.Random.state(), expected.state());
}

TEST(HowToPlayHint, ShowsUntilThePageIsSeenOrTheTableHoldsAResult) {
    core::GameGlobals played;
    core::fillDefaultBestTen(played);
    core::EnterResult(played, 700, 2, 20);
    struct Case {
        bool seen;
        core::BestTenTable table;
        bool shown;
    };
    for (const Case& c :
         {Case{false, core::defaultBestTen(), true}, Case{true, core::defaultBestTen(), false},
          Case{false, played.BestTen, false}, Case{true, played.BestTen, false}}) {
        EXPECT_EQ(showsHowToPlayHint(c.seen, c.table), c.shown) << c.seen;
    }
}

TEST_F(HowToPlayTest, OpeningItOnceIsRememberedInTheSettings) {
    toTitle();
    EXPECT_TRUE(game.form().howToPlayHintShown());
    press(vk::F1);
    EXPECT_FALSE(game.form().howToPlayHintShown());
    game.form().Close();
    EXPECT_TRUE(loadSettings({}).settings.howToPlaySeen);
}

}  // namespace
