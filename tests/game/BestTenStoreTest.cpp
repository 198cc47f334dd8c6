// The best-ten store.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "core/GameGlobals.h"
#include "game/BestTenStore.h"
#include "game/PosixFileSystem.h"

namespace game {
namespace {

namespace fs = std::filesystem;

const std::string kEndOfFile = "ファイルの末尾以降を読み込みました";
const std::string kAccessDenied = "ファイルへのアクセスが拒否されました";
const std::string kDiskFull = "ディスクがいっぱいです";
const std::string kNotFound = "ファイルが見つかりません";
const std::string kBadName = "不正なファイル名です";
const std::string kTooManyFiles = "オープンしたファイルが多すぎます";

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::int32_t int32At(const std::string& bytes, std::size_t offset) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) {
        v = (v << 8) | static_cast<unsigned char>(bytes[offset + i]);
    }
    return static_cast<std::int32_t>(v);
}

// Runs `action` and expects an EInOutError with `text`.
void expectInOutError(const std::function<void()>& action, const std::string& text) {
    try {
        action();
        ADD_FAILURE() << "no EInOutError, expected " << text;
    } catch (const EInOutError& error) {
        EXPECT_EQ(std::string(error.what()), text);
    }
}

// A table unlike the default one, with negative and large values.
core::GameGlobals sampleTable() {
    core::GameGlobals g;
    for (int i = 0; i < 10; ++i) {
        g.BestTen[i] = {900000 - 70001 * i, 40 - 3 * i, -5 + 1000 * i};
    }
    g.BestTen[9] = {INT_MIN, INT_MAX, -1};
    g.PassValue = -123456789;
    return g;
}

// A file system whose calls fail on demand.
class FaultyFileSystem : public PosixFileSystem {
  public:
    int openError = 0;  // the errno open() fails with, for `openMode`
    OpenMode openMode = OpenMode::Read;
    std::string openFile;  // when set, only this file's opens fail
    int createError = 0;
    long writeBudget = -1;  // bytes written before writes fail with `writeError`; -1 = no limit
    int writeError = ENOSPC;
    std::size_t writeChunk = 0;  // at most this many bytes per call when > 0
    int syncError = 0;
    int closeError = 0;  // for handles created by CreateTemporary
    int renameError = 0;
    int readError = 0;  // after `readBudget` bytes
    long readBudget = -1;
    std::string lastTemporary;

    int open(const std::string& path, OpenMode mode) override {
        if (openError != 0 && mode == openMode &&
            (openFile.empty() || fs::path(path).filename() == openFile)) {
            return -openError;
        }
        return PosixFileSystem::open(path, mode);
    }
    int createTemporary(const std::string& target, std::string& tempPath) override {
        if (createError != 0) {
            return -createError;
        }
        const int handle = PosixFileSystem::createTemporary(target, tempPath);
        lastTemporary = tempPath;
        temporaryHandle_ = handle;
        return handle;
    }
    long write(int handle, const char* data, std::size_t size) override {
        if (writeChunk > 0 && size > writeChunk) {
            size = writeChunk;
        }
        if (writeBudget >= 0) {
            if (writeBudget == 0) {
                return -writeError;
            }
            size = std::min<std::size_t>(size, static_cast<std::size_t>(writeBudget));
            writeBudget -= static_cast<long>(size);
        }
        return PosixFileSystem::write(handle, data, size);
    }
    long read(int handle, char* buffer, std::size_t size) override {
        if (readBudget >= 0) {
            if (readBudget == 0) {
                return -readError;
            }
            size = std::min<std::size_t>(size, static_cast<std::size_t>(readBudget));
            readBudget -= static_cast<long>(size);
        }
        return PosixFileSystem::read(handle, buffer, size);
    }
    int sync(int handle) override {
        return syncError != 0 ? -syncError : PosixFileSystem::sync(handle);
    }
    int close(int handle) override {
        const int result = PosixFileSystem::close(handle);
        if (closeError != 0 && handle == temporaryHandle_) {
            return -closeError;
        }
        return result;
    }
    int rename(const std::string& from, const std::string& to) override {
        return renameError != 0 ? -renameError : PosixFileSystem::rename(from, to);
    }

