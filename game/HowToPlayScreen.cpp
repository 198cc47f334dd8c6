#include "game/HowToPlayScreen.h"

#include <iterator>
#include <span>

#include "assets/Assets.h"
#include "game/CanvasText.h"
#include "game/Colors.h"
#include "game/PlayScreen.h"
#include "game/ScopedCanvas.h"
#include "text/Translation.h"

namespace game {

namespace {

using text::trLater;

constexpr int PageLeft = 40;
constexpr int PageCentre = 400;

// The example board: its top-left corner and its size in cells of the game's own size.
constexpr int ExampleBoardLeft = 600;
constexpr int ExampleBoardTop = 72;
constexpr int ExampleBoardColumns = 8;
constexpr int ExampleBoardRows = 5;
// The colour with the most blocks on it, which its caption names.
constexpr int ExampleAnswer = 2;

struct ExampleBlock {
    int column;
    int row;
    int colour;
};

// Four of the answer's colour against three, two and one of others; nothing touches an
// answer's mark.
constexpr ExampleBlock ExampleBlocks[] = {
    {1, 0, 2}, {4, 0, 1}, {3, 1, 3}, {6, 1, 2}, {0, 2, 1},
    {1, 2, 4}, {3, 3, 2}, {7, 3, 3}, {0, 4, 2}, {6, 4, 1},
};

// A label in the left column, its text beside it; a label-less line goes on under the last.
struct LabelledLine {
    const char* label;
    const char* text;
};

constexpr int RulesTop = 200;
constexpr int RuleLineHeight = 28;
constexpr int RuleTextLeft = 150;
constexpr LabelledLine RuleLines[] = {
    {trLater("正解"), trLater("その色のブロックが消えて得点。ライフも少し回復")},
    {nullptr, trLater("残りタイムが多いほど、コンボが続くほど高得点")},
    {trLater("ミス"), trLater("ライフが 10 減り、コンボが途切れる")},
    {trLater("タイム"), trLater("バーが空になるとライフが 20 減る。正解で満タンに")},
    {trLater("ライフ"), trLater("なくなるとゲームオーバー")},
    {trLater("レベル"), trLater("5 回正解するごとに上がる。色が増え、時間も速く減る")},
};

constexpr int KeysTop = 390;
constexpr int KeyLineHeight = 28;
constexpr int KeyTextOffset = 150;
constexpr int KeyColumnLefts[] = {PageLeft, 400};
constexpr LabelledLine KeyColumns[][5] = {
    {
        {trLater("[Space]"), trLater("スタート")},
        {trLater("[1]〜[9] [0]"), trLater("答える (0 は 10)")},
        {trLater("[P]"), trLater("ポーズ")},
        {trLater("[F8]"), trLater("消音")},
        {trLater("[F9] [F10]"), trLater("音量 − / ＋")},
    },
    {
        {trLater("[Enter]"), trLater("ランキングを見る")},
        {trLater("[Shift]+[Enter]"), trLater("ランキングに申請")},
        {trLater("[Alt]+[Enter]"), trLater("全画面 / ウィンドウ")},
        {trLater("[F12]"), trLater("画面を保存")},
        {trLater("[Esc]"), trLater("終了")},
    },
};

media::TRect exampleCell(int column, int row) {
    const int left = ExampleBoardLeft + column * CellPixels;
    const int top = ExampleBoardTop + row * CellPixels;
    return {left, top, left + CellPixels, top + CellPixels};
}

void drawExampleBlocks(media::TSurface& surface, const media::TPictureList& pictures) {
    const media::TPictureCollectionItem& blocks = pictures.Items(assets::BlockPicture);
    for (const ExampleBlock& block : ExampleBlocks) {
        const media::TRect cell = exampleCell(block.column, block.row);
        blocks.Draw(surface, cell.Left, cell.Top, block.colour);
    }
}

// A frame of width lines just outside rect.
void drawFrame(media::TSurfaceCanvas& canvas, const media::TRect& rect, int width,
               std::uint32_t color) {
    canvas.Pen.Color = color;
    for (int outset = 1; outset <= width; ++outset) {
        canvas.RoundRect(rect.Left - outset, rect.Top - outset, rect.Right + outset,
                         rect.Bottom + outset, 0, 0);
    }
    canvas.Pen.Color = Black;
}

void drawExampleMarks(media::TSurfaceCanvas& canvas) {
    const media::TRect board{ExampleBoardLeft, ExampleBoardTop,
                             ExampleBoardLeft + ExampleBoardColumns * CellPixels,
                             ExampleBoardTop + ExampleBoardRows * CellPixels};
    // Clear of the marks of the edge cells.
    drawFrame(canvas, {board.Left - 3, board.Top - 3, board.Right + 3, board.Bottom + 3}, 1, Grey);
    for (const ExampleBlock& block : ExampleBlocks) {
        if (block.colour == ExampleAnswer) {
            drawFrame(canvas, exampleCell(block.column, block.row), 2, Yellow);
        }
    }
    canvas.Font.Size = 16;
    canvas.Font.Color = Yellow;
    textOutCentred(canvas, (board.Left + board.Right) / 2, board.Bottom + 12,
                   text::tr("答えは [2]"));
}

void drawGoal(media::TSurfaceCanvas& canvas) {
    canvas.Font.Size = 28;
    canvas.Font.Color = Yellow;
    textOutCentred(canvas, PageCentre, 12, text::tr("遊び方"));
    canvas.Font.Size = 18;
    canvas.Font.Color = White;
    canvas.TextOut(PageLeft, 80, text::tr("いちばん多い色のブロックの"));
    canvas.TextOut(PageLeft, 112, text::tr("数字キーを押そう！"));
    canvas.Font.Size = 14;
    canvas.Font.Color = Grey;
    canvas.TextOut(PageLeft, 152, text::tr("ブロックはだんだん増えていく"));
}

// Labels in Aqua, their texts in White; each line lineHeight under the last.
void drawLabelledLines(media::TSurfaceCanvas& canvas, std::span<const LabelledLine> lines, int left,
                       int textLeft, int top, int lineHeight) {
    int y = top;
    for (const LabelledLine& line : lines) {
        if (line.label != nullptr) {
            canvas.Font.Color = Aqua;
            canvas.TextOut(left, y, text::tr(line.label));
        }
        canvas.Font.Color = White;
        canvas.TextOut(textLeft, y, text::tr(line.text));
        y += lineHeight;
    }
}

void drawRulesAndKeys(media::TSurfaceCanvas& canvas) {
    canvas.Font.Size = 16;
    drawLabelledLines(canvas, RuleLines, PageLeft, RuleTextLeft, RulesTop, RuleLineHeight);
    canvas.Font.Size = 15;
    for (std::size_t column = 0; column < std::size(KeyColumns); ++column) {
        const int left = KeyColumnLefts[column];
        drawLabelledLines(canvas, KeyColumns[column], left, left + KeyTextOffset, KeysTop,
                          KeyLineHeight);
    }
    canvas.Font.Size = 16;
    canvas.Font.Color = Grey;
    textOutCentred(canvas, PageCentre, 556, text::tr("何かキーを押すとタイトルに戻ります"));
}

}  // namespace

void drawHowToPlay(media::TSurface& surface, const media::TPictureList& pictures) {
    drawExampleBlocks(surface, pictures);
    ScopedCanvas canvas(surface);
    canvas->Brush.SetStyle(media::bsClear);
    drawExampleMarks(*canvas);
    drawGoal(*canvas);
    drawRulesAndKeys(*canvas);
}

}  // namespace game
