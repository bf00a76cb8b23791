#include <gtest/gtest.h>

#include <functional>

#include "model/Journees.h"
#include "model/Utilities.h"
#include "tests/support/ChampionnatBuilder.h"

namespace {
uint32_t D(int j, int m, int a)
{
    return TGestionDate::EncodeDate(j, m, a);
}
}   // namespace

TEST(Journees, CreatingAMatchdayFillsTheGapAndRaisesTheCount)
{
    TChampionnatEssai c(0, 4, TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeNational, 0);
    TJournees& j = c->Journees();
    int n = 5;
    ASSERT_TRUE(j.CreeJournee(n, D(7, 3, 2004)));
    EXPECT_EQ(j.Nombre(), 5);
    EXPECT_EQ(j.DateJournee(4), 0u);
    EXPECT_EQ(j.DateJournee(5), D(7, 3, 2004));
    EXPECT_EQ(c->NbJour(), 5);
    // Every matchday has the sport's lists.
    EXPECT_TRUE(j.Journee(3)->Liste(4));
    EXPECT_FALSE(j.Journee(3)->Liste(5));
    n = 6;
    j.CreeJournee(n, 0);   // one past the count
    EXPECT_EQ(c->NbJour(), 6);
    n = -1;
    j.CreeJournee(n, D(1, 1, 2005));   // by date: after all
    EXPECT_EQ(n, 7);
    EXPECT_EQ(c->NbJour(), 7);
    EXPECT_EQ(c->ValeurMatch(7, 1), 65535);
    n = 0;
    EXPECT_EQ(j.CreeJournee(n, 0), nullptr);
    n = 256;
    EXPECT_EQ(j.CreeJournee(n, 0), nullptr);
    EXPECT_EQ(j.Nombre(), 7);
}

TEST(Journees, InsertingByDateMovesTheLaterMatchdaysWithTheirEvents)
{
    TChampionnatEssai c(0, 4, TDonneesChampionnat::TypeChamp, 0);
    TJournees& j = c->Journees();
    c->SetDateJournee(1, D(1, 9, 2004));
    c->SetDateJournee(2, D(15, 9, 2004));
    c->CreeMatch(2, 0, 1, 2, 0);
    c->ListeButeurs(2)->Ajoute(std::make_unique<TDonneesEvt>(10, 0, 12, 0));
    int n = -1;
    j.CreeJournee(n, D(8, 9, 2004));
    EXPECT_EQ(n, 2);
    EXPECT_EQ(j.Nombre(), 3);
    EXPECT_EQ(c->NbJour(), 3);
    EXPECT_EQ(c->ValeurMatch(3, 2), 2);
    EXPECT_EQ(c->ListeButeurs(3)->Nombre(), 1);
    EXPECT_EQ(c->ListeButeurs(2)->Nombre(), 0);
}

