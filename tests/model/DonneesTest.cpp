#include <gtest/gtest.h>

#include <tuple>

#include "model/ListeDonnees.h"
#include "model/Penalites.h"
#include "tests/support/ChampionnatBuilder.h"

// ---------------------------------------------------------------------------
// Penalties and match states

TEST(Penalites, NetPointsPerTeam)
{
    TPenalites p;
    p.AjoutePoints(4, -3);
    p.AjoutePoints(4, 5);
    ASSERT_EQ(p.Nombre(), 1);
    EXPECT_EQ(p.Penalite(0)->Type, penalitePointsAjoutes);
    EXPECT_EQ(p.Penalite(0)->s1, 2);
    p.AjoutePoints(5, 2);
    p.AjoutePoints(5, -2);
    ASSERT_EQ(p.Nombre(), 2);
    const TPenalite* r = p.Cherche(5, 0, 0);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Type, penalitePointsAjoutes);
    EXPECT_EQ(r->s1, 0);
    p.AjoutePoints(5, -7);
    EXPECT_EQ(r->Type, penalitePointsRetires);
    EXPECT_EQ(r->s1, 7);
}

TEST(Penalites, SortedByMatchdayNewestFirst)
{
    TPenalites p;
    p.Ajoute(1, 2, 3, 0, 4, etatSurTapis);
    p.Ajoute(3, 4, 0, 0, 7, etatReporte);
    p.Ajoute(5, 6, 1, 1, 2, etatArrete);
    p.AjoutePenalite(7, 8, 3, 0, 4);
    ASSERT_EQ(p.Nombre(), 4);
    EXPECT_EQ(p.Penalite(0)->Journee, 2);
    EXPECT_EQ(p.Penalite(1)->e1, 7);   // newest first among matchday 4
    EXPECT_EQ(p.Penalite(1)->Type, etatForfait);
    EXPECT_EQ(p.Penalite(2)->e1, 1);
    EXPECT_EQ(p.Penalite(3)->Journee, 7);
    EXPECT_EQ(p.ListeJournee(4).size(), 2u);
    EXPECT_TRUE(p.ListeJournee(3).empty());
    EXPECT_TRUE(p.Cherche(1, 2, 4));
    EXPECT_FALSE(p.Cherche(2, 1, 4));
    EXPECT_FALSE(p.Cherche(1, 2, 5));
    p.SupprimeJournee(4);
    EXPECT_EQ(p.Nombre(), 2);
    EXPECT_EQ(p.Penalite(2), nullptr);
    EXPECT_EQ(p.Penalite(-1), nullptr);
    EXPECT_EQ(p.Ajoute(1, 2, 0, 0, 256, etatReporte), nullptr);
    EXPECT_EQ(p.Nombre(), 2);
}

// ---------------------------------------------------------------------------
// Data records

TEST(DonneesEvt, MinuteIsClampedFlagsKept)
{
    TDonneesEvt a(5, 1, 130, 0);
    EXPECT_EQ(a.Mot(), 127);
    EXPECT_EQ(a.TypeBut(), 3);
    TDonneesEvt b(5, 1, 130, evtRouge);
    EXPECT_EQ(b.Mot(), 0xFF);
    EXPECT_EQ(b.TypeBut(), 4);
    TDonneesEvt c(5, 1, -4, evtHorsScore | 0x3F);
    EXPECT_EQ(c.Mot(), 0x800);
    c.SetMinute(200);
    EXPECT_EQ(c.Mot(), 0x87F);
    EXPECT_EQ(c.Minute(), 127);
    // A statistic value keeps its whole word.
    EXPECT_EQ(TDonneesEvt::CreateId(5, 1, 40000)->Mot(), 40000);
    EXPECT_EQ(TDonneesEvt::CreateId(5, 1, 0x100)->TypeBut(), 1);
    EXPECT_EQ(TDonneesEvt::CreateId(5, 1, 0x200)->TypeBut(), 2);
    EXPECT_EQ(TDonneesEvt::CreateId(5, 1, 0x805)->TypeBut(), 5);
    TDonneesEvt d;
    EXPECT_EQ(d.IdJoueur(), 0);
    EXPECT_EQ(d.IdEquipe(), 65535);
    EXPECT_EQ(d.Mot(), 0);
}

TEST(ListeDonnees, EveryChangeFlagsTheStatistics)
{
    TSaisonEssai s;
    TListeDonnees l(&s);
    auto change = [&](auto f) {
        s.SetStatsCalculees(true);
        f();
        return !s.StatsCalculees();
    };
    EXPECT_TRUE(change([&] { l.Ajoute(std::make_unique<TDonneesEvt>(1, 1, 10, 0)); }));
    EXPECT_TRUE(change([&] { l.Insere(0, std::make_unique<TDonneesEvt>(2, 1, 5, 0)); }));
    EXPECT_TRUE(change([&] { l.Retire(1); }));
    EXPECT_TRUE(change([&] { l.SupprimeEquipes({4}); }));
    EXPECT_TRUE(change([&] { l.Vide(); }));
    EXPECT_EQ(l.Nombre(), 0);
}

