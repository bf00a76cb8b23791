// Tie-break letters: every whole-table letter, head-to-head with two and three
// teams, lower-is-better head-to-head letters, tie groups across one pass, and
// ties left in team-position order.
#include <gtest/gtest.h>

#include "engine/CalculClassement.h"
#include "tests/support/StandingsBuilder.h"

namespace {

using V = std::vector<int>;

// Nine teams. Teams 0, 1 and 2 all end on 3 points and never meet:
//   0: W 4-0 (v 3), L 0-6 (v 4)       W1 D0 L1  GF 4 GA 6
//   1: D 2-2 (v 5), D 1-1 (v 6), D 0-0 (v 7)   W0 D3 L0  GF 3 GA 3
//   2: W 5-4 (v 8)                    W1 D0 L0  GF 5 GA 4
// Team 4 has 6 points, 5, 6 and 7 one point, 3 and 8 none.
// Scoring records: team 0 three, its opponents two; team 1 four; team 2 two.
struct Lettres
{
    TChampionnatEssai c{0, 9, TDonneesChampionnat::TypeChamp, 3};
    Lettres()
    {
        Resultat(*c, 1, 0, 3, 4, 0);
        Resultat(*c, 1, 1, 5, 2, 2);
        Resultat(*c, 1, 2, 8, 5, 4);
        Resultat(*c, 2, 0, 4, 0, 6);
        Resultat(*c, 2, 1, 6, 1, 1);
        Resultat(*c, 3, 1, 7, 0, 0);
        Resultat(*c, 3, 4, 3, 1, 0);
        for (int k = 0; k < 3; ++k)
            Evenement(*c, 2, 1, 0, 10 + k);
        for (int k = 0; k < 2; ++k)
            Evenement(*c, 2, 2, 4, 10 + k);
        for (int k = 0; k < 4; ++k)
            Evenement(*c, 2, 1, 1, 10 + k);
        for (int k = 0; k < 2; ++k)
            Evenement(*c, 2, 1, 2, 10 + k);
    }
    std::vector<int> Table(const std::string& lettres)
    {
        c->OrdreClassement = lettres;
        TCalculClassement calcul(c.champ.get(), c.saison.get());
        calcul.Calcule(clsGeneral, 0, 0);
        return Positions(calcul);
    }
    // Ranks 2 to 4: the three teams on 3 points.
    std::vector<int> Egalite(const std::string& lettres)
    {
        const std::vector<int> t = Table(lettres);
        return {t[1], t[2], t[3]};
    }
};

// Eight teams; 0, 1 and 2 on 3 points from their matches against each other:
//   2-0 3:0   0-1 1:0   1-2 2:0
// Head-to-head: difference 0 -2, 1 +1, 2 +1; goals for 1, 2, 3; against 3, 1, 2.
// The others: 3-4 2:2, 5-6 2:2, team 7 without a match.
struct Confrontation
{
    TChampionnatEssai c{0, 8, TDonneesChampionnat::TypeChamp, 3};
    Confrontation()
    {
        Resultat(*c, 1, 2, 0, 3, 0);
        Resultat(*c, 1, 3, 4, 2, 2);
        Resultat(*c, 2, 0, 1, 1, 0);
        Resultat(*c, 2, 5, 6, 2, 2);
        Resultat(*c, 3, 1, 2, 2, 0);
    }
    std::vector<int> Egalite(const std::string& lettres)
    {
        c->OrdreClassement = lettres;
        TCalculClassement calcul(c.champ.get(), c.saison.get());
        calcul.Calcule(clsGeneral, 0, 0);
        const std::vector<int> t = Positions(calcul);
        return {t[0], t[1], t[2]};
    }
};

}  // namespace

TEST(TieBreaks, EmptyRuleKeepsTiesInTeamPositionOrder)
{
    Lettres l;
    EXPECT_EQ(l.Table(""), (V{4, 0, 1, 2, 5, 6, 7, 3, 8}));
}

