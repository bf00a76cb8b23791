// The ratings page opened through the main window (command 18) on the match
// the line-ups page showed: each slot's player and rating, ratings typed and
// written when another match shows (signalled once per team changed), cleared
// boxes, substitutes, unknown players, an empty matchday; saved and reopened
// equal, counted by the statistics and the rating totals.
#include <gtest/gtest.h>

#include "engine/RJoueur.h"
#include "model/Championnat.h"
#include "model/Joueurs.h"
#include "model/ListesJoueurs.h"
#include "platform/gui/ComCtrls.h"
#include "results/w_Composition.h"
#include "results/w_Notes.h"
#include "shell/Commandes.h"
#include "tests/results/FeuilleEssai.h"
#include "tests/shell/SaisonEssai.h"
#include "tests/support/SaisonBuilder.h"
#include "ui/Fond.h"
#include "views/Textes.h"

using namespace essai;

namespace {

// Matches played over every statistics list of a player.
int Matchs(const TJoueur& j)
{
    int n = 0;
    for (int i = 0; i < j.NbListeStat(); ++i)
        n += j.ListeStat(i)->Valeur(0);
    return n;
}

// The rating totals of a player in the current championship (any position).
const TNoteJoueur* Totaux(TSaison& s, int32_t id, std::unique_ptr<TListeNotes> (&listes)[2])
{
    for (int mode = 0; mode < 2; ++mode) {
        listes[mode] = TClassJoueur::NotesJoueurs(s, TClassJoueur::ToutesEquipes, nullptr, 0, 0, mode);
        for (int i = 0; i < listes[mode]->Nombre(); ++i)
            if (listes[mode]->Note(i)->IdJoueur == id)
                return listes[mode]->Note(i);
    }
    return nullptr;
}

class Notes : public ::testing::TestWithParam<int>
{
};

TEST_P(Notes, RatingsShownTypedWrittenSignalledSavedAndCounted)
{
    const int sport = GetParam();
    const std::string nom = "notes" + std::to_string(sport);
    const std::string dir = Prepare(nom);
    TSaisonComplete sc(sport);
    sc.saison->SetChampionnatCourant(sc.ligue);
    sc.ligue->NbJournee = 4;
    const std::string fichier = MakePath(dir, nom + ".xmc");
    auto f = feuille_essai::SauveEtOuvre(*sc.saison, fichier);
    ASSERT_TRUE(f);
    ASSERT_TRUE(f->Saison);
    TSaison* s = f->Saison.get();
    TDonneesChampionnat* c = s->ChampionnatCourant();
    // Match 2 of matchday 4 names a player the season does not know in slot 2.
    TInfoComp* m2 = c->Match(4, 2);
    const int h2 = m2->IdEquipe(0);
    m2->SetJoueurTitulaire(h2, 2, 99999);
    m2->SetNote(h2, 2, 6);

    // 18 keeps the match the line-ups page showed (the second one).
    ASSERT_TRUE(Commande(*f, 15));
    auto* compo = dynamic_cast<Tf_Composition*>(f->Enfant);
    ASSERT_NE(compo, nullptr);
    compo->UpDown1->ClickButton(btNext);
    ASSERT_EQ(compo->MatchCourant, 2);
    EXPECT_EQ(compo->Enreg(0, 2).Joueur->Numero, 99999);
    EXPECT_EQ(compo->Enreg(0, 2).Joueur->Text(), vues::Texte(532, "Joueur inconnu"));
    ASSERT_TRUE(Commande(*f, 18));
    auto* p = dynamic_cast<Tf_Notes*>(f->Enfant);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->MatchCourant, 2);
    EXPECT_EQ(p->IdDomicile, h2);
    // The line-ups page written on closing kept the unknown player.
    EXPECT_EQ(m2->JoueurTitulaire(h2, 2), 99999);
    const int nt = c->NbTitulaire();
    ASSERT_EQ(p->NbLignes(), nt + c->NbRemp());
    // The unknown player: no name, the slot's own rating.
    EXPECT_TRUE(p->Ligne(0, 2).Nom->Visible());
    EXPECT_EQ(p->Ligne(0, 2).Nom->Text(), "");
    EXPECT_EQ(p->Ligne(0, 2).Note->Text(), "6");

