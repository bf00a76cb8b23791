// TPngPicture: the PNG codec as a picture of the picture framework.
#include "codecs/PngPicture.h"

#include <algorithm>
#include <map>

TPngPicture::TPngPicture(const TPngPicture& other) : TGraphic(other), TPngImage()
{
    AssignPNG(other);
}

void TPngPicture::LoadFromStream(TStream& stream)
{
    TPngImage::LoadFromStream(stream);
    Changed();
}

void TPngPicture::SaveToStream(TStream& stream) const { TPngImage::SaveToStream(stream); }

std::unique_ptr<TGraphic> TPngPicture::Clone() const { return std::make_unique<TPngPicture>(*this); }

void TPngPicture::SetWidth(int) { throw EPngError(PngText::CannotResize); }
void TPngPicture::SetHeight(int) { throw EPngError(PngText::CannotResize); }

void TPngPicture::SetTransparentColor(TColor color)
{
    TPngImage::SetTransparentColor(ColorToRGB(color));
    Changed();
}

void TPngPicture::Assign(const TGraphic& source)
{
    if (auto* png = dynamic_cast<const TPngPicture*>(&source)) {
        AssignPNG(*png);
        Changed();
        return;
    }
    auto* bmp = dynamic_cast<const TBitmap*>(&source);
    if (!bmp) {
        TGraphic::Assign(source);
        return;
    }
    const int w = bmp->Width(), h = bmp->Height();
    if (w <= 0 || h <= 0) {
        ClearChunks();
        Changed();
        return;
    }
    int bits = 24;
    switch (bmp->PixelFormat()) {
    case pf1bit: bits = 1; break;
    case pf4bit: bits = 4; break;
    case pf8bit: bits = 8; break;
    default: break;
    }
    const bool transparent = bmp->Transparent();
    const TPngColor key = transparent ? ColorToRGB(bmp->TransparentColor()) : 0;

    // A palette bitmap keeps a palette when its colours fit in it.
    std::vector<TPngColor> palette;
    std::vector<std::vector<uint8_t>> rows(static_cast<size_t>(h));
    if (bits < 16) {
        std::map<uint32_t, uint8_t> index;
        const size_t max = size_t(1) << bits;
        for (int y = 0; y < h && bits < 16; ++y) {
            const uint32_t* line = bmp->ScanLine(y);
            for (int x = 0; x < w; ++x) {
                uint32_t rgb = line[x] & 0x00FFFFFFu;
                if (index.count(rgb)) continue;
                if (index.size() == max) {
                    bits = 24;
                    break;
                }
                index.emplace(rgb, static_cast<uint8_t>(index.size()));
                palette.push_back(PngRGB(uint8_t(rgb >> 16), uint8_t(rgb >> 8), uint8_t(rgb)));
            }
        }
        if (bits < 16) {
            const size_t rowBytes = (size_t(w) * bits + 7) / 8;
            for (int y = 0; y < h; ++y) {
                auto& row = rows[size_t(y)];
                row.assign(rowBytes, 0);
                const uint32_t* line = bmp->ScanLine(y);
                for (int x = 0; x < w; ++x) {
                    uint8_t v = index[line[x] & 0x00FFFFFFu];
                    switch (bits) {
                    case 1: row[size_t(x) >> 3] |= uint8_t(v << (7 - (x & 7))); break;
                    case 4: row[size_t(x) >> 1] |= uint8_t(v << ((x & 1) ? 0 : 4)); break;
                    default: row[size_t(x)] = v; break;
                    }
                }
            }
        }
    }
    if (bits >= 16) {
        palette.clear();
        for (int y = 0; y < h; ++y) {
            auto& row = rows[size_t(y)];
            row.resize(size_t(w) * 3);
            const uint32_t* line = bmp->ScanLine(y);
            for (int x = 0; x < w; ++x) {
                row[size_t(x) * 3] = uint8_t(line[x]);            // blue
                row[size_t(x) * 3 + 1] = uint8_t(line[x] >> 8);   // green
                row[size_t(x) * 3 + 2] = uint8_t(line[x] >> 16);  // red
            }
        }
    }
    std::vector<const uint8_t*> rowPtrs;
    rowPtrs.reserve(rows.size());
    for (auto& r : rows) rowPtrs.push_back(r.data());
    AssignPixels(uint32_t(w), uint32_t(h), bits >= 16 ? 24 : bits, palette, rowPtrs, transparent, key);
    Changed();
}

void TPngPicture::AssignTo(TBitmap& dest) const
{
    if (!HeaderPresent()) {
        TGraphic::AssignTo(dest);
        return;
    }
    const TChunkIHDR& h = Header();
    TPixelFormat format = pf24bit;
    switch (h.DibBitsPerPixel()) {
    case 1: format = pf1bit; break;
    case 4: format = pf4bit; break;
    case 8: format = pf8bit; break;
    default: break;
    }
    const std::vector<uint32_t> px = ToArgb32();
    const int w = Width(), ht = Height();
    dest.SetPixelFormat(format);
    dest.SetSize(w, ht);
    for (int y = 0; y < ht; ++y) {
        uint32_t* line = dest.ScanLine(y);
        const uint32_t* src = px.data() + size_t(y) * size_t(w);
        for (int x = 0; x < w; ++x) line[x] = src[x] | 0xFF000000u;
    }
    if (TransparencyMode() == ptmBit) {
        dest.SetTransparentColor(TransparentColor());
        dest.SetTransparent(true);
    } else {
        dest.SetTransparent(false);
    }
}

void TPngPicture::Draw(TCanvas& canvas, const TRect& r) const
{
    if (!HeaderPresent()) return;
    const std::vector<uint32_t> px = ToArgb32();
    if (px.empty()) return;
    canvas.DrawImage32(r, px.data(), Width(), Height(), 0, TransparencyMode() != ptmNone, clNone);
}

void RegisterPngFormat()
{
    TPicture::RegisterFileFormat("png", "Portable Network Graphics", [] { return std::make_unique<TPngPicture>(); });
}
