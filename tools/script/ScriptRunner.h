#pragma once
// Runs the real game headless from a script of commands, one a line: a controllable clock,
// queued keys, recorded message boxes, JSON dumps of the game's values and PNG shots.

#include <functional>
#include <iosfwd>
#include <map>
#include <memory>
#include <sstream>
#include <string>

#include "game/Form1.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"

namespace tools {

class ScriptError : public std::runtime_error {
  public:
    ScriptError(int line, const std::string& message);
};

class ScriptRunner {
  public:
    // Everything the script prints goes to out.
    explicit ScriptRunner(std::ostream& out);
    ~ScriptRunner();

    // Runs every line, then ends the program as Esc does. Throws ScriptError.
    void run(std::istream& script);
    // One command; false once the program has ended.
    bool execute(const std::string& line);

    game::TForm1* form() { return form_.get(); }
    game::GameGlobals& globals() { return globals_; }

    // Set before `start`, as the scripted program's ranking dialog.
    game::RankingDialogRunner rankingDialog;

    // Adds a command of its own; its handler reads the rest of the line from args.
    using Command = std::function<void(std::istringstream& args)>;
    void addCommand(const std::string& name, Command command);
    std::ostream& out() { return out_; }
    platform::Application& application();

  private:
    void addBuiltInCommands();
    void start();
    void frames(std::uint32_t lag, int count);
    void key(const std::string& arguments);
    void typed(char character);
    void quit();
    game::TForm1& requireForm();

    std::ostream& out_;
    platform::ManualClock clock_;
    platform::RecordedMessageBoxes messageBoxes_;
    std::unique_ptr<platform::Application> application_;
    game::GameGlobals globals_;
    std::unique_ptr<game::TForm1> form_;
    std::map<std::string, Command> commands_;
    bool ended_ = false;
};

}  // namespace tools
