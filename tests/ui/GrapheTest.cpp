// Charts: scale, series, replacement texts, gradient, plot geometry and hit
// tests (fixed text metrics), then a line chart and a stacked bar chart drawn
// to PNG and printed to PDF with real fonts.
#include <cstdlib>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "codecs/PngPicture.h"
#include "platform/gui/Pictures.h"
#include "platform/gui/Printers.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"
#include "tests/support/gui/GuiKit.h"
#include "ui/Graphe.h"
#include "tests/support/gui/PixelProbes.h"

namespace {

// Every character 6 pixels wide, every line 13 high.
class GrapheFixe : public ::testing::Test
{
protected:
    void SetUp() override { SetTextMeasurer(&mesure_); }
    void TearDown() override { SetTextMeasurer(nullptr); }
    TFixedTextMeasurer mesure_{6, 13};
};

template <class G>
std::unique_ptr<G> Graphe(int w, int h)
{
    auto g = std::make_unique<G>(nullptr);
    g->SetBounds(0, 0, w, h);
    g->SetNbPointX(10);
    g->SetNbPointY(10);
    return g;
}

void Dessine(TGraphe& g, TBitmap& b)
{
    b.SetSize(g.Width(), g.Height());
    b.Canvas().Brush.SetColor(clWhite);
    b.Canvas().FillRect(Rect(0, 0, g.Width(), g.Height()));
    g.Dessine(b.Canvas());
}

}   // namespace

TEST(GrapheScale, GraduationStep)
{
    EXPECT_EQ(PasGraduation(156, 10), 20);
    EXPECT_EQ(PasGraduation(23, 1), 30);
    EXPECT_EQ(PasGraduation(91, 1), 100);
    EXPECT_EQ(PasGraduation(10, 1), 10);
    EXPECT_EQ(PasGraduation(9, 1), 9);
    EXPECT_EQ(PasGraduation(1, 1), 1);
    EXPECT_EQ(PasGraduation(0, 5), 1);
    EXPECT_EQ(PasGraduation(7, 0), 7);
    EXPECT_EQ(PasGraduation(0, 0), 1);
    EXPECT_EQ(PasGraduation(2001, 2), 2000);
}

TEST(GrapheSeries, PointsColoursAndHiddenSeries)
{
    TGraphLigne g(nullptr);
    g.ChangeNbCourbes(2);
    g.AjoutePoint(0, 3, 7);
    g.AjoutePoint(0, 1, 2);
    g.AjoutePoint(0, 3, 9);   // replaces the value, keeps the place
    ASSERT_EQ(g.Courbe(0)->Points.size(), 2u);
    EXPECT_EQ(g.Courbe(0)->Points[0]->X, 1);
    EXPECT_EQ(g.ValeurPoint(0, 3), 9);
    EXPECT_EQ(g.ValeurPoint(0, 2), -1);
    EXPECT_EQ(g.ValeurPoint(5, 3), -1);

    // A point made only of colours has no value; a pair without Debut changes nothing.
    g.ChangeCouleurPoint(0, 2, CouleursGraphe(clRed, clBlue));
    EXPECT_EQ(g.ValeurPoint(0, 2), -1);
    EXPECT_EQ(g.CouleurPoint(0, 2), clRed);
    g.ChangeCouleurPoint(0, 2, CouleursGraphe(0, clLime));
    EXPECT_EQ(g.Courbe(0)->Couleur(2), CouleursGraphe(clRed, clBlue));
    g.ChangeCouleurCourbe(0, clGreen);
    EXPECT_EQ(g.CouleurPoint(0, 1), clGreen);   // no colour of its own: the series'
    EXPECT_EQ(g.CouleurPoint(7, 1), 0u);

    // A hidden series counts neither for the maxima nor for the scale.
    g.AjoutePoint(1, 40, 500);
    EXPECT_EQ(g.MaxY(), 500);
    g.ChangeStyleCourbe(1, 0);
    EXPECT_EQ(g.MaxX(), 3);
    EXPECT_EQ(g.MaxY(), 9);
    g.SetNbPointY(10);
    EXPECT_EQ(g.EchelleY(), 10);

    g.VideCourbe(0);
    EXPECT_TRUE(g.Courbe(0)->Points.empty());
    g.AjouteCourbes(1);
    EXPECT_EQ(g.NbCourbes(), 3);
    g.VideCourbes();
    EXPECT_EQ(g.NbCourbes(), 0);
}

