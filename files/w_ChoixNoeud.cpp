#include "files/w_ChoixNoeud.h"

#include "model/LectureParametre.h"
#include "model/oTraducteur.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/StringList.h"
#include "ui/Dessin.h"
#include "ui/Fond.h"
#include "ui/LargeurListe.h"

Tf_ChoixNoeud::Tf_ChoixNoeud(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    SetName("f_ChoixNoeud");
    SetCaption(Traduire(756));
    SetBorderStyle(bsDialog);
    SetBorderIcons(biSystemMenu);
    Position = poMainFormCenter;
    SetColor(CouleurFondFonceDessin);
    SetClientWidth(380);
    SetClientHeight(330);

    FondCopie1 = new TFondCopie(this);
    FondCopie1->SetName("FondCopie1");
    FondCopie1->SetBounds(8, 8, 364, 314);
    if (Dessin)
        FondCopie1->SetModele(Dessin->FondCarrebleuSimple);
    FondCopie1->SetParent(this);

    Label1 = new TLabel(this);
    Label1->SetName("Label1");
    Label1->SetTransparent(true);
    Label1->Font().SetStyle(fsBold);
    Label1->Font().SetColor(clWhite);
    Label1->SetBounds(12, 10, 340, 18);
    Label1->SetCaption(Traduire(757));
    Label1->SetParent(FondCopie1);

    lb_Texte = new TListBox(this);
    lb_Texte->SetName("lb_Texte");
    lb_Texte->SetBounds(12, 34, 340, 268);
    lb_Texte->SetParent(FondCopie1);
    lb_Texte->OnDblClick = [this](TObject*) { lb_TexteDblClick(); };
    // Enter takes the chosen line, as the double click does.
    lb_Texte->OnKeyDown = [this](TObject*, WORD& k, TShiftState) {
        if (k == VK_RETURN && lb_Texte->ItemIndex() >= 0) {
            k = 0;
            lb_TexteDblClick();
        }
    };
    DoCreate();
}

void Tf_ChoixNoeud::RemplitListe(bool divisions)
{
    lb_Texte->Items().Clear();
    TLectureParamMulti* multi = LectureParamMulti();
    TLectureParam* p = multi ? multi->ParamCourant() : nullptr;
    if (!p)
        return;
    TStringList l;
    if (divisions)
        p->ListeDivisions(l);
    else
        p->ListeChampionnats(l);
    for (int i = 0; i < l.Count(); ++i)
        lb_Texte->Items().AddObject(l[i], static_cast<TStrings::Object>(l.Objects(i)) + 1);
    // Every entry whole, in every language: the list, its frame and the
    // window as wide as the widest.
    const int largeur = LargeurListe(*lb_Texte, lb_Texte->Items(), MargeListe, 340);
    lb_Texte->SetWidth(largeur);
    FondCopie1->SetWidth(largeur + 24);
    SetClientWidth(largeur + 40);
}

void Tf_ChoixNoeud::RetirePremier()
{
    if (!premier_)
        return;
    premier_ = false;
    if (lb_Texte->Items().Count() > 0)
        lb_Texte->Items().Delete(0);
}

void Tf_ChoixNoeud::lb_TexteDblClick()
{
    const int i = lb_Texte->ItemIndex();
    if (i < 0)
        return;
    const TStrings::Object o = lb_Texte->Items().Objects(i);
    Choix = o != 0 ? static_cast<int32_t>(o - 1) : i + (premier_ ? 0 : 1);
    SetModalResult(mrOk);
}
