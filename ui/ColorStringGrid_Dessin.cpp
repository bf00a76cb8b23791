// The colour grid drawn: one cell (screen and printer alike), the whole grid
// scaled onto a canvas, the printed page, and the control's painting and mouse.
#include <algorithm>
#include <cmath>

#include "platform/gui/Printers.h"
#include "platform/rtl/Strings.h"
#include "ui/ColorStringGrid.h"

// ---- one cell --------------------------------------------------------------------------

TPlacementCellule TColorGridBase::PlaceCellule(int w, int h, int pw, int ph, int tw, int th, int alignH, int alignV)
{
    TPlacementCellule p;
    int iw = 0, ih = 0;
    if (pw > 0 && ph > 0) {
        double echelle = std::min({static_cast<double>(w - 4) / pw, static_cast<double>(h - 4) / ph, 1.0});
        if (echelle < 0)
            echelle = 0;
        iw = static_cast<int>(Round(pw * echelle));
        ih = static_cast<int>(Round(ph * echelle));
        p.EspaceImage = iw + 5;
    }
    switch (alignH) {
    case 1:
        p.TexteX = (w - tw + p.EspaceImage) / 2;
        break;
    case 2:
        p.TexteX = w - w / 30 - tw;
        break;
    default:
        p.TexteX = w / 30 + p.EspaceImage;
        break;
    }
    switch (alignV) {
    case 0:
        p.TexteY = h / 30;
        break;
    case 2:
        p.TexteY = h - h / 30 - th;
        break;
    default:
        p.TexteY = (h - th) / 2;
        break;
    }
    if (p.EspaceImage > 0) {
        int top;
        switch (alignV) {
        case 0:
            top = h / 30;
            break;
        case 2:
            top = h - h / 30 - ih;
            break;
        default:
            top = (h - ih) / 2 + 1;
            break;
        }
        int left = p.TexteX - p.EspaceImage;
        p.Image = Rect(left, top, left + iw, top + ih);
    }
    return p;
}