TEST(TieBreaks, EveryWholeTableLetter)
{
    Lettres l;
    struct { const char* lettres; V ordre; } cas[] = {
        {"a", {2, 1, 0}},   // difference +1, 0, -2
        {"c", {2, 0, 1}},   // goals for 5, 4, 3
        {"d", {1, 2, 0}},   // goals against 3, 4, 6
        {"g", {0, 2, 1}},   // wins 1, 1, 0
        {"h", {1, 0, 2}},   // draws 3 first
        {"i", {0, 2, 1}},   // draws 0, 0, 3
        {"j", {1, 2, 0}},   // losses 0, 0, 1
        {"b", {1, 2, 0}},   // records for minus against 4, 2, 1
        {"e", {1, 0, 2}},   // records 4, 3, 2
        {"f", {1, 2, 0}},   // records against 0, 0, 2
        {"z", {2, 1, 0}},   // ratio 1250, 1000, 667
        {"X", {2, 1, 0}},   // any other character: higher position first
        {"gj", {2, 0, 1}},  // wins leave 0 and 2 level, losses part them
        {"ig", {0, 2, 1}},  // still level after both: position order
        {"k", {0, 1, 2}},   // they never met: the tie stays
        {"ka", {2, 1, 0}},  // ... and the next letter decides
    };
    for (const auto& k : cas)
        EXPECT_EQ(l.Egalite(k.lettres), k.ordre) << k.lettres;
}

TEST(TieBreaks, GroupsOfOnePassAreNeverMerged)
{
    // "g" leaves three tie groups on 3, 1 and 0 points; "a" must resolve each
    // within its own points.
    Lettres l;
    EXPECT_EQ(l.Table("ga"), (V{4, 2, 0, 1, 5, 6, 7, 8, 3}));
}

TEST(TieBreaks, TeamWithoutGoalsAgainstHasTheBestRatio)
{
    // 1-2 1:0 and 0-3 3:1: team 1 conceded nothing.
    TChampionnatEssai c{0, 4, TDonneesChampionnat::TypeChamp, 1};
    c->OrdreClassement = std::string(1, 'z');
    Resultat(*c, 1, 1, 2, 1, 0);
    Resultat(*c, 1, 0, 3, 3, 1);
    TCalculClassement calcul(c.champ.get(), c.saison.get());
    calcul.Calcule(clsGeneral, 0, 0);
    EXPECT_EQ(Positions(calcul), (V{1, 0, 3, 2}));
    EXPECT_EQ(calcul.ValeurLigne(0, 15), 32767);
    EXPECT_EQ(calcul.ValeurLigne(1, 15), 3000);
    EXPECT_EQ(calcul.ValeurLigne(2, 15), 333);
    EXPECT_EQ(calcul.ValeurLigne(3, 15), 0);
}

TEST(TieBreaks, RatioRoundsHalvesToEven)
{
    // 1 for, 8 against: 125 exactly; 5 for 16 against: 312.5 -> 312;
    // 7 for 16 against: 437.5 -> 438.
    TChampionnatEssai c{0, 6, TDonneesChampionnat::TypeChamp, 1};
    Resultat(*c, 1, 0, 1, 1, 8);
    Resultat(*c, 1, 2, 3, 5, 16);
    Resultat(*c, 1, 4, 5, 7, 16);
    TCalculClassement calcul(c.champ.get(), c.saison.get());
    calcul.Calcule(clsGeneral, 0, 0);
    std::vector<int> rapports(6);
    for (int r = 0; r < 6; ++r)
        rapports[static_cast<size_t>(calcul.ValeurLigne(r, 1))] = calcul.ValeurLigne(r, 15);
    EXPECT_EQ(rapports[0], 125);
    EXPECT_EQ(rapports[2], 312);
    EXPECT_EQ(rapports[4], 438);
}

TEST(HeadToHead, ThreeTeams)
{
    Confrontation t;
    struct { const char* lettres; V ordre; } cas[] = {
        {"k", {1, 2, 0}},    // 1 and 2 both +1: position order between them
        {"km", {1, 2, 0}},   // then between 1 and 2 alone: 1 won 2-0
        {"kn", {1, 2, 0}},
        {"kX", {2, 1, 0}},   // a whole-table letter after a head-to-head one
        {"kd", {1, 2, 0}},
        {"u", {0, 1, 2}},    // all on 3 head-to-head points
        {"t", {0, 1, 2}},    // one loss each
        {"w", {2, 1, 0}},    // higher position first
        {"v", {1, 2, 0}},    // 2000, 1500, 333
    };
    for (const auto& k : cas)
        EXPECT_EQ(t.Egalite(k.lettres), k.ordre) << k.lettres;
}

TEST(HeadToHead, LowerIsBetterLetterSortsTheTiedTeams)
{
    // Five teams outside the tie: their rows must not push the tied teams out
    // of the sub-table.
    Confrontation t;
    EXPECT_EQ(t.Egalite("n"), (V{1, 2, 0}));   // against 1, 2, 3
    EXPECT_EQ(t.Egalite("p"), (V{0, 1, 2}));   // no records: all level
    EXPECT_EQ(t.Egalite("s"), (V{0, 1, 2}));
}

