#include "tools/assetgen/SoundShaping.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

#include "tools/loudness/Loudness.h"

namespace assetgen {

namespace {

constexpr double PeakDecibels = -1.0;
// One loudness for every sound, low enough that the sound with the sharpest peaks stays below
// PeakDecibels: a player hears none of them jump out.
constexpr double LoudnessDecibels = -18.5;
constexpr double FadeIn = 0.002;
constexpr double FadeOut = 0.012;

double fadeGain(int step, int steps) {
    return 0.5 - 0.5 * std::cos(std::numbers::pi * step / steps);
}

double peakOf(const Samples& sound) {
    double peak = 0;
    for (const double value : sound.values) {
        peak = std::max(peak, std::fabs(value));
    }
    return peak;
}

double decibelsOf(double gain) {
    return 20.0 * std::log10(gain);
}

void scale(Samples& sound, double decibels) {
    const double gain = std::pow(10.0, decibels / 20.0);
    for (double& value : sound.values) {
        value *= gain;
    }
}

}  // namespace

void fitLength(Samples& sound, std::size_t count) {
    sound.values.resize(count, 0.0);
}

void normaliseLoudness(Samples& sound, double decibels) {
    scale(sound, decibels - loudness::loudnessOf(sound.values, sound.rate));
    if (const double peak = decibelsOf(peakOf(sound)); peak > PeakDecibels) {
        scale(sound, PeakDecibels - peak);
    }
}

void fadeEdges(Samples& sound, double fadeIn, double fadeOut) {
    const int count = static_cast<int>(sound.values.size());
    const int inSteps = std::min(count, static_cast<int>(std::lround(fadeIn * sound.rate)));
    const int outSteps = std::min(count, static_cast<int>(std::lround(fadeOut * sound.rate)));
    for (int i = 0; i < inSteps; ++i) {
        sound.values[i] *= fadeGain(i, inSteps);
    }
    for (int i = 0; i < outSteps; ++i) {
        sound.values[count - 1 - i] *= fadeGain(i, outSteps);
    }
}

void finishSound(Samples& sound, std::size_t count) {
    fitLength(sound, count);
    normaliseLoudness(sound, LoudnessDecibels);
    fadeEdges(sound, FadeIn, FadeOut);
}

std::vector<std::uint8_t> encodePcm(const Samples& sound, int bitsPerSample) {
    std::vector<std::uint8_t> bytes;
    for (const double value : sound.values) {
        const double clipped = std::clamp(value, -1.0, 1.0);
        if (bitsPerSample == 16) {
            const auto sample = static_cast<std::int16_t>(std::lround(clipped * 32767.0));
            bytes.push_back(static_cast<std::uint8_t>(sample & 0xff));
            bytes.push_back(static_cast<std::uint8_t>((sample >> 8) & 0xff));
        } else if (bitsPerSample == 8) {
            bytes.push_back(static_cast<std::uint8_t>(128 + std::lround(clipped * 127.0)));
        } else {
            throw std::invalid_argument("only 8- and 16-bit samples are stored");
        }
    }
    return bytes;
}

}  // namespace assetgen
