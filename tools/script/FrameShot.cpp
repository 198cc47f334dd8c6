#include "tools/script/FrameShot.h"

#include <SDL.h>
#include <SDL_image.h>

#include <memory>
#include <stdexcept>
#include <vector>

#include "platform/FramePresenter.h"

namespace tools {

void saveFrameShot(media::TDisplay& display, const std::string& path) {
    media::TSurface* surface = display.BackSurface();
    if (surface == nullptr) {
        throw std::runtime_error("shot: the display has no frame");
    }
    const int width = surface->Width();
    const int height = surface->Height();
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    platform::convertIndexesToArgb(surface->Pixels(), width, height,
                                   display.CurrentPalette().argb().data(), pixels.data(),
                                   width * 4);
    std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> image(
        SDL_CreateRGBSurfaceWithFormatFrom(pixels.data(), width, height, 32, width * 4,
                                           SDL_PIXELFORMAT_ARGB8888),
        &SDL_FreeSurface);
    if (!image || IMG_SavePNG(image.get(), path.c_str()) != 0) {
        throw std::runtime_error("shot: cannot write " + path + ": " + SDL_GetError());
    }
}

}  // namespace tools
