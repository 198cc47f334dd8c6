#include "tools/assetgen/FontFace.h"

#include <stdexcept>

namespace assetgen {

FontFace::FontFace(const std::string& family, int pixelSize)
    : font_(TTF_OpenFont(
          platform::findJapaneseFontFile(family, platform::FontFallback::Refused).c_str(),
          pixelSize)) {
    if (!font_) {
        throw std::runtime_error(std::string("SDL_ttf: ") + TTF_GetError());
    }
}

AlphaMap FontFace::render(const std::string& text) const {
    // Shaded rendering gives an 8-bit surface whose index is the coverage level.
    const SDL_Color white{255, 255, 255, 255};
    const SDL_Color black{0, 0, 0, 255};
    platform::SurfaceHandle surface(TTF_RenderUTF8_Shaded(font_.get(), text.c_str(), white, black));
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
