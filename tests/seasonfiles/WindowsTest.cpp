// The windows of the season files: the save options, the sport question and
// the progress window, driven as a user does and grabbed to pictures.
#include <gtest/gtest.h>

#include "files/w_ChoixLogiciel.h"
#include "files/w_EtatSauve.h"
#include "files/w_OptionsSauve.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/StdCtrls.h"
#include "platform/sys/HtmlHelp.h"
#include "tests/seasonfiles/FichiersEssai.h"
#include "tests/support/gui/GuiKit.h"
#include "ui/Bouton.h"

using namespace fichiers;

namespace {

class FenetresFichier : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Environnement();
        saison = TMultiSport::CreeSaison(0);
        saison->SetOptionSauvegarde(0, 10);
        saison->SetOptionSauvegarde(1, 1);
        options.reset(new Tf_OptionSauve(nullptr));
        options->ChangeCouleurs(Dessin->Couleurs);
        options->ChangeSaison(saison.get());
    }
    int Valide(const std::function<void(Tf_OptionSauve*)>& action)
    {
        return kit::RunModal(options.get(), [&](TForm*) {
            action(options.get());
            kit::Click(options->b_Valider);
        });
    }

    std::unique_ptr<TSaison> saison;
    TOwned<Tf_OptionSauve> options;
};

}  // namespace

TEST_F(FenetresFichier, SaveOptionsShowTheSeasonsOptionsInTheirTexts)
{
    Tf_OptionSauve* f = options.get();
    EXPECT_EQ(f->Caption(), Traduire(834));
    EXPECT_EQ(f->cc_SauveAuto->Caption(), Traduire(1047));
    EXPECT_EQ(f->ts_Sauvegarde->Caption(), Traduire(1050));
    EXPECT_EQ(f->b_Aide->Caption(), Traduire(787));
    // The edit box follows the check box's caption.
    EXPECT_EQ(f->Edit12->Left(), f->cc_SauveAuto->Left() + f->cc_SauveAuto->Width() + 10);
    EXPECT_EQ(f->ud_TempsAuto->Left(), f->Edit12->Left() + 27);
    EXPECT_EQ(f->Label26->Left(), f->Edit12->Left() + 50);

    kit::ShowForm(f);
    EXPECT_TRUE(f->cc_SauveAuto->Checked());
    EXPECT_EQ(f->Edit12->Text(), "10");
    EXPECT_TRUE(f->cc_ConserveSauve->Checked());
    kit::GrabToPng(f, "OptionSauve");
    f->Close();
}

TEST_F(FenetresFichier, HelpOpensTheOptionsTopicOfTheHelpFile)
{
    struct Visionneuse : THtmlHelpViewer
    {
        std::string page;
        bool ShowTopic(const std::string& p) override
        {
            page = p;
            return true;
        }
        void CloseAll() override {}
    } v;
    Dossier aide;
    ASSERT_TRUE(ForceDirectories(aide / "html"));
    Ecrit(aide / "html/menuopt.htm", "<html></html>");
    RegisterHtmlHelpViewer(&v);
    LoadHtmlHelp();
    options->FichierAide = aide.Chemin();
    EXPECT_EQ(kit::RunModal(options.get(), [&](TForm*) {
                  kit::Click(options->b_Aide);
                  kit::Click(options->b_Annuler);
              }),
              mrCancel);
    UnloadHtmlHelp();
    RegisterHtmlHelpViewer(nullptr);
    EXPECT_EQ(v.page, HtmlHelpPage(aide.Chemin() + "::/html/menuopt.htm"));
    EXPECT_NE(v.page.find("menuopt.htm"), std::string::npos);
    EXPECT_EQ(saison->OptionSauvegarde(0), 10);
}

TEST_F(FenetresFichier, ValidatingWithoutChangeReportsNothing)
{
    EXPECT_EQ(Valide([](Tf_OptionSauve*) {}), mrOk);
    EXPECT_EQ(options->Tag, 0);
    EXPECT_EQ(saison->OptionSauvegarde(0), 10);
    EXPECT_EQ(saison->OptionSauvegarde(1), 1);
}

