// Making a picture smaller before it is written: colour maps sorted by use,
// transparency and disposal that change nothing dropped, pixels that repeat the
// frame below made transparent, transparent borders cropped, extensions that
// carry no picture information removed.
#include <algorithm>

#include "codecs/GifPicture.h"

void TGIFSubImage::Crop()
{
    if (Empty() || !transparent_) return;
    const int ti = TransparentIndex();
    int top = height_, bottom = -1, left = width_, right = -1;
    for (int y = 0; y < height_; ++y) {
        const uint8_t* row = Data.data() + size_t(y) * size_t(width_);
        for (int x = 0; x < width_; ++x)
            if (row[x] != ti) {
                top = std::min(top, y);
                bottom = y;
                left = std::min(left, x);
                right = std::max(right, x);
            }
    }
    if (bottom < 0) {
        Clear();
        return;
    }
    const int w = right - left + 1, h = bottom - top + 1;
    std::vector<uint8_t> box(size_t(w) * size_t(h));
    for (int y = 0; y < h; ++y)
        std::copy_n(Data.data() + size_t(top + y) * size_t(width_) + size_t(left), w, box.data() + size_t(y) * size_t(w));
    Data = std::move(box);
    left_ += left;
    top_ += top;
    width_ = w;
    height_ = h;
    FreeBitmap();
}

namespace {

// The colour a frame's pixel shows.
TGIFColor ColorOf(TGIFSubImage& f, uint8_t p)
{
    TGIFColorMap& map = f.ActiveColorMap();
    return p < map.Count() ? map.Entry(p) : TGIFColor{};
}

// A transparent index for a frame that has none yet; -1 when its map is full.
int NewTransparentIndex(TGifPicture& picture, TGIFSubImage& frame)
{
    if (frame.ColorMap.Count() > 0) return frame.ColorMap.Count() < 256 ? frame.ColorMap.Add({0, 0, 0}) : -1;
    TGIFColorMap& global = picture.Header().ColorMap;
    for (int i = 0; i < picture.Images().Count(); ++i) {
        TGIFSubImage& other = *picture.Images()[i];
        if (&other != &frame && other.Transparent() && other.ColorMap.Count() == 0) return other.TransparentIndex();
    }
    return global.Count() >= 1 && global.Count() < 256 ? global.Add({0, 0, 0}) : -1;
}

// Pixels of frame i that show what frame j below shows become transparent.
void Merge(TGifPicture& picture, TGIFSubImage& fi, TGIFSubImage& fj)
{
    if (fi.Empty() || fj.Empty()) return;
    if (fj.GraphicControlExtension && fj.GraphicControlExtension->Disposal() >= 2) return;
    TRect both;
    if (!IntersectRect(both, fi.BoundsRect(), fj.BoundsRect())) return;
    int ti = fi.TransparentIndex();
    const int tj = fj.TransparentIndex();
    const bool wasTransparent = fi.Transparent();
    const bool sameMap = &fi.ActiveColorMap() == &fj.ActiveColorMap();
    for (int y = both.Top; y < both.Bottom; ++y)
        for (int x = both.Left; x < both.Right; ++x) {
            uint8_t& pi = fi.Data[size_t(y - fi.Top()) * size_t(fi.Width()) + size_t(x - fi.Left())];
            const uint8_t pj = fj.Data[size_t(y - fj.Top()) * size_t(fj.Width()) + size_t(x - fj.Left())];
            if (pi == ti || pj == tj) continue;
            if (!(sameMap ? pi == pj : ColorOf(fi, pi) == ColorOf(fj, pj))) continue;
            if (ti < 0) {
                ti = NewTransparentIndex(picture, fi);
                if (ti < 0) return;
            }
            pi = uint8_t(ti);
        }
    if (!wasTransparent && ti >= 0) {
        if (!fi.GraphicControlExtension) fi.Extensions.Add(std::make_unique<TGIFGraphicControlExtension>(&fi));
        fi.GraphicControlExtension->TransparentIndex = uint8_t(ti);
        fi.GraphicControlExtension->SetTransparent(true);
    }
    fi.FreeBitmap();
}

}  // namespace

