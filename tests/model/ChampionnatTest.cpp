#include <gtest/gtest.h>

#include <climits>

#include "model/Championnat.h"
#include "tests/support/ChampionnatBuilder.h"

namespace {
constexpr uint8_t Ligue = TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeNational;
constexpr uint8_t Coupe = TDonneesChampionnat::TypeCoupe | TDonneesChampionnat::TypeNational;
}   // namespace

// ---------------------------------------------------------------------------
// Team slots

TEST(Championnat, TeamSlotsReuseFreedSlots)
{
    TChampionnatEssai c(0, 4, Ligue, 0);
    EXPECT_EQ(c->NbEquipe(), 4);
    EXPECT_EQ(c->NbEquipeRemplie(), 4);
    EXPECT_EQ(c->SupprimeEquipe(1, false), 1);
    EXPECT_EQ(c->NbEquipe(), 4);
    EXPECT_EQ(c->NbEquipeRemplie(), 3);
    EXPECT_EQ(c->IndexEquipe(65535), -1);   // a free slot is not a team
    EXPECT_TRUE(c->AjouteEquipe(9));
    EXPECT_EQ(c->IdEquipe(1), 9);
    EXPECT_EQ(c->NbEquipe(), 4);
    // Growing the array leaves free slots that the next team takes.
    c->SetNbEquipe(6);
    EXPECT_EQ(c->NbEquipeRemplie(), 4);
    EXPECT_EQ(c->IdEquipe(5), 65535);
    EXPECT_TRUE(c->AjouteEquipe(10));
    EXPECT_EQ(c->IdEquipe(4), 10);
    EXPECT_EQ(c->NbEquipe(), 6);
    // With compaction the last slot moves in.
    c->SetCategorieEquipe(5, 3);
    c->SetIdEquipe(5, 11);
    EXPECT_EQ(c->SupprimeEquipe(0), 0);
    EXPECT_EQ(c->NbEquipe(), 5);
    EXPECT_EQ(c->IdEquipe(0), 11);
    EXPECT_EQ(c->CategorieEquipe(0), 3);
    EXPECT_EQ(c->IndexEquipe(10), 4);
    EXPECT_FALSE(c->AjouteEquipe(65535));
    EXPECT_FALSE(c->AjouteEquipe(-1));
    c->SetCategorieDef(2);
    for (int i = 0; i < c->NbEquipe(); ++i)
        EXPECT_EQ(c->CategorieEquipe(i), 2);
}

TEST(Championnat, TeamsSortByName)
{
    TChampionnatEssai c(0, 0, Ligue, 0);
    for (const char* n : {"nice", "Bordeaux", "Auxerre", "Metz"})
        c->AjouteEquipe(c.saison->AjouteEquipe(n));
    c->SetCategorieEquipe(0, 7);
    c->TrieEquipes();
    EXPECT_EQ(c.saison->NomEquipe(c->IdEquipe(0)), "Auxerre");
    EXPECT_EQ(c.saison->NomEquipe(c->IdEquipe(2)), "Metz");
    EXPECT_EQ(c.saison->NomEquipe(c->IdEquipe(3)), "nice");
    EXPECT_EQ(c->CategorieEquipe(3), 7);
}

TEST(Championnat, TeamRemovalTakesItsMatchesAndEvents)
{
    TChampionnatEssai c(0, 4, Ligue, 2);
    c->CreeMatch(1, 0, 1, 2, 1);
    c->CreeMatch(1, 2, 3, 0, 0);
    c->ListeButeurs(1)->Ajoute(std::make_unique<TDonneesEvt>(5, 0, 10, 0));
    c->ListeButeurs(1)->Ajoute(std::make_unique<TDonneesEvt>(6, 1, 20, 0));
    c->ListeDonnees(4, 1)->Ajoute(std::make_unique<TDonneesEvt>(7, 1, 20, 0));
    c->ListeButeurs(1)->Ajoute(std::make_unique<TDonneesEvt>(8, 2, 30, 0));
    c->SupprimeEquipe(0);
    EXPECT_EQ(c->Journee(1)->NbMatchs(), 1);
    EXPECT_EQ(c->ListeButeurs(1)->Nombre(), 1);   // the opponent's events go too
    EXPECT_EQ(c->ListeDonnees(4, 1)->Nombre(), 0);
    EXPECT_EQ(c->ValeurMatch(1, 1), 2);
}

