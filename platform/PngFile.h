#pragma once
// Pictures as PNG: written to a file or to bytes, and read from a file.

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// Writes width x height 0xAARRGGBB pixels, rows top-down and packed; throws
// std::runtime_error "cannot write <path>: <reason>" when the file cannot be written.
void savePng(const std::uint32_t* pixels, int width, int height, const std::string& path);

// The PNG file bytes of width x height pixels of three bytes each (red, green, blue), rows
// top-down and packed; throws std::runtime_error when the encoder fails.
std::vector<std::uint8_t> encodeRgbPng(const std::uint8_t* rgb, int width, int height);

// A picture as 0xAARRGGBB pixels, rows top-down and packed.
struct ArgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// Throws std::runtime_error "cannot read <path>: <reason>" when the file cannot be read as a
// picture.
ArgbImage loadPng(const std::string& path);

}  // namespace platform
