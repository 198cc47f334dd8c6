#pragma once
// SDL's key events and typed text read as the game's keys. The platform's own: SDL stays behind
// this folder.

#include <SDL_keyboard.h>

#include <cstdint>
#include <optional>

#include "platform/Keys.h"

namespace platform {

// The virtual-key code of an SDL key, or 0 for keys the game never sees. The digit row and the
// keypad go by position (the scan code), whatever the layout prints on them and whether NumLock
// is on; the other keys by what the layout makes of them.
std::uint16_t virtualKeyOf(const SDL_Keysym& key);

ShiftState shiftStateOf(std::uint16_t sdlModifiers);

// The digit of a typed text of one digit character (ASCII or full-width, as an input method
// types it), for digits that come from a key that is not a digit key by position.
std::optional<char> typedDigitOfText(const char* utf8);

}  // namespace platform
