// PNG codec core: transparency (tRNS), pixel access, the image as 32-bit pixels
// for drawing, and building a picture from plain pixels.
#include "codecs/PngImage.h"
#include "codecs/PngImage_Internal.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

using namespace png_internal;

inline uint16_t BE16(const uint8_t* p) { return static_cast<uint16_t>((p[0] << 8) | p[1]); }

// The held index (or held 8-bit value) a file grey sample stands for; -1 when no
// held pixel can have it.
int HeldGreyOf(uint16_t sample, uint8_t depth)
{
    switch (depth) {
    case 16: return sample >> 8;
    case 2: return sample <= 3 ? sample * 5 : -1;
    default: return sample < (1u << depth) ? sample : -1;
    }
}

// An 8-bit channel value as a sample of the written depth, and back.
uint16_t SampleOf(uint8_t v, uint8_t depth)
{
    if (depth == 16) return static_cast<uint16_t>(v << 8);
    if (depth == 8) return v;
    const int max = (1 << depth) - 1;
    return static_cast<uint16_t>((v * max + 127) / 255);
}

int Channel8Of(uint16_t sample, uint8_t depth)
{
    if (depth == 16) return sample >> 8;
    return sample <= 255 ? sample : -1;
}

inline TPngColor QuadColor(const TRGBQuad& q) { return PngRGB(q.rgbRed, q.rgbGreen, q.rgbBlue); }

}  // namespace

// ---- tRNS ---------------------------------------------------------------------------------------

void TChunktRNS::Assign(const TChunk& source)
{
    CheckSameClass(source);
    TChunk::Assign(source);
    auto& s = static_cast<const TChunktRNS&>(source);
    paletteValues_ = s.paletteValues_;
    bitTransparency_ = s.bitTransparency_;
}

bool TChunktRNS::LoadFromStream(TStream& stream, const std::string& name, uint32_t size)
{
    if (size > 256) throw EPNGInvalidPalette(PngText::InvalidPalette);
    TChunk::LoadFromStream(stream, name, size);
    paletteValues_.fill(255);
    std::memcpy(paletteValues_.data(), data_.data(), data_.size());
    switch (Header().ColorType()) {
    case COLOR_GRAYSCALE:
    case COLOR_RGB: bitTransparency_ = true; break;
    case COLOR_PALETTE:
        bitTransparency_ = std::count_if(data_.begin(), data_.end(), [](uint8_t a) { return a < 255; }) == 1;
        break;
    default: break;
    }
    return true;
}

bool TChunktRNS::SaveToStream(TStream& stream) const
{
    std::vector<uint8_t> out = data_;
    if (out.size() <= 256) std::memcpy(out.data(), paletteValues_.data(), out.size());
    const TChunkIHDR& h = Header();
    if (h.ColorType() == COLOR_GRAYSCALE && h.BitDepth() == 2 && data_.size() == 2) {
        // The image is written with 4 bits per sample: so is its transparent grey.
        uint16_t s = BE16(out.data());
        if (s <= 3) s = static_cast<uint16_t>(s * 5);
        out = {uint8_t(s >> 8), uint8_t(s)};
    }
    if (h.BitDepth() == 16 && (h.ColorType() == COLOR_GRAYSCALE || h.ColorType() == COLOR_RGB)) {
        // 16-bit samples are written as the held 8-bit value and a zero byte: the
        // transparent one too, so that it still names the same pixels.
        for (size_t i = 1; i < out.size(); i += 2) out[i] = 0;
    }
    WriteChunk(stream, name_, out.data(), static_cast<uint32_t>(out.size()));
    return true;
}

