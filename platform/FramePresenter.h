#pragma once
// Shows frames of palette indexes in a window: each index becomes a 32-bit pixel through a
// lookup table, written straight into a streaming texture that is drawn scaled to the
// window, its shape kept, each pixel a sharp block.

#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

class Window;

struct ScreenMode {
    int width = 0;
    int height = 0;
};

// The modes the desktop's first display offers; at least the current desktop mode.
std::vector<ScreenMode> offeredScreenModes();

// Writes width x height indexes as 0xAARRGGBB pixels; the destination rows are pitch bytes apart.
void convertIndexesToArgb(const std::uint8_t* indexes, int width, int height,
                          const std::uint32_t* lookup, std::uint32_t* pixels, int pitch);

class FramePresenter {
  public:
    FramePresenter(Window& window, int frameWidth, int frameHeight, bool waitVBlank);
    ~FramePresenter();
    FramePresenter(const FramePresenter&) = delete;
    FramePresenter& operator=(const FramePresenter&) = delete;

    void setWaitVBlank(bool waitVBlank);
    void present(const std::uint8_t* indexes, const std::uint32_t* lookup);

  private:
    struct Target;

    std::unique_ptr<Target> target_;
    int frameWidth_;
    int frameHeight_;
};

}  // namespace platform
