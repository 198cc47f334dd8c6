// settings.ini: what it holds, what a damaged one gives, and what a rewrite keeps.

#include "game/Settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string_view>

#include "tests/support/TempDirectory.h"

namespace {

class SettingsTest : public ::testing::Test {
  protected:
    static void write(const std::string& text) {
        std::ofstream(game::SettingsFileName, std::ios::binary) << text;
    }
    static std::string read(const std::string& name = game::SettingsFileName) {
        std::ifstream in(name, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    testsupport::TempWorkingDirectory directory;
};

TEST_F(SettingsTest, NoFileGivesTheDefaults) {
    const game::LoadedSettings loaded = game::loadSettings({});
    EXPECT_FALSE(loaded.settings.windowed);
    EXPECT_FALSE(loaded.settings.window);
    EXPECT_EQ(loaded.settings.volume, 100);
    EXPECT_FALSE(loaded.settings.mute);
    EXPECT_FALSE(loaded.settings.howToPlaySeen);
    EXPECT_TRUE(loaded.damage.empty());
}

TEST_F(SettingsTest, WhatIsSavedIsReadBackAndWhatOthersWroteIsKept) {
    write(
        "top = level\n[display]\nmode = fullscreen\nfuture = 1\n[general]\nlanguage = ja\n"
        "[theirs]\nkey = a value ; with a comment\n");
    game::LoadedSettings loaded = game::loadSettings({});
    EXPECT_EQ(loaded.settings.language, text::Language::Japanese);
    game::Settings changed = loaded.settings;
    changed.windowed = true;
    changed.window = game::WindowPlace{-10, 20, 1600, 1200};
    changed.volume = 30;
    changed.mute = true;
    changed.reduceFlashing = true;
    changed.howToPlaySeen = true;
    game::saveSettings(changed, loaded.document, {});

    const game::LoadedSettings again = game::loadSettings({});
    ASSERT_TRUE(again.damage.empty()) << again.damage;
    EXPECT_EQ(again.settings.windowed, std::optional<bool>(true));
    ASSERT_TRUE(again.settings.window);
    EXPECT_EQ(again.settings.window->x, -10);
    EXPECT_EQ(again.settings.window->height, 1200);
    EXPECT_EQ(again.settings.volume, 30);
    EXPECT_TRUE(again.settings.mute);
    EXPECT_TRUE(again.settings.reduceFlashing);
    EXPECT_TRUE(again.settings.howToPlaySeen);
    for (const char* kept :
         {"top = level\n", "future = 1\n", "language = ja\n", "[theirs]\n", "key = a value\n"}) {
        EXPECT_NE(read().find(kept), std::string::npos) << kept << " in\n" << read();
    }
    EXPECT_EQ(read().find("top = level"), 0u);  // before the first section
}

TEST_F(SettingsTest, TheLanguageIsJaOrEnAndAnyOtherIsIgnoredWithoutDamage) {
    struct Case {
        const char* value;
        std::optional<text::Language> language;
    };
    for (const Case& c :
         {Case{"ja", text::Language::Japanese}, Case{"en", text::Language::English},
          Case{"fr", std::nullopt}, Case{"EN", std::nullopt}, Case{"", std::nullopt}}) {
        SCOPED_TRACE(c.value);
        write(std::string("[general]\nlanguage = ") + c.value + "\n[sound]\nvolume = 40\n");
        const game::LoadedSettings loaded = game::loadSettings({});
        EXPECT_TRUE(loaded.damage.empty()) << loaded.damage;
        EXPECT_EQ(loaded.settings.language, c.language);
        EXPECT_EQ(loaded.settings.volume, 40);
    }
}

TEST_F(SettingsTest, ADamagedFileIsPutAsideAndGivesTheDefaults) {
    using namespace std::string_view_literals;
    struct Case {
        std::string_view text;
        const char* reason;
    };
    for (const Case& c : {
             Case{"[sound]\nvolume = 40\nno equals sign here\n", "3 行目"},
             Case{"[sound\nvolume = 40\n", "1 行目"},
             Case{"[sound]\nvolume = 101\n", "\"101\""},
             Case{"[sound]\nvolume = loud\n", "\"loud\""},
             Case{"[sound]\nmute = perhaps\n", "\"perhaps\""},
             Case{"[display]\nmode = tiny\n", "\"tiny\""},
             Case{"[general]\nhow_to_play_seen = once\n", "\"once\""},
             Case{"[window]\nx = 1\ny = 1\nwidth = 0\nheight = 600\n", "\"0\""},
             Case{"[sound]\nvolume = 40\n\0[sound]\nvolume = 50\n"sv, "NUL"},
         }) {
        SCOPED_TRACE(c.text);
        write(std::string(c.text));
        const std::string before = read();
        const game::LoadedSettings loaded = game::loadSettings({});
        EXPECT_NE(loaded.damage.find(c.reason), std::string::npos) << loaded.damage;
        EXPECT_EQ(loaded.settings.volume, 100);
        EXPECT_FALSE(std::filesystem::exists(game::SettingsFileName));
        EXPECT_EQ(read("settings.ini.damaged"), before);
    }
    write(std::string(game::SettingsReadLimit + 1, '#'));
    EXPECT_FALSE(game::loadSettings({}).damage.empty());
}

}  // namespace
