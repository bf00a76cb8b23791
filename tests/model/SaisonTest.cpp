#include <gtest/gtest.h>

#include "model/Saison.h"
#include "platform/rtl/Strings.h"
#include "tests/support/ChampionnatBuilder.h"

TEST(Saison, TeamIdsAndNames)
{
    TSaisonEssai s;
    EXPECT_EQ(s.AjouteEquipe("Lens"), 0);
    EXPECT_EQ(s.ProchainIdEquipe(), 1);
    EXPECT_EQ(s.AjouteEquipe("Lille", 10), 10);
    EXPECT_EQ(s.ProchainIdEquipe(), 11);
    EXPECT_EQ(s.AjouteEquipe("Caen"), 11);
    EXPECT_EQ(s.AjouteEquipe(""), -1);
    EXPECT_EQ(s.AjouteEquipe("Double", 10), -1);      // id in use
    EXPECT_EQ(s.AjouteEquipe("Trop", 65535), -1);     // not a team id
    EXPECT_EQ(s.AjouteEquipe("Trop", 65536), -1);
    EXPECT_EQ(s.NbEquipe(), 3);
    EXPECT_EQ(s.AjouteEquipe(L1("SAINT-ÉTIENNE")), 12);
    // The check flag finds a name that differs only in case and accents.
    EXPECT_EQ(s.AjouteEquipe(L1("Saint-Etienne"), -1, 0, true), 12);
    EXPECT_EQ(s.ChercheEquipe(L1("saint-étienne")), 12);
    EXPECT_EQ(s.NbEquipe(), 4);
    EXPECT_EQ(s.IdEquipe(1), 10);
    EXPECT_EQ(s.IdEquipe(4), -1);
    EXPECT_EQ(s.NomEquipeIndex(-1), "");
    EXPECT_EQ(s.NomEquipe(11), "Caen");
    EXPECT_EQ(s.NomEquipe(5), "");
    s.RenommeEquipe(11, "SM Caen");
    s.SetLogoEquipe(11, 77);
    EXPECT_EQ(s.NomEquipe(11), "SM Caen");
    EXPECT_EQ(s.LogoEquipe(11), 77);
    EXPECT_EQ(s.LogoEquipe(5), 0);
    s.SupprimeEquipe(10);
    EXPECT_EQ(s.NbEquipe(), 3);
    // A free id below the counter can be taken again; the counter stays.
    EXPECT_EQ(s.AjouteEquipe("Brest", 10), 10);
    EXPECT_EQ(s.AjouteEquipe("Metz"), 13);
}

TEST(Saison, CategoriesAndFullNames)
{
    TChampionnatEssai c(0, 2, TDonneesChampionnat::TypeChamp, 0);
    TSaison& s = *c.saison;
    s.SetCategorie(5, "Espoirs", "Esp");
    s.SetCategorie(2, "Seniors", "");
    s.SetCategorie(9, "Dames", "F");
    ASSERT_EQ(s.NbCategorie(), 3);
    EXPECT_EQ(s.CategorieIndex(0)->Id, 2);
    EXPECT_EQ(s.CategorieIndex(2)->Id, 9);
    EXPECT_EQ(s.CategorieIndex(3), nullptr);
    s.SetCategorie(5, "Espoirs", "U21");
    EXPECT_EQ(s.NbCategorie(), 3);
    EXPECT_EQ(s.NomCategorie(4), "");
    c->SetCategorieEquipe(0, 5);
    c->SetCategorieEquipe(1, 2);
    EXPECT_EQ(s.NomEquipeCourant(c->IdEquipe(0)), "Equipe 0 U21");
    EXPECT_EQ(s.NomEquipeCourant(c->IdEquipe(1)), "Equipe 1");   // no short name
    EXPECT_EQ(s.NomEquipePosition(0), "Equipe 0 U21");
    EXPECT_EQ(s.NomEquipeComplet(c->IdEquipe(0), nullptr), "Equipe 0");
    // Deleted, it leaves the teams and the default of the season's
    // championships; the other teams keep theirs.
    TDonneesChampionnat* k = s.Arbre().AjouteChampionnat("L1", "L1", std::move(c.champ), "France")->Championnat();
    k->SetCategorieDef(5);
    k->SetCategorieEquipe(1, 2);
    s.SupprimeCategorie(5);
    EXPECT_EQ(s.NomEquipePosition(0), "Equipe 0");
    EXPECT_EQ(k->CategorieEquipe(0), 0);
    EXPECT_EQ(k->CategorieDef(), 0);
    EXPECT_EQ(k->CategorieEquipe(1), 2);
    s.SetOptionSauvegarde(1, 3);
    s.SetOptionSauvegarde(2, 3);
    EXPECT_EQ(s.OptionSauvegarde(1), 3);
    EXPECT_EQ(s.OptionSauvegarde(2), 0);
}

TEST(Saison, MatchDataChangesFlagTheStatistics)
{
    TChampionnatEssai c(0, 2, TDonneesChampionnat::TypeChamp, 1);
    c->CreeMatch(1, 0, 1, 1, 0);
    c.saison->SetStatsCalculees(true);
    c->ListeButeurs(1)->Ajoute(std::make_unique<TDonneesEvt>(3, 0, 10, 0));
    EXPECT_FALSE(c.saison->StatsCalculees());
    c.saison->SetStatsCalculees(true);
    c->SetNoteJoueur(1, 0, 1, 6);
    EXPECT_FALSE(c.saison->StatsCalculees());
}
