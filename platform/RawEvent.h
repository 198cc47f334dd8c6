#pragma once
// An event of the desktop as it came, for windows that draw their own controls
// (`Window::onRawEvent`). Only the platform looks inside; others ask it what an event means.

#include <cstdint>
#include <optional>

#include "platform/Keys.h"

union SDL_Event;

namespace platform {

using RawEvent = SDL_Event;

struct KeyStroke {
    std::uint16_t key = 0;  // virtual-key code; 0 for keys the game never sees
    ShiftState shift;
};

// The key a key-down event presses; nothing for any other event.
std::optional<KeyStroke> keyDownOf(const RawEvent& event);

}  // namespace platform
