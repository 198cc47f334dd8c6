#include "app/RankingDialog.h"

#include "platform/DisabledWindow.h"
#include "protocol/RankingProtocol.h"
#include "ranking/Form2.h"
#include "ranking/ReplayAttachment.h"

namespace app {

namespace {

// The bytes of the kept replay that proves the entry; empty when there is none fit to send.
std::string replayFileOf(const game::TForm1& form, const core::THiScoreEntry& entry) {
    const auto path = form.Replays().replayFileOf(entry);
    return path ? ranking::readReplayAttachment(*path) : std::string();
}

ranking::RankingOwner ownerOf(game::TForm1& form) {
    core::GameGlobals& g = form.Globals();
    const core::THiScoreEntry& best = g.BestTen[0];
    const std::int32_t sendable = protocol::passValueOf(best.Score, best.Level, best.Blocks);
    // Only a result that may still be sent needs its replay looked up and checked.
    return {form.Window(),
            {best.Score, best.Level, best.Blocks, sendable,
             g.PassValue == sendable ? replayFileOf(form, best) : std::string()},
            g.PassValue,
            form.PlayerName};
}

}  // namespace

game::RankingDialogRunner makeRankingDialog(const ranking::RankingSettings& settings,
                                            ranking::ModalLoop& loop) {
    return [&settings, &loop](game::TForm1& owner) {
        // As a modal dialog's owner, the game window takes no input meanwhile: Shift+Enter on
        // it would open a second dialog over this one.
        const platform::DisabledWindow ownerDisabled(owner.Window());
        ranking::TForm2 dialog(ownerOf(owner), settings);
        dialog.ShowModal(loop);
    };
}

}  // namespace app
