#include "tools/script/ScriptedDialog.h"

#include <charconv>
#include <set>
#include <sstream>
#include <stdexcept>

#include "app/RankingDialog.h"
#include "platform/DesktopRequests.h"
#include "text/Trim.h"
#include "tools/script/ScriptRunner.h"

namespace tools {

namespace {

// The commands a line may use while the dialog is open.
const std::set<std::string> DialogCommands = {"type", "click", "key", "dump", "pump", "shot"};

// The rest of a command line as typed text: surrounding spaces dropped; "\xHH" stands for a
// byte and "\\" for a backslash, so that spaces at the ends, "#" and line ends can be typed.
std::string typedTextOf(std::istringstream& args) {
    std::string rest;
    std::getline(args, rest);
    const std::string_view raw = text::trimmed(rest);
    std::string text;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\\') {
            text += raw[i];
        } else if (raw.compare(i, 2, "\\\\") == 0) {
            text += '\\';
            ++i;
        } else {
            unsigned byte = 0;
            const char* digits = raw.data() + i + 2;
            if (raw.compare(i, 2, "\\x") != 0 || i + 4 > raw.size() ||
                std::from_chars(digits, digits + 2, byte, 16).ptr != digits + 2) {
                throw std::invalid_argument("type: a backslash starts \\xHH or \\\\");
            }
            text += static_cast<char>(byte);
            i += 3;
        }
    }
    return text;
}

std::string firstWordOf(const std::string& line) {
    std::istringstream words(line.substr(0, line.find('#')));
    std::string word;
    words >> word;
    return word;
}

}  // namespace

ScriptedDialog::ScriptedDialog(ScriptRunner& runner) : runner_(runner) {
    settings_.OpenUrl = [this](const std::string& url) {
        runner_.out() << "open-url: " << url << '\n';
    };
    addCommands();
}

game::RankingDialogRunner ScriptedDialog::runner() {
    return app::makeRankingDialog(settings_, *this);
}

ranking::TForm2& ScriptedDialog::requireDialog() const {
    if (dialog_ == nullptr) {
        throw std::logic_error("the ranking dialog is not open");
    }
    return *dialog_;
}

void ScriptedDialog::addCommands() {
    runner_.addCommand("ranking-host", [this](std::istringstream& args) {
        if (!(args >> settings_.Host)) {
            throw std::invalid_argument("ranking-host wants HOST[:PORT]");
        }
    });
    runner_.addCommand("type", [this](std::istringstream& args) {
        ranking::TForm2& dialog = requireDialog();
        std::string box;
        args >> box;
        if (box != "name" && box != "comment") {
            throw std::invalid_argument("type wants name|comment TEXT");
        }
        (box == "name" ? dialog.Edit1 : dialog.Edit2).TypeOver(typedTextOf(args));
    });
    runner_.addCommand("click", [this](std::istringstream& args) {
        std::string what;
        args >> what;
        if (what == "game") {
            // A mouse button on the game window; a disabled window drops it.
            platform::Message message;
            message.kind = platform::MessageKind::Click;
            runner_.application().post(message);
            return;
        }
        ranking::TForm2& dialog = requireDialog();
        if (what == "send") {
            dialog.Click(dialog.Button1);
        } else if (what == "close") {
            dialog.Click(dialog.Button2);
        } else if (what == "view") {
            dialog.Click(dialog.Button3);
        } else if (what == "closebox") {
            platform::pushCloseRequest(dialog.Window());
            runner_.application().processMessages();
        } else {
            throw std::invalid_argument("click wants game|send|close|view|closebox");
        }
    });
}

void ScriptedDialog::run(ranking::TForm2& dialog) {
    dialog_ = &dialog;
    dialog.Paint();
    std::string line;
    // A quit ends the dialog as it ends the application's own modal loop.
    while (!dialog.Closed() && !dialog.Application().terminated()) {
        if (!runner_.nextLine(line)) {
            runner_.deferError(
                ScriptError(runner_.lineNumber(), "the script ended with the ranking dialog open"));
            break;
        }
        try {
            runLine(line);
            dialog.Paint();
        } catch (const std::exception& error) {
            runner_.deferError(ScriptError(runner_.lineNumber(), error.what()));
            break;
        }
    }
    dialog_ = nullptr;
}

void ScriptedDialog::runLine(const std::string& line) {
    const std::string command = firstWordOf(line);
    if (!command.empty() && !DialogCommands.contains(command)) {
        throw std::invalid_argument(command + ": not while the ranking dialog is open");
    }
    runner_.execute(line);
}

}  // namespace tools
