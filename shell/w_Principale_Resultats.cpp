// The launchers of the results pages: the match entry pages and the match
// search. The results page commits its matchday when the main window asks.
#include "model/Championnat.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "results/w_DialoguesResultats.h"
#include "results/w_Resultats.h"
#include "results/w_VuesResultats.h"
#include "shell/Globales.h"
#include "shell/w_OptionsFiltre.h"
#include "shell/w_Principale.h"
#include "ui/message2.h"

namespace {

// The results page writes its matchday before a save, an auto-save, a close
// or a change of championship; a team it holds placed alone, which no match
// keeps, and a score kept typed after a No are said on the status bar.
const bool validationInscrite = [] {
    Tf_Principale::EnregistreValidation([](TBrivantelForm* enfant) {
        auto* f = dynamic_cast<Tf_Resultats*>(enfant);
        if (!f)
            return Tf_Principale::TValide::Autre;
        f->EnregistrePage();
        if (auto* principale = dynamic_cast<Tf_Principale*>(f->Owner())) {
            const std::string seules = f->PlacementsSeules(), scores = f->ScoresNonGardes();
            principale->Avise(seules.empty() || scores.empty() ? seules + scores : seules + ". " + scores);
        }
        return Tf_Principale::TValide::Faite;
    });
    Tf_Principale::EnregistreDepart([](TBrivantelForm* enfant) {
        auto* f = dynamic_cast<Tf_Resultats*>(enfant);
        if (!f)
            return Tf_Principale::TValide::Autre;
        f->QuittePage();
        return Tf_Principale::TValide::Faite;
    });
    return true;
}();

}  // namespace

void Tf_Principale::AfficheSaisieMatch(int page, int& param)
{
    TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    if (page != 1) {
        AfficheFeuilleMatch(page, param);
        return;
    }
    (void)validationInscrite;
    auto* f = ShowChild<Tf_Resultats>(true, true);
    f->Init();
    f->CreeLignes();
    f->PlaceLignes();
    p_FondAffiche->SetVisible(true);
}

void Tf_Principale::RechercheMatch()
{
    TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    if (c->NbEquipe() < 2)
    {
        AfficheMessage(TraduireFormat(294, {2}), mbuValider);
        return;
    }
    // What the shown page holds typed goes into the season first: the
    // meetings are offered as they stand, a score just typed with them. An
    // entry the page keeps for correction is corrected first.
    if (!ValideFenetre())
        return;
    TOwned<Tf_RechercheMatch> f(new Tf_RechercheMatch(this));
    f->ChangeSaison(Saison.get());
    f->ChangeCouleurs(Couleurs);
    if (f->ShowModal() != mrOk || f->Tag <= 0)
        return;
    // The matchday chosen itself, whatever number it has once the page is
    // closed.
    const TInfoCompJour* choisie = c->Journee(static_cast<int>(f->Tag));
    int journee = static_cast<int>(f->Tag);
    f.reset();
    FermeFenetreEnfant();
    for (int n = 1; choisie && n <= c->Journees().Nombre(); ++n)
        if (c->Journee(n) == choisie)
            journee = n;
    c->NbJournee = static_cast<uint8_t>(journee);
    // The results page is shown as its own command: the view to come back
    // to, marked in the tree (the search itself is a dialog).
    ExecuteEntree(13, -1, true, false);
}

void Tf_Principale::AfficheVueResultats(int commande)
{
    if (!Saison || !Saison->ChampionnatCourant())
        return;
    switch (commande)
    {
    case 23:
        ShowChild<Tf_Minute>(true, true)->Remplit();
        break;
    case 143:
        ShowChild<Tf_Penalite>(true, true)->Affiche();
        break;
    case 170:
        ShowChild<Tf_recap>(true, true)->Affiche();
        break;
    case 225: {
        // The calendar offers neither print nor HTML.
        auto* f = ShowChild<Tf_calendrier>(false, false);
        f->ExecuteCommande = [this](int c, int p, bool change) { ExecuteCommande(c, p, change); };
        f->Affiche();
        break;
    }
    default:
        return;
    }
    p_FondAffiche->SetVisible(true);
}

void Tf_Principale::OptionsFiltre()
{
    if (!Saison)
        return;
    TOwned<Tf_OptionsFiltre> f(new Tf_OptionsFiltre(this));
    f->ChangeCouleurs(Couleurs);
    f->Init(Saison.get(), RepertoireEcriture(), RepertoireProgramme());
    // Validated, what the window changed reaches the season and the file;
    // left otherwise, both stay as they were.
    if (f->ShowModal() == mrOk)
        f->Termine();
    if (f->Change)
        SignaleModification();
}
