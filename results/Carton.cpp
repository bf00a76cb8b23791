#include "results/Carton.h"

#include <algorithm>
#include <vector>

#include "model/Saison.h"
#include "model/Utilities.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Strings.h"
#include "results/Controles.h"
#include "results/w_InfoMatchCadre.h"
#include "ui/Bouton.h"
#include "ui/Dessin.h"
#include "ui/Nombres.h"
#include "views/Textes.h"
#include "views/w_ChoixJournee.h"

using vues::Texte;

namespace {

// The boxes of the drop under way: no walk of the rows frees them.
const TControl* depotSource = nullptr;
const TControl* depotCible = nullptr;

struct TDepot
{
    TDepot(const TControl* source, const TControl* cible)
    {
        depotSource = source;
        depotCible = cible;
    }
    ~TDepot() { depotSource = depotCible = nullptr; }
};

TCarton* CartonDeLigne(const TControl* ligne)
{
    const auto* w = dynamic_cast<const TWinControl*>(ligne);
    if (!w)
        return nullptr;
    for (int i = 0; i < w->ControlCount(); ++i)
        if (auto* c = dynamic_cast<TCarton*>(w->Controls(i)))
            return c;
    return nullptr;
}

bool LigneProtegee(const TControl* ligne, const TControl* garde)
{
    for (const TControl* c : {garde, depotSource, depotCible})
        if (c && c->Parent() == ligne)
            return true;
    return false;
}

// A goal of a kind (own goal, penalty, free kick): its box takes part in no
// exchange between boxes, the other box being unable to carry its kind (a
// card, a row of the other side).
bool ButDeGenre(const TCarton& b)
{
    return !b.Text().empty() &&
           (b.Tag & (TCarton::FlagPenalty | TCarton::FlagCoupFranc | TCarton::FlagContreSonCamp));
}

void LibereLigne(TControl* ligne)
{
    if (TCarton* c = CartonDeLigne(ligne); c && c->Page && c->Page->MinuteCible &&
                                           c->Page->MinuteCible->Parent() == ligne)
        c->Page->MinuteCible = nullptr;
    ligne->Free();
}

}  // namespace

TCarton* CartonLigne(TFondScroll* fond, int i)
{
    const TControl* ligne = fond->Controle(i);
    return ligne && ligne->Visible() ? CartonDeLigne(ligne) : nullptr;
}

TFondScroll* FondCartons(TWinControl* page, const char* nom, int cote)
{
    auto* f = new TFondScroll(page);
    f->SetName(nom);
    f->Tag = cote;
    if (Dessin)
        f->SetModele(Dessin->Fond("FondCarrebleu"));
    f->SetParent(page);
    return f;
}

int MinuteTapee(const TCarton& b)
{
    const TEditRond* e = b.Minute();
    // The box takes no digit past the minute's field (BorneMinute).
    return e ? nombres::Valeur(e).value_or(0) : 0;
}

void LibereLignesCachees(TFondScroll* fond, const TControl* garde)
{
    if (!fond)
        return;
    std::vector<TControl*> lignes;
    for (int i = 0; i < fond->NbControles(); ++i)
        lignes.push_back(fond->Controle(i));
    for (TControl* l : lignes)
        if (!l->Visible() && !(garde && garde->Parent() == l))
            LibereLigne(l);
    fond->Ajuste();
}

// ============================================================================
// TCarton
// ============================================================================

TCarton::TCarton(TComponent* AProprietaire, TSaison* ASaison) : TCadreDrop(AProprietaire)
{
    Saison = ASaison;
    Proprietaire = AProprietaire;
    // The team lists of the pages number their entries in hexadecimal (a
    // player 16 is "00000010", the team entries 0FFFFFFE and 0FFFFFFD).
    NumeroHex = true;
}

int TCarton::CotePanneau() const
{
    const int t = Parent() ? static_cast<int>(Parent()->Tag & 255) : 0;
    return t == 1 || t == 2 ? t : Cote();
}

TEditRond* TCarton::Minute() const
{
    const TWinControl* l = Parent();
    if (!l)
        return nullptr;
    for (int i = 0; i < l->ControlCount(); ++i)
        if (auto* e = dynamic_cast<TEditRond*>(l->Controls(i)))
            return e;
    return nullptr;
}

