// The forecast: shares worked out by hand (the capped case, a draw-only case
// written as a whole 100), form and venue performance on the four-team
// championship, no weight at all, the settings read and written, the matchday
// put back on close; the page function.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/historique.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/StringList.h"
#include "tests/support/HtmlTables.h"
#include "tests/support/gui/GuiKit.h"
#include "tests/views/VuesEssai.h"
#include "ui/ColorStringGrid.h"
#include "ui/GestionFonction.h"
#include "views/w_Prevision.h"

namespace {

// The forecast window of the season, shown in a panel of the host form as the
// main window shows its views.
Tf_Prevision* Heberge(TForm& fenetre, TSaison* saison)
{
    auto* panneau = new TPanel(&fenetre);
    panneau->SetAlign(alClient);
    panneau->SetParent(&fenetre);
    auto* f = new Tf_Prevision(&fenetre);
    f->ChangeCouleurs(vues::Module()->Couleurs);
    f->ChangeSaison(saison);
    IntegreFiche(f, panneau);
    kit::ShowForm(&fenetre);
    return f;
}

TEST(Prevision, SharesWorkedOutByHand)
{
    struct Cas
    {
        double dom, ext, p[3];
    };
    const Cas cas[] = {{5, 5, {35.71, 28.57, 35.71}},   // h = a = 100, d = 80
                       {7, 9, {35.71, 28.57, 35.71}},   // capped at 5
                       {0, 0, {0, 100, 0}},
                       {2, 1, {38.38, 42.43, 19.19}}};
    for (const Cas& k : cas) {
        double p[3];
        ASSERT_TRUE(Tf_Prevision::Pourcentages(k.dom, k.ext, p));
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(p[i], k.p[i], 0.01) << k.dom << " " << k.ext << " " << i;
    }
    // Without draws the two sides share it all by their scores.
    const Cas sansNul[] = {{5, 5, {50, 0, 50}}, {7, 1, {83.33, 0, 16.67}}, {0, 0, {50, 0, 50}}, {2, 1, {66.67, 0, 33.33}}};
    for (const Cas& k : sansNul) {
        double p[3];
        ASSERT_TRUE(Tf_Prevision::Pourcentages(k.dom, k.ext, p, false));
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(p[i], k.p[i], 0.01) << k.dom << " " << k.ext << " " << i;
    }
}

// Basketball, four teams: d1 0-1 80-70, 2-3 75-72; d2 1-2 60-65, 3-0 70-90;
// d3 0-2 85-80, 1-3 72-71. Matchday 4: team 0 (W W W, home wins on d1 and
// d3) receives team 1 (L L W, its win at home on d3). Home: venue 2 x 2.5,
// form 56/12: 4.833; away: venue 0, form 20/12: 0.833. h = 96.67, a = 16.67:
// 85 and 15, no draw.
TEST(Prevision, BasketballHasNoDrawShare)
{
    auto s = vues::LigueVide(2, 4, 6);
    auto m = [&](int d, int a, int b, int sa, int sb) {
        s.c1->CreeMatch(d, s.c1->IdEquipe(a), s.c1->IdEquipe(b), sa, sb);
    };
    m(1, 0, 1, 80, 70);
    m(1, 2, 3, 75, 72);
    m(2, 1, 2, 60, 65);
    m(2, 3, 0, 70, 90);
    m(3, 0, 2, 85, 80);
    m(3, 1, 3, 72, 71);
    m(4, 0, 1, 65535, 65535);
    m(4, 2, 3, 65535, 65535);
    s.c1->DerniereJournee = 3;
    s.c1->NbJournee = 3;
    const std::string ini = MakePath(kit::TempDir(), "prevision_basket.ini");
    DeleteFile(ini);
    TOwned<TForm> fenetre = kit::NewForm(800, 540);
    Tf_Prevision* f = Heberge(*fenetre, s.saison.get());
    f->AfficheJournee(nullptr, ini);
    const TColorStringGrid& g = *f->sg_Classement;
    ASSERT_EQ(g.RowCount(), 3);
    EXPECT_EQ(g.Cells(3, 1), "85");
    EXPECT_EQ(g.Cells(4, 1), "-");
    EXPECT_EQ(g.Cells(5, 1), "15");
    for (int r = 1; r < g.RowCount(); ++r) {
        EXPECT_EQ(g.Cells(4, r), "-");
        EXPECT_EQ(std::stoi(g.Cells(3, r)) + std::stoi(g.Cells(5, r)), 100) << r;
    }
    kit::GrabToPng(fenetre.get(), "prevision_basket");
}

// Matchday 4: Olympique Brivant (W W W, home wins on d1 and d3) receives
// Racing Zelvor (L L D, its only away match lost). Form 56/12 and 10/12,
// venue 2 and 0: home 4.833, away 0.417 -> 88 / 4 / 8.
TEST(Prevision, WindowSettingsAndMatchday)
{
    auto s = vues::QuatreEquipes();
    s.c1->CreeMatch(4, s.c1->IdEquipe(0), s.c1->IdEquipe(1), 65535, 65535);
    s.c1->CreeMatch(4, s.c1->IdEquipe(2), s.c1->IdEquipe(3), 65535, 65535);
    s.c1->NbJournee = 3;
    EXPECT_NEAR(Tf_Prevision::FormeEquipe(s.c1->IdEquipe(0), 5, s.saison.get()), 56.0 / 12, 1e-9);
    EXPECT_NEAR(Tf_Prevision::PerformanceLieu(s.c1->IdEquipe(0), 5, s.saison.get(), 0), 2.0, 1e-9);
    EXPECT_NEAR(Tf_Prevision::FormeEquipe(s.c1->IdEquipe(1), 5, s.saison.get()), 10.0 / 12, 1e-9);

    const std::string ini = MakePath(kit::TempDir(), "prevision.ini");
    DeleteFile(ini);
    TIniFile(ini).WriteInteger("General", "Prevision6", 7);
    {
        TOwned<TForm> fenetre = kit::NewForm(800, 540);
        Tf_Prevision* f = Heberge(*fenetre, s.saison.get());
        f->AfficheJournee(nullptr, ini);
        // the next matchday forecast; the championship's current one left as it is
        EXPECT_EQ(f->TrackBar1->Position(), 4);
        EXPECT_EQ(s.c1->NbJournee, 3);
        EXPECT_EQ(f->ud_nRenc->Position(), 7);
        EXPECT_EQ(f->ud_PourcForme->Position(), 40);
        const TColorStringGrid& g = *f->sg_Classement;
        ASSERT_EQ(g.RowCount(), 3);
        EXPECT_EQ(g.Cells(1, 1), "Olympique Brivant (1)");
        EXPECT_EQ(g.Cells(3, 1), "88");
        EXPECT_EQ(g.Cells(4, 1), "4");
        EXPECT_EQ(g.Cells(5, 1), "8");
        EXPECT_EQ(f->cb_Matchs->Items().Count(), 2);
        kit::GrabToPng(fenetre.get(), "prevision");
        // no weight at all: no share can be told
        for (TUpDown* u : {f->ud_PourcForme, f->ud_PourcPerf, f->ud_PourcHist})
            u->SetPosition(0);
        f->bc_VisualiserClick(nullptr);
        EXPECT_EQ(g.Cells(3, 1), "-");
        f->ud_nMatchForme->SetPosition(3);
    }
    EXPECT_EQ(s.c1->NbJournee, 3);   // put back
    EXPECT_EQ(TIniFile(ini).ReadInteger("General", "Prevision2", 0), 3);
    EXPECT_EQ(TIniFile(ini).ReadInteger("General", "Prevision1", 9), 0);

    const TFonctionEnregistree* e = GestionFonctions().Cherche("Prevision");
    ASSERT_NE(e, nullptr);
    TOwned<TForm> f(e->Classe.Cree(nullptr));
    TStringList p;
    p.Add("Journee=3");
    std::string r;
    dynamic_cast<TFootForm&>(*f).ExecuteFonction("Prevision", p, r, vues::Module()->Couleurs, "", s.saison.get());
    const html_lu::TPage page = html_lu::Lit(r);
    ASSERT_EQ(page.tables.size(), 1u);
    ASSERT_EQ(page.tables[0].size(), 3u);
    EXPECT_EQ(page.tables[0][1][3], "88");
}

// The same match in the season 2010/11, with its history: Olympique Brivant
// received Racing Zelvor last season (0-2), not two seasons ago (Racing not
// there), three seasons ago (1-1) and fifteen (3-0). History weighs 20 (the
// others 40 and 40, so home 386.67 and away 33.33 before it): over the N last
// years only the meetings of the seasons of those years count.
// 0-2 alone: home 386.67 / 100, away 133.33 / 100 -> 61 / 18 / 21;
// with the 1-1: home 4.117, away 1.083 -> 68 / 15 / 18;
// with the 3-0 too: home 4.367, away 0.833 -> 75 / 11 / 14.
TEST(Prevision, HistoryOverTheLastYears)
{
    auto s = vues::QuatreEquipes();
    s.c1->CreeMatch(4, s.c1->IdEquipe(0), s.c1->IdEquipe(1), 65535, 65535);
    s.c1->CreeMatch(4, s.c1->IdEquipe(2), s.c1->IdEquipe(3), 65535, 65535);
    s.c1->NbJournee = 3;
    s.c1->SetOption(8, 110);
    const std::string dossier = MakePath(kit::TempDir(), "prevision_stats");
    ForceDirectories(dossier);
    DeleteFile(MakePath(dossier, "stat1_1.txt"));
    {
        TStats ecrits;
        TStat* h = ecrits.AjouteStat(dossier, 1, 0);
        const struct
        {
            int numero, domicile, exterieur;
            const char* adversaire;
        } saisons[] = {{109, 0, 2, "Racing Zelvor"}, {108, 1, 0, "Stade Marnois"}, {107, 1, 1, "Racing Zelvor"},
                       {95, 3, 0, "Racing Zelvor"}};
        for (const auto& k : saisons) {
            auto saison = std::make_unique<TSaisonStat>(2, k.numero);
            saison->AjouteEquipe(h->IdEquipe("Olympique Brivant"));
            saison->AjouteEquipe(h->IdEquipe(k.adversaire));
            saison->EcritResultat(0, 1, k.domicile, k.exterieur);
            h->AjouteSaison(std::move(saison));
        }
        ASSERT_TRUE(h->Sauve());
    }
    TStats lus;
    lus.ChargeDossier(dossier);
    ASSERT_EQ(lus.Nombre(), 1);
    const std::string ini = MakePath(kit::TempDir(), "prevision_histoire.ini");
    DeleteFile(ini);
    TOwned<TForm> fenetre = kit::NewForm(800, 540);
    Tf_Prevision* f = Heberge(*fenetre, s.saison.get());
    f->AfficheJournee(lus.Stat(0), ini);
    const struct
    {
        int annees;
        const char* parts[3];
    } cas[] = {{0, {"88", "4", "8"}},    {1, {"61", "18", "21"}},  {2, {"61", "18", "21"}},
               {3, {"68", "15", "18"}},  {10, {"68", "15", "18"}}, {15, {"75", "11", "14"}}};
    const TColorStringGrid& g = *f->sg_Classement;
    for (const auto& k : cas) {
        f->ud_nRenc->SetPosition(k.annees);
        kit::Click(f->bc_Visualiser);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(g.Cells(3 + i, 1), k.parts[i]) << k.annees << " years, share " << i;
    }
}

}  // namespace
