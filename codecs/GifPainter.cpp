// The animation painter: frames painted one after another into the picture's
// bitmap, each shown for its delay, with the disposal methods and the loop count.
// It runs from a timer on the interface thread, so no frame changes under it.
#include <algorithm>
#include <climits>

#include "codecs/GifPicture.h"
#include "platform/gui/ExtCtrls.h"

TGIFPainter::TGIFPainter(TGifPicture* image, TGIFPaintOptions options)
    : Image(image), Options(options), Speed(image->SpeedPercent)
{
    timer_ = std::make_unique<TTimer>(nullptr);
    timer_->SetEnabled(false);
    timer_->OnTimer = [this](TObject*) { Tick(); };
    if (Image->BackdropColor != clNone)
        backgroundColor_ = ColorToRGB(Image->BackdropColor);
    else if (Image->Header().ColorMap.Count() == 0)
        backgroundColor_ = ColorToRGB(clWindow);
    else
        backgroundColor_ = Image->Header().BackgroundColor();
}

TGIFPainter::~TGIFPainter() = default;

// The background as a pixel: see-through with poTransparent, else its colour.
uint32_t TGIFPainter::Ground() const
{
    if (Options & poTransparent) return 0;
    return 0xFF000000u | uint32_t(GetRValue(backgroundColor_)) << 16 | uint32_t(GetGValue(backgroundColor_)) << 8 |
           uint32_t(GetBValue(backgroundColor_));
}

void TGIFPainter::Fire(const TNotifyEvent& event)
{
    if (event && !finished_) event(this);
}

void TGIFPainter::Start()
{
    TBitmap* target = Image->bitmap_.get();
    if (!target) return;
    // The picture's area starts as its background: see-through with poTransparent.
    target->SetPixelFormat((Options & poTransparent) ? pf32bit : pf24bit);
    const uint32_t ground = Ground();
    for (int y = 0; y < target->Height(); ++y) std::fill_n(target->ScanLine(y), target->Width(), ground);
    ActiveFrame = 0;
    loopStart_ = 0;
    loops_ = 1;
    loopSeen_ = false;
    started_ = false;
    PreviousDisposal = 1;
    Fire(OnPaintStart);
    PaintFrame();
}

void TGIFPainter::Stop()
{
    finished_ = true;
    delayMs_ = 0;
    timer_->SetEnabled(false);
    if (Image && Image->activePainter_ == this) Image->activePainter_ = nullptr;
}

void TGIFPainter::Finish()
{
    timer_->SetEnabled(false);
    delayMs_ = 0;
    ActiveFrame = -1;
    Fire(OnPaintEnd);
    Stop();
}

void TGIFPainter::RestoreBackground(TBitmap& target, const TGIFSubImage& frame)
{
    const uint32_t ground = Ground();
    TRect area;
    if (!IntersectRect(area, frame.BoundsRect(), Rect(0, 0, target.Width(), target.Height()))) return;
    for (int y = area.Top; y < area.Bottom; ++y) std::fill_n(target.ScanLine(y) + area.Left, area.Width(), ground);
}

void TGIFPainter::PaintFrame()
{
    TGIFImageList& images = Image->Images();
    if (finished_) return;
    if (ActiveFrame < 0 || ActiveFrame >= images.Count() || images[ActiveFrame]->Empty()) {
        EndPass();
        return;
    }
    TBitmap* target = Image->bitmap_.get();
    if (!target) {
        Stop();
        return;
    }
    Fire(OnFramePaint);
    if (finished_) return;
    TGIFSubImage& frame = *images[ActiveFrame];
    Disposal = 1;
    for (int i = 0; i < frame.Extensions.Count(); ++i) {
        TGIFExtension* e = frame.Extensions[i];
        if (auto* loop = dynamic_cast<TGIFAppExtNSLoop*>(e); loop && !loopSeen_) {
            // A loop count of n repeats the frames n times after this pass; 0 for ever.
            loopSeen_ = true;
            loops_ = loop->Loops == 0 ? INT_MAX : loop->Loops + 1;
            loopStart_ = ActiveFrame;
        } else if (auto* gce = dynamic_cast<TGIFGraphicControlExtension*>(e)) {
            Disposal = gce->Disposal();
        }
    }
    if (Disposal > 3) Disposal = 0;   // reserved methods: no disposal
    if (Disposal == 3) previous_ = std::make_unique<TBitmap>(*target);
    frame.Draw(target->Canvas(), Rect(0, 0, target->Width(), target->Height()), false, Options & poTransparent);
    target->ScanLine(0);   // ends the canvas's drawing
    started_ = true;
    Image->Changed();
    PreviousDisposal = Disposal;

    int delay = GIFDefaultFrameDelay;
    if (frame.Delay() != 0) delay = std::clamp(frame.Delay(), GIFMinFrameDelay, GIFMaxFrameDelay);
    const int painted = ActiveFrame;
    Fire(OnFramePainted);
    if (finished_) return;
    if (ActiveFrame == painted) ++ActiveFrame;
    if (!(Options & poAnimate)) ActiveFrame = images.Count();   // one frame a pass
    Schedule(delay);
}

void TGIFPainter::Schedule(int delayUnits)
{
    if (Speed < 1) {
        delayMs_ = 0;   // paused until stopped
        timer_->SetEnabled(false);
        return;
    }
    delayMs_ = std::max(1, int(int64_t(delayUnits) * GIFDelayUnitMs * 100 / Speed));
    timer_->SetInterval(unsigned(delayMs_));
    timer_->SetEnabled(true);
}

void TGIFPainter::Tick()
{
    if (finished_) return;
    timer_->SetEnabled(false);
    // The frame shown until now goes as its disposal says.
    TGIFImageList& images = Image->Images();
    const int shown = ActiveFrame > 0 && ActiveFrame <= images.Count() ? ActiveFrame - 1 : -1;
    TBitmap* target = Image->bitmap_.get();
    if (target && shown >= 0) {
        if (PreviousDisposal == 2)
            RestoreBackground(*target, *images[shown]);
        else if (PreviousDisposal == 3 && previous_)
            target->Assign(*previous_);
    }
    if (ActiveFrame >= images.Count())
        EndPass();
    else
        PaintFrame();
}

void TGIFPainter::EndPass()
{
    if (loops_ > 0 && loops_ != INT_MAX) --loops_;
    const bool again = (Options & poAnimate) && (Options & poLoop) && (loops_ > 0 || (Options & poLoopForever));
    if (!again) {
        Finish();
        return;
    }
    ActiveFrame = loopStart_;
    if (started_) Fire(OnLoopRestart);
    PaintFrame();
}
