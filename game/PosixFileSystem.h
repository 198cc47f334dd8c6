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

    bool IsFile(const std::string& path) override;
    bool Exists(const std::string& path) override;
    std::string ResolveTarget(const std::string& path) override;
    int Open(const std::string& path, OpenMode mode) override;
    int CreateTemporary(const std::string& target, std::string& tempPath) override;
    long Read(int handle, char* buffer, std::size_t size) override;
    long Write(int handle, const char* data, std::size_t size) override;
    int Sync(int handle) override;
    int Close(int handle) override;
    int Rename(const std::string& from, const std::string& to) override;
    int Remove(const std::string& path) override;
    int SyncDirectoryOf(const std::string& path) override;
    void RemoveStaleTemporaries(const std::string& target) override;
};

}  // namespace game
