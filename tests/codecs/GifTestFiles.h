// Helpers of the GIF tests: random index images, GIF files built around our image
// data, and three independent readers to check them against: giflib (linked),
// Qt's GIF reader and gifsicle (run as a program).
#pragma once

#include <gif_lib.h>

#include <QBuffer>
#include <QImage>
#include <QImageReader>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

#include "codecs/GifLzw.h"

namespace giftest {

using Bytes = std::vector<uint8_t>;

inline Bytes RandomIndexes(int w, int h, int colors, unsigned seed, int runLength = 1)
{
    std::mt19937 rng(seed);
    Bytes out(size_t(w) * size_t(h));
    uint8_t v = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        if (i % size_t(std::max(runLength, 1)) == 0) v = uint8_t(rng() % unsigned(colors));
        out[i] = v;
    }
    return out;
}

// Entry i of a palette of 2^bits: red i, green 255 - i, blue 7 i (distinct reds).
inline uint32_t PaletteColor(int i) { return 0xFF000000u | (uint32_t(i) << 16) | (uint32_t(255 - i) << 8) | uint32_t((7 * i) & 255); }

inline Bytes ImageData(const Bytes& indexes, int w, int h, int bits, bool interlaced, bool rle)
{
    TMemoryStream m;
    std::unique_ptr<TGIFEncoder> e;
    if (rle) e = std::make_unique<TRLEEncoder>();
    else e = std::make_unique<TLZWEncoder>();
    e->Compress(m, bits, 1 << bits, indexes.empty() ? nullptr : indexes.data(), interlaced, h, w);
    return Bytes(m.Memory(), m.Memory() + m.Size());
}

// A one-frame GIF89a around image data, with the palette of PaletteColor.
inline Bytes WrapGif(const Bytes& data, int w, int h, int bits, bool interlaced)
{
    Bytes f = {'G', 'I', 'F', '8', '9', 'a', uint8_t(w), uint8_t(w >> 8), uint8_t(h), uint8_t(h >> 8),
               uint8_t(0x80 | ((bits - 1) << 4) | (bits - 1)), 0, 0};
    for (int i = 0; i < (1 << bits); ++i) {
        uint32_t c = PaletteColor(i);
        f.insert(f.end(), {uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c)});
    }
    f.insert(f.end(), {0x2C, 0, 0, 0, 0, uint8_t(w), uint8_t(w >> 8), uint8_t(h), uint8_t(h >> 8),
                       uint8_t(interlaced ? 0x40 : 0)});
    f.insert(f.end(), data.begin(), data.end());
    f.push_back(0x3B);
    return f;
}

struct GiflibImage
{
    int left = 0, top = 0, width = 0, height = 0;
    bool interlace = false;
    Bytes pixels;
    std::vector<uint32_t> colors;   // the active map, 0xFFRRGGBB
};

struct GiflibFile
{
    bool ok = false;
    int width = 0, height = 0;
    std::vector<GiflibImage> images;
};

// Reads a file with giflib (DGifSlurp; rows come back in display order).
inline GiflibFile GiflibRead(const Bytes& f)
{
    struct Mem { const Bytes* b; size_t pos; } mem{&f, 0};
    auto readFn = [](GifFileType* g, GifByteType* buf, int len) -> int {
        Mem* m = static_cast<Mem*>(g->UserData);
        size_t n = std::min(size_t(len), m->b->size() - m->pos);
        std::copy_n(m->b->data() + m->pos, n, buf);
        m->pos += n;
        return int(n);
    };
    GiflibFile out;
    int err = 0;
    GifFileType* g = DGifOpen(&mem, readFn, &err);
    if (!g) return out;
    out.ok = DGifSlurp(g) == GIF_OK;
    out.width = g->SWidth;
    out.height = g->SHeight;
    for (int i = 0; out.ok && i < g->ImageCount; ++i) {
        const SavedImage& s = g->SavedImages[i];
        GiflibImage im;
        im.left = s.ImageDesc.Left;
        im.top = s.ImageDesc.Top;
        im.width = s.ImageDesc.Width;
        im.height = s.ImageDesc.Height;
        im.interlace = s.ImageDesc.Interlace;
        im.pixels.assign(s.RasterBits, s.RasterBits + size_t(im.width) * size_t(im.height));
        const ColorMapObject* map = s.ImageDesc.ColorMap ? s.ImageDesc.ColorMap : g->SColorMap;
        for (int c = 0; map && c < map->ColorCount; ++c)
            im.colors.push_back(0xFF000000u | (uint32_t(map->Colors[c].Red) << 16) |
                                (uint32_t(map->Colors[c].Green) << 8) | map->Colors[c].Blue);
        out.images.push_back(std::move(im));
    }
    DGifCloseFile(g, &err);
    return out;
}

// The first frame as Qt's reader gives it, 0xAARRGGBB per pixel.
inline std::vector<uint32_t> QtPixels(const Bytes& f, int* w = nullptr, int* h = nullptr)
{
    QImage img = QImage::fromData(f.data(), int(f.size()), "GIF");
    if (img.isNull()) return {};
    img = img.convertToFormat(QImage::Format_ARGB32);
    if (w) *w = img.width();
    if (h) *h = img.height();
    std::vector<uint32_t> out;
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<const uint32_t*>(img.constScanLine(y));
        out.insert(out.end(), line, line + img.width());
    }
    return out;
}

inline std::string TempFile(const std::string& tag)
{
    return ::testing::TempDir() + "gif_" + tag + "_" + std::to_string(::getpid()) + ".gif";
}

inline void WriteFile(const std::string& name, const Bytes& f)
{
    FILE* out = std::fopen(name.c_str(), "wb");
    std::fwrite(f.data(), 1, f.size(), out);
    std::fclose(out);
}

inline Bytes ReadFile(const std::string& name)
{
    Bytes b;
    FILE* in = std::fopen(name.c_str(), "rb");
    if (!in) return b;
    int c;
    while ((c = std::fgetc(in)) != EOF) b.push_back(uint8_t(c));
    std::fclose(in);
    return b;
}

// Runs a shell command; its exit code and what it printed (stdout and stderr).
inline int Run(const std::string& cmd, std::string* output = nullptr)
{
    std::string text;
    FILE* p = ::popen((cmd + " 2>&1").c_str(), "r");
    if (!p) return -1;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) text.append(buf, n);
    int rc = ::pclose(p);
    if (output) *output = text;
    return rc;
}

// gifsicle reads the file and writes it again with freshly encoded image data
// (its interlacing switched, which makes it decode and re-encode every frame).
// Empty when gifsicle refused the file or warned about it.
inline Bytes GifsicleRewrite(const Bytes& f, bool interlaceOut, std::string* messages = nullptr)
{
    const std::string in = TempFile("in"), out = TempFile("out");
    WriteFile(in, f);
    std::string text;
    int rc = Run("gifsicle " + std::string(interlaceOut ? "--interlace" : "--no-interlace") +
                     " '" + in + "' -o '" + out + "'",
                 &text);
    Bytes result = rc == 0 && text.empty() ? ReadFile(out) : Bytes{};
    if (messages) *messages = text;
    std::remove(in.c_str());
    std::remove(out.c_str());
    return result;
}

}  // namespace giftest
