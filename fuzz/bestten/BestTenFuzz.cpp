// libFuzzer target over LoadBestTen (and the save that follows it) with arbitrary Hisc.dat and
// Name.dat bytes, on an in-memory file system.
//
// Input: byte 0 = flags (bit 0 Hisc.dat exists, bit 1 Hisc.dat is a directory, bit 2 Name.dat
// exists, bit 3 Name.dat is a directory, bit 4 inject a failure into the save); byte 1 = index
// of the failing save call; bytes 2-3 = length of Hisc.dat (little-endian, cut to what is left);
// then the bytes of Hisc.dat, then the bytes of Name.dat.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz/bestten/MemoryFileSystem.h"
#include "game/BestTenStore.h"

namespace {

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

std::int32_t int32At(const std::string& bytes, std::size_t offset) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) {
        v = (v << 8) | static_cast<unsigned char>(bytes[offset + i]);
    }
    return static_cast<std::int32_t>(v);
}

bool noTemporaries(const fuzz::MemoryFileSystem& fs) {
    for (const auto& [path, node] : fs.nodes) {
        if (path != "./Hisc.dat" && path != "./Name.dat") {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) {
        return 0;
    }
    const unsigned flags = data[0];
    const int failAt = data[1];
    std::size_t hiscSize = data[2] | (std::size_t{data[3]} << 8);
    const std::string rest(reinterpret_cast<const char*>(data + 4), size - 4);
    hiscSize = std::min(hiscSize, rest.size());
    const std::string hiscBytes = rest.substr(0, hiscSize);
    const std::string nameBytes = rest.substr(hiscSize);

    const std::string hiscPath = "./Hisc.dat";
    const std::string namePath = "./Name.dat";
    fuzz::MemoryFileSystem fs;
    const bool hiscFile = (flags & 1) != 0;
    const bool hiscDirectory = !hiscFile && (flags & 2) != 0;
    const bool nameFile = (flags & 4) != 0;
    const bool nameDirectory = !nameFile && (flags & 8) != 0;
    if (hiscFile || hiscDirectory) {
        fs.nodes[hiscPath] = {hiscDirectory, hiscDirectory ? "" : hiscBytes};
    }
    if (nameFile || nameDirectory) {
        fs.nodes[namePath] = {nameDirectory, nameDirectory ? "" : nameBytes};
    }

    // Load, and compare with what the file format says must have been taken.
    core::GameGlobals g;
    std::string playerName = "\x01unchanged";
    bool failed = false;
    try {
        game::LoadBestTen(g, playerName, ".", fs);
    } catch (const game::EInOutError& error) {
        failed = true;
        check(error.ErrorCode() == game::EInOutError::EndOfFile, "only a short file can fail");
        check(hiscFile && hiscBytes.size() < game::HiscFileSize, "failure without a short file");
    }
    check(fs.openHandles == 0, "a handle left open");
    check(failed == (hiscFile && hiscBytes.size() < game::HiscFileSize), "short file not noticed");

    core::GameGlobals expected;
    if (hiscFile) {
        for (std::size_t k = 0; k < 10; ++k) {
            if (hiscBytes.size() >= 128 * k + 12) {
                const std::size_t at = 128 * k;
                expected.BestTen[k] = {int32At(hiscBytes, at), int32At(hiscBytes, at + 4),
                                       int32At(hiscBytes, at + 8)};
            }
            if (hiscBytes.size() < 128 * (k + 1)) {
                break;
            }
        }
        if (hiscBytes.size() >= 1284) {
            expected.PassValue = int32At(hiscBytes, 1280);
        }
    }
    if (!failed && expected.BestTen[0].Score == 0) {
        core::fillDefaultBestTen(expected);
    }
    check(g.BestTen == expected.BestTen, "table differs from the file");
    check(g.PassValue == expected.PassValue, "PassValue differs from the file");
    if (failed || !nameFile) {
        check(playerName == "\x01unchanged", "name changed without a Name.dat read");
    } else {
        std::string expectedName;
        for (char byte : nameBytes) {
            if (byte == '\r' || byte == '\x1A') {
                break;
            }
            expectedName += byte;
        }
        check(playerName == expectedName, "name differs from the file");
        check(playerName.find_first_of(std::string("\r\x1A", 2)) == std::string::npos,
              "CR or 0x1A in the name");
    }
    if (failed) {
        return 0;
    }
    check(g.BestTen[0].Score != 0, "first score 0 after a load");

    // Save, perhaps with a failing call, and check what is on the "disk".
    const auto before = fs.nodes;
    if ((flags & 16) != 0) {
        fs.failAt = failAt;
    }
    bool saveFailed = false;
    try {
        game::SaveBestTen(g, playerName, ".", fs);
    } catch (const game::EInOutError& error) {
        saveFailed = true;
        check(error.what()[0] != '\0', "empty text");
    }
    check(noTemporaries(fs), "a temporary file left behind");
    check(!hiscDirectory || saveFailed, "a directory named Hisc.dat was replaced");
    const std::string newHisc = game::encodeHiscFile(g);
    const auto hisc = fs.nodes.find(hiscPath);
    const auto name = fs.nodes.find(namePath);
    const bool hiscWritten =
        hisc != fs.nodes.end() && !hisc->second.directory && hisc->second.data == newHisc;
    const bool nameWritten =
        name != fs.nodes.end() && !name->second.directory && name->second.data == playerName;
    if (!saveFailed) {
        check(hiscWritten && nameWritten, "a successful save wrote other bytes");
        check(newHisc.size() == game::HiscFileSize, "Hisc.dat is not 1408 bytes");
    } else {
        // Each file is either whole and new, or exactly as before; Name.dat is written only
        // after Hisc.dat.
        const auto old = [&](const std::string& path) {
            const auto was = before.find(path);
            const auto now = fs.nodes.find(path);
            if (was == before.end()) {
                return now == fs.nodes.end();
            }
            return now != fs.nodes.end() && now->second.directory == was->second.directory &&
                   now->second.data == was->second.data;
        };
        check(hiscWritten || old(hiscPath), "Hisc.dat damaged by a failed save");
        check(old(namePath) || (hiscWritten && nameWritten), "Name.dat damaged by a failed save");
        return 0;
    }

    // Load again: the same table, check value and name.
    fs.failAt = -1;
    core::GameGlobals reloaded;
    std::string reloadedName;
    game::LoadBestTen(reloaded, reloadedName, ".", fs);
    check(reloaded.BestTen == g.BestTen, "round trip changed the table");
    check(reloaded.PassValue == g.PassValue, "round trip changed PassValue");
    check(reloadedName == playerName, "round trip changed the name");
    return 0;
}