void TColorGridBase::DessineCellule(TCanvas& canvas, int col, int row, const TRect& rect, TGridDrawState state,
                                    bool impression)
{
    if (!CelluleValide(col, row))
        return;
    const TGridModel& g = Grille();
    TInfoCellule* info = InfoCellule(col, row);
    TInfoColonne& colonne = colonnes_[static_cast<size_t>(col)];
    const TInfoLigne& ligne = lignes_[static_cast<size_t>(row)];
    bool fixe = (state & gdFixed) != 0;
    bool selectionnee = (state & gdSelected) && selectionVisible_;
    TRect plein = Rect(rect.Left, rect.Top, rect.Right + 1, rect.Bottom + 1);

    if (!fixe || impression) {
        // 1. background
        TColor fond;
        if (impression)
            fond = fixe ? 0xD0D0D0 : 0xFFFFFF;
        else if (selectionnee)
            fond = couleurSelection_;
        else
            fond = info ? info->Fond : 0xFFFFFF;
        canvas.Brush.SetStyle(bsSolid);
        canvas.Brush.SetColor(fond);
        canvas.FillRect(plein);

        // 2. value bar
        if (colonne.Valeurs.Debut != 0) {
            if (colonne.Recalcul)
                RecalculeMaximum(col);
            int valeur = ValeurTexte(TexteGrille(col, row));
            if (colonne.Maximum > 0 && valeur > 0)
                DegradeRect(canvas, plein, colonne.Marges, valeur, colonne.Maximum, colonne.Valeurs.Debut,
                            colonne.Valeurs.Fin, false);
        }

        // 3. lines
        canvas.Pen.SetWidth(1);
        bool triNoir = affichageTri_ && !TriAfficheLigneCouleur;
        if (ligne.Trait || row == g.RowCount() - 1 || triNoir) {
            canvas.Pen.SetColor(triNoir ? clBlack : ligne.CouleurTrait);
            canvas.MoveTo(rect.Left, rect.Bottom);
            canvas.LineTo(rect.Right + 1, rect.Bottom);
        }
        if (row == 0) {
            canvas.Pen.SetColor(clBlack);
            canvas.MoveTo(rect.Left, rect.Top);
            canvas.LineTo(rect.Right + 1, rect.Top);
        }
        if (colonne.Trait || col == g.ColCount() - 1) {
            canvas.Pen.SetColor(colonne.CouleurTrait);
            canvas.MoveTo(rect.Right, rect.Top);
            canvas.LineTo(rect.Right, rect.Bottom + 1);
        }
        if (col == 0) {
            canvas.Pen.SetColor(clBlack);
            canvas.MoveTo(rect.Left, rect.Top);
            canvas.LineTo(rect.Left, rect.Bottom + 1);
        }
    }

    // 4. text colour and style
    TColor couleurTexte;
    if (selectionnee && !impression) {
        couleurTexte = couleurTexteSelection_;
    } else {
        couleurTexte = info ? info->CouleurTexte : 0;
        if (impression && ColorToRGB(couleurTexte) == 0xFFFFFF)
            couleurTexte = clBlack;
    }
    canvas.Font.SetColor(couleurTexte);
    bool chaude = !impression && col == hotCol_ && row == hotRow_;
    canvas.Font.SetStyle(info && info->Gras ? static_cast<TFontStyles>(fsBold) : 0u);

    // 5.-7. picture and text places
    std::string texte = TexteGrille(col, row);
    int w = rect.Width(), h = rect.Height();
    TPngPicture* image = info ? info->Image.get() : nullptr;
    int pw = image && !image->Empty() ? image->Width() : 0;
    int ph = image && !image->Empty() ? image->Height() : 0;
    int tw = canvas.TextWidth(texte), th = canvas.TextHeight(texte);
    TPlacementCellule place = PlaceCellule(w, h, pw, ph, tw, th, info ? info->AlignH : 0, info ? info->AlignV : 1);
    if (place.EspaceImage > 0 && !place.Image.IsEmpty()) {
        TRect r = place.Image;
        OffsetRect(r, rect.Left, rect.Top);
        canvas.StretchDraw(r, *image);
    }

    // 8. sort arrow
    if (fixe && row == 0 && colonne.EtatTri != 0) {
        std::unique_ptr<TBitmap>& fleche = colonne.EtatTri == 1 ? flecheBas_ : flecheHaut_;
        if (!fleche) {
            fleche = std::make_unique<TBitmap>();
            try {
                fleche->LoadFromResourceName(colonne.EtatTri == 1 ? "FLECHEBAS" : "FLECHEHAUT");
            } catch (const std::exception&) {
                fleche.reset();
            }
        }
        if (fleche) {
            TCopyMode mode = canvas.CopyMode();
            canvas.SetCopyMode(cmSrcAnd);
            canvas.Draw(rect.Right - PlaceFlecheTri, (rect.Top + rect.Bottom) / 2 - 4, *fleche);
            canvas.SetCopyMode(mode);
        }
    }

    // 9. text; the hot cell underlined after its leading blanks
    canvas.Brush.SetStyle(bsClear);
    int x = rect.Left + place.TexteX, y = rect.Top + place.TexteY;
    if (chaude) {
        size_t n = 0;
        while (n < texte.size() && texte[n] == ' ')
            ++n;
        x += canvas.TextWidth(texte.substr(0, n));
        canvas.Font.SetStyle(canvas.Font.Style() | fsUnderline);
        canvas.TextOut(x, y, texte.substr(n));
    } else {
        canvas.TextOut(x, y, texte);
    }
    canvas.Brush.SetStyle(bsSolid);

    // 10. focus rectangle
    if ((state & gdFocused) && !impression && !FocusRectVisible && !EditionEnCours() &&
        !(g.Options() & goRowSelect))
        canvas.DrawFocusRect(rect);
}

// ---- the grid on a canvas --------------------------------------------------------------

std::vector<int> TColorGridBase::LargeursImprimees(int largeurRect) const
{
    const TGridModel& g = Grille();
    std::vector<int> l(static_cast<size_t>(g.ColCount()), 0);
    long long s = 0;
    for (int c = 0; c < g.ColCount(); ++c)
        s += std::max(0, g.ColWidths(c));
    if (s <= 0)
        return l;
    long long huitiemes = s > 250 ? static_cast<long long>(largeurRect) * 8 / s : static_cast<long long>(largeurRect) * 4 / s;
    for (int c = 0; c < g.ColCount(); ++c)
        l[static_cast<size_t>(c)] = static_cast<int>(std::max(0, g.ColWidths(c)) * huitiemes / 8);
    return l;
}

