#include <gtest/gtest.h>

#include "model/ChampionnatFootRugby.h"
#include "platform/rtl/StringList.h"
#include "tests/support/ChampionnatBuilder.h"

namespace {
constexpr uint8_t Ligue = TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeNational;
constexpr uint8_t Coupe = TDonneesChampionnat::TypeCoupe | TDonneesChampionnat::TypeInternational;

void Ajoute(TDonneesChampionnat& c, int type, int n, int32_t joueur, int equipe, int minute, uint16_t drapeaux = 0)
{
    c.ListeDonnees(type, n)->Ajoute(std::make_unique<TDonneesEvt>(joueur, equipe, minute, drapeaux));
}
}   // namespace

TEST(FootRugby, SportConstantsAndDefaults)
{
    TSaisonEssai sf(0), sr(1);
    auto f = sf.CreeChampionnat(Ligue, 0);
    auto r = sr.CreeChampionnat(Ligue, 0);
    int t, rp, p, per;
    f->ParamsSport(t, rp, p, per);
    EXPECT_EQ(std::vector<int>({t, rp, p, per}), std::vector<int>({11, 3, 15, 45}));
    EXPECT_EQ(f->NbTitulaire(), 11);
    EXPECT_EQ(f->NbRemp(), 3);
    EXPECT_EQ(f->TempsPeriode, 45);
    r->ParamsSport(t, rp, p, per);
    EXPECT_EQ(std::vector<int>({t, rp, p, per}), std::vector<int>({15, 7, 10, 40}));
    EXPECT_EQ(r->TempsPeriodeProlongation, 10);
    EXPECT_EQ(r->NbJournee, 1);
    f->OptionsParDefaut();
    r->OptionsParDefaut();
    const int foot[] = {3, 0, 0, -2, -3, 3, 1, 0}, rugby[] = {51, 0, 0, -1, -2, 2, 1, 0};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(static_cast<int16_t>(f->Option(19 + i)), foot[i]);
        EXPECT_EQ(static_cast<int16_t>(r->Option(19 + i)), rugby[i]);
    }
    EXPECT_EQ(f->TypesDonnees(), std::vector<uint8_t>({2, 3, 4}));
    EXPECT_EQ(r->TypesDonnees(), std::vector<uint8_t>({2, 3, 6, 5, 7}));
    EXPECT_EQ(f->ChampBonusDefensif(), 1);
    EXPECT_EQ(r->ChampBonusDefensif(), 0);
    EXPECT_NE(dynamic_cast<TDonneesChampionnatRugby*>(r.get()), nullptr);
}

TEST(FootRugby, FootballEventScoresAndBonus)
{
    TChampionnatEssai c(0, 4, Ligue, 1);
    c->CreeMatch(1, 0, 1, 2, 1);
    c->CreeMatch(1, 2, 3, 0, 0);
    Ajoute(*c, 2, 1, 10, 0, 12);
    Ajoute(*c, 2, 1, 11, 0, 50);
    Ajoute(*c, 2, 1, 20, 1, 0);                  // no minute
    Ajoute(*c, 2, 1, 21, 1, 70, evtHorsScore);   // does not count
    Ajoute(*c, 3, 1, 30, 2, 0);                  // booking without minute
    Ajoute(*c, 2, 1, 99, 7, 3);                  // team not in the championship
    std::vector<int> scores;
    std::vector<uint8_t> drapeaux;
    std::string texte = "?";
    c->ScoresEvenements(1, scores, texte, drapeaux);
    EXPECT_EQ(scores, std::vector<int>({2, 1, 0, 0}));
    EXPECT_EQ(drapeaux, std::vector<uint8_t>({1, 0, 0, 1}));
    EXPECT_EQ(texte, "");   // no language file loaded

    c->BonusBut = 1;
    int32_t bonus[2] = {9, 9};
    c->BonusOffensif(1, 1, 0, 1, bonus);
    EXPECT_EQ(bonus[0], 1);   // 2 and 1 both reach the threshold
    EXPECT_EQ(bonus[1], 1);
    c->BonusBut = 2;
    c->BonusOffensif(1, 1, 0, 1, bonus);
    EXPECT_EQ(bonus[0], 1);
    EXPECT_EQ(bonus[1], 0);
    c->BonusBut = 1;
    c->SetQualifieMatch(1, 2, 3, false);   // 0 with the flag: no bonus
    c->BonusOffensif(1, 2, 2, 3, bonus);
    EXPECT_EQ(bonus[0], 0);
    EXPECT_EQ(bonus[1], 0);
    c->BonusOffensif(1, 5, 2, 3, bonus);
    EXPECT_EQ(bonus[0] + bonus[1], 0);

    // The completeness report of the matchday.
    int nb = 0;
    auto rapport = c->VerifieJournee(1, nb);
    EXPECT_EQ(nb, 2);
    // Each match: a team with an event without minute, line-ups not entered.
    EXPECT_EQ(rapport->Count(), 4);
    c->Penalites().AjoutePenalite(0, 1, 2, 1, 1);   // a forfeit is skipped
    rapport = c->VerifieJournee(1, nb);
    EXPECT_EQ(nb, 1);
}

