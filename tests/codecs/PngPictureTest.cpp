// TPngPicture on the picture framework: registry, drawing with transparency,
// conversions from and to bitmaps, files.
#include <gtest/gtest.h>

#include <QImage>

#include <cstdio>
#include <unistd.h>

#include "codecs/PngPicture.h"
#include "tests/codecs/PngTestFiles.h"

using namespace pngtest;

namespace {

std::string TempName(const std::string& name)
{
    return ::testing::TempDir() + std::to_string(::getpid()) + "_" + name;
}

void WriteBytes(const std::string& name, const Bytes& f)
{
    FILE* out = std::fopen(name.c_str(), "wb");
    std::fwrite(f.data(), 1, f.size(), out);
    std::fclose(out);
}

// A 4 x 2 palette picture: entries red, green, blue, white; entry 3 transparent or half.
Bytes PalettePicture(Bytes trns)
{
    RawImage img{4, 2, 8, 3, {{0, 1, 2, 3}, {3, 2, 1, 0}}};
    return WriteFile(img, {false, 0, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF}, trns, 0});
}

TColor Opaque(const TBitmap& b, int x, int y) { return b.Pixels(x, y) & 0xFFFFFF; }

}  // namespace

TEST(PngPicture, RegisteredForPng)
{
    RegisterPngFormat();
    const std::string name = TempName("crest.png");
    WriteBytes(name, PalettePicture({}));
    TPicture picture;
    picture.LoadFromFile(name);
    ASSERT_TRUE(dynamic_cast<TPngPicture*>(picture.Graphic()));
    EXPECT_EQ(picture.Width(), 4);
    EXPECT_EQ(picture.Graphic()->ClassName(), "TPngPicture");

    // A damaged file raises the codec's error and the picture keeps what it had.
    Bytes bad = PalettePicture({});
    bad[40] ^= 0xFF;
    WriteBytes(name, bad);
    EXPECT_THROW(picture.LoadFromFile(name), Exception);
    EXPECT_EQ(picture.Width(), 4);
    std::remove(name.c_str());
}

TEST(PngPicture, DrawsWithAlphaTransparentColourAndStretch)
{
    // Palette with one transparent entry: stretched to twice the size, entry 3 shows the ground.
    TPngPicture png;
    TMemoryStream m;
    Bytes f = PalettePicture({255, 255, 255, 0});
    m.Write(f.data(), long(f.size()));
    m.SetPosition(0);
    png.LoadFromStream(m);
    EXPECT_TRUE(png.Transparent());
    EXPECT_EQ(png.TransparentColor(), clWhite);
    TBitmap ground(8, 4);
    ground.Canvas().Brush.SetColor(clYellow);
    ground.Canvas().FillRect(Rect(0, 0, 8, 4));
    ground.Canvas().StretchDraw(Rect(0, 0, 8, 4), png);
    EXPECT_EQ(Opaque(ground, 0, 0), clRed);
    EXPECT_EQ(Opaque(ground, 1, 1), clRed);
    EXPECT_EQ(Opaque(ground, 2, 0), clLime);
    EXPECT_EQ(Opaque(ground, 6, 0), clYellow);   // the transparent entry, scaled
    EXPECT_EQ(Opaque(ground, 7, 1), clYellow);
    EXPECT_EQ(Opaque(ground, 0, 2), clYellow);

    // Half alpha blends with the ground.
    Bytes half = PalettePicture({255, 255, 255, 128});
    m.Clear();
    m.Write(half.data(), long(half.size()));
    m.SetPosition(0);
    png.LoadFromStream(m);
    ground.Canvas().Brush.SetColor(clBlack);
    ground.Canvas().FillRect(Rect(0, 0, 8, 4));
    ground.Canvas().Draw(0, 0, png);
    TColor c = Opaque(ground, 3, 0);
    EXPECT_NEAR(GetRValue(c), 128, 2);
    EXPECT_NEAR(GetBValue(c), 128, 2);

    // RGB crest with the colour of pixel (0, 0) made transparent, as the grids do.
    TBitmap source(3, 1);
    source.SetPixels(0, 0, RGB(0xFF, 0xFF, 0x99));
    source.SetPixels(1, 0, clNavy);
    source.SetPixels(2, 0, RGB(0xFF, 0xFF, 0x99));
    png.Assign(source);
    png.SetTransparentColor(png.Pixels(0, 0));
    ground.Canvas().Brush.SetColor(clGreen);
    ground.Canvas().FillRect(Rect(0, 0, 8, 4));
    ground.Canvas().Draw(0, 0, png);
    EXPECT_EQ(Opaque(ground, 0, 0), clGreen);
    EXPECT_EQ(Opaque(ground, 1, 0), clNavy);
    EXPECT_EQ(Opaque(ground, 2, 0), clGreen);
}

