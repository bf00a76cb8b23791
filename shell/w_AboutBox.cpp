#include "shell/w_AboutBox.h"

#include "model/oTraducteur.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "shell/Globales.h"
#include "ui/Bouton.h"
#include "ui/Dessin.h"
#include "ui/Fond.h"

namespace {
std::string Texte(int id, const char* defaut)
{
    const std::string t = Traduire(id);
    return t.empty() ? L1(defaut) : t;
}

TLabel* Libelle(TForm* f, TWinControl* parent, const char* nom, int y, int h, int taille, bool gras, TColor c)
{
    auto* l = new TLabel(f);
    l->SetName(nom);
    l->SetAutoSize(false);
    l->SetWordWrap(true);
    l->SetAlignment(taCenter);
    l->SetTransparent(true);
    l->SetBounds(16, y, 308, h);
    l->Font().SetSize(taille);
    if (gras)
        l->Font().SetStyle(fsBold);
    l->Font().SetColor(c);
    l->SetParent(parent);
    return l;
}
}  // namespace

Tf_AboutBox::Tf_AboutBox(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    SetName("AboutBox");
    SetCaption(Texte(735, "A propos"));
    SetBorderStyle(bsDialog);
    SetBorderIcons(biSystemMenu);
    Position = poMainFormCenter;
    SetColor(CouleurFondFonceDessin);
    SetClientWidth(356);
    SetClientHeight(250);

    Panel1 = new TFondCopie(this);
    Panel1->SetName("Panel1");
    Panel1->SetBounds(8, 8, 340, 190);
    if (Dessin)
        Panel1->SetModele(Dessin->FondCarrebleuSimple);
    Panel1->SetParent(this);

    ProductName = Libelle(this, Panel1, "ProductName", 22, 34, 18, true, clWhite);
    ProductName->SetCaption(TitreProduit);
    VersionLabel = Libelle(this, Panel1, "VersionLabel", 62, 20, 10, true, 0x00FFFF);
    VersionLabel->SetCaption(std::string("Version ") + VersionProduit);
    Comments = Libelle(this, Panel1, "Comments", 96, 48, 9, false, clWhite);
    Comments->SetCaption(Texte(733, ""));
    Copyright = Libelle(this, Panel1, "Copyright", 150, 20, 8, false, 0xFFD28C);
    Copyright->SetCaption(Texte(3410, "Football · Rugby · Basket-ball · Handball"));

    BoutonCopie1 = new TBoutonCopie(this);
    BoutonCopie1->SetName("BoutonCopie1");
    if (Dessin)
        BoutonCopie1->SetModele(Dessin->BoutonOrange);
    BoutonCopie1->SetBounds(126, 208, 104, 31);
    BoutonCopie1->SetDecalX(-1);
    BoutonCopie1->SetDecalY(-3);
    BoutonCopie1->Font().SetStyle(fsBold);
    BoutonCopie1->SetCaption(Texte(27, "Continuer"));
    BoutonCopie1->ModalResult = mrOk;
    BoutonCopie1->Default = true;
    BoutonCopie1->Cancel = true;
    BoutonCopie1->SetParent(this);

    OnActivate = [this](TObject*) {
        const std::string v = Traduire(254);
        if (!v.empty())
            VersionLabel->SetCaption(v);
    };
    DoCreate();
}
