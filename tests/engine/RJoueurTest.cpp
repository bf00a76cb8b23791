#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include "tests/support/SaisonStatBuilder.h"
#include "engine/RJoueur.h"
#include "model/ListesJoueurs.h"
#include "model/oTraducteur.h"
#include "platform/rtl/Files.h"

namespace {

using Attendu = std::vector<std::pair<std::string, int64_t>>;

// Names and values of a ranking, in its order.
Attendu Valeurs(const std::vector<TCompteurJoueur>& l)
{
    Attendu r;
    for (const TCompteurJoueur& c : l)
        r.emplace_back(c.Joueur->Nom, c.Valeur);
    return r;
}

Attendu Classe(TSaisonStatEssai& b, int type, int equipe = TClassJoueur::ToutesEquipes)
{
    return Valeurs(TClassJoueur::TotauxJoueurs(*b.saison, equipe, nullptr, 0, 0, type));
}

// Football: four teams, two matchdays; team i of matchday 1 meets team i ^ 1.
struct Football
{
    TSaisonStatEssai b{0, 4, 2};
    TJoueur *a1, *a2, *bb1, *bb2, *c1;
    TPersonnelStat *r1, *r2;
    Football()
    {
        TDonneesChampionnat& c = b.Champ();
        const int e0 = b.Equipe(0), e1 = b.Equipe(1), e2 = b.Equipe(2), e3 = b.Equipe(3);
        a1 = b.Joueur("Amiel", "Paul", e0);
        a1->Poste = 0;   // goalkeeper
        a2 = b.Joueur("Aubry", "Jean", e0);
        bb1 = b.Joueur("Besson", "Luc", e1);
        bb2 = b.Joueur("Bouvier", "Marc", e1);
        c1 = b.Joueur("Cadiou", "Yves", e2);
        r1 = b.Arbitre("Rameau", "Ali");
        r2 = b.Arbitre("Roux", "Eric");

        c.CreeMatch(1, e0, e1, 3, 4)->SetArbitre(r1->Numero);
        c.CreeMatch(1, e2, e3, 0, 0);
        c.CreeMatch(2, e1, e0, 2, 1)->SetArbitre(r2->Numero);
        c.CreeMatch(2, e3, e2, 0, 0);
        // Matchday 1: Amiel 2 (one penalty), Besson 3, an own goal by Aubry, a
        // goal of Cadiou outside the score.
        b.Evenement(1, 2, a1, e0, 10 | evt100);
        b.Evenement(1, 2, a1, e0, 30);
        b.Evenement(1, 2, bb1, e1, 5);
        b.Evenement(1, 2, bb1, e1, 50);
        b.Evenement(1, 2, bb1, e1, 70);
        b.Evenement(1, 2, a2, e0, 80 | evtRouge);
        b.Evenement(1, 2, c1, e2, 60 | evtHorsScore);
        // Matchday 2: Amiel 1 penalty, Besson 2.
        b.Evenement(2, 2, a1, e0, 12 | evt100);
        b.Evenement(2, 2, bb1, e1, 40);
        b.Evenement(2, 2, bb1, e1, 41);
        // Cards: Amiel booked and sent off on matchday 1, Besson booked on both.
        b.Evenement(1, 3, a1, e0, 10);
        b.Evenement(1, 3, a1, e0, 20 | evtRouge);
        b.Evenement(1, 3, bb1, e1, 15);
        b.Evenement(2, 3, bb1, e1, 33);
        // Assists: Cadiou 2, Aubry 1.
        b.Evenement(1, 4, c1, e2, 1);
        b.Evenement(2, 4, c1, e2, 1);
        b.Evenement(1, 4, a2, e0, 1);
        // Ratings of teams 0 and 1 on both matchdays.
        for (int n = 1; n <= 2; ++n) {
            TInfoComp* m = c.MatchEquipe(n, e0);
            m->SetJoueurTitulaire(e0, 1, a1->Numero);
            m->SetNote(e0, 1, n == 1 ? 7 : 5);
            if (n == 1) {
                m->SetJoueurTitulaire(e0, 2, a2->Numero);
                m->SetNote(e0, 2, 8);
            }
            m->SetJoueurTitulaire(e1, 1, bb1->Numero);
            m->SetNote(e1, 1, 6);
            m->SetRemplacement(e1, bb1->Numero, bb2->Numero, 60, 1);
            m->SetNote(e1, c.NbTitulaire() + 1, 9);
        }
        b.saison->InvalideStats();
    }
};

} // namespace

