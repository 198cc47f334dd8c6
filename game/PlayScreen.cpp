#include "game/PlayScreen.h"

#include <cmath>
#include <string>

#include "assets/Assets.h"
#include "game/CanvasText.h"
#include "game/Colors.h"
#include "game/ScopedCanvas.h"

namespace game {

namespace {

constexpr int PanelLeft = 620;
constexpr int PanelRight = 780;
constexpr int FirstPulseTile = 13;
constexpr int LastPulseTile = 16;
// A red flashing faster than three times a second endangers players prone to seizures: the pulse
// steps by play time, its ten steps (dark, bright, dark) taking half a second at any frame rate.
constexpr std::int32_t PulseStepMs = 50;
constexpr std::int32_t PulseCycleMs = 10 * PulseStepMs;

void stepPulse(GameGlobals& g) {
    g.PulseTile += g.PulseStep;
    if (g.PulseTile > LastPulseTile || g.PulseTile < FirstPulseTile) {
        g.PulseStep = -g.PulseStep;
    }
}

// Whole cycles of a long frame change nothing, so they are not stepped through.
void advancePulse(GameGlobals& g, std::int32_t lagCount) {
    g.PulseClock += lagCount % PulseCycleMs;
    for (; g.PulseClock >= PulseStepMs; g.PulseClock -= PulseStepMs) {
        stepPulse(g);
    }
}

// Empty cells show emptyTile: black, or the pulse.
void drawBoard(const GameGlobals& g, media::TSurface& surface, const media::TPictureList& pictures,
               int emptyTile) {
    const media::TPictureCollectionItem& blocks = pictures.Items(assets::BlockPicture);
    for (int c = 0; c < BoardSize; ++c) {
        for (int r = 0; r < BoardSize; ++r) {
            const std::uint8_t cell = g.Board[c * BoardSize + r];
            blocks.Draw(surface, c * CellPixels, r * CellPixels, cell == 0 ? emptyTile : cell);
        }
    }
}

// A bright green, new with each call: two draws.
std::uint32_t flickerColor(GameGlobals& g) {
    const std::uint32_t a = g.Random.next(20);
    const std::uint32_t b = g.Random.next(20);
    return 0x0001EC00 + 255 * a + b;
}

void drawGameOverBanner(GameGlobals& g, media::TSurfaceCanvas& canvas) {
    canvas.Font.Size = 60;
    canvas.Font.Color = 0x000100EC + g.Random.next(20);
    canvas.TextOut(50, 100, "PUDO OVER");
    canvas.Font.Size = 32;
    canvas.Font.Color = flickerColor(g);
    if (g.NewRank > 0) {
        const std::string rankLine = "歴代 " + std::to_string(g.NewRank) + "位 ハイスコア！！";
        canvas.TextOut(81, 299, rankLine);
        canvas.Font.Color = Aqua;
        canvas.TextOut(80, 300, rankLine);
    }
    canvas.Font.Color = flickerColor(g);
    canvas.TextOut(80, 420, "Push [SPACE BAR] !!");
}

struct PanelLine {
    const char* label;
    int y;
    const std::int32_t GameGlobals::*number;  // none under the two bars' labels
};

// Below SCORE, in font size 20; each number 28 pixels under its label.
constexpr PanelLine PanelLines[] = {
    {"POINT", 80, &GameGlobals::LastPoints},
    {"LEVEL", 160, &GameGlobals::Level},
    {"COMBO", 240, &GameGlobals::Combo},
    {"TIME", 320, nullptr},
    {"LIFE", 400, nullptr},
    {"BLOCK", 480, &GameGlobals::BlockCount},
};

void drawPanelTexts(const GameGlobals& g, media::TSurfaceCanvas& canvas) {
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

void drawBars(const GameGlobals& g, media::TSurfaceCanvas& canvas) {
    drawBar(canvas, barWidth(g.TimeLeft, 0.013), 348, 360, Aqua,
            static_cast<std::uint32_t>(g.TimeLeft * 5));
    drawBar(canvas, barWidth(g.Life, 1.56), 428, 450, White,
            static_cast<std::uint32_t>(g.Life * 255));
}

void drawDebugOverlay(const GameGlobals& g, media::TSurfaceCanvas& canvas, std::int32_t lagCount) {
    canvas.Font.Size = 28;
    canvas.Brush.SetStyle(media::bsClear);
    for (int colour = 1; colour <= 10; ++colour) {
        canvas.TextOut(0, 32 * colour,
                       std::to_string(colour) + " " + std::to_string(g.ColorCounts[colour]));
    }
    canvas.TextOut(0, 432, std::to_string(1000 / lagCount));
    canvas.TextOut(0, 480, std::to_string(g.LuckyColor));
}

}  // namespace

void drawCurtain(const GameGlobals& g, media::TSurface& surface,
                 const media::TPictureList& pictures) {
    drawBoard(g, surface, pictures, 0);
}

void drawPlay(GameGlobals& g, media::TSurface& surface, const media::TPictureList& pictures,
              std::int32_t lagCount) {
    advancePulse(g, lagCount);
    const bool pulse = g.Life < LowLife && g.GameOverPhase == 0;
    drawBoard(g, surface, pictures, pulse ? g.PulseTile : 0);
    ScopedCanvas canvas(surface);
    canvas->Brush.SetStyle(media::bsClear);
    if (g.GameOverPhase == 2) {
        drawGameOverBanner(g, *canvas);
    }
    drawPanelTexts(g, *canvas);
    drawBars(g, *canvas);
    if (g.ShowDebugInfo == 1) {
        drawDebugOverlay(g, *canvas, lagCount);
    }
}

}  // namespace game
