#pragma once
// Pictures written as PNG, to a file or to bytes.

#include <SDL_surface.h>

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// Writes width x height 0xAARRGGBB pixels, rows top-down and packed; throws
// std::runtime_error "cannot write <path>: <reason>" when the file cannot be written.
void savePng(const std::uint32_t* pixels, int width, int height, const std::string& path);

// The PNG file bytes of a surface; throws std::runtime_error when the encoder fails.
std::vector<std::uint8_t> encodePng(SDL_Surface& surface);

}  // namespace platform
