// The main window offscreen: first and second launch, the start dialogs, the
// about box, the tip of the day, the help window, closing.
#include <gtest/gtest.h>

#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/Strings.h"
#include "platform/sys/WinInet.h"
#include "shell/Aide.h"
#include "shell/ModesMenu.h"
#include "shell/VueHtml.h"
#include "shell/w_AboutBox.h"
#include "shell/w_AideHtml.h"
#include "shell/w_AstuceJour.h"
#include "shell/w_ChoixLangue.h"
#include "shell/w_ParamIntro.h"
#include "shell/w_Principale.h"
#include "tests/shell/Programme.h"
#include "tests/support/gui/GuiKit.h"
#include "ui/Bouton.h"

namespace {

std::vector<std::string> Noeuds(TTreeView* tv)
{
    std::vector<std::string> r;
    for (TTreeNode* n = tv->Items().GetFirstNode(); n; n = n->GetNext())
        r.push_back(std::string(n->Level(), '.') + n->Text());
    return r;
}

bool Contient(const std::vector<std::string>& v, const std::string& s)
{
    return std::find(v.begin(), v.end(), s) != v.end();
}

class FenetrePrincipale : public ::testing::Test
{
protected:
    void SetUp() override { SetInternetConnectedStateOverride(0); }
    void TearDown() override
    {
        SetInternetConnectedStateOverride(-1);
        InstalleVisionneuseAide();
        FermeAides();
    }
};

}  // namespace

TEST_F(FenetrePrincipale, FirstLaunchAsksLanguageThenSettingsThenTipAndWritesThem)
{
    const std::string dir = essai::PrepareProgramme("premier");
    std::vector<std::string> vus;
    kit::WhenModal([&](TForm* f) {
        vus.push_back(f->Name());
        auto* d = dynamic_cast<Tf_ChoixLangue*>(f);
        ASSERT_NE(d, nullptr);
        EXPECT_TRUE(d->rc_Francais->Checked());
        kit::GrabToPng(f, "shell_choix_langue");
        kit::Click(d->rc_Anglais);
        kit::Click(d->b_Valider);
    });
    kit::WhenModal([&](TForm* f) {
        vus.push_back(f->Name());
        auto* d = dynamic_cast<Tf_ParamIntro*>(f);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->cb_modes->ItemIndex(), 3);
        EXPECT_EQ(d->cb_modes->Items()[3], "Full");   // the language chosen a moment ago
        EXPECT_TRUE(d->cb_ConnexionSite->Checked());
        kit::GrabToPng(f, "shell_param_intro");
        d->cb_modes->SetItemIndex(1);
        kit::Click(d->cb_ConnexionSite);
        kit::Click(d->b_Valider);
    });
    kit::WhenModal([&](TForm* f) {
        vus.push_back(f->Name());
        auto* d = dynamic_cast<Tf_AstuceJour*>(f);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->m_Astuce->Text(), Traduire(2000));
        kit::GrabToPng(f, "shell_astuce");
        kit::Click(d->bc_Continuer);
    });
    auto f = essai::LanceProgramme();
    EXPECT_EQ(vus, (std::vector<std::string>{"f_ChoixLangue", "f_ParamIntro", "f_AstuceJour"}));
    EXPECT_EQ(Application->Tag, 0);
    EXPECT_EQ(f->Langue, "en");
    // 800 x 600 fills the offscreen screen: the window is maximised.
    EXPECT_EQ(f->WindowState(), wsMaximized);
    EXPECT_TRUE(f->fc_Menu->Visible());
    EXPECT_FALSE(f->Statut->Visible());
    EXPECT_EQ(f->Caption(), "Brivantel Zelvor");
    EXPECT_EQ(f->lb_ModulesCharges->Items().Count(), 4);
    EXPECT_EQ(f->pc_Demarrage->ActivePage(), f->ts_Ouverture);
    EXPECT_EQ(FichierAide(), MakePath(dir, "help/en"));

    TIniFile ini(MakePath(dir, "brivantel.ini"));
    EXPECT_EQ(ini.ReadString("General", "Langue", ""), "en");
    EXPECT_FALSE(ini.ReadBool("General", "FirstLaunch", true));
    EXPECT_EQ(ini.ReadInteger("General", "MenuSimple", -1), 0);
    EXPECT_TRUE(ini.ReadBool("Internet", "connectauto", false));   // news not wanted: do not connect
    EXPECT_TRUE(f->cb_ConnectDemarre->Checked());
    EXPECT_EQ(ini.ReadString("General", "FavorisEx", ""), ListeModeMenu(1));
    EXPECT_EQ(ini.ReadInteger("General", "nAstuce", 0), 1);
    EXPECT_TRUE(ini.ReadBool("General", "ShowAstuce", false));

    // The menu of a program without a season: files, settings, help; the
    // supporter mode hides the update check (11).
    const auto noeuds = Noeuds(f->tv_Menu);
    EXPECT_TRUE(Contient(noeuds, "File"));
    EXPECT_TRUE(Contient(noeuds, ".Open..."));
    EXPECT_TRUE(Contient(noeuds, ".Quit"));
    EXPECT_FALSE(Contient(noeuds, ".Check for updates"));
    EXPECT_FALSE(Contient(noeuds, ".Save"));
    EXPECT_FALSE(Contient(noeuds, "Season"));
    EXPECT_TRUE(Contient(noeuds, "Help"));
    EXPECT_TRUE(Contient(noeuds, ".About"));
    kit::GrabToPng(f.get(), "shell_principale_premier");
    essai::TermineProgramme(f);
}