  private:
    int temporaryHandle_ = -1;
};

class BestTenStore : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "pudorock-store-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(dir, ignored);
    }

    fs::path hisc() const { return dir / "Hisc.dat"; }
    fs::path name() const { return dir / "Name.dat"; }

    // The names in the directory, to check that no temporary file is left.
    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path dir;
};

// ---------------------------------------------------------------------------------------------
// Default table and EnterResult.

TEST_F(BestTenStore, NoFilesGiveTheDefaultTableAndAnEmptyName) {
    core::GameGlobals g;
    std::string playerName;
    LoadBestTen(g, playerName, dir);
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(g.BestTen[i - 1], (core::THiScoreEntry{5500 - 500 * i, 11 - i, 110 - 10 * i}));
    }
    EXPECT_EQ(g.BestTen[0], (core::THiScoreEntry{5000, 10, 100}));
    EXPECT_EQ(g.BestTen[9], (core::THiScoreEntry{500, 1, 10}));
    EXPECT_EQ(g.PassValue, 0);
    EXPECT_EQ(playerName, "");
    EXPECT_TRUE(entries().empty());  // loading creates nothing
}

// ---------------------------------------------------------------------------------------------
// File format and round trip.

TEST_F(BestTenStore, SavedBytesFollowTheLayout) {
    core::GameGlobals g = sampleTable();
    SaveBestTen(g, "abc", dir);
    const std::string bytes = readBytes(hisc());
    ASSERT_EQ(bytes.size(), 1408u);
    for (int k = 1; k <= 10; ++k) {
        const std::size_t block = 128 * (k - 1);
        for (int e = k; e <= 10; ++e) {
            const std::size_t at = block + 12 * (e - k);
            EXPECT_EQ(int32At(bytes, at), g.BestTen[e - 1].Score);
            EXPECT_EQ(int32At(bytes, at + 4), g.BestTen[e - 1].Level);
            EXPECT_EQ(int32At(bytes, at + 8), g.BestTen[e - 1].Blocks);
        }
        for (std::size_t at = block + 12 * (11 - k); at < block + 128; ++at) {
            EXPECT_EQ(bytes[at], '\0') << "filler at " << at;
        }
    }
    EXPECT_EQ(int32At(bytes, 1280), g.PassValue);
    EXPECT_EQ(int32At(bytes, 1284), 0);
    for (int e = 1; e <= 10; ++e) {
        EXPECT_EQ(int32At(bytes, 1288 + 12 * (e - 1)), g.BestTen[e - 1].Score);
        EXPECT_EQ(int32At(bytes, 1288 + 12 * (e - 1) + 4), g.BestTen[e - 1].Level);
        EXPECT_EQ(int32At(bytes, 1288 + 12 * (e - 1) + 8), g.BestTen[e - 1].Blocks);
    }
    EXPECT_EQ(bytes, encodeHiscFile(g));
    EXPECT_EQ(readBytes(name()), "abc");
    EXPECT_EQ(entries(), (std::vector<std::string>{"Hisc.dat", "Name.dat"}));
}

TEST_F(BestTenStore, FirstRunWritesA1408ByteTableAndAnEmptyName) {
    core::GameGlobals g;
    std::string playerName;
    LoadBestTen(g, playerName, dir);
    SaveBestTen(g, playerName, dir);
    EXPECT_EQ(fs::file_size(hisc()), 1408u);
    EXPECT_EQ(fs::file_size(name()), 0u);
    EXPECT_EQ(int32At(readBytes(hisc()), 0), 5000);
}

TEST_F(BestTenStore, RoundTrip) {
    const core::GameGlobals saved = sampleTable();
    const std::string savedName = "\x83\x76\x83\x68\x83\x8D\x83\x4E name\nline2";  // Shift-JIS, LF
    SaveBestTen(saved, savedName, dir);
    core::GameGlobals g;
    std::string playerName = "old";
    LoadBestTen(g, playerName, dir);
    EXPECT_EQ(g.BestTen, saved.BestTen);
    EXPECT_EQ(g.PassValue, saved.PassValue);
    EXPECT_EQ(playerName, savedName);
    // And once more: identical bytes.
    const std::string first = readBytes(hisc());
    SaveBestTen(g, playerName, dir);
    EXPECT_EQ(readBytes(hisc()), first);
    EXPECT_EQ(readBytes(name()), savedName);
}

