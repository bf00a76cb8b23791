#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "model/Saison_Stats.h"
#include "tests/support/SaisonStatBuilder.h"

namespace {

struct Compte
{
    int matchs, buts, avertis, exclus;
    bool operator==(const Compte&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Compte& c)
{
    return os << "{" << c.matchs << ", " << c.buts << ", " << c.avertis << ", " << c.exclus << "}";
}

Compte Lit(const TPersonnelStat& p, uint32_t c, int typeBut = 1)
{
    return {p.NbMatch(c), p.Stat(c, typeBut), p.NbAvertissement(c), p.NbExpulsion(c)};
}

// Each (code, count) pair checked in championship c.
template <class P>
void StatsSont(const P& p, uint32_t c, std::initializer_list<std::pair<int, int>> attendus)
{
    for (const auto& [code, n] : attendus)
        EXPECT_EQ(p.Stat(c, code), n) << "code " << code;
}

// A football season: A-B 2-1 on matchday 1 (a2 off for a3 at 60, b2 sent off,
// a penalty goal, an own goal), B-A 0-0 on matchday 2, events on the unplayed
// matchday 3.
struct Football
{
    TSaisonStatEssai s{0, 2, 3};
    int A = s.Equipe(0), B = s.Equipe(1);
    TJoueur* a1 = s.Joueur("Arnaud", "Alain", A);
    TJoueur* a2 = s.Joueur("Bastien", "Bruno", A);
    TJoueur* a3 = s.Joueur("Carre", "Cyril", A);
    TJoueur* b1 = s.Joueur("Dumas", "Denis", B);
    TJoueur* b2 = s.Joueur("Esnault", "Eric", B);
    TPersonnelStat* r1 = s.Arbitre("Juge", "Un");
    TPersonnelStat* r2 = s.Arbitre("Juge", "Deux");