TEST(ClassementJoueurs, FootballCountsByHand)
{
    Football f;
    TSaisonStatEssai& b = f.b;
    EXPECT_EQ(Classe(b, 0), (Attendu{{"Besson", 5}, {"Amiel", 3}}));
    EXPECT_EQ(Classe(b, 1), (Attendu{{"Besson", 2}, {"Amiel", 1}}));
    EXPECT_EQ(Classe(b, 2), (Attendu{{"Amiel", 1}}));
    // Equal counts: team names order them (Club 0-0 before Club 0-1).
    EXPECT_EQ(Classe(b, 3), (Attendu{{"Amiel", 1}, {"Besson", 1}}));
    EXPECT_EQ(Classe(b, 4), (Attendu{{"Besson", 1}}));
    EXPECT_EQ(Classe(b, 5), (Attendu{{"Cadiou", 2}, {"Aubry", 1}}));
    EXPECT_EQ(Classe(b, 8), (Attendu{{"Aubry", 1}}));
    EXPECT_TRUE(Classe(b, 9).empty());
    // One team only.
    EXPECT_EQ(Classe(b, 0, b.Equipe(0)), (Attendu{{"Amiel", 3}}));
    EXPECT_EQ(Classe(b, 3, b.Equipe(1)), (Attendu{{"Besson", 1}}));
    // Matchday 2 alone.
    EXPECT_EQ(Valeurs(TClassJoueur::TotauxJoueurs(*b.saison, 65535, nullptr, 2, 2, 0)),
              (Attendu{{"Besson", 2}, {"Amiel", 1}}));

    // Penalty goals shown after the count.
    const auto buteurs = TClassJoueur::TotauxJoueurs(*b.saison, 65535, nullptr, 0, 0, 0);
    EXPECT_EQ(buteurs[1].Second, 2);
    EXPECT_EQ(TClassJoueur::TextesValeurs(0, buteurs[1]), (std::vector<std::string>{"3 (2)"}));
    EXPECT_EQ(TClassJoueur::TextesValeurs(0, buteurs[0]), (std::vector<std::string>{"5"}));
    EXPECT_EQ(TClassJoueur::Rangs(TClassJoueur::TotauxJoueurs(*b.saison, 65535, nullptr, 0, 0, 3)),
              (std::vector<int>{1, 1}));
}

TEST(ClassementJoueurs, RatingsOfGoalkeepersAndOthers)
{
    Football f;
    TSaisonStatEssai& b = f.b;
    auto gardiens = TClassJoueur::NotesJoueurs(*b.saison, 65535, nullptr, 0, 0, 0);
    ASSERT_EQ(gardiens->Nombre(), 1);
    EXPECT_EQ(gardiens->Note(0)->Joueur, f.a1);
    EXPECT_DOUBLE_EQ(gardiens->Note(0)->Moyenne, 6.0);

    auto autres = TClassJoueur::NotesJoueurs(*b.saison, 65535, nullptr, 0, 0, 1);
    ASSERT_EQ(autres->Nombre(), 3);
    EXPECT_EQ(autres->Note(0)->Joueur, f.bb2);   // 9, 9 as substitute
    EXPECT_EQ(autres->Note(1)->Joueur, f.a2);    // 8
    EXPECT_EQ(autres->Note(2)->Joueur, f.bb1);   // 6, 6

    // Rated on at least 75% of the matchdays: Aubry (1 of 2) is left out.
    b.Champ().SetOptionArbitre(4, 75);
    autres = TClassJoueur::NotesJoueurs(*b.saison, 65535, nullptr, 0, 0, 1);
    ASSERT_EQ(autres->Nombre(), 2);
    EXPECT_EQ(autres->Note(1)->Joueur, f.bb1);
    // One team.
    autres = TClassJoueur::NotesJoueurs(*b.saison, b.Equipe(0), nullptr, 0, 0, 1);
    EXPECT_EQ(autres->Nombre(), 0);
}

