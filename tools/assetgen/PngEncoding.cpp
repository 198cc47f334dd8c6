#include "tools/assetgen/PngEncoding.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>

namespace assetgen {

namespace {

struct SurfaceDeleter {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};

struct RWopsDeleter {
    void operator()(SDL_RWops* stream) const { SDL_FreeRW(stream); }
};

std::runtime_error encodingError() {
    return std::runtime_error(std::string("cannot encode PNG: ") + SDL_GetError());
}

std::unique_ptr<SDL_Surface, SurfaceDeleter> surfaceOf(const Canvas& canvas) {
    std::unique_ptr<SDL_Surface, SurfaceDeleter> surface(SDL_CreateRGBSurfaceWithFormat(
        0, canvas.width(), canvas.height(), 24, SDL_PIXELFORMAT_RGB24));
    if (!surface) {
        throw encodingError();
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

// SDL's memory streams have a fixed size; this one grows with what is written.
std::size_t appendToVector(SDL_RWops* stream, const void* data, std::size_t size,
                           std::size_t count) {
    auto* bytes = static_cast<std::vector<std::uint8_t>*>(stream->hidden.unknown.data1);
    const auto* first = static_cast<const std::uint8_t*>(data);
    bytes->insert(bytes->end(), first, first + size * count);
    return count;
}

// No size, seeking or reading back: an encoder that tries gets SDL's "cannot" instead of a crash.
Sint64 unknownSize(SDL_RWops*) {
    return -1;
}

Sint64 cannotSeek(SDL_RWops*, Sint64, int) {
    return -1;
}

std::size_t cannotRead(SDL_RWops*, void*, std::size_t, std::size_t) {
    return 0;
}

}  // namespace

std::vector<std::uint8_t> encodePng(const Canvas& canvas) {
    const auto surface = surfaceOf(canvas);
    std::vector<std::uint8_t> bytes;
    std::unique_ptr<SDL_RWops, RWopsDeleter> stream(SDL_AllocRW());
    if (!stream) {
        throw encodingError();
    }
    std::memset(stream.get(), 0, sizeof(SDL_RWops));
    stream->type = SDL_RWOPS_UNKNOWN;
    stream->write = appendToVector;
    stream->size = unknownSize;
    stream->seek = cannotSeek;
    stream->read = cannotRead;
    stream->hidden.unknown.data1 = &bytes;
    if (IMG_SavePNG_RW(surface.get(), stream.get(), 0) != 0) {
        throw encodingError();
    }
    return bytes;
}

}  // namespace assetgen
