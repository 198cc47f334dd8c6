#include "media/PictureList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <utility>

#include "media/GlyphCache.h"
#include "media/MediaError.h"
#include "media/PatternLayout.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/HeadlessDrivers.h"
#include "platform/MessageBoxes.h"
#include "platform/Window.h"
#include "tests/support/GreyRamp.h"

namespace {

using namespace media;

TRect rectAt(int x, int y, int width, int height) {
    return TRect{x, y, x + width, y + height};
}

void expectRect(const TRect& actual, const TRect& expected) {
    EXPECT_EQ(actual.Left, expected.Left);
    EXPECT_EQ(actual.Top, expected.Top);
    EXPECT_EQ(actual.Right, expected.Right);
    EXPECT_EQ(actual.Bottom, expected.Bottom);
}

TEST(PatternLayout, PatternTheSizeOfThePictureIsOneWholePattern) {
    const PatternLayout layout = layoutPatterns(150, 32, {150, 32, 0, 0, false});
    ASSERT_EQ(layout.blocks.size(), 1u);
    ASSERT_EQ(layout.patterns.size(), 1u);
    expectRect(layout.patterns[0].source, rectAt(0, 0, 150, 32));
}

TEST(PatternLayout, GridRunsRowByRowAndLeftoversAreNoPattern) {
    const PatternLayout layout = layoutPatterns(130, 60, {20, 20, 0, 0, true});
    ASSERT_EQ(layout.blocks.size(), 1u);
    expectRect(layout.blocks[0], rectAt(0, 0, 130, 60));
    ASSERT_EQ(layout.patterns.size(), 18u);
    expectRect(layout.patterns[7].source, rectAt(20, 20, 20, 20));
    expectRect(layout.patterns[17].source, rectAt(100, 40, 20, 20));
}

TEST(PatternLayout, GapsWidenThePitchAndTheLastGapMayFallOffThePicture) {
    const PatternLayout layout = layoutPatterns(50, 50, {10, 10, 5, 5, true});
    ASSERT_EQ(layout.patterns.size(), 9u);  // (50 + 5) / 15 = 3 each way
    expectRect(layout.patterns[4].source, rectAt(15, 15, 10, 10));
}

TEST(PatternLayout, TheBlockSheetStaysOneBlockWithPatternsOnTheGrid) {
    const PatternLayout layout = layoutPatterns(120, 60, {20, 20, 0, 0, false});
    ASSERT_EQ(layout.blocks.size(), 1u);
    expectRect(layout.blocks[0], rectAt(0, 0, 120, 60));
    ASSERT_EQ(layout.patterns.size(), 18u);
    for (int i = 0; i < 18; ++i) {
        EXPECT_EQ(layout.patterns[i].block, 0);
        expectRect(layout.patterns[i].source, rectAt((i % 6) * 20, (i / 6) * 20, 20, 20));
    }
}

TEST(PatternLayout, LargePicturesSplitIntoBlocksOfWholePitches) {
    // Pitch 100: blocks of 600 (six pitches reach past 512), cut to 500 at the right edge.
    const PatternLayout layout = layoutPatterns(1100, 700, {100, 100, 0, 0, false});
    ASSERT_EQ(layout.blocks.size(), 4u);
    expectRect(layout.blocks[0], rectAt(0, 0, 600, 600));
    expectRect(layout.blocks[1], rectAt(600, 0, 500, 600));
    expectRect(layout.blocks[2], rectAt(0, 600, 600, 100));
    expectRect(layout.blocks[3], rectAt(600, 600, 500, 100));
    ASSERT_EQ(layout.patterns.size(), 77u);
    const PatternPlace& right = layout.patterns[7];  // origin (700, 0)
    EXPECT_EQ(right.block, 1);
    expectRect(right.source, rectAt(100, 0, 100, 100));
    const PatternPlace& bottom = layout.patterns[6 * 11 + 10];  // origin (1000, 600)
    EXPECT_EQ(bottom.block, 3);
    expectRect(bottom.source, rectAt(400, 0, 100, 100));
}

TEST(PatternLayout, NoPositivePitchOrNoWholePatternGivesNoPatterns) {
    EXPECT_TRUE(layoutPatterns(50, 50, {10, 10, -10, 0, false}).patterns.empty());
    EXPECT_TRUE(layoutPatterns(50, 50, {60, 10, 0, 0, true}).patterns.empty());
}

// Two 16 x 16 tiles side by side: pixel (x, y) of the left tile is x + 16 y, of the right one
// 255 - (x + 16 y), so every pixel tells where it came from and each tile has one black pixel.
TDIB twoTiles() {
    std::vector<std::uint8_t> indexes;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 32; ++x) {
            const int value = x % 16 + 16 * y;
            indexes.push_back(static_cast<std::uint8_t>(x < 16 ? value : 255 - value));
        }
    }
    const TColorTable ramp = testsupport::greyRamp();
    return TDIB::fromIndexes8(32, 16, ramp, indexes);
}

