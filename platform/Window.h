#pragma once
// A top-level window: caption, border, position and client size, cursor, full screen, and
// the keyboard and window notifications of its messages.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Keys.h"
#include "platform/RawEvent.h"

struct SDL_Window;

namespace platform {

class Application;

enum class BorderStyle { None, Single };

struct ScreenArea {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

class Window {
  public:
    using Listener = std::function<void()>;
    using ListenerId = int;

    Window(Application& application, const std::string& caption, int clientWidth, int clientHeight);
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    Application& application() const { return application_; }
    // For the platform's own use.
    SDL_Window* handle() const { return window_; }
    std::uint32_t id() const;

    // A change of border re-creates the window's platform resources: listeners of
    // onHandleDestroying let go of what they built on the old ones first.
    void setBorderStyle(BorderStyle style);
    BorderStyle borderStyle() const { return borderStyle_; }
    // Centres the window, and keeps it centred through later size changes.
    void centerOnScreen();
    void setPosition(int x, int y);
    void setClientWidth(int width);
    void setClientHeight(int height);
    int clientWidth() const;
    int clientHeight() const;
    // Where the window is on the desktop.
    int left() const;
    int top() const;
    // The part of the window's screen that windows may take (no panels or docks); the whole
    // screen when the desktop does not say.
    ScreenArea usableArea() const;
    void setCursorVisible(bool visible);
    bool cursorVisible() const { return cursorVisible_; }
    void setAlwaysOnTop(bool onTop);
    // Whether the desktop may resize and maximise the window (a window, not full screen).
    void setResizable(bool resizable);
    bool resizable() const { return resizable_; }
    // Borderless desktop full screen.
    void setFullScreen(bool fullScreen);

    // A disabled window takes no keys, text or mouse input, as a modal dialog's owner; its
    // window events (paint, close) still arrive.
    void setEnabled(bool enabled) { enabled_ = enabled; }
    bool enabled() const { return enabled_; }

    // The first show fires the onFirstShow listeners.
    void show();
    void hide();
    void raise();

    // Keyboard, as dispatched by the loop. Key is passed by reference so a handler can
    // consume it by setting it to 0.
    std::function<void(std::uint16_t& key, ShiftState shift)> onKeyDown;
    std::function<void(char& key)> onKeyPress;
    // The character a key types whatever the layout's text for it: the loop passes it to
    // onKeyPress right after the key-down, in place of the text that the same press types.
    // Unset, or nothing for a key: a typed digit character is passed on as it comes.
    std::function<std::optional<char>(std::uint16_t key, ShiftState shift)> typedByKey;
    // When set, the window's raw events go here (dispatched in turn) instead of being turned
    // into key messages: for windows that draw their own controls. A close request still goes
    // to onClose.
    std::function<void(const RawEvent& event)> onRawEvent;
    // A mouse button went down in the window.
    std::function<void()> onClick;
    // Asked to close (close box, quit from the desktop). Unset: the application terminates.
    std::function<void()> onClose;

    ListenerId addFirstShowListener(Listener listener);
    ListenerId addHandleDestroyingListener(Listener listener);
    ListenerId addPaintListener(Listener listener);
    void removeListener(ListenerId id);

    // Called by the loop.
    void keyDown(std::uint16_t key, ShiftState shift);
    void keyPress(char key);
    void click();
    void close();
    void paint();

  private:
    struct Registration {
        ListenerId id;
        int kind;
        Listener listener;
    };
    void resize(int width, int height);
    void placeCentered(int width, int height);
    ListenerId addListener(int kind, Listener listener);
    void notify(int kind);

    Application& application_;
    SDL_Window* window_ = nullptr;
    BorderStyle borderStyle_ = BorderStyle::Single;
    bool cursorVisible_ = true;
    bool fullScreen_ = false;
    bool resizable_ = false;
    bool enabled_ = true;
    bool shownOnce_ = false;
    bool keepCentered_ = false;
    std::vector<Registration> listeners_;
    ListenerId nextListenerId_ = 1;
};

}  // namespace platform
