#include "platform/Window.h"

#include <SDL.h>

#include <algorithm>
#include <stdexcept>

#include "platform/Application.h"

namespace platform {

namespace {

enum ListenerKind { FirstShow, HandleDestroying, Paint };

}  // namespace

Window::Window(Application& application, const std::string& caption, int clientWidth,
               int clientHeight)
    : application_(application) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        throw std::runtime_error(std::string("SDL video: ") + SDL_GetError());
    }
    window_ = SDL_CreateWindow(caption.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                               clientWidth, clientHeight, SDL_WINDOW_HIDDEN);
    if (window_ == nullptr) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        throw std::runtime_error(std::string("SDL window: ") + SDL_GetError());
    }
    application_.registerWindow(*this);
}

Window::~Window() {
    application_.unregisterWindow(*this);
    SDL_DestroyWindow(window_);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

std::uint32_t Window::id() const {
    return SDL_GetWindowID(window_);
}

void Window::setBorderStyle(BorderStyle style) {
    if (style == borderStyle_) {
        return;
    }
    notify(HandleDestroying);
    borderStyle_ = style;
    SDL_SetWindowBordered(window_, style == BorderStyle::Single ? SDL_TRUE : SDL_FALSE);
}

void Window::centerOnScreen() {
    keepCentered_ = true;
    placeCentered(clientWidth(), clientHeight());
}

void Window::setPosition(int x, int y) {
    keepCentered_ = false;
    SDL_SetWindowPosition(window_, x, y);
}

void Window::setClientWidth(int width) {
    resize(width, clientHeight());
}

void Window::setClientHeight(int height) {
    resize(clientWidth(), height);
}

void Window::resize(int width, int height) {
    SDL_SetWindowSize(window_, width, height);
    if (keepCentered_) {
        placeCentered(width, height);
    }
}

// From the size asked for: a window manager may report the new size only later.
void Window::placeCentered(int width, int height) {
    SDL_Rect screen;
    const int display = std::max(SDL_GetWindowDisplayIndex(window_), 0);
    if (SDL_GetDisplayBounds(display, &screen) != 0) {
        SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
        return;
    }
    SDL_SetWindowPosition(window_, screen.x + (screen.w - width) / 2,
                          screen.y + (screen.h - height) / 2);
}

int Window::clientWidth() const {
    int width = 0;
    SDL_GetWindowSize(window_, &width, nullptr);
    return width;
}

int Window::clientHeight() const {
    int height = 0;
    SDL_GetWindowSize(window_, nullptr, &height);
    return height;
}

int Window::left() const {
    int x = 0;
    SDL_GetWindowPosition(window_, &x, nullptr);
    return x;
}

int Window::top() const {
    int y = 0;
    SDL_GetWindowPosition(window_, nullptr, &y);
    return y;
}

ScreenArea Window::usableArea() const {
    const int display = std::max(SDL_GetWindowDisplayIndex(window_), 0);
    SDL_Rect area{0, 0, 0, 0};
    if (SDL_GetDisplayUsableBounds(display, &area) != 0 || area.w <= 0 || area.h <= 0) {
        SDL_GetDisplayBounds(display, &area);
    }
    return {area.x, area.y, area.w, area.h};
}

void Window::setCursorVisible(bool visible) {
    cursorVisible_ = visible;
    SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

void Window::setAlwaysOnTop(bool onTop) {
    SDL_SetWindowAlwaysOnTop(window_, onTop ? SDL_TRUE : SDL_FALSE);
}

void Window::setResizable(bool resizable) {
    resizable_ = resizable;
    SDL_SetWindowResizable(window_, resizable ? SDL_TRUE : SDL_FALSE);
}

void Window::setFullScreen(bool fullScreen) {
    if (fullScreen == fullScreen_) {
        return;
    }
    fullScreen_ = fullScreen;
    SDL_SetWindowFullscreen(window_, fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
}

void Window::show() {
    SDL_ShowWindow(window_);
    if (!shownOnce_) {
        shownOnce_ = true;
        notify(FirstShow);
    }
}

void Window::hide() {
    SDL_HideWindow(window_);
}

void Window::raise() {
    SDL_RaiseWindow(window_);
}

Window::ListenerId Window::addFirstShowListener(Listener listener) {
    return addListener(FirstShow, std::move(listener));
}

Window::ListenerId Window::addHandleDestroyingListener(Listener listener) {
    return addListener(HandleDestroying, std::move(listener));
}

Window::ListenerId Window::addPaintListener(Listener listener) {
    return addListener(Paint, std::move(listener));
}

void Window::removeListener(ListenerId id) {
    std::erase_if(listeners_, [id](const Registration& entry) { return entry.id == id; });
}

Window::ListenerId Window::addListener(int kind, Listener listener) {
    listeners_.push_back(Registration{nextListenerId_, kind, std::move(listener)});
    return nextListenerId_++;
}

void Window::notify(int kind) {
    for (const Registration& entry : std::vector(listeners_)) {
        if (entry.kind == kind) {
            entry.listener();
        }
    }
}

void Window::keyDown(std::uint16_t key, ShiftState shift) {
    if (onKeyDown) {
        onKeyDown(key, shift);
    }
}

void Window::keyPress(char key) {
    if (onKeyPress) {
        onKeyPress(key);
    }
}

void Window::click() {
    if (onClick) {
        onClick();
    }
}

void Window::close() {
    if (onClose) {
        onClose();
    } else if (application_.mainWindow() == this) {
        application_.terminate();
    }
}

void Window::paint() {
    notify(Paint);
}

}  // namespace platform
