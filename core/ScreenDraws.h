#pragma once
// The random draws a screen takes in a frame. The core takes them in the screens' order, so that
// the game alone consumes its generator exactly as the game on a display does; the screens then
// draw from these values.

#include <array>
#include <cstdint>

namespace core {

// Two draws of Random(20) that make one bright green of the game-over banner.
struct FlickerDraw {
    std::int32_t a = 0;
    std::int32_t b = 0;
};

struct ScreenDraws {
    // The title's call to start: Random(255).
    std::int32_t titleHue = 0;
    // The best-ten footer's red copy: Random(100) + 100.
    std::int32_t footerRed = 0;
    // The game-over banner: its title's shade, Random(20), then the rank line's and the call's
    // greens.
    std::int32_t bannerShade = 0;
    std::array<FlickerDraw, 2> flicker{};
    // The opening's countdown as the frame began: the spiral stands where it was.
    std::int32_t spiralClock = 0;
};

}  // namespace core
