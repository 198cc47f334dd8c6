#pragma once
// The desktop's requests to end a window or the program, sent by the program itself: for the
// scripted runner and tests that stand in for the player's desktop. They take the way the real
// ones take, through the application's loop.

namespace platform {

class Window;

// What the close box, Alt+F4 or the window manager send to close a window. Throws
// std::runtime_error when the request cannot be queued.
void pushCloseRequest(const Window& window);

// What the desktop sends to end the program (a logout, SIGTERM). Throws std::runtime_error when
// the request cannot be queued.
void pushQuitRequest();

}  // namespace platform
