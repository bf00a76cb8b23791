// Second look at the standings engine: tables worked out by hand for the
// cases the other engine tests leave aside, grouped by rule family.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/CalculClassement.h"
#include "engine/Statistique.h"
#include "model/Penalites.h"
#include "platform/rtl/Strings.h"
#include "tests/support/SaisonStatBuilder.h"
#include "tests/support/StandingsBuilder.h"

namespace {

using V = std::vector<int>;
using Lg = std::vector<TLigneAttendue>;

std::vector<int> Table(TDonneesChampionnat& c, const std::string& lettres, int type = clsGeneral)
{
    c.OrdreClassement = lettres;
    TCalculClassement calcul(&c, nullptr);
    calcul.Calcule(type, 0, 0);
    return Positions(calcul);
}

// A record of a team given by its id (which may belong to no team of c).
void EvenementId(TDonneesChampionnat& c, int type, int n, int id, int minute, uint16_t drapeaux = 0)
{
    if (TListeDonnees* l = c.ListeDonnees(type, n))
        l->Ajoute(std::make_unique<TDonneesEvt>(1, id, minute, drapeaux));
}

// Groups of three teams each, ids and names following the positions.
struct Groupes
{
    TSaisonEssai saison{0};
    std::unique_ptr<TDonneesChampionnat> g[2];
    Groupes()
    {
        for (int k = 0; k < 2; ++k) {
            g[k] = saison.CreeChampionnat(TDonneesChampionnat::TypeChamp, 0);
            g[k]->OptionsParDefaut();
            g[k]->SetOption(4, 3);
            g[k]->SetOption(5, 1);
            g[k]->SetOption(6, 0);
            for (int s = 0; s < 3; ++s)
                g[k]->AjouteEquipe(saison.AjouteEquipe("Equipe " + std::to_string(3 * k + s)));
            g[k]->SetNbMatch(2);
            g[k]->SetNbJournees(3);
        }
    }
    TDonneesChampionnat& A() { return *g[0]; }
    TDonneesChampionnat& B() { return *g[1]; }
};

}  // namespace

// ---------------------------------------------------------------------------
// Points per sport

// Basketball (no draws), win 2, loss 1:
//   1: 0-1 80:70   2: 1-2 90:85   3: 2-0 60:75   4: 0-2 70:71
TEST(RevuePoints, BasketballWinsLossesAndRatio)
{
    TSaisonStatEssai b(2, 3, 4);
    TDonneesChampionnat& c = b.Champ();
    c.SetNbMatch(1);
    c.OrdreClassement = "";
    c.SetOption(4, 2);
    c.SetOption(5, 0);
    c.SetOption(6, 1);
    c.SetOption(11, 0);
    Resultat(c, 1, 0, 1, 80, 70);
    Resultat(c, 2, 1, 2, 90, 85);
    Resultat(c, 3, 2, 0, 60, 75);
    Resultat(c, 4, 0, 2, 70, 71);
    TCalculClassement calcul(&c, b.saison.get());
    calcul.Calcule(clsGeneral, 0, 0);
    // Field 6 holds the winning ratio in thousandths, rounded to the nearest.
    //                         pos pts diff  GF  W  ratio L  GA
    EXPECT_EQ(Lignes(calcul), (Lg{{0, 5, 24, 225, 1 + 1, 667, 1, 201},
                                  {2, 4, -19, 216, 1, 333, 2, 235},
                                  {1, 3, -5, 160, 1, 500, 1, 165}}));

    c.SetOption(11, 8);   // ranked on the ratio
    calcul.Calcule(clsGeneral, 0, 0);
    EXPECT_EQ(Positions(calcul), (V{0, 1, 2}));
    EXPECT_EQ(calcul.ValeurLigne(0, 2), 667);
    EXPECT_EQ(calcul.ValeurTotal(0, 1), 5);

    // Home points dropped, without draws the maximum is (W + L) x 2:
    //   0: W1 L1 = 3 of 4 -> 25 %   1: W1 = 2 of 2 -> 0 %   2: L1 = 1 of 2 -> 50 %
    TCalculClassement perdus(&c, b.saison.get());
    perdus.Calcule(clsPointsPerdusDomicile, 0, 0);
    EXPECT_EQ(Positions(perdus), (V{2, 0, 1}));
    EXPECT_EQ((V{perdus.ValeurTotal(0, 2), perdus.ValeurTotal(1, 2), perdus.ValeurTotal(2, 2)}), (V{4, 2, 2}));
    EXPECT_EQ((V{perdus.ValeurTotal(0, 6), perdus.ValeurTotal(1, 6), perdus.ValeurTotal(2, 6)}), (V{25, 0, 50}));
}

