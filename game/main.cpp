// プドロク: the program's start. The game window runs until the application terminates.

#include <SDL.h>

#include "game/Form1.h"
#include "platform/Application.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "ranking/RankingDialog.h"

int main(int, char**) {
    // Full screen stays up while another window (the ranking dialog, a message box) has focus.
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    platform::SystemClock clock;
    platform::DesktopMessageBoxes messageBoxes;
    platform::Application application(clock, messageBoxes);
    application.setTitle(game::GameTitle);
    try {
        game::GameGlobals globals;
        ranking::RankingSettings rankingSettings;
        ranking::ApplicationModalLoop rankingLoop;
        game::TForm1 form1(application, globals);
        form1.RunRankingDialog = ranking::MakeRankingDialog(rankingSettings, rankingLoop);
        form1.Show();
        application.run();
        form1.Close();
    } catch (const std::exception& error) {
        application.showException(error);
        return 1;
    }
    return 0;
}
