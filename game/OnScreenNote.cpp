#include "game/OnScreenNote.h"

#include <utility>

#include "game/Colors.h"
#include "game/ScopedCanvas.h"

namespace game {

void OnScreenNote::show(std::string text) {
    text_ = std::move(text);
    leftMs_ = ShownMs;
}

void OnScreenNote::advance(std::int32_t lagCount) {
    leftMs_ -= lagCount;
    if (leftMs_ <= 0) {
        text_.clear();
    }
}

void OnScreenNote::draw(media::TSurface& surface) const {
    if (text_.empty()) {
        return;
    }
    ScopedCanvas canvas(surface);
    canvas->Brush.SetStyle(media::bsClear);
    canvas->Font.Size = 16;
    // A shadow keeps it readable over any screen.
    canvas->Font.Color = Black;
    canvas->TextOut(9, 577, text_);
    canvas->Font.Color = Yellow;
    canvas->TextOut(8, 576, text_);
}

}  // namespace game
