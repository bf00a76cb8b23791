// A season opened from "x.xmd" is saved as "x.xmc": when that name already
// holds another season, neither the save command nor the auto-save replaces
// it unless the user agrees in the save-as dialog.
#include <gtest/gtest.h>

#include "platform/gui/Dialogs.h"
#include "platform/sys/WinInet.h"
#include "shell/Aide.h"
#include "tests/setup/CreationEssai.h"

using namespace essai;

namespace {

std::string Octets(const std::string& fichier)
{
    std::string s;
    ReadFileBytes(fichier, s);
    return s;
}

uint8_t SportFichier(const std::string& fichier)
{
    uint8_t etat = 0;
    auto s = TTraiteurFichier::Charger(fichier, "", "", {}, EnsembleSport(4), etat, true);
    return s ? s->Sport() : 255;
}

}  // namespace

TEST(SauvegardeAutreFichier, ASeasonOpenedFromAnotherExtensionNeverReplacesTheOtherFileUnasked)
{
    SetInternetConnectedStateOverride(0);
    const std::string dir = Prepare("sauve_xmd");
    auto f = LanceFenetre();
    CreeSaison(*f, 0);
    ASSERT_NE(f->Saison, nullptr);
    const std::string cree = NomFichierCourant;
    ASSERT_TRUE(FileExists(cree));
    f->Reponses = {mrNo};
    Commande(*f, 9);
    ASSERT_EQ(f->Saison, nullptr);

    // The football season made above as "modele.xmd", beside a rugby season
    // "modele.xmc" that has nothing to do with it.
    const std::string xmd = MakePath(dir, "sauvegarde/modele.xmd");
    const std::string xmc = EcritSaison(MakePath(dir, "sauvegarde/modele.xmc"), 1);
    ASSERT_TRUE(RenameFile(cree, xmd));
    const std::string autre = Octets(xmc);
    f->OpenFile(xmd);
    ASSERT_NE(f->Saison, nullptr);
    ASSERT_EQ(f->Sport, 0);

    struct TCas
    {
        const char* nom;
        bool commande;       // command 7, else an auto-save tick
        bool dialogueValide; // the save-as dialog confirmed with the name it offers
        int remplace;        // the answer to "replace?" (0: not asked)
        bool remplacee;      // the other file holds this season afterwards
    };
    const TCas cas[] = {
        {"auto-save", false, false, 0, false},
        {"save, dialog cancelled", true, false, 0, false},
        {"save, replacing refused", true, true, mrNo, false},
        {"save, replacing agreed", true, true, mrYes, true},
    };
    for (const TCas& c : cas) {
        SCOPED_TRACE(c.nom);
        f->Saison->ChampionnatCourant()->SetOption(8, 123);
        f->SignaleModification();
        int dialogues = 0;
        std::string propose;
        kit::AnswerDialogs([&](TCommonDialog& d) {
            ++dialogues;
            if (auto* s = dynamic_cast<TSaveDialog*>(&d); s && dialogues == 1)
                propose = s->FileName;
            return c.dialogueValide && dialogues == 1;
        });
        if (c.remplace)
            kit::AnswerMessages({c.remplace});
        if (c.remplacee)
            RepondBoite(mrOk);   // "saved"
        if (c.commande)
            Commande(*f, 7);
        else
            f->t_AutoSave->OnTimer(f->t_AutoSave);
        kit::Process(20);
        kit::ResetAnswers();
        kit::ForgetModalActions();
        if (c.commande) {
            EXPECT_EQ(propose, xmc);
        } else {
            EXPECT_EQ(dialogues, 0);
        }
        if (c.remplacee) {
            EXPECT_EQ(SportFichier(xmc), 0);
            EXPECT_EQ(NomFichierCourant, xmc);
            EXPECT_EQ(ModifSaison, 0);
        } else {
            EXPECT_TRUE(Octets(xmc) == autre);
            EXPECT_EQ(SportFichier(xmc), 1);
            EXPECT_EQ(NomFichierCourant, xmd);
            EXPECT_EQ(ModifSaison, 1);
        }
    }
    // Without another file beside it, the season takes the ".xmc" name at once.
    f->Reponses = {mrNo};
    Commande(*f, 9);
    const std::string seul = MakePath(dir, "sauvegarde/seul.xmd");
    ASSERT_TRUE(RenameFile(xmc, seul));
    f->OpenFile(seul);
    ASSERT_NE(f->Saison, nullptr);
    RepondBoite(mrOk);
    Commande(*f, 7);
    kit::ForgetModalActions();
    EXPECT_EQ(NomFichierCourant, MakePath(dir, "sauvegarde/seul.xmc"));
    EXPECT_EQ(SportFichier(NomFichierCourant), 0);
    TermineFenetre(f);
    SetInternetConnectedStateOverride(-1);
    FermeAides();
}
