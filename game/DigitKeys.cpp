#include "game/DigitKeys.h"

namespace game {

std::optional<char> typedDigitOf(std::uint16_t virtualKey, platform::ShiftState shift) {
    namespace vk = platform::vk;
    if (shift.alt || shift.ctrl) {
        return std::nullopt;
    }
    if (virtualKey >= vk::Digit0 && virtualKey <= vk::Digit0 + 9) {
        return static_cast<char>('0' + (virtualKey - vk::Digit0));
    }
    if (virtualKey >= vk::Numpad0 && virtualKey <= vk::Numpad0 + 9) {
        return static_cast<char>('0' + (virtualKey - vk::Numpad0));
    }
    return std::nullopt;
}

}  // namespace game
