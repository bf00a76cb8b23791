// The table kinds besides the points tables: record fields, attack and
// defence, discipline, attendance, scoring-record counts, statistic codes,
// form tables and ages.
#include <gtest/gtest.h>

#include "engine/CalculClassement.h"
#include "tests/support/SaisonStatBuilder.h"
#include "tests/support/StandingsBuilder.h"

namespace {

using V = std::vector<int>;

V Champ2(const TCalculClassement& calcul)
{
    V v;
    for (int r = 0; r < calcul.NbLignes(); ++r)
        v.push_back(calcul.ValeurLigne(r, 2));
    return v;
}

}  // namespace

TEST(Kinds, RecordFieldsAttackAndDefence)
{
    Ligue4 l;
    // Equal values: names ascending, but descending for the field-6 kinds.
    struct { int type, champTri; V ordre; } cas[] = {
        {clsChampDomExt, 104, {1, 2, 0, 3}},   // goals for 4, 5, 5, 3
        {clsChampDomExt, 4, {1, 0, 3, 2}},     // home goals for 2, 4, 1, 2
        {clsAttaque, 0, {1, 2, 0, 3}},
        {clsDefense, 0, {3, 1, 0, 2}},         // against 4, 5, 1, 7
        {clsAttaqueDomicile, 0, {1, 0, 3, 2}},
        {clsDefenseDomicile, 0, {1, 3, 0, 2}},   // 2, 3, 1, 2
        {clsAttaqueExterieur, 0, {2, 0, 1, 3}},  // 2, 1, 4, 1
        {clsDefenseExterieur, 0, {3, 1, 0, 2}},  // 2, 2, 0, 5
    };
    for (const auto& k : cas)
        EXPECT_EQ(l.Table(k.type, k.champTri), k.ordre) << k.type << " " << k.champTri;

    TCalculClassement calcul(l.c.champ.get(), l.c.saison.get());
    calcul.Calcule(clsAttaque, 0, 0);
    EXPECT_EQ(Champ2(calcul), (V{5, 5, 4, 3}));
    EXPECT_EQ(calcul.ValeurLigne(0, 4), 3);   // matches played
    EXPECT_EQ(calcul.ValeurLigne(0, 14), 1);
}

TEST(Kinds, DisciplineIsCountedAfresh)
{
    Ligue4 l;
    for (int k = 0; k < 4; ++k)
        Evenement(*l.c, 3, 1, 0, 10 + k);
    Evenement(*l.c, 3, 1, 0, 50, evtRouge);
    for (int k = 0; k < 3; ++k)
        Evenement(*l.c, 3, 1, 1, 10 + k);
    Evenement(*l.c, 3, 1, 1, 60, evtRouge);
    Evenement(*l.c, 3, 2, 2, 30, evtRouge);
    Evenement(*l.c, 3, 2, 2, 40, evtRouge);

    TCalculClassement calcul(l.c.champ.get(), l.c.saison.get());
    calcul.Calcule(clsGeneral, 0, 0);   // leaves losses and goals in totals 4 and 5
    for (int essai = 0; essai < 2; ++essai) {
        calcul.Calcule(clsDiscipline, 0, 0);
        // 7 points (4 + 1 x 3); 6 with two sendings-off before 6 with one.
        EXPECT_EQ(Positions(calcul), (V{0, 2, 1, 3}));
        EXPECT_EQ(Champ2(calcul), (V{7, 6, 6, 0}));
        EXPECT_EQ(calcul.ValeurLigne(0, 3), 4);
        EXPECT_EQ(calcul.ValeurLigne(0, 4), 1);
        EXPECT_EQ(calcul.ValeurLigne(1, 3), 0);
        EXPECT_EQ(calcul.ValeurLigne(1, 4), 2);
        EXPECT_EQ(calcul.ValeurLigne(2, 3), 3);
    }
    calcul.PoidsJaune = 2;
    calcul.PoidsRouge = 5;
    calcul.Calcule(clsDiscipline, 2, 3);   // matchday 2 only has records
    EXPECT_EQ(Positions(calcul), (V{2, 3, 1, 0}));
    EXPECT_EQ(Champ2(calcul), (V{10, 0, 0, 0}));
}

