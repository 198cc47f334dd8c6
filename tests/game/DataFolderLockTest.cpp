#include "game/DataFolderLock.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <optional>

#include "tests/support/TempDirectory.h"

namespace {

using game::AlreadyRunning;
using game::DataFolderLock;

TEST(DataFolderLock, ASecondCopyInTheSameFolderIsRefusedUntilTheFirstEnds) {
    testsupport::TempWorkingDirectory directory;
    std::optional<DataFolderLock> first(std::in_place, ".");
    EXPECT_TRUE(first->held());
    try {
        DataFolderLock second(".");
        FAIL() << "the second copy took the folder";
    } catch (const AlreadyRunning& error) {
        EXPECT_STREQ(error.what(), "プドロクは既に起動しています。");
    }
    std::filesystem::create_directory("other");
    EXPECT_TRUE(DataFolderLock("other").held());
    first.reset();
    EXPECT_TRUE(DataFolderLock(".").held());
}

TEST(DataFolderLock, AFolderWithoutRoomForTheLockFileIsNotLocked) {
    testsupport::TempWorkingDirectory directory;
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root writes into a read-only folder";
    }
    std::filesystem::create_directory("read-only");
    ::chmod("read-only", 0555);
    DataFolderLock lock("read-only");
    EXPECT_FALSE(lock.held());
    DataFolderLock again("read-only");
    EXPECT_FALSE(again.held());
}

}  // namespace
