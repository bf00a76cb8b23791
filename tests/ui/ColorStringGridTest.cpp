// The colour grid: data, split texts, bars, sorting and sizes on the grid
// without a window; drawing on a bitmap; the control offscreen and printed.
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "codecs/PngPicture.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Pictures.h"
#include "platform/gui/Printers.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"
#include "tests/support/DessinEssai.h"
#include "tests/support/gui/GuiKit.h"
#include "ui/ColorStringGrid.h"
#include "tests/support/gui/PixelProbes.h"

namespace {

using dessin_essai::DossierDonnees;

// A grid of one fixed row and `corps` body rows in one column of keys.
std::unique_ptr<TColorGridModel> GrilleCles(const std::vector<std::string>& cles)
{
    auto g = std::make_unique<TColorGridModel>();
    g->SetColCount(2);
    g->SetRowCount(static_cast<int>(cles.size()) + 1);
    g->SetFixedCols(0);
    g->RemplitCellule(0, 0, "Cle", 0, 1, clBlack, clWhite, true);
    g->RemplitCellule(1, 0, "Nom", 0, 1, clBlack, clWhite, true);
    for (size_t i = 0; i < cles.size(); ++i) {
        int r = static_cast<int>(i) + 1;
        g->RemplitCellule(0, r, cles[i], 0, 1, clBlack, clWhite, false);
        g->RemplitCellule(1, r, "ligne" + IntToStr(r), 0, 1, clBlack, clWhite, false);
    }
    return g;
}

std::vector<std::string> Colonne(const TColorGridBase& g, const TGridModel& m, int col)
{
    std::vector<std::string> v;
    for (int r = m.FixedRows(); r < m.RowCount(); ++r)
        v.push_back(g.LitCellule(col, r));
    return v;
}

}   // namespace

TEST(ColorGridKeys, NumericSortKeyAndBarValue)
{
    EXPECT_DOUBLE_EQ(TColorGridBase::CleNumerique("12,5 pts"), 12.5);
    EXPECT_DOUBLE_EQ(TColorGridBase::CleNumerique("-3"), 0);
    EXPECT_DOUBLE_EQ(TColorGridBase::CleNumerique("1.250"), 1.25);
    EXPECT_DOUBLE_EQ(TColorGridBase::CleNumerique(""), 0);
    // A second separator ends the number.
    EXPECT_DOUBLE_EQ(TColorGridBase::CleNumerique("1.234,5"), 1.234);

    EXPECT_EQ(TColorGridBase::ValeurTexte("12,5"), 1250);
    EXPECT_EQ(TColorGridBase::ValeurTexte("12.5"), 1200);   // the dot ends the prefix
    EXPECT_EQ(TColorGridBase::ValeurTexte("7 pts"), 700);
    EXPECT_EQ(TColorGridBase::ValeurTexte("1,2,3"), 0);
    EXPECT_EQ(TColorGridBase::ValeurTexte("abc"), 0);
    EXPECT_EQ(TColorGridBase::ValeurTexte(","), 0);
    EXPECT_EQ(TColorGridBase::ValeurTexte("0,125"), 12);   // halves go to the even neighbour
}

TEST(ColorGridSort, CycleOfStatesWithCreationOrderForTies)
{
    auto g = GrilleCles({"2", "5", "5"});
    g->TriCol = true;
    g->TrieColonne(0);
    EXPECT_EQ(g->EtatTriColonne(0), 1);
    EXPECT_TRUE(g->AffichageTri());
    EXPECT_EQ(Colonne(*g, *g, 1), (std::vector<std::string>{"ligne2", "ligne3", "ligne1"}));
    g->TrieColonne(0);
    EXPECT_EQ(g->EtatTriColonne(0), 2);
    // ties in creation order in both directions
    EXPECT_EQ(Colonne(*g, *g, 1), (std::vector<std::string>{"ligne1", "ligne2", "ligne3"}));
    g->TrieColonne(0);
    EXPECT_EQ(g->EtatTriColonne(0), 0);
    EXPECT_FALSE(g->AffichageTri());
    EXPECT_EQ(Colonne(*g, *g, 1), (std::vector<std::string>{"ligne1", "ligne2", "ligne3"}));
    // The records travel with their rows.
    EXPECT_EQ(g->InfoCellule(0, 3)->LigneCreation, 3);
}