TEST(ClassementJoueurs, RatingThresholdOfEachChampionship)
{
    // Two leagues: the threshold of the second applies to the players first
    // rated in it, whatever their place in the list.
    TSaisonStatEssai b(0, 2, 2, 2);
    TJoueur* x = b.Joueur("Zidane", "Z", b.Equipe(0, 0));   // low number, rated in league 2 once
    TJoueur* y = b.Joueur("Yann", "Y", b.Equipe(0, 0));     // rated in league 1 once
    TJoueur* w = b.Joueur("Weber", "W", b.Equipe(0, 1));    // rated in league 2 twice
    for (int k = 0; k < 2; ++k) {
        TDonneesChampionnat& c = b.Champ(k);
        c.CreeMatch(1, c.IdEquipe(0), c.IdEquipe(1), 0, 0);
        c.CreeMatch(2, c.IdEquipe(1), c.IdEquipe(0), 0, 0);
        c.SetOptionArbitre(4, 100);
    }
    auto note = [&](int k, int n, int equipe, TJoueur* j, int v, int slot) {
        TInfoComp* m = b.Champ(k).MatchEquipe(n, equipe);
        m->SetJoueurTitulaire(equipe, slot, j->Numero);
        m->SetNote(equipe, slot, v);
    };
    note(0, 1, b.Equipe(0, 0), y, 5, 1);
    note(0, 2, b.Equipe(0, 0), y, 5, 1);   // y: 2 of 2 in league 1
    note(0, 1, b.Equipe(0, 0), x, 7, 2);   // x: 1 of 2 in league 1 -> dropped there
    note(1, 1, b.Equipe(0, 1), w, 6, 1);
    note(1, 2, b.Equipe(0, 1), w, 6, 1);
    TListeChampionnats deux{&b.Champ(0), &b.Champ(1)};
    auto l = TClassJoueur::NotesJoueurs(*b.saison, 65535, &deux, 0, 0, 1);
    ASSERT_EQ(l->Nombre(), 2);
    EXPECT_EQ(l->Note(0)->Joueur, w);
    EXPECT_EQ(l->Note(1)->Joueur, y);
}

TEST(ClassementJoueurs, RugbyPointsAboveTwoHundredFiftyFive)
{
    TSaisonStatEssai b(1, 2, 2);
    const int e0 = b.Equipe(0), e1 = b.Equipe(1);
    TJoueur* r = b.Joueur("Rives", "Jean-Pierre", e0);
    TJoueur* k = b.Joueur("Kicker", "Ken", e1);
    b.Champ().CreeMatch(1, e0, e1, 0, 0);
    b.Champ().CreeMatch(2, e1, e0, 0, 0);
    b.Evenement(1, 2, r, e0, 1);
    b.Evenement(1, 2, r, e0, 2);
    for (int i = 0; i < 3; ++i)
        b.Evenement(1, 6, r, e0, 3);
    b.Evenement(1, 5, r, e0, 4);
    b.Evenement(2, 7, r, e0, 5);
    for (int i = 0; i < 50; ++i)
        b.Evenement(2, 2, k, e1, 6);
    for (int i = 0; i < 25; ++i)
        b.Evenement(2, 6, k, e1, 7);
    b.saison->InvalideStats();
    // 50 x 5 + 25 x 2 = 300 points; 2 x 5 + 3 x 2 + 3 + 3 = 22.
    EXPECT_EQ(Classe(b, 10), (Attendu{{"Kicker", 300}, {"Rives", 22}}));
    EXPECT_EQ(TClassJoueur::TextesValeurs(10, TClassJoueur::TotauxJoueurs(*b.saison, 65535, nullptr, 0, 0, 10)[0]),
              (std::vector<std::string>{"300"}));
    EXPECT_EQ(Classe(b, 11), (Attendu{{"Kicker", 25}, {"Rives", 3}}));
    EXPECT_EQ(Classe(b, 12), (Attendu{{"Rives", 1}}));
    EXPECT_EQ(Classe(b, 13), (Attendu{{"Rives", 1}}));
    EXPECT_EQ(Classe(b, 0), (Attendu{{"Kicker", 50}, {"Rives", 2}}));
}

