#include "game/PosixFileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <memory>

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

std::string baseOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The start of the names of the temporary files of `target`: `.<name>.`
std::string temporaryPrefix(const std::string& target) {
    return "." + baseOf(target) + ".";
}

// The digits at `at` up to `stop`, as a number; -1 when there are none or anything else.
long digitsBefore(const std::string& text, std::size_t at, char stop, std::size_t& end) {
    end = text.find(stop, at);
    if (end == std::string::npos || end == at || end - at > 9 ||
        text.find_first_not_of("0123456789", at) != end) {
        return -1;
    }
    return std::strtol(text.c_str() + at, nullptr, 10);
}

// The process id in a name `prefix<pid>.<n>.tmp`, or -1 for any other name.
long temporaryOwner(const std::string& name, const std::string& prefix) {
    if (name.compare(0, prefix.size(), prefix) != 0) {
        return -1;
    }
    std::size_t end = 0;
    const long pid = digitsBefore(name, prefix.size(), '.', end);
    if (pid <= 0 || digitsBefore(name, end + 1, '.', end) < 0) {
        return -1;
    }
    return name.compare(end, std::string::npos, ".tmp") == 0 ? pid : -1;
}

bool processEnded(long pid) {
    return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

}  // namespace

PosixFileSystem::PosixFileSystem() {
    struct sigaction current {};
    if (::sigaction(SIGXFSZ, nullptr, &current) == 0 && current.sa_handler == SIG_DFL) {
        ::signal(SIGXFSZ, SIG_IGN);
    }
}

bool PosixFileSystem::isFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool PosixFileSystem::exists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

std::string PosixFileSystem::resolveTarget(const std::string& path) {
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

int PosixFileSystem::open(const std::string& path, OpenMode mode) {
    int flags = O_CLOEXEC;
    switch (mode) {
        case OpenMode::Read:
            flags |= O_RDONLY;
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

int PosixFileSystem::createTemporary(const std::string& target, std::string& tempPath) {
    const std::string directory = parentOf(target);
    struct stat old {};
    const bool hasOld = ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = directory + "/" + temporaryPrefix(target) +
                                 std::to_string(::getpid()) + "." + std::to_string(counter++) +
                                 ".tmp";
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

long PosixFileSystem::read(int handle, char* buffer, std::size_t size) {
    ssize_t n;
    do {
        n = ::read(handle, buffer, size);
    } while (n < 0 && errno == EINTR);
    return n >= 0 ? static_cast<long>(n) : failure();
}

long PosixFileSystem::write(int handle, const char* data, std::size_t size) {
    ssize_t n;
    do {
        n = ::write(handle, data, size);
    } while (n < 0 && errno == EINTR);
    return n >= 0 ? static_cast<long>(n) : failure();
}

int PosixFileSystem::sync(int handle) {
    return ::fsync(handle) == 0 ? 0 : failure();
}

int PosixFileSystem::close(int handle) {
    return ::close(handle) == 0 ? 0 : failure();
}

int PosixFileSystem::rename(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : failure();
}

int PosixFileSystem::remove(const std::string& path) {
    return ::unlink(path.c_str()) == 0 ? 0 : failure();
}

int PosixFileSystem::syncDirectoryOf(const std::string& path) {
    const int fd = ::open(parentOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return failure();
    }
    const int result = ::fsync(fd) == 0 ? 0 : failure();
    ::close(fd);
    return result;
}

void PosixFileSystem::removeStaleTemporaries(const std::string& target) {
    const std::string directory = parentOf(target);
    const std::unique_ptr<DIR, int (*)(DIR*)> listing(::opendir(directory.c_str()), ::closedir);
    if (listing == nullptr) {
        return;
    }
    const std::string prefix = temporaryPrefix(target);
    while (const dirent* entry = ::readdir(listing.get())) {
        const std::string name = entry->d_name;
        if (const long pid = temporaryOwner(name, prefix); pid > 0 && processEnded(pid)) {
            ::unlink((directory + "/" + name).c_str());
        }
    }
}

FileSystem& defaultFileSystem() {
    static PosixFileSystem fileSystem;
    return fileSystem;
}

}  // namespace game
