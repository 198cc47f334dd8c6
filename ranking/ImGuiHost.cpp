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
    makeCurrent();
    ImGuiIO& io = ImGui::GetIO();
    io.IniFilename = nullptr;
    io.LogFilename = nullptr;
    loadFont(fontFile, pixelHeight);
    backend_ = std::make_unique<platform::ImGuiBackend>(window);
}

ImGuiHost::~ImGuiHost() {
    makeCurrent();
    backend_.reset();
}

void ImGuiHost::makeCurrent() {
    ImGui::SetCurrentContext(context_.get());
}

void ImGuiHost::loadFont(const std::string& fontFile, float pixelHeight) {
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

ImGuiStyle& ImGuiHost::style() {
    makeCurrent();
    return ImGui::GetStyle();
}

void ImGuiHost::processEvent(const platform::RawEvent& event) {
    makeCurrent();
    backend_->processEvent(event);
}

void ImGuiHost::releaseKeyboard() {
    makeCurrent();
    ImGui::ClearActiveID();
}

void ImGuiHost::beginFrame() {
    makeCurrent();
    backend_->newFrame();
    ImGui::NewFrame();
}

void ImGuiHost::endFrame(platform::Rgb background) {
    makeCurrent();
    ImGui::Render();
    backend_->present(background, std::exchange(capturePath_, {}));
}

}  // namespace ranking
