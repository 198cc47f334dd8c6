#include "tools/assetgen/KeyDigit.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "tools/assetgen/FontFace.h"
#include "tools/assetgen/Lettering.h"

namespace assetgen {

namespace {

const LetteringStyle DigitStyle{"IPAPGothic", 160, 0, 8, 6};

// The digit keeps the font's proportions, widened a little by its bold stroke; a narrow one
// is stretched so that every key reads the same size.
int digitWidth(const std::string& digit) {
    const FontFace face(DigitStyle.family, DigitStyle.renderSize);
    const Box ink = *face.render(digit).inkBox();
    const double width = DigitHeight * static_cast<double>(ink.width()) / ink.height() + 1.0;
    return std::clamp(static_cast<int>(std::lround(width)), DigitMinWidth, DigitMaxWidth);
}

}  // namespace

AlphaMap keyDigitShape(char digit) {
    const std::string text(1, digit);
    return letterShape({text}, DigitStyle, digitWidth(text), DigitHeight);
}

}  // namespace assetgen
