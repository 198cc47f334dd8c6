#include "tools/script/ScriptRunner.h"

#include <charconv>
#include <cstdlib>
#include <istream>
#include <optional>
#include <ostream>
#include <string_view>
#include <utility>

#include "core/PlayRules.h"
#include "game/DigitKeys.h"
#include "game/FrameShot.h"
#include "platform/HeadlessDrivers.h"
#include "platform/Keys.h"
#include "replay/ReplayFile.h"
#include "text/Translation.h"
#include "tools/script/GameDump.h"
#include "tools/script/ScriptedDialog.h"

namespace tools {

namespace {

struct NamedKey {
    const char* name;
    std::uint16_t code;
};

constexpr NamedKey NamedKeys[] = {
    {"space", platform::vk::Space},
    {"enter", platform::vk::Return},
    {"esc", platform::vk::Escape},
};

std::optional<unsigned> decimalOf(std::string_view text) {
    unsigned value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// A named key, a digit, a letter, f1 to f12, or a decimal virtual-key code.
std::uint16_t keyCodeOf(const std::string& name) {
    for (const NamedKey& key : NamedKeys) {
        if (name == key.name) {
            return key.code;
        }
    }
    if (name.size() == 1 && name[0] >= '0' && name[0] <= '9') {
        return static_cast<std::uint16_t>(platform::vk::Digit0 + (name[0] - '0'));
    }
    if (name.size() == 1 && name[0] >= 'a' && name[0] <= 'z') {
        return platform::vk::letterKey(static_cast<char>(name[0] - 'a' + 'A'));
    }
    if (name.size() > 1 && name[0] == 'f') {
        const auto number = decimalOf(std::string_view(name).substr(1));
        if (number && *number >= 1 && *number <= 12) {
            return static_cast<std::uint16_t>(platform::vk::F1 + *number - 1);
        }
    }
    const auto code = decimalOf(name);
    if (!code || *code == 0 || *code > 0xFFFF) {
        throw std::invalid_argument("unknown key: " + name);
    }
    return static_cast<std::uint16_t>(*code);
}

void postTo(platform::Application& application, platform::MessageKind kind) {
    platform::Message message;
    message.kind = kind;
    application.post(message);
}

platform::TimeOfDay parseTimeOfDay(const std::string& text) {
    platform::TimeOfDay time;
    char colon1 = 0;
    char colon2 = 0;
    char dot = 0;
    std::istringstream in(text);
    if (!(in >> time.hour >> colon1 >> time.minute >> colon2 >> time.second >> dot >>
          time.millisecond) ||
        colon1 != ':' || colon2 != ':' || dot != '.') {
        throw std::invalid_argument("time wants HH:MM:SS.mmm");
    }
    return time;
}

}  // namespace

ScriptError::ScriptError(int line, const std::string& message)
    : std::runtime_error("line " + std::to_string(line) + ": " + message) {}

ScriptRunner::ScriptRunner(std::ostream& out)
    : out_(out), messageBoxes_([this](const platform::ShownMessage& message) {
          out_ << "msgbox: " << message.caption << ": " << message.text << '\n';
      }) {
    platform::useHeadlessDrivers();
    addBuiltInCommands();
    dialog_ = std::make_unique<ScriptedDialog>(*this);
    rankingDialog = dialog_->runner();
}

ScriptRunner::~ScriptRunner() = default;

platform::Application& ScriptRunner::application() {
    return requireSession().application();
}

game::GameSession& ScriptRunner::requireSession() {
    if (!session_) {
        throw std::logic_error("the program has not started (start)");
    }
    return *session_;
}

void ScriptRunner::addCommand(const std::string& name, Command command) {
    commands_[name] = std::move(command);
}

void ScriptRunner::addBuiltInCommands() {
    addCommand("time", [this](std::istringstream& args) {
        std::string text;
        args >> text;
        clock_.setTimeOfDay(parseTimeOfDay(text));
    });
    addCommand("start", [this](std::istringstream&) { start(); });
    // The title's demo stays off unless a script asks for it, so that idle titles stay as they
    // were.
    addCommand("attract", [this](std::istringstream& args) {
        std::string value;
        if (!(args >> value) || (value != "on" && value != "off")) {
            throw std::invalid_argument("attract wants on or off");
        }
        startOptions_.attract = value == "on";
    });
    // As --lang does; without it a script speaks Japanese, whatever the environment says.
    addCommand("lang", [this](std::istringstream& args) {
        std::string code;
        args >> code;
        startOptions_.language = text::languageNamed(code);
        if (!startOptions_.language) {
            throw std::invalid_argument("lang wants ja or en");
        }
    });
    addCommand("replay", [this](std::istringstream& args) {
        std::string file;
        if (!(args >> file)) {
            throw std::invalid_argument("replay wants FILE");
        }
        startOptions_.watch = replay::readReplayFile(file);
    });
    addCommand("answer", [this](std::istringstream&) {
        typed(core::answerKeyOf(core::colourWithMostBlocks(requireSession().globals())));
    });
    addCommand("frame", [this](std::istringstream& args) {
        std::uint32_t lag = 0;
        int count = 1;
        if (!(args >> lag)) {
            throw std::invalid_argument("frame wants LAG [N]");
        }
        args >> count;
        frames(lag, count);
    });
    addCommand("key", [this](std::istringstream& args) {
        std::string rest;
        std::getline(args, rest);
        key(rest);
    });
    addCommand("char", [this](std::istringstream& args) {
        char character = 0;
        if (!(args >> character)) {
            throw std::invalid_argument("char wants a character");
        }
        typed(character);
    });
    addCommand("pump", [this](std::istringstream&) { application().processMessages(); });
    // The game window loses the focus to another window, or gets it back, as on a desktop.
    addCommand("focus", [this](std::istringstream& args) {
        std::string value;
        if (!(args >> value) || (value != "lost" && value != "back")) {
            throw std::invalid_argument("focus wants lost or back");
        }
        postTo(application(), value == "lost" ? platform::MessageKind::Deactivate
                                              : platform::MessageKind::Activate);
    });
    addCommand("dump", [this](std::istringstream&) {
        out_ << dumpGame(requireSession().form(), dialog_->openDialog()) << '\n';
    });
    addCommand("shot", [this](std::istringstream& args) {
        std::string path;
        if (!(args >> path)) {
            throw std::invalid_argument("shot wants FILE");
        }
        if (ranking::TForm2* dialog = dialog_->openDialog()) {
            dialog->CapturePaint(path);
            dialog->Paint();
        } else {
            game::saveFrameShot(requireSession().form().Display1, path);
        }
    });
    addCommand("quit", [this](std::istringstream&) { quit(); });
}

void ScriptRunner::run(std::istream& script) {
    script_ = &script;
    lineNumber_ = 0;
    try {
        runLines();
    } catch (...) {
        script_ = nullptr;
        throw;
    }
    script_ = nullptr;
    if (!ended_) {
        quit();
    }
}

void ScriptRunner::runLines() {
    std::string line;
    while (!ended_ && nextLine(line)) {
        const int number = lineNumber_;
        try {
            execute(line);
        } catch (const std::exception& error) {
            throw ScriptError(number, error.what());
        }
        if (deferredError_) {
            throw *std::exchange(deferredError_, std::nullopt);
        }
    }
}

bool ScriptRunner::nextLine(std::string& line) {
    if (script_ == nullptr || !std::getline(*script_, line)) {
        return false;
    }
    ++lineNumber_;
    return true;
}

bool ScriptRunner::execute(const std::string& line) {
    std::istringstream args(line.substr(0, line.find('#')));
    std::string name;
    if (!(args >> name)) {
        return !ended_;
    }
    auto command = commands_.find(name);
    if (command == commands_.end()) {
        throw std::invalid_argument("unknown command: " + name);
    }
    command->second(args);
    return !ended_;
}

void ScriptRunner::start() {
    if (session_) {
        throw std::logic_error("the program has already started");
    }
    text::useLanguage(startOptions_.language.value_or(text::Language::Japanese));
    session_.emplace(clock_, messageBoxes_, rankingDialog, startOptions_);
    session_->form().WaveList1.OnPlay = [this](int index) { out_ << "sound: " << index << '\n'; };
    session_->show();
}

void ScriptRunner::frames(std::uint32_t lag, int count) {
    game::GameSession& session = requireSession();
    bool running = !session.application().terminated();
    for (int i = 0; i < count && running; ++i) {
        clock_.advance(lag);
        running = session.runFrame();
    }
    if (!running) {
        quit();
    }
}

void ScriptRunner::key(const std::string& arguments) {
    std::istringstream in(arguments);
    std::string name;
    if (!(in >> name)) {
        throw std::invalid_argument("key wants NAME [+shift] [+alt] [+ctrl]");
    }
    platform::Message message;
    message.kind = platform::MessageKind::KeyDown;
    message.key = keyCodeOf(name);
    for (std::string modifier; in >> modifier;) {
        if (modifier == "+shift") {
            message.shift.shift = true;
        } else if (modifier == "+alt") {
            message.shift.alt = true;
        } else if (modifier == "+ctrl") {
            message.shift.ctrl = true;
        } else {
            throw std::invalid_argument("unknown modifier: " + modifier);
        }
    }
    application().post(message);
    if (auto digit = game::typedDigitOf(message.key, message.shift)) {
        typed(*digit);
    }
}

void ScriptRunner::typed(char character) {
    platform::Message message;
    message.kind = platform::MessageKind::KeyPress;
    message.key = static_cast<unsigned char>(character);
    application().post(message);
}

void ScriptRunner::quit() {
    if (ended_) {
        return;
    }
    ended_ = true;
    if (session_) {
        session_->close();
    }
}

}  // namespace tools