// Titles wider than their column widen it, whether the width was given to
// the column or to the grid; narrower titles and hidden columns change nothing.
TEST(ColorGridSize, ColumnsWidenToTheirTitles)
{
    struct TCas
    {
        std::string Titre;
        int Largeur;
        bool ParColonne;   // width given through the column's record
        bool Elargie;
    };
    const TCas cas[] = {{"Sendings-off and penalties", 30, true, true}, {"Matchday of the season", 40, false, true},
                        {"N", 60, true, false}, {"Disqualifications of the season", 0, true, false}};
    auto g = std::make_unique<TColorGridModel>();
    g->SetColCount(4);
    g->SetRowCount(2);
    g->SetFixedRows(1);
    for (int k = 0; k < 4; ++k) {
        const TCas& c = cas[k];
        if (c.ParColonne)
            g->ChangeLargeurColonne(k, c.Largeur);
        else
            g->SetColWidths(k, c.Largeur);
        g->RemplitCellule(k, 0, c.Titre, 1, 1, clBlack, clWhite, true);
    }
    g->ElargitSelonTexte(0);
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(cas[k].Titre);
        if (cas[k].Elargie) {
            EXPECT_GT(g->ColWidths(k), cas[k].Largeur);
        } else {
            EXPECT_EQ(g->ColWidths(k), cas[k].Largeur);
        }
        if (cas[k].Elargie && cas[k].ParColonne) {
            EXPECT_EQ(g->LargeurColonne(k), g->ColWidths(k));
        }
    }
    // a second call finds every title fitting
    std::vector<int> avant;
    for (int k = 0; k < 4; ++k)
        avant.push_back(g->ColWidths(k));
    g->ElargitSelonTexte(0);
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(g->ColWidths(k), avant[static_cast<size_t>(k)]);
}

TEST(ColorGridSort, TextKeysTotalRowAndAnotherColumn)
{
    auto g = GrilleCles({"12,5 pts", "-3", "1.250", "40"});
    g->EcritCellule(0, 4, "Total");
    g->FixedEndRow = 1;
    g->TrieColonne(0);
    EXPECT_EQ(Colonne(*g, *g, 0), (std::vector<std::string>{"12,5 pts", "1.250", "-3", "Total"}));
    g->TrieColonne(0);
    EXPECT_EQ(Colonne(*g, *g, 0), (std::vector<std::string>{"-3", "1.250", "12,5 pts", "Total"}));

    // A click on another column starts it at state 1 and clears the first one.
    g->ChangeEtatColonne(1, 1);   // text keys
    EXPECT_EQ(g->EtatTriColonne(0), 0);
    g->TrieColonne(1);
    EXPECT_EQ(g->EtatTriColonne(1), 1);
    EXPECT_EQ(Colonne(*g, *g, 1), (std::vector<std::string>{"ligne3", "ligne2", "ligne1", "ligne4"}));
    EXPECT_EQ(g->LitCellule(0, 4), "Total");
}

TEST(ColorGridSort, KeptBackgroundsStayInPlace)
{
    auto g = GrilleCles({"1", "3", "2"});
    g->TriConserveFond = true;
    g->ChangeCouleurFondCellule(0, 1, clRed);
    g->ChangeCouleurTexteCellule(0, 1, clYellow);
    g->TrieColonne(0);
    EXPECT_EQ(g->LitCellule(0, 1), "3");
    EXPECT_EQ(g->CouleurFondCellule(0, 1), clRed);
    EXPECT_EQ(g->CouleurTexteCellule(0, 1), clYellow);
    EXPECT_EQ(g->CouleurFondCellule(0, 3), clWhite);

    auto h = GrilleCles({"1", "3", "2"});
    h->ChangeCouleurFondCellule(0, 1, clRed);
    h->TrieColonne(0);
    EXPECT_EQ(h->CouleurFondCellule(0, 3), clRed);   // without: the colour moves with its row
}

