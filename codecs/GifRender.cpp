// Frames to bitmaps (with their transparency masks), frames drawn on a canvas,
// and frames made from other pictures.
#include <algorithm>

#include "codecs/GifPicture.h"

namespace {

void ReportRow(TGIFSubImage& frame, int y, int height, const char* message)
{
    if ((y & 31) == 0 && frame.Picture())
        frame.Picture()->Progress(&frame, psRunning, height ? y * 100 / height : 0, false, message);
}

}  // namespace

void TGIFSubImage::FreeBitmap()
{
    bitmap_.reset();
    mask_.clear();
    needMask_ = true;
}

const TBitmap* TGIFSubImage::GetBitmap()
{
    if (bitmap_) return bitmap_.get();
    if (Empty()) return nullptr;
    TGifPicture* p = Picture();
    if (p) p->Progress(this, psStarting, 0, false, GifText::Rendering);
    auto bitmap = std::make_unique<TBitmap>();
    if (p && p->UsesStandardPalette())
        RenderDithered(*bitmap);
    else
        RenderDirect(*bitmap);
    bitmap_ = std::move(bitmap);
    if (p) p->Progress(this, psEnding, 100, false, GifText::Rendering);
    return bitmap_.get();
}

// The frame's indexes in an 8-bit DIB with the active map's colours. Indexes past
// the map show its last colour, or are transparent in a transparent frame.
void TGIFSubImage::RenderDirect(TBitmap& bitmap)
{
    TGIFColorMap& map = ActiveColorMap();
    TLogPalette pal = map.ExportPalette();
    if (!pal.Empty()) pal.Entries.resize(256, pal.Entries.back());
    const bool wantMask = needMask_ && transparent_;
    needMask_ = false;
    const int ti = TransparentIndex();
    std::vector<uint8_t> mask;
    if (wantMask) mask.assign(Data.size(), 0);
    bool any = false;
    {
        TDIBWriter writer(bitmap, pf8bit, width_, height_, pal);
        for (int y = 0; y < height_; ++y) {
            ReportRow(*this, y, height_, GifText::Rendering);
            const uint8_t* src = Data.data() + size_t(y) * size_t(width_);
            std::copy_n(src, width_, writer.Scanline(y));
            if (!wantMask) continue;
            uint8_t* m = mask.data() + size_t(y) * size_t(width_);
            for (int x = 0; x < width_; ++x)
                if (src[x] == ti || src[x] >= map.Count()) {
                    m[x] = 1;
                    any = true;
                }
        }
    }
    if (any) mask_ = std::move(mask);
}

// Dithered to the 216 standard colours (Floyd-Steinberg, serpentine); transparent
// pixels keep the transparent colour's own standard entry.
void TGIFSubImage::RenderDithered(TBitmap& bitmap)
{
    TGIFColorMap& map = ActiveColorMap();
    TNetscapeColorLookup lookup;
    TFloydSteinbergDitherer ditherer(width_, lookup);
    const bool wantMask = needMask_ && transparent_;
    needMask_ = false;
    const int ti = TransparentIndex();
    std::vector<uint8_t> mask;
    int fill = 0;
    if (wantMask) {
        mask.assign(Data.size(), 0);
        TColor c = ti < map.Count() ? map.Colors(ti) : clBlack;
        int r, g, b;
        fill = lookup.Lookup(GetRValue(c), GetGValue(c), GetBValue(c), r, g, b);
    }
    bool any = false;
    {
        TDIBWriter writer(bitmap, pf8bit, width_, height_, WebPalette());
        for (int y = 0; y < height_; ++y) {
            ReportRow(*this, y, height_, GifText::Rendering);
            const uint8_t* src = Data.data() + size_t(y) * size_t(width_);
            uint8_t* dst = writer.Scanline(y);
            if (wantMask) std::fill_n(dst, width_, uint8_t(fill));
            while (ditherer.Column >= 0 && ditherer.Column < width_) {
                const int x = ditherer.Column;
                const uint8_t p = src[x];
                if (wantMask && (p == ti || p >= map.Count())) {
                    mask[size_t(y) * size_t(width_) + size_t(x)] = 1;
                    any = true;
                    ditherer.Column += ditherer.Direction;
                    continue;
                }
                const TGIFColor c = map.Count() ? map.Entry(std::min<int>(p, map.Count() - 1)) : TGIFColor{};
                int r, g, b;
                dst[x] = uint8_t(ditherer.Dither(c.Red, c.Green, c.Blue, r, g, b));
            }
            ditherer.NextLine();
        }
    }
    if (any) mask_ = std::move(mask);
}