// ---------------------------------------------------------------------------
// A football league: fixtures, return legs, scores, states, penalties,
// events and line-ups, all read back through the engine's accessors.

TEST(Championnat, FootballLeagueReadBack)
{
    TChampionnatEssai c(0, 4, Ligue, 6);
    GenereCalendrier(*c);
    for (int n = 1; n <= 6; ++n)
        ASSERT_EQ(c->Journee(n)->NbMatchs(), 2) << n;
    // The return legs swap home and away.
    for (int m = 1; m <= 2; ++m) {
        EXPECT_EQ(c->ValeurMatch(4, 4 * m - 3), c->ValeurMatch(1, 4 * m - 1));
        EXPECT_EQ(c->ValeurMatch(4, 4 * m - 1), c->ValeurMatch(1, 4 * m - 3));
    }
    // Every pairing of the first half exactly once.
    int paires = 0;
    for (int n = 1; n <= 3; ++n)
        for (int m = 1; m <= 2; ++m)
            paires |= 1 << (std::min(c->ValeurMatch(n, 4 * m - 3), c->ValeurMatch(n, 4 * m - 1)) * 4 +
                            std::max(c->ValeurMatch(n, 4 * m - 3), c->ValeurMatch(n, 4 * m - 1)));
    EXPECT_EQ(__builtin_popcount(paires), 6);
    EXPECT_FALSE(c->GenereMatchsRetour(false));   // nothing left to fill

    // Scores, with the flag bit stripped on read.
    const int dom = c->ValeurMatch(1, 1), ext = c->ValeurMatch(1, 3);
    c->SetScoreMatch(1, 0, 0, 2);
    c->SetScoreMatch(1, 0, 1, 0x8001);
    EXPECT_EQ(c->ValeurMatch(1, 2), 2);
    EXPECT_EQ(c->ValeurMatch(1, 4), 1);
    EXPECT_EQ(c->ValeurMatch(1, 6), 65535);
    EXPECT_EQ(c->ValeurMatch(1, 0), 65535);
    EXPECT_EQ(c->ValeurMatch(1, 9), 65535);
    EXPECT_EQ(c->ValeurMatch(7, 1), 65535);
    c->CreeMatch(1, c->ValeurMatch(1, 5), c->ValeurMatch(1, 7), 0, 0);
    EXPECT_EQ(c->ValeurMatch(1, 6), 0);
    EXPECT_EQ(c->NbMatchsJoues(dom), 1);
    EXPECT_EQ(c->CalculeDerniereJournee(), 1);

    // Match states and points.
    c->Penalites().Ajoute(c->ValeurMatch(2, 1), c->ValeurMatch(2, 3), 0, 0, 2, etatReporte);
    c->Penalites().AjoutePoints(dom, -3);
    ASSERT_EQ(c->Penalites().ListeJournee(0).size(), 1u);
    EXPECT_EQ(c->Penalites().ListeJournee(0)[0]->Type, penalitePointsRetires);
    EXPECT_EQ(c->Penalites().Cherche(c->ValeurMatch(2, 1), c->ValeurMatch(2, 3), 2)->Type, etatReporte);

    // Events of every kind.
    c->ListeButeurs(1)->Ajoute(std::make_unique<TDonneesEvt>(101, dom, 12, 0));
    c->ListeButeurs(1)->Ajoute(std::make_unique<TDonneesEvt>(102, dom, 80, evt100));
    c->ListeButeurs(1)->Ajoute(std::make_unique<TDonneesEvt>(201, ext, 90, 0));
    c->ListeAvertis(1)->Ajoute(std::make_unique<TDonneesEvt>(103, dom, 30, 0));
    c->ListeAvertis(1)->Ajoute(std::make_unique<TDonneesEvt>(202, ext, 60, evtRouge));
    c->ListeDonnees(4, 1)->Ajoute(std::make_unique<TDonneesEvt>(104, dom, 12, 0));
    EXPECT_EQ(c->ListeButeurs(1)->Nombre(), 3);
    EXPECT_EQ(c->ListeAvertis(1)->CompteEquipe(ext, 3, false), 1);
    EXPECT_EQ(c->ListeDonnees(4, 1)->Donnee(0)->IdJoueur(), 104);
    EXPECT_EQ(c->ListeDonnees(5, 1)->Nombre(), 0);   // the shared empty list
    EXPECT_EQ(c->ListeDonnees(5, 1), c->ListeDonnees(6, 2));
    EXPECT_EQ(c->ListeDonnees(2, 9), nullptr);
    auto buteurs = c->ListeClassementJoueur(1, 1);
    ASSERT_TRUE(buteurs);
    EXPECT_EQ(buteurs->Nombre(), 3);
    EXPECT_EQ(c->ListeClassementJoueur(1, 37)->Nombre(), 2);
    EXPECT_EQ(c->ListeClassementJoueur(1, 38)->Nombre(), 1);
    EXPECT_EQ(c->ListeClassementJoueur(1, 2), nullptr);
    EXPECT_EQ(c->ListeClassementJoueur(9, 1), nullptr);
    EXPECT_EQ(c->ListesDonnees(1).size(), 3u);
    EXPECT_TRUE(c->ListesDonnees(9).empty());

    // Line-up with a substitution, ratings, captain.
    const int p = c->IndexEquipe(dom);
    c.saison->SetStatsCalculees(true);
    for (int s = 1; s <= 11; ++s)
        c->SetJoueurTitulaire(1, p, s, 100 + s);
    EXPECT_FALSE(c.saison->StatsCalculees());
    c->SetValeurRemplacement(1, p, 1, 1, 111);
    c->SetValeurRemplacement(1, p, 1, 3, 120);
    c->SetValeurRemplacement(1, p, 1, 5, 75);
    c->SetNoteJoueur(1, p, 12, 7);
    c->SetCompositionSaisie(1, p);
    c->SetCapitaine(1, p, 104);
    EXPECT_EQ(c->JoueurTitulaire(1, p, 11), 111);
    EXPECT_EQ(c->ValeurRemplacement(1, p, 1, 3), 120);
    EXPECT_EQ(c->ValeurRemplacement(1, p, 1, 5), 75);
    EXPECT_EQ(c->NoteJoueur(1, p, 12), 7);
    EXPECT_TRUE(c->CompositionSaisie(1, p));
    EXPECT_EQ(c->Capitaine(1, p), 104);
    EXPECT_EQ(c->MatchEquipePosition(1, p)->Cote(dom), 0);
    c.saison->AjouteJoueur(101, "A", "Un", 1);
    c.saison->AjouteJoueur(111, "B", "Onze", 4);
    c.saison->AjouteJoueur(120, "C", "Vingt", 4);
    EXPECT_EQ(c->TexteComposition(1, p), "A Un - B Onze (C Vingt 75\xB0)");

    // Replacing a player everywhere.
    c->RemplaceJoueurs({{111, 500}, {104, 501}});
    EXPECT_EQ(c->JoueurTitulaire(1, p, 11), 500);
    EXPECT_EQ(c->ValeurRemplacement(1, p, 1, 1), 500);
    EXPECT_EQ(c->ListeDonnees(4, 1)->Donnee(0)->IdJoueur(), 501);
    EXPECT_EQ(c->ListeAvertis(1)->Donnee(0)->IdJoueur(), 103);
    EXPECT_EQ(c->Capitaine(1, p), 501);

    // Per-match values.
    c->SetAffluenceMatch(1, 1, 12000);
    c->SetCommentaireMatch(1, 1, "Pluie");
    c->SetTempsAddMatch(1, 1, 2, 4);
    c->SetOfficielMatch(1, 1, 2, 33);
    c->SetArbitreMatch(1, 1, 31);
    c->SetNoteArbitreMatch(1, 1, 6);
    c->SetNoteMatch(1, 1, 3);
    c->SetDateMatch(1, 1, 0x14040307);
    c->SetStadeMatch(1, 1, 9);
    EXPECT_EQ(c->AffluenceMatch(1, 1), 12000);
    EXPECT_EQ(c->CommentaireMatch(1, 1), "Pluie");
    EXPECT_EQ(c->TempsAddMatch(1, 1, 1), -1);
    EXPECT_EQ(c->TempsAddMatch(1, 1, 2), 4);
    EXPECT_EQ(c->ArbitreMatch(1, 1), 31);
    EXPECT_EQ(c->OfficielMatch(1, 1, 2), 33);
    EXPECT_EQ(c->NoteArbitreMatch(1, 1), 6);
    EXPECT_EQ(c->NoteMatch(1, 1), 3);
    EXPECT_EQ(c->DateMatch(1, 1), 0x14040307u);
    EXPECT_EQ(c->StadeMatch(1, 1), 9);

    // Clearing line-ups flags the statistics.
    c.saison->SetStatsCalculees(true);
    const int positions[] = {p};
    c->EffaceCompositions(1, positions, 0);
    EXPECT_FALSE(c.saison->StatsCalculees());
    EXPECT_FALSE(c->CompositionSaisie(1, p));
    EXPECT_EQ(c->JoueurTitulaire(1, p, 1), 0);
}

