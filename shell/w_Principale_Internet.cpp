// The update check and the connection settings of the main window.
#include "model/oTraducteur.h"
#include "net/Connexions.h"
#include "net/EnvoiPage.h"
#include "net/HttpClient.h"
#include "net/w_MessageMAJ.h"
#include "net/w_OptionInternet.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Menus.h"
#include "shell/MiseAJour.h"
#include "shell/w_Principale.h"

namespace {

// Enables or disables the menu entries of one command.
void ActiveCommande(TMenuItem* item, uint32_t commande, bool actif)
{
    if (!item)
        return;
    for (int i = 0; i < item->Count(); ++i)
    {
        TMenuItem* m = item->Items(i);
        if (static_cast<uint32_t>(m->Tag) == commande)
            m->SetEnabled(actif);
        ActiveCommande(m, commande, actif);
    }
}

}  // namespace

std::string MessageMiseAJour(const std::string& reponse, const std::string& produit)
{
    if (reponse.find("#maj") == std::string::npos)
        return Traduire(985);
    const size_t lf = reponse.find('\n');
    const std::string notes = lf == std::string::npos ? reponse : reponse.substr(lf + 1);
    return TexteSansBalises(notes) + TraduireFormat(646, {produit});
}

std::string Tf_Principale::RequeteVersion() const
{
    const TConnexions* c = Connexion();
    return (c ? c->Url : std::string()) + "checkver.php?lang=" + Langue + "&ver=" + Version;
}

void Tf_Principale::VerifieMiseAJour()
{
    // One check at a time: the command is off while one waits.
    if (MiseAJourEnCours || TEnvoiPage::EnCours())
        return;
    MiseAJourEnCours = true;
    ActiveCommande(mm_Menu ? mm_Menu->Items() : nullptr, 11, false);
    const std::string url = RequeteVersion();
    uint8_t etat = TEnvoiPage::etatVide;
    std::string reponse;
    try
    {
        TEnvoiPage::LitPage(url, 60000, "", "", reponse);
        etat = TEnvoiPage::EtatReponse(reponse);
        if (etat == TEnvoiPage::etatUtilisable)
        {
            TOwned<Tf_MessageMAJ> f(new Tf_MessageMAJ(this));
            f->ChangeCouleurs(Couleurs);
            f->Affiche(MessageMiseAJour(reponse, NomCourt));
        }
    }
    catch (...)
    {
        etat = TEnvoiPage::etatVide;
    }
    if (etat != TEnvoiPage::etatUtilisable)
    {
        std::string texte;
        TEnvoiPage::MessageErreur(etat, url, texte);
        ShowMessageBox(texte, Titre, MB_OK);
    }
    ActiveCommande(mm_Menu ? mm_Menu->Items() : nullptr, 11, true);
    MiseAJourEnCours = false;
}

void Tf_Principale::VerificationDemarrage()
{
    const TConnexions* c = Connexion();
    if (!ConnexionDemarrage || !c || c->Url.empty() || !InternetConnecte())
        return;
    VerificationAuto = TEnvoiPage::LancePage(RequeteVersion(), [this](bool ok, const std::string& reponse) {
        if (!ok || MiseAJourEnCours || TEnvoiPage::EtatReponse(reponse) != TEnvoiPage::etatUtilisable ||
            reponse.find("#maj") == std::string::npos)
            return;
        TOwned<Tf_MessageMAJ> f(new Tf_MessageMAJ(this));
        f->ChangeCouleurs(Couleurs);
        f->Affiche(MessageMiseAJour(reponse, NomCourt));
    });
}

void Tf_Principale::bc_ConfigConnexionClick(TObject*)
{
    TOwned<Tf_OptionInternet> f(new Tf_OptionInternet(this));
    f->ChangeCouleurs(Couleurs);
    f->Init(Version, Connexion() ? Connexion()->NomFichier : std::string(), this);
    f->ShowModal();
}
