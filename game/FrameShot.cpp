#include "game/FrameShot.h"

#include <stdexcept>
#include <vector>

#include "platform/FramePresenter.h"
#include "platform/PngFile.h"

namespace game {

void saveFrameShot(media::TDisplay& display, const std::string& path) {
    media::TSurface* surface = display.BackSurface();
    if (surface == nullptr) {
        throw std::runtime_error("shot: the display has no frame");
    }
    const int width = surface->Width();
    const int height = surface->Height();
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    platform::convertIndexesToArgb(surface->Pixels(), width, height,
                                   display.CurrentPalette().argb().data(), pixels.data(),
                                   width * 4);
    try {
        platform::savePng(pixels.data(), width, height, path);
    } catch (const std::runtime_error& error) {
        throw std::runtime_error(std::string("shot: ") + error.what());
    }
}

}  // namespace game
