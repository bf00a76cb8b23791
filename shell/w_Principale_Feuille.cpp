// The launchers of the match sheet pages (scorers, line-ups, second page,
// ratings, compact basketball page). A page shows the match the previous match
// sheet page showed (or, after another view, the last page of the matchday), and writes its entries when the main window commits its
// child. The stadium boxes of the pages make stadiums through the stadium card,
// handed to them here at start-up.
#include "model/Championnat.h"
#include "model/Joueurs.h"
#include "model/MultiSport.h"
#include "model/Saison.h"
#include "model/Stades.h"
#include "records/w_FicheStade.h"
#include "results/w_Composition.h"
#include "results/w_Notes.h"
#include "shell/w_Principale.h"

namespace {

const bool validationInscrite = [] {
    Tf_Principale::EnregistreValidation([](TBrivantelForm* enfant) {
        auto* f = dynamic_cast<Tf_InfoMatchCadreBase*>(enfant);
        if (!f)
            return Tf_Principale::TValide::Autre;
        // A number box the page refuses is said and focused: the page stays,
        // nothing of it written.
        if (!f->CompteursRemplis())
            return Tf_Principale::TValide::Refusee;
        f->EnregistrePage(0);
        return Tf_Principale::TValide::Faite;
    });
    // A stadium named in a page's header is made through the stadium card.
    EnregistreCreationStade([](TComponent* owner, const TCouleurElement& couleurs, TSaison* saison,
                               const std::string& nom) -> int32_t {
        const TStade* s = OuvreFicheStade(owner, couleurs, saison, nullptr, nullptr, nom);
        return s ? s->Code : -1;
    });
    return true;
}();

// The page class of a sport's window registered with the sport switch.
Tf_Principale::TCreateurFenetre Createur(const TClasse& classe)
{
    if (!dynamic_cast<const TClassePage*>(classe.get()))
        return {};
    return [classe](TComponent* o) -> TBrivantelForm* {
        return static_cast<const TClassePage*>(classe.get())->Cree(o);
    };
}

}  // namespace

void Tf_Principale::RetientMatchFeuille(TBrivantelForm* fenetre)
{
    const auto* page = dynamic_cast<Tf_InfoMatchCadreBase*>(fenetre);
    const TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!page || !c)
        return;
    feuilleChampionnat_ = c->CodeChamp;
    feuilleJournee_ = c->NbJournee;
    feuilleMatch_ = page->MatchCourant;
}

void Tf_Principale::AfficheFeuilleMatch(int page, int& param)
{
    TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    (void)validationInscrite;
    const TMultiSport& sport = Saison->MultiSport();
    TCreateurFenetre classe;
    switch (page) {
    case 2: classe = Createur(sport.ClasseButeurs()); break;
    case 3: classe = [](TComponent* o) -> TBrivantelForm* { return new Tf_Composition(o); }; break;
    case 4: classe = Createur(sport.ClassePasseurs()); break;
    case 5: classe = [](TComponent* o) -> TBrivantelForm* { return new Tf_Notes(o); }; break;
    case 6:
        if (sport.Sport() == sportBasket)
            classe = Createur(sport.ClasseButeurs());
        break;
    default: break;
    }
    // No such page for the sport: nothing opens.
    if (!classe)
        return;
    // The match of the page shown, else of the last page left for another
    // view on this matchday, else the first.
    const auto* avant = dynamic_cast<Tf_InfoMatchCadreBase*>(Enfant);
    int match = 1;
    if (avant)
        match = avant->MatchCourant;
    else if (feuilleChampionnat_ == c->CodeChamp && feuilleJournee_ == c->NbJournee && feuilleMatch_ >= 1 &&
             feuilleMatch_ <= c->NbMatchJournee(c->NbJournee))
        match = feuilleMatch_;
    // A page made again after a change of the season shows the match it showed.
    const int entree = EnfantPerime && avant ? -1 : param;
    auto* f = dynamic_cast<Tf_InfoMatchCadreBase*>(ShowChildForm(classe, false, false, false, false));
    if (!f)
        return;
    if (page == 6)
        f->AfficheEnTete(false);
    if (page == 2 || page == 6)
        f->AfficheLibelles();
    if (page == 4)
        if (auto* s = dynamic_cast<IPageSecondaire*>(f))
            s->Prepare();
    f->MatchCourant = match;
    // A match named by the caller: matchday in the high byte, match in the low.
    if (page == 2 && entree >= 1 && (entree >> 8) >= 1 && (entree >> 8) <= c->NbJour()) {
        c->NbJournee = static_cast<uint8_t>(entree >> 8);
        f->MatchCourant = entree & 255;
    }
    f->SetFenetrePrincipale(this);
    f->AfficheMatch();
    if (entree == -1)
        param = (c->NbJournee << 8) + f->MatchCourant;
    p_FondAffiche->SetVisible(true);
}
