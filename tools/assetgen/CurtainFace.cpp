#include "tools/assetgen/CurtainFace.h"

#include <array>
#include <stdexcept>
#include <string_view>

#include "tools/assetgen/BevelTile.h"

namespace assetgen {

namespace {

// One character per pixel of the tile's face; a space keeps what is below.
//   Y yellow, y and s its two shades, K black, W eye highlight, C cheek, R mouth, O chin line.
constexpr std::array<std::string_view, 16> Face{
    "                ", "     YYYYYY     ", "   YYYYYYYYYY   ", "  YYKKYYYYKKYY  ",
    "  YKYYYYYYYYKy  ", " YYYYYYYYYYYYYy ", " YYYKWYYYYKWYYy ", " YYYKKYYYYKKYYy ",
    " YYYKKYYYYKKYYy ", " YCCYYYYYYYYCCy ", " YYRRRRRRRRRRys ", "  YYRRRRRRRRys  ",
    "  yyYRRRRRRyss  ", "   yyOOOOOOss   ", "     ssssss     ", "                ",
};

Rgb paletteOf(char code) {
    switch (code) {
        case 'Y':
            return hexRgb(0xffff00);
        case 'y':
            return hexRgb(0xc0c000);
        case 's':
            return hexRgb(0xa0a000);
        case 'K':
            return hexRgb(0x000000);
        case 'W':
            return hexRgb(0xfffbf0);
        case 'C':
            return hexRgb(0x9f6f3f);
        case 'R':
            return hexRgb(0xff1c1c);
        case 'O':
            return hexRgb(0xb63200);
        default:
            throw std::logic_error("unknown colour code in the curtain face");
    }
}

}  // namespace

void drawCurtainFace(Canvas& sheet, int left, int top) {
    for (int row = 0; row < static_cast<int>(Face.size()); ++row) {
        for (int column = 0; column < static_cast<int>(Face[row].size()); ++column) {
            const char code = Face[row][column];
            if (code != ' ') {
                sheet.set(left + TileFace.left + column, top + TileFace.top + row, paletteOf(code));
            }
        }
    }
}

}  // namespace assetgen
