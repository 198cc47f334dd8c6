#include "media/WaveStream.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "media/LittleEndian.h"
#include "media/MediaError.h"
#include "media/MediaMessages.h"
#include "text/Translation.h"

namespace media {

namespace {

using Reader = LittleEndianReader<EWaveStreamError>;

constexpr std::size_t ChunkHeaderSize = 8;
// Offset of the data chunk's length field when the format block is empty.
constexpr std::size_t DataLengthOffset = 24;

bool isId(std::span<const std::uint8_t> bytes, const char (&id)[5]) {
    return std::memcmp(bytes.data(), id, 4) == 0;
}

void putU32At(std::vector<std::uint8_t>& image, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        image[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

}  // namespace

void TWaveStream::openRead(std::span<const std::uint8_t> image) {
    if (isOpen()) {
        throw EWaveStreamError(text::tr(messages::StreamAlreadyOpen));
    }
    scanChunks(image);
    image_ = image;
    readPosition_ = 0;
    mode_ = Mode::Reading;
}

void TWaveStream::scanChunks(std::span<const std::uint8_t> image) {
    Reader in(image, messages::InvalidWave);
    const auto riff = in.bytes(4);
    in.u32();  // total length - 8; the chunks themselves decide
    if (!isId(riff, "RIFF") || !isId(in.bytes(4), "WAVE")) {
        in.fail();
    }
    format_.clear();
    dataPosition_ = 0;
    dataLength_ = 0;
    while (in.remaining() >= ChunkHeaderSize) {
        const auto id = in.bytes(4);
        const std::uint32_t length = in.u32();
        if (isId(id, "\0\0\0\0")) {
            break;
        }
        if (isId(id, "fmt ")) {
            const auto format = in.bytes(length);
            format_.assign(format.begin(), format.end());
            continue;
        }
        if (isId(id, "data")) {
            // Samples cut off by the end of the image could never be read; refuse them here,
            // before anyone makes room for them.
            if (length > in.remaining()) {
                in.fail();
            }
            dataPosition_ = in.position();
            dataLength_ = length;
        }
        if (length > in.remaining()) {
            break;
        }
        in.skip(length);
    }
}

void TWaveStream::openWrite(std::span<const std::uint8_t> format) {
    if (isOpen()) {
        throw EWaveStreamError(text::tr(messages::StreamAlreadyOpen));
    }
    if (format.empty()) {
        throw EWaveStreamError(text::tr(messages::InvalidFormat));
    }
    format_.assign(format.begin(), format.end());
    dataLength_ = 0;
    written_.clear();
    LittleEndianWriter out(written_);
    out.text("RIFF");
    out.u32(0);  // set at close
    out.text("WAVE");
    out.text("fmt ");
    out.u32(static_cast<std::uint32_t>(format_.size()));
    out.bytes(format_);
    out.text("data");
    out.u32(0);  // set at close
    mode_ = Mode::Writing;
}

std::vector<std::uint8_t> TWaveStream::close() {
    if (!isOpen()) {
        throw EWaveStreamError(text::tr(messages::StreamNotOpen));
    }
    const Mode mode = mode_;
    mode_ = Mode::Closed;
    image_ = {};
    if (mode == Mode::Reading) {
        return {};
    }
    if (written_.size() - ChunkHeaderSize > std::numeric_limits<std::uint32_t>::max()) {
        throw EWaveStreamError(text::tr(messages::InvalidWave));
    }
    putU32At(written_, 4, static_cast<std::uint32_t>(written_.size() - ChunkHeaderSize));
    putU32At(written_, DataLengthOffset + format_.size(), static_cast<std::uint32_t>(dataLength_));
    return std::move(written_);
}

std::size_t TWaveStream::read(std::span<std::uint8_t> buffer) {
    requireMode(Mode::Reading);
    const std::size_t count = std::min(buffer.size(), dataLength_ - readPosition_);
    if (count == 0) {
        return 0;
    }
    Reader in(image_, messages::InvalidWave);
    in.skip(dataPosition_ + readPosition_);
    const auto bytes = in.bytes(count);
    std::copy(bytes.begin(), bytes.end(), buffer.begin());
    readPosition_ += count;
    return count;
}

void TWaveStream::write(std::span<const std::uint8_t> samples) {
    requireMode(Mode::Writing);
    written_.insert(written_.end(), samples.begin(), samples.end());
    dataLength_ += samples.size();
}

void TWaveStream::requireMode(Mode mode) const {
    if (mode_ != mode) {
        throw EWaveStreamError(text::tr(messages::StreamNotOpen));
    }
}

}  // namespace media
