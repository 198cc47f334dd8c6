#pragma once
// The media layer's message texts, marked for the catalogue and turned where they are thrown.
// Texts with %s have places for values (text::filled).

#include "text/Translation.h"

namespace media::messages {

// Display.
inline constexpr const char* FormNotFound = text::trLater("フォームが見つかりません");
inline constexpr const char* CannotChangeDisplayMode =
    text::trLater("ディスプレイモードを変更できません (%sx%s %sbit)");
inline constexpr const char* CannotCreate = text::trLater("%s を作成できません");
inline constexpr const char* CannotInitialize = text::trLater("%s を初期化できません");
inline constexpr const char* CannotLoad = text::trLater("%s を読み込めません");
inline constexpr const char* NotCreated = text::trLater("%s は作成されていません");
inline constexpr const char* CannotLock = text::trLater("%s をロックできません");
inline constexpr const char* InvalidBitCount =
    text::trLater("8, 16, 24, 32 のいずれかの値でなければなりません");
inline constexpr const char* CannotDrawOnCanvas = text::trLater("Canvas に対する描画ができません");
inline constexpr const char* PrimarySurfaceName = text::trLater("プライマリサーフェース");
inline constexpr const char* SurfaceName = text::trLater("サーフェース");
inline constexpr const char* DisplayDeviceName = "SDL2";
inline constexpr const char* SurfaceObjectName = "SDL_Surface";

// Pictures.
inline constexpr const char* InvalidDib = text::trLater("不正な DIB です");
inline constexpr const char* PictureCollectionName = "TPictureCollection";

// Sounds.
inline constexpr const char* InvalidWave = text::trLater("不正な Wave です");
inline constexpr const char* StreamAlreadyOpen = text::trLater("ストリームはすでに開かれています");
inline constexpr const char* StreamNotOpen = text::trLater("ストリームは開かれていません");
inline constexpr const char* InvalidFormat = text::trLater("Format が不正です");
inline constexpr const char* PrimaryBufferName = text::trLater("プライマリバッファ");
inline constexpr const char* SoundBufferName = text::trLater("サウンドバッファ");
inline constexpr const char* SoundDeviceName = "SDL2_mixer";
inline constexpr const char* SoundBufferObjectName = "Mix_Chunk";

}  // namespace media::messages
