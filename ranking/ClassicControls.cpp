#include "ranking/ClassicControls.h"

#include <imgui_stdlib.h>

#include <cmath>
#include <string_view>

#include "ranking/TypedText.h"
#include "text/Utf8.h"

namespace ranking {

namespace {

constexpr ImU32 rgb(int red, int green, int blue) {
    return IM_COL32(red, green, blue, 255);
}

constexpr ImU32 Face = rgb(ButtonFace.r, ButtonFace.g, ButtonFace.b);
constexpr ImU32 Highlight = rgb(255, 255, 255);
constexpr ImU32 Shadow = rgb(128, 128, 128);
constexpr ImU32 DarkShadow = rgb(64, 64, 64);
constexpr ImU32 WindowText = rgb(0, 0, 0);
constexpr ImU32 GrayText = Shadow;

ImVec4 colorOf(ImU32 color) {
    return ImGui::ColorConvertU32ToFloat4(color);
}

// Client-area pixels, whole ones, so that every edge is crisp.
void fill(int left, int top, int right, int bottom, ImU32 color) {
    ImGui::GetWindowDrawList()->AddRectFilled(
        {static_cast<float>(left), static_cast<float>(top)},
        {static_cast<float>(right), static_cast<float>(bottom)}, color);
}

// A frame of lines `line` pixels wide, `inset` pixels inside the bounds: one colour on its top
// and left edges, another on its bottom and right.
void frame(const TBounds& b, int inset, int line, ImU32 topLeft, ImU32 bottomRight) {
    const int left = b.Left + inset;
    const int top = b.Top + inset;
    const int right = b.Left + b.Width - inset;
    const int bottom = b.Top + b.Height - inset;
    fill(left, top, right - line, top + line, topLeft);
    fill(left, top, left + line, bottom - line, topLeft);
    fill(left, bottom - line, right, bottom, bottomRight);
    fill(right - line, top, right, bottom, bottomRight);
}

// The dotted rectangle around the caption of the button that has the focus: dots and gaps
// `dot` pixels long.
void focusRectangle(const TBounds& b, int inset, int dot) {
    const int left = b.Left + inset;
    const int top = b.Top + inset;
    const int right = b.Left + b.Width - inset;
    const int bottom = b.Top + b.Height - inset;
    for (int x = left; x < right; x += 2 * dot) {
        fill(x, top, x + dot, top + dot, WindowText);
        fill(x, bottom - dot, x + dot, bottom, WindowText);
    }
    for (int y = top; y < bottom; y += 2 * dot) {
        fill(left, y, left + dot, y + dot, WindowText);
        fill(right - dot, y, right, y + dot, WindowText);
    }
}

// Draws a caption, each CR starting a new line, from a top-left corner.
void text(ImVec2 at, std::string_view caption, ImU32 color) {
    const float lineHeight = ImGui::GetFontSize();
    while (true) {
        const std::size_t end = caption.find('\r');
        const std::string_view line = caption.substr(0, end);
        ImGui::GetWindowDrawList()->AddText(at, color, line.data(), line.data() + line.size());
        if (end == std::string_view::npos) {
            return;
        }
        caption.remove_prefix(end + 1);
        at.y += lineHeight;
    }
}

ImVec2 centred(const TBounds& b, std::string_view caption) {
    const ImVec2 size = ImGui::CalcTextSize(caption.data(), caption.data() + caption.size());
    return {std::floor(static_cast<float>(b.Left) + (static_cast<float>(b.Width) - size.x) / 2),
            std::floor(static_cast<float>(b.Top) + (static_cast<float>(b.Height) - size.y) / 2)};
}

void raisedEdge(const TBounds& b, int line) {
    frame(b, 0, line, Highlight, DarkShadow);
    frame(b, line, line, Face, Shadow);
}

void pushedEdge(const TBounds& b, int line) {
    frame(b, 0, line, WindowText, WindowText);
    frame(b, line, line, Shadow, Shadow);
}

void sunkenEdge(const TBounds& b, int line) {
    frame(b, 0, line, Shadow, Highlight);
    frame(b, line, line, DarkShadow, Face);
}

// Keeps the box's text to what the player may type into it.
int onEditChanged(ImGuiInputTextCallbackData* data) {
    if (data->EventFlag != ImGuiInputTextFlags_CallbackEdit) {
        return 0;
    }
    TEdit& edit = *static_cast<TEdit*>(data->UserData);
    const std::u32string after =
        text::decodeUtf8(std::string_view(data->Buf, static_cast<std::size_t>(data->BufTextLen)));
    edit.Refused = firstUnsendable(after);
    const AdmittedEdit admitted = admitEdit(text::decodeUtf8(edit.Text), after, edit.MaxLength);
    if (admitted.text != after) {
        const std::string text = text::encodeUtf8(admitted.text);
        data->DeleteChars(0, data->BufTextLen);
        data->InsertChars(0, text.data(), text.data() + text.size());
        const auto caret = static_cast<int>(
            text::encodeUtf8(std::u32string_view(admitted.text).substr(0, admitted.caret)).size());
        data->CursorPos = data->SelectionStart = data->SelectionEnd = caret;
    }
    return 0;
}

}  // namespace

void applyClassicStyle(ImGuiStyle& style) {
    style.WindowPadding = {0, 0};
    style.WindowBorderSize = 0;
    style.WindowRounding = 0;
    style.FramePadding = {2, 2};
    style.FrameRounding = 0;
    style.FrameBorderSize = 0;
    style.AntiAliasedLines = false;
    style.AntiAliasedFill = false;
    style.Colors[ImGuiCol_Text] = colorOf(WindowText);
    style.Colors[ImGuiCol_TextDisabled] = colorOf(GrayText);
    style.Colors[ImGuiCol_WindowBg] = colorOf(Face);
    style.Colors[ImGuiCol_FrameBg] = colorOf(Highlight);
    style.Colors[ImGuiCol_FrameBgHovered] = colorOf(Highlight);
    style.Colors[ImGuiCol_FrameBgActive] = colorOf(Highlight);
    style.Colors[ImGuiCol_TextSelectedBg] = ImVec4(0.04f, 0.14f, 0.42f, 0.35f);
    style.Colors[ImGuiCol_NavHighlight] = ImVec4(0, 0, 0, 0);
}

void drawLabel(const TLabel& label, const DialogScale& scale) {
    const TBounds b = scale.bounds(label.Bounds);
    text({static_cast<float>(b.Left), static_cast<float>(b.Top)}, label.Caption, WindowText);
}

ButtonInput drawButton(const char* id, const TButton& button, bool enabled, bool focused,
                       const DialogScale& scale) {
    const TBounds b = scale.bounds(button.Bounds);
    const int line = scale.line();
    ImGui::SetCursorPos({static_cast<float>(b.Left), static_cast<float>(b.Top)});
    ImGui::BeginDisabled(!enabled);
    ButtonInput input;
    input.clicked =
        ImGui::InvisibleButton(id, {static_cast<float>(b.Width), static_cast<float>(b.Height)});
    input.activated = ImGui::IsItemActivated();
    const bool pushed = ImGui::IsItemActive() && ImGui::IsItemHovered();
    ImGui::EndDisabled();

    fill(b.Left, b.Top, b.Left + b.Width, b.Top + b.Height, Face);
    if (pushed) {
        pushedEdge(b, line);
    } else if (focused) {
        frame(b, 0, line, WindowText, WindowText);
        raisedEdge({b.Left + line, b.Top + line, b.Width - 2 * line, b.Height - 2 * line}, line);
    } else {
        raisedEdge(b, line);
    }
    if (focused) {
        focusRectangle(b, 4 * line, line);
    }
    const ImVec2 at = centred(b, button.Caption);
    const ImVec2 shifted{at.x + static_cast<float>(line), at.y + static_cast<float>(line)};
    if (!enabled) {
        text(shifted, button.Caption, Highlight);
        text(at, button.Caption, GrayText);
    } else if (pushed) {
        text(shifted, button.Caption, WindowText);
    } else {
        text(at, button.Caption, WindowText);
    }
    return input;
}

bool drawEdit(const char* id, TEdit& edit, bool takeFocus, const DialogScale& scale) {
    const TBounds b = scale.bounds(edit.Bounds);
    const int line = scale.line();
    sunkenEdge(b, line);
    ImGui::SetCursorPos(
        {static_cast<float>(b.Left + 2 * line), static_cast<float>(b.Top + 2 * line)});
    ImGui::SetNextItemWidth(static_cast<float>(b.Width - 4 * line));
    if (takeFocus) {
        ImGui::SetKeyboardFocusHere();
    }
    ImGui::InputText(id, &edit.Text, ImGuiInputTextFlags_CallbackEdit, onEditChanged, &edit);
    return ImGui::IsItemActivated();
}

}  // namespace ranking
