#pragma once
// How many times larger than on a 96-dpi screen of 1080 lines text and controls are drawn, in
// halves and at least 1: by the screen's density, and at least by its usable height, since many
// desktops report 96 dpi whatever the screen.

#include <optional>

namespace platform {

class Window;

// From the screen's diagonal dpi (nothing when the desktop does not tell it) and the height of
// its usable area. The density rounds to the nearest half, the height up to one, so that text
// takes at least the share of the screen it takes at 1080 lines.
float displayScaleOf(std::optional<float> diagonalDpi, int usableHeight);

// For the screen the window is on.
float displayScale(const Window& window);

}  // namespace platform
