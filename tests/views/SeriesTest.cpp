// Runs of results worked out by hand: current and longest runs of every
// group, per venue; an unplayed match; a run longer than 63 matches; rugby
// scoring by tries; the date order.
#include <gtest/gtest.h>

#include "model/ListeDonnees.h"
#include "model/Penalites.h"
#include "model/Utilities.h"
#include "tests/views/VuesEssai.h"
#include "views/Series.h"

namespace {

struct Match
{
    int d, dom, ext, sd, se;
};

vues::TSaisonVue Joue(int sport, int nbJour, std::initializer_list<Match> matchs)
{
    auto v = vues::LigueVide(sport, 2, nbJour);
    for (const Match& m : matchs)
        v.c1->CreeMatch(m.d, v.c1->IdEquipe(m.dom), v.c1->IdEquipe(m.ext), m.sd, m.se);
    return v;
}

void Attendu(const TSerie& s, int type, int longueur, const char* quoi)
{
    EXPECT_EQ(s.Type, type) << quoi;
    EXPECT_EQ(s.Longueur, longueur) << quoi;
}

// Team 0 in time order: d1 W 2-0 (home), d2 D 1-1 (away), d3 L 0-1 (home),
// d4 W 2-0 (away), d5 W 3-0 (home), d6 D 0-0 (away); d7 not played.
//   results W D L W W D: current draw 1; longest win 2, draw 1, defeat 1
//   home W L W: current win 1; away D W D: current draw 1
//   unbeaten: current 3 (d4-d6), longest 3; without a win: current 1, longest 2 (d2-d3)
//   scored yes yes no yes yes no: current "without" 1, longest with 2, without 1
//   conceded no yes yes no no no: current clean sheet 3, longest 3; with 2
TEST(Series, RunsWorkedOutByHand)
{
    auto v = Joue(0, 7, {{1, 0, 1, 2, 0}, {2, 1, 0, 1, 1}, {3, 0, 1, 0, 1}, {4, 1, 0, 0, 2}, {5, 0, 1, 3, 0},
                         {6, 1, 0, 0, 0}, {7, 0, 1, 65535, 65535}});
    const auto t = series::Calcule(v.saison.get(), 7, 1);
    ASSERT_EQ(t.size(), 2u);
    const TSerieEquipe& a = t[0];
    Attendu(a.Resultat[0].Courante, srsNul, 1, "current");
    EXPECT_EQ(a.Resultat[0].Plus[srsVictoire], 2);
    EXPECT_EQ(a.Resultat[0].Plus[srsNul], 1);
    EXPECT_EQ(a.Resultat[0].Plus[srsDefaite], 1);
    Attendu(a.Resultat[1].Courante, srsVictoire, 1, "home");
    Attendu(a.Resultat[2].Courante, srsNul, 1, "away");
    EXPECT_EQ(a.Invaincu[0].Actuelle(), 3);
    EXPECT_EQ(a.Invaincu[0].Plus, 3);
    EXPECT_EQ(a.SansVictoire[0].Actuelle(), 1);
    EXPECT_EQ(a.SansVictoire[0].Plus, 2);
    Attendu(a.Marque[0].Courante, srsSans, 1, "scored");
    EXPECT_EQ(a.Marque[0].Plus[srsAvec], 2);
    EXPECT_EQ(a.Marque[0].Plus[srsSans], 1);
    Attendu(a.Encaisse[0].Courante, srsSans, 3, "clean sheets");
    EXPECT_EQ(a.Encaisse[0].Plus[srsSans], 3);
    EXPECT_EQ(a.Encaisse[0].Plus[srsAvec], 2);
    // team 1 mirrors: current draw, longest defeat run 2, winless now 3
    Attendu(t[1].Resultat[0].Courante, srsNul, 1, "other");
    EXPECT_EQ(t[1].Resultat[0].Plus[srsDefaite], 2);
    EXPECT_EQ(t[1].SansVictoire[0].Actuelle(), 3);
    EXPECT_EQ(t[1].Invaincu[0].Actuelle(), 1);
    // a range: matchdays 2 to 4 only (D L W)
    const auto r = series::Calcule(v.saison.get(), 4, 2);
    Attendu(r[0].Resultat[0].Courante, srsVictoire, 1, "range");
    EXPECT_EQ(r[0].Invaincu[0].Plus, 1);
}

// 70 wins in a row: lengths and counts past 63 and 127 keep their kind.
TEST(Series, LongRunsKeepTheirKind)
{
    auto v = vues::LigueVide(0, 2, 140);
    for (int d = 1; d <= 140; ++d)
        v.c1->CreeMatch(d, v.c1->IdEquipe(d % 2), v.c1->IdEquipe(1 - d % 2), d % 2 ? 0 : 1, d % 2 ? 1 : 0);
    const auto t = series::Calcule(v.saison.get(), 140, 1);
    Attendu(t[0].Resultat[0].Courante, srsVictoire, 140, "wins");
    EXPECT_EQ(t[0].Resultat[0].Plus[srsVictoire], 140);
    Attendu(t[0].Resultat[1].Courante, srsVictoire, 70, "home wins");
    EXPECT_EQ(t[0].Invaincu[0].Actuelle(), 140);
    EXPECT_EQ(t[0].SansVictoire[0].Actuelle(), 0);
    EXPECT_EQ(t[0].SansVictoire[0].Courante, 0);   // closed at 0, not unset
    Attendu(t[1].Marque[0].Courante, srsSans, 140, "without scoring");
    EXPECT_EQ(t[1].SansVictoire[0].Plus, 140);
}

// Rugby: a side scored when one of its try records counts in the score (a
// record outside the score does not); the date order walks matchdays by date.
// Each sheet makes up its score: d1 a penalty goal; d2 a try and its
// conversion against a penalty goal and a missed kick; d3 two tries and a
// conversion against four penalty goals.
TEST(Series, RugbyTriesAndDateOrder)
{
    auto v = Joue(1, 3, {{1, 0, 1, 3, 0}, {2, 0, 1, 7, 3}, {3, 1, 0, 12, 12}});
    const int a = v.c1->IdEquipe(0), b = v.c1->IdEquipe(1);
    auto evt = [&](int genre, int d, int equipe, int fois, uint16_t drapeaux = 0) {
        for (int k = 0; k < fois; ++k)
            v.c1->ListeDonnees(genre, d)->Ajoute(std::make_unique<TDonneesEvt>(1, equipe, 20 + k, drapeaux));
    };
    evt(5, 1, a, 1);
    evt(2, 2, a, 1);
    evt(6, 2, a, 1);
    evt(5, 2, b, 1);
    evt(2, 2, b, 1, evtHorsScore);
    evt(2, 3, b, 2);
    evt(6, 3, b, 1);
    evt(5, 3, a, 4);
    auto t = series::Calcule(v.saison.get(), 3, 1);
    // team 0 scored tries on d2 only: no, yes, no; team 1 on d3 only
    Attendu(t[0].Marque[0].Courante, srsSans, 1, "rugby");
    EXPECT_EQ(t[0].Marque[0].Plus[srsAvec], 1);
    Attendu(t[1].Marque[0].Courante, srsAvec, 1, "rugby other");
    EXPECT_EQ(t[1].Marque[0].Plus[srsSans], 2);

    // by date: d3 first, then d1, then d2 (a win of team 0 is the latest)
    v.c1->SetOption(11, 8);
    v.c1->SetDateJournee(3, TGestionDate::EncodeDate(1, 8, 2005));
    v.c1->SetDateJournee(1, TGestionDate::EncodeDate(8, 8, 2005));
    v.c1->SetDateJournee(2, TGestionDate::EncodeDate(15, 8, 2005));
    t = series::Calcule(v.saison.get(), 3, 1);
    Attendu(t[0].Resultat[0].Courante, srsVictoire, 2, "by date");
    EXPECT_EQ(t[0].Invaincu[0].Actuelle(), 3);
}

// Rugby's runs of tries leave out a match whose sheet does not make up its
// score, and a forfeit: team 0 scored tries at d1 (10-0), none at d3 (0-3, a
// penalty goal against); the match of d2 decides whether its runs without a
// try are of one or two matches.
TEST(Series, RugbyTryRunsLeaveOutMatchesWithoutTheirSheet)
{
    struct TCas
    {
        const char* nom;
        int dom, ext;        // d2: team 1 at home to team 0
        bool essai, forfait;
        int sansMarquer, sansEncaisser;
    };
    const TCas cas[] = {
        {"44 points typed without their sheet", 0, 44, false, false, 1, 2},
        {"a forfeit", 0, 25, false, true, 1, 2},
        {"a forfeit whose sheet makes up its score", 0, 5, true, true, 1, 2},
        {"a goalless match", 0, 0, false, false, 2, 3},
        {"a try typed for its five points", 0, 5, true, false, 1, 3},
    };
    for (const TCas& k : cas) {
        SCOPED_TRACE(k.nom);
        auto v = Joue(1, 3, {{1, 0, 1, 10, 0}, {2, 1, 0, k.dom, k.ext}, {3, 0, 1, 0, 3}});
        const int a = v.c1->IdEquipe(0), b = v.c1->IdEquipe(1);
        for (int e = 0; e < 2; ++e)
            v.c1->ListeButeurs(1)->Ajoute(std::make_unique<TDonneesEvt>(1, a, 10 + e, 0));
        v.c1->ListeDonnees(5, 3)->Ajoute(std::make_unique<TDonneesEvt>(2, b, 30, 0));
        if (k.essai)
            v.c1->ListeButeurs(2)->Ajoute(std::make_unique<TDonneesEvt>(1, a, 10, 0));
        if (k.forfait)
            v.c1->Penalites().AjoutePenalite(b, a, k.dom, k.ext, 2);
        const auto t = series::Calcule(v.saison.get(), 3, 1);
        Attendu(t[0].Marque[0].Courante, srsSans, k.sansMarquer, "team 0 without scoring a try");
        Attendu(t[1].Encaisse[0].Courante, srsSans, k.sansMarquer, "team 1 without conceding one");
        Attendu(t[0].Encaisse[0].Courante, srsSans, k.sansEncaisser, "team 0 without conceding a try");
        // the results count every played match
        EXPECT_EQ(t[0].Invaincu[0].Plus, 2);
    }
}

}  // namespace
