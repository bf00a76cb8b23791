// Small builders of the set-up windows' skinned controls.
#pragma once

#include <string>

#include "model/oTraducteur.h"
#include "platform/gui/StdCtrls.h"
#include "ui/Bouton.h"
#include "ui/Dessin.h"
#include "ui/Fond.h"

namespace setup {

template <class T>
T* Place(T* c, TWinControl* parent, const std::string& nom, int x, int y, int w, int h)
{
    c->SetName(nom);
    c->SetBounds(x, y, w, h);
    c->SetParent(parent);
    return c;
}

inline TFondCopie* Fond(TComponent* owner, TWinControl* parent, const std::string& nom, int x, int y, int w, int h)
{
    auto* f = Place(new TFondCopie(owner), parent, nom, x, y, w, h);
    if (Dessin)
        f->SetModele(Dessin->FondCarrebleuSimple);
    return f;
}

inline TLabel* Libelle(TComponent* owner, TWinControl* parent, const std::string& nom, const std::string& texte,
                       int x, int y, int w, int h = 18)
{
    auto* l = Place(new TLabel(owner), parent, nom, x, y, w, h);
    l->SetTransparent(true);
    l->Font().SetStyle(fsBold);
    l->Font().SetColor(clWhite);
    l->SetCaption(texte);
    return l;
}

inline TBoutonCopie* Bouton(TComponent* owner, TWinControl* parent, const std::string& nom, const std::string& texte,
                            int x, int y, int w = 96, int h = 31)
{
    auto* b = Place(new TBoutonCopie(owner), parent, nom, x, y, w, h);
    if (Dessin)
        b->SetModele(Dessin->BoutonOrange);
    b->Font().SetStyle(fsBold);
    b->SetCaption(texte);
    return b;
}

template <class T>
T* Coche(TComponent* owner, TWinControl* parent, const std::string& nom, const std::string& texte, int x, int y,
         int w, int h = 20)
{
    auto* r = Place(new T(owner), parent, nom, x, y, w, h);
    r->Font().SetStyle(fsBold);
    r->Font().SetColor(clWhite);
    r->SetCaption(texte);
    return r;
}

// A form of the set-up: dialog border, dark colour, centred on the main form.
inline void PrepareFiche(TForm* f, const std::string& nom, const std::string& titre, int w, int h)
{
    f->SetName(nom);
    f->SetCaption(titre);
    f->SetBorderStyle(bsDialog);
    f->SetBorderIcons(biSystemMenu);
    f->Position = poMainFormCenter;
    f->SetColor(CouleurFondFonceDessin);
    f->SetClientWidth(w);
    f->SetClientHeight(h);
}

}  // namespace setup
