// GIF codec base: row sizes and bit counts, sub-block strings, the DIB writer
// and reader over bitmaps, the colour map and the header.
#include <gtest/gtest.h>

#include "codecs/GifImage.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Written(const std::function<void(TStream&)>& write)
{
    TMemoryStream m;
    write(m);
    return Bytes(m.Memory(), m.Memory() + m.Size());
}

TMemoryStream StreamOf(const Bytes& b)
{
    TMemoryStream m;
    if (!b.empty()) m.WriteBuffer(b.data(), long(b.size()));
    m.SetPosition(0);
    return m;
}

template <class F>
std::string ErrorOf(F f)
{
    try {
        f();
    } catch (const Exception& e) {
        return e.Message;
    }
    return "";
}

// A picture of given frames' usage for the global map.
struct Owner : TGIFOwner
{
    std::vector<Bytes> frames;
    std::vector<std::string> warnings;
    int changes = 0;
    int maxVersion = 1, bits = 0;
    void Warning(TGIFPersistent*, int, const std::string& m) override { warnings.push_back(m); }
    int MaxVersion() const override { return maxVersion; }
    int BitsPerPixel() const override { return bits; }
    int ColorResolution() const override { return bits - 1; }
    void Changed() override { ++changes; }
    int ImageCount() const override { return int(frames.size()); }
    void GlobalHistogram(std::vector<int64_t>& usage) const override
    {
        for (const Bytes& f : frames)
            for (uint8_t p : f)
                if (p < usage.size()) ++usage[p];
    }
    void MapGlobalImages(const std::vector<uint8_t>& table) override
    {
        for (Bytes& f : frames)
            for (uint8_t& p : f) p = table[p];
    }
};

TEST(GifBase, RowSizesAndBitCounts)
{
    struct { int pixels, bits, expected; } rows[] = {{3, 8, 4}, {1, 24, 4}, {10, 1, 4}, {33, 1, 8}, {65535, 24, 196608}};
    for (auto r : rows) EXPECT_EQ(BytesPerScanline(r.pixels, r.bits, 32), r.expected) << r.pixels << "x" << r.bits;
    EXPECT_EQ(BytesPerScanline(65535, 24, 32) * 65535, int64_t(12884705280));   // no 32-bit wrap
    struct { int colors, bits; } counts[] = {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}, {5, 3}, {8, 3}, {129, 8}, {256, 8}, {257, 9}};
    for (auto c : counts) EXPECT_EQ(Colors2bpp(c.colors), c.bits) << c.colors;
}

TEST(GifBase, StringsAsSubBlocks)
{
    const std::string big(300, 'x');
    Bytes b = Written([&](TStream& s) { WriteStrings(s, {"abc", big}); });
    ASSERT_EQ(b.size(), 1 + 3 + 1 + 255 + 1 + 45 + 1u);
    EXPECT_EQ(b[0], 3);
    EXPECT_EQ(b[4], 255);
    EXPECT_EQ(b[260], 45);
    EXPECT_EQ(b.back(), 0);
    TMemoryStream m = StreamOf(b);
    std::vector<std::string> read;
    ReadStrings(m, read);
    EXPECT_EQ(read, (std::vector<std::string>{"abc", std::string(255, 'x'), std::string(45, 'x')}));
    // A block holding a zero byte ends its string there; a cut block is an error.
    TMemoryStream z = StreamOf({3, 'a', 0, 'b', 0});
    ReadStrings(z, read);
    EXPECT_EQ(read, std::vector<std::string>{"a"});
    TMemoryStream cut = StreamOf({5, 'a', 'b'});
    EXPECT_EQ(ErrorOf([&] { ReadStrings(cut, read); }), GifText::PrematureEnd);
}

