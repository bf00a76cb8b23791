// The colour grid of every table view: a string grid with, per cell, colours,
// alignment, bold, a picture (a crest), an integer value, a hidden second text
// and a hot-track flag; per row and column a size and a separator line with its
// colour; per column a proportional value bar and a sort state. It sorts on a
// click in its title row, grows its rows and columns to fill its area, prints
// itself on one landscape page and writes itself as HTML.
//
// The behaviour lives in TColorGridBase, which works on any grid storage:
//   - TColorGridModel: a grid without a window (tables built only for HTML,
//     tests, benchmarks);
//   - TColorStringGrid: the control, over the window layer's TStringGrid.
// Both offer the same operations; the control adds painting and the mouse.
//
//   grid.SetColCount(3); grid.SetRowCount(n + 1);
//   grid.ChangeLargeurColonne(0, 150);
//   grid.RemplitCellule(0, r, name, 0, 1, clBlack, clWhite, false, std::move(crest));
//   grid.ChangeValeursColonne(2, CouleursGraphe(c1, c2));   // value bars
//   grid.ChangeEtatColonne(1, 0);                            // numeric sort key
//   std::string html; grid.TableHTML({"#000080", "#C0C0C0", "#FFFFFF", "#F0E020", "#000000"}, html, 0, "#FFFFFF");
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "codecs/PngPicture.h"
#include "platform/gui/Grids.h"
#include "ui/Graphe.h"
#include "ui/GridHtml.h"

// What a cell holds besides its text; created on the first write to the cell and
// kept as the cell's object, so that it moves with its row.
class TInfoCellule : public TObject
{
public:
    TInfoCellule();
    ~TInfoCellule() override;
    int32_t LigneCreation = 0;   // row at creation: the tie-break of sorting
    int Valeur = 0;
    TColor Fond = 0xFFFFFF;
    TColor CouleurTexte = 0;
    std::unique_ptr<TPngPicture> Image;
    bool Gras = false;
    bool Marque = false;          // hot-track
    uint8_t AlignH = 0;           // 0 left, 1 centre, 2 right
    uint8_t AlignV = 1;           // 0 top, 1 centre, 2 bottom
    std::string TexteCache;       // the hidden part of a "a|b" text
};

struct TInfoLigne
{
    int Hauteur = 0;
    bool Trait = true;
    TColor CouleurTrait = 0;
};

struct TInfoColonne
{
    int Largeur = 0;
    bool Trait = true;
    TColor CouleurTrait = 0;
    TCouleurPoint Valeurs;             // value bar colours; Debut 0 = no bar
    TRect Marges{2, 2, 2, 2};          // of the bar
    int Maximum = 0;
    bool Recalcul = false;             // the maximum must be recomputed
    uint8_t TypeTri = 0;               // 0 numeric, 1 text, other: no key
    uint8_t EtatTri = 0;               // 0 none, 1 descending, 2 ascending
    bool Lie = false;                  // holds split cells
};

// Five colour texts of the HTML tables: fixed background, even rows, odd rows,
// fixed text, body text.
using TCouleursHTML = std::array<std::string, 5>;

// Where a picture and the text go in a cell (relative to the cell's top-left).
struct TPlacementCellule
{
    TRect Image;        // empty without picture
    int EspaceImage = 0;
    int TexteX = 0;
    int TexteY = 0;
};

class TPrinter;

// The titles heading a printout, from y between gauche and droite, in the
// font given: the first one bold and larger; one too wide for the room in a
// smaller font, then cut with an ellipsis. Answers the y below them.
int ImprimeTitres(TCanvas& c, const TFont& police, const std::vector<std::string>& titres, int gauche, int droite,
                  int y);

using THotTrackClickEvent = std::function<void(TObject* Sender, int ACol, int ARow)>;

class TColorGridBase
{
public:
    TColorGridBase();
    virtual ~TColorGridBase();
    TColorGridBase(const TColorGridBase&) = delete;
    TColorGridBase& operator=(const TColorGridBase&) = delete;

    THotTrackClickEvent OnHotTrackClick;