TEST(Championnat, CreeMatchReplacesOtherPairingsAndKeepsThePlace)
{
    TChampionnatEssai c(0, 6, Ligue, 1);
    c->CreeMatch(1, 0, 1, 65535, 65535);
    c->CreeMatch(1, 2, 3, 65535, 65535);
    c->CreeMatch(1, 4, 5, 65535, 65535);
    c->ListeButeurs(1)->Ajoute(std::make_unique<TDonneesEvt>(1, 2, 10, 0));
    // 2 against 5: the matches 2-3 and 4-5 go, the events stay.
    TInfoComp* m = c->CreeMatch(1, 2, 5, 1, 65535);
    ASSERT_TRUE(m);
    ASSERT_EQ(c->Journee(1)->NbMatchs(), 2);
    EXPECT_EQ(c->ValeurMatch(1, 5), 2);
    EXPECT_EQ(c->ValeurMatch(1, 6), 1);
    EXPECT_EQ(c->ValeurMatch(1, 8), 65535);
    EXPECT_EQ(c->ListeButeurs(1)->Nombre(), 1);
    // On an existing match only the set scores are written.
    EXPECT_EQ(c->CreeMatch(1, 2, 5, 65535, 3), m);
    EXPECT_EQ(c->ValeurMatch(1, 6), 1);
    EXPECT_EQ(c->ValeurMatch(1, 8), 3);
    // An explicit key is honoured.
    c->Journee(1)->Match(0)->SetCleOrdre(4);
    c->Journee(1)->Match(1)->SetCleOrdre(8);
    c->CreeMatch(1, 3, 4, 65535, 65535, 6);
    EXPECT_EQ(c->ValeurMatch(1, 5), 3);
    EXPECT_EQ(c->CreeMatch(1, 65535, 4, 0, 0), nullptr);
    EXPECT_EQ(c->CreeMatch(1, 3, -1, 0, 0), nullptr);
    // Removing a match takes the data of both teams.
    c->SupprimeMatch(1, 5, 2);
    EXPECT_EQ(c->Journee(1)->NbMatchs(), 2);
    EXPECT_EQ(c->ListeButeurs(1)->Nombre(), 0);
}

