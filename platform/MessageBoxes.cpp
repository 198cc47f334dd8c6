#include "platform/MessageBoxes.h"

#include <SDL.h>

#include <algorithm>
#include <iostream>

namespace platform {

namespace {

Uint32 sdlFlagsOf(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Error:
            return SDL_MESSAGEBOX_ERROR;
        case MessageIcon::Warning:
            return SDL_MESSAGEBOX_WARNING;
        default:
            return SDL_MESSAGEBOX_INFORMATION;
    }
}

}  // namespace

void DesktopMessageBoxes::show(const ShownMessage& message, SDL_Window* parent) {
    // Texts of the system break lines with CR.
    std::string text = message.text;
    std::replace(text.begin(), text.end(), '\r', '\n');
    if (SDL_ShowSimpleMessageBox(sdlFlagsOf(message.icon), message.caption.c_str(), text.c_str(),
                                 parent) != 0) {
        std::cerr << message.caption << ": " << text << '\n';
    }
}

void RecordedMessageBoxes::show(const ShownMessage& message, SDL_Window*) {
    shown_.push_back(message);
    if (observer_) {
        observer_(message);
    }
}

}  // namespace platform