// Handball knows draws: win 2, draw 1.   1: 0-1 25:25   2: 1-0 30:28
TEST(RevuePoints, HandballDraws)
{
    TSaisonStatEssai h(3, 2, 2);
    TDonneesChampionnat& c = h.Champ();
    c.SetNbMatch(1);
    c.SetOption(4, 2);
    c.SetOption(5, 1);
    c.SetOption(6, 0);
    Resultat(c, 1, 0, 1, 25, 25);
    Resultat(c, 2, 1, 0, 30, 28);
    TCalculClassement calcul(&c, h.saison.get());
    calcul.Calcule(clsGeneral, 0, 0);
    EXPECT_EQ(Lignes(calcul), (Lg{{1, 3, 2, 55, 1, 1, 0, 53}, {0, 1, -2, 53, 0, 1, 1, 55}}));
}

// 1: 0-1 1:0; teams 2 and 3 have not played.
// Adjustments: 1 loses 3 (type 3), 2 gains 65541 whose low 16 bits are 5
// (type 4), 3 loses 1 under a type other than 3 and 4.
TEST(RevuePoints, AdjustmentTypesLowBitsAndSignedOrder)
{
    TChampionnatEssai c{0, 4, TDonneesChampionnat::TypeChamp, 1};
    Resultat(*c, 1, 0, 1, 1, 0);
    c->Penalites().Ajoute(c->IdEquipe(1), 0, 3, 0, 0, penalitePointsRetires);
    c->Penalites().Ajoute(c->IdEquipe(2), 0, 65536 + 5, 0, 0, penalitePointsAjoutes);
    c->Penalites().Ajoute(c->IdEquipe(3), 0, 1, 0, 0, 1);
    TCalculClassement calcul(c.champ.get(), c.saison.get());
    calcul.Calcule(clsGeneral, 0, 0);
    //                         pos pts diff GF W D L GA
    EXPECT_EQ(Lignes(calcul), (Lg{{2, 5, 0, 0, 0, 0, 0, 0},
                                  {0, 3, 1, 1, 1, 0, 0, 0},
                                  {3, -1, 0, 0, 0, 0, 0, 0},
                                  {1, -3, -1, 0, 0, 0, 1, 1}}));
    EXPECT_EQ(calcul.MotTotal(1, 1), 65533);
}

// The counts of scoring records of an all-matchday table cover every matchday
// of the championship, also those after the last one holding a score.
//   1: 0-1 1:0, a record of 0     2: 1-0 not played, two records of 1
TEST(RevuePoints, ScoringRecordCountsOfAllMatchdays)
{
    TChampionnatEssai c{0, 2, TDonneesChampionnat::TypeChamp, 2};
    Resultat(*c, 1, 0, 1, 1, 0);
    Resultat(*c, 2, 1, 0, 65535, 65535);
    Evenement(*c, 2, 1, 0, 10);
    Evenement(*c, 2, 2, 1, 10);
    Evenement(*c, 2, 2, 1, 20);
    TCalculClassement calcul(c.champ.get(), c.saison.get());
    calcul.Calcule(clsGeneral, 0, 0);
    EXPECT_EQ(calcul.ValeurTotal(0, 2), 1);   // matchday 2 not counted as played
    EXPECT_EQ((V{calcul.ValeurTotal(0, 8), calcul.ValeurTotal(0, 9)}), (V{1, 2}));
    EXPECT_EQ((V{calcul.ValeurTotal(1, 8), calcul.ValeurTotal(1, 9)}), (V{2, 1}));
    calcul.Calcule(clsGeneral, 1, 1);
    EXPECT_EQ((V{calcul.ValeurTotal(1, 8), calcul.ValeurTotal(0, 9)}), (V{0, 0}));
}

// Goals for per goal against in thousandths, computed exactly:
//   1: 0-1 66:3 (22000; 66 x 1000 does not fit 16 bits), 2-3 40:2 (20000),
//      4-5 70:1 (70000, held at the largest value)
// Every winner on 3 points; "z" orders them by the ratio.
TEST(RevueValeurs, RatioOfManyGoals)
{
    TChampionnatEssai c{0, 6, TDonneesChampionnat::TypeChamp, 1};
    Resultat(*c, 1, 0, 1, 66, 3);
    Resultat(*c, 1, 2, 3, 40, 2);
    Resultat(*c, 1, 4, 5, 70, 1);
    c->OrdreClassement = "z";
    TCalculClassement calcul(c.champ.get(), c.saison.get());
    calcul.Calcule(clsGeneral, 0, 0);
    EXPECT_EQ(Positions(calcul), (V{4, 0, 2, 3, 1, 5}));
    EXPECT_EQ((V{calcul.ValeurLigne(0, 15), calcul.ValeurLigne(1, 15), calcul.ValeurLigne(2, 15)}),
              (V{32767, 22000, 20000}));
    // The losers on no point: 2/40 = 50, 3/66 = 45.45 -> 45, 1/70 = 14.29 -> 14.
    EXPECT_EQ((V{calcul.ValeurLigne(3, 15), calcul.ValeurLigne(4, 15), calcul.ValeurLigne(5, 15)}),
              (V{50, 45, 14}));
}

// ---------------------------------------------------------------------------
// Head-to-head letters

