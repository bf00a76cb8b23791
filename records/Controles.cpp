#include "records/Controles.h"

#include "model/Championnat.h"
#include "model/Saison.h"

#include <algorithm>
#include "model/oTraducteur.h"
#include "platform/gui/Forms.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Pictures.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "ui/Bouton.h"
#include "ui/Dessin.h"
#include "ui/Fond.h"

namespace ctrl {

void Dialogue(TForm* f, const std::string& nom, bool fenetreOutil, int largeur, int hauteur)
{
    f->SetName(nom);
    f->SetBorderStyle(fenetreOutil ? bsToolWindow : bsDialog);
    f->Position = poMainFormCenter;
    f->SetColor(CouleurFondFonceDessin);
    f->SetClientWidth(largeur);
    f->SetClientHeight(hauteur);
}

namespace {

// A preview draws the stored picture as it is: the logos of the views take
// a uniform corner colour for transparent, which would show a crest of one
// colour as the white ground.
class TApercu : public TLogo
{
public:
    using TLogo::TLogo;

protected:
    void Paint() override
    {
        TCanvas& c = Canvas();
        c.Brush.SetColor(CouleurFond);
        c.Pen.SetColor(CouleurBord);
        c.Rectangle(0, 0, Width(), Height());
        if (TGraphic* g = Image(); g && g->Width() > 0 && g->Height() > 0)
            c.StretchDraw(RectLogo(Width(), Height(), g->Width(), g->Height()), *g);
        if (OnPaint)
            OnPaint(this);
    }
};

}   // namespace

TLogo* Apercu(TComponent* owner, TWinControl* parent, const std::string& nom, int x, int y, int largeur, int hauteur)
{
    auto* l = new TApercu(owner);
    l->SetName(nom);
    l->SetBounds(x, y, largeur, hauteur);
    l->CouleurFond = clWhite;
    l->CouleurBord = clRed;
    l->SetParent(parent);
    return l;
}

void RemplitEquipes(TStrings& items, const TSaison* saison)
{
    items.Clear();
    if (!saison)
        return;
    const TDonneesChampionnat* c = saison->ChampionnatCourant();
    std::vector<std::pair<std::string, int>> autres;
    for (int i = 0; i < saison->NbEquipe(); ++i)
    {
        const int id = saison->IdEquipe(i);
        if (!c || c->IndexEquipe(id) < 0)
            autres.emplace_back(saison->NomEquipe(id), id);
    }
    std::stable_sort(autres.begin(), autres.end(),
                     [](const auto& a, const auto& b) { return AnsiCompareText(a.first, b.first) < 0; });
    if (c)
        for (int i = 0; i < c->NbEquipe(); ++i)
            items.AddObject(saison->NomEquipe(c->IdEquipe(i)), c->IdEquipe(i));
    for (const auto& [nom, id] : autres)
        items.AddObject(nom, id);
}

void RemplitClubsPrec(TStrings& items, const TSaison* saison)
{
    items.Clear();
    if (!saison)
        return;
    for (int i = 0; i < saison->NbClubPrec(); ++i)
    {
        int32_t id = 0;
        std::string nom;
        saison->ClubPrecIndex(i, id, nom);
        if (!nom.empty())
            items.AddObject(nom, id);
    }
}

std::string Texte(int id, const std::string& defaut)
{
    const std::string t = Traduire(id);
    return t.empty() ? defaut : t;
}

void Legende(TControl* c, int id)
{
    const std::string t = Traduire(id);
    if (!t.empty())
        c->SetCaption(t);
}

TLabel* Etiquette(TComponent* owner, TWinControl* parent, const std::string& nom, int x, int y, int texte,
                TColor couleur)
{
    auto* l = new TLabel(owner);
    l->SetName(nom);
    l->SetTransparent(true);
    l->Font().SetColor(couleur);
    l->SetLeft(x);
    l->SetTop(y);
    if (texte > 0)
        l->SetCaption(Texte(texte));
    l->SetParent(parent);
    return l;
}

TEdit* Saisie(TComponent* owner, TWinControl* parent, const std::string& nom, int x, int y, int largeur,
              int maxLongueur)
{
    auto* e = new TEdit(owner);
    e->SetName(nom);
    e->SetBounds(x, y, largeur, 21);
    e->SetMaxLength(maxLongueur);
    e->SetText("");
    e->SetParent(parent);
    return e;
}

TEdit* SaisieNombre(TComponent* owner, TWinControl* parent, const std::string& nom, int x, int y, int largeur,
                    int maxLongueur)
{
    TEdit* e = Saisie(owner, parent, nom, x, y, largeur, maxLongueur);
    e->SetNumbersOnly(true);
    return e;
}

TComboBox98* Combo98(TComponent* owner, TWinControl* parent, const std::string& nom, int x, int y, int largeur)
{
    auto* c = new TComboBox98(owner);
    c->SetName(nom);
    c->SetBounds(x, y, largeur, 21);
    c->SetSorted(true);
    c->SetParent(parent);
    return c;
}

TComboBox* Liste(TComponent* owner, TWinControl* parent, const std::string& nom, int x, int y, int largeur)
{
    auto* c = new TComboBox(owner);
    c->SetName(nom);
    c->SetStyle(csDropDownList);
    c->SetBounds(x, y, largeur, 21);
    c->SetParent(parent);
    return c;
}

TBoutonCopie* Bouton(TComponent* owner, TWinControl* parent, const std::string& nom, int x, int y, int largeur,
                     int texte, int modalResult)
{
    auto* b = new TBoutonCopie(owner);
    b->SetName(nom);
    if (Dessin)
        b->SetModele(Dessin->Boutonorange2);
    b->SetBounds(x, y, largeur, 25);
    b->Font().SetColor(clWhite);
    b->Font().SetStyle(fsBold);
    Legende(b, texte);
    b->ModalResult = modalResult;
    b->SetParent(parent);
    return b;
}

TFondCopie* Cadre(TComponent* owner, TWinControl* parent, const std::string& nom, int x, int y, int largeur,
                  int hauteur)
{
    auto* f = new TFondCopie(owner);
    f->SetName(nom);
    f->SetBounds(x, y, largeur, hauteur);
    if (Dessin)
        f->SetModele(Dessin->FondCarrebleuSimple);
    f->SetParent(parent);
    return f;
}

TTabSheet* Onglet(TComponent* owner, TPageControl* pages, const std::string& nom, int texte)
{
    auto* t = new TTabSheet(owner);
    t->SetName(nom);
    t->SetPageControl(pages);
    t->SetColor(CouleurFondFonceDessin);
    t->SetCaption(Texte(texte));
    return t;
}

TFondCopie* FondOnglet(TComponent* owner, TTabSheet* page, const std::string& nom, int largeur, int hauteur)
{
    TFondCopie* f = Cadre(owner, page, nom, 0, 0, largeur, hauteur);
    f->SetAlign(alClient);
    return f;
}

TUpDown* Compteur(TComponent* owner, TWinControl* parent, const std::string& nom, TEdit* edit, int min, int max)
{
    auto* u = new TUpDown(owner);
    u->SetName(nom);
    u->Min = min;
    u->Max = max;
    u->SetParent(parent);
    u->SetAssociate(edit);
    u->SetBounds(edit->Left() + edit->Width(), edit->Top(), 17, edit->Height());
    return u;
}

namespace {

std::pair<int, int> BornesChamp(TChamp champ)
{
    const TChampXml& c = Champ(champ);
    return {static_cast<int>(std::max<int64_t>(c.bas, INT32_MIN)), static_cast<int>(std::min<int64_t>(c.haut, INT32_MAX))};
}

}  // namespace

TUpDown* Compteur(TComponent* owner, TWinControl* parent, const std::string& nom, TEdit* edit, TChamp champ)
{
    const auto [bas, haut] = BornesChamp(champ);
    edit->SetMaxLength(ChiffresChamp(champ) + (bas < 0 ? 1 : 0));
    return Compteur(owner, parent, nom, edit, bas, haut);
}

void BorneChamp(TEdit* edit, TChamp champ)
{
    const auto bornes = BornesChamp(champ);
    edit->SetMaxLength(ChiffresChamp(champ) + (bornes.first < 0 ? 1 : 0));
    edit->SetNumbersOnly(true, bornes.first < 0);
    edit->SetCounterBounds([bornes] { return bornes; });
}

int NombreDebut(const std::string& texte)
{
    long long v = 0;
    for (char c : texte)
    {
        if (c < '0' || c > '9')
            break;
        v = v * 10 + (c - '0');
        if (v > 1000000000)
            break;
    }
    return static_cast<int>(v);
}

bool LitEntier(const std::string& texte, int& valeur)
{
    return TryStrToInt(Trim(texte), valeur);
}

}  // namespace ctrl
