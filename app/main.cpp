// プドロク: the program's start. The game window runs until the application terminates.

#include <SDL.h>

#include "app/RankingDialog.h"
#include "game/DataFolderLock.h"
#include "game/GameSession.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "ranking/ModalLoop.h"
#include "ranking/RankingSite.h"

int main(int, char**) {
    // Full screen stays up while another window (the ranking dialog, a message box) has focus.
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    platform::SystemClock clock;
    platform::DesktopMessageBoxes messageBoxes;
    ranking::RankingSettings rankingSettings;
    ranking::ApplicationModalLoop rankingLoop;
    try {
        // The data folder is the working folder; the lock lasts as long as the program.
        const game::DataFolderLock dataFolder(".");
        game::GameSession session(clock, messageBoxes,
                                  app::MakeRankingDialog(rankingSettings, rankingLoop));
        // The picture's pace was made for 60 frames a second, whatever the display.
        session.Form().FrameTimer1.SetMaximumFrameRate(60);
        session.Show();
        session.Run();
        if (session.Form().FinalSaveFailed()) {
            return 1;
        }
    } catch (const game::AlreadyRunning& error) {
        messageBoxes.show({game::GameTitle, error.what(), platform::MessageIcon::Warning}, nullptr);
        return 1;
    } catch (const std::exception& error) {
        platform::showExceptionBox(messageBoxes, game::GameTitle, error);
        return 1;
    }
    return 0;
}
