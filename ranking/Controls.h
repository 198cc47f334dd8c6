#pragma once
// The dialog's controls as data: where each sits in the client area and what it shows. A CR in
// a caption breaks it into lines.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace ranking {

struct TBounds {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

struct TLabel {
    TBounds Bounds;
    std::string Caption;
};

struct TButton {
    TBounds Bounds;
    std::string Caption;
    bool Enabled = true;
    std::function<void()> OnClick;
};

// A one-line text box holding UTF-8 text.
struct TEdit {
    TBounds Bounds;
    std::size_t MaxLength = 0;  // in characters; limits typing only
    std::string Text;
    // The character the latest typing held that the ranking cannot carry, and so dropped.
    std::optional<char32_t> Refused;

    // Replaces the whole text, as the player does by typing over it.
    void TypeOver(std::string_view typed);
};

// The line that tells the player which character a box refused; empty when none was.
std::string refusalLine(const TEdit& edit);

}  // namespace ranking