TEST_F(BestTenStore, EmptyFileFailsInBlockOneAndSkipsTheRest) {
    writeBytes(hisc(), "");
    writeBytes(name(), "someone");
    core::GameGlobals g;
    std::string playerName;
    expectInOutError([&] { LoadBestTen(g, playerName, dir); }, kEndOfFile);
    EXPECT_EQ(g.BestTen, core::GameGlobals{}.BestTen);  // zero table, no default check
    EXPECT_EQ(g.PassValue, 0);
    EXPECT_EQ(playerName, "");  // Name.dat not read
}

TEST_F(BestTenStore, TwelveByteFileTakesEntryOne) {
    const core::GameGlobals saved = sampleTable();
    writeBytes(hisc(), encodeHiscFile(saved).substr(0, 12));
    core::GameGlobals g;
    std::string playerName;
    expectInOutError([&] { LoadBestTen(g, playerName, dir); }, kEndOfFile);
    EXPECT_EQ(g.BestTen[0], saved.BestTen[0]);
    for (int i = 1; i < 10; ++i) {
        EXPECT_EQ(g.BestTen[i], core::THiScoreEntry{});
    }
}

TEST_F(BestTenStore, ElevenByteFileTakesNothing) {
    writeBytes(hisc(), encodeHiscFile(sampleTable()).substr(0, 11));
    core::GameGlobals g;
    std::string playerName;
    expectInOutError([&] { LoadBestTen(g, playerName, dir); }, kEndOfFile);
    EXPECT_EQ(g.BestTen, core::GameGlobals{}.BestTen);
}

TEST_F(BestTenStore, ThousandByteFileTakesEntriesOneToEight) {
    const core::GameGlobals saved = sampleTable();
    writeBytes(hisc(), encodeHiscFile(saved).substr(0, 1000));
    writeBytes(name(), "x");
    core::GameGlobals g;
    std::string playerName;
    expectInOutError([&] { LoadBestTen(g, playerName, dir); }, kEndOfFile);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(g.BestTen[i], saved.BestTen[i]) << i;
    }
    EXPECT_EQ(g.BestTen[8], core::THiScoreEntry{});
    EXPECT_EQ(g.BestTen[9], core::THiScoreEntry{});
    EXPECT_EQ(g.PassValue, 0);
    EXPECT_EQ(playerName, "");
}

TEST_F(BestTenStore, File1407BytesTakesEverythingThenFails) {
    core::GameGlobals saved = sampleTable();
    saved.BestTen[0].Score = 0;  // would trigger the default table if the check ran
    writeBytes(hisc(), encodeHiscFile(saved).substr(0, 1407));
    writeBytes(name(), "x");
    core::GameGlobals g;
    std::string playerName;
    expectInOutError([&] { LoadBestTen(g, playerName, dir); }, kEndOfFile);
    EXPECT_EQ(g.BestTen, saved.BestTen);
    EXPECT_EQ(g.PassValue, saved.PassValue);
    EXPECT_EQ(playerName, "");
}

TEST_F(BestTenStore, BlockElevenNeedsFourBytesForPassValue) {
    const core::GameGlobals saved = sampleTable();
    writeBytes(hisc(), encodeHiscFile(saved).substr(0, 1283));
    core::GameGlobals g;
    g.PassValue = 5;
    std::string playerName;
    expectInOutError([&] { LoadBestTen(g, playerName, dir); }, kEndOfFile);
    EXPECT_EQ(g.BestTen, saved.BestTen);
    EXPECT_EQ(g.PassValue, 5);
}

TEST_F(BestTenStore, File1408BytesLoads) {
    const core::GameGlobals saved = sampleTable();
    writeBytes(hisc(), encodeHiscFile(saved));
    core::GameGlobals g;
    std::string playerName;
    LoadBestTen(g, playerName, dir);
    EXPECT_EQ(g.BestTen, saved.BestTen);
    EXPECT_EQ(g.PassValue, saved.PassValue);
}

