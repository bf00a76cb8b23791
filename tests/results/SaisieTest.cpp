// Writing a matchday's rows into a championship and deciding cup ties, on
// championships built through the model (no window).
#include <gtest/gtest.h>

#include "model/Championnat.h"
#include "model/Utilities.h"
#include "model/oTraducteur.h"
#include "results/Resultats.h"
#include "results/Saisie.h"
#include "views/LiensResultats.h"
#include "tests/support/ChampionnatBuilder.h"

namespace {

constexpr uint16_t V = TInfoComp::ScoreVide;

// The rows the results window loads for matchday n.
std::vector<TLigneSaisie> Charge(TChampionnatEssai& c, int n)
{
    c->NbJournee = static_cast<uint8_t>(n);
    return LignesJournee(*c.saison);
}

void Place(TLigneSaisie& l, int h, int a, const char* sh = "", const char* sa = "")
{
    l.Domicile = h < 0 ? "" : "Equipe " + std::to_string(h);
    l.Exterieur = a < 0 ? "" : "Equipe " + std::to_string(a);
    l.NumeroDomicile = h;
    l.NumeroExterieur = a;
    l.ScoreDomicile = sh;
    l.ScoreExterieur = sa;
}

// Six teams, matchday 1: 0-5 (2-1), 1-4 (0-0), 2-3 unplayed, with a scorer of
// each side of the first two matches, line-ups and an attendance.
struct Journee1 : ::testing::Test
{
    TChampionnatEssai c{0, 6, TDonneesChampionnat::TypeChamp, 10};
    void SetUp() override
    {
        c->CreeMatch(1, 0, 5, 2, 1);
        c->CreeMatch(1, 1, 4, 0, 0);
        c->CreeMatch(1, 2, 3, V, V);
        for (int e : {0, 5, 1, 4})
            c->ListeButeurs(1)->Ajoute(std::make_unique<TDonneesEvt>(100 + e, e, 30, 0));
        c->MatchEquipes(1, 0, 5)->SetJoueurTitulaire(0, 1, 77);
        c->MatchEquipes(1, 0, 5)->SetAffluence(5000);
        c->NbJournee = 1;
    }
    int Buteurs(int e) const
    {
        int n = 0;
        const TListeDonnees* l = c.champ->ListeButeurs(1);
        for (int i = 0; i < l->Nombre(); ++i)
            n += l->Donnee(i)->IdEquipe() == e;
        return n;
    }
    TEcritureJournee Ecrit(const std::vector<TLigneSaisie>& l, const std::vector<TEquipeListee>& listees = {})
    {
        return EcritJournee(*c.saison, l, false, 0, listees);
    }
};

TEST_F(Journee1, RowsAsLoadedChangeNothingAndKeepTheirMatches)
{
    const TInfoComp* m0 = c->Journee(1)->Match(0);
    const TEcritureJournee r = Ecrit(Charge(c, 1));
    EXPECT_FALSE(r.Change);
    EXPECT_EQ(r.Supprimee, -1);
    EXPECT_EQ(c->Journee(1)->Match(0), m0);
    EXPECT_EQ(m0->Affluence(), 5000);
    EXPECT_EQ(Buteurs(0) + Buteurs(5) + Buteurs(1) + Buteurs(4), 4);
}

TEST_F(Journee1, ScoresEmptiedLoweredRaisedAndKeptAbove255)
{
    auto l = Charge(c, 1);
    c->AjoutePenalty(1, 1, 4, 5, 4);
    l[0].ScoreDomicile = "1";    // lowered: the home scorers go
    l[0].ScoreExterieur = "3";   // raised: the away ones stay
    l[1].ScoreExterieur = "";    // emptied
    const TEcritureJournee r = Ecrit(l);
    EXPECT_TRUE(r.Change);
    EXPECT_EQ(c->MatchEquipes(1, 0, 5)->Score(0), 1);
    EXPECT_EQ(c->MatchEquipes(1, 0, 5)->Score(1), 3);
    EXPECT_EQ(Buteurs(0), 0);
    EXPECT_EQ(Buteurs(5), 1);
    EXPECT_EQ(c->MatchEquipes(1, 1, 4)->Score(0), V);
    EXPECT_EQ(c->MatchEquipes(1, 1, 4)->Score(1), V);
    EXPECT_EQ(c->Penalty(1, 1, 4), nullptr);
    EXPECT_EQ(Buteurs(1) + Buteurs(4), 0);
    EXPECT_EQ(c->DerniereJournee, 1);

    // A score of 300 shows and is written back unchanged.
    c->MatchEquipes(1, 0, 5)->SetScore(0, 300);
    EXPECT_EQ(TexteScore(c->MatchEquipes(1, 0, 5)->Score(0)), "300");
    EXPECT_EQ(TexteScore(0x8000 | 4), "4");
    EXPECT_FALSE(Ecrit(Charge(c, 1)).Change);
    EXPECT_EQ(c->MatchEquipes(1, 0, 5)->Score(0), 300);
}

TEST_F(Journee1, SwappedRowsKeepTheirMatchesAndAReplacedTeamMakesANewOne)
{
    const TInfoComp* m0 = c->Journee(1)->Match(0);
    const TInfoComp* m1 = c->Journee(1)->Match(1);
    auto l = Charge(c, 1);
    std::swap(l[0], l[1]);
    EXPECT_TRUE(Ecrit(l).Change);
    EXPECT_EQ(c->Journee(1)->Match(0), m1);
    EXPECT_EQ(c->Journee(1)->Match(1), m0);
    EXPECT_EQ(m0->JoueurTitulaire(0, 1), 77);
    EXPECT_EQ(Buteurs(0), 1);

    // 0-5 becomes 0-3, 2 plays no one: new pairing, events and line-ups go.
    l = Charge(c, 1);
    Place(l[1], 0, 3, "1", "1");
    Place(l[2], 2, -1);
    const TEcritureJournee r = Ecrit(l, {{"Equipe 5", 5}});
    EXPECT_TRUE(r.Change);
    EXPECT_EQ(c->MatchEquipes(1, 0, 5), nullptr);
    const TInfoComp* nouveau = c->MatchEquipes(1, 0, 3);
    ASSERT_NE(nouveau, nullptr);
    EXPECT_NE(nouveau, m0);
    EXPECT_EQ(nouveau->JoueurTitulaire(0, 1), 0);
    EXPECT_EQ(c->MatchEquipes(1, 2, 3), nullptr);
    EXPECT_EQ(c->Journee(1)->NbMatchs(), 2);
    EXPECT_EQ(Buteurs(0) + Buteurs(5), 0);   // 5 is still listed
    EXPECT_EQ(Buteurs(1) + Buteurs(4), 2);
}

TEST_F(Journee1, StatesCarryTheScoresWrittenAndUnknownNamesKeepTheirMatch)
{
    auto l = Charge(c, 1);
    l[0].Etat = etatForfait;
    l[0].ScoreDomicile = "0";
    l[0].ScoreExterieur = "3";
    l[2].Etat = etatReporte;
    l[1].Domicile = "Nulle part";
    l[1].NumeroDomicile = -1;
    l[1].ScoreDomicile = "9";
    EXPECT_TRUE(Ecrit(l).Change);
    const TPenalite* f = c->Penalites().Cherche(0, 5, 1);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->Type, etatForfait);
    EXPECT_EQ(f->s1, 0);
    EXPECT_EQ(f->s2, 3);
    const TPenalite* p = c->Penalites().Cherche(2, 3, 1);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->s1, V);
    // The row naming no team leaves its match as it was.
    ASSERT_NE(c->MatchEquipes(1, 1, 4), nullptr);
    EXPECT_EQ(c->MatchEquipes(1, 1, 4)->Score(0), 0);
    EXPECT_EQ(c->Journee(1)->NbMatchs(), 3);
    // Loaded again the rows carry their states; written as normal, the records go.
    l = Charge(c, 1);
    EXPECT_EQ(l[0].Etat, etatForfait);
    for (auto& x : l)
        x.Etat = etatNormal;
    Ecrit(l);
    EXPECT_EQ(c->Penalites().ListeJournee(1).size(), 0u);
}

