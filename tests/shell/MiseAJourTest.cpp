// The update check from the main window (command 11 and the start-up check)
// against lighttpd serving checkver.php replies of each kind, and the
// connection settings (command 180, the start page's button).
#include <gtest/gtest.h>

#include "model/oTraducteur.h"
#include "net/Connexions.h"
#include "net/w_MessageMAJ.h"
#include "platform/gui/StdCtrls.h"
#include "platform/sys/WinInet.h"
#include "tests/shell/SaisonEssai.h"
#include "tests/support/ServeursEssai.h"
#include "ui/Bouton.h"

using namespace essai;

namespace {

essai_reseau::TServeurWeb& Site()
{
    static essai_reseau::TServeurWeb web;
    static const bool pages = [] {
        web.Page("maj/checkver.php", "#maj 1.04\nNouveau : les coupes.\n");
        web.Page("ajour/checkver.php", "1.03\n");
        web.Page("echec/checkver.php", "Failed : version inconnue");
        web.Page("avert/checkver.php", "Warning : base en travaux");
        web.Page("vide/checkver.php", "\r\n");
        return true;
    }();
    (void)pages;
    EXPECT_TRUE(web.Ok());
    return web;
}

class MiseAJour : public ::testing::Test
{
protected:
    void SetUp() override { SetInternetConnectedStateOverride(0); }
    void TearDown() override { SetInternetConnectedStateOverride(-1); }
};

TEST_F(MiseAJour, CommandeEtReponses)
{
    Prepare("maj");
    auto f = LanceFenetre();
    ASSERT_TRUE(Connexion());
    // Out of the box the address cannot be reached, and says so.
    const std::string defaut = Connexion()->Url + "checkver.php?lang=fr&ver=" + f->Version;
    kit::Messages().clear();
    kit::AnswerMessages({mrOk});
    Commande(*f, 11);
    ASSERT_EQ(kit::Messages().size(), 1u);
    EXPECT_EQ(kit::Messages()[0].Text, TraduireFormat(1327, {defaut}));
    struct Cas { std::string dossier; int texteErreur; std::string message; };
    const Cas cas[] = {
        {"maj", 0, "Nouveau : les coupes." + TraduireFormat(646, {f->NomCourt})},
        {"ajour", 0, Traduire(985)},
        {"echec", 1325, ""},
        {"avert", 1326, ""},
        {"vide", 1327, ""},
    };
    for (const Cas& c : cas)
    {
        Connexion()->Url = Site().Url("/" + c.dossier + "/");
        const std::string requete = Connexion()->Url + "checkver.php?lang=fr&ver=" + f->Version;
        EXPECT_EQ(f->RequeteVersion(), requete);
        kit::Messages().clear();
        std::string vu;
        bool pendant = false;
        if (c.texteErreur)
            kit::AnswerMessages({mrOk});
        else
            kit::WhenModal([&](TForm* m) {
                auto* maj = dynamic_cast<Tf_MessageMAJ*>(m);
                ASSERT_NE(maj, nullptr);
                vu = maj->Label1->Caption();
                // While the window is up, the check is still running: a second is refused.
                pendant = f->MiseAJourEnCours;
                Commande(*f, 11);
                kit::Click(maj->b_Ok);
            });
        Commande(*f, 11);
        kit::Process();
        EXPECT_FALSE(f->MiseAJourEnCours);
        if (c.texteErreur)
        {
            ASSERT_EQ(kit::Messages().size(), 1u) << c.dossier;
            EXPECT_EQ(kit::Messages()[0].Text, TraduireFormat(c.texteErreur, {requete}));
        }
        else
        {
            EXPECT_EQ(vu, c.message);
            EXPECT_TRUE(pendant);
            EXPECT_TRUE(kit::Messages().empty());
        }
    }
    // The connection settings: the command and the start page's button.
    std::vector<std::string> vus;
    for (int i = 0; i < 2; ++i)
        kit::WhenModal([&](TForm* m) {
            vus.push_back(m->Name());
            m->SetModalResult(mrCancel);
        });
    Commande(*f, 180);
    kit::Click(f->bc_ConfigConnexion);
    EXPECT_EQ(vus, (std::vector<std::string>{"f_OptionInternet", "f_OptionInternet"}));
    TermineFenetre(f);
}

// At start, connected and asked to: only an announced version is shown.
TEST_F(MiseAJour, VerificationAuDemarrage)
{
    SetInternetConnectedStateOverride(1);
    for (const std::string dossier : {"ajour", "maj"})
    {
        const std::string dir = Prepare("demarrage_" + dossier);
        TIniFile(MakePath(dir, "brivantel.ini")).WriteBool("Internet", "connectauto", false);
        TConnexions c(MakePath(dir, "connexion.xml"));
        c.Url = Site().Url("/" + dossier + "/");
        ASSERT_TRUE(c.Ecrit());
        std::string vu;
        kit::WhenModal([&](TForm* m) {
            if (auto* maj = dynamic_cast<Tf_MessageMAJ*>(m))
                vu = maj->Label1->Caption();
            m->SetModalResult(mrOk);
        });
        kit::Messages().clear();
        auto f = LanceFenetre();
        kit::WaitUntil([&] { return !vu.empty(); }, dossier == "maj" ? 5000 : 500);
        EXPECT_TRUE(kit::Messages().empty());
        EXPECT_EQ(vu.empty(), dossier == "ajour") << dossier;
        TermineFenetre(f);
        kit::ResetAnswers();   // the answer left unused by a quiet check
    }
}

}  // namespace
