#include <gtest/gtest.h>

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
    EXPECT_TRUE(j.SupprimeJournee(1));
    EXPECT_EQ(j.Nombre(), 2);
    j.TronqueJournees(1);
    EXPECT_EQ(j.Nombre(), 1);
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
