// What a frame costs in picture copies: the play screen's 900 block tiles and the opening's
// 121 logos, against a plain copy of the whole 800 x 600 surface.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "bench/support/MemcpyBaseline.h"
#include "media/PictureList.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/HeadlessDrivers.h"
#include "platform/MessageBoxes.h"
#include "platform/Window.h"
#include "tests/support/GreyRamp.h"

namespace {

using namespace media;

constexpr int SurfaceWidth = 800;
constexpr int SurfaceHeight = 600;

// An 8-bit picture in which about every third pixel is black.
TDIB speckledPicture(int width, int height) {
    std::vector<std::uint8_t> indexes(static_cast<std::size_t>(width) * height);
    for (std::size_t i = 0; i < indexes.size(); ++i) {
        indexes[i] = static_cast<std::uint8_t>(i * 37 % 3 == 0 ? 0 : 1 + i * 7 % 255);
    }
    const TColorTable ramp = testsupport::greyRamp();
    return TDIB::fromIndexes8(width, height, ramp, indexes);
}

// The display and the two pictures, converted as the game has them: the tiles opaque on a
// 20 x 20 grid, the logo colour-keyed.
class Scene {
  public:
    Scene() {
        platform::useHeadlessDrivers();
        display_.AutoSize = false;
        display_.SetSurfaceWidth(SurfaceWidth);
        display_.SetSurfaceHeight(SurfaceHeight);
        display_.DefaultColorTable = testsupport::greyRamp();
        display_.ColorTable = testsupport::greyRamp();
        TPictureCollectionItem& logo = list_.Items().Add();
        logo.Picture = speckledPicture(150, 32);
        logo.SystemMemory = true;
        TPictureCollectionItem& tiles = list_.Items().Add();
        tiles.Picture = speckledPicture(120, 60);
        tiles.PatternWidth = 20;
        tiles.PatternHeight = 20;
        tiles.Transparent = false;
        list_.SetDisplay(&display_);
        display_.Initialize();
    }

    TSurface& surface() { return *display_.BackSurface(); }
    const TPictureCollectionItem& logo() const { return list_.Items(0); }
    const TPictureCollectionItem& tiles() const { return list_.Items(1); }

  private:
    platform::ManualClock clock_;
    platform::RecordedMessageBoxes boxes_;
    platform::Application app_{clock_, boxes_};
    platform::Window window_{app_, "bench", SurfaceWidth, SurfaceHeight};
    TDisplay display_{&window_};
    TPictureList list_;
};

Scene& scene() {
    static Scene built;
    return built;
}

void playScreenTiles(benchmark::State& state) {
    Scene& s = scene();
    for (auto _ : state) {
        for (int c = 0; c < 30; ++c) {
            for (int r = 0; r < 30; ++r) {
                s.tiles().Draw(s.surface(), c * 20, r * 20, (c * 30 + r) % 18);
            }
        }
        benchmark::ClobberMemory();
    }
}

// Eleven rings of eleven, some reaching past the edges, as the opening spiral's logos do.
void openingLogos(benchmark::State& state) {
    Scene& s = scene();
    for (auto _ : state) {
        for (int ring = 0; ring < 11; ++ring) {
            for (int k = 0; k < 11; ++k) {
                s.logo().Draw(s.surface(), k * 70 - 40, ring * 56 - 10, 0);
            }
        }
        benchmark::ClobberMemory();
    }
}

}  // namespace

BENCHMARK(benchsupport::memcpyBaseline)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);
BENCHMARK(playScreenTiles)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);
BENCHMARK(openingLogos)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly(true);
