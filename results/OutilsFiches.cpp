#include "results/OutilsFiches.h"

TLabel* EtiquetteFiche(TComponent* owner, TWinControl* parent, const std::string& nom, int x, int y, int w,
                       const std::string& texte, TColor couleur, bool gras, TAlignment alignement)
{
    auto* l = new TLabel(owner);
    l->SetName(nom);
    l->SetAutoSize(false);
    l->SetBounds(x, y, w, 16);
    l->SetTransparent(true);
    l->SetCaption(texte);
    l->Font().SetColor(couleur);
    if (gras)
        l->Font().SetStyle(fsBold);
    l->SetAlignment(alignement);
    l->SetParent(parent);
    return l;
}
