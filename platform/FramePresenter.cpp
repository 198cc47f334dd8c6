#include "platform/FramePresenter.h"

#include <SDL.h>

#include <stdexcept>

#include "platform/Window.h"

namespace platform {

std::vector<ScreenMode> offeredScreenModes() {
    std::vector<ScreenMode> modes;
    for (int i = 0; i < SDL_GetNumDisplayModes(0); ++i) {
        SDL_DisplayMode mode;
        if (SDL_GetDisplayMode(0, i, &mode) == 0) {
            modes.push_back(ScreenMode{mode.w, mode.h});
        }
    }
    SDL_DisplayMode desktop;
    if (modes.empty() && SDL_GetDesktopDisplayMode(0, &desktop) == 0) {
        modes.push_back(ScreenMode{desktop.w, desktop.h});
    }
    return modes;
}

void convertIndexesToArgb(const std::uint8_t* indexes, int width, int height,
                          const std::uint32_t* lookup, std::uint32_t* pixels, int pitch) {
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* from = indexes + static_cast<std::ptrdiff_t>(y) * width;
        auto* to = reinterpret_cast<std::uint32_t*>(reinterpret_cast<std::uint8_t*>(pixels) +
                                                    static_cast<std::ptrdiff_t>(y) * pitch);
        for (int x = 0; x < width; ++x) {
            to[x] = lookup[from[x]];
        }
    }
}

FramePresenter::FramePresenter(Window& window, int frameWidth, int frameHeight, bool waitVBlank)
    : frameWidth_(frameWidth), frameHeight_(frameHeight) {
    Uint32 flags = waitVBlank ? SDL_RENDERER_PRESENTVSYNC : 0;
    renderer_.reset(SDL_CreateRenderer(window.handle(), -1, flags));
    if (!renderer_) {
        // A desktop without accelerated rendering still has the software renderer.
        renderer_.reset(SDL_CreateRenderer(window.handle(), -1, SDL_RENDERER_SOFTWARE));
    }
    if (!renderer_) {
        throw std::runtime_error(SDL_GetError());
    }
    SDL_RenderSetLogicalSize(renderer_.get(), frameWidth, frameHeight);
    texture_.reset(SDL_CreateTexture(renderer_.get(), SDL_PIXELFORMAT_ARGB8888,
                                     SDL_TEXTUREACCESS_STREAMING, frameWidth, frameHeight));
    if (!texture_) {
        throw std::runtime_error(SDL_GetError());
    }
    // The pixels stay sharp at any window or screen size, whatever the renderer's default.
    SDL_SetTextureScaleMode(texture_.get(), SDL_ScaleModeNearest);
}

void FramePresenter::setWaitVBlank(bool waitVBlank) {
    SDL_RenderSetVSync(renderer_.get(), waitVBlank ? 1 : 0);
}

void FramePresenter::present(const std::uint8_t* indexes, const std::uint32_t* lookup) {
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(texture_.get(), nullptr, &pixels, &pitch) != 0) {
        return;
    }
    convertIndexesToArgb(indexes, frameWidth_, frameHeight_, lookup,
                         static_cast<std::uint32_t*>(pixels), pitch);
    SDL_UnlockTexture(texture_.get());
    SDL_SetRenderDrawColor(renderer_.get(), 0, 0, 0, 255);
    SDL_RenderClear(renderer_.get());
    SDL_RenderCopy(renderer_.get(), texture_.get(), nullptr, nullptr);
    SDL_RenderPresent(renderer_.get());
}

}  // namespace platform