    Football()
    {
        TDonneesChampionnat& c = s.Champ();
        TInfoComp* m = c.CreeMatch(1, A, B, 2, 1);
        m->SetJoueurTitulaire(A, 1, a1->Numero);
        m->SetJoueurTitulaire(A, 2, a2->Numero);
        m->SetRemplacement(A, a2->Numero, a3->Numero, 60, 1);
        m->SetJoueurTitulaire(B, 1, b1->Numero);
        m->SetJoueurTitulaire(B, 2, b2->Numero);
        m->SetOfficiel(1, r1->Numero);
        m->SetOfficiel(2, r2->Numero);
        s.Evenement(1, 2, a2, A, 10);
        s.Evenement(1, 2, a3, A, 70);
        s.Evenement(1, 2, b1, B, evt100 | 30);   // penalty goal: a goal
        s.Evenement(1, 2, b2, A, evtHorsScore | 20);   // own goal: not the player's
        s.EvenementId(1, 2, 0x0FFFFFFF, A, 80);   // no player on purpose
        s.Evenement(1, 4, a3, A, 10);
        s.Evenement(1, 3, a2, A, 0x17);
        s.Evenement(1, 3, b2, B, evtRouge | 50);
        TInfoComp* m2 = c.CreeMatch(2, B, A, 0, 0);
        m2->SetJoueurTitulaire(A, 1, a1->Numero);
        m2->SetJoueurTitulaire(B, 1, b1->Numero);
        m2->SetOfficiel(1, r2->Numero);
        s.Evenement(2, 3, a1, A, 0x20);
        c.CreeMatch(3, A, B, 65535, 65535);
        s.Evenement(3, 2, a2, A, 5);   // matchday 3 is not played
    }
};

}   // namespace

TEST(StatsJoueurs, FootballComptesALaMain)
{
    Football f;
    const TRapportStats r = CalculeStatJoueurs(f.s.Source());
    EXPECT_TRUE(r.Vide());
    EXPECT_EQ(Lit(*f.a1, 1), (Compte{2, 0, 1, 0}));
    EXPECT_EQ(Lit(*f.a2, 1), (Compte{1, 1, 1, 0}));
    EXPECT_EQ(Lit(*f.a3, 1), (Compte{1, 1, 0, 0}));
    EXPECT_EQ(Lit(*f.b1, 1), (Compte{2, 1, 0, 0}));
    EXPECT_EQ(Lit(*f.b2, 1), (Compte{1, 0, 0, 1}));
    EXPECT_EQ(dynamic_cast<TJoueurFootball&>(*f.a3).NbPasse(1), 1);
    EXPECT_EQ(dynamic_cast<TJoueurFootball&>(*f.a2).NbPasse(1), 0);
    // A second pass gives the same counts, not twice as many.
    CalculeStatJoueurs(f.s.Source());
    EXPECT_EQ(Lit(*f.b1, 1), (Compte{2, 1, 0, 0}));

    // Referees: one match each, and the teams' penalty and own goals, bookings
    // and sendings-off of their matches.
    CompteStatSport(f.s.Source());
    EXPECT_EQ(Lit(*f.r1, 1), (Compte{1, 2, 1, 1}));
    EXPECT_EQ(Lit(*f.r2, 1), (Compte{2, 2, 2, 1}));
}

TEST(StatsJoueurs, JoueursInconnusSignalesSansRienSupprimer)
{
    Football f;
    TDonneesChampionnat& c = f.s.Champ();
    f.s.EvenementId(1, 2, 999, f.A, 33);
    c.MatchEquipe(1, f.B)->SetJoueurTitulaire(f.B, 5, 888);
    f.s.EvenementId(3, 2, 777, f.A, 33);   // unplayed matchday: not looked at
    f.s.saison->SetStatsCalculees(true);
    const TRapportStats r = CalculeStatJoueurs(f.s.Source());
    ASSERT_EQ(r.Orphelins.size(), 2u);
    EXPECT_EQ(r.Orphelins[0], (TOrphelin{1, 1, 2, 999, f.A}));
    EXPECT_EQ(r.Orphelins[1], (TOrphelin{1, 1, 0, 888, f.B}));
    // Nothing changed: the records and the line-up are still there, the season
    // still up to date.
    EXPECT_EQ(c.ListeButeurs(1)->Nombre(), 6);
    EXPECT_EQ(c.MatchEquipe(1, f.B)->JoueurTitulaire(f.B, 5), 888);
    EXPECT_TRUE(f.s.saison->StatsCalculees());
    EXPECT_EQ(Lit(*f.a2, 1), (Compte{1, 1, 1, 0}));

    // The explicit repair removes them (every matchday) and says how many.
    EXPECT_EQ(SupprimeOrphelins(f.s.Source()), 3);
    EXPECT_EQ(c.ListeButeurs(1)->Nombre(), 5);
    EXPECT_EQ(c.ListeButeurs(3)->Nombre(), 1);
    EXPECT_EQ(c.MatchEquipe(1, f.B)->JoueurTitulaire(f.B, 5), 0);
    EXPECT_FALSE(f.s.saison->StatsCalculees());
    EXPECT_TRUE(CalculeStatJoueurs(f.s.Source()).Vide());
    EXPECT_EQ(SupprimeOrphelins(f.s.Source()), 0);
}

TEST(StatsJoueurs, RecompteDeLaSaisonUneFoisParChangement)
{
    Football f;
    f.s.saison->InvalideStats();
    EXPECT_TRUE(CalculeStatJoueursSaison(*f.s.saison).Vide());
    EXPECT_TRUE(f.s.saison->StatsCalculees());
    EXPECT_EQ(Lit(*f.b1, 1), (Compte{2, 1, 0, 0}));
    // Up to date: nothing is counted again.
    f.b1->RazStats(true);
    CalculeStatJoueursSaison(*f.s.saison);
    EXPECT_EQ(f.b1->NbMatch(1), 0);
    // A new record flags the season; the next call counts it.
    f.s.Evenement(2, 2, f.b1, f.B, 44);
    EXPECT_FALSE(f.s.saison->StatsCalculees());
    CalculeStatJoueursSaison(*f.s.saison);
    EXPECT_EQ(Lit(*f.b1, 1), (Compte{2, 2, 0, 0}));
}

// The season's own operations: the full pass once per change, one player's
// recount and the referees' pass, over the championships of its tree.
TEST(StatsJoueurs, OperationsDeLaSaison)
{
    Football f;
    TSaison& saison = *f.s.saison;
    saison.InvalideStats();
    EXPECT_TRUE(saison.CalculeStatJoueurs().Vide());
    EXPECT_TRUE(saison.StatsCalculees());
    EXPECT_EQ(Lit(*f.a2, 1), (Compte{1, 1, 1, 0}));
    f.a2->RazStats(true);
    saison.CalculeStatJoueurs();   // up to date: nothing counted
    EXPECT_EQ(f.a2->NbMatch(1), 0);
    saison.CalculeStatJoueur(f.a2->Numero, f.A);
    EXPECT_EQ(Lit(*f.a2, 1), (Compte{1, 1, 1, 0}));
    saison.CompteStatSport();
    EXPECT_EQ(Lit(*f.r2, 1), (Compte{2, 2, 2, 1}));
    // A record naming nobody is reported by the next pass after a change.
    f.s.EvenementId(2, 2, 999, f.A, 12);
    const TRapportStats r = saison.CalculeStatJoueurs();
    ASSERT_EQ(r.Orphelins.size(), 1u);
    EXPECT_EQ(r.Orphelins[0].IdJoueur, 999);
}

TEST(StatsJoueurs, RecompteDUnJoueur)
{
    Football f;
    CalculeStatJoueurs(f.s.Source());
    f.a2->RazStats(true);
    f.b1->RazStats(true);
    CalculeStatJoueur(f.s.Source(), f.a2->Numero, f.A);
    EXPECT_EQ(Lit(*f.a2, 1), (Compte{1, 1, 1, 0}));
    EXPECT_EQ(Lit(*f.b1, 1), (Compte{0, 0, 0, 0}));
    CalculeStatJoueur(f.s.Source(), f.a3->Numero, f.A);
    EXPECT_EQ(dynamic_cast<TJoueurFootball&>(*f.a3).NbPasse(1), 1);
    CalculeStatJoueur(f.s.Source(), 4242, f.A);   // nobody: nothing
}

TEST(StatsJoueurs, RugbyComptesALaMain)
{
    TSaisonStatEssai s(1, 2, 1);
    const int A = s.Equipe(0), B = s.Equipe(1);
    TJoueur* p = s.Joueur("Ouvreur", "Olivier", A);
    TJoueur* q = s.Joueur("Talon", "Theo", B);
    TInfoComp* m = s.Champ().CreeMatch(1, A, B, 30, 0);
    m->SetJoueurTitulaire(A, 10, p->Numero);
    m->SetRemplacement(B, 0, q->Numero, 50, 2);
    // (code, value) of player p; the red card at 26 is not a scoring record.
    for (const auto& [code, v] : {std::pair{2, 5}, {2, 25}, {6, 6}, {6, evtRouge | 26}, {5, 12}, {5, 40}, {7, 60}})
        s.Evenement(1, code, p, A, v);
    ASSERT_TRUE(CalculeStatJoueurs(s.Source()).Vide());
    EXPECT_EQ(p->NbMatch(1), 1);
    StatsSont(*p, 1, {{1, 2}, {2, 1}, {3, 2}, {4, 1}});
    // among the substitutes with nobody going off: he never came on
    EXPECT_EQ(q->NbMatch(1), 0);
}

TEST(StatsJoueurs, BasketComptesALaMain)
{
    TSaisonStatEssai s(2, 4, 2);
    const int A = s.Equipe(0), B = s.Equipe(1);
    TJoueur* p = s.Joueur("Pivot", "Paul", A);
    TJoueur* q = s.Joueur("Ailier", "Andre", A);
    TJoueur* v = s.Joueur("Meneur", "Marc", B);
    TPersonnelStat* r = s.Arbitre("Sifflet", "Sam");
    TDonneesChampionnatStat& c = s.Stat();
    c.CreeMatch(1, A, B, 20, 9)->SetOfficiel(1, r->Numero);
    c.CreeMatch(2, B, A, 9, 4);
    s.Evenement(1, 5, p, A, 30);
    s.Evenement(1, 6, p, A, 12);
    s.Evenement(1, 16, p, A, 5);
    s.Evenement(1, 5, q, A, 12);
    s.Evenement(1, 6, q, A, 8);
    s.Evenement(1, 16, q, A, 3);
    s.Evenement(1, 16, v, B, 2);
    s.Evenement(2, 5, p, A, 0);   // no playing time, but points and shots: a match
    s.Evenement(2, 6, p, A, 4);
    s.Evenement(2, 7, p, A, 2);
    s.Evenement(2, 8, p, A, 7);
    s.EvenementId(2, 6, 5555, A, 40);
    const TRapportStats rap = CalculeStatJoueurs(s.Source());
    ASSERT_EQ(rap.Orphelins.size(), 1u);
    EXPECT_EQ(rap.Orphelins[0], (TOrphelin{1, 2, 6, 5555, A}));
    EXPECT_EQ(p->NbMatch(1), 2);
    StatsSont(*p, 1, {{5, 30}, {6, 16}, {7, 2}, {8, 7}, {16, 5}});
    EXPECT_EQ(q->NbMatch(1), 1);
    EXPECT_EQ(q->Stat(1, 6), 8);
    EXPECT_EQ(v->NbMatch(1), 1);   // his fouls: he played
    EXPECT_EQ(v->Stat(1, 16), 2);

    // Fouls 5 and 3 of A, 2 of B: 10 bookings, 1 sending-off.
    CompteStatSport(s.Source());
    EXPECT_EQ(Lit(*r, 1), (Compte{1, 0, 10, 1}));

    // One player's recount keeps the statistic codes.
    p->RazStats(true);
    CalculeStatJoueur(s.Source(), p->Numero, A);
    EXPECT_EQ(p->NbMatch(1), 2);
    EXPECT_EQ(p->Stat(1, 6), 16);
}

TEST(StatsJoueurs, HandballComptesALaMain)
{
    TSaisonStatEssai s(3, 2, 2);
    const int A = s.Equipe(0), B = s.Equipe(1);
    TJoueur* p = s.Joueur("Arriere", "Hugo", A);
    TJoueur* g = s.Joueur("Gardien", "Ivan", B);
    TPersonnelStat* r = s.Arbitre("Arbitre", "Alex");
    TDonneesChampionnatStat& c = s.Stat();
    c.CreeMatch(1, A, B, 5, 0)->SetOfficiel(2, r->Numero);
    c.CreeMatch(2, B, A, 0, 3)->SetOfficiel(1, r->Numero);
    for (int n = 1; n <= 2; ++n) {
        s.Evenement(n, 36, p, A, 1);
        s.Evenement(n, 36, g, B, 1);
    }
    s.Evenement(1, 21, p, A, 5);
    s.Evenement(2, 21, p, A, 3);
    s.Evenement(1, 22, p, A, 9);
    s.Evenement(1, 24, p, A, 2);
    s.Evenement(1, 33, p, A, 2);
    s.Evenement(2, 33, g, B, 1);
    s.Evenement(2, 34, g, B, 1);
    s.Evenement(1, 25, g, B, 11);
    ASSERT_TRUE(CalculeStatJoueurs(s.Source()).Vide());
    EXPECT_EQ(p->NbMatch(1), 2);
    StatsSont(*p, 1, {{36, 2}, {21, 8}, {22, 9}, {33, 2}});
    EXPECT_EQ(g->NbMatch(1), 2);
    StatsSont(*g, 1, {{25, 11}, {34, 1}});

    CompteStatSport(s.Source());
    EXPECT_EQ(r->NbMatch(1), 2);
    StatsSont(*r, 1, {{24, 2}, {33, 3}, {34, 1}});
}

TEST(StatsJoueurs, PlusieursChampionnatsSeparent)
{
    TSaisonStatEssai s(0, 2, 1, 2);
    TJoueur* p = s.Joueur("Double", "Dan", s.Equipe(0));
    s.Champ(0).CreeMatch(1, s.Equipe(0), s.Equipe(1), 1, 0)->SetJoueurTitulaire(s.Equipe(0), 1, p->Numero);
    s.Evenement(1, 2, p, s.Equipe(0), 9);
    // The same player listed by a team of the second league.
    s.Champ(1).CreeMatch(1, s.Equipe(0, 1), s.Equipe(1, 1), 0, 0)->SetJoueurTitulaire(s.Equipe(0, 1), 1, p->Numero);
    CalculeStatJoueurs(s.Source());
    EXPECT_EQ(p->NbMatch(1), 1);
    EXPECT_EQ(p->Stat(1, 1), 1);
    EXPECT_EQ(p->NbMatch(2), 1);
    EXPECT_EQ(p->Stat(2, 1), 0);
    EXPECT_EQ(p->TotalMatch(), 2u);
}
