#include "platform/Keys.h"

namespace platform {

std::uint16_t virtualKeyOf(SDL_Keycode key) {
    if (key >= SDLK_0 && key <= SDLK_9) {
        return static_cast<std::uint16_t>(vk::Digit0 + (key - SDLK_0));
    }
    if (key >= SDLK_a && key <= SDLK_z) {
        return static_cast<std::uint16_t>(vk::LetterA + (key - SDLK_a));
    }
    if (key >= SDLK_F1 && key <= SDLK_F12) {
        return static_cast<std::uint16_t>(vk::F1 + (key - SDLK_F1));
    }
    if (key >= SDLK_KP_1 && key <= SDLK_KP_9) {
        return static_cast<std::uint16_t>(vk::Numpad0 + 1 + (key - SDLK_KP_1));
    }
    switch (key) {
        case SDLK_KP_0:
            return vk::Numpad0;
        case SDLK_RETURN:
        case SDLK_KP_ENTER:
            return vk::Return;
        case SDLK_ESCAPE:
            return vk::Escape;
        case SDLK_SPACE:
            return vk::Space;
        case SDLK_BACKSPACE:
            return vk::Back;
        case SDLK_TAB:
            return vk::Tab;
        case SDLK_LEFT:
            return vk::Left;
        case SDLK_UP:
            return vk::Up;
        case SDLK_RIGHT:
            return vk::Right;
        case SDLK_DOWN:
            return vk::Down;
        case SDLK_LSHIFT:
        case SDLK_RSHIFT:
            return vk::Shift;
        case SDLK_LCTRL:
        case SDLK_RCTRL:
            return vk::Control;
        case SDLK_LALT:
        case SDLK_RALT:
            return vk::Menu;
        default:
            return 0;
    }
}

ShiftState shiftStateOf(std::uint16_t sdlModifiers) {
    return ShiftState{(sdlModifiers & KMOD_SHIFT) != 0, (sdlModifiers & KMOD_ALT) != 0,
                      (sdlModifiers & KMOD_CTRL) != 0};
}

std::optional<char> typedDigitOf(std::uint16_t virtualKey, ShiftState shift) {
    // Alt and Ctrl turn a key into a command rather than typing; Shift on the main row
    // types a symbol instead of the digit.
    if (shift.alt || shift.ctrl) {
        return std::nullopt;
    }
    if (virtualKey >= vk::Digit0 && virtualKey <= vk::Digit0 + 9 && !shift.shift) {
        return static_cast<char>('0' + (virtualKey - vk::Digit0));
    }
    if (virtualKey >= vk::Numpad0 && virtualKey <= vk::Numpad0 + 9) {
        return static_cast<char>('0' + (virtualKey - vk::Numpad0));
    }
    return std::nullopt;
}

}  // namespace platform