TEST(ColorGridSplit, ShownAndHiddenTexts)
{
    auto g = GrilleCles({"x", "y", "z"});
    g->EcritCellule(1, 1, "5|");
    g->EcritCellule(1, 2, "Nantes|2");
    EXPECT_EQ(g->LitCellule(1, 1), "5");
    EXPECT_EQ(g->TexteCacheCellule(1, 1), " ");
    EXPECT_TRUE(g->LieColonne(1));
    g->SetAffichageTri(true);
    EXPECT_EQ(g->LitCellule(1, 1), " ");
    EXPECT_EQ(g->LitCellule(1, 2), "2");
    EXPECT_EQ(g->TexteCacheCellule(1, 2), "Nantes");
    EXPECT_EQ(g->LitCellule(1, 3), "ligne3");   // no hidden text: unchanged
    g->SetAffichageTri(false);
    EXPECT_EQ(g->LitCellule(1, 2), "Nantes");

    // Written while sorted: the second part is shown.
    g->SetAffichageTri(true);
    g->EcritCellule(1, 3, "Lyon|9");
    EXPECT_EQ(g->LitCellule(1, 3), "9");
    EXPECT_EQ(g->TexteCacheCellule(1, 3), "Lyon");

    // A linked column where no cell hides a text loses its flag at the next switch.
    g->ChangeLieColonne(0, true);
    g->SetAffichageTri(false);
    EXPECT_FALSE(g->LieColonne(0));
    EXPECT_TRUE(g->LieColonne(1));
}

TEST(ColorGridBars, MaximumFollowsLoweredValuesOnce)
{
    auto g = GrilleCles({"4", "10", "6"});
    g->ChangeValeursColonne(0, CouleursGraphe(clBlue, clAqua));
    EXPECT_EQ(g->MaximumColonne(0), 1000);
    // "9" is greater than "10" as text, lower as a number.
    g->EcritCellule(0, 2, "9");
    EXPECT_TRUE(g->MaximumARecalculer(0));
    EXPECT_EQ(g->MaximumColonne(0), 900);
    EXPECT_FALSE(g->MaximumARecalculer(0));
    g->EcritCellule(0, 1, "12,5");
    EXPECT_EQ(g->MaximumColonne(0), 1250);
    EXPECT_FALSE(g->MaximumARecalculer(0));
    // Fixed rows never count.
    g->EcritCellule(0, 0, "999");
    EXPECT_EQ(g->MaximumColonne(0), 1250);
    // Out of range.
    EXPECT_EQ(g->MaximumColonne(9), 0);
    EXPECT_EQ(g->ValeursColonne(9), TCouleurPoint{});
}

TEST(ColorGridBars, DrawnInProportionAndRecomputedOnce)
{
    auto g = GrilleCles({"10", "5", "0"});
    g->ChangeValeursColonne(0, CouleursGraphe(clRed, clRed));
    g->EcritCellule(0, 1, "8");   // lowers the maximum: flagged
    TBitmap b(120, 30);
    TRect r = Rect(0, 0, 101, 20);   // filled 102 x 21 with margins 2
    g->DessineCellule(b.Canvas(), 0, 2, r, 0, false);
    EXPECT_FALSE(g->MaximumARecalculer(0));
    EXPECT_EQ(g->MaximumColonne(0), 800);
    // 5 of 8: (102 - 1 - 4) * 500 / 800 = 60 red columns from x = 2.
    ExpectPixels(b, {{2, 10, clRed}, {61, 10, clRed}, {62, 10, clWhite}, {1, 10, clWhite}});
    // No bar for a zero value.
    TBitmap z(120, 30);
    g->DessineCellule(z.Canvas(), 0, 3, r, 0, false);
    EXPECT_EQ(z.Pixels(10, 10), clWhite);
}

