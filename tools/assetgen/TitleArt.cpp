#include "tools/assetgen/TitleArt.h"

#include <cmath>

#include "tools/assetgen/Lettering.h"

namespace assetgen {

namespace {

constexpr int Width = 400;
constexpr int Height = 200;
// The lettering with its outline spans x 5 to 386 and y 2 to 193.
constexpr int Outline = 3;
constexpr Box LetterBox{5 + Outline, 2 + Outline, 386 - Outline, 193 - Outline};

constexpr Rgb Cream = hexRgb(0xfffff8);
constexpr Rgb Olive = hexRgb(0xd3d305);
constexpr Rgb Blue = hexRgb(0x0000ff);
constexpr int Bands = 8;

// Each band runs from cream at its top to olive at its bottom, like light on ribbed metal.
Rgb bandColour(int y) {
    const double position = static_cast<double>(y - LetterBox.top) * Bands / LetterBox.height();
    return mix(Cream, Olive, position - std::floor(position));
}

}  // namespace

Canvas drawTitle() {
    const LetteringStyle style{"IPAPGothic", 320, 40, 3, 9};
    const AlphaMap letters =
        letterShape({"プ", "ド", "ロ", "ク"}, style, LetterBox.width(), LetterBox.height());
    AlphaMap outlined(LetterBox.width() + 2 * Outline, LetterBox.height() + 2 * Outline);
    outlined.overlay(letters, Outline, Outline);
    const AlphaMap outline = outlined.thickened(Outline).without(outlined);

    Canvas title(Width, Height);
    title.paint(outline, LetterBox.left - Outline, LetterBox.top - Outline,
                [](int, int) { return Blue; });
    title.paint(letters, LetterBox.left, LetterBox.top, [](int, int y) { return bandColour(y); });
    return title;
}

}  // namespace assetgen
