#include "results/Controles.h"

#include "platform/gui/StdCtrls.h"
#include "ui/Bouton.h"
#include "ui/Dessin.h"
#include "ui/Fond.h"

namespace resultats {

TBoutonCopie* Bouton(TComponent* owner, TWinControl* parent, const char* nom, const char* maitre, int x, int y,
                     int w, const std::string& texte)
{
    auto* b = new TBoutonCopie(owner);
    b->SetName(nom);
    if (Dessin)
        b->SetModele(Dessin->Bouton(maitre));
    b->SetBounds(x, y, w, 30);
    b->SetDecalX(-1);
    b->SetDecalY(-3);
    b->Font().SetStyle(fsBold);
    b->SetCaption(texte);
    b->SetParent(parent);
    return b;
}

TLabel* Label(TComponent* owner, TWinControl* parent, const char* nom, int x, int y, int w, TColor couleur,
              bool gras, const std::string& texte)
{
    auto* l = new TLabel(owner);
    l->SetName(nom);
    l->SetTransparent(true);
    l->Font().SetColor(couleur);
    l->Font().SetStyle(gras ? fsBold : 0u);
    l->SetBounds(x, y, w, 16);
    l->SetCaption(texte);
    l->SetParent(parent);
    return l;
}

TFondCopie* Fond(TComponent* owner, TWinControl* parent, const char* nom, const char* maitre, int x, int y, int w,
                 int h)
{
    auto* f = new TFondCopie(owner);
    f->SetName(nom);
    if (Dessin)
        f->SetModele(Dessin->Fond(maitre));
    f->SetBounds(x, y, w, h);
    f->SetParent(parent);
    return f;
}

}  // namespace resultats