TEST(GifBase, DIBWriterAndReader)
{
    TBitmap bmp;
    EXPECT_EQ(ErrorOf([&] { TDIBWriter w(bmp, pf1bit, 4, 4, {}); }), GifText::UnsupportedPixelFormat);
    EXPECT_EQ(ErrorOf([&] { TDIBWriter w(bmp, pf8bit, 0, 4, {}); }), GifText::InvalidDimensions);
    // 65535 x 65535 passes the pixel cap before anything is allocated.
    EXPECT_EQ(ErrorOf([&] { TDIBWriter w(bmp, pf8bit, 65535, 65535, {}); w.Scanline(0); }), GifText::ImageTooLarge);
    {
        TDIBWriter w(bmp, pf8bit, 3, 10, Gray4Palette());
        uint8_t* row0 = w.Scanline(0);
        EXPECT_EQ(w.Scanline(9) + 4 * 9, row0);   // row 0 is the last line of the bottom-up DIB
        EXPECT_EQ(ErrorOf([&] { w.Scanline(10); }), GifText::ScanlineIndex);
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 3; ++x) w.Scanline(y)[x] = uint8_t((x + y) % 4);
    }
    ASSERT_EQ(bmp.Width(), 3);
    ASSERT_EQ(bmp.Height(), 10);
    EXPECT_EQ(bmp.PixelFormat(), pf8bit);
    const TColor greys[] = {RGB(0, 0, 0), RGB(128, 128, 128), RGB(192, 192, 192), RGB(255, 255, 255)};
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(bmp.Pixels(x, y), greys[(x + y) % 4]) << x << "," << y;
    // The reader gives the same rows back, as indexes of the colours met or as 24 bits.
    TDIBReader r8(bmp, pf8bit);
    EXPECT_EQ(r8.Palette().Count(), 4);
    EXPECT_EQ(r8.Palette().Entries[r8.Scanline(2)[1]].peRed, 255);
    TDIBReader r24(bmp, pf24bit);
    EXPECT_EQ(r24.Scanline(1)[0], 128);
    // A writer that never made its DIB leaves the bitmap alone.
    { TDIBWriter w(bmp, pf24bit, 5, 5, {}); }
    EXPECT_EQ(bmp.Width(), 3);
}

TEST(GifBase, ColorMap)
{
    Owner owner;
    TGIFHeader header(&owner);
    TGIFColorMap& map = header.ColorMap;
    for (int i = 0; i < 256; ++i) map.Add({uint8_t(i), 0, 0});
    EXPECT_EQ(ErrorOf([&] { map.Add({1, 2, 3}); }), GifText::ColorTableOverflow);
    EXPECT_EQ(map.Count(), 256);
    EXPECT_EQ(map.Capacity(), 256);

    map.Clear();
    for (int i = 0; i < 3; ++i) map.Add({uint8_t(10 * i), 1, 2});
    EXPECT_EQ(map.Capacity(), 16);
    EXPECT_EQ(Written([&](TStream& s) { map.SaveToStream(s); }),
              (Bytes{0, 1, 2, 10, 1, 2, 20, 1, 2, 0, 0, 0}));   // padded to 4 entries
    EXPECT_EQ(map.Colors(1), RGB(10, 1, 2));
    EXPECT_EQ(map.Colors(7), RGB(0, 1, 2));   // out of range: a warning and entry 0
    EXPECT_EQ(owner.warnings, std::vector<std::string>{GifText::InvalidColorIndex});
    EXPECT_EQ(ErrorOf([&] { map.Delete(3); }), GifText::InvalidColorIndex);

    // The same colour at 2 and 5: the last wins, the first once optimised.
    map.Clear();
    for (int i = 0; i < 6; ++i) map.Add(i == 2 || i == 5 ? TGIFColor{9, 9, 9} : TGIFColor{uint8_t(i), 0, 0});
    EXPECT_EQ(map.IndexOf({9, 9, 9}), 5);
    map.SetOptimized(true);
    EXPECT_EQ(map.IndexOf({9, 9, 9}), 2);
    map.Clear();
    EXPECT_EQ(ErrorOf([&] { map.Colors(0); }), GifText::ColorTableEmpty);
}

TEST(GifBase, OptimizingTheGlobalMapSortsByUseAndRemaps)
{
    Owner owner;
    TGIFHeader header(&owner);
    auto& map = header.ColorMap;
    for (int i = 0; i < 5; ++i) map.Add({uint8_t(i), uint8_t(i), uint8_t(i)});
    EXPECT_FALSE(map.Optimize());   // no frame yet
    owner.frames = {{2, 2, 2, 0, 3, 3, 2, 0, 3}};   // use: 2 x4, 3 x3, 0 x2, 1 and 4 unused
    EXPECT_TRUE(map.Optimize());
    EXPECT_TRUE(map.Optimized());
    ASSERT_EQ(map.Count(), 3);
    EXPECT_EQ(map.Entry(0).Red, 2);
    EXPECT_EQ(map.Entry(1).Red, 3);
    EXPECT_EQ(map.Entry(2).Red, 0);
    EXPECT_EQ(owner.frames[0], (Bytes{0, 0, 0, 2, 1, 1, 0, 2, 1}));
    // Already in order of use: nothing moves, unused entries at the end stay.
    map.Add({50, 50, 50});
    EXPECT_TRUE(map.Optimize());
    EXPECT_EQ(map.Count(), 4);
}

