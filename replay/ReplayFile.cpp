#include "replay/ReplayFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <string>
#include <system_error>

#include "replay/FileDescriptor.h"
#include "replay/ReplayCodec.h"
#include "replay/ReplayError.h"

namespace replay {

namespace {

std::string systemReason() {
    return std::system_category().message(errno);
}

// The file's bytes, or ReplayError; never more than the bound and one byte, so that a larger
// file is known as such.
std::string readBounded(const std::filesystem::path& path) {
    // Not blocking: a named pipe must not hold the reader.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info {};
    if (!file.isOpen() || ::fstat(file.get(), &info) != 0) {
        throw ReplayError(systemReason());
    }
    if (!S_ISREG(info.st_mode)) {
        throw ReplayError("not a regular file");
    }
    const std::size_t limit = MaxFileBytes + 1;
    std::string bytes(std::min<std::size_t>(static_cast<std::size_t>(info.st_size) + 1, limit),
                      '\0');
    std::size_t have = 0;
    for (;;) {
        if (have == bytes.size()) {
            if (have == limit) {
                break;
            }
            bytes.resize(std::min(limit, 2 * have));  // the file grew as it was read
        }
        const ssize_t got = ::read(file.get(), bytes.data() + have, bytes.size() - have);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            throw ReplayError(systemReason());
        }
        if (got == 0) {
            break;
        }
        have += static_cast<std::size_t>(got);
    }
    bytes.resize(have);
    return bytes;
}

[[noreturn]] void failWriting(const std::string& what, const std::filesystem::path& path) {
    throw std::system_error(errno, std::system_category(), what + " " + path.string());
}

// A new, empty file beside `target`: `.<name>.<pid>.<n>.tmp`.
std::filesystem::path createTemporaryBeside(const std::filesystem::path& target, int& fd) {
    static std::atomic<unsigned> counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::filesystem::path temporary = target;
        temporary.replace_filename("." + target.filename().string() + "." +
                                   std::to_string(::getpid()) + "." + std::to_string(counter++) +
                                   ".tmp");
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            return temporary;
        }
        if (errno != EEXIST && errno != EINTR) {
            break;
        }
    }
    failWriting("cannot create a temporary file for", target);
}

void writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            errno = written == 0 ? EIO : errno;
            throw std::system_error(errno, std::system_category());
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void syncFolderOf(const std::filesystem::path& path) {
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    const FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.isOpen()) {
        ::fsync(directory.get());  // best effort: the new file is already in place
    }
}

}  // namespace

Replay readReplayFile(const std::filesystem::path& path) {
    try {
        return decodeReplay(readBounded(path));
    } catch (const ReplayError& error) {
        throw ReplayError(path.string() + ": " + error.what());
    }
}

void writeReplayFile(const std::filesystem::path& path, const Replay& replay) {
    std::string bytes;
    try {
        bytes = encodeReplay(replay);
    } catch (const ReplayError& error) {
        throw ReplayError(path.string() + ": " + error.what());
    }
    int fd = -1;
    const std::filesystem::path temporary = createTemporaryBeside(path, fd);
    FileDescriptor file(fd);
    try {
        writeAll(file.get(), bytes);
        if (::fsync(file.get()) != 0 || !file.close()) {
            throw std::system_error(errno, std::system_category());
        }
        if (::rename(temporary.c_str(), path.c_str()) != 0) {
            throw std::system_error(errno, std::system_category());
        }
    } catch (const std::system_error& error) {
        ::unlink(temporary.c_str());
        throw std::system_error(error.code(), "cannot write " + path.string());
    }
    syncFolderOf(path);
}

}  // namespace replay