// 1: 0-1 1:1, records of 0 and 1     2: 0-2 1:0, 1-3 1:0, two records of 1
// and two of 3. Teams 0 and 1 on 4 points, 2 and 3 on none (never met).
// Whole-range records: 0 one for, one against; 1 three for, three against;
// 2 none for, none against; 3 two for, two against. Head to head only their
// own match counts: 0 and 1 one record each.
TEST(RevueHeadToHead, RecordLettersCountTheirOwnMatchesWholeTableLettersTheRange)
{
    TChampionnatEssai c{0, 4, TDonneesChampionnat::TypeChamp, 2};
    Resultat(*c, 1, 0, 1, 1, 1);
    Resultat(*c, 2, 0, 2, 1, 0);
    Resultat(*c, 2, 1, 3, 1, 0);
    Evenement(*c, 2, 1, 0, 10);
    Evenement(*c, 2, 1, 1, 20);
    Evenement(*c, 2, 2, 1, 10);
    Evenement(*c, 2, 2, 1, 20);
    Evenement(*c, 2, 2, 3, 30);
    Evenement(*c, 2, 2, 3, 40);
    struct { const char* lettres; V ordre; } cas[] = {
        {"o", {0, 1, 2, 3}},    // one record each in their match; 2 and 3 never met
        {"p", {0, 1, 2, 3}},    // 1 against before 3
        {"e", {1, 0, 3, 2}},    // whole table: 3's two records part 2 and 3
        {"oe", {1, 0, 3, 2}},
        {"pf", {0, 1, 2, 3}},   // 2 none against, 3 two
    };
    for (const auto& k : cas)
        EXPECT_EQ(Table(*c, k.lettres), k.ordre) << k.lettres;
}

// A value of -1 in a head-to-head table orders the tie like any other value.
//   1: 0-1 1:1, a record of 0     2: 0-2 1:0, 1-3 1:0, three records of 2
// Records for minus against in 0 and 1's match: 0 +1, 1 -1; over the range
// 2 +3, 3 0 (2 and 3 never met).
TEST(RevueHeadToHead, MinusOneIsAValue)
{
    TChampionnatEssai c{0, 4, TDonneesChampionnat::TypeChamp, 2};
    Resultat(*c, 1, 0, 1, 1, 1);
    Resultat(*c, 2, 0, 2, 1, 0);
    Resultat(*c, 2, 1, 3, 1, 0);
    Evenement(*c, 2, 1, 0, 10);
    for (int k = 0; k < 3; ++k)
        Evenement(*c, 2, 2, 2, 10 + k);
    EXPECT_EQ(Table(*c, "l"), (V{0, 1, 2, 3}));
    EXPECT_EQ(Table(*c, "lb"), (V{0, 1, 2, 3}));
    EXPECT_EQ(Table(*c, "lX"), (V{0, 1, 3, 2}));
}

// Three teams on 3 points; 0 and 1 met (2:0), 2 met neither.
//   1: 0-1 2:0, 2-3 1:0, 4-5 0:0     2: 1-4 1:0, 0-5 0:1
// Table: 5 (4), 0 1 2 (3), 4 (1), 3 (0). A tied team without a counted match
// comes after the others, whichever way the letter sorts.
TEST(RevueHeadToHead, TiedTeamThatMetNoneComesLast)
{
    TChampionnatEssai c{0, 6, TDonneesChampionnat::TypeChamp, 2};
    Resultat(*c, 1, 0, 1, 2, 0);
    Resultat(*c, 1, 2, 3, 1, 0);
    Resultat(*c, 1, 4, 5, 0, 0);
    Resultat(*c, 2, 1, 4, 1, 0);
    Resultat(*c, 2, 0, 5, 0, 1);
    struct { const char* lettres; V ordre; } cas[] = {
        {"k", {5, 0, 1, 2, 4, 3}},   // +2, -2, none
        {"n", {5, 0, 1, 2, 4, 3}},   // against 0, 2, none
        {"t", {5, 0, 1, 2, 4, 3}},   // losses 0, 1, none
        {"u", {5, 0, 1, 2, 4, 3}},   // points 3, 0, none
        {"w", {5, 2, 1, 0, 4, 3}},   // team position, higher first
        {"X", {5, 2, 1, 0, 4, 3}},
    };
    for (const auto& k : cas)
        EXPECT_EQ(Table(*c, k.lettres), k.ordre) << k.lettres;
}