TEST_F(Journee1, ShootOutBytesAndQualifierOfACupRow)
{
    auto l = Charge(c, 1);
    l[1].TirsAuBut = (5 << 16) + 4;
    l[1].Qualifie = 0;
    Ecrit(l);
    ASSERT_NE(c->Penalty(1, 1, 4), nullptr);
    EXPECT_EQ(c->Penalty(1, 1, 4)->s1, 5);
    EXPECT_EQ(c->Penalty(1, 1, 4)->s2, 4);
    EXPECT_EQ(c->QualifieMatch(1, 1, 4), 0);
    EXPECT_EQ(c->MatchEquipes(1, 1, 4)->Score(0), 0x8000);
}

TEST(EcritureJournee, DateSystemMatchdayEmptiedIsDeleted)
{
    TChampionnatEssai c(0, 4, TDonneesChampionnat::TypeChamp, 0);
    c->SetOption(11, 8);
    int n = -1;
    c->Journees().CreeJournee(n, TGestionDate::EncodeDate(3, 9, 2005));
    n = -1;
    c->Journees().CreeJournee(n, TGestionDate::EncodeDate(10, 9, 2005));
    c->CreeMatch(1, 0, 1, 1, 0);
    c->CreeMatch(2, 2, 3, V, V);
    c->NbJournee = 1;
    std::vector<TLigneSaisie> l(2);
    Place(l[1], -1, -1);   // the trailing empty row, and the match row cleared
    Place(l[0], -1, -1);
    const TEcritureJournee r = EcritJournee(*c.saison, l, true, c->DateJournee(1), {});
    EXPECT_EQ(r.Supprimee, 1);
    EXPECT_TRUE(r.Change);
    EXPECT_EQ(c->Journees().Nombre(), 1);
    EXPECT_EQ(c->DerniereJournee, 0);
}

