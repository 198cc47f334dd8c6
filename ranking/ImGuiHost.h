#pragma once
// Dear ImGui drawing on one window: its own context, the platform's back end, and one monochrome
// font holding every character with a Shift-JIS form. Each call makes the host's context the
// current one.

#include <imgui.h>

#include <memory>
#include <string>

#include "platform/ImGuiBackend.h"
#include "platform/RawEvent.h"
#include "platform/Rgb.h"
#include "platform/Window.h"

namespace ranking {

class ImGuiHost {
  public:
    // Throws std::runtime_error when the renderer or the font cannot be made.
    ImGuiHost(platform::Window& window, const std::string& fontFile, float pixelHeight);
    ~ImGuiHost();
    ImGuiHost(const ImGuiHost&) = delete;
    ImGuiHost& operator=(const ImGuiHost&) = delete;

    ImGuiStyle& style();
    void processEvent(const platform::RawEvent& event);
    // Ends the hold of an active text box on the keyboard.
    void releaseKeyboard();

    void beginFrame();
    // Clears to the background, draws what the frame built and presents it.
    void endFrame(platform::Rgb background);
    // The next frame is also written to a PNG file; EndFrame throws when it cannot be.
    void captureNextFrame(const std::string& path) { capturePath_ = path; }

  private:
    struct ContextDeleter {
        void operator()(ImGuiContext* context) const { ImGui::DestroyContext(context); }
    };

    void makeCurrent();
    void loadFont(const std::string& fontFile, float pixelHeight);

    std::string fontData_;           // the atlas reads it while it builds
    ImVector<ImWchar> glyphRanges_;  // and these
    std::unique_ptr<ImGuiContext, ContextDeleter> context_;
    std::unique_ptr<platform::ImGuiBackend> backend_;
    std::string capturePath_;
};

}  // namespace ranking
