// The update check's page fetch against lighttpd serving checkver.php replies
// of each kind, a silent server for the time-out, and the two windows: the
// internet options dialog (edits, file written back, private and only on a
// change) and the update message (its height follows the message; the site
// opens in the browser seam).
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "model/oTraducteur.h"
#include "net/Connexions.h"
#include "net/EnvoiPage.h"
#include "net/w_MessageMAJ.h"
#include "net/w_OptionInternet.h"
#include "platform/gui/Navigateur.h"
#include "platform/gui/StdCtrls.h"
#include "platform/sys/AsyncIo.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"
#include "tests/support/DessinEssai.h"
#include "tests/support/ServeursEssai.h"
#include "tests/support/gui/GuiKit.h"
#include "ui/Bouton.h"
#include "ui/message2.h"

using namespace essai_reseau;

namespace {

TServeurWeb& Site()
{
    static TServeurWeb web;
    static bool pages = [] {
        TServeurWeb& w = web;
        w.Page("maj/checkver.php", "#maj 1.04\nNouveau : les coupes.\n");
        w.Page("ajour/checkver.php", "1.03\n");
        w.Page("echec/checkver.php", "Failed : version inconnue, Warning");
        w.Page("avert/checkver.php", "Attention Warning\n#maj");
        w.Page("vide/checkver.php", " \r\n\t\r\n");
        w.Page("gros/checkver.php", std::string(TEnvoiPage::TailleMaxReponse + 1, 'x'));
        return true;
    }();
    (void)pages;
    EXPECT_TRUE(web.Ok());
    return web;
}

TEST(MiseAJour, EtatsDesReponses)
{
    dessin_essai::Module();
    struct Cas { std::string chemin; std::string texte; uint8_t etat; };
    const Cas cas[] = {
        {"/maj/checkver.php", "#maj 1.04\r\nNouveau : les coupes.", TEnvoiPage::etatUtilisable},
        {"/ajour/checkver.php", "1.03", TEnvoiPage::etatUtilisable},
        {"/echec/checkver.php", "Failed : version inconnue, Warning", TEnvoiPage::etatEchec},
        {"/avert/checkver.php", "Attention Warning\r\n#maj", TEnvoiPage::etatAvertissement},
        {"/vide/checkver.php", "", TEnvoiPage::etatVide},
        {"/r302", "Bonjour", TEnvoiPage::etatUtilisable},   // a relocation is followed
    };
    for (const Cas& c : cas)
    {
        std::string texte = "?";
        TEnvoiPage::LitPage(Site().Url(c.chemin) + "?lang=fr&ver=1.03", 60000, "", "", texte);
        EXPECT_EQ(texte, c.texte) << c.chemin;
        EXPECT_EQ(TEnvoiPage::EtatReponse(texte), c.etat) << c.chemin;
    }
    EXPECT_EQ(TEnvoiPage::EtatReponse("x Failed : y"), TEnvoiPage::etatUtilisable);
    std::string message;
    TEnvoiPage::MessageErreur(0, "http://x/", message);
    EXPECT_EQ(message, TraduireFormat(1325, {"http://x/"}));
    TEnvoiPage::MessageErreur(2, "http://x/", message);
    EXPECT_EQ(message, TraduireFormat(1327, {"http://x/"}));
    TEnvoiPage::MessageErreur(3, "http://x/", message);
    EXPECT_EQ(message, "");
}

TEST(MiseAJour, Echecs)
{
    struct Cas { std::string url; uint32_t delai; std::string message; };
    TServeurMaison muet;
    muet.Ajoute({{}, 0, true, true});
    const Cas cas[] = {
        {Site().Url("/absent.php"), 60000, "Failed : Not Found"},
        {Site().Url("/gros/checkver.php"), 60000, "Failed : HTTP reply too large"},
        {muet.Url("/checkver.php"), 300, L1("Erreur: Temps dépassé")},
        {"http://mises-a-jour.invalid/checkver.php", 60000, "Failed : can't resolve hostname to IP address"},
    };
    for (const Cas& c : cas)
    {
        const int64_t debut = MonotonicMs();
        std::string texte;
        // The window stays usable while the fetch waits: its events run.
        bool traite = false;
        PostCall([&] { traite = true; });
        try
        {
            TEnvoiPage::LitPage(c.url, c.delai, "", "", texte);
            ADD_FAILURE() << c.url;
        }
        catch (const Exception& e)
        {
            EXPECT_EQ(e.Message, c.message) << c.url;
        }
        EXPECT_LT(MonotonicMs() - debut, 5000) << c.url;
        EXPECT_TRUE(traite) << c.url;
        EXPECT_FALSE(TEnvoiPage::EnCours());
    }
    // Blanks are sent as %20; a login goes as Basic authorisation.
    TServeurMaison serveur;
    serveur.Ajoute({{"HTTP/1.0 200 OK\r\n\r\nok"}});
    std::string texte;
    TEnvoiPage::LitPage(serveur.Url("/a b/checkver.php"), 60000, "u", "p", texte);
    EXPECT_EQ(texte, "ok");
    ASSERT_EQ(serveur.Requetes().size(), 1u);
    EXPECT_EQ(serveur.Requetes()[0].rfind("GET /a%20b/checkver.php HTTP/1.0\r\n", 0), 0u);
    EXPECT_NE(serveur.Requetes()[0].find("Authorization: Basic dTpw\r\n"), std::string::npos);
}

TEST(MiseAJour, TexteDuSite)
{
    const struct { const char* html; const char* texte; } cas[] = {
        {"Nouveau<br>ok", "Nouveau\nok"},
        {"<script>alert(1)</script>a<img src=\"http://x/y.png\">b", "ab"},
        {"<form action=x><input name=p></form>c &amp; d &lt;e&gt;", "c & d <e>"},
        {"<STYLE>p{}</STYLE><p>suite", "\nsuite"},
        {"sans balise", "sans balise"},
        {"coupe <b", "coupe "},
    };
    for (const auto& c : cas)
        EXPECT_EQ(TexteSansBalises(c.html), c.texte) << c.html;
}

class FenetresInternet : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dessin_essai::Module();
        fichier_ = kit::TempDir() + "connexion.xml";
        DeleteFile(fichier_);
        auto c = std::make_unique<TConnexions>(fichier_);
        c->Url = "http://ancien.invalid/";
        c->Timeout = 60000;
        InstalleConnexion(std::move(c));
    }
    void TearDown() override
    {
        InstalleConnexion(nullptr);
        RemplaceNavigateur(nullptr);
    }
    std::string fichier_;
};

