#pragma once
// Building blocks of the synthesised sounds: struck partials and sustained notes, mixed into
// a buffer of samples in -1..1.

#include <vector>

namespace assetgen {

struct Samples {
    int rate = 0;
    std::vector<double> values;

    double duration() const { return static_cast<double>(values.size()) / rate; }
};

// One sine component of a struck sound, dying away exponentially.
struct Partial {
    double frequency = 0;  // Hz
    double amplitude = 0;
    double decay = 0;  // seconds for the level to fall to 1/e
};

// A strike at start seconds: the partials rise over attack seconds and then die away.
void addStrike(Samples& out, double start, double attack, const std::vector<Partial>& partials);

// A held note of harmonics whose brightness swells with its loudness, like a muted horn.
struct HornNote {
    double start = 0;      // seconds
    double length = 0;     // seconds, release included
    double frequency = 0;  // Hz
    double level = 0;
    double vibratoDepth = 0;  // share of the frequency, reached at the end of the note
    double sag = 0;           // share of the frequency the pitch falls by over the note
};

void addHornNote(Samples& out, const HornNote& note);

}  // namespace assetgen
