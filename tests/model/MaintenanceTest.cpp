#include <gtest/gtest.h>

#include "model/Championnat_Maintenance.h"
#include "model/oTraducteur.h"
#include "tests/support/SaisonStatBuilder.h"

TEST(Maintenance, CopieDesResultatsParPosition)
{
    TSaisonStatEssai s(0, 4, 2);
    TDonneesChampionnat& src = s.Champ();
    const int a = s.Equipe(0), b = s.Equipe(1), c = s.Equipe(2), d = s.Equipe(3);
    src.NbJournee = 2;
    src.SetDateJournee(1, 0x14040A05);
    TInfoComp* m = src.CreeMatch(1, a, b, 2, 1);
    m->SetAffluence(1200);
    m->SetCommentaire("Pluie");
    m->SetOfficiel(1, 7);
    m->SetOfficiel(3, 9);
    m->SetDateMatch(0x14040A05);
    m->SetStade(5);
    m->SetJoueurTitulaire(a, 1, 101);
    m->SetJoueurTitulaire(a, 11, 111);
    m->SetNote(a, 1, 6);
    m->SetRemplacement(a, 111, 112, 70, 1);
    m->SetNote(a, 11 + 1, 7);   // the first player coming on
    m->SetCompositionSaisie(a);
    src.CreeMatch(1, c, d, 65535, 65535);
    src.CreeMatch(2, b, a, 0, 0);
    src.ListeDonnees(2, 1)->Ajoute(TDonneesEvt::CreateId(101, a, 12));
    src.ListeDonnees(3, 1)->Ajoute(TDonneesEvt::CreateId(201, b, 0x80 | 40));
    src.ListeDonnees(4, 1)->Ajoute(TDonneesEvt::CreateId(102, a, 12));
    src.ListeDonnees(2, 1)->Ajoute(TDonneesEvt::CreateId(301, d, 50));

    // The target: other teams, three positions only.
    TSaisonStatEssai t(0, 3, 0, 2);
    TDonneesChampionnat& cib = t.Champ(1);
    const int x = t.Equipe(0, 1), y = t.Equipe(1, 1), z = t.Equipe(2, 1);
    ASSERT_NE(x, a);
    CopieMatchsChampionnat(cib, src, [](int32_t stade) { return stade + 100; });
    EXPECT_EQ(cib.NbJournee, 2);
    EXPECT_EQ(cib.DateJournee(1), 0x14040A05u);
    const TInfoComp* n = cib.MatchEquipes(1, x, y);
    ASSERT_NE(n, nullptr);
    EXPECT_EQ(n->Score(0), 2);
    EXPECT_EQ(n->Score(1), 1);
    EXPECT_EQ(n->Affluence(), 1200);
    EXPECT_EQ(n->Commentaire(), "Pluie");
    EXPECT_EQ(n->Officiel(1), 7);
    EXPECT_EQ(n->Officiel(2), -1);
    EXPECT_EQ(n->Officiel(3), 9);
    EXPECT_EQ(n->DateMatch(), 0x14040A05u);
    EXPECT_EQ(n->Stade(), 105);
    EXPECT_EQ(n->JoueurTitulaire(x, 1), 101);
    EXPECT_EQ(n->JoueurTitulaire(x, 11), 111);
    EXPECT_EQ(n->ValeurRemplacement(x, 1, 3), 112);
    EXPECT_EQ(n->ValeurRemplacement(x, 1, 5), 70);
    EXPECT_EQ(n->Note(x, 1), 6);
    EXPECT_EQ(n->Note(x, 12), 7);
    EXPECT_TRUE(n->CompositionSaisie(x));
    EXPECT_FALSE(n->CompositionSaisie(y));
    // The match of a team without a position here is not copied, nor its records.
    EXPECT_EQ(cib.MatchEquipe(1, z), nullptr);
    EXPECT_NE(cib.MatchEquipes(2, y, x), nullptr);
    ASSERT_EQ(cib.ListeDonnees(2, 1)->Nombre(), 1);
    EXPECT_EQ(cib.ListeDonnees(2, 1)->Donnee(0)->IdEquipe(), x);
    EXPECT_EQ(cib.ListeDonnees(3, 1)->Donnee(0)->IdEquipe(), y);
    EXPECT_EQ(cib.ListeDonnees(3, 1)->Donnee(0)->Mot(), 0x80 | 40);
    ASSERT_EQ(cib.ListeDonnees(4, 1)->Nombre(), 1);
    EXPECT_EQ(cib.ListeDonnees(4, 1)->Donnee(0)->IdJoueur(), 102);
}