TEST(GrapheSeries, ReplacementTextsStayInTheirTable)
{
    TLegendeRemplace vide;
    EXPECT_EQ(vide.Cherche(1), "");
    EXPECT_EQ(vide.Cherche(-1), "");
    TLegendeRemplace t;
    t.Ajoute(3, "V");
    t.Ajoute(1, "D");
    t.Ajoute(2, "N");
    t.Ajoute(2, "Nul");
    EXPECT_EQ(t.Count(), 3);
    EXPECT_EQ(t.Cherche(1), "D");
    EXPECT_EQ(t.Cherche(2), "Nul");
    EXPECT_EQ(t.Cherche(3), "V");
    EXPECT_EQ(t.Cherche(4), "");     // above the largest key
    EXPECT_EQ(t.Cherche(0), "");
    EXPECT_EQ(t.Cherche(1000), "");
}

TEST(GrapheGradient, ColourSequenceAndDirections)
{
    TBitmap b(20, 20);
    b.Canvas().Brush.SetColor(clWhite);
    b.Canvas().FillRect(Rect(0, 0, 20, 20));
    // Horizontal: 10 vertical lines from x = 0, red from 10 to 100.
    DegradeRect(b.Canvas(), Rect(0, 0, 11, 5), Rect(0, 0, 0, 0), 1, 1, RGB(0, 0, 0), RGB(100, 0, 0), false);
    ExpectPixels(b, {{0, 2, RGB(10, 0, 0)}, {4, 2, RGB(50, 0, 0)}, {9, 2, RGB(100, 0, 0)}, {10, 2, clWhite}});
    EXPECT_EQ(b.Pixels(0, 4), clWhite);   // the last row is left out

    // Vertical, bottom up, with a fraction and margins.
    TBitmap v(20, 30);
    v.Canvas().Brush.SetColor(clWhite);
    v.Canvas().FillRect(Rect(0, 0, 20, 30));
    DegradeRect(v.Canvas(), Rect(0, 0, 10, 23), Rect(1, 1, 1, 1), 1, 2, clBlue, clBlue, true);
    // n = ((23 - 1) - 2) / 2 = 10 lines from y = 21 up to y = 12.
    ExpectPixels(v, {{5, 21, clBlue}, {5, 12, clBlue}, {5, 11, clWhite}, {0, 15, clWhite}, {9, 15, clWhite},
                     {8, 15, clBlue}});

    // Top below Bottom (a bar without Inverse): from the axis up as well.
    TBitmap w(20, 30);
    w.Canvas().Brush.SetColor(clWhite);
    w.Canvas().FillRect(Rect(0, 0, 20, 30));
    DegradeRect(w.Canvas(), Rect(0, 20, 5, 10), Rect(0, 0, 0, 0), 1, 1, clRed, clLime, true);
    ExpectPixels(w, {{2, 19, RGB(230, 25, 0)}, {2, 18, RGB(204, 51, 0)}, {2, 10, RGB(0, 255, 0)},
                     {2, 9, clWhite}, {2, 20, clWhite}});

    // Nothing for an empty fraction or a zero divisor.
    TBitmap z(10, 10);
    z.Canvas().Brush.SetColor(clWhite);
    z.Canvas().FillRect(Rect(0, 0, 10, 10));
    DegradeRect(z.Canvas(), Rect(0, 0, 10, 10), Rect(0, 0, 0, 0), 0, 1, clRed, clRed, false);
    DegradeRect(z.Canvas(), Rect(0, 0, 10, 10), Rect(0, 0, 0, 0), 1, 0, clRed, clRed, false);
    EXPECT_EQ(z.Pixels(0, 0), clWhite);
}