// 1: 0-1 0:1, 0-2 1:0     2: 1-3 0:1   (team 3 also plays 2 on matchday 2: 2-3 0:0)
// 0 and 1 on 3 points; between them 1 scored one and conceded none.
TEST(RevueHeadToHead, RatioOfATeamThatConcededNothing)
{
    TChampionnatEssai c{0, 4, TDonneesChampionnat::TypeChamp, 2};
    Resultat(*c, 1, 0, 1, 0, 1);
    Resultat(*c, 1, 2, 3, 0, 0);
    Resultat(*c, 2, 0, 2, 1, 0);
    Resultat(*c, 2, 1, 3, 0, 1);
    // 0: L 0-1, W 1-0 = 3; 1: W 1-0, L 0-1 = 3; 3: D, W = 4; 2: D, L = 1.
    EXPECT_EQ(Table(*c, ""), (V{3, 0, 1, 2}));
    EXPECT_EQ(Table(*c, "v"), (V{3, 1, 0, 2}));
    EXPECT_EQ(Table(*c, "z"), (V{3, 0, 1, 2}));   // whole table: 1000 each
}

// Three tie groups; the head-to-head tables of the first two leave a sub-tie
// each, side by side in the table. The letter after must part each alone.
//   1: 0-1 2:2, 3-4 0:0, 2-6 1:0   2: 0-2 2:2, 3-5 0:0, 1-7 1:0
//   3: 1-2 0:0, 4-5 1:1, 0-8 1:0
// 0, 1, 2 on 5 points (head-to-head goals 4, 2, 2); 3, 4, 5 on 2 (0, 1, 1);
// 6, 7, 8 on none (never met).
TEST(RevueHeadToHead, SubTiesOfOnePassStayApart)
{
    TChampionnatEssai c{0, 9, TDonneesChampionnat::TypeChamp, 3};
    Resultat(*c, 1, 0, 1, 2, 2);
    Resultat(*c, 1, 3, 4, 0, 0);
    Resultat(*c, 1, 2, 6, 1, 0);
    Resultat(*c, 2, 0, 2, 2, 2);
    Resultat(*c, 2, 3, 5, 0, 0);
    Resultat(*c, 2, 1, 7, 1, 0);
    Resultat(*c, 3, 1, 2, 0, 0);
    Resultat(*c, 3, 4, 5, 1, 1);
    Resultat(*c, 3, 0, 8, 1, 0);
    EXPECT_EQ(Table(*c, "m"), (V{0, 1, 2, 4, 5, 3, 6, 7, 8}));
    EXPECT_EQ(Table(*c, "mX"), (V{0, 2, 1, 5, 4, 3, 8, 7, 6}));
}

// Letters q, r, s on three teams level on points after playing each other and
// one more team each.
//   1: 0-1 1:1, 2-3 2:0     2: 1-2 2:0, 0-3 3:0     3: 2-0 1:1, 1-3 0:1
// 0: D D W = 5; 1: D W L = 4; 2: W L D = 4; 3: L L W = 3.
// 1 and 2 level: between them 1 won 2:0.
TEST(RevueHeadToHead, WinsAndDrawsBetweenTwoTeams)
{
    TChampionnatEssai c{0, 4, TDonneesChampionnat::TypeChamp, 3};
    Resultat(*c, 1, 0, 1, 1, 1);
    Resultat(*c, 1, 2, 3, 2, 0);
    Resultat(*c, 2, 1, 2, 2, 0);
    Resultat(*c, 2, 0, 3, 3, 0);
    Resultat(*c, 3, 2, 0, 1, 1);
    Resultat(*c, 3, 1, 3, 0, 1);
    struct { const char* lettres; V ordre; } cas[] = {
        {"", {0, 1, 2, 3}},
        {"q", {0, 1, 2, 3}},   // head-to-head wins 1, 0
        {"t", {0, 1, 2, 3}},   // head-to-head losses 0, 1
        {"r", {0, 1, 2, 3}},   // no draw between them: level, position order
        {"rX", {0, 2, 1, 3}},
        {"sX", {0, 2, 1, 3}},
        {"g", {0, 1, 2, 3}},   // whole table: one win each
        {"gj", {0, 1, 2, 3}},  // one loss each
        {"gjh", {0, 1, 2, 3}}, // one draw each
        {"gjhX", {0, 2, 1, 3}},
        {"i", {0, 1, 2, 3}},
        {"d", {0, 1, 2, 3}},   // against 2 and 3
        {"dX", {0, 1, 2, 3}},  // already parted
    };
    for (const auto& k : cas)
        EXPECT_EQ(Table(*c, k.lettres), k.ordre) << k.lettres;
}

// The full table (2 W + D) keeps its points between the tied teams too.
// Three teams, twice against each other:
//   1: 1-0 0:0   2: 0-1 1:1   3: 1-2 1:0   4: 2-1 1:0   5: 0-2 0:0   6: 2-0 2:2
// 2 W + D: 4 each (1 and 2 one win, one loss, two draws; 0 four draws).
// With 3 points a win, 1 and 2 would have 5 and come before 0.
TEST(RevueHeadToHead, FullTableCountsTwoPointsAWin)
{
    TChampionnatEssai c{0, 3, TDonneesChampionnat::TypeChamp, 6};
    Resultat(*c, 1, 1, 0, 0, 0);
    Resultat(*c, 2, 0, 1, 1, 1);
    Resultat(*c, 3, 1, 2, 1, 0);
    Resultat(*c, 4, 2, 1, 1, 0);
    Resultat(*c, 5, 0, 2, 0, 0);
    Resultat(*c, 6, 2, 0, 2, 2);
    EXPECT_EQ(Table(*c, "u", clsComplet), (V{0, 1, 2}));
    EXPECT_EQ(Table(*c, "uX", clsComplet), (V{2, 1, 0}));
    EXPECT_EQ(Table(*c, "", clsGeneral), (V{1, 2, 0}));
}

