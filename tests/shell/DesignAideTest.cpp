// The design chosen in the main window (the one in use changes nothing; the
// other one reaches the standings window) and every help button of the
// program opening its page, in both languages, on a season made through the
// creation windows.
#include <gtest/gtest.h>

#include "files/w_OptionsSauve.h"
#include "model/Joueurs.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/sys/HtmlHelp.h"
#include "platform/sys/WinInet.h"
#include "records/Fiches.h"
#include "records/w_FicheJoueur.h"
#include "shell/Aide.h"
#include "shell/w_OptionsFiltre.h"
#include "tests/setup/CreationEssai.h"
#include "tests/shell/HorsLigne.h"
#include "ui/ChoixDesign.h"
#include "views/w_Classement.h"

using namespace essai;

namespace {

class DesignAide : public essai::THorsLigne<>
{
};

// The pages the help requests show.
class VisionneuseEssai : public THtmlHelpViewer
{
public:
    std::vector<std::string> Pages;
    bool ShowTopic(const std::string& page) override
    {
        Pages.push_back(page);
        return true;
    }
    void CloseAll() override {}
};

// Chooses design n (1 or 2) in the design dialog (command 261).
void ChoisitDesign(FenetreEssai& f, int n)
{
    kit::WhenModal([n](TForm* d) {
        auto* c = dynamic_cast<Tf_ChoixDesign*>(d);
        ASSERT_NE(c, nullptr);
        c->cb_Modele->SetItemIndex(n - 1);
        kit::Click(c->b_Valider);
    });
    Commande(f, 261);
    kit::ForgetModalActions();
}

std::string Octets(const std::string& fichier)
{
    std::string s;
    ReadFileBytes(fichier, s);
    return s;
}

}  // namespace

TEST_F(DesignAide, TheDesignInUseChangesNothingAndTheOtherReachesTheStandings)
{
    const std::string dir = Prepare("design_choix");
    auto f = LanceFenetre();
    CreeSaison(*f, 0);
    ASSERT_NE(f->Saison, nullptr);
    ASSERT_TRUE(Commande(*f, 40));
    auto* vue = dynamic_cast<Tf_Classement*>(f->Enfant);
    ASSERT_NE(vue, nullptr);
    const std::string ini = MakePath(dir, "brivantel.ini");

    // The design in use: nothing written, the view stays.
    const std::string avant = Octets(ini);
    ChoisitDesign(*f, 1);
    EXPECT_TRUE(Octets(ini) == avant);
    EXPECT_EQ(f->Enfant, vue);

    // The second design: written, and the standings window shown again takes
    // its dark background, its table's tab and scroll box included.
    ChoisitDesign(*f, 2);
    EXPECT_EQ(TIniFile(ini).ReadInteger("General", "ModeleDesign", 0), 2);
    TCouleurElement deux;
    Tf_ChoixDesign::ChargeDesign(RepertoireProgramme(), 2, deux);
    ASSERT_NE(deux.fondfonce, CouleurFondFonceDessin);
    ASSERT_TRUE(Commande(*f, 40));
    vue = dynamic_cast<Tf_Classement*>(f->Enfant);
    ASSERT_NE(vue, nullptr);
    EXPECT_EQ(vue->Color(), deux.fondfonce);
    EXPECT_EQ(vue->tc_Classement->Color(), deux.fondfonce);
    EXPECT_EQ(vue->sb_Tableau->Color(), deux.fondfonce);
    kit::Process(30);
    kit::GrabToPng(f.get(), "shell_classement_design2");
    ChoisitDesign(*f, 1);
    TermineFenetre(f);
}

TEST_F(DesignAide, EveryHelpButtonOpensAPageThatExists)
{
    EnregistreFiches();
    THtmlHelpViewer* avant = HtmlHelpViewer();
    const bool chargee = HtmlHelpLoaded();
    for (const char* langue : {"fr", "en"}) {
        SCOPED_TRACE(langue);
        const std::string dir = Prepare(std::string("aide_") + langue);
        TIniFile(MakePath(dir, "brivantel.ini")).WriteString("General", "Langue", langue);
        auto f = LanceFenetre();
        VisionneuseEssai v;
        RegisterHtmlHelpViewer(&v);
        ASSERT_TRUE(LoadHtmlHelp());
        CreeSaison(*f, 0);
        ASSERT_NE(f->Saison, nullptr);
        auto joueur = f->Saison->CreeJoueur("Aide", "Jean", -1, f->Saison->ChampionnatCourant()->IdEquipe(0));
        TJoueur* j = f->Saison->Joueurs().AjouteJoueur(std::move(joueur));

        struct TCas
        {
            const char* bouton;
            std::string page;   // under the language's help folder
            std::function<void()> ouvre;
        };
        auto clique = [](auto* bouton) {
            kit::Click(bouton);
            kit::Process(5);
        };
        const TCas cas[] = {
            {"categories dialog", "html/menuopt.htm",
             [&] {
                 kit::WhenModal([&](TForm* d) {
                     if (auto* o = dynamic_cast<Tf_OptionsFiltre*>(d)) {
                         kit::GrabToPng(d, std::string("aide_categories_") + langue);
                         clique(o->b_Aide);
                     }
                     d->SetModalResult(mrCancel);
                 });
                 Commande(*f, 227);
             }},
            {"save options", "html/menuopt.htm",
             [&] {
                 kit::WhenModal([&](TForm* d) {
                     if (auto* o = dynamic_cast<Tf_OptionSauve*>(d))
                         clique(o->b_Aide);
                     d->SetModalResult(mrCancel);
                 });
                 Commande(*f, 178);
             }},
            {"player card", "html/menueff.htm",
             [&] {
                 kit::WhenModal([&](TForm* d) {
                     if (auto* o = dynamic_cast<Tf_FicheJoueur*>(d)) {
                         kit::GrabToPng(d, std::string("aide_fiche_") + langue);
                         clique(o->b_aide);
                     }
                     d->SetModalResult(mrCancel);
                 });
                 TFootForm::OuvreFicheJoueur(j, f->Saison.get());
             }},
            {"help contents", "index.htm", [&] { f->AfficheAideProgramme(); }},
        };
        for (const TCas& c : cas) {
            SCOPED_TRACE(c.bouton);
            v.Pages.clear();
            c.ouvre();
            kit::ForgetModalActions();
            ASSERT_EQ(v.Pages.size(), 1u);
            EXPECT_EQ(v.Pages[0], MakePath(FichierAideLangue(langue), c.page));
            EXPECT_TRUE(FileExists(v.Pages[0]));
        }
        RegisterHtmlHelpViewer(avant);
        if (chargee)
            LoadHtmlHelp();
        f->Reponses = {mrNo};
        TermineFenetre(f);
    }
}