TEST_F(FenetresFichier, UncheckingAutoSaveStoresZeroAndStopsTheTimer)
{
    EXPECT_EQ(Valide([](Tf_OptionSauve* f) {
                  kit::Click(f->cc_SauveAuto);
                  kit::Click(f->cc_ConserveSauve);
              }),
              mrOk);
    EXPECT_EQ(options->Tag, 1);
    EXPECT_EQ(saison->OptionSauvegarde(0), 0);
    EXPECT_EQ(saison->OptionSauvegarde(1), 0);

    TTimer timer(nullptr);
    timer.SetEnabled(true);
    AppliqueSauvegardeAuto(timer, *saison);
    EXPECT_FALSE(timer.Enabled());
    saison->SetOptionSauvegarde(0, 3);
    AppliqueSauvegardeAuto(timer, *saison);
    EXPECT_TRUE(timer.Enabled());
    EXPECT_EQ(timer.Interval(), 180000u);
}

TEST_F(FenetresFichier, CheckingAutoSaveOnASeasonWithoutItProposesTenMinutes)
{
    saison->SetOptionSauvegarde(0, 0);
    EXPECT_EQ(Valide([](Tf_OptionSauve* f) {
                  EXPECT_FALSE(f->cc_SauveAuto->Checked());
                  EXPECT_EQ(f->Edit12->Text(), "10");
                  kit::Click(f->cc_SauveAuto);
              }),
              mrOk);
    EXPECT_EQ(saison->OptionSauvegarde(0), 10);
    EXPECT_EQ(options->Tag, 1);
}

TEST_F(FenetresFichier, TheIntervalIsBoundedSoThatItNeverOverflows)
{
    // Typed past the largest value the season can keep: the key that takes
    // the figure past it is refused, what the box shows is stored.
    EXPECT_EQ(Valide([](Tf_OptionSauve* f) {
                  f->Edit12->SetText("");
                  kit::Type(f->Edit12, "9x99");
              }),
              mrOk);
    EXPECT_EQ(options->Edit12->Text(), "99");   // the letter and the third 9 were refused
    EXPECT_EQ(saison->OptionSauvegarde(0), 99);
    EXPECT_EQ(options->Tag, 1);

    // The up-down stops at its bounds.
    kit::ShowForm(options.get());
    options->ud_TempsAuto->SetPosition(MinutesSauvegardeMax);
    options->ud_TempsAuto->ClickButton(btNext);
    EXPECT_EQ(options->Minutes(), MinutesSauvegardeMax);
    options->Close();

    EXPECT_EQ(IntervalleSauvegardeAuto(1), 60000u);
    EXPECT_EQ(IntervalleSauvegardeAuto(255), 15300000u);
    EXPECT_EQ(IntervalleSauvegardeAuto(1000000), 15300000u);
    EXPECT_EQ(IntervalleSauvegardeAuto(-5), 60000u);

    char k = 'a';
    options->Edit1KeyPress(nullptr, k);
    EXPECT_EQ(k, 0);
    k = '\b';
    options->Edit1KeyPress(nullptr, k);
    EXPECT_EQ(k, '\b');
}

// The unit after the interval, in the language and with the number's plural,
// as the window opens and as the up-down changes the number.
TEST(FenetresFichierMots, TheIntervalsUnitAsTheLanguageWritesIt)
{
    struct Cas
    {
        const char* langue;
        int minutes;
        const char *unite, *apres;   // with the season's number, then one more
    } cas[] = {
        {"en", 10, "minutes", "minutes"}, {"en", 1, "minute", "minutes"},
        {"fr", 10, "minutes", "minutes"}, {"fr", 1, "minute", "minutes"},
    };
    Environnement();
    for (const Cas& c : cas) {
        SCOPED_TRACE(std::string(c.langue) + " " + std::to_string(c.minutes));
        InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(DossierDonnees(), std::string("texte\\Texte") + c.langue + ".txt")));
        auto saison = TMultiSport::CreeSaison(0);
        saison->SetOptionSauvegarde(0, c.minutes);
        saison->SetOptionSauvegarde(1, 1);
        TOwned<Tf_OptionSauve> f(new Tf_OptionSauve(nullptr));
        f->ChangeCouleurs(Dessin->Couleurs);
        f->ChangeSaison(saison.get());
        kit::ShowForm(f.get());
        EXPECT_EQ(f->Edit12->Text(), std::to_string(c.minutes));
        EXPECT_EQ(f->Label26->Caption(), c.unite);
        f->ud_TempsAuto->ClickButton(btNext);
        EXPECT_EQ(f->Label26->Caption(), c.apres);
        if (c.minutes == 1)
            kit::GrabToPng(f.get(), std::string("options_sauve_") + c.langue);
        f->Close();
    }
    InstalleTraducteur(std::make_unique<TTraducteur>(MakePath(DossierDonnees(), "texte\\Textefr.txt")));
}