TEST(Championnat, QualifiedSideNeedsBothScores)
{
    TChampionnatEssai c(0, 4, Coupe, 0);
    const TInfoTourCoupe tour{1, 2, 1};
    c->CreeToursCoupe(std::span(&tour, 1));
    c->CreeMatch(1, 0, 1, 65535, 65535);
    c->CreeMatch(1, 2, 3, 1, 65535);
    c->SetQualifieMatch(1, 0, 1, false);
    c->SetQualifieMatch(1, 2, 3, true);
    EXPECT_EQ(c->ValeurMatch(1, 2), 65535);
    EXPECT_EQ(c->ValeurMatch(1, 6), 1);
    EXPECT_EQ(c->ValeurMatch(1, 8), 65535);   // never 32767
    EXPECT_EQ(c->QualifieMatch(1, 2, 3), 2);
    c->CreeMatch(1, 2, 3, 65535, 1);
    c->SetQualifieMatch(1, 2, 3, true);
    EXPECT_EQ(c->QualifieMatch(1, 2, 3), 1);
    EXPECT_EQ(c->ValeurMatch(1, 8), 1);
    c->SetQualifieMatch(1, 2, 3, false);
    EXPECT_EQ(c->QualifieMatch(1, 2, 3), 0);
    EXPECT_EQ(c->Match(1, 2)->Score(0), 0x8001);
    EXPECT_EQ(c->Match(1, 2)->Score(1), 1);
    EXPECT_EQ(c->QualifieMatch(1, 3, 2), 2);
    EXPECT_EQ(c->QualifieMatch(2, 2, 3), 2);
    c->AjoutePenalty(1, 2, 3, 4, 3);
    EXPECT_EQ(c->Penalty(1, 2, 3)->s2, 3);
    EXPECT_EQ(c->Penalty(2, 2, 3), nullptr);
    c->SupprimePenalty(1, 2, 3);
    EXPECT_EQ(c->Penalty(1, 2, 3), nullptr);
}