// A player's matchday of scoring records: only his own scores (no own goal
// credited to the other side, no missed penalty or kick) make a two-goal or a
// three-goal matchday, or rugby points.
TEST(ClassementJoueurs, OnlyThePlayersOwnScoresCount)
{
    struct Fiche
    {
        int genre;    // data kind
        uint16_t mot;
        bool contre;  // credited to the other side
    };
    struct Cas
    {
        const char* nom;
        int sport;
        std::vector<Fiche> fiches;
        int64_t doublet, triplet, points;
    };
    const uint16_t manque = evtHorsScore;   // a missed penalty: the word is exactly 0x800
    const Cas cas[] = {
        {"a goal and a missed penalty", 0, {{2, 20, false}, {2, manque, false}}, 0, 0, 0},
        {"two own goals", 0, {{2, 10 | evtRouge, true}, {2, 20 | evtRouge, true}}, 0, 0, 0},
        {"two goals and an own goal", 0, {{2, 10, false}, {2, 20, false}, {2, 30 | evtRouge, true}}, 1, 0, 0},
        {"two goals and a missed penalty", 0, {{2, 10, false}, {2, manque, false}, {2, 20, false}}, 1, 0, 0},
        {"three goals, one a penalty", 0, {{2, 10 | evt100, false}, {2, 20, false}, {2, 30, false}}, 0, 1, 0},
        {"a try and a missed kick", 1, {{2, 10, false}, {2, manque, false}}, 0, 0, 5},
        {"a try, a conversion, a penalty, a drop", 1, {{2, 10, false}, {6, 11, false}, {5, 30, false}, {7, 40, false}},
         0, 0, 13},
        {"a try credited to the other side", 1, {{2, 10 | evtRouge, true}, {5, 30, false}}, 0, 0, 3},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.nom);
        TSaisonStatEssai b(k.sport, 2, 1);
        const int e0 = b.Equipe(0), e1 = b.Equipe(1);
        TJoueur* j = b.Joueur("Moreau", "Luc", e0);
        b.Champ().CreeMatch(1, e0, e1, 3, 3);
        for (const Fiche& f : k.fiches)
            b.Evenement(1, f.genre, j, f.contre ? e1 : e0, f.mot);
        b.saison->InvalideStats();
        auto valeur = [&](int type) {
            const Attendu l = Classe(b, type);
            return l.empty() ? int64_t{0} : l.front().second;
        };
        EXPECT_EQ(valeur(3), k.doublet);
        EXPECT_EQ(valeur(4), k.triplet);
        if (k.sport == 1) {
            EXPECT_EQ(valeur(10), k.points);
        }
    }
}

namespace {

// Basketball: P (team 0) and Q (team 1) meet on both matchdays.
struct Basket
{
    TSaisonStatEssai b{2, 2, 2};
    TJoueur *p, *q;
    // P's box score of matchday 1 by code.
    std::map<int, int> p1{{5, 30}, {6, 20}, {7, 5}, {8, 10}, {9, 2}, {10, 4}, {11, 4}, {12, 5}, {13, 3}, {14, 4},
                          {15, 6}, {16, 2}, {17, 1}, {18, 2}, {19, 1}, {20, 3}};
    Basket()
    {
        const int e0 = b.Equipe(0), e1 = b.Equipe(1);
        p = b.Joueur("Parker", "Tony", e0);
        q = b.Joueur("Quinn", "Al", e1);
        b.Champ().CreeMatch(1, e0, e1, 80, 70);
        b.Champ().CreeMatch(2, e1, e0, 60, 65);
        b.Champ().SetOption(16, 3);   // two-point attempts needed in a match
        for (const auto& [code, v] : p1)
            b.Evenement(1, code, p, e0, static_cast<uint16_t>(v));
        for (const auto& [code, v] : std::map<int, int>{{5, 20}, {6, 4}, {7, 2}, {8, 2}})
            b.Evenement(1, code, q, e1, static_cast<uint16_t>(v));
        for (const auto& [code, v] : std::map<int, int>{{5, 20}, {6, 10}, {7, 1}, {8, 4}})
            b.Evenement(2, code, p, e0, static_cast<uint16_t>(v));
        for (const auto& [code, v] : std::map<int, int>{{5, 20}, {6, 6}, {7, 3}, {8, 3}})
            b.Evenement(2, code, q, e1, static_cast<uint16_t>(v));
        b.saison->InvalideStats();
    }
};

} // namespace

