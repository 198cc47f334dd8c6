#pragma once
// The answer keys: a digit key types its digit, whatever the keyboard layout's text for it.

#include <cstdint>
#include <optional>

#include "platform/Keys.h"

namespace game {

// The digit a key press answers with: a key of the digit row, Shift or not (layouts such as
// AZERTY put the digits on Shift), or of the keypad, NumLock on or off, as the platform places
// them by position. Alt and Ctrl make it a command instead. One rule for real and scripted keys.
std::optional<char> typedDigitOf(std::uint16_t virtualKey, platform::ShiftState shift);

}  // namespace game
