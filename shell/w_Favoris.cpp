#include "shell/w_Favoris.h"

#include <algorithm>

#include "model/oTraducteur.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/Pictures.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "shell/ModesMenu.h"
#include "shell/Parametres.h"
#include "ui/Bouton.h"
#include "ui/Dessin.h"
#include "ui/Fond.h"
#include "ui/TreeViewCombo.h"
#include "ui/message2.h"

namespace {

std::string Texte(int id, const char* defaut)
{
    const std::string t = Traduire(id);
    return t.empty() ? L1(defaut) : t;
}

int Commande(intptr_t objet) { return static_cast<int>(objet & 0xFFFF); }
int Profondeur(intptr_t objet) { return static_cast<int>(objet >> 16); }

bool Contient(const std::vector<int>& liste, int id)
{
    return std::find(liste.begin(), liste.end(), id) != liste.end();
}

// Builds the tree of the entries: each entry goes under the last node one level
// above it (the top when there is none); `ajoute` is told of every node made.
template <class F>
void ConstruitArbre(TTreeView* arbre, const TStringList& entrees, F ajoute)
{
    TTreeNodes& nodes = arbre->Items();
    nodes.BeginUpdate();
    nodes.Clear();
    TTreeNode* dernier = nullptr;
    for (int i = 0; i < entrees.Count(); ++i)
    {
        const intptr_t objet = entrees.Objects(i);
        const int voulu = Profondeur(objet) - 1;   // the parent's depth
        TTreeNode* parent = nullptr;
        if (dernier)
        {
            const int niveau = dernier->Level();   // 0 at the top: depth - 1
            if (niveau + 1 >= voulu)
            {
                parent = dernier;
                for (int k = niveau - voulu + 1; k > 0 && parent; --k)
                    parent = parent->Parent();
            }
            else
                parent = dernier;
        }
        dernier = nodes.AddChildObject(parent, entrees[i], objet);
        ajoute(dernier);
    }
    nodes.EndUpdate();
}

void PlaceBoutonsValidation(TForm* f, TBoutonCopie*& valider, TBoutonCopie*& annuler, int y)
{
    valider = new TBoutonCopie(f);
    valider->SetName("b_Valider");
    valider->SetCaption(Texte(29, "Valider"));
    valider->ModalResult = mrOk;
    valider->Default = true;
    annuler = new TBoutonCopie(f);
    annuler->SetName("b_Annuler");
    annuler->SetCaption(Texte(125, "Annuler"));
    annuler->ModalResult = mrCancel;
    annuler->Cancel = true;
    const int milieu = f->ClientWidth() / 2;
    TBoutonCopie* boutons[2] = {valider, annuler};
    for (int i = 0; i < 2; ++i)
    {
        TBoutonCopie* b = boutons[i];
        if (Dessin)
            b->SetModele(Dessin->BoutonOrange);
        b->SetBounds(i == 0 ? milieu - 112 : milieu + 8, y, 104, 31);
        b->SetDecalX(-1);
        b->SetDecalY(-3);
        b->Font().SetStyle(fsBold);
        b->SetParent(f);
    }
}

TFondCopie* NouveauFond(TForm* f, int largeur, int hauteur)
{
    auto* fond = new TFondCopie(f);
    fond->SetName("Fond");
    fond->SetBounds(8, 8, largeur, hauteur);
    if (Dessin)
        fond->SetModele(Dessin->FondCarrebleuSimple);
    fond->SetParent(f);
    return fond;
}

TLabel* NouveauTitre(TForm* f, TWinControl* parent, const std::string& texte, int x, int y)
{
    auto* l = new TLabel(f);
    l->SetName("Label1");
    l->SetTransparent(true);
    l->Font().SetStyle(fsBold);
    l->Font().SetColor(clWhite);
    l->SetLeft(x);
    l->SetTop(y);
    l->SetCaption(texte);
    l->SetParent(parent);
    return l;
}

}  // namespace

bool FonctionFixe(int commande)
{
    static const int fixes[] = {5, 6, 7, 8, 9, 12, 177, 197, 198, 215, 228, 229};
    return std::find(std::begin(fixes), std::end(fixes), commande) != std::end(fixes);
}


// ---- favourites -------------------------------------------------------------------------------

