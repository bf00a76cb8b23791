// The canvas's geometry, checked pixel by pixel on bitmaps.
#include <gtest/gtest.h>

#include <QColor>

#include "platform/gui/GraphicsQt.h"
#include "platform/gui/Pictures.h"
#include "tests/support/gui/PixelProbes.h"

namespace {

// A white bitmap of w x h with a black pen and a red brush.
struct Board
{
    TBitmap bmp;
    explicit Board(int w = 20, int h = 20) : bmp(w, h)
    {
        bmp.Canvas().Pen.SetColor(clBlack);
        bmp.Canvas().Brush.SetColor(clRed);
    }
    TCanvas& c() { return bmp.Canvas(); }
    TColor at(int x, int y) const { return bmp.Pixels(x, y); }
    // Bounding box of the pixels differing from `ground`.
    TRect Ink(TColor ground = clWhite) const
    {
        TRect r{1 << 20, 1 << 20, -1, -1};
        for (int y = 0; y < bmp.Height(); ++y)
            for (int x = 0; x < bmp.Width(); ++x)
                if (bmp.Pixels(x, y) != ground) {
                    r.Left = std::min(r.Left, x);
                    r.Top = std::min(r.Top, y);
                    r.Right = std::max(r.Right, x + 1);
                    r.Bottom = std::max(r.Bottom, y + 1);
                }
        return r;
    }
};

}  // namespace

TEST(Colors, RedIsTheLowByteAndSystemColoursResolve)
{
    EXPECT_EQ(RGB(1, 2, 3), 0x030201u);
    EXPECT_EQ(GetRValue(clRed), 255);
    EXPECT_EQ(GetBValue(clNavy), 128);
    EXPECT_EQ(TColorToQColor(clRed), QColor(255, 0, 0));
    EXPECT_EQ(TColorToQColor(clNavy), QColor(0, 0, 128));
    EXPECT_EQ(QColorToTColor(QColor(10, 20, 30)), RGB(10, 20, 30));
    EXPECT_TRUE(IsSystemColor(clBtnFace));
    EXPECT_FALSE(IsSystemColor(clWhite));
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(240, 240, 240));
    EXPECT_EQ(ColorToRGB(clWindow), clWhite);
    EXPECT_EQ(ColorToRGB(clWindowText), clBlack);
    EXPECT_EQ(ColorToRGB(clRed), clRed);
    EXPECT_EQ(ColorToRGB(clNone), clBlack);
    EXPECT_EQ(TColorToQColor(clHighlight), QColor(51, 153, 255));
    EXPECT_EQ(ColorToRGB(0x6F3000), 0x6F3000u);   // a plain value stays as it is
    SetSysColor(15, RGB(212, 208, 200));
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(212, 208, 200));
    SetSysColor(15, RGB(240, 240, 240));
}

TEST(Colors, SystemColourDrawsItsValue)
{
    Board b;
    b.c().Brush.SetColor(clBtnFace);
    b.c().FillRect(Rect(0, 0, 5, 5));
    EXPECT_EQ(b.at(2, 2), RGB(240, 240, 240));
}

TEST(Font, SizeAndHeightReplaceEachOther)
{
    TFont f;
    EXPECT_EQ(f.Size(), 8);
    EXPECT_EQ(f.Height(), -11);
    f.SetHeight(-16);
    EXPECT_EQ(f.Size(), 12);
    f.SetSize(10);
    EXPECT_EQ(f.Height(), -13);
    int changes = 0;
    f.OnChange = [&](TFont&) { ++changes; };
    f.SetStyle(fsBold | fsUnderline);
    f.SetStyle(fsBold | fsUnderline);   // no change, no event
    f.SetColor(clRed);
    EXPECT_EQ(changes, 2);
    TFont g;
    g.Assign(f);
    EXPECT_TRUE(g.SameAs(f));
    EXPECT_FALSE(static_cast<bool>(g.OnChange));
    QFont q = TFontToQFont(f);
    EXPECT_TRUE(q.bold());
    EXPECT_TRUE(q.underline());
    EXPECT_EQ(q.pointSize(), 10);
}

TEST(CanvasGeometry, RectangleCoversLeftToRightMinusOne)
{
    Board b;
    b.c().Rectangle(0, 0, 10, 10);
    EXPECT_EQ(b.Ink(), Rect(0, 0, 10, 10));
    ExpectPixels(b.bmp, {{0, 0, clBlack}, {9, 0, clBlack}, {9, 9, clBlack}, {0, 9, clBlack}, {10, 5, clWhite},
                     {5, 10, clWhite}, {1, 1, clRed}, {8, 8, clRed}});
}

