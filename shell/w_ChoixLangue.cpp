#include "shell/w_ChoixLangue.h"

#include <algorithm>

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

    // The keyboard moves along French, English and OK with the arrow keys:
    // a language reached is chosen, as in any group of round choices, and the
    // one reached shows a dotted frame; Enter takes it (OK on the choice made).
    // The dialog keeps the keys itself: OK is reached by the arrows.
    b_Valider->SetTabStop(false);
    KeyPreview = true;
    OnKeyDown = [this](TObject*, WORD& k, TShiftState sh) {
        if ((sh & (ssShift | ssCtrl | ssAlt)) != 0)
            return;
        if (k == VK_UP || k == VK_LEFT || k == VK_DOWN || k == VK_RIGHT) {
            const int pas = k == VK_UP || k == VK_LEFT ? -1 : 1;
            k = 0;
            Place(std::clamp(Focus + pas, 0, 2));
        } else if (k == VK_RETURN) {
            k = 0;
            b_Valider->Click();
        }
    };
    for (TRondCoche* r : {rc_Francais, rc_Anglais})
        r->OnPaint = [this, r](TObject*) {
            if ((Focus == 0 && r == rc_Francais) || (Focus == 1 && r == rc_Anglais)) {
                TCanvas& c = r->Canvas();
                c.Brush.SetStyle(bsSolid);
                c.DrawFocusRect(Rect(20, 0, std::min(r->Width(), 26 + c.TextWidth(r->Caption())), r->Height()));
            }
        };
    b_Valider->OnPaint = [this](TObject*) {
        if (Focus == 2) {
            TCanvas& c = b_Valider->Canvas();
            c.Brush.SetStyle(bsSolid);
            c.DrawFocusRect(Rect(3, 3, b_Valider->Width() - 3, b_Valider->Height() - 3));
        }
    };
    rc_Francais->OnClick = [this](TObject*) { Place(0); };
    rc_Anglais->OnClick = [this](TObject*) { Place(1); };

    OnShow = [this](TObject* s) { FormShow(s); };
    DoCreate();
}

void Tf_ChoixLangue::Place(int focus)
{
    Focus = focus;
    if (Focus == 0)
        rc_Francais->SetChecked(true);
    else if (Focus == 1)
        rc_Anglais->SetChecked(true);
    for (TControl* c : std::initializer_list<TControl*>{rc_Francais, rc_Anglais, b_Valider})
        c->Invalidate();
}

void Tf_ChoixLangue::FormShow(TObject*)
{
    courante_ = TIniFile(FichierIni).ReadString("General", "Langue", "");
    if (courante_ == "fr")
        rc_Francais->SetChecked(true);
    else if (courante_ == "en")
        rc_Anglais->SetChecked(true);
    // The keyboard starts on the language chosen.
    Place(rc_Anglais->Checked() ? 1 : 0);
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