TEST(Championnat, CupRoundsMatchdaysAndNextMatches)
{
    TChampionnatEssai c(1, 8, Coupe, 0);
    const TInfoTourCoupe tours[] = {{1, 4, 1}, {2, 2, 2}, {3, 1, 7}, {4, 1, 9}};
    c->CreeToursCoupe(tours);
    EXPECT_EQ(c->NbJour(), 10);
    ASSERT_EQ(c->NbToursCoupe(), 10);
    EXPECT_EQ(c->TourCoupe(0)->TypeMatch, 1u);
    EXPECT_EQ(c->TourCoupe(1)->TypeMatch, 2u | 64);
    EXPECT_EQ(c->TourCoupe(2)->TypeMatch, 2u | 128);
    EXPECT_EQ(c->TourCoupe(3)->TypeMatch, 7u | 16);
    EXPECT_EQ(c->TourCoupe(9)->TypeMatch, 7u | 208);
    EXPECT_EQ(c->TourCoupe(9)->nTour, 3);
    EXPECT_EQ(c->TourCoupe(10), nullptr);
    EXPECT_EQ(c->NbMatchJournee(1), 4);
    EXPECT_EQ(c->NbMatchJournee(2), 2);
    EXPECT_EQ(c->NbMatchJournee(10), 1);
    EXPECT_EQ(c->NbMatchJournee(11), 0);
    c->PetiteFinale = true;
    EXPECT_EQ(c->NbMatchJournee(10), 2);
    EXPECT_EQ(c->NbMatchJournee(9), 1);
    c->NbJournee = 10;
    EXPECT_EQ(c->NbMatchCourant(), 1);
    c->NbJournee = 0;
    EXPECT_EQ(c->NbMatchCourant(), 0);
    c->SetNbMatch(5);   // ignored for a cup
    EXPECT_EQ(c->NbMatch(), 0);

    // Kind 3: the second leg carries 192.
    const TInfoTourCoupe t3{5, 1, 3};
    TChampionnatEssai d(0, 2, Coupe, 0);
    d->CreeToursCoupe(std::span(&t3, 1));
    EXPECT_EQ(d->TourCoupe(1)->TypeMatch, 3u | 192);

    // Where the winners go next; entries compare on their whole low byte.
    c->AjouteMatchSuivant(0, 5, 65535);
    c->AjouteMatchSuivant(2, 65535, 6);
    c->AjouteMatchSuivant(4, 65535, 65535);   // nothing
    c->AjouteMatchSuivant(40, 7, 8);
    EXPECT_EQ(c->NbMatchsSuiv(), 3);
    EXPECT_EQ(c->EquipeMatchSuivant(0), 5);
    EXPECT_EQ(c->EquipeMatchSuivant(1), 6);
    EXPECT_EQ(c->EquipeMatchSuivant(2), -3);
    EXPECT_EQ(c->EquipeMatchSuivant(20), 7);   // slot 40: beyond 4 bits
    EXPECT_EQ(c->EquipeMatchSuivant(21), -4);
    EXPECT_EQ(c->MatchSuivant(1), 1u | (6u << 8));
}

