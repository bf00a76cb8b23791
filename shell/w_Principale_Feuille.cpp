// The launchers of the match sheet pages (line-ups, ratings). A page shows the
// match the previous match sheet page showed, and writes its entries when the
// main window commits its child.
#include "model/Championnat.h"
#include "model/Saison.h"
#include "results/w_Composition.h"
#include "shell/w_Principale.h"

namespace {

const bool validationInscrite = [] {
    Tf_Principale::EnregistreValidation([](TBrivantelForm* enfant) {
        auto* f = dynamic_cast<Tf_InfoMatchCadreBase*>(enfant);
        if (f)
            f->EnregistrePage(0);
        return f != nullptr;
    });
    return true;
}();

}  // namespace

void Tf_Principale::AfficheFeuilleMatch(int page, int& param)
{
    TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!c || page != 3)
        return;
    (void)validationInscrite;
    const auto* avant = dynamic_cast<Tf_InfoMatchCadreBase*>(Enfant);
    const int match = avant ? avant->MatchCourant : 1;
    const int entree = param;
    Tf_InfoMatchCadreBase* f = ShowChild<Tf_Composition>(false, false);
    f->MatchCourant = match;
    f->SetFenetrePrincipale(this);
    f->AfficheMatch();
    if (entree == -1)
        param = (c->NbJournee << 8) + f->MatchCourant;
    p_FondAffiche->SetVisible(true);
}
