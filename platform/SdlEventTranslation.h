#pragma once
// SDL's events as the loop's messages: key-downs and what the window says they type, typed digit
// characters, close requests, exposure and focus. A window that draws its own controls gets its
// events as they are, in a task. The platform's own: SDL stays behind this folder.

#include <cstdint>
#include <vector>

#include "platform/Message.h"

union SDL_Event;

namespace platform {

class Application;
class Window;

class SdlEventTranslation {
  public:
    // Events of wakeEventType only wake the loop and make no message.
    SdlEventTranslation(const Application& application, std::uint32_t wakeEventType);

    // The messages one event makes, in order. Activate and Deactivate tell where the keyboard
    // focus went, whether or not the application's state changes.
    std::vector<Message> translate(const SDL_Event& event);

  private:
    Message rawEventTask(const Window& window, const SDL_Event& event) const;
    void translateKeyDown(const SDL_Event& event, std::uint32_t windowId,
                          std::vector<Message>& messages);
    void translateTextInput(const SDL_Event& event, std::uint32_t windowId,
                            std::vector<Message>& messages);
    void translateWindowEvent(const SDL_Event& event, std::uint32_t windowId,
                              std::vector<Message>& messages) const;

    const Application& application_;
    std::uint32_t wakeEventType_;
    bool pressTyped_ = false;  // the last key-down typed its character already
};

}  // namespace platform