TEST(Championnat, MatchesPerMatchdayOfALeague)
{
    TChampionnatEssai c(0, 6, Ligue, 2);
    EXPECT_EQ(c->NbMatchJournee(1), 3);
    c->CreeMatch(1, 0, 1, 65535, 65535);
    c->SetOption(11, 8 | 4);
    EXPECT_EQ(c->NbMatchJournee(1), 1);
    EXPECT_EQ(c->NbMatchJournee(2), 0);
    EXPECT_EQ(c->NbMatchCourant(), 3);
}

TEST(Championnat, ReturnLegsWithShift)
{
    TChampionnatEssai c(0, 4, Ligue, 6);
    c->CreeMatch(1, 0, 1, 65535, 65535);
    c->CreeMatch(2, 0, 2, 65535, 65535);
    c->CreeMatch(3, 0, 3, 65535, 65535);
    c->CreeMatch(5, 3, 0, 65535, 65535);   // already set: left alone
    EXPECT_TRUE(c->GenereMatchsRetour(true));
    EXPECT_EQ(c->ValeurMatch(4, 1), 2);   // from matchday 2
    EXPECT_EQ(c->ValeurMatch(5, 1), 3);
    EXPECT_EQ(c->ValeurMatch(5, 3), 0);
    EXPECT_EQ(c->ValeurMatch(6, 1), 1);   // the last from matchday 1
    EXPECT_EQ(c->ValeurMatch(6, 3), 0);
}

TEST(Championnat, BandsCodesOptionsGroups)
{
    TChampionnatEssai c(0, 4, Ligue, 0);
    c->SetTranche(0, 1, 3);
    c->SetTranche(5, 17, 20);
    c->SetTranche(0, 1, 2);
    c->SetTranche(2, 4, 4);
    EXPECT_EQ(c->NbTranches(), 3);
    int d, f;
    c->Tranche(1, d, f);
    EXPECT_EQ(d, 17);
    EXPECT_EQ(f, 20);
    c->Tranche(3, d, f);
    EXPECT_EQ(d, 0);
    EXPECT_EQ(f, 0);
    c->SupprimeTranches(1, -1);
    EXPECT_EQ(c->NbTranches(), 1);

    c->SetCodeDivision(1000);
    EXPECT_EQ(c->Division, 1000);
    EXPECT_EQ(c->CodeDivision(), 1000);
    c->SetCodeDivision(1001);
    EXPECT_EQ(c->Division, 0);
    EXPECT_EQ(c->CodePerso, 1);
    EXPECT_EQ(c->CodeDivision(), 1001);

    EXPECT_EQ(c->Option(22), 0xFFFE);   // football default -2
    EXPECT_EQ(static_cast<int16_t>(c->Option(23)), -3);
    c->SetOption(128 + 26, 9);           // masked to 26
    EXPECT_EQ(c->Option(26), 9);
    c->SetOption(27, 5);
    c->SetOption(127, 5);
    EXPECT_EQ(c->Option(27), 0);
    EXPECT_EQ(c->Option(127), 0);
    EXPECT_EQ(c->Option(-1), 0);
    c->SetOptionArbitre(4, 60);
    c->SetOptionArbitre(5, 1);
    EXPECT_EQ(c->OptionArbitre(4), 60);
    EXPECT_EQ(c->OptionArbitre(5), 0);
    EXPECT_EQ(c->OptionArbitre(132), 60);

    auto g = std::make_unique<TGroupeEquipe>();
    g->NomGroupe = "A+B";
    EXPECT_TRUE(g->AjouteEquipe(0));
    EXPECT_FALSE(g->AjouteEquipe(0));
    EXPECT_FALSE(g->AjouteEquipe(65535));
    g->AjouteEquipe(2);
    TGroupeEquipe* groupe = c->AjouteGroupe(std::move(g));
    EXPECT_EQ(c->NbGroupes(), 1);
    EXPECT_EQ(groupe->Equipe(1), 2);
    EXPECT_EQ(groupe->Equipe(2), -1);
    EXPECT_EQ(c->Groupe(1), nullptr);
}