TEST(Journees, DateOrderAndLookups)
{
    TChampionnatEssai c(0, 4, TDonneesChampionnat::TypeChamp, 0);
    TJournees& j = c->Journees();
    c->SetDateJournee(1, D(10, 10, 2004));
    c->SetDateJournee(2, D(3, 10, 2004));
    c->SetDateJournee(3, D(3, 10, 2004));
    c->SetDateJournee(4, 0);
    // Date order: the empty date first; equal dates, the later entered first.
    EXPECT_EQ(j.JourneeParDate(0), j.Journee(4));
    EXPECT_EQ(j.JourneeParDate(1), j.Journee(3));
    EXPECT_EQ(j.JourneeParDate(2), j.Journee(2));
    EXPECT_EQ(j.JourneeParDate(3), j.Journee(1));
    EXPECT_EQ(j.JourneeParDate(4), nullptr);
    EXPECT_EQ(j.NumeroJourneeDate(D(3, 10, 2004)), 2);
    EXPECT_EQ(j.NumeroJourneeDate(D(4, 10, 2004)), -1);
    EXPECT_EQ(j.IndexDate(D(10, 10, 2004)), 3);
    EXPECT_EQ(j.IndexDate(D(4, 10, 2004)), 0);
    EXPECT_EQ(j.ChercheDate(D(3, 10, 2004)), j.Journee(3));
    EXPECT_EQ(j.ChercheDate(D(4, 10, 2004)), nullptr);
    EXPECT_EQ(j.PremiereJourneeDatee(), 1);
    EXPECT_EQ(j.NumeroJournee(1), 2);
    EXPECT_EQ(j.NumeroJournee(9), 1);
    // Each matchday itself, among those of one date.
    EXPECT_EQ(j.PlaceJournee(3), 1);
    EXPECT_EQ(j.NumeroPlace(1), 3);
    EXPECT_EQ(j.PlaceJournee(9), -1);
    EXPECT_EQ(j.NumeroPlace(9), 0);
    EXPECT_EQ(c->ElementDateJournee(1, 1), 10);
    EXPECT_EQ(c->ElementDateJournee(1, 3), 20);
    EXPECT_EQ(c->ElementDateJournee(1, 4), 4);
    EXPECT_EQ(c->ElementDateJournee(1, 5), 0);
    // Changing a date moves the matchday.
    c->SetDateJournee(1, D(1, 10, 2004));
    EXPECT_EQ(j.JourneeParDate(1), j.Journee(1));
}

TEST(Journees, SortingByDateDropsEmptyMatchdaysButTheLast)
{
    TChampionnatEssai c(0, 4, TDonneesChampionnat::TypeChamp, 0);
    TJournees& j = c->Journees();
    c->SetDateJournee(1, D(20, 9, 2004));
    c->SetDateJournee(2, D(10, 9, 2004));
    c->SetDateJournee(3, D(15, 9, 2004));
    c->SetDateJournee(4, D(30, 9, 2004));
    c->CreeMatch(1, 0, 1, 1, 0);
    c->CreeMatch(2, 2, 3, 0, 0);
    j.TrieParDate();
    ASSERT_EQ(j.Nombre(), 3);
    EXPECT_EQ(j.DateJournee(1), D(10, 9, 2004));
    EXPECT_EQ(c->ValeurMatch(1, 1), 2);
    EXPECT_EQ(j.DateJournee(2), D(20, 9, 2004));
    EXPECT_EQ(c->ValeurMatch(2, 1), 0);
    EXPECT_EQ(j.DateJournee(3), D(30, 9, 2004));   // empty, but the last
    EXPECT_FALSE(j.SupprimeJournee(3));
    EXPECT_FALSE(j.SupprimeJournee(0));
    // An empty one goes when asked, the last too, and the matchday count
    // with it; one holding a match stays.
    const int nbJour = c->NbJour();
    EXPECT_FALSE(j.SupprimeJourneeVide(2, true));
    EXPECT_FALSE(j.SupprimeJourneeVide(3, false));
    EXPECT_TRUE(j.SupprimeJourneeVide(3, true));
    EXPECT_EQ(j.Nombre(), 2);
    EXPECT_EQ(c->NbJour(), nbJour - 1);
    EXPECT_EQ(j.DateJournee(2), D(20, 9, 2004));
    EXPECT_EQ(j.JourneeParDate(2), nullptr);
    EXPECT_TRUE(j.SupprimeJournee(1));
    EXPECT_EQ(j.Nombre(), 1);
    j.TronqueJournees(0);
    EXPECT_EQ(j.Nombre(), 0);
}

