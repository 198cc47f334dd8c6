#include "tools/script/ScriptRunner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "tests/tools/ScriptFixture.h"

namespace {

using ScriptRunnerTest = testsupport::ScriptTest;

TEST_F(ScriptRunnerTest, FromTheOpeningThroughTheTitleToTheBestTenBoardAndBack) {
    const std::string out = run(R"(
        time 12:34:56.789
        start
        frame 16        # the opening is set up
        dump
        frame 16 200    # 1 unit of countdown a frame
        dump
        key space       # skip the rest of the opening
        frame 16
        dump
        key enter
        frame 16
        dump
        key enter
        frame 16
        dump
        quit
    )");
    const auto printed = dumps(out);
    ASSERT_EQ(printed.size(), 5u);
    EXPECT_NE(out.find("sound: 1\n"), std::string::npos);  // the title's sound, item 1
    EXPECT_EQ(field(printed[0], "state"), "1");
    EXPECT_EQ(field(printed[0], "phase_clock"), "256");
    EXPECT_EQ(field(printed[1], "phase_clock"), "56");
    EXPECT_EQ(field(printed[1], "lag_count"), "16");
    EXPECT_EQ(field(printed[2], "state"), "3");
    EXPECT_EQ(field(printed[2], "pending_sound"), "2");
    EXPECT_EQ(field(printed[3], "state"), "2");
    EXPECT_EQ(field(printed[4], "state"), "3");
    EXPECT_EQ(field(printed[4], "fullscreen"), "true");
    EXPECT_EQ(field(printed[4], "timer_enabled"), "true");
    EXPECT_EQ(std::filesystem::file_size("Hisc.dat"), 1408u);
}

TEST_F(ScriptRunnerTest, TheSameSeedAndKeysReplayTheSameGame) {
    const std::string script = R"(
        time 01:02:03.004
        start
        frame 16 2
        key space
        frame 16
        key space
        frame 16 150
        key 1
        frame 300 20
        key 2
        frame 16 3
        dump
    )";
    const std::string first = run(script);
    std::filesystem::remove("Hisc.dat");
    EXPECT_EQ(run(script), first);
    EXPECT_EQ(field(first, "state"), "6");
    EXPECT_NE(field(first, "block_count"), "0");
}

TEST_F(ScriptRunnerTest, AltEnterAndEscapeAsKeys) {
    const auto printed = dumps(run(R"(
        start
        frame 16
        key enter +alt
        frame 16
        dump
        key esc
        frame 16
        dump
    )"));
    ASSERT_EQ(printed.size(), 1u);  // Esc ended the program before the second dump
    EXPECT_EQ(field(printed[0], "fullscreen"), "false");
    EXPECT_EQ(field(printed[0], "display_initialized"), "true");
}

TEST_F(ScriptRunnerTest, MessageBoxesArePrinted) {
    std::filesystem::create_directory("Hisc.dat");  // no file to load, and none can be saved
    EXPECT_EQ(run("start\nframe 16\nquit\n"),
              "msgbox: プドロク: ファイルへのアクセスが拒否されました.\n");
}

TEST_F(ScriptRunnerTest, BadCommandsNameTheirLine) {
    std::ostringstream out;
    tools::ScriptRunner runner(out);
    std::istringstream script("start\nframe\n");
    try {
        runner.run(script);
        FAIL();
    } catch (const tools::ScriptError& error) {
        EXPECT_STREQ(error.what(), "line 2: frame wants LAG [N]");
    }
    EXPECT_THROW(runner.execute("launch"), std::invalid_argument);
    EXPECT_THROW(runner.execute("key tab"), std::invalid_argument);
}

// A game that enters the table, then the title left alone: its replay plays as the demo
// after 30 seconds, silent, and a key brings the title back without starting a game.
TEST_F(ScriptRunnerTest, TheTitlesDemoPlaysTheBestEntrysReplayUntilAKey) {
    std::string script = "attract on\nstart\nframe 16\nkey space\nframe 16\nkey space\n";
    script += "frame 16 150\n";
    for (int answer = 0; answer < 25; ++answer) {
        script += "answer\nframe 16 10\n";
    }
    script += "frame 2000 40\nkey space\nframe 16\nkey space\nframe 16\n";  // back to the title
    script +=
        "dump\nframe 1000 29\ndump\nframe 1000\nframe 16 5\ndump\nkey space\nframe 16\ndump\n";
    const std::string out = run(script);
    const auto printed = dumps(out);
    ASSERT_EQ(printed.size(), 4u);
    EXPECT_EQ(field(printed[0], "state"), "3");
    EXPECT_NE(field(printed[0], "new_rank"), "0");
    EXPECT_EQ(field(printed[1], "playback"), "");  // 29 seconds are not enough
    EXPECT_EQ(field(printed[2], "playback"), "\"DEMO\"");
    EXPECT_EQ(field(printed[2], "state"), "5");  // the recorded game's curtain
    EXPECT_EQ(field(printed[3], "playback"), "");
    EXPECT_EQ(field(printed[3], "state"), "3");
    const std::size_t demoStart = out.find("\"DEMO\"");
    EXPECT_EQ(out.find("sound:", demoStart), std::string::npos);  // the demo is silent
}

}  // namespace
