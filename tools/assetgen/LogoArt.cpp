#include "tools/assetgen/LogoArt.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "tools/assetgen/Lettering.h"

namespace assetgen {

namespace {

constexpr int Width = 150;
constexpr int Height = 32;
constexpr int Outline = 2;
constexpr int CubeLevels = 6;

// Ordered dither thresholds: neighbouring pixels round to different cube steps, so the colour
// shimmers from pixel to pixel instead of banding.
constexpr std::array<std::array<double, 4>, 4> Bayer{{
    {0.0 / 16, 8.0 / 16, 2.0 / 16, 10.0 / 16},
    {12.0 / 16, 4.0 / 16, 14.0 / 16, 6.0 / 16},
    {3.0 / 16, 11.0 / 16, 1.0 / 16, 9.0 / 16},
    {15.0 / 16, 7.0 / 16, 13.0 / 16, 5.0 / 16},
}};

// A colour channel 0..1 rounded to a cube step.
std::uint8_t cubeChannel(double value, int x, int y) {
    const double scaled = value * (CubeLevels - 1);
    const int step = static_cast<int>(std::floor(scaled + Bayer[y % 4][x % 4]));
    return static_cast<std::uint8_t>(51 * std::clamp(step, 0, CubeLevels - 1));
}

// Fully saturated hue, 0..1 around the colour wheel, as red, green, blue 0..1.
std::array<double, 3> hueColour(double hue) {
    std::array<double, 3> channels{};
    for (int c = 0; c < 3; ++c) {
        const double distance = std::fabs(std::fmod(hue * 6.0 + 6.0 - 2.0 * c, 6.0) - 3.0);
        channels[c] = std::clamp(distance - 1.0, 0.0, 1.0);
    }
    return channels;
}

// The fill sweeps the wheel along the name and drifts with height, lightened towards white
// at the top. One channel is always full, so no pixel of it turns black (transparent).
Rgb fillColour(int x, int y) {
    const double hue = std::fmod(0.45 + x / 170.0 + y / 90.0, 1.0);
    const std::array<double, 3> colour = hueColour(hue);
    const double lift = 0.35 - 0.25 * y / Height;
    return {cubeChannel(colour[0] + lift, x, y), cubeChannel(colour[1] + lift, x, y),
            cubeChannel(colour[2] + lift, x, y)};
}

constexpr Rgb InnerOutline = hexRgb(0xffffff);
constexpr Rgb OuterOutline = hexRgb(0x6633cc);

}  // namespace

Canvas drawLogo() {
    const LetteringStyle style{"IPAPGothic", 160, 24, 4, 5};
    const Box letterBox{Outline, Outline, Width - 1 - Outline, Height - 1 - Outline};
    const AlphaMap letters = letterShape({"T", "S", "U", "B", "U", " ", "S", "O", "F", "T"}, style,
                                         letterBox.width(), letterBox.height());
    AlphaMap outlined(Width, Height);
    outlined.overlay(letters, Outline, Outline);
    const AlphaMap inner = outlined.thickened(1);
    const AlphaMap outer = outlined.thickened(Outline).without(inner);

    Canvas logo(Width, Height);
    logo.paint(outer, 0, 0, [](int, int) { return OuterOutline; });
    logo.paint(inner, 0, 0, [](int, int) { return InnerOutline; });
    logo.paint(letters, Outline, Outline, fillColour);
    return logo;
}

}  // namespace assetgen