// ---- cup ties ---------------------------------------------------------------------------

struct Manche
{
    int h, a, sh, sa;
};
struct CasTour
{
    uint32_t type;
    std::vector<Manche> precedentes;   // matchdays 1.. before the current one
    int sh, sa;                        // current: team 0 at home against team 1
    bool aucune, tirs, indecis;
    int qualifie;
};

class Tours : public ::testing::TestWithParam<CasTour>
{
};

TEST_P(Tours, DecisionByKindOfTie)
{
    const CasTour& t = GetParam();
    TChampionnatEssai c(0, 4, TDonneesChampionnat::TypeCoupe, 0);
    const int n = static_cast<int>(t.precedentes.size()) + 1;
    for (int d = 1; d <= n + 1; ++d)
        c->AjouteTourCoupe({1, 2, d == n ? t.type : 0u});
    c->SetNbJournees(n + 1);
    for (int d = 1; d < n; ++d) {
        const Manche& m = t.precedentes[static_cast<size_t>(d - 1)];
        c->CreeMatch(d, m.h, m.a, m.sh, m.sa);
    }
    const TDecisionTour d = DecideTour(*c, n, 0, 1, t.sh, t.sa);
    EXPECT_EQ(d.Aucune, t.aucune);
    EXPECT_EQ(d.TirsAuBut, t.tirs);
    EXPECT_EQ(d.Indecis, t.indecis);
    EXPECT_EQ(d.Qualifie, t.qualifie);
}

const Manche G{0, 1, 2, 0}, P{0, 1, 0, 2};   // team 0 wins, loses (team 0 at home)
const Manche Aller{1, 0, 1, 0};              // first leg: team 1 won 1-0 at home

