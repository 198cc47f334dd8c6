#include "platform/MessageBoxes.h"

#include <SDL.h>

#include <algorithm>
#include <iostream>

#include "platform/Window.h"
#include "text/Utf8.h"

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

void DesktopMessageBoxes::show(const ShownMessage& message, const Window* parent) {
    // Texts of the system break lines with CR.
    std::string text = message.text;
    std::replace(text.begin(), text.end(), '\r', '\n');
    if (SDL_ShowSimpleMessageBox(sdlFlagsOf(message.icon), message.caption.c_str(), text.c_str(),
                                 parent != nullptr ? parent->handle() : nullptr) != 0) {
        std::cerr << message.caption << ": " << text << '\n';
    }
}

void RecordedMessageBoxes::show(const ShownMessage& message, const Window*) {
    shown_.push_back(message);
    if (observer_) {
        observer_(message);
    }
}

std::string withReportFullStop(const std::string& text) {
    if (!text.empty() && text::decodeUtf8(text).back() > U'.') {
        return text + ".";
    }
    return text;
}

void showExceptionBox(MessageBoxes& messageBoxes, const std::string& title,
                      const std::exception& error, const Window* parent) {
    messageBoxes.show(ShownMessage{title, withReportFullStop(error.what()), MessageIcon::Error},
                      parent);
}

}  // namespace platform
