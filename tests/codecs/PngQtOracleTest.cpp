// The codec against Qt's own PNG reader and writer, an independent implementation:
// every colour type and depth, interlaced or not, with and without palette and
// transparency, decodes to the pixels QImage gives; what the codec writes reads
// back the same here, in Qt and in pngcheck.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

#include "codecs/PngImage.h"
#include "tests/codecs/PngTestFiles.h"

using namespace pngtest;

namespace {

std::vector<uint32_t> QtPixels(const Bytes& f)
{
    QImage img = QImage::fromData(f.data(), int(f.size()), "PNG");
    if (img.isNull()) return {};
    img = img.convertToFormat(QImage::Format_ARGB32);
    std::vector<uint32_t> out;
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<const uint32_t*>(img.constScanLine(y));
        out.insert(out.end(), line, line + img.width());
    }
    return out;
}

// Fully transparent pixels compare by alpha only (their colour does not show).
void ExpectSamePixels(const std::vector<uint32_t>& ours, const std::vector<uint32_t>& qt, int tolerance,
                      const std::string& what)
{
    ASSERT_EQ(ours.size(), qt.size()) << what;
    int bad = 0;
    for (size_t i = 0; i < ours.size() && bad < 5; ++i) {
        uint32_t a = ours[i], b = qt[i];
        if ((a >> 24) == 0 && (b >> 24) == 0) continue;
        for (int sh = 0; sh < 32; sh += 8) {
            int d = std::abs(int((a >> sh) & 0xFF) - int((b >> sh) & 0xFF));
            if (d > tolerance) {
                ADD_FAILURE() << what << ": pixel " << i << " ours " << std::hex << a << " qt " << b;
                ++bad;
                break;
            }
        }
    }
}

bool PngcheckAccepts(const Bytes& f)
{
    const std::string name = ::testing::TempDir() + "pngcheck_" + std::to_string(::getpid()) + ".png";
    FILE* out = std::fopen(name.c_str(), "wb");
    std::fwrite(f.data(), 1, f.size(), out);
    std::fclose(out);
    const std::string cmd = "pngcheck -q '" + name + "' > /dev/null 2>&1";
    int rc = std::system(cmd.c_str());
    std::remove(name.c_str());
    return rc == 0;
}


struct Case
{
    uint8_t type, depth;
    bool interlace;
    int trns;   // 0 none; 1 a transparent colour or one alpha 0; 2 several palette alpha values
    uint32_t w, h;
};

std::string Describe(const Case& c)
{
    return "type " + std::to_string(c.type) + " depth " + std::to_string(c.depth) + (c.interlace ? " adam7" : "") +
           " trns " + std::to_string(c.trns) + " " + std::to_string(c.w) + "x" + std::to_string(c.h);
}

Bytes Build(const Case& c, unsigned seed)
{
    const int palSize = c.type == 3 ? (1 << c.depth) : 0;
    RawImage img = RandomImage(c.w, c.h, c.depth, c.type, seed, palSize ? palSize : 256);
    FileOptions o;
    o.interlace = c.interlace;
    o.firstFilter = int(seed % 5);
    if (c.type == 3) o.palette = RandomPalette(palSize, seed);
    if (c.trns) {
        const auto& px = img.samples[c.h / 2];
        if (c.type == 0) o.trns = {uint8_t(px[0] >> 8), uint8_t(px[0])};
        if (c.type == 2)
            for (int i = 0; i < 3; ++i) {
                o.trns.push_back(uint8_t(px[size_t(i)] >> 8));
                o.trns.push_back(uint8_t(px[size_t(i)]));
            }
        if (c.type == 3) {
            o.trns.assign(size_t(palSize), 255);
            o.trns[px[0]] = 0;
            if (c.trns == 2)
                for (size_t i = 0; i < o.trns.size(); i += 2) o.trns[i] = uint8_t(i * 37);
            o.trns.resize(std::max<size_t>(1, o.trns.size() - 1));   // shorter than the palette
        }
    }
    return WriteFile(img, o);
}

std::vector<Case> AllCases()
{
    std::vector<Case> cases;
    const std::vector<std::pair<uint8_t, std::vector<uint8_t>>> table = {
        {0, {1, 2, 4, 8, 16}}, {2, {8, 16}}, {3, {1, 2, 4, 8}}, {4, {8, 16}}, {6, {8, 16}}};
    const std::vector<std::pair<uint32_t, uint32_t>> sizes = {{13, 11}, {1, 1}, {1, 9}, {9, 1}, {33, 17}};
    for (auto& [type, depths] : table)
        for (uint8_t depth : depths)
            for (bool interlace : {false, true})
                for (int trns : {0, 1, 2}) {
                    if (trns == 2 && type != 3) continue;
                    if (trns && (type == 4 || type == 6)) continue;
                    for (auto [w, h] : sizes) cases.push_back({type, depth, interlace, trns, w, h});
                }
    return cases;
}

}  // namespace

TEST(PngQtOracle, EveryKindDecodesAsQtDoes)
{
    unsigned seed = 100;
    for (const Case& c : AllCases()) {
        Bytes f = Build(c, seed);
        TPngImage png;
        ASSERT_NO_THROW(Load(png, f)) << Describe(c);
        if (c.type == 2 && c.depth == 16 && c.trns) {
            // Qt misreads 16-bit RGB with a transparent colour (channels shifted):
            // compare with the same picture at 8 bits (its samples are v * 257).
            Case c8 = c;
            c8.depth = 8;
            ExpectSamePixels(png.ToArgb32(), QtPixels(Build(c8, seed)), 0, Describe(c));
        } else {
            ExpectSamePixels(png.ToArgb32(), QtPixels(f), 0, Describe(c));
        }
        ++seed;
        EXPECT_EQ(png.TransparencyMode() != ptmNone, c.trns != 0 || c.type == 4 || c.type == 6) << Describe(c);
    }
}