TEST(ColorGridLayout, PictureAndTextPlaces)
{
    // A 36 x 36 picture in a 40 x 20 cell: 16 x 16, the text 21 pixels further.
    TPlacementCellule p = TColorGridBase::PlaceCellule(40, 20, 36, 36, 10, 12, 0, 1);
    EXPECT_EQ(p.Image.Width(), 16);
    EXPECT_EQ(p.Image.Height(), 16);
    EXPECT_EQ(p.EspaceImage, 21);
    EXPECT_EQ(p.TexteX, 40 / 30 + 21);
    EXPECT_EQ(p.Image.Left, p.TexteX - 21);
    EXPECT_EQ(p.Image.Top, (20 - 16) / 2 + 1);
    EXPECT_EQ(p.TexteY, (20 - 12) / 2);

    TPlacementCellule sans = TColorGridBase::PlaceCellule(90, 30, 0, 0, 30, 12, 0, 0);
    EXPECT_EQ(sans.TexteX, 3);
    EXPECT_EQ(sans.TexteY, 1);
    EXPECT_TRUE(sans.Image.IsEmpty());
    EXPECT_EQ(TColorGridBase::PlaceCellule(90, 30, 0, 0, 30, 12, 1, 2).TexteX, 30);
    EXPECT_EQ(TColorGridBase::PlaceCellule(90, 30, 0, 0, 30, 12, 1, 2).TexteY, 30 - 1 - 12);
    EXPECT_EQ(TColorGridBase::PlaceCellule(90, 30, 0, 0, 30, 12, 2, 1).TexteX, 90 - 3 - 30);
    TPlacementCellule bas = TColorGridBase::PlaceCellule(90, 30, 20, 10, 30, 12, 2, 2);
    EXPECT_EQ(bas.Image.Top, 30 - 1 - 10);
    EXPECT_EQ(bas.Image.Left, 90 - 3 - 30 - 25);
}

TEST(ColorGridPictures, CrestWithAlphaAndOpaquePicture)
{
    auto g = GrilleCles({"a"});
    auto crest = std::make_unique<TPngPicture>();
    crest->LoadFromFile(MakePath(DossierDonnees(), "blasons\\1.png"));
    ASSERT_NO_THROW(g->ChangeImageCellule(1, 1, std::move(crest)));
    ASSERT_NE(g->ImageCellule(1, 1), nullptr);
    EXPECT_TRUE(g->ImageCellule(1, 1)->Transparent());

    // An opaque picture whose corners share a colour takes it as transparent.
    TBitmap b(8, 8);
    b.Canvas().Brush.SetColor(clLime);
    b.Canvas().FillRect(Rect(0, 0, 8, 8));
    b.SetPixels(3, 3, clRed);
    auto png = std::make_unique<TPngPicture>();
    png->Assign(b);
    g->ChangeImageCellule(0, 1, std::move(png));
    EXPECT_EQ(g->ImageCellule(0, 1)->TransparentColor(), clLime);

    // RemplitCellule replaces the picture and clears the hot-track flag.
    g->ChangeMarqueCellule(0, 1, true);
    g->RemplitCellule(0, 1, "b", 1, 0, clRed, clBlue, true, nullptr);
    EXPECT_EQ(g->ImageCellule(0, 1), nullptr);
    EXPECT_FALSE(g->MarqueCellule(0, 1));
    EXPECT_EQ(g->AlignementHCellule(0, 1), 1);
    EXPECT_EQ(g->AlignementVCellule(0, 1), 0);
    EXPECT_TRUE(g->GrasCellule(0, 1));
    // Defaults of a cell without a record; 0 outside.
    EXPECT_EQ(g->AlignementVCellule(1, 0 + 1), 1);
    EXPECT_EQ(g->CouleurFondCellule(1, 1), clWhite);
    EXPECT_EQ(g->CouleurFondCellule(7, 7), 0u);
}

