#pragma once
// Byte angles: a full turn is 256 steps, and a 256-entry cosine table answers cosine and sine
// of any such angle by lookup.

#include <array>

namespace media {

// Entry i is cos(i * 2 pi / 256), computed in extended precision once at first use.
const std::array<double, 256>& TurnTable();

// The angle wraps in two's complement: -1 reads entry 255.
double TurnCos(int angle);
// Equals sin(angle * 2 pi / 256).
double TurnSin(int angle);

}  // namespace media
