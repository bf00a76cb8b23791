// Frequent scores and the situation counts of a team.
#include <gtest/gtest.h>

#include <tuple>

#include "engine/Statistique.h"
#include "model/ListeDonnees.h"
#include "model/Penalites.h"
#include "tests/support/StandingsBuilder.h"

namespace {

using P = std::vector<std::pair<int, int>>;   // (count, a x 8 + b)

P Premiers(const TScoresFrequents& r, int nb)
{
    P v;
    for (int i = 0; i < nb && i < static_cast<int>(r.size()); ++i)
        v.emplace_back(r[static_cast<size_t>(i)].Nombre, r[static_cast<size_t>(i)].A * 8 + r[static_cast<size_t>(i)].B);
    return v;
}

// 1: 0-1 9:0   2-3 1:3     2: 1-2 2:1   3-0 2:1
struct Scores
{
    TChampionnatEssai c{0, 4, TDonneesChampionnat::TypeChamp, 2};
    Scores()
    {
        Resultat(*c, 1, 0, 1, 9, 0);
        Resultat(*c, 1, 2, 3, 1, 3);
        Resultat(*c, 2, 1, 2, 2, 1);
        Resultat(*c, 2, 3, 0, 2, 1);
    }
};

}  // namespace

TEST(FrequentScores, PairsAsEnteredByCount)
{
    Scores s;
    int total = 0;
    TScoresFrequents r;
    TStatistique::ScoresFrequents({s.c.champ.get()}, total, 0, 0, -1, 2, r);
    EXPECT_EQ(total, 4);
    // 2-1 twice, then 1-3 and 9-0 (as entered, no cap at 7); nothing else.
    EXPECT_EQ(Premiers(r, 4), (P{{2, 2 * 8 + 1}, {1, 1 * 8 + 3}, {1, 9 * 8 + 0}}));

    s.c->SetOption(11, 2);   // the winner's score first
    TStatistique::ScoresFrequents({s.c.champ.get()}, total, 0, 0, -1, 2, r);
    EXPECT_EQ(Premiers(r, 3), (P{{2, 17}, {1, 3 * 8 + 1}, {1, 72}}));

    // Team 0 away: lost 1-2, its own score first.
    TStatistique::ScoresFrequents({s.c.champ.get()}, total, 0, 0, s.c->IdEquipe(0), 1, r);
    EXPECT_EQ(total, 1);
    EXPECT_EQ(Premiers(r, 1), (P{{1, 1 * 8 + 2}}));
    TStatistique::ScoresFrequents({s.c.champ.get()}, total, 0, 0, s.c->IdEquipe(0), 2, r);
    EXPECT_EQ(total, 2);
    TStatistique::ScoresFrequents({s.c.champ.get()}, total, 2, 2, -1, 2, r);
    EXPECT_EQ(total, 2);
}

TEST(Series, FirstGoalHalfTimeAndWinAfterTrailing)
{
    TChampionnatEssai c{0, 2, TDonneesChampionnat::TypeChamp, 3};
    c->TempsPeriode = 45;
    Resultat(*c, 1, 0, 1, 3, 2);   // 0-2 at 20', then 3-2
    Evenement(*c, 2, 1, 1, 10);
    Evenement(*c, 2, 1, 1, 20);
    Evenement(*c, 2, 1, 0, 50);
    Evenement(*c, 2, 1, 0, 60);
    Evenement(*c, 2, 1, 0, 70);
    Resultat(*c, 2, 1, 0, 0, 0);   // no goal
    Resultat(*c, 3, 0, 1, 1, 0);
    Evenement(*c, 2, 3, 0, 30);
    Evenement(*c, 2, 3, 1, 5, evtHorsScore);   // not counted
    int matchs = 0;
    TSituations n;
    TStatistique::SeriesEquipeChampionnat(*c, 0, 0, c->IdEquipe(0), matchs, n);
    EXPECT_EQ(matchs, 3);
    EXPECT_EQ(n[serVictoire][serEncaissePremier][0], 1);
    EXPECT_EQ(n[serVictoire][serDerriereMiTemps][0], 1);
    EXPECT_EQ(n[serVictoire][serVictoireApresMene][0], 1);
    EXPECT_EQ(n[serNul][serMarquePremier][1] + n[serNul][serEncaissePremier][1], 0);
    EXPECT_EQ(n[serNul][serEgaliteMiTemps][1], 1);
    EXPECT_EQ(n[serVictoire][serMarquePremier][0], 1);
    EXPECT_EQ(n[serVictoire][serMeneMiTemps][0], 1);
    int somme = 0;
    for (const auto& r : n)
        for (const auto& s : r)
            somme += s[0] + s[1];
    EXPECT_EQ(somme, 6);   // first goal, half-time and comeback; half-time; first goal and half-time

    TStatistique::SeriesEquipeChampionnat(*c, 0, 0, c->IdEquipe(1), matchs, n);
    EXPECT_EQ(n[serDefaite][serMarquePremier][1], 1);
    EXPECT_EQ(n[serDefaite][serMeneMiTemps][1], 1);
    // led 2-0, lost 2-3: a defeat after leading
    EXPECT_EQ(n[serDefaite][serVictoireApresMene][1], 1);
}

