// The frames that frames.script shoots, pixel for pixel against the stored PNGs. With
// PUDOROCK_UPDATE_GOLDEN=1 in the environment the stored PNGs are written anew instead.

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "platform/HeadlessDrivers.h"
#include "tests/support/TempDirectory.h"
#include "tools/script/ScriptRunner.h"

namespace {

namespace fs = std::filesystem;

const fs::path GoldenDir = GOLDEN_DIR;

using Image = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

Image loadArgb(const fs::path& path) {
    Image loaded(IMG_Load(path.c_str()), &SDL_FreeSurface);
    if (!loaded) {
        return Image(nullptr, &SDL_FreeSurface);
    }
    return Image(SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_ARGB8888, 0),
                 &SDL_FreeSurface);
}

std::uint32_t pixelAt(const SDL_Surface& image, int x, int y) {
    const auto* row = static_cast<const std::uint8_t*>(image.pixels) + y * image.pitch;
    return reinterpret_cast<const std::uint32_t*>(row)[x];
}

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
    const Image actual = loadArgb(shot);
    const Image expected = loadArgb(golden);
    ASSERT_TRUE(actual) << shot;
    ASSERT_TRUE(expected) << golden;
    ASSERT_EQ(actual->w, expected->w);
    ASSERT_EQ(actual->h, expected->h);
    int differing = 0;
    std::string first;
    for (int y = 0; y < actual->h; ++y) {
        for (int x = 0; x < actual->w; ++x) {
            if (pixelAt(*actual, x, y) != pixelAt(*expected, x, y)) {
                if (differing++ == 0) {
                    first = std::to_string(x) + ", " + std::to_string(y);
                }
            }
        }
    }
    EXPECT_EQ(differing, 0) << "pixels differ, the first at " << first;
}

INSTANTIATE_TEST_SUITE_P(Screens, GoldenFrameTest,
                         ::testing::Values("opening.png", "title.png", "best-ten.png",
                                           "game-over.png"),
                         [](const auto& info) {
                             std::string name = info.param;
                             name = name.substr(0, name.find('.'));
                             std::erase(name, '-');
                             return name;
                         });

}  // namespace