TEST(Championnat, MatchdayCountNeverFallsBehindItsMatchdays)
{
    TChampionnatEssai c(0, 4, Ligue, 2);
    c->SetDateJournee(3, 0);
    EXPECT_EQ(c->NbJour(), 3);
    c->MatchEquipes(5, 0, 1, true, 0);
    EXPECT_EQ(c->NbJour(), 5);
    EXPECT_EQ(c->ValeurMatch(5, 1), 0);
    c->SetNbJournees(2);
    EXPECT_EQ(c->Journees().Nombre(), 2);
    c->SetNbJournees(1000);
    EXPECT_EQ(c->NbJour(), 255);
}

TEST(Championnat, NextDefinedMatch)
{
    TChampionnatEssai c(0, 8, Ligue, 1);
    int n = 0;
    EXPECT_EQ(MatchSuivantDefini(*c, n), 5);   // 4 matches, none defined
    c->CreeMatch(1, 0, 1, 65535, 65535);
    c->CreeMatch(1, 2, 3, 65535, 65535);
    c->CreeMatch(1, 4, 5, 65535, 65535);
    c->Match(1, 2)->SetIdEquipe(1, 65535);
    n = 2;
    EXPECT_EQ(MatchSuivantDefini(*c, n), 2);
    EXPECT_EQ(n, 3);
    n = 4;
    EXPECT_EQ(MatchSuivantDefini(*c, n), 2);   // 4 is absent, wraps to 1
    EXPECT_EQ(n, 1);
    n = INT_MAX;
    EXPECT_EQ(MatchSuivantDefini(*c, n), 2);
    EXPECT_EQ(n, 1);
}

// ---------------------------------------------------------------------------
// Out-of-range arguments answer neutral values and never crash.