TEST_F(FenetrePrincipale, SecondLaunchGoesStraightToTheWindowWithItsSizeAndRecentFiles)
{
    const std::string dir = essai::PrepareProgramme("second");
    {
        TIniFile ini(MakePath(dir, "brivantel.ini"));
        ini.WriteString("General", "Langue", "fr");
        ini.WriteBool("General", "FirstLaunch", false);
        ini.WriteBool("General", "ShowAstuce", false);
        ini.WriteInteger("General", "Width", 700);
        ini.WriteInteger("General", "Height", 500);
        ini.WriteString("General", "LastFile", "/saisons/ligue.xmc");
        ini.WriteInteger("LastFile", "Count", 3);
        ini.WriteString("LastFile", "File0", "/saisons/ligue.xmc");
        ini.WriteString("LastFile", "File1", "/saisons/coupe 2024.xmc");
        ini.WriteString("LastFile", "File2", "/autres/rugby.xmc");
        ini.WriteString("General", "Favoris", "198-999-197");
    }
    auto f = essai::LanceProgramme();
    // No dialog ran: the tip of the day would have written its index.
    EXPECT_FALSE(TIniFile(MakePath(dir, "brivantel.ini")).ValueExists("General", "nAstuce"));
    EXPECT_FALSE(f->PremiereActivation);
    EXPECT_EQ(f->Width(), 700);
    EXPECT_EQ(f->Height(), 500);
    EXPECT_EQ(f->WindowState(), wsNormal);
    EXPECT_EQ(f->Left(), (Screen->Width() - 700) / 2);
    EXPECT_EQ(f->e_NomFic->Text(), "/saisons/ligue.xmc");
    ASSERT_EQ(f->lb_DerniersFichiers->Items().Count(), 3);
    EXPECT_EQ(f->lb_DerniersFichiers->Items()[1], "/saisons/coupe 2024.xmc");
    EXPECT_EQ(f->Label36->Caption(), "Derniers fichiers ouverts");
    EXPECT_EQ(f->bc_Charger->Caption(), "Charger");
    const auto noeuds = Noeuds(f->tv_Menu);
    EXPECT_TRUE(Contient(noeuds, "Fichier"));
    EXPECT_TRUE(Contient(noeuds, ".Derniers fichiers"));
    EXPECT_TRUE(Contient(noeuds, "..coupe 2024.xmc"));
    EXPECT_TRUE(Contient(noeuds, ".Rechercher une mise à jour" == std::string() ? "" : L1(".Rechercher une mise à jour")));
    // Favourites: the unknown id 999 gets no node and shifts no shortcut.
    EXPECT_TRUE(Contient(noeuds, "Les favoris"));
    EXPECT_TRUE(Contient(noeuds, ".Aide de Brivantel Zelvor (ctrl+1)"));
    EXPECT_TRUE(Contient(noeuds, L1(".À propos (ctrl+3)")));
    // A click on a recent file in the list puts it into the file box.
    const TRect r = f->lb_DerniersFichiers->ItemRect(2);
    kit::Click(f->lb_DerniersFichiers, r.Left + 10, (r.Top + r.Bottom) / 2);
    EXPECT_EQ(f->e_NomFic->Text(), "/autres/rugby.xmc");
    kit::GrabToPng(f.get(), "shell_principale");
    essai::TermineProgramme(f);
}

