#include "ui/Motif.h"

#include "codecs/PngPicture.h"
#include "platform/gui/Pictures.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"

#include <algorithm>

void TMarge::Set(uint16_t& champ, uint16_t v)
{
    if (champ == v)
        return;
    champ = v;
    if (OnChange)
        OnChange(*this);
}

void TMarge::SetMarges(uint16_t l, uint16_t t, uint16_t r, uint16_t b)
{
    if (l == left_ && t == top_ && r == right_ && b == bottom_)
        return;
    left_ = l;
    top_ = t;
    right_ = r;
    bottom_ = b;
    if (OnChange)
        OnChange(*this);
}

std::vector<TPieceMotif> PlanMotif(int sw, int sh, int l, int t, int r, int b, const TRect& dest)
{
    std::vector<TPieceMotif> plan;
    if (sw <= 0 || sh <= 0)
        return plan;
    const int x0 = dest.Left, y0 = dest.Top, dw = dest.Width(), dh = dest.Height();
    if (dw <= 0 || dh <= 0)
        return plan;
    // A piece of the picture at (x, y); source rectangles are kept inside the picture.
    auto piece = [&](int sx, int sy, int w, int h, int x, int y) {
        if (sx < 0) { w += sx; x -= sx; sx = 0; }
        if (sy < 0) { h += sy; y -= sy; sy = 0; }
        w = std::min(w, sw - sx);
        h = std::min(h, sh - sy);
        if (w > 0 && h > 0)
            plan.push_back({Rect(sx, sy, sx + w, sy + h), Rect(x, y, x + w, y + h)});
    };

    if (l == 0 && t == 0 && r == 0 && b == 0)
    {
        for (int j = 0; j <= dh / sh; ++j)
            for (int i = 0; i <= dw / sw; ++i)
                piece(0, 0, sw, sh, x0 + i * sw, y0 + j * sh);
        return plan;
    }

    const int cw = sw - l - r, ch = sh - t - b;
    const int nx = cw > 0 ? std::max(0, (dw - l - r) / cw) : 0;
    const int ny = ch > 0 ? std::max(0, (dh - t - b) / ch) : 0;
    const int xFin = x0 + dw, yFin = y0 + dh;

    if (t > 0)
    {
        piece(0, 0, l, t, x0, y0);
        for (int i = 0; i < nx; ++i)
            piece(l, 0, cw, t, x0 + l + i * cw, y0);
        const int x = x0 + l + nx * std::max(cw, 0);
        const int reste = xFin - x;
        if (reste > 0)
            piece(sw - reste, 0, reste, t, x, y0);
    }
    if (l > 0 && ch > 0)
        for (int j = 0; j <= ny; ++j)
            piece(0, t, l, ch, x0, y0 + t + j * ch);

    const int nx2 = r > 0 ? nx - 1 : nx;
    const int ny2 = b > 0 ? ny - 1 : ny;
    if (cw > 0 && ch > 0 && nx2 >= 0 && ny2 >= 0)
        for (int j = 0; j <= ny2; ++j)
            for (int i = 0; i <= nx2; ++i)
                piece(l, t, cw, ch, x0 + l + i * cw, y0 + t + j * ch);
    // Where the centre area ends, in each direction on its own.
    const int cxFin = x0 + l + (cw > 0 && nx2 >= 0 ? (nx2 + 1) * cw : 0);
    const int cyFin = y0 + t + (ch > 0 && ny2 >= 0 ? (ny2 + 1) * ch : 0);

    if (b > 0)
    {
        const int hb = yFin - cyFin;
        if (hb > 0)
        {
            piece(0, sh - hb, l, hb, x0, cyFin);
            if (cw > 0)
                for (int i = 0; i <= nx2; ++i)
                    piece(l, sh - hb, cw, hb, x0 + l + i * cw, cyFin);
            const int reste = xFin - cxFin;
            if (reste > 0)
                piece(sw - reste, sh - hb, reste, hb, cxFin, cyFin);
        }
    }
    if (r > 0 && ch > 0)
    {
        const int reste = xFin - cxFin;
        if (reste > 0)
            for (int j = 0; j <= ny2; ++j)
                piece(sw - reste, t, reste, ch, cxFin, y0 + t + j * ch);
    }
    return plan;
}

void PeintMotif(TCanvas& canvas, const TBitmap& image, const TMarge& marge, const TRect& dest)
{
    const int sw = image.Width(), sh = image.Height();
    const int dw = dest.Width(), dh = dest.Height();
    if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0)
        return;
    const auto plan = PlanMotif(sw, sh, marge.Left(), marge.Top(), marge.Right(), marge.Bottom(), Rect(0, 0, dw, dh));
    // The pieces are copied, alpha included, into a picture of the destination's
    // size (later pieces replace earlier ones); the result is then drawn over the
    // canvas with its transparency.
    std::vector<uint32_t> pixels(static_cast<size_t>(dw) * dh, 0);
    for (const TPieceMotif& p : plan)
    {
        const int x0 = std::max(p.Dest.Left, 0), x1 = std::min(p.Dest.Right, dw);
        const int y0 = std::max(p.Dest.Top, 0), y1 = std::min(p.Dest.Bottom, dh);
        if (x0 >= x1)
            continue;
        for (int y = y0; y < y1; ++y)
        {
            const uint32_t* src = image.ScanLine(p.Source.Top + y - p.Dest.Top) + p.Source.Left + (x0 - p.Dest.Left);
            std::copy_n(src, x1 - x0, pixels.data() + static_cast<size_t>(y) * dw + x0);
        }
    }
    canvas.DrawImage32(dest, pixels.data(), dw, dh, dw, true);
}

bool ChargeImageBitmap(const std::string& fichier, TBitmap& bitmap)
{
    if (!FileExists(fichier))
        return false;
    try
    {
        if (CompareText(ExtractFileExt(fichier), ".png") == 0)
        {
            TPngPicture png;
            png.LoadFromFile(fichier);
            const int w = png.Width(), h = png.Height();
            const std::vector<uint32_t> pixels = png.ToArgb32();
            TBitmap b;
            b.SetPixelFormat(pf32bit);
            b.SetSize(w, h);
            for (int y = 0; y < h; ++y)
                std::copy_n(pixels.data() + static_cast<size_t>(y) * w, w, b.ScanLine(y));
            bitmap.Assign(b);
            return true;
        }
        TPicture picture;
        picture.LoadFromFile(fichier);
        if (!picture.Graphic())
            return false;
        bitmap.Assign(*picture.Graphic());
        return true;
    }
    catch (const std::exception&)
    {
        return false;
    }
}
