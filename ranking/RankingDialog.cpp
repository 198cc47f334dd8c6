#include "ranking/RankingDialog.h"

#include "ranking/Form2.h"

namespace ranking {

game::RankingDialogRunner MakeRankingDialog(const RankingSettings& settings, ModalLoop& loop) {
    return [&settings, &loop](game::TForm1& owner) {
        TForm2 dialog(owner, settings);
        dialog.ShowModal(loop);
    };
}

}  // namespace ranking
