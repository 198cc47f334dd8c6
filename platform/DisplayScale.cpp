#include "platform/DisplayScale.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>

#include "platform/Window.h"

namespace platform {

namespace {

constexpr float ReferenceDpi = 96;
constexpr float ReferenceHeight = 1080;

}  // namespace

float displayScaleOf(std::optional<float> diagonalDpi, int usableHeight) {
    const float byHeight = std::ceil(2 * static_cast<float>(usableHeight) / ReferenceHeight) / 2;
    // A screen without a size in millimetres gives no density, or a senseless one.
    const bool densityKnown = diagonalDpi && std::isfinite(*diagonalDpi) && *diagonalDpi > 0;
    const float byDensity = densityKnown ? std::round(2 * *diagonalDpi / ReferenceDpi) / 2 : 1;
    return std::max({1.0F, byHeight, byDensity});
}

float displayScale(const Window& window) {
    const int display = std::max(SDL_GetWindowDisplayIndex(window.handle()), 0);
    float diagonalDpi = 0;
    const bool known = SDL_GetDisplayDPI(display, &diagonalDpi, nullptr, nullptr) == 0;
    return displayScaleOf(known ? std::optional(diagonalDpi) : std::nullopt,
                          window.usableArea().height);
}

}  // namespace platform
