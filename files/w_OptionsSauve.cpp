#include "files/w_OptionsSauve.h"

#include <algorithm>

#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "platform/sys/HtmlHelp.h"
#include "ui/Bouton.h"
#include "ui/Dessin.h"
#include "ui/Fond.h"

unsigned IntervalleSauvegardeAuto(int minutes)
{
    return static_cast<unsigned>(std::clamp(minutes, MinutesSauvegardeMin, MinutesSauvegardeMax)) * 60000u;
}

void AppliqueSauvegardeAuto(TTimer& timer, const TSaison& saison)
{
    const int minutes = saison.OptionSauvegarde(0);
    timer.SetEnabled(false);
    if (minutes >= 1) {
        timer.SetInterval(IntervalleSauvegardeAuto(minutes));
        timer.SetEnabled(true);
    }
}

namespace {

void Legende(TControl* c, int id)
{
    const std::string t = Traduire(id);
    if (!t.empty())
        c->SetCaption(t);
}

}  // namespace

Tf_OptionSauve::Tf_OptionSauve(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    SetName("f_OptionSauve");
    SetCaption("Options");
    SetBorderStyle(bsDialog);
    SetBorderIcons(biSystemMenu);
    Position = poMainFormCenter;
    SetColor(CouleurFondFonceDessin);
    SetClientWidth(460);
    SetClientHeight(200);

    PageControl1 = new TPageControl(this);
    PageControl1->SetName("PageControl1");
    PageControl1->SetBounds(8, 8, 444, 138);
    PageControl1->SetParent(this);
    ts_Sauvegarde = new TTabSheet(this);
    ts_Sauvegarde->SetName("ts_Sauvegarde");
    ts_Sauvegarde->SetPageControl(PageControl1);
    ts_Sauvegarde->SetCaption("Sauvegarde");
    ts_Sauvegarde->SetColor(CouleurFondFonceDessin);

    FondCopie3 = new TFondCopie(this);
    FondCopie3->SetName("FondCopie3");
    FondCopie3->SetBounds(8, 8, 420, 90);
    if (Dessin)
        FondCopie3->SetModele(Dessin->FondCarrebleuSimple);
    FondCopie3->SetParent(ts_Sauvegarde);

    cc_SauveAuto = new TCarreCoche(this);
    cc_SauveAuto->SetName("cc_SauveAuto");
    cc_SauveAuto->Font().SetStyle(fsBold);
    cc_SauveAuto->Font().SetColor(clWhite);
    // Sized to its caption, measured in the caption's own font.
    cc_SauveAuto->Canvas().Font = cc_SauveAuto->Font();
    cc_SauveAuto->Setautosize(true);
    cc_SauveAuto->SetCaption("Sauvegarde automatique toutes les");
    cc_SauveAuto->SetBounds(14, 20, 230, 20);
    cc_SauveAuto->SetParent(FondCopie3);

    Edit12 = new TEdit(this);
    Edit12->SetName("Edit12");
    Edit12->SetBounds(250, 18, 27, 21);
    Edit12->SetMaxLength(3);
    Edit12->SetText("10");
    Edit12->OnKeyPress = [this](TObject* s, char& k) { Edit1KeyPress(s, k); };
    Edit12->SetParent(FondCopie3);

    ud_TempsAuto = new TUpDown(this);
    ud_TempsAuto->SetName("ud_TempsAuto");
    ud_TempsAuto->Min = MinutesSauvegardeMin;
    ud_TempsAuto->Max = MinutesSauvegardeMax;
    ud_TempsAuto->SetBounds(277, 18, 17, 21);
    ud_TempsAuto->SetParent(FondCopie3);
    ud_TempsAuto->SetPosition(10);
    ud_TempsAuto->SetAssociate(Edit12);

    Label26 = new TLabel(this);
    Label26->SetName("Label26");
    Label26->SetTransparent(true);
    Label26->Font().SetStyle(fsBold);
    Label26->Font().SetColor(clWhite);
    Label26->SetCaption("minutes");
    Label26->SetBounds(300, 21, 80, 16);
    Label26->SetParent(FondCopie3);

    cc_ConserveSauve = new TCarreCoche(this);
    cc_ConserveSauve->SetName("cc_ConserveSauve");
    cc_ConserveSauve->Font().SetStyle(fsBold);
    cc_ConserveSauve->Font().SetColor(clWhite);
    // Sized to its caption, measured in the caption's own font.
    cc_ConserveSauve->Canvas().Font = cc_ConserveSauve->Font();
    cc_ConserveSauve->Setautosize(true);
    cc_ConserveSauve->SetCaption(Traduire(3984));
    cc_ConserveSauve->SetBounds(14, 54, 390, 20);
    cc_ConserveSauve->SetParent(FondCopie3);

    b_Valider = new TBoutonCopie(this);
    b_Valider->SetName("b_Valider");
    b_Annuler = new TBoutonCopie(this);
    b_Annuler->SetName("b_Annuler");
    b_Aide = new TBoutonCopie(this);
    b_Aide->SetName("b_Aide");
    TBoutonCopie* boutons[3] = {b_Valider, b_Annuler, b_Aide};
    const char* legendes[3] = {"Valider", "Annuler", "Aide"};
    for (int i = 0; i < 3; ++i) {
        TBoutonCopie* b = boutons[i];
        if (Dessin)
            b->SetModele(Dessin->Boutonorange2);
        b->SetCaption(legendes[i]);
        b->SetDecalX(-1);
        b->SetDecalY(-3);
        b->Font().SetStyle(fsBold);
        b->SetBounds(74 + i * 106, 156, 96, 31);
        b->SetParent(this);
    }
    b_Valider->ModalResult = mrOk;
    b_Valider->Default = true;
    b_Valider->OnClick = [this](TObject* s) { b_ValiderClick(s); };
    b_Annuler->ModalResult = mrCancel;
    b_Annuler->Cancel = true;
    b_Aide->OnClick = [this](TObject* s) { b_AideClick(s); };

    OnCreate = [this](TObject* s) { FormCreate(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
    DoCreate();
}

void Tf_OptionSauve::FormCreate(TObject*)
{
    Legende(this, 834);
    Legende(cc_SauveAuto, 1047);
    // the unit after the number of minutes, as the language writes it after
    // that number (1048 is the chart's axis legend)
    Edit12->OnChange = [this](TObject*) {
        Label26->SetCaption(Traduire(IdTexteNombre(5828, 5829, StrToIntDef(Trim(Edit12->Text()), 0))));
    };
    Label26->SetCaption(Traduire(IdTexteNombre(5828, 5829, StrToIntDef(Trim(Edit12->Text()), 0))));
    Legende(cc_ConserveSauve, 1049);
    Legende(ts_Sauvegarde, 1050);
    Legende(b_Valider, 29);
    Legende(b_Annuler, 125);
    Legende(b_Aide, 787);
    // The check boxes fit their captions; the edit box follows the first one.
    cc_SauveAuto->Setautosize(true);
    cc_ConserveSauve->Setautosize(true);
    const int x = cc_SauveAuto->Left() + cc_SauveAuto->Width() + 10;
    Edit12->SetLeft(x);
    ud_TempsAuto->SetLeft(x + 27);
    Label26->SetLeft(x + 50);
}

void Tf_OptionSauve::FormShow(TObject*)
{
    if (!Saison)
        return;
    const int minutes = Saison->OptionSauvegarde(0);
    cc_SauveAuto->SetChecked(minutes != 0);
    // Without auto-save the box keeps its proposal (10 minutes): checking it
    // then gives a usable interval.
    if (minutes != 0)
        ud_TempsAuto->SetPosition(minutes);
    cc_ConserveSauve->SetChecked(Saison->OptionSauvegarde(1) == 1);
}

void Tf_OptionSauve::Edit1KeyPress(TObject*, char& Key)
{
    if ((Key >= '0' && Key <= '9') || Key == '\b' || Key == '.')
        return;
    Key = 0;
}

int Tf_OptionSauve::Minutes() const
{
    const int v = StrToIntDef(Trim(Edit12->Text()), ud_TempsAuto->Position());
    return std::clamp(v, MinutesSauvegardeMin, MinutesSauvegardeMax);
}

void Tf_OptionSauve::b_ValiderClick(TObject*)
{
    Tag = 0;
    if (!Saison || !CompteursRemplis())
        return;
    const int option0 = cc_SauveAuto->Checked() ? Minutes() : 0;
    const int option1 = cc_ConserveSauve->Checked() ? 1 : 0;
    if (Saison->OptionSauvegarde(0) != option0) {
        Saison->SetOptionSauvegarde(0, option0);
        Tag = 1;
    }
    if (Saison->OptionSauvegarde(1) != option1) {
        Saison->SetOptionSauvegarde(1, option1);
        Tag = 1;
    }
}

void Tf_OptionSauve::b_AideClick(TObject*)
{
    std::string fichier = FichierAide;
    if (fichier.empty() && Application)
        fichier = Application->HelpFile;
    HtmlHelpA(nullptr, fichier + "::/html/menuopt.htm", HH_DISPLAY_TOPIC, 0);
}