// The result turned round, for the home team: each match typed goal by goal
// (side 0 home, 1 away, minute), its final score the goals' sum.
TEST(Series, WinAfterTrailingAndDefeatAfterLeading)
{
    struct Cas
    {
        const char* nom;
        std::vector<std::pair<int, int>> buts;
        int victoireApresMene, defaiteApresMene;
    };
    const Cas cas[] = {
        {"led 1-0, lost 1-2", {{0, 10}, {1, 50}, {1, 80}}, 0, 1},
        {"trailed 0-1, won 2-1", {{1, 10}, {0, 50}, {0, 80}}, 1, 0},
        {"never led, lost 0-2", {{1, 10}, {1, 50}}, 0, 0},
        {"trailed, levelled, lost 1-2", {{1, 10}, {0, 20}, {1, 80}}, 0, 0},
        {"led 2-1, lost 2-3", {{0, 5}, {1, 10}, {0, 30}, {1, 60}, {1, 70}}, 0, 1},
        {"led then drew 1-1", {{0, 10}, {1, 80}}, 0, 0},
        {"two goals in one minute, lost 1-2", {{1, 30}, {0, 30}, {1, 60}}, 0, 0},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.nom);
        TChampionnatEssai c{0, 2, TDonneesChampionnat::TypeChamp, 1};
        c->TempsPeriode = 45;
        int score[2] = {0, 0};
        for (const auto& b : k.buts)
            ++score[b.first];
        Resultat(*c, 1, 0, 1, score[0], score[1]);
        for (const auto& [cote, minute] : k.buts)
            Evenement(*c, 2, 1, cote, minute);
        int matchs = 0;
        TSituations n;
        TStatistique::SeriesEquipeChampionnat(*c, 0, 0, c->IdEquipe(0), matchs, n);
        EXPECT_EQ(n[serVictoire][serVictoireApresMene][0], k.victoireApresMene);
        EXPECT_EQ(n[serDefaite][serVictoireApresMene][0], k.defaiteApresMene);
        EXPECT_EQ(n[serNul][serVictoireApresMene][0], 0);
    }
}

TEST(Series, RugbyWeights)
{
    // A try (5) at 10' for 1, a penalty goal (3) at 20' for 0: 0 trails 3-5
    // at half-time; a penalty goal at 60' and a drop at 70' win it 9-5.
    TChampionnatEssai c{1, 2, TDonneesChampionnat::TypeChamp, 1};
    c->TempsPeriode = 40;
    Resultat(*c, 1, 0, 1, 9, 5);
    Evenement(*c, 2, 1, 1, 10);
    Evenement(*c, 5, 1, 0, 20);
    Evenement(*c, 5, 1, 0, 60);
    Evenement(*c, 7, 1, 0, 70);
    int matchs = 0;
    TSituations n;
    TStatistique::SeriesEquipeChampionnat(*c, 1, 1, c->IdEquipe(0), matchs, n);
    EXPECT_EQ(matchs, 1);
    EXPECT_EQ(n[serVictoire][serEncaissePremier][0], 1);
    EXPECT_EQ(n[serVictoire][serDerriereMiTemps][0], 1);
    EXPECT_EQ(n[serVictoire][serVictoireApresMene][0], 1);
}