TEST_F(FenetresInternet, OptionsInternet)
{
    TOwned<Tf_OptionInternet> f(new Tf_OptionInternet(nullptr));
    f->ChangeCouleurs(dessin_essai::Module()->Couleurs);
    f->Init("1.03", fichier_, nullptr);
    EXPECT_EQ(f->e_Password->PasswordChar(), '*');
    struct Cas { std::string adresse, pseudo, passe, delai; bool ecrit; std::string url; int timeout; };
    const Cas cas[] = {
        {"http://site.invalid/logiciel", "moi", "secret", "abc", true, "http://site.invalid/logiciel/", 60000},
        {"http://site.invalid/logiciel/", "moi", "secret", "60000", false, "http://site.invalid/logiciel/", 60000},
        {"", "moi", "secret", "30000", true, "http://site.invalid/logiciel/", 30000},
    };
    for (const Cas& c : cas)
    {
        const int r = kit::RunModal(f.get(), [&](TForm*) {
            EXPECT_EQ(f->Caption(), Traduire(916));
            f->e_AdresseSite->SetText(c.adresse);
            f->e_Pseudo->SetText(c.pseudo);
            f->e_Password->SetText(c.passe);
            f->e_Timeout->SetText(c.delai);
            if (&c == &cas[0])
                kit::GrabToPng(f.get(), "OptionsInternet");
            kit::Click(f->b_Valider);
        });
        EXPECT_EQ(r, mrOk);
        EXPECT_EQ(f->Ecrit, c.ecrit) << c.adresse;
        const TConnexions relu(fichier_);
        EXPECT_EQ(relu.Url, c.url);
        EXPECT_EQ(relu.Pseudo, "moi");
        EXPECT_EQ(relu.Passwd, "secret");
        EXPECT_EQ(relu.Timeout, c.timeout);
        struct stat st{};
        ASSERT_EQ(::stat(fichier_.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0600u);
    }
    // A file that cannot be written: the dialog says so and stays open, the
    // settings still to be saved; given up, it closes as cancelled.
    const std::string dossierFichier = fichier_ + ".fichier";
    WriteFileAtomic(dossierFichier, "un fichier, pas un dossier");
    Connexion()->NomFichier = MakePath(dossierFichier, "connexion.xml");
    std::vector<std::string> messages;
    const int r = kit::RunModal(f.get(), [&](TForm*) {
        f->e_Pseudo->SetText("autre");
        kit::WhenModal([&](TForm* m) {
            if (auto* u = dynamic_cast<Tf_MessageUtil*>(m))
                messages.push_back(u->Label1->Caption());
            m->SetModalResult(mrOk);
        });
        kit::Click(f->b_Valider);
        kit::Process();
        EXPECT_TRUE(f->Visible());
        EXPECT_EQ(f->ModalResult(), mrNone);
        kit::GrabToPng(f.get(), "OptionsInternet-echec");
        kit::Click(f->b_Annuler);
    });
    EXPECT_EQ(r, mrCancel);
    EXPECT_FALSE(f->Ecrit);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], TraduireFormat(3581, {Connexion()->NomFichier}));
    Connexion()->NomFichier = fichier_;

    // The form shows what the settings hold.
    kit::RunModal(f.get(), [&](TForm*) {
        EXPECT_EQ(f->e_AdresseSite->Text(), "http://site.invalid/logiciel/");
        EXPECT_EQ(f->e_Timeout->Text(), "30000");
        kit::Click(f->b_Annuler);
    });
}

