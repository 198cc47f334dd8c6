#include "app/RankingDialog.h"

#include "platform/DisabledWindow.h"
#include "protocol/RankingProtocol.h"
#include "ranking/Form2.h"

namespace app {

namespace {

ranking::RankingOwner ownerOf(game::TForm1& form) {
    core::GameGlobals& g = form.Globals();
    const core::THiScoreEntry& best = g.BestTen[0];
    return {form.Window(),
            {best.Score, best.Level, best.Blocks,
             protocol::passValueOf(best.Score, best.Level, best.Blocks)},
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
