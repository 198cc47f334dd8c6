#include "platform/Keys.h"

#include <gtest/gtest.h>

namespace {

using platform::typedDigitOf;
using platform::typedDigitOfText;
using platform::virtualKeyOf;

SDL_Keysym keyAt(SDL_Scancode position, SDL_Keycode symbol, std::uint16_t modifiers = KMOD_NONE) {
    SDL_Keysym key{};
    key.scancode = position;
    key.sym = symbol;
    key.mod = modifiers;
    return key;
}

// The digit a press of the key answers with.
std::optional<char> answeredDigit(const SDL_Keysym& key) {
    return typedDigitOf(virtualKeyOf(key), platform::shiftStateOf(key.mod));
}

// A key the game knows by its symbol.
SDL_Keysym keyOf(SDL_Keycode symbol) {
    return keyAt(SDL_SCANCODE_UNKNOWN, symbol);
}

TEST(Keys, GameKeysMapToTheirVirtualKeyCodes) {
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

TEST(Keys, DigitKeysGoByPositionWhateverTheLayoutPrintsOnThem) {
    // An AZERTY-like digit row: "&" on the 1 key, "à" on the 0 key.
    EXPECT_EQ(virtualKeyOf(keyAt(SDL_SCANCODE_1, SDLK_AMPERSAND)), 49);
    EXPECT_EQ(virtualKeyOf(keyAt(SDL_SCANCODE_0, 0xE0)), 48);
    // The keypad with NumLock off: End and Insert by their symbols.
    EXPECT_EQ(virtualKeyOf(keyAt(SDL_SCANCODE_KP_1, SDLK_END)), 97);
    EXPECT_EQ(virtualKeyOf(keyAt(SDL_SCANCODE_KP_0, SDLK_INSERT)), 96);
}

TEST(Keys, DigitRowAndKeypadAnswerWithOrWithoutShiftOrNumLock) {
    EXPECT_EQ(answeredDigit(keyAt(SDL_SCANCODE_3, SDLK_3)), '3');
    EXPECT_EQ(answeredDigit(keyAt(SDL_SCANCODE_3, SDLK_3, KMOD_LSHIFT)), '3');
    EXPECT_EQ(answeredDigit(keyAt(SDL_SCANCODE_1, SDLK_AMPERSAND, KMOD_RSHIFT)), '1');
    EXPECT_EQ(answeredDigit(keyAt(SDL_SCANCODE_0, 0xE0)), '0');
    EXPECT_EQ(answeredDigit(keyAt(SDL_SCANCODE_KP_7, SDLK_KP_7, KMOD_NUM)), '7');
    EXPECT_EQ(answeredDigit(keyAt(SDL_SCANCODE_KP_7, SDLK_HOME)), '7');
    EXPECT_EQ(answeredDigit(keyAt(SDL_SCANCODE_KP_0, SDLK_INSERT)), '0');
}

TEST(Keys, AltCtrlAndOtherKeysAnswerNothing) {
    EXPECT_FALSE(answeredDigit(keyAt(SDL_SCANCODE_3, SDLK_3, KMOD_LALT)));
    EXPECT_FALSE(answeredDigit(keyAt(SDL_SCANCODE_KP_3, SDLK_KP_3, KMOD_RCTRL)));
    EXPECT_FALSE(answeredDigit(keyOf(SDLK_a)));
    EXPECT_FALSE(answeredDigit(keyOf(SDLK_SPACE)));
    EXPECT_EQ(answeredDigit(keyAt(SDL_SCANCODE_Q, SDLK_1)),
              '1');  // a digit elsewhere, by its symbol
}

TEST(Keys, TextOfOneDigitCharacter) {
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