    // ---- settings ----
    bool AffichageTri() const { return affichageTri_; }
    void SetAffichageTri(bool v);
    TColor CouleurSelection() const { return couleurSelection_; }
    void SetCouleurSelection(TColor c) { couleurSelection_ = c; RedessineTout(); }
    TColor CouleurTexteSelection() const { return couleurTexteSelection_; }
    void SetCouleurTexteSelection(TColor c) { couleurTexteSelection_ = c; RedessineTout(); }
    bool SelectionVisible() const { return selectionVisible_; }
    void SetSelectionVisible(bool v);
    double MaxAgrandissement() const { return maxAgrandissement_; }
    void SetMaxAgrandissement(double v) { maxAgrandissement_ = v; AjusteTaille(); }
    bool FixedInBold = true;
    bool AutoResize() const { return autoResize_; }
    void SetAutoResize(bool v) { autoResize_ = v; AjusteTaille(); }
    bool FocusRectVisible = false;   // false draws the focus rectangle, true suppresses it
    bool TriCol = false;
    bool TriConserveFond = false;
    bool TriAfficheLigneCouleur = true;
    int FixedEndRow = 0;

    // ---- cells ----
    void EcritCellule(int col, int row, const std::string& texte);
    std::string LitCellule(int col, int row) const;
    // Text, alignments, colours, bold; clears the hot-track flag; the picture
    // (taken, may be null) replaces the previous one.
    void RemplitCellule(int col, int row, const std::string& texte, int alignH, int alignV, TColor couleurTexte,
                        TColor couleurFond, bool gras, std::unique_ptr<TPngPicture> image = nullptr);
    void ChangeCouleurFondCellule(int col, int row, TColor c);
    TColor CouleurFondCellule(int col, int row) const;
    void ChangeCouleurTexteCellule(int col, int row, TColor c);
    TColor CouleurTexteCellule(int col, int row) const;
    void ChangeDonneeCellule(int col, int row, int valeur);
    int DonneeCellule(int col, int row) const;
    void ChangeAlignementHCellule(int col, int row, int a);
    int AlignementHCellule(int col, int row) const;
    void ChangeAlignementVCellule(int col, int row, int a);
    int AlignementVCellule(int col, int row) const;
    void ChangeGrasCellule(int col, int row, bool gras);
    bool GrasCellule(int col, int row) const;
    void ChangeMarqueCellule(int col, int row, bool marque);
    bool MarqueCellule(int col, int row) const;
    void ChangeTexteCacheCellule(int col, int row, const std::string& texte);
    std::string TexteCacheCellule(int col, int row) const;
    // Takes the picture; a picture whose four corners have one colour takes it
    // as its transparent colour, others $FFFF99 (pictures with alpha keep it).
    void ChangeImageCellule(int col, int row, std::unique_ptr<TPngPicture> image);
    TPngPicture* ImageCellule(int col, int row) const;
    void EffaceLigne(int row);
    // The record of a cell, nullptr when it has none.
    TInfoCellule* InfoCellule(int col, int row) const;

    // ---- rows and columns ----
    void ChangeHauteurLigne(int i, int h);
    int HauteurLigne(int i) const;
    void ChangeHauteurLignes(int h);
    int HauteurLigneDefaut() const;
    void ChangeLargeurColonne(int i, int w);
    // Columns premiere..derniere as wide as their heading (row 0, in bold)
    // and their widest cell of rows 1..derniereLigne, in that font, plus a
    // margin; never below minimum. Answers the sum of the widths set.
    int AjusteLargeursAuTexte(const TFont& police, int premiere, int derniere, int derniereLigne, int minimum);
    int LargeurColonne(int i) const;
    // Widens each shown column (width above 0) whose text in the row (the
    // titles) is wider than it, in the grid's font; the others keep their width.
    // Where a click on a title sorts (TriCol), a title also leaves the room
    // of the sort arrow drawn at its right.
    void ElargitSelonTexte(int row = 0);
    // The sort arrow's left edge, from the right of its title cell.
    static constexpr int PlaceFlecheTri = 12;
    void ChangeTraitLigne(int i, bool on);
    bool TraitLigne(int i) const;
    void ChangeCouleurTraitLigne(int i, TColor c);   // also switches the line on
    TColor CouleurTraitLigne(int i) const;
    void ChangeTraitColonne(int i, bool on);
    bool TraitColonne(int i) const;
    void ChangeCouleurTraitColonne(int i, TColor c);   // also switches the line on
    TColor CouleurTraitColonne(int i) const;
    void ChangeValeursColonne(int i, TCouleurPoint valeurs);
    TCouleurPoint ValeursColonne(int i) const;   // (0, 0) out of range
    // Sets the sort kind, then clears the sort state of every column.
    void ChangeEtatColonne(int i, int genre);
    // Sets the sort state without repainting.
    void MarqueColonne(int i, int etat);
    int TypeTriColonne(int i) const;
    int EtatTriColonne(int i) const;
    void ChangeLieColonne(int i, bool lie);
    bool LieColonne(int i) const;
    // The bar maximum of a column, recomputed first when flagged.
    int MaximumColonne(int i);
    bool MaximumARecalculer(int i) const;
    void InitColonnes();           // bars, margins and maxima back to none
    void InitLignesColonnes();     // both record lists rebuilt from the defaults
    const TInfoLigne* InfoLigne(int i) const;
    const TInfoColonne* InfoColonne(int i) const;

