#include "codecs/GifPicture.h"

#include <algorithm>

#include "platform/gui/Clipbrd.h"

TGIFPaintOptions GIFDefaultPaintOptions = 0x060F;
int GIFDefaultReduceMethod = rmNetscape;
int GIFDefaultReduceBits = 8;
int GIFDefaultDitherKind = dmNearest;
int GIFDefaultCompressKind = 0;
int GIFDefaultSpeedPercent = 100;
bool GIFRenderOnLoad = false;
bool GIFOptimizeOnStore = false;

TGifPicture::TGifPicture()
    : PaintOptions(GIFDefaultPaintOptions),
      ReduceMethod(GIFDefaultReduceMethod),
      ReduceBits(GIFDefaultReduceBits),
      DitherKind(GIFDefaultDitherKind),
      CompressKind(GIFDefaultCompressKind),
      SpeedPercent(GIFDefaultSpeedPercent),
      header_(std::make_unique<TGIFHeader>(this)),
      images_(std::make_unique<TGIFImageList>(this))
{
}

TGifPicture::TGifPicture(const TGifPicture& other) : TGifPicture()
{
    ReduceBits = other.ReduceBits;
    CompressKind = other.CompressKind;
    Assign(other);
}

TGifPicture::~TGifPicture()
{
    StopPainters();
    painters_.clear();
    images_->Clear();
}

// ---- the tree's questions -------------------------------------------------------------------

void TGifPicture::Warning(TGIFPersistent* sender, int severity, const std::string& message)
{
    if (OnWarning) OnWarning(sender, severity, message);
}

void TGifPicture::Progress(TGIFPersistent* sender, TProgressStage stage, int percent, bool redraw,
                           const std::string& message)
{
    if (OnProgress) OnProgress(sender, stage, percent, redraw, message);
}

int TGifPicture::MaxVersion() const
{
    int v = 0;
    for (int i = 0; i < images_->Count() && v < 2; ++i) v = std::max(v, (*images_)[i]->GetVersion());
    if (v > 0) v = std::max(v, header_->GetVersion());
    return v;
}

int TGifPicture::BitsPerPixel() const
{
    int bits = header_->ColorMap.BitsPerPixel();
    for (int i = 0; i < images_->Count(); ++i) bits = std::max(bits, (*images_)[i]->ColorMap.BitsPerPixel());
    return bits;
}

int TGifPicture::ColorResolution() const { return BitsPerPixel() - 1; }

void TGifPicture::GlobalHistogram(std::vector<int64_t>& usage) const
{
    for (int i = 0; i < images_->Count(); ++i) {
        const TGIFSubImage& f = *(*images_)[i];
        if (f.ColorMap.Count() > 0) continue;
        for (uint8_t p : f.Data)
            if (p < usage.size()) ++usage[p];
    }
}

void TGifPicture::MapGlobalImages(const std::vector<uint8_t>& table)
{
    for (int i = 0; i < images_->Count(); ++i) {
        TGIFSubImage& f = *(*images_)[i];
        if (f.ColorMap.Count() > 0) continue;
        for (uint8_t& p : f.Data) p = table[p];
        if (f.Transparent() && f.GraphicControlExtension)
            f.GraphicControlExtension->TransparentIndex = table[f.GraphicControlExtension->TransparentIndex];
        f.FreeBitmap();
    }
    FreeBitmap();
}

void TGifPicture::CheckTotalPixelsOf(const TGIFImageList& list) const
{
    int64_t total = 0;
    for (int i = 0; i < list.Count(); ++i) total += int64_t(list[i]->Width()) * list[i]->Height();
    if (total > GIFMaxTotalPixels) Error(GifText::ImageTooLarge);
}

// ---- life ---------------------------------------------------------------------------------------

void TGifPicture::FreeBitmap() const
{
    if (activePainter_) activePainter_->Stop();
    activePainter_ = nullptr;
    bitmap_.reset();
}

void TGifPicture::StopPainters()
{
    for (auto& painter : painters_) painter->Stop();
    activePainter_ = nullptr;
}

void TGifPicture::Clear()
{
    StopPainters();
    FreeBitmap();
    images_->Clear();
    header_->ColorMap.Clear();
    header_->Width = header_->Height = 0;
    header_->Prepare();
    SetPalette({});
}

void TGifPicture::LoadFromStream(TStream& stream)
{
    Progress(nullptr, psStarting, 0, false, GifText::Loading);
    const int64_t start = stream.Position();
    StopPainters();
    FreeBitmap();
    // Read into a new tree; the old one comes back when reading fails.
    std::unique_ptr<TGIFHeader> oldHeader = std::move(header_);
    std::unique_ptr<TGIFImageList> oldImages = std::move(images_);
    header_ = std::make_unique<TGIFHeader>(this);
    images_ = std::make_unique<TGIFImageList>(this);
    try {
        header_->LoadFromStream(stream);
        images_->LoadFromStream(stream, this);
        TGIFTrailer(this).LoadFromStream(stream);
    } catch (...) {
        header_ = std::move(oldHeader);
        images_ = std::move(oldImages);
        stream.SetPosition(start);
        Progress(nullptr, psEnding, 0, true, GifText::Loading);
        throw;
    }
    palette_ = {};
    Progress(nullptr, psEnding, 100, true, GifText::Loading);
    Changed();
}