TEST(PngPicture, AlphaPicturesIgnoreATransparentColour)
{
    RawImage img{2, 1, 8, 6, {{10, 20, 30, 255, 40, 50, 60, 0}}};
    Bytes f = WriteFile(img);
    TPngPicture png;
    TMemoryStream m;
    m.Write(f.data(), long(f.size()));
    m.SetPosition(0);
    png.LoadFromStream(m);
    EXPECT_NO_THROW(png.SetTransparentColor(png.Pixels(0, 0)));
    EXPECT_NO_THROW(png.SetTransparentColor(clWhite));
    TBitmap ground(2, 1);
    ground.Canvas().Brush.SetColor(clWhite);
    ground.Canvas().FillRect(Rect(0, 0, 2, 1));
    ground.Canvas().Draw(0, 0, png);
    EXPECT_EQ(Opaque(ground, 0, 0), RGB(10, 20, 30));
    EXPECT_EQ(Opaque(ground, 1, 0), clWhite);
}

TEST(PngPicture, ChartFromBitmapSavedAndReadByQt)
{
    TBitmap chart(60, 40);
    chart.SetPixelFormat(pf32bit);
    chart.Canvas().Brush.SetColor(clWhite);
    chart.Canvas().FillRect(Rect(0, 0, 60, 40));
    chart.Canvas().Brush.SetColor(clBlue);
    chart.Canvas().FillRect(Rect(10, 5, 30, 35));
    chart.Canvas().Pen.SetColor(clRed);
    chart.Canvas().MoveTo(0, 39);
    chart.Canvas().LineTo(59, 0);

    TPngPicture png;
    png.Assign(chart);
    EXPECT_EQ(png.Header().ColorType(), COLOR_RGB);
    EXPECT_EQ(png.Header().BitDepth(), 8);
    const std::string name = TempName("comparaison.png");
    png.SaveToFile(name);
    QImage qt(QString::fromStdString(name), "PNG");
    ASSERT_FALSE(qt.isNull());
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x)
            ASSERT_EQ(QRgb(qt.pixel(x, y)) & 0xFFFFFF, chart.ScanLine(y)[x] & 0xFFFFFF) << x << "," << y;

    // Back into a bitmap through the registry.
    TPicture picture;
    RegisterPngFormat();
    picture.LoadFromFile(name);
    TBitmap back;
    back.Assign(*picture.Graphic());
    EXPECT_EQ(Opaque(back, 20, 20), clBlue);
    EXPECT_EQ(Opaque(back, 1, 1), clWhite);
    std::remove(name.c_str());

    // A two-colour bitmap becomes a 1-bit palette picture; AssignTo gives the format back.
    TBitmap mono(9, 3);
    mono.SetPixelFormat(pf1bit);
    mono.Canvas().Brush.SetColor(clBlack);
    mono.Canvas().FillRect(Rect(0, 0, 4, 3));
    png.Assign(mono);
    EXPECT_EQ(png.Header().ColorType(), COLOR_PALETTE);
    EXPECT_EQ(png.Header().BitDepth(), 1);
    TBitmap out;
    png.AssignTo(out);
    EXPECT_EQ(out.PixelFormat(), pf1bit);
    EXPECT_EQ(Opaque(out, 0, 0), clBlack);
    EXPECT_EQ(Opaque(out, 8, 2), clWhite);
}

TEST(PngPicture, CopiesAndRefusals)
{
    TBitmap b(5, 5);
    TPngPicture png;
    png.Assign(b);
    png.SetTransparentColor(clWhite);
    auto copy = png.Clone();
    auto* p = dynamic_cast<TPngPicture*>(copy.get());
    ASSERT_TRUE(p);
    EXPECT_EQ(p->Width(), 5);
    EXPECT_TRUE(p->Transparent());
    EXPECT_EQ(p->TransparentColor(), clWhite);
    try {
        png.SetWidth(10);
        FAIL();
    } catch (const EPngError& e) {
        EXPECT_EQ(e.Message, PngText::CannotResize);
    }
    TPngPicture empty;
    EXPECT_TRUE(empty.Empty());
    EXPECT_EQ(empty.Width(), 0);
    EXPECT_EQ(empty.Pixels(0, 0), 0u);
    EXPECT_NO_THROW(empty.SetTransparentColor(clWhite));
}