TEST(Maintenance, RemplacementDesArbitresSurToutesLesJournees)
{
    TSaisonStatEssai s(1, 2, 3);
    TDonneesChampionnat& c = s.Champ();
    c.NbJournee = 1;
    for (int n = 1; n <= 3; ++n) {
        TInfoComp* m = c.CreeMatch(n, s.Equipe(0), s.Equipe(1), 10, 3);
        m->SetOfficiel(1, 5);
        m->SetOfficiel(2, 6);
        m->SetOfficiel(3, 5);
    }
    RemplaceArbitresChampionnat(c, {{5, 8}, {6, 5}});
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(c.OfficielMatch(n, 1, 1), 8) << n;
        EXPECT_EQ(c.OfficielMatch(n, 1, 2), 5) << n;
        EXPECT_EQ(c.OfficielMatch(n, 1, 3), 8) << n;
    }
}

TEST(Maintenance, DernierMatchArbitre)
{
    TSaisonStatEssai s(0, 4, 5);
    TDonneesChampionnat& c = s.Champ();
    const int a = s.Equipe(0), b = s.Equipe(1), e = s.Equipe(2), f = s.Equipe(3);
    c.CreeMatch(1, a, e, 1, 0)->SetOfficiel(2, 33);
    c.CreeMatch(2, e, f, 1, 0)->SetOfficiel(1, 33);
    c.CreeMatch(3, f, b, 1, 0)->SetOfficiel(3, 33);
    c.CreeMatch(4, a, b, 1, 0)->SetOfficiel(1, 33);
    int n = 4;
    TInfoComp* m = DernierMatchArbitre(c, 33, a, b, n);
    EXPECT_EQ(n, 3);
    EXPECT_EQ(m, c.MatchEquipes(3, f, b));
    m = DernierMatchArbitre(c, 33, a, b, n);
    EXPECT_EQ(n, 1);
    EXPECT_EQ(m, c.MatchEquipes(1, a, e));
    m = DernierMatchArbitre(c, 33, a, b, n);
    EXPECT_EQ(m, nullptr);
    EXPECT_EQ(n, 0);
    n = 200;
    EXPECT_EQ(DernierMatchArbitre(c, 33, e, e, n), c.MatchEquipes(2, e, f));
}

TEST(Maintenance, RemplacementDesJoueursJusquAuCapitaine)
{
    TSaisonStatEssai s(0, 2, 2);
    TDonneesChampionnat& c = s.Champ();
    const int a = s.Equipe(0), b = s.Equipe(1);
    TInfoComp* m = c.CreeMatch(2, a, b, 1, 0);
    m->SetJoueurTitulaire(a, 3, 40);
    m->SetCapitaine(a, 40);
    m->SetRemplacement(b, 40, 41, 60, 1);
    c.ListeDonnees(2, 2)->Ajoute(TDonneesEvt::CreateId(40, a, 10));
    c.ListeDonnees(4, 2)->Ajoute(TDonneesEvt::CreateId(40, a, 10));
    c.RemplaceJoueurs({{40, 50}});
    EXPECT_EQ(m->JoueurTitulaire(a, 3), 50);
    EXPECT_EQ(m->Capitaine(a), 50);
    EXPECT_EQ(m->ValeurRemplacement(b, 1, 1), 50);
    EXPECT_EQ(m->ValeurRemplacement(b, 1, 3), 41);
    EXPECT_EQ(c.ListeDonnees(2, 2)->Donnee(0)->IdJoueur(), 50);
    EXPECT_EQ(c.ListeDonnees(4, 2)->Donnee(0)->IdJoueur(), 50);
}

