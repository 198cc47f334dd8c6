#pragma once
// The dialog's controls drawn with Dear ImGui in the desktop's classic look: a grey button face,
// black text, white text boxes with a sunken edge, buttons with a raised edge. Called between
// the host's BeginFrame and EndFrame, inside one ImGui window placed at the client area's
// origin. Bounds are at scale 1; the scale says how they are drawn.

#include <imgui.h>

#include "platform/Rgb.h"
#include "ranking/Controls.h"
#include "ranking/DialogScale.h"

namespace ranking {

inline constexpr platform::Rgb ButtonFace{212, 208, 200};

void applyClassicStyle(ImGuiStyle& style);

void drawLabel(const TLabel& label, const DialogScale& scale);

struct ButtonInput {
    bool clicked = false;
    bool activated = false;  // pressed down, which takes the focus
};
// A disabled button is drawn grey and takes no input.
ButtonInput drawButton(const char* id, const TButton& button, bool enabled, bool focused,
                       const DialogScale& scale);

// True when the player activated the box; takeFocus activates it from the keyboard. What the
// player types is admitted as TypedText says.
bool drawEdit(const char* id, TEdit& edit, bool takeFocus, const DialogScale& scale);

}  // namespace ranking
