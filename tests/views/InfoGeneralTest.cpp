// The championship information of each sport on championships worked out by
// hand: the figures, their ties and empty shares, a bar click narrowing them,
// the mouse-over texts, the minute distribution, the best attendances (a cup
// round without matches, matchdays of the date system), printing, the pages
// written as HTML with their pictures, and the eight page-template tags.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <numeric>

#include "codecs/PngPicture.h"
#include "model/ChampionnatStat.h"
#include "model/Joueurs.h"
#include "model/ListeDonnees.h"
#include "model/Utilities.h"
#include "model/oTraducteur.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Printers.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"
#include "tests/support/HtmlTables.h"
#include "tests/support/gui/GuiKit.h"
#include "tests/views/VuesEssai.h"
#include "ui/Afficheur.h"
#include "ui/ColorStringGrid.h"
#include "ui/GestionFonction.h"
#include "ui/Graphe.h"
#include "views/w_InfoGeneral.h"
#include "views/w_InfoGeneralSports.h"

namespace {

using Ligne = std::vector<std::string>;

std::string U(const std::string& cp1252) { return Cp1252ToUtf8(cp1252); }
// Numbers written with the program's decimal comma, read with a point.
std::string N(std::string s)
{
    std::replace(s.begin(), s.end(), ',', '.');
    return s;
}
Ligne N(Ligne l)
{
    for (std::string& c : l)
        c = N(c);
    return l;
}
std::string T(int id) { return U(Traduire(id)); }

struct THoteInfo
{
    TOwned<TForm> fenetre = kit::NewForm(900, 640);
    Tf_InfoGeneral* vue = nullptr;

