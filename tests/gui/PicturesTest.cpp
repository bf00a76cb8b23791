// Bitmaps, BMP and JPEG files, the program's own bitmaps and the picture registry.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/gui/GraphicsQt.h"
#include "platform/gui/Pictures.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Streams.h"
#include "tests/support/gui/PixelProbes.h"

namespace {

std::string TempPath(const std::string& name)
{
    std::string dir = GetTempDir() + "bz_pictures_test/";
    ForceDirectories(dir);
    return dir + name;
}

std::string Head(const std::string& file, size_t n)
{
    TMemoryStream m;
    m.LoadFromFile(file);
    return std::string(reinterpret_cast<const char*>(m.Memory()), std::min<size_t>(n, m.Size()));
}

// A w x h picture whose every pixel differs.
TBitmap Pattern(int w, int h)
{
    TBitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.SetPixels(x, y, RGB(x * 20 % 256, y * 30 % 256, (x + y) * 7 % 256));
    return b;
}

// A picture format of the program as a codec would write it: its own pixels, drawn through DrawImage32.
class TTestPicture : public TGraphic
{
public:
    int w = 0, h = 0;
    std::vector<uint32_t> px;
    int Width() const override { return w; }
    int Height() const override { return h; }
    void LoadFromStream(TStream& s) override
    {
        uint8_t hdr[4];
        s.ReadBuffer(hdr, 4);
        if (hdr[0] != 'T') throw EInvalidGraphic("not a test picture");
        w = hdr[1];
        h = hdr[2];
        px.assign(static_cast<size_t>(w) * h, 0xFF000000u | hdr[3]);
    }
    void SaveToStream(TStream& s) const override
    {
        uint8_t hdr[4] = {'T', static_cast<uint8_t>(w), static_cast<uint8_t>(h), static_cast<uint8_t>(px.empty() ? 0 : px[0] & 0xFF)};
        s.WriteBuffer(hdr, 4);
    }
    void Assign(const TGraphic& src) override
    {
        TBitmap b;
        b.Assign(src);
        w = b.Width();
        h = b.Height();
        px.clear();
        for (int y = 0; y < h; ++y) px.insert(px.end(), b.ScanLine(y), b.ScanLine(y) + w);
    }
    std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TTestPicture>(*this); }
    void Draw(TCanvas& c, const TRect& r) const override { c.DrawImage32(r, px.data(), w, h); }
    std::string ClassName() const override { return "TTestPicture"; }
};

}  // namespace

TEST(Bitmap, SizeKeepsPixelsAndNewAreasAreWhite)
{
    TBitmap b(4, 4);
    EXPECT_EQ(b.Pixels(0, 0), clWhite);
    b.SetPixels(1, 1, clRed);
    b.SetSize(8, 6);
    EXPECT_EQ(b.Width(), 8);
    EXPECT_EQ(b.Height(), 6);
    ExpectPixels(b, {{1, 1, clRed}, {7, 5, clWhite}, {8, 0, clNone}});
    b.SetWidth(0);
    EXPECT_TRUE(b.Empty());
    EXPECT_EQ(b.Height(), 6);
}

TEST(Bitmap, CanvasAndScanLinesSeeTheSamePixels)
{
    TBitmap b(10, 3);
    b.Canvas().Brush.SetColor(clBlue);
    b.Canvas().FillRect(Rect(0, 0, 5, 3));
    uint32_t* row = b.ScanLine(1);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row[0], 0xFF0000FFu);   // 0xAARRGGBB
    EXPECT_EQ(row[9], 0xFFFFFFFFu);
    row[9] = 0xFFFF0000u;
    EXPECT_EQ(b.Pixels(9, 1), clRed);
    b.Canvas().Brush.SetColor(clLime);   // the canvas draws again after the rows were written
    b.Canvas().FillRect(Rect(0, 0, 1, 1));
    EXPECT_EQ(b.Pixels(0, 0), clLime);
    EXPECT_EQ(b.Pixels(9, 1), clRed);
    EXPECT_EQ(b.ScanLine(3), nullptr);
}

TEST(Bitmap, TransparentColourAutoAndFixed)
{
    TBitmap b(3, 3);
    b.SetPixels(0, 2, clAqua);
    EXPECT_EQ(b.TransparentMode(), tmAuto);
    EXPECT_EQ(b.TransparentColor(), clAqua);
    b.SetTransparentColor(clRed);
    EXPECT_EQ(b.TransparentMode(), tmFixed);
    EXPECT_EQ(b.TransparentColor(), clRed);
}

