#pragma once
// Runs the real game headless from a script of commands, one a line: a controllable clock,
// queued keys, recorded message boxes, JSON dumps of the game's values and PNG shots.

#include <functional>
#include <iosfwd>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

#include "game/GameSession.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"

namespace tools {

class ScriptError : public std::runtime_error {
  public:
    ScriptError(int line, const std::string& message);
};

class ScriptedDialog;

class ScriptRunner {
  public:
    // Everything the script prints goes to out.
    explicit ScriptRunner(std::ostream& out);
    ~ScriptRunner();

    // Runs every line, then ends the program as Esc does. Throws ScriptError.
    void run(std::istream& script);
    // One command; false once the program has ended.
    bool execute(const std::string& line);

    // The game window once the program has started, else null.
    game::TForm1* form() { return session_ ? &session_->form() : nullptr; }

    // The scripted program's ranking dialog, handed to the game by `start`: by default the real
    // one, driven by the script's lines while it is open.
    game::RankingDialogRunner rankingDialog;

    // Adds a command of its own; its handler reads the rest of the line from args.
    using Command = std::function<void(std::istringstream& args)>;
    void addCommand(const std::string& name, Command command);
    std::ostream& out() { return out_; }
    platform::Application& application();

    // For a modal loop inside the program: the running script's next line (false at its end),
    // and the number of the last line read.
    bool nextLine(std::string& line);
    int lineNumber() const { return lineNumber_; }
    // An error of a line run inside the program, where the loop's report would swallow it:
    // run() raises it once the line that entered the program has finished.
    void deferError(const ScriptError& error) { deferredError_ = error; }

  private:
    void addBuiltInCommands();
    void runLines();
    void start();
    void frames(std::uint32_t lag, int count);
    void key(const std::string& arguments);
    void typed(char character);
    void quit();
    game::GameSession& requireSession();

    std::ostream& out_;
    platform::ManualClock clock_;
    platform::RecordedMessageBoxes messageBoxes_;
    game::StartOptions startOptions_;
    std::optional<game::GameSession> session_;
    std::map<std::string, Command> commands_;
    bool ended_ = false;
    std::istream* script_ = nullptr;
    int lineNumber_ = 0;
    std::optional<ScriptError> deferredError_;
    std::unique_ptr<ScriptedDialog> dialog_;
};

}  // namespace tools