TEST(ListeDonnees, RemovalByTeamAndMarkedRecords)
{
    TListeDonnees l(nullptr);
    l.Ajoute(TDonneesEvt::CreateId(1, 1, 0x805));
    l.Ajoute(TDonneesEvt::CreateId(2, 1, 0x800));
    l.Ajoute(TDonneesEvt::CreateId(3, 2, 0x800));
    l.Ajoute(TDonneesEvt::CreateId(4, 3, 12));
    const int equipes[] = {1, 2};
    l.SupprimeEquipesMarquees(equipes);
    ASSERT_EQ(l.Nombre(), 2);
    EXPECT_EQ(l.Donnee(0)->IdJoueur(), 1);
    l.SupprimeEquipes({3});
    ASSERT_EQ(l.Nombre(), 1);
    EXPECT_EQ(l.Donnee(1), nullptr);
    EXPECT_EQ(l.Donnee(-1), nullptr);
    EXPECT_EQ(l.Retire(5), nullptr);

    // The other way round: the marked records of the teams stay, in order.
    TListeDonnees m(nullptr);
    for (const auto& [joueur, equipe, mot] : {std::tuple{1, 1, 0x805}, {2, 1, 0x800}, {3, 2, 7}, {4, 3, 12}, {5, 2, 0x800}})
        m.Ajoute(TDonneesEvt::CreateId(joueur, equipe, static_cast<uint16_t>(mot)));
    m.SupprimeEquipesNonMarquees(equipes);
    ASSERT_EQ(m.Nombre(), 3);
    EXPECT_EQ(m.Donnee(0)->IdJoueur(), 2);
    EXPECT_EQ(m.Donnee(1)->IdJoueur(), 4);
    EXPECT_EQ(m.Donnee(2)->IdJoueur(), 5);
}

TEST(ListeDonnees, Selections)
{
    TSaisonEssai s;
    const int a = s.AjouteEquipe("Brest"), b = s.AjouteEquipe("Angers");
    s.AjouteJoueur(1, "Yann", "Le Goff", 2);
    s.AjouteJoueur(2, "Alain", "Abel", 2);
    TListeDonnees l(&s);
    l.Ajoute(std::make_unique<TDonneesEvt>(1, a, 30, 0));
    l.Ajoute(std::make_unique<TDonneesEvt>(2, a, 60, 0));
    l.Ajoute(std::make_unique<TDonneesEvt>(1, a, 10, evtRouge));
    l.Ajoute(std::make_unique<TDonneesEvt>(7, b, 30, 0));
    l.Ajoute(std::make_unique<TDonneesEvt>(8, b, 80, evtHorsScore));

    auto equipe = l.ListeEquipe(a, 1, false);
    ASSERT_EQ(equipe->Nombre(), 3);
    EXPECT_EQ(equipe->Resultat(0)->IdJoueur(), 2);   // Abel before Le Goff
    EXPECT_EQ(equipe->Resultat(1)->Minute(), 10);    // then by minute
    EXPECT_EQ(equipe->Resultat(2)->Minute(), 30);
    EXPECT_EQ(equipe->Resultat(3), nullptr);
    EXPECT_EQ(l.ListeEquipe(a, 2, false)->Nombre(), 2);
    EXPECT_EQ(l.ListeEquipe(a, 3, false)->Nombre(), 1);
    EXPECT_EQ(l.ListeEquipe(b, 1, true)->Nombre(), 1);
    EXPECT_EQ(l.ListeEquipe(a, 4, false), nullptr);
    EXPECT_EQ(l.CompteEquipe(a, 2, false), 2);
    EXPECT_EQ(l.CompteEquipe(b, 1, true), 1);

    auto joueur = l.ListeJoueur(1, true);
    EXPECT_EQ(joueur->Nombre(), 1);
    EXPECT_EQ(l.ListeJoueur(1, false)->Nombre(), 2);

    std::unique_ptr<TListeResultat> listes[4];
    l.ListesMatch(a, b, false, true, listes);
    EXPECT_EQ(listes[0]->Nombre(), 2);
    EXPECT_EQ(listes[0]->Resultat(0)->Minute(), 30);
    EXPECT_EQ(listes[1]->Nombre(), 1);
    EXPECT_EQ(listes[2]->Nombre(), 1);
    EXPECT_EQ(listes[3]->Nombre(), 0);
    l.ListesMatch(a, b, true, false, listes);
    EXPECT_EQ(listes[0]->Nombre(), 0);
    EXPECT_EQ(listes[1]->Nombre(), 1);
    EXPECT_EQ(listes[2], nullptr);

    auto parEquipe = l.ListeParEquipe();   // Angers first, then Brest by minute
    ASSERT_EQ(parEquipe->Nombre(), 5);
    EXPECT_EQ(parEquipe->Resultat(0)->IdEquipe(), b);
    EXPECT_EQ(parEquipe->Resultat(2)->Minute(), 10);
    auto complete = l.ListeComplete();     // player ids descending within a team
    EXPECT_EQ(complete->Resultat(0)->IdJoueur(), 8);
    EXPECT_EQ(complete->Resultat(2)->IdJoueur(), 2);
}

TEST(ListeResultat, SameMinuteLaterFirstAndPlainInsertion)
{
    TDonneesEvt x(1, 1, 20, 0), y(2, 1, 20, 0), z(3, 1, 5, 0);
    TListeResultat r(CompareMinute);
    r.Ajoute(&x);
    r.Ajoute(&y);
    r.Ajoute(&z);
    EXPECT_EQ(r.Resultat(0), &z);
    EXPECT_EQ(r.Resultat(1), &y);
    EXPECT_EQ(r.Resultat(2), &x);
    EXPECT_EQ(r.Resultat(3), nullptr);
    TListeResultat p;
    p.Ajoute(&x);
    p.Ajoute(&y, 0);
    p.Ajoute(&z, -1);
    EXPECT_EQ(p.Resultat(0), &y);
    EXPECT_EQ(p.Resultat(2), &z);
}