TEST(FootRugby, RugbyEventScoresInIntegers)
{
    TChampionnatEssai c(1, 4, Ligue, 1);
    c->CreeMatch(1, 0, 1, 10, 265);
    Ajoute(*c, 2, 1, 1, 0, 5);
    Ajoute(*c, 6, 1, 1, 0, 6);
    Ajoute(*c, 5, 1, 2, 0, 30);
    for (int i = 0; i < 53; ++i)
        Ajoute(*c, 2, 1, 3, 1, 1 + i % 80);   // 265 points: beyond a byte
    Ajoute(*c, 7, 1, 4, 2, 0);                // a drop without minute
    std::vector<int> scores(4, 0);
    std::vector<uint8_t> drapeaux(4, 1);
    std::string texte;
    c->ScoresEvenements(1, scores, texte, drapeaux);
    EXPECT_EQ(scores[0], 10);
    EXPECT_EQ(scores[1], 265);
    EXPECT_EQ(scores[2], 3);
    EXPECT_EQ(drapeaux, std::vector<uint8_t>({1, 1, 0, 1}));
    int nb;
    auto rapport = c->VerifieJournee(1, nb);
    EXPECT_EQ(nb, 1);
    for (int i = 0; i < rapport->Count(); ++i)
        EXPECT_EQ(rapport->Strings(i).find(c.saison->NomEquipe(0) + " - " + c.saison->NomEquipe(1)), 0u);
    // The scores agree with the events (10 and 265); only the line-ups are missing.
    EXPECT_EQ(rapport->Count(), 1);

    c->BonusBut = 4;
    Ajoute(*c, 2, 1, 1, 0, 20);
    Ajoute(*c, 2, 1, 1, 0, 30);
    int32_t bonus[2];
    c->BonusOffensif(1, 1, 0, 1, bonus);
    EXPECT_EQ(bonus[0], 0);   // three tries
    Ajoute(*c, 2, 1, 1, 0, 40);
    c->BonusOffensif(1, 1, 0, 1, bonus);
    EXPECT_EQ(bonus[0], 1);
    EXPECT_EQ(bonus[1], 1);
    c->BonusOffensif(1, 1, 0, 9, bonus);
    EXPECT_EQ(bonus[1], 0);

    for (int k : {1, 2, 3, 4, 37})
        EXPECT_TRUE(c->ListeClassementJoueur(1, k)) << k;
    EXPECT_EQ(c->ListeClassementJoueur(1, 2)->Nombre(), 1);
    EXPECT_EQ(c->ListeClassementJoueur(1, 38), nullptr);
    EXPECT_EQ(c->ListesDonnees(1).size(), 5u);
    EXPECT_EQ(c->ListesDonnees(1)[2], c->ListeDonnees(6, 1));

    // Removing a team's data also clears the rugby lists.
    c->SupprimeDonneesEquipe(0, 1, true);
    EXPECT_EQ(c->ListeDonnees(6, 1)->Nombre(), 0);
    EXPECT_EQ(c->ListeDonnees(5, 1)->Nombre(), 0);
    EXPECT_EQ(c->ListeDonnees(7, 1)->Nombre(), 1);
    c->RemplaceJoueurs({{4, 40}});
    EXPECT_EQ(c->ListeDonnees(7, 1)->Donnee(0)->IdJoueur(), 40);
}

