#include "tools/assetgen/Rgb.h"

#include <cmath>

namespace assetgen {

namespace {

std::uint8_t mixChannel(std::uint8_t a, std::uint8_t b, double t) {
    return static_cast<std::uint8_t>(std::lround(a + (b - a) * t));
}

}  // namespace

Rgb mix(Rgb a, Rgb b, double t) {
    return {mixChannel(a.r, b.r, t), mixChannel(a.g, b.g, t), mixChannel(a.b, b.b, t)};
}

}  // namespace assetgen
