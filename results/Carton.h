// The player boxes of the match sheet pages and the number dialog.
//
// Every event of a match is a row of a scrolled panel: a box holding a player,
// optionally followed by a minute box. Rows are made by the page's
// AjouteCarton (w_InfoMatchCadre.h). A player is dragged from a team list (or
// a box of another row) onto a box; in a panel that appends (Ajout), dropping
// on its last empty box appends a new empty row; with Ctrl held at the start
// of the drag, Tf_ChoixNombre asks how many events to enter at once.
//
// Tag of a box: bits 0-7 the side (1 home, 2 away), bits 16-23 the row (from
// 1) and at most one goal-type flag (FlagPenalty, FlagCoupFranc,
// FlagContreSonCamp). Tag of a minute box: (row << 16) + side.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "ui/BrivantelForm.h"
#include "ui/Fond.h"
#include "ui/Nombres.h"

class TEdit;
class TFondScroll;
class TLabel;
class TBoutonCopie;
class TSaison;
class Tf_InfoMatchCadreBase;

class TCarton : public TCadreDrop
{
public:
    static constexpr int32_t FlagPenalty = 0x1000000;
    static constexpr int32_t FlagCoupFranc = 0x2000000;
    static constexpr int32_t FlagContreSonCamp = 0x4000000;

    TCarton(TComponent* Proprietaire, TSaison* Saison);

    Tf_InfoMatchCadreBase* Page = nullptr;
    TNotifyEvent OnModifie;
    TComponent* Proprietaire = nullptr;
    TSaison* Saison = nullptr;
    bool Ajout = false;        // a drop on this box may append a row to its panel
    bool AvecMinute = false;   // the row has a minute box
    int Genre = 0;             // 0..6: the question of the number dialog
    TFondScroll* Fond = nullptr;

    int Cote() const { return static_cast<int>(Tag & 255); }
    // The side of the box's panel (an own-goal box names the other side).
    int CotePanneau() const;
    // The row panel holding the box, and its minute box (nullptr without).
    TWinControl* Ligne() const { return Parent(); }
    TEditRond* Minute() const;

    void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) override;
    void DragDrop(TObject* Source, int X, int Y) override;
    // Takes the dragged entry; the next box to fill (nullptr: none).
    TCarton* Depose(TObject* Source, bool Premier);
    // Renumbers the rows of the panel, hides the empty ones and, in a panel
    // that appends, appends a new empty row (returned). Never frees this box
    // nor a box of the drop under way: hidden rows left are freed after the
    // drop (LibereLignesCachees).
    TCarton* Reorganise(bool Focus, int Genre);
    // The content changed by an exchange: Reorganise with Focus, kind 0.
    void ContenuChange();

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
};

// The box of row i of a panel of boxes; nullptr when the row is hidden or
// holds none.
TCarton* CartonLigne(TFondScroll* fond, int i);
// Calls f(box) for the box of each shown row that holds a player, in order.
template <class F>
void PourCartonsRemplis(TFondScroll* fond, F&& f)
{
    for (int i = 0; i < fond->NbControles(); ++i)
        if (TCarton* b = CartonLigne(fond, i); b && !b->Text().empty())
            f(*b);
}
// A scrolled panel of boxes of one side (tag 1 home, 2 away) on the skin's
// blue squares, on the page.
TFondScroll* FondCartons(TWinControl* page, const char* nom, int cote);
// The minute a row's minute box shows, by the box's reading (0..127: the bits
// above the minute are the record's flags; emptied, 0); 0 without a minute box.
int MinuteTapee(const TCarton& b);

// Frees the hidden rows of a panel of boxes (with their controls), except
// the row of `garde`.
void LibereLignesCachees(TFondScroll* fond, const TControl* garde = nullptr);

// The "how many" dialog of a Ctrl-drag.
class Tf_ChoixNombre : public TBrivantelForm
{
public:
    explicit Tf_ChoixNombre(TComponent* AOwner);
    void FormCreate();
    // Backspace and the digits pass; every other key is dropped (a count is
    // a whole number).
    static char FiltreTouche(char key);
    // The most events entered at once.
    static constexpr int NombreMax = 99;
    // How the box reads a count: a whole number from 0 to NombreMax; an
    // emptied box, a sign or a separator is refused with a word (never read
    // as 1).
    static nombres::TLecture LectureNombre();
    // The count of an answer by that reading; none when it refuses the text.
    static std::optional<int> Nombre(const std::string& texte);

    TLabel* l_ChoixTexte;
    TEdit* e_Nombre;
    TBoutonCopie* BoutonCopie1;
    TBoutonCopie* BoutonCopie2;
};
