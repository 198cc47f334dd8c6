#include "platform/PngFile.h"

#include <SDL_image.h>

#include <stdexcept>

#include "platform/SdlHandles.h"

namespace platform {

void savePng(const std::uint32_t* pixels, int width, int height, const std::string& path) {
    // The surface only borrows the pixels, which saving never changes.
    const SurfaceHandle image(SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint32_t*>(pixels),
                                                                 width, height, 32, width * 4,
                                                                 SDL_PIXELFORMAT_ARGB8888));
    if (!image || IMG_SavePNG(image.get(), path.c_str()) != 0) {
        throw std::runtime_error("cannot write " + path + ": " + SDL_GetError());
    }
}

}  // namespace platform