INSTANTIATE_TEST_SUITE_P(
    TypeMatch, Tours,
    ::testing::Values(
        CasTour{1, {}, 2, 2, false, true, false, -1}, CasTour{1, {}, 2, 1, false, false, false, 0},
        CasTour{195, {}, 1, 2, false, false, false, 1}, CasTour{196, {}, 0, 0, false, true, false, -1},
        CasTour{67, {}, 1, 1, false, false, true, -1}, CasTour{67, {}, 3, 1, false, false, false, 0},
        CasTour{85, {G, P}, 1, 1, false, false, false, 1}, CasTour{150, {G, P, G, P}, 2, 1, false, false, false, 0},
        CasTour{215, {G, P, G, P, G, P}, 0, 0, false, false, false, 1},
        // aggregate 2-2, away goals 1 against 0: the away side
        CasTour{130, {Aller}, 2, 1, false, false, false, 1},
        CasTour{130, {Aller}, 1, 0, false, true, false, -1}, CasTour{130, {Aller}, 3, 1, false, false, false, 0},
        CasTour{130, {}, 3, 1, true, false, false, -1},   // no first leg: no decision
        CasTour{53, {Aller}, 2, 0, false, false, true, -1}, CasTour{132, {Aller}, 0, 0, false, false, false, 1},
        // best of five: three wins decide on the third match, two each do not
        CasTour{86, {G, G}, 1, 0, false, false, false, 0}, CasTour{86, {G, P}, 1, 0, false, false, true, -1},
        CasTour{118, {G, P, G}, 0, 1, false, false, true, -1}, CasTour{118, {G, P, G}, 1, 0, false, false, false, 0},
        // best of seven: the fourth win decides
        CasTour{119, {P, P, P}, 0, 1, false, false, false, 1}, CasTour{151, {G, G, G, P}, 0, 1, false, false, true, -1},
        CasTour{183, {G, G, G, P, P}, 1, 0, false, false, false, 0},
        CasTour{21, {}, 1, 0, true, false, false, -1}, CasTour{22, {}, 1, 0, true, false, false, -1},
        CasTour{23, {}, 1, 0, true, false, false, -1}, CasTour{54, {G}, 1, 0, true, false, false, -1},
        CasTour{55, {G}, 1, 0, true, false, false, -1}, CasTour{66, {}, 1, 0, true, false, false, -1},
        CasTour{68, {}, 1, 0, true, false, false, -1}, CasTour{87, {G, G}, 1, 0, true, false, false, -1},
        CasTour{7, {}, 1, 0, false, false, false, -1},
        // the last match of a series counts the whole series: a side two,
        // three or four wins up keeps its place when it loses the last match
        CasTour{85, {G, G}, 0, 1, false, false, false, 0}, CasTour{85, {P, P}, 1, 0, false, false, false, 1},
        CasTour{150, {G, G, G, P}, 0, 1, false, false, false, 0},
        CasTour{215, {G, G, G, G, P, P}, 0, 1, false, false, false, 0}));

// The rows of matchday n as loaded, scores retyped, then the rest of the cup
// follows and the rows are written, as the results page does.
TSuiteCoupe Retape(TChampionnatEssai& c, int n, const std::vector<std::tuple<int, const char*, const char*>>& scores)
{
    const std::vector<TLigneSaisie> avant = Charge(c, n);
    std::vector<TLigneSaisie> apres = avant;
    std::vector<int> lignes;
    for (const auto& [r, sh, sa] : scores) {
        apres[static_cast<size_t>(r)].ScoreDomicile = sh;
        apres[static_cast<size_t>(r)].ScoreExterieur = sa;
        lignes.push_back(r);
    }
    TChangementCoupe x = ChangementJournee(*c, n, MatchsLignes(*c.saison, avant), MatchsLignes(*c.saison, apres), lignes);
    x.Ecrit = [&](TDonneesChampionnat&) { EcritJournee(*c.saison, apres, false, 0, {}); };
    return ChangeCoupe(*c, x, [](const TPeseeCoupe&) { return true; }).Suite;
}

