#include "game/CanvasText.h"

#include <string>

namespace game {

void textOutCentred(media::TSurfaceCanvas& canvas, int centreX, int y, std::string_view text) {
    canvas.TextOut(centreX - canvas.TextWidth(text) / 2, y, text);
}

void numberOutRight(media::TSurfaceCanvas& canvas, int rightX, int y, std::int32_t number) {
    const std::string text = std::to_string(number);
    canvas.TextOut(rightX - canvas.TextWidth(text), y, text);
}

}  // namespace game
