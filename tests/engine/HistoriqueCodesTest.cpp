// History files and championship codes: a file keeps 16 bits of its code, its
// name the whole code. Every code a championship can hold finds its own file
// after the folder is read again, among files whose 16 bits agree; a new file
// never replaces one already there.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "engine/historique.h"

namespace {

struct DossierCodes
{
    std::filesystem::path chemin;
    DossierCodes()
    {
        std::string modele = (std::filesystem::temp_directory_path() / "bzcodesXXXXXX").string();
        chemin = mkdtemp(modele.data());
    }
    ~DossierCodes() { std::filesystem::remove_all(chemin); }
};

std::string Octets(const std::string& nom)
{
    std::ifstream in(nom, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

}  // namespace

TEST(HistoriqueCodes, EveryCodeFindsItsOwnFileAfterReading)
{
    DossierCodes d;
    const std::string dossier = d.chemin.string();
    // (code, sport): 67000 and 1464 share their 16 bits, so do 1 and 65537;
    // -5 and 65531 too.
    const std::pair<int32_t, int> codes[] = {{67000, 0}, {1464, 0}, {1, 0},      {65537, 0},
                                             {-5, 0},    {65531, 0}, {67000, 2}, {2147483647, 1}};
    {
        TStats stats;
        for (const auto& [code, sport] : codes) {
            TStat* s = stats.AjouteStat(dossier, code, sport);
            // each file tells itself by its one team's name
            s->IdEquipe("Equipe " + std::to_string(code));
            ASSERT_TRUE(s->Sauve()) << code;
        }
    }
    TStats relus;
    relus.ChargeDossier(dossier);
    ASSERT_EQ(relus.Nombre(), static_cast<int>(std::size(codes)));
    for (const auto& [code, sport] : codes) {
        SCOPED_TRACE(code);
        const TStat* s = relus.ChercheStat(code, sport);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->NomIndex(0), "Equipe " + std::to_string(code));
    }
}

TEST(HistoriqueCodes, ANewFileNeverReplacesOneAlreadyThere)
{
    DossierCodes d;
    const std::string dossier = d.chemin.string();
    TStats premiers;
    TStat* ancien = premiers.AjouteStat(dossier, 67000, 0);
    ancien->IdEquipe("Ancienne");
    ASSERT_TRUE(ancien->Sauve());
    const std::string octets = Octets(ancien->NomFichier);

    // A list that does not know the file (not read, or read before it was
    // made) adds the same championship: a file of its own beside it.
    TStats autres;
    TStat* nouveau = autres.AjouteStat(dossier, 67000, 0);
    EXPECT_NE(nouveau->NomFichier, ancien->NomFichier);
    ASSERT_TRUE(nouveau->Sauve());
    EXPECT_EQ(Octets(ancien->NomFichier), octets);
    TStat* troisieme = autres.AjouteStat(dossier, 67000, 0);
    EXPECT_NE(troisieme->NomFichier, nouveau->NomFichier);
    EXPECT_NE(troisieme->NomFichier, ancien->NomFichier);

    TStats relus;
    relus.ChargeDossier(dossier);
    ASSERT_EQ(relus.Nombre(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(relus.Stat(i)->IdChampionnat, 67000);
        EXPECT_EQ(relus.Stat(i)->Sport, 0);
    }
}
