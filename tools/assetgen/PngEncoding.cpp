#include "tools/assetgen/PngEncoding.h"

#include "platform/PngFile.h"

namespace assetgen {

std::vector<std::uint8_t> encodePng(const Canvas& canvas) {
    std::vector<std::uint8_t> rgb;
    rgb.reserve(canvas.pixels().size() * 3);
    for (const Rgb colour : canvas.pixels()) {
        rgb.insert(rgb.end(), {colour.r, colour.g, colour.b});
    }
    return platform::encodeRgbPng(rgb.data(), canvas.width(), canvas.height());
}

}  // namespace assetgen
