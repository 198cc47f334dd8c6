#include "platform/SdlKeys.h"

#include <gtest/gtest.h>

namespace {

using platform::typedDigitOfText;
using platform::virtualKeyOf;

SDL_Keysym keyAt(SDL_Scancode position, SDL_Keycode symbol, std::uint16_t modifiers = KMOD_NONE) {
    SDL_Keysym key{};
    key.scancode = position;
    key.sym = symbol;
    key.mod = modifiers;
    return key;
}

// A key the game knows by its symbol.
SDL_Keysym keyOf(SDL_Keycode symbol) {
    return keyAt(SDL_SCANCODE_UNKNOWN, symbol);
}

TEST(SdlKeys, GameKeysMapToTheirVirtualKeyCodes) {
    EXPECT_EQ(virtualKeyOf(keyOf(SDLK_SPACE)), 32);
    EXPECT_EQ(virtualKeyOf(keyOf(SDLK_RETURN)), 13);
    EXPECT_EQ(virtualKeyOf(keyOf(SDLK_KP_ENTER)), 13);
    EXPECT_EQ(virtualKeyOf(keyOf(SDLK_ESCAPE)), 27);
    EXPECT_EQ(virtualKeyOf(keyOf(SDLK_F1)), 112);
    EXPECT_EQ(virtualKeyOf(keyOf(SDLK_F12)), 123);
    EXPECT_EQ(virtualKeyOf(keyOf(SDLK_a)), 65);
    EXPECT_EQ(virtualKeyOf(keyAt(SDL_SCANCODE_0, SDLK_0)), 48);
    EXPECT_EQ(virtualKeyOf(keyAt(SDL_SCANCODE_9, SDLK_9)), 57);
    EXPECT_EQ(virtualKeyOf(keyAt(SDL_SCANCODE_KP_0, SDLK_KP_0)), 96);
    EXPECT_EQ(virtualKeyOf(keyAt(SDL_SCANCODE_KP_9, SDLK_KP_9)), 105);
}

TEST(SdlKeys, DigitKeysGoByPositionWhateverTheLayoutPrintsOnThem) {
    // An AZERTY-like digit row: "&" on the 1 key, "à" on the 0 key.
    EXPECT_EQ(virtualKeyOf(keyAt(SDL_SCANCODE_1, SDLK_AMPERSAND)), 49);
    EXPECT_EQ(virtualKeyOf(keyAt(SDL_SCANCODE_0, 0xE0)), 48);
    // The keypad with NumLock off: End and Insert by their symbols.
    EXPECT_EQ(virtualKeyOf(keyAt(SDL_SCANCODE_KP_1, SDLK_END)), 97);
    EXPECT_EQ(virtualKeyOf(keyAt(SDL_SCANCODE_KP_0, SDLK_INSERT)), 96);
    // A digit elsewhere goes by its symbol.
    EXPECT_EQ(virtualKeyOf(keyAt(SDL_SCANCODE_Q, SDLK_1)), 49);
}

TEST(SdlKeys, ModifiersMapToTheShiftState) {
    using platform::ShiftState;
    EXPECT_EQ(platform::shiftStateOf(KMOD_NONE), (ShiftState{}));
    EXPECT_EQ(platform::shiftStateOf(KMOD_RSHIFT | KMOD_NUM), (ShiftState{true, false, false}));
    EXPECT_EQ(platform::shiftStateOf(KMOD_LALT), (ShiftState{false, true, false}));
    EXPECT_EQ(platform::shiftStateOf(KMOD_RCTRL | KMOD_CAPS), (ShiftState{false, false, true}));
}

TEST(SdlKeys, TextOfOneDigitCharacter) {
    EXPECT_EQ(typedDigitOfText("0"), '0');
    EXPECT_EQ(typedDigitOfText("9"), '9');
    EXPECT_EQ(typedDigitOfText("\xEF\xBC\x90"), '0');  // full-width
    EXPECT_EQ(typedDigitOfText("\xEF\xBC\x99"), '9');
    EXPECT_FALSE(typedDigitOfText(""));
    EXPECT_FALSE(typedDigitOfText("12"));
    EXPECT_FALSE(typedDigitOfText("&"));
    EXPECT_FALSE(typedDigitOfText("\xEF\xBC\x9A"));  // full-width colon
    EXPECT_FALSE(typedDigitOfText("\xEF\xBC\x90\xEF\xBC\x91"));
}

}  // namespace
