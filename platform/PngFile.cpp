#include "platform/PngFile.h"

#include <SDL_image.h>

#include <cstring>
#include <memory>
#include <stdexcept>

#include "platform/SdlHandles.h"

namespace platform {

namespace {

struct RWopsDeleter {
    void operator()(SDL_RWops* stream) const { SDL_FreeRW(stream); }
};

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

// A stream that appends what is written to bytes; null when SDL has no stream to give.
std::unique_ptr<SDL_RWops, RWopsDeleter> appendingStream(std::vector<std::uint8_t>& bytes) {
    std::unique_ptr<SDL_RWops, RWopsDeleter> stream(SDL_AllocRW());
    if (stream) {
        std::memset(stream.get(), 0, sizeof(SDL_RWops));
        stream->type = SDL_RWOPS_UNKNOWN;
        stream->write = appendToVector;
        stream->size = unknownSize;
        stream->seek = cannotSeek;
        stream->read = cannotRead;
        stream->hidden.unknown.data1 = &bytes;
    }
    return stream;
}

}  // namespace

void savePng(const std::uint32_t* pixels, int width, int height, const std::string& path) {
    // The surface only borrows the pixels, which saving never changes.
    const SurfaceHandle image(SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint32_t*>(pixels),
                                                                 width, height, 32, width * 4,
                                                                 SDL_PIXELFORMAT_ARGB8888));
    if (!image || IMG_SavePNG(image.get(), path.c_str()) != 0) {
        throw std::runtime_error("cannot write " + path + ": " + SDL_GetError());
    }
}

std::vector<std::uint8_t> encodeRgbPng(const std::uint8_t* rgb, int width, int height) {
    // The surface only borrows the pixels, which encoding never changes.
    const SurfaceHandle surface(SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<std::uint8_t*>(rgb), width, height, 24, width * 3, SDL_PIXELFORMAT_RGB24));
    std::vector<std::uint8_t> bytes;
    const auto stream = appendingStream(bytes);
    if (!surface || !stream || IMG_SavePNG_RW(surface.get(), stream.get(), 0) != 0) {
        throw std::runtime_error(std::string("cannot encode PNG: ") + SDL_GetError());
    }
    return bytes;
}

ArgbImage loadPng(const std::string& path) {
    const SurfaceHandle loaded(IMG_Load(path.c_str()));
    const SurfaceHandle argb(
        loaded ? SDL_ConvertSurfaceFormat(loaded.get(), SDL_PIXELFORMAT_ARGB8888, 0) : nullptr);
    if (!argb) {
        throw std::runtime_error("cannot read " + path + ": " + SDL_GetError());
    }
    ArgbImage image{argb->w, argb->h, {}};
    image.pixels.reserve(static_cast<std::size_t>(image.width) * image.height);
    for (int y = 0; y < image.height; ++y) {
        const auto* row =
            reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(argb->pixels) +
                                                   static_cast<std::ptrdiff_t>(y) * argb->pitch);
        image.pixels.insert(image.pixels.end(), row, row + image.width);
    }
    return image;
}

}  // namespace platform
