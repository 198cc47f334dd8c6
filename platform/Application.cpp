#include "platform/Application.h"

#include <SDL.h>

#include <poll.h>

#include <algorithm>
#include <array>
#include <utility>

#include "platform/FatalError.h"
#include "platform/Window.h"
#include "text/Utf8.h"

namespace platform {

namespace {

// Upper bound of one blocking wait, so that the loop re-checks its timers and sources.
constexpr std::uint32_t MaxBlockMs = 50;
// Upper bound of one blocking turn of a wait, which does not watch the display: its input is
// noticed within this time, and a long wait wakes seldom enough to cost next to no processor.
constexpr std::uint32_t InputPollMs = 25;

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

bool isInput(MessageKind kind) {
    return kind == MessageKind::KeyDown || kind == MessageKind::KeyPress;
}

bool isCloseRequest(const SDL_Event& event) {
    return event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE;
}

}  // namespace

std::string withReportFullStop(const std::string& text) {
    if (!text.empty() && text::decodeUtf8(text).back() > U'.') {
        return text + ".";
    }
    return text;
}

Application::Application(Clock& clock, MessageBoxes& messageBoxes)
    : clock_(clock), messageBoxes_(messageBoxes) {
    SDL_InitSubSystem(SDL_INIT_EVENTS);
    wakeEventType_ = SDL_RegisterEvents(1);
}

Application::~Application() {
    SDL_QuitSubSystem(SDL_INIT_EVENTS);
}

void Application::registerWindow(Window& window) {
    windows_.push_back(&window);
    if (mainWindow_ == nullptr) {
        mainWindow_ = &window;
    }
}

void Application::unregisterWindow(Window& window) {
    std::erase(windows_, &window);
    if (mainWindow_ == &window) {
        mainWindow_ = nullptr;
    }
}

void Application::run() {
    while (!terminated_) {
        handleMessage(true);
    }
}

bool Application::handleMessage(bool mayBlock) {
    gatherMessages();
    Message message;
    if (takeMessage(message)) {
        dispatchGuarded(message);
        return false;
    }
    runIdlePass(mayBlock);
    return true;
}

void Application::processMessages() {
    gatherMessages();
    Message message;
    while (takeMessage(message)) {
        dispatchGuarded(message);
        gatherMessages();
    }
}

void Application::waitForEvent(int fd, short events) {
    gatherMessages();
    if (queueEmpty() && !terminated_) {
        std::array<pollfd, 2> watched{{{wake_.fd(), POLLIN, 0}, {fd, events, 0}}};
        clock_.pollReady(watched, timerDueMs(), std::min(InputPollMs, sourcePollMs()));
        wake_.clear();
    }
    processMessages();
}

void Application::enqueue(Message message) {
    std::lock_guard lock(queueMutex_);
    queue_.push_back(std::move(message));
}

void Application::post(Message message) {
    enqueue(std::move(message));
    wake_.signal();
    // Wakes a loop blocked in an idle pass; safe from any thread.
    SDL_Event wake{};
    wake.type = wakeEventType_;
    SDL_PushEvent(&wake);
}

void Application::postTask(std::function<void()> task) {
    Message message;
    message.kind = MessageKind::Task;
    message.task = std::move(task);
    post(std::move(message));
}

Application::HookId Application::addMainWindowHook(MainWindowHook hook) {
    mainWindowHooks_.emplace(nextHookId_, std::move(hook));
    return nextHookId_++;
}

void Application::removeMainWindowHook(HookId id) {
    mainWindowHooks_.erase(id);
}

Application::TimerId Application::setTimer(std::uint32_t intervalMs,
                                           std::function<void()> onTimer) {
    timers_.emplace(nextTimerId_, Timer{intervalMs, clock_.milliseconds() + intervalMs, false,
                                        std::move(onTimer)});
    return nextTimerId_++;
}

void Application::killTimer(TimerId id) {
    timers_.erase(id);
}

void Application::addEventSource(EventSource& source) {
    eventSources_.push_back(&source);
}

void Application::removeEventSource(EventSource& source) {
    std::erase(eventSources_, &source);
}

void showExceptionBox(MessageBoxes& messageBoxes, const std::string& title,
                      const std::exception& error, SDL_Window* parent) {
    messageBoxes.show(ShownMessage{title, withReportFullStop(error.what()), MessageIcon::Error},
                      parent);
}

void Application::showException(const std::exception& error) {
    showExceptionBox(messageBoxes_, title_, error, mainWindowHandle());
}

void Application::showMessage(const std::string& text, MessageIcon icon) {
    messageBoxes_.show(ShownMessage{title_, text, icon}, mainWindowHandle());
}

SDL_Window* Application::mainWindowHandle() const {
    return mainWindow_ != nullptr ? mainWindow_->handle() : nullptr;
}

void Application::gatherMessages() {
    pumpSdlEvents();
    queueDueTimers();
    for (EventSource* source : std::vector(eventSources_)) {
        source->poll();
    }
}

void Application::pumpSdlEvents() {
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
        translateSdlEvent(event);
    }
}

