#include "platform/SdlEventTranslation.h"

#include <SDL.h>

#include <utility>

#include "platform/Application.h"
#include "platform/SdlKeys.h"
#include "platform/Window.h"

namespace platform {

namespace {

std::uint32_t windowIdOf(const SDL_Event& event) {
    switch (event.type) {
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            return event.key.windowID;
        case SDL_TEXTINPUT:
            return event.text.windowID;
        case SDL_TEXTEDITING:
            return event.edit.windowID;
        case SDL_MOUSEMOTION:
            return event.motion.windowID;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            return event.button.windowID;
        case SDL_MOUSEWHEEL:
            return event.wheel.windowID;
        case SDL_WINDOWEVENT:
            return event.window.windowID;
        default:
            return 0;
    }
}

bool isInput(const SDL_Event& event) {
    switch (event.type) {
        case SDL_KEYDOWN:
        case SDL_KEYUP:
        case SDL_TEXTINPUT:
        case SDL_TEXTEDITING:
        case SDL_MOUSEMOTION:
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
        case SDL_MOUSEWHEEL:
            return true;
        default:
            return false;
    }
}

bool isCloseRequest(const SDL_Event& event) {
    return event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE;
}

Message keyPress(std::uint32_t windowId, char typed) {
    return Message{MessageKind::KeyPress, windowId, static_cast<std::uint16_t>(typed), {}, {}};
}

}  // namespace

SdlEventTranslation::SdlEventTranslation(const Application& application,
                                         std::uint32_t wakeEventType)
    : application_(application), wakeEventType_(wakeEventType) {}

std::vector<Message> SdlEventTranslation::translate(const SDL_Event& event) {
    std::vector<Message> messages;
    if (event.type == wakeEventType_) {
        return messages;
    }
    const Window* window = application_.windowById(windowIdOf(event));
    // A window that draws its own controls still closes the way every window does.
    if (window != nullptr && window->onRawEvent && !isCloseRequest(event)) {
        messages.push_back(rawEventTask(*window, event));
        return messages;
    }
    const std::uint32_t id = window != nullptr ? window->id() : 0;
    switch (event.type) {
        case SDL_QUIT:
            messages.push_back(Message{MessageKind::Close, 0, 0, {}, {}});
            break;
        case SDL_KEYDOWN:
            translateKeyDown(event, id, messages);
            break;
        case SDL_TEXTINPUT:
            translateTextInput(event, id, messages);
            break;
        case SDL_MOUSEBUTTONDOWN:
            messages.push_back(Message{MessageKind::Click, id, 0, {}, {}});
            break;
        case SDL_WINDOWEVENT:
            translateWindowEvent(event, id, messages);
            break;
        default:
            break;
    }
    return messages;
}

Message SdlEventTranslation::rawEventTask(const Window& window, const SDL_Event& event) const {
    // The window may be gone, or disabled, by the time the event is dispatched: look it up
    // then. Input for a disabled window is dropped there, as other input is in dispatch.
    const Application& application = application_;
    const std::uint32_t id = window.id();
    return Message{
        MessageKind::Task, 0, 0, {}, [&application, id, event] {
            Window* target = application.windowById(id);
            if (target != nullptr && target->onRawEvent && (target->enabled() || !isInput(event))) {
                target->onRawEvent(event);
            }
        }};
}

void SdlEventTranslation::translateKeyDown(const SDL_Event& event, std::uint32_t windowId,
                                           std::vector<Message>& messages) {
    const std::uint16_t key = virtualKeyOf(event.key.keysym);
    const ShiftState shift = shiftStateOf(event.key.keysym.mod);
    if (key != 0) {
        messages.push_back(Message{MessageKind::KeyDown, windowId, key, shift, {}});
    }
    // 0 stands for the main window, as it does in dispatch.
    const Window* target =
        windowId != 0 ? application_.windowById(windowId) : application_.mainWindow();
    std::optional<char> typed;
    if (target != nullptr && target->typedByKey) {
        typed = target->typedByKey(key, shift);
    }
    if (typed) {
        messages.push_back(keyPress(windowId, *typed));
    }
    // The text the same press types follows; the key typed its character already.
    pressTyped_ = typed.has_value();
}

void SdlEventTranslation::translateTextInput(const SDL_Event& event, std::uint32_t windowId,
                                             std::vector<Message>& messages) {
    if (!std::exchange(pressTyped_, false)) {
        if (auto digit = typedDigitOfText(event.text.text)) {
            messages.push_back(keyPress(windowId, *digit));
        }
    }
}

void SdlEventTranslation::translateWindowEvent(const SDL_Event& event, std::uint32_t windowId,
                                               std::vector<Message>& messages) const {
    switch (event.window.event) {
        case SDL_WINDOWEVENT_CLOSE:
            messages.push_back(Message{MessageKind::Close, windowId, 0, {}, {}});
            break;
        case SDL_WINDOWEVENT_EXPOSED:
            messages.push_back(Message{MessageKind::Paint, windowId, 0, {}, {}});
            break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            messages.push_back(Message{MessageKind::Activate, 0, 0, {}, {}});
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            // Focus moving between our own windows keeps the application active.
            if (application_.windowById(SDL_GetWindowID(SDL_GetKeyboardFocus())) == nullptr) {
                messages.push_back(Message{MessageKind::Deactivate, 0, 0, {}, {}});
            }
            break;
        default:
            break;
    }
}

}  // namespace platform
