#include "shell/w_ParamIntro.h"

#include "model/oTraducteur.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "ui/Bouton.h"
#include "ui/Dessin.h"
#include "ui/Fond.h"

namespace {
std::string Texte(int id, const char* defaut)
{
    const std::string t = Traduire(id);
    return t.empty() ? L1(defaut) : t;
}
}  // namespace

Tf_ParamIntro::Tf_ParamIntro(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    SetName("f_ParamIntro");
    SetCaption(Texte(1599, "Parametrer Brivantel"));
    SetBorderStyle(bsDialog);
    SetBorderIcons(biSystemMenu);
    Position = poMainFormCenter;
    SetColor(CouleurFondFonceDessin);
    SetClientWidth(440);
    SetClientHeight(300);

    Fond = new TFondCopie(this);
    Fond->SetName("Fond");
    Fond->SetBounds(8, 8, 424, 240);
    if (Dessin)
        Fond->SetModele(Dessin->FondCarrebleuSimple);
    Fond->SetParent(this);

    // The two texts take the lines they need, in either language; what
    // follows them stands below.
    Label2 = new TLabel(this);
    Label2->SetName("Label2");
    Label2->SetWordWrap(true);
    Label2->SetTransparent(true);
    Label2->Font().SetSize(10);
    Label2->Font().SetStyle(fsBold);
    Label2->Font().SetColor(0x00FFFF);
    Label2->SetBounds(18, 14, 390, 40);
    const std::string bienvenue = TraduireFormat(1597, {});
    Label2->SetCaption(bienvenue.empty() ? L1("Bienvenue !") : bienvenue);
    Label2->SetParent(Fond);

    Label1 = new TLabel(this);
    Label1->SetName("Label1");
    Label1->SetWordWrap(true);
    Label1->SetTransparent(true);
    Label1->Font().SetColor(clWhite);
    Label1->SetBounds(18, Label2->Top() + Label2->Height() + 6, 390, 34);
    Label1->SetCaption(Texte(1598, ""));
    Label1->SetParent(Fond);
    const int y = Label1->Top() + Label1->Height() + 6;

    cb_modes = new TComboBox(this);
    cb_modes->SetName("cb_modes");
    cb_modes->SetStyle(csDropDownList);
    cb_modes->SetBounds(18, y, 250, 24);
    cb_modes->SetParent(Fond);
    cb_modes->Items().Clear();
    cb_modes->Items().Add(Texte(1246, "Parieur"));
    cb_modes->Items().Add(Texte(1247, "Supporter"));
    cb_modes->Items().Add(Texte(1248, "Président-Entraineur"));
    cb_modes->Items().Add(Texte(1595, "Complet"));
    cb_modes->SetItemIndex(3);

    cb_ModeSimplifie = new TCarreCoche(this);
    cb_ModeSimplifie->SetName("cb_ModeSimplifie");
    cb_ModeSimplifie->SetCaption(Texte(1412, "Menu simplifié"));
    cb_ModeSimplifie->SetBounds(18, y + 46, 380, 18);
    cb_ModeSimplifie->Font().SetColor(clWhite);
    cb_ModeSimplifie->SetParent(Fond);

    cb_ConnexionSite = new TCarreCoche(this);
    cb_ConnexionSite->SetName("cb_ConnexionSite");
    cb_ConnexionSite->SetCaption(Texte(1596, "Afficher les nouvelles du site au démarrage"));
    cb_ConnexionSite->SetBounds(18, y + 76, 380, 18);
    cb_ConnexionSite->Font().SetColor(clWhite);
    cb_ConnexionSite->SetChecked(true);
    cb_ConnexionSite->SetParent(Fond);

    b_Valider = new TBoutonCopie(this);
    b_Valider->SetName("b_Valider");
    b_Valider->SetCaption(Texte(29, "Valider"));
    b_Valider->ModalResult = mrOk;
    b_Valider->Default = true;
    b_Annuler = new TBoutonCopie(this);
    b_Annuler->SetName("b_Annuler");
    b_Annuler->SetCaption(Texte(125, "Annuler"));
    b_Annuler->ModalResult = mrCancel;
    b_Annuler->Cancel = true;
    TBoutonCopie* boutons[2] = {b_Valider, b_Annuler};
    for (int i = 0; i < 2; ++i)
    {
        TBoutonCopie* b = boutons[i];
        if (Dessin)
            b->SetModele(Dessin->BoutonOrange);
        b->SetBounds(i == 0 ? 112 : 228, 258, 104, 31);
        b->SetDecalX(-1);
        b->SetDecalY(-3);
        b->Font().SetStyle(fsBold);
        b->SetParent(this);
    }
    DoCreate();
}

void Tf_ParamIntro::AppliqueCouleurs()
{
    TBrivantelForm::AppliqueCouleurs();
    cb_ConnexionSite->SetColor(*Couleurs.Couleur(1));
    cb_ModeSimplifie->SetColor(*Couleurs.Couleur(1));
}
