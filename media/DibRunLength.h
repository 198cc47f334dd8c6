#pragma once
// Decoding of run-length compressed bitmap rows (8-bit and 4-bit).

#include <cstdint>
#include <span>
#include <vector>

namespace media {

// Expands run-length data into uncompressed rows in stored order, each padded to 4 bytes.
// Pixels placed outside the picture are dropped; pixels never placed stay index 0.
// A command cut off by the end of the data throws EInvalidDib.
std::vector<std::uint8_t> decodeRunLength(std::span<const std::uint8_t> data, int width, int rows,
                                          int bitCount);

}  // namespace media
