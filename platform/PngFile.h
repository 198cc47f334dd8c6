#pragma once
// Pictures written as PNG files.

#include <cstdint>
#include <string>

namespace platform {

// Writes width x height 0xAARRGGBB pixels, rows top-down and packed; throws
// std::runtime_error "cannot write <path>: <reason>" when the file cannot be written.
void savePng(const std::uint32_t* pixels, int width, int height, const std::string& path);

}  // namespace platform