TPngColor TChunktRNS::TransparentColor() const
{
    const TChunkIHDR& h = Header();
    const auto& gamma = owner_->GammaTable;
    switch (h.ColorType()) {
    case COLOR_GRAYSCALE: {
        // The grey the ramp shows for the held value.
        int idx = HeldGreyOf(BE16(paletteValues_.data()), h.BitDepth());
        return idx < 0 ? 0 : QuadColor(h.ColorTable()[size_t(idx)]);
    }
    case COLOR_RGB: {
        int r = Channel8Of(BE16(paletteValues_.data()), h.BitDepth());
        int g = Channel8Of(BE16(paletteValues_.data() + 2), h.BitDepth());
        int b = Channel8Of(BE16(paletteValues_.data() + 4), h.BitDepth());
        if (r < 0 || g < 0 || b < 0) return 0;
        return PngRGB(gamma[size_t(r)], gamma[size_t(g)], gamma[size_t(b)]);
    }
    case COLOR_PALETTE:
        for (size_t i = 0; i < data_.size(); ++i)
            if (paletteValues_[i] == 0) return QuadColor(h.ColorTable()[i]);
        return 0;
    default: return 0;
    }
}

void TChunktRNS::SetTransparentColor(TPngColor color)
{
    const TChunkIHDR& h = Header();
    const auto& inv = owner_->InverseGamma;
    paletteValues_.fill(0);
    bitTransparency_ = true;
    switch (h.ColorType()) {
    case COLOR_GRAYSCALE: {
        uint16_t s = SampleOf(inv[PngRed(color)], h.BitDepth() == 2 ? 2 : h.BitDepth());
        data_.assign(2, 0);
        paletteValues_[0] = uint8_t(s >> 8);
        paletteValues_[1] = uint8_t(s);
        break;
    }
    case COLOR_RGB: {
        const uint8_t c[3] = {PngRed(color), PngGreen(color), PngBlue(color)};
        data_.assign(6, 0);
        for (int i = 0; i < 3; ++i) {
            uint16_t s = SampleOf(inv[c[i]], h.BitDepth());
            paletteValues_[size_t(i) * 2] = uint8_t(s >> 8);
            paletteValues_[size_t(i) * 2 + 1] = uint8_t(s);
        }
        break;
    }
    case COLOR_PALETTE: {
        // The first entry of that colour (entry 0 when none is); the entries of the
        // palette only, so the chunk never outgrows it.
        auto* plte = owner_->Chunks().ItemFromClass<TChunkPLTE>();
        const int count = plte ? plte->Count() : 1 << h.DibBitsPerPixel();
        int index = 0;
        for (int i = 0; i < count && i < 256; ++i) {
            const TRGBQuad& q = h.ColorTable()[size_t(i)];
            if (q.rgbRed == PngRed(color) && q.rgbGreen == PngGreen(color) && q.rgbBlue == PngBlue(color)) {
                index = i;
                break;
            }
        }
        paletteValues_.fill(255);
        paletteValues_[size_t(index)] = 0;
        data_.assign(size_t(index) + 1, 255);
        data_[size_t(index)] = 0;
        break;
    }
    default: break;
    }
    std::memcpy(data_.data(), paletteValues_.data(), std::min<size_t>(data_.size(), 256));
}

bool TChunktRNS::IsTransparentGrey(uint8_t heldIndex) const
{
    const TChunkIHDR& h = Header();
    if (data_.size() < 2) return false;
    return HeldGreyOf(BE16(paletteValues_.data()), h.BitDepth()) == heldIndex;
}

bool TChunktRNS::IsTransparentRgb(uint8_t red, uint8_t green, uint8_t blue) const
{
    const TChunkIHDR& h = Header();
    if (data_.size() < 6) return false;
    const auto& gamma = owner_->GammaTable;
    int r = Channel8Of(BE16(paletteValues_.data()), h.BitDepth());
    int g = Channel8Of(BE16(paletteValues_.data() + 2), h.BitDepth());
    int b = Channel8Of(BE16(paletteValues_.data() + 4), h.BitDepth());
    if (r < 0 || g < 0 || b < 0) return false;
    return gamma[size_t(r)] == red && gamma[size_t(g)] == green && gamma[size_t(b)] == blue;
}

// ---- TPngImage: transparency ----------------------------------------------------------------------

