// PNG codec core: file structure, chunks, errors on damaged files, encoding options.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "codecs/PngImage.h"
#include "tests/codecs/PngTestFiles.h"

using namespace pngtest;

namespace {

Bytes SmallGrey(uint32_t w = 4, uint32_t h = 3)
{
    return WriteFile(RandomImage(w, h, 8, 0, 1));
}

// Replaces chunk number index (0 = IHDR) of a file, or inserts before it.
Bytes WithChunk(const Bytes& f, size_t index, const Bytes& chunk, bool replace)
{
    auto chunks = ListChunks(f);
    size_t at = chunks[index].offset;
    Bytes out(f.begin(), f.begin() + long(at));
    out.insert(out.end(), chunk.begin(), chunk.end());
    size_t from = replace ? at + 12 + chunks[index].data.size() : at;
    out.insert(out.end(), f.begin() + long(from), f.end());
    return out;
}

template <class E> std::string ErrorOf(const Bytes& f)
{
    TPngImage png;
    try {
        Load(png, f);
    } catch (const E& e) {
        EXPECT_TRUE(png.Empty());
        return e.Message;
    } catch (const std::exception& e) {
        return std::string("other exception: ") + e.what();
    }
    return "no exception";
}

}  // namespace

TEST(PngFile, CrcOfTheStandard)
{
    const uint8_t iend[] = {'I', 'E', 'N', 'D'};
    EXPECT_EQ(PngCrc(iend, 4), 0xAE426082u);
}

TEST(PngFile, SignatureAndHeaderErrors)
{
    EXPECT_EQ(ErrorOf<EPNGInvalidFileHeader>(Bytes{137, 80, 78}), PngText::InvalidFileHeader);
    Bytes other = SmallGrey();
    other[1] = 'Q';
    EXPECT_EQ(ErrorOf<EPNGInvalidFileHeader>(other), PngText::InvalidFileHeader);

    Bytes gamaFirst = Signature();
    Bytes g = Chunk("gAMA", {0, 0, 0xB1, 0x8F});
    gamaFirst.insert(gamaFirst.end(), g.begin(), g.end());
    EXPECT_EQ(ErrorOf<EPNGIHDRNotFirst>(gamaFirst),
              "This \"Portable Network Graphics\" image is not supported or it might be invalid.\r\n"
              "(IHDR chunk is not the first)");

    Bytes noEnd = SmallGrey();
    noEnd.resize(noEnd.size() - 12);   // no IEND
    EXPECT_EQ(ErrorOf<EPngUnexpectedEnd>(noEnd), PngText::UnexpectedEnd);

    Bytes noData = Signature();
    for (auto& c : {Ihdr(2, 2, 8, 0), Chunk("IEND", {})}) noData.insert(noData.end(), c.begin(), c.end());
    EXPECT_EQ(ErrorOf<EPNGNoImageData>(noData), PngText::NoImageData);
}

TEST(PngFile, HeaderValuesAreChecked)
{
    auto withHeader = [](uint32_t w, uint32_t h, uint8_t depth, uint8_t type, uint8_t interlace = 0) {
        return WithChunk(SmallGrey(), 0, Ihdr(w, h, depth, type, interlace), true);
    };
    EXPECT_EQ(ErrorOf<EPNGSizeExceeds>(withHeader(65536, 1, 8, 0)), PngText::SizeExceeds);
    // 65535 x 65535 would be 12 GB of pixels: refused before anything is allocated.
    EXPECT_EQ(ErrorOf<EPNGSizeExceeds>(withHeader(65535, 65535, 8, 6)), PngText::SizeExceeds);
    EXPECT_EQ(ErrorOf<EPngInvalidIHDR>(withHeader(0, 5, 8, 0)), PngText::InvalidIHDR);
    EXPECT_EQ(ErrorOf<EPNGUnknownInterlace>(withHeader(4, 3, 8, 0, 2)), PngText::UnknownInterlace);
    for (auto [depth, type] : std::vector<std::pair<int, int>>{{8, 1}, {8, 5}, {8, 7}, {4, 2}, {16, 3}, {3, 0}, {1, 4}, {2, 6}})
        EXPECT_EQ(ErrorOf<EPngInvalidIHDR>(withHeader(4, 3, uint8_t(depth), uint8_t(type))), PngText::InvalidIHDR)
            << "depth " << depth << " type " << type;
    Bytes compression = SmallGrey();
    auto d = ListChunks(compression)[0].data;
    d[10] = 1;
    EXPECT_EQ(ErrorOf<EPNGUnknownCompression>(WithChunk(compression, 0, Chunk("IHDR", d), true)),
              PngText::UnknownCompression);
    d[10] = 0;
    d.resize(12);
    EXPECT_EQ(ErrorOf<EPngInvalidIHDR>(WithChunk(compression, 0, Chunk("IHDR", d), true)), PngText::InvalidIHDR);

    // The widest picture the format allows loads.
    TPngImage png;
    Load(png, WriteFile(RandomImage(65535, 1, 1, 0, 3)));
    EXPECT_EQ(png.Width(), 65535);
}