TEST(CanvasGeometry, RectangleWithoutPenFillsOnePixelLess)
{
    Board b;
    b.c().Pen.SetStyle(psClear);
    b.c().Rectangle(2, 2, 12, 12);
    EXPECT_EQ(b.Ink(), Rect(2, 2, 11, 11));
}

TEST(CanvasGeometry, RectangleWithClearBrushIsOnlyAnOutline)
{
    Board b;
    b.c().Brush.SetStyle(bsClear);
    b.c().Rectangle(Rect(0, 0, 10, 10));
    EXPECT_EQ(b.at(5, 5), clWhite);
    EXPECT_EQ(b.at(5, 9), clBlack);
}

TEST(CanvasGeometry, FillAndFrameLeaveRightAndBottomOut)
{
    Board b;
    b.c().FillRect(Rect(3, 4, 8, 6));
    EXPECT_EQ(b.Ink(), Rect(3, 4, 8, 6));
    Board f;
    f.c().Brush.SetColor(clBlue);
    f.c().FrameRect(Rect(0, 0, 6, 6));
    EXPECT_EQ(f.Ink(), Rect(0, 0, 6, 6));
    EXPECT_EQ(f.at(5, 5), clBlue);
    EXPECT_EQ(f.at(2, 2), clWhite);
    // A clear brush fills nothing.
    Board n;
    n.c().Brush.SetStyle(bsClear);
    n.c().FillRect(Rect(0, 0, 5, 5));
    EXPECT_EQ(n.at(1, 1), clWhite);
}

TEST(CanvasGeometry, LineToLeavesOutItsEndPixel)
{
    Board b;
    b.c().MoveTo(0, 0);
    b.c().LineTo(5, 0);
    EXPECT_EQ(b.Ink(), Rect(0, 0, 5, 1));
    EXPECT_EQ(b.c().PenPos(), Point(5, 0));
    // Continuing from the end draws the pixel the first line left out.
    b.c().LineTo(5, 4);
    ExpectPixels(b.bmp, {{5, 0, clBlack}, {5, 3, clBlack}, {5, 4, clWhite}});

    Board d;
    d.c().MoveTo(0, 0);
    d.c().LineTo(4, 4);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(d.at(i, i), clBlack) << i;
    EXPECT_EQ(d.at(4, 4), clWhite);

    Board back;   // right to left, too
    back.c().MoveTo(9, 2);
    back.c().LineTo(3, 2);
    EXPECT_EQ(back.Ink(), Rect(4, 2, 10, 3));
}

TEST(CanvasGeometry, PolylineLeavesOutTheLastPointAndPolygonCloses)
{
    Board b;
    b.c().Polyline({{0, 0}, {6, 0}, {6, 6}});
    ExpectPixels(b.bmp, {{6, 0, clBlack}, {6, 5, clBlack}, {6, 6, clWhite}});

    Board p;
    p.c().Polygon({{2, 2}, {12, 2}, {12, 12}, {2, 12}});
    EXPECT_EQ(p.at(7, 7), clRed);
    EXPECT_EQ(p.at(2, 7), clBlack);   // closing edge drawn
    EXPECT_EQ(p.at(12, 12), clBlack);
}

TEST(CanvasGeometry, WidePenAndDashes)
{
    Board b(30, 30);
    b.c().Pen.SetWidth(3);
    b.c().Brush.SetStyle(bsClear);
    b.c().Rectangle(5, 5, 20, 20);
    EXPECT_EQ(b.at(5, 10), clBlack);
    EXPECT_EQ(b.at(12, 12), clWhite);

    Board d(40, 3);
    d.c().Pen.SetStyle(psDot);
    d.c().MoveTo(0, 1);
    d.c().LineTo(40, 1);
    ExpectPixels(d.bmp, {{0, 1, clBlack}, {3, 1, clWhite}, {6, 1, clBlack}});
}

TEST(CanvasGeometry, EllipseStaysInsideItsRectangle)
{
    Board b;
    b.c().Ellipse(0, 0, 10, 10);
    TRect ink = b.Ink();
    EXPECT_GE(ink.Left, 0);
    EXPECT_LE(ink.Right, 10);
    EXPECT_LE(ink.Bottom, 10);
    EXPECT_EQ(b.at(5, 5), clRed);
    EXPECT_EQ(b.at(0, 0), clWhite);
}

TEST(CanvasGeometry, PixelsReadAndWrite)
{
    Board b;
    b.c().SetPixels(3, 4, clLime);
    EXPECT_EQ(b.c().Pixels(3, 4), clLime);
    EXPECT_EQ(b.at(3, 4), clLime);
    EXPECT_EQ(b.c().Pixels(100, 100), clNone);
    TCanvas unattached;
    EXPECT_EQ(unattached.Pixels(0, 0), clNone);
    unattached.Rectangle(0, 0, 5, 5);   // ignored, no crash
}