TEST(Kinds, AttendanceAverageOfHomeMatches)
{
    Ligue4 l;
    l.c->SetAffluenceMatch(1, 1, 1000);    // 0 at home
    l.c->SetAffluenceMatch(3, 1, 3000);
    l.c->SetAffluenceMatch(2, 1, 70000);   // 1 at home
    l.c->SetAffluenceMatch(3, 2, 80001);
    l.c->SetAffluenceMatch(1, 2, 500);     // 2 at home; 3 has no figure
    TCalculClassement calcul(l.c.champ.get(), l.c.saison.get());
    EXPECT_EQ(calcul.Calcule(clsAffluence, 0, 0), 4);
    EXPECT_EQ(Positions(calcul), (V{1, 0, 2, 3}));
    EXPECT_EQ(calcul.AffluenceLigne(0), 75001);   // 150001 / 2, the half up
    EXPECT_EQ(calcul.MotLigne(0, 2), 75001 & 0xFFFF);
    EXPECT_EQ(calcul.MotLigne(0, 3), 1);
    EXPECT_EQ(calcul.AffluenceLigne(1), 2000);
    EXPECT_EQ(calcul.AffluenceLigne(3), 0);
    EXPECT_EQ(calcul.ValeurLigne(0, 14), 1);
}

TEST(Kinds, ScoringRecordCounts)
{
    TChampionnatEssai c{1, 2, TDonneesChampionnat::TypeChamp, 1};
    Resultat(*c, 1, 0, 1, 21, 8);
    Evenement(*c, 2, 1, 0, 10);
    Evenement(*c, 2, 1, 0, 20, evt100);
    Evenement(*c, 2, 1, 0, 30);
    Evenement(*c, 2, 1, 1, 40, evt100);
    Evenement(*c, 5, 1, 0, 50);
    Evenement(*c, 5, 1, 0, 55);
    Evenement(*c, 7, 1, 1, 60);
    struct { int type; V ordre; V valeurs; } cas[] = {
        {clsEssais, {0, 1}, {3, 1}},
        {clsEssaisContre, {1, 0}, {3, 1}},
        {clsButs100, {1, 0}, {1, 1}},          // level: names descending
        {clsButs100Contre, {1, 0}, {1, 1}},
        {clsPenalites, {0, 1}, {2, 0}},
        {clsPenalitesContre, {1, 0}, {2, 0}},
        {clsDrops, {1, 0}, {1, 0}},
        {clsDropsContre, {0, 1}, {1, 0}},
    };
    for (const auto& k : cas) {
        TCalculClassement calcul(c.champ.get(), c.saison.get());
        calcul.Calcule(k.type, 0, 0);
        EXPECT_EQ(Positions(calcul), k.ordre) << k.type;
        EXPECT_EQ(Champ2(calcul), k.valeurs) << k.type;
    }

    // Penalty goals and drop goals of the team count only in rugby.
    TChampionnatEssai foot{0, 2, TDonneesChampionnat::TypeChamp, 1};
    Resultat(*foot, 1, 0, 1, 2, 0);
    Evenement(*foot, 2, 1, 0, 10);
    Evenement(*foot, 2, 1, 0, 20);
    TCalculClassement calcul(foot.champ.get(), foot.saison.get());
    calcul.Calcule(clsEssais, 0, 0);
    EXPECT_EQ(Champ2(calcul), (V{2, 0}));
    calcul.Calcule(clsPenalites, 0, 0);
    EXPECT_EQ(Champ2(calcul), (V{0, 0}));
    calcul.Calcule(clsDrops, 0, 0);
    EXPECT_EQ(Champ2(calcul), (V{0, 0}));
}

// A missed kick or penalty is kept in the scoring list of both sports but
// scores nothing: the counts of scoring records pass it over.
TEST(Kinds, MissedKicksAreNoScoringRecords)
{
    for (int sport : {0, 1}) {
        SCOPED_TRACE(sport);
        TChampionnatEssai c{sport, 2, TDonneesChampionnat::TypeChamp, 1};
        Resultat(*c, 1, 0, 1, sport == 1 ? 10 : 2, 0);
        Evenement(*c, 2, 1, 0, 10);
        Evenement(*c, 2, 1, 0, 20);
        Evenement(*c, 2, 1, 0, 0, evtHorsScore);
        Evenement(*c, 2, 1, 1, 0, evtHorsScore);
        TCalculClassement calcul(c.champ.get(), c.saison.get());
        calcul.Calcule(clsEssais, 0, 0);
        EXPECT_EQ(Champ2(calcul), (V{2, 0}));
        calcul.Calcule(clsEssaisContre, 0, 0);
        EXPECT_EQ(Positions(calcul), (V{1, 0}));
        EXPECT_EQ(Champ2(calcul), (V{2, 0}));
    }
}