TEST(PngFile, DamagedChunksRaise)
{
    Bytes f = SmallGrey(16, 16);
    auto chunks = ListChunks(f);
    Bytes badCrc = f;
    badCrc[chunks[1].offset + 8 + 3] ^= 0x40;   // a byte inside the IDAT
    EXPECT_EQ(ErrorOf<EPngInvalidCRC>(badCrc), PngText::InvalidCRC);
    Bytes badIhdrCrc = f;
    badIhdrCrc[8 + 8 + 12 + 3] ^= 1;
    EXPECT_EQ(ErrorOf<EPngInvalidCRC>(badIhdrCrc), PngText::InvalidCRC);

    // A length beyond the file (or beyond 2^31) raises before allocating.
    Bytes huge = WithChunk(f, 1, Bytes{0xFF, 0xFF, 0xFF, 0xF0, 't', 'E', 'X', 't', 1, 2, 3}, false);
    EXPECT_EQ(ErrorOf<EPngUnexpectedEnd>(huge), PngText::UnexpectedEnd);

    // Palettes: not a multiple of 3, more than 256 entries, a second one, tRNS above 256.
    Bytes pal = WriteFile(RandomImage(4, 4, 8, 3, 4), {false, 0, RandomPalette(256, 1), {}, 0});
    EXPECT_EQ(ErrorOf<EPNGInvalidPalette>(WithChunk(pal, 1, Chunk("PLTE", Bytes(10, 1)), true)), PngText::InvalidPalette);
    EXPECT_EQ(ErrorOf<EPNGInvalidPalette>(WithChunk(pal, 1, Chunk("PLTE", Bytes(771, 1)), true)), PngText::InvalidPalette);
    EXPECT_EQ(ErrorOf<EPNGInvalidPalette>(WithChunk(pal, 2, Chunk("PLTE", Bytes(6, 1)), false)), PngText::InvalidPalette);
    EXPECT_EQ(ErrorOf<EPNGInvalidPalette>(WithChunk(pal, 2, Chunk("tRNS", Bytes(257, 1)), false)), PngText::InvalidPalette);
    // A second header.
    EXPECT_EQ(ErrorOf<EPngInvalidIHDR>(WithChunk(f, 1, Ihdr(4, 4, 8, 0), false)), PngText::InvalidIHDR);
    // An unknown critical chunk.
    EXPECT_EQ(ErrorOf<EPNGUnknownCriticalChunk>(WithChunk(f, 1, Chunk("ABCD", {1}), false)),
              PngText::UnknownCriticalChunk);
}

TEST(PngFile, CompressedDataFaults)
{
    RawImage img = RandomImage(40, 30, 8, 2, 5);
    // Data split over IDAT chunks with a text chunk inside the group.
    Bytes split = WriteFile(img, {false, 1, {}, {}, 300});
    TPngImage png;
    Load(png, split);
    auto chunks = ListChunks(split);
    ASSERT_GT(chunks.size(), 5u);
    EXPECT_EQ(ErrorOf<EPNGMissingMultipleIDAT>(WithChunk(split, 3, Chunk("tEXt", {'a', 0, 'b'}), false)),
              PngText::MissingMultipleIDAT);

    // Garbage instead of deflate data, and a stream asking for a preset dictionary.
    Bytes bad = WithChunk(split, 1, Chunk("IDAT", Bytes(50, 0xFF)), true);
    bad = WithChunk(bad, 2, Chunk("tEXt", {'a', 0, 'b'}), false);
    EXPECT_EQ(ErrorOf<EPNGZLIBError>(bad).rfind(PngText::ZlibError, 0), 0u);
    Bytes dict = SmallGrey();
    Bytes z = {0x78, 0xBB, 0, 0, 0, 1, 0x63, 0};   // FDICT set
    EXPECT_NE(ErrorOf<EPNGZLIBError>(WithChunk(dict, 1, Chunk("IDAT", z), true)).find("need dictionary (2)"),
              std::string::npos);

    // Data that ends early is no error: the rest stays zero.
    Bytes shortData = Signature();
    Bytes rows = FilteredData(img, false, 0);
    rows.resize(rows.size() / 2);
    for (auto& c : {Ihdr(40, 30, 8, 2), Chunk("IDAT", Deflate(rows)), Chunk("IEND", {})})
        shortData.insert(shortData.end(), c.begin(), c.end());
    Load(png, shortData);
    EXPECT_EQ(png.GetPixel(39, 29), 0u);
    EXPECT_EQ(png.GetPixel(0, 0), PngRGB(uint8_t(img.samples[0][0]), uint8_t(img.samples[0][1]), uint8_t(img.samples[0][2])));

    // A separate second IDAT group is ignored.
    Bytes twoGroups = WithChunk(SmallGrey(), 2, Chunk("tEXt", {'k', 0, 'v'}), false);
    twoGroups = WithChunk(twoGroups, 3, Chunk("IDAT", {1, 2, 3}), false);
    EXPECT_NO_THROW(Load(png, twoGroups));
}

