#include "game/BestTenStore.h"

#include "game/WrappingArithmetic.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace game {

// ---------------------------------------------------------------------------------------------
// Failures.

std::string InOutErrorText(int code) {
    switch (code) {
        case EInOutError::EndOfFile:
            return "ファイルの末尾以降を読み込みました";
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:  // a directory of the name cannot be opened for writing (access refused)
        case ETXTBSY:
            return "ファイルへのアクセスが拒否されました";
        case ENOSPC:
        case EDQUOT:
            return "ディスクがいっぱいです";
        case ENOENT:
            return "ファイルが見つかりません";
        case ENAMETOOLONG:
        case EILSEQ:
            return "不正なファイル名です";
        case EMFILE:
        case ENFILE:
            return "オープンしたファイルが多すぎます";
        default: {
            char text[64];
            std::snprintf(text, sizeof text, "I/O エラー (%d)", code);
            return text;
        }
    }
}

EInOutError::EInOutError(int code) : std::runtime_error(InOutErrorText(code)), code_(code) {}

// ---------------------------------------------------------------------------------------------
// The real file system.

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

// ---------------------------------------------------------------------------------------------
// The store.

namespace {

// Closes a handle that is still open when a failure leaves the function.
class HandleGuard {
  public:
    HandleGuard(FileSystem& fs, int handle) : fs_(fs), handle_(handle) {}
    ~HandleGuard() {
        if (handle_ >= 0) {
            fs_.Close(handle_);
        }
    }
    HandleGuard(const HandleGuard&) = delete;
    HandleGuard& operator=(const HandleGuard&) = delete;

    int get() const { return handle_; }
    // Closes now; a failed close is a failure of the handler.
    void close() {
        const int result = fs_.Close(handle_);
        handle_ = -1;
        if (result < 0) {
            throw EInOutError(-result);
        }
    }

  private:
    FileSystem& fs_;
    int handle_;
};

std::string pathIn(const std::filesystem::path& directory, const char* name) {
    return (directory / name).string();
}

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
        const long n = fs.Read(handle, buffer + done, size - done);
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

std::int32_t getInt32(const char* bytes) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[i]);
    }
    return static_cast<std::int32_t>(value);
}

void putInt32(std::string& bytes, std::size_t offset, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    }
}

void putEntry(std::string& bytes, std::size_t offset, const THiScoreEntry& entry) {
    putInt32(bytes, offset, entry.Score);
    putInt32(bytes, offset + 4, entry.Level);
    putInt32(bytes, offset + 8, entry.Blocks);
}

void loadHisc(GameGlobals& g, FileSystem& fs, const std::string& path) {
    HandleGuard file(fs, checked(fs.Open(path, FileSystem::OpenMode::ReadWrite)));
    char block[HiscBlockSize];
    for (std::size_t k = 0; k < 10; ++k) {
        const std::size_t got = readFully(fs, file.get(), block, HiscBlockSize);
        if (got >= 12) {
            g.BestTen[k] = {getInt32(block), getInt32(block + 4), getInt32(block + 8)};
        }
        if (got < HiscBlockSize) {
            throw EInOutError(EInOutError::EndOfFile);
        }
    }
    const std::size_t got = readFully(fs, file.get(), block, HiscBlockSize);
    if (got >= 4) {
        g.PassValue = getInt32(block);
    }
    if (got < HiscBlockSize) {
        throw EInOutError(EInOutError::EndOfFile);
    }
    file.close();
}

void loadName(std::string& playerName, FileSystem& fs, const std::string& path) {
    HandleGuard file(fs, checked(fs.Open(path, FileSystem::OpenMode::Read)));
    std::string bytes;
    char chunk[4096];
    for (;;) {
        const std::size_t got = readFully(fs, file.get(), chunk, sizeof chunk);
        bytes.append(chunk, got);
        if (got < sizeof chunk) {
            break;
        }
    }
    file.close();
    playerName = DecodeNameFile(bytes);
}

