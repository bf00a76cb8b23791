// Points, bonus points, point adjustments, signed and 16-bit values, cumulative
// tables and group tables of the standings engine.
#include <gtest/gtest.h>

#include "engine/CalculClassement.h"
#include "tests/support/SaisonStatBuilder.h"
#include "tests/support/StandingsBuilder.h"

namespace {

using V = std::vector<int>;
using Lg = std::vector<TLigneAttendue>;

}  // namespace

TEST(Points, GeneralHomeAwayFullAndEnglishAverage)
{
    Ligue4 l;
    TCalculClassement calcul(l.c.champ.get(), l.c.saison.get());
    EXPECT_EQ(calcul.Calcule(clsGeneral, 0, 0), 4);
    //           pos pts diff GF  W  D  L  GA
    EXPECT_EQ(Lignes(calcul), (Lg{{2, 7, 4, 5, 2, 1, 0, 1},
                                  {0, 4, 0, 4, 1, 1, 1, 4},
                                  {1, 3, 0, 5, 1, 0, 2, 5},
                                  {3, 2, -4, 3, 0, 2, 1, 7}}));

    TCalculClassement dom(l.c.champ.get(), l.c.saison.get());
    dom.Calcule(clsDomicile, 0, 0);
    EXPECT_EQ(Lignes(dom), (Lg{{0, 3, 0, 2, 1, 0, 1, 2},
                              {1, 3, 1, 4, 1, 0, 1, 3},
                              {2, 1, 0, 1, 0, 1, 0, 1},
                              {3, 1, 0, 2, 0, 1, 0, 2}}));

    TCalculClassement ext(l.c.champ.get(), l.c.saison.get());
    ext.Calcule(clsExterieur, 0, 0);
    EXPECT_EQ(Lignes(ext), (Lg{{2, 6, 4, 4, 2, 0, 0, 0},
                              {0, 1, 0, 2, 0, 1, 0, 2},
                              {3, 1, -4, 1, 0, 1, 1, 5},
                              {1, 0, -1, 1, 0, 0, 1, 2}}));

    TCalculClassement complet(l.c.champ.get(), l.c.saison.get());
    complet.Calcule(clsComplet, 0, 0);
    EXPECT_EQ(Positions(complet), (V{2, 0, 1, 3}));
    EXPECT_EQ(complet.ValeurTotal(2, 1), 5);

    // Football English average: home W 0, D -2, L -3; away W 3, D 1, L 0.
    TCalculClassement anglaise(l.c.champ.get(), l.c.saison.get());
    anglaise.Calcule(clsMoyenneAnglaise, 0, 0);
    EXPECT_EQ(Positions(anglaise), (V{2, 3, 0, 1}));
    EXPECT_EQ(anglaise.ValeurTotal(2, 1), 4);
    EXPECT_EQ(anglaise.ValeurTotal(3, 1), -1);
    EXPECT_EQ(anglaise.ValeurTotal(0, 1), -2);
    EXPECT_EQ(anglaise.ValeurTotal(1, 1), -3);
    EXPECT_EQ(anglaise.MotTotal(1, 1), 65533);
}

TEST(Points, AdjustmentsOnlyInTheGeneralTableAndReadSigned)
{
    Ligue4 l;
    l.c->Penalites().AjoutePoints(l.c->IdEquipe(2), -8);   // 7 - 8 = -1
    l.c->Penalites().AjoutePoints(l.c->IdEquipe(3), 3);
    TCalculClassement calcul(l.c.champ.get(), l.c.saison.get());
    calcul.Calcule(clsGeneral, 0, 0);
    // A team on -1 point ranks below a team on 3.
    EXPECT_EQ(Positions(calcul), (V{3, 0, 1, 2}));
    EXPECT_EQ(calcul.ValeurTotal(2, 1), -1);
    EXPECT_EQ(calcul.ValeurTotal(3, 1), 5);

    TCalculClassement dom(l.c.champ.get(), l.c.saison.get());
    dom.Calcule(clsDomicile, 0, 0);
    EXPECT_EQ(dom.ValeurTotal(2, 1), 1);
    EXPECT_EQ(dom.ValeurTotal(3, 1), 1);
}

