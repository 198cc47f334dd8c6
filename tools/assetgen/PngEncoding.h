#pragma once
// A drawn canvas as PNG file bytes, for pictures the desktop reads rather than the game.

#include <cstdint>
#include <vector>

#include "tools/assetgen/Canvas.h"

namespace assetgen {

// Throws std::runtime_error when the encoder fails.
std::vector<std::uint8_t> encodePng(const Canvas& canvas);

}  // namespace assetgen
