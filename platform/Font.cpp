#include "platform/Font.h"

#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <memory>
#include <stdexcept>

#include "platform/FatalError.h"

namespace platform {

namespace {

struct FcPatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using PatternPtr = std::unique_ptr<FcPattern, FcPatternDeleter>;

struct SurfaceDeleter {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};

}  // namespace

std::string findJapaneseFontFile(const std::string& family) {
    const std::string missing = "日本語フォント " + family + " が見つかりません";
    PatternPtr pattern(FcNameParse(reinterpret_cast<const FcChar8*>(family.c_str())));
    if (!pattern) {
        throw FatalError(missing);
    }
    FcPatternAddString(pattern.get(), FC_LANG, reinterpret_cast<const FcChar8*>("ja"));
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    PatternPtr match(FcFontMatch(nullptr, pattern.get(), &result));
    FcChar8* file = nullptr;
    FcLangSet* languages = nullptr;
    if (!match || FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch ||
        FcPatternGetLangSet(match.get(), FC_LANG, 0, &languages) != FcResultMatch ||
        FcLangSetHasLang(languages, reinterpret_cast<const FcChar8*>("ja")) ==
            FcLangDifferentLang) {
        throw FatalError(missing);
    }
    return reinterpret_cast<const char*>(file);
}

Font::Font(const std::string& file, int pixelSize) : pixelSize_(pixelSize) {
    if (TTF_Init() != 0) {
        throw std::runtime_error(std::string("SDL_ttf: ") + TTF_GetError());
    }
    font_ = TTF_OpenFont(file.c_str(), pixelSize);
    if (font_ == nullptr) {
        TTF_Quit();
        throw std::runtime_error(file + ": " + TTF_GetError());
    }
    TTF_SetFontHinting(font_, TTF_HINTING_MONO);
}

Font::~Font() {
    TTF_CloseFont(font_);
    TTF_Quit();
}

int Font::ascent() const {
    return TTF_FontAscent(font_);
}

int Font::cellHeight() const {
    return TTF_FontHeight(font_);
}

GlyphMask Font::glyph(char32_t character) const {
    GlyphMask mask;
    int minX = 0;
    if (TTF_GlyphMetrics32(font_, character, &minX, nullptr, nullptr, nullptr, &mask.advance) !=
        0) {
        return mask;
    }
    // A one-character surface starts at the glyph's left bearing when that is negative.
    mask.left = std::min(minX, 0);
    std::unique_ptr<SDL_Surface, SurfaceDeleter> surface(
        TTF_RenderGlyph32_Solid(font_, character, SDL_Color{255, 255, 255, 255}));
    if (!surface) {
        return mask;
    }
    mask.width = surface->w;
    mask.height = surface->h;
    mask.bits.resize(static_cast<std::size_t>(mask.width) * mask.height);
    SDL_LockSurface(surface.get());
    const auto* pixels = static_cast<const std::uint8_t*>(surface->pixels);
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            mask.bits[static_cast<std::size_t>(y) * mask.width + x] =
                pixels[y * surface->pitch + x] != 0 ? 1 : 0;
        }
    }
    SDL_UnlockSurface(surface.get());
    return mask;
}

int Font::kerning(char32_t previous, char32_t next) const {
    return TTF_GetFontKerningSizeGlyphs32(font_, previous, next);
}

}  // namespace platform
