#include "ranking/ImGuiHost.h"

#include <imgui_freetype.h>
#include <imgui_internal.h>

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <utility>

#include "text/ShiftJis.h"

namespace ranking {

namespace {

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (!file.good() && !file.eof()) {
        throw std::runtime_error(path + ": cannot be read");
    }
    return bytes;
}

}  // namespace

ImGuiHost::ImGuiHost(platform::Window& window, const std::string& fontFile, float pixelHeight)
    : context_(ImGui::CreateContext()) {
    MakeCurrent();
    ImGuiIO& io = ImGui::GetIO();
    io.IniFilename = nullptr;
    io.LogFilename = nullptr;
    LoadFont(fontFile, pixelHeight);
    backend_ = std::make_unique<platform::ImGuiBackend>(window);
}

ImGuiHost::~ImGuiHost() {
    MakeCurrent();
    backend_.reset();
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

void ImGuiHost::ProcessEvent(const platform::RawEvent& event) {
    MakeCurrent();
    backend_->processEvent(event);
}

void ImGuiHost::ReleaseKeyboard() {
    MakeCurrent();
    ImGui::ClearActiveID();
}

void ImGuiHost::BeginFrame() {
    MakeCurrent();
    backend_->newFrame();
    ImGui::NewFrame();
}

void ImGuiHost::EndFrame(platform::Rgb background) {
    MakeCurrent();
    ImGui::Render();
    backend_->present(background, std::exchange(capturePath_, {}));
}

}  // namespace ranking
