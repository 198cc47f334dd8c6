#include "tools/assetgen/FontFace.h"

#include <fontconfig/fontconfig.h>

#include <stdexcept>

namespace assetgen {

namespace {

struct PatternDestroyer {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDestroyer>;

struct SurfaceFreer {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};

}  // namespace

std::string fontFileOf(const std::string& family) {
    PatternPtr wanted(FcNameParse(reinterpret_cast<const FcChar8*>(family.c_str())));
    if (!wanted || !FcConfigSubstitute(nullptr, wanted.get(), FcMatchPattern)) {
        throw std::runtime_error("fontconfig cannot parse " + family);
    }
    FcDefaultSubstitute(wanted.get());
    FcResult result = FcResultNoMatch;
    PatternPtr match(FcFontMatch(nullptr, wanted.get(), &result));
    FcChar8* file = nullptr;
    FcChar8* matchedFamily = nullptr;
    if (!match || FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch ||
        FcPatternGetString(match.get(), FC_FAMILY, 0, &matchedFamily) != FcResultMatch ||
        family != reinterpret_cast<const char*>(matchedFamily)) {
        throw std::runtime_error("font not installed: " + family);
    }
    return reinterpret_cast<const char*>(file);
}

FontFace::LibraryUse::LibraryUse() {
    if (TTF_Init() != 0) {
        throw std::runtime_error(std::string("SDL_ttf: ") + TTF_GetError());
    }
}

FontFace::LibraryUse::~LibraryUse() {
    TTF_Quit();
}

FontFace::FontFace(const std::string& family, int pixelSize)
    : font_(TTF_OpenFont(fontFileOf(family).c_str(), pixelSize)) {
    if (!font_) {
        throw std::runtime_error(std::string("SDL_ttf: ") + TTF_GetError());
    }
}

FontFace::~FontFace() = default;

AlphaMap FontFace::render(const std::string& text) const {
    // Shaded rendering gives an 8-bit surface whose index is the coverage level.
    const SDL_Color white{255, 255, 255, 255};
    const SDL_Color black{0, 0, 0, 255};
    std::unique_ptr<SDL_Surface, SurfaceFreer> surface(
        TTF_RenderUTF8_Shaded(font_.get(), text.c_str(), white, black));
    if (!surface) {
        throw std::runtime_error(std::string("SDL_ttf: ") + TTF_GetError());
    }
    const SDL_Palette* palette = surface->format->palette;
    AlphaMap map(surface->w, surface->h);
    const auto* pixels = static_cast<const std::uint8_t*>(surface->pixels);
    for (int y = 0; y < surface->h; ++y) {
        for (int x = 0; x < surface->w; ++x) {
            const std::uint8_t index = pixels[y * surface->pitch + x];
            map.set(x, y, palette->colors[index].r / 255.0f);
        }
    }
    return map;
}

}  // namespace assetgen
