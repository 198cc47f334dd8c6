#include "game/Settings.h"

#include <charconv>
#include <stdexcept>

#include "game/SaveFiles.h"
#include "text/MessageLines.h"
#include "text/Placeholders.h"
#include "text/Translation.h"

namespace game {

namespace {

struct Damaged : std::runtime_error {
    using std::runtime_error::runtime_error;
};

int numberIn(const std::string& text, int low, int high) {
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || number < low ||
        number > high) {
        throw Damaged(text);
    }
    return number;
}

bool yesOrNo(const std::string& text) {
    for (const char* yes : {"yes", "true", "on", "1"}) {
        if (text == yes) {
            return true;
        }
    }
    for (const char* no : {"no", "false", "off", "0"}) {
        if (text == no) {
            return false;
        }
    }
    throw Damaged(text);
}

// A place far off every desktop would leave the window out of sight; a few thousand pixels of
// either sign cover any arrangement of screens.
constexpr int PlaceLimit = 1 << 15;

std::optional<WindowPlace> windowPlaceIn(const IniDocument& document) {
    const auto x = document.value("window", "x");
    const auto y = document.value("window", "y");
    const auto width = document.value("window", "width");
    const auto height = document.value("window", "height");
    if (!x || !y || !width || !height) {
        return std::nullopt;
    }
    return WindowPlace{numberIn(*x, -PlaceLimit, PlaceLimit), numberIn(*y, -PlaceLimit, PlaceLimit),
                       numberIn(*width, 1, PlaceLimit), numberIn(*height, 1, PlaceLimit)};
}

Settings settingsIn(const IniDocument& document) {
    Settings settings;
    if (const auto mode = document.value("display", "mode")) {
        if (*mode != "window" && *mode != "fullscreen") {
            throw Damaged(*mode);
        }
        settings.windowed = *mode == "window";
    }
    settings.window = windowPlaceIn(document);
    if (const auto volume = document.value("sound", "volume")) {
        settings.volume = numberIn(*volume, 0, 100);
    }
    if (const auto mute = document.value("sound", "mute")) {
        settings.mute = yesOrNo(*mute);
    }
    if (const auto reduce = document.value("display", "reduce_flashing")) {
        settings.reduceFlashing = yesOrNo(*reduce);
    }
    settings.language = text::languageNamed(document.value("general", "language").value_or(""));
    if (const auto seen = document.value("general", "how_to_play_seen")) {
        settings.howToPlaySeen = yesOrNo(*seen);
    }
    return settings;
}

std::string damageText(const std::string& detail) {
    return text::joinedLines(
        {text::filled(text::tr("設定ファイル %s が壊れていたため、設定を初期値に戻しました (%s)。"),
                      {SettingsFileName, detail}),
         text::filled(text::tr("元のファイルは %s.damaged に残しました。"), {SettingsFileName})});
}

}  // namespace

LoadedSettings loadSettings(const std::filesystem::path& folder, FileSystem& fs) {
    const std::string path = (folder / SettingsFileName).string();
    LoadedSettings loaded;
    if (!fs.isFile(path)) {
        return loaded;
    }
    const std::string text = readFileStart(fs, path, SettingsReadLimit + 1);
    std::string detail;
    if (text.size() > SettingsReadLimit) {
        detail = text::tr("大きすぎます");
    } else if (auto [document, badLine] = IniDocument::parse(text); badLine) {
        detail = *badLine > 0 ? text::filled(text::tr("%s 行目"), {std::to_string(*badLine)})
                              : text::tr("NUL 文字");
    } else {
        try {
            loaded.settings = settingsIn(document);
            loaded.document = std::move(document);
            return loaded;
        } catch (const Damaged& value) {
            detail = text::filled(text::tr("値 \"%s\""), {value.what()});
        }
    }
    loaded.damage = damageText(detail);
    fs.rename(path, path + ".damaged");
    return loaded;
}

void saveSettings(const Settings& settings, IniDocument& document,
                  const std::filesystem::path& folder, FileSystem& fs) {
    if (settings.windowed) {
        document.set("display", "mode", *settings.windowed ? "window" : "fullscreen");
    }
    document.set("display", "reduce_flashing", settings.reduceFlashing ? "yes" : "no");
    if (settings.window) {
        document.set("window", "x", std::to_string(settings.window->x));
        document.set("window", "y", std::to_string(settings.window->y));
        document.set("window", "width", std::to_string(settings.window->width));
        document.set("window", "height", std::to_string(settings.window->height));
    }
    document.set("sound", "volume", std::to_string(settings.volume));
    document.set("sound", "mute", settings.mute ? "yes" : "no");
    document.set("general", "how_to_play_seen", settings.howToPlaySeen ? "yes" : "no");
    replaceFile(fs, (folder / SettingsFileName).string(), document.text());
}

}  // namespace game