Tf_Favoris::Tf_Favoris(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    SetName("f_Favoris");
    SetCaption(Texte(1188, "Gestion des favoris"));
    SetBorderStyle(bsDialog);
    SetBorderIcons(biSystemMenu);
    Position = poMainFormCenter;
    SetColor(CouleurFondFonceDessin);
    SetClientWidth(640);
    SetClientHeight(470);

    Fond = NouveauFond(this, 624, 410);

    tv_Option = new TTreeView(this);
    tv_Option->SetName("tv_Option");
    tv_Option->ReadOnly = true;
    tv_Option->HideSelection = false;
    tv_Option->SetBounds(10, 10, 300, 390);
    tv_Option->DragMode = dmAutomatic;
    tv_Option->OnChange = [this](TObject*, TTreeNode* n) {
        Button1->SetEnabled(n && !n->HasChildren() && Commande(n->Data) != 0);
    };
    tv_Option->SetParent(Fond);

    Label1 = NouveauTitre(this, Fond, Texte(1187, "Les favoris"), 372, 10);

    lb_Fonctions = new TListBox(this);
    lb_Fonctions->SetName("lb_Fonctions");
    lb_Fonctions->SetMultiSelect(true);
    lb_Fonctions->SetBounds(372, 30, 210, 370);
    lb_Fonctions->OnDragOver = [this](TObject*, TObject* source, int, int, TDragState, bool& accepte) {
        accepte = source == tv_Option;
    };
    lb_Fonctions->OnDragDrop = [this](TObject*, TObject* source, int, int) {
        if (source == tv_Option)
            Ajoute(tv_Option->Selected());
    };
    lb_Fonctions->OnKeyDown = [this](TObject*, WORD& key, TShiftState) {
        if (key == 46)
            Button2Click(lb_Fonctions);
    };
    lb_Fonctions->SetParent(Fond);

    Button1 = new TButton(this);
    Button1->SetName("Button1");
    Button1->SetCaption(">");
    Button1->SetBounds(322, 170, 38, 28);
    Button1->SetEnabled(false);
    Button1->OnClick = [this](TObject* s) { Button1Click(s); };
    Button1->SetParent(Fond);

    Button2 = new TButton(this);
    Button2->SetName("Button2");
    Button2->SetCaption("<");
    Button2->SetBounds(322, 210, 38, 28);
    Button2->OnClick = [this](TObject* s) { Button2Click(s); };
    Button2->SetParent(Fond);

    sb_Up = new TSpeedButton(this);
    sb_Up->SetName("sb_Up");
    sb_Up->Glyph().LoadFromResourceName("FLECHEHAUT");
    sb_Up->GlyphChanged();
    sb_Up->SetBounds(590, 170, 24, 24);
    sb_Up->OnClick = [this](TObject* s) { sb_UpClick(s); };
    sb_Up->SetParent(Fond);

    sb_Down = new TSpeedButton(this);
    sb_Down->SetName("sb_Down");
    sb_Down->Glyph().LoadFromResourceName("FLECHEBAS");
    sb_Down->GlyphChanged();
    sb_Down->SetBounds(590, 210, 24, 24);
    sb_Down->OnClick = [this](TObject* s) { sb_DownClick(s); };
    sb_Down->SetParent(Fond);

    PlaceBoutonsValidation(this, b_Valider, b_Annuler, 428);
    DoCreate();
}

void Tf_Favoris::Init(std::unique_ptr<TStringList> entrees, const std::vector<int>& favoris)
{
    entrees_ = std::move(entrees);
    lb_Fonctions->Clear();
    if (!entrees_)
        return;
    // The favourites keep the user's order, whatever the menu's.
    std::vector<std::pair<std::string, int>> trouves(favoris.size());
    ConstruitArbre(tv_Option, *entrees_, [&](TTreeNode* n) {
        const int id = Commande(n->Data);
        for (size_t k = 0; k < favoris.size(); ++k)
            if (id != 0 && favoris[k] == id && trouves[k].second == 0)
                trouves[k] = {n->Text(), id};
    });
    for (const auto& [libelle, id] : trouves)
        if (id != 0 && !Contient(Favoris(), id))
            lb_Fonctions->Items().AddObject(libelle, id);
}

std::vector<int> Tf_Favoris::Favoris() const
{
    std::vector<int> l;
    TStrings& items = lb_Fonctions->Items();
    for (int i = 0; i < items.Count(); ++i)
        l.push_back(static_cast<int>(items.Objects(i)));
    return l;
}

void Tf_Favoris::Ajoute(TTreeNode* noeud)
{
    if (!noeud || noeud->HasChildren())
        return;
    const int id = Commande(noeud->Data);
    if (id == 0 || Contient(Favoris(), id))
        return;
    lb_Fonctions->Items().AddObject(noeud->Text(), id);
}

void Tf_Favoris::Button1Click(TObject*) { Ajoute(tv_Option->Selected()); }

void Tf_Favoris::Button2Click(TObject*)
{
    for (int i = lb_Fonctions->Items().Count() - 1; i >= 0; --i)
        if (lb_Fonctions->Selected(i))
            lb_Fonctions->Items().Delete(i);
}

void Tf_Favoris::Deplace(int sens)
{
    const int i = lb_Fonctions->ItemIndex();
    const int j = i + sens;
    if (i < 0 || j < 0 || j >= lb_Fonctions->Items().Count())
        return;
    lb_Fonctions->Items().Exchange(i, j);
    lb_Fonctions->ClearSelection();
    lb_Fonctions->SetItemIndex(j);
    lb_Fonctions->SetSelected(j, true);
}

void Tf_Favoris::sb_UpClick(TObject*) { Deplace(-1); }
void Tf_Favoris::sb_DownClick(TObject*) { Deplace(1); }

// ---- menu modes -------------------------------------------------------------------------------

