#include "game/DigitKeys.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using platform::ShiftState;
namespace vk = platform::vk;

constexpr ShiftState None{};
constexpr ShiftState Shift{true, false, false};
constexpr ShiftState Alt{false, true, false};
constexpr ShiftState Ctrl{false, false, true};

struct Press {
    std::uint16_t key;
    ShiftState shift;
    std::optional<char> digit;
};

TEST(DigitKeys, DigitRowAndKeypadTypeTheirDigitWithOrWithoutShiftButNotAsACommand) {
    const Press presses[] = {
        {vk::Digit0, None, '0'},
        {vk::Digit0 + 3, None, '3'},
        {vk::Digit0 + 9, Shift, '9'},  // layouts such as AZERTY put the digits on Shift
        {vk::Numpad0, None, '0'},      // the keypad by position, NumLock on or off
        {vk::Numpad0 + 7, Shift, '7'},
        {vk::Numpad0 + 9, None, '9'},
        {vk::Digit0 + 3, Alt, std::nullopt},
        {vk::Numpad0 + 3, Ctrl, std::nullopt},
        {vk::Digit0 - 1, None, std::nullopt},
        {vk::Numpad0 + 10, None, std::nullopt},  // the keypad's "*"
        {vk::LetterA, None, std::nullopt},
        {vk::Space, None, std::nullopt},
        {0, None, std::nullopt},
    };
    for (const Press& press : presses) {
        EXPECT_EQ(game::typedDigitOf(press.key, press.shift), press.digit) << "key " << press.key;
    }
}

}  // namespace
