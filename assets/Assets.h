#pragma once
// The game's three pictures and seven sounds, built into the program in their stored forms,
// with the settings their list items are stored with. The game fills its picture and sound
// lists from these, in this order, and addresses every asset by its position.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "core/Sounds.h"

namespace assets {

// The sounds by their position in the sound list, as the rules call for them.
using core::SoundCount;
using core::SoundIndex;

// The pictures by their position in the picture list.
enum PictureIndex : int { LogoPicture, TitlePicture, BlockPicture, PictureCount };

// The picture data stream (length byte, "TDIB", bitmap) of picture index: 0 the maker's logo,
// 1 the title, 2 the block sheet. Throws std::out_of_range for any other index.
std::span<const std::uint8_t> picture(int index);
// The complete RIFF WAVE image of sound index 0 to 6. Throws std::out_of_range otherwise.
std::span<const std::uint8_t> sound(int index);

struct PictureItemSettings {
    std::string_view Name;
    int PatternWidth;
    int PatternHeight;
    bool SystemMemory;
    bool Transparent;
    std::uint32_t TransparentColor;  // 0x00BBGGRR
};

inline constexpr std::array<PictureItemSettings, PictureCount> PictureItems{{
    {"ロゴ", 150, 32, true, true, 0x000000},
    {"タイトル", 400, 200, true, true, 0x000000},
    {"ブロック", 20, 20, false, false, 0x000000},
}};
static_assert(!PictureItems.back().Name.empty(), "every picture has its settings");

struct SoundItemSettings {
    std::string_view Name;
    bool Looped;
    int MaxPlayingCount;  // 0: no limit
};

inline constexpr std::array<SoundItemSettings, SoundCount> SoundItems{{
    {"soft", false, 0},
    {"プドロク", false, 0},
    {"さぁ…", false, 0},
    {"プドー！", false, 0},
    {"ウワ", false, 0},
    {"木魚", false, 0},
    {"over", false, 0},
}};
static_assert(!SoundItems.back().Name.empty(), "every sound has its settings");

}  // namespace assets
