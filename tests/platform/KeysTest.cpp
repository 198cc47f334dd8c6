#include "platform/Keys.h"

#include <gtest/gtest.h>

namespace {

using platform::ShiftState;
using platform::typedDigitOf;
using platform::virtualKeyOf;

TEST(Keys, GameKeysMapToTheirVirtualKeyCodes) {
    EXPECT_EQ(virtualKeyOf(SDLK_SPACE), 32);
    EXPECT_EQ(virtualKeyOf(SDLK_RETURN), 13);
    EXPECT_EQ(virtualKeyOf(SDLK_KP_ENTER), 13);
    EXPECT_EQ(virtualKeyOf(SDLK_ESCAPE), 27);
    EXPECT_EQ(virtualKeyOf(SDLK_F1), 112);
    EXPECT_EQ(virtualKeyOf(SDLK_F12), 123);
    EXPECT_EQ(virtualKeyOf(SDLK_0), 48);
    EXPECT_EQ(virtualKeyOf(SDLK_9), 57);
    EXPECT_EQ(virtualKeyOf(SDLK_a), 65);
    EXPECT_EQ(virtualKeyOf(SDLK_KP_0), 96);
    EXPECT_EQ(virtualKeyOf(SDLK_KP_9), 105);
}

TEST(Keys, DigitsTypeTheirCharacterFromMainRowAndKeypad) {
    EXPECT_EQ(typedDigitOf(virtualKeyOf(SDLK_3), {}), '3');
    EXPECT_EQ(typedDigitOf(virtualKeyOf(SDLK_0), {}), '0');
    EXPECT_EQ(typedDigitOf(virtualKeyOf(SDLK_KP_0), {}), '0');
    EXPECT_EQ(typedDigitOf(virtualKeyOf(SDLK_KP_7), {}), '7');
}

TEST(Keys, ModifiedDigitsTypeNoDigit) {
    EXPECT_FALSE(typedDigitOf(virtualKeyOf(SDLK_3), ShiftState{true, false, false}));
    EXPECT_FALSE(typedDigitOf(virtualKeyOf(SDLK_3), ShiftState{false, true, false}));
    EXPECT_FALSE(typedDigitOf(virtualKeyOf(SDLK_KP_3), ShiftState{false, false, true}));
    EXPECT_FALSE(typedDigitOf(virtualKeyOf(SDLK_a), {}));
    EXPECT_FALSE(typedDigitOf(virtualKeyOf(SDLK_SPACE), {}));
}

TEST(Keys, ModifierStateFromSdl) {
    EXPECT_EQ(platform::shiftStateOf(KMOD_LSHIFT), (ShiftState{true, false, false}));
    EXPECT_EQ(platform::shiftStateOf(KMOD_RALT | KMOD_LCTRL), (ShiftState{false, true, true}));
    EXPECT_EQ(platform::shiftStateOf(KMOD_NUM), ShiftState{});
}

}  // namespace