TEST(ColorGridSize, AutoResizeNeverCompounds)
{
    TColorGridModel g;
    g.SetColCount(2);
    g.SetRowCount(3);
    g.ChangeHauteurLigne(0, 2);
    g.ChangeHauteurLigne(1, 5);
    g.ChangeHauteurLigne(2, 5);
    g.ChangeLargeurColonne(0, 40);
    g.ChangeLargeurColonne(1, 60);
    g.SetSize(1000, 1000);
    // Capped at 1.5: 3, 7, 7.
    EXPECT_EQ(g.RowHeights(0), 3);
    EXPECT_EQ(g.RowHeights(1), 7);
    EXPECT_EQ(g.RowHeights(2), 7);
    EXPECT_EQ(g.ColWidths(0), 60);
    EXPECT_EQ(g.ColWidths(1), 90);
    EXPECT_EQ(g.Height(), 4 + 8 + 8);
    EXPECT_EQ(g.Width(), 61 + 91);
    for (int i = 0; i < 5; ++i)
        g.SetSize(1000, 1000);
    EXPECT_EQ(g.RowHeights(1), 7);
    EXPECT_EQ(g.HauteurLigne(1), 5);   // the record keeps its height
    // A smaller area: natural sizes; the area takes them.
    g.SetSize(50, 10);
    EXPECT_EQ(g.RowHeights(1), 5);
    EXPECT_EQ(g.Height(), 3 + 6 + 6);
    // About 1.2 for a box a fifth larger.
    g.SetSize(123, 19);
    EXPECT_EQ(g.RowHeights(1), 6);
    EXPECT_EQ(g.ColWidths(1), 72);
    // Off: nothing moves.
    g.SetAutoResize(false);
    g.SetSize(1000, 1000);
    EXPECT_EQ(g.RowHeights(1), 6);
}

TEST(ColorGridSize, NeededSizeInABox)
{
    TColorGridModel g;
    g.SetAutoResize(false);
    g.SetColCount(2);
    g.SetRowCount(2);
    g.ChangeHauteurLignes(20);
    g.ChangeLargeurColonne(0, 100);
    g.ChangeLargeurColonne(1, 100);
    int h = 0, w = 0;
    g.CalculeTaille(100, 30, h, w);   // too small: the natural sizes
    EXPECT_EQ(h, 42);
    EXPECT_EQ(w, 202);
    g.CalculeTaille(404, 84, h, w);   // twice: capped at 1.5
    EXPECT_EQ(h, 2 * 31 + 1);
    EXPECT_EQ(w, 2 * 151 + 1);
    g.CalculeTaille(222, 46, h, w);   // 1.099.. and 1.095..
    EXPECT_EQ(h, 2 * 22 + 1);
    EXPECT_EQ(w, 2 * 110 + 1);
}

TEST(ColorGridRecords, KeptWhenCountsChangeAndOptionsDriveLines)
{
    TColorGridModel g;
    g.SetAutoResize(false);
    g.SetColCount(4);
    g.ChangeValeursColonne(2, CouleursGraphe(clRed, clBlue));
    g.ChangeLargeurColonne(1, 77);
    g.SetRowCount(30);   // the bars were set first, as the standings do
    EXPECT_EQ(g.ValeursColonne(2), CouleursGraphe(clRed, clBlue));
    EXPECT_EQ(g.LargeurColonne(1), 77);
    EXPECT_TRUE(g.TraitLigne(29));
    g.SetOptions(g.Options() & ~static_cast<TGridOptions>(goHorzLine));
    EXPECT_FALSE(g.TraitLigne(3));
    EXPECT_TRUE(g.TraitColonne(3));
    g.ChangeCouleurTraitLigne(3, clRed);
    EXPECT_TRUE(g.TraitLigne(3));
    EXPECT_EQ(g.CouleurTraitLigne(3), clRed);
    g.InitColonnes();
    EXPECT_EQ(g.ValeursColonne(2), TCouleurPoint{});
    g.InitLignesColonnes();
    EXPECT_EQ(g.LargeurColonne(1), g.DefaultColWidth());
    EXPECT_FALSE(g.TraitLigne(3));   // the option is off
    // Records of rows that went away are freed with them.
    g.RemplitCellule(0, 29, "x", 0, 1, 0, clRed, false);
    g.SetRowCount(5);
    g.SetRowCount(30);
    EXPECT_EQ(g.InfoCellule(0, 29), nullptr);
    EXPECT_EQ(g.CouleurFondCellule(0, 29), clWhite);
}

