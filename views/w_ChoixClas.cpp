#include "views/w_ChoixClas.h"

#include "model/Championnat.h"
#include "model/Saison.h"
#include "model/oTraducteur.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "ui/Bouton.h"
#include "ui/Dessin.h"
#include "ui/Fond.h"
#include "views/Textes.h"

using vues::Texte;

Tf_Choixclass::Tf_Choixclass(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    SetName("f_Choixclass");
    SetBorderStyle(bsDialog);
    SetBorderIcons(biSystemMenu);
    Position = poMainFormCenter;
    SetColor(CouleurFondFonceDessin);
    SetClientWidth(352);
    SetClientHeight(208);

    FondCopie2 = new TFondCopie(this);
    FondCopie2->SetName("FondCopie2");
    if (Dessin)
        FondCopie2->SetModele(Dessin->Fond("FondMenuBleu"));
    FondCopie2->SetBounds(8, 8, 336, 152);
    FondCopie2->SetParent(this);

    auto label = [this](const char* nom, int x, int y) {
        auto* l = new TLabel(this);
        l->SetName(nom);
        l->SetTransparent(true);
        l->Font().SetStyle(fsBold);
        l->Font().SetColor(0x00FFFF);
        l->SetBounds(x, y, 150, 16);
        l->SetParent(FondCopie2);
        return l;
    };
    Label1 = label("Label1", 18, 16);
    Label2 = label("Label2", 18, 44);
    Label3 = label("Label3", 178, 44);
    Label2->SetWidth(96);
    Label3->SetWidth(90);

    auto edit = [this](const char* nom, int x) {
        auto* e = new TEdit(this);
        e->SetName(nom);
        e->SetMaxLength(3);
        e->SetBounds(x, 40, 40, 22);
        e->SetParent(FondCopie2);
        return e;
    };
    Edit1 = edit("Edit1", 116);
    Edit2 = edit("Edit2", 272);

    auto bouton = [this](TWinControl* parent, const char* nom, const char* maitre, int x, int y, int w) {
        auto* b = new TBoutonCopie(this);
        b->SetName(nom);
        if (Dessin)
            b->SetModele(Dessin->Bouton(maitre));
        b->SetBounds(x, y, w, 30);
        b->SetDecalX(-1);
        b->SetDecalY(-3);
        b->Font().SetStyle(fsBold);
        b->SetParent(parent);
        return b;
    };
    BoutonCopie3 = bouton(FondCopie2, "BoutonCopie3", "BoutonOrange", 14, 76, 152);
    BoutonCopie4 = bouton(FondCopie2, "BoutonCopie4", "BoutonOrange", 170, 76, 152);
    BoutonCopie5 = bouton(FondCopie2, "BoutonCopie5", "BoutonOrange", 14, 110, 152);
    BoutonCopie6 = bouton(FondCopie2, "BoutonCopie6", "BoutonOrange", 170, 110, 152);
    BoutonCopie1 = bouton(this, "BoutonCopie1", "Boutonorange2", 64, 168, 108);
    BoutonCopie2 = bouton(this, "BoutonCopie2", "Boutonorange2", 180, 168, 108);
    BoutonCopie1->Default = true;
    BoutonCopie2->Cancel = true;
    BoutonCopie2->ModalResult = mrCancel;

    SetCaption(Texte(745, L1("Choix de l'étendu du classement")));
    Label1->SetCaption(Texte(746, "Effectuer le classement"));
    BoutonCopie3->SetCaption(Texte(747, L1("Totalité du championnat")));
    Label2->SetCaption(Texte(748, L1("de la journée")));
    BoutonCopie4->SetCaption(Texte(749, L1("6 dernières journées")));
    Label3->SetCaption(Texte(750, L1("à la journée")));
    BoutonCopie5->SetCaption(Texte(751, "Matchs allers"));
    BoutonCopie6->SetCaption(Texte(752, "Matchs retours"));
    BoutonCopie1->SetCaption(Texte(29, "Valider"));
    BoutonCopie2->SetCaption(Texte(125, "Annuler"));

    BoutonCopie3->OnClick = [this](TObject*) { Propose(1, DerniereJouee()); };
    BoutonCopie4->OnClick = [this](TObject*) {
        const int l = DerniereJouee();
        Propose(l < 7 ? 1 : l - 5, l);
    };
    BoutonCopie5->OnClick = [this](TObject*) { Propose(1, NbEquipes() - 1); };
    BoutonCopie6->OnClick = [this](TObject*) { Propose(NbEquipes(), 2 * (NbEquipes() - 1)); };
    BoutonCopie1->OnClick = [this](TObject* s) { BoutonCopie1Click(s); };
    OnShow = [this](TObject* s) { FormShow(s); };
    DoCreate();
}

int Tf_Choixclass::DerniereJouee() const
{
    const TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    return c ? c->DerniereJournee : 0;
}

int Tf_Choixclass::NbEquipes() const
{
    const TDonneesChampionnat* c = Saison ? Saison->ChampionnatCourant() : nullptr;
    return c ? c->NbEquipe() : 0;
}

void Tf_Choixclass::Propose(int premiere, int derniere)
{
    Edit1->SetText(IntToStr(premiere));
    Edit2->SetText(IntToStr(derniere));
}

void Tf_Choixclass::FormShow(TObject*)
{
    if (Edit1->GetText().empty())
        Edit1->SetText("1");
    if (Edit2->GetText().empty())
        Edit2->SetText(IntToStr(DerniereJouee()));
}

void Tf_Choixclass::BoutonCopie1Click(TObject*)
{
    const std::string t1 = Edit1->GetText(), t2 = Edit2->GetText();
    if (t1.empty() || t2.empty() || t1 == "0" || t2 == "0") {
        SetModalResult(mrCancel);
        return;
    }
    int a = StrToIntDef(t1, 0), b = StrToIntDef(t2, 0);
    const int l = DerniereJouee();
    if (b > l)
        b = l;
    if (b < a)
        a = b;
    Tag = b + 256 * a;
    SetModalResult(mrOk);
}
