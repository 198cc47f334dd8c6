// プドロク: the program's start. The game window runs until the application terminates.

#include <iostream>
#include <stdexcept>

#include "app/CommandLine.h"
#include "app/DataFolderChoice.h"
#include "app/RankingDialog.h"
#include "game/DataFolderLock.h"
#include "game/GameSession.h"
#include "platform/Clock.h"
#include "platform/DesktopDisplay.h"
#include "platform/MessageBoxes.h"
#include "ranking/ModalLoop.h"
#include "ranking/RankingSite.h"

namespace {

// Before anything is made or saved: without a display the game would run on unseen.
void requireDesktopDisplay() {
    if (const auto problem = platform::desktopDisplayProblem()) {
        throw std::runtime_error("ディスプレイを開けません\r" + *problem);
    }
}

}  // namespace

int main(int argc, char** argv) {
    int exitCode = 0;
    const auto options = app::parseCommandLine(argc, argv, std::cout, std::cerr, exitCode);
    if (!options) {
        return exitCode;
    }
    // The ranking dialog and message boxes show over the game's full screen.
    platform::keepFullScreenWithoutFocus();
    platform::SystemClock clock;
    platform::DesktopMessageBoxes messageBoxes;
    ranking::RankingSettings rankingSettings;
    rankingSettings.Host = options->rankingHost.value_or(rankingSettings.Host);
    ranking::ApplicationModalLoop rankingLoop;
    try {
        requireDesktopDisplay();
        // The lock lasts as long as the program.
        const game::StartOptions start{app::readyDataFolder(*options), options->window};
        const game::DataFolderLock dataFolder(start.dataFolder);
        game::GameSession session(clock, messageBoxes,
                                  app::makeRankingDialog(rankingSettings, rankingLoop), start);
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