// Writes `bytes` as the whole content of `target` by way of a temporary file in the same
// directory, flushed and renamed over the old file.
void replaceFile(FileSystem& fs, const std::string& path, const std::string& bytes) {
    const std::string target = fs.ResolveTarget(path);
    // A file that may not be written (or a directory of the name) must fail as writing it in
    // place would, although a rename alone could replace it.
    const int probe = fs.Open(target, FileSystem::OpenMode::WriteExisting);
    if (probe >= 0) {
        fs.Close(probe);
    } else if (probe != -ENOENT) {
        throw EInOutError(-probe);
    }

    std::string tempPath;
    int handle = checked(fs.CreateTemporary(target, tempPath));
    auto fail = [&](long result) {
        if (handle >= 0) {
            fs.Close(handle);
        }
        fs.Remove(tempPath);
        throw EInOutError(static_cast<int>(-result));
    };
    std::size_t done = 0;
    while (done < bytes.size()) {
        const long n = fs.Write(handle, bytes.data() + done, bytes.size() - done);
        if (n <= 0) {
            fail(n < 0 ? n : -ENOSPC);
        }
        done += static_cast<std::size_t>(n);
    }
    if (const int result = fs.Sync(handle); result < 0) {
        fail(result);
    }
    const int closed = fs.Close(handle);
    handle = -1;
    if (closed < 0) {
        fail(closed);
    }
    if (const int result = fs.Rename(tempPath, target); result < 0) {
        fail(result);
    }
    fs.SyncDirectoryOf(target);  // best effort: the new file is already in place
}

}  // namespace

void FillDefaultBestTen(GameGlobals& g) {
    for (int i = 1; i <= 10; ++i) {
        g.BestTen[i - 1] = {5500 - 500 * i, 11 - i, 110 - 10 * i};
    }
    g.PassValue = 0;
}

std::string EncodeHiscFile(const GameGlobals& g) {
    std::string bytes(HiscFileSize, '\0');
    for (std::size_t k = 0; k < 10; ++k) {
        for (std::size_t e = k; e < 10; ++e) {
            putEntry(bytes, HiscBlockSize * k + 12 * (e - k), g.BestTen[e]);
        }
    }
    putInt32(bytes, HiscPassValueOffset, g.PassValue);
    for (std::size_t e = 0; e < 10; ++e) {
        putEntry(bytes, HiscCopyOffset + 12 * e, g.BestTen[e]);
    }
    return bytes;
}

std::string DecodeNameFile(std::string_view bytes) {
    const auto end = bytes.find_first_of(std::string_view("\r\x1A", 2));
    return std::string(bytes.substr(0, end));
}

void LoadBestTen(GameGlobals& g, std::string& playerName, const std::filesystem::path& directory,
                 FileSystem& fs) {
    if (const std::string hisc = pathIn(directory, HiscFileName); fs.IsFile(hisc)) {
        loadHisc(g, fs, hisc);
    }
    if (const std::string name = pathIn(directory, NameFileName); fs.IsFile(name)) {
        loadName(playerName, fs, name);
    }
    if (g.BestTen[0].Score == 0) {
        FillDefaultBestTen(g);
    }
}

void EnterResult(GameGlobals& g, std::int32_t score, std::int32_t level, std::int32_t blocks) {
    g.NewRank = 0;
    for (int n = 10; n >= 1; --n) {
        if (g.BestTen[n - 1].Score < score) {
            g.NewRank = n;
            if (n < 10) {
                g.BestTen[n] = g.BestTen[n - 1];
            }
            g.BestTen[n - 1] = {score, level, blocks};
        }
    }
    if (g.NewRank == 1) {
        g.PassValue = PassValueOf(g.BestTen[0]);
    }
}

void SaveBestTen(const GameGlobals& g, const std::string& playerName,
                 const std::filesystem::path& directory, FileSystem& fs) {
    replaceFile(fs, pathIn(directory, HiscFileName), EncodeHiscFile(g));
    replaceFile(fs, pathIn(directory, NameFileName), playerName);
}

}  // namespace game