TEST_F(FenetresInternet, MessageMiseAJour)
{
    std::vector<std::string> ouverts;
    RemplaceNavigateur([&](const std::string& url) {
        ouverts.push_back(url);
        return true;
    });
    TOwned<Tf_MessageMAJ> f(new Tf_MessageMAJ(nullptr));
    f->ChangeCouleurs(dessin_essai::Module()->Couleurs);
    f->PrepareMessage("Court");
    const int court = f->ClientHeight();
    EXPECT_EQ(court, f->Label1->Height() + 127);
    const std::string long_ = "Nouveau : les coupes, les barrages, les fiches des stades et des clubs, "
                              "l'historique des saisons et bien d'autres choses encore.\n" +
                              TraduireFormat(646, {"Brivantel"});
    const int r = kit::RunModal(f.get(), [&](TForm*) {
        f->PrepareMessage(long_);
        kit::Process();
        EXPECT_EQ(f->ClientHeight(), f->Label1->Height() + 127);
        EXPECT_EQ(f->Label1->Width(), 368);   // wrapped across the window
        kit::GrabToPng(f.get(), "MessageMAJ");
        kit::Click(f->bc_Site);
        kit::Click(f->bc_Site);
        EXPECT_TRUE(f->Modal());   // the site opens; the window stays
        kit::Click(f->b_Ok);
    });
    EXPECT_EQ(r, mrOk);
    EXPECT_GT(f->ClientHeight(), court);
    EXPECT_EQ(f->bc_Site->Caption(), Traduire(984));
    EXPECT_EQ(ouverts, (std::vector<std::string>{"http://ancien.invalid/redir.php", "http://ancien.invalid/redir.php"}));
}

}  // namespace
