#pragma once
// The best-ten store's file-system seam on the real file system.

#include <string>

#include "game/BestTenStore.h"

namespace game {

// The real file system (POSIX calls). A temporary file is named `.<name>.<pid>.<n>.tmp` after its
// target, so that one left by a killed process can be told from one still being written.
class PosixFileSystem : public FileSystem {
  public:
    // A write beyond the process's file-size limit then fails (EFBIG) and the failure path
    // removes the temporary file, instead of the signal killing the process half-way.
    PosixFileSystem();

    bool isFile(const std::string& path) override;
    bool exists(const std::string& path) override;
    std::string resolveTarget(const std::string& path) override;
    int open(const std::string& path, OpenMode mode) override;
    int createTemporary(const std::string& target, std::string& tempPath) override;
    long read(int handle, char* buffer, std::size_t size) override;
    long write(int handle, const char* data, std::size_t size) override;
    int sync(int handle) override;
    int close(int handle) override;
    int rename(const std::string& from, const std::string& to) override;
    int remove(const std::string& path) override;
    int syncDirectoryOf(const std::string& path) override;
    void removeStaleTemporaries(const std::string& target) override;
};

}  // namespace game
