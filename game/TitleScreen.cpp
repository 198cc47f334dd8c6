#include "game/TitleScreen.h"

#include "assets/Assets.h"
#include "game/CanvasText.h"
#include "game/Colors.h"
#include "game/ScopedCanvas.h"
#include "text/Translation.h"

namespace game {

namespace {

constexpr const char* MenuLines[] = {
    text::trLater("[Enter] ランキング見る"),
    text::trLater("[Shift]+[Enter] インターネットランキング申請"),
    text::trLater("[Esc] 終了"),
};
constexpr int MenuTop = 380;
constexpr int MenuLineHeight = 40;

// The lines share the left edge of the first one centred on x 320.
void drawMenu(media::TSurfaceCanvas& canvas) {
    const int left = 320 - canvas.TextWidth(text::tr(MenuLines[0])) / 2;
    int y = MenuTop;
    for (const char* line : MenuLines) {
        canvas.TextOut(left, y, text::tr(line));
        y += MenuLineHeight;
    }
}

}  // namespace

void drawTitle(const core::GameGlobals& g, media::TSurface& surface,
               const media::TPictureList& pictures) {
    pictures.Items(assets::TitlePicture).Draw(surface, 200, 10, 0);
    ScopedCanvas canvas(surface);
    canvas->Brush.SetStyle(media::bsClear);
    canvas->Font.Color = White;
    canvas->Font.Size = 18;
    drawMenu(*canvas);
    canvas->Font.Size = 28;
    canvas->Font.Color = PaletteRelative + static_cast<std::uint32_t>(g.Draws.titleHue) * 65535;
    textOutCentred(*canvas, 400, 280, "[Space Ber] to start!!");
    canvas->Font.Color = Red;
    textOutCentred(*canvas, 400, 540, MakersLine);
}

}  // namespace game