    // The first match: starters 1 and 3, the substitute who came on.
    p->UpDown1->ClickButton(btPrev);
    ASSERT_EQ(p->MatchCourant, 1);
    TInfoComp* m = c->Match(4, 1);
    const int h = m->IdEquipe(0), a = m->IdEquipe(1);
    const auto jd = sc.Joueurs(h);
    const TJoueur* j0 = s->Joueurs().ChercheJoueur(jd[0], h);
    EXPECT_EQ(p->Ligne(0, 1).Nom->Text(), CassePhrase(j0->Prenom + " " + j0->Nom));
    EXPECT_EQ(p->Ligne(0, 1).Note->Text(), "7");
    // The row of the unknown player of the other match shows nothing of it.
    EXPECT_FALSE(p->Ligne(0, 2).Nom->Visible());
    EXPECT_EQ(p->Ligne(0, 2).Note->Text(), "");
    EXPECT_TRUE(p->Ligne(0, 3).Nom->Visible());
    EXPECT_EQ(p->Ligne(0, 3).Note->Text(), "");
    EXPECT_EQ(p->Ligne(0, nt + 1).Nom->Numero, jd[2]);
    EXPECT_EQ(p->Ligne(0, nt + 1).Note->Text(), "5");
    EXPECT_FALSE(p->Ligne(0, nt + 2).Nom->Visible());
    EXPECT_TRUE(p->Ligne(1, 1).Nom->Visible());
    EXPECT_EQ(p->Ligne(1, 1).Note->Text(), "");
    kit::GrabToPng(f.get(), "notes_" + std::to_string(sport));

    // "7" typed for starter 3, starter 1's rating cleared: written when the
    // match is left, one signal for the home team alone.
    int signaux = 0;
    const auto avant = p->OnModification;
    p->OnModification = [&] {
        ++signaux;
        if (avant)
            avant();
    };
    kit::Type(p->Ligne(0, 3).Note, "7");
    p->Ligne(0, 1).Note->SetText("");
    EXPECT_EQ(m->Note(h, 3), 255);   // nothing written while typing
    p->UpDown1->ClickButton(btNext);
    EXPECT_EQ(m->Note(h, 3), 7);
    EXPECT_EQ(m->Note(h, 1), 255);
    EXPECT_EQ(m->Note(h, nt + 1), 5);
    EXPECT_EQ(signaux, 1);
    // The unknown player's slot keeps its rating; nothing changed there.
    EXPECT_EQ(c->Match(4, 2)->Note(h2, 2), 6);
    // The same values again: no signal.
    p->UpDown1->ClickButton(btPrev);
    EXPECT_EQ(p->Ligne(0, 3).Note->Text(), "7");
    p->UpDown1->ClickButton(btNext);
    EXPECT_EQ(signaux, 1);
    EXPECT_EQ(c->Match(4, 2)->Note(h2, 2), 6);
    (void)a;

    // Counted: the appearances and the rating totals.
    s->CalculeStatJoueurs();
    const TJoueur* j1 = s->Joueurs().ChercheJoueur(jd[1], h);
    EXPECT_GE(Matchs(*j1), 1);
    std::unique_ptr<TListeNotes> listes[2];
    const TNoteJoueur* t = Totaux(*s, jd[1], listes);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->NbNotes, 1);
    EXPECT_EQ(t->Somme, 7);

    // Saved with the page shown, reopened equal (the file keeps no player
    // the season does not know).
    c->Match(4, 2)->SetJoueurTitulaire(h2, 2, 0);
    p->Ligne(0, 1).Note->SetText("");
    kit::Type(p->Ligne(0, 1).Note, "4");
    RepondBoite(mrOk);
    Commande(*f, 7);
    EXPECT_EQ(c->Match(4, 2)->Note(h2, 1), 4);
    uint8_t etat = 0;
    auto relu = TTraiteurFichier::Charger(fichier, "", "", nullptr, TousSports, etat, true);
    ASSERT_TRUE(relu);
    EXPECT_EQ(Document(*relu), Document(*s));
    TermineFenetre(f);
}

INSTANTIATE_TEST_SUITE_P(Sports, Notes, ::testing::Values(0, 1));

// A matchday without a match of two teams: empty header, empty rows.
TEST(NotesVides, MatchdayWithoutMatchesShowsEmptyRows)
{
    const std::string dir = Prepare("notes_vides");
    TSaisonComplete sc(0);
    sc.saison->SetChampionnatCourant(sc.ligue);
    sc.ligue->NbJournee = 4;
    const std::string fichier = MakePath(dir, "vides.xmc");
    auto f = feuille_essai::SauveEtOuvre(*sc.saison, fichier);
    ASSERT_TRUE(f);
    ASSERT_TRUE(Commande(*f, 18));
    auto* p = dynamic_cast<Tf_Notes*>(f->Enfant);
    ASSERT_NE(p, nullptr);
    TDonneesChampionnat* c = f->Saison->ChampionnatCourant();
    ASSERT_FALSE(p->Ligne(0, 1).Note->Text().empty());
    for (int m = 0; m < 2 && c->Match(4, 1); ++m)
        c->SupprimeMatch(4, c->Match(4, 1)->IdEquipe(0), c->Match(4, 1)->IdEquipe(1));
    p->ChargeMatch();
    EXPECT_EQ(p->c_EqDomicile->Text(), "");
    for (int cote = 0; cote < 2; ++cote)
        for (int k = 1; k <= p->NbLignes(); ++k) {
            EXPECT_EQ(p->Ligne(cote, k).Nom->Text(), "");
            EXPECT_EQ(p->Ligne(cote, k).Note->Text(), "");
        }
    TermineFenetre(f);
}

}  // namespace