// ---------------------------------------------------------------------------
// Groups

// Group A (positions 0..2) and group B (3..5), the letters of the last group.
//   A: 1: 1-2 2:0   2: 0-1 1:1   3: 2-0 1:0
//   B: 1: 4-5 0:2   2: 3-4 0:1   3: 5-3 0:1
// 1 has 4 points; 2, 3, 4, 5 have 3; 0 has 1. The head-to-head table of the
// four tied teams holds the matches of group B; 2 met none of them.
TEST(RevueGroups, HeadToHeadAcrossGroupsAtTheirOffsets)
{
    Groupes gr;
    for (auto* g : {&gr.A(), &gr.B()})
        g->SetNbMatch(1);
    Resultat(gr.A(), 1, 1, 2, 2, 0);
    Resultat(gr.A(), 2, 0, 1, 1, 1);
    Resultat(gr.A(), 3, 2, 0, 1, 0);
    Resultat(gr.B(), 1, 1, 2, 0, 2);
    Resultat(gr.B(), 2, 0, 1, 0, 1);
    Resultat(gr.B(), 3, 2, 0, 0, 1);
    gr.B().OrdreClassement = "k";
    TCalculClassement calcul({&gr.A(), &gr.B()}, &gr.saison);
    calcul.Calcule(clsGeneral, 0, 0);
    //                         pos pts diff GF W D L GA
    EXPECT_EQ(Lignes(calcul), (Lg{{1, 4, 2, 3, 1, 1, 0, 1},
                                  {5, 3, 1, 2, 1, 0, 1, 1},
                                  {3, 3, 0, 1, 1, 0, 1, 1},
                                  {4, 3, -1, 1, 1, 0, 1, 2},
                                  {2, 3, -1, 1, 1, 0, 1, 2},
                                  {0, 1, -1, 1, 0, 1, 1, 2}}));
    gr.B().OrdreClassement = "a";
    calcul.Calcule(clsGeneral, 0, 0);
    EXPECT_EQ(Positions(calcul), (V{1, 5, 3, 2, 4, 0}));
}

// Records and matches of group B naming team 2 of group A (not in B) count for
// no position: never for position 2 = offset 3 - 1.
TEST(RevueGroups, TeamOutsideTheGroupCountsNowhere)
{
    Groupes gr;
    Resultat(gr.A(), 1, 0, 1, 1, 0);
    gr.A().SetAffluenceMatch(1, 1, 50);
    Resultat(gr.B(), 1, 0, 1, 0, 0);   // 3-4
    gr.B().CreeMatch(1, 2, 5, 4, 0);   // 2 is not in B
    gr.B().SetAffluenceMatch(1, 1, 100);
    gr.B().SetAffluenceMatch(1, 2, 9999);
    EvenementId(gr.B(), 3, 1, 2, 10);   // a booking
    EvenementId(gr.B(), 3, 1, 2, 20, evtRouge);
    EvenementId(gr.B(), 2, 1, 2, 30);   // a scoring record
    EvenementId(gr.B(), 3, 1, 4, 40);
    EvenementId(gr.B(), 2, 1, 4, 50);
    TCalculClassement calcul({&gr.A(), &gr.B()}, &gr.saison);

    calcul.Calcule(clsGeneral, 0, 0);
    // 5 lost 0:4 to a team of no position; 2 played nothing.
    EXPECT_EQ((V{calcul.ValeurTotal(2, 2), calcul.ValeurTotal(2, 4), calcul.ValeurTotal(2, 5)}), (V{0, 0, 0}));
    EXPECT_EQ((V{calcul.ValeurTotal(5, 4), calcul.ValeurTotal(5, 6)}), (V{1, 4}));
    EXPECT_EQ(calcul.ValeurTotal(2, 8), 0);
    EXPECT_EQ(calcul.ValeurTotal(4, 8), 1);
    // The record of 2 is one of 5's opponent in B's match.
    EXPECT_EQ(calcul.ValeurTotal(5, 9), 1);
    EXPECT_EQ(calcul.ValeurTotal(3, 9), 1);

    calcul.Calcule(clsDiscipline, 0, 0);
    // 4 one booking; the others level, names descending.
    EXPECT_EQ(Positions(calcul), (V{4, 5, 3, 2, 1, 0}));
    EXPECT_EQ((V{calcul.ValeurTotal(2, 4), calcul.ValeurTotal(2, 5), calcul.ValeurTotal(2, 6)}), (V{0, 0, 0}));

    calcul.Calcule(clsEssais, 0, 0);
    EXPECT_EQ(Positions(calcul), (V{4, 5, 3, 2, 1, 0}));
    EXPECT_EQ(calcul.ValeurTotal(2, 6), 0);

    calcul.Calcule(clsAffluence, 0, 0);
    EXPECT_EQ(Positions(calcul), (V{3, 0, 1, 2, 4, 5}));
    EXPECT_EQ(calcul.AffluenceLigne(0), 100);
    EXPECT_EQ(calcul.AffluenceLigne(1), 50);
    EXPECT_EQ(calcul.AffluenceLigne(2), 0);
}