TEST(FootRugby, RugbyLeagueAndCupBuiltAndReadBack)
{
    TChampionnatEssai ligue(1, 6, Ligue, 10);
    GenereCalendrier(*ligue);
    for (int n = 1; n <= 10; ++n)
        EXPECT_EQ(ligue->Journee(n)->NbMatchs(), 3);
    ligue->SetScoreMatch(6, 0, 0, 30);
    ligue->SetScoreMatch(6, 0, 1, 12);
    EXPECT_EQ(ligue->ValeurMatch(6, 2), 30);
    EXPECT_EQ(ligue->ValeurMatch(6, 4), 12);
    EXPECT_EQ(ligue->CalculeDerniereJournee(), 6);
    const int p = ligue->IndexEquipe(ligue->ValeurMatch(6, 1));
    for (int s = 1; s <= 15; ++s)
        ligue->SetJoueurTitulaire(6, p, s, 1000 + s);
    for (int r = 1; r <= 7; ++r) {
        ligue->SetValeurRemplacement(6, p, r, 1, 1000 + r);
        ligue->SetValeurRemplacement(6, p, r, 3, 2000 + r);
        ligue->SetValeurRemplacement(6, p, r, 5, 40 + r);
    }
    EXPECT_EQ(ligue->ValeurRemplacement(6, p, 7, 3), 2007);
    EXPECT_EQ(ligue->NoteJoueur(6, p, 22), 255);
    EXPECT_EQ(ligue->NoteJoueur(6, p, 23), -1);
    ligue->SetNbRemp(2);   // filled records stay
    EXPECT_EQ(ligue->MatchEquipePosition(6, p)->NbRemp(), 7);
    EXPECT_EQ(ligue->Match(1, 1)->NbRemp(), 2);

    TChampionnatEssai coupe(1, 8, Coupe, 0);
    const TInfoTourCoupe tours[] = {{1, 4, 2}, {2, 2, 1}, {3, 1, 1}};
    coupe->CreeToursCoupe(tours);
    coupe->PetiteFinale = true;
    ASSERT_EQ(coupe->NbJour(), 4);
    for (int m = 0; m < 4; ++m)
        coupe->CreeMatch(1, coupe->IdEquipe(2 * m), coupe->IdEquipe(2 * m + 1), 65535, 65535);
    // Four matchdays: matchdays 3 and 4 take the reversed pairs of 1 and 2.
    EXPECT_TRUE(coupe->GenereMatchsRetour(false));
    EXPECT_EQ(coupe->ValeurMatch(3, 1), coupe->IdEquipe(1));
    coupe->CreeMatch(1, 0, 1, 20, 20);
    coupe->AjoutePenalty(1, 0, 1, 5, 4);
    coupe->SetQualifieMatch(1, 0, 1, false);
    EXPECT_EQ(coupe->QualifieMatch(1, 0, 1), 0);
    EXPECT_EQ(coupe->ValeurMatch(1, 2), 20);
    EXPECT_EQ(coupe->Penalty(1, 0, 1)->s1, 5);
    EXPECT_EQ(coupe->NbMatchJournee(4), 2);
    coupe->SetOption(11, 0);
    EXPECT_TRUE(coupe->EstCoupe());
}

// A missed kick kept in the rugby scoring list is no try: it gives no points
// to the event score of the matchday check and does not count for the bonus.
TEST(FootRugby, RugbyMissedKickIsNoTry)
{
    TChampionnatEssai c(1, 2, Ligue, 1);
    c->CreeMatch(1, 0, 1, 15, 0);
    for (int m : {5, 20, 30})
        Ajoute(*c, 2, 1, 1, 0, m);
    Ajoute(*c, 2, 1, 2, 0, 0, evtHorsScore);
    std::vector<int> scores;
    std::vector<uint8_t> drapeaux;
    std::string texte;
    c->ScoresEvenements(1, scores, texte, drapeaux);
    EXPECT_EQ(scores[0], 15);
    c->BonusBut = 4;
    int32_t bonus[2] = {9, 9};
    c->BonusOffensif(1, 1, 0, 1, bonus);
    EXPECT_EQ(bonus[0], 0);
    c->BonusBut = 3;
    c->BonusOffensif(1, 1, 0, 1, bonus);
    EXPECT_EQ(bonus[0], 1);
}
