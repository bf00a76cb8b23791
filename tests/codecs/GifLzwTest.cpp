// The LZW decoder and the two encoders: random index images written by each
// encoder decode back identical here, in giflib, in Qt's reader and in gifsicle
// (which re-encodes them for us to read back); hand-made damaged streams give
// their error or warning and keep what could be decoded.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/codecs/GifTestFiles.h"

using namespace giftest;

namespace {

Bytes Decode(const Bytes& data, int w, int h, bool interlaced, std::vector<std::string>* warnings = nullptr,
             uint8_t fill = 0xEE)
{
    Bytes out(size_t(w) * size_t(h), fill);
    TMemoryStream m;
    m.WriteBuffer(data.data(), long(data.size()));
    m.SetPosition(0);
    Decompress(m, out.data(), w, h, interlaced, [&](const std::string& s) {
        if (warnings) warnings->push_back(s);
    });
    return out;
}

uint32_t Rgb(const Bytes& f, size_t at) { return 0xFF000000u | (uint32_t(f[at]) << 16) | (uint32_t(f[at + 1]) << 8) | f[at + 2]; }

// The first frame's image data of a plain GIF file (extensions skipped) and its colours.
Bytes FirstFrameData(const Bytes& f, int& w, int& h, bool& interlaced, std::vector<uint32_t>& colors)
{
    size_t p = 13;
    colors.clear();
    if (f[10] & 0x80) {
        for (size_t i = 0; i < (2u << (f[10] & 7)); ++i) colors.push_back(Rgb(f, p + 3 * i));
        p += 3u * (2u << (f[10] & 7));
    }
    while (f[p] == 0x21) {
        p += 2;
        while (f[p]) p += f[p] + 1u;
        ++p;
    }
    w = f[p + 5] | (f[p + 6] << 8);
    h = f[p + 7] | (f[p + 8] << 8);
    interlaced = f[p + 9] & 0x40;
    if (f[p + 9] & 0x80) {
        colors.clear();
        for (size_t i = 0; i < (2u << (f[p + 9] & 7)); ++i) colors.push_back(Rgb(f, p + 10 + 3 * i));
        p += 3u * (2u << (f[p + 9] & 7));
    }
    return Bytes(f.begin() + long(p) + 10, f.end());
}

// Codes packed least significant bit first into sub-blocks, with the code size byte.
Bytes Pack(int minSize, const std::vector<std::pair<int, int>>& codesAndWidths, bool terminate = true)
{
    Bytes bits;
    uint32_t acc = 0;
    int n = 0;
    for (auto [code, width] : codesAndWidths) {
        acc |= uint32_t(code) << n;
        n += width;
        while (n >= 8) {
            bits.push_back(uint8_t(acc));
            acc >>= 8;
            n -= 8;
        }
    }
    if (n > 0) bits.push_back(uint8_t(acc));
    Bytes out = {uint8_t(minSize)};
    for (size_t at = 0; at < bits.size(); at += 255) {
        size_t len = std::min<size_t>(255, bits.size() - at);
        out.push_back(uint8_t(len));
        out.insert(out.end(), bits.begin() + long(at), bits.begin() + long(at + len));
    }
    if (terminate) out.push_back(0);
    return out;
}

struct RoundTrip
{
    int w, h, bits;
    int runLength;
};

TEST(GifLzw, RandomImagesDecodeIdenticallyInEveryReader)
{
    const std::vector<RoundTrip> cases = {
        {1, 1, 1, 1},   {13, 11, 1, 1},  {2, 2, 2, 1},   {3, 3, 2, 2},   {4, 4, 3, 3},    {9, 1, 4, 1},
        {1, 9, 4, 1},   {64, 48, 4, 9},  {300, 200, 8, 1}, {300, 200, 8, 40}, {257, 3, 8, 1000}, {97, 131, 5, 3},
        {640, 64, 7, 1}, {33, 17, 6, 600},
    };
    unsigned seed = 1;
    for (const RoundTrip& c : cases)
        for (bool interlaced : {false, true})
            for (bool rle : {false, true}) {
                const std::string what = std::to_string(c.w) + "x" + std::to_string(c.h) + " bits " +
                                         std::to_string(c.bits) + (interlaced ? " interlaced" : "") +
                                         (rle ? " rle" : " lzw");
                const Bytes img = RandomIndexes(c.w, c.h, 1 << c.bits, seed++, c.runLength);
                const Bytes data = ImageData(img, c.w, c.h, c.bits, interlaced, rle);
                EXPECT_EQ(Decode(data, c.w, c.h, interlaced), img) << what;

                const Bytes file = WrapGif(data, c.w, c.h, c.bits, interlaced);
                GiflibFile g = GiflibRead(file);
                ASSERT_TRUE(g.ok && g.images.size() == 1) << what;
                EXPECT_EQ(g.images[0].pixels, img) << what << " (giflib)";

                // Qt's reader puts the rows of interlaced pictures of fewer than 5 rows
                // (an empty pass) in the wrong place; giflib and gifsicle check those.
                std::vector<uint32_t> qt = QtPixels(file);
                ASSERT_EQ(qt.size(), img.size()) << what << " (Qt)";
                for (size_t i = 0; i < img.size() && (!interlaced || c.h >= 5); ++i)
                    if (qt[i] != PaletteColor(img[i])) {
                        ADD_FAILURE() << what << " (Qt) pixel " << i;
                        break;
                    }

                std::string messages;
                const Bytes again = GifsicleRewrite(file, !interlaced, &messages);
                ASSERT_FALSE(again.empty()) << what << " (gifsicle): " << messages;
                // gifsicle drops unused colours and renumbers the others: compare colours.
                int w2, h2;
                bool il2;
                std::vector<uint32_t> colors2;
                const Bytes data2 = FirstFrameData(again, w2, h2, il2, colors2);
                ASSERT_EQ(il2, !interlaced) << what;
                const Bytes back = Decode(data2, w2, h2, il2);
                ASSERT_EQ(back.size(), img.size()) << what;
                for (size_t i = 0; i < img.size(); ++i)
                    if (back[i] >= colors2.size() || colors2[back[i]] != PaletteColor(img[i])) {
                        ADD_FAILURE() << what << " (written by gifsicle) pixel " << i;
                        break;
                    }
            }
}

TEST(GifLzw, EncoderEdgeCases)
{
    // A frame without pixels: code size byte, one block holding the end code, terminator.
    EXPECT_EQ(ImageData({}, 0, 5, 2, false, false), (Bytes{2, 1, 0x05, 0}));
    EXPECT_EQ(ImageData({}, 7, 0, 2, false, true), (Bytes{2, 1, 0x05, 0}));
    // One colour in run-length form takes a few long runs.
    const Bytes flat(200 * 150, 3);
    const Bytes rle = ImageData(flat, 200, 150, 2, false, true);
    EXPECT_LT(rle.size(), 1200u);
    EXPECT_EQ(Decode(rle, 200, 150, false), flat);
    EXPECT_EQ(GiflibRead(WrapGif(rle, 200, 150, 2, false)).images.at(0).pixels, flat);
    // An index past the colours handed in cannot be written.
    for (bool useRle : {false, true}) {
        TMemoryStream m;
        std::unique_ptr<TGIFEncoder> e;
        if (useRle) e = std::make_unique<TRLEEncoder>();
        else e = std::make_unique<TLZWEncoder>();
        const Bytes px = {0, 1, 4, 2};
        EXPECT_THROW(
            try { e->Compress(m, 2, 4, px.data(), false, 2, 2); } catch (const GIFException& ex) {
                EXPECT_STREQ(ex.what(), GifText::ColorNotInTable);
                throw;
            },
            GIFException);
    }
}

TEST(GifLzw, HashTableAndSquareRoots)
{
    THashTable t;
    for (int i = 0; i < 3800; ++i) t.Insert(uint32_t(i * 977 % 1048576), 258 + i % 3800);
    for (int i = 0; i < 3800; ++i) EXPECT_EQ(t.Lookup(uint32_t(i * 977 % 1048576)), 258 + i % 3800);
    EXPECT_EQ(t.Lookup(5), -1);
    for (int x : {0, 1, 2, 3, 4, 15, 16, 17, 99, 100, 1 << 20, 123456789})
        EXPECT_EQ(IntegerSquareRoot(x), int(std::sqrt(double(x)))) << x;
    EXPECT_EQ(TriangleCount(1, 10), 1);
    EXPECT_EQ(TriangleCount(3, 10), 2);   // 1 + 2
    EXPECT_EQ(TriangleCount(55 + 4, 10), 13);   // one full triangle of 10, then 1+2+3 (6 > 4)
}

// Codes after a clear, at the widths a decoder reads them: the width grows when
// the next free entry reaches the next power of two, and stays at 12 once full.
std::vector<std::pair<int, int>> RootCodes(int minSize, const Bytes& values, bool endCode)
{
    std::vector<std::pair<int, int>> codes;
    int size = minSize + 1, next = (1 << minSize) + 2;
    codes.push_back({1 << minSize, size});
    for (size_t i = 0; i < values.size(); ++i) {
        codes.push_back({values[i], size});
        if (i > 0 && next < 4096) {
            ++next;
            if (next >= (1 << size) && size < 12) ++size;
        }
    }
    if (endCode) codes.push_back({(1 << minSize) + 1, size});
    return codes;
}

struct Hostile
{
    const char* name;
    Bytes data;
    int w, h;
    const char* error;     // GIFException text, or nullptr
    const char* warning;   // a warning expected, or nullptr
    Bytes expected;        // the pixels (0xEE where nothing was decoded)
};

TEST(GifLzw, DamagedStreamsGiveTheirErrorOrWarning)
{
    Bytes longValues(5000);
    for (size_t i = 0; i < longValues.size(); ++i) longValues[i] = uint8_t(i * 7 % 4);
    Bytes cut = Pack(2, RootCodes(2, {1, 2, 3, 0, 1, 2, 3, 0}, true));
    cut.resize(4);   // the block says more bytes than the 2 that follow
    Bytes codeSizeOnly = {2};

    const std::vector<Hostile> cases = {
        {"minimum code size 0", {0, 1, 0, 0}, 2, 1, GifText::BadCodeSize, nullptr, {}},
        {"minimum code size 12", {12, 1, 0, 0}, 2, 1, GifText::BadCodeSize, nullptr, {}},
        {"code past the next free entry", Pack(2, {{4, 3}, {1, 3}, {7, 3}}), 4, 1, GifText::BadCode, nullptr, {}},
        {"string code first after a clear", Pack(2, {{4, 3}, {6, 3}}), 4, 1, GifText::BadCode, nullptr, {}},
        {"no code size byte", {}, 3, 1, nullptr, nullptr, {0xEE, 0xEE, 0xEE}},
        {"no data after the code size", codeSizeOnly, 3, 1, nullptr, nullptr, {0xEE, 0xEE, 0xEE}},
        {"no clear code first", Pack(2, {{1, 3}, {2, 3}, {3, 3}, {5, 3}}), 3, 1, nullptr, nullptr, {1, 2, 3}},
        {"end code early", Pack(2, {{4, 3}, {1, 3}, {5, 3}}), 3, 1, nullptr, nullptr, {1, 0xEE, 0xEE}},
        {"cut inside a sub-block", cut, 8, 1, nullptr, GifText::PrematureEnd, {1, 2, 3, 0, 0xEE, 0xEE, 0xEE, 0xEE}},
        {"12-bit codes after the table is full", Pack(2, RootCodes(2, longValues, true)), 100, 50, nullptr, nullptr,
         longValues},
        {"no end code", Pack(2, RootCodes(2, {3, 2, 1}, false)), 3, 1, nullptr, GifText::BitBufferUnderrun,
         {3, 2, 1}},
    };
    for (const Hostile& c : cases) {
        std::vector<std::string> warnings;
        if (c.error) {
            try {
                Decode(c.data, c.w, c.h, false, &warnings);
                ADD_FAILURE() << c.name << ": no error";
            } catch (const GIFException& e) {
                EXPECT_STREQ(e.what(), c.error) << c.name;
            }
            continue;
        }
        EXPECT_EQ(Decode(c.data, c.w, c.h, false, &warnings), c.expected) << c.name;
        if (c.warning)
            EXPECT_NE(std::find(warnings.begin(), warnings.end(), c.warning), warnings.end()) << c.name;
        else
            EXPECT_TRUE(warnings.empty()) << c.name << ": " << warnings.front();
    }
    // giflib reads the full-table stream the same way.
    const Bytes full = Pack(2, RootCodes(2, longValues, true));
    EXPECT_EQ(GiflibRead(WrapGif(full, 100, 50, 2, false)).images.at(0).pixels, longValues);
}

TEST(GifLzw, WholeDataLeavesTheStreamAfterItsTerminator)
{
    const Bytes img = RandomIndexes(40, 30, 16, 7);
    for (bool rle : {false, true}) {
        Bytes data = ImageData(img, 40, 30, 4, false, rle);
        // Trailing codes after the end code are skipped with their blocks.
        data.push_back(0x3B);
        TMemoryStream m;
        m.WriteBuffer(data.data(), long(data.size()));
        m.SetPosition(0);
        Bytes out(img.size());
        Decompress(m, out.data(), 40, 30, false, nullptr);
        EXPECT_EQ(out, img);
        EXPECT_EQ(ReadByte(m), 0x3B);
    }
}

}  // namespace
