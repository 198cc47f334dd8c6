#pragma once
// The maker's logo: the studio's name in outlined rainbow lettering on black, drawn only in
// colours of the 6 × 6 × 6 cube.

#include "tools/assetgen/Canvas.h"

namespace assetgen {

Canvas drawLogo();

}  // namespace assetgen
