// Quick squad entry with a stand-in player card: a known player moved here, a
// new one validated or cancelled, the international case, no card at all.
#include <gtest/gtest.h>

#include "model/Championnat.h"
#include "model/InfoComp.h"
#include "model/Joueurs.h"
#include "model/oTraducteur.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "results/w_SaisieRapide.h"
#include "tests/shell/SaisonEssai.h"
#include "ui/Bouton.h"
#include "ui/message2.h"

namespace {

class FicheEssai : public TFicheJoueurForm
{
public:
    using TFicheJoueurForm::TFicheJoueurForm;
    void ChangeJoueur(int32_t, TJoueur* j) override { Joueur = j; }
    TJoueur* Joueur = nullptr;
};

void EnregistreFiche()
{
    TServicesFicheJoueur s;
    s.CreeFiche = [](TSaison*) -> TFicheJoueurForm* { return new FicheEssai(nullptr); };
    EnregistreServicesFicheJoueur(s);
}

// The quick entry of the team, shown with a stand-in player card.
TOwned<Tf_SaisieRapide> Ouvre(TSaison& s, int equipe)
{
    EnregistreFiche();
    TOwned<Tf_SaisieRapide> f(new Tf_SaisieRapide(nullptr));
    f->ChangeSaison(&s);
    f->ChangeCouleurs(vues::Module()->Couleurs);
    f->RemplitJoueurs(equipe);
    kit::ShowForm(f.get());
    return f;
}

int NbJoueursEquipe(TSaison& s, int equipe)
{
    const TListJoueurEquipe* b = s.Joueurs().BlocEquipe(equipe);
    return b ? b->Nombre() : 0;
}

TEST(SaisieRapide, KnownNewCancelledAndInternationalPlayers)
{
    vues::TSaisonVue v = vues::SaisonVue(0);
    TSaison& s = *v.saison;
    TDonneesChampionnat& c = v.C();
    const int equipe = c.IdEquipe(1), autre = c.IdEquipe(0);
    TOwned<Tf_SaisieRapide> f = Ouvre(s, equipe);
    ASSERT_EQ(f->lb_JoueursPresents->Items().Count(), 3);
    const int total = s.Joueurs().NbJoueur();
    ASSERT_EQ(f->cb_AjoutJoueur->Items().Count(), total);

    // The exact line of a player of another club moves that player here.
    TJoueur* j = s.Joueurs().BlocEquipe(autre)->Joueur(0);
    const std::string ligne = f->LigneJoueur(*j);
    f->cb_AjoutJoueur->SetText(ligne);
    kit::Click(f->b_Ajouter);
    EXPECT_EQ(s.Joueurs().NbJoueur(), total);
    EXPECT_EQ(NbJoueursEquipe(s, equipe), 4);
    EXPECT_EQ(NbJoueursEquipe(s, autre), 2);
    TJoueur* deplace = s.Joueurs().BlocEquipe(equipe)->Joueur(0);
    for (int i = 0; i < NbJoueursEquipe(s, equipe); ++i)
        if (s.Joueurs().BlocEquipe(equipe)->Joueur(i)->PrenomNom() == j->PrenomNom())
            deplace = s.Joueurs().BlocEquipe(equipe)->Joueur(i);
    EXPECT_EQ(s.NomClubPrec(deplace->ClubPrec), s.NomEquipe(autre));
    EXPECT_EQ(f->lb_JoueursPresents->Items()[0], f->LigneJoueur(*deplace));
    EXPECT_TRUE(f->cb_AjoutJoueur->GetText().empty());

    // A new name with the card asked for: kept once its card is validated,
    // freed when it is cancelled.
    f->cc_AfficheFiche->SetChecked(true);
    kit::WhenModal([](TForm* m) { m->SetModalResult(mrOk); });
    f->cb_AjoutJoueur->SetText("Pierre NOUVEAU");
    kit::Click(f->b_Ajouter);
    EXPECT_EQ(s.Joueurs().NbJoueur(), total + 1);
    EXPECT_EQ(NbJoueursEquipe(s, equipe), 5);
    EXPECT_NE(f->lb_JoueursPresents->Items()[0].find("NOUVEAU"), std::string::npos);
    kit::WhenModal([](TForm* m) { m->SetModalResult(mrCancel); });
    f->cb_AjoutJoueur->SetText("Paul ANNULE");
    kit::Click(f->b_Ajouter);
    EXPECT_EQ(s.Joueurs().NbJoueur(), total + 1);
    EXPECT_EQ(f->lb_JoueursPresents->Items().Count(), 5);
    kit::GrabToPng(f.get(), "resultats_saisie_rapide");

    // International: the national team changes, the club stays; with the card
    // shown and cancelled the player does not count as added.
    c.SetTypes(c.Types() | TDonneesChampionnat::TypeInternational);
    TJoueur* k = s.Joueurs().BlocEquipe(autre)->Joueur(0);
    const uint16_t club = k->ClubActuel;
    f->cc_AfficheFiche->SetChecked(true);
    kit::WhenModal([](TForm* m) { m->SetModalResult(mrCancel); });
    f->FormShow(f.get());
    f->cb_AjoutJoueur->SetText(f->LigneJoueur(*k));
    kit::Click(f->b_Ajouter);
    EXPECT_EQ(k->EquipeNational, equipe);
    EXPECT_EQ(k->ClubActuel, club);
    EXPECT_EQ(f->lb_JoueursPresents->Items().Count(), 5);

    // Without a player card a new name is refused with text 3004.
    EnregistreServicesFicheJoueur({});
    std::vector<std::string> dits;
    essai::RepondBoite(mrOk, &dits);
    f->cb_AjoutJoueur->SetText("Jacques SANSFICHE");
    kit::Click(f->b_Ajouter);
    EXPECT_EQ(dits, (std::vector<std::string>{Traduire(3004)}));
    EXPECT_EQ(s.Joueurs().NbJoueur(), total + 1);
}

// Typed with the keys and Enter: what is typed is taken. The start of a
// player's line, whatever its letter case, is a new player; a whole line typed
// moves that player only after a question naming him; one picked from the
// list moves unasked.
TEST(SaisieRapide, ATypedNameIsTakenAsTyped)
{
    const struct
    {
        const char* nom;
        const char* tape;   // UTF-8; empty: the line of Porte, typed
        int fleches;        // Down presses picking Porte's line
        int reponse;        // to the question, 0 when none is expected
        bool deplace;       // Porte now plays here
        const char* nouveau;   // UTF-8, the new player listed first, or ""
    } cas[] = {
        {"start of a line", "Valentin Port", 0, 0, false, "Valentin Port"},
        {"start in other letters", "valentin porte", 0, 0, false, "valentin porte"},
        {"whole line, refused", "", 0, mrNo, false, ""},
        {"whole line, accepted", "", 0, mrYes, true, ""},
        {"picked with the arrows", "", 1, 0, true, ""},
    };
    for (const auto& k : cas) {
        SCOPED_TRACE(k.nom);
        vues::TSaisonVue v = vues::SaisonVue(0);
        TSaison& s = *v.saison;
        const int equipe = v.C().IdEquipe(1), autre = v.C().IdEquipe(0);
        TJoueur* porte = s.Joueurs().AjouteJoueur(s.CreeJoueur("Porte", "Valentin", -1, autre));
        TOwned<Tf_SaisieRapide> f = Ouvre(s, equipe);
        const int total = s.Joueurs().NbJoueur(), listes = f->lb_JoueursPresents->Items().Count();
        const std::string ligne = f->LigneJoueur(*porte);
        std::vector<std::string> questions;
        if (k.reponse)
            essai::RepondBoite(k.reponse, &questions);
        if (k.fleches)
            for (int i = 0; i <= f->cb_AjoutJoueur->Items().IndexOf(ligne); ++i)
                kit::PressKey(f->cb_AjoutJoueur, VK_DOWN);
        else
            kit::TypeKeys(f->cb_AjoutJoueur, *k.tape ? std::string(k.tape) : Cp1252ToUtf8(ligne));
        kit::PressKey(f->cb_AjoutJoueur, VK_RETURN);
        EXPECT_EQ(kit::ForgetModalActions(), 0u);
        EXPECT_EQ(questions, k.reponse ? std::vector<std::string>{TraduireFormat(5505, {ligne, s.NomEquipe(equipe)})}
                                       : std::vector<std::string>{});
        EXPECT_EQ(porte->ClubActuel, k.deplace ? equipe : autre);
        EXPECT_EQ(s.Joueurs().NbJoueur(), total + (*k.nouveau ? 1 : 0));
        const bool ajoute = k.deplace || *k.nouveau;
        ASSERT_EQ(f->lb_JoueursPresents->Items().Count(), listes + (ajoute ? 1 : 0));
        if (*k.nouveau) {
            EXPECT_EQ(f->lb_JoueursPresents->Items()[0].rfind(L1(k.nouveau) + " (", 0), 0u)
                << f->lb_JoueursPresents->Items()[0];
        }
        // refused, the line stays to be changed; taken, the box is emptied
        EXPECT_EQ(f->cb_AjoutJoueur->GetText(), ajoute ? std::string() : ligne);
    }
}

// A player picked for the team he is already in, as its club or as its
// national team: he keeps his previous club and is listed once.
TEST(SaisieRapide, PlayerAlreadyInTheTeamChangesNothing)
{
    for (const bool international : {false, true}) {
        SCOPED_TRACE(international ? "national team" : "club");
        vues::TSaisonVue v = vues::SaisonVue(0);
        TSaison& s = *v.saison;
        TDonneesChampionnat& c = v.C();
        const int equipe = c.IdEquipe(1);
        TJoueur* j = s.Joueurs().BlocEquipe(equipe)->Joueur(0);
        const int prec = s.ChercheClubPrec("Ancien Club", true);
        j->ClubPrec = static_cast<uint16_t>(prec);
        if (international) {
            c.SetTypes(c.Types() | TDonneesChampionnat::TypeInternational);
            s.Joueurs().ChangeEquipeNationale(j, equipe);
        }
        TOwned<Tf_SaisieRapide> f = Ouvre(s, equipe);
        int signale = 0;
        f->OnModification = [&signale] { ++signale; };
        const int listes = f->lb_JoueursPresents->Items().Count(), membres = NbJoueursEquipe(s, equipe);
        const uint16_t club = j->ClubActuel;
        for (int fois = 0; fois < 2; ++fois) {
            f->cb_AjoutJoueur->SetText(f->LigneJoueur(*j));
            kit::Click(f->b_Ajouter);
        }
        EXPECT_EQ(kit::ForgetModalActions(), 0u);
        EXPECT_EQ(j->ClubPrec, prec);
        EXPECT_EQ(j->ClubActuel, club);
        EXPECT_EQ(f->lb_JoueursPresents->Items().Count(), listes);
        EXPECT_EQ(NbJoueursEquipe(s, equipe), membres);
        EXPECT_EQ(signale, 0);
        EXPECT_TRUE(f->cb_AjoutJoueur->GetText().empty());
    }
}

// A player moved into a team holding his namesake is merged into it, once
// the user says so, and freed by the model: the choice list drops his line,
// so choosing it again can never reach the freed player; the namesake stays
// once in the team.
TEST(SaisieRapide, PlayerMergedIntoANamesakeLeavesTheList)
{
    vues::TSaisonVue v = vues::SaisonVue(0);
    TSaison& s = *v.saison;
    TDonneesChampionnat& c = v.C();
    const int equipe = c.IdEquipe(1), autre = c.IdEquipe(0);
    TJoueur* present = s.Joueurs().AjouteJoueur(s.CreeJoueur("Homonyme", "Jean", -1, equipe));
    TJoueur* venu = s.Joueurs().AjouteJoueur(s.CreeJoueur("Homonyme", "Jean", -1, autre));
    ASSERT_NE(present, venu);
    const int32_t numeroVenu = venu->Numero;
    TInfoComp* match = c.CreeMatch(1, autre, equipe, 1, 0);
    match->SetJoueurTitulaire(autre, 1, numeroVenu);
    TOwned<Tf_SaisieRapide> f = Ouvre(s, equipe);
    const int presents = f->lb_JoueursPresents->Items().Count();
    const int lignes = f->cb_AjoutJoueur->Items().Count();
    const std::string ligne = f->LigneJoueur(*venu);

    // The card asked for: the first time the merge is asked and accepted,
    // then the namesake's card shown; the second time the name is new and
    // its card is cancelled.
    f->cc_AfficheFiche->SetChecked(true);
    for (int fois = 0; fois < 2; ++fois)
    {
        kit::ForgetModalActions();
        if (fois == 0)
            kit::WhenModal([](TForm* m) { m->SetModalResult(mrYes); });
        kit::WhenModal([](TForm* m) { m->SetModalResult(mrCancel); });
        f->cb_AjoutJoueur->SetText(ligne);
        kit::Click(f->b_Ajouter);
        kit::ForgetModalActions();
    }
    EXPECT_EQ(f->cb_AjoutJoueur->Items().Count(), lignes - 1);
    EXPECT_EQ(f->cb_AjoutJoueur->Items().IndexOf(ligne), -1);
    for (int i = 0; i < f->cb_AjoutJoueur->Items().Count(); ++i)
        EXPECT_GE(s.Joueurs().IndexJoueur(reinterpret_cast<TJoueur*>(f->cb_AjoutJoueur->Items().Objects(i))), 0) << i;
    EXPECT_EQ(f->lb_JoueursPresents->Items().Count(), presents);
    // The line-up now names the namesake kept.
    EXPECT_EQ(match->JoueurTitulaire(autre, 1), present->Numero);
}

}  // namespace