TEST(ColorGridPrint, ScaleAndPlaceOnTheCanvas)
{
    TColorGridModel g;
    g.SetAutoResize(false);
    g.SetColCount(2);
    g.SetRowCount(3);
    g.ChangeLargeurColonne(0, 120);
    g.ChangeLargeurColonne(1, 80);
    std::vector<int> l = g.LargeursImprimees(1000);   // sum 200: half the width
    EXPECT_EQ(l[0] + l[1], 500);
    g.ChangeLargeurColonne(1, 280);                   // sum 400: the whole width
    l = g.LargeursImprimees(1000);
    EXPECT_EQ(l[0], 300);
    EXPECT_EQ(l[1], 700);

    // Into a quadrant of the canvas, not at its corner.
    g.ChangeLargeurColonne(1, 80);
    TBitmap b(400, 200);
    g.DessineSurCanvas(b.Canvas(), Rect(200, 100, 400, 200));
    EXPECT_EQ(b.Pixels(0, 0), clWhite);
    EXPECT_EQ(b.Pixels(100, 50), clWhite);
    EXPECT_EQ(b.Pixels(200, 100), clBlack);      // the outline's corner
    EXPECT_EQ(b.Pixels(230, 102), 0xD0D0D0u);    // a fixed cell, printed grey

    // No column of any width: nothing drawn, no fault.
    g.ChangeLargeurColonne(0, 0);
    g.ChangeLargeurColonne(1, 0);
    EXPECT_EQ(g.LargeursImprimees(1000), (std::vector<int>{0, 0}));
    TBitmap vide(50, 50);
    g.DessineSurCanvas(vide.Canvas(), Rect(0, 0, 50, 50));
    EXPECT_EQ(vide.Pixels(0, 0), clWhite);
}

// ---- the control -----------------------------------------------------------------------

namespace {

struct FenetreGrille
{
    TOwned<TForm> form;
    TColorStringGrid* grid = nullptr;

    FenetreGrille()
    {
        form.reset(new TForm(nullptr));
        form->SetBounds(0, 0, 460, 260);
        form->SetCaption("Classement");
        grid = new TColorStringGrid(form.get());
        grid->SetParent(form.get());
        grid->SetBounds(8, 8, 430, 200);
        grid->SetColCount(4);
        grid->SetRowCount(6);
        grid->SetFixedCols(0);
        grid->SetFixedColor(0xE89879);
        const char* titres[] = {"Pl", "Equipe", "Pts", "Diff"};
        int largeurs[] = {30, 180, 60, 60};
        for (int c = 0; c < 4; ++c) {
            grid->ChangeLargeurColonne(c, largeurs[c]);
            grid->RemplitCellule(c, 0, titres[c], 1, 1, clBlack, clWhite, true);
        }
        grid->ChangeValeursColonne(2, CouleursGraphe(0x00C000, 0xC0FFC0));
        grid->ChangeHauteurLignes(24);
        const char* equipes[] = {"Nantes", "Lyon & Co", "Brest", "Metz", "Nice"};
        int points[] = {45, 41, 30, 22, 12};
        for (int r = 1; r <= 5; ++r) {
            TColor fond = r % 2 ? clWhite : 0xF8CD87;
            grid->RemplitCellule(0, r, IntToStr(r), 1, 1, clBlack, fond, false);
            auto crest = std::make_unique<TPngPicture>();
            crest->LoadFromFile(MakePath(DossierDonnees(), "blasons\\" + IntToStr(r) + ".png"));
            grid->RemplitCellule(1, r, equipes[r - 1], 0, 1, clBlack, fond, r == 1, std::move(crest));
            grid->RemplitCellule(2, r, IntToStr(points[r - 1]), 2, 1, clBlack, fond, false);
            grid->RemplitCellule(3, r, IntToStr(10 - 4 * r), 2, 1, r > 2 ? clRed : clBlack, fond, false);
        }
        grid->ChangeCouleurTraitLigne(2, clRed);
        grid->ChangeMarqueCellule(1, 3, true);
        grid->TriCol = true;
        kit::ShowForm(form.get());
    }

