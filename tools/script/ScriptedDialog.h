#pragma once
// The ranking dialog under the scripted runner. Its modal loop runs the script's next lines,
// which act on the open dialog, until it closes; the script then goes on after them. It adds
// the commands `ranking-host HOST[:PORT]`, `type name|comment TEXT` and
// `click send|close|view|closebox`; opening the browser prints `open-url: URL`.

#include <string>

#include "game/Form1.h"
#include "ranking/Form2.h"
#include "ranking/ModalLoop.h"
#include "ranking/RankingSite.h"

namespace tools {

class ScriptRunner;

class ScriptedDialog final : public ranking::ModalLoop {
  public:
    explicit ScriptedDialog(ScriptRunner& runner);

    // What the program runs for the ranking dialog.
    game::RankingDialogRunner runner();
    // The dialog while it is open, else null.
    ranking::TForm2* openDialog() const { return dialog_; }

    void run(ranking::TForm2& dialog) override;

  private:
    void addCommands();
    ranking::TForm2& requireDialog() const;
    // Runs one line inside the dialog; only dialog commands are allowed there.
    void runLine(const std::string& line);

    ScriptRunner& runner_;
    ranking::RankingSettings settings_;
    ranking::TForm2* dialog_ = nullptr;
};

}  // namespace tools
