#include "media/SurfaceCanvas.h"

#include <gtest/gtest.h>

#include "media/GlyphCache.h"
#include "media/Palette.h"
#include "media/Surface.h"
#include "tests/support/GreyRamp.h"

namespace {

using namespace media;

std::uint32_t grey(int level) {
    return static_cast<std::uint32_t>(level * 0x010101);
}

class CanvasTest : public ::testing::Test {
  protected:
    CanvasTest() { palette.load(testsupport::greyRamp()); }

    Palette palette;
    GlyphCache glyphs;
    TSurface surface{40, 30, palette, glyphs};
    TSurfaceCanvas& canvas = surface.Canvas();
};

TEST(Brush, SettingAColourOnAClearBrushMakesItSolid) {
    TBrush brush;
    EXPECT_EQ(brush.Style(), bsSolid);
    EXPECT_EQ(brush.Color(), clWhite);
    brush.SetColor(0x123456);
    brush.SetStyle(bsClear);
    EXPECT_EQ(brush.Color(), clWhite);
    brush.SetColor(0x0000FF);
    EXPECT_EQ(brush.Style(), bsSolid);
    EXPECT_EQ(brush.Color(), 0x0000FFu);
}

TEST(FontSize, PointsAtNinetySixPixelsPerInch) {
    EXPECT_EQ(pointsToPixels(9), 12);
    EXPECT_EQ(pointsToPixels(18), 24);
    EXPECT_EQ(pointsToPixels(20), 27);
    EXPECT_EQ(pointsToPixels(24), 32);
    EXPECT_EQ(pointsToPixels(28), 37);
    EXPECT_EQ(pointsToPixels(32), 43);
    EXPECT_EQ(pointsToPixels(60), 80);
}

TEST(PaletteMatch, NearestBySquaredDistanceLowestIndexOnTies) {
    Palette palette;
    TColorTable table{};
    table[3] = ColorEntry::fromColor(0x0000FF);
    table[7] = ColorEntry::fromColor(0x0000FF);
    table[9] = ColorEntry::fromColor(0x00FFFF);
    palette.load(table);
    EXPECT_EQ(palette.nearestIndex(0x0000F0), 3);
    EXPECT_EQ(palette.nearestIndex(0x0200F0F0), 9);  // palette-relative colours match the same way
    EXPECT_EQ(palette.nearestIndex(0x000000), 0);
}

TEST_F(CanvasTest, RoundRectExcludesRightAndBottomEdges) {
    surface.Fill(0);
    canvas.Brush.SetColor(grey(200));
    canvas.Pen.Color = grey(50);
    canvas.RoundRect(2, 3, 12, 9, 0, 0);
    canvas.Release();
    EXPECT_EQ(surface.Pixel(2, 3), 50);   // outline
    EXPECT_EQ(surface.Pixel(11, 8), 50);  // last column and row inside
    EXPECT_EQ(surface.Pixel(12, 5), 0);   // x2 itself is outside
    EXPECT_EQ(surface.Pixel(5, 9), 0);    // y2 itself is outside
    EXPECT_EQ(surface.Pixel(5, 5), 200);  // filled with the brush
    EXPECT_EQ(surface.Pixel(1, 5), 0);
}

TEST_F(CanvasTest, RoundRectCornersAreCutByTheEllipse) {
    surface.Fill(0);
    canvas.Brush.SetColor(grey(200));
    canvas.RoundRect(0, 0, 20, 20, 10, 10);
    canvas.Release();
    EXPECT_EQ(surface.Pixel(0, 0), 0);
    EXPECT_EQ(surface.Pixel(19, 19), 0);
    EXPECT_EQ(surface.Pixel(10, 0), 0);  // the top edge's outline, black pen
    EXPECT_EQ(surface.Pixel(10, 10), 200);
}

TEST_F(CanvasTest, ReversedCornersDrawTheSameRectangle) {
    TSurface other{40, 30, palette, glyphs};
    surface.Fill(0);
    other.Fill(0);
    canvas.Brush.SetColor(grey(90));
    canvas.RoundRect(3, 4, 30, 20, 6, 6);
    canvas.Release();
    other.Canvas().Brush.SetColor(grey(90));
    other.Canvas().RoundRect(30, 20, 3, 4, 6, 6);
    other.Canvas().Release();
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            ASSERT_EQ(surface.Pixel(x, y), other.Pixel(x, y)) << x << "," << y;
        }
    }
}

