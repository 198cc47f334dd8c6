#pragma once
// The how-to-play page that the title opens: the goal beside a small board with its answer
// marked, the rules of a round and the keys. It takes no random draw, so the game's draws stay
// as they would have been without it.

#include "media/PictureList.h"
#include "media/Surface.h"

namespace game {

// The example board's top-left corner and its size in cells of the game's own size.
inline constexpr int ExampleBoardLeft = 600;
inline constexpr int ExampleBoardTop = 72;
inline constexpr int ExampleBoardColumns = 8;
inline constexpr int ExampleBoardRows = 5;
// The colour with the most blocks on the example board: the answer it marks.
inline constexpr int ExampleAnswer = 2;

void drawHowToPlay(media::TSurface& surface, const media::TPictureList& pictures);

}  // namespace game
