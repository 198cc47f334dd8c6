#include "platform/ImGuiBackend.h"

#include <imgui.h>
#include <imgui_impl_sdl.h>
#include <imgui_impl_sdlrenderer.h>

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "platform/PngFile.h"
#include "platform/SdlHandles.h"
#include "platform/Window.h"

namespace platform {

namespace {

// Keeps the input method's candidate window next to the caret.
void placeInputMethodWindow(int x, int y) {
    SDL_Rect caret{x, y, 1, static_cast<int>(ImGui::GetFontSize())};
    SDL_SetTextInputRect(&caret);
}

// Both back ends bound to the current context for the object's life.
class BackEnds {
  public:
    BackEnds(SDL_Window* window, SDL_Renderer* renderer) {
        if (!ImGui_ImplSDL2_InitForSDLRenderer(window)) {
            throw std::runtime_error("ImGui: the SDL2 back end cannot start");
        }
        if (!ImGui_ImplSDLRenderer_Init(renderer)) {
            ImGui_ImplSDL2_Shutdown();
            throw std::runtime_error("ImGui: the SDL_Renderer back end cannot start");
        }
    }
    ~BackEnds() {
        ImGui_ImplSDLRenderer_Shutdown();
        ImGui_ImplSDL2_Shutdown();
    }
    BackEnds(const BackEnds&) = delete;
    BackEnds& operator=(const BackEnds&) = delete;
};

}  // namespace

// Members end in reverse: the back ends before the renderer they draw with.
struct ImGuiBackend::Renderer {
    RendererHandle handle;
    std::unique_ptr<BackEnds> backEnds;
};

ImGuiBackend::ImGuiBackend(Window& window) : renderer_(std::make_unique<Renderer>()) {
    renderer_->handle.reset(SDL_CreateRenderer(window.handle(), -1, SDL_RENDERER_SOFTWARE));
    if (!renderer_->handle) {
        throw std::runtime_error(std::string("SDL renderer: ") + SDL_GetError());
    }
    ImGui::GetIO().ImeSetInputScreenPosFn = placeInputMethodWindow;
    renderer_->backEnds = std::make_unique<BackEnds>(window.handle(), renderer_->handle.get());
}

ImGuiBackend::~ImGuiBackend() = default;

void ImGuiBackend::processEvent(const RawEvent& event) {
    ImGui_ImplSDL2_ProcessEvent(&event);
}

void ImGuiBackend::newFrame() {
    ImGui_ImplSDLRenderer_NewFrame();
    ImGui_ImplSDL2_NewFrame();
}

void ImGuiBackend::present(Rgb background, const std::string& capturePath) {
    SDL_Renderer* renderer = renderer_->handle.get();
    SDL_SetRenderDrawColor(renderer, background.r, background.g, background.b, 255);
    SDL_RenderClear(renderer);
    ImGui_ImplSDLRenderer_RenderDrawData(ImGui::GetDrawData());
    if (!capturePath.empty()) {
        saveCapture(capturePath);
    }
    SDL_RenderPresent(renderer);
}

void ImGuiBackend::saveCapture(const std::string& path) {
    SDL_Renderer* renderer = renderer_->handle.get();
    int width = 0;
    int height = 0;
    SDL_GetRendererOutputSize(renderer, &width, &height);
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    if (SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, pixels.data(),
                             width * 4) != 0) {
        throw std::runtime_error("cannot write " + path + ": " + SDL_GetError());
    }
    savePng(pixels.data(), width, height, path);
}

}  // namespace platform
