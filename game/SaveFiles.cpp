#include "game/SaveFiles.h"

#include <cerrno>

namespace game {

int checked(int result) {
    if (result < 0) {
        throw EInOutError(-result);
    }
    return result;
}

// Reads up to `size` bytes, fewer only at the end of the file.
std::size_t readFully(FileSystem& fs, int handle, char* buffer, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const long n = fs.read(handle, buffer + done, size - done);
        if (n < 0) {
            throw EInOutError(static_cast<int>(-n));
        }
        if (n == 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    return done;
}

std::string readFileStart(FileSystem& fs, const std::string& path, std::size_t limit) {
    HandleGuard file(fs, checked(fs.open(path, FileSystem::OpenMode::Read)));
    std::string bytes(limit, '\0');
    bytes.resize(readFully(fs, file.get(), bytes.data(), bytes.size()));
    file.close();
    return bytes;
}

void replaceFile(FileSystem& fs, const std::string& path, const std::string& bytes) {
    const std::string target = fs.resolveTarget(path);
    // Anything but a regular file (a device or a FIFO behind a link, a directory) must never be
    // renamed over.
    if (fs.exists(target) && !fs.isFile(target)) {
        throw EInOutError(EACCES);
    }
    // A file that may not be written must fail as writing it in place would, although a rename
    // alone could replace it.
    const int probe = fs.open(target, FileSystem::OpenMode::WriteExisting);
    if (probe >= 0) {
        fs.close(probe);
    } else if (probe != -ENOENT) {
        throw EInOutError(-probe);
    }

    std::string tempPath;
    int handle = checked(fs.createTemporary(target, tempPath));
    auto fail = [&](long result) {
        if (handle >= 0) {
            fs.close(handle);
        }
        fs.remove(tempPath);
        throw EInOutError(static_cast<int>(-result));
    };
    std::size_t done = 0;
    while (done < bytes.size()) {
        const long n = fs.write(handle, bytes.data() + done, bytes.size() - done);
        if (n <= 0) {
            fail(n < 0 ? n : -ENOSPC);
        }
        done += static_cast<std::size_t>(n);
    }
    if (const int result = fs.sync(handle); result < 0) {
        fail(result);
    }
    const int closed = fs.close(handle);
    handle = -1;
    if (closed < 0) {
        fail(closed);
    }
    if (const int result = fs.rename(tempPath, target); result < 0) {
        fail(result);
    }
    fs.syncDirectoryOf(target);  // best effort: the new file is already in place
}

}  // namespace game
