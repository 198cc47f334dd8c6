#include "assets/Assets.h"

#include <stdexcept>
#include <string>

// Each stored file is assembled byte for byte into read-only data between two symbols, so the
// program carries its assets and reads no files. PUDOROCK_ASSETS_DIR is set by the build.
#define PUDOROCK_EMBED(symbol, file)                \
    asm(".section .rodata.pudorock_assets,\"a\"\n"  \
        ".balign 16\n"                              \
        ".globl " #symbol                           \
        "_begin\n"                                  \
        ".hidden " #symbol "_begin\n" #symbol       \
        "_begin:\n"                                 \
        ".incbin \"" PUDOROCK_ASSETS_DIR "/" file   \
        "\"\n"                                      \
        ".globl " #symbol                           \
        "_end\n"                                    \
        ".hidden " #symbol "_end\n" #symbol         \
        "_end:\n"                                   \
        ".previous\n");                             \
    extern "C" const std::uint8_t symbol##_begin[]; \
    extern "C" const std::uint8_t symbol##_end[]

PUDOROCK_EMBED(pudorock_picture0, "picture0-logo.dib");
PUDOROCK_EMBED(pudorock_picture1, "picture1-title.dib");
PUDOROCK_EMBED(pudorock_picture2, "picture2-blocks.dib");
PUDOROCK_EMBED(pudorock_sound0, "sound0-soft.wav");
PUDOROCK_EMBED(pudorock_sound1, "sound1-pudorock.wav");
PUDOROCK_EMBED(pudorock_sound2, "sound2-saa.wav");
PUDOROCK_EMBED(pudorock_sound3, "sound3-pudo.wav");
PUDOROCK_EMBED(pudorock_sound4, "sound4-uwa.wav");
PUDOROCK_EMBED(pudorock_sound5, "sound5-mokugyo.wav");
PUDOROCK_EMBED(pudorock_sound6, "sound6-over.wav");

#undef PUDOROCK_EMBED

namespace assets {

namespace {

struct Embedded {
    const std::uint8_t* begin;
    const std::uint8_t* end;
};

constexpr std::array<Embedded, PictureCount> Pictures{{
    {pudorock_picture0_begin, pudorock_picture0_end},
    {pudorock_picture1_begin, pudorock_picture1_end},
    {pudorock_picture2_begin, pudorock_picture2_end},
}};

constexpr std::array<Embedded, SoundCount> Sounds{{
    {pudorock_sound0_begin, pudorock_sound0_end},
    {pudorock_sound1_begin, pudorock_sound1_end},
    {pudorock_sound2_begin, pudorock_sound2_end},
    {pudorock_sound3_begin, pudorock_sound3_end},
    {pudorock_sound4_begin, pudorock_sound4_end},
    {pudorock_sound5_begin, pudorock_sound5_end},
    {pudorock_sound6_begin, pudorock_sound6_end},
}};

template <std::size_t Count>
std::span<const std::uint8_t> lookUp(const std::array<Embedded, Count>& table, int index,
                                     const char* kind) {
    if (index < 0 || index >= static_cast<int>(Count)) {
        throw std::out_of_range(std::string("no ") + kind + " " + std::to_string(index));
    }
    return {table[index].begin, table[index].end};
}

}  // namespace

std::span<const std::uint8_t> picture(int index) {
    return lookUp(Pictures, index, "picture");
}

std::span<const std::uint8_t> sound(int index) {
    return lookUp(Sounds, index, "sound");
}

}  // namespace assets
