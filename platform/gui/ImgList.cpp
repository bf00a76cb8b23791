#include "platform/gui/ImgList.h"

#include <QImage>
#include <QPainter>

#include <vector>

#include "platform/gui/GraphicsQt.h"
#include "platform/gui/Pictures.h"

struct TImageList::Impl
{
    std::vector<QImage> images;
};

TImageList::TImageList(TComponent* AOwner) : TComponent(AOwner), d_(std::make_unique<Impl>())
{
}

TImageList::~TImageList() = default;

void TImageList::SetSize(int width, int height)
{
    width_ = std::max(1, width);
    height_ = std::max(1, height);
    d_->images.clear();
    Changed();
}

int TImageList::Count() const
{
    return static_cast<int>(d_->images.size());
}

static QImage Prepared(const TBitmap& image, int w, int h, bool keyed, TColor key)
{
    QImage src = BitmapImage(image).convertToFormat(QImage::Format_ARGB32);
    if (keyed)
    {
        QRgb k = TColorToQRgb(key) & 0xFFFFFF;
        for (int y = 0; y < src.height(); ++y)
        {
            auto* row = reinterpret_cast<QRgb*>(src.scanLine(y));
            for (int x = 0; x < src.width(); ++x)
                if ((row[x] & 0xFFFFFF) == k)
                    row[x] = 0;
        }
    }
    QImage out(w, h, QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    QPainter p(&out);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, src, 0, 0, std::min(w, src.width()), std::min(h, src.height()));
    return out;
}

int TImageList::Add(const TBitmap& image)
{
    d_->images.push_back(Prepared(image, width_, height_, image.Transparent(), image.TransparentColor()));
    Changed();
    return Count() - 1;
}

int TImageList::AddMasked(const TBitmap& image, TColor maskColor)
{
    d_->images.push_back(Prepared(image, width_, height_, true, maskColor));
    Changed();
    return Count() - 1;
}

void TImageList::Replace(int index, const TBitmap& image)
{
    if (index < 0 || index >= Count())
        return;
    d_->images[static_cast<size_t>(index)] =
        Prepared(image, width_, height_, image.Transparent(), image.TransparentColor());
    Changed();
}

void TImageList::Delete(int index)
{
    if (index < 0 || index >= Count())
        return;
    d_->images.erase(d_->images.begin() + index);
    Changed();
}

void TImageList::Clear()
{
    d_->images.clear();
    Changed();
}

const QImage* TImageList::Image(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return &d_->images[static_cast<size_t>(index)];
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const
{
    const QImage* img = Image(index);
    if (!img)
        return;
    if (enabled)
    {
        CanvasDrawQImage(canvas, Bounds(x, y, width_, height_), *img, true, clNone);
        return;
    }
    QImage grey = img->convertToFormat(QImage::Format_ARGB32);
    for (int yy = 0; yy < grey.height(); ++yy)
    {
        auto* row = reinterpret_cast<QRgb*>(grey.scanLine(yy));
        for (int xx = 0; xx < grey.width(); ++xx)
        {
            int g = qGray(row[xx]) / 2 + 100;
            row[xx] = qRgba(g, g, g, qAlpha(row[xx]));
        }
    }
    CanvasDrawQImage(canvas, Bounds(x, y, width_, height_), grey, true, clNone);
}

bool TImageList::GetBitmap(int index, TBitmap& dest) const
{
    const QImage* img = Image(index);
    if (!img)
        return false;
    dest.SetPixelFormat(pf32bit);
    SetBitmapImage(dest, *img);
    return true;
}

void TImageList::Changed()
{
    if (OnChange)
        OnChange(this);
}
