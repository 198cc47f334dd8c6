#pragma once
// The sounds the rules call for, by their position in the game's sound list.

#include <cstdint>

namespace core {

enum SoundIndex : int {
    MakerSound,     // the maker's chime, as the opening's countdown runs out
    TitleSound,     // the game's name called on the title
    ReadySound,     // a new game's call
    RightSound,     // a right answer
    WrongSound,     // a wrong answer or a time-out
    KnockSound,     // a block that refills the board
    GameOverSound,  // the game-over phrase
    SoundCount
};

// `PendingSound` holds 0 for no sound, else a sound's cue: one above its list position.
constexpr std::int32_t cueOf(SoundIndex sound) {
    return sound + 1;
}
constexpr int soundOfCue(std::int32_t cue) {
    return cue - 1;
}

}  // namespace core