TEST(Points, UnplayedMatchesAndRangesChangeNothing)
{
    Ligue4 l;
    TCalculClassement calcul(l.c.champ.get(), l.c.saison.get());
    calcul.Calcule(clsGeneral, 1, 1);
    EXPECT_EQ(calcul.ValeurTotal(0, 1), 3);
    EXPECT_EQ(calcul.ValeurTotal(1, 1), 0);
    EXPECT_EQ(calcul.ValeurTotal(2, 1), 1);
    // A range from matchday 2 with reset counts 2 and 3 only.
    calcul.Calcule(clsGeneral, 2, 3, nullptr, true);
    EXPECT_EQ(calcul.ValeurTotal(0, 2), 0);
    EXPECT_EQ(calcul.ValeurTotal(0, 3), 1);
    EXPECT_EQ(calcul.ValeurTotal(0, 4), 1);
    EXPECT_EQ(calcul.ValeurTotal(2, 1), 6);
}

TEST(Points, FootballBonusGoesToTheOtherColumn)
{
    TChampionnatEssai c{0, 2, TDonneesChampionnat::TypeChamp, 1};
    c->BonusBut = 1;
    c->BonusEcart = 1;
    c->PointBonusBut = 1;
    Resultat(*c, 1, 0, 1, 2, 1);
    TCalculClassement calcul(c.champ.get(), c.saison.get());
    calcul.Calcule(clsGeneral, 0, 0);
    // Both sides reached 1 (records 11 and 12); the away side lost by 1 (record 11).
    EXPECT_EQ(calcul.ValeurDomExt(1, 11), 1);
    EXPECT_EQ(calcul.ValeurDomExt(1, 12), 1);
    EXPECT_EQ(calcul.ValeurDomExt(0, 11), 1);
    EXPECT_EQ(calcul.ValeurTotal(1, 10), 2);
    EXPECT_EQ(calcul.ValeurTotal(1, 1), 2);
    EXPECT_EQ(calcul.ValeurTotal(0, 1), 4);
    // The losing bonus of the away loser shows in the home table.
    calcul.Calcule(clsDomicile, 0, 0);
    EXPECT_EQ(calcul.ValeurTotal(1, 1), 1);
    calcul.Calcule(clsExterieur, 0, 0);
    EXPECT_EQ(calcul.ValeurTotal(1, 1), 1);
}

TEST(Points, RugbyTryBonusAndLosingBonus)
{
    TChampionnatEssai c{1, 2, TDonneesChampionnat::TypeChamp, 3};
    c->SetOption(4, 4);
    c->SetOption(5, 2);
    c->BonusBut = 4;
    c->BonusEcart = 7;
    c->PointBonusBut = 1;
    Resultat(*c, 1, 0, 1, 24, 20);
    for (int k = 0; k < 4; ++k)
        Evenement(*c, 2, 1, 0, 10 + k);
    Evenement(*c, 2, 1, 1, 30);
    Evenement(*c, 2, 1, 1, 31);
    Resultat(*c, 2, 1, 0, 20, 20);   // a draw never gives the losing bonus
    TCalculClassement calcul(c.champ.get(), c.saison.get());
    calcul.Calcule(clsGeneral, 1, 2);
    EXPECT_EQ(calcul.ValeurTotal(0, 1), 4 + 2 + 1);
    EXPECT_EQ(calcul.ValeurTotal(1, 1), 0 + 2 + 1);
    EXPECT_EQ(calcul.ValeurDomExt(0, 11), 1);
    EXPECT_EQ(calcul.ValeurDomExt(1, 12), 1);   // the loser's own venue

    c->BonusBut = 0;   // no bonus mode, whatever the margin
    calcul.Calcule(clsGeneral, 1, 2);
    EXPECT_EQ(calcul.ValeurTotal(0, 10), 0);
    EXPECT_EQ(calcul.ValeurTotal(1, 10), 0);
}