TEST_F(BestTenStore, OnlyTheFirstBytesOfEachBlockAreRead) {
    const core::GameGlobals saved = sampleTable();
    std::string bytes = encodeHiscFile(saved);
    for (std::size_t k = 0; k < 11; ++k) {  // scribble over everything loading must not read
        for (std::size_t at = 128 * k + (k < 10 ? 12 : 4); at < 128 * (k + 1); ++at) {
            bytes[at] = static_cast<char>(0xA5);
        }
    }
    writeBytes(hisc(), bytes);
    core::GameGlobals g;
    std::string playerName;
    LoadBestTen(g, playerName, dir);
    EXPECT_EQ(g.BestTen, saved.BestTen);
    EXPECT_EQ(g.PassValue, saved.PassValue);
}

TEST_F(BestTenStore, File2000BytesLoadsAndIsCutBackAtTheNextSave) {
    const core::GameGlobals saved = sampleTable();
    writeBytes(hisc(), encodeHiscFile(saved) + std::string(592, 'Z'));
    core::GameGlobals g;
    std::string playerName;
    LoadBestTen(g, playerName, dir);
    EXPECT_EQ(g.BestTen, saved.BestTen);
    EXPECT_EQ(g.PassValue, saved.PassValue);
    SaveBestTen(g, playerName, dir);
    EXPECT_EQ(readBytes(hisc()), encodeHiscFile(saved));
}

TEST_F(BestTenStore, FirstScoreZeroGivesTheDefaultTable) {
    core::GameGlobals saved = sampleTable();
    saved.BestTen[0].Score = 0;
    writeBytes(hisc(), encodeHiscFile(saved));
    writeBytes(name(), "kept");
    core::GameGlobals g;
    std::string playerName;
    LoadBestTen(g, playerName, dir);
    core::GameGlobals defaults;
    core::fillDefaultBestTen(defaults);
    EXPECT_EQ(g.BestTen, defaults.BestTen);
    EXPECT_EQ(g.PassValue, 0);
    EXPECT_EQ(playerName, "kept");
}

// ---------------------------------------------------------------------------------------------
// Name.dat.

TEST_F(BestTenStore, NameStopsAtCarriageReturn) {
    writeBytes(name(), "abc\r\ndef");
    core::GameGlobals g;
    std::string playerName;
    LoadBestTen(g, playerName, dir);
    EXPECT_EQ(playerName, "abc");
}

TEST_F(BestTenStore, LineFeedStaysInTheNameAndIsWrittenBack) {
    writeBytes(name(), "abc\ndef");
    core::GameGlobals g;
    std::string playerName;
    LoadBestTen(g, playerName, dir);
    EXPECT_EQ(playerName, "abc\ndef");
    EXPECT_EQ(playerName.size(), 7u);
    SaveBestTen(g, playerName, dir);
    EXPECT_EQ(readBytes(name()), "abc\ndef");
}

TEST_F(BestTenStore, NameStopsAtControlZ) {
    writeBytes(name(), std::string("ab\x1A"
                                   "cd\r",
                                   6));
    core::GameGlobals g;
    std::string playerName;
    LoadBestTen(g, playerName, dir);
    EXPECT_EQ(playerName, "ab");
}

TEST_F(BestTenStore, NameKeepsZeroBytesAndHighBytes) {
    const std::string bytes("\x82\xa0\0\x82\xa2", 5);
    writeBytes(name(), bytes);
    core::GameGlobals g;
    std::string playerName;
    LoadBestTen(g, playerName, dir);
    EXPECT_EQ(playerName, bytes);
}

TEST_F(BestTenStore, HugeNameFileLoadsAtOnceFromItsFirstFourKilobytes) {
    writeBytes(name(), std::string(5000, 'n'));
    fs::resize_file(name(), 100'000'000);  // sparse: the rest reads as zero bytes
    core::GameGlobals g;
    std::string playerName;
    const auto start = std::chrono::steady_clock::now();
    LoadBestTen(g, playerName, dir);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_EQ(playerName, std::string(NameReadLimit, 'n'));
    SaveBestTen(g, playerName, dir);
    EXPECT_EQ(fs::file_size(name()), NameReadLimit);
}

