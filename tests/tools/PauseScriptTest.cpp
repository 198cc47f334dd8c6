// The pause through the scripted runner: P and the focus leaving pause a game under way, and
// no play time passes until P or a click resumes it.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "replay/Verification.h"
#include "tests/tools/ScriptFixture.h"

namespace {

using PauseScriptTest = testsupport::ScriptTest;

// From the start to a game under way, one answer given.
constexpr const char* GameUnderWay = R"(
    time 01:02:03.004
    start
    frame 16
    key space
    frame 16
    key space
    frame 16 150
    answer
    frame 16 10
)";

TEST_F(PauseScriptTest, NoPlayTimePassesWhilePausedAndTheFirstFrameAfterCarriesItsOwnLag) {
    struct Case {
        const char* pause;
        const char* resume;
    };
    for (const Case& c : {Case{"key p", "key p"}, Case{"focus lost", "click game"},
                          Case{"focus lost", "focus back\nkey p"}}) {
        SCOPED_TRACE(c.pause);
        const auto printed = dumps(run(std::string(GameUnderWay) + "dump\n" + c.pause +
                                       "\nframe 16\ndump\nframe 1000 30\nanswer\nframe 16\n" +
                                       "dump\n" + c.resume + "\nframe 16\ndump\n"));
        ASSERT_EQ(printed.size(), 4u);
        EXPECT_EQ(field(printed[1], "paused"), "true");
        EXPECT_EQ(field(printed[2], "paused"), "true");
        for (const char* name : {"time_left", "block_count", "score", "board"}) {
            EXPECT_EQ(field(printed[2], name), field(printed[0], name)) << name;
        }
        EXPECT_EQ(field(printed[3], "paused"), "false");
        EXPECT_EQ(std::stoi(field(printed[3], "time_left")),
                  std::stoi(field(printed[0], "time_left")) - 16);
    }
}

TEST_F(PauseScriptTest, OnlyAGameUnderWayPauses) {
    const auto printed = dumps(run(R"(
        start
        frame 16
        key p
        frame 16
        dump        # the opening
        focus lost
        frame 16
        dump
    )"));
    ASSERT_EQ(printed.size(), 2u);
    EXPECT_EQ(field(printed[0], "paused"), "false");
    EXPECT_EQ(field(printed[1], "paused"), "false");
}

std::string onlyReplayBytes() {
    std::filesystem::directory_iterator files("replays");
    const std::filesystem::path file = files->path();
    EXPECT_EQ(++files, std::filesystem::directory_iterator());
    EXPECT_TRUE(replay::verifyReplayFile(file).valid) << replay::verifyReplayFile(file).reason;
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A paused game's replay is the replay of the same game without its pauses.
TEST_F(PauseScriptTest, AReplayWithPausesVerifiesAndRecordsNoPause) {
    const std::string ending = "frame 2000 40\n";  // the time runs out until the game is over
    std::string answers;
    for (int i = 0; i < 3; ++i) {
        answers += "answer\nframe 16 10\n";
    }
    const std::string pauses =
        "key p\nframe 16 20\nkey p\nfocus lost\nframe 500 4\nfocus back\nclick game\n";
    run(GameUnderWay + answers + answers + ending);
    const std::string unpaused = onlyReplayBytes();
    std::filesystem::remove_all("replays");
    std::filesystem::remove("Hisc.dat");  // the same table to start from
    run(GameUnderWay + answers + pauses + answers + ending);
    EXPECT_EQ(onlyReplayBytes(), unpaused);
}

}  // namespace
