#pragma once
// One run of the game: the application and its game window, over the clock, the message boxes
// and the ranking dialog that the program (or a test, or the scripted runner) gives it.

#include <cstdint>

#include "core/Simulation.h"
#include "game/Form1.h"
#include "game/StartOptions.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"

namespace game {

class GameSession {
  public:
    // Creates the game window (FormCreate runs); it shows only with Show. Clock and boxes must
    // outlive the session.
    GameSession(platform::Clock& clock, platform::MessageBoxes& messageBoxes,
                RankingDialogRunner rankingDialog = {}, const StartOptions& options = {});
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    platform::Application& application() { return application_; }
    TForm1& form() { return form_; }
    core::GameGlobals& globals() { return simulation_.state(); }
    core::Simulation& simulation() { return simulation_; }

    // The first show initialises the display.
    void show() { form_.Show(); }
    // Runs the loop until the application terminates, then closes the window: the table is
    // saved.
    void run();
    // Runs the loop until it has made one idle pass, which is one frame when the clock has
    // moved on by the frame timer's interval; false once the application has terminated.
    bool runFrame();
    // Closes the window as the end of a run does; later calls do nothing.
    void close() { form_.Close(); }

  private:
    platform::Application application_;
    core::Simulation simulation_;
    TForm1 form_;
};

}  // namespace game