namespace {

// A statistic record (a counter value) of the team at position p on matchday n.
void AjouteStat(TSaisonStatEssai& s, int n, int code, int p, int valeur)
{
    TListeDonnees* l = s.Stat().ListeStat(n, code);
    ASSERT_NE(l, nullptr) << code;
    l->Ajoute(TDonneesEvt::CreateId(1, s.Equipe(p), static_cast<uint16_t>(valeur)));
}

}  // namespace

// Three basketball teams over four matchdays: 0 plays 2 matches, 1 plays 4,
// 2 plays 2.
TEST(Kinds, StatisticCodes)
{
    TSaisonStatEssai b(2, 3, 4);
    TDonneesChampionnat& c = b.Champ();
    c.SetNbMatch(1);
    Resultat(c, 1, 0, 1, 80, 70);
    Resultat(c, 2, 1, 2, 80, 70);
    Resultat(c, 3, 1, 0, 80, 70);
    Resultat(c, 4, 2, 1, 80, 70);
    AjouteStat(b, 1, 7, 0, 700);    // made two-pointers
    AjouteStat(b, 3, 8, 0, 1400);   // attempted
    AjouteStat(b, 1, 7, 1, 3);
    AjouteStat(b, 2, 8, 1, 4);
    AjouteStat(b, 2, 7, 2, 5);      // no attempt: ratio 0
    AjouteStat(b, 1, 13, 0, 130);   // rebounds
    AjouteStat(b, 2, 13, 1, 300);
    AjouteStat(b, 4, 13, 1, 400);
    AjouteStat(b, 4, 18, 2, 5);     // steals
    AjouteStat(b, 3, 20, 0, 7);     // turnovers

    TCalculClassement calcul(&c, b.saison.get());
    calcul.Calcule(50, 0, 0);
    EXPECT_EQ(Positions(calcul), (V{1, 0, 2}));
    EXPECT_EQ(Champ2(calcul), (V{7500, 5000, 0}));
    EXPECT_EQ(calcul.ValeurLigne(1, 3), 1400);

    calcul.Calcule(56, 0, 0);
    EXPECT_EQ(Positions(calcul), (V{1, 0, 2}));
    EXPECT_EQ(Champ2(calcul), (V{17500, 6500, 0}));   // 700 x 100 / 4, 130 x 100 / 2
    EXPECT_EQ(calcul.ValeurLigne(0, 3), 700);
    EXPECT_EQ(calcul.ValeurLigne(0, 4), 4);

    calcul.Calcule(62, 0, 0);   // steals: code 18 in basketball
    EXPECT_EQ(Positions(calcul), (V{2, 1, 0}));
    EXPECT_EQ(Champ2(calcul), (V{250, 0, 0}));

    calcul.Calcule(66, 0, 0);   // turnovers: code 20 in basketball
    EXPECT_EQ(Positions(calcul), (V{0, 2, 1}));
    EXPECT_EQ(Champ2(calcul), (V{350, 0, 0}));

    calcul.Calcule(51, 0, 0);   // an odd code sums nothing
    EXPECT_EQ(Champ2(calcul), (V{0, 0, 0}));

    calcul.Calcule(70, 0, 0);   // a handball code: no list here
    EXPECT_EQ(Champ2(calcul), (V{0, 0, 0}));

    TSaisonStatEssai h(3, 2, 1);
    Resultat(h.Champ(), 1, 0, 1, 30, 28);
    AjouteStat(h, 1, 31, 1, 6);   // steals: code 31 in handball
    AjouteStat(h, 1, 29, 0, 4);   // turnovers: code 29
    TCalculClassement ch(&h.Champ(), h.saison.get());
    ch.Calcule(62, 0, 0);
    EXPECT_EQ(Positions(ch), (V{1, 0}));
    EXPECT_EQ(Champ2(ch), (V{600, 0}));
    ch.Calcule(66, 0, 0);
    EXPECT_EQ(Positions(ch), (V{0, 1}));
    EXPECT_EQ(Champ2(ch), (V{400, 0}));

    // A football championship has no statistic codes.
    Ligue4 f;
    TCalculClassement cf(f.c.champ.get(), f.c.saison.get());
    cf.Calcule(62, 0, 0);
    EXPECT_EQ(Champ2(cf), (V{0, 0, 0, 0}));
}

