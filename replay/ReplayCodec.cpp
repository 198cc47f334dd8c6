#include "replay/ReplayCodec.h"

#include <zlib.h>

#include "replay/ByteReader.h"
#include "replay/ByteWriter.h"
#include "replay/FrameStream.h"
#include "replay/ReplayError.h"
#include "replay/ReplayShape.h"

namespace replay {

namespace {

// Magic, versions, random state, played-at, claim, best ten, the three counts.
constexpr std::size_t HeaderBytes = 4 + 2 + 2 + 4 + 8 + 3 * 4 + 10 * 3 * 4 + 3 * 4;
constexpr std::size_t StreamLengthOffset = HeaderBytes - 4;
constexpr std::size_t ChecksumBytes = 4;
// Each answer takes two bytes of the stream.
constexpr std::size_t AnswerBytes = 2;

std::uint32_t checksumOf(std::string_view bytes) {
    return static_cast<std::uint32_t>(
        crc32(0, reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uInt>(bytes.size())));
}

void writeClaim(ByteWriter& out, std::int32_t score, std::int32_t level, std::int32_t blocks) {
    out.i32(score);
    out.i32(level);
    out.i32(blocks);
}

Claim readClaim(ByteReader& in) {
    Claim claim;
    claim.score = in.i32();
    claim.level = in.i32();
    claim.blocks = in.i32();
    return claim;
}

// Everything that can be judged before the fields are read: size, magic, version, framing and
// checksum. Returns the bytes the checksum covers.
std::string_view checkFraming(std::string_view bytes) {
    if (bytes.size() > MaxFileBytes) {
        throw ReplayError("larger than 4 MB");
    }
    if (bytes.substr(0, Magic.size()) != Magic.substr(0, bytes.size())) {
        throw ReplayError("not a replay (wrong magic)");
    }
    ByteReader in(bytes);
    in.bytes(Magic.size());
    const std::uint16_t format = in.u16();
    if (format > FormatVersion) {
        throw ReplayError("made by a later version (format " + std::to_string(format) + ")");
    }
    if (format != FormatVersion) {
        throw ReplayError("format " + std::to_string(format) + " is not known");
    }
    in.bytes(StreamLengthOffset - in.position());
    const std::uint64_t fileBytes = std::uint64_t{HeaderBytes} + in.u32() + ChecksumBytes;
    if (bytes.size() < fileBytes) {
        throw ReplayError("truncated");
    }
    if (bytes.size() > fileBytes) {
        throw ReplayError("trailing bytes after the checksum: " +
                          std::to_string(bytes.size() - fileBytes));
    }
    const std::string_view covered = bytes.substr(0, bytes.size() - ChecksumBytes);
    if (ByteReader(bytes.substr(covered.size())).u32() != checksumOf(covered)) {
        throw ReplayError("checksum does not match");
    }
    return covered;
}

}  // namespace

std::string encodeReplay(const Replay& replay) {
    if (const std::string problem = shapeProblem(replay); !problem.empty()) {
        throw ReplayError("cannot be written: " + problem);
    }
    const std::string stream = encodeFrameStream(replay);
    if (HeaderBytes + stream.size() + ChecksumBytes > MaxFileBytes) {
        throw ReplayError("cannot be written: larger than 4 MB");
    }
    ByteWriter out;
    out.bytes(Magic);
    out.u16(FormatVersion);
    out.u16(replay.rulesVersion);
    out.u32(replay.randomState);
    out.i64(replay.playedAtMs);
    writeClaim(out, replay.claim.score, replay.claim.level, replay.claim.blocks);
    for (const core::THiScoreEntry& entry : replay.bestTen) {
        writeClaim(out, entry.Score, entry.Level, entry.Blocks);
    }
    out.u32(static_cast<std::uint32_t>(replay.lags.size()));
    out.u32(static_cast<std::uint32_t>(replay.answers.size()));
    out.u32(static_cast<std::uint32_t>(stream.size()));
    out.bytes(stream);
    out.u32(checksumOf(out.bytes()));
    return out.take();
}

Replay decodeReplay(std::string_view bytes) {
    ByteReader in(checkFraming(bytes));
    in.bytes(Magic.size() + 2);
    Replay replay;
    replay.rulesVersion = in.u16();
    replay.randomState = in.u32();
    replay.playedAtMs = in.i64();
    replay.claim = readClaim(in);
    for (core::THiScoreEntry& entry : replay.bestTen) {
        const Claim read = readClaim(in);
        entry = {read.score, read.level, read.blocks};
    }
    const std::uint32_t frameCount = in.u32();
    const std::uint32_t answerCount = in.u32();
    const std::uint32_t streamBytes = in.u32();
    if (frameCount > MaxFrames) {
        throw ReplayError(TooManyFrames);
    }
    if (answerCount > streamBytes / AnswerBytes) {
        throw ReplayError("the header counts " + std::to_string(answerCount) +
                          " answers, more than the frame stream can hold");
    }
    decodeFrameStream(in.bytes(streamBytes), frameCount, answerCount, replay);
    return replay;
}

}  // namespace replay
