#include "app/DataFolderChoice.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

#include "game/DataFolder.h"

namespace app {

namespace {

constexpr const char* FolderName = "pudorock";

std::filesystem::path absoluteFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value != '/') {
        return {};
    }
    return value;
}

// $HOME, else the home folder of the account.
std::filesystem::path homeFolder() {
    if (std::filesystem::path home = absoluteFromEnvironment("HOME"); !home.empty()) {
        return home;
    }
    passwd entry{};
    passwd* found = nullptr;
    std::vector<char> buffer(16384);
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr && found->pw_dir != nullptr && *found->pw_dir == '/') {
        return found->pw_dir;
    }
    throw game::DataFolderUnusable(std::filesystem::path("~/.local/share") / FolderName, ENOENT);
}

}  // namespace

std::filesystem::path userDataFolder() {
    if (std::filesystem::path base = absoluteFromEnvironment("XDG_DATA_HOME"); !base.empty()) {
        return base / FolderName;
    }
    return homeFolder() / ".local" / "share" / FolderName;
}

std::filesystem::path readyDataFolder(const CommandLine& options) {
    std::filesystem::path folder;
    if (options.dataDir) {
        folder = *options.dataDir;
    } else if (options.userData) {
        folder = userDataFolder();
    } else {
        return {};
    }
    game::prepareDataFolder(folder);
    return folder;
}

}  // namespace app