TEST_F(GrapheFixe, PlotZoneAndLinePointUnderTheMouse)
{
    auto g = Graphe<TGraphLigne>(200, 150);
    g->ChangeNbCourbes(1);
    g->AjoutePoint(0, 1, 5);
    g->AjoutePoint(0, 2, 10);
    g->AjoutePoint(0, 3, 7);
    TBitmap b;
    Dessine(*g, b);
    EXPECT_EQ(g->Gauche, 6 + 12);
    EXPECT_EQ(g->Droite, 192);
    EXPECT_EQ(g->Extremite, 21);
    EXPECT_EQ(g->Origine, 129);
    EXPECT_EQ(g->Sens, -1);
    // (2, 10): x = 18 + 164 * 2 / 10 = 50, y = 129 - 98 = 31.
    int serie = -1;
    TPointGraphe* p = g->PointSousSouris(50, 31, serie);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->X, 2);
    EXPECT_EQ(serie, 0);
    serie = -1;
    EXPECT_EQ(g->PointSousSouris(52, 34, serie)->X, 2);
    EXPECT_EQ(g->PointSousSouris(50, 60, serie), nullptr);
    // The series drew a line between its points (default colour black).
    int noirs = 0;
    for (int yy = 35; yy < 78; ++yy)
        noirs += b.Pixels(42, yy) == clBlack;
    EXPECT_GT(noirs, 0);

    // Inverse puts the X axis at the top.
    g->SetInverse(true);
    Dessine(*g, b);
    EXPECT_EQ(g->Origine, 21);
    EXPECT_EQ(g->Sens, 1);
    serie = 0;
    EXPECT_EQ(g->PointSousSouris(50, 21 + 98, serie)->X, 2);
}

// The caption of the X axis is written after the axis and its last label,
// never over them ("120" and "minutes" stay apart), whatever its length.
TEST_F(GrapheFixe, AxisCaptionStandsAfterTheLastLabel)
{
    for (const char* legende : {"minutes", "Matchday", "m"}) {
        SCOPED_TRACE(legende);
        auto g = Graphe<TGraphBarre>(300, 150);
        g->SetLegendeX(legende);
        g->SetDecalLegende(false);
        g->FacteurX = 1.0 / 15;
        g->SetEspaceGraduerX(15);
        g->SetNbPointX(8);
        TBitmap b;
        Dessine(*g, b);
        TCanvas& c = b.Canvas();
        // the last label is centred at the end of the plot, 10 pixels before the arrow
        const int finDernier = g->Droite - 10 + c.TextWidth("120") / 2;
        EXPECT_LT(finDernier, g->Width() - 5 - c.TextWidth(legende));
        EXPECT_LT(g->Droite, g->Width() - 5 - c.TextWidth(legende));
    }
}

TEST_F(GrapheFixe, StackedBarUnderTheMouse)
{
    auto g = Graphe<TGraphBarre>(200, 150);
    g->SetNbPointX(1);
    g->ChangeNbCourbes(2);
    g->AjoutePoint(0, 1, 4);
    g->AjoutePoint(1, 1, 6);
    g->ChangeCouleurCourbe(0, clRed);
    g->ChangeCouleurCourbe(1, clBlue);
    TBitmap b;
    Dessine(*g, b);
    // Series 0 from 0 to 39 pixels above the axis, series 1 from 39 to 98.
    auto y = [&](int ry) { return g->Origine - ry; };
    EXPECT_NE(g->BarreSousSouris(50, y(20), 0), nullptr);
    EXPECT_EQ(g->BarreSousSouris(50, y(20), 1), nullptr);
    EXPECT_NE(g->BarreSousSouris(50, y(60), 1), nullptr);
    EXPECT_EQ(g->BarreSousSouris(50, y(60), 0), nullptr);
    EXPECT_EQ(g->BarreSousSouris(50, y(99), 1), nullptr);
    EXPECT_EQ(g->BarreSousSouris(10, y(20), 0), nullptr);   // left of the axis
    EXPECT_EQ(g->BarreSousSouris(50, y(20), 5), nullptr);
    // The segments are drawn in series order, bottom up.
    EXPECT_EQ(b.Pixels(60, y(20)), clRed);
    EXPECT_EQ(b.Pixels(60, y(60)), clBlue);
    // A hidden series leaves the stack.
    g->ChangeStyleCourbe(0, 0);
    Dessine(*g, b);
    EXPECT_NE(g->BarreSousSouris(50, y(20), 1), nullptr);
}

