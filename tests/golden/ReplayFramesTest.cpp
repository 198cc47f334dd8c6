// A long game played through the runner, then watched from its replay: the replay reaches the
// runner's own result, and the watched frames are the played ones but for the panel's mark.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "platform/HeadlessDrivers.h"
#include "platform/PngFile.h"
#include "replay/ReplayFile.h"
#include "replay/Verification.h"
#include "tests/support/TempDirectory.h"
#include "tools/script/ScriptRunner.h"

namespace {

namespace fs = std::filesystem;

constexpr int Answers = 260;  // five a level: beyond level 50

// Runs lines one by one, so that the test can look at the game between them.
class ScriptedGame {
  public:
    ScriptedGame() : runner_(out_) {}
    void line(const std::string& text) { runner_.execute(text); }
    const core::GameGlobals& shown() { return runner_.form()->ShownGlobals(); }
    std::string dump() {
        out_.str("");
        line("dump");
        return out_.str();
    }

  private:
    std::ostringstream out_;
    tools::ScriptRunner runner_;
};

// From the title's Space, so that frame 0 of the replay is the new game's frame. A perfect
// player answers every other frame, then stops and lets the time run out; frames are shot on
// the curtain, in play, and as the result is entered. Returns the frame of the result.
int play(ScriptedGame& game) {
    for (const char* line :
         {"time 07:08:09.010", "start", "frame 16", "key space", "frame 16", "key space"}) {
        game.line(line);
    }
    int answers = 0;
    for (int frame = 0;; ++frame) {
        if (game.shown().State == core::gsPlay && frame % 2 == 0 && answers++ < Answers) {
            game.line("answer");
        }
        game.line(answers < Answers ? "frame 16" : "frame 200");
        if (frame == 70 || frame == 400 || game.shown().GameOverPhase == 2) {
            game.line("shot play-" + std::to_string(frame) + ".png");
        }
        if (game.shown().GameOverPhase == 2) {
            return frame;
        }
    }
}

std::string field(const std::string& dump, const std::string& name) {
    auto at = dump.rfind("\"" + name + "\":");
    at += name.size() + 3;
    return dump.substr(at, dump.find_first_of(",}", at) - at);
}

// Where the panel shows the playback's mark.
bool inMarkArea(int x, int y) {
    return x >= 600 && y >= 550;
}

int differingPixels(const std::string& a, const std::string& b) {
    const platform::ArgbImage first = platform::loadPng(a);
    const platform::ArgbImage second = platform::loadPng(b);
    int differing = 0;
    for (int y = 0; y < first.height; ++y) {
        for (int x = 0; x < first.width; ++x) {
            differing += first.at(x, y) != second.at(x, y) && !inMarkArea(x, y) ? 1 : 0;
        }
    }
    return differing;
}

TEST(ReplayFramesTest, AWatchedGameReachesThePlayedResultAndShowsItsFrames) {
    platform::useHeadlessDrivers();
    testsupport::TempWorkingDirectory directory;
    ScriptedGame player;
    const int resultFrame = play(player);
    const std::string played = player.dump();
    ASSERT_GT(std::stoi(field(played, "level")), 50);

    const fs::path replay = fs::directory_iterator("replays")->path();
    const replay::Verdict verdict = replay::verifyReplayFile(replay);
    ASSERT_TRUE(verdict.valid) << verdict.reason;
    EXPECT_EQ(verdict.frames, static_cast<std::uint32_t>(resultFrame + 1));
    EXPECT_EQ(std::to_string(verdict.reached.score), field(played, "score"));
    EXPECT_EQ(std::to_string(verdict.reached.level), field(played, "level"));
    EXPECT_EQ(std::to_string(verdict.reached.blocks), field(played, "cleared_blocks"));

    // Each runner frame with the recorded lag steps one recorded frame.
    ScriptedGame watcher;
    watcher.line("replay " + replay.string());
    watcher.line("start");
    const std::vector<std::int32_t> lags = replay::readReplayFile(replay).lags;
    for (int frame = 0; frame <= resultFrame; ++frame) {
        watcher.line("frame " + std::to_string(lags[frame]));
        if (frame == 70 || frame == 400 || frame == resultFrame) {
            watcher.line("shot watch-" + std::to_string(frame) + ".png");
        }
    }
    const std::string watched = watcher.dump();
    EXPECT_EQ(field(watched, "playback"), "\"REPLAY\"");
    EXPECT_EQ(field(watched, "score"), field(played, "score"));
    for (const int frame : {70, 400, resultFrame}) {
        const std::string name = std::to_string(frame) + ".png";
        EXPECT_EQ(differingPixels("play-" + name, "watch-" + name), 0) << "frame " << frame;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator("replays"), fs::directory_iterator()), 1);
}

}  // namespace
