#pragma once
// The media layer's message texts. Texts with %s or %d are format strings.

namespace media::messages {

// Display.
inline constexpr const char* FormNotFound = "フォームが見つかりません";
inline constexpr const char* CannotChangeDisplayMode =
    "ディスプレイモードを変更できません (%dx%d %dbit)";
inline constexpr const char* CannotCreate = "%s を作成できません";
inline constexpr const char* CannotInitialize = "%s を初期化できません";
inline constexpr const char* CannotLoad = "%s を読み込めません";
inline constexpr const char* NotCreated = "%s は作成されていません";
inline constexpr const char* CannotLock = "%s をロックできません";
inline constexpr const char* InvalidBitCount = "8, 16, 24, 32 のいずれかの値でなければなりません";
inline constexpr const char* CannotDrawOnCanvas = "Canvas に対する描画ができません";
inline constexpr const char* PrimarySurfaceName = "プライマリサーフェース";
inline constexpr const char* SurfaceName = "サーフェース";
inline constexpr const char* DisplayDeviceName = "SDL2";
inline constexpr const char* SurfaceObjectName = "SDL_Surface";

// Pictures.
inline constexpr const char* InvalidDib = "不正な DIB です";
inline constexpr const char* PictureCollectionName = "TPictureCollection";

// Sounds.
inline constexpr const char* InvalidWave = "不正な Wave です";
inline constexpr const char* StreamAlreadyOpen = "ストリームはすでに開かれています";
inline constexpr const char* StreamNotOpen = "ストリームは開かれていません";
inline constexpr const char* InvalidFormat = "Format が不正です";
inline constexpr const char* PrimaryBufferName = "プライマリバッファ";
inline constexpr const char* SoundBufferName = "サウンドバッファ";
inline constexpr const char* SoundDeviceName = "SDL2_mixer";
inline constexpr const char* SoundBufferObjectName = "Mix_Chunk";

}  // namespace media::messages
