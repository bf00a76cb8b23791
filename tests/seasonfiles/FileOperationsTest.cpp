// The small file operations: the last file and the recent-file call-back, the
// copy of a picture folder, the stadiums of another season.
#include <gtest/gtest.h>

#include "files/TraiteurFichier.h"
#include "model/Stades.h"
#include "platform/rtl/IniFiles.h"
#include "tests/seasonfiles/FichiersEssai.h"

using namespace fichiers;

TEST(OperationsFichier, OnlyASeasonFileBecomesTheLastFileAndARecentFile)
{
    Dossier d;
    const std::string ini = d / "brivantel.ini";
    std::vector<std::string> rappels;
    const TRappelFichier rappel = [&](const std::string& f) { rappels.push_back(f); };

    TTraiteurFichier::ApresFichier(d / "ligue.xmd", ini, rappel);
    EXPECT_FALSE(FileExists(ini));
    EXPECT_TRUE(rappels.empty());

    TTraiteurFichier::ApresFichier(d / "SAISON.XMC", ini, rappel);
    EXPECT_EQ(TIniFile(ini).ReadString("General", "LastFile", ""), d / "SAISON.XMC");
    ASSERT_EQ(rappels.size(), 1u);
    EXPECT_EQ(rappels[0], d / "SAISON.XMC");

    // Neither a settings path nor a call-back: nothing happens.
    TTraiteurFichier::ApresFichier(d / "b.xmc", "", nullptr);
    EXPECT_EQ(TIniFile(ini).ReadString("General", "LastFile", ""), d / "SAISON.XMC");
}

TEST(OperationsFichier, CopyingAFolderOntoItselfKeepsItsPictures)
{
    Dossier d;
    const std::string source = d / "pict/saison";
    ASSERT_TRUE(ForceDirectories(source));
    Ecrit(source + "/joueur_1_Dupont.jpg", "photo 1");
    Ecrit(source + "/stade_2_Bollaert.jpg", "photo 2");

    // The same folder under other names: nothing is touched.
    EXPECT_TRUE(TTraiteurFichier::CopieDossier(source + "/", source + "/"));
    EXPECT_TRUE(TTraiteurFichier::CopieDossier(source + "/", d / "pict/../pict/saison/"));
    EXPECT_TRUE(TTraiteurFichier::CopieDossier(source + "/", d / "pict/./saison//"));
    std::filesystem::create_directory_symlink(source, d / "lien");
    EXPECT_TRUE(TTraiteurFichier::CopieDossier(source + "/", d / "lien/"));
    EXPECT_EQ(ListFiles(source, "*").size(), 2u);
    EXPECT_EQ(Lit(source + "/joueur_1_Dupont.jpg"), "photo 1");

    // Another folder: emptied, then a copy of the source's files.
    const std::string cible = d / "pict/nouvelle";
    ASSERT_TRUE(ForceDirectories(cible));
    Ecrit(cible + "/ancienne.jpg", "vieille photo");
    EXPECT_TRUE(TTraiteurFichier::CopieDossier(source + "/", cible + "/"));
    const auto fichiers = ListFiles(cible, "*");
    ASSERT_EQ(fichiers.size(), 2u);
    EXPECT_EQ(fichiers[0].Name, "joueur_1_Dupont.jpg");
    EXPECT_EQ(Lit(cible + "/stade_2_Bollaert.jpg"), "photo 2");
    EXPECT_EQ(ListFiles(source, "*").size(), 2u);

    // A target that does not exist yet is created with its parents.
    EXPECT_TRUE(TTraiteurFichier::CopieDossier(source + "/", d / "a/b/c/"));
    EXPECT_EQ(ListFiles(d / "a/b/c", "*").size(), 2u);
}

TEST(OperationsFichier, AStadiumOfAnotherSeasonIsFoundOrCopiedWithItsCountryMapped)
{
    auto cible = Saison(1);
    auto source = Saison(1);
    EXPECT_EQ(TTraiteurFichier::AjouteStade(*cible, nullptr, {}), nullptr);

    // The same id: the target's own stadium.
    TStade* commun = cible->Stades().NouveauStade("Stade commun", "Ville");
    auto meme = std::make_unique<TStade>("Autre nom", 100, "Ailleurs");
    meme->Code = commun->Code;
    EXPECT_EQ(TTraiteurFichier::AjouteStade(*cible, meme.get(), {}), commun);

    // A new id: a copy with the same id, the country mapped by the table.
    const std::vector<uint16_t> table = {7, 8, 9};
    auto nouveau = std::make_unique<TStade>("Nouveau", 5000, "Loin");
    nouveau->Code = 40;
    nouveau->CodePays = 2;
    const int avant = cible->Stades().NbStade();
    TStade* copie = TTraiteurFichier::AjouteStade(*cible, nouveau.get(), table);
    ASSERT_NE(copie, nullptr);
    EXPECT_NE(copie, nouveau.get());
    EXPECT_EQ(copie->Code, 40);
    EXPECT_EQ(copie->CodePays, 9);
    EXPECT_EQ(copie->Capacite, 5000);
    EXPECT_EQ(cible->Stades().NbStade(), avant + 1);
    EXPECT_EQ(cible->Stades().ChercheStade(40), copie);

    // A country the table does not cover is kept; no country stays none.
    auto horsTable = std::make_unique<TStade>("Horizon", 10, "Bout");
    horsTable->Code = 41;
    horsTable->CodePays = 3;
    EXPECT_EQ(TTraiteurFichier::AjouteStade(*cible, horsTable.get(), table)->CodePays, 3);
    auto sansPays = std::make_unique<TStade>("Nulle part", 10, "Rien");
    sansPays->Code = 42;
    EXPECT_EQ(TTraiteurFichier::AjouteStade(*cible, sansPays.get(), table)->CodePays, TStade::Aucun);

    // Identical to a stadium the target holds under another id: that one.
    auto double_ = std::make_unique<TStade>("Stade commun", 0, "Ville");
    double_->Code = 43;
    EXPECT_EQ(TTraiteurFichier::AjouteStade(*cible, double_.get(), table), commun);
}
