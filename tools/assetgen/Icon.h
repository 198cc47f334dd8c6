#pragma once
// The program's icon: four bevelled blocks of the game's first colours, two by two, drawn at
// each size rather than scaled so that the bevels stay crisp down to 16 pixels.

#include <array>

#include "tools/assetgen/Canvas.h"

namespace assetgen {

// The sizes desktops ask for, in pixels.
constexpr std::array<int, 6> IconSizes{16, 32, 48, 64, 128, 256};

// size must be even.
Canvas drawIcon(int size);

}  // namespace assetgen
