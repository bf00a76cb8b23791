// Season files through the real road: the progress window, its worker thread,
// the document framing and the archive, for the four sports; every load status;
// saves that fail and leave the previous file as it was.
#include <gtest/gtest.h>

#include "files/ChargeurSaison.h"
#include "files/TraiteurFichier.h"
#include "files/w_EtatSauve.h"
#include "model/Championnat.h"
#include "model/DescTree.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/Thread.h"
#include "tests/seasonfiles/FichiersEssai.h"
#include "tests/support/gui/GuiKit.h"

using namespace fichiers;

namespace {

const std::string Dll = "Dll\\";

class SaisonFichier : public ::testing::Test
{
protected:
    void SetUp() override { Environnement(); }
    void TearDown() override { TChargeurXmp::QuestionSport = nullptr; }

    // Saves through the progress window; true when the file was written.
    bool Sauve(TSaison& s, const std::string& fichier, int* modif = nullptr)
    {
        return TTraiteurFichier::Sauver(fichier, &s, modif, Dll, "", nullptr, nullptr, false);
    }
    std::unique_ptr<TSaison> Charge(const std::string& fichier, uint8_t& etat,
                                    TEnsembleSports sports = EnsembleSport(sportTous), bool verifie = true)
    {
        return TTraiteurFichier::Charger(fichier, Dll, "", nullptr, sports, etat, verifie);
    }

    Dossier dossier;
};

}  // namespace

TEST_F(SaisonFichier, EachSportRoundTripsThroughTheThreadsAndTheWindow)
{
    for (int sport = 0; sport < 4; ++sport) {
        SCOPED_TRACE(sport);
        auto s = Saison(sport);
        const bool avecChampionnats = s->ChampionnatCourant() != nullptr;
        const std::string fichier = dossier / ("saison" + IntToStr(sport) + ".xmc");
        int modif = 1;
        ASSERT_TRUE(Sauve(*s, fichier, &modif));
        EXPECT_EQ(modif, 0);
        const std::string membre = Membre(fichier);
        EXPECT_EQ(membre, Document(*s));

        uint8_t etat = 99;
        auto lu = Charge(fichier, etat, EnsembleSport(sportTous), avecChampionnats);
        ASSERT_EQ(etat, etatCharge);
        ASSERT_TRUE(lu);
        EXPECT_EQ(lu->Sport(), sport);
        EXPECT_EQ(Document(*lu), membre);
    }
}