TEST(PngFile, EveryTruncationRaisesOrLoads)
{
    for (Bytes f : {WriteFile(RandomImage(9, 7, 4, 3, 2), {true, 0, RandomPalette(16, 2), {0, 80}, 40}),
                    WriteFile(RandomImage(9, 7, 16, 6, 2))}) {
        for (size_t n = 0; n < f.size(); ++n) {
            TPngImage png;
            Bytes cut(f.begin(), f.begin() + long(n));
            EXPECT_THROW(Load(png, cut), EPngError) << n;
        }
    }
}

TEST(PngFile, FailedLoadKeepsThePicture)
{
    TPngImage png;
    Load(png, SmallGrey(5, 6));
    Bytes bad = SmallGrey();
    bad.resize(bad.size() - 1);
    EXPECT_THROW(Load(png, bad), EPngUnexpectedEnd);
    EXPECT_EQ(png.Width(), 5);
    EXPECT_EQ(png.Height(), 6);
    EXPECT_NO_THROW(Save(png));
}

TEST(PngFile, AncillaryChunks)
{
    Bytes f = SmallGrey();
    f = WithChunk(f, 1, Chunk("cHRM", Bytes(32, 1)), false);
    f = WithChunk(f, 1, Chunk("zzAb", {9, 8, 7}), false);
    f = WithChunk(f, 1, Chunk("tIME", {7, 212, 5, 6, 7, 8, 9}), false);
    f = WithChunk(f, 1, Chunk("tEXt", {'T', 'i', 't', 'l', 'e', 0, 'C', 'r', 'e', 's', 't'}), false);
    std::string bomb(10 << 20, 'a');
    Bytes zbomb = {'B', 0, 0};
    Bytes packed = Deflate(Bytes(bomb.begin(), bomb.end()), 9);
    zbomb.insert(zbomb.end(), packed.begin(), packed.end());
    f = WithChunk(f, 1, Chunk("zTXt", zbomb), false);
    Bytes ztxt = {'C', 'o', 'm', 0, 0};
    Bytes hello = Deflate({'h', 'e', 'l', 'l', 'o'});
    ztxt.insert(ztxt.end(), hello.begin(), hello.end());
    f = WithChunk(f, 1, Chunk("zTXt", ztxt), false);
    f = WithChunk(f, 1, Chunk("zTXt", {'n', 'o', 'z', 'e', 'r', 'o'}), false);   // no zero byte

    TPngImage png;
    Load(png, f);
    auto* time = png.Chunks().ItemFromClass<TChunktIME>();
    ASSERT_TRUE(time);
    EXPECT_EQ(time->Year, 2004);
    auto* text = png.Chunks().ItemFromClass<TChunktEXt>();   // the first tEXt or zTXt
    ASSERT_TRUE(text);
    std::vector<std::string> texts;
    for (int i = 0; i < png.Chunks().Count(); ++i)
        if (auto* t = dynamic_cast<TChunktEXt*>(png.Chunks().Item(i))) texts.push_back(t->Keyword + "=" + t->Text);
    // The bomb is refused (no text), the good one inflates, the broken one is empty.
    EXPECT_EQ(texts, (std::vector<std::string>{"nozero=", "Com=hello", "B=", "Title=Crest"}));

    Bytes again = Save(png);
    auto chunks = ListChunks(again);
    std::vector<std::string> types;
    for (auto& c : chunks) types.push_back(c.type);
    EXPECT_EQ(std::count(types.begin(), types.end(), "cHRM"), 0);
    for (auto& c : chunks) {
        if (c.type == "zzAb") { EXPECT_EQ(c.data, (Bytes{9, 8, 7})); }
        if (c.type == "tIME") { EXPECT_EQ(c.data, (Bytes{7, 212, 5, 6, 7, 8, 9})); }
    }
    TPngImage back;
    Load(back, again);
    EXPECT_EQ(back.ToArgb32(), png.ToArgb32());
}

