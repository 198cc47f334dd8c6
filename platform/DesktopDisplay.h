#pragma once
// Whether the game can show a window on a display. Without one, SDL falls back to a driver that
// draws nowhere, and the game would run on unseen.

#include <optional>
#include <string>

namespace platform {

// Nothing when SDL's video opens on a display, else why it cannot. A driver chosen in
// SDL_VIDEODRIVER is taken as it is, so that a headless run on the dummy driver stays possible.
std::optional<std::string> desktopDisplayProblem();

// A full-screen window stays up while another window (a dialog, a message box) has the focus,
// rather than being minimised. Before the first window is made.
void keepFullScreenWithoutFocus();

}  // namespace platform
