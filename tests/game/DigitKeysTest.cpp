#include "game/DigitKeys.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using platform::ShiftState;
namespace vk = platform::vk;

struct Press {
    std::uint16_t key;
    ShiftState shift;
    std::optional<char> digit;
};

TEST(DigitKeys, DigitRowAndKeypadTypeTheirDigitWithOrWithoutShiftButNotAsACommand) {
    const Press presses[] = {
        {vk::Digit0, {}, '0'},
        {vk::Digit0 + 3, {}, '3'},
        {vk::Digit0 + 9, {.shift = true}, '9'},  // layouts such as AZERTY put the digits on Shift
        {vk::Numpad0, {}, '0'},                  // the keypad by position, NumLock on or off
        {vk::Numpad0 + 7, {.shift = true}, '7'},
        {vk::Numpad0 + 9, {}, '9'},
        {vk::Digit0 + 3, {.alt = true}, std::nullopt},
        {vk::Numpad0 + 3, {.ctrl = true}, std::nullopt},
        {vk::Digit0 - 1, {}, std::nullopt},
        {vk::Numpad0 + 10, {}, std::nullopt},  // the keypad's "*"
        {vk::LetterA, {}, std::nullopt},
        {vk::Space, {}, std::nullopt},
        {0, {}, std::nullopt},
    };
    for (const Press& press : presses) {
        EXPECT_EQ(game::typedDigitOf(press.key, press.shift), press.digit) << "key " << press.key;
    }
}

}  // namespace
