#include "platform/Application.h"

#include <SDL.h>

#include <poll.h>

#include <algorithm>
#include <array>
#include <utility>

#include "platform/FatalError.h"
#include "platform/SdlEventTranslation.h"
#include "platform/Window.h"

namespace platform {

namespace {

// Upper bound of one blocking wait, so that the loop re-checks its timers and sources.
constexpr std::uint32_t MaxBlockMs = 50;
// Upper bound of one blocking turn of a wait, which does not watch the display: its input is
// noticed within this time, and a long wait wakes seldom enough to cost next to no processor.
constexpr std::uint32_t InputPollMs = 25;

bool isInput(MessageKind kind) {
    return kind == MessageKind::KeyDown || kind == MessageKind::KeyPress ||
           kind == MessageKind::Click;
}

}  // namespace

Application::Application(Clock& clock, MessageBoxes& messageBoxes)
    : clock_(clock), messageBoxes_(messageBoxes) {
    SDL_InitSubSystem(SDL_INIT_EVENTS);
    wakeEventType_ = SDL_RegisterEvents(1);
    translation_ = std::make_unique<SdlEventTranslation>(*this, wakeEventType_);
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
    return timers_.add(intervalMs, std::move(onTimer), clock_.milliseconds());
}

void Application::killTimer(TimerId id) {
    timers_.remove(id);
}

void Application::addEventSource(EventSource& source) {
    eventSources_.push_back(&source);
}

void Application::removeEventSource(EventSource& source) {
    std::erase(eventSources_, &source);
}

void Application::showException(const std::exception& error) {
    showExceptionBox(messageBoxes_, title_, error, mainWindow_);
}

void Application::showMessage(const std::string& text, MessageIcon icon) {
    messageBoxes_.show(ShownMessage{title_, text, icon}, mainWindow_);
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
        queueTranslated(translation_->translate(event));
    }
}

void Application::queueTranslated(std::vector<Message> messages) {
    for (Message& message : messages) {
        if (message.kind == MessageKind::Activate || message.kind == MessageKind::Deactivate) {
            setActive(message.kind == MessageKind::Activate);
        } else {
            enqueue(std::move(message));
        }
    }
}

void Application::setActive(bool active) {
    if (active_ == active) {
        return;
    }
    active_ = active;
    enqueue(Message{active ? MessageKind::Activate : MessageKind::Deactivate, 0, 0, {}, {}});
}

void Application::queueDueTimers() {
    for (TimerId id : timers_.takeDue(clock_.milliseconds())) {
        enqueue(Message{
            MessageKind::Task, 0, 0, {}, [this, id] { timers_.fire(id, clock_.milliseconds()); }});
    }
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
        case MessageKind::Click:
            target->click();
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
        queueTranslated(translation_->translate(event));
    }
}

std::uint32_t Application::blockingTimeoutMs() {
    return std::min(timerDueMs(), sourcePollMs());
}

std::uint32_t Application::timerDueMs() {
    return timers_.msUntilDue(clock_.milliseconds(), MaxBlockMs);
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
