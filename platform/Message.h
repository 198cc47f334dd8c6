#pragma once
// A queued message of the application's loop.

#include <cstdint>
#include <functional>

#include "platform/Keys.h"

namespace platform {

enum class MessageKind {
    KeyDown,     // key, shift
    KeyPress,    // key holds the typed character
    Click,       // a mouse button went down in the window
    Activate,    // the application became active
    Deactivate,  // the application became inactive
    Close,       // the window is asked to close
    Paint,       // the window must be repainted
    Task,        // run task on the user-interface thread
};

struct Message {
    MessageKind kind = MessageKind::Task;
    std::uint32_t windowId = 0;  // 0: the main window
    std::uint16_t key = 0;
    ShiftState shift{};
    std::function<void()> task;
};

}  // namespace platform
