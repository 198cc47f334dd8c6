// Replay files on disk: written whole or not at all, read within the size bound, and every
// error naming its file.

#include "replay/ReplayFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <system_error>

#include "replay/ReplayCodec.h"
#include "replay/ReplayError.h"
#include "tests/support/RecordedGame.h"
#include "tests/support/TempDirectory.h"

namespace replay {
namespace {

namespace fs = std::filesystem;

class ReplayFileTest : public ::testing::Test {
  protected:
    // Every file in the folder, temporaries included.
    std::vector<std::string> filesInFolder() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_.path())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    static std::string readErrorOf(const fs::path& path) {
        try {
            readReplayFile(path);
        } catch (const ReplayError& error) {
            return error.what();
        }
        return "";
    }

    static void writeBytes(const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    testsupport::TempWorkingDirectory folder_;
    const Replay game_ = testsupport::recordGame(5);
};

TEST_F(ReplayFileTest, AWrittenReplayReadsBackAndReplacesTheOldFileWhole) {
    writeBytes("game.pdrp", "an older file");
    writeReplayFile("game.pdrp", game_);
    EXPECT_EQ(readReplayFile("game.pdrp"), game_);
    EXPECT_EQ(filesInFolder(), std::vector<std::string>{"game.pdrp"});
    std::ifstream in("game.pdrp", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), encodeReplay(game_));
}

TEST_F(ReplayFileTest, AFailedWriteLeavesNoFileAndNamesTheFile) {
    EXPECT_THROW(
        {
            try {
                writeReplayFile("missing/game.pdrp", game_);
            } catch (const std::system_error& error) {
                EXPECT_STREQ(error.what(),
                             "cannot create a temporary file for missing/game.pdrp: No such file "
                             "or directory");
                throw;
            }
        },
        std::system_error);

    fs::create_directory("game.pdrp");  // the rename cannot replace a folder
    EXPECT_THROW(writeReplayFile("game.pdrp", game_), std::system_error);

    Replay impossible = game_;
    impossible.lags[0] = 0;
    EXPECT_THROW(writeReplayFile("other.pdrp", impossible), ReplayError);
    EXPECT_EQ(filesInFolder(), std::vector<std::string>{"game.pdrp"});
}

TEST_F(ReplayFileTest, ReadErrorsNameTheFile) {
    writeReplayFile("good.pdrp", game_);
    std::string bytes = encodeReplay(game_);
    bytes[200] ^= 1;
    writeBytes("damaged.pdrp", bytes);
    writeBytes("large.pdrp", encodeReplay(game_) + std::string(MaxFileBytes, 'x'));
    fs::create_directory("folder.pdrp");

    EXPECT_EQ(readErrorOf("good.pdrp"), "");
    EXPECT_EQ(readErrorOf("damaged.pdrp"), "damaged.pdrp: checksum does not match");
    EXPECT_EQ(readErrorOf("large.pdrp"), "large.pdrp: larger than 4 MB");
    EXPECT_EQ(readErrorOf("folder.pdrp"), "folder.pdrp: not a regular file");
    EXPECT_EQ(readErrorOf("none.pdrp"), "none.pdrp: No such file or directory");
}

}  // namespace
}  // namespace replay