void TCarton::DragOver(TObject* Source, int, int, TDragState, bool& Accept)
{
    Accept = false;
    if (Source == this)
        return;
    int coteSource = -1;
    const auto* liste = dynamic_cast<TListe*>(Source);
    if (liste)
        coteSource = static_cast<int>(liste->Tag & 255);
    else if (const auto* c = dynamic_cast<TCadre*>(Source)) {
        // An empty box is not moved, nor a goal of a kind, whichever of the
        // two boxes holds it: the box's kind says so, whatever its player is
        // named. Exchanged, it would leave its player and its mark in a card
        // or in a goal of the other side (an own goal's player is not of the
        // panel's side).
        const auto* carton = dynamic_cast<const TCarton*>(c);
        if (c->Text().empty() || (carton && ButDeGenre(*carton)) || ButDeGenre(*this))
            return;
        coteSource = static_cast<int>(c->Tag & 255);
    } else
        return;
    if (coteSource == CotePanneau()) {
        Accept = true;
        return;
    }
    // A player of one side into the other side's goals: an own goal. Only a
    // player of a team list: a box of the other side would carry its player
    // across without the own-goal mark.
    if (!liste || !Fond || !Saison || !Saison->StatApplicable(1))
        return;
    const std::string nom = Fond->Name();
    Accept = (coteSource == 1 && nom == "FondBut2") || (coteSource == 2 && nom == "FondBut1");
}

void TCarton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Page)
        Page->CartonChoisi(this);
    TCadreDrop::MouseDown(Button, Shift, X, Y);
}

void TCarton::DragDrop(TObject* Source, int, int)
{
    if (Page)
        Page->CartonChoisi(this);
    int nombre = 1;
    auto* liste = dynamic_cast<TListe*>(Source);
    if (liste && (DragStartShiftState() & ssCtrl) && Genre != 0) {
        TOwned<Tf_ChoixNombre> f(new Tf_ChoixNombre(Page ? static_cast<TComponent*>(Page) : Owner()));
        if (Page)
            f->ChangeCouleurs(Page->Couleurs);
        static const int textes[] = {1330, 1331, 1332, 1333, 1334};
        if (Genre >= 2 && Genre <= 6)
            f->l_ChoixTexte->SetCaption(Texte(textes[Genre - 2]));
        nombre = f->ShowModal() == mrOk ? Tf_ChoixNombre::Nombre(f->e_Nombre->GetText()).value_or(0) : 0;
    }
    TFondScroll* fond = Fond;
    auto* source = dynamic_cast<TCarton*>(Source);
    TFondScroll* fondSource = source ? source->Fond : nullptr;
    {
        TDepot depot(dynamic_cast<TControl*>(Source), this);
        TCarton* b = this;
        for (int i = 1; i <= nombre && b; ++i)
            b = b->Depose(Source, i == 1);
    }
    // Rows emptied by the drop go once it is over (the source included: the
    // window layer forgets a source freed by the drop).
    LibereLignesCachees(fond, this);
    if (fondSource && fondSource != fond)
        LibereLignesCachees(fondSource, this);
}

TCarton* TCarton::Depose(TObject* Source, bool Premier)
{
    auto* liste = dynamic_cast<TListe*>(Source);
    auto* cadre = dynamic_cast<TCadreDrop*>(Source);
    if (cadre && cadre != this) {
        RecoitCadre(*cadre);
        if (auto* c = dynamic_cast<TCarton*>(cadre); c && echange)
            c->ContenuChange();
    } else if (liste)
        RecoitElement(*liste);
    // The side is the panel's, unless the box names an own goal: then it is
    // the player's.
    const int cote = CotePanneau();
    if (liste && static_cast<int>(liste->Tag & 255) != cote && static_cast<uint32_t>(Numero) < 0xFFFFFFDu) {
        SetText(Text() + " " + LibelleTypeBut(4));
        Tag = (Tag & 0xFFFF00) | FlagContreSonCamp | (cote == 1 ? 2 : 1);
    } else
        Tag = (Tag & 0xFFFF00) | cote;
    if (auto* c = dynamic_cast<TCarton*>(cadre); c && c->Fond == Fond)
        return nullptr;
    return Reorganise(Premier, Genre);
}

void TCarton::ContenuChange()
{
    Reorganise(true, 0);
}

