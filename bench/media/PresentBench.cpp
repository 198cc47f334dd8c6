// The fixed costs of every frame: presenting the 800 x 600 surface, and the canvas's text.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "media/GlyphCache.h"
#include "media/Palette.h"
#include "media/Surface.h"
#include "media/SurfaceCanvas.h"
#include "platform/FramePresenter.h"

namespace {

constexpr int Width = 800;
constexpr int Height = 600;

void presentConversion(benchmark::State& state) {
    std::vector<std::uint8_t> indexes(Width * Height);
    for (std::size_t i = 0; i < indexes.size(); ++i) {
        indexes[i] = static_cast<std::uint8_t>(i * 7);
    }
    media::Palette palette;
    std::vector<std::uint32_t> pixels(Width * Height);
    for (auto _ : state) {
        platform::convertIndexesToArgb(indexes.data(), Width, Height, palette.argb().data(),
                                       pixels.data(), Width * 4);
        benchmark::DoNotOptimize(pixels.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(presentConversion);

// 90 short texts, as a busy status panel and board draw them.
void canvasTextFrame(benchmark::State& state) {
    media::Palette palette;
    media::GlyphCache glyphs;
    media::TSurface surface(Width, Height, palette, glyphs);
    media::TSurfaceCanvas& canvas = surface.Canvas();
    std::vector<std::string> texts;
    for (int i = 0; i < 90; ++i) {
        texts.push_back(std::to_string(1000 + i * 37));
    }
    for (auto _ : state) {
        canvas.Brush.SetStyle(media::bsClear);
        canvas.Font.Size = 24;
        canvas.Font.Color = 0x00FFFFFF;
        for (int i = 0; i < 90; ++i) {
            const std::string& text = texts[i];
            canvas.TextOut(780 - canvas.TextWidth(text), (i % 15) * 40, text);
        }
        canvas.Release();
        benchmark::DoNotOptimize(surface.Pixels());
    }
}
BENCHMARK(canvasTextFrame);

}  // namespace
