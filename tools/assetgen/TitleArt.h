#pragma once
// The title picture: the game's name in large banded yellow katakana, outlined in blue.

#include "tools/assetgen/Canvas.h"

namespace assetgen {

Canvas drawTitle();

}  // namespace assetgen