bool TGIFSubImage::HasMask()
{
    if (needMask_ && transparent_) {
        bitmap_.reset();
        GetBitmap();
    }
    return !mask_.empty();
}

void TGIFSubImage::Draw(TCanvas& canvas, const TRect& rect, bool tile, bool transparent)
{
    const TBitmap* bmp = GetBitmap();
    if (!bmp) return;
    const bool masked = transparent && transparent_ && HasMask();
    bmp = GetBitmap();
    std::vector<uint32_t> px(size_t(width_) * size_t(height_));
    for (int y = 0; y < height_; ++y) {
        const uint32_t* row = bmp->ScanLine(y);
        for (int x = 0; x < width_; ++x) {
            const size_t i = size_t(y) * size_t(width_) + size_t(x);
            px[i] = masked && mask_[i] ? (row[x] & 0x00FFFFFFu) : (row[x] | 0xFF000000u);
        }
    }
    TGifPicture* p = Picture();
    const int pw = p && p->Width() > 0 ? p->Width() : width_;
    const int ph = p && p->Height() > 0 ? p->Height() : height_;
    if (!tile) {
        const int64_t rw = rect.Width(), rh = rect.Height();
        const TRect dest = Rect(rect.Left + int(left_ * rw / pw), rect.Top + int(top_ * rh / ph),
                                rect.Left + int((left_ + width_) * rw / pw), rect.Top + int((top_ + height_) * rh / ph));
        canvas.DrawImage32(dest, px.data(), width_, height_, 0, masked);
        return;
    }
    for (int x = rect.Left + left_; x < rect.Right; x += pw)
        for (int y = rect.Top + top_; y < rect.Bottom; y += ph)
            canvas.DrawImage32(Bounds(x, y, width_, height_), px.data(), width_, height_, 0, masked);
}

TLogPalette TGIFSubImage::GetPalette()
{
    if (!palette_.Empty()) return palette_;
    TGifPicture* p = Picture();
    if (p && p->UsesStandardPalette())
        palette_ = WebPalette();
    else if (ColorMap.Count() > 0)
        palette_ = ColorMap.ExportPalette();
    else if (p)
        return p->GetPalette();
    return palette_;
}

void TGIFSubImage::SetPalette(const TLogPalette& palette)
{
    if (palette == palette_) return;
    palette_ = palette;
    FreeBitmap();
    if (Picture()) Picture()->Changed();
}

void TGIFSubImage::AssignTo(TBitmap& dest)
{
    if (const TBitmap* b = GetBitmap()) dest.Assign(*b);
}

void TGIFSubImage::Assign(const TGIFSubImage& source)
{
    if (&source == this) return;
    Clear();
    if (!source.Empty()) {
        left_ = source.left_;
        top_ = source.top_;
        width_ = source.width_;
        height_ = source.height_;
        PackedFields = source.PackedFields;
        transparent_ = source.transparent_;
        Data = source.Data;
    }
    ColorMap.Assign(source.ColorMap);
    if (source.Extensions.Count() > 0) {
        TMemoryStream m;
        const_cast<TGIFExtensionList&>(source.Extensions).SaveToStream(m);
        m.SetPosition(0);
        Extensions.LoadFromStream(m, this);
    }
}