    // The centre of a cell, in the control's coordinates.
    TPoint Centre(int col, int row) const
    {
        TRect r = grid->CellRect(col, row);
        return Point((r.Left + r.Right) / 2 + 2, (r.Top + r.Bottom) / 2 + 2);
    }
};

}   // namespace

TEST(ColorStringGridControl, ShowsSortsOnTitleClickAndHotTracks)
{
    FenetreGrille f;
    TColorStringGrid* g = f.grid;
    // The grid grew its rows to fill its area and took their size.
    EXPECT_GT(g->RowHeights(1), 24);
    int hauteur = 0;
    for (int r = 0; r < g->RowCount(); ++r)
        hauteur += g->RowHeights(r) + 1;
    EXPECT_EQ(g->Height(), hauteur + 4);
    std::string png = kit::GrabToPng(f.form.get(), "colour-grid");
    EXPECT_TRUE(FileExists(png));

    // A click on the "Diff" title sorts descending, then ascending.
    TPoint t = f.Centre(3, 0);
    kit::Click(g, t.X, t.Y);
    EXPECT_EQ(g->EtatTriColonne(3), 1);
    EXPECT_EQ(g->LitCellule(1, 1), "Nantes");
    kit::Click(g, t.X, t.Y);
    EXPECT_EQ(g->EtatTriColonne(3), 2);
    // the negative differences sort level at the front, in the order they were made
    EXPECT_EQ(g->LitCellule(1, 1), "Brest");
    kit::GrabToPng(f.form.get(), "colour-grid-sorted");
    // Press on one title, release on another: no sort.
    TPoint autre = f.Centre(2, 0);
    kit::MouseDown(g, t.X, t.Y);
    kit::MouseUp(g, autre.X, autre.Y);
    EXPECT_EQ(g->EtatTriColonne(2), 0);
    kit::Click(g, t.X, t.Y);
    EXPECT_EQ(g->LitCellule(1, 1), "Nantes");

    // The hot-track cell: hand cursor, underlined, its own click event.
    int col = -1, row = -1;
    g->OnHotTrackClick = [&](TObject*, int c, int r) { col = c; row = r; };
    TPoint h = f.Centre(1, 3);
    kit::MouseMove(g, h.X, h.Y);
    EXPECT_EQ(g->HotCol(), 1);
    EXPECT_EQ(g->HotRow(), 3);
    EXPECT_EQ(g->Cursor(), crHandPoint);
    kit::GrabToPng(f.form.get(), "colour-grid-hot");
    kit::MouseDown(g, h.X, h.Y);
    kit::MouseUp(g, h.X, h.Y);
    EXPECT_EQ(col, 1);
    EXPECT_EQ(row, 3);
    TPoint ailleurs = f.Centre(0, 4);
    kit::MouseMove(g, ailleurs.X, ailleurs.Y);
    EXPECT_EQ(g->HotCol(), -1);

    // Without SelectionVisible no cell can be selected.
    kit::Click(g, ailleurs.X, ailleurs.Y);
    EXPECT_NE(g->Row(), 4);
    g->SetSelectionVisible(true);
    kit::Click(g, ailleurs.X, ailleurs.Y);
    EXPECT_EQ(g->Row(), 4);
}

TEST(ColorStringGridControl, PrintsOnePageToPdf)
{
    FenetreGrille f;
    std::string pdf = kit::TempDir() + "colour-grid.pdf";
    DeleteFile(pdf);
    Printer().SetOutputFileName(pdf);
    EXPECT_TRUE(f.grid->Imprime());
    Printer().SetOutputFileName("");
    ASSERT_TRUE(FileExists(pdf));
    std::string cmd = "pdftoppm -r 40 -png -singlefile '" + pdf + "' '" + MakePath(kit::OutputDir(), "colour-grid-pdf") + "'";
    EXPECT_EQ(std::system(cmd.c_str()), 0);
}