TEST(PngFile, SettingsAndChunkPlaces)
{
    TPngImage png;
    png.SetMaxIdatSize(1000);
    EXPECT_EQ(png.MaxIdatSize(), 65535u);
    EXPECT_THROW(png.Chunks().Add<TChunkgAMA>(), EPngError);   // no header yet

    Load(png, SmallGrey());
    try {
        png.Chunks().Add<TChunkPLTE>();
        FAIL();
    } catch (const EPngError& e) {
        EXPECT_EQ(e.Message, PngText::AddExistentChunk);
    }
    auto* t = png.Chunks().Add<TChunktEXt>();
    EXPECT_EQ(t->Index(), png.Chunks().Count() - 2);   // before IEND
    auto* g = png.Chunks().Add<TChunkgAMA>();
    EXPECT_EQ(g->Index(), 1);
    EXPECT_THROW(png.Chunks().Add<TChunkgAMA>(), EPngError);

    // Transparent colour of an RGB picture: 6 bytes before the first IDAT.
    Load(png, WriteFile(RandomImage(3, 3, 8, 2, 7)));
    png.SetTransparentColor(PngRGB(255, 0, 0));
    auto* trns = png.Chunks().ItemFromClass<TChunktRNS>();
    ASSERT_TRUE(trns);
    EXPECT_EQ(trns->Index() + 1, png.Chunks().ItemFromClass<TChunkIDAT>()->Index());
    for (auto& c : ListChunks(Save(png)))
        if (c.type == "tRNS") { EXPECT_EQ(c.data, (Bytes{0, 255, 0, 0, 0, 0})); }
    EXPECT_EQ(png.TransparentColor(), PngRGB(255, 0, 0));
    EXPECT_EQ(png.TransparencyMode(), ptmBit);

    // Palette picture: right after PLTE; a colour no entry holds makes entry 0 transparent.
    Load(png, WriteFile(RandomImage(4, 4, 8, 3, 8, 4), {false, 0, {0x102030, 0x405060, 0x708090, 0xA0B0C0}, {}, 0}));
    png.SetTransparentColor(PngRGB(1, 2, 3));
    trns = png.Chunks().ItemFromClass<TChunktRNS>();
    EXPECT_EQ(trns->Index(), png.Chunks().ItemFromClass<TChunkPLTE>()->Index() + 1);
    EXPECT_EQ(trns->DataSize(), 1u);
    png.SetTransparentColor(PngRGB(0x70, 0x80, 0x90));
    for (auto& c : ListChunks(Save(png)))
        if (c.type == "tRNS") { EXPECT_EQ(c.data, (Bytes{255, 255, 0})); }
    EXPECT_EQ(png.TransparentColor(), PngRGB(0x70, 0x80, 0x90));

    // Pictures with an alpha channel keep it: no error, no chunk.
    Load(png, WriteFile(RandomImage(3, 3, 8, 6, 9)));
    auto before = png.ToArgb32();
    EXPECT_NO_THROW(png.SetTransparentColor(png.GetPixel(0, 0)));
    EXPECT_FALSE(png.Chunks().ItemFromClass<TChunktRNS>());
    EXPECT_EQ(png.ToArgb32(), before);
    EXPECT_EQ(png.TransparencyMode(), ptmPartial);
}

