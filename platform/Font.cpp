#include "platform/Font.h"

#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <stdexcept>

#include "platform/FatalError.h"
#include "platform/SdlHandles.h"
#include "text/Placeholders.h"
#include "text/Translation.h"

namespace platform {

std::string findJapaneseFontFile(const std::string& family, FontFallback fallback) {
    const std::string missing =
        text::filled(text::tr("日本語フォント %s が見つかりません"), {family});
    FontPatternHandle pattern(FcNameParse(reinterpret_cast<const FcChar8*>(family.c_str())));
    if (!pattern) {
        throw FatalError(missing);
    }
    FcPatternAddString(pattern.get(), FC_LANG, reinterpret_cast<const FcChar8*>("ja"));
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    FontPatternHandle match(FcFontMatch(nullptr, pattern.get(), &result));
    FcChar8* file = nullptr;
    FcChar8* matchedFamily = nullptr;
    FcLangSet* languages = nullptr;
    if (!match || FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch ||
        FcPatternGetString(match.get(), FC_FAMILY, 0, &matchedFamily) != FcResultMatch ||
        FcPatternGetLangSet(match.get(), FC_LANG, 0, &languages) != FcResultMatch ||
        FcLangSetHasLang(languages, reinterpret_cast<const FcChar8*>("ja")) ==
            FcLangDifferentLang ||
        (fallback == FontFallback::Refused &&
         family != reinterpret_cast<const char*>(matchedFamily))) {
        throw FatalError(missing);
    }
    return reinterpret_cast<const char*>(file);
}

namespace {

// SDL_ttf started for the life of the object.
class FontLibraryUse {
  public:
    FontLibraryUse() {
        if (TTF_Init() != 0) {
            throw std::runtime_error(std::string("SDL_ttf: ") + TTF_GetError());
        }
    }
    ~FontLibraryUse() { TTF_Quit(); }
    FontLibraryUse(const FontLibraryUse&) = delete;
    FontLibraryUse& operator=(const FontLibraryUse&) = delete;
};

}  // namespace

// The library lasts longer than the face.
struct Font::Face {
    FontLibraryUse library;
    FontHandle handle;
};

Font::Font(const std::string& file, int pixelSize, FontHinting hinting)
    : face_(std::make_unique<Face>()) {
    face_->handle.reset(TTF_OpenFont(file.c_str(), pixelSize));
    if (!face_->handle) {
        throw std::runtime_error(file + ": " + TTF_GetError());
    }
    if (hinting == FontHinting::Monochrome) {
        TTF_SetFontHinting(face_->handle.get(), TTF_HINTING_MONO);
    }
}

Font::~Font() = default;

int Font::cellHeight() const {
    return TTF_FontHeight(face_->handle.get());
}

GlyphMask Font::glyph(char32_t character) const {
    GlyphMask mask;
    int minX = 0;
    if (TTF_GlyphMetrics32(face_->handle.get(), character, &minX, nullptr, nullptr, nullptr,
                           &mask.advance) != 0) {
        return mask;
    }
    // A one-character surface starts at the glyph's left bearing when that is negative.
    mask.left = std::min(minX, 0);
    SurfaceHandle surface(
        TTF_RenderGlyph32_Solid(face_->handle.get(), character, SDL_Color{255, 255, 255, 255}));
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
    return TTF_GetFontKerningSizeGlyphs32(face_->handle.get(), previous, next);
}

TextCoverage Font::textCoverage(const std::string& utf8) const {
    // Shaded text is an 8-bit surface whose palette ramps from the background to the text.
    const SDL_Color white{255, 255, 255, 255};
    const SDL_Color black{0, 0, 0, 255};
    const SurfaceHandle surface(
        TTF_RenderUTF8_Shaded(face_->handle.get(), utf8.c_str(), white, black));
    if (!surface) {
        throw std::runtime_error(std::string("SDL_ttf: ") + TTF_GetError());
    }
    const SDL_Palette& palette = *surface->format->palette;
    TextCoverage coverage{surface->w, surface->h, {}};
    coverage.levels.reserve(static_cast<std::size_t>(coverage.width) * coverage.height);
    const auto* pixels = static_cast<const std::uint8_t*>(surface->pixels);
    for (int y = 0; y < coverage.height; ++y) {
        for (int x = 0; x < coverage.width; ++x) {
            coverage.levels.push_back(palette.colors[pixels[y * surface->pitch + x]].r);
        }
    }
    return coverage;
}

}  // namespace platform