void TColorGridBase::DessineSurCanvas(TCanvas& canvas, const TRect& rect)
{
    const TGridModel& g = Grille();
    std::vector<int> largeurs = LargeursImprimees(rect.Width());
    long long total = 0;
    for (int l : largeurs)
        total += l;
    if (total <= 0 || g.RowCount() <= 0)
        return;
    int hauteur = rect.Height() / (g.RowCount() + 2);
    canvas.Pen.SetWidth(1);
    canvas.Pen.SetColor(CouleurTraitLigne(0));
    canvas.Brush.SetStyle(bsClear);
    canvas.Rectangle(rect.Left, rect.Top, rect.Left + static_cast<int>(total) + 1,
                     rect.Top + g.RowCount() * hauteur + 1);
    canvas.Brush.SetStyle(bsSolid);
    int x = rect.Left;
    for (int c = 0; c < g.ColCount(); ++c) {
        int l = largeurs[static_cast<size_t>(c)];
        if (g.ColWidths(c) <= 0)
            continue;
        int y = rect.Top;
        for (int r = 0; r < g.RowCount(); ++r) {
            TRect cellule = Rect(x + 1, y + 1, x + l, y + hauteur);
            bool fixe = c < g.FixedCols() || r < g.FixedRows();
            DessineCellule(canvas, c, r, cellule, fixe ? static_cast<TGridDrawState>(gdFixed) : 0u, true);
            y += hauteur;
        }
        x += l;
    }
}

bool TColorGridBase::Imprime(const TEnTeteHTML& entete)
{
    return PrintDocument(Printer(), poLandscape,
                         [&](TPrinter& p) { ImprimeDans(p, entete, 0, p.PageWidth(), 0); });
}

// ---- the control -----------------------------------------------------------------------

TColorStringGrid::TColorStringGrid(TComponent* AOwner) : TStringGrid(AOwner)
{
    CompteChange();
    SetBounds(Left(), Top(), 320, 120);
    SetCol(FixedCols());
    SetRow(FixedRows());
}

TColorStringGrid::~TColorStringGrid() = default;

void TColorStringGrid::SetOptions(TGridOptions o)
{
    TGridOptions avant = Options();
    TStringGrid::SetOptions(o);
    OptionsChangees(avant, o);
}

void TColorStringGrid::ChangeTailleClient(int largeur, int hauteur)
{
    SetBounds(Left(), Top(), largeur + Width() - ClientWidth(), hauteur + Height() - ClientHeight());
}

void TColorStringGrid::CountsChanged()
{
    TStringGrid::CountsChanged();
    CompteChange();
}

void TColorStringGrid::BoundsChanged(bool sized)
{
    TStringGrid::BoundsChanged(sized);
    if (sized)
        AjusteTaille();
}

bool TColorStringGrid::SelectCell(int ACol, int ARow)
{
    return SelectionVisible() && TStringGrid::SelectCell(ACol, ARow);
}