TEST(Tours, ExtraMatchPlannedOrDroppedAndWinnersPlaced)
{
    TChampionnatEssai c(0, 8, TDonneesChampionnat::TypeCoupe, 0);
    const TInfoTourCoupe tours[] = {{1, 4, 1}, {2, 2, 6}, {3, 1, 1}};
    c->CreeToursCoupe(tours);
    c->SetOption(1, 8);
    // Best of five 2-3 (matchdays 2 to 6) level at two wins after match 4
    // (118): the fifth is created, sides as 118 asks.
    c->CreeMatch(2, 2, 3, 1, 0);
    c->CreeMatch(3, 3, 2, 1, 0);
    c->CreeMatch(4, 2, 3, 1, 0);
    c->CreeMatch(5, 3, 2, V, V);
    Retape(c, 5, {{0, "1", "0"}});
    EXPECT_NE(c->MatchEquipes(6, 3, 2), nullptr);
    EXPECT_TRUE(Retape(c, 5, {{0, "2", "0"}}).Vide());   // already there
    // Decided after all: the planned match goes.
    Retape(c, 5, {{0, "0", "1"}});
    EXPECT_EQ(c->MatchEquipes(6, 3, 2), nullptr);
    // A replayed tie left level: the extra match has the sides swapped.
    TChampionnatEssai r(0, 4, TDonneesChampionnat::TypeCoupe, 0);
    const TInfoTourCoupe rejoue[] = {{2, 2, 3}, {1, 1, 1}};
    r->CreeToursCoupe(rejoue);
    r->SetOption(1, 2);
    r->CreeMatch(1, 0, 1, V, V);
    Retape(r, 1, {{0, "1", "1"}});
    EXPECT_NE(r->MatchEquipes(2, 1, 0), nullptr);

    // Rows 0 and 1 of matchday 1 meet on matchday 2 once both are decided.
    TChampionnatEssai e(0, 8, TDonneesChampionnat::TypeCoupe, 0);
    const TInfoTourCoupe simples[] = {{3, 4, 1}, {2, 2, 1}, {1, 1, 1}};
    e->CreeToursCoupe(simples);
    e->SetOption(1, 3);
    for (int k = 0; k < 3; ++k)
        e->CreeMatch(1, 2 * k, 2 * k + 1, V, V);
    Retape(e, 1, {{0, "1", "0"}});
    EXPECT_EQ(e->Journee(2) ? e->Journee(2)->NbMatchs() : 0, 0);
    Retape(e, 1, {{1, "0", "1"}});
    EXPECT_NE(e->MatchEquipes(2, 0, 3), nullptr);
    // A team fixed for the next match of row 2 plays at home against its winner.
    e->AjouteMatchSuivant(4, 7, 0xFFFF);
    Retape(e, 1, {{2, "1", "2"}});
    EXPECT_NE(e->MatchEquipes(2, 7, 5), nullptr);
    // Past option word 1 nobody is placed.
    e->SetOption(1, 1);
    Retape(e, 2, {{0, "2", "0"}});
    EXPECT_EQ(e->Journee(3) ? e->Journee(3)->NbMatchs() : 0, 0);
}

// Quarter-finals and semi-finals over two legs, a single final: option word 1
// holds the three rounds; the second legs' winners go on to the next round.
TEST(Tours, TwoLeggedRoundsCarryTheirWinnersUpToTheFinal)
{
    TChampionnatEssai c(0, 8, TDonneesChampionnat::TypeCoupe, 0);
    const TInfoTourCoupe tours[] = {{3, 4, 2}, {2, 2, 2}, {1, 1, 1}};
    c->CreeToursCoupe(tours);   // 66, 130, 66, 130, 1
    ASSERT_EQ(c->NbJour(), 5);
    c->SetOption(1, 3);
    for (int k = 0; k < 4; ++k) {
        c->CreeMatch(1, 2 * k, 2 * k + 1, 1, 0);
        c->CreeMatch(2, 2 * k + 1, 2 * k, V, V);
    }
    Retape(c, 2, {{0, "0", "0"}});
    EXPECT_EQ(c->Journee(3) ? c->Journee(3)->NbMatchs() : 0, 0);
    Retape(c, 2, {{1, "0", "0"}});
    EXPECT_NE(c->MatchEquipes(3, 0, 2), nullptr);
    Retape(c, 2, {{2, "0", "0"}, {3, "0", "0"}});
    EXPECT_NE(c->MatchEquipes(3, 4, 6), nullptr);
    EXPECT_TRUE(CompleteCoupe(*c, 3));
    Retape(c, 3, {{0, "1", "0"}, {1, "1", "0"}});
    Retape(c, 4, {{0, "0", "0"}});
    Retape(c, 4, {{1, "0", "0"}});
    EXPECT_EQ(c->NbMatchJournee(5), 1);
    EXPECT_NE(c->MatchEquipes(5, 0, 4), nullptr);
    // The final's winner has no next round.
    EXPECT_TRUE(Retape(c, 5, {{0, "1", "0"}}).Vide());
    EXPECT_EQ(c->Journee(6), nullptr);
}