// ---------------------------------------------------------------------------
// Cumulative tables

// A six-team round robin full of ties: the table built matchday by
// matchday on one engine equals, after every matchday, the table of a fresh
// engine over 1..m, letters reading head-to-head results and records.
TEST(RevueCumulative, EveryMatchdayEqualsTheRangeFromOne)
{
    TChampionnatEssai c{0, 6, TDonneesChampionnat::TypeChamp, 0};
    GenereCalendrier(*c);
    ASSERT_EQ(c->NbJour(), 5);
    for (int n = 1; n <= c->NbJour(); ++n)
        for (int k = 0; k < c->NbMatchJournee(n); ++k) {
            c->SetScoreMatch(n, k, 0, (n + k) % 3);
            c->SetScoreMatch(n, k, 1, (n * (k + 1)) % 3);
            if ((n + k) % 4 == 0)
                Evenement(*c, 2, n, c->IndexEquipe(c->ValeurMatch(n, 4 * k + 1)), 10);
        }
    int egalites = 0;
    for (const char* lettres : {"kol", "nmX", "uav"}) {
        c->OrdreClassement = lettres;
        TCalculClassement cumul(c.champ.get(), c.saison.get());
        for (int m = 1; m <= c->NbJour(); ++m) {
            cumul.Calcule(clsGeneral, m, m);
            TCalculClassement plage(c.champ.get(), c.saison.get());
            plage.Calcule(clsGeneral, 1, m);
            EXPECT_EQ(Positions(cumul), Positions(plage)) << lettres << " " << m;
            for (int r = 0; r + 1 < 6; ++r)
                egalites += cumul.ValeurLigne(r, 2) == cumul.ValeurLigne(r + 1, 2);
            for (int i = 0; i < 6; ++i)
                for (int f = 1; f <= 10; ++f)
                    EXPECT_EQ(cumul.ValeurTotal(i, f), plage.ValeurTotal(i, f)) << lettres << m << " " << i << f;
        }
    }
    EXPECT_GE(egalites, 20);   // neighbours level on points, letters at work
}

// A range starting later with reset counts only its own matchdays, head to
// head included.
//   1: 0-1 3:0   2: 1-0 1:0, 2-3 0:0   3: 0-2 2:0, 3-1 2:0
// 1..3: 0 has 6 points, 3 four, 1 three, 2 one.
// 2..3: 3 four; 0 and 1 three, 0 +1 and 1 -1 overall, but 1 won their match
// of matchday 2 (0 won that of matchday 1, outside the range); 2 one.
TEST(RevueCumulative, ResetRangeLeavesEarlierMatchdaysOut)
{
    TChampionnatEssai c{0, 4, TDonneesChampionnat::TypeChamp, 3};
    Resultat(*c, 1, 0, 1, 3, 0);
    Resultat(*c, 2, 1, 0, 1, 0);
    Resultat(*c, 2, 2, 3, 0, 0);
    Resultat(*c, 3, 0, 2, 2, 0);
    Resultat(*c, 3, 3, 1, 2, 0);
    c->OrdreClassement = "k";
    TCalculClassement calcul(c.champ.get(), c.saison.get());
    calcul.Calcule(clsGeneral, 0, 0);
    EXPECT_EQ(Positions(calcul), (V{0, 3, 1, 2}));
    calcul.Calcule(clsGeneral, 2, 3, nullptr, true);
    EXPECT_EQ(Positions(calcul), (V{3, 1, 0, 2}));
    EXPECT_EQ((V{calcul.ValeurTotal(0, 1), calcul.ValeurTotal(0, 5), calcul.ValeurTotal(0, 6)}), (V{3, 2, 1}));
    // A fresh engine over 2..3 without reset gives the same.
    TCalculClassement neuf(c.champ.get(), c.saison.get());
    neuf.Calcule(clsGeneral, 2, 3);
    EXPECT_EQ(Positions(neuf), (V{3, 1, 0, 2}));
    c->OrdreClassement = "a";
    calcul.Calcule(clsGeneral, 2, 3, nullptr, true);
    EXPECT_EQ(Positions(calcul), (V{3, 0, 1, 2}));
}

// ---------------------------------------------------------------------------
// Statistic rankings

