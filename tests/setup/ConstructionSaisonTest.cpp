// The competitions tree built from the composition window's entry list:
// every form of line, two divisions of one code, a file imported, a file that
// cannot be read (nothing changes), a recomposed season whose left-out
// championship leaves it while the kept ones keep their competition data.
#include <gtest/gtest.h>

#include <fstream>

#include "files/TraiteurFichier.h"
#include "model/Barrage.h"
#include "model/Championnat.h"
#include "model/DescTree.h"
#include "model/MultiSport.h"
#include "model/Saison.h"
#include "platform/rtl/Files.h"
#include "tests/shell/SaisonEssai.h"

using namespace essai;

namespace {

std::unique_ptr<TDonneesChampionnat> Ligue(TSaison& s, int32_t code, int32_t division)
{
    auto c = s.CreeChampionnat(TDonneesChampionnat::TypeChamp | TDonneesChampionnat::TypeNational, 0);
    c->CodeChamp = code;
    c->SetCodeDivision(division);
    c->AjouteEquipe(s.AjouteEquipe("Equipe " + std::to_string(code), -1, 0, true));
    return c;
}

// "level name" of every node below the root, depth first.
std::vector<std::string> Arbre(const TSaison& s)
{
    std::vector<std::string> v;
    s.Arbre().Parcours(false, [&](TDescNoeud& n) {
        v.push_back(std::to_string(n.Niveau()) + " " + n.Nom() +
                    (n.Championnat() ? " c" + std::to_string(n.Championnat()->CodeChamp) : "") +
                    (n.Barrage() ? " b" : ""));
    });
    return v;
}

TEST(ConstructionSaison, EveryFormOfLine)
{
    const std::string dir = Prepare("setup_construit");
    const std::string fichier = EcritSaison(MakePath(dir, "sauvegarde\\source.xmd"), 0);
    auto s = TMultiSport::CreeSaison(0);
    TDonneesChampionnat* a = s->AjouteChampionnat(Ligue(*s, 1, 1), false);
    TDonneesChampionnat* b = s->AjouteChampionnat(Ligue(*s, 2, 1), false);
    TDonneesChampionnat* perdu = s->AjouteChampionnat(Ligue(*s, 3, 2), false);
    TListeBarrages barrages;
    barrages.push_back(std::make_unique<TDonneesBarrage>());
    barrages.back()->Code = 1 | 0x8000;
    TListObj oa{"", 1, 0, 1, 1, a, nullptr}, ob{"", 1, 0, 2, 2, b, nullptr}, of{fichier, 1, 0, -1, 4, nullptr, nullptr};
    const TListeEntrees l = {
        {1, "#1", nullptr, nullptr},        {2, "#1", nullptr, nullptr},          {3, "#1", &oa, nullptr},
        {2, "#1", nullptr, nullptr},        {3, "#1", &ob, nullptr},              {2, "#32769#Barrage", nullptr, nullptr},
        {2, "#-1#-----", nullptr, nullptr}, {1, "Mes championnats", nullptr, nullptr},
        {2, "Ma division", nullptr, nullptr}, {3, "Importé", &of, nullptr},
    };
    ASSERT_TRUE(TTraiteurFichier::ConstruitSaison(*s, l, 0, "", barrages));
    (void)perdu;
    EXPECT_EQ(Arbre(*s), (std::vector<std::string>{"1 #1", "2 #1", "3 #1 c1", "2 #1", "3 #1 c2", "2 #32769#Barrage b",
                                                   "2 #-1#-----", "1 Mes championnats", "2 Ma division",
                                                   "3 Importé c4"}));
    EXPECT_TRUE(barrages.empty());
    EXPECT_EQ(s->ChampionnatCourant(), a);
    EXPECT_EQ(s->Arbre().ChampionnatParCode(4)->NbEquipe(), 6);
    EXPECT_EQ(s->Arbre().ChampionnatParCode(3), nullptr);
}

TEST(ConstructionSaison, UnreadableFileNamedAndNothingChanged)
{
    const std::string dir = Prepare("setup_illisible");
    const std::string fichier = MakePath(dir, "sauvegarde\\abime.xmd");
    std::ofstream(fichier) << "pas une archive";
    auto s = TMultiSport::CreeSaison(0);
    TDonneesChampionnat* a = s->AjouteChampionnat(Ligue(*s, 1, 1), false);
    TListObj oa{"", 1, 0, 1, 1, a, nullptr}, of{fichier, 1, 0, -1, 2, nullptr, nullptr};
    const TListeEntrees l = {{1, "#1", nullptr, nullptr}, {2, "#1", nullptr, nullptr}, {3, "#1", &oa, nullptr},
                             {3, "#1", &of, nullptr}};
    const auto avant = Arbre(*s);
    std::vector<std::string> textes;
    RepondBoite(mrOk, &textes);
    TListeBarrages barrages;
    EXPECT_FALSE(TTraiteurFichier::ConstruitSaison(*s, l, 0, "", barrages));
    ASSERT_EQ(textes.size(), 1u);
    EXPECT_NE(textes[0].find("abime.xmd"), std::string::npos);
    EXPECT_EQ(Arbre(*s), avant);
}

TEST(ConstructionSaison, RecomposedSeasonKeepsDataDropsTheRest)
{
    auto s = TMultiSport::CreeSaison(0);
    TDescNoeud* n1 = s->Arbre().AjouteChampionnat("#1", "#1", Ligue(*s, 1, 1), "#1");
    s->Arbre().AjouteChampionnat("#2", "#2", Ligue(*s, 2, 2), "#1");
    n1->CreeDonneesCompetition()->Arbitres = {7, 9};
    s->SelectionneChampionnat(2);
    TListObj o1{"", 1, 0, 0, 1, nullptr, n1->DonneesCompetition()};
    const TListeEntrees l = {{1, "#1", nullptr, nullptr}, {2, "#1", nullptr, nullptr}, {3, "#1", &o1, nullptr},
                             {3, "#1", &o1, nullptr}};
    TListeBarrages barrages;
    ASSERT_TRUE(TTraiteurFichier::CompleteSaison(*s, l, 0, "", barrages));
    // The championship filed once; the one no line names has left; the
    // current one went with it, so the first is current.
    EXPECT_EQ(Arbre(*s), (std::vector<std::string>{"1 #1", "2 #1", "3 #1 c1"}));
    ASSERT_NE(s->ChampionnatCourant(), nullptr);
    EXPECT_EQ(s->ChampionnatCourant()->CodeChamp, 1);
    const TDescNoeud* n = s->Arbre().NoeudParCode(1, true);
    ASSERT_NE(n->DonneesCompetition(), nullptr);
    EXPECT_EQ(n->DonneesCompetition()->Arbitres, (std::vector<int32_t>{7, 9}));
}

}  // namespace