    // ---- sorting ----
    // What a click on the title of a column does: the next sort state, then the
    // rows ordered by it.
    void TrieColonne(int col);
    // The numeric sort key of a text: the leading digits with one "," or "."
    // as the decimal separator; anything else ends it.
    static double CleNumerique(const std::string& texte);
    // The value of a text for the bars: its leading digits and commas read with
    // "," as the decimal separator, times 100, rounded; 0 when not a number.
    static int ValeurTexte(const std::string& texte);

    // ---- size ----
    // Rows and columns grow by up to MaxAgrandissement to fill the control, and
    // the control takes the size of its cells.
    void AjusteTaille();
    // The height and width the grid would take inside a box.
    void CalculeTaille(int largeurMax, int hauteurMax, int& hauteur, int& largeur) const;

    // ---- drawing and printing ----
    // One cell (also used for printing, where fixed cells are grey and every
    // other cell white).
    void DessineCellule(TCanvas& canvas, int col, int row, const TRect& rect, TGridDrawState state, bool impression);
    static TPlacementCellule PlaceCellule(int w, int h, int pw, int ph, int tw, int th, int alignH, int alignV);
    // The printed width of each column for a rectangle of that width (0 for
    // columns of no width; all 0 when no column has a width).
    std::vector<int> LargeursImprimees(int largeurRect) const;
    // The whole grid scaled into a rectangle of the canvas.
    void DessineSurCanvas(TCanvas& canvas, const TRect& rect);
    // The grid on the printer's open document, laid out for paper under its
    // headings (titles and band, as its HTML page has them): from y on the
    // current page, between the x gauche and droite, over as many pages as its
    // rows need. Answers the y below it on the page where it ends.
    int ImprimeDans(TPrinter& imprimante, const TEnTeteHTML& entete, int gauche, int droite, int y);
    // A landscape document on the printer; false when printing failed (the
    // job is then aborted).
    bool Imprime(const TEnTeteHTML& entete = {});

    // ---- HTML ----
    // A page (Page: the file is replaced) or a table appended to an existing file.
    void EnregistreHTML(const std::string& NomFichier, bool Page, const TEnTeteHTML& EnTete = {});
    std::string TexteHTML(bool Page, const TEnTeteHTML& EnTete = {}) const;
    void TableHTML(const TCouleursHTML& Couleurs, std::string& Texte, int Largeur, const std::string& CouleurVide) const;
    void TableHTMLImbriquee(const TCouleursHTML& Couleurs, std::string& Texte) const;

    // ---- hot-track cell under the mouse ----
    int HotCol() const { return hotCol_; }
    int HotRow() const { return hotRow_; }

protected:
    // ---- the storage: the grid model and its cells ----
    virtual TGridModel& Grille() = 0;
    virtual const TGridModel& Grille() const = 0;
    virtual std::string TexteGrille(int col, int row) const = 0;
    virtual void ChangeTexteGrille(int col, int row, const std::string& s) = 0;
    virtual TObject* ObjetGrille(int col, int row) const = 0;
    virtual void ChangeObjetGrille(int col, int row, TObject* o) = 0;
    // The area the cells fill, and its change by AjusteTaille.
    virtual int LargeurClient() const = 0;
    virtual int HauteurClient() const = 0;
    virtual void ChangeTailleClient(int largeur, int hauteur) = 0;
    virtual TColor CouleurFixe() const = 0;
    virtual const TFont& PoliceGrille() const = 0;
    virtual void RedessineCellule(int col, int row) { (void)col; (void)row; }
    virtual void RedessineTout() {}
    virtual void ChangeTabStop(bool v) { (void)v; }
    virtual bool EditionEnCours() const { return false; }

    // For the storage classes: the counts or the options changed.
    void CompteChange();
    void OptionsChangees(TGridOptions avant, TGridOptions apres);
    void ChangeCelluleChaude(int col, int row);

private:
    struct TMiseEnPage;
    TMiseEnPage MetEnPage(TCanvas& c, const TEnTeteHTML& entete, int largeurMax) const;
    int ImprimeTranche(TPrinter& imprimante, const TMiseEnPage& m, const TEnTeteHTML& entete, int gauche, int droite,
                       int y);
    TInfoCellule* Info(int col, int row, bool creer);
    bool CelluleValide(int col, int row) const;
    bool LigneCorps(int row) const { return row >= Grille().FixedRows(); }
    void RecalculeMaximum(int col);
    void EchangeLignes(int a, int b);
    double Difference(int col, int etat, int i, int j);
    void LibereInfosOrphelines();