// Names decide equal values by their 8-bit bytes: "Zebre" before "Zèbre"
// (0x65 < 0xE8) in ascending order, after it for the field-6 kinds.
TEST(RevueRankings, NamesCompareAsBytes)
{
    TSaisonEssai saison(0);
    auto c = saison.CreeChampionnat(TDonneesChampionnat::TypeChamp, 0);
    c->OptionsParDefaut();
    const int accent = saison.AjouteEquipe(L1("Zèbre"));
    const int simple = saison.AjouteEquipe("Zebre");
    c->AjouteEquipe(accent);
    c->AjouteEquipe(simple);
    c->SetNbMatch(1);
    c->SetNbJournees(1);
    c->CreeMatch(1, accent, simple, 1, 1);
    TCalculClassement calcul(c.get(), &saison);
    calcul.Calcule(clsAttaque, 0, 0);
    EXPECT_EQ(Positions(calcul), (V{1, 0}));
    calcul.Calcule(clsDefense, 0, 0);
    EXPECT_EQ(Positions(calcul), (V{0, 1}));
}

// ---------------------------------------------------------------------------
// Frequent scores and series

// Two championships: every matchday of each, whatever range is asked.
TEST(RevueSeries, FrequentScoresOfTwoChampionshipsUseEveryMatchday)
{
    TChampionnatEssai x{0, 2, TDonneesChampionnat::TypeChamp, 2};
    TChampionnatEssai y{0, 2, TDonneesChampionnat::TypeChamp, 1};
    Resultat(*x, 1, 0, 1, 1, 0);
    Resultat(*x, 2, 1, 0, 2, 2);
    Resultat(*y, 1, 0, 1, 3, 1);
    int total = 0;
    TScoresFrequents r;
    TStatistique::ScoresFrequents({x.champ.get(), y.champ.get()}, total, 2, 2, -1, 2, r);
    EXPECT_EQ(total, 3);
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ((V{r[0].Nombre, r[0].A * 8 + r[0].B, r[1].Nombre, r[1].A * 8 + r[1].B, r[2].Nombre,
                 r[2].A * 8 + r[2].B}),
              (V{1, 8, 1, 18, 1, 25}));
    TStatistique::ScoresFrequents({x.champ.get()}, total, 2, 2, -1, 2, r);
    EXPECT_EQ(total, 1);
    // Venue 0 (at home) for a team that played away on matchday 2: not taken.
    TStatistique::ScoresFrequents({x.champ.get()}, total, 2, 2, x->IdEquipe(0), 0, r);
    EXPECT_EQ(total, 0);
}

// 3:2 with goals 10', 20', 70' against 10', 20': at equal minutes the
// opponent's goal is the later one, so the team never trailed; the first goals
// at the same minute count for neither side.
TEST(RevueSeries, EqualMinutes)
{
    TChampionnatEssai c{0, 2, TDonneesChampionnat::TypeChamp, 2};
    c->TempsPeriode = 45;
    Resultat(*c, 1, 0, 1, 3, 2);
    for (int m : {10, 20, 70})
        Evenement(*c, 2, 1, 0, m);
    for (int m : {10, 20})
        Evenement(*c, 2, 1, 1, m);
    // 1:0 with the goal on the half-time minute: leading at half-time.
    Resultat(*c, 2, 1, 0, 0, 1);
    Evenement(*c, 2, 2, 0, 45);
    int matchs = 0;
    TSituations n;
    TStatistique::SeriesEquipeChampionnat(*c, 0, 0, c->IdEquipe(0), matchs, n);
    EXPECT_EQ(matchs, 2);
    //                             home away
    EXPECT_EQ((V{n[serVictoire][serMarquePremier][0], n[serVictoire][serMarquePremier][1]}), (V{0, 1}));
    EXPECT_EQ((V{n[serVictoire][serEncaissePremier][0], n[serVictoire][serEncaissePremier][1]}), (V{0, 0}));
    EXPECT_EQ((V{n[serVictoire][serEgaliteMiTemps][0], n[serVictoire][serMeneMiTemps][1]}), (V{1, 1}));
    EXPECT_EQ((V{n[serVictoire][serVictoireApresMene][0], n[serVictoire][serVictoireApresMene][1]}), (V{0, 0}));
}

// Rugby, 10:11. Team 0: try 10' (5), conversion 11' (2), penalty 60' (3).
// Team 1: penalties 20' and 30' (3 each), try 70' (5). Half-time 40': 7:6.
TEST(RevueSeries, RugbyConversionAndComeback)
{
    TChampionnatEssai c{1, 2, TDonneesChampionnat::TypeChamp, 1};
    c->TempsPeriode = 40;
    Resultat(*c, 1, 0, 1, 10, 11);
    Evenement(*c, 2, 1, 0, 10);
    Evenement(*c, 6, 1, 0, 11);
    Evenement(*c, 5, 1, 0, 60);
    Evenement(*c, 5, 1, 1, 20);
    Evenement(*c, 5, 1, 1, 30);
    Evenement(*c, 2, 1, 1, 70);
    int matchs = 0;
    TSituations n;
    TStatistique::SeriesEquipeChampionnat(*c, 0, 0, c->IdEquipe(0), matchs, n);
    EXPECT_EQ(n[serDefaite][serMarquePremier][0], 1);
    EXPECT_EQ(n[serDefaite][serMeneMiTemps][0], 1);
    EXPECT_EQ(n[serDefaite][serVictoireApresMene][0], 1);   // lost after leading
    TStatistique::SeriesEquipeChampionnat(*c, 0, 0, c->IdEquipe(1), matchs, n);
    EXPECT_EQ(n[serVictoire][serEncaissePremier][1], 1);
    EXPECT_EQ(n[serVictoire][serDerriereMiTemps][1], 1);
    EXPECT_EQ(n[serVictoire][serVictoireApresMene][1], 1);
}

