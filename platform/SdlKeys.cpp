#include "platform/SdlKeys.h"

#include <cstring>

namespace platform {

namespace {

// The digit of the key at this position on the digit row or the keypad (0 to 9), or -1.
int digitAtPosition(SDL_Scancode code) {
    if (code >= SDL_SCANCODE_1 && code <= SDL_SCANCODE_9) {
        return 1 + (code - SDL_SCANCODE_1);
    }
    if (code >= SDL_SCANCODE_KP_1 && code <= SDL_SCANCODE_KP_9) {
        return 1 + (code - SDL_SCANCODE_KP_1);
    }
    return code == SDL_SCANCODE_0 || code == SDL_SCANCODE_KP_0 ? 0 : -1;
}

bool onKeypad(SDL_Scancode code) {
    return code == SDL_SCANCODE_KP_0 || (code >= SDL_SCANCODE_KP_1 && code <= SDL_SCANCODE_KP_9);
}

std::uint16_t virtualKeyOfSymbol(SDL_Keycode key) {
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

}  // namespace

std::uint16_t virtualKeyOf(const SDL_Keysym& key) {
    if (const int digit = digitAtPosition(key.scancode); digit >= 0) {
        return static_cast<std::uint16_t>((onKeypad(key.scancode) ? vk::Numpad0 : vk::Digit0) +
                                          digit);
    }
    return virtualKeyOfSymbol(key.sym);
}

ShiftState shiftStateOf(std::uint16_t sdlModifiers) {
    return ShiftState{(sdlModifiers & KMOD_SHIFT) != 0, (sdlModifiers & KMOD_ALT) != 0,
                      (sdlModifiers & KMOD_CTRL) != 0};
}

std::optional<char> typedDigitOfText(const char* utf8) {
    if (utf8[0] >= '0' && utf8[0] <= '9' && utf8[1] == '\0') {
        return utf8[0];
    }
    // Full-width digits U+FF10 to U+FF19: EF BC 90 to EF BC 99.
    if (std::strlen(utf8) == 3 && static_cast<unsigned char>(utf8[0]) == 0xEF &&
        static_cast<unsigned char>(utf8[1]) == 0xBC) {
        const auto last = static_cast<unsigned char>(utf8[2]);
        if (last >= 0x90 && last <= 0x99) {
            return static_cast<char>('0' + (last - 0x90));
        }
    }
    return std::nullopt;
}

}  // namespace platform