TEST(Bitmap, BmpRoundTripKeepsEveryPixel)
{
    TBitmap b = Pattern(7, 5);   // 7 * 3 bytes: rows need padding
    TMemoryStream m;
    b.SaveToStream(m);
    EXPECT_EQ(m.Size(), 54 + 24 * 5);
    m.SetPosition(0);
    TBitmap c;
    c.LoadFromStream(m);
    ASSERT_EQ(c.Width(), 7);
    ASSERT_EQ(c.Height(), 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) EXPECT_EQ(c.Pixels(x, y), b.Pixels(x, y)) << x << "," << y;
    EXPECT_FALSE(c.HasAlpha());
}

TEST(Bitmap, BmpOf32BitsKeepsAlpha)
{
    TBitmap b(2, 1);
    b.SetPixelFormat(pf32bit);
    b.ScanLine(0)[0] = 0x80112233u;
    b.ScanLine(0)[1] = 0x00445566u;
    TMemoryStream m;
    b.SaveToStream(m);
    m.SetPosition(0);
    TBitmap c;
    c.LoadFromStream(m);
    EXPECT_EQ(c.PixelFormat(), pf32bit);
    EXPECT_EQ(c.ScanLine(0)[0], 0x80112233u);
    EXPECT_EQ(c.ScanLine(0)[1], 0x00445566u);
}

TEST(Bitmap, BmpInsideALargerStreamReadsOnlyItself)
{
    TBitmap b = Pattern(3, 2);
    TMemoryStream m;
    m.WriteString("xx");
    b.SaveToStream(m);
    m.WriteString("after");
    m.SetPosition(2);
    TBitmap c;
    c.LoadFromStream(m);
    EXPECT_EQ(c.Pixels(2, 1), b.Pixels(2, 1));
    char tail[5];
    m.ReadBuffer(tail, 5);
    EXPECT_EQ(std::string(tail, 5), "after");
}

TEST(Bitmap, BadBmpRaisesAndLeavesThePicture)
{
    TBitmap b(2, 2);
    TStringStream junk("BM this is not a bitmap at all, not at all, not at all, not at all");
    EXPECT_THROW(b.LoadFromStream(junk), EInvalidGraphic);
    TStringStream png("\x89PNG....");
    EXPECT_THROW(b.LoadFromStream(png), EInvalidGraphic);
    EXPECT_EQ(b.Width(), 2);
}

TEST(Bitmap, ProgramBitmapsByName)
{
    for (const char* name : {"CHECK", "UNCHECK", "CHECKGREY", "UNCHECKGREY"}) {
        TBitmap b;
        b.LoadFromResourceName(name);
        EXPECT_EQ(b.Width(), 16) << name;
        EXPECT_EQ(b.Height(), 16) << name;
        EXPECT_TRUE(b.Transparent()) << name;
        EXPECT_EQ(b.TransparentColor(), clFuchsia) << name;
    }
    TBitmap check, uncheck, grey;
    check.LoadFromResourceName("CHECK");
    uncheck.LoadFromResourceName("UNCHECK");
    grey.LoadFromResourceName("CHECKGREY");
    EXPECT_EQ(check.Pixels(6, 8), clBlack);   // the tick
    EXPECT_EQ(uncheck.Pixels(6, 8), clWhite);
    EXPECT_NE(grey.Pixels(1, 1), check.Pixels(1, 1));
    TBitmap up, down;
    up.LoadFromResourceName("FLECHEHAUT");
    down.LoadFromResourceName("flechebas");
    EXPECT_EQ(up.Width(), 8);
    EXPECT_EQ(up.Pixels(3, 2), RGB(64, 64, 64));   // tip on top
    EXPECT_EQ(down.Pixels(3, 5), RGB(64, 64, 64));   // tip below
    EXPECT_EQ(up.Pixels(0, 2), clWhite);
    TBitmap none;
    EXPECT_THROW(none.LoadFromResourceName("NOTHING"), EResNotFound);

    // A sheet of them, to look at.
    TBitmap sheet(6 * 20, 20);
    int x = 2;
    for (const char* name : {"CHECK", "UNCHECK", "CHECKGREY", "UNCHECKGREY", "FLECHEHAUT", "FLECHEBAS"}) {
        TBitmap b;
        b.LoadFromResourceName(name);
        sheet.Canvas().Draw(x, 2, b);
        x += 20;
    }
    EXPECT_TRUE(BitmapImage(sheet).scaled(sheet.Width() * 4, sheet.Height() * 4).save(QString::fromStdString(TempPath("program_bitmaps.png"))));
}