void TColorStringGrid::Paint()
{
    TCanvas& c = Canvas();
    QPainter* p = c.Painter();
    if (!p)
        return;
    int b = Bord();
    if (b) {
        c.Pen.SetWidth(1);
        c.Brush.SetStyle(bsClear);
        c.Pen.SetColor(clBtnShadow);
        c.Rectangle(0, 0, Width(), Height());
        c.Pen.SetColor(cl3DDkShadow);
        c.Rectangle(1, 1, Width() - 1, Height() - 1);
        c.Brush.SetStyle(bsSolid);
    }
    TRect client = Rect(b, b, b + ClientWidth(), b + ClientHeight());
    c.SetClipRect(client);
    // The area outside the cells takes the control's colour.
    c.Brush.SetColor(Color());
    c.FillRect(client);

    bool focus = Focused() || EditorMode();
    bool ligneEntiere = (Options() & goRowSelect) != 0;
    std::vector<int> lignes, colonnes;
    for (int r = 0; r < FixedRows(); ++r)
        lignes.push_back(r);
    // Only the rows the paint redraws (a grid sized to all its rows in a
    // scroll box shows a few of thousands).
    const TRect zone = PaintArea();
    for (int r = TopRow(); r < RowCount(); ++r) {
        const int y = RowY(r);
        if (y < 0 || y + b > zone.Bottom)
            break;
        if (y + b + RowHeights(r) + GridLineWidth() >= zone.Top)
            lignes.push_back(r);
    }
    for (int k = 0; k < FixedCols(); ++k)
        colonnes.push_back(k);
    for (int k = LeftCol(); k < ColCount() && ColX(k) >= 0; ++k)
        colonnes.push_back(k);
    for (int r : lignes) {
        for (int k : colonnes) {
            TRect rect = Rect(ColX(k), RowY(r), ColX(k) + ColWidths(k), RowY(r) + RowHeights(r));
            if (rect.IsEmpty())
                continue;
            OffsetRect(rect, b, b);
            TGridDrawState state = 0;
            bool fixe = k < FixedCols() || r < FixedRows();
            if (fixe)
                state |= gdFixed;
            bool courante = k == Col() && r == Row();
            if (!fixe && courante && focus)
                state |= gdFocused;
            if (!fixe && IsSelected(k, r) && (!courante || ligneEntiere || !focus))
                state |= gdSelected;
            c.Font = Font();
            c.SetCopyMode(cmSrcCopy);
            if (fixe) {
                // The fixed cells keep the grid's fixed colour and lines.
                c.Brush.SetStyle(bsSolid);
                c.Brush.SetColor(FixedColor());
                c.FillRect(Rect(rect.Left, rect.Top, rect.Right + 1, rect.Bottom + 1));
                c.Pen.SetWidth(1);
                c.Pen.SetColor(clBlack);
                c.MoveTo(rect.Left, rect.Bottom);
                c.LineTo(rect.Right + 1, rect.Bottom);
                c.MoveTo(rect.Right, rect.Top);
                c.LineTo(rect.Right, rect.Bottom + 1);
            }
            DessineCellule(c, k, r, rect, state, false);
            if (OnDrawCell)
                OnDrawCell(this, k, r, rect, state);
        }
    }
    c.ResetClip();
    if (OnPaint)
        OnPaint(this);
}

void TColorStringGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    int x = X - Bord(), y = Y - Bord();
    TGridCoord cell = MouseCoord(x, y);
    if (Button == mbLeft && cell.X >= 0 && MarqueCellule(cell.X, cell.Y)) {
        titrePresse_ = -1;
        if (OnHotTrackClick)
            OnHotTrackClick(this, cell.X, cell.Y);
        return;
    }
    // A sort needs the press and the release in the same title cell, away from
    // a column border (where the press sizes the column).
    bool bordure = (Options() & goColSizing) && ColumnBorderAt(x, y) >= 0;
    titrePresse_ = Button == mbLeft && cell.X >= 0 && cell.Y == 0 && !bordure ? cell.X : -1;
    TStringGrid::MouseDown(Button, Shift, X, Y);
}

void TColorStringGrid::MouseMove(TShiftState Shift, int X, int Y)
{
    TGridCoord cell = MouseCoord(X - Bord(), Y - Bord());
    if (cell.X >= 0 && MarqueCellule(cell.X, cell.Y)) {
        ChangeCelluleChaude(cell.X, cell.Y);
        SetCursor(crHandPoint);
    } else {
        ChangeCelluleChaude(-1, -1);
        SetCursor(crDefault);
    }
    TStringGrid::MouseMove(Shift, X, Y);
}

void TColorStringGrid::MouseLeave()
{
    ChangeCelluleChaude(-1, -1);
    TStringGrid::MouseLeave();
}

void TColorStringGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGridCoord cell = MouseCoord(X - Bord(), Y - Bord());
    int presse = titrePresse_;
    titrePresse_ = -1;
    TStringGrid::MouseUp(Button, Shift, X, Y);
    if (Button == mbLeft && TriCol && presse >= 0 && cell.Y == 0 && cell.X == presse)
        TrieColonne(cell.X);
}