TEST_F(FenetrePrincipale, AboutTipAndHelpOpen)
{
    const std::string dir = essai::PrepareProgramme("dialogues");
    {
        TIniFile ini(MakePath(dir, "brivantel.ini"));
        ini.WriteString("General", "Langue", "fr");
        ini.WriteBool("General", "FirstLaunch", false);
        ini.WriteBool("General", "ShowAstuce", false);
        ini.WriteInteger("General", "nAstuce", 8);
    }
    auto f = essai::LanceProgramme();
    InstalleVisionneuseAide();

    bool vu = false;
    kit::WhenModal([&](TForm* d) {
        auto* a = dynamic_cast<Tf_AboutBox*>(d);
        ASSERT_NE(a, nullptr);
        vu = true;
        EXPECT_EQ(a->ProductName->Caption(), "Brivantel Zelvor");
        EXPECT_EQ(a->Caption(), L1("À propos"));
        kit::Process(50);
        EXPECT_EQ(a->VersionLabel->Caption(), Traduire(254));
        kit::GrabToPng(d, "shell_apropos");
        kit::Click(a->BoutonCopie1);
    });
    int p = -1;
    f->MenuDispatch("", 197, nullptr, p, true);
    EXPECT_TRUE(vu);

    // Tip 8, then "next" shows tip 0 with n = 9; closing saves 1.
    kit::WhenModal([&](TForm* d) {
        auto* t = dynamic_cast<Tf_AstuceJour*>(d);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->m_Astuce->Text(), Traduire(2008));
        kit::Click(t->bc_suivante);
        EXPECT_EQ(t->m_Astuce->Text(), Traduire(2000));
        kit::Click(t->bc_suivante);
        kit::Click(t->bc_suivante);
        EXPECT_EQ(t->m_Astuce->Lines().Count(), 2);   // tip 2 breaks its line
        EXPECT_EQ(t->m_Astuce->Text().find("%rc"), std::string::npos);
        kit::Click(t->cb_Demarrage);
        kit::Click(t->bc_Continuer);
    });
    f->AfficheAstuce();
    TIniFile ini(MakePath(dir, "brivantel.ini"));
    EXPECT_EQ(ini.ReadInteger("General", "nAstuce", 0), 3);   // n = 11
    EXPECT_FALSE(ini.ReadBool("General", "ShowAstuce", true));

    // The help command opens the contents; a link leads to a topic; back returns.
    f->MenuDispatch("", 198, nullptr, p, true);
    Tf_AideHtml* aide = FenetreAide();
    ASSERT_NE(aide, nullptr);
    kit::Process(50);
    EXPECT_EQ(aide->vh_Page->Titre(), "Sommaire");
    EXPECT_FALSE(aide->b_Precedent->Enabled());
    kit::GrabToPng(aide, "shell_aide_sommaire");
    aide->vh_Page->SuitLien("html/demarrage.htm");
    EXPECT_EQ(aide->vh_Page->Fichier(), MakePath(dir, "help/fr/html/demarrage.htm"));
    EXPECT_TRUE(aide->b_Precedent->Enabled());
    kit::GrabToPng(aide, "shell_aide_page");
    kit::Click(aide->b_Precedent);
    EXPECT_EQ(aide->vh_Page->Titre(), "Sommaire");
    EXPECT_TRUE(aide->b_Suivant->Enabled());
    // A topic of a dialog's help button.
    EXPECT_TRUE(AfficheAide("html/menuopt.htm"));
    EXPECT_EQ(aide->vh_Page->Titre(), "Les options");
    EXPECT_FALSE(AfficheAide("html/absente.htm"));
    // Clicking a link in the view follows it.
    f->Close();
    essai::TermineProgramme(f);
    EXPECT_EQ(FenetreAide(), nullptr);   // closing the main window closes the help
}