TEST_F(CanvasTest, AClearBrushDrawsOnlyTheOutline) {
    surface.Fill(7);
    canvas.Brush.SetStyle(bsClear);
    canvas.RoundRect(0, 0, 10, 10, 0, 0);
    canvas.Release();
    EXPECT_EQ(surface.Pixel(0, 0), 0);
    EXPECT_EQ(surface.Pixel(5, 5), 7);
}

TEST_F(CanvasTest, DrawingHoldsTheSurfaceUntilRelease) {
    canvas.RoundRect(0, 0, 4, 4, 0, 0);
    EXPECT_TRUE(surface.Locked());
    EXPECT_FALSE(surface.Fill(1));
    canvas.Release();
    EXPECT_TRUE(surface.Fill(1));
}

TEST(CanvasText, SolidTextFillsItsCellAndClearTextOnlyInks) {
    Palette palette;
    palette.load(testsupport::greyRamp());
    GlyphCache glyphs;
    TSurface surface{200, 60, palette, glyphs};
    TSurfaceCanvas& canvas = surface.Canvas();
    surface.Fill(0);
    canvas.Font.Size = 18;
    canvas.Font.Color = grey(255);
    canvas.Brush.SetColor(grey(100));
    const int width = canvas.TextWidth("12");
    ASSERT_GT(width, 0);
    canvas.TextOut(10, 5, "12");
    canvas.Release();
    EXPECT_EQ(surface.Pixel(10, 5), 100);              // cell corner: background
    EXPECT_EQ(surface.Pixel(10 + width - 1, 5), 100);  // last column of the cell
    EXPECT_EQ(surface.Pixel(10 + width, 5), 0);        // just past the cell
    EXPECT_EQ(surface.Pixel(9, 5), 0);

    surface.Fill(0);
    canvas.Brush.SetStyle(bsClear);
    canvas.TextOut(10, 5, "12");
    canvas.Release();
    int ink = 0;
    int background = 0;
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 200; ++x) {
            ink += surface.Pixel(x, y) == 255;
            background += surface.Pixel(x, y) == 100;
        }
    }
    EXPECT_GT(ink, 20);
    EXPECT_EQ(background, 0);
}

TEST(CanvasText, RightAlignedTextEndsAtItsEdge) {
    Palette palette;
    palette.load(testsupport::greyRamp());
    GlyphCache glyphs;
    TSurface surface{300, 60, palette, glyphs};
    TSurfaceCanvas& canvas = surface.Canvas();
    surface.Fill(0);
    canvas.Brush.SetStyle(bsClear);
    canvas.Font.Size = 24;
    canvas.Font.Color = grey(255);
    const std::string score = "1234567";
    canvas.TextOut(280 - canvas.TextWidth(score), 0, score);
    canvas.Release();
    int rightmost = -1;
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 300; ++x) {
            if (surface.Pixel(x, y) == 255) {
                rightmost = std::max(rightmost, x);
            }
        }
    }
    EXPECT_LT(rightmost, 280);
    EXPECT_GT(rightmost, 270);
}

TEST(CanvasText, JapaneseTextHasWidthAndTheWidthGrowsWithTheSize) {
    Palette palette;
    GlyphCache glyphs;
    TSurface surface{10, 10, palette, glyphs};
    TSurfaceCanvas& canvas = surface.Canvas();
    canvas.Font.Size = 18;
    const int small = canvas.TextWidth("ランキング");
    canvas.Font.Size = 28;
    const int large = canvas.TextWidth("ランキング");
    canvas.Release();
    EXPECT_GT(small, 5 * 18);
    EXPECT_GT(large, small);
    EXPECT_EQ(canvas.TextWidth(""), 0);
    canvas.Release();
}

}  // namespace
