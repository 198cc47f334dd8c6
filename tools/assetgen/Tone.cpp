#include "tools/assetgen/Tone.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace assetgen {

namespace {

constexpr double TwoPi = 2.0 * std::numbers::pi;
constexpr int HornHarmonics = 14;
constexpr double HornAttack = 0.03;
constexpr double HornRelease = 0.06;
constexpr double VibratoRate = 5.5;  // Hz

int sampleAt(const Samples& out, double seconds) {
    return std::clamp(static_cast<int>(std::lround(seconds * out.rate)), 0,
                      static_cast<int>(out.values.size()));
}

// Loudness 0..1 of a held note: quick swell, held, then let go.
double hornEnvelope(double t, double length) {
    const double rise = std::min(1.0, t / HornAttack);
    const double fall = std::clamp((length - t) / HornRelease, 0.0, 1.0);
    return rise * fall * (1.0 - 0.25 * t / length);
}

}  // namespace

void addStrike(Samples& out, double start, double attack, const std::vector<Partial>& partials) {
    const int first = sampleAt(out, start);
    for (int i = first; i < static_cast<int>(out.values.size()); ++i) {
        const double t = static_cast<double>(i - first) / out.rate;
        const double rise = attack > 0 ? std::min(1.0, t / attack) : 1.0;
        double sum = 0;
        for (const Partial& partial : partials) {
            if (partial.frequency >= out.rate / 2.0) {
                continue;  // would fold back as a false tone
            }
            sum += partial.amplitude * std::exp(-t / partial.decay) *
                   std::sin(TwoPi * partial.frequency * t);
        }
        out.values[i] += rise * sum;
    }
}

void addHornNote(Samples& out, const HornNote& note) {
    const int first = sampleAt(out, note.start);
    const int last = sampleAt(out, note.start + note.length);
    double phase = 0;
    for (int i = first; i < last; ++i) {
        const double t = static_cast<double>(i - first) / out.rate;
        const double progress = t / note.length;
        const double vibrato = note.vibratoDepth * progress * std::sin(TwoPi * VibratoRate * t);
        const double frequency = note.frequency * (1.0 - note.sag * progress) * (1.0 + vibrato);
        phase += TwoPi * frequency / out.rate;
        const double loudness = hornEnvelope(t, note.length);
        // Higher harmonics fade faster as the note grows quiet: the "wah" of a muted horn.
        const double brightness = 0.35 + 0.45 * loudness;
        double sum = 0;
        double weight = 1.0;
        for (int n = 1; n <= HornHarmonics && n * frequency < out.rate / 2.0; ++n) {
            sum += weight / n * std::sin(n * phase);
            weight *= brightness;
        }
        out.values[i] += note.level * loudness * sum;
    }
}

}  // namespace assetgen
