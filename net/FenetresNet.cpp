#include "net/FenetresNet.h"

#include "model/oTraducteur.h"
#include "platform/gui/StdCtrls.h"
#include "ui/Bouton.h"
#include "ui/Couleurs.h"
#include "ui/Dessin.h"

namespace fenetres_net {

void Cadre(TForm* f, const char* nom, const std::string& titre, TBorderStyle bord, TPosition position, int largeur,
           int hauteur)
{
    f->SetName(nom);
    f->SetCaption(titre);
    f->SetBorderStyle(bord);
    f->SetBorderIcons(biSystemMenu);
    f->Position = position;
    f->SetColor(CouleurFondFonceDessin);
    f->SetClientWidth(largeur);
    f->SetClientHeight(hauteur);
}

TLabel* Etiquette(TForm* f, const char* nom, const std::string& texte, int x, int y, int l, int h, TColor couleur,
                  TFontStyles style)
{
    auto* e = new TLabel(f);
    e->SetName(nom);
    e->SetTransparent(true);
    e->SetCaption(texte);
    e->Font().SetColor(couleur);
    e->Font().SetStyle(style);
    e->SetBounds(x, y, l, h);
    e->SetParent(f);
    return e;
}

TBoutonCopie* BoutonOrange(TForm* f, const char* nom, const char* legende, int x, int y, int largeur)
{
    auto* b = new TBoutonCopie(f);
    b->SetName(nom);
    if (Dessin)
        b->SetModele(Dessin->BoutonModele("Dessin.BoutonOrange"));
    b->SetCaption(legende);
    b->Font().SetStyle(fsBold);
    b->SetBounds(x, y, largeur, 31);
    b->SetParent(f);
    return b;
}

void Legende(TControl* c, int id)
{
    const std::string t = Traduire(id);
    if (!t.empty())
        c->SetCaption(t);
}

}  // namespace fenetres_net
