#pragma once
// Notices when the database file is replaced under a running server (a restore done without
// stopping it): the server's connections still hold the old file, so it must not go on.

#include <sys/types.h>

#include <string>

namespace server {

class DatabaseFileWatch {
  public:
    // Remembers which file the path names now. An SQLite URI ("file:...") is not watched.
    explicit DatabaseFileWatch(const std::string& path);

    // True when the path names another file, or none, than at the start.
    bool replaced() const;

  private:
    std::string path_;
    bool watched_ = false;
    dev_t device_ = 0;
    ino_t inode_ = 0;
};

}  // namespace server
