#include "tools/assetgen/BlockSheet.h"

#include <array>

#include "tools/assetgen/CurtainFace.h"
#include "tools/assetgen/KeyDigit.h"

namespace assetgen {

namespace {

constexpr int Columns = 6;
constexpr int Rows = 3;
constexpr int BlockColours = 10;
constexpr int CurtainTile = 11;
constexpr int FirstPulseTile = 12;

constexpr BevelShades shades(std::uint32_t outerLight, std::uint32_t innerLight, std::uint32_t face,
                             std::uint32_t innerDark, std::uint32_t outerDark) {
    return {hexRgb(outerLight), hexRgb(innerLight), hexRgb(face), hexRgb(innerDark),
            hexRgb(outerDark)};
}

constexpr std::array<BevelShades, BlockColours> BlockShades{
    shades(0xffc4c4, 0xff8c8c, 0xff0000, 0xa00000, 0x600000),
    shades(0xc4ffc4, 0x8cff8c, 0x00ff00, 0x00a000, 0x006000),
    shades(0xffffc4, 0xffff8c, 0xffff00, 0xa0a000, 0x606000),
    shades(0xc4c4ff, 0xa8a8ff, 0x1c1cff, 0x0000c0, 0x00007f),
    shades(0xffc4ff, 0xff8cff, 0xff00ff, 0xa000a0, 0x400040),
    shades(0xc4ffff, 0xa8ffff, 0x00ffff, 0x00e0e0, 0x00a0a0),
    shades(0xfefefe, 0xf0f0f0, 0xd0d0d0, 0x7f7f7f, 0x606060),
    shades(0xdfcfbf, 0xbf9f7f, 0xaf875f, 0x9f6f3f, 0x804000),
    shades(0xbfcfdf, 0x9fb7cf, 0x7f9fbf, 0x3f6f9f, 0x004080),
    shades(0xcfdfbf, 0xb7cf9f, 0x9fbf7f, 0x6f9f3f, 0x408000),
};

constexpr BevelShades CurtainShades = shades(0xdfcfdf, 0xbf9fbf, 0xaf87af, 0x9f6f9f, 0x804080);

// The low-life pulse, darkest to brightest: deep reds that no block shows, the brightest well
// below colour 1's red, so that a pulsing cell never passes for a block. Each is in the display's
// palette (the fixed entries or the logo's colour cube), so each step shows as drawn.
constexpr std::array<Rgb, 6> PulseReds{hexRgb(0x200000), hexRgb(0x330000), hexRgb(0x400000),
                                       hexRgb(0x660000), hexRgb(0x7f0000), hexRgb(0x800000)};

// The key digits sit in x 6 to 14, y 3 to 17 of the tile.
constexpr int DigitLeft = 6;
constexpr int DigitTop = 3;

constexpr std::array<std::uint32_t, 40> FixedFirst{
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xc0c0c0,
    0xc0dcc0, 0xa6caf0, 0x0a0000, 0x0b0000, 0x0c0000, 0x0d0000, 0x0e0000, 0x408080,
    0x200000, 0x400000, 0x600000, 0x7f0000, 0xa00000, 0xc00000, 0xe00000, 0xfe0000,
    0xff1c1c, 0xff3838, 0xff5454, 0xff7070, 0xff8c8c, 0xffa8a8, 0xffc4c4, 0xffe0e0,
    0x002000, 0x004000, 0x006000, 0x007f00, 0x00a000, 0x00c000, 0x00e000, 0x00fe00,
};
constexpr std::array<std::uint32_t, 10> FixedLast{
    0xfffbf0, 0xa0a0a4, 0x808080, 0xff0000, 0x00ff00,
    0xffff00, 0x0000ff, 0xff00ff, 0x00ffff, 0xffffff,
};
constexpr int FirstFree = 40;
constexpr int LastFree = 245;

struct TileOrigin {
    int left;
    int top;
};

TileOrigin originOf(int tile) {
    return {tile % Columns * TileSize, tile / Columns * TileSize};
}

void drawBlock(Canvas& sheet, int colour) {
    const TileOrigin origin = originOf(colour);
    drawBevelTile(sheet, origin.left, origin.top, blockShades(colour));
    const AlphaMap digit = keyDigitShape(static_cast<char>('0' + colour % 10));
    const int centring = (DigitMaxWidth - digit.width()) / 2;
    sheet.paint(digit, origin.left + DigitLeft + centring, origin.top + DigitTop,
                [](int, int) { return Black; });
}

}  // namespace

const BevelShades& blockShades(int colour) {
    return BlockShades.at(colour - 1);
}

Canvas drawBlockSheet() {
    Canvas sheet(Columns * TileSize, Rows * TileSize);
    for (int colour = 1; colour <= BlockColours; ++colour) {
        drawBlock(sheet, colour);
    }
    const TileOrigin curtain = originOf(CurtainTile);
    drawBevelTile(sheet, curtain.left, curtain.top, CurtainShades);
    drawCurtainFace(sheet, curtain.left, curtain.top);
    for (int step = 0; step < static_cast<int>(PulseReds.size()); ++step) {
        const TileOrigin pulse = originOf(FirstPulseTile + step);
        sheet.fill({pulse.left, pulse.top, pulse.left + TileSize - 1, pulse.top + TileSize - 1},
                   PulseReds[step]);
    }
    return sheet;
}

ColourTable blockSheetColours(const Canvas& sheet) {
    std::array<Rgb, 256> entries{};
    for (int i = 0; i < FirstFree; ++i) {
        entries[i] = hexRgb(FixedFirst[i]);
    }
    for (int i = LastFree + 1; i < 256; ++i) {
        entries[i] = hexRgb(FixedLast[i - LastFree - 1]);
    }
    ColourTable table(entries);
    table.addMissing(sheet, FirstFree, LastFree);
    return table;
}

}  // namespace assetgen