// ---------------------------------------------------------------------------
// Random seasons

// Groups of random sizes with random results (some not entered, some naming a
// team of another group), records, bookings and penalties; every letter and
// every kind. Each points table holds every position once, in non-increasing
// order of its ranking value; every other table holds valid positions.
TEST(RevueRobustesse, RandomSeasonsKeepTheTablesWhole)
{
    uint32_t graine = 12345;
    auto hasard = [&graine](int n) {
        graine = graine * 1103515245u + 12345u;
        return static_cast<int>((graine >> 16) % static_cast<uint32_t>(n));
    };
    const std::string lettres = "abcdefghijklmnopqrstuvwxyzX";
    const int types[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 20, 30, 31, 40, 41, 42, 43,
                         44, 45, 100, 104, 114, 115};
    for (int essai = 0; essai < 40; ++essai) {
        TSaisonEssai saison(essai % 2);
        std::vector<std::unique_ptr<TDonneesChampionnat>> groupes;
        const int nbGroupes = 1 + hasard(3);
        int id = 0;
        for (int g = 0; g < nbGroupes; ++g) {
            auto c = saison.CreeChampionnat(TDonneesChampionnat::TypeChamp, 0);
            c->OptionsParDefaut();
            c->SetOption(4, 3);
            c->SetOption(5, 1);
            c->BonusBut = hasard(3);
            c->BonusEcart = hasard(8);
            c->PointBonusBut = 1;
            const int nb = 2 + hasard(5);
            for (int s = 0; s < nb; ++s)
                c->AjouteEquipe(saison.AjouteEquipe(std::string("E").append(std::to_string(id++))));
            c->SetNbMatch(3);
            c->SetNbJournees(4);
            for (int n = 1; n <= 4; ++n)
                for (int k = 0; k < 3; ++k) {
                    const int dom = hasard(id), ext = hasard(id);
                    if (dom == ext)
                        continue;
                    const bool joue = hasard(5) > 0;
                    c->CreeMatch(n, dom, ext, joue ? hasard(4) : 65535, joue ? hasard(4) : 65535);
                    EvenementId(*c, 2 + hasard(6), n, hasard(2) ? dom : ext, hasard(90),
                                static_cast<uint16_t>(hasard(2) ? evt100 : 0));
                    EvenementId(*c, 3, n, dom, hasard(90), static_cast<uint16_t>(hasard(2) ? evtRouge : 0));
                }
            if (hasard(2))
                c->Penalites().AjoutePoints(c->IdEquipe(hasard(nb)), hasard(7) - 3);
            std::string ordre;
            for (int l = hasard(5); l > 0; --l)
                ordre += lettres[static_cast<size_t>(hasard(static_cast<int>(lettres.size())))];
            c->OrdreClassement = ordre;
            groupes.push_back(std::move(c));
        }
        std::vector<TDonneesChampionnat*> liste;
        for (auto& g : groupes)
            liste.push_back(g.get());
        for (int type : types) {
            TCalculClassement calcul(liste, &saison);
            const int premiere = hasard(3), derniere = premiere == 0 ? 0 : premiere + hasard(3);
            const int nb = calcul.Calcule(type, premiere, derniere, nullptr, hasard(2) != 0, 100 + 1 + hasard(5));
            ASSERT_LE(nb, calcul.NbEquipe());
            std::vector<int> vus(static_cast<size_t>(calcul.NbEquipe()), 0);
            for (int r = 0; r < nb; ++r) {
                const int p = calcul.ValeurLigne(r, 1);
                ASSERT_TRUE(p >= 0 && p < calcul.NbEquipe()) << type;
                ++vus[static_cast<size_t>(p)];
            }
            const bool points = (type >= 1 && type <= 4) || type == 9;
            if (points) {
                EXPECT_EQ(nb, calcul.NbEquipe());
                EXPECT_EQ(std::count(vus.begin(), vus.end(), 1), calcul.NbEquipe()) << essai << " " << type;
                for (int r = 0; r + 1 < nb; ++r)
                    EXPECT_GE(calcul.ValeurLigne(r, 2), calcul.ValeurLigne(r + 1, 2)) << essai << " " << type;
            }
        }
    }
}