void TGifPicture::SaveToStream(TStream& stream) const
{
    auto* self = const_cast<TGifPicture*>(this);
    self->Progress(nullptr, psStarting, 0, false, GifText::Saving);
    header_->SaveToStream(stream);
    images_->SaveToStream(stream);
    TGIFTrailer(self).SaveToStream(stream);
    self->Progress(nullptr, psEnding, 100, true, GifText::Saving);
}

void TGifPicture::WriteData(TStream& stream) const
{
    if (GIFOptimizeOnStore) const_cast<TGifPicture*>(this)->Optimize(0x1F, rmNone, dmNearest, 8);
    SaveToStream(stream);
}

// ---- bitmap and palette ----------------------------------------------------------------------

const TBitmap* TGifPicture::Bitmap() const
{
    if (Empty()) return nullptr;
    if (bitmap_) return bitmap_.get();
    TGIFSubImage& first = *(*images_)[0];
    auto bitmap = std::make_unique<TBitmap>();
    if (first.Width() == Width() && first.Height() == Height() && first.Left() == 0 && first.Top() == 0) {
        if (const TBitmap* b = first.GetBitmap()) bitmap->Assign(*b);
    } else {
        CheckImageSize(Width(), Height());
        bitmap->SetPixelFormat(pf24bit);
        bitmap->SetSize(Width(), Height());
        first.Draw(bitmap->Canvas(), Rect(0, 0, Width(), Height()), false, false);
    }
    bitmap_ = std::move(bitmap);
    bitmap_->OnChange = [this](TGraphic&) { const_cast<TGifPicture*>(this)->Changed(); };
    return bitmap_.get();
}

bool TGifPicture::UsesStandardPalette() const
{
    return (PaintOptions & poStandardPalette) && (!(PaintOptions & poPaletteDisplaysOnly) || PaletteDisplay);
}

TLogPalette TGifPicture::GetPalette() const
{
    if (inPalette_) Error(GifText::NoColorTable);
    inPalette_ = true;
    struct Leave { bool& flag; ~Leave() { flag = false; } } leave{inPalette_};
    if (!palette_.Empty()) return palette_;
    if (UsesStandardPalette()) return palette_ = WebPalette();
    if (header_->ColorMap.Count() > 0) return palette_ = header_->ColorMap.ExportPalette();
    if (images_->Count() > 0 && (*images_)[0]->ColorMap.Count() > 0) return (*images_)[0]->GetPalette();
    return {};
}

void TGifPicture::SetPalette(const TLogPalette& palette)
{
    if (palette == palette_) return;
    palette_ = palette;
    FreeBitmap();
    Changed();
}

void TGifPicture::SetWidth(int width)
{
    for (int i = 0; i < images_->Count(); ++i)
        if ((*images_)[i]->Left() + (*images_)[i]->Width() > width) Error(GifText::WidthTooSmall);
    if (width == header_->Width) return;
    header_->Width = uint16_t(width);
    FreeBitmap();
    Changed();
}

void TGifPicture::SetHeight(int height)
{
    for (int i = 0; i < images_->Count(); ++i)
        if ((*images_)[i]->Top() + (*images_)[i]->Height() > height) Error(GifText::HeightTooSmall);
    if (height == header_->Height) return;
    header_->Height = uint16_t(height);
    FreeBitmap();
    Changed();
}

// ---- assigning ----------------------------------------------------------------------------------

int TGifPicture::Add(std::unique_ptr<TGIFSubImage> frame)
{
    frame->Image = this;
    int index = images_->Add(std::move(frame));
    FreeBitmap();
    Changed();
    return index;
}

int TGifPicture::Add(const TGraphic& graphic)
{
    auto frame = std::make_unique<TGIFSubImage>(this);
    frame->Assign(graphic);
    return Add(std::move(frame));
}