void Application::translateSdlEvent(const SDL_Event& event) {
    if (event.type == wakeEventType_) {
        return;
    }
    Window* window = windowById(windowIdOf(event));
    // A window that draws its own controls still closes the way every window does.
    if (window != nullptr && window->onRawEvent && !isCloseRequest(event)) {
        // The window may be gone, or disabled, by the time the event is dispatched: look it up
        // then. Input for a disabled window is dropped there, as other input is in dispatch().
        const std::uint32_t id = window->id();
        enqueue(Message{MessageKind::Task, 0, 0, {}, [this, id, event] {
                            Window* target = windowById(id);
                            if (target != nullptr && target->onRawEvent &&
                                (target->enabled() || !isInput(event))) {
                                target->onRawEvent(event);
                            }
                        }});
        return;
    }
    std::uint32_t id = window != nullptr ? window->id() : 0;
    switch (event.type) {
        case SDL_QUIT:
            enqueue(Message{MessageKind::Close, 0, 0, {}, {}});
            break;
        case SDL_KEYDOWN: {
            std::uint16_t key = virtualKeyOf(event.key.keysym);
            ShiftState shift = shiftStateOf(event.key.keysym.mod);
            if (key != 0) {
                enqueue(Message{MessageKind::KeyDown, id, key, shift, {}});
            }
            const auto digit = typedDigitOf(key, shift);
            if (digit) {
                enqueueKeyPress(id, *digit);
            }
            // The text the same press types follows; its digit is answered already.
            digitPressed_ = digit.has_value();
            break;
        }
        case SDL_TEXTINPUT:
            if (!std::exchange(digitPressed_, false)) {
                if (auto digit = typedDigitOfText(event.text.text)) {
                    enqueueKeyPress(id, *digit);
                }
            }
            break;
        case SDL_WINDOWEVENT:
            switch (event.window.event) {
                case SDL_WINDOWEVENT_CLOSE:
                    enqueue(Message{MessageKind::Close, id, 0, {}, {}});
                    break;
                case SDL_WINDOWEVENT_EXPOSED:
                    enqueue(Message{MessageKind::Paint, id, 0, {}, {}});
                    break;
                case SDL_WINDOWEVENT_FOCUS_GAINED:
                    setActive(true);
                    break;
                case SDL_WINDOWEVENT_FOCUS_LOST:
                    // Focus moving between our own windows keeps the application active.
                    if (windowById(SDL_GetWindowID(SDL_GetKeyboardFocus())) == nullptr) {
                        setActive(false);
                    }
                    break;
                default:
                    break;
            }
            break;
        default:
            break;
    }
}

void Application::enqueueKeyPress(std::uint32_t windowId, char typed) {
    enqueue(Message{MessageKind::KeyPress, windowId, static_cast<std::uint16_t>(typed), {}, {}});
}

void Application::setActive(bool active) {
    if (active_ == active) {
        return;
    }
    active_ = active;
    enqueue(Message{active ? MessageKind::Activate : MessageKind::Deactivate, 0, 0, {}, {}});
}

