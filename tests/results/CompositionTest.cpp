// The line-ups page opened through the main window (command 15): a played
// match's line-up shown as stored, a new one entered on the next matchday by
// the controls, written when another match is shown, shown again, saved and
// reopened equal; football and rugby grabbed to PNG. The player lists of every
// match sheet page sort names as the squads do.
#include <gtest/gtest.h>

#include "model/Championnat.h"
#include "model/Joueurs.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/StdCtrls.h"
#include "results/PagesMatch.h"
#include "results/w_ButeursStat.h"
#include "results/w_Composition.h"
#include "results/w_Resultats.h"
#include "shell/Commandes.h"
#include "tests/results/FeuilleEssai.h"
#include "tests/shell/SaisonEssai.h"
#include "tests/support/SaisonBuilder.h"
#include "ui/Fond.h"

using namespace essai;

namespace {

void ChoisitJoueur(Tf_Composition& p, int cote, int i)
{
    TListe* l = p.Liste(cote);
    l->SetItemIndex(i);
    const TRect e = l->ItemRect(i);
    kit::DblClick(l, e.Left + 5, e.Top + 3);
}

class Composition : public ::testing::TestWithParam<int>
{
};

TEST_P(Composition, LineUpsEnteredWrittenShownSavedAndReopened)
{
    const int sport = GetParam();
    const std::string nom = "composition" + std::to_string(sport);
    const std::string dir = Prepare(nom);
    TSaisonComplete sc(sport);
    sc.saison->SetChampionnatCourant(sc.ligue);
    sc.ligue->NbJournee = 4;
    const std::string fichier = MakePath(dir, nom + ".xmc");
    auto f = feuille_essai::SauveEtOuvre(*sc.saison, fichier);
    ASSERT_TRUE(f);
    ASSERT_TRUE(f->Saison);
    TDonneesChampionnat* c = f->Saison->ChampionnatCourant();

    // A played match shows its stored line-up: starters 1 and 3, one
    // substitution at minute 70, the shirt byte of slot 1.
    ASSERT_TRUE(Commande(*f, 15));
    auto* p = dynamic_cast<Tf_Composition*>(f->Enfant);
    ASSERT_NE(p, nullptr);
    const TInfoComp* joue = c->Match(4, 1);
    const int dom = joue->IdEquipe(0);
    EXPECT_EQ(p->IdDomicile, dom);
    const auto jd = sc.Joueurs(dom);
    const int nt = p->NbTitulaire();
    ASSERT_EQ(nt, c->NbTitulaire());
    EXPECT_EQ(p->Enreg(0, 1).Joueur->Numero, jd[0]);
    EXPECT_EQ(p->Enreg(0, 1).Numero->Text(), "9");
    EXPECT_EQ(p->Enreg(0, 2).Joueur->Numero, 0);
    EXPECT_EQ(p->Enreg(0, 3).Joueur->Numero, jd[1]);
    EXPECT_EQ(p->Enreg(0, nt + 1).Joueur->Numero, jd[1]);
    EXPECT_EQ(p->Enreg(0, nt + 1).Numero->Text(), "70");
    EXPECT_EQ(p->Enreg(0, nt + 2).Joueur->Numero, jd[2]);
    EXPECT_EQ(p->Liste(0)->Items().Count(), 0);   // all three placed

    // The next matchday's first match, chosen on the results page: no line-up yet.
    ASSERT_TRUE(Commande(*f, 13));
    ASSERT_NE(dynamic_cast<Tf_Resultats*>(f->Enfant), nullptr);
    dynamic_cast<Tf_Resultats*>(f->Enfant)->TrackBar1->SetPosition(5);
    ASSERT_EQ(c->NbJournee, 5);
    ASSERT_TRUE(Commande(*f, 15));
    p = dynamic_cast<Tf_Composition*>(f->Enfant);
    ASSERT_NE(p, nullptr);
    const int h = p->IdDomicile, a = p->IdExterieur;
    const auto jh = sc.Joueurs(h), ja = sc.Joueurs(a);
    ASSERT_EQ(p->Liste(0)->Items().Count(), 3);
    for (int k = 0; k < 3; ++k)
        ChoisitJoueur(*p, 0, 0);
    ChoisitJoueur(*p, 1, 1);
    EXPECT_EQ(p->Liste(0)->Items().Count(), 0);
    // Starter 1 goes off (double click) at a minute past the bound, its
    // third key refused aloud (30 kept), starter 2 the next; the first
    // starter's shirt typed.
    kit::DblClick(p->Enreg(0, 1).Joueur);
    kit::DblClick(p->Enreg(0, 2).Joueur);
    kit::Refusals().clear();
    kit::Type(p->Enreg(0, nt + 1).Numero, "300");
    ASSERT_EQ(kit::Refusals().size(), 1u);
    EXPECT_EQ(kit::Refusals()[0].reason, TraduireFormat(4400, {300, 255}));
    EXPECT_EQ(p->Enreg(0, nt + 1).Numero->Text(), "30");
    kit::Type(p->Enreg(0, 1).Numero, "12");
    const int32_t s1 = p->Enreg(0, 1).Joueur->Numero, s2 = p->Enreg(0, 2).Joueur->Numero;
    EXPECT_EQ(p->Enreg(0, nt + 1).Joueur->Numero, s1);
    EXPECT_EQ(p->Enreg(0, nt + 3).Joueur->Numero, s2);
    kit::GrabToPng(f.get(), "composition_" + std::to_string(sport));
    const TInfoComp* m = c->Match(5, p->MatchCourant);
    EXPECT_FALSE(m->CompositionSaisie(h));   // nothing written while typing

    p->UpDown1->ClickButton(btNext);
    EXPECT_NE(p->IdDomicile, h);
    EXPECT_TRUE(m->CompositionSaisie(h));
    EXPECT_TRUE(m->CompositionSaisie(a));
    EXPECT_EQ(m->JoueurTitulaire(h, 1), s1);
    EXPECT_EQ(m->Maillot(h, 1), 12);
    EXPECT_EQ(m->ValeurRemplacement(h, 1, 1), s1);
    EXPECT_EQ(m->ValeurRemplacement(h, 1, 5), 30);
    EXPECT_EQ(m->ValeurRemplacement(h, 2, 1), s2);
    EXPECT_EQ(m->JoueurTitulaire(a, 1), ja[1]);
    EXPECT_EQ(ModifSaison, 1);

    p->UpDown1->ClickButton(btPrev);
    EXPECT_EQ(p->IdDomicile, h);
    EXPECT_EQ(p->Enreg(0, 1).Numero->Text(), "12");
    EXPECT_EQ(p->Enreg(0, nt + 1).Numero->Text(), "30");
    EXPECT_EQ(p->Enreg(1, 1).Joueur->Numero, ja[1]);
    EXPECT_EQ(p->Liste(1)->Items().Count(), static_cast<int>(ja.size()) - 1);
    (void)jh;

    // Saved with the page shown (its entries committed first), reopened equal.
    kit::Type(p->Enreg(1, 1).Numero, "5");
    std::vector<std::string> dits;
    RepondBoite(mrOk, &dits);
    Commande(*f, 7);
    EXPECT_EQ(m->Maillot(a, 1), 5);
    EXPECT_EQ(ModifSaison, 0);
    uint8_t etat = 0;
    auto relu = TTraiteurFichier::Charger(fichier, "", "", nullptr, TousSports, etat, true);
    ASSERT_TRUE(relu);
    EXPECT_EQ(Document(*relu), Document(*f->Saison));
    TermineFenetre(f);
}

// Starters proposed from the team's last entered match reach an unplayed
// match only after an edit: viewing it gives no appearance.
TEST(CompositionProposee, WrittenOnlyAfterAnEdit)
{
    const std::string dir = Prepare("composition_proposee");
    TSaisonComplete sc(0);
    sc.saison->SetChampionnatCourant(sc.ligue);
    sc.ligue->SetOption(11, sc.ligue->Option(11) | 32);
    const std::string fichier = MakePath(dir, "proposee.xmc");
    auto f = feuille_essai::SauveEtOuvre(*sc.saison, fichier);
    ASSERT_TRUE(f);
    ASSERT_TRUE(f->Saison);
    TDonneesChampionnat* c = f->Saison->ChampionnatCourant();
    ASSERT_EQ(c->NbJournee, 5);
    ASSERT_TRUE(Commande(*f, 15));
    auto* p = dynamic_cast<Tf_Composition*>(f->Enfant);
    ASSERT_NE(p, nullptr);
    const int h = p->IdDomicile;
    const TInfoComp* avant = c->MatchEquipe(4, h);
    ASSERT_TRUE(avant && avant->CompositionSaisie(h));
    EXPECT_EQ(p->Enreg(0, 1).Joueur->Numero, avant->JoueurTitulaire(h, 1));
    const TInfoComp* m = c->MatchEquipe(5, h);
    p->UpDown1->ClickButton(btNext);
    EXPECT_FALSE(m->CompositionSaisie(h));
    EXPECT_EQ(m->JoueurTitulaire(h, 1), 0);
    p->UpDown1->ClickButton(btPrev);
    kit::DblClick(p->Enreg(0, 1).Joueur);
    p->UpDown1->ClickButton(btNext);
    EXPECT_TRUE(m->CompositionSaisie(h));
    EXPECT_EQ(m->JoueurTitulaire(h, 1), avant->JoueurTitulaire(h, 1));
    TermineFenetre(f);
}

INSTANTIATE_TEST_SUITE_P(Sports, Composition, ::testing::Values(0, 1));

}  // namespace

