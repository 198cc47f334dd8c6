#include "game/BestTenStore.h"

#include "game/SaveFiles.h"

#include <cerrno>

#include "text/Placeholders.h"
#include "text/Translation.h"

namespace game {

// ---------------------------------------------------------------------------------------------
// Failures.

std::string inOutErrorText(int code) {
    switch (code) {
        case EInOutError::EndOfFile:
            return text::tr("ファイルの末尾以降を読み込みました");
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:  // a directory of the name cannot be opened for writing (access refused)
        case ETXTBSY:
            return text::tr("ファイルへのアクセスが拒否されました");
        case ENOSPC:
        case EDQUOT:
            return text::tr("ディスクがいっぱいです");
        case ENOENT:
            return text::tr("ファイルが見つかりません");
        case ENAMETOOLONG:
        case EILSEQ:
            return text::tr("不正なファイル名です");
        case EMFILE:
        case ENFILE:
            return text::tr("オープンしたファイルが多すぎます");
        default:
            return text::filled(text::tr("I/O エラー (%s)"), {std::to_string(code)});
    }
}

EInOutError::EInOutError(int code) : std::runtime_error(inOutErrorText(code)), code_(code) {}

// ---------------------------------------------------------------------------------------------
// The store.

namespace {

std::string pathIn(const std::filesystem::path& directory, const char* name) {
    return (directory / name).string();
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

void putEntry(std::string& bytes, std::size_t offset, const core::THiScoreEntry& entry) {
    putInt32(bytes, offset, entry.Score);
    putInt32(bytes, offset + 4, entry.Level);
    putInt32(bytes, offset + 8, entry.Blocks);
}

void loadHisc(core::GameGlobals& g, FileSystem& fs, const std::string& path) {
    HandleGuard file(fs, checked(fs.open(path, FileSystem::OpenMode::Read)));
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
    playerName = decodeNameFile(readFileStart(fs, path, NameReadLimit));
}

}  // namespace

std::string encodeHiscFile(const core::GameGlobals& g) {
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

std::string decodeNameFile(std::string_view bytes) {
    const auto end = bytes.find_first_of(std::string_view("\r\x1A", 2));
    return std::string(bytes.substr(0, end));
}

void LoadBestTen(core::GameGlobals& g, std::string& playerName,
                 const std::filesystem::path& directory, FileSystem& fs) {
    for (const char* file : {HiscFileName, NameFileName}) {
        fs.removeStaleTemporaries(fs.resolveTarget(pathIn(directory, file)));
    }
    if (const std::string hisc = pathIn(directory, HiscFileName); fs.isFile(hisc)) {
        loadHisc(g, fs, hisc);
    }
    if (const std::string name = pathIn(directory, NameFileName); fs.isFile(name)) {
        loadName(playerName, fs, name);
    }
    if (g.BestTen[0].Score == 0) {
        core::fillDefaultBestTen(g);
    }
}

void SaveBestTen(const core::GameGlobals& g, const std::string& playerName,
                 const std::filesystem::path& directory, FileSystem& fs) {
    replaceFile(fs, pathIn(directory, HiscFileName), encodeHiscFile(g));
    replaceFile(fs, pathIn(directory, NameFileName), playerName);
}

}  // namespace game
