#pragma once
// A surface's canvas for one drawing step. While the canvas holds the surface, fills and
// picture copies do nothing, so it is given back when the step ends, also by an exception.

#include "media/Surface.h"
#include "media/SurfaceCanvas.h"

namespace game {

class ScopedCanvas {
  public:
    explicit ScopedCanvas(media::TSurface& surface) : canvas_(surface.Canvas()) {}
    ~ScopedCanvas() { canvas_.Release(); }
    ScopedCanvas(const ScopedCanvas&) = delete;
    ScopedCanvas& operator=(const ScopedCanvas&) = delete;

    media::TSurfaceCanvas& operator*() { return canvas_; }
    media::TSurfaceCanvas* operator->() { return &canvas_; }

  private:
    media::TSurfaceCanvas& canvas_;
};

}  // namespace game
