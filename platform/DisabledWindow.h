#pragma once
// A window disabled for the life of a scope, as a modal dialog's owner is, and given back its
// earlier state also when the scope is left by an exception.

#include "platform/Window.h"

namespace platform {

class DisabledWindow {
  public:
    explicit DisabledWindow(Window& window) : window_(window), wasEnabled_(window.enabled()) {
        window_.setEnabled(false);
    }
    ~DisabledWindow() { window_.setEnabled(wasEnabled_); }
    DisabledWindow(const DisabledWindow&) = delete;
    DisabledWindow& operator=(const DisabledWindow&) = delete;

  private:
    Window& window_;
    bool wasEnabled_;
};

}  // namespace platform