TEST(CanvasGeometry, ClippingKeepsDrawingInside)
{
    Board b;
    b.c().SetClipRect(Rect(0, 0, 5, 5));
    EXPECT_EQ(b.c().ClipRect(), Rect(0, 0, 5, 5));
    b.c().FillRect(Rect(0, 0, 20, 20));
    EXPECT_EQ(b.Ink(), Rect(0, 0, 5, 5));
    b.c().IntersectClipRect(Rect(2, 2, 10, 10));
    EXPECT_EQ(b.c().ClipRect(), Rect(2, 2, 5, 5));
    b.c().ResetClip();
    EXPECT_EQ(b.c().ClipRect(), Rect(0, 0, 20, 20));
    b.c().Brush.SetColor(clBlue);
    b.c().FillRect(Rect(10, 10, 12, 12));
    EXPECT_EQ(b.at(11, 11), clBlue);
}

TEST(CanvasGeometry, FocusRectIsDottedAndRemovedByDrawingItAgain)
{
    Board b;
    b.c().DrawFocusRect(Rect(2, 2, 12, 8));
    EXPECT_EQ(b.at(2, 2), clBlack);   // white inverted
    EXPECT_EQ(b.at(3, 2), clWhite);
    EXPECT_EQ(b.at(4, 2), clBlack);
    EXPECT_EQ(b.at(6, 5), clWhite);   // inside untouched
    b.c().DrawFocusRect(Rect(2, 2, 12, 8));
    EXPECT_EQ(b.Ink(), (TRect{1 << 20, 1 << 20, -1, -1}));
}

TEST(CanvasText, TextOutPlacesTheCellByItsTopLeftCorner)
{
    Board b(80, 40);
    b.c().Font.SetColor(clBlack);
    b.c().Brush.SetStyle(bsClear);
    b.c().TextOut(10, 10, "HH");
    TRect ink = b.Ink();
    int h = b.c().TextHeight("HH");
    int w = b.c().TextWidth("HH");
    ASSERT_GT(h, 5);
    ASSERT_GT(w, 5);
    EXPECT_GE(ink.Top, 10);
    EXPECT_GE(ink.Left, 10);
    EXPECT_LE(ink.Top, 10 + h / 2);    // the capital's top is near the cell's top
    EXPECT_LE(ink.Bottom, 10 + h);
    EXPECT_LE(ink.Right, 10 + w + 1);
    EXPECT_EQ(b.c().PenPos(), Point(10 + w, 10));
}

TEST(CanvasText, OpaqueTextFillsItsCellAndClearTextLeavesTheGround)
{
    Board b(80, 40);
    b.c().Brush.SetColor(clYellow);
    b.c().Font.SetColor(clBlack);
    b.c().TextOut(5, 5, "ab");
    int w = b.c().TextWidth("ab"), h = b.c().TextHeight("ab");
    ExpectPixels(b.bmp, {{5, 5, clYellow}, {5 + w - 1, 5, clYellow}, {5 + w, 5, clWhite}, {5, 5 + h, clWhite}});
    EXPECT_EQ(b.Ink(), Rect(5, 5, 5 + w, 5 + h));

    Board c(80, 40);
    c.c().Brush.SetColor(clBlue);
    c.c().FillRect(Rect(0, 0, 80, 40));
    c.c().Brush.SetStyle(bsClear);
    c.c().Font.SetColor(clWhite);
    c.c().TextOut(5, 5, "ab");
    EXPECT_EQ(c.at(5, 5), clBlue);   // the ground shows between the letters
    EXPECT_NE(c.Ink(clBlue).Right, -1);
}

TEST(CanvasText, TextRectLaysOutWithAFixedMeasurer)
{
    TFixedTextMeasurer fixed(6, 13);
    Board b(100, 60);
    b.c().SetMeasurer(&fixed);
    EXPECT_EQ(b.c().TextWidth("abc"), 18);
    EXPECT_EQ(b.c().TextExtent("abcd"), Point(24, 13));
    TRect r = Rect(0, 0, 50, 0);
    b.c().TextRect(r, "aaa bbb ccc", tfWordBreak | tfCalcRect);
    EXPECT_EQ(r, Rect(0, 0, 42, 26));   // "aaa bbb" / "ccc"
    r = Rect(0, 0, 50, 0);
    b.c().TextRect(r, "aaa bbb ccc", tfSingleLine | tfCalcRect);
    EXPECT_EQ(r, Rect(0, 0, 66, 13));
    r = Rect(0, 0, 0, 0);
    b.c().TextRect(r, "ab\ncdef", tfCalcRect);
    EXPECT_EQ(r, Rect(0, 0, 24, 26));
    b.c().SetMeasurer(nullptr);

    SetTextMeasurer(&fixed);
    TCanvas alone;
    EXPECT_EQ(alone.TextWidth("ab"), 12);
    SetTextMeasurer(nullptr);
    EXPECT_NE(alone.TextWidth("ab"), 0);
}

