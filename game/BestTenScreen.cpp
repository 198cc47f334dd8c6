#include "game/BestTenScreen.h"

#include <cmath>

#include "assets/Assets.h"
#include "game/CanvasText.h"
#include "game/Colors.h"
#include "game/PlayScreen.h"
#include "game/ScopedCanvas.h"
#include "text/Translation.h"

namespace game {

namespace {

constexpr int BlocksPerRow = 42;

constexpr const char* Heading = text::trLater("歴代ランキング　BEST10");
constexpr const char* ColumnHeading = text::trLater("順位      スコア      レベル　　　消した数");
constexpr const char* Footer = "Push Enter Key to RETURN";

int ceiling(float value) {
    return static_cast<int>(std::ceil(value));
}

// Row index m shows colour m + 1.
void drawRow(const core::GameGlobals& g, int m, media::TSurface& surface,
             const media::TPictureCollectionItem& blocks) {
    const int colour = m + 1;
    const int left = ceiling(g.RowOffset[m]) - CellPixels;
    const int y = ceiling(g.RowVelocity[m]) + 45 * colour + 58;
    for (int k = 0; k < BlocksPerRow; ++k) {
        blocks.Draw(surface, left + CellPixels * k, y, colour);
    }
}

// Four cyan copies around the magenta one draw an outline.
void drawHeading(media::TSurfaceCanvas& canvas) {
    const char* heading = text::tr(Heading);
    canvas.Font.Color = Aqua;
    for (int x : {398, 402}) {
        for (int y : {8, 12}) {
            textOutCentred(canvas, x, y, heading);
        }
    }
    canvas.Font.Color = Magenta;
    textOutCentred(canvas, 400, 10, heading);
}

// Pass 0 draws a grey copy on black boxes that hide the rows behind the numbers; pass 1 the
// green copy one pixel left and up, without background.
void drawEntryPass(media::TSurfaceCanvas& canvas, int rank, const core::THiScoreEntry& entry,
                   int pass) {
    if (pass == 0) {
        canvas.Brush.SetColor(Black);
        canvas.Font.Color = Grey;
    } else {
        canvas.Brush.SetStyle(media::bsClear);
        canvas.Font.Color = 65535 - 10 * rank - 100;
    }
    const int y = 45 * rank + 50 - pass;
    numberOutRight(canvas, 180 - pass, y, rank);
    numberOutRight(canvas, 360 - pass, y, entry.Score);
    numberOutRight(canvas, 470 - pass, y, entry.Level);
    numberOutRight(canvas, 650 - pass, y, entry.Blocks);
}

// The red copy first and the blue one over it, one pixel left and up.
void drawFooter(const core::GameGlobals& g, media::TSurfaceCanvas& canvas) {
    canvas.Font.Color = static_cast<std::uint32_t>(g.Draws.footerRed);
    textOutCentred(canvas, 400, 550, Footer);
    canvas.Font.Color = Blue;
    textOutCentred(canvas, 399, 549, Footer);
}

}  // namespace

void drawBestTen(const core::GameGlobals& g, media::TSurface& surface,
                 const media::TPictureList& pictures) {
    const media::TPictureCollectionItem& blocks = pictures.Items(assets::BlockPicture);
    for (int m = 0; m < static_cast<int>(g.RowOffset.size()); ++m) {
        drawRow(g, m, surface, blocks);
    }
    ScopedCanvas canvas(surface);
    canvas->Brush.SetColor(Black);
    canvas->Brush.SetStyle(media::bsClear);
    canvas->Font.Size = 24;
    drawHeading(*canvas);
    canvas->Font.Color = White;
    textOutCentred(*canvas, 400, 50, text::tr(ColumnHeading));
    for (int rank = 1; rank <= static_cast<int>(g.BestTen.size()); ++rank) {
        for (int pass : {0, 1}) {
            drawEntryPass(*canvas, rank, g.BestTen[rank - 1], pass);
        }
    }
    drawFooter(g, *canvas);
}

}  // namespace game
