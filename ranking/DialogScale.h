#pragma once
// The dialog's layout is in the pixels of a 96-dpi screen. On a denser desktop every length is
// drawn that many times larger, in whole pixels, and every edge as many whole pixels wide as
// the factor holds, so that edges stay crisp.

#include <algorithm>
#include <cmath>

#include "ranking/Controls.h"

namespace ranking {

class DialogScale {
  public:
    explicit DialogScale(float factor) : factor_(factor) {}

    float factor() const { return factor_; }
    int pixels(int length) const {
        return static_cast<int>(std::lround(static_cast<float>(length) * factor_));
    }
    // Its corners are scaled, so that bounds that met at scale 1 still meet.
    TBounds bounds(const TBounds& b) const {
        const int left = pixels(b.Left);
        const int top = pixels(b.Top);
        return {left, top, pixels(b.Left + b.Width) - left, pixels(b.Top + b.Height) - top};
    }
    // The width of an edge line.
    int line() const { return std::max(1, static_cast<int>(factor_)); }

  private:
    float factor_;
};

}  // namespace ranking
