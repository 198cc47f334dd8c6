#include "tools/assetgen/Voice.h"

#include <cstring>
#include <stdexcept>

#include "tools/assetgen/ShellCommand.h"

namespace assetgen {

namespace {

// Cuts silence at the front and, reversed, at the back; the fades (the second one on the
// reversed sound) let the speech begin and end without a click.
constexpr const char* TrimSilence =
    "silence 1 0.005 0.3% fade t 0.005 reverse silence 1 0.005 0.3% fade t 0.03 reverse";

std::string pipeline(const VoiceRecipe& recipe, int rate) {
    if (recipe.kana.find('\'') != std::string::npos) {
        throw std::invalid_argument("quote in spoken text");
    }
    const std::string speech = "espeak-ng -v ja -s " + std::to_string(recipe.wordsPerMinute) +
                               " -p " + std::to_string(recipe.pitch) + " --stdout '" + recipe.kana +
                               "'";
    // -D: no dither, -R: fixed seeds; same bytes on every run.
    const std::string shaping = "sox -D -R -V1 -t wav - -t raw -e floating-point -b 32 -c 1 - " +
                                std::string(TrimSilence) + " " + recipe.effects + " rate -v " +
                                std::to_string(rate);
    return speech + " | " + shaping;
}

}  // namespace

Samples speak(const VoiceRecipe& recipe, int rate) {
    const std::vector<std::uint8_t> raw = runCollectingOutput(pipeline(recipe, rate));
    Samples out{rate, std::vector<double>(raw.size() / sizeof(float))};
    for (std::size_t i = 0; i < out.values.size(); ++i) {
        float value = 0;
        std::memcpy(&value, &raw[i * sizeof(float)], sizeof(float));
        out.values[i] = value;
    }
    return out;
}

}  // namespace assetgen