TEST(ClassementJoueurs, BasketballPerMatchAndPercentages)
{
    Basket k;
    TSaisonStatEssai& b = k.b;
    // Per match: total x 100 div 2 matches.
    EXPECT_EQ(Classe(b, 14), (Attendu{{"Parker", 1500}, {"Quinn", 500}}));
    EXPECT_EQ(Classe(b, 15), (Attendu{{"Parker", 300}, {"Quinn", 250}}));
    const std::map<int, int64_t> parMatch = {{16, 100}, {17, 200}, {21, 150}, {22, 200}, {23, 100}, {24, 50},
                                             {25, 300}, {26, 150}, {28, 350}, {30, 100}, {31, 50}};
    for (const auto& [type, v] : parMatch)
        EXPECT_EQ(Classe(b, type), (Attendu{{"Parker", v}})) << type;
    EXPECT_EQ(Classe(b, 27), (Attendu{{"Parker", 2500}, {"Quinn", 2000}}));
    const auto totaux = TClassJoueur::TotauxJoueurs(*b.saison, 65535, nullptr, 0, 0, 14);
    EXPECT_EQ(totaux[0].Brut, 30);
    EXPECT_EQ(totaux[0].Diviseur, 2);

    // Two-point percentage, three attempts needed in a match: Quinn's 2 of 2 of
    // matchday 1 are left out; Parker 6 of 14 (42.857...%, rounded).
    const auto pct = TClassJoueur::TotauxJoueurs(*b.saison, 65535, nullptr, 0, 0, 18);
    EXPECT_EQ(Valeurs(pct), (Attendu{{"Quinn", 10000}, {"Parker", 4286}}));
    EXPECT_EQ(TClassJoueur::TextesValeurs(18, pct[1])[1], Format("%.2f", {42.86}));
    EXPECT_EQ(pct[0].Brut, 3);
    EXPECT_EQ(pct[0].Diviseur, 3);
    EXPECT_EQ(Classe(b, 19), (Attendu{{"Parker", 5000}}));
    EXPECT_EQ(Classe(b, 20), (Attendu{{"Parker", 8000}}));

    // Best single match of kinds 14..26, 30, 31: Parker's values of matchday 1.
    for (int type = 32; type <= 46; ++type) {
        const int base = type <= 44 ? type - 18 : type - 15;
        if (base >= 18 && base <= 20)
            continue;
        static const std::map<int, int> codes = {{14, 6}, {15, 7}, {16, 9}, {17, 11}, {21, 13}, {22, 14},
                                                 {23, 18}, {24, 19}, {25, 15}, {26, 20}, {30, 16}, {31, 17}};
        const auto l = TClassJoueur::TotauxJoueurs(*b.saison, 65535, nullptr, 0, 0, type);
        ASSERT_FALSE(l.empty()) << type;
        EXPECT_EQ(l[0].Joueur, k.p) << type;
        EXPECT_EQ(l[0].Valeur, k.p1[codes.at(base)]) << type;
        EXPECT_EQ(l[0].Match, b.Champ().MatchEquipe(1, b.Equipe(0))->Libelle(b.saison.get())) << type;
    }
    // Percentage twin: Parker 5 of 10 (matchday 1), Quinn 3 of 3 (matchday 2).
    EXPECT_EQ(Classe(b, 36), (Attendu{{"Quinn", 10000}, {"Parker", 5000}}));
    // Kind 32: Quinn's best is matchday 2 (6 points).
    const auto meilleurs = TClassJoueur::TotauxJoueurs(*b.saison, 65535, nullptr, 0, 0, 32);
    EXPECT_EQ(meilleurs[1].Valeur, 6);
    EXPECT_EQ(meilleurs[1].Match, b.Champ().MatchEquipe(2, b.Equipe(1))->Libelle(b.saison.get()));
}