TEST(PngQtOracle, SplitDataAndEveryFilter)
{
    RawImage img = RandomImage(70, 50, 8, 6, 77);
    for (int filter = 0; filter < 5; ++filter) {
        FileOptions o;
        o.firstFilter = filter;
        o.idatSplit = 97;
        Bytes f = WriteFile(img, o);
        TPngImage png;
        Load(png, f);
        ExpectSamePixels(png.ToArgb32(), QtPixels(f), 0, "filter " + std::to_string(filter));
    }
}

TEST(PngQtOracle, FilesWrittenByQt)
{
    QImage argb(37, 23, QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x) argb.setPixel(x, y, qRgba(x * 7, y * 11, (x * y) & 255, (x * 13 + y) & 255));
    QImage indexed(21, 9, QImage::Format_Indexed8);
    indexed.setColorCount(5);
    for (int i = 0; i < 5; ++i) indexed.setColor(i, qRgba(i * 50, 255 - i * 40, 7 * i, i == 2 ? 0 : 255));
    for (int y = 0; y < indexed.height(); ++y)
        for (int x = 0; x < indexed.width(); ++x) indexed.setPixel(x, y, uint((x + y) % 5));
    QImage mono(19, 5, QImage::Format_Mono);
    mono.setColor(0, qRgb(0, 0, 0));
    mono.setColor(1, qRgb(255, 255, 255));
    for (int y = 0; y < mono.height(); ++y)
        for (int x = 0; x < mono.width(); ++x) mono.setPixel(x, y, uint((x ^ y) & 1));
    const std::vector<QImage> images = {argb, argb.convertToFormat(QImage::Format_RGB32),
                                        argb.convertToFormat(QImage::Format_Grayscale8),
                                        argb.convertToFormat(QImage::Format_Grayscale16),
                                        argb.convertToFormat(QImage::Format_RGBA64), indexed, mono};
    int n = 0;
    for (const QImage& img : images) {
        QByteArray data;
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(img.save(&buffer, "PNG"));
        Bytes f(data.begin(), data.end());
        TPngImage png;
        ASSERT_NO_THROW(Load(png, f)) << n;
        // Qt scales 16-bit samples by rounding, the codec keeps their high byte.
        ExpectSamePixels(png.ToArgb32(), QtPixels(f), img.depth() == 64 || img.format() == QImage::Format_Grayscale16 ? 1 : 0,
                         "Qt file " + std::to_string(n));
        ++n;
    }
}

TEST(PngQtOracle, WrittenFilesReadBackEverywhere)
{
    unsigned seed = 500;
    int k = 0;
    for (const Case& c : AllCases()) {
        if (c.w != 13) continue;
        Bytes f = Build(c, seed++);
        TPngImage png;
        Load(png, f);
        // Alternate the encoder's options over the cases.
        png.InterlaceMethod = uint8_t(k % 2);
        png.Filters = k % 3 == 0 ? TFilters(0x1F) : FilterSet(TFilter(k % 5));
        png.CompressionLevel = uint8_t(k % 10);
        ++k;
        Bytes out = Save(png);
        TPngImage back;
        ASSERT_NO_THROW(Load(back, out)) << Describe(c);
        EXPECT_EQ(back.ToArgb32(), png.ToArgb32()) << Describe(c);
        if (!(c.type == 2 && c.depth == 16 && c.trns))   // Qt misreads those (see above)
            ExpectSamePixels(png.ToArgb32(), QtPixels(out), c.depth == 16 ? 1 : 0, "written " + Describe(c));
        EXPECT_TRUE(PngcheckAccepts(out)) << Describe(c);
    }
}

TEST(PngQtOracle, PicturesBuiltFromPixels)
{
    // What a chart or a crest assigned from a bitmap gives: RGB and palette pictures.
    std::vector<uint8_t> rgb(size_t(50) * 3 * 20);
    for (size_t i = 0; i < rgb.size(); ++i) rgb[i] = uint8_t(i * 31 / 7);
    std::vector<const uint8_t*> rows;
    for (int y = 0; y < 20; ++y) rows.push_back(rgb.data() + size_t(y) * 150);
    TPngImage png;
    png.AssignPixels(50, 20, 24, {}, rows, true, PngRGB(rgb[2], rgb[1], rgb[0]));
    Bytes out = Save(png);
    EXPECT_EQ(ListChunks(out)[0].data[9], COLOR_RGB);
    ExpectSamePixels(png.ToArgb32(), QtPixels(out), 0, "rgb");
    EXPECT_EQ(png.ToArgb32()[0] >> 24, 0u);
    EXPECT_TRUE(PngcheckAccepts(out));

    std::vector<uint8_t> bits = {0xA5, 0x5A, 0xFF, 0x00};
    rows = {bits.data(), bits.data() + 1, bits.data() + 2, bits.data() + 3};
    png.AssignPixels(8, 4, 1, {PngRGB(255, 0, 0), PngRGB(0, 0, 255)}, rows, false, 0);
    out = Save(png);
    EXPECT_EQ(ListChunks(out)[0].data[8], 1);
    EXPECT_EQ(ListChunks(out)[0].data[9], COLOR_PALETTE);
    ExpectSamePixels(png.ToArgb32(), QtPixels(out), 0, "1-bit");
    EXPECT_EQ(png.GetPixel(0, 0), PngRGB(0, 0, 255));
    EXPECT_EQ(png.GetPixel(1, 0), PngRGB(255, 0, 0));
}
