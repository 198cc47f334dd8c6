// The stored form of each embedded sound, and that each one starts and ends quietly.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "assets/Assets.h"
#include "media/LittleEndian.h"
#include "media/Wave.h"
#include "media/encode/WaveEncoding.h"
#include "tools/loudness/Loudness.h"

namespace {

struct SoundForm {
    std::uint32_t rate;
    int bits;
    std::uint32_t dataBytes;
    std::size_t storedBytes;
};

constexpr SoundForm Expected[] = {
    {22050, 16, 61460, 61504}, {22050, 16, 39006, 39050}, {22050, 16, 108986, 109030},
    {11025, 16, 11632, 11676}, {22050, 16, 8314, 8358},   {11025, 8, 2564, 2608},
    {22050, 16, 71246, 71290},
};

std::string text(std::span<const std::uint8_t> bytes) {
    return {bytes.begin(), bytes.end()};
}

// Samples as -1..1, whatever their size.
std::vector<double> levels(const media::TWave& wave) {
    std::vector<double> result;
    const auto& bytes = wave.samples();
    if (wave.bitsPerSample() == 8) {
        for (const std::uint8_t b : bytes) {
            result.push_back((b - 128) / 128.0);
        }
    } else {
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
            result.push_back(static_cast<std::int16_t>(bytes[i] | bytes[i + 1] << 8) / 32768.0);
        }
    }
    return result;
}

TEST(SoundData, RiffImagesOfMonoPcm) {
    for (int index = 0; index < assets::SoundCount; ++index) {
        SCOPED_TRACE(index);
        const SoundForm& form = Expected[index];
        const auto image = assets::sound(index);
        ASSERT_EQ(image.size(), form.storedBytes);
        media::LittleEndianReader<std::runtime_error> in(image, "cut off");
        EXPECT_EQ(text(in.bytes(4)), "RIFF");
        EXPECT_EQ(in.u32(), form.storedBytes - 8);
        EXPECT_EQ(text(in.bytes(4)), "WAVE");
        EXPECT_EQ(text(in.bytes(4)), "fmt ");
        EXPECT_EQ(in.u32(), 16u);
        EXPECT_EQ(in.u16(), 1);  // PCM
        EXPECT_EQ(in.u16(), 1);  // mono
        EXPECT_EQ(in.u32(), form.rate);
        EXPECT_EQ(in.u32(), form.rate * (form.bits / 8));
        EXPECT_EQ(in.u16(), form.bits / 8);
        EXPECT_EQ(in.u16(), form.bits);
        EXPECT_EQ(text(in.bytes(4)), "data");
        EXPECT_EQ(in.u32(), form.dataBytes);
        EXPECT_EQ(in.remaining(), form.dataBytes) << "nothing after the samples";
    }
}

TEST(SoundData, ReadBackAsWaves) {
    for (int index = 0; index < assets::SoundCount; ++index) {
        const media::TWave wave = media::TWave::readImage(assets::sound(index));
        EXPECT_EQ(wave.sampleRate(), Expected[index].rate) << index;
        EXPECT_EQ(wave.samples().size(), Expected[index].dataBytes) << index;
        EXPECT_EQ(encodeWaveImage(wave).size(), Expected[index].storedBytes) << index;
    }
}

TEST(SoundData, OneLoudnessUnclippedWithoutClicksAtTheEnds) {
    std::vector<double> loudness;
    for (int index = 0; index < assets::SoundCount; ++index) {
        SCOPED_TRACE(index);
        const media::TWave wave = media::TWave::readImage(assets::sound(index));
        const std::vector<double> values = levels(wave);
        double peak = 0;
        for (const double v : values) {
            peak = std::max(peak, std::abs(v));
        }
        EXPECT_LT(peak, 0.9);  // -1 dBFS
        EXPECT_LT(std::abs(values.front()), 0.01);
        EXPECT_LT(std::abs(values.back()), 0.01);
        loudness.push_back(loudness::loudnessOf(values, static_cast<int>(wave.sampleRate())));
    }
    const auto [quietest, loudest] = std::minmax_element(loudness.begin(), loudness.end());
    EXPECT_LT(*loudest - *quietest, 1.0) << "dB between the loudest sound and the quietest";
    EXPECT_GT(*quietest, -20.0) << "dB, the quietest sound";
}

TEST(SoundData, OutOfRangeIndexesThrow) {
    EXPECT_THROW(assets::sound(-1), std::out_of_range);
    EXPECT_THROW(assets::sound(assets::SoundCount), std::out_of_range);
}

}  // namespace
