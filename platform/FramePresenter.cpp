#include "platform/FramePresenter.h"

#include <SDL.h>

#include <stdexcept>

#include "platform/SdlHandles.h"
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

namespace {

// A renderer that draws through OpenGL may re-create the window, which SDL then puts back where
// it was first made, before it was centred at its size: keep the window where it was.
SDL_Renderer* rendererInPlace(SDL_Window* window, Uint32 flags) {
    int x = 0;
    int y = 0;
    SDL_GetWindowPosition(window, &x, &y);
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, flags);
    int afterX = 0;
    int afterY = 0;
    SDL_GetWindowPosition(window, &afterX, &afterY);
    if (afterX != x || afterY != y) {
        SDL_SetWindowPosition(window, x, y);
    }
    return renderer;
}

}  // namespace

// Members end in reverse: the texture before the renderer it belongs to.
struct FramePresenter::Target {
    RendererHandle renderer;
    TextureHandle texture;
};

FramePresenter::FramePresenter(Window& window, int frameWidth, int frameHeight, bool waitVBlank)
    : target_(std::make_unique<Target>()), frameWidth_(frameWidth), frameHeight_(frameHeight) {
    Uint32 flags = waitVBlank ? SDL_RENDERER_PRESENTVSYNC : 0;
    target_->renderer.reset(rendererInPlace(window.handle(), flags));
    if (!target_->renderer) {
        // A desktop without accelerated rendering still has the software renderer.
        target_->renderer.reset(rendererInPlace(window.handle(), SDL_RENDERER_SOFTWARE));
    }
    if (!target_->renderer) {
        throw std::runtime_error(SDL_GetError());
    }
    SDL_RenderSetLogicalSize(target_->renderer.get(), frameWidth, frameHeight);
    target_->texture.reset(SDL_CreateTexture(target_->renderer.get(), SDL_PIXELFORMAT_ARGB8888,
                                             SDL_TEXTUREACCESS_STREAMING, frameWidth, frameHeight));
    if (!target_->texture) {
        throw std::runtime_error(SDL_GetError());
    }
    // The pixels stay sharp at any window or screen size, whatever the renderer's default.
    SDL_SetTextureScaleMode(target_->texture.get(), SDL_ScaleModeNearest);
}

FramePresenter::~FramePresenter() = default;

void FramePresenter::setWaitVBlank(bool waitVBlank) {
    SDL_RenderSetVSync(target_->renderer.get(), waitVBlank ? 1 : 0);
}

void FramePresenter::present(const std::uint8_t* indexes, const std::uint32_t* lookup) {
    SDL_Renderer* renderer = target_->renderer.get();
    SDL_Texture* texture = target_->texture.get();
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(texture, nullptr, &pixels, &pitch) != 0) {
        return;
    }
    convertIndexesToArgb(indexes, frameWidth_, frameHeight_, lookup,
                         static_cast<std::uint32_t*>(pixels), pitch);
    SDL_UnlockTexture(texture);
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    SDL_RenderCopy(renderer, texture, nullptr, nullptr);
    SDL_RenderPresent(renderer);
}

}  // namespace platform
