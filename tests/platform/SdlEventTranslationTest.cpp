// Key presses as SDL queues them, through the application's loop: a key event, then the text
// the press typed (if any).

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>

#include "platform/Application.h"
#include "platform/HeadlessDrivers.h"
#include "platform/Window.h"

namespace {

namespace vk = platform::vk;

// The rule a window may give for what its keys type: here, the digit row types its digits.
std::optional<char> digitRowTypes(std::uint16_t key, platform::ShiftState) {
    if (key >= vk::Digit0 && key <= vk::Digit0 + 9) {
        return static_cast<char>('0' + (key - vk::Digit0));
    }
    return std::nullopt;
}

class SdlEventTranslationTest : public ::testing::Test {
  protected:
    SdlEventTranslationTest() {
        window.onKeyPress = [this](char& key) { typed.push_back(key); };
        window.onKeyDown = [this](std::uint16_t& key, platform::ShiftState) {
            typed += "[" + std::to_string(key) + "]";
        };
    }

    void press(SDL_Scancode position, SDL_Keycode symbol, std::uint16_t modifiers,
               const char* text) {
        SDL_Event down{};
        down.type = SDL_KEYDOWN;
        down.key.windowID = window.id();
        down.key.state = SDL_PRESSED;
        down.key.keysym.scancode = position;
        down.key.keysym.sym = symbol;
        down.key.keysym.mod = modifiers;
        SDL_PushEvent(&down);
        if (text != nullptr) {
            SDL_Event input{};
            input.type = SDL_TEXTINPUT;
            input.text.windowID = window.id();
            std::snprintf(input.text.text, sizeof input.text.text, "%s", text);
            SDL_PushEvent(&input);
        }
        app.processMessages();
    }

    // Chosen before the application below starts SDL.
    struct HeadlessDrivers {
        HeadlessDrivers() { platform::useHeadlessDrivers(); }
    } drivers;
    platform::ManualClock clock{1000};
    platform::RecordedMessageBoxes boxes;
    platform::Application app{clock, boxes};
    platform::Window window{app, "main", 80, 60};
    std::string typed;  // key-downs as [code], then the characters typed
};

TEST_F(SdlEventTranslationTest, AKeyThatTypesByItselfTypesOnceRightAfterItsKeyDown) {
    window.typedByKey = digitRowTypes;
    // An AZERTY-like layout: the 1 key types "&", with Shift "1"; the 0 key types "à".
    press(SDL_SCANCODE_1, SDLK_AMPERSAND, KMOD_LSHIFT, "1");
    press(SDL_SCANCODE_1, SDLK_AMPERSAND, KMOD_NONE, "&");
    press(SDL_SCANCODE_0, 0xE0, KMOD_RSHIFT, "0");
    EXPECT_EQ(typed, "[49]1[49]1[48]0");
}

TEST_F(SdlEventTranslationTest, OtherKeysPassOnATypedDigitCharacterOnly) {
    window.typedByKey = digitRowTypes;
    press(SDL_SCANCODE_KP_3, SDLK_KP_3, KMOD_NUM, "3");
    press(SDL_SCANCODE_KP_3, SDLK_PAGEDOWN, KMOD_NONE, nullptr);
    press(SDL_SCANCODE_Q, SDLK_q, KMOD_NONE, "\xEF\xBC\x97");  // an input method's full-width 7
    press(SDL_SCANCODE_A, SDLK_a, KMOD_NONE, "a");
    EXPECT_EQ(typed, "[99]3[99][81]7[65]");
}

TEST_F(SdlEventTranslationTest, WithoutARuleTheTextAloneTypes) {
    press(SDL_SCANCODE_5, SDLK_5, KMOD_NONE, "5");
    press(SDL_SCANCODE_5, SDLK_5, KMOD_LALT, nullptr);
    EXPECT_EQ(typed, "[53]5[53]");
}

}  // namespace