TEST(Points, WinningRatioWithoutDrawsDoesNotWrap)
{
    // 70 wins and 12 losses: 70 × 1000 does not fit 16 bits.
    auto saison = std::make_unique<TSaisonSansNul>();
    auto c = saison->CreeChampionnat(TDonneesChampionnat::TypeChamp, 0);
    c->SetOption(4, 2);
    c->SetOption(6, 0);
    c->AjouteEquipe(saison->AjouteEquipe("A"));
    c->AjouteEquipe(saison->AjouteEquipe("B"));
    c->AjouteEquipe(saison->AjouteEquipe("C"));
    c->SetNbMatch(1);
    c->SetNbJournees(84);
    for (int m = 1; m <= 82; ++m)
        Resultat(*c, m, 0, 1, m <= 70 ? 80 : 70, m <= 70 ? 70 : 80);
    Resultat(*c, 83, 2, 1, 90, 80);   // C: 1 win, 0 losses
    TCalculClassement calcul(c.get(), saison.get());
    calcul.Calcule(clsGeneral, 0, 0);
    // rounded to the nearest: 70 / 82 = 0.8537, 12 / 83 = 0.1446
    EXPECT_EQ(calcul.ValeurTotal(0, 3), 854);
    EXPECT_EQ(calcul.ValeurTotal(1, 3), 145);
    EXPECT_EQ(calcul.ValeurTotal(2, 3), 1000);
    EXPECT_EQ(calcul.ValeurTotal(0, 1), 140);
    // On points: A 140, B 24, C 2.
    EXPECT_EQ(Positions(calcul), (V{0, 1, 2}));
    // Option 11 value 8: on the ratio.
    c->SetOption(11, 8);
    calcul.Calcule(clsGeneral, 0, 0);
    EXPECT_EQ(Positions(calcul), (V{2, 0, 1}));
    EXPECT_EQ(calcul.ValeurLigne(0, 2), 1000);
}

TEST(Points, HomePointsDropped)
{
    Ligue4 l;
    TCalculClassement calcul(l.c.champ.get(), l.c.saison.get());
    calcul.Calcule(clsPointsPerdusDomicile, 0, 0);
    // Home: 0 W1 L1 (3 of 6: 50 %), 1 W1 L1 (50 %), 2 D1 (1 of 3: 67 %),
    // 3 D1 (67 %). Equal values: team names descending.
    EXPECT_EQ(Positions(calcul), (V{3, 2, 1, 0}));
    EXPECT_EQ(calcul.ValeurTotal(2, 2), 3);
    EXPECT_EQ(calcul.ValeurTotal(2, 6), 67);
    EXPECT_EQ(calcul.ValeurTotal(0, 6), 50);
}