TEST_F(GrapheFixe, DegenerateSizesAndScalesDrawSafely)
{
    // Too small: nothing at all.
    auto petit = Graphe<TGraphLigne>(35, 100);
    TBitmap b;
    Dessine(*petit, b);
    for (int x = 0; x < 35; ++x)
        for (int yy = 0; yy < 100; ++yy)
            ASSERT_EQ(b.Pixels(x, yy), clWhite);

    // A plot of no width: drawn, and the hit tests find nothing.
    auto etroit = Graphe<TGraphLigne>(36, 40);
    etroit->ChangeNbCourbes(1);
    etroit->AjoutePoint(0, 1, 1);
    Dessine(*etroit, b);
    int serie = -1;
    EXPECT_EQ(etroit->PointSousSouris(20, 20, serie), nullptr);
    auto barre = Graphe<TGraphBarre>(36, 40);
    barre->ChangeNbCourbes(1);
    barre->AjoutePoint(0, 1, 1);
    Dessine(*barre, b);
    EXPECT_EQ(barre->BarreSousSouris(20, 20, 0), nullptr);

    // No graduation, automatic Y over zeros, label interval rounding to 0.
    auto g = Graphe<TGraphBarre>(200, 150);
    g->ChangeNbCourbes(1);
    g->AjoutePoint(0, 1, 0);
    g->AjoutePoint(0, 2, 0);
    g->SetAutoGraduationY(true);
    g->SetEspaceGraduerX(5);
    g->FacteurX = 0.1;
    g->FacteurY = 0;
    Dessine(*g, b);
    EXPECT_EQ(g->NbPointY(), 0);
    EXPECT_EQ(g->BarreSousSouris(60, 100, 0), nullptr);
    g->SetNbPointX(0);
    g->SetAutoGraduationY(false);
    g->SetNbPointY(0);
    Dessine(*g, b);
    SUCCEED();
}

TEST_F(GrapheFixe, GridLinesWithoutArrowsAndCentredPrint)
{
    auto g = Graphe<TGraphLigne>(200, 150);
    g->SetGrille(true);
    g->SetCouleurContours(clRed);
    g->SetEcrireX(false);
    TBitmap b;
    Dessine(*g, b);
    // Y graduations: the last one (at the far end) in the outline colour, the others in button face.
    int longueur = g->Origine - g->Extremite;
    EXPECT_EQ(b.Pixels(100, g->Extremite), clRed);
    EXPECT_EQ(b.Pixels(100, g->Origine - longueur * 1 / 10), ColorToRGB(clBtnFace));
    // No arrowheads with the grid.
    auto fleche = [&] {
        int n = 0;
        for (int x = g->Droite - 5; x <= g->Droite; ++x)
            for (int yy = g->Origine + 1; yy <= g->Origine + 4; ++yy)
                n += b.Pixels(x, yy) == clRed;
        return n;
    };
    EXPECT_EQ(fleche(), 0);
    g->SetGrille(false);
    Dessine(*g, b);
    EXPECT_GT(fleche(), 0);

    // A square chart printed into a rectangle twice as wide as high is centred.
    auto carre = Graphe<TGraphLigne>(100, 100);
    EXPECT_EQ(carre->RectangleImpression(Rect(0, 0, 400, 200)), Rect(100, 0, 300, 200));
    EXPECT_EQ(carre->RectangleImpression(Rect(10, 10, 110, 310)), Rect(10, 110, 110, 210));
}

// ---- real fonts: PNG and PDF -----------------------------------------------------------