TEST(PngFile, EncoderFiltersAndIdatSize)
{
    RawImage img = RandomImage(300, 200, 8, 2, 11);
    TPngImage png;
    Load(png, WriteFile(img));
    auto filtersOf = [](const Bytes& file, uint32_t rowBytes) {
        Bytes raw = ImageData(file);
        std::set<int> used;
        for (size_t i = 0; i < raw.size(); i += rowBytes + 1) used.insert(raw[i]);
        return used;
    };
    EXPECT_EQ(filtersOf(Save(png), 900), std::set<int>{pfSub});   // the default
    png.Filters = FilterSet(pfPaeth);
    EXPECT_EQ(filtersOf(Save(png), 900), std::set<int>{pfPaeth});
    png.Filters = 0;
    EXPECT_EQ(filtersOf(Save(png), 900), std::set<int>{pfNone});

    // {Up, Paeth} on a row of equal bytes over an all-zero prior row: Up.
    TPngImage flat;
    Load(flat, WriteFile(RawImage{8, 1, 8, 0, {std::vector<uint16_t>(8, 77)}}));
    flat.Filters = FilterSet(pfUp) | FilterSet(pfPaeth);
    EXPECT_EQ(filtersOf(Save(flat), 8), std::set<int>{pfUp});

    // Big compressed data: every IDAT but the last holds MaxIdatSize bytes.
    png.Filters = FilterSet(pfNone);
    png.CompressionLevel = 0;
    Bytes out = Save(png);
    std::vector<size_t> sizes;
    for (auto& c : ListChunks(out))
        if (c.type == "IDAT") sizes.push_back(c.data.size());
    ASSERT_GT(sizes.size(), 2u);
    for (size_t i = 0; i + 1 < sizes.size(); ++i) EXPECT_EQ(sizes[i], 65535u);
    TPngImage back;
    Load(back, out);
    EXPECT_EQ(back.ToArgb32(), png.ToArgb32());
}

TEST(PngFile, DepthsWrittenBack)
{
    // 16-bit RGB: held with 8 bits, written as 16-bit samples with a zero low byte.
    RawImage rgb16 = RandomImage(5, 4, 16, 2, 12);
    TPngImage png;
    Load(png, WriteFile(rgb16));
    png.Filters = 0;
    Bytes out = Save(png);
    EXPECT_EQ(ListChunks(out)[0].data[8], 16);
    Bytes raw = ImageData(out);
    for (uint32_t y = 0; y < 4; ++y)
        for (uint32_t i = 0; i < 15; ++i) {
            EXPECT_EQ(raw[y * 31 + 1 + i * 2], rgb16.samples[y][i] >> 8);
            EXPECT_EQ(raw[y * 31 + 2 + i * 2], 0);
        }

    // 2-bit palette: written with 4 bits, same palette and indexes.
    auto pal = RandomPalette(4, 3);
    RawImage p2 = RandomImage(7, 3, 2, 3, 13, 4);
    Load(png, WriteFile(p2, {false, 0, pal, {}, 0}));
    out = Save(png);
    auto chunks = ListChunks(out);
    EXPECT_EQ(chunks[0].data[8], 4);
    EXPECT_EQ(chunks[1].type, "PLTE");
    EXPECT_EQ(chunks[1].data.size(), 12u);
    TPngImage back;
    Load(back, out);
    EXPECT_EQ(back.ToArgb32(), png.ToArgb32());

    // 2-bit grey with a transparent grey: the sample follows to 4 bits.
    RawImage g2 = RandomImage(6, 5, 2, 0, 14);
    Load(png, WriteFile(g2, {true, 0, {}, {0, 2}, 0}));
    out = Save(png);
    for (auto& c : ListChunks(out))
        if (c.type == "tRNS") { EXPECT_EQ(c.data, (Bytes{0, 10})); }
    Load(back, out);
    EXPECT_EQ(back.ToArgb32(), png.ToArgb32());
}

TEST(PngFile, GammaAndPixels)
{
    Bytes f = WithChunk(SmallGrey(), 1, Chunk("gAMA", {0, 0, 0xB1, 0x8F}), false);   // 45455
    TPngImage png;
    Load(png, f);
    for (int i = 0; i < 256; ++i) EXPECT_NEAR(png.GammaTable[size_t(i)], i, 1);

    Load(png, WriteFile(RandomImage(400, 2, 8, 2, 15)));
    EXPECT_EQ(png.GetPixel(400, 0), 0u);
    EXPECT_EQ(png.GetPixel(-1, 0), 0u);
    png.SetPixel(300, 1, PngRGB(1, 2, 3));
    EXPECT_EQ(png.GetPixel(300, 1), PngRGB(1, 2, 3));

    // Palette pictures take the nearest entry among those of the palette.
    Load(png, WriteFile(RandomImage(4, 4, 1, 3, 16, 2), {false, 0, {0x000000, 0xFFFFFF}, {}, 0}));
    png.SetPixel(1, 1, PngRGB(200, 210, 220));
    EXPECT_EQ(png.GetPixel(1, 1), PngRGB(255, 255, 255));
    png.SetPixel(1, 1, PngRGB(20, 10, 0));
    EXPECT_EQ(png.GetPixel(1, 1), 0u);
}
