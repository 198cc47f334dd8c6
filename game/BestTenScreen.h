#pragma once
// The best-ten board: the ten entries of the table over ten rows of blocks, one row of each
// colour, that drift and wobble from frame to frame.

#include "core/GameGlobals.h"
#include "media/PictureList.h"
#include "media/Surface.h"

namespace game {

// The rows where the frame's drift left them, then the table and the footer.
void drawBestTen(const core::GameGlobals& g, media::TSurface& surface,
                 const media::TPictureList& pictures);

}  // namespace game
