#include "game/GameSession.h"

#include <utility>

namespace game {

namespace {

platform::Application& titled(platform::Application& application) {
    application.setTitle(text::tr(GameTitle));
    return application;
}

}  // namespace

GameSession::GameSession(platform::Clock& clock, platform::MessageBoxes& messageBoxes,
                         RankingDialogRunner rankingDialog, const StartOptions& options)
    : application_(clock, messageBoxes), form_(titled(application_), simulation_, options) {
    form_.RunRankingDialog = std::move(rankingDialog);
}

void GameSession::run() {
    application_.run();
    form_.Close();
}

bool GameSession::runFrame() {
    while (!application_.terminated()) {
        if (application_.handleMessage(false)) {
            return true;
        }
    }
    return false;
}

}  // namespace game
