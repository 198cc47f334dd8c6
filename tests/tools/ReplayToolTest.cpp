// pudorock-replay run as a program: its JSON lines, its header lines and its exit statuses.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <fstream>
#include <numeric>
#include <sstream>
#include <string>
#include <vector>

#include "replay/ReplayCodec.h"
#include "replay/ReplayFile.h"
#include "tests/support/RecordedGame.h"
#include "tests/support/TempDirectory.h"
#include "version/Version.h"

extern char** environ;

namespace replay {
namespace {

struct ToolRun {
    int status = -1;
    std::string out;
};

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The program with these arguments, its output kept; the exit status, or -1 when it did not
// exit by itself.
ToolRun runTool(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), REPLAY_TOOL_PATH);
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "out.txt", O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int error = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ToolRun run;
    int status = 0;
    if (error == 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
        run.status = WEXITSTATUS(status);
    }
    run.out = fileText("out.txt");
    return run;
}

class ReplayToolTest : public ::testing::Test {
  protected:
    void SetUp() override {
        writeReplayFile("good.pdrp", game_);
        Replay cheated = game_;
        cheated.claim.score += 100;
        writeReplayFile("cheated.pdrp", cheated);
    }

    std::int64_t playMs() const {
        return std::accumulate(game_.lags.begin(), game_.lags.end(), std::int64_t{0});
    }

    testsupport::TempWorkingDirectory folder_;
    const Replay game_ = testsupport::recordGame(9);
};

TEST_F(ReplayToolTest, VerifyPrintsOneJsonLineAFileAndFailsWhenAnyIsInvalid) {
    const ToolRun run = runTool({"verify", "good.pdrp", "cheated.pdrp", "none.pdrp"});
    EXPECT_EQ(run.status, 1);
    const Claim& claim = game_.claim;
    const std::string counts = ",\"level\":" + std::to_string(claim.level) +
                               ",\"blocks\":" + std::to_string(claim.blocks) +
                               ",\"frames\":" + std::to_string(game_.lags.size()) +
                               ",\"play_ms\":" + std::to_string(playMs()) + ",";
    EXPECT_EQ(run.out,
              "{\"file\":\"good.pdrp\",\"valid\":true,\"score\":" + std::to_string(claim.score) +
                  counts + "\"reason\":\"\"}\n" +
                  "{\"file\":\"cheated.pdrp\",\"valid\":false,\"score\":" +
                  std::to_string(claim.score + 100) + counts + "\"reason\":\"claims score " +
                  std::to_string(claim.score + 100) + ", the game reaches " +
                  std::to_string(claim.score) + "\"}\n" +
                  "{\"file\":\"none.pdrp\",\"valid\":false,\"score\":0,\"level\":0,\"blocks\":0,"
                  "\"frames\":0,\"play_ms\":0,\"reason\":\"none.pdrp: No such file or "
                  "directory\"}\n");
    EXPECT_EQ(runTool({"verify", "good.pdrp", "good.pdrp"}).status, 0);
}

TEST_F(ReplayToolTest, AFileNameIsEscapedAsJson) {
    const std::string name = "a \"quoted\"\\\n\xff name.pdrp";
    writeReplayFile(name, game_);
    const ToolRun run = runTool({"verify", name});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.starts_with(
        "{\"file\":\"a \\\"quoted\\\"\\\\\\u000a\xef\xbf\xbd name.pdrp\",\"valid\":true,"))
        << run.out;
}

TEST_F(ReplayToolTest, InfoShowsTheHeaderWithoutReRunning) {
    const ToolRun run = runTool({"info", "cheated.pdrp"});
    EXPECT_EQ(run.status, 0);
    const Claim& claim = game_.claim;
    std::ostringstream expected;
    expected << "file: cheated.pdrp\n"
             << "size: " << encodeReplay(game_).size() << " bytes\n"
             << "format: 1\n"
             << "rules: 1\n"
             << "random state: 9\n"
             << "played at: 2023-11-14T22:13:20.000Z\n"
             << "claim: score " << claim.score + 100 << ", level " << claim.level << ", blocks "
             << claim.blocks << "\n"
             << "frames: " << game_.lags.size() << "\n"
             << "answers: " << game_.answers.size() << "\n"
             << "play time: " << playMs() << " ms\n";
    EXPECT_EQ(run.out, expected.str());
    EXPECT_EQ(runTool({"info", "none.pdrp"}).status, 1);
}

TEST_F(ReplayToolTest, UsageErrorsExitWithTwoAndHelpAndVersionWithZero) {
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{},
                                                      {"verify"},
                                                      {"info"},
                                                      {"info", "a", "b"},
                                                      {"check", "a"},
                                                      {"verify", "--fast", "good.pdrp"},
                                                      {"--fast"}}) {
        EXPECT_EQ(runTool(arguments).status, 2) << ::testing::PrintToString(arguments);
    }
    const ToolRun help = runTool({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("verify"), std::string::npos);
    const ToolRun shown = runTool({"--version"});
    EXPECT_EQ(shown.status, 0);
    EXPECT_EQ(shown.out, std::string("pudorock-replay ") + version::Version + "\n");
}

}  // namespace
}  // namespace replay