void TGifPicture::Optimize(unsigned options, int method, int, int)
{
    if (Empty()) return;
    StopPainters();
    FreeBitmap();
    TGIFImageList& images = *images_;
    const int total = 6 * std::max(images.Count(), 1);
    int step = 0;
    auto advance = [&](int n) {
        step += n;
        Progress(nullptr, psRunning, std::min(step * 100 / total, 100), false, GifText::Optimizing);
    };
    Progress(nullptr, psStarting, 0, false, GifText::Optimizing);

    if (options & 0x08) {
        if (header_->ColorMap.Count() > 0) header_->ColorMap.Optimize();
        for (int i = 0; i < images.Count(); ++i) {
            if (images[i]->ColorMap.Count() > 0) images[i]->ColorMap.Optimize();
            advance(1);
        }
    } else {
        advance(images.Count());
    }

    if (options & 0x04) {
        for (int i = 0; i < images.Count(); ++i) {
            TGIFSubImage& f = *images[i];
            if (f.Transparent() && std::find(f.Data.begin(), f.Data.end(), uint8_t(f.TransparentIndex())) == f.Data.end())
                f.GraphicControlExtension->SetTransparent(false);
            advance(1);
        }
        for (int i = 0; i + 1 < images.Count(); ++i) {
            TGIFSubImage& f = *images[i];
            TGIFSubImage& next = *images[i + 1];
            TRect both;
            if (f.GraphicControlExtension && f.GraphicControlExtension->Disposal() >= 2 &&
                f.GraphicControlExtension->Disposal() <= 3 && !next.Transparent() &&
                IntersectRect(both, f.BoundsRect(), next.BoundsRect()) && both == next.BoundsRect())
                f.GraphicControlExtension->SetDisposal(0);
            advance(1);
        }
    } else {
        advance(2 * images.Count());
    }

    if (options & 0x02) {
        for (int i = images.Count() - 1; i >= 1; --i) {
            int j = i - 1;
            while (j >= 1 && images[j]->GraphicControlExtension && images[j]->GraphicControlExtension->Disposal() == 3)
                --j;
            Merge(*this, *images[i], *images[j]);
            advance(1);
        }
    } else {
        advance(images.Count());
    }

    if (options & 0x01) {
        for (int i = images.Count() - 1; i >= 0; --i) {
            TGIFSubImage& f = *images[i];
            if (f.Empty() || !f.Transparent()) continue;
            const int delay = f.Delay();
            f.Crop();
            if (f.Empty()) {
                if (i > 0 && images[i - 1]->Transparent() && images[i - 1]->GraphicControlExtension)
                    images[i - 1]->GraphicControlExtension->SetDelay(images[i - 1]->Delay() + delay);
                images.Delete(i);
            }
            advance(1);
        }
    } else {
        advance(images.Count());
    }

    if (options & 0x04) {
        const int count = images.Count();
        for (int i = count - 1; i >= 0; --i) {
            TGIFSubImage& f = *images[i];
            for (int k = f.Extensions.Count() - 1; k >= 0; --k) {
                TGIFExtension* e = f.Extensions[k];
                const bool loop = dynamic_cast<TGIFAppExtNSLoop*>(e) != nullptr;
                if (dynamic_cast<TGIFCommentExtension*>(e) || dynamic_cast<TGIFTextExtension*>(e) ||
                    dynamic_cast<TGIFUnknownAppExtension*>(e) || (loop && (i != 0 || count == 1)))
                    f.Extensions.Delete(k);
            }
            if (TGIFGraphicControlExtension* g = f.GraphicControlExtension) {
                if ((g->Delay() == 0 || count == 1) && !g->Transparent() && !g->UserInput() &&
                    (g->Disposal() < 2 || count == 1))
                    f.Extensions.Delete(f.Extensions.IndexOf(g));
            }
            if (f.Empty() && f.Extensions.Count() == 0) images.Delete(i);
        }
    } else if ((options & 0x10) && method == rmPalette) {
        Error(GifText::InvalidReduction);
    }
    Progress(nullptr, psEnding, 100, false, GifText::Optimizing);
    Changed();
}
