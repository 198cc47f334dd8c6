#include "game/HowToPlayHint.h"

#include "game/CanvasText.h"
#include "game/Colors.h"
#include "game/ScopedCanvas.h"
#include "text/Translation.h"

namespace game {

bool showsHowToPlayHint(bool pageSeen, const core::BestTenTable& table) {
    return !pageSeen && table == core::defaultBestTen();
}

void drawHowToPlayHint(media::TSurface& surface) {
    ScopedCanvas canvas(surface);
    canvas->Brush.SetStyle(media::bsClear);
    canvas->Font.Size = 16;
    canvas->Font.Color = Yellow;
    textOutCentred(*canvas, 400, 336, text::tr("H: 遊び方"));
}

}  // namespace game
