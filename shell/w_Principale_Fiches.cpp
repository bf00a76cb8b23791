// Launchers of the people, clubs and venues windows.
#include "records/w_Arbitres.h"
#include "records/w_Blasons.h"
#include "records/w_FicheClub.h"
#include "records/w_ModifierClubPrec.h"
#include "records/w_ModifierEquipe.h"
#include "records/w_ModifierNat.h"
#include "records/w_Stades.h"
#include "shell/w_Principale.h"

#include "model/Championnat.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "ui/message2.h"

namespace {

// The referee and stadium lists write back what their grid holds typed (a
// row they cannot store keeps them shown).
const bool listesInscrites = [] {
    Tf_Principale::EnregistreValidation([](TBrivantelForm* enfant) {
        auto* f = dynamic_cast<TListeParPaysForm*>(enfant);
        if (!f)
            return Tf_Principale::TValide::Autre;
        return f->EnregistreSaisie() ? Tf_Principale::TValide::Faite : Tf_Principale::TValide::Refusee;
    });
    return true;
}();

}  // namespace

void Tf_Principale::ModifieLogos()
{
    if (!Saison)
        return;
    FermeFenetreEnfant();
    TOwned<Tf_ModifierLogo> f(new Tf_ModifierLogo(this));
    f->ChangeCouleurs(Couleurs);
    f->ChangeSaison(Saison.get());
    f->ShowModal();
    if (f->Modifie)
        SignaleModification();
}

void Tf_Principale::ModifieEquipes()
{
    if (!Saison)
        return;
    FermeFenetreEnfant();
    TOwned<Tf_ModifierEquipe> f(new Tf_ModifierEquipe(this));
    f->ChangeCouleurs(Couleurs);
    f->ChangeSaison(Saison.get());
    f->ShowModal();
    if (f->Modifie)
        SignaleModification();
}

void Tf_Principale::ModifieClubsPrec()
{
    if (!Saison)
        return;
    FermeFenetreEnfant();
    TOwned<Tf_ModifierClubPrec> f(new Tf_ModifierClubPrec(this));
    f->ChangeCouleurs(Couleurs);
    f->ChangeSaison(Saison.get());
    f->ShowModal();
    if (f->Modifie)
        SignaleModification();
}

void Tf_Principale::ModifieNationalites()
{
    if (!Saison)
        return;
    TOwned<Tf_ModifierNat> f(new Tf_ModifierNat(this));
    f->ChangeCouleurs(Couleurs);
    f->ChangeSaison(Saison.get());
    f->ShowModal();
    if (f->Modifie)
        SignaleModification();
}

void Tf_Principale::AfficheArbitres()
{
    if (!Saison)
        return;
    (void)listesInscrites;
    auto* f = ShowChild<Tf_Arbitres>(true, true);
    f->RemplitPays(0);
    p_FondAffiche->SetVisible(true);
}

void Tf_Principale::AfficheStades()
{
    if (!Saison)
        return;
    (void)listesInscrites;
    auto* f = ShowChild<Tf_Stades>(true, true);
    f->RemplitPays(0);
    p_FondAffiche->SetVisible(true);
}

void Tf_Principale::FicheClub()
{
    TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    if (!c)
        return;
    if (c->NbEquipe() < 1) {
        AfficheMessage(TraduireFormat(294, {1}), mbuValider);
        return;
    }
    int equipe = c->Option(10);
    if (!TFootForm::ChoisitEquipe(Saison.get(), Traduire(17), Couleurs, 0, equipe))
        return;
    TOwned<Tf_FicheClub> f(new Tf_FicheClub(this));
    f->ChangeCouleurs(Couleurs);
    f->ChangeSaison(Saison.get());
    f->Position = equipe;
    f->ShowModal();
    // What the card's own dialogs created stays even when it is cancelled.
    if (f->Modifie)
        SignaleModification();
    EntreeImpression(false);
    EntreeHTML(false);
}