TEST(Championnat, OutOfRangeArgumentsAnswerNeutralValues)
{
    TChampionnatEssai c(0, 4, Ligue, 2);
    c->CreeMatch(1, 0, 1, 1, 0);
    for (int n : {INT_MIN, -1, 0, 3, 255, 256, INT_MAX}) {
        SCOPED_TRACE(n);
        EXPECT_EQ(c->ValeurMatch(n, 1), 65535);
        EXPECT_EQ(c->Journee(n), nullptr);
        EXPECT_EQ(c->DateJournee(n), 0u);
        EXPECT_EQ(c->AffluenceMatch(n, 1), -1);
        EXPECT_EQ(c->CommentaireMatch(n, 1), "");
        EXPECT_EQ(c->TempsAddMatch(n, 1, 1), -1);
        EXPECT_EQ(c->ArbitreMatch(n, 1), -1);
        EXPECT_EQ(c->OfficielMatch(n, 1, 2), -1);
        EXPECT_EQ(c->NoteArbitreMatch(n, 1), 0);
        EXPECT_EQ(c->NoteMatch(n, 1), 0);
        EXPECT_EQ(c->DateMatch(n, 1), 0u);
        EXPECT_EQ(c->StadeMatch(n, 1), 0);
        EXPECT_EQ(c->JoueurTitulaire(n, 0, 1), 0);
        EXPECT_EQ(c->NoteJoueur(n, 0, 1), -1);
        EXPECT_EQ(c->ValeurRemplacement(n, 0, 1, 1), 0);
        EXPECT_FALSE(c->CompositionSaisie(n, 0));
        EXPECT_EQ(c->TexteComposition(n, 0), "");
        EXPECT_EQ(c->ListeDonnees(2, n), nullptr);
        EXPECT_EQ(c->QualifieMatch(n, 0, 1), 2);
        EXPECT_EQ(c->Penalty(n, 0, 1), nullptr);
        EXPECT_EQ(c->NbMatchJournee(n), 2);
        EXPECT_EQ(c->MatchEquipe(n, 0), nullptr);
        c->SetScoreMatch(n, 0, 0, 5);
        c->SetAffluenceMatch(n, 1, 5);
        c->SetJoueurTitulaire(n, 0, 1, 5);
        c->SetQualifieMatch(n, 0, 1, true);
        c->AjoutePenalty(n, 0, 1, 1, 1);
        c->VideJournee(n);
        c->SupprimeMatch(n, 0, 1);
        c->AffecteEquipesJournee(n);
        int tries;
        EXPECT_EQ(c->VerifieJournee(n, tries)->Count(), 0);
    }
    for (int m : {INT_MIN, -1, 0, 2, INT_MAX}) {
        EXPECT_EQ(c->AffluenceMatch(1, m), -1);
        EXPECT_EQ(c->StadeMatch(1, m), 0);
        c->SetCommentaireMatch(1, m, "x");
        EXPECT_EQ(c->ValeurMatch(1, m < 1 || m == INT_MAX ? m : m + 3), 65535);
    }
    for (int p : {INT_MIN, -1, 4, 255, INT_MAX}) {
        EXPECT_EQ(c->IdEquipe(p), -1);
        EXPECT_EQ(c->CategorieEquipe(p), 0);
        EXPECT_EQ(c->JoueurTitulaire(1, p, 1), 0);
        EXPECT_EQ(c->Capitaine(1, p), 0);
        EXPECT_EQ(c->SupprimeEquipe(p), -1);
        c->SetIdEquipe(p, 3);
        c->SetCategorieEquipe(p, 3);
        c->SetJoueurTitulaire(1, p, 1, 9);
    }
    for (int slot : {INT_MIN, -1, 0, 12, 257, INT_MAX}) {
        EXPECT_EQ(c->JoueurTitulaire(1, 0, slot), 0);
        c->SetJoueurTitulaire(1, 0, slot, 9);
    }
    for (int id : {INT_MIN, -1, 65535, 65536, INT_MAX})
        EXPECT_EQ(c->IndexEquipe(id), -1);
    EXPECT_EQ(c->TempsAddMatch(1, 1, 3), -1);
    EXPECT_EQ(c->OfficielMatch(1, 1, 4), -1);
    EXPECT_EQ(c->NoteOfficielMatch(1, 1, 0), 0);
    EXPECT_EQ(c->TourCoupe(-1), nullptr);
    EXPECT_EQ(c->MatchSuivant(3), 0u);
    EXPECT_EQ(c->EquipeMatchSuivant(INT_MAX), -1);
    int d = 1, f = 1;
    c->Tranche(INT_MIN, d, f);
    EXPECT_EQ(d + f, 0);
    c->SupprimeTranches(5, 2);
    c->SetNbEquipe(-5);
    EXPECT_EQ(c->NbEquipe(), 0);
    c->SetNbEquipe(1000);
    EXPECT_EQ(c->NbEquipe(), 255);
    EXPECT_TRUE(c->AjouteEquipe(3));   // into the first free slot
    EXPECT_EQ(c->IdEquipe(0), 3);
    EXPECT_EQ(c->NbEquipeRemplie(), 1);
    // The match of matchday 1 is intact.
    EXPECT_EQ(c->ValeurMatch(1, 1), 0);
    EXPECT_EQ(c->ValeurMatch(1, 2), 1);
}
