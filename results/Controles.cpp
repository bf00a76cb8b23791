#include "results/Controles.h"

#include <algorithm>
#include <limits>
#include <memory>

#include "model/oTraducteur.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Dialogs.h"
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
    // What the box held before the user began typing in it: taken when it
    // gets the focus and with every text put in outside a typing (or while
    // the page fills it), never from a key on the way to a refused value.
    // A typing begins with the focus or the first key, and ends when the box
    // is left.
    struct TGarde
    {
        std::string Avant;
        bool Saisie = false;
    };
    auto garde = std::make_shared<TGarde>();
    garde->Avant = e->Text();
    TNotifyEvent suite = e->OnChange;
    e->OnChange = [e, maximum, garde, suite, charge](TObject* s) {
        const bool remplie = charge && charge();
        int minute = 0;
        if (!remplie && TryStrToInt(Trim(e->Text()), minute) && minute > maximum) {
            // A text put in whole (pasted): the box gets its value back.
            e->SetText(garde->Avant);
            RefuseInput(e, TraduireFormat(4400, {minute, maximum}));
            return;
        }
        if (remplie || !garde->Saisie)
            garde->Avant = e->Text();
        if (suite)
            suite(s);
    };
    TNotifyEvent entree = e->OnEnter;
    e->OnEnter = [e, garde, entree](TObject* s) {
        garde->Avant = e->Text();
        garde->Saisie = true;
        if (entree)
            entree(s);
    };
    TNotifyEvent sortie = e->OnExit;
    e->OnExit = [garde, sortie](TObject* s) {
        garde->Saisie = false;
        if (sortie)
            sortie(s);
    };
    TKeyPressEvent touche = e->OnKeyPress;
    e->OnKeyPress = [e, maximum, garde, touche](TObject* s, char& k) {
        garde->Saisie = true;
        // The digit that would take the minute past the limit is refused
        // aloud, the reason beside the box: the typing goes on.
        int minute = 0;
        if (k >= '0' && k <= '9' && TryStrToInt(Trim(e->TexteApres(k)), minute) && minute > maximum) {
            k = 0;
            RefuseInput(e, TraduireFormat(4400, {minute, maximum}));
            return;
        }
        if (touche)
            touche(s, k);
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
