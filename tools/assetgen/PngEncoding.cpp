#include "tools/assetgen/PngEncoding.h"

#include <SDL.h>

#include <stdexcept>
#include <string>

#include "platform/PngFile.h"
#include "platform/SdlHandles.h"

namespace assetgen {

namespace {

platform::SurfaceHandle surfaceOf(const Canvas& canvas) {
    platform::SurfaceHandle surface(SDL_CreateRGBSurfaceWithFormat(
        0, canvas.width(), canvas.height(), 24, SDL_PIXELFORMAT_RGB24));
    if (!surface) {
        throw std::runtime_error(std::string("cannot encode PNG: ") + SDL_GetError());
    }
    auto* rows = static_cast<std::uint8_t*>(surface->pixels);
    for (int y = 0; y < canvas.height(); ++y) {
        std::uint8_t* pixel = rows + static_cast<std::ptrdiff_t>(y) * surface->pitch;
        for (int x = 0; x < canvas.width(); ++x) {
            const Rgb colour = canvas.at(x, y);
            *pixel++ = colour.r;
            *pixel++ = colour.g;
            *pixel++ = colour.b;
        }
    }
    return surface;
}

}  // namespace

std::vector<std::uint8_t> encodePng(const Canvas& canvas) {
    return platform::encodePng(*surfaceOf(canvas));
}

}  // namespace assetgen