TEST_F(BestTenStore, EmptyNameFileGivesAnEmptyName) {
    writeBytes(name(), "");
    core::GameGlobals g;
    std::string playerName = "before";
    LoadBestTen(g, playerName, dir);
    EXPECT_EQ(playerName, "");
}

// ---------------------------------------------------------------------------------------------
// Directories of the same name.

TEST_F(BestTenStore, DirectoryNamedHiscCountsAsNoFileAndCannotBeReplaced) {
    fs::create_directory(hisc());
    core::GameGlobals g;
    std::string playerName;
    LoadBestTen(g, playerName, dir);
    EXPECT_EQ(g.BestTen[0].Score, 5000);
    expectInOutError([&] { SaveBestTen(g, "me", dir); }, kAccessDenied);
    EXPECT_TRUE(fs::is_directory(hisc()));
    EXPECT_FALSE(fs::exists(name()));  // a failure in Hisc.dat leaves Name.dat unwritten
    EXPECT_EQ(entries(), std::vector<std::string>{"Hisc.dat"});
}

TEST_F(BestTenStore, DirectoryNamedNameCountsAsNoFile) {
    fs::create_directory(name());
    core::GameGlobals g;
    std::string playerName;
    LoadBestTen(g, playerName, dir);
    EXPECT_EQ(playerName, "");
    expectInOutError([&] { SaveBestTen(g, "me", dir); }, kAccessDenied);
    EXPECT_EQ(fs::file_size(hisc()), 1408u);  // written before the failure
    EXPECT_TRUE(fs::is_directory(name()));
}

// ---------------------------------------------------------------------------------------------
// Access refused.

TEST_F(BestTenStore, WriteProtectedFilesLoadWholeAndTheSaveIsRefused) {
    writeBytes(hisc(), encodeHiscFile(sampleTable()));
    writeBytes(name(), "x");
    FaultyFileSystem readOnly;
    readOnly.openError = EACCES;
    readOnly.openMode = FileSystem::OpenMode::WriteExisting;
    core::GameGlobals g;
    std::string playerName;
    LoadBestTen(g, playerName, dir, readOnly);
    EXPECT_EQ(g.BestTen, sampleTable().BestTen);
    EXPECT_EQ(g.PassValue, sampleTable().PassValue);
    EXPECT_EQ(playerName, "x");
    expectInOutError([&] { SaveBestTen(g, "y", dir, readOnly); }, kAccessDenied);
    EXPECT_EQ(readBytes(hisc()), encodeHiscFile(sampleTable()));
    EXPECT_EQ(entries(), (std::vector<std::string>{"Hisc.dat", "Name.dat"}));
}

TEST_F(BestTenStore, ReadOnlyHiscOnTheRealFileSystem) {
    if (::geteuid() == 0) {
        GTEST_SKIP()
            << "running as root: permission bits do not refuse access "
               "(the seam test WriteProtectedFilesLoadWholeAndTheSaveIsRefused covers this)";
    }
    writeBytes(hisc(), encodeHiscFile(sampleTable()));
    fs::permissions(hisc(), fs::perms::owner_read);
    core::GameGlobals g;
    std::string playerName;
    LoadBestTen(g, playerName, dir);
    EXPECT_EQ(g.BestTen, sampleTable().BestTen);
    expectInOutError([&] { SaveBestTen(g, playerName, dir); }, kAccessDenied);
    EXPECT_EQ(readBytes(hisc()), encodeHiscFile(sampleTable()));
}

TEST_F(BestTenStore, WriteProtectedHiscIsNotReplacedBySave) {
    const std::string old = encodeHiscFile(sampleTable());
    writeBytes(hisc(), old);
    FaultyFileSystem faulty;
    faulty.openError = EACCES;
    faulty.openMode = FileSystem::OpenMode::WriteExisting;
    core::GameGlobals g;
    core::fillDefaultBestTen(g);
    expectInOutError([&] { SaveBestTen(g, "me", dir, faulty); }, kAccessDenied);
    EXPECT_EQ(readBytes(hisc()), old);
    EXPECT_EQ(entries(), std::vector<std::string>{"Hisc.dat"});
}