    explicit THoteInfo(TSaison* saison)
    {
        EnregistreInfoGeneral();
        auto* panneau = new TPanel(fenetre.get());
        panneau->SetAlign(alClient);
        panneau->SetParent(fenetre.get());
        vue = ClasseInfoGeneral(saison)->Cree(fenetre.get());
        vue->ChangeCouleurs(vues::Module()->Couleurs);
        vue->ChangeSaison(saison);
        IntegreFiche(vue, panneau);
        kit::ShowForm(fenetre.get());
        vue->Calcule(1);
        kit::Process(30);
    }
    std::string L(const char* nom) const { return N(vue->L(nom)->Caption()); }
};

// A scoring record; the player filed with a position number when pos > 0.
void But(TSaison& s, TDonneesChampionnat& c, int d, int32_t joueur, int equipe, int minute, uint16_t drapeaux,
         int pos = 0)
{
    if (pos > 0 && !s.Joueurs().ChercheJoueur(joueur, equipe)) {
        auto j = s.CreeJoueur("Joueur" + std::to_string(joueur), "Jean", joueur, equipe);
        j->SetPoste(j->PremierPoste() + pos - 1);
        s.Joueurs().AjouteJoueur(std::move(j));
    }
    c.ListeButeurs(d)->Ajoute(std::make_unique<TDonneesEvt>(joueur, equipe, minute, drapeaux));
}

void Stat(TDonneesChampionnat& c, int d, int code, int equipe, int valeur, int32_t joueur = 0)
{
    dynamic_cast<TDonneesChampionnatStat&>(c).ListeStat(d, code)->Ajoute(
        TDonneesEvt::CreateId(joueur, equipe, static_cast<uint16_t>(valeur)));
}

// The four-team football championship with its scorers, bookings and crowds:
//   d1 2-0 1-1 (4 goals), d2 0-1 0-3 (4), d3 1-0 2-2 (5): 13 goals, 6 at home.
vues::TSaisonVue Football()
{
    auto s = vues::QuatreEquipes();
    TDonneesChampionnat& c = *s.c1;
    const int ob = c.IdEquipe(0);
    But(*s.saison, c, 1, 901, ob, 10, 0, 4);                 // forward, minutes 10-14
    But(*s.saison, c, 1, 902, ob, 104, 0, 2);                // defender, last slice
    But(*s.saison, c, 3, 903, ob, 105, 0, 3);                // midfielder, after every slice
    But(*s.saison, c, 3, 904, c.IdEquipe(2), 50, evtRouge, 1);   // own goal
    But(*s.saison, c, 2, 905, ob, 0, evtHorsScore, 1);       // missed penalty: no goal
    But(*s.saison, c, 3, 555, ob, 30, 0);                    // not in the players list
    for (int k = 0; k < 2; ++k)
        c.ListeAvertis(1)->Ajoute(std::make_unique<TDonneesEvt>(1, ob, 20, 0));
    c.ListeAvertis(1)->Ajoute(std::make_unique<TDonneesEvt>(1, ob, 70, evtRouge));
    c.ListeAvertis(3)->Ajoute(std::make_unique<TDonneesEvt>(1, ob, 40, 0));
    c.SetAffluenceMatch(1, 1, 1000);
    c.SetAffluenceMatch(1, 2, 3000);
    c.SetAffluenceMatch(2, 1, 2000);
    c.SetAffluenceMatch(3, 2, 500);
    return s;
}

// Rugby: d1 10-3 (two home tries, one away) and 7-7 (one try each); d2 0-6
// (one away try). Tries 6, at home 3; points 33, at home 17.
vues::TSaisonVue Rugby()
{
    auto s = vues::LigueVide(1, 4, 6);
    TDonneesChampionnat& c = *s.c1;
    auto m = [&](int d, int a, int b, int sa, int sb) { c.CreeMatch(d, c.IdEquipe(a), c.IdEquipe(b), sa, sb); };
    m(1, 0, 1, 10, 3);
    m(1, 2, 3, 7, 7);
    m(2, 1, 2, 0, 6);
    for (auto [d, e] : {std::pair{1, 0}, {1, 0}, {1, 1}, {1, 2}, {1, 3}, {2, 2}})
        But(*s.saison, c, d, 1, c.IdEquipe(e), 30, 0);
    c.DerniereJournee = 2;
    return s;
}

// Basketball: d1 80-70 and 90-86, no match on d2, d3 100-98 and 60-62.
vues::TSaisonVue Basket()
{
    auto s = vues::LigueVide(2, 4, 6);
    TDonneesChampionnat& c = *s.c1;
    auto m = [&](int d, int a, int b, int sa, int sb) { c.CreeMatch(d, c.IdEquipe(a), c.IdEquipe(b), sa, sb); };
    m(1, 0, 1, 80, 70);
    m(1, 2, 3, 90, 86);
    m(3, 0, 2, 100, 98);
    m(3, 1, 3, 60, 62);
    c.SetAffluenceMatch(1, 1, 5000);
    c.SetAffluenceMatch(3, 1, 7000);
    const int e = c.IdEquipe(0);
    Stat(c, 1, 13, e, 30);
    Stat(c, 1, 14, e, 12);
    Stat(c, 3, 13, e, 20);
    Stat(c, 3, 14, e, 6);
    Stat(c, 1, 7, e, 30);
    Stat(c, 1, 8, e, 60);
    Stat(c, 1, 11, e, 9);
    Stat(c, 1, 12, e, 12);
    for (auto [id, pos, v] : {std::tuple{801, 1, 25}, {806, 6, 30}}) {
        auto j = s.saison->CreeJoueur("Joueur" + std::to_string(id), "Jean", id, e);
        j->SetPoste(j->PremierPoste() + pos - 1);
        s.saison->Joueurs().AjouteJoueur(std::move(j));
        Stat(c, 1, 6, e, v, id);
    }
    c.DerniereJournee = 3;
    return s;
}

// Handball: a matchday of 345 goals (150-150, 25-20), then 20-22 and 30-30;
// suspensions and disqualifications; a pivot's goals.
vues::TSaisonVue Handball()
{
    auto s = vues::LigueVide(3, 4, 6);
    TDonneesChampionnat& c = *s.c1;
    auto m = [&](int d, int a, int b, int sa, int sb) { c.CreeMatch(d, c.IdEquipe(a), c.IdEquipe(b), sa, sb); };
    m(1, 0, 1, 150, 150);
    m(1, 2, 3, 25, 20);
    m(2, 1, 2, 20, 22);
    m(2, 3, 0, 30, 30);
    const int e = c.IdEquipe(0);
    Stat(c, 1, 33, e, 3);
    Stat(c, 1, 33, c.IdEquipe(1), 2);
    Stat(c, 1, 34, e, 1);
    auto j = s.saison->CreeJoueur("Pivot", "Jean", 700, e);
    j->SetPoste(j->PremierPoste() + 4);
    s.saison->Joueurs().AjouteJoueur(std::move(j));
    Stat(c, 1, 21, e, 7, 700);
    c.DerniereJournee = 2;
    return s;
}

std::vector<int> Barres(const TGraphe& g, int n)
{
    std::vector<int> v;
    for (int x = 1; x <= n; ++x)
        v.push_back(std::max(g.ValeurPoint(0, x), 0));
    return v;
}

// A point of the chart over bar x (its foot), found through the chart's own hit test.
TPoint SurBarre(TGraphBarre& g, int x)
{
    for (int px = g.Gauche; px <= g.Droite; ++px)
        for (int py = g.Origine - 2; py > g.Origine - 8; --py)
            if (const TPointGraphe* p = g.BarreSousSouris(px, py, 0); p && p->X == x)
                return {px, py};
    ADD_FAILURE() << "no bar " << x;
    return {0, 0};
}

// ---- figures per sport ----

struct TCasChiffres
{
    const char* Nom;
    vues::TSaisonVue (*Saison)();
    std::vector<std::pair<const char*, std::string>> Valeurs;
};

TEST(InfoGeneral, FiguresEqualCountsWorkedOutByHand)
{
    vues::Module();
    const std::string j1 = " (" + Traduire(85) + " 1)", j2 = " (" + Traduire(85) + " 2)",
                      j3 = " (" + Traduire(85) + " 3)";
    const TCasChiffres cas[] = {
        {"football", Football,
         {{"Label41", "6"}, {"Label47", "33.33%"}, {"Label46", "1625"}, {"Label51", "13"}, {"Label52", "2.17"},
          {"Label54", "5" + j3}, {"Label55", "4" + j1},   // the tie of matchday 2 keeps matchday 1
          {"Label58", "3"}, {"Label59", "0.50"}, {"Label63", "1"}, {"Label64", "0.17"}, {"Label65", "33.33%"},
          {"Label66", "33.33%"}, {"Label67", "33.33%"}, {"Label68", "46.15%"}, {"Label69", "53.85%"},
          {"Label70", "0 (0.00%)"}, {"Label71", "1 (7.69%)"}, {"Label72", "1 (7.69%)"}, {"Label73", "1 (7.69%)"},
          {"Label74", "1 (7.69%)"}}},
        {"rugby", Rugby,
         {{"Label41", "3"}, {"Label47", "33.33%"}, {"Label46", "-"}, {"Label51", "6"}, {"Label52", "2.00"},
          {"Label54", "5" + j1}, {"Label55", "1" + j2}, {"Label58", "0"}, {"Label68", "50.00%"},
          {"Label69", "50.00%"}}},
        {"basketball", Basket,
         {{"Label41", "4"}, {"Label46", "6000"}, {"Label47", "75.00%"}, {"Label51", "161.50"},
          {"Label52", "163.0" + j1}, {"Label54", "160.0" + j3}, {"Label55", "17.00"}, {"Label58", "21.0" + j1},
          {"Label59", "13.0" + j3}, {"Label63", "50.0"}, {"Label64", "-"}, {"Label35", "75.0"}, {"Label68", "82.50"},
          {"Label69", "79.00"}, {"Label70", "25 (3.87%)"}, {"Label37", "30 (4.64%)"}, {"Label71", "0 (0.00%)"}}},
        {"handball", Handball,
         {{"Label41", "4"}, {"Label47", "50.00%"}, {"Label51", "447"}, {"Label54", "345" + j1},
          {"Label55", "102" + j2}, {"Label58", "5"}, {"Label59", "1.25"}, {"Label63", "1"}, {"Label64", "0.25"},
          {"Label74", "7 (1.57%)"}, {"Label68", "50.34%"}}},
    };
    for (const TCasChiffres& k : cas) {
        SCOPED_TRACE(k.Nom);
        auto s = k.Saison();
        THoteInfo h(s.saison.get());
        for (const auto& [nom, valeur] : k.Valeurs)
            EXPECT_EQ(h.L(nom), valeur) << nom;
        EXPECT_EQ(h.L("Label12"), TClasseInfoGeneral::Titre(s.saison.get(), *s.c1));
    }
}

TEST(InfoGeneral, EachSportHasItsClassCaptionsAndCharts)
{
    struct TCas
    {
        int Sport;
        const char* Classe;
        std::vector<std::pair<const char*, int>> Legendes;
    };
    const TCas cas[] = {
        {0, "Tf_InfoGeneralFoot", {{"Label15", 803}, {"Label28", 791}, {"Label19", 807}}},
        {1, "Tf_InfoGeneralRugby", {{"Label15", 1101}, {"Label16", 1102}, {"Label27", 1106}}},
        {2, "Tf_InfoGeneralBasket", {{"Label14", 1160}, {"Label34", 1169}, {"Label36", 573}, {"Label29", 1316}}},
        {3, "Tf_InfoGeneralHand", {{"Label19", 1528}, {"Label20", 1529}, {"Label75", 1491}}},
    };
    for (const TCas& k : cas) {
        SCOPED_TRACE(k.Classe);
        auto v = vues::LigueVide(k.Sport, 4, 6);
        THoteInfo h(v.saison.get());
        const bool bon = (k.Sport == 0 && dynamic_cast<Tf_InfoGeneralFoot*>(h.vue)) ||
                         (k.Sport == 1 && dynamic_cast<Tf_InfoGeneralRugby*>(h.vue)) ||
                         (k.Sport == 2 && dynamic_cast<Tf_InfoGeneralBasket*>(h.vue)) ||
                         (k.Sport == 3 && dynamic_cast<Tf_InfoGeneralHand*>(h.vue));
        EXPECT_TRUE(bon);
        for (const auto& [nom, texte] : k.Legendes)
            EXPECT_EQ(h.L(nom), Traduire(texte)) << nom;
        // no match played: 0 matches and "-" elsewhere
        EXPECT_EQ(h.L("Label41"), "0");
        EXPECT_EQ(h.L("Label51"), "-");
        EXPECT_EQ(h.L("Label68"), "-");
        EXPECT_EQ(h.vue->IdTexteCartons, k.Sport == 3 ? 1530 : 343);
        EXPECT_EQ(h.vue->gl_Carton->Visible(), k.Sport != 2);
        EXPECT_EQ(h.vue->gb_Rebond != nullptr, k.Sport == 2);
        EXPECT_EQ(h.vue->L("Label65")->Visible(), k.Sport != 2);
    }
}

// A rugby missed kick is kept in the scoring list without being a try; the
// rugby window shows tries, and no scorers by football position.
TEST(InfoGeneral, RugbyCountsTriesWithoutMissedKicksNorFootballPositions)
{
    vues::Module();
    auto r = Rugby();
    TDonneesChampionnat& c = *r.c1;
    But(*r.saison, c, 1, 2, c.IdEquipe(0), 0, evtHorsScore);
    But(*r.saison, c, 2, 3, c.IdEquipe(1), 0, evtHorsScore);
    THoteInfo h(r.saison.get());
    const std::string j1 = " (" + Traduire(85) + " 1)";
    EXPECT_EQ(h.L("Label51"), "6");
    EXPECT_EQ(h.L("Label54"), "5" + j1);
    EXPECT_EQ(h.L("Label68"), "50.00%");
    EXPECT_FALSE(h.vue->FondCopie26->Visible());
    EXPECT_EQ(h.vue->EcritPageInfo().find(Traduire(815)), std::string::npos);
    EXPECT_EQ(h.vue->ts_Repartition->Caption(), "  " + Traduire(4501) + "  ");
    EXPECT_EQ(h.vue->GraphBarre4->LegendeY(), Traduire(1089));
    EXPECT_EQ(h.vue->gb_But->LegendeY(), Traduire(1089));
    kit::GrabToPng(h.fenetre.get(), "infogeneral_rugby");
    // the tries chart of the page templates: 5 and 1, the kicks left out
    auto* essais = new TGraphBarre(h.fenetre.get());
    ClasseInfoGeneral(r.saison.get())
        ->GraphesHTML(r.saison.get(), essais, nullptr, nullptr, {clRed, clBlue}, {clRed, clBlue}, true);
    EXPECT_EQ(Barres(*essais, 2), (std::vector<int>{5, 1}));

    // the football window keeps its scorers by position
    auto f = Football();
    THoteInfo hf(f.saison.get());
    EXPECT_TRUE(hf.vue->FondCopie26->Visible());
    EXPECT_NE(hf.vue->EcritPageInfo().find(Traduire(815)), std::string::npos);
}

// ---- the minutes ----

TEST(InfoGeneral, GoalsOverTheMinutesFootballAndRugbySlices)
{
    auto s = Football();
    THoteInfo h(s.saison.get());
    // 5-minute slices: 10 (slice 3), 30 (7), the own goal at 50 (11); 104 only in
    // the last 15-minute bar; 105 and the missed penalty nowhere
    std::vector<int> cinq(19, 0);
    cinq[2] = cinq[6] = cinq[10] = 1;
    EXPECT_EQ(Barres(*h.vue->GraphBarre5, 19), cinq);
    EXPECT_EQ(Barres(*h.vue->GraphBarre4, 7), (std::vector<int>{1, 0, 1, 1, 0, 0, 1}));
    // minutes label the ends of their bands, not their middles
    EXPECT_FALSE(h.vue->GraphBarre4->DecalLegende());
    EXPECT_FALSE(h.vue->GraphBarre5->DecalLegende());
    // both charts count goals, whoever scored them
    EXPECT_EQ(h.vue->GraphBarre4->LegendeY(), Traduire(818));
    EXPECT_EQ(h.vue->GraphBarre5->LegendeY(), Traduire(818));
    const TCompteursMinutes m = TClasseInfoGeneral::RepartitionMinutes(s.saison.get(), 0);
    EXPECT_EQ(m[20], 1);
    EXPECT_EQ(std::accumulate(m.begin(), m.end(), 0), 4);

    // one matchday from the main window's entry
    h.vue->AfficheRepartition(3);
    EXPECT_TRUE(h.vue->RepartitionJournee);
    EXPECT_EQ(h.vue->PageActive(), 2);
    std::vector<int> trois(19, 0);
    trois[6] = trois[10] = 1;
    EXPECT_EQ(Barres(*h.vue->GraphBarre5, 19), trois);

    auto r = Rugby();
    THoteInfo hr(r.saison.get());
    EXPECT_EQ(hr.vue->GraphBarre4->NbPointX(), 10);   // ten-minute slices
    EXPECT_EQ(Barres(*hr.vue->GraphBarre4, 10), (std::vector<int>{0, 0, 0, 6, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(hr.vue->GraphBarre5->NbPointX(), 18);
    EXPECT_EQ(hr.vue->GraphBarre4->LegendeY(), Traduire(1089));

    EXPECT_EQ(TClasseInfoGeneral::ArrondiGraduation(23), 30);
    EXPECT_EQ(TClasseInfoGeneral::ArrondiGraduation(20), 20);
    EXPECT_EQ(TClasseInfoGeneral::ArrondiGraduation(101), 200);
    EXPECT_EQ(TClasseInfoGeneral::ArrondiGraduation(1), 1);
    EXPECT_EQ(TClasseInfoGeneral::ArrondiGraduation(7), 7);
}

// ---- the mouse ----

TEST(InfoGeneral, BarClickNarrowsFiguresAndLeavingThePageRestoresThem)
{
    auto s = Football();
    THoteInfo h(s.saison.get());
    const std::string titre = h.L("Label12");
    kit::GrabToPng(h.fenetre.get(), "info-foot-page1");
    const TPoint p = SurBarre(*h.vue->GraphBarre3, 2);
    kit::MouseDown(h.vue->GraphBarre3, p.X, p.Y);
    EXPECT_TRUE(h.vue->ChiffresJournee);
    EXPECT_EQ(h.L("Label12"), TraduireFormat(209, {2, titre}));
    EXPECT_EQ(h.L("Label41"), "2");
    EXPECT_EQ(h.L("Label51"), "4");
    EXPECT_EQ(h.L("Label47"), "0.00%");
    EXPECT_EQ(h.L("Label67"), "100.00%");
    // the full season's bars stay on the first chart
    EXPECT_EQ(Barres(*h.vue->GraphBarre3, 3), (std::vector<int>{4, 4, 5}));
    kit::GrabToPng(h.fenetre.get(), "info-foot-page1-journee2");

    // a right click changes nothing; a click outside the bars restores
    const TPoint p3 = SurBarre(*h.vue->GraphBarre3, 3);
    kit::MouseDown(h.vue->GraphBarre3, p3.X, p3.Y, mbRight);
    EXPECT_EQ(h.L("Label41"), "2");
    kit::MouseDown(h.vue->GraphBarre3, 1, 1);
    EXPECT_FALSE(h.vue->ChiffresJournee);
    EXPECT_EQ(h.L("Label12"), titre);
    EXPECT_EQ(h.L("Label41"), "6");

    // narrowed again, then another page: the whole season again
    kit::MouseDown(h.vue->GraphBarre3, p3.X, p3.Y);
    EXPECT_EQ(h.L("Label41"), "2");
    EXPECT_EQ(h.L("Label51"), "5");
    h.vue->AffichePage(3);
    EXPECT_FALSE(h.vue->ChiffresJournee);
    EXPECT_EQ(h.L("Label41"), "6");
    EXPECT_EQ(h.L("Label12"), titre);
    // and by the tab itself
    h.vue->AffichePage(1);
    kit::MouseDown(h.vue->GraphBarre3, p3.X, p3.Y);
    h.vue->tab9->SetActivePageIndex(3);
    h.vue->tab9Change();
    EXPECT_EQ(h.L("Label41"), "6");
}

TEST(InfoGeneral, MouseOverTextsNameTheMatchdayAndItsValue)
{
    auto s = Football();
    THoteInfo h(s.saison.get());
    h.vue->AffichePage(4);
    kit::Process(30);
    kit::GrabToPng(h.fenetre.get(), "info-foot-page4");
    const TPoint b = SurBarre(*h.vue->gb_But, 3);
    kit::MouseMove(h.vue->gb_But, b.X, b.Y);
    EXPECT_EQ(h.L("Label9"), TraduireFormat(3561, {3, "\n", "5"}));
    const TPoint a = SurBarre(*h.vue->gb_Affluence, 1);
    kit::MouseMove(h.vue->gb_Affluence, a.X, a.Y);
    EXPECT_EQ(h.L("Label3"), TraduireFormat(342, {1, "\n", 4000}));
    EXPECT_EQ(h.L("Label9"), "");
    // the cards chart: four numbers (matchday, yellow, matchday, red)
    TGraphLigne& g = *h.vue->gl_Carton;
    bool vu = false;
    for (int px = 0; px < g.Width() && !vu; ++px)
        for (int py = 0; py < g.Height() && !vu; ++py) {
            int serie = -1;
            if (const TPointGraphe* pt = g.PointSousSouris(px, py, serie); pt && pt->X == 1) {
                kit::MouseMove(&g, px, py);
                EXPECT_EQ(h.L("Label6"), TraduireFormat(343, {1, 2, 1, 1}));
                vu = true;
            }
        }
    EXPECT_TRUE(vu);
    kit::MouseMove(&g, 0, 0);
    EXPECT_EQ(h.L("Label6"), "");

    // basketball: points and rebounds per team and match, one decimal
    auto bk = Basket();
    THoteInfo hb(bk.saison.get());
    hb.vue->AffichePage(4);
    kit::Process(30);
    const TPoint pb = SurBarre(*hb.vue->gb_But, 1);
    kit::MouseMove(hb.vue->gb_But, pb.X, pb.Y);
    EXPECT_EQ(hb.L("Label9"), N(TraduireFormat(3562, {1, "\n", "81.5"})));
    const TPoint pr = SurBarre(*hb.vue->gb_Rebond, 1);
    kit::MouseMove(hb.vue->gb_Rebond, pr.X, pr.Y);
    EXPECT_EQ(hb.L("Label6"), N(TraduireFormat(603, {1, "\n", "10.5"})));
    EXPECT_EQ(Barres(*hb.vue->gb_But, 3), (std::vector<int>{81, 0, 80}));
}

// ---- the best attendances ----

TEST(InfoGeneral, BestAttendancesKeepTheirMatchdayAndMatch)
{
    // a cup whose current round holds no match yet
    auto v = vues::LigueVide(0, 4, 2);
    TSaison& s = *v.saison;
    auto coupe = s.CreeChampionnat(TDonneesChampionnat::TypeCoupe | TDonneesChampionnat::TypeNational, 0);
    for (int p = 0; p < 4; ++p)
        coupe->AjouteEquipe(v.c1->IdEquipe(p));
    coupe->AjouteTourCoupe({1, 2, 0x10001});
    coupe->AjouteTourCoupe({2, 0, 0x10002});
    coupe->SetNbJournees(2);
    coupe->CreeMatch(1, v.c1->IdEquipe(0), v.c1->IdEquipe(1), 2, 1);
    coupe->CreeMatch(1, v.c1->IdEquipe(2), v.c1->IdEquipe(3), 0, 0);
    coupe->SetAffluenceMatch(1, 1, 800);
    coupe->SetAffluenceMatch(1, 2, 1200);
    coupe->DerniereJournee = 1;
    coupe->NbJournee = 2;
    TDonneesChampionnat* c = s.Arbre().AjouteChampionnat("Coupe", "Coupe", std::move(coupe), "Coupes")->Championnat();
    s.SetChampionnatCourant(c);
    ASSERT_EQ(c->NbMatchCourant(), 0);
    auto meilleures = TClasseInfoGeneral::MeilleuresAffluences(*c);
    ASSERT_EQ(meilleures.size(), 2u);
    EXPECT_EQ(meilleures[0].Journee, 1);
    EXPECT_EQ(meilleures[0].Match, 2);

    // the date system: matchdays of two and five matches (three in the table)
    auto d = vues::LigueVide(0, 10, 4);
    TDonneesChampionnat& ds = *d.c1;
    ds.SetNbMatch(3);
    ds.SetOption(11, ds.Option(11) | 8);
    auto m = [&](int j, int a, int b) { ds.CreeMatch(j, ds.IdEquipe(a), ds.IdEquipe(b), 1, 0); };
    m(1, 0, 1);
    m(1, 2, 3);
    for (int k = 0; k < 5; ++k)
        m(2, 2 * k, 2 * k + 1);
    ASSERT_EQ(ds.NbMatchJournee(2), 5);
    const int crowds[2][5] = {{100, 200}, {300, 400, 500, 600, 700}};
    for (int j = 1; j <= 2; ++j)
        for (int k = 1; k <= ds.NbMatchJournee(j); ++k)
            ds.SetAffluenceMatch(j, k, crowds[j - 1][k - 1]);
    ds.SetAffluenceMatch(1, 2, 0);   // a crowd of 0 is not listed
    ds.SetDateJournee(2, TGestionDate::EncodeDate(14, 3, 2026));
    ds.DerniereJournee = 2;
    THoteInfo h(d.saison.get());
    h.vue->AffichePage(3);
    kit::Process(20);
    kit::GrabToPng(h.fenetre.get(), "info-foot-page3");
    const TColorStringGrid& g = *h.vue->sg_Affluence;
    ASSERT_EQ(g.RowCount(), 6);
    auto nom = [&](int p) { return d.saison->NomEquipeCourant(ds.IdEquipe(p)); };
    EXPECT_EQ((Ligne{g.Cells(0, 0), g.Cells(1, 0), g.Cells(2, 0), g.Cells(3, 0), g.Cells(4, 0), g.Cells(5, 0),
                     g.Cells(6, 0), g.Cells(7, 0)}),
              (Ligne{"1", nom(8), "1", "-", "0", nom(9), "700 " + Traduire(51), "14/03/2026"}));
    EXPECT_EQ(g.Cells(1, 5), nom(0));
    EXPECT_EQ(g.Cells(7, 5), "");   // no date for matchday 1
    EXPECT_EQ(h.vue->sg_Affluence->Height(), 6 * 24 + 6 + 1);   // rows of 24 with their lines
}

TEST(InfoGeneral, AtMostTwentyAttendancesTwentyOnePixelsARow)
{
    auto s = vues::SaisonVue(0);   // 12 matchdays of five matches with crowds
    THoteInfo h(s.saison.get());
    const TColorStringGrid& g = *h.vue->sg_Affluence;
    EXPECT_LE(g.RowCount(), 20);
    EXPECT_GT(g.RowCount(), 10);
    EXPECT_EQ(h.vue->sg_Affluence->Height(), g.RowCount() * 21 + g.RowCount() + 1);
    for (int r = 1; r < g.RowCount(); ++r)
        EXPECT_GE(std::atoi(g.Cells(6, r - 1).c_str()), std::atoi(g.Cells(6, r).c_str())) << r;
}

// ---- printing and HTML ----

std::string TextePdf(const std::string& pdf)
{
    const std::string txt = pdf + ".txt";
    EXPECT_EQ(std::system(("pdftotext -layout '" + pdf + "' '" + txt + "'").c_str()), 0);
    std::string t;
    ReadFileBytes(txt, t);
    return t;
}

TEST(InfoGeneral, EveryPagePrintsToPdf)
{
    auto s = Football();
    THoteInfo h(s.saison.get());
    for (int page = 1; page <= 4; ++page) {
        SCOPED_TRACE(page);
        h.vue->AffichePage(page);
        const std::string pdf = MakePath(kit::TempDir(), "info" + std::to_string(page) + ".pdf");
        DeleteFile(pdf);
        Printer().SetOutputFileName(pdf);
        h.vue->Imprime();
        Printer().SetOutputFileName("");
        const std::string texte = TextePdf(pdf);
        if (page == 1) {
            EXPECT_NE(texte.find(U(h.L("Label12"))), std::string::npos) << texte;
            EXPECT_NE(texte.find(T(800)), std::string::npos);
            EXPECT_NE(N(texte).find("46.15%"), std::string::npos);
        } else if (page == 3) {
            EXPECT_NE(texte.find("3000 " + T(51)), std::string::npos) << texte;
        } else {
            // the charts print as pictures: one page
            const std::string info = pdf + ".info";
            EXPECT_EQ(std::system(("pdfinfo '" + pdf + "' > '" + info + "'").c_str()), 0);
            std::string t;
            ReadFileBytes(info, t);
            EXPECT_NE(t.find("Pages:           1"), std::string::npos) << t;
        }
    }
}

// Pages 1 to 3 saved as HTML: page 1 parses, pages 2 and 4 open with their
// pictures beside them.
void PagesEnregistrees()
{
    auto s = Football();
    THoteInfo h(s.saison.get());
    const std::string dir = MakePath(kit::TempDir(), "info-html");
    std::filesystem::remove_all(dir);
    ForceDirectories(dir);

    h.vue->AffichePage(1);
    const std::string p1 = MakePath(dir, "chiffres.html");
    h.vue->EnregistreHTML(p1);
    std::string octets;
    ASSERT_TRUE(ReadFileBytes(p1, octets));
    html_lu::TPage page = html_lu::Lit(octets);
    EXPECT_TRUE(page.lu);
    EXPECT_TRUE(page.equilibree);
    EXPECT_NE(octets.find(Traduire(803) + " : 13<BR>"), std::string::npos);
    ASSERT_GE(page.tables.size(), 3u);

    struct TCas
    {
        int Page;
        std::vector<std::pair<const char*, TGraphe*>> Images;
    };
    const TCas cas[] = {{2, {{"repart.png", nullptr}}},
                        {4, {{"butchamp.png", h.vue->gb_But}, {"cartonchamp.png", h.vue->gl_Carton},
                             {"afflchamp.png", h.vue->gb_Affluence}}}};
    for (const TCas& k : cas) {
        SCOPED_TRACE(k.Page);
        h.vue->AffichePage(k.Page);
        kit::Process(20);
        const std::string fichier = MakePath(dir, "page" + std::to_string(k.Page) + ".html");
        h.vue->EnregistreHTML(fichier);
        ASSERT_TRUE(ReadFileBytes(fichier, octets));
        EXPECT_TRUE(html_lu::Lit(octets).equilibree);
        for (const auto& [nom, graphe] : k.Images) {
            const std::string image = "page" + std::to_string(k.Page) + "-" + nom;
            EXPECT_NE(octets.find("<img src=\"" + image + "\">"), std::string::npos) << octets;
            TPngPicture png;
            png.LoadFromFile(MakePath(dir, image));
            if (graphe) {
                EXPECT_EQ(png.Width(), graphe->Width());
                EXPECT_EQ(png.Height(), graphe->Height());
            } else {
                EXPECT_EQ(png.Width(), h.vue->GraphBarre4->Width());
                EXPECT_EQ(png.Height(), h.vue->GraphBarre4->Height() + h.vue->GraphBarre5->Height());
            }
        }
    }
    h.vue->AffichePage(3);
    const std::string p3 = MakePath(dir, "affluences.html");
    h.vue->EnregistreHTML(p3);
    ASSERT_TRUE(ReadFileBytes(p3, octets));
    page = html_lu::Lit(octets);
    ASSERT_FALSE(page.tables.empty());
    EXPECT_EQ(page.tables[0][0][6], "3000 " + T(51));
}

// ---- the page-template tags ----

std::string Tag(TSaison* saison, const std::string& nom, std::initializer_list<const char*> params)
{
    EnregistreInfoGeneral();
    const TFonctionEnregistree* e = GestionFonctions().Cherche(nom);
    EXPECT_NE(e, nullptr) << nom;
    if (!e)
        return {};
    EXPECT_EQ(e->Genre, nom == "JourneeRepartition" ? 0 : 1);
    TOwned<TForm> f(e->Classe.Cree(nullptr));
    TStringList p;
    for (const char* x : params)
        p.Add(x);
    std::string r;
    dynamic_cast<TFootForm&>(*f).ExecuteFonction(nom, p, r, vues::Module()->Couleurs, "", saison);
    return r;
}

// The picture tags write their PNG at the asked (bounded) size.
void ImagesDesFonctions()
{
    auto s = vues::SaisonVue(0);
    struct TCas
    {
        const char* Nom;
        const char* Fichier;
        std::vector<const char*> Params;
        int Largeur, Hauteur;
    };
    const TCas cas[] = {
        {"JourneeRepartition", "repart.png", {"Journee=2", "Largeur=300", "Hauteur=181"}, 300, 180},
        {"RepartitionChampionnat", "repart.png", {}, 450, 180},
        {"ButsChampionnat", "butchamp.png", {"Largeur=500", "Hauteur=200"}, 500, 100},
        {"EssaisChampionnat", "butchamp.png", {}, 450, 90},
        {"CartonsChampionnat", "cartonchamp.png", {"Hauteur=120"}, 450, 60},
        {"SpectateursChampionnat", "afflchamp.png", {"Division=2"}, 450, 90},
        // sizes out of reason give a small or bounded picture
        {"ButsChampionnat", "butchamp.png", {"Largeur=0", "Hauteur=-40"}, 16, 16},
        {"SpectateursChampionnat", "afflchamp.png", {"Largeur=900000", "Hauteur=900000"}, 2000, 2000},
    };
    for (const TCas& k : cas) {
        SCOPED_TRACE(std::string(k.Nom) + " " + ::testing::PrintToString(k.Params));
        const std::string fichier = TFonctionsGabarit::DossierTemp() + k.Fichier;
        DeleteFile(fichier);
        TStringList p;
        for (const char* x : k.Params)
            p.Add(x);
        EnregistreInfoGeneral();
        TOwned<TForm> f(GestionFonctions().Cherche(k.Nom)->Classe.Cree(nullptr));
        std::string r = "avant";
        dynamic_cast<TFootForm&>(*f).ExecuteFonction(k.Nom, p, r, vues::Module()->Couleurs, "", s.saison.get());
        EXPECT_EQ(r, std::string("#") + k.Fichier + "#<img src=\"" + k.Fichier + "\">");
        TPngPicture png;
        png.LoadFromFile(fichier);
        EXPECT_EQ(png.Width(), k.Largeur);
        EXPECT_EQ(png.Height(), k.Hauteur);
        EXPECT_EQ(s.saison->ChampionnatCourant(), s.c1);   // Division=2 restored
    }
    const std::string garde = MakePath(kit::OutputDir(), "tag-repart.png");
    Tag(s.saison.get(), "RepartitionChampionnat", {});
    CopieFichier(TFonctionsGabarit::DossierTemp() + "repart.png", garde);
}

// Division is restored when the picture cannot be written.
void EcritureImpossible()
{
    auto s = vues::SaisonVue(0);
    // a folder in the place of the picture: writing it fails
    const std::string fichier = TFonctionsGabarit::DossierTemp() + "repart.png";
    DeleteFile(fichier);
    std::filesystem::create_directories(fichier);
    EXPECT_ANY_THROW(Tag(s.saison.get(), "RepartitionChampionnat", {"Division=2"}));
    std::filesystem::remove_all(fichier);
    EXPECT_EQ(s.saison->ChampionnatCourant(), s.c1);
    // a code naming no championship keeps the current one
    EXPECT_EQ(html_lu::Lit(Tag(s.saison.get(), "StatChampionnat", {"Division=77"})).tables.at(0).at(0),
              Ligne{U(" " + TClasseInfoGeneral::Titre(s.saison.get(), *s.c1)).substr(1)});
    EXPECT_EQ(s.saison->ChampionnatCourant(), s.c1);
}

// The Temp folder is shared by the test processes running at once: every
// picture of these names is written by this one test, in turn.
TEST(InfoGeneral, PicturesThroughTheTempFolder)
{
    {
        SCOPED_TRACE("pages saved as HTML");
        PagesEnregistrees();
    }
    {
        SCOPED_TRACE("picture tags");
        ImagesDesFonctions();
    }
    {
        SCOPED_TRACE("picture not written");
        EcritureImpossible();
    }
}

TEST(InfoGeneral, StatTablesPerSportParseWithTheirRows)
{
    vues::Module();
    const std::string j = " (" + T(85) + " ";
    struct TCas
    {
        const char* Nom;
        vues::TSaisonVue (*Saison)();
        std::vector<Ligne> Lignes;   // rows of the first table after the title
        std::vector<Ligne> Postes;   // the football positions table
    };
    const TCas cas[] = {
        {"football", Football,
         {{T(800), "6"}, {T(801), "33.33%"}, {T(802), "1625"}, {T(803), "13"}, {T(804), "2.17"},
          {T(805), "5" + j + "3)"}, {T(806), "4" + j + "1)"}, {T(807), "3"}, {T(808), "0.50"}, {T(809), "1"},
          {T(808), "0.17"}, {"\xC2\xA0", "\xC2\xA0"}, {"Pourcentage"}, {T(810), "33.33%"}, {T(811), "33.33%"},
          {T(812), "33.33%"}, {T(813), "46.15%"}, {T(814), "53.85%"}},
         {{T(815)}, {T(791), "0 (0.00%)"}, {T(792), "1 (7.69%)"}, {T(793), "1 (7.69%)"}, {T(794), "1 (7.69%)"},
          {T(816), "1 (7.69%)"}}},
        {"rugby", Rugby,
         // points, not tries
         {{T(800), "3"}, {T(801), "33.33%"}, {T(802), "-"}, {T(1108), "33"}, {T(1161), "11.00"},
          {T(805), "27" + j + "1)"}, {T(806), "6" + j + "2)"}, {T(807), "0"}, {T(808), "0.00"}, {T(809), "0"},
          {T(808), "0.00"}, {"\xC2\xA0", "\xC2\xA0"}, {"Pourcentage"}, {T(810), "33.33%"}, {T(811), "33.33%"},
          {T(812), "33.33%"}, {T(3600), "51.52%"}, {T(3601), "48.48%"}},
         {}},
        {"basketball", Basket,
         {{T(800), "4"}, {T(1160), "75.00%"}, {T(802), "6000"}, {T(1161), "161.50"}, {T(1162), "163.0" + j + "1)"},
          {T(1163), "160.0" + j + "3)"}, {T(1164), "17.00"}, {T(1165), "21.0" + j + "1)"}, {T(1166), "13.0" + j + "3)"},
          {T(1167), "50.0"}, {T(1169), "75.0"}, {"\xC2\xA0", "\xC2\xA0"}, {U(L1("Répartition des points"))},
          {T(1170), "82.50"}, {T(1171), "79.00"}},
         {}},
        {"handball", Handball,
         // goals, suspensions and disqualifications, as the window shows them
         {{T(800), "4"}, {T(801), "50.00%"}, {T(802), "-"}, {T(803), "447"}, {T(804), "111.75"},
          {T(805), "345" + j + "1)"}, {T(806), "102" + j + "2)"}, {T(1528), "5"}, {T(808), "1.25"},
          {T(1529), "1"}, {T(808), "0.25"}},
         {}},
    };
    for (const TCas& k : cas) {
        SCOPED_TRACE(k.Nom);
        auto s = k.Saison();
        const html_lu::TPage page = html_lu::Lit(Tag(s.saison.get(), "StatChampionnat", {}));
        EXPECT_TRUE(page.equilibree);
        ASSERT_GE(page.tables.size(), 1u);
        const html_lu::TTable& t = page.tables[0];
        ASSERT_GT(t.size(), k.Lignes.size());
        EXPECT_EQ(t[0], Ligne{U(TClasseInfoGeneral::Titre(s.saison.get(), *s.c1))});
        for (size_t r = 0; r < k.Lignes.size(); ++r)
            EXPECT_EQ(N(t[r + 1]), k.Lignes[r]) << r;
        if (k.Nom == std::string("handball") || k.Nom == std::string("rugby")) {
            EXPECT_EQ(page.tables.size(), 1u);
        }
        if (!k.Postes.empty()) {
            ASSERT_EQ(page.tables.size(), 2u);
            for (size_t r = 0; r < page.tables[1].size() && r < k.Postes.size(); ++r)
                EXPECT_EQ(N(page.tables[1][r]), k.Postes[r]);
        }
    }
    // no match played: the title, 0 matches, and the positions at 0 with two decimals
    auto v = vues::LigueVide(0, 4, 6);
    const html_lu::TPage vide = html_lu::Lit(Tag(v.saison.get(), "StatChampionnat", {}));
    ASSERT_EQ(vide.tables.size(), 2u);
    EXPECT_EQ(vide.tables[0].size(), 2u);
    EXPECT_EQ(vide.tables[0][1], (Ligne{T(800), "0"}));
    EXPECT_EQ(N(vide.tables[1][1]), (Ligne{T(791), "0 (0.00%)"}));
}

TEST(InfoGeneral, AttendanceTagAndDistributionColours)
{
    auto s = Football();
    const html_lu::TPage page = html_lu::Lit(Tag(s.saison.get(), "AffluenceChampionnat", {}));
    EXPECT_TRUE(page.equilibree);
    ASSERT_FALSE(page.tables.empty());
    ASSERT_EQ(page.tables[0].size(), 4u);
    EXPECT_EQ(page.tables[0][0][6], "3000 " + T(51));
    EXPECT_EQ(page.tables[0][3][6], "500 " + T(51));
    // the match of the crowd of 500 not played after all: no longer listed
    s.c1->SetScoreMatch(3, 1, 0, TInfoComp::ScoreVide);
    const html_lu::TPage sans = html_lu::Lit(Tag(s.saison.get(), "AffluenceChampionnat", {}));
    ASSERT_FALSE(sans.tables.empty());
    EXPECT_EQ(sans.tables[0].size(), 3u);

    // without Couleur15Min the 15-minute bars take Couleur10Min, without both #8080FF
    TGraphBarre g15(nullptr), g5(nullptr);
    const TClasseInfoGeneral& c = *ClasseInfoGeneral(s.saison.get());
    TCompteursMinutes m{};
    m[0] = 1;
    c.AfficheGraphesRepartition(m, g15, g5, vues::Module()->Couleurs, nullptr, 0x112233, 0);
    EXPECT_EQ(g15.Courbe(0)->Couleur(1), CouleursGraphe(0x112233, 0x112233));
    EXPECT_EQ(g5.Courbe(0)->Couleur(1),
              CouleursGraphe(vues::Module()->Couleurs.GraphCouleurDebut, vues::Module()->Couleurs.GraphCouleurFin));
}

}  // namespace