namespace {

std::unique_ptr<TGraphLigne> CourbeForme()
{
    auto g = std::make_unique<TGraphLigne>(nullptr);
    g->SetBounds(0, 0, 400, 260);
    g->SetNbPointX(20);
    g->SetNbPointY(10);
    g->SetEspaceGraduerX(5);
    g->SetEspaceGraduerY(2);
    g->SetLegendeX(L1("Journée"));
    g->SetLegendeY("Points");
    g->SetGrille(true);
    g->SetCouleurContours(clNavy);
    g->SetEcritureContours(clNavy);
    g->ChangeNbCourbes(2);
    g->ChangeCouleurCourbe(0, clBlue);
    g->ChangeCouleurCourbe(1, clRed);
    int a = 0, b = 0;
    for (int j = 1; j <= 18; ++j) {
        a += (j * 7) % 4;
        b += (j * 5) % 3;
        g->AjoutePoint(0, j, a);
        g->AjoutePoint(1, j, b);
    }
    g->ChangeCouleurPoint(0, 9, CouleurGraphe(clLime));
    return g;
}

std::unique_ptr<TGraphBarre> BarresButs()
{
    auto g = std::make_unique<TGraphBarre>(nullptr);
    g->SetBounds(0, 0, 400, 260);
    g->SetNbPointX(9);
    g->SetNbPointY(8);
    g->SetEspaceGraduerX(1);
    g->SetEspaceGraduerY(1);
    g->SetLegendeY("Buts");
    g->SetLegendeX("Minute");
    g->SetContoursBarre(clBlack);
    g->SetTextin(true);
    g->SetCouleurText(clWhite);
    g->FacteurX = 1.0 / 10;
    g->ChangeNbCourbes(2);
    g->ChangeCouleurCourbe(0, clBlue);
    g->ChangeCouleurCourbe(1, clRed);
    int pour[] = {2, 3, 1, 4, 2, 5, 3, 2, 6};
    int contre[] = {1, 0, 2, 1, 3, 1, 0, 2, 2};
    for (int x = 1; x <= 9; ++x) {
        g->AjoutePoint(0, x, pour[x - 1]);
        g->AjoutePoint(1, x, contre[x - 1]);
        g->ChangeCouleurPoint(0, x, CouleursGraphe(0xFF8000, 0x400000));
        g->ChangeCouleurPoint(1, x, CouleursGraphe(0x0080FF, 0x000040));
    }
    g->RemplaceX = std::make_unique<TLegendeRemplace>();
    return g;
}

void SauvePng(TGraphe& g, const std::string& nom)
{
    TBitmap b(g.Width(), g.Height());
    b.Canvas().Brush.SetColor(clWhite);
    b.Canvas().FillRect(Rect(0, 0, g.Width(), g.Height()));
    g.Dessine(b.Canvas());
    TPngPicture png;
    png.Assign(b);
    png.SaveToFile(MakePath(kit::OutputDir(), nom));
}

}   // namespace

TEST(GrapheRendu, LineAndStackedBarChartsToPngAndPdf)
{
    auto ligne = CourbeForme();
    auto barres = BarresButs();
    SauvePng(*ligne, "chart-line.png");
    SauvePng(*barres, "chart-bars.png");
    EXPECT_TRUE(FileExists(MakePath(kit::OutputDir(), "chart-line.png")));

    // Both on one portrait page, the line chart in the top half.
    std::string pdf = kit::TempDir() + "charts.pdf";
    DeleteFile(pdf);
    TPrinter& p = Printer();
    p.SetOutputFileName(pdf);
    p.SetOrientation(poPortrait);
    p.BeginDoc();
    int w = p.PageWidth(), h = p.PageHeight();
    ligne->SetCouleurContours(clNavy);
    ligne->Imprime(Rect(0, 0, w, h / 2), p.Canvas());
    barres->Imprime(Rect(0, h / 2, w, h), p.Canvas());
    p.EndDoc();
    p.SetOutputFileName("");
    EXPECT_EQ(ligne->CouleurContours(), clNavy);   // restored after printing in black
    ASSERT_TRUE(FileExists(pdf));
    std::string cmd = "pdftoppm -r 50 -png -singlefile '" + pdf + "' '" + MakePath(kit::OutputDir(), "charts-pdf") + "'";
    EXPECT_EQ(std::system(cmd.c_str()), 0);
}