TEST_F(BestTenStore, NameFileFailureAfterHiscKeepsTheTable) {
    writeBytes(hisc(), encodeHiscFile(sampleTable()));
    writeBytes(name(), "x");
    FaultyFileSystem faulty;
    faulty.openError = EMFILE;
    faulty.openFile = "Name.dat";
    core::GameGlobals g;
    std::string playerName = "before";
    expectInOutError([&] { LoadBestTen(g, playerName, dir, faulty); }, kTooManyFiles);
    EXPECT_EQ(g.BestTen, sampleTable().BestTen);
    EXPECT_EQ(playerName, "before");
}

TEST_F(BestTenStore, ReadErrorInTheMiddleOfHisc) {
    const core::GameGlobals saved = sampleTable();
    writeBytes(hisc(), encodeHiscFile(saved));
    FaultyFileSystem faulty;
    faulty.readBudget = 128 * 3;
    faulty.readError = EIO;
    core::GameGlobals g;
    std::string playerName;
    expectInOutError([&] { LoadBestTen(g, playerName, dir, faulty); }, "I/O エラー (5)");
    EXPECT_EQ(g.BestTen[2], saved.BestTen[2]);
    EXPECT_EQ(g.BestTen[3], core::THiScoreEntry{});
}

// ---------------------------------------------------------------------------------------------
// Failing saves leave the old files whole (the mended fault).

class FailingSave : public BestTenStore {
  protected:
    void SetUp() override {
        BestTenStore::SetUp();
        SaveBestTen(sampleTable(), "old name", dir);
        oldHisc = readBytes(hisc());
        core::fillDefaultBestTen(changed);
    }
    void expectOldFilesWhole() {
        EXPECT_EQ(readBytes(hisc()), oldHisc);
        EXPECT_EQ(readBytes(name()), "old name");
        EXPECT_EQ(entries(), (std::vector<std::string>{"Hisc.dat", "Name.dat"}));
    }

    std::string oldHisc;
    core::GameGlobals changed;
};

TEST_F(FailingSave, DiskFullHalfWayLeavesTheOldFileIntact) {
    FaultyFileSystem faulty;
    faulty.writeBudget = 700;
    faulty.writeError = ENOSPC;
    expectInOutError([&] { SaveBestTen(changed, "new name", dir, faulty); }, kDiskFull);
    expectOldFilesWhole();
}

TEST_F(FailingSave, WriteOfZeroBytesCountsAsDiskFull) {
    class ZeroWrites : public PosixFileSystem {
        long write(int, const char*, std::size_t) override { return 0; }
    } zero;
    expectInOutError([&] { SaveBestTen(changed, "new name", dir, zero); }, kDiskFull);
    expectOldFilesWhole();
}

TEST_F(FailingSave, FailingNameWriteKeepsTheOldNameAndTheNewTable) {
    FaultyFileSystem faulty;
    faulty.writeBudget = 1408 + 3;
    faulty.writeError = EDQUOT;
    expectInOutError([&] { SaveBestTen(changed, "new name", dir, faulty); }, kDiskFull);
    EXPECT_EQ(readBytes(hisc()), encodeHiscFile(changed));
    EXPECT_EQ(readBytes(name()), "old name");
    EXPECT_EQ(entries(), (std::vector<std::string>{"Hisc.dat", "Name.dat"}));
}

TEST_F(FailingSave, FailingSyncLeavesTheOldFileIntact) {
    FaultyFileSystem faulty;
    faulty.syncError = EIO;
    expectInOutError([&] { SaveBestTen(changed, "new name", dir, faulty); }, "I/O エラー (5)");
    expectOldFilesWhole();
}

TEST_F(FailingSave, FailingCloseLeavesTheOldFileIntact) {
    FaultyFileSystem faulty;
    faulty.closeError = ENOSPC;
    expectInOutError([&] { SaveBestTen(changed, "new name", dir, faulty); }, kDiskFull);
    expectOldFilesWhole();
}

