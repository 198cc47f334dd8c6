// The frames that frames.script and frames-en.script shoot, pixel for pixel against the stored
// PNGs. With PUDOROCK_UPDATE_GOLDEN=1 in the environment the stored PNGs are written anew
// instead. The English run shows no Japanese character.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
#include <sstream>
#include <string>

#include "platform/HeadlessDrivers.h"
#include "platform/PngFile.h"
#include "tests/support/TempDirectory.h"
#include "text/Utf8.h"
#include "tools/script/ScriptRunner.h"

namespace {

namespace fs = std::filesystem;

const fs::path GoldenDir = GOLDEN_DIR;
// The English script runs in a folder of its own, so that it starts from no saved game too.
const fs::path EnglishFolder = "en";

// Kana, kanji, and the full-width and half-width forms.
bool isJapanese(char32_t c) {
    return (c >= 0x3000 && c <= 0x30FF) || (c >= 0x3400 && c <= 0x4DBF) ||
           (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xFF00 && c <= 0xFFEF);
}

class GoldenFrameTest : public ::testing::TestWithParam<const char*> {
  protected:
    // Each script runs once, in a directory of its own, for all its frames.
    static void SetUpTestSuite() {
        platform::useHeadlessDrivers();
        shots_ = std::make_unique<testsupport::TempWorkingDirectory>();
        run("frames.script");
        fs::create_directory(EnglishFolder);
        fs::current_path(EnglishFolder);
        englishCharacters_ = run("frames-en.script");
        fs::current_path(shots_->path());
    }
    static void TearDownTestSuite() { shots_.reset(); }

    // Every character the run drew on the game's frames, printed (message boxes, the dialog's
    // texts in its dumps) or typed.
    static std::set<char32_t> run(const char* scriptName) {
        std::ifstream script(GoldenDir / scriptName);
        std::ostringstream out;
        tools::ScriptRunner runner(out);
        runner.run(script);
        std::set<char32_t> shown = runner.form()->Display1.Glyphs().characters();
        const std::u32string printed = text::decodeUtf8(out.str());
        shown.insert(printed.begin(), printed.end());
        return shown;
    }

    static std::unique_ptr<testsupport::TempWorkingDirectory> shots_;
    static std::set<char32_t> englishCharacters_;
};

std::unique_ptr<testsupport::TempWorkingDirectory> GoldenFrameTest::shots_;
std::set<char32_t> GoldenFrameTest::englishCharacters_;

TEST_P(GoldenFrameTest, MatchesTheStoredFrame) {
    const std::string name = GetParam();
    const fs::path shot =
        shots_->path() / (name.ends_with("-en.png") ? EnglishFolder / name : fs::path(name));
    const fs::path golden = GoldenDir / name;
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
                                           "best-ten.png", "game-over.png", "ranking.png",
                                           "title-en.png", "how-to-play-en.png", "best-ten-en.png",
                                           "play-en.png", "game-over-en.png", "ranking-en.png"),
                         [](const auto& info) {
                             std::string name = info.param;
                             name = name.substr(0, name.find('.'));
                             std::erase(name, '-');
                             return name;
                         });

TEST_F(GoldenFrameTest, TheEnglishRunShowsNoJapaneseCharacter) {
    std::u32string japanese;
    for (const char32_t c : englishCharacters_) {
        if (isJapanese(c)) {
            japanese += c;
        }
    }
    EXPECT_TRUE(japanese.empty()) << text::encodeUtf8(japanese);
}

}  // namespace