TPNGTransparencyMode TPngImage::TransparencyMode() const
{
    if (!HeaderPresent()) return ptmNone;
    const TChunkIHDR& h = Header();
    auto* trns = chunks_.ItemFromClass<TChunktRNS>();
    switch (h.ColorType()) {
    case COLOR_GRAYSCALE:
    case COLOR_RGB: return trns ? ptmBit : ptmNone;
    case COLOR_PALETTE:
        if (!trns) return ptmNone;
        return trns->BitTransparency() ? ptmBit : ptmPartial;
    case COLOR_GRAYSCALEALPHA:
    case COLOR_RGBALPHA: return ptmPartial;
    default: return ptmNone;
    }
}

TPngColor TPngImage::TransparentColor() const
{
    if (!HeaderPresent()) return 0;
    auto* trns = chunks_.ItemFromClass<TChunktRNS>();
    return trns ? trns->TransparentColor() : 0;
}

void TPngImage::SetTransparentColor(TPngColor color)
{
    if (!HeaderPresent()) return;
    switch (Header().ColorType()) {
    case COLOR_GRAYSCALE:
    case COLOR_RGB:
    case COLOR_PALETTE: {
        auto* trns = chunks_.ItemFromClass<TChunktRNS>();
        if (!trns) trns = chunks_.Add<TChunktRNS>();
        trns->SetTransparentColor(color);
        break;
    }
    default:
        // Grey + alpha and RGB + alpha carry their transparency per pixel already.
        break;
    }
}

// ---- pixels -------------------------------------------------------------------------------------------

TPngColor TPngImage::GetPixel(int x, int y) const
{
    if (!HeaderPresent()) return 0;
    const TChunkIHDR& h = Header();
    if (x < 0 || y < 0 || uint32_t(x) >= h.Width() || uint32_t(y) >= h.Height()) return 0;
    const uint8_t* line = h.ScanLine(uint32_t(y));
    if (h.DibHasPalette())
        return QuadColor(h.ColorTable()[GetPacked(line, uint32_t(x), h.DibBitsPerPixel())]);
    const uint8_t* p = line + size_t(x) * 3;
    return PngRGB(p[2], p[1], p[0]);
}

void TPngImage::SetPixel(int x, int y, TPngColor color)
{
    if (!HeaderPresent()) return;
    TChunkIHDR& h = Header();
    if (x < 0 || y < 0 || uint32_t(x) >= h.Width() || uint32_t(y) >= h.Height()) return;
    uint8_t* line = h.ScanLine(uint32_t(y));
    if (h.DibHasPalette()) {
        // The nearest entry among those the pixel can hold.
        int count = 1 << h.DibBitsPerPixel();
        if (h.ColorType() == COLOR_PALETTE)
            if (auto* plte = chunks_.ItemFromClass<TChunkPLTE>()) count = std::min(count, std::max(1, plte->Count()));
        int best = 0, bestDist = INT_MAX;
        for (int i = 0; i < count; ++i) {
            const TRGBQuad& q = h.ColorTable()[size_t(i)];
            int dr = q.rgbRed - PngRed(color), dg = q.rgbGreen - PngGreen(color), db = q.rgbBlue - PngBlue(color);
            int d = dr * dr + dg * dg + db * db;
            if (d < bestDist) {
                bestDist = d;
                best = i;
            }
        }
        SetPacked(line, uint32_t(x), h.DibBitsPerPixel(), uint8_t(best));
        return;
    }
    uint8_t* p = line + size_t(x) * 3;
    p[0] = PngBlue(color);
    p[1] = PngGreen(color);
    p[2] = PngRed(color);
}