TEST(ClassementJoueurs, HandballCodesAndNegativeEvaluation)
{
    TSaisonStatEssai b(3, 2, 2);
    const int e0 = b.Equipe(0), e1 = b.Equipe(1);
    TJoueur* h = b.Joueur("Hansen", "Mikkel", e0);
    TJoueur* i = b.Joueur("Ivanov", "Igor", e1);
    TJoueur* j = b.Joueur("Jensen", "Jon", e0);
    b.Champ().CreeMatch(1, e0, e1, 30, 28);
    b.Champ().CreeMatch(2, e1, e0, 25, 25);
    for (const auto& [code, v] : std::map<int, int>{{21, 5}, {22, 10}, {23, 2}, {24, 3}, {32, 1}, {33, 2}, {36, 1}})
        b.Evenement(1, code, h, e0, static_cast<uint16_t>(v));
    for (const auto& [code, v] : std::map<int, int>{{25, 8}, {26, 20}, {27, 1}, {28, 4}, {29, 2}, {30, 3}, {31, 1},
                                                    {34, 1}, {36, 1}})
        b.Evenement(1, code, i, e1, static_cast<uint16_t>(v));
    for (const auto& [code, v] : std::map<int, int>{{22, 40}, {36, 1}})
        b.Evenement(1, code, j, e0, static_cast<uint16_t>(v));
    for (const auto& [code, v] : std::map<int, int>{{21, 3}, {22, 4}, {36, 1}})
        b.Evenement(2, code, h, e0, static_cast<uint16_t>(v));
    for (const auto& [code, v] : std::map<int, int>{{25, 4}, {26, 10}, {36, 1}})
        b.Evenement(2, code, i, e1, static_cast<uint16_t>(v));
    b.saison->InvalideStats();

    EXPECT_EQ(Classe(b, 47), (Attendu{{"Hansen", 50}}));
    EXPECT_EQ(Classe(b, 48), (Attendu{{"Hansen", 100}}));
    EXPECT_EQ(Classe(b, 49), (Attendu{{"Ivanov", 50}}));
    EXPECT_EQ(Classe(b, 50), (Attendu{{"Hansen", 400}}));
    EXPECT_EQ(Classe(b, 51), (Attendu{{"Hansen", 8 * 10000 / 14}, {"Jensen", 0}}));
    EXPECT_EQ(Classe(b, 52), (Attendu{{"Hansen", 100}}));
    EXPECT_EQ(Classe(b, 53), (Attendu{{"Hansen", 6667}}));   // 2 of 3, rounded
    EXPECT_EQ(Classe(b, 54), (Attendu{{"Hansen", 500}}));
    EXPECT_EQ(Classe(b, 55), (Attendu{{"Ivanov", 650}}));
    EXPECT_EQ(Classe(b, 56), (Attendu{{"Ivanov", 600}}));
    EXPECT_EQ(Classe(b, 57), (Attendu{{"Ivanov", 4000}}));
    EXPECT_EQ(Classe(b, 58), (Attendu{{"Ivanov", 50}}));
    EXPECT_EQ(Classe(b, 59), (Attendu{{"Ivanov", 2500}}));
    // The handball codes of steals, assists and turnovers.
    EXPECT_EQ(Classe(b, 23), (Attendu{{"Ivanov", 50}}));
    EXPECT_EQ(Classe(b, 25), (Attendu{{"Ivanov", 150}}));
    EXPECT_EQ(Classe(b, 26), (Attendu{{"Ivanov", 100}}));

    // Evaluation: 3 per goal, -10 per missed shot. Hansen: (15 - 50) + (9 - 10)
    // over 2 matches = -18; Jensen: -400 in one match, far below the old floor.
    TDonneesChampionnatStat& c = b.Stat();
    c.SetValeurEval(14, 3);
    c.SetValeurEval(15, -10);
    const auto eval = TClassJoueur::TotauxJoueurs(*b.saison, 65535, nullptr, 0, 0, 29);
    EXPECT_EQ(Valeurs(eval), (Attendu{{"Ivanov", 0}, {"Hansen", -1800}, {"Jensen", -40000}}));
    EXPECT_EQ(eval[1].Brut, -36);
    EXPECT_EQ(eval[2].Diviseur, 1);
    EXPECT_EQ(TClassJoueur::TextesValeurs(29, eval[1])[0], "2");
}

TEST(ClassementArbitres, FootballKindsByHand)
{
    Football f;
    TSaison& s = *f.b.saison;
    auto noms = [](const std::vector<TLigneArbitre>& l) {
        Attendu r;
        for (const TLigneArbitre& a : l)
            r.emplace_back(a.Arbitre->Nom, a.Rapport);
        return r;
    };
    EXPECT_EQ(noms(TClassArbitre::Classement(s, 0, nullptr)), (Attendu{{"Rameau", 100}, {"Roux", 100}}));
    EXPECT_EQ(noms(TClassArbitre::Classement(s, 1, nullptr)), (Attendu{{"Rameau", 200}, {"Roux", 100}}));
    EXPECT_EQ(noms(TClassArbitre::Classement(s, 2, nullptr)), (Attendu{{"Rameau", 100}}));
    // A sending-off counts as five bookings.
    EXPECT_EQ(noms(TClassArbitre::Classement(s, 3, nullptr)), (Attendu{{"Rameau", 700}, {"Roux", 100}}));
    EXPECT_TRUE(TClassArbitre::Classement(s, 4, nullptr).empty());
    EXPECT_TRUE(TClassArbitre::Classement(s, 5, nullptr).empty());
    const auto l = TClassArbitre::Classement(s, 3, nullptr);
    EXPECT_EQ(l[0].Valeur, 7);
    EXPECT_EQ(l[0].Matchs, 1);
}