TEST(Journees, MatchOrderKeysAndRemovals)
{
    TInfoCompJour jour(std::vector<uint8_t>{2, 3}, nullptr);
    jour.AjouteMatch(std::make_unique<TInfoComp>(1, 2, 0, 0), 5);
    jour.AjouteMatch(std::make_unique<TInfoComp>(3, 4, 0, 0), 2);
    jour.AjouteMatch(std::make_unique<TInfoComp>(5, 6, 0, 0), 5);
    EXPECT_EQ(jour.Match(0)->IdEquipe(0), 3);
    EXPECT_EQ(jour.Match(1)->IdEquipe(0), 5);
    EXPECT_EQ(jour.Match(2)->IdEquipe(0), 1);
    EXPECT_EQ(jour.AjouteMatch(std::make_unique<TInfoComp>(7, 8, 0, 0), -1), 3);
    EXPECT_EQ(jour.IndexMatch(7, 8), 3);
    EXPECT_EQ(jour.IndexMatch(8, 7), -1);
    EXPECT_EQ(jour.IndexMatchEquipe(8), 3);
    jour.DeplaceMatch(3, 0);
    EXPECT_EQ(jour.Match(0)->IdEquipe(0), 7);
    EXPECT_EQ(jour.Match(4), nullptr);
    auto m = jour.SupprimeMatch(0);
    EXPECT_EQ(m->IdEquipe(1), 8);
    EXPECT_EQ(jour.NbMatchs(), 3);

    TChampionnatEssai c(0, 6, TDonneesChampionnat::TypeChamp, 2);
    TJournees& j = c->Journees();
    j.MatchEquipes(1, 0, 1, -1, true, 0);
    j.MatchEquipes(1, 2, 0, -1, true, 0);
    j.MatchEquipes(1, 1, 0, -1, true, 0);
    EXPECT_EQ(j.SupprimeMatch(1, 0, 1), 0);   // both orders go
    EXPECT_EQ(j.Journee(1)->NbMatchs(), 1);
    EXPECT_EQ(j.SupprimeMatchsEquipe(1, 0), 2);
    EXPECT_EQ(j.SupprimeMatchsEquipe(1, 0), -1);
    j.MatchEquipes(2, 3, 4, -1, true, 0);
    int n = 0, i = 0;
    j.ChercheMatch(c->Match(2, 1), n, i);
    EXPECT_EQ(n, 2);
    EXPECT_EQ(i, 0);
    TInfoComp autre(0, 0, 0, 0);
    j.ChercheMatch(&autre, n, i);
    EXPECT_EQ(n, 0);
    auto repris = j.VideJournee(2);
    EXPECT_EQ(repris.size(), 1u);
    EXPECT_EQ(j.Journee(2)->NbMatchs(), 0);
    // A lookup never creates a matchday.
    EXPECT_EQ(j.MatchEquipes(9, 1, 2, -1, false, 0), nullptr);
    EXPECT_EQ(j.Nombre(), 2);
}

TEST(Journees, StatisticListsAndShootOuts)
{
    TInfoCompJour jour(std::vector<uint8_t>{0}, nullptr);
    EXPECT_TRUE(jour.ListeStat(5, 2));
    EXPECT_TRUE(jour.ListeStat(20, 2));
    EXPECT_FALSE(jour.ListeStat(21, 3));
    EXPECT_FALSE(jour.ListeStat(5, 0));
    EXPECT_FALSE(jour.ListeStat(37, 2));
    EXPECT_FALSE(jour.Liste(2));
    // Handing back the list already held keeps it alive.
    TListeDonnees* l = jour.ListeStat(6, 2);
    l->Ajoute(TDonneesEvt::CreateId(1, 1, 300));
    jour.SetListeStat(6, 2, std::unique_ptr<TListeDonnees>(l));
    ASSERT_EQ(jour.ListeStat(6, 2), l);
    EXPECT_EQ(l->Donnee(0)->Mot(), 300);
    jour.SetListeStat(6, 2, std::make_unique<TListeDonnees>(nullptr));
    EXPECT_NE(jour.ListeStat(6, 2), nullptr);
    EXPECT_EQ(jour.ListeStat(6, 2)->Nombre(), 0);

    jour.AjoutePenalty(1, 2, 5, 4);
    jour.AjoutePenalty(1, 2, 3, 2);
    jour.AjoutePenalty(3, 4, 4, 5);
    EXPECT_EQ(jour.Penalty(1, 2)->s1, 5);
    EXPECT_EQ(jour.Penalty(2, 1), nullptr);
    jour.SupprimePenalty(1, 2);
    EXPECT_EQ(jour.NbPenalty(), 1);
    jour.Vide(true);
    EXPECT_EQ(jour.NbPenalty(), 0);
}

