#pragma once
// The best-ten board: the ten entries of the table over ten rows of blocks, one row of each
// colour, that drift and wobble from frame to frame.

#include "game/Globals.h"
#include "media/PictureList.h"
#include "media/Surface.h"

namespace game {

// Moves and draws each row in turn (one random draw a row), then the table and the footer
// (one more draw, for its colour).
void drawBestTen(GameGlobals& g, media::TSurface& surface, const media::TPictureList& pictures);

}  // namespace game
