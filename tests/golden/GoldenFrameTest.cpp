// The frames that frames.script shoots, pixel for pixel against the stored PNGs. With
// PUDOROCK_UPDATE_GOLDEN=1 in the environment the stored PNGs are written anew instead.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "platform/HeadlessDrivers.h"
#include "platform/PngFile.h"
#include "tests/support/TempDirectory.h"
#include "tools/script/ScriptRunner.h"

namespace {

namespace fs = std::filesystem;

const fs::path GoldenDir = GOLDEN_DIR;

class GoldenFrameTest : public ::testing::TestWithParam<const char*> {
  protected:
    // The script runs once, in a directory of its own, for all the frames.
    static void SetUpTestSuite() {
        platform::useHeadlessDrivers();
        shots_ = std::make_unique<testsupport::TempWorkingDirectory>();
        std::ifstream script(GoldenDir / "frames.script");
        std::ostringstream out;
        tools::ScriptRunner runner(out);
        runner.run(script);
    }
    static void TearDownTestSuite() { shots_.reset(); }

    static std::unique_ptr<testsupport::TempWorkingDirectory> shots_;
};

std::unique_ptr<testsupport::TempWorkingDirectory> GoldenFrameTest::shots_;

TEST_P(GoldenFrameTest, MatchesTheStoredFrame) {
    const fs::path shot = shots_->path() / GetParam();
    const fs::path golden = GoldenDir / GetParam();
    if (std::getenv("PUDOROCK_UPDATE_GOLDEN") != nullptr) {
        fs::copy_file(shot, golden, fs::copy_options::overwrite_existing);
        GTEST_SKIP() << "written anew: " << golden;
    }
    const platform::ArgbImage actual = platform::loadPng(shot);
    const platform::ArgbImage expected = platform::loadPng(golden);
    ASSERT_EQ(actual.width, expected.width);
    ASSERT_EQ(actual.height, expected.height);
    int differing = 0;
    std::string first;
    for (int y = 0; y < actual.height; ++y) {
        for (int x = 0; x < actual.width; ++x) {
            if (actual.at(x, y) != expected.at(x, y)) {
                if (differing++ == 0) {
                    first = std::to_string(x) + ", " + std::to_string(y);
                }
            }
        }
    }
    EXPECT_EQ(differing, 0) << "pixels differ, the first at " << first;
}

INSTANTIATE_TEST_SUITE_P(Screens, GoldenFrameTest,
                         ::testing::Values("opening.png", "title.png", "how-to-play.png",
                                           "best-ten.png", "game-over.png"),
                         [](const auto& info) {
                             std::string name = info.param;
                             name = name.substr(0, name.find('.'));
                             std::erase(name, '-');
                             return name;
                         });

}  // namespace
