#pragma once
// Replay files taken apart and put together again at the offsets docs/replay-format.md gives,
// so that a test can damage one field and still have a file that passes the checksum.

#include <zlib.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "replay/ReplayCodec.h"

namespace replaytest {

inline constexpr std::size_t FrameCountOffset = 152;
inline constexpr std::size_t AnswerCountOffset = 156;
inline constexpr std::size_t StreamLengthOffset = 160;
inline constexpr std::size_t HeaderBytes = 164;

inline void putU32(std::string& bytes, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i, value >>= 8) {
        bytes[offset + static_cast<std::size_t>(i)] = static_cast<char>(value & 0xFF);
    }
}

// The CRC-32 at the end made to match what comes before it.
inline std::string withChecksum(std::string bytes) {
    const std::size_t covered = bytes.size() - 4;
    putU32(bytes, covered,
           static_cast<std::uint32_t>(
               crc32(0, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(covered))));
    return bytes;
}

// A file with the header of `file` but this frame stream and these counts.
inline std::string withStream(const std::string& file, std::string_view stream,
                              std::uint32_t frames, std::uint32_t answers) {
    std::string bytes = file.substr(0, HeaderBytes) + std::string(stream) + "CRC!";
    putU32(bytes, FrameCountOffset, frames);
    putU32(bytes, AnswerCountOffset, answers);
    putU32(bytes, StreamLengthOffset, static_cast<std::uint32_t>(stream.size()));
    return withChecksum(bytes);
}

}  // namespace replaytest
