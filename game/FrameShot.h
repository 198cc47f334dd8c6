#pragma once
// The frame on the display's back surface, through its palette, as a PNG file.

#include <string>

#include "media/Display.h"

namespace game {

// Throws std::runtime_error when the display has no surface or the file cannot be written.
void saveFrameShot(media::TDisplay& display, const std::string& path);

}  // namespace game