constexpr std::uint8_t Background = 119;

class PictureListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::useHeadlessDrivers();
        window = std::make_unique<platform::Window>(app, "test", 800, 600);
        display = std::make_unique<TDisplay>(window.get());
        display->AutoSize = false;
        display->SetSurfaceWidth(800);
        display->SetSurfaceHeight(600);
        display->DefaultColorTable = testsupport::greyRamp();
        display->ColorTable = testsupport::greyRamp();
        TPictureCollectionItem& tiles = list.Items().Add();
        tiles.Picture = twoTiles();
        tiles.PatternWidth = 16;
        tiles.Transparent = false;
        target.Fill(Background);
    }

    void TearDown() override {
        list.SetDisplay(nullptr);
        display.reset();
        window.reset();
    }

    void start() {
        list.SetDisplay(display.get());
        display->Initialize();
    }

    TPictureCollectionItem& tiles() { return list.Items(0); }

    // The pixels that draws writes: those that come out the same on two different backgrounds.
    int drawnArea(const std::function<void(TSurface&)>& draws) {
        TSurface first(800, 600, palette, glyphs);
        TSurface second(800, 600, palette, glyphs);
        first.Fill(1);
        second.Fill(2);
        draws(first);
        draws(second);
        return static_cast<int>(std::count_if(
            first.Pixels(), first.Pixels() + 800 * 600, [&](const std::uint8_t& pixel) {
                return pixel == second.Pixels()[&pixel - first.Pixels()];
            }));
    }

    platform::ManualClock clock;
    platform::RecordedMessageBoxes boxes;
    platform::Application app{clock, boxes};
    std::unique_ptr<platform::Window> window;
    std::unique_ptr<TDisplay> display;
    TPictureList list;
    Palette palette;
    GlyphCache glyphs;
    TSurface target{800, 600, palette, glyphs};
};

TEST_F(PictureListTest, TheDisplayBindsConvertsAndReleasesThePictures) {
    list.SetDisplay(display.get());
    EXPECT_FALSE(tiles().Initialized());
    EXPECT_EQ(tiles().PatternCount(), 0);
    display->Initialize();
    EXPECT_TRUE(tiles().Initialized());
    EXPECT_EQ(tiles().PatternCount(), 2);
    display->Finalize();
    EXPECT_FALSE(tiles().Initialized());
    EXPECT_EQ(tiles().PatternCount(), 0);
    display->Initialize();
    EXPECT_EQ(tiles().PatternCount(), 2);
    list.SetDisplay(nullptr);
    EXPECT_EQ(tiles().PatternCount(), 0);
    list.SetDisplay(display.get());  // joining an initialised display converts at once
    EXPECT_EQ(tiles().PatternCount(), 2);
    display.reset();
    EXPECT_EQ(list.Display(), nullptr);
}

TEST_F(PictureListTest, BindingToADisplayThatIsNotInitialisedFails) {
    try {
        list.Items().Initialize(*display);
        FAIL();
    } catch (const EPictureCollectionError& error) {
        EXPECT_STREQ(error.what(), "TPictureCollection を初期化できません");
    }
}

TEST_F(PictureListTest, ItemsOutsideTheListAreAnError) {
    EXPECT_THROW(list.Items(1), std::out_of_range);
    EXPECT_THROW(list.Items(-1), std::out_of_range);
}

TEST_F(PictureListTest, PicturesConvertWithTheDefaultColourTableWhateverTheDisplayShows) {
    display->ColorTable = TColorTable{};  // all black: matching against it would lose every grey
    start();
    tiles().Draw(target, 100, 50, 1);
    EXPECT_EQ(target.Pixel(100, 50), 255);
    EXPECT_EQ(target.Pixel(115, 65), 0);
    EXPECT_EQ(target.Pixel(103, 52), 255 - (3 + 32));
}

TEST_F(PictureListTest, IndexesOutsideThePatternsAndUninitialisedItemsDrawNothing) {
    auto drawFirstPattern = [this](TSurface& dest) { tiles().Draw(dest, 0, 0, 0); };
    EXPECT_EQ(drawnArea(drawFirstPattern), 0);
    start();
    EXPECT_EQ(drawnArea(drawFirstPattern), 16 * 16);
    EXPECT_EQ(drawnArea([this](TSurface& dest) {
                  tiles().Draw(dest, 0, 0, -1);
                  tiles().Draw(dest, 0, 0, 2);
              }),
              0);
    display->Finalize();
    EXPECT_EQ(drawnArea(drawFirstPattern), 0);
}

