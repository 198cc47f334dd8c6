#include "game/DataFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "game/BestTenStore.h"
#include "text/MessageLines.h"
#include "text/Placeholders.h"
#include "text/Translation.h"

namespace game {

namespace {

std::string reasonOf(int code) {
    return code == ENOTDIR || code == EEXIST ? text::tr("フォルダではありません")
                                             : inOutErrorText(code);
}

void makeFolders(const std::filesystem::path& folder) {
    struct stat st {};
    if (::stat(folder.c_str(), &st) == 0) {
        return;
    }
    const std::filesystem::path parent = folder.parent_path();
    if (!parent.empty() && parent != folder) {
        makeFolders(parent);
    }
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        throw DataFolderUnusable(folder, errno);
    }
}

}  // namespace

DataFolderUnusable::DataFolderUnusable(const std::filesystem::path& folder, int code)
    : std::runtime_error(text::joinedLines(
          {text::filled(text::tr("セーブデータのフォルダ %s を使用できません"), {folder.string()}),
           reasonOf(code)})) {}

void prepareDataFolder(const std::filesystem::path& folder) {
    makeFolders(folder);
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0) {
        throw DataFolderUnusable(folder, errno);
    }
    if (!S_ISDIR(st.st_mode)) {
        throw DataFolderUnusable(folder, ENOTDIR);
    }
    if (::access(folder.c_str(), R_OK | W_OK | X_OK) != 0) {
        throw DataFolderUnusable(folder, errno);
    }
}

}  // namespace game