namespace {

// The players' names a page lists for the home team, as they stand (the
// entries standing for no player left out).
std::vector<std::string> NomsListes(TBrivantelForm* page)
{
    TListe* l = nullptr;
    if (auto* compo = dynamic_cast<Tf_Composition*>(page))
        l = compo->Liste(0);
    else if (auto* stat = dynamic_cast<Tf_ButeursStat*>(page))
        l = stat->l_EquipeDomicile;
    else if (auto* cadre = dynamic_cast<Tf_InfoMatchCadre*>(page))
        l = cadre->Liste(1);
    std::vector<std::string> noms;
    for (int i = 0; l && i < l->Items().Count(); ++i)
        if (NumeroEntreeListe(l->Items()[i], 8, true) < 0xFFFFFFD)
            noms.push_back(Cp1252ToUtf8(NomEntreeListe(l->Items()[i], 8)));
    return noms;
}

}  // namespace

// Names with accents among plain ones, in a season made through the creation
// windows: every page's list of the home team's players (scorers, line-ups,
// second page, statistic page) sorts them as the squads grid does, an
// accented letter with its plain one.
TEST(ListesFeuille, AccentedNamesSortAsTheSquadsDo)
{
    EnregistrePagesMatch();
    struct TCas
    {
        int sport, commande;
    };
    const TCas cas[] = {{0, 14}, {0, 15}, {0, 16}, {1, 14}, {1, 16}, {2, 14}, {3, 14}, {3, 15}};
    const std::vector<std::string> attendus = {"Bérard", "Bonnet", "Dupont", "Émery", "Faure"};
    for (const TCas& c : cas) {
        SCOPED_TRACE(std::to_string(c.sport) + " " + std::to_string(c.commande));
        Prepare("listes_accents");
        auto f = LanceFenetre();
        ASSERT_TRUE(feuille_essai::CreeSaisonParFenetres(*f, c.sport));
        TDonneesChampionnat* ch = f->Saison->ChampionnatCourant();
        const int h = ch->IdEquipe(0);
        ch->CreeMatch(1, h, ch->IdEquipe(1), 2, 1);
        ch->NbJournee = 1;
        for (const char* nom : {"Bonnet", "Émery", "Bérard", "Faure", "Dupont"})
            f->Saison->Joueurs().AjouteJoueur(f->Saison->CreeJoueur(L1(nom), "Jo", -1, h));
        // The squads' order of the team.
        std::vector<std::string> effectif;
        for (const TJoueur* j : f->Saison->Joueurs().ListeJoueursEquipe(h, 0))
            effectif.push_back(Cp1252ToUtf8(j->Nom));
        ASSERT_EQ(effectif, attendus);
        ASSERT_TRUE(Commande(*f, c.commande));
        auto* p = dynamic_cast<Tf_InfoMatchCadreBase*>(f->Enfant);
        ASSERT_NE(p, nullptr);
        while (p->IdDomicile != h)
            p->UpDown1->ClickButton(btNext);
        EXPECT_EQ(NomsListes(p), attendus);
        TermineFenetre(f);
    }
}
