#include "media/Wave.h"

#include <gtest/gtest.h>

#include "media/LittleEndian.h"
#include "media/MediaError.h"
#include "media/MediaMessages.h"
#include "media/WaveStream.h"
#include "media/encode/WaveEncoding.h"

using namespace media;

namespace {

using Bytes = std::vector<std::uint8_t>;

const Bytes Mono8Format = {1, 0, 1, 0, 0x11, 0x2B, 0, 0, 0x11, 0x2B, 0, 0, 1, 0, 8, 0};

Bytes chunk(const char* id, const Bytes& body) {
    Bytes data;
    LittleEndianWriter out(data);
    out.text(std::string_view(id, 4));
    out.u32(static_cast<std::uint32_t>(body.size()));
    out.bytes(body);
    return data;
}

// The 12-byte head with its length, then the chunks as given.
Bytes riff(std::initializer_list<Bytes> chunks) {
    Bytes data;
    LittleEndianWriter out(data);
    out.text("RIFF");
    out.u32(0);
    out.text("WAVE");
    for (const Bytes& c : chunks) {
        out.bytes(c);
    }
    data[4] = static_cast<std::uint8_t>(data.size() - 8);
    return data;
}

template <class Action>
void expectStreamError(Action action, const char* text) {
    try {
        action();
        ADD_FAILURE() << "no error, expected " << text;
    } catch (const EWaveStreamError& e) {
        EXPECT_STREQ(e.what(), text);
    }
}

}  // namespace

TEST(WaveWrite, ExactLayout) {
    const TWave wave = monoPcmWave(11025, 8, Bytes{0x80, 0x90, 0x70});
    EXPECT_EQ(encodeWaveImage(wave),
              riff({chunk("fmt ", Mono8Format), chunk("data", {0x80, 0x90, 0x70})}));
}

TEST(WaveWrite, GameSoundSizes) {
    EXPECT_EQ(encodeWaveImage(monoPcmWave(22050, 16, Bytes(61460))).size(), 61504u);
    EXPECT_EQ(encodeWaveImage(monoPcmWave(11025, 16, Bytes(11632))).size(), 11676u);
    EXPECT_EQ(encodeWaveImage(monoPcmWave(11025, 8, Bytes(2564))).size(), 2608u);
}

TEST(WaveWrite, NothingWhenFormatOrSamplesAreEmpty) {
    EXPECT_TRUE(encodeWaveImage(TWave()).empty());
    EXPECT_TRUE(encodeWaveImage(TWave(Mono8Format, {})).empty());
    EXPECT_TRUE(encodeWaveImage(TWave({}, Bytes{1, 2})).empty());
}

TEST(WaveFormat, MonoPcmFields) {
    const TWave wave = monoPcmWave16(22050, std::vector<std::int16_t>{-2, 3});
    EXPECT_EQ(wave.formatTag(), TWave::PcmFormatTag);
    EXPECT_EQ(wave.channels(), 1);
    EXPECT_EQ(wave.sampleRate(), 22050u);
    EXPECT_EQ(wave.averageBytesPerSecond(), 44100u);
    EXPECT_EQ(wave.blockAlign(), 2);
    EXPECT_EQ(wave.bitsPerSample(), 16);
    EXPECT_EQ(wave.samples(), (Bytes{0xFE, 0xFF, 3, 0}));
    EXPECT_EQ(TWave(Bytes{1, 0}, {}).sampleRate(), 0u);
    EXPECT_THROW(monoPcmWave(11025, 16, Bytes(3)), std::invalid_argument);
}

TEST(WaveRead, RoundTrip) {
    const TWave wave = monoPcmWave16(11025, std::vector<std::int16_t>{1, -1, 300});
    const TWave back = TWave::readImage(encodeWaveImage(wave));
    EXPECT_EQ(back.format(), wave.format());
    EXPECT_EQ(back.samples(), wave.samples());
}