std::vector<uint32_t> TPngImage::ToArgb32() const
{
    std::vector<uint32_t> out;
    if (!HeaderPresent()) return out;
    const TChunkIHDR& h = Header();
    if (h.DibBitsPerPixel() == 0) return out;
    const uint32_t w = h.Width(), ht = h.Height();
    out.resize(size_t(w) * ht);
    const auto* trns = chunks_.ItemFromClass<TChunktRNS>();
    const int bits = h.DibBitsPerPixel();
    const uint8_t type = h.ColorType();

    uint32_t table[256];
    for (int i = 0; i < 256; ++i) {
        const TRGBQuad& q = h.ColorTable()[size_t(i)];
        uint32_t a = 255;
        if (trns && type == COLOR_PALETTE && size_t(i) < trns->DataSize()) a = trns->PaletteValues()[size_t(i)];
        if (trns && type == COLOR_GRAYSCALE && trns->IsTransparentGrey(uint8_t(i))) a = 0;
        table[i] = (a << 24) | (uint32_t(q.rgbRed) << 16) | (uint32_t(q.rgbGreen) << 8) | q.rgbBlue;
    }
    for (uint32_t y = 0; y < ht; ++y) {
        const uint8_t* line = h.ScanLine(y);
        const uint8_t* alpha = h.HasAlpha() ? h.AlphaLine(y) : nullptr;
        uint32_t* o = out.data() + size_t(y) * w;
        if (bits <= 8) {
            for (uint32_t x = 0; x < w; ++x) o[x] = table[GetPacked(line, x, bits)];
            if (alpha)
                for (uint32_t x = 0; x < w; ++x) o[x] = (o[x] & 0x00FFFFFFu) | (uint32_t(alpha[x]) << 24);
        } else {
            const bool key = trns && type == COLOR_RGB;
            for (uint32_t x = 0; x < w; ++x) {
                const uint8_t* p = line + size_t(x) * 3;
                uint32_t a = alpha ? alpha[x] : 255;
                if (key && trns->IsTransparentRgb(p[2], p[1], p[0])) a = 0;
                o[x] = (a << 24) | (uint32_t(p[2]) << 16) | (uint32_t(p[1]) << 8) | p[0];
            }
        }
    }
    return out;
}

// ---- building from pixels ----------------------------------------------------------------------------

void TPngImage::AssignPixels(uint32_t width, uint32_t height, int bitsPerPixel, const std::vector<TPngColor>& palette,
                             const std::vector<const uint8_t*>& rows, bool transparent, TPngColor transparentColor)
{
    const bool paletted = bitsPerPixel < 16;
    if (paletted && bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 8) bitsPerPixel = 8;
    ClearChunks();
    auto* ihdr = static_cast<TChunkIHDR*>(chunks_.Append(CreatePngChunk(*this, TChunkIHDR::Type)));
    TChunkPLTE* plte = nullptr;
    if (paletted) plte = static_cast<TChunkPLTE*>(chunks_.Append(CreatePngChunk(*this, TChunkPLTE::Type)));
    TChunktRNS* trns = nullptr;
    if (transparent) trns = static_cast<TChunktRNS*>(chunks_.Append(CreatePngChunk(*this, TChunktRNS::Type)));
    chunks_.Append(CreatePngChunk(*this, TChunkIDAT::Type));
    chunks_.Append(CreatePngChunk(*this, TChunkIEND::Type));
    try {
        ihdr->SetHeader(width, height, paletted ? uint8_t(bitsPerPixel) : 8, paletted ? COLOR_PALETTE : COLOR_RGB);
        ihdr->PrepareImageData();
        const size_t rowBytes = paletted ? (size_t(width) * bitsPerPixel + 7) / 8 : size_t(width) * 3;
        for (uint32_t y = 0; y < height && y < rows.size(); ++y)
            if (rows[y]) std::memcpy(ihdr->ScanLine(y), rows[y], rowBytes);
        if (paletted) {
            const int count = 1 << bitsPerPixel;
            plte->SetCount(count);
            for (int i = 0; i < count; ++i) {
                TPngColor c = size_t(i) < palette.size() ? palette[size_t(i)] : 0;
                ihdr->ColorTable()[size_t(i)] = TRGBQuad{PngBlue(c), PngGreen(c), PngRed(c), 0};
            }
        }
        if (trns) trns->SetTransparentColor(transparentColor);
    } catch (...) {
        ClearChunks();
        throw;
    }
}
