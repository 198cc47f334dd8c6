#pragma once
// Keyboard input as the game sees it: virtual-key codes and the modifier set.

#include <cstdint>

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
inline constexpr std::uint16_t F8 = 119;
inline constexpr std::uint16_t F9 = 120;
inline constexpr std::uint16_t F10 = 121;
inline constexpr std::uint16_t F12 = 123;

// The key of a letter, 'A' to 'Z'.
constexpr std::uint16_t letterKey(char upper) {
    return static_cast<std::uint16_t>(LetterA + (upper - 'A'));
}
}  // namespace vk

}  // namespace platform