// 1: 1-2 2:0  0-3 0:0     2: 0-2 1:0  1-3 0:0
// Teams 0 and 1 end on 4 points; team 1 has two scoring records on matchday 1,
// team 0 one on matchday 2.
TEST(Cumulative, MatchdayByMatchdayEqualsOneRange)
{
    TChampionnatEssai c{0, 4, TDonneesChampionnat::TypeChamp, 2};
    c->OrdreClassement = "e";
    Resultat(*c, 1, 1, 2, 2, 0);
    Resultat(*c, 1, 0, 3, 0, 0);
    Resultat(*c, 2, 0, 2, 1, 0);
    Resultat(*c, 2, 1, 3, 0, 0);
    Evenement(*c, 2, 1, 1, 10);
    Evenement(*c, 2, 1, 1, 20);
    Evenement(*c, 2, 2, 0, 30);

    TCalculClassement cumul(c.champ.get(), c.saison.get());
    cumul.Calcule(clsGeneral, 1, 1);
    EXPECT_EQ(Positions(cumul), (V{1, 0, 3, 2}));
    cumul.Calcule(clsGeneral, 2, 2);
    TCalculClassement plage(c.champ.get(), c.saison.get());
    plage.Calcule(clsGeneral, 1, 2);
    for (int i = 0; i < 4; ++i) {
        for (int f = 1; f <= 12; ++f)
            EXPECT_EQ(cumul.ValeurDomExt(i, f), plage.ValeurDomExt(i, f));
        for (int f = 1; f <= 10; ++f)
            EXPECT_EQ(cumul.ValeurTotal(i, f), plage.ValeurTotal(i, f)) << i << " " << f;
    }
    // The scoring records of matchday 1 still count: 1 (2 records) before 0 (1).
    EXPECT_EQ(Positions(cumul), (V{1, 0, 3, 2}));
    EXPECT_EQ(Positions(plage), (V{1, 0, 3, 2}));
}

// 1: 1-0 1:0  2-3 0:0     2: 0-2 3:0  1-3 0:1
// After matchday 2 teams 0 and 1 are level; 1 won their match of matchday 1.
TEST(Cumulative, HeadToHeadCoversTheWholeSeasonSoFar)
{
    TChampionnatEssai c{0, 4, TDonneesChampionnat::TypeChamp, 2};
    c->OrdreClassement = "k";
    Resultat(*c, 1, 1, 0, 1, 0);
    Resultat(*c, 1, 2, 3, 0, 0);
    Resultat(*c, 2, 0, 2, 3, 0);
    Resultat(*c, 2, 1, 3, 0, 1);
    TCalculClassement cumul(c.champ.get(), c.saison.get());
    cumul.Calcule(clsGeneral, 1, 1);
    cumul.Calcule(clsGeneral, 2, 2);
    EXPECT_EQ(Positions(cumul), (V{3, 1, 0, 2}));
    TCalculClassement plage(c.champ.get(), c.saison.get());
    plage.Calcule(clsGeneral, 0, 0);
    EXPECT_EQ(Positions(plage), (V{3, 1, 0, 2}));
}

// Group A (ids 0..2, positions 0..2) and group B (ids 3..5, positions 3..5).
//   A: 1: 0-1 1:0   2: 1-2 2:0   3: 2-0 0:0     +3 points to id 1
//   B: 1: 3-4 0:0 and 0-5 3:0 (id 0 is not in B)   2: 4-5 1:1   3: 5-3 0:2
//      -2 points to id 4
TEST(Groups, EachGroupAtItsOffset)
{
    TSaisonEssai saison(0);
    std::unique_ptr<TDonneesChampionnat> groupes[2];
    for (int g = 0; g < 2; ++g) {
        groupes[g] = saison.CreeChampionnat(TDonneesChampionnat::TypeChamp, 0);
        groupes[g]->OptionsParDefaut();
        groupes[g]->SetOption(4, 3);
        groupes[g]->SetOption(5, 1);
        for (int s = 0; s < 3; ++s)
            groupes[g]->AjouteEquipe(saison.AjouteEquipe("Equipe " + std::to_string(3 * g + s)));
        groupes[g]->SetNbMatch(2);
        groupes[g]->SetNbJournees(3);
    }
    TDonneesChampionnat& a = *groupes[0];
    TDonneesChampionnat& b = *groupes[1];
    Resultat(a, 1, 0, 1, 1, 0);
    Resultat(a, 2, 1, 2, 2, 0);
    Resultat(a, 3, 2, 0, 0, 0);
    Evenement(a, 2, 2, 1, 10);
    Evenement(a, 2, 2, 1, 20);
    a.Penalites().AjoutePoints(1, 3);
    Resultat(b, 1, 0, 1, 0, 0);
    b.CreeMatch(1, 0, 5, 3, 0);
    Resultat(b, 2, 1, 2, 1, 1);
    Resultat(b, 3, 2, 0, 0, 2);
    Evenement(b, 2, 3, 0, 10);
    Evenement(b, 2, 3, 0, 50);
    b.Penalites().AjoutePoints(4, -2);
    b.OrdreClassement = "ka";

    TCalculClassement calcul({&a, &b}, &saison);
    EXPECT_EQ(calcul.NbEquipe(), 6);
    EXPECT_EQ(calcul.DecalageGroupe(1), 3);
    calcul.Calcule(clsGeneral, 0, 0);
    EXPECT_EQ(Lignes(calcul), (Lg{{1, 6, 1, 2, 1, 0, 1, 1},
                                  {3, 4, 2, 2, 1, 1, 0, 0},
                                  {0, 4, 1, 1, 1, 1, 0, 0},
                                  {2, 1, -2, 0, 0, 1, 1, 2},
                                  {5, 1, -5, 1, 0, 1, 2, 6},
                                  {4, 0, 0, 1, 0, 2, 0, 1}}));
    EXPECT_EQ(calcul.ValeurTotal(1, 8), 2);
    EXPECT_EQ(calcul.ValeurTotal(3, 8), 2);
    EXPECT_EQ(calcul.ValeurTotal(0, 8), 0);
    EXPECT_EQ(calcul.ValeurTotal(5, 9), 2);
    EXPECT_EQ(calcul.ValeurLigne(0, 14), 1);
    EXPECT_EQ(calcul.ValeurLigne(1, 14), 3);
}

