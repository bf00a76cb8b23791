// Generated seasons of the four sports through the whole road: the document
// into memory, the season file written and read back, the standings and the
// statistics of the season read equal to those of the season written.
#include <gtest/gtest.h>

#include "engine/CalculClassement.h"
#include "model/Championnat.h"
#include "model/ChampionnatStat.h"
#include "model/Saison_Stats.h"
#include "tests/road/RoadSupport.h"
#include "tests/support/GrandeSaison.h"

using namespace route;

namespace {

// The general table of a championship: team id and points by rank.
std::vector<std::pair<int, int>> Table(TDonneesChampionnat* c, TSaison* s)
{
    TCalculClassement calcul(c, s);
    const int n = calcul.Calcule(clsGeneral, 0, 0);
    std::vector<std::pair<int, int>> t;
    for (int r = 0; r < n; ++r)
        t.emplace_back(calcul.ValeurLigne(r, 1), calcul.ValeurLigne(r, 2));
    return t;
}

int NbEvenements(TDonneesChampionnat& c, int sport)
{
    int total = 0;
    for (int n = 1; n <= c.NbJour(); ++n) {
        if (sport < 2) {
            for (int type = 2; type <= 7; ++type)
                total += c.ListeDonnees(type, n)->Nombre();
        } else {
            auto& st = static_cast<TDonneesChampionnatStat&>(c);
            for (int code = st.PremierCode(); code <= st.DernierCode(); ++code)
                if (const TListeDonnees* l = st.ListeStat(n, code))
                    total += l->Nombre();
        }
    }
    return total;
}

class Route : public ::testing::TestWithParam<int>
{
};

}   // namespace

TEST_P(Route, AGeneratedSeasonIsWholeAfterSaveAndOpen)
{
    const int sport = GetParam();
    auto g = essai::GenerePetiteSaison(sport);
    TSaison& s = *g->saison;
    ASSERT_EQ(g->champs.size(), 3u);
    // Every match of the double round robin is played, and carries its sheet.
    for (TDonneesChampionnat* c : g->champs) {
        ASSERT_EQ(c->NbJour(), 10);
        for (int n = 1; n <= 10; ++n)
            for (int m = 1; m <= 3; ++m) {
                ASSERT_NE(c->Match(n, m), nullptr);
                EXPECT_TRUE(c->Match(n, m)->ScoresSaisis());
                if (sport < 2) {
                    EXPECT_TRUE(c->Match(n, m)->CompositionSaisie(c->Match(n, m)->IdEquipe(0)));
                }
            }
        EXPECT_GT(NbEvenements(*c, sport), 30);
    }

    Dossier d;
    const std::string fichier = d / "grande.xmc";
    TChargeurXmp(fichier, "Dll\\").Sauve(s, {});
    std::unique_ptr<TSaison> lu;
    ASSERT_EQ(Charge(fichier, lu), etatCharge);
    ASSERT_TRUE(lu);
    EXPECT_EQ(lu->Sport(), sport);
    EXPECT_EQ(lu->Joueurs().NbJoueur(), s.Joueurs().NbJoueur());
    EXPECT_EQ(lu->Arbitres().NbPersonnel(), s.Arbitres().NbPersonnel());
    EXPECT_EQ(lu->Stades().NbStade(), s.Stades().NbStade());
    EXPECT_EQ(lu->RensClubs().NbRensClub(), s.RensClubs().NbRensClub());

    // The same document, byte for byte but for the time of its writing.
    EXPECT_EQ(SansHorodatage(Document(*lu)), SansHorodatage(Document(s)));

    // Every championship has its events and its standings back.
    const auto relus = lu->Arbre().ListeChampionnats();
    ASSERT_EQ(relus.size(), g->champs.size());
    for (size_t k = 0; k < relus.size(); ++k) {
        EXPECT_EQ(NbEvenements(*relus[k], sport), NbEvenements(*g->champs[k], sport));
        EXPECT_EQ(Table(relus[k], lu.get()), Table(g->champs[k], &s));
    }

    // The statistics recount finds the same players with the same counts.
    const TRapportStats avant = CalculeStatJoueursSaison(s);
    const TRapportStats apres = CalculeStatJoueursSaison(*lu);
    EXPECT_EQ(apres.Orphelins.size(), avant.Orphelins.size());
    for (int i = 0; i < s.Joueurs().NbJoueur(); i += 7) {
        const TJoueur* a = s.Joueurs().Joueur(i);
        const TJoueur* b = lu->Joueurs().ChercheJoueur(a->Numero, 65535);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->Nom, a->Nom);
        for (TDonneesChampionnat* c : g->champs)
            EXPECT_EQ(b->NbMatch(static_cast<uint32_t>(c->CodeChamp)), a->NbMatch(static_cast<uint32_t>(c->CodeChamp)));
    }
}

// Names typed with blanks around them, a player and a team renamed blank,
// namesakes of one club who met: the season file gives back the season as it
// was held, and the same document.
TEST_P(Route, NamesAsHeldReadBackAsHeld)
{
    auto g = essai::GenerePetiteSaison(GetParam());
    TSaison& s = *g->saison;
    TJoueurs& joueurs = s.Joueurs();
    s.RenommeEquipe(s.IdEquipe(0), "  " + s.NomEquipeIndex(0) + " ");
    s.RenommeEquipe(s.IdEquipe(1), " ");
    // Two who met: the second takes the first one's names and club.
    const TJoueur* a = joueurs.Joueur(0);
    TJoueur* b = nullptr;
    for (int i = 1; !b && i < joueurs.NbJoueur(); ++i)
        if (s.MatchAdverses(a->Numero, joueurs.Joueur(i)->Numero))
            b = joueurs.Joueur(i);
    ASSERT_NE(b, nullptr);
    b->Nom = a->Nom + "  ";
    b->Prenom = " " + a->Prenom;
    b->ChangeEquipe(a->ClubActuel);
    std::vector<TJoueur*> renommes;
    for (int i = 2; i < joueurs.NbJoueur(); i += 5)
        renommes.push_back(joueurs.Joueur(i));
    for (TJoueur* j : renommes) {
        j->Nom = j == renommes[0] ? std::string("   ") : " " + j->Nom + " ";
        joueurs.RangeJoueur(j);
    }

    Dossier d;
    TChargeurXmp(d / "noms.xmc", "Dll\\").Sauve(s, {});
    std::unique_ptr<TSaison> lu;
    ASSERT_EQ(Charge(d / "noms.xmc", lu), etatCharge);
    const std::string ecrit = SansHorodatage(Document(s));
    EXPECT_EQ(SansHorodatage(Document(*lu)), ecrit);
    EXPECT_EQ(ecrit.find("> "), std::string::npos);
    EXPECT_EQ(lu->Joueurs().NbJoueur(), joueurs.NbJoueur());
}

INSTANTIATE_TEST_SUITE_P(QuatreSports, Route, ::testing::Values(0, 1, 2, 3));
