#include "game/PosixFileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace game {

namespace {

int failure() {
    return errno > 0 ? -errno : -EIO;
}

std::string parentOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

bool PosixFileSystem::IsFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string PosixFileSystem::ResolveTarget(const std::string& path) {
    std::string current = path;
    for (int depth = 0; depth < 40; ++depth) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            return current;
        }
        std::string link(4096, '\0');
        const ssize_t length = ::readlink(current.c_str(), link.data(), link.size());
        if (length <= 0 || static_cast<std::size_t>(length) >= link.size()) {
            return current;
        }
        link.resize(static_cast<std::size_t>(length));
        current = link.front() == '/' || current.find('/') == std::string::npos
                      ? link
                      : parentOf(current) + "/" + link;
    }
    return current;
}

int PosixFileSystem::Open(const std::string& path, OpenMode mode) {
    int flags = O_CLOEXEC;
    switch (mode) {
        case OpenMode::Read:
            flags |= O_RDONLY;
            break;
        case OpenMode::ReadWrite:
            flags |= O_RDWR;
            break;
        case OpenMode::WriteExisting:
            flags |= O_WRONLY | O_NONBLOCK;
            break;
    }
    int fd;
    do {
        fd = ::open(path.c_str(), flags);
    } while (fd < 0 && errno == EINTR);
    return fd >= 0 ? fd : failure();
}

int PosixFileSystem::CreateTemporary(const std::string& target, std::string& tempPath) {
    const std::string directory = parentOf(target);
    const auto slash = target.rfind('/');
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    struct stat old {};
    const bool hasOld = ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = directory + "/." + base + "." + std::to_string(::getpid()) + "." +
                                 std::to_string(counter++) + ".tmp";
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST || errno == EINTR) {
                continue;
            }
            return failure();
        }
        if (hasOld) {
            ::fchmod(fd, old.st_mode & 07777);  // best effort: keep the old file's permissions
        }
        tempPath = name;
        return fd;
    }
    return -EEXIST;
}

long PosixFileSystem::Read(int handle, char* buffer, std::size_t size) {
    ssize_t n;
    do {
        n = ::read(handle, buffer, size);
    } while (n < 0 && errno == EINTR);
    return n >= 0 ? static_cast<long>(n) : failure();
}

long PosixFileSystem::Write(int handle, const char* data, std::size_t size) {
    ssize_t n;
    do {
        n = ::write(handle, data, size);
    } while (n < 0 && errno == EINTR);
    return n >= 0 ? static_cast<long>(n) : failure();
}

int PosixFileSystem::Sync(int handle) {
    return ::fsync(handle) == 0 ? 0 : failure();
}

int PosixFileSystem::Close(int handle) {
    return ::close(handle) == 0 ? 0 : failure();
}

int PosixFileSystem::Rename(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : failure();
}

int PosixFileSystem::Remove(const std::string& path) {
    return ::unlink(path.c_str()) == 0 ? 0 : failure();
}

int PosixFileSystem::SyncDirectoryOf(const std::string& path) {
    const int fd = ::open(parentOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return failure();
    }
    const int result = ::fsync(fd) == 0 ? 0 : failure();
    ::close(fd);
    return result;
}

FileSystem& DefaultFileSystem() {
    static PosixFileSystem fileSystem;
    return fileSystem;
}

}  // namespace game
