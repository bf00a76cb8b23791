// The launchers of the squads and of the player search. The squads window
// writes its half-typed row when the main window commits its child (a row it
// cannot store keeps it shown); its quick entry is the results' dialog, handed
// to it here at start-up.
#include "model/Championnat.h"
#include "model/Saison.h"
#include "records/w_Effectifs.h"
#include "records/w_Recherche.h"
#include "results/w_SaisieRapide.h"
#include "shell/w_Principale.h"

namespace {

const bool effectifsInscrits = [] {
    Tf_Principale::EnregistreValidation([](TBrivantelForm* enfant) {
        auto* f = dynamic_cast<Tf_Effectifs*>(enfant);
        if (!f)
            return Tf_Principale::TValide::Autre;
        return f->sg_TableauEquipeExit(nullptr) ? Tf_Principale::TValide::Faite : Tf_Principale::TValide::Refusee;
    });
    EnregistreSaisieRapide([](TBrivantelForm* ouvrant, TSaison* saison, int equipe) {
        TOwned<Tf_SaisieRapide> f(new Tf_SaisieRapide(nullptr));
        f->ChangeCouleurs(ouvrant ? ouvrant->Couleurs : f->Couleurs);
        f->ChangeSaison(saison);
        f->RemplitJoueurs(equipe);
        bool change = false;
        f->OnModification = [&change] { change = true; };
        f->ShowModal();
        return change;
    });
    return true;
}();

}  // namespace

void Tf_Principale::AfficheEffectifs()
{
    if (!Saison)
        return;
    (void)effectifsInscrits;
    Etat = 0;
    const TDonneesChampionnat* c = Saison->ChampionnatCourant();
    auto* f = ShowChild<Tf_Effectifs>(true, true);
    f->RemplitEquipes(c ? c->Option(10) : 0, false);
    p_FondAffiche->SetVisible(true);
}

void Tf_Principale::AfficheRecherche()
{
    if (!Saison)
        return;
    ShowChild<Tf_Recherche>(true, true);
    p_FondAffiche->SetVisible(true);
}
