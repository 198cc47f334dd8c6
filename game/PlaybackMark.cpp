#include "game/PlaybackMark.h"

#include "game/Colors.h"
#include "game/ScopedCanvas.h"

namespace game {

std::string playbackMarkOf(const ReplayPlayback& playback, bool demo) {
    if (demo) {
        return "DEMO";
    }
    if (playback.paused()) {
        return "REPLAY PAUSE";
    }
    return playback.speed() == 1 ? "REPLAY" : "REPLAY x" + std::to_string(playback.speed());
}

void drawPlaybackMark(media::TSurface& surface, const std::string& mark) {
    ScopedCanvas canvas(surface);
    canvas->Brush.SetStyle(media::bsClear);
    canvas->Font.Size = 20;
    canvas->Font.Color = Yellow;
    canvas->TextOut(620, 560, mark);
}

}  // namespace game
