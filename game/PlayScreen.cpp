#include "game/PlayScreen.h"

#include <cmath>
#include <string>

#include "assets/Assets.h"
#include "core/ScreenSteps.h"
#include "game/CanvasText.h"
#include "game/Colors.h"
#include "game/ScopedCanvas.h"
#include "text/Placeholders.h"
#include "text/Translation.h"

namespace game {

namespace {

constexpr int PanelLeft = 620;
constexpr int PanelRight = 780;

// Empty cells show emptyTile: black, or the pulse.
void drawBoard(const core::GameGlobals& g, media::TSurface& surface,
               const media::TPictureList& pictures, int emptyTile) {
    const media::TPictureCollectionItem& blocks = pictures.Items(assets::BlockPicture);
    for (int c = 0; c < core::BoardSize; ++c) {
        for (int r = 0; r < core::BoardSize; ++r) {
            const std::uint8_t cell = g.Board[c * core::BoardSize + r];
            blocks.Draw(surface, c * CellPixels, r * CellPixels, cell == 0 ? emptyTile : cell);
        }
    }
}

// A bright green from the frame's two draws.
std::uint32_t flickerColor(const core::FlickerDraw& draw) {
    return 0x0001EC00 + 255 * static_cast<std::uint32_t>(draw.a) +
           static_cast<std::uint32_t>(draw.b);
}

void drawGameOverBanner(const core::GameGlobals& g, media::TSurfaceCanvas& canvas) {
    canvas.Font.Size = 60;
    canvas.Font.Color = 0x000100EC + static_cast<std::uint32_t>(g.Draws.bannerShade);
    canvas.TextOut(50, 100, "PUDO OVER");
    canvas.Font.Size = 32;
    canvas.Font.Color = flickerColor(g.Draws.flicker[0]);
    if (g.NewRank > 0) {
        const std::string rankLine =
            text::filled(text::tr("歴代 %s位 ハイスコア！！"), {std::to_string(g.NewRank)});
        canvas.TextOut(81, 299, rankLine);
        canvas.Font.Color = Aqua;
        canvas.TextOut(80, 300, rankLine);
    }
    canvas.Font.Color = flickerColor(g.Draws.flicker[1]);
    canvas.TextOut(80, 420, "Push [SPACE BAR] !!");
}

struct PanelLine {
    const char* label;
    int y;
    const std::int32_t core::GameGlobals::*number;  // none under the two bars' labels
};

// Below SCORE, in font size 20; each number 28 pixels under its label.
constexpr PanelLine PanelLines[] = {
    {"POINT", 80, &core::GameGlobals::LastPoints},
    {"LEVEL", 160, &core::GameGlobals::Level},
    {"COMBO", 240, &core::GameGlobals::Combo},
    {"TIME", 320, nullptr},
    {"LIFE", 400, nullptr},
    {"BLOCK", 480, &core::GameGlobals::BlockCount},
};

void drawPanelTexts(const core::GameGlobals& g, media::TSurfaceCanvas& canvas) {
    canvas.Font.Color = White;
    canvas.Font.Size = 24;
    canvas.TextOut(PanelLeft, 1, "SCORE");
    numberOutRight(canvas, PanelRight, 30, g.Score);
    canvas.Font.Size = 20;
    for (const PanelLine& line : PanelLines) {
        canvas.TextOut(PanelLeft, line.y, line.label);
        if (line.number != nullptr) {
            numberOutRight(canvas, PanelRight, line.y + 28, g.*line.number);
        }
    }
}

// An outer rounded bar of width w from (620, top) to (620 + w, bottom), and an inner one two
// pixels inside it; setting each brush colour makes the brush solid.
void drawBar(media::TSurfaceCanvas& canvas, int width, int top, int bottom,
             std::uint32_t outerColor, std::uint32_t innerColor) {
    canvas.Brush.SetColor(outerColor);
    canvas.RoundRect(PanelLeft, top, PanelLeft + width, bottom, 5, 5);
    canvas.Brush.SetColor(innerColor);
    canvas.RoundRect(PanelLeft + 2, top + 2, PanelLeft - 2 + width, bottom - 2, 8, 8);
}

int barWidth(std::int32_t value, double pixelsPerUnit) {
    return static_cast<int>(std::ceil(value * pixelsPerUnit));
}

void drawBars(const core::GameGlobals& g, media::TSurfaceCanvas& canvas) {
    drawBar(canvas, barWidth(g.TimeLeft, 0.013), 348, 360, Aqua,
            static_cast<std::uint32_t>(g.TimeLeft * 5));
    drawBar(canvas, barWidth(g.Life, 1.56), 428, 450, White,
            static_cast<std::uint32_t>(g.Life * 255));
}

void drawDebugOverlay(const core::GameGlobals& g, media::TSurfaceCanvas& canvas,
                      std::int32_t lagCount) {
    canvas.Font.Size = 28;
    canvas.Brush.SetStyle(media::bsClear);
    for (int colour = 1; colour <= 10; ++colour) {
        canvas.TextOut(0, 32 * colour,
                       std::to_string(colour) + " " + std::to_string(g.ColorCounts[colour]));
    }
    canvas.TextOut(0, 432, std::to_string(1000 / lagCount));
    canvas.TextOut(0, 480, std::to_string(g.LuckyColor));
}

// Three pixels wide over the board's edge: the key digits of the edge cells stay clear of it.
void drawWarningFrame(media::TSurfaceCanvas& canvas) {
    canvas.Pen.Color = Red;
    for (int inset = 0; inset < 3; ++inset) {
        canvas.RoundRect(inset, inset, BoardPixels - inset, BoardPixels - inset, 0, 0);
    }
    canvas.Pen.Color = Black;
}

}  // namespace

void drawCurtain(const core::GameGlobals& g, media::TSurface& surface,
                 const media::TPictureList& pictures) {
    drawBoard(g, surface, pictures, 0);
}

void drawPlay(const core::GameGlobals& g, media::TSurface& surface,
              const media::TPictureList& pictures, std::int32_t lagCount, LowLifeWarning warning) {
    const bool lowLife = g.Life < core::LowLife && g.GameOverPhase == 0;
    const bool pulse = lowLife && warning == LowLifeWarning::Pulse;
    drawBoard(g, surface, pictures, pulse ? g.PulseTile : 0);
    ScopedCanvas canvas(surface);
    canvas->Brush.SetStyle(media::bsClear);
    if (lowLife && warning == LowLifeWarning::SteadyFrame) {
        drawWarningFrame(*canvas);
    }
    if (g.GameOverPhase == 2) {
        drawGameOverBanner(g, *canvas);
    }
    drawPanelTexts(g, *canvas);
    drawBars(g, *canvas);
    if (g.ShowDebugInfo == 1) {
        drawDebugOverlay(g, *canvas, lagCount);
    }
}

void drawPausedPlay(const core::GameGlobals& g, media::TSurface& surface) {
    ScopedCanvas canvas(surface);
    canvas->Brush.SetStyle(media::bsClear);
    drawPanelTexts(g, *canvas);
    drawBars(g, *canvas);
    canvas->Font.Color = White;
    canvas->Font.Size = 60;
    textOutCentred(*canvas, BoardPixels / 2, 230, "PAUSE");
    canvas->Font.Size = 20;
    textOutCentred(*canvas, BoardPixels / 2, 330, text::tr("[P] / クリックで再開"));
}

}  // namespace game
