// The settings through the scripted runner: F8 to F10 and Alt+Enter change them, the next run
// starts with them, and a damaged file is reported once.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/tools/ScriptFixture.h"

namespace {

using SettingsScriptTest = testsupport::ScriptTest;

TEST_F(SettingsScriptTest, KeysChangeTheSettingsAndTheNextRunStartsWithThem) {
    const auto changed =
        dumps(run("start\nframe 16\nkey f9\nkey f9\nkey f8\nkey f10\nkey f8\n"
                  "frame 16\ndump\nkey enter +alt\nframe 16\n"));
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(field(changed[0], "note"), "\"消音\"");
    EXPECT_EQ(field(changed[0], "volume"), "90");  // F10 after a mute unmutes
    const auto next = dumps(run("start\nframe 16\ndump\n"));
    ASSERT_EQ(next.size(), 1u);
    EXPECT_EQ(field(next[0], "volume"), "90");
    EXPECT_EQ(field(next[0], "muted"), "true");
    EXPECT_EQ(field(next[0], "fullscreen"), "false");
    EXPECT_EQ(field(next[0], "note"), "\"\"");
}

TEST_F(SettingsScriptTest, ADamagedFileIsReportedOnceAndTheGameGoesOnWithTheDefaults) {
    std::ofstream("settings.ini") << "[sound]\nvolume = eleven\n";
    const std::string first = run("start\nframe 16\ndump\n");
    EXPECT_NE(first.find("msgbox: プドロク: 設定ファイル settings.ini が壊れていた"),
              std::string::npos);
    EXPECT_EQ(field(dumps(first).at(0), "volume"), "100");
    EXPECT_EQ(run("start\nframe 16\n").find("msgbox:"), std::string::npos);
}

}  // namespace