TEST(ClassementArbitres, HandballKindsAndNoMatch)
{
    TSaisonStatEssai b(3, 2, 1);
    const int e0 = b.Equipe(0), e1 = b.Equipe(1);
    TJoueur* h = b.Joueur("Hansen", "Mikkel", e0);
    TPersonnelStat* x = b.Arbitre("Xavier", "X");
    b.Champ().CreeMatch(1, e0, e1, 30, 28)->SetArbitre(x->Numero);
    for (const auto& [code, v] : std::map<int, int>{{24, 3}, {33, 2}, {34, 1}, {36, 1}})
        b.Evenement(1, code, h, e0, static_cast<uint16_t>(v));
    TSaison& s = *b.saison;
    EXPECT_EQ(TClassArbitre::Classement(s, 5, nullptr).at(0).Rapport, 300);
    EXPECT_EQ(TClassArbitre::Classement(s, 6, nullptr).at(0).Rapport, 200);
    EXPECT_EQ(TClassArbitre::Classement(s, 7, nullptr).at(0).Rapport, 100);
    EXPECT_EQ(TClassArbitre::ValeurType(*x, 1, 7), 1);
    EXPECT_EQ(TClassArbitre::Classement(s, 7, nullptr).at(0).Matchs, 1);
}

TEST(ClassementJoueurs, GridRowsLeaveATieAcrossTheLimitOut)
{
    std::vector<TCompteurJoueur> l(50);
    for (int i = 0; i < 50; ++i)
        l[static_cast<size_t>(i)].Valeur = 100 - i;
    // 700 pixels: room for 36.
    EXPECT_EQ(TClassJoueur::NombreLignes(700, l), 36);
    l[36].Valeur = l[35].Valeur;
    l[34].Valeur = l[35].Valeur;
    EXPECT_EQ(TClassJoueur::NombreLignes(700, l), 34);
    // Everyone equal: the limit itself.
    for (auto& c : l)
        c.Valeur = 1;
    EXPECT_EQ(TClassJoueur::NombreLignes(700, l), 36);
    // Small heights never give negative counts.
    EXPECT_EQ(TClassJoueur::NombreLignes(10, l), 0);
    EXPECT_EQ(TClassJoueur::NombreLignes(700, std::vector<TCompteurJoueur>(3)), 3);
}

TEST(ClassementJoueurs, CaptionsAndColumns)
{
    const char* dossier = std::getenv("BZ_DATA_DIR");
    ASSERT_NE(dossier, nullptr);
    InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(dossier, "texte\\Textefr.txt")));
    TSaisonStatEssai b(0, 2, 1);
    const TSaison& s = *b.saison;
    EXPECT_EQ(TClassJoueur::LibelleClassement(s, 1), Traduire(78));
    EXPECT_FALSE(TClassJoueur::LibelleClassement(s, 0).empty());
    EXPECT_EQ(TClassJoueur::LibelleClassement(s, 18), "%");
    EXPECT_EQ(TClassJoueur::LibelleClassement(s, 48), "2'");
    EXPECT_EQ(TClassJoueur::LibelleClassement(s, 32), Traduire(40));
    EXPECT_EQ(TClassJoueur::LibelleClassementEquipe(s, TClassJoueur::NumeroLibelleEquipe(5)), Traduire(303));
    EXPECT_EQ(TClassJoueur::LibelleClassementEquipe(s, 30), "inconnu 30");
    EXPECT_EQ(TClassJoueur::LibelleClassementEquipe(s, 46), "%");
    EXPECT_EQ(TClassArbitre::LibelleClassement(3), Traduire(943));

    auto largeurs = [&](int type) {
        std::vector<int> r;
        for (const auto& c : TClassJoueur::ColonnesGrille(s, type))
            r.push_back(c.Largeur);
        return r;
    };
    EXPECT_EQ(largeurs(14), (std::vector<int>{20, 200, 30, 30, 40}));
    EXPECT_EQ(largeurs(29), (std::vector<int>{20, 220, 50, 50}));
    EXPECT_EQ(largeurs(57), (std::vector<int>{20, 220, 50, 50}));
    EXPECT_EQ(largeurs(40), (std::vector<int>{20, 220, 250, 50}));
    EXPECT_EQ(largeurs(0), (std::vector<int>{20, 220, 100}));
    EXPECT_EQ(TClassJoueur::ColonnesGrille(s, 0)[1].Titre, Traduire(107));
    InstalleTraducteur(nullptr);
}

