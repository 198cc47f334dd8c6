#pragma once
// Dear ImGui on one window through its SDL2 and SDL_Renderer back ends, drawn by a software
// renderer of its own. Bound to the ImGui context that is current when it is made; every call
// expects that context to be current.

#include <memory>
#include <string>

#include "platform/RawEvent.h"
#include "platform/Rgb.h"

namespace platform {

class Window;

class ImGuiBackend {
  public:
    // Throws std::runtime_error when the renderer or a back end cannot start.
    explicit ImGuiBackend(Window& window);
    ~ImGuiBackend();
    ImGuiBackend(const ImGuiBackend&) = delete;
    ImGuiBackend& operator=(const ImGuiBackend&) = delete;

    void processEvent(const RawEvent& event);
    // Before ImGui::NewFrame.
    void newFrame();
    // After ImGui::Render: clears to the background, draws the frame and presents it. With a
    // capture path the frame is first written to that PNG file; throws when it cannot be.
    void present(Rgb background, const std::string& capturePath);

  private:
    struct Renderer;

    void saveCapture(const std::string& path);

    std::unique_ptr<Renderer> renderer_;
};

}  // namespace platform