void Application::queueDueTimers() {
    std::uint32_t now = clock_.milliseconds();
    for (auto& [id, timer] : timers_) {
        if (!timer.queued && static_cast<std::int32_t>(now - timer.dueAt) >= 0) {
            timer.queued = true;
            enqueue(Message{MessageKind::Task, 0, 0, {}, [this, id = id] { fireTimer(id); }});
        }
    }
}

void Application::fireTimer(TimerId id) {
    auto found = timers_.find(id);
    if (found == timers_.end()) {
        return;
    }
    found->second.queued = false;
    found->second.dueAt = clock_.milliseconds() + found->second.intervalMs;
    auto onTimer = found->second.onTimer;  // the handler may kill its own timer
    onTimer();
}

bool Application::takeMessage(Message& message) {
    std::lock_guard lock(queueMutex_);
    if (queue_.empty()) {
        return false;
    }
    message = std::move(queue_.front());
    queue_.pop_front();
    return true;
}

bool Application::queueEmpty() {
    std::lock_guard lock(queueMutex_);
    return queue_.empty();
}

void Application::dispatchGuarded(const Message& message) {
    try {
        dispatch(message);
    } catch (const FatalError&) {
        throw;
    } catch (const std::exception& error) {
        showException(error);
    }
}

void Application::dispatch(const Message& message) {
    if (message.kind == MessageKind::Task) {
        message.task();
        return;
    }
    Window* target = message.windowId == 0 ? mainWindow_ : windowById(message.windowId);
    // Input queued before its window was disabled is dropped as well.
    if (target != nullptr && !target->enabled() && isInput(message.kind)) {
        return;
    }
    if (target != nullptr && target == mainWindow_) {
        for (const auto& [id, hook] : std::map(mainWindowHooks_)) {
            hook(message);
        }
    }
    if (target == nullptr) {
        if (message.kind == MessageKind::Close) {
            terminate();
        }
        return;
    }
    switch (message.kind) {
        case MessageKind::KeyDown:
            target->keyDown(message.key, message.shift);
            break;
        case MessageKind::KeyPress:
            target->keyPress(static_cast<char>(message.key));
            break;
        case MessageKind::Close:
            target->close();
            break;
        case MessageKind::Paint:
            target->paint();
            break;
        default:
            break;
    }
}

void Application::runIdlePass(bool mayBlock) {
    bool done = true;
    if (idleHook_) {
        try {
            auto hook = idleHook_;  // the hook may replace itself
            hook(done);
        } catch (const FatalError&) {
            throw;
        } catch (const std::exception& error) {
            showException(error);
        }
    }
    if (done && mayBlock && !terminated_) {
        waitForMessage();
    }
}

void Application::waitForMessage() {
    SDL_Event event;
    if (SDL_WaitEventTimeout(&event, static_cast<int>(blockingTimeoutMs())) != 0) {
        translateSdlEvent(event);
    }
}

std::uint32_t Application::blockingTimeoutMs() {
    return std::min(timerDueMs(), sourcePollMs());
}

std::uint32_t Application::timerDueMs() {
    std::uint32_t timeout = MaxBlockMs;
    std::uint32_t now = clock_.milliseconds();
    for (const auto& [id, timer] : timers_) {
        auto remaining = static_cast<std::int32_t>(timer.dueAt - now);
        timeout =
            std::min<std::uint32_t>(timeout, static_cast<std::uint32_t>(std::max(remaining, 0)));
    }
    return timeout;
}

std::uint32_t Application::sourcePollMs() const {
    std::uint32_t interval = MaxBlockMs;
    for (EventSource* source : eventSources_) {
        if (source->pollIntervalMs() > 0) {
            interval = std::min(interval, source->pollIntervalMs());
        }
    }
    return interval;
}

Window* Application::windowById(std::uint32_t id) const {
    if (id == 0) {
        return nullptr;
    }
    for (Window* window : windows_) {
        if (window->id() == id) {
            return window;
        }
    }
    return nullptr;
}

}  // namespace platform