// Four dated matchdays of one match each; the first three matches carry a
// state (forfeit 0-1, postponed 2-3, score not received 1-3), team 1 has a
// point record. Each renumbering keeps every state with its match.
TEST(Journees, MatchStatesMoveWithTheirMatchesAndGoWithTheirTeam)
{
    struct TEtat
    {
        int e1, e2, type;
    };
    const TEtat etats[3] = {{0, 1, etatForfait}, {2, 3, etatReporte}, {1, 3, etatNonRecu}};
    struct TCas
    {
        const char* nom;
        std::function<void(TDonneesChampionnat&)> action;
        int journees[3];   // where each state is afterwards (0: gone)
        bool points;       // team 1's point record kept
    };
    const TCas cas[] = {
        {"an earlier date inserted", [](TDonneesChampionnat& c) { int n = -1; c.Journees().CreeJournee(n, D(8, 9, 2004)); },
         {1, 3, 4}, true},
        {"a later date inserted", [](TDonneesChampionnat& c) { int n = -1; c.Journees().CreeJournee(n, D(1, 12, 2004)); },
         {1, 2, 3}, true},
        {"a matchday removed", [](TDonneesChampionnat& c) { c.Journees().SupprimeJournee(2); }, {1, 0, 2}, true},
        {"sorted by date",
         [](TDonneesChampionnat& c) {
             c.SetDateJournee(1, D(20, 10, 2004));
             c.Journees().TrieParDate();
         },
         {4, 1, 2}, true},
        {"team 3 removed", [](TDonneesChampionnat& c) { c.SupprimeEquipe(c.IndexEquipe(3), true); }, {1, 0, 0}, true},
        {"team 1 removed", [](TDonneesChampionnat& c) { c.SupprimeEquipe(c.IndexEquipe(1), true); }, {0, 2, 0}, false},
    };
    for (const TCas& k : cas) {
        SCOPED_TRACE(k.nom);
        TChampionnatEssai c(0, 4, TDonneesChampionnat::TypeChamp, 0);
        const uint32_t dates[4] = {D(1, 9, 2004), D(15, 9, 2004), D(29, 9, 2004), D(13, 10, 2004)};
        const int matchs[4][2] = {{0, 1}, {2, 3}, {1, 3}, {0, 2}};
        for (int d = 1; d <= 4; ++d) {
            c->SetDateJournee(d, dates[d - 1]);
            c->CreeMatch(d, matchs[d - 1][0], matchs[d - 1][1], 1, 0);
        }
        for (int i = 0; i < 3; ++i)
            c->Penalites().Ajoute(etats[i].e1, etats[i].e2, 3, 0, i + 1, etats[i].type);
        c->Penalites().AjoutePoints(1, -2);
        k.action(*c);
        int restants = 0;
        for (int i = 0; i < 3; ++i) {
            const int d = k.journees[i];
            if (d == 0)
                continue;
            ++restants;
            const TPenalite* p = c->Penalites().Cherche(etats[i].e1, etats[i].e2, d);
            ASSERT_NE(p, nullptr) << i;
            EXPECT_EQ(p->Type, etats[i].type) << i;
            EXPECT_NE(c->Journees().Journee(d)->MatchEquipes(etats[i].e1, etats[i].e2), nullptr) << i;
        }
        EXPECT_EQ(c->Penalites().Nombre(), restants + (k.points ? 1 : 0));
        EXPECT_EQ(c->Penalites().Cherche(1, 0, 0) != nullptr, k.points);
        // Still in matchday order.
        for (int i = 1; i < c->Penalites().Nombre(); ++i)
            EXPECT_LE(c->Penalites().Penalite(i - 1)->Journee, c->Penalites().Penalite(i)->Journee);
    }
}