TEST(HeadToHead, TwoTeams)
{
    // 1-0 2:1 then both beat team 2 and lose to team 3 by the same scores:
    // level on everything but their own match, which 1 won at 0's ground.
    TChampionnatEssai c{0, 4, TDonneesChampionnat::TypeChamp, 3};
    Resultat(*c, 1, 0, 1, 1, 2);
    Resultat(*c, 1, 2, 3, 0, 0);
    Resultat(*c, 2, 0, 2, 3, 1);
    Resultat(*c, 2, 1, 3, 0, 1);
    Resultat(*c, 3, 1, 2, 3, 1);
    Resultat(*c, 3, 3, 0, 1, 0);
    // 0: L 1-2, W 3-1, L 0-1 = 3 pts, GF 4 GA 4. 1: W 2-1, L 0-1, W 3-1 = 6.
    c->OrdreClassement = "ak";
    TCalculClassement calcul(c.champ.get(), c.saison.get());
    calcul.Calcule(clsGeneral, 0, 0);
    EXPECT_EQ(Positions(calcul), (V{3, 1, 0, 2}));

    // Same points for 0 and 1: replace 1's win over 2 by a loss 1-3.
    Resultat(*c, 3, 1, 2, 1, 3);
    TCalculClassement calcul2(c.champ.get(), c.saison.get());
    calcul2.Calcule(clsGeneral, 0, 0);
    // 0: 3 pts diff 0; 1: 3 pts diff -2.
    // 2: D 0-0, L 1-3, W 3-1 = 4 pts; 3: D, W, W = 7.
    EXPECT_EQ(Positions(calcul2), (V{3, 2, 0, 1}));
    c->OrdreClassement = "ka";
    TCalculClassement calcul3(c.champ.get(), c.saison.get());
    calcul3.Calcule(clsGeneral, 0, 0);
    EXPECT_EQ(Positions(calcul3), (V{3, 2, 1, 0}));
}

// Rugby, four teams; 0 and 1 level on points (a win and a defeat each):
//   d1: 0-1 27:20, tries 3 to 4   d2: 0-2 30:33, tries 6 to 0 (penalties)
//   d2: 1-3 20:18, tries 1 to 3   d3: 2-3 10:10
// Season tries: 0 scored 9 and conceded 4, 1 scored 5 and conceded 6; in
// their own match 0 scored 3 and conceded 4. The head-to-head letters order
// them by that match alone, the whole-table letters by the season.
TEST(HeadToHead, ScoringRecordLettersCountOnlyTheMatchesBetweenTheTiedTeams)
{
    TChampionnatEssai c{1, 4, TDonneesChampionnat::TypeChamp, 3};
    Resultat(*c, 1, 0, 1, 27, 20);
    Resultat(*c, 2, 0, 2, 30, 33);
    Resultat(*c, 2, 1, 3, 20, 18);
    Resultat(*c, 3, 2, 3, 10, 10);
    const std::pair<int, int> essais[] = {{1, 0}, {1, 0}, {1, 0}, {1, 1}, {1, 1}, {1, 1}, {1, 1},
                                          {2, 0}, {2, 0}, {2, 0}, {2, 0}, {2, 0}, {2, 0}, {2, 1},
                                          {2, 3}, {2, 3}, {2, 3}, {3, 2}, {3, 2}, {3, 3}, {3, 3}};
    for (const auto& [journee, equipe] : essais)
        Evenement(*c, 2, journee, equipe, 20);
    struct { const char* lettres; V ordre; } cas[] = {
        {"o", {1, 0}},   // tries in their match 4 to 3
        {"p", {1, 0}},   // tries conceded in it 3 to 4
        {"l", {1, 0}},   // its difference +1 to -1
        {"e", {0, 1}},   // season tries 9 to 5
        {"f", {0, 1}},   // season tries conceded 4 to 6
        {"b", {0, 1}},   // season difference +5 to -1
    };
    for (const auto& k : cas) {
        c->OrdreClassement = k.lettres;
        TCalculClassement calcul(c.champ.get(), c.saison.get());
        calcul.Calcule(clsGeneral, 0, 0);
        const V t = Positions(calcul);
        EXPECT_EQ(t, (V{2, k.ordre[0], k.ordre[1], 3})) << k.lettres;
    }
}
