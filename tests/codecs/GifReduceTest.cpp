// Colour reduction: the lookups, the dither kernels (pinned by small golden
// images), the octree quantizer's rules, and every method with every dither kind
// giving a picture of its palette's colours.
#include <gtest/gtest.h>

#include <random>

#include "codecs/GifReduce.h"

namespace {

using Bytes = std::vector<uint8_t>;

TBitmap RandomPicture(int w, int h, unsigned seed, int levels = 256)
{
    TBitmap b;
    b.SetPixelFormat(pf24bit);
    b.SetSize(w, h);
    std::mt19937 rng(seed);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int step = 256 / levels;
            b.SetPixels(x, y, RGB(int(rng() % unsigned(levels)) * step, int(rng() % unsigned(levels)) * step,
                                  int(rng() % unsigned(levels)) * step));
        }
    return b;
}

// 6 x 4 gradient, blue, green, red per pixel.
Bytes Gradient()
{
    Bytes bgr;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) bgr.insert(bgr.end(), {uint8_t(200 - 30 * x), uint8_t(17 + 40 * y), uint8_t(11 * x * y)});
    return bgr;
}

TEST(GifReduce, Lookups)
{
    struct Case { const char* name; int r, g, b, index, outR, outG, outB; };
    TNetscapeColorLookup web;
    TGrayScaleLookup grey;
    TMonochromeLookup mono;
    TSlowColorLookup slow(Gray4Palette());
    const std::vector<std::pair<TColorLookup*, Case>> cases = {
        {&web, {"web orange", 255, 128, 0, 192, 255, 102, 0}},
        {&web, {"web 47 and 48", 47, 48, 98, 0 * 36 + 1 * 6 + 1, 0, 51, 51}},
        {&grey, {"grey", 100, 50, 10, 60, 60, 60, 60}},
        {&mono, {"sum 32512", 127, 127, 127, 0, 0, 0, 0}},
        {&mono, {"sum 32589", 128, 127, 127, 1, 255, 255, 255}},
        {&slow, {"nearest of 4 greys", 170, 170, 170, 2, 192, 192, 192}},
    };
    for (auto& [lookup, c] : cases) {
        int r, g, b;
        EXPECT_EQ(lookup->Lookup(c.r, c.g, c.b, r, g, b), c.index) << c.name;
        EXPECT_EQ(std::vector<int>({r, g, b}), std::vector<int>({c.outR, c.outG, c.outB})) << c.name;
    }
}

TEST(GifReduce, DitherKernelsGolden)
{
    const Bytes bgr = Gradient();
    // Indexes of the 216-colour palette, rows top to bottom, serpentine. Worked out
    // by hand for the first row of Floyd-Steinberg: (r 0, g 17, b 200) -> 3 with
    // errors g 17, b 47; the next pixel gets 7/16 of them: g 24, b 191 -> 3; then
    // g 24 + 10, b 140 + 17 = 157 -> 3.
    const std::vector<Bytes> golden = {
        {3, 3, 2, 2, 1, 1, 9, 9, 8, 8, 7, 43, 9, 9, 8, 44, 43, 79, 15, 15, 50, 86, 85, 121},            // nearest
        {3, 3, 3, 2, 1, 1, 10, 9, 9, 44, 7, 43, 16, 15, 51, 50, 86, 85, 22, 51, 57, 92, 127, 121},      // Floyd-Steinberg
        {3, 3, 2, 2, 1, 1, 10, 9, 9, 8, 7, 43, 16, 15, 51, 50, 86, 85, 16, 57, 51, 92, 127, 121},       // Stucki
        {3, 3, 2, 2, 1, 1, 10, 9, 9, 8, 7, 43, 16, 15, 51, 50, 86, 85, 16, 57, 51, 92, 127, 121},       // Sierra
        {3, 3, 2, 2, 1, 1, 10, 9, 9, 8, 7, 43, 16, 15, 51, 50, 86, 85, 16, 57, 51, 92, 127, 121},       // Jarvis-Judice-Ninke
        {3, 3, 2, 2, 1, 1, 10, 9, 8, 8, 7, 43, 16, 15, 51, 50, 49, 85, 16, 15, 57, 92, 85, 121},        // Stevenson-Arce
        {3, 3, 3, 2, 1, 1, 10, 9, 9, 8, 7, 43, 16, 15, 51, 86, 86, 85, 16, 57, 51, 92, 91, 121},        // Burkes
    };
    for (int kind = dmNearest; kind <= dmBurkes; ++kind) {
        TNetscapeColorLookup web;
        auto engine = CreateDitherEngine(kind, 6, web);
        ASSERT_TRUE(engine);
        EXPECT_EQ(DitherIndexes(bgr.data(), 18, 6, 4, *engine), golden[size_t(kind)]) << "kind " << kind;
    }
    TNetscapeColorLookup web;
    EXPECT_FALSE(CreateDitherEngine(7, 6, web));
}