TEST(CanvasText, TextRectAlignsAndClips)
{
    Board b(100, 40);
    b.c().Brush.SetStyle(bsClear);
    b.c().Font.SetColor(clBlack);
    TRect r = Rect(0, 0, 100, 40);
    b.c().TextRect(r, "I", tfRight | tfBottom | tfSingleLine);
    TRect ink = b.Ink();
    EXPECT_GT(ink.Left, 80);
    EXPECT_GT(ink.Top, 20);

    Board c(100, 40);
    c.c().Brush.SetColor(clYellow);
    c.c().Font.SetColor(clBlack);
    c.c().TextRect(Rect(10, 10, 20, 20), 10, 10, "WWWWWWWW");
    EXPECT_EQ(c.Ink(), Rect(10, 10, 20, 20));   // filled and clipped to the rectangle
}

TEST(CanvasPictures, TransparentBitmapLeavesItsKeyColourOut)
{
    TBitmap check;
    check.LoadFromResourceName("CHECK");
    ASSERT_TRUE(check.Transparent());
    EXPECT_EQ(check.TransparentColor(), clFuchsia);
    Board b;
    b.c().Brush.SetColor(clBlue);
    b.c().FillRect(Rect(0, 0, 20, 20));
    b.c().Draw(2, 2, check);
    EXPECT_EQ(b.at(2, 2), clBlue);       // fuchsia corner left out
    EXPECT_EQ(b.at(3, 3), RGB(51, 51, 51));   // the box's frame
    EXPECT_EQ(b.at(5, 5), clWhite);      // inside the box
}

TEST(CanvasPictures, SrcAndKeepsTheGroundUnderWhite)
{
    TBitmap arrow;
    arrow.LoadFromResourceName("FLECHEBAS");
    Board b;
    b.c().Brush.SetColor(clRed);
    b.c().FillRect(Rect(0, 0, 20, 20));
    b.c().SetCopyMode(cmSrcAnd);
    b.c().Draw(4, 4, arrow);
    b.c().SetCopyMode(cmSrcCopy);
    EXPECT_EQ(b.at(4, 4), clRed);                  // white AND red = red
    EXPECT_EQ(b.at(4 + 3, 4 + 2), RGB(64, 0, 0));   // dark grey AND red
}

TEST(CanvasPictures, StretchDrawAndCopyRect)
{
    TBitmap src(2, 2);
    src.SetPixels(0, 0, clRed);
    src.SetPixels(1, 0, clLime);
    src.SetPixels(0, 1, clBlue);
    src.SetPixels(1, 1, clBlack);
    Board b;
    b.c().StretchDraw(Rect(0, 0, 10, 10), src);
    ExpectPixels(b.bmp, {{0, 0, clRed}, {4, 4, clRed}, {5, 0, clLime}, {9, 9, clBlack}, {10, 10, clWhite}});

    Board c;
    c.c().CopyRect(Rect(10, 10, 12, 12), b.c(), Rect(4, 4, 6, 6));
    EXPECT_EQ(c.at(10, 10), clRed);
    EXPECT_EQ(c.at(11, 11), clBlack);
    c.c().SetCopyMode(cmNotSrcCopy);
    c.c().CopyRect(Rect(0, 0, 1, 1), b.c(), Rect(0, 0, 1, 1));
    EXPECT_EQ(c.at(0, 0), RGB(0, 255, 255));
}

TEST(CanvasPictures, DrawImage32HonoursAlphaAndKeyColour)
{
    const uint32_t px[4] = {0x00FF0000u, 0xFF00FF00u, 0x800000FFu, 0xFFFFFFFFu};   // 2 x 2
    Board b;
    b.c().Brush.SetColor(clBlack);
    b.c().FillRect(Rect(0, 0, 20, 20));
    b.c().DrawImage32(Rect(0, 0, 2, 2), px, 2, 2);
    EXPECT_EQ(b.at(0, 0), clBlack);          // alpha 0
    EXPECT_EQ(b.at(1, 0), clLime);           // opaque
    EXPECT_NEAR(GetBValue(b.at(0, 1)), 128, 2);   // half blue over black
    b.c().DrawImage32(Rect(4, 0, 6, 2), px, 2, 2, 0, false, clWhite);
    EXPECT_EQ(b.at(4, 0), clRed);            // alpha ignored
    EXPECT_EQ(b.at(5, 1), clBlack);          // white keyed out
}