void TGIFSubImage::Assign(const TGraphic& graphic)
{
    TBitmap work;
    if (const auto* b = dynamic_cast<const TBitmap*>(&graphic)) {
        work.Assign(*b);
    } else {
        try {
            work.Assign(graphic);
        } catch (const Exception&) {
            work.SetPixelFormat(pf24bit);
            work.SetSize(graphic.Width(), graphic.Height());
            graphic.Draw(work.Canvas(), Rect(0, 0, graphic.Width(), graphic.Height()));
        }
        work.SetTransparent(false);   // only bitmaps bring their transparency
    }
    Clear();
    if (work.Empty()) return;
    SetBounds(left_, top_, work.Width(), work.Height());
    TGifPicture* p = Picture();
    if (p) p->Progress(this, psStarting, 0, false, GifText::Converting);

    TPixelFormat format = work.PixelFormat();
    TBitmap source(work);
    std::unique_ptr<TBitmap> reduced;
    TBitmap* from = &source;
    std::unique_ptr<TDIBReader> reader;
    if (format == pf1bit || format == pf4bit || format == pf8bit) {
        try {
            reader = std::make_unique<TDIBReader>(source, pf8bit);
        } catch (const GIFException&) {
            format = pf24bit;   // more colours than its format holds: reduced as any other
        }
    } else {
        format = pf24bit;
    }
    if (!reader) {
        reduced = ReduceColors(source, p ? p->ReduceMethod : GIFDefaultReduceMethod,
                               p ? p->DitherKind : GIFDefaultDitherKind, p ? p->ReduceBits : GIFDefaultReduceBits, {});
        from = reduced.get();
        if (from->PixelFormat() == pf8bit) reader = std::make_unique<TDIBReader>(*from, pf8bit);
    }
    if (reader) {
        ColorMap.ImportPalette(reader->Palette());
        for (int y = 0; y < height_; ++y) {
            ReportRow(*this, y, height_, GifText::Converting);
            std::copy_n(reader->Scanline(y), width_, Data.data() + size_t(y) * size_t(width_));
        }
    } else {
        // 24 bits: each colour found or added in the map, through a cache of the last 8.
        TDIBReader rgb(*from, pf24bit);
        struct Cached { TGIFColor color; int index; };
        Cached cache[8];
        int cached = 0, last = -1;
        for (int y = 0; y < height_; ++y) {
            ReportRow(*this, y, height_, GifText::Converting);
            const uint8_t* row = rgb.Scanline(y);
            uint8_t* dst = Data.data() + size_t(y) * size_t(width_);
            for (int x = 0; x < width_; ++x) {
                const TGIFColor c{row[3 * x + 2], row[3 * x + 1], row[3 * x]};
                int index = -1;
                for (int k = 0, at = last; k < cached; ++k, at = (at + 7) % 8)
                    if (cache[at].color == c) {
                        index = cache[at].index;
                        break;
                    }
                if (index < 0) {
                    index = ColorMap.AddUnique(c);
                    last = (last + 1) % 8;
                    cache[last] = {c, index};
                    cached = std::min(cached + 1, 8);
                }
                dst[x] = uint8_t(index);
            }
        }
    }
    if (p) p->Progress(this, psEnding, 100, false, GifText::Converting);
    if (work.Transparent()) {
        const TColor key = ColorToRGB(work.TransparentColor());
        std::vector<uint8_t> mask(Data.size(), 0);
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                mask[size_t(y) * size_t(width_) + size_t(x)] = (work.Pixels(x, y) & 0xFFFFFF) == key;
        ImportTransparency(mask);
    }
    FreeBitmap();
}

void TGIFSubImage::ImportTransparency(const std::vector<uint8_t>& mask)
{
    if (ColorMap.Count() == 0 || ColorMap.Count() >= 256) return;
    const int index = ColorMap.Add({0, 0, 0});
    bool any = false;
    for (size_t i = 0; i < mask.size() && i < Data.size(); ++i)
        if (mask[i]) {
            Data[i] = uint8_t(index);
            any = true;
        }
    if (!any) {
        ColorMap.Delete(index);
        return;
    }
    auto gce = std::make_unique<TGIFGraphicControlExtension>(this);
    gce->TransparentIndex = uint8_t(index);
    gce->SetTransparent(true);
    Extensions.Add(std::move(gce));
}
