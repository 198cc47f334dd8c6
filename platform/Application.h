#pragma once
// The application object: title, windows, the message loop with its idle pass, timers,
// outside event sources, and the standard report of exceptions (a FatalError passes through
// it and out of run()).

#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/Message.h"
#include "platform/MessageBoxes.h"
#include "platform/TimerQueue.h"
#include "platform/WakeSignal.h"

namespace platform {

class SdlEventTranslation;
class Window;

// Something outside the loop (sockets, for one) that turns its readiness into messages.
class EventSource {
  public:
    virtual ~EventSource() = default;
    // Posts a message for each event that has happened since the last call; never blocks.
    virtual void poll() = 0;
    // How long the loop may block before polling again; 0 when the source needs no polling.
    virtual std::uint32_t pollIntervalMs() const = 0;
};

class Application {
  public:
    using IdleHook = std::function<void(bool& done)>;
    using MainWindowHook = std::function<void(const Message&)>;
    using HookId = int;
    using TimerId = TimerQueue::TimerId;

    // SDL must be initialised (video) before; the application does not own clock or boxes.
    Application(Clock& clock, MessageBoxes& messageBoxes);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    Clock& clock() { return clock_; }
    const std::string& title() const { return title_; }
    void setTitle(std::string title) { title_ = std::move(title); }

    // Windows register themselves; the first one becomes the main window.
    void registerWindow(Window& window);
    void unregisterWindow(Window& window);
    Window* mainWindow() const { return mainWindow_; }
    // The registered window of a platform window id; nullptr for 0 or an id of no such window.
    Window* windowById(std::uint32_t id) const;

    // Runs turns until terminate().
    void run();
    // One turn: dispatch one queued message, or run an idle pass when none is queued.
    // The idle pass blocks for the next message only when mayBlock and Done stayed true.
    // Returns true when the turn was an idle pass.
    bool handleMessage(bool mayBlock = true);
    // Dispatches every queued message, with no idle pass: for waits that keep the interface
    // responsive.
    void processMessages();
    // One turn of a wait that keeps the interface responsive without spinning: when no message
    // is queued, first blocks until fd shows one of events (fd -1: none), a message is posted,
    // a timer falls due, or a short slice of real time passes for the sources and the display's
    // input; then dispatches every queued message. Time is read on the application's clock.
    void waitForEvent(int fd = -1, short events = 0);
    void terminate() { terminated_ = true; }
    bool terminated() const { return terminated_; }

    // One slot: setting replaces whatever was there.
    void setIdleHook(IdleHook hook) { idleHook_ = std::move(hook); }
    void clearIdleHook() { idleHook_ = nullptr; }

    // Thread-safe.
    void post(Message message);
    void postTask(std::function<void()> task);

    HookId addMainWindowHook(MainWindowHook hook);
    void removeMainWindowHook(HookId id);
    bool active() const { return active_; }

    // A repeating timer whose firing is a queued message, like a window timer: at most one
    // firing of a timer is queued at a time.
    TimerId setTimer(std::uint32_t intervalMs, std::function<void()> onTimer);
    void killTimer(TimerId id);

    void addEventSource(EventSource& source);
    void removeEventSource(EventSource& source);

    // The standard exception report: an error box captioned with the title.
    void showException(const std::exception& error);
    void showMessage(const std::string& text, MessageIcon icon = MessageIcon::None);
    MessageBoxes& messageBoxes() { return messageBoxes_; }

  private:
    void enqueue(Message message);
    void gatherMessages();
    void pumpSdlEvents();
    // Activate and Deactivate change the state, and are queued only when they do.
    void queueTranslated(std::vector<Message> messages);
    void queueDueTimers();
    bool takeMessage(Message& message);
    bool queueEmpty();
    void dispatch(const Message& message);
    void dispatchGuarded(const Message& message);
    void runIdlePass(bool mayBlock);
    void waitForMessage();
    std::uint32_t blockingTimeoutMs();
    // Until the next timer falls due, at most MaxBlockMs: time on the clock.
    std::uint32_t timerDueMs();
    // How often the sources want polling: real time.
    std::uint32_t sourcePollMs() const;
    void setActive(bool active);

    Clock& clock_;
    MessageBoxes& messageBoxes_;
    std::string title_;
    std::vector<Window*> windows_;
    Window* mainWindow_ = nullptr;
    bool terminated_ = false;
    bool active_ = true;
    IdleHook idleHook_;

    std::mutex queueMutex_;
    std::deque<Message> queue_;
    std::uint32_t wakeEventType_;
    WakeSignal wake_;
    std::unique_ptr<SdlEventTranslation> translation_;

    std::map<HookId, MainWindowHook> mainWindowHooks_;
    HookId nextHookId_ = 1;
    TimerQueue timers_;
    std::vector<EventSource*> eventSources_;
};

}  // namespace platform