// 1: 0-1 2:1, goals 0 at 10, 1 at 20, 0 at 80.   2: 1-0 1:1, goals 1 at 5, 0 at 60.
TEST(Kinds, FormTables)
{
    TChampionnatEssai c{0, 2, TDonneesChampionnat::TypeChamp, 2};
    c->TempsPeriode = 45;
    Resultat(*c, 1, 0, 1, 2, 1);
    Evenement(*c, 2, 1, 0, 10);
    Evenement(*c, 2, 1, 1, 20);
    Evenement(*c, 2, 1, 0, 80);
    Resultat(*c, 2, 1, 0, 1, 1);
    Evenement(*c, 2, 2, 1, 5);
    Evenement(*c, 2, 2, 0, 60);
    TCalculClassement calcul(c.champ.get(), c.saison.get());

    calcul.Calcule(100, 0, 0);   // scored first, both venues
    EXPECT_EQ(Positions(calcul), (V{0, 1}));
    EXPECT_EQ(Champ2(calcul), (V{300, 100}));
    EXPECT_EQ(calcul.ValeurTotal(0, 2), 1);
    EXPECT_EQ(calcul.ValeurTotal(0, 5), 1);
    EXPECT_EQ(calcul.ValeurTotal(1, 3), 1);
    EXPECT_EQ(calcul.ValeurTotal(1, 1), 1);

    calcul.Calcule(102, 0, 0);   // scored first away: nobody; names descending
    EXPECT_EQ(Positions(calcul), (V{1, 0}));
    EXPECT_EQ(Champ2(calcul), (V{0, 0}));

    calcul.Calcule(103, 0, 0);   // conceded first: 0 drew, 1 lost
    EXPECT_EQ(Positions(calcul), (V{0, 1}));
    EXPECT_EQ(calcul.ValeurTotal(1, 4), 1);
    EXPECT_EQ(Champ2(calcul), (V{100, 0}));

    calcul.Calcule(110, 0, 0);   // level at half-time, at home: 0 won from 1-1
    EXPECT_EQ(Champ2(calcul), (V{300, 0}));
    calcul.Calcule(114, 0, 0);   // trailing at half-time, away: 0 on matchday 2, drew
    EXPECT_EQ(Positions(calcul), (V{0, 1}));
    EXPECT_EQ(Champ2(calcul), (V{100, 0}));
}

// Reference year 50 and ages giving 30 and 20 years in team 0, none known in
// team 1, 40 years in team 2, none counted in team 3.
void AgesAttendus(const TCalculClassement& calcul)
{
    EXPECT_EQ(Positions(calcul), (V{2, 0, 1, 3}));
    auto totaux = [&](int i) { return V{calcul.ValeurTotal(i, 1), calcul.ValeurTotal(i, 2), calcul.ValeurTotal(i, 3)}; };
    // average x 10, youngest, oldest
    EXPECT_EQ(totaux(0), (V{250, 20, 30}));
    EXPECT_EQ(totaux(1), (V{0, 255, 0}));
    EXPECT_EQ(totaux(2), (V{400, 40, 40}));
    EXPECT_EQ(totaux(3), (V{0, 255, 0}));
}

TEST(Kinds, Ages)
{
    Ligue4 l;
    l.c->SetOption(8, 50);
    TCalculClassement calcul(l.c.champ.get(), l.c.saison.get());
    calcul.AgesEquipe = [](int id, std::vector<int>& ages) {
        if (id == 0)
            ages = {20, 30};
        else if (id == 1)
            ages = {0, 0};
        else if (id == 2)
            ages = {10};
        else
            ages = {60};
    };
    calcul.Calcule(clsAges, 0, 0);
    AgesAttendus(calcul);
}