TEST_F(FailingSave, FailingRenameLeavesTheOldFileIntact) {
    FaultyFileSystem faulty;
    faulty.renameError = EXDEV;
    expectInOutError([&] { SaveBestTen(changed, "new name", dir, faulty); },
                     "I/O エラー (" + std::to_string(EXDEV) + ")");
    expectOldFilesWhole();
}

TEST_F(FailingSave, FailingCreationOfTheTemporaryFile) {
    FaultyFileSystem faulty;
    faulty.createError = EROFS;
    expectInOutError([&] { SaveBestTen(changed, "new name", dir, faulty); }, kAccessDenied);
    expectOldFilesWhole();
}

TEST_F(FailingSave, ShortWritesStillWriteEveryByte) {
    FaultyFileSystem faulty;
    faulty.writeChunk = 100;
    SaveBestTen(changed, "new name", dir, faulty);
    EXPECT_EQ(readBytes(hisc()), encodeHiscFile(changed));
    EXPECT_EQ(readBytes(name()), "new name");
    EXPECT_EQ(entries(), (std::vector<std::string>{"Hisc.dat", "Name.dat"}));
}

TEST_F(BestTenStore, MissingDirectoryIsNotFound) {
    core::GameGlobals g;
    core::fillDefaultBestTen(g);
    expectInOutError([&] { SaveBestTen(g, "", dir / "missing"); }, kNotFound);
}