TEST(WaveRead, AnyChunkOrderAndUnpaddedLengths) {
    // An odd-length chunk first, then data before fmt: no pad byte between chunks.
    const Bytes image =
        riff({chunk("LIST", {1, 2, 3}), chunk("data", {9, 8, 7}), chunk("fmt ", Mono8Format)});
    const TWave wave = TWave::readImage(image);
    EXPECT_EQ(wave.format(), Mono8Format);
    EXPECT_EQ(wave.samples(), (Bytes{9, 8, 7}));
}

TEST(WaveRead, MissingDataOrZeroIdentifierGivesNoSamples) {
    const TWave noData = TWave::readImage(riff({chunk("fmt ", Mono8Format)}));
    EXPECT_EQ(noData.format(), Mono8Format);
    EXPECT_TRUE(noData.empty());

    const TWave stopped = TWave::readImage(
        riff({chunk("fmt ", Mono8Format), chunk("\0\0\0\0", {}), chunk("data", {1})}));
    EXPECT_TRUE(stopped.empty());
}

TEST(WaveRead, MalformedImagesThrow) {
    expectStreamError(
        [] {
            TWave::readImage(Bytes{'R', 'I', 'F', 'X', 0, 0, 0, 0, 'W', 'A', 'V', 'E'});
        },
        messages::InvalidWave);
    expectStreamError([] { TWave::readImage(Bytes{'R', 'I', 'F', 'F'}); }, messages::InvalidWave);
    // A data chunk claiming more samples than the image holds.
    Bytes cut = riff({chunk("fmt ", Mono8Format), chunk("data", {1, 2, 3})});
    cut.pop_back();
    expectStreamError([&] { TWave::readImage(cut); }, messages::InvalidWave);
    Bytes huge = riff({chunk("fmt ", Mono8Format), chunk("data", {})});
    std::fill(huge.end() - 4, huge.end(), 0xFF);
    expectStreamError([&] { TWave::readImage(huge); }, messages::InvalidWave);
}

TEST(WaveRead, EveryTruncationIsReadSafely) {
    const Bytes image = riff({chunk("fmt ", Mono8Format), chunk("data", {1, 2, 3, 4})});
    for (std::size_t n = 0; n < image.size(); ++n) {
        const Bytes prefix(image.begin(), image.begin() + n);
        try {
            const TWave wave = TWave::readImage(prefix);
            EXPECT_LE(wave.samples().size(), 4u);
        } catch (const EWaveStreamError& e) {
            EXPECT_STREQ(e.what(), messages::InvalidWave);
        }
    }
}

TEST(WaveStream, StateErrors) {
    const Bytes image = encodeWaveImage(monoPcmWave(11025, 8, Bytes{1, 2}));
    TWaveStream stream;
    Bytes buffer(2);
    expectStreamError([&] { stream.read(buffer); }, messages::StreamNotOpen);
    expectStreamError([&] { stream.write(buffer); }, messages::StreamNotOpen);
    expectStreamError([&] { stream.close(); }, messages::StreamNotOpen);
    expectStreamError([&] { stream.openWrite({}); }, messages::InvalidFormat);

    stream.openRead(image);
    expectStreamError([&] { stream.openRead(image); }, messages::StreamAlreadyOpen);
    expectStreamError([&] { stream.openWrite(Mono8Format); }, messages::StreamAlreadyOpen);
    expectStreamError([&] { stream.write(buffer); }, messages::StreamNotOpen);
    stream.close();

    stream.openWrite(Mono8Format);
    expectStreamError([&] { stream.read(buffer); }, messages::StreamNotOpen);
}

TEST(WaveStream, ReadsNeverPassTheRecordedLength) {
    const Bytes image = riff({chunk("data", {1, 2}), chunk("fmt ", Mono8Format)});
    TWaveStream stream;
    stream.openRead(image);
    Bytes buffer(8, 0xEE);
    EXPECT_EQ(stream.read(buffer), 2u);
    EXPECT_EQ(buffer[2], 0xEE);
    EXPECT_EQ(stream.read(buffer), 0u);
}
