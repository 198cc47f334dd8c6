#include "ranking/ImGuiHost.h"

#include <imgui_freetype.h>
#include <imgui_impl_sdl.h>
#include <imgui_impl_sdlrenderer.h>
#include <imgui_internal.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <utility>
#include <vector>

#include "platform/PngFile.h"
#include "text/ShiftJis.h"

namespace ranking {

namespace {

// Keeps the input method's candidate window next to the caret.
void placeInputMethodWindow(int x, int y) {
    SDL_Rect caret{x, y, 1, static_cast<int>(ImGui::GetFontSize())};
    SDL_SetTextInputRect(&caret);
}

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (!file.good() && !file.eof()) {
        throw std::runtime_error(path + ": cannot be read");
    }
    return bytes;
}

}  // namespace

// Both back ends bound to the current context for the host's life.
class ImGuiHost::BackEnds {
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

ImGuiHost::ImGuiHost(platform::Window& window, const std::string& fontFile, float pixelHeight)
    : renderer_(SDL_CreateRenderer(window.handle(), -1, SDL_RENDERER_SOFTWARE)) {
    if (!renderer_) {
        throw std::runtime_error(std::string("SDL renderer: ") + SDL_GetError());
    }
    context_.reset(ImGui::CreateContext());
    MakeCurrent();
    ImGuiIO& io = ImGui::GetIO();
    io.IniFilename = nullptr;
    io.LogFilename = nullptr;
    io.ImeSetInputScreenPosFn = placeInputMethodWindow;
    LoadFont(fontFile, pixelHeight);
    backEnds_ = std::make_unique<BackEnds>(window.handle(), renderer_.get());
}

ImGuiHost::~ImGuiHost() {
    MakeCurrent();
    backEnds_.reset();
}

void ImGuiHost::MakeCurrent() {
    ImGui::SetCurrentContext(context_.get());
}

void ImGuiHost::LoadFont(const std::string& fontFile, float pixelHeight) {
    fontData_ = readFile(fontFile);
    ImFontGlyphRangesBuilder ranges;
    for (char32_t character : text::shiftJisRepertoire()) {
        if (character >= U' ') {  // a zero would end the ranges; controls have no glyph
            ranges.AddChar(static_cast<ImWchar>(character));
        }
    }
    ranges.BuildRanges(&glyphRanges_);
    ImFontAtlas& atlas = *ImGui::GetIO().Fonts;
    atlas.FontBuilderIO = ImGuiFreeType::GetBuilderForFreeType();
    atlas.FontBuilderFlags =
        ImGuiFreeTypeBuilderFlags_Monochrome | ImGuiFreeTypeBuilderFlags_MonoHinting;
    ImFontConfig config;
    config.FontDataOwnedByAtlas = false;
    if (atlas.AddFontFromMemoryTTF(fontData_.data(), static_cast<int>(fontData_.size()),
                                   pixelHeight, &config, glyphRanges_.Data) == nullptr ||
        !atlas.Build()) {
        throw std::runtime_error(fontFile + ": not a usable font");
    }
}

ImGuiStyle& ImGuiHost::Style() {
    MakeCurrent();
    return ImGui::GetStyle();
}

void ImGuiHost::ProcessEvent(const SDL_Event& event) {
    MakeCurrent();
    ImGui_ImplSDL2_ProcessEvent(&event);
}

void ImGuiHost::ReleaseKeyboard() {
    MakeCurrent();
    ImGui::ClearActiveID();
}

void ImGuiHost::BeginFrame() {
    MakeCurrent();
    ImGui_ImplSDLRenderer_NewFrame();
    ImGui_ImplSDL2_NewFrame();
    ImGui::NewFrame();
}

void ImGuiHost::EndFrame(SDL_Color background) {
    MakeCurrent();
    ImGui::Render();
    SDL_SetRenderDrawColor(renderer_.get(), background.r, background.g, background.b, 255);
    SDL_RenderClear(renderer_.get());
    ImGui_ImplSDLRenderer_RenderDrawData(ImGui::GetDrawData());
    if (!capturePath_.empty()) {
        SaveCapture();
    }
    SDL_RenderPresent(renderer_.get());
}

void ImGuiHost::SaveCapture() {
    const std::string path = std::exchange(capturePath_, {});
    int width = 0;
    int height = 0;
    SDL_GetRendererOutputSize(renderer_.get(), &width, &height);
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    if (SDL_RenderReadPixels(renderer_.get(), nullptr, SDL_PIXELFORMAT_ARGB8888, pixels.data(),
                             width * 4) != 0) {
        throw std::runtime_error("cannot write " + path + ": " + SDL_GetError());
    }
    platform::savePng(pixels.data(), width, height, path);
}

}  // namespace ranking