// Without a hook set, the ages are those of the season's players by team.
TEST(Kinds, AgesOfTheSeasonsPlayers)
{
    Ligue4 l;
    l.c->SetOption(8, 50);
    TSaison& saison = *l.c.saison;
    auto joueur = [&](int equipe, int age) {
        auto j = saison.CreeJoueur("Nom" + std::to_string(saison.Joueurs().NbJoueur()), "P", -1, equipe);
        j->Age = static_cast<uint8_t>(age);
        saison.Joueurs().AjouteJoueur(std::move(j));
    };
    joueur(0, 20);
    joueur(0, 30);
    joueur(1, 0);   // age unknown
    joueur(2, 10);
    joueur(2, 60);   // born after the reference year: not counted
    TCalculClassement calcul(l.c.champ.get(), nullptr);   // the championship's season
    calcul.Calcule(clsAges, 0, 0);
    AgesAttendus(calcul);
    // A second table counts the same players once.
    calcul.Calcule(clsAges, 0, 0);
    EXPECT_EQ(calcul.ValeurTotal(0, 1), 250);
}

// A championship without a year of its own (a cup) counts its ages in the
// season's year, taken from the season's championship that has one; its own
// year comes first; with no year anywhere no age is counted.
TEST(Kinds, AgesInTheSeasonsYearWhenTheChampionshipHasNone)
{
    struct TCas
    {
        int propre, saison;   // the years - 1900
        bool comptes;
    };
    for (const TCas c : {TCas{0, 50, true}, TCas{50, 70, true}, TCas{0, 0, false}}) {
        SCOPED_TRACE(testing::Message() << c.propre << " " << c.saison);
        Ligue4 l;
        l.c->SetOption(8, c.propre);
        TSaison& saison = *l.c.saison;
        auto ligue = saison.CreeChampionnat(TDonneesChampionnat::TypeChamp, 0);
        ligue->SetOption(8, c.saison);
        saison.Arbre().AjouteChampionnat("Ligue", "Ligue", std::move(ligue), "F");
        TCalculClassement calcul(l.c.champ.get(), &saison);
        calcul.AgesEquipe = [](int id, std::vector<int>& ages) {
            ages = id == 0 ? std::vector<int>{20, 30} : id == 1 ? std::vector<int>{0, 0} : id == 2 ? std::vector<int>{10} : std::vector<int>{60};
        };
        calcul.Calcule(clsAges, 0, 0);
        if (c.comptes)
            AgesAttendus(calcul);
        else
            for (int i = 0; i < 4; ++i)
                EXPECT_EQ(calcul.ValeurTotal(i, 1), 0) << i;
    }
}

TEST(Kinds, SameTeamInTwoGroupsIsMerged)
{
    TSaisonEssai saison(0);
    auto a = saison.CreeChampionnat(TDonneesChampionnat::TypeChamp, 0);
    auto b = saison.CreeChampionnat(TDonneesChampionnat::TypeChamp, 0);
    const int x = saison.AjouteEquipe("X"), y = saison.AjouteEquipe("Y"), z = saison.AjouteEquipe("Z");
    a->AjouteEquipe(x);
    a->AjouteEquipe(y);
    b->AjouteEquipe(x);
    b->AjouteEquipe(z);
    for (auto* g : {a.get(), b.get()}) {
        g->SetNbMatch(1);
        g->SetNbJournees(1);
    }
    a->CreeMatch(1, x, y, 3, 0);
    b->CreeMatch(1, z, x, 1, 2);
    TCalculClassement calcul({a.get(), b.get()}, &saison);
    EXPECT_EQ(calcul.Calcule(clsAttaque, 0, 0), 3);
    EXPECT_EQ(calcul.ValeurLigne(0, 14), x);
    EXPECT_EQ(calcul.ValeurLigne(0, 2), 5);
    EXPECT_EQ(calcul.ValeurLigne(0, 4), 2);
    EXPECT_EQ(calcul.ValeurLigne(1, 14), z);
    EXPECT_EQ(calcul.ValeurLigne(2, 14), y);
    EXPECT_EQ(calcul.ValeurLigne(3, 14), 0);   // past the row count
}