// Each ranking is headed by what it counts: offensive and defensive rebounds
// apart, all rebounds, playing time, blocks and turnovers, the handball
// warnings, disqualifications and 7-metre saves; the best single match
// heads its match column as a match.
TEST(ClassementJoueurs, CaptionsNameWhatIsCounted)
{
    const char* dossier = std::getenv("BZ_DATA_DIR");
    ASSERT_NE(dossier, nullptr);
    for (const char* langue : {"fr", "en"}) {
        SCOPED_TRACE(langue);
        InstalleTraducteur(
            std::make_unique<TTraducteur>(MakePath(dossier, std::string("texte\\Texte") + langue + ".txt")));
        TSaisonStatEssai b(0, 2, 1);
        const TSaison& s = *b.saison;
        const std::pair<int, int> kinds[] = {{0, 68},    {1, 78},    {21, 1240}, {22, 1241}, {28, 576}, {27, 581}, {24, 588},
                                             {26, 587},  {47, 1495}, {49, 1493}, {52, 1549}, {58, 4550}};
        for (const auto& [type, texte] : kinds)
            EXPECT_EQ(TClassJoueur::LibelleClassement(s, type), Traduire(texte)) << type;
        EXPECT_NE(TClassJoueur::LibelleClassement(s, 21), TClassJoueur::LibelleClassement(s, 22));
        EXPECT_NE(TClassJoueur::LibelleClassement(s, 52), TClassJoueur::LibelleClassement(s, 58));
        for (int type : {32, 39, 40, 45})
            EXPECT_EQ(TClassJoueur::ColonnesGrille(s, type)[2].Titre, Traduire(309)) << type;
        EXPECT_EQ(TClassJoueur::ColonnesGrille(s, 39)[3].Titre, Traduire(1240));
        InstalleTraducteur(nullptr);
    }
}

// Each ranking's league and team captions name what it counts, in both
// languages: two-goal and three-goal games apart from the assists and the
// points scorers whose caption numbers they shared (two-try and three-try
// games in rugby), the basketball fouls and fouls drawn rather than "Total",
// the handball goals from play (kind 50) and 7-metre goals (kind 52).
TEST(ClassementJoueurs, LeagueAndTeamCaptionsOfEachKind)
{
    const char* dossier = std::getenv("BZ_DATA_DIR");
    ASSERT_NE(dossier, nullptr);
    const struct
    {
        int sport, type, ligue, equipe;
    } cas[] = {
        {0, 3, 105, 105},   {0, 4, 106, 106},   {1, 3, 4902, 4902}, {1, 4, 4903, 4903},
        {1, 5, 299, 303},   {1, 10, 50, 50},   {2, 30, 650, 650},  {2, 31, 1292, 1292},
        {3, 50, 1544, 1544}, {3, 52, 1549, 1549}, {3, 58, 4550, 1532},
    };
    for (const char* langue : {"fr", "en"}) {
        SCOPED_TRACE(langue);
        InstalleTraducteur(
            std::make_unique<TTraducteur>(MakePath(dossier, std::string("texte\\Texte") + langue + ".txt")));
        for (const auto& c : cas) {
            SCOPED_TRACE(c.type);
            TSaisonStatEssai b(c.sport, 2, 1);
            const TSaison& s = *b.saison;
            EXPECT_EQ(TClassJoueur::LibelleClassement(s, c.type), Traduire(c.ligue));
            EXPECT_EQ(TClassJoueur::LibelleClassementEquipe(s, TClassJoueur::NumeroLibelleEquipe(c.type)),
                      Traduire(c.equipe));
            // the grid's value column: the total of a per-match kind
            const auto colonnes = TClassJoueur::ColonnesGrille(s, c.type);
            EXPECT_EQ(colonnes[TClassJoueur::ParMatch(c.type) ? 3 : 2].Titre, Traduire(c.ligue));
        }
        InstalleTraducteur(nullptr);
    }
}
