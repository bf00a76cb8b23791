// Team information on the four-team championship worked out by hand: tied best
// players, the best home crowd (a match without a home team skipped), players
// used, runs of minutes redrawn by the option buttons without recomputing; the
// page functions; pictures.
#include <gtest/gtest.h>

#include "model/Joueurs.h"
#include "model/ListeDonnees.h"
#include "model/oTraducteur.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"
#include "tests/support/HtmlTables.h"
#include "tests/support/gui/GuiKit.h"
#include "tests/views/VuesEssai.h"
#include "ui/Bouton.h"
#include "ui/ColorStringGrid.h"
#include "ui/GestionFonction.h"
#include "views/w_InfoEquipes.h"

namespace {

// Olympique Brivant: Alpha and Alpha2 score 2 each (d1, d2); AS Corvelle: Delta
// 1 (d3, minute 30 of a 2-2 draw). Line-ups of Olympique Brivant: d1 101 102,
// d2 101 103.
vues::TSaisonVue Saison()
{
    auto s = vues::QuatreEquipes();
    const int ob = s.c1->IdEquipe(0), ac = s.c1->IdEquipe(3);
    for (auto [nom, id, equipe] : {std::tuple{"Alpha", 101, ob}, {"Alpha2", 102, ob}, {"Gamma", 103, ob},
                                   {"Delta", 104, ac}})
        s.saison->Joueurs().AjouteJoueur(s.saison->CreeJoueur(nom, "Jean", id, equipe));
    for (int d : {1, 2})
        for (int id : {101, 102})
            s.c1->ListeButeurs(d)->Ajoute(std::make_unique<TDonneesEvt>(id, ob, 10, 0));
    s.c1->ListeButeurs(3)->Ajoute(std::make_unique<TDonneesEvt>(104, ac, 30, 0));
    s.c1->SetJoueurTitulaire(1, 0, 1, 101);
    s.c1->SetJoueurTitulaire(1, 0, 2, 102);
    s.c1->SetCompositionSaisie(1, 0);
    s.c1->SetJoueurTitulaire(2, 0, 1, 101);
    s.c1->SetJoueurTitulaire(2, 0, 2, 103);
    s.c1->SetCompositionSaisie(2, 0);
    return s;
}

std::vector<std::string> Colonne(const TColorStringGrid& g, int col)
{
    std::vector<std::string> v;
    for (int r = 1; r < g.RowCount(); ++r)
        v.push_back(g.Cells(col, r));
    return v;
}

TEST(InfoEquipes, ViewsWorkedOutByHand)
{
    auto s = Saison();
    TOwned<TForm> fenetre = kit::NewForm(900, 600);
    auto* panneau = new TPanel(fenetre.get());
    panneau->SetAlign(alClient);
    panneau->SetParent(fenetre.get());
    auto* f = new Tf_InfoEquipes(fenetre.get());
    f->ChangeCouleurs(vues::Module()->Couleurs);
    f->ChangeSaison(s.saison.get());
    std::vector<std::pair<int, int>> commandes;
    f->ExecuteCommande = [&](int c, int p, bool) { commandes.emplace_back(c, p); };
    IntegreFiche(f, panneau);
    kit::ShowForm(fenetre.get());
    f->InitParam(0, s.c1->CodeChamp);

    f->AfficheVue(17);   // past the last mode: mode 0
    EXPECT_EQ(f->Mode(), 0);
    const TColorStringGrid& g = *f->sg_Buteur;
    EXPECT_EQ(Colonne(g, 1), (std::vector<std::string>{"Jean Alpha", "Jean Alpha2", Traduire(108),
                                                        Traduire(108), "Jean Delta"}));
    EXPECT_EQ(Colonne(g, 0)[0], "Olympique Brivant");
    EXPECT_EQ(Colonne(g, 0)[1], "");
    EXPECT_EQ(g.TexteCacheCellule(0, 2), "Olympique Brivant");
    EXPECT_EQ(Colonne(g, 2)[0], "2");
    EXPECT_EQ(g.DonneeCellule(1, 1), 101);
    kit::GrabToPng(fenetre.get(), "infoequipes-buteurs");

    // runs of minutes without scoring (90 a match, goals at the minute of their
    // records, none read as minute 0): current SM 180, OB 90, RZ 90, AC 60;
    // best AC 210, RZ 180, SM 180, OB 90
    f->AfficheVue(11);
    EXPECT_TRUE(f->fc_Param->Visible());
    EXPECT_EQ(Colonne(g, 2), (std::vector<std::string>{"180", "90", "90", "60"}));
    EXPECT_EQ(Colonne(g, 1)[3], "AS Corvelle");
    EXPECT_EQ(Colonne(g, 0), (std::vector<std::string>{"1", "2", "-", "4"}));
    kit::Click(f->rc_MeilleureSerie);
    EXPECT_EQ(Colonne(g, 2), (std::vector<std::string>{"210", "180", "180", "90"}));
    EXPECT_EQ(Colonne(g, 1)[3], "Olympique Brivant");
    EXPECT_EQ(f->CalculsSeries(), 1);   // redrawn from the kept table
    kit::GrabToPng(fenetre.get(), "infoequipes-series");
    f->Clic(1, 4);   // a run's team opens its sheet
    EXPECT_EQ(commandes, (std::vector<std::pair<int, int>>{{121, 0}}));
    // best home crowd: the bigger of Olympique Brivant's two played; a match of no home team is skipped
    s.c1->SetAffluenceMatch(1, 1, 5000);
    s.c1->SetAffluenceMatch(3, 1, 7000);
    s.c1->CreeMatch(3, 999, s.c1->IdEquipe(1), 1, 0);
    s.c1->SetAffluenceMatch(3, 3, 90000);
    // nor is a match of Olympique Brivant not played yet
    s.c1->CreeMatch(4, s.c1->IdEquipe(0), s.c1->IdEquipe(1), 65535, 65535);
    s.c1->SetAffluenceMatch(4, 1, 95000);
    s.c1->DerniereJournee = 4;
    f->AfficheVue(1);
    s.c1->DerniereJournee = 3;
    const TColorStringGrid& a = *f->sg_Affluence;
    ASSERT_EQ(a.RowCount(), 1);
    EXPECT_EQ(a.Cells(0, 0), "Olympique Brivant");
    EXPECT_EQ(a.Cells(1, 0), "1");
    EXPECT_EQ(a.Cells(5, 0), "7000 " + Traduire(51));

    // players used: three for Olympique Brivant; the others entered no
    // line-up: no count, no rank, after it
    f->AfficheVue(2);
    EXPECT_EQ(Colonne(g, 0), (std::vector<std::string>{"1", "", "", ""}));
    EXPECT_EQ(Colonne(g, 2), (std::vector<std::string>{"3", "-", "-", "-"}));
    // teams without a count are listed by name
    const std::vector<std::string> noms = Colonne(g, 1);
    for (size_t i = 2; i < 4; ++i)
        EXPECT_LT(AnsiCompareText(noms[i - 1], noms[i]), 0) << noms[i - 1] << " / " << noms[i];

}

// A runs back from the end of a match to its last goal and starts again at its
// first: A draws 0-0, scores at 10' and 80' against C, draws 0-0 again (90
// minutes a match): 80' to the end and the 90 of the last match make 100, the
// first 10' and the 90 before them 100 too; C concedes at 10' and 80' in its
// only match: its best run without conceding is 10.
TEST(InfoEquipes, RunsRestartAtTheGoalThatEndsThem)
{
    auto v = vues::LigueVide(0, 4, 6);
    TDonneesChampionnat& c = *v.c1;
    const int a = c.IdEquipe(0), b = c.IdEquipe(1), cc = c.IdEquipe(2), d = c.IdEquipe(3);
    c.CreeMatch(1, a, b, 0, 0);
    c.CreeMatch(2, a, cc, 2, 0);
    for (int minute : {80, 10})
        c.ListeButeurs(2)->Ajoute(std::make_unique<TDonneesEvt>(101, a, minute, 0));
    c.CreeMatch(3, d, a, 0, 0);
    c.DerniereJournee = 3;
    const TSeriesMinutes t = Tf_InfoEquipes::CalculeSeries(v.saison.get());
    ASSERT_EQ(t.size(), 4u);
    struct TCas
    {
        const char* nom;
        int position, colonne, minutes;
    };
    const TCas cas[] = {
        {"A, current run without scoring", 0, 0, 100},
        {"A, best run without scoring", 0, 4, 100},
        {"C, best run without conceding: 10' to 80'", 2, 6, 70},
        {"A at home, best without scoring", 0, 12, 100},
    };
    for (const TCas& k : cas)
        EXPECT_EQ(t[static_cast<size_t>(k.position)][static_cast<size_t>(k.colonne)], k.minutes) << k.nom;
}

// Runs of minutes by hand: team A's matches laid end to end (90 minutes
// each), the goals on that line; a run is the stretch between two goals (or
// the first kick-off, or the last whistle), within a match or across
// matches. Random goals, minutes in any order, some past the 90th.
TEST(InfoEquipes, RunsAreTheStretchesBetweenGoals)
{
    static constexpr int D = 90;
    struct TJoue
    {
        bool domicile;
        std::vector<int> pour, contre;
    };
    // best run and current run over the matches on that side (-1 all)
    auto aLaMain = [](const std::vector<TJoue>& matchs, bool marquer, int cote) {
        std::vector<int> buts;
        int fin = 0;
        for (const TJoue& m : matchs) {
            if (cote >= 0 && m.domicile != (cote == 0))
                continue;
            for (int b : marquer ? m.pour : m.contre)
                buts.push_back(fin + std::min(b, D));
            fin += D;
        }
        std::sort(buts.begin(), buts.end());
        int meilleure = 0, avant = 0;
        for (int b : buts) {
            meilleure = std::max(meilleure, b - avant);
            avant = b;
        }
        return std::make_pair(std::max(meilleure, fin - avant), fin - avant);
    };
    for (uint32_t graine = 1; graine <= 40; ++graine) {
        SCOPED_TRACE(graine);
        vues::TAlea alea(graine);
        auto v = vues::LigueVide(0, 4, 6);
        TDonneesChampionnat& c = *v.c1;
        const int a = c.IdEquipe(0);
        std::vector<TJoue> matchs;
        const int n = 2 + alea(4);
        for (int d = 1; d <= n; ++d) {
            const int autre = c.IdEquipe(1 + alea(3));
            TJoue m{alea(2) == 0, {}, {}};
            for (auto* buts : {&m.pour, &m.contre})
                for (int k = alea(4); k > 0; --k)
                    buts->push_back(alea(100));
            c.CreeMatch(d, m.domicile ? a : autre, m.domicile ? autre : a,
                        static_cast<int>((m.domicile ? m.pour : m.contre).size()),
                        static_cast<int>((m.domicile ? m.contre : m.pour).size()));
            for (int b : m.pour)
                c.ListeButeurs(d)->Ajoute(std::make_unique<TDonneesEvt>(101, a, b, 0));
            for (int b : m.contre)
                c.ListeButeurs(d)->Ajoute(std::make_unique<TDonneesEvt>(201, autre, b, 0));
            matchs.push_back(m);
        }
        c.DerniereJournee = n;
        const TSeriesMinutes t = Tf_InfoEquipes::CalculeSeries(v.saison.get());
        // words: +0 current, +4 best; base 0 / 2 without scoring / conceding, +8 home, +16 away
        for (int cote : {-1, 0, 1})
            for (bool marquer : {true, false}) {
                const int base = (marquer ? 0 : 2) + (cote == 0 ? 8 : cote == 1 ? 16 : 0);
                const auto [meilleure, courante] = aLaMain(matchs, marquer, cote);
                EXPECT_EQ(t[0][static_cast<size_t>(base + 4)], meilleure) << "best, base " << base;
                EXPECT_EQ(t[0][static_cast<size_t>(base)], courante) << "current, base " << base;
            }
    }
}

// Players used and substitutions per match over two leagues chosen: every team
// of both is listed, the other league's counted too.
TEST(InfoEquipes, PlayersUsedCoverEveryChampionshipChosen)
{
    auto v = vues::SaisonVue(0);
    TDonneesChampionnat& c2 = *v.c2;
    for (int slot = 1; slot <= 3; ++slot)
        c2.SetJoueurTitulaire(1, 0, slot, 500 + slot);
    c2.SetCompositionSaisie(1, 0);
    const TListeChampionnats deux = {v.c1, &c2};
    const int attendues = v.c1->NbEquipe() + c2.NbEquipe();
    for (const bool remplacements : {false, true}) {
        SCOPED_TRACE(remplacements);
        TColorGridModel g;
        if (remplacements)
            Tf_InfoEquipes::AfficheRemplacements(g, v.saison.get(), 0, 0, deux, vues::Module()->Couleurs);
        else
            Tf_InfoEquipes::AfficheJoueursUtilises(g, v.saison.get(), 0, 0, deux, vues::Module()->Couleurs);
        ASSERT_EQ(g.RowCount(), attendues + 1);
        const std::string autre = v.saison->NomEquipeCourant(c2.IdEquipe(0));
        bool trouvee = false;
        for (int r = 1; r < g.RowCount(); ++r)
            if (g.Cells(1, r) == autre) {
                trouvee = true;
                if (!remplacements) {
                    EXPECT_EQ(g.Cells(2, r), "3");
                }
            }
        EXPECT_TRUE(trouvee) << autre;
    }
}

TEST(InfoEquipes, PageFunctions)
{
    auto s = Saison();
    const char* noms[] = {"MeilleursButeursEquipe", "MeilleursEssaiEquipe", "MeilleursRealisateurEquipe",
                          "MeilleursAffluencesEquipe", "JoueursUtilisesEquipe", "NbRemplacementEquipe",
                          "MeilleursMarqueurEquipe", "MeilleureReussite2ptsEquipe", "MeilleureReussite3ptsEquipe",
                          "MeilleureReussiteLFEquipe", "MeilleursRebondEquipe", "MeilleursPasseurEquipe"};
    for (const char* nom : noms) {
        SCOPED_TRACE(nom);
        const TFonctionEnregistree* e = GestionFonctions().Cherche(nom);
        ASSERT_NE(e, nullptr);
        TOwned<TForm> f(e->Classe.Cree(nullptr));
        TStringList p;
        std::string r;
        dynamic_cast<TFootForm&>(*f).ExecuteFonction(nom, p, r, vues::Module()->Couleurs, "", s.saison.get());
        const html_lu::TPage page = html_lu::Lit(r);
        EXPECT_TRUE(page.equilibree);
        if (std::string(nom) == "JoueursUtilisesEquipe") {
            ASSERT_EQ(page.tables.size(), 1u);
            EXPECT_EQ(page.tables[0][1][2], "3");
        }
    }
}

}  // namespace
