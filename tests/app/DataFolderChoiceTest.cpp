#include "app/DataFolderChoice.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

#include "game/DataFolder.h"
#include "tests/support/TempDirectory.h"

namespace {

namespace fs = std::filesystem;

// Sets (or, with nothing, unsets) an environment variable for the life of a test.
class ScopedEnvironment {
  public:
    ScopedEnvironment(const char* name, std::optional<std::string> value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        assign(value);
    }
    ~ScopedEnvironment() { assign(old_); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

  private:
    void assign(const std::optional<std::string>& value) {
        if (value) {
            ::setenv(name_, value->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }
    const char* name_;
    std::optional<std::string> old_;
};

unsigned modeOf(const fs::path& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

std::string refusalOf(const fs::path& folder) {
    try {
        game::prepareDataFolder(folder);
    } catch (const game::DataFolderUnusable& error) {
        return error.what();
    }
    return "";
}

class DataFolderChoiceTest : public ::testing::Test {
  protected:
    testsupport::TempWorkingDirectory directory;
    ScopedEnvironment home{"HOME", (directory.path() / "home").string()};
};

TEST_F(DataFolderChoiceTest, UserDataFollowsXdgDataHomeElseTheHomeFolder) {
    {
        const ScopedEnvironment xdg("XDG_DATA_HOME", "/srv/data");
        EXPECT_EQ(app::userDataFolder(), "/srv/data/pudorock");
    }
    // Unset, empty or relative: the base directory rules fall back to ~/.local/share.
    for (const std::optional<std::string>& ignored :
         {std::optional<std::string>(), std::optional<std::string>(""),
          std::optional<std::string>("relative/data")}) {
        const ScopedEnvironment xdg("XDG_DATA_HOME", ignored);
        EXPECT_EQ(app::userDataFolder(), directory.path() / "home/.local/share/pudorock");
    }
}

TEST_F(DataFolderChoiceTest, NeitherOptionUsesTheCurrentFolderAndMakesNothing) {
    EXPECT_EQ(app::readyDataFolder({}), fs::path());
    EXPECT_TRUE(fs::is_empty(directory.path()));
}

TEST_F(DataFolderChoiceTest, UserDataIsCreatedPrivateWithItsParents) {
    const ScopedEnvironment xdg("XDG_DATA_HOME", (directory.path() / "xdg/data").string());
    app::CommandLine options;
    options.userData = true;
    const fs::path folder = app::readyDataFolder(options);
    EXPECT_EQ(folder, directory.path() / "xdg/data/pudorock");
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(modeOf(folder), 0700u);
    EXPECT_EQ(modeOf(directory.path() / "xdg"), 0700u);
}

TEST_F(DataFolderChoiceTest, AnExistingFolderIsUsedAsItIs) {
    fs::create_directory("saves");
    fs::permissions("saves", fs::perms(0750));
    std::ofstream("saves/Hisc.dat") << "table";
    app::CommandLine options;
    options.dataDir = "saves/";
    EXPECT_EQ(app::readyDataFolder(options), "saves/");
    EXPECT_EQ(modeOf("saves"), 0750u);
    EXPECT_EQ(fs::file_size("saves/Hisc.dat"), 5u);
}

TEST_F(DataFolderChoiceTest, AFolderThatCannotBeMadeOrUsedIsRefusedWithTheReason) {
    std::ofstream("file") << "not a folder";
    EXPECT_EQ(refusalOf("file"),
              "セーブデータのフォルダ file を使用できません\rフォルダではありません");
    EXPECT_EQ(refusalOf("file/saves"),
              "セーブデータのフォルダ file/saves を使用できません\rフォルダではありません");
    EXPECT_NE(refusalOf("/proc/pudorock-saves").find("/proc/pudorock-saves を使用できません\r"),
              std::string::npos);
    if (::geteuid() != 0) {  // the superuser writes anywhere
        fs::create_directory("locked");
        fs::permissions("locked", fs::perms(0500));
        EXPECT_EQ(refusalOf("locked"),
                  "セーブデータのフォルダ locked を使用できません\r"
                  "ファイルへのアクセスが拒否されました");
    }
}

}  // namespace
