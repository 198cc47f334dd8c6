#pragma once
// Reading and replacing the save files through the file-system seam: a file is read up to a
// bound, and replaced whole by way of a temporary file in the same folder, flushed and renamed
// over the old one, so that a crash or a full disk never leaves it half written.

#include <cstddef>
#include <string>

#include "game/BestTenStore.h"

namespace game {

// Closes a handle that is still open when a failure leaves the function.
class HandleGuard {
  public:
    HandleGuard(FileSystem& fs, int handle) : fs_(fs), handle_(handle) {}
    ~HandleGuard() {
        if (handle_ >= 0) {
            fs_.close(handle_);
        }
    }
    HandleGuard(const HandleGuard&) = delete;
    HandleGuard& operator=(const HandleGuard&) = delete;

    int get() const { return handle_; }
    // Closes now; a failed close is a failure of the handler.
    void close() {
        const int result = fs_.close(handle_);
        handle_ = -1;
        if (result < 0) {
            throw EInOutError(-result);
        }
    }

  private:
    FileSystem& fs_;
    int handle_;
};

// The result of a file-system call, or EInOutError for a failure.
int checked(int result);

// Reads up to `size` bytes, fewer only at the end of the file. Throws EInOutError.
std::size_t readFully(FileSystem& fs, int handle, char* buffer, std::size_t size);

// The first `limit` bytes of the file at `path` (all of a shorter one). Throws EInOutError.
std::string readFileStart(FileSystem& fs, const std::string& path, std::size_t limit);

// Writes `bytes` as the whole content of the file at `path` (links followed); on failure the
// old file stays whole and the temporary file is removed. A name that leads to something other
// than a regular file is refused access. Throws EInOutError.
void replaceFile(FileSystem& fs, const std::string& path, const std::string& bytes);

}  // namespace game
