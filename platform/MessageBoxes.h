#pragma once
// Message boxes: shown on the desktop, or recorded for tests and the scripted runner; and the
// standard report of an exception in one.

#include <exception>
#include <functional>
#include <string>
#include <vector>

namespace platform {

class Window;

enum class MessageIcon { None, Information, Warning, Error };

struct ShownMessage {
    std::string caption;
    std::string text;
    MessageIcon icon = MessageIcon::None;
};

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // Blocks until the player dismisses the box.
    virtual void show(const ShownMessage& message, const Window* parent) = 0;
};

// Shows a real box; when none can be shown the text goes to stderr.
class DesktopMessageBoxes final : public MessageBoxes {
  public:
    void show(const ShownMessage& message, const Window* parent) override;
};

// Keeps every message and hands it to an optional observer instead of showing it.
class RecordedMessageBoxes final : public MessageBoxes {
  public:
    explicit RecordedMessageBoxes(std::function<void(const ShownMessage&)> observer = {})
        : observer_(std::move(observer)) {}
    void show(const ShownMessage& message, const Window* parent) override;
    const std::vector<ShownMessage>& shown() const { return shown_; }
    void clear() { shown_.clear(); }

  private:
    std::function<void(const ShownMessage&)> observer_;
    std::vector<ShownMessage> shown_;
};

// Appends a full stop when the text's last character comes after "." in code order.
std::string withReportFullStop(const std::string& text);

// The standard exception report, also where no application is left to show it: an error box
// captioned with the title.
void showExceptionBox(MessageBoxes& messageBoxes, const std::string& title,
                      const std::exception& error, const Window* parent = nullptr);

}  // namespace platform
