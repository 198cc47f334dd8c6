#pragma once
// Turns a drawn canvas into a stored picture.

#include "media/Dib.h"
#include "tools/assetgen/Canvas.h"
#include "tools/assetgen/ColourTable.h"

namespace assetgen {

// 8 bits per pixel; every colour of the canvas must be in the table.
media::TDIB indexedPicture(const Canvas& canvas, const ColourTable& table);
media::TDIB truecolourPicture(const Canvas& canvas);

}  // namespace assetgen