    std::vector<std::unique_ptr<TInfoCellule>> infos_;
    std::vector<TInfoLigne> lignes_;
    std::vector<TInfoColonne> colonnes_;
    bool affichageTri_ = false;
    TColor couleurSelection_ = 0x800000;
    TColor couleurTexteSelection_ = 0xFFFFFF;
    bool selectionVisible_ = false;
    double maxAgrandissement_ = 1.5;
    bool autoResize_ = true;
    bool redimensionnement_ = false;
    int hotCol_ = -1;
    int hotRow_ = -1;
    std::unique_ptr<TBitmap> flecheHaut_;
    std::unique_ptr<TBitmap> flecheBas_;
};

// The colour grid without a window.
class TColorGridModel : public TGridModel, public TColorGridBase
{
public:
    TColorGridModel();
    ~TColorGridModel() override;

    std::string Cells(int col, int row) const { return cells_.Cell(col, row); }
    void SetCells(int col, int row, const std::string& s) { cells_.SetCell(col, row, s); }
    TObject* Objects(int col, int row) const { return cells_.Object(col, row); }
    void SetObjects(int col, int row, TObject* o) { cells_.SetObject(col, row, o); }
    TColor FixedColor() const { return fixedColor_; }
    void SetFixedColor(TColor c) { fixedColor_ = c; }
    TFont& Font() { return font_; }
    // The size of the area the grid fills (its control's client area).
    int Width() const { return ViewWidth(); }
    int Height() const { return ViewHeight(); }
    void SetSize(int largeur, int hauteur);
    void SetOptions(TGridOptions o) override;

protected:
    TGridModel& Grille() override { return *this; }
    const TGridModel& Grille() const override { return *this; }
    std::string TexteGrille(int col, int row) const override { return cells_.Cell(col, row); }
    void ChangeTexteGrille(int col, int row, const std::string& s) override { cells_.SetCell(col, row, s); }
    TObject* ObjetGrille(int col, int row) const override { return cells_.Object(col, row); }
    void ChangeObjetGrille(int col, int row, TObject* o) override { cells_.SetObject(col, row, o); }
    int LargeurClient() const override { return ViewWidth(); }
    int HauteurClient() const override { return ViewHeight(); }
    void ChangeTailleClient(int largeur, int hauteur) override { SetViewSize(largeur, hauteur); }
    TColor CouleurFixe() const override { return fixedColor_; }
    const TFont& PoliceGrille() const override { return font_; }
    void CountsChanged() override;

private:
    TGridCells cells_;
    TColor fixedColor_ = clBtnFace;
    TFont font_;
};

// The colour grid control.
class TColorStringGrid : public TStringGrid, public TColorGridBase
{
public:
    explicit TColorStringGrid(TComponent* AOwner);
    ~TColorStringGrid() override;

    void SetOptions(TGridOptions o) override;

protected:
    TGridModel& Grille() override { return *this; }
    const TGridModel& Grille() const override { return *this; }
    std::string TexteGrille(int col, int row) const override { return Cells(col, row); }
    void ChangeTexteGrille(int col, int row, const std::string& s) override { SetCells(col, row, s); }
    TObject* ObjetGrille(int col, int row) const override { return Objects(col, row); }
    void ChangeObjetGrille(int col, int row, TObject* o) override { SetObjects(col, row, o); }
    int LargeurClient() const override { return ClientWidth(); }
    int HauteurClient() const override { return ClientHeight(); }
    void ChangeTailleClient(int largeur, int hauteur) override;
    TColor CouleurFixe() const override { return FixedColor(); }
    const TFont& PoliceGrille() const override { return Font(); }
    void RedessineCellule(int col, int row) override { InvalidateCell(col, row); }
    void RedessineTout() override { Invalidate(); }
    void ChangeTabStop(bool v) override { SetTabStop(v); }
    bool EditionEnCours() const override { return EditorMode(); }

    void CountsChanged() override;
    void Paint() override;
    bool SelectCell(int ACol, int ARow) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseLeave() override;
    void BoundsChanged(bool sized) override;

private:
    int Bord() const { return BorderStyle() == bsNone ? 0 : 2; }
    int titrePresse_ = -1;   // title cell pressed for a sort, -1 none
};
