// F12's screenshot and a new game straight from the game-over screen, through the scripted
// runner.

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/PngFile.h"
#include "tests/tools/ScriptFixture.h"

namespace {

using ComfortKeysScriptTest = testsupport::ScriptTest;

TEST_F(ComfortKeysScriptTest, F12SavesTheFrameIntoScreenshotsAndSaysWhere) {
    const auto printed = dumps(run("start\nframe 16 3\nkey f12\nframe 16\ndump\n"));
    ASSERT_EQ(printed.size(), 1u);
    std::filesystem::directory_iterator shots("screenshots");
    ASSERT_NE(shots, std::filesystem::directory_iterator());
    const std::filesystem::path shot = shots->path();
    EXPECT_EQ(shot.extension(), ".png");
    EXPECT_TRUE(shot.filename().string().starts_with("pudorock-"));
    const platform::ArgbImage image = platform::loadPng(shot.string());
    EXPECT_EQ(image.width, 800);
    EXPECT_EQ(image.height, 600);
    EXPECT_NE(field(printed[0], "note").find("screenshots/pudorock-"), std::string::npos);
}

TEST_F(ComfortKeysScriptTest, EnterOrRAfterAGameOverStartsTheNextGameAtOnce) {
    for (const char* key : {"enter", "r"}) {
        SCOPED_TRACE(key);
        const auto printed = dumps(run(std::string("start\nframe 16\nkey space\nframe 16\n") +
                                       "key space\nframe 16 150\nframe 2000 40\ndump\nkey " + key +
                                       "\nframe 16\ndump\n"));
        ASSERT_EQ(printed.size(), 2u);
        EXPECT_EQ(field(printed[0], "game_over_phase"), "2");
        EXPECT_EQ(field(printed[1], "state"), "5");  // the new game's curtain
        EXPECT_EQ(field(printed[1], "game_over_phase"), "0");
    }
}

// A character the ranking cannot carry is refused as it is typed, and a line says which.
TEST_F(ComfortKeysScriptTest, TheDialogNamesTheCharacterItRefused) {
    const auto printed = dumps(run(R"(
        start
        frame 16
        key space
        frame 16
        key enter +shift
        frame 16
        type name A\xF0\x9F\x98\x80B
        dump
        type name CD
        dump
        click close
    )"));
    ASSERT_EQ(printed.size(), 2u);
    EXPECT_EQ(field(printed[0], "dialog_name"), "\"AB\"");
    EXPECT_NE(field(printed[0], "dialog_refused").find("「\U0001F600」"), std::string::npos);
    EXPECT_EQ(field(printed[1], "dialog_refused"), "\"\"");
}

}  // namespace
