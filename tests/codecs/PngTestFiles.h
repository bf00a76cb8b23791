// Builders of PNG files for the codec tests: a small independent writer of raw
// samples (any colour type, depth, filter and interlacing), chunk surgery, and
// helpers to run the codec on bytes.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "codecs/PngImage.h"
#include "platform/rtl/Streams.h"

namespace pngtest {

using Bytes = std::vector<uint8_t>;

inline void Put32(Bytes& b, uint32_t v)
{
    b.push_back(uint8_t(v >> 24));
    b.push_back(uint8_t(v >> 16));
    b.push_back(uint8_t(v >> 8));
    b.push_back(uint8_t(v));
}

inline uint32_t Get32(const uint8_t* p) { return (uint32_t(p[0]) << 24) | (p[1] << 16) | (p[2] << 8) | p[3]; }

inline Bytes Chunk(const std::string& type, const Bytes& data)
{
    Bytes b(data.size() + 12);
    const uint32_t n = uint32_t(data.size());
    const uint8_t head[8] = {uint8_t(n >> 24), uint8_t(n >> 16), uint8_t(n >> 8), uint8_t(n),
                             uint8_t(type[0]), uint8_t(type[1]), uint8_t(type[2]), uint8_t(type[3])};
    std::memcpy(b.data(), head, 8);
    if (n) std::memcpy(b.data() + 8, data.data(), n);
    const uint32_t crc = crc32(0, b.data() + 4, uInt(n + 4));
    const uint8_t tail[4] = {uint8_t(crc >> 24), uint8_t(crc >> 16), uint8_t(crc >> 8), uint8_t(crc)};
    std::memcpy(b.data() + 8 + n, tail, 4);
    return b;
}

inline Bytes Signature() { return {137, 80, 78, 71, 13, 10, 26, 10}; }

inline Bytes Ihdr(uint32_t w, uint32_t h, uint8_t depth, uint8_t type, uint8_t interlace = 0)
{
    Bytes d;
    Put32(d, w);
    Put32(d, h);
    d.push_back(depth);
    d.push_back(type);
    d.push_back(0);
    d.push_back(0);
    d.push_back(interlace);
    return Chunk("IHDR", d);
}

inline Bytes Deflate(const Bytes& raw, int level = 6)
{
    uLongf size = compressBound(uLong(raw.size()));
    Bytes out(size);
    compress2(out.data(), &size, raw.data(), uLong(raw.size()), level);
    out.resize(size);
    return out;
}

inline int Channels(int type) { return type == 2 ? 3 : type == 4 ? 2 : type == 6 ? 4 : 1; }

// A picture given by its samples: samples[y][x * channels + c], each below 2^depth.
struct RawImage
{
    uint32_t width = 0, height = 0;
    uint8_t depth = 8, type = 0;
    std::vector<std::vector<uint16_t>> samples;
};

inline RawImage RandomImage(uint32_t w, uint32_t h, uint8_t depth, uint8_t type, unsigned seed, int paletteSize = 256)
{
    RawImage img{w, h, depth, type, {}};
    std::mt19937 rng(seed);
    const int ch = Channels(type);
    const uint32_t max = depth == 16 ? 255 : (1u << depth) - 1;
    for (uint32_t y = 0; y < h; ++y) {
        std::vector<uint16_t> row(size_t(w) * ch);
        for (auto& s : row) {
            // Runs of equal values as well as noise, so every filter gets work.
            uint32_t v = (rng() % 3 == 0 && &s != row.data()) ? *(&s - 1) : rng() % (max + 1);
            if (depth == 16 && v > 255) v = 255;
            if (type == 3) v %= uint32_t(paletteSize);
            s = static_cast<uint16_t>(v);
        }
        // 16-bit samples are v * 257 so that both 8-bit readings agree.
        if (depth == 16)
            for (auto& s : row) s = static_cast<uint16_t>(s * 257);
        img.samples.push_back(std::move(row));
    }
    return img;
}

// One row of samples packed at the image's depth.
inline Bytes PackRow(const RawImage& img, const std::vector<uint16_t>& row, uint32_t x0, uint32_t dx, uint32_t count)
{
    const int ch = Channels(img.type);
    Bytes out((size_t(count) * ch * img.depth + 7) / 8, 0);
    size_t bit = 0;
    for (uint32_t i = 0; i < count; ++i)
        for (int c = 0; c < ch; ++c) {
            uint16_t v = row[size_t(x0 + i * dx) * ch + c];
            if (img.depth == 16) {
                out[bit / 8] = uint8_t(v >> 8);
                out[bit / 8 + 1] = uint8_t(v);
            } else if (img.depth == 8) {
                out[bit / 8] = uint8_t(v);
            } else {
                out[bit / 8] |= uint8_t(v << (8 - img.depth - bit % 8));
            }
            bit += img.depth;
        }
    return out;
}

inline uint8_t PaethP(int a, int b, int c)
{
    int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return uint8_t(pa <= pb && pa <= pc ? a : pb <= pc ? b : c);
}

// The filtered, uncompressed image data; the filter of each row cycles through
// 0..4 starting at firstFilter (or stays at it when cycle is false).
inline Bytes FilteredData(const RawImage& img, bool interlace, int firstFilter, bool cycle = true)
{
    static const uint32_t rs[7] = {0, 0, 4, 0, 2, 0, 1}, cs[7] = {0, 4, 0, 2, 0, 1, 0};
    static const uint32_t rd[7] = {8, 8, 8, 4, 4, 2, 2}, cd[7] = {8, 8, 4, 4, 2, 2, 1};
    const int bpp = std::max(1, Channels(img.type) * img.depth / 8);
    Bytes out;
    int filter = firstFilter;
    for (int pass = interlace ? 0 : 6; pass < 7; ++pass) {
        const uint32_t x0 = interlace ? cs[pass] : 0, dx = interlace ? cd[pass] : 1;
        const uint32_t y0 = interlace ? rs[pass] : 0, dy = interlace ? rd[pass] : 1;
        const uint32_t count = img.width > x0 ? (img.width - x0 + dx - 1) / dx : 0;
        if (count == 0) continue;
        Bytes prior;
        for (uint32_t y = y0; y < img.height; y += dy) {
            Bytes cur = PackRow(img, img.samples[y], x0, dx, count);
            if (prior.empty()) prior.assign(cur.size(), 0);
            out.push_back(uint8_t(filter));
            for (size_t i = 0; i < cur.size(); ++i) {
                int a = i >= size_t(bpp) ? cur[i - bpp] : 0, b = prior[i], c = i >= size_t(bpp) ? prior[i - bpp] : 0;
                int pred = filter == 1 ? a : filter == 2 ? b : filter == 3 ? (a + b) / 2 : filter == 4 ? PaethP(a, b, c) : 0;
                out.push_back(uint8_t(cur[i] - pred));
            }
            prior = cur;
            if (cycle) filter = (filter + 1) % 5;
        }
    }
    return out;
}

struct FileOptions
{
    bool interlace = false;
    int firstFilter = 0;
    std::vector<uint32_t> palette;    // 0xRRGGBB entries (colour type 3)
    Bytes trns;                       // raw tRNS data, none when empty
    size_t idatSplit = 0;             // >0: IDAT chunks of this many bytes
};

inline Bytes WriteFile(const RawImage& img, const FileOptions& o = {})
{
    Bytes f = Signature();
    auto add = [&](const Bytes& c) { f.insert(f.end(), c.begin(), c.end()); };
    add(Ihdr(img.width, img.height, img.depth, img.type, o.interlace ? 1 : 0));
    if (!o.palette.empty()) {
        Bytes p;
        for (uint32_t c : o.palette) {
            p.push_back(uint8_t(c >> 16));
            p.push_back(uint8_t(c >> 8));
            p.push_back(uint8_t(c));
        }
        add(Chunk("PLTE", p));
    }
    if (!o.trns.empty()) add(Chunk("tRNS", o.trns));
    Bytes z = Deflate(FilteredData(img, o.interlace, o.firstFilter));
    if (o.idatSplit == 0) {
        add(Chunk("IDAT", z));
    } else {
        for (size_t i = 0; i < z.size(); i += o.idatSplit)
            add(Chunk("IDAT", Bytes(z.begin() + long(i), z.begin() + long(std::min(z.size(), i + o.idatSplit)))));
    }
    add(Chunk("IEND", {}));
    return f;
}

inline std::vector<uint32_t> RandomPalette(int n, unsigned seed)
{
    std::mt19937 rng(seed);
    std::vector<uint32_t> p(static_cast<size_t>(n));
    for (auto& c : p) c = rng() & 0xFFFFFF;
    return p;
}

// The chunks of a file: (offset of the length field, type, data).
struct ChunkRef
{
    size_t offset;
    std::string type;
    Bytes data;
};

inline std::vector<ChunkRef> ListChunks(const Bytes& f)
{
    std::vector<ChunkRef> out;
    size_t pos = 8;
    while (pos + 12 <= f.size()) {
        uint32_t len = Get32(&f[pos]);
        if (pos + 12 + len > f.size()) break;
        out.push_back({pos, std::string(f.begin() + long(pos) + 4, f.begin() + long(pos) + 8),
                       Bytes(f.begin() + long(pos) + 8, f.begin() + long(pos) + 8 + len)});
        pos += 12 + len;
    }
    return out;
}

inline Bytes Inflate(const Bytes& z)
{
    std::string out;
    PngInflate(z.data(), z.size(), out, 1 << 28);
    return Bytes(out.begin(), out.end());
}

// All IDAT data of a file, inflated.
inline Bytes ImageData(const Bytes& f)
{
    Bytes z;
    for (auto& c : ListChunks(f))
        if (c.type == "IDAT") z.insert(z.end(), c.data.begin(), c.data.end());
    return Inflate(z);
}

inline void Load(TPngImage& png, const Bytes& f)
{
    TMemoryStream m;
    m.Write(f.data(), long(f.size()));
    m.SetPosition(0);
    png.LoadFromStream(m);
}

inline Bytes Save(const TPngImage& png)
{
    TMemoryStream m;
    png.SaveToStream(m);
    return Bytes(m.Memory(), m.Memory() + m.Size());
}

}  // namespace pngtest