// The final round of every kind, with and without a third-place match on the
// last matchday: deciding its ties places nobody, adds no matchday and keeps
// both last matches; option word 1 counts the two rounds.
class DernierTour : public ::testing::TestWithParam<std::tuple<uint16_t, bool>>
{
};

TEST_P(DernierTour, CarriesNobodyAndKeepsItsMatchdays)
{
    const auto [type, petiteFinale] = GetParam();
    TChampionnatEssai c(0, 4, TDonneesChampionnat::TypeCoupe, 0);
    const TInfoTourCoupe tours[] = {{2, 2, 1}, {1, 1, type}};
    c->CreeToursCoupe(tours);
    c->SetOption(1, 2);
    c->PetiteFinale = petiteFinale;
    const int fin = c->NbJour();
    // The final's last match and the third-place match, both played.
    c->CreeMatch(fin, 0, 2, 3, 1);
    if (petiteFinale)
        c->CreeMatch(fin, 1, 3, 2, 0);
    const int matchs = c->NbMatchJournee(fin);
    EXPECT_TRUE(Retape(c, fin, {{0, "4", "1"}}).Vide());
    if (petiteFinale) {
        EXPECT_TRUE(Retape(c, fin, {{1, "3", "0"}}).Vide());
    }
    EXPECT_EQ(c->NbJour(), fin);
    EXPECT_EQ(c->NbMatchJournee(fin), matchs);
    EXPECT_EQ(c->Journee(fin)->NbMatchs(), petiteFinale ? 2 : 1);
    EXPECT_EQ(c->Journee(fin + 1), nullptr);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, DernierTour,
                         ::testing::Combine(::testing::Values(1, 2, 3, 4, 5, 6, 7), ::testing::Bool()));

TEST(Tours, CompletingSecondLegsAndCaptions)
{
    TChampionnatEssai c(0, 4, TDonneesChampionnat::TypeCoupe, 0);
    const TInfoTourCoupe tours[] = {{2, 2, 5}, {1, 1, 1}};
    c->CreeToursCoupe(tours);   // 21, 53, 85, then 1
    c->CreeMatch(1, 0, 1, 1, 0);
    c->CreeMatch(1, 2, 3, 2, 2);
    EXPECT_TRUE(CompleteCoupe(*c, 1));
    // Kind 21 plays the second match with the sides swapped.
    EXPECT_NE(c->MatchEquipes(2, 1, 0), nullptr);
    EXPECT_NE(c->MatchEquipes(2, 3, 2), nullptr);
    EXPECT_FALSE(CompleteCoupe(*c, 2));
    c->NbJournee = 2;
    EXPECT_EQ(LibelleJournee(*c.saison), Traduire(272) + " - " + TraduireFormat(621, {2}));
    c->NbJournee = 4;
    EXPECT_EQ(LibelleJournee(*c.saison), Traduire(271));
    // The views reach the caption once registered.
    EnregistreResultats();
    EXPECT_EQ(liens::LibelleJournee(c.saison.get()), Traduire(271));
}

}  // namespace