TEST_F(FenetresFichier, TheSportQuestionOffersTheSportsOfItsSet)
{
    TOwned<Tf_ChoixLogiciel> f(new Tf_ChoixLogiciel(nullptr));
    f->ChangeCouleurs(Dessin->Couleurs);
    f->Prepare(static_cast<TEnsembleSports>(EnsembleSport(1) | EnsembleSport(3)), 1561);
    EXPECT_EQ(f->Caption(), Traduire(1563));
    EXPECT_EQ(f->l_Invite->Caption(), Traduire(1561));
    EXPECT_FALSE(f->rc_Sport[0]->Visible());
    EXPECT_TRUE(f->rc_Sport[1]->Visible());
    EXPECT_FALSE(f->rc_Sport[2]->Visible());
    EXPECT_TRUE(f->rc_Sport[3]->Visible());
    // Two columns.
    EXPECT_EQ(f->rc_Sport[1]->Top(), f->rc_Sport[3]->Top());
    EXPECT_LT(f->rc_Sport[1]->Left(), f->rc_Sport[3]->Left());

    // Nothing chosen: none.
    EXPECT_EQ(kit::RunModal(f.get(), [&](TForm*) { kit::Click(f->b_Valider); }), mrOk);
    EXPECT_EQ(f->SportChoisi(), AucunSport);
    // Rugby.
    EXPECT_EQ(kit::RunModal(f.get(), [&](TForm*) {
                  kit::Click(f->rc_Sport[1]);
                  kit::Click(f->b_Valider);
              }),
              mrOk);
    EXPECT_EQ(f->SportChoisi(), 1);
    // Cancelled: none, whatever is checked.
    EXPECT_EQ(kit::RunModal(f.get(), [&](TForm*) {
                  kit::Click(f->rc_Sport[3]);
                  kit::Click(f->b_Annuler);
              }),
              mrCancel);
    EXPECT_EQ(f->SportChoisi(), AucunSport);

    // Every sport: four choices in two rows.
    f->Prepare(TousSports, 1561);
    for (int s = 0; s < 4; ++s)
        EXPECT_TRUE(f->rc_Sport[s]->Visible());
    EXPECT_EQ(f->rc_Sport[0]->Top(), f->rc_Sport[1]->Top());
    EXPECT_GT(f->rc_Sport[2]->Top(), f->rc_Sport[0]->Top());
    kit::ShowForm(f.get());
    f->rc_Sport[0]->SetChecked(true);
    kit::GrabToPng(f.get(), "ChoixLogiciel");
    f->Close();
}

TEST_F(FenetresFichier, TheProgressWindowShowsItsTextsAndCannotBeClosedWhileWorking)
{
    TOwned<Tf_EtatSauve> f(new Tf_EtatSauve(nullptr));
    f->ChangeCouleurs(Dessin->Couleurs);
    f->SauveMode("/nulle/part.xmc", "Dll\\", saison.get());
    EXPECT_EQ(f->Label2->Caption(), Traduire(451));
    EXPECT_EQ(f->Caption(), Traduire(452));
    // Armed, not yet started: it does not close.
    EXPECT_FALSE(f->CloseQuery());
    f->t_Declenche->SetEnabled(false);
    EXPECT_TRUE(f->CloseQuery());
    EXPECT_EQ(f->Panel1->Color(), clWhite);
    kit::ShowForm(f.get());
    f->pb_Progression->SetPosition(40);
    kit::GrabToPng(f.get(), "EtatSauve");
    f->Close();
}
