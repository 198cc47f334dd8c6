#pragma once
// One copy of the game per data folder: an advisory lock on a lock file there, which the
// system releases when the copy ends, even by a crash, so a folder is never left locked.

#include <filesystem>
#include <stdexcept>

#include "text/Translation.h"

namespace game {

inline constexpr const char* AlreadyRunningText = text::trLater("プドロクは既に起動しています。");
inline constexpr const char* LockFileName = ".pudorock.lock";

// Another copy holds the folder.
class AlreadyRunning : public std::runtime_error {
  public:
    AlreadyRunning() : std::runtime_error(text::tr(AlreadyRunningText)) {}
};

class DataFolderLock {
  public:
    // Throws AlreadyRunning when another copy holds the folder. A folder where no lock file can
    // be made (read-only) is not locked: the saves there report their own failure.
    explicit DataFolderLock(const std::filesystem::path& folder);
    ~DataFolderLock();
    DataFolderLock(const DataFolderLock&) = delete;
    DataFolderLock& operator=(const DataFolderLock&) = delete;

    bool held() const { return fd_ >= 0; }

  private:
    int fd_ = -1;
};

}  // namespace game
