#include "shell/w_ChoixLangue.h"

#include "model/oTraducteur.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/Strings.h"
#include "ui/Bouton.h"
#include "ui/Dessin.h"
#include "ui/Fond.h"
#include "ui/message2.h"

Tf_ChoixLangue::Tf_ChoixLangue(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    SetName("f_ChoixLangue");
    SetCaption("Language");
    SetBorderStyle(bsDialog);
    SetBorderIcons(biSystemMenu);
    Position = poMainFormCenter;
    SetColor(CouleurFondFonceDessin);
    SetClientWidth(260);
    SetClientHeight(160);

    Fond = new TFondCopie(this);
    Fond->SetName("Fond");
    Fond->SetBounds(8, 8, 244, 100);
    if (Dessin)
        Fond->SetModele(Dessin->FondCarrebleuSimple);
    Fond->SetParent(this);

    Label1 = new TLabel(this);
    Label1->SetName("Label1");
    Label1->SetCaption("Langue / Language");
    Label1->SetTransparent(true);
    Label1->Font().SetStyle(fsBold);
    Label1->Font().SetColor(clWhite);
    Label1->SetBounds(20, 16, 200, 16);
    Label1->SetParent(Fond);

    rc_Francais = new TRondCoche(this);
    rc_Francais->SetName("rc_Francais");
    rc_Francais->SetCaption(L1("Français"));
    rc_Francais->SetBounds(36, 42, 180, 20);
    rc_Francais->Font().SetColor(clWhite);
    rc_Francais->SetParent(Fond);
    rc_Francais->SetChecked(true);

    rc_Anglais = new TRondCoche(this);
    rc_Anglais->SetName("rc_Anglais");
    rc_Anglais->SetCaption("English");
    rc_Anglais->SetBounds(36, 68, 180, 20);
    rc_Anglais->Font().SetColor(clWhite);
    rc_Anglais->SetParent(Fond);

    b_Valider = new TBoutonCopie(this);
    b_Valider->SetName("b_Valider");
    if (Dessin)
        b_Valider->SetModele(Dessin->BoutonOrange);
    b_Valider->SetBounds(82, 118, 96, 31);
    b_Valider->SetDecalX(-1);
    b_Valider->SetDecalY(-3);
    b_Valider->Font().SetStyle(fsBold);
    b_Valider->SetCaption("OK");
    b_Valider->ModalResult = mrOk;
    b_Valider->Default = true;
    b_Valider->SetParent(this);
    b_Valider->OnClick = [this](TObject* s) { b_ValiderClick(s); };

    OnShow = [this](TObject* s) { FormShow(s); };
    DoCreate();
}

void Tf_ChoixLangue::FormShow(TObject*)
{
    courante_ = TIniFile(FichierIni).ReadString("General", "Langue", "");
    if (courante_ == "fr")
        rc_Francais->SetChecked(true);
    else if (courante_ == "en")
        rc_Anglais->SetChecked(true);
}

void Tf_ChoixLangue::b_ValiderClick(TObject*)
{
    const std::string nouvelle = rc_Francais->Checked() || !rc_Anglais->Checked() ? "fr" : "en";
    if (nouvelle == courante_)
        return;
    TIniFile(FichierIni).WriteString("General", "Langue", nouvelle);
    if (!courante_.empty())
        Tf_MessageUtil::Affiche(Traduire(295), mbuValider);
    courante_ = nouvelle;
}