TEST(GifReduce, FloydSteinbergOnOneColumnKeepsOnlyTheWeightBelow)
{
    const Bytes column(4 * 3, 100);   // grey 100 in each of 4 rows
    TMonochromeLookup mono;
    TFloydSteinbergDitherer fs(1, mono);
    // 100 -> black (error 100, 5/16 below); 131 -> white (error -124); 62 -> black; 119 -> black.
    EXPECT_EQ(DitherIndexes(column.data(), 3, 1, 4, fs), (Bytes{0, 1, 0, 0}));
}

TEST(GifReduce, OctreeQuantizer)
{
    // Three colours into two: the deepest node made last is folded first, and a
    // fold of a single child changes nothing, so folding goes on up the tree.
    TColorQuantizer q(2, 8);
    q.AddColor(255, 0, 0);
    q.AddColor(254, 0, 0);
    EXPECT_EQ(q.LeafCount(), 2);
    const Bytes third = {0, 0, 10};   // blue, green, red
    q.ProcessImage(third.data(), 3, 1, 1);
    EXPECT_LE(q.LeafCount(), 2);
    std::vector<TPaletteEntry> colors = q.GetPaletteColors();
    ASSERT_EQ(colors.size(), size_t(q.LeafCount()));
    EXPECT_EQ(colors[0], (TPaletteEntry{10, 0, 0, 0}));    // child 0 first
    EXPECT_EQ(colors[1], (TPaletteEntry{254, 0, 0, 0}));   // (255 + 254) / 2 truncated

    // A picture of 3 colours quantized to 8 entries keeps them; the other entries are black.
    TBitmap three(3, 1);
    three.SetPixels(0, 0, RGB(10, 20, 30));
    three.SetPixels(1, 0, RGB(200, 100, 0));
    three.SetPixels(2, 0, RGB(0, 0, 255));
    TLogPalette p = CreateOptimizedPaletteFromBitmap(three, 8, 8, false);
    ASSERT_EQ(p.Count(), 8);
    for (int i = 3; i < 8; ++i) EXPECT_EQ(p.Entries[size_t(i)], (TPaletteEntry{0, 0, 0, PC_NOCOLLAPSE}));

    // With the system colours: 256 entries, the 20 system colours at both ends.
    TBitmap pic = RandomPicture(20, 20, 3);
    TLogPalette w = CreateOptimizedPaletteFromBitmap(pic, 256, 8, true);
    TLogPalette sys = SystemPalette16();
    ASSERT_EQ(w.Count(), 256);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(w.Entries[size_t(i)], sys.Entries[size_t(i)]);
        EXPECT_EQ(w.Entries[size_t(246 + i)], sys.Entries[size_t(10 + i)]);
    }
}

TEST(GifReduce, EveryMethodAndKindGivesItsPalettesColours)
{
    TBitmap source = RandomPicture(23, 17, 11);
    const TLogPalette given = Gray4Palette();
    for (int method = rmWindows20; method <= rmPalette; ++method)
        for (int kind = dmNearest; kind <= dmBurkes; ++kind) {
            TBitmap src(source);
            TLogPalette used;
            auto result = ReduceColors(src, method, kind, method == rmQuantize ? 12 : 8, given, &used);
            const std::string what = "method " + std::to_string(method) + " kind " + std::to_string(kind);
            ASSERT_EQ(result->Width(), 23) << what;
            ASSERT_EQ(result->PixelFormat(), pf8bit) << what;
            ASSERT_LE(used.Count(), 256) << what;
            ASSERT_GT(used.Count(), 0) << what;
            int outside = 0;
            for (int y = 0; y < 17; ++y)
                for (int x = 0; x < 23; ++x) {
                    TColor c = result->Pixels(x, y);
                    bool found = false;
                    for (const TPaletteEntry& e : used.Entries) found = found || RGB(e.peRed, e.peGreen, e.peBlue) == c;
                    outside += !found;
                }
            EXPECT_EQ(outside, 0) << what;
        }
    // A picture of few colours quantized loses none of them.
    TBitmap few = RandomPicture(16, 16, 5, 2);
    auto q = ReduceColors(few, rmQuantize, dmNearest, 3, {});
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) EXPECT_EQ(q->Pixels(x, y), few.Pixels(x, y));
    // No reduction: a 24-bit copy. Unknown methods and kinds, or no palette: empty.
    auto copy = ReduceColors(source, rmNone, dmNearest, 8, {});
    EXPECT_EQ(copy->PixelFormat(), pf24bit);
    EXPECT_EQ(copy->Pixels(5, 5), source.Pixels(5, 5));
    EXPECT_TRUE(ReduceColors(source, 10, dmNearest, 8, {})->Empty());
    EXPECT_TRUE(ReduceColors(source, rmNetscape, 7, 8, {})->Empty());
    EXPECT_TRUE(ReduceColors(source, rmPalette, dmNearest, 8, {})->Empty());
}

}  // namespace
