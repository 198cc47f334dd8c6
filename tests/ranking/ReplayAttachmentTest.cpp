// A replay file goes with a submission whole, or not at all.

#include "ranking/ReplayAttachment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "protocol/RankingProtocol.h"
#include "tests/support/TempDirectory.h"

namespace {

TEST(ReplayAttachmentTest, AFileThatCannotGoWholeIsLeftOut) {
    testsupport::TempWorkingDirectory directory;
    std::filesystem::create_directory("folder.pdrp");
    const std::string largest(protocol::MaxReplayBytes, '\x01');
    std::ofstream("largest.pdrp", std::ios::binary) << largest;
    std::ofstream("larger.pdrp", std::ios::binary) << largest << 'x';
    EXPECT_EQ(ranking::readReplayAttachment("largest.pdrp"), largest);
    for (const char* left : {"larger.pdrp", "missing.pdrp", "folder.pdrp"}) {
        EXPECT_EQ(ranking::readReplayAttachment(left), "") << left;
    }
}

}  // namespace
