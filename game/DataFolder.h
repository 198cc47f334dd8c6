#pragma once
// A save folder the player chose, made ready before the game starts: created when missing, and
// refused with the reason when it cannot hold the save files, so that no result is lost
// silently at the first save.

#include <filesystem>
#include <stdexcept>

namespace game {

class DataFolderUnusable : public std::runtime_error {
  public:
    // `code` is the system's error number of the failure.
    DataFolderUnusable(const std::filesystem::path& folder, int code);
};

// Creates `folder` and its missing parents with mode 0700 (the saves are the player's own),
// then checks that it is a folder the program can read and write. Throws DataFolderUnusable.
void prepareDataFolder(const std::filesystem::path& folder);

}  // namespace game
