#include "results/Controles.h"

#include <algorithm>
#include <limits>
#include <memory>

#include "model/oTraducteur.h"
#include "platform/gui/Controls.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "ui/Bouton.h"
#include "ui/Dessin.h"
#include "ui/Fond.h"
#include "ui/message2.h"
#include "views/w_ChoixJournee.h"

namespace resultats {

TBoutonCopie* Bouton(TComponent* owner, TWinControl* parent, const char* nom, const char* maitre, int x, int y,
                     int w, const std::string& texte)
{
    TBoutonCopie* b = BoutonDialogue(owner, parent, nom, x, y, w, maitre);
    b->SetCaption(texte);
    return b;
}

TCadre* Cadre(TComponent* owner, TWinControl* parent, const char* nom, int x, int y, int w)
{
    auto* c = new TCadre(owner);
    c->SetName(nom);
    if (Dessin)
        c->SetModele(Dessin->Fond("BoutonCreuxBleu"));
    c->SetBounds(x, y, w, 25);
    c->Selectionnable = false;
    c->SetParent(parent);
    return c;
}

TEditRond* Rond(TComponent* owner, TWinControl* parent, const char* nom, int x, int y, int longueur)
{
    auto* e = new TEditRond(owner);
    e->SetName(nom);
    if (Dessin)
        e->SetModele(Dessin->Fond("RondCreuxBleu"));
    e->SetBounds(x, y, 25, 25);
    e->Maxlength = static_cast<uint8_t>(longueur);
    e->SetParent(parent);
    return e;
}

void BorneMinute(TEdition2* e, int maximum, std::function<bool()> charge)
{
    auto garde = std::make_shared<std::string>(e->Text());
    TNotifyEvent suite = e->OnChange;
    e->OnChange = [e, maximum, garde, suite, charge](TObject* s) {
        int minute = 0;
        if (!(charge && charge()) && TryStrToInt(Trim(e->Text()), minute) && minute > maximum) {
            Tf_MessageUtil::Affiche(TraduireFormat(4400, {minute, maximum}), mbuValider);
            e->SetText(*garde);
            return;
        }
        *garde = e->Text();
        if (suite)
            suite(s);
    };
}

TEdit* Petit(TComponent* owner, TWinControl* parent, const char* nom, int x, int y, int longueur)
{
    auto* e = new TEdit(owner);
    e->SetName(nom);
    e->SetBounds(x, y, 30, 21);
    e->SetMaxLength(longueur);
    e->SetParent(parent);
    return e;
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

TLabel* Legende(TComponent* owner, TWinControl* parent, const char* nom, int x, int y, int w, TColor couleur,
                const std::string& texte)
{
    TLabel* l = Label(owner, parent, nom, x, y, w, couleur, true, texte);
    l->SetAutoSize(false);
    l->SetWordWrap(true);
    l->SetLayout(tlBottom);
    l->SetBounds(x, y, w, 28);
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

void RangeColonnes(const std::vector<std::vector<TControl*>>& colonnes, int droite, int ecart)
{
    int fin = std::numeric_limits<int>::min();
    TControl* dernier = nullptr;
    for (const auto& colonne : colonnes) {
        int gauche = std::numeric_limits<int>::max();
        for (TControl* c : colonne)
            gauche = std::min(gauche, c->Left());
        const int decalage = fin == std::numeric_limits<int>::min() ? 0 : std::max(0, fin + ecart - gauche);
        for (TControl* c : colonne) {
            c->SetLeft(c->Left() + decalage);
            fin = std::max(fin, c->Left() + c->Width());
            dernier = c;
        }
    }
    if (dernier && droite > dernier->Left() + 20)
        dernier->SetWidth(droite - dernier->Left());
}

}  // namespace resultats