TCarton* TCarton::Reorganise(bool Focus, int genre)
{
    int couleur = 1;
    if (Dessin && Modele() == Dessin->Fond("BoutonCreuxBleu"))
        couleur = 0;
    else if (Dessin && Modele() == Dessin->Fond("BoutonCreuxRouge"))
        couleur = 2;
    const int cote = Cote();
    TCarton* nouveau = nullptr;
    if (Ajout && Fond && Page) {
        std::vector<TControl*> lignes;
        for (int i = 0; i < Fond->NbControles(); ++i)
            lignes.push_back(Fond->Controle(i));
        int k = 0;
        for (TControl* l : lignes) {
            if (!l->Visible()) {
                // Never this box's row nor a row of the drop under way.
                if (!LigneProtegee(l, this))
                    LibereLigne(l);
                continue;
            }
            l->SetTop(k * 30);
            auto* w = dynamic_cast<TWinControl*>(l);
            TCarton* c = w && w->ControlCount() > 0 ? dynamic_cast<TCarton*>(w->Controls(0)) : nullptr;
            if (c) {
                const int32_t s = c->Tag & 255;
                c->Tag = (c->Tag & static_cast<int32_t>(0xFF000000)) | s | ((k + 1) << 16);
                if (c->Text().empty()) {
                    l->SetVisible(false);
                    c->Tag = 0;
                } else
                    ++k;
                if (TEditRond* m = c->Minute())
                    m->Tag = s + (k << 16);
            }
        }
        nouveau = Page->AjouteCarton(k + 1, cote, AvecMinute, 0, -1, std::string("0"), nullptr, genre, true, Fond,
                                     couleur);
    }
    if (Visible() && Parent() && Parent()->Visible() && Focus && !Text().empty())
        if (TEditRond* m = Minute(); m && Page) {
            Page->MinuteCible = m;
            Page->FocusEnAttente = 0;
            m->SetSelectionne(true);
        }
    if (Page)
        Page->Modifie = 1;
    if (OnModifie)
        OnModifie(this);
    return nouveau;
}

// ============================================================================
// Tf_ChoixNombre
// ============================================================================

Tf_ChoixNombre::Tf_ChoixNombre(TComponent* AOwner) : TBrivantelForm(AOwner)
{
    SetName("f_ChoixNombre");
    SetCaption(Traduire(3993));
    SetBorderStyle(bsToolWindow);
    Position = poOwnerFormCenter;
    SetColor(CouleurFondFonceDessin);
    SetClientWidth(193);
    SetClientHeight(83);
    l_ChoixTexte = resultats::Label(this, this, "l_ChoixTexte", 8, 6, 177, 0x00FFFF, true,
                                    Traduire(3994));
    e_Nombre = new TEdit(this);
    e_Nombre->SetName("e_Nombre");
    e_Nombre->SetBounds(70, 26, 50, 21);
    e_Nombre->SetText("2");
    e_Nombre->SetParent(this);
    e_Nombre->OnKeyPress = [](TObject*, char& key) { key = FiltreTouche(key); };
    // A pasted text is a count too: digits only, or refused whole.
    e_Nombre->SetNumbersOnly(true);
    nombres::Declare(e_Nombre, LectureNombre());
    BoutonCopie1 = resultats::Bouton(this, this, "BoutonCopie1", "BoutonOrange", 8, 54, 85, "Valider");
    BoutonCopie1->ModalResult = mrOk;
    BoutonCopie1->Default = true;
    // The count shown, or refused with a word, the dialog open on the box.
    BoutonCopie1->OnClick = [this](TObject*) {
        if (!CompteursRemplis())
            SetModalResult(mrNone);
    };
    BoutonCopie2 = resultats::Bouton(this, this, "BoutonCopie2", "BoutonOrange", 100, 54, 85, "Annuler");
    BoutonCopie2->ModalResult = mrCancel;
    BoutonCopie2->Cancel = true;
    FormCreate();
    DoCreate();
}

void Tf_ChoixNombre::FormCreate()
{
    SetCaption(Texte(1328, "Nombre"));
    BoutonCopie1->SetCaption(Texte(29, "Valider"));
    BoutonCopie2->SetCaption(Texte(125, "Annuler"));
}

char Tf_ChoixNombre::FiltreTouche(char key)
{
    // Enter and Escape still reach the buttons.
    if (key == 8 || key == 13 || key == 27 || (key >= '0' && key <= '9'))
        return key;
    return 0;
}

nombres::TLecture Tf_ChoixNombre::LectureNombre() { return nombres::Nombre(0, NombreMax); }

std::optional<int> Tf_ChoixNombre::Nombre(const std::string& texte) { return nombres::Lit(texte, LectureNombre()); }