TEST(Jpeg, EncodeDecodeRoundTrip)
{
    TBitmap b(32, 24);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 32; ++x) b.SetPixels(x, y, RGB(x * 8, y * 10, 128));
    TJPEGImage j;
    j.Assign(b);
    j.SetCompressionQuality(95);
    TMemoryStream m;
    j.SaveToStream(m);
    ASSERT_GT(m.Size(), 100);
    EXPECT_EQ(m.Memory()[0], 0xFF);
    EXPECT_EQ(m.Memory()[1], 0xD8);
    m.SetPosition(0);
    TJPEGImage k;
    k.LoadFromStream(m);
    ASSERT_EQ(k.Width(), 32);
    ASSERT_EQ(k.Height(), 24);
    for (int y = 0; y < 24; y += 5)
        for (int x = 0; x < 32; x += 5) {
            TColor a = b.Pixels(x, y), c = k.Bitmap().Pixels(x, y);
            EXPECT_NEAR(GetRValue(a), GetRValue(c), 12);
            EXPECT_NEAR(GetGValue(a), GetGValue(c), 12);
            EXPECT_NEAR(GetBValue(a), GetBValue(c), 12);
        }
    // Saving a loaded picture writes its bytes unchanged.
    TMemoryStream again;
    k.SaveToStream(again);
    EXPECT_EQ(again.Bytes(), m.Bytes());

    TJPEGImage low;
    low.Assign(b);
    low.SetCompressionQuality(10);
    TMemoryStream small;
    low.SaveToStream(small);
    EXPECT_LT(small.Size(), m.Size());
}

TEST(Jpeg, BadDataRaisesAndKeepsThePicture)
{
    TJPEGImage j;
    j.Assign(Pattern(4, 4));
    TStringStream junk("\xFF\xD8\xFF\xE0 truncated");
    EXPECT_THROW(j.LoadFromStream(junk), EInvalidGraphic);
    TStringStream other("GIF89a");
    EXPECT_THROW(j.LoadFromStream(other), EInvalidGraphic);
    EXPECT_EQ(j.Width(), 4);
}

TEST(Jpeg, DrawsOnACanvasAndGivesItsPixelsToABitmap)
{
    TJPEGImage j;
    TBitmap red(4, 4);
    red.Canvas().Brush.SetColor(clRed);
    red.Canvas().FillRect(Rect(0, 0, 4, 4));
    j.Assign(red);
    TMemoryStream m;
    j.SaveToStream(m);
    m.SetPosition(0);
    TJPEGImage k;
    k.LoadFromStream(m);
    TBitmap target(10, 10);
    target.Canvas().Draw(3, 3, k);
    EXPECT_NEAR(GetRValue(target.Pixels(4, 4)), 255, 8);
    EXPECT_EQ(target.Pixels(8, 8), clWhite);
    TBitmap copy;
    copy.Assign(k);
    EXPECT_EQ(copy.Width(), 4);
    EXPECT_NEAR(GetRValue(copy.Pixels(1, 1)), 255, 8);
}

TEST(PictureRegistry, ClassByExtension)
{
    auto g = TPicture::CreateGraphicForFile("photo.JPG");
    ASSERT_TRUE(g);
    EXPECT_EQ(g->ClassName(), "TJPEGImage");
    EXPECT_EQ(TPicture::CreateGraphicForFile("a/b/fond.bmp")->ClassName(), "TBitmap");
    EXPECT_EQ(TPicture::CreateGraphicForFile(".jpeg")->ClassName(), "TJPEGImage");
    EXPECT_TRUE(TPicture::CreateGraphicForFile("crest.png"));
    EXPECT_FALSE(TPicture::CreateGraphicForFile("anim.gif"));
    EXPECT_FALSE(TPicture::CreateGraphicForFile("noextension"));
    std::string filter = TPicture::GraphicFilter();
    EXPECT_NE(filter.find("*.bmp;*.jpg;*.jpeg;*.png|"), std::string::npos) << filter;

    TPicture p;
    try {
        p.LoadFromFile(TempPath("x.xyz"));
        FAIL();
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message, "Extension de fichier image inconnue (.xyz)");
    }
    EXPECT_FALSE(p.Graphic());
}

