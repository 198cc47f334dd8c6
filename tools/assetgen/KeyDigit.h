#pragma once
// The bold black key digit on a block: 15 pixels high, 8 or 9 wide.

#include "tools/assetgen/AlphaMap.h"

namespace assetgen {

constexpr int DigitHeight = 15;
constexpr int DigitMinWidth = 8;
constexpr int DigitMaxWidth = 9;

AlphaMap keyDigitShape(char digit);

}  // namespace assetgen
