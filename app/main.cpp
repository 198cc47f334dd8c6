// プドロク: the program's start. The game window runs until the application terminates.

#include <cstdlib>
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
#include "replay/ReplayFile.h"
#include "replay/Verification.h"
#include "text/MessageLines.h"
#include "text/Translation.h"

namespace {

// Before anything is made or saved: without a display the game would run on unseen.
void requireDesktopDisplay() {
    if (const auto problem = platform::desktopDisplayProblem()) {
        throw std::runtime_error(
            text::joinedLines({text::tr("ディスプレイを開けません"), *problem}));
    }
}

// Checked before anything opens: a replay that cannot be read or does not reach what it claims
// is refused with the reason.
replay::Replay checkedReplay(const std::filesystem::path& file) {
    try {
        replay::Replay game = replay::readReplayFile(file);
        const replay::Verdict verdict = replay::verifyReplay(game);
        if (!verdict.valid) {
            throw std::runtime_error(file.string() + ": " + verdict.reason);
        }
        return game;
    } catch (const std::exception& error) {
        throw std::runtime_error(
            text::joinedLines({text::tr("リプレイを再生できません。"), error.what()}));
    }
}

// Runs the game window until the program ends; its exit status.
int runSession(platform::Clock& clock, platform::MessageBoxes& messageBoxes,
               game::RankingDialogRunner rankingDialog, const game::StartOptions& start) {
    game::GameSession session(clock, messageBoxes, std::move(rankingDialog), start);
    // The picture's pace was made for 60 frames a second, whatever the display.
    session.form().FrameTimer1.SetMaximumFrameRate(60);
    session.show();
    session.run();
    return session.form().FinalSaveFailed() ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    // Before anything is said; the settings may choose once the save folder is read.
    text::useLanguage(
        text::chosenLanguage(app::languageOption(argc, argv), std::nullopt, std::getenv));
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
        game::StartOptions start;
        start.windowed = options->window;
        start.reduceFlashing = options->reduceFlashing;
        start.language = options->language;
        if (options->replay) {
            // Watching touches no save file and takes no lock.
            start.watch = checkedReplay(*options->replay);
            return runSession(clock, messageBoxes, {}, start);
        }
        start.dataFolder = app::readyDataFolder(*options);
        start.attract = true;
        // The lock lasts as long as the program.
        const game::DataFolderLock dataFolder(start.dataFolder);
        return runSession(clock, messageBoxes, app::makeRankingDialog(rankingSettings, rankingLoop),
                          start);
    } catch (const game::AlreadyRunning& error) {
        messageBoxes.show({text::tr(game::GameTitle), error.what(), platform::MessageIcon::Warning},
                          nullptr);
        return 1;
    } catch (const std::exception& error) {
        platform::showExceptionBox(messageBoxes, text::tr(game::GameTitle), error);
        return 1;
    }
    return 0;
}