TEST(Maintenance, RapportDeLaJourneeVerifiee)
{
    TSaisonStatEssai s(0, 4, 2);
    TDonneesChampionnat& c = s.Champ();
    const int a = s.Equipe(0), b = s.Equipe(1), e = s.Equipe(2), f = s.Equipe(3);
    c.NbJournee = 1;
    c.CreeMatch(1, a, b, 0, 0)->SetAffluence(0);
    c.CreeMatch(2, e, f, 1, 0)->SetAffluence(0);
    int nb = 0;
    auto r = c.VerifieJournee(2, nb);
    EXPECT_EQ(nb, 1);
    ASSERT_GT(r->Count(), 0);
    for (int i = 0; i < r->Count(); ++i)
        EXPECT_EQ(r->Strings(i).rfind(s.saison->NomEquipe(e) + " - " + s.saison->NomEquipe(f) + " : ", 0), 0u);
}

TEST(Maintenance, MatchsRetour)
{
    TSaisonStatEssai s(0, 4, 6);
    TDonneesChampionnat& c = s.Champ();
    const int a = s.Equipe(0), b = s.Equipe(1), e = s.Equipe(2), f = s.Equipe(3);
    c.CreeMatch(1, a, b, 1, 0);
    c.CreeMatch(1, e, f, 1, 0);
    c.CreeMatch(2, a, e, 1, 0);
    c.CreeMatch(4, b, a, 2, 2);   // already set: left alone
    EXPECT_TRUE(c.GenereMatchsRetour(false));
    ASSERT_NE(c.MatchEquipes(4, b, a), nullptr);
    EXPECT_EQ(c.MatchEquipes(4, b, a)->Score(0), 2);
    EXPECT_NE(c.MatchEquipes(4, f, e), nullptr);
    EXPECT_NE(c.MatchEquipes(5, e, a), nullptr);
    EXPECT_EQ(c.MatchEquipe(6, a), nullptr);
    EXPECT_FALSE(c.GenereMatchsRetour(false));
}

// The championship's own copy (football and rugby override it) copies each
// record of every data kind of the sport once.
TEST(Maintenance, CopieParLeChampionnatUneFoisParEnregistrement)
{
    for (int sport : {0, 1}) {
        TSaisonStatEssai s(sport, 2, 1, 2);
        TDonneesChampionnat& src = s.Champ(0);
        TDonneesChampionnat& cib = s.Champ(1);
        const int a = s.Equipe(0, 0), b = s.Equipe(1, 0);
        src.CreeMatch(1, a, b, 3, 1)->SetStade(4);
        const std::vector<uint8_t> types = src.TypesDonnees();
        ASSERT_FALSE(types.empty());
        for (uint8_t t : types)
            src.ListeDonnees(t, 1)->Ajoute(TDonneesEvt::CreateId(100 + t, a, 10 + t));
        cib.CopieMatchs(src, {});
        const int x = s.Equipe(0, 1), y = s.Equipe(1, 1);
        ASSERT_NE(cib.MatchEquipes(1, x, y), nullptr) << sport;
        EXPECT_EQ(cib.MatchEquipes(1, x, y)->Score(0), 3);
        EXPECT_EQ(cib.MatchEquipes(1, x, y)->Stade(), 4);
        for (uint8_t t : types) {
            ASSERT_EQ(cib.ListeDonnees(t, 1)->Nombre(), 1) << "sport " << sport << " kind " << int(t);
            EXPECT_EQ(cib.ListeDonnees(t, 1)->Donnee(0)->IdJoueur(), 100 + t);
            EXPECT_EQ(cib.ListeDonnees(t, 1)->Donnee(0)->IdEquipe(), x);
        }
    }
}
