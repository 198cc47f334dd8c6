#pragma once
// Spoken sounds: the Japanese voice of espeak-ng, shaped with sox.

#include <string>

#include "tools/assetgen/Tone.h"

namespace assetgen {

struct VoiceRecipe {
    std::string kana;  // what is said; no single quotes
    int wordsPerMinute = 0;
    int pitch = 0;        // espeak-ng's 0 to 99
    std::string effects;  // sox effects applied to the trimmed speech
};

// The speech with its leading and trailing silence cut, shaped, at the given rate.
Samples speak(const VoiceRecipe& recipe, int rate);

}  // namespace assetgen
