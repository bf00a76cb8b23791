#include "net/w_OptionInternet.h"

#include "model/Utilities.h"
#include "model/oTraducteur.h"
#include "net/FenetresNet.h"
#include "net/Connexions.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "ui/Bouton.h"
#include "ui/message2.h"

using namespace fenetres_net;

namespace {

TEdit* Saisie(TForm* f, const char* nom, int x, int y, int l)
{
    auto* e = new TEdit(f);
    e->SetName(nom);
    e->SetBounds(x, y, l, 21);
    e->SetParent(f);
    return e;
}

}  // namespace

Tf_OptionInternet::Tf_OptionInternet(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    Cadre(this, "f_OptionInternet", "Options Internet", bsDialog, poMainFormCenter, 420, 300);

    Label2 = Etiquette(this, "Label2",
                       L1("Ceci représente l'adresse du site qui contient toutes les données à télécharger. Si "
                          "l'adresse du site à changé, veuillez indiquer la nouvelle adresse (elle vous sera donné "
                          "sur l'ancien site)"),
                       12, 10, 396, 66, clYellow, fsBold);
    Label2->SetWordWrap(true);
    Label1 = Etiquette(this, "Label1", "Adresse du site", 12, 84, 396, 16, clWhite, 0);
    e_AdresseSite = Saisie(this, "e_AdresseSite", 12, 102, 396);
    Label6 = Etiquette(this, "Label6", "Identifiant de la zone client", 12, 138, 396, 16, clYellow,
                       fsBold | fsUnderline);
    Label3 = Etiquette(this, "Label3", "Pseudo", 12, 164, 130, 16, clWhite, 0);
    e_Pseudo = Saisie(this, "e_Pseudo", 150, 161, 200);
    Label5 = Etiquette(this, "Label5", "Mot de passe", 12, 192, 130, 16, clWhite, 0);
    e_Password = Saisie(this, "e_Password", 150, 189, 200);
    // What is typed is not shown.
    e_Password->SetPasswordChar('*');
    Label7 = Etiquette(this, "Label7", "Timeout (en ms)", 12, 220, 130, 16, clWhite, 0);
    e_Timeout = Saisie(this, "e_Timeout", 150, 217, 90);

    b_Valider = BoutonOrange(this, "b_Valider", "Valider", 104, 256, 96);
    b_Annuler = BoutonOrange(this, "b_Annuler", "Annuler", 220, 256, 96);
    b_Valider->ModalResult = mrOk;
    b_Valider->Default = true;
    b_Valider->OnClick = [this](TObject* s) { b_ValiderClick(s); };
    b_Annuler->ModalResult = mrCancel;
    b_Annuler->Cancel = true;

    OnShow = [this](TObject* s) { FormShow(s); };
    DoCreate();
}

void Tf_OptionInternet::Init(const std::string& version, const std::string& fichier, TObject* objet)
{
    Version = version;
    FichierConfig = fichier;
    Objet = objet;
}

void Tf_OptionInternet::FormShow(TObject*)
{
    Legende(this, 916);
    Legende(Label2, 914);
    Legende(Label1, 416);
    Legende(Label6, 1385);
    Legende(Label3, 1383);
    Legende(Label5, 1384);
    Legende(Label7, 1474);
    Legende(b_Valider, 29);
    Legende(b_Annuler, 125);
    const TConnexions* c = Connexion();
    if (!c)
        return;
    e_Timeout->SetText(std::to_string(c->Timeout));
    e_AdresseSite->SetText(c->Url);
    e_Pseudo->SetText(c->Pseudo);
    e_Password->SetText(c->Passwd);
}

void Tf_OptionInternet::b_ValiderClick(TObject*)
{
    Ecrit = false;
    TConnexions* c = Connexion();
    if (!c)
        return;
    bool change = false;
    const std::string adresse = e_AdresseSite->Text();
    if (!adresse.empty() && adresse != c->Url)
    {
        change = true;
        c->Url = AjouteSlash(adresse);
    }
    if (e_Pseudo->Text() != c->Pseudo)
    {
        change = true;
        c->Pseudo = e_Pseudo->Text();
    }
    if (e_Password->Text() != c->Passwd)
    {
        change = true;
        c->Passwd = e_Password->Text();
    }
    if (e_Timeout->Text() != std::to_string(c->Timeout))
    {
        change = true;
        c->Timeout = StrToIntDef(Trim(e_Timeout->Text()), 60000);
    }
    if (change)
    {
        Ecrit = c->Ecrit();
        if (!Ecrit)
        {
            // The settings would be gone at the next start: the dialog stays
            // open to try again or give up.
            SetModalResult(mrNone);
            Tf_MessageUtil::Affiche(TraduireFormat(3581, {FileNameToText(c->NomFichier)}), 4);
        }
    }
}