TEST_F(PictureListTest, LeftAndRightEdgesCutThePattern) {
    start();
    tiles().Draw(target, -10, 0, 0);  // the right 6 columns
    EXPECT_EQ(target.Pixel(0, 0), 10);
    EXPECT_EQ(target.Pixel(5, 15), 15 + 240);
    EXPECT_EQ(target.Pixel(6, 0), Background);
    tiles().Draw(target, 790, 100, 0);  // the left 10 columns
    EXPECT_EQ(target.Pixel(790, 100), 0);
    EXPECT_EQ(target.Pixel(799, 101), 9 + 16);
    EXPECT_EQ(drawnArea([this](TSurface& dest) { tiles().Draw(dest, -10, 0, 0); }), 6 * 16);
    EXPECT_EQ(drawnArea([this](TSurface& dest) { tiles().Draw(dest, 790, 100, 0); }), 10 * 16);
}

TEST_F(PictureListTest, TopAndBottomEdgesCutThePattern) {
    start();
    tiles().Draw(target, 0, -10, 0);  // the bottom 6 rows
    EXPECT_EQ(target.Pixel(0, 0), 160);
    EXPECT_EQ(target.Pixel(15, 5), 255);
    EXPECT_EQ(target.Pixel(0, 6), Background);
    tiles().Draw(target, 100, 590, 0);  // the top 10 rows
    EXPECT_EQ(target.Pixel(101, 599), 1 + 144);
    EXPECT_EQ(target.Pixel(101, 589), Background);
    EXPECT_EQ(drawnArea([this](TSurface& dest) { tiles().Draw(dest, 0, -10, 0); }), 16 * 6);
    EXPECT_EQ(drawnArea([this](TSurface& dest) { tiles().Draw(dest, 100, 590, 0); }), 16 * 10);
    tiles().Draw(target, -5, -5, 0);  // a corner cut both ways
    EXPECT_EQ(target.Pixel(0, 0), 5 + 80);
    EXPECT_EQ(drawnArea([this](TSurface& dest) { tiles().Draw(dest, 795, 595, 0); }), 5 * 5);
}

TEST_F(PictureListTest, PatternsEntirelyOffTheSurfaceDrawNothing) {
    start();
    for (auto [x, y] : {std::pair{800, 0},
                        {801, 0},
                        {0, 600},
                        {0, 601},
                        {-16, 0},
                        {0, -16},
                        {-1000, -1000},
                        {5000, 5000}}) {
        SCOPED_TRACE(testing::Message() << x << ", " << y);
        EXPECT_EQ(drawnArea([&, x = x, y = y](TSurface& dest) { tiles().Draw(dest, x, y, 0); }), 0);
    }
}

TEST_F(PictureListTest, SourceRectanglesBeyondTheSourceSurfaceAreCutToIt) {
    Palette sourcePalette;
    TSurface source(16, 16, sourcePalette, glyphs);
    for (int i = 0; i < 256; ++i) {
        source.Pixels()[i] = static_cast<std::uint8_t>(i);
    }
    auto draw = [&](TSurface& dest) { dest.Draw(0, 0, TRect{-4, -4, 20, 20}, source, false); };
    draw(target);
    EXPECT_EQ(target.Pixel(3, 3), Background);
    EXPECT_EQ(target.Pixel(4, 4), 0);
    EXPECT_EQ(target.Pixel(19, 19), 255);
    EXPECT_EQ(drawnArea(draw), 16 * 16);
}

TEST_F(PictureListTest, TransparentPatternsSkipTheKeyColourAndOpaqueOnesCopyIt) {
    TPictureCollectionItem& keyed = list.Items().Add();
    keyed.Picture = twoTiles();
    keyed.PatternWidth = 16;
    start();
    keyed.Draw(target, 100, 100, 0);
    EXPECT_EQ(target.Pixel(100, 100), Background);
    EXPECT_EQ(target.Pixel(101, 100), 1);
    tiles().Draw(target, 200, 100, 0);
    EXPECT_EQ(target.Pixel(200, 100), 0);
}

TEST_F(PictureListTest, TrueColourPicturesAndTheirKeyAreMatchedToTheNearestEntry) {
    TPictureCollectionItem& photo = list.Items().Add();
    const std::uint8_t rgb[] = {255, 255, 255, 10, 10, 12, 0, 0, 0};
    photo.Picture = TDIB::fromRgb24(3, 1, rgb);
    photo.TransparentColor = 0xFEFEFE;  // near white
    start();
    EXPECT_EQ(DeviceColorOf(display->CurrentPalette(), 0xFEFEFE), 254);
    EXPECT_EQ(DeviceColorOf(display->CurrentPalette(), 0xFFFFFF), 255);
    photo.Transparent = false;
    photo.Draw(target, 0, 0, 0);
    EXPECT_EQ(target.Pixel(0, 0), 255);
    EXPECT_EQ(target.Pixel(1, 0), 11);
    EXPECT_EQ(target.Pixel(2, 0), 0);
}

}  // namespace
