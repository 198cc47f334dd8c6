#include "game/WindowSize.h"

#include <algorithm>

#include "game/Form1.h"

namespace game {

int windowScaleFor(int areaWidth, int areaHeight) {
    // Room for the window's frame and for the desktop around it.
    const int roomWidth = areaWidth * 85 / 100;
    const int roomHeight = areaHeight * 85 / 100;
    return std::max(1, std::min(roomWidth / ScreenWidth, roomHeight / ScreenHeight));
}

}  // namespace game