TEST(GifBase, HeaderReadAndWritten)
{
    struct Case { const char* name; Bytes bytes; const char* error; int colors; int version; };
    auto file = [](Bytes prefix, uint8_t flags, uint8_t aspect) {
        Bytes b = prefix;
        Bytes h = {'G', 'I', 'F', '8', '9', 'a', 10, 0, 20, 0, flags, 0, aspect};
        b.insert(b.end(), h.begin(), h.end());
        if (flags & 0x80) b.resize(b.size() + 3 * (2u << (flags & 7)), 7);
        return b;
    };
    const std::vector<Case> cases = {
        {"256 colours", file({}, 0x87, 0), nullptr, 256, 1},
        {"2 colours", file({}, 0x80, 0), nullptr, 2, 1},
        {"no table", file({}, 0x07, 0), nullptr, 0, 1},
        {"aspect ratio 49", file({}, 0x00, 49), nullptr, 0, 2},
        {"4 bytes before the signature", file({1, 2, 3, 4}, 0x81, 0), nullptr, 4, 1},
        {"5 bytes before the signature", file({1, 2, 3, 4, 5}, 0x81, 0), GifText::InvalidSignature, 0, 0},
        {"cut table", Bytes({'G', 'I', 'F', '8', '7', 'a', 1, 0, 1, 0, 0x81, 0, 0, 1, 2}), GifText::PrematureEnd, 0, 0},
    };
    for (const Case& c : cases) {
        Owner owner;
        TGIFHeader h(&owner);
        TMemoryStream m = StreamOf(c.bytes);
        std::string error = ErrorOf([&] { h.LoadFromStream(m); });
        EXPECT_EQ(error, c.error ? c.error : "") << c.name;
        if (c.error) continue;
        EXPECT_EQ(h.ColorMap.Count(), c.colors) << c.name;
        EXPECT_EQ(h.Width, 10);
        EXPECT_EQ(h.GetVersion(), c.version) << c.name;
    }
    // Written: the signature of the picture's version, flags from the picture, the table
    // padded to the depth the flags declare.
    Owner owner;
    owner.bits = 3;
    TGIFHeader h(&owner);
    h.Width = 300;
    h.Height = 2;
    h.ColorMap.Add({1, 2, 3});
    Bytes b = Written([&](TStream& s) { h.SaveToStream(s); });
    Bytes expected = {'G', 'I', 'F', '8', '7', 'a', 44, 1, 2, 0, 0x80 | 0x20 | 0x02, 0, 0, 1, 2, 3};
    expected.resize(13 + 24, 0);
    EXPECT_EQ(b, expected);
    owner.maxVersion = 0;
    EXPECT_EQ(ErrorOf([&] { Written([&](TStream& s) { h.SaveToStream(s); }); }), GifText::UnsupportedVersion);
}

TEST(GifBase, StandardPalettes)
{
    EXPECT_EQ(WebPalette().Count(), 216);
    EXPECT_EQ(WebPalette().Entries[192], (TPaletteEntry{255, 102, 0, 0}));
    EXPECT_EQ(GrayScalePalette().Entries[77], (TPaletteEntry{77, 77, 77, PC_NOCOLLAPSE}));
    EXPECT_EQ(SystemPalette16().Count(), 20);
    TLogPalette half = HalftonePalette();
    ASSERT_EQ(half.Count(), 256);
    EXPECT_EQ(half.Entries[255], (TPaletteEntry{255, 255, 255, 0}));
    EXPECT_EQ(half.Entries[10], (TPaletteEntry{0, 0, 0, 0}));
    // Nearest by squared distance, the lowest index on ties.
    EXPECT_EQ(Gray4Palette().NearestIndex(100, 100, 100), 1);
    EXPECT_EQ(MonochromePalette().NearestIndex(127, 128, 128), 1);
    const TLogPalette twice{{{0, 0, 0, 0}, {10, 10, 10, 0}, {10, 10, 10, 0}}};
    EXPECT_EQ(twice.NearestIndex(9, 9, 9), 1);
}

}  // namespace
