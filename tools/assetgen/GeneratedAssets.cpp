#include "tools/assetgen/GeneratedAssets.h"

#include "media/Wave.h"
#include "tools/assetgen/BlockSheet.h"
#include "tools/assetgen/Icon.h"
#include "tools/assetgen/LogoArt.h"
#include "tools/assetgen/PictureEncoding.h"
#include "tools/assetgen/PngEncoding.h"
#include "tools/assetgen/SoundShaping.h"
#include "tools/assetgen/SynthSounds.h"
#include "tools/assetgen/TitleArt.h"
#include "tools/assetgen/Voice.h"

namespace assetgen {

namespace {

struct SoundFormat {
    int rate;
    int bitsPerSample;
    std::size_t dataBytes;

    std::size_t sampleCount() const { return dataBytes / (bitsPerSample / 8); }
    double seconds() const { return static_cast<double>(sampleCount()) / rate; }
};

std::vector<std::uint8_t> storedSound(Samples sound, const SoundFormat& format) {
    finishSound(sound, format.sampleCount());
    return media::TWave(format.rate, format.bitsPerSample, encodePcm(sound, format.bitsPerSample))
        .writeImage();
}

GeneratedAsset synthesised(std::string fileName, SoundFormat format,
                           Samples (*make)(int rate, double seconds)) {
    return {std::move(fileName),
            [format, make] { return storedSound(make(format.rate, format.seconds()), format); }};
}

GeneratedAsset spoken(std::string fileName, SoundFormat format, VoiceRecipe recipe) {
    return {std::move(fileName),
            [format, recipe] { return storedSound(speak(recipe, format.rate), format); }};
}

std::vector<std::uint8_t> logoData() {
    return indexedPicture(drawLogo(), ColourTable::cube()).writePictureData();
}

std::vector<std::uint8_t> titleData() {
    return truecolourPicture(drawTitle()).writePictureData();
}

std::vector<std::uint8_t> blockSheetData() {
    const Canvas sheet = drawBlockSheet();
    return indexedPicture(sheet, blockSheetColours(sheet)).writePictureData();
}

GeneratedAsset icon(int size) {
    return {"icons/pudorock-" + std::to_string(size) + ".png",
            [size] { return encodePng(drawIcon(size)); }};
}

}  // namespace

std::vector<GeneratedAsset> generatedAssets() {
    std::vector<GeneratedAsset> assets{
        {"picture0-logo.dib", logoData},
        {"picture1-title.dib", titleData},
        {"picture2-blocks.dib", blockSheetData},
        synthesised("sound0-soft.wav", {22050, 16, 61460}, logoChime),
        spoken("sound1-pudorock.wav", {22050, 16, 39006},
               {"プドロク！", 150, 60, "pitch 150 pad 0 0.2 reverb 25 50 40"}),
        spoken("sound2-saa.wav", {22050, 16, 108986},
               {"さあああ", 80, 35, "tempo 0.85 pitch -150 pad 0 1.4 reverb 50 50 70"}),
        spoken("sound3-pudo.wav", {11025, 16, 11632},
               {"プドー！", 190, 75, "pitch 300 pad 0 0.25 reverb 15"}),
        spoken("sound4-uwa.wav", {22050, 16, 8314},
               {"うわっ", 260, 85, "tempo 0.8 bend 0.02,-300,0.1"}),
        synthesised("sound5-mokugyo.wav", {11025, 8, 2564}, woodKnock),
        synthesised("sound6-over.wav", {22050, 16, 71246}, gameOverPhrase),
    };
    for (const int size : IconSizes) {
        assets.push_back(icon(size));
    }
    return assets;
}

}  // namespace assetgen