Tf_FavorisEx::Tf_FavorisEx(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    SetName("f_FavorisEx");
    SetCaption(Texte(1243, "Gestion des menus"));
    SetBorderStyle(bsDialog);
    SetBorderIcons(biSystemMenu);
    Position = poMainFormCenter;
    SetColor(CouleurFondFonceDessin);
    SetClientWidth(460);
    SetClientHeight(540);

    Fond = NouveauFond(this, 444, 480);
    Label1 = NouveauTitre(this, Fond, Texte(1245, "Modes prédéfinis"), 12, 12);

    cb_modes = new TComboBox(this);
    cb_modes->SetName("cb_modes");
    cb_modes->SetStyle(csDropDownList);
    cb_modes->SetBounds(180, 8, 250, 24);
    cb_modes->SetParent(Fond);

    tvc_Option = new TTreeViewCombo(this);
    tvc_Option->SetName("tvc_Option");
    tvc_Option->ReadOnly = true;
    tvc_Option->Recursive = true;
    tvc_Option->SetBounds(12, 40, 420, 380);
    tvc_Option->SetParent(Fond);

    cb_MenuHaut = new TCarreCoche(this);
    cb_MenuHaut->SetName("cb_MenuHaut");
    cb_MenuHaut->SetCaption(Texte(1299, "Menu en haut"));
    cb_MenuHaut->SetBounds(12, 430, 420, 18);
    cb_MenuHaut->Font().SetColor(clWhite);
    cb_MenuHaut->SetParent(Fond);

    cb_MenuGauche = new TCarreCoche(this);
    cb_MenuGauche->SetName("cb_MenuGauche");
    cb_MenuGauche->SetCaption(Texte(1300, "Menu à gauche"));
    cb_MenuGauche->SetBounds(12, 454, 420, 18);
    cb_MenuGauche->Font().SetColor(clWhite);
    cb_MenuGauche->SetParent(Fond);

    PlaceBoutonsValidation(this, b_Valider, b_Annuler, 498);
    b_Valider->OnClick = [this](TObject* s) { b_ValiderClick(s); };
    DoCreate();
}

std::string Tf_FavorisEx::ListeMode(int index) { return ListeModeMenu(index); }

void Tf_FavorisEx::Init(std::unique_ptr<TStringList> entrees, const std::vector<int>& caches, bool menuGauche,
                        bool menuHaut)
{
    entrees_ = std::move(entrees);
    // 1.
    cb_modes->OnChange = nullptr;
    cb_modes->Items().Clear();
    cb_modes->Items().Add(Texte(1246, "Parieur"));
    cb_modes->Items().Add(Texte(1247, "Supporter"));
    cb_modes->Items().Add(Texte(1248, "Président-Entraineur"));
    cb_modes->Items().Add(Texte(1595, "Complet"));
    cb_modes->Items().Add(Texte(1249, "Personnalisé"));
    cb_modes->SetItemIndex(4);
    cb_modes->OnChange = [this](TObject* s) { cb_modesChange(s); };
    // 2. and 3.
    if (entrees_)
        ConstruitArbre(tvc_Option, *entrees_, [&](TTreeNode* n) {
            const int id = Commande(n->Data);
            n->SetStateIndex(caches.empty() || (id != 0 && !Contient(caches, id)) ? 2 : 1);
        });
    for (int i = 0; i < tvc_Option->Items().Count(); ++i)
    {
        TTreeNode* n = tvc_Option->Items()[i];
        if (!FonctionFixe(Commande(n->Data)))
            continue;
        n->SetStateIndex(4);
        for (TTreeNode* p = n->Parent(); p; p = p->Parent())
            if (p->StateIndex() < 3)
                p->SetStateIndex(p->StateIndex() + 2);
    }
    // 4.
    cb_MenuHaut->SetChecked(menuHaut);
    cb_MenuGauche->SetChecked(menuGauche);
}

void Tf_FavorisEx::cb_modesChange(TObject*)
{
    const std::vector<int> liste = LitListeCommandes(ListeMode(cb_modes->ItemIndex()));
    for (int i = 0; i < tvc_Option->Items().Count(); ++i)
    {
        TTreeNode* n = tvc_Option->Items()[i];
        if (n->StateIndex() >= 3)
            continue;
        const int id = Commande(n->Data);
        n->SetStateIndex(id != 0 && !Contient(liste, id) ? 2 : 1);
    }
}

void Tf_FavorisEx::b_ValiderClick(TObject*)
{
    if (cb_MenuHaut->Checked() || cb_MenuGauche->Checked())
        return;
    Tf_MessageUtil::Affiche(Texte(1301, "Choisissez au moins un emplacement pour le menu."), mbuValider);
    SetModalResult(mrNone);
}

std::vector<int> Tf_FavorisEx::Caches() const
{
    std::vector<int> l;
    for (int i = 0; i < tvc_Option->Items().Count(); ++i)
    {
        TTreeNode* n = tvc_Option->Items()[i];
        const int id = Commande(n->Data);
        if (n->StateIndex() == 1 && id > 0)
            l.push_back(id);
    }
    return l;
}
