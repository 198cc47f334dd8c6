// libFuzzer target over decodeReplay and verifyReplay.
//
// Each input is read twice: as it is (so that the framing and checksum checks are reached),
// and as a file's bytes before its checksum, with the stream length and the CRC-32 made to fit
// (so that the frame stream and the game behind it are reached). A replay that reads is written
// again and must read back the same, in no more bytes. Verification stops where the game ends,
// so a tiny input that claims millions of frames costs the run-length decoding and a short game.

#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "replay/ReplayCodec.h"
#include "replay/ReplayError.h"
#include "replay/Verification.h"

namespace {

constexpr std::size_t StreamLengthOffset = 160;
constexpr std::size_t HeaderBytes = 164;

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

void putU32(std::string& bytes, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i, value >>= 8) {
        bytes[offset + i] = static_cast<char>(value & 0xFF);
    }
}

// The input as the bytes before the checksum of a well-framed file.
std::string framed(std::string_view input) {
    std::string bytes(input);
    if (bytes.size() >= HeaderBytes) {
        putU32(bytes, StreamLengthOffset, static_cast<std::uint32_t>(bytes.size() - HeaderBytes));
    }
    const auto crc = static_cast<std::uint32_t>(
        crc32(0, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size())));
    bytes.append(4, '\0');
    putU32(bytes, bytes.size() - 4, crc);
    return bytes;
}

void readAndCheck(std::string_view bytes) {
    replay::Replay replay;
    try {
        replay = replay::decodeReplay(bytes);
    } catch (const replay::ReplayError& error) {
        check(error.what()[0] != '\0', "an empty reason");
        return;
    }
    const replay::Verdict verdict = replay::verifyReplay(replay);
    check(verdict.valid == verdict.reason.empty(), "a reason disagrees with the verdict");
    check(!verdict.valid || verdict.reached == replay.claim, "valid with another result");
    const std::string again = replay::encodeReplay(replay);
    check(again.size() <= bytes.size(), "written again in more bytes");
    check(replay::decodeReplay(again) == replay, "written again, read back otherwise");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    readAndCheck(input);
    readAndCheck(framed(input));
    return 0;
}
