#pragma once
// The player's settings, kept in `settings.ini` of the save folder: display mode, the window's
// place, the volume, reduced flashing, the language and whether the how-to-play page was seen.
// A damaged file is put aside and the defaults take its place; keys and sections of others are
// kept when the file is rewritten.

#include <filesystem>
#include <optional>
#include <string>

#include "game/BestTenStore.h"
#include "game/IniDocument.h"
#include "platform/Window.h"
#include "text/Language.h"

namespace game {

inline constexpr const char* SettingsFileName = "settings.ini";
// A settings file is a few lines; a huge one is taken for damaged rather than read.
inline constexpr std::size_t SettingsReadLimit = 64 * 1024;

// The window's place and client size on the desktop.
using WindowPlace = platform::ScreenArea;

struct Settings {
    // Unset: as the command line says (full screen without --window).
    std::optional<bool> windowed;
    // Where the window was last; unset: centred at its default size.
    std::optional<WindowPlace> window;
    int volume = 100;  // 0 to 100
    bool mute = false;
    bool reduceFlashing = false;
    // [general] language, ja or en; anything else is ignored rather than taken for damage, and
    // the environment's language applies.
    std::optional<text::Language> language;
    // Once the player has opened the how-to-play page, the title stops pointing at it.
    bool howToPlaySeen = false;
};

struct LoadedSettings {
    Settings settings;
    // What the file held, for keeping what others wrote.
    IniDocument document;
    // Why the file was taken for damaged (and put aside); empty when it was not.
    std::string damage;
};

// The settings in `folder`, the defaults when there is no file. A damaged file (one that does
// not parse, holds a value of ours that makes no sense, or is too large) is renamed to
// `settings.ini.damaged` and the defaults are returned with the reason. Throws EInOutError when
// the file cannot be read.
LoadedSettings loadSettings(const std::filesystem::path& folder,
                            FileSystem& fs = defaultFileSystem());

// Writes the settings into the document and the document atomically into `folder`.
// Throws EInOutError.
void saveSettings(const Settings& settings, IniDocument& document,
                  const std::filesystem::path& folder, FileSystem& fs = defaultFileSystem());

}  // namespace game
