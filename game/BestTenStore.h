#pragma once
// The best-ten store. `Hisc.dat` (1408 bytes: eleven blocks of 128) and `Name.dat`
// (the name's bytes) in a directory, by default the current working directory.
//
// Truncating a file in place and writing it anew would let a crash or a full disk destroy the
// table half-way. So each file is written to a temporary file in the same directory, flushed to
// disk and renamed over the old one; on failure the old file stays whole, the temporary file is
// removed and the failure's text is raised. The bytes written are the file format's exactly.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/GameGlobals.h"

namespace game {

inline constexpr const char* HiscFileName = "Hisc.dat";
inline constexpr const char* NameFileName = "Name.dat";
inline constexpr std::size_t HiscBlockSize = 128;
inline constexpr std::size_t HiscFileSize = 11 * HiscBlockSize;         // 1408
inline constexpr std::size_t HiscPassValueOffset = 10 * HiscBlockSize;  // 1280
inline constexpr std::size_t HiscCopyOffset = HiscPassValueOffset + 8;  // 1288
// Only the start of `Name.dat` is read: a name is a few characters, and a huge file must not
// hold up the start.
inline constexpr std::size_t NameReadLimit = 4096;

// An input or output failure of the store; what() is the system's (Japanese) text.
class EInOutError : public std::runtime_error {
  public:
    // A read beyond the end of the file (a short `Hisc.dat`).
    static constexpr int EndOfFile = -1;

    // `code` is EndOfFile or a system error number (errno).
    explicit EInOutError(int code);
    int ErrorCode() const { return code_; }

  private:
    int code_;
};

// The text for a failure: EndOfFile, or an errno mapped onto the system's texts.
std::string inOutErrorText(int code);

// The narrow file-system seam the store goes through. Every call reports a failure as a
// negative errno value. The real one is PosixFileSystem; tests derive from it to inject failures.
class FileSystem {
  public:
    enum class OpenMode {
        Read,           // an existing file, for reading
        WriteExisting,  // an existing file, for writing, neither created nor truncated (a probe)
    };

    virtual ~FileSystem() = default;

    // True when `path` names an existing regular file; a directory counts as no file.
    virtual bool isFile(const std::string& path) = 0;
    // True when anything exists at `path`, symbolic links followed.
    virtual bool exists(const std::string& path) = 0;
    // The path a write to `path` ends in: symbolic links followed; `path` itself when none.
    virtual std::string resolveTarget(const std::string& path) = 0;
    // A handle (>= 0) or -errno.
    virtual int open(const std::string& path, OpenMode mode) = 0;
    // Creates a new, empty, uniquely named file for writing next to `target` (same directory,
    // the permissions of `target` when it exists); its name goes to `tempPath`. A handle or -errno.
    virtual int createTemporary(const std::string& target, std::string& tempPath) = 0;
    // Bytes transferred (0 at the end of the file for Read), or -errno.
    virtual long read(int handle, char* buffer, std::size_t size) = 0;
    virtual long write(int handle, const char* data, std::size_t size) = 0;
    // Flushes the file's data to the disk. 0 or -errno.
    virtual int sync(int handle) = 0;
    virtual int close(int handle) = 0;
    // Replaces `to` by `from` atomically. 0 or -errno.
    virtual int rename(const std::string& from, const std::string& to) = 0;
    virtual int remove(const std::string& path) = 0;
    // Makes a rename in the directory of `path` durable. Best effort: 0 or -errno.
    virtual int syncDirectoryOf(const std::string& path) = 0;
    // Removes the temporary files CreateTemporary made next to `target` for a process that no
    // longer runs (killed during a save). Best effort; nothing else is touched.
    virtual void removeStaleTemporaries(const std::string& target) = 0;
};

// The process-wide real file system.
FileSystem& defaultFileSystem();

// Removes the temporary files a killed save left, then loads `Hisc.dat` (read only) and the
// first NameReadLimit bytes of `Name.dat` from `directory` when they are regular files, then
// applies the default table when entry 1's score is 0. Throws EInOutError; values taken before
// it stay.
void LoadBestTen(core::GameGlobals& g, std::string& playerName,
                 const std::filesystem::path& directory = {}, FileSystem& fs = defaultFileSystem());

// Writes `Hisc.dat`, then `Name.dat`, into `directory`. Throws EInOutError; a failure in
// `Hisc.dat` leaves `Name.dat` unwritten, and a failed file keeps its old contents. A name that
// leads (through links) to something other than a regular file, such as a device or a FIFO, is
// refused access and left untouched.
void SaveBestTen(const core::GameGlobals& g, const std::string& playerName,
                 const std::filesystem::path& directory = {}, FileSystem& fs = defaultFileSystem());

// The exact bytes of `Hisc.dat` for the table and `PassValue` (filler bytes 0).
std::string encodeHiscFile(const core::GameGlobals& g);

// The name held by the bytes of a `Name.dat`: up to the first CR or 0x1A, or the end.
std::string decodeNameFile(std::string_view bytes);

}  // namespace game