TEST(PictureRegistry, AFormatOfTheProgramPlugsInAndReplacesTheStandIn)
{
    TPicture::RegisterFileFormat("TST", "Test", [] { return std::make_unique<TTestPicture>(); });
    EXPECT_TRUE(TPicture::IsFileFormatRegistered(".tst"));
    std::string file = TempPath("one.tst");
    {
        TStringStream s;
        TFileStream f(file, fmCreate);
        const char data[4] = {'T', 3, 2, 0x40};
        f.WriteBuffer(data, 4);
    }
    TPicture p;
    p.LoadFromFile(file);
    ASSERT_TRUE(p.Graphic());
    EXPECT_EQ(p.Graphic()->ClassName(), "TTestPicture");
    EXPECT_EQ(p.Width(), 3);
    // It draws through DrawImage32 and converts to a bitmap.
    TBitmap b;
    b.Assign(*p.Graphic());
    EXPECT_EQ(b.Pixels(2, 1), RGB(0, 0, 0x40));   // 0xFF000040 is blue 0x40
    // Saving as BMP converts; the BMP reads back as a bitmap.
    p.SaveToFile(TempPath("one.bmp"));
    TPicture q;
    q.LoadFromFile(TempPath("one.bmp"));
    EXPECT_EQ(q.Graphic()->ClassName(), "TBitmap");
    EXPECT_EQ(q.Bitmap().Pixels(0, 0), RGB(0, 0, 0x40));
    // A bad file raises and keeps the picture.
    {
        TFileStream f(file, fmCreate);
        f.WriteString("Xbad");
    }
    EXPECT_THROW(p.LoadFromFile(file), EInvalidGraphic);
    EXPECT_EQ(p.Graphic()->ClassName(), "TTestPicture");
    TPicture::UnregisterFileFormat("tst");
    EXPECT_FALSE(TPicture::IsFileFormatRegistered("tst"));

    // Registering png again replaces the stand-in.
    std::shared_ptr<TGraphic> standIn = TPicture::CreateGraphicForFile("x.png");
    TPicture::RegisterFileFormat("png", "PNG", [] { return std::make_unique<TTestPicture>(); });
    EXPECT_EQ(TPicture::CreateGraphicForFile("x.png")->ClassName(), "TTestPicture");
    TPicture::RegisterFileFormat("png", "Image PNG", [standIn] { return standIn->Clone(); });
}

TEST(PictureRegistry, SaveChoosesTheFormatByExtension)
{
    TPicture p;
    p.Bitmap().Assign(Pattern(6, 4));
    p.SaveToFile(TempPath("p.jpg"));
    EXPECT_EQ(Head(TempPath("p.jpg"), 2), "\xFF\xD8");
    p.SaveToFile(TempPath("p.bmp"));
    EXPECT_EQ(Head(TempPath("p.bmp"), 2), "BM");
    p.SaveToFile(TempPath("p.png"));
    EXPECT_EQ(Head(TempPath("p.png"), 4), "\x89PNG");

    TPicture j;
    j.LoadFromFile(TempPath("p.jpg"));
    EXPECT_EQ(j.Graphic()->ClassName(), "TJPEGImage");
    EXPECT_EQ(j.Width(), 6);
    TPicture png;
    png.LoadFromFile(TempPath("p.png"));
    EXPECT_EQ(png.Width(), 6);
    EXPECT_EQ(png.Bitmap().Pixels(5, 3), Pattern(6, 4).Pixels(5, 3));   // lossless
    int changes = 0;
    png.OnChange = [&](TPicture&) { ++changes; };
    png.Assign(j);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(png.Graphic()->ClassName(), "TJPEGImage");
    EXPECT_NE(png.Graphic(), j.Graphic());   // a copy
}

TEST(PictureRegistry, FailedSaveLeavesTheOldFileWhole)
{
    TPicture p;
    p.Bitmap().Assign(Pattern(3, 3));
    std::string file = TempPath("keep.bmp");
    p.SaveToFile(file);
    int64_t size = FileSize(file);
    EXPECT_THROW(p.SaveToFile(TempPath("no/such/folder/x.bmp")), EStreamError);
    EXPECT_EQ(FileSize(file), size);
}