void TGifPicture::Assign(const TGraphic& source)
{
    if (&source == this) return;
    Clear();
    const auto* gif = dynamic_cast<const TGifPicture*>(&source);
    if (!gif) {
        Add(source);
        return;
    }
    OnProgress = gif->OnProgress;
    struct Leave { TGifPicture& p; ~Leave() { p.OnProgress = nullptr; p.OnWarning = nullptr; } } leave{*this};
    Progress(nullptr, psStarting, 0, false, GifText::Copying);
    header_->Assign(*gif->header_);
    PainterPriority = gif->PainterPriority;
    BackdropColor = gif->BackdropColor;
    PaintOptions = gif->PaintOptions;
    ReduceMethod = gif->ReduceMethod;
    DitherKind = gif->DitherKind;
    FixedFrame = gif->FixedFrame;
    OnWarning = gif->OnWarning;
    OnPaintStart = gif->OnPaintStart;
    OnFramePaint = gif->OnFramePaint;
    OnFramePainted = gif->OnFramePainted;
    OnLoopRestart = gif->OnLoopRestart;
    OnPaintEnd = gif->OnPaintEnd;
    const int n = gif->images_->Count();
    for (int i = 0; i < n; ++i) {
        auto frame = std::make_unique<TGIFSubImage>(this);
        frame->Assign(*(*gif->images_)[i]);
        images_->Add(std::move(frame));
        Progress(nullptr, psRunning, (i + 1) * 100 / n, false, GifText::Copying);
    }
    Progress(nullptr, psEnding, 100, false, GifText::Copying);
    Changed();
}

void TGifPicture::AssignTo(TBitmap& dest) const
{
    if (const TBitmap* b = Bitmap())
        dest.Assign(*b);
    else
        TGraphic::AssignTo(dest);
}

std::unique_ptr<TGraphic> TGifPicture::Clone() const { return std::make_unique<TGifPicture>(*this); }

// ---- drawing --------------------------------------------------------------------------------------

void TGifPicture::StretchOrTile(TCanvas& canvas, const TRect& r, const TBitmap& bitmap) const
{
    if (!(PaintOptions & poTile)) {
        canvas.StretchDraw(r, bitmap);
        return;
    }
    for (int x = r.Left; x < r.Right; x += std::max(Width(), 1))
        for (int y = r.Top; y < r.Bottom; y += std::max(Height(), 1))
            canvas.StretchDraw(Bounds(x, y, Width(), Height()), bitmap);
}

void TGifPicture::Draw(TCanvas& canvas, const TRect& r) const
{
    if (drawing_ || Empty()) return;
    drawing_ = true;
    struct Leave { bool& flag; ~Leave() { flag = false; } } leave{drawing_};
    // Painters that ended are let go here, outside their own timer's call.
    std::erase_if(painters_, [](const std::unique_ptr<TGIFPainter>& p) { return p->Finished(); });
    if (images_->Count() > 1 && (PaintOptions & poAnimate)) {
        if (!bitmap_ || !activePainter_) {
            FreeBitmap();
            CheckImageSize(Width(), Height());
            bitmap_ = std::make_unique<TBitmap>();
            bitmap_->SetPixelFormat(pf24bit);
            bitmap_->SetSize(Width(), Height());
            StartPainter();
        }
        StretchOrTile(canvas, r, *bitmap_);
        return;
    }
    const int n = images_->Count();
    TGIFSubImage& frame = *(*images_)[FixedFrame >= 0 && FixedFrame < n ? FixedFrame : 0];
    frame.Draw(canvas, r, PaintOptions & poTile, PaintOptions & poTransparent);
}

void TGifPicture::StartPainter() const
{
    if (Empty() || Width() <= 0 || Height() <= 0) {
        activePainter_ = nullptr;
        return;
    }
    TGIFPaintOptions options = PaintOptions;
    if (images_->Count() == 1) options &= ~(poThreaded | poAnimate);
    auto painter = std::make_unique<TGIFPainter>(const_cast<TGifPicture*>(this), options);
    painter->OnPaintStart = OnPaintStart;
    painter->OnFramePaint = OnFramePaint;
    painter->OnFramePainted = OnFramePainted;
    painter->OnLoopRestart = OnLoopRestart;
    painter->OnPaintEnd = OnPaintEnd;
    activePainter_ = painter.get();
    painters_.push_back(std::move(painter));
    activePainter_->Start();
}

// ---- clipboard ------------------------------------------------------------------------------------

void TGifPicture::SaveToClipboard() const
{
    if (Empty()) return;
    TMemoryStream m;
    SaveToStream(m);
    std::vector<uint8_t> data(m.Memory(), m.Memory() + m.Size());
    try {
        Clipboard()->SetFormatData(GIFClipboardFormat, data, Bitmap());
    } catch (const Exception&) {
        Error(GifText::ClipboardStore);
    }
}

void TGifPicture::LoadFromClipboard()
{
    std::vector<uint8_t> data = Clipboard()->FormatData(GIFClipboardFormat);
    if (!data.empty()) {
        TMemoryStream m;
        m.WriteBuffer(data.data(), long(data.size()));
        m.SetPosition(0);
        LoadFromStream(m);
        return;
    }
    TBitmap b;
    if (!Clipboard()->GetBitmap(b)) Error(GifText::ClipboardFormat);
    Assign(b);
}

void RegisterGifFormat()
{
    TPicture::RegisterFileFormat("gif", GIFClipboardFormat, [] { return std::make_unique<TGifPicture>(); });
}