// The situations count only the matches whose sheet makes up the score; a
// score typed without its sheet and a forfeit are left out of them, a goalless
// match without any record is level at half-time. One match, team 0 at home;
// records as (data kind, side, minute, flags).
TEST(Series, MatchesWithoutTheirSheetAreLeftOut)
{
    struct Cas
    {
        const char* nom;
        int sport, dom, ext;
        std::vector<std::tuple<int, int, int, uint16_t>> evts;
        bool forfait;
        int matchs, menait, egalite;
    };
    const Cas cas[] = {
        {"2-1, every goal typed", 0, 2, 1, {{2, 0, 10, 0}, {2, 1, 50, 0}, {2, 0, 70, 0}}, false, 1, 1, 0},
        {"2-1 typed without its sheet", 0, 2, 1, {}, false, 0, 0, 0},
        {"2-1 with one goal typed", 0, 2, 1, {{2, 0, 10, 0}}, false, 0, 0, 0},
        {"2-0 and a missed penalty", 0, 2, 0, {{2, 0, 10, 0}, {2, 0, 0, evtHorsScore}, {2, 0, 60, 0}}, false, 1,
         1, 0},
        {"0-0 without a record", 0, 0, 0, {}, false, 1, 0, 1},
        {"rugby 9-5, every score typed", 1, 9, 5, {{2, 1, 10, 0}, {5, 0, 20, 0}, {5, 0, 60, 0}, {7, 0, 70, 0}},
         false, 1, 0, 0},
        {"rugby 44-0 without its sheet", 1, 44, 0, {}, false, 0, 0, 0},
        {"rugby forfeit 51-0", 1, 51, 0, {}, true, 0, 0, 0},
        {"rugby forfeit whose records make up 5-0", 1, 5, 0, {{2, 0, 10, 0}}, true, 0, 0, 0},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.nom);
        TChampionnatEssai c{k.sport, 2, TDonneesChampionnat::TypeChamp, 1};
        c->TempsPeriode = 40;
        Resultat(*c, 1, 0, 1, k.dom, k.ext);
        for (const auto& [genre, cote, minute, drapeaux] : k.evts)
            Evenement(*c, genre, 1, cote, minute, drapeaux);
        if (k.forfait)
            c->Penalites().AjoutePenalite(c->IdEquipe(0), c->IdEquipe(1), k.dom, k.ext, 1);
        EXPECT_EQ(TStatistique::FeuilleComplete(*c, 1, c->IdEquipe(0), c->IdEquipe(1), k.dom, k.ext),
                  k.matchs == 1);
        int matchs = -1;
        TSituations n;
        TStatistique::SeriesEquipeChampionnat(*c, 0, 0, c->IdEquipe(0), matchs, n);
        EXPECT_EQ(matchs, k.matchs);
        int menait = 0, egalite = 0, somme = 0;
        for (int r = 0; r < 3; ++r) {
            menait += n[static_cast<size_t>(r)][serMeneMiTemps][0];
            egalite += n[static_cast<size_t>(r)][serEgaliteMiTemps][0];
            for (const auto& s : n[static_cast<size_t>(r)])
                somme += s[0] + s[1];
        }
        EXPECT_EQ(menait, k.menait);
        EXPECT_EQ(egalite, k.egalite);
        if (k.matchs == 0) {
            EXPECT_EQ(somme, 0);
        }
        // the situation standings read the same counts: level at half-time,
        // both venues
        TCalculClassement calcul(c.champ.get(), c.saison.get());
        calcul.Calcule(clsForme + 3 * serEgaliteMiTemps, 0, 0);
        EXPECT_EQ(calcul.ValeurTotal(0, 5), k.egalite);
    }
}
