#pragma once
// Owners of SDL and library handles, each freeing its handle with the library's own call.

#include <SDL.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <memory>

namespace platform {

template <auto Free>
struct HandleDeleter {
    template <typename Handle>
    void operator()(Handle* handle) const {
        Free(handle);
    }
};

using SurfaceHandle = std::unique_ptr<SDL_Surface, HandleDeleter<SDL_FreeSurface>>;
using RendererHandle = std::unique_ptr<SDL_Renderer, HandleDeleter<SDL_DestroyRenderer>>;
using TextureHandle = std::unique_ptr<SDL_Texture, HandleDeleter<SDL_DestroyTexture>>;
using FontHandle = std::unique_ptr<TTF_Font, HandleDeleter<TTF_CloseFont>>;
using FontPatternHandle = std::unique_ptr<FcPattern, HandleDeleter<FcPatternDestroy>>;

}  // namespace platform
