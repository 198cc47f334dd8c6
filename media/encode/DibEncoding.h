#pragma once
// Writing pictures in the stored forms that TDIB reads: made by the asset generator and the
// tests, never by the game.

#include <cstdint>
#include <vector>

#include "media/Dib.h"

namespace media {

// The picture data stream: length byte, class name, then the bitmap bottom-up, uncompressed,
// with a 40-byte header (16- and 32-bit pictures with their own masks keep them as bit fields).
// The empty picture writes no bitmap at all.
std::vector<std::uint8_t> encodePictureData(const TDIB& picture);
// The picture file: the 14-byte file header starting "BM", then the same bitmap.
std::vector<std::uint8_t> encodeDibFile(const TDIB& picture);

}  // namespace media
