#include "tools/assetgen/SynthSounds.h"

#include <cmath>
#include <cstdint>

#include "tools/assetgen/SoundShaping.h"

namespace assetgen {

namespace {

Samples silence(int rate, double seconds) {
    return {rate, std::vector<double>(static_cast<std::size_t>(std::lround(rate * seconds)))};
}

double semitonesAbove(double frequency, int semitones) {
    return frequency * std::pow(2.0, semitones / 12.0);
}

// A glockenspiel-like bell: slightly stretched overtones that die faster than the fundamental,
// and a twin a few hertz off that makes it shimmer.
std::vector<Partial> bell(double frequency, double level, double ring) {
    return {{frequency, level, ring},
            {frequency + 2.5, 0.5 * level, ring},
            {frequency * 2.0, 0.35 * level, ring * 0.5},
            {frequency * 3.01, 0.18 * level, ring * 0.3},
            {frequency * 4.17, 0.12 * level, ring * 0.15}};
}

// A deterministic noise burst for the knock's contact click.
void addClick(Samples& out, double seconds, double level) {
    std::uint32_t state = 0x2545f491;
    double smoothed = 0;
    const int count = static_cast<int>(seconds * out.rate);
    for (int i = 0; i < count && i < static_cast<int>(out.values.size()); ++i) {
        state = state * 1664525u + 1013904223u;
        const double noise = static_cast<double>(state >> 8) / (1u << 24) * 2.0 - 1.0;
        smoothed += 0.5 * (noise - smoothed);  // dulls the hiss to a wooden tick
        out.values[i] += level * smoothed * (1.0 - static_cast<double>(i) / count);
    }
}

}  // namespace

Samples logoChime(int rate, double seconds) {
    Samples out = silence(rate, seconds);
    constexpr double Root = 1046.5;  // C6
    constexpr double Step = 0.085;
    const int arpeggio[] = {0, 4, 7, 12, 16};
    for (int i = 0; i < 5; ++i) {
        addStrike(out, i * Step, 0.003, bell(semitonesAbove(Root, arpeggio[i]), 0.55, 0.35));
    }
    const double chordStart = 5 * Step + 0.04;
    for (const int note : {-12, 0, 4, 7, 12}) {
        addStrike(out, chordStart, 0.006, bell(semitonesAbove(Root, note), 0.4, 0.45));
    }
    addStrike(out, chordStart + 0.12, 0.004, bell(semitonesAbove(Root, 24), 0.25, 0.3));
    fadeEdges(out, 0.0, 0.3);  // the chord is still ringing: let it die away, not stop
    return out;
}

Samples woodKnock(int rate, double seconds) {
    Samples out = silence(rate, seconds);
    // Inharmonic modes of a hollow block, the body ringing longest.
    addStrike(out, 0.0, 0.0008,
              {{620, 1.0, 0.035}, {870, 0.5, 0.022}, {1390, 0.2, 0.01}, {2150, 0.1, 0.005}});
    addClick(out, 0.004, 0.6);
    return out;
}

Samples gameOverPhrase(int rate, double seconds) {
    Samples out = silence(rate, seconds);
    constexpr double First = 392.0;  // G4
    constexpr double Step = 0.3;
    for (int i = 0; i < 3; ++i) {
        addHornNote(out, {i * Step, Step - 0.02, semitonesAbove(First, -i), 0.5, 0.0, 0.01});
    }
    const double lastStart = 3 * Step;
    addHornNote(out, {lastStart, seconds - lastStart, semitonesAbove(First, -3), 0.5, 0.03, 0.04});
    return out;
}

}  // namespace assetgen