TEST_F(BestTenStore, SaveKeepsPermissionsAndWritesThroughSymbolicLinks) {
    fs::create_directory(dir / "real");
    writeBytes(dir / "real" / "scores", "old");
    fs::permissions(dir / "real" / "scores",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("real/scores", hisc());
    core::GameGlobals g;
    core::fillDefaultBestTen(g);
    SaveBestTen(g, "", dir);
    EXPECT_TRUE(fs::is_symlink(hisc()));
    EXPECT_EQ(readBytes(dir / "real" / "scores"), encodeHiscFile(g));
    EXPECT_EQ(fs::status(dir / "real" / "scores").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    std::vector<std::string> inReal;
    for (const auto& entry : fs::directory_iterator(dir / "real")) {
        inReal.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(inReal, std::vector<std::string>{"scores"});
}

// A real file system that refuses (and counts) every change outside `root`: a faulty store must
// not get to replace a device of the machine running the tests.
class ConfinedFileSystem : public PosixFileSystem {
  public:
    explicit ConfinedFileSystem(fs::path root) : root_(std::move(root)) {}

    int createTemporary(const std::string& target, std::string& tempPath) override {
        return inside(target) ? PosixFileSystem::createTemporary(target, tempPath) : refuse();
    }
    int rename(const std::string& from, const std::string& to) override {
        return inside(to) ? PosixFileSystem::rename(from, to) : refuse();
    }
    int remove(const std::string& path) override {
        return inside(path) ? PosixFileSystem::remove(path) : refuse();
    }

    int refused = 0;

  private:
    bool inside(const std::string& path) const {
        const std::string parent = fs::weakly_canonical(fs::path(path)).parent_path().string();
        return parent.rfind(root_.string(), 0) == 0;
    }
    int refuse() {
        ++refused;
        return -EPERM;
    }

    fs::path root_;
};

TEST_F(BestTenStore, LinksToADeviceOrAFifoAreLeftUntouched) {
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    fs::create_symlink(dir / "fifo", hisc());
    fs::create_symlink("/dev/null", name());
    ConfinedFileSystem confined(fs::canonical(dir));
    core::GameGlobals g;
    std::string playerName;
    LoadBestTen(g, playerName, dir, confined);  // neither counts as a file: nothing is read
    EXPECT_EQ(g.BestTen[0].Score, 5000);
    expectInOutError([&] { SaveBestTen(g, "", dir, confined); }, kAccessDenied);
    fs::remove(hisc());
    expectInOutError([&] { SaveBestTen(g, "", dir, confined); }, kAccessDenied);
    EXPECT_EQ(confined.refused, 0);
    EXPECT_TRUE(fs::is_fifo(dir / "fifo"));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_EQ(entries(), (std::vector<std::string>{"Hisc.dat", "Name.dat", "fifo"}));
}

// A process id that no longer runs: a child that has ended and been reaped.
long endedProcess() {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
    return child;
}

TEST_F(BestTenStore, StaleTemporaryFilesOfEndedProcessesAreRemovedAtStart) {
    const std::string ended = std::to_string(endedProcess());
    const std::string running = std::to_string(::getppid());
    const std::vector<std::string> stale{".Hisc.dat." + ended + ".0.tmp",
                                         ".Name.dat." + ended + ".17.tmp"};
    // Of a process still running, or not of our pattern exactly.
    const std::vector<std::string> kept{
        ".Hisc.dat." + running + ".0.tmp", ".Hisc.dat." + ended + ".0.tmp.bak",
        ".Hisc.dat." + ended + ".tmp",     ".Hisc.dat.x" + ended + ".0.tmp",
        "Hisc.dat." + ended + ".0.tmp",    ".Other.dat." + ended + ".0.tmp",
        ".Name.dat." + ended + ".-1.tmp",
    };
    for (const auto& file : stale) {
        writeBytes(dir / file, "partial");
    }
    for (const auto& file : kept) {
        writeBytes(dir / file, "foreign");
    }
    core::GameGlobals g;
    std::string playerName;
    LoadBestTen(g, playerName, dir);
    std::vector<std::string> expected = kept;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(entries(), expected);
}

TEST_F(FailingSave, FileSizeLimitFailsTheSaveAndLeavesNoTemporaryFile) {
    rlimit previous{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previous), 0);
    rlimit limited = previous;
    limited.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    PosixFileSystem posix;  // the process survives the limit
    try {
        SaveBestTen(changed, "new name", dir, posix);
        ADD_FAILURE() << "the save went through";
    } catch (const EInOutError& error) {
        EXPECT_EQ(error.ErrorCode(), EFBIG);
    }
    ::setrlimit(RLIMIT_FSIZE, &previous);
    expectOldFilesWhole();
}

TEST_F(BestTenStore, DefaultDirectoryIsTheWorkingDirectory) {
    const fs::path previous = fs::current_path();
    fs::current_path(dir);
    core::GameGlobals g = sampleTable();
    SaveBestTen(g, "cwd");
    core::GameGlobals loaded;
    std::string playerName;
    LoadBestTen(loaded, playerName);
    fs::current_path(previous);
    EXPECT_EQ(loaded.BestTen, g.BestTen);
    EXPECT_EQ(playerName, "cwd");
    EXPECT_TRUE(fs::exists(hisc()));
}

// ---------------------------------------------------------------------------------------------
// Error texts.

TEST(InOutErrorText, MapsSystemCodesOntoTheGamesTexts) {
    EXPECT_EQ(inOutErrorText(EInOutError::EndOfFile), kEndOfFile);
    for (int code : {EACCES, EPERM, EROFS, EISDIR}) {
        EXPECT_EQ(inOutErrorText(code), kAccessDenied) << code;
    }
    for (int code : {ENOSPC, EDQUOT}) {
        EXPECT_EQ(inOutErrorText(code), kDiskFull) << code;
    }
    EXPECT_EQ(inOutErrorText(ENOENT), kNotFound);
    EXPECT_EQ(inOutErrorText(ENAMETOOLONG), kBadName);
    EXPECT_EQ(inOutErrorText(EMFILE), kTooManyFiles);
    EXPECT_EQ(inOutErrorText(ENFILE), kTooManyFiles);
    EXPECT_EQ(inOutErrorText(EIO), "I/O エラー (5)");
    EXPECT_EQ(inOutErrorText(1234), "I/O エラー (1234)");
    const EInOutError error(ENOSPC);
    EXPECT_EQ(error.ErrorCode(), ENOSPC);
    EXPECT_EQ(std::string(error.what()), kDiskFull);
    const std::runtime_error& base = error;
    EXPECT_EQ(std::string(base.what()), kDiskFull);
}

}  // namespace
}  // namespace game
