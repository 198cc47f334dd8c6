#pragma once
// Keyboard input as the game sees it: virtual-key codes and the modifier set.

#include <cstdint>
#include <optional>

#include <SDL_keyboard.h>
#include <SDL_keycode.h>

namespace platform {

struct ShiftState {
    bool shift = false;
    bool alt = false;
    bool ctrl = false;
    bool operator==(const ShiftState&) const = default;
};

namespace vk {
inline constexpr std::uint16_t Back = 8;
inline constexpr std::uint16_t Tab = 9;
inline constexpr std::uint16_t Return = 13;
inline constexpr std::uint16_t Shift = 16;
inline constexpr std::uint16_t Control = 17;
inline constexpr std::uint16_t Menu = 18;
inline constexpr std::uint16_t Escape = 27;
inline constexpr std::uint16_t Space = 32;
inline constexpr std::uint16_t Left = 37;
inline constexpr std::uint16_t Up = 38;
inline constexpr std::uint16_t Right = 39;
inline constexpr std::uint16_t Down = 40;
inline constexpr std::uint16_t Digit0 = 48;
inline constexpr std::uint16_t LetterA = 65;
inline constexpr std::uint16_t Numpad0 = 96;
inline constexpr std::uint16_t F1 = 112;
}  // namespace vk

// The virtual-key code of an SDL key, or 0 for keys the game never sees. The digit row and the
// keypad go by position (the scan code), whatever the layout prints on them and whether NumLock
// is on; the other keys by what the layout makes of them.
std::uint16_t virtualKeyOf(const SDL_Keysym& key);

ShiftState shiftStateOf(std::uint16_t sdlModifiers);

// The digit a key press answers with: a key of the digit row, Shift or not (layouts such as
// AZERTY put the digits on Shift), or of the keypad, NumLock on or off, as `virtualKeyOf`
// places them. Alt and Ctrl make it a command instead. One rule for real and scripted keys.
std::optional<char> typedDigitOf(std::uint16_t virtualKey, ShiftState shift);

// The digit of a typed text of one digit character (ASCII or full-width, as an input method
// types it), for digits that come from a key that is not a digit key by position.
std::optional<char> typedDigitOfText(const char* utf8);

}  // namespace platform