// The attacking bonus of the sports that count it on the score goes to a side
// that reaches the threshold: the 3-1 winner, not the loser who scored 1.
TEST(Points, AttackingBonusGoesToTheSideThatReachesTheThreshold)
{
    for (int sport : {0, 2, 3}) {
        SCOPED_TRACE(sport);
        TSaisonStatEssai s(sport, 2, 1);
        TDonneesChampionnat& c = s.Champ();
        c.BonusBut = 2;
        c.PointBonusBut = 1;
        c.CreeMatch(1, s.Equipe(0), s.Equipe(1), 3, 1);
        TCalculClassement calcul(&c, s.saison.get());
        calcul.Calcule(clsGeneral, 0, 0);
        EXPECT_EQ(calcul.ValeurDomExt(0, 11), 1);
        EXPECT_EQ(calcul.ValeurDomExt(1, 12), 0);
        EXPECT_EQ(calcul.ValeurTotal(0, 10), 1);
        EXPECT_EQ(calcul.ValeurTotal(1, 10), 0);
    }
}

// Missed kicks are kept in the rugby scoring list: they are no tries, for the
// try bonus nor for the tries scored and conceded.
TEST(Points, RugbyMissedKicksAreNoTries)
{
    TChampionnatEssai c{1, 2, TDonneesChampionnat::TypeChamp, 2};
    c->BonusBut = 4;
    c->PointBonusBut = 1;
    Resultat(*c, 1, 0, 1, 15, 0);
    for (int k = 0; k < 3; ++k)
        Evenement(*c, 2, 1, 0, 10 + k);
    Evenement(*c, 2, 1, 0, 0, evtHorsScore);
    Resultat(*c, 2, 1, 0, 0, 20);
    for (int k = 0; k < 4; ++k)
        Evenement(*c, 2, 2, 0, 10 + k);
    TCalculClassement calcul(c.champ.get(), c.saison.get());
    calcul.Calcule(clsGeneral, 0, 0);
    EXPECT_EQ(calcul.ValeurTotal(0, 10), 1);   // the 4 tries of matchday 2 alone
    EXPECT_EQ(calcul.ValeurTotal(0, 8), 7);
    EXPECT_EQ(calcul.ValeurTotal(1, 9), 7);
    EXPECT_EQ(calcul.ValeurTotal(0, 1), 2 * 3 + 1);
}