TEST_F(FenetrePrincipale, ClosingWritesTheSettings)
{
    const std::string dir = essai::PrepareProgramme("fermeture");
    {
        TIniFile ini(MakePath(dir, "brivantel.ini"));
        ini.WriteString("General", "Langue", "fr");
        ini.WriteBool("General", "FirstLaunch", false);
        ini.WriteBool("General", "ShowAstuce", false);
        ini.WriteInteger("LastFile", "Count", 2);
        ini.WriteString("LastFile", "File0", "/a.xmc");
        ini.WriteString("LastFile", "File1", "/b.xmc");
    }
    auto f = essai::LanceProgramme();
    f->SetBounds(f->Left(), f->Top(), 820, 610);
    f->DerniersFichiers.Insert(0, "/c.xmc");
    f->Close();
    EXPECT_FALSE(f->Visible());
    essai::TermineProgramme(f);   // the program frees the window after its loop
    TIniFile ini(MakePath(dir, "brivantel.ini"));
    EXPECT_EQ(ini.ReadInteger("General", "Width", 0), 820);
    EXPECT_EQ(ini.ReadInteger("General", "Height", 0), 610);
    EXPECT_EQ(ini.ReadInteger("LastFile", "Count", 0), 3);
    EXPECT_EQ(ini.ReadString("LastFile", "File0", ""), "/c.xmc");
    EXPECT_EQ(Traducteur(), nullptr);
}

TEST_F(FenetrePrincipale, MissingLanguageFileOrTemplateStopsAtActivation)
{
    const std::string dir = essai::PrepareProgramme("arret");
    {
        TIniFile ini(MakePath(dir, "brivantel.ini"));
        ini.WriteString("General", "Langue", "en");
        ini.WriteBool("General", "FirstLaunch", false);
    }
    DeleteFile(MakePath(dir, "texte/Texteen.txt"));
    kit::AnswerMessages({mrOk});
    auto f = essai::LanceProgramme();
    EXPECT_EQ(Application->Tag, 255);
    ASSERT_FALSE(kit::Messages().empty());
    EXPECT_EQ(kit::Messages()[0].Text, "Can't find the file \"" + MakePath(dir, "texte/Texteen.txt") + "\"");
    EXPECT_FALSE(f->Visible());   // closed at its activation
    essai::TermineProgramme(f);

    kit::ResetAnswers();
    TIniFile(MakePath(dir, "brivantel.ini")).WriteString("General", "Langue", "fr");
    DeleteFile(MakePath(dir, "config/Championnathand.fr"));
    kit::AnswerMessages({mrOk});
    f = essai::LanceProgramme();
    EXPECT_EQ(Application->Tag, 255);
    ASSERT_FALSE(kit::Messages().empty());
    EXPECT_NE(kit::Messages()[0].Text.find("Championnathand.fr"), std::string::npos);
    essai::TermineProgramme(f);
    Application->Tag = 0;
}

TEST_F(FenetrePrincipale, LanguageDialogWritesOnlyAChange)
{
    const std::string dir = essai::PrepareProgramme("langue");
    const std::string ini = MakePath(dir, "brivantel.ini");
    TIniFile(ini).WriteString("General", "Langue", "en");
    essai::CreeDessin();
    TOwned<Tf_ChoixLangue> d(new Tf_ChoixLangue(nullptr));
    d->FichierIni = ini;
    kit::RunModal(d.get(), [&](TForm* f) {
        auto* l = static_cast<Tf_ChoixLangue*>(f);
        EXPECT_TRUE(l->rc_Anglais->Checked());
        TIniFile(ini).WriteString("General", "Autre", "1");
        kit::Click(l->b_Valider);
    });
    EXPECT_EQ(TIniFile(ini).ReadString("General", "Langue", ""), "en");

    // First use: no language yet; the choice is written without a word.
    TIniFile(ini).DeleteKey("General", "Langue");
    d.reset(new Tf_ChoixLangue(nullptr));
    d->FichierIni = ini;
    kit::RunModal(d.get(), [&](TForm* f) {
        auto* l = static_cast<Tf_ChoixLangue*>(f);
        EXPECT_TRUE(l->rc_Francais->Checked());
        kit::Click(l->rc_Anglais);
        kit::Click(l->b_Valider);
    });
    EXPECT_EQ(TIniFile(ini).ReadString("General", "Langue", ""), "en");
}
