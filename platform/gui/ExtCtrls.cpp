#include "platform/gui/ExtCtrls.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>
#include <cmath>

#include "platform/gui/GuiPrivate.h"
#include "platform/gui/Pictures.h"

using namespace guiimpl;

// ============================================================================
// TPanel
// ============================================================================
void Frame3D(TCanvas& canvas, TRect& r, TColor topColor, TColor bottomColor, int width)
{
    canvas.Pen.SetWidth(1);
    --r.Bottom;
    --r.Right;
    for (int i = 0; i < width; ++i)
    {
        canvas.Pen.SetColor(topColor);
        canvas.MoveTo(r.Left, r.Bottom);
        canvas.LineTo(r.Left, r.Top);
        canvas.LineTo(r.Right, r.Top);
        canvas.Pen.SetColor(bottomColor);
        canvas.LineTo(r.Right, r.Bottom);
        canvas.LineTo(r.Left - 1, r.Bottom);
        InflateRect(r, -1, -1);
    }
    ++r.Bottom;
    ++r.Right;
}

TPanel::TPanel(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetColor(clBtnFace);
    SetBounds(0, 0, 185, 41);
}

TPanel::~TPanel() = default;

void TPanel::SetBevelOuter(TBevelCut b) { bevelOuter_ = b; Realign(); Invalidate(); }
void TPanel::SetBevelInner(TBevelCut b) { bevelInner_ = b; Realign(); Invalidate(); }
void TPanel::SetBevelWidth(int w) { bevelWidth_ = std::max(1, w); Realign(); Invalidate(); }
void TPanel::SetBorderWidth(int w) { borderWidth_ = std::max(0, w); Realign(); Invalidate(); }
void TPanel::SetBorderStyle(TBorderStyle s) { borderStyle_ = s; Realign(); Invalidate(); }
void TPanel::SetAlignment(TAlignment a) { alignment_ = a; Invalidate(); }

int TPanel::FrameWidth() const
{
    int w = borderWidth_;
    if (bevelOuter_ != bvNone)
        w += bevelWidth_;
    if (bevelInner_ != bvNone)
        w += bevelWidth_;
    if (borderStyle_ == bsSingle)
        w += 1;
    return w;
}

void TPanel::AdjustClientRect(TRect& r) const
{
    int f = FrameWidth();
    InflateRect(r, -f, -f);
}

void TPanel::Paint()
{
    TCanvas& c = Canvas();
    TRect r = ClientRect();
    if (borderStyle_ == bsSingle)
        Frame3D(c, r, clWindowFrame, clWindowFrame, 1);
    if (bevelOuter_ != bvNone && bevelOuter_ != bvSpace)
    {
        bool raised = bevelOuter_ == bvRaised;
        Frame3D(c, r, raised ? clBtnHighlight : clBtnShadow, raised ? clBtnShadow : clBtnHighlight, bevelWidth_);
    }
    else if (bevelOuter_ == bvSpace)
        InflateRect(r, -bevelWidth_, -bevelWidth_);
    InflateRect(r, -borderWidth_, -borderWidth_);
    if (bevelInner_ != bvNone && bevelInner_ != bvSpace)
    {
        bool raised = bevelInner_ == bvRaised;
        Frame3D(c, r, raised ? clBtnHighlight : clBtnShadow, raised ? clBtnShadow : clBtnHighlight, bevelWidth_);
    }
    if (!text_.empty())
    {
        c.Brush.SetStyle(bsClear);
        c.Font = Font();
        TTextFormat f = tfSingleLine | tfVerticalCenter |
                        (alignment_ == taCenter ? tfCenter : alignment_ == taRightJustify ? tfRight : tfLeft);
        TRect tr = r;
        c.TextRect(tr, text_, f);
    }
    TCustomControl::Paint();
}

// ============================================================================
// TBevel, TShape, TPaintBox
// ============================================================================
TBevel::TBevel(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetBounds(0, 0, 50, 50);
}

void TBevel::Paint()
{
    TCanvas& c = Canvas();
    TColor a = style_ == bsLowered ? clBtnShadow : clBtnHighlight;
    TColor b = style_ == bsLowered ? clBtnHighlight : clBtnShadow;
    TRect r = ClientRect();
    auto line = [&](TColor col, int x1, int y1, int x2, int y2) {
        c.Pen.SetColor(col);
        c.MoveTo(x1, y1);
        c.LineTo(x2, y2);
    };
    int w = width_, h = height_;
    switch (shape_)
    {
    case bsBox: Frame3D(c, r, a, b, 1); break;
    case bsFrame:
        {
            TRect r1 = Rect(0, 0, w - 1, h - 1);
            Frame3D(c, r1, a, a, 1);
            TRect r2 = Rect(1, 1, w, h);
            Frame3D(c, r2, b, b, 1);
        }
        break;
    case bsTopLine: line(a, 0, 0, w, 0); line(b, 0, 1, w, 1); break;
    case bsBottomLine: line(a, 0, h - 2, w, h - 2); line(b, 0, h - 1, w, h - 1); break;
    case bsLeftLine: line(a, 0, 0, 0, h); line(b, 1, 0, 1, h); break;
    case bsRightLine: line(a, w - 2, 0, w - 2, h); line(b, w - 1, 0, w - 1, h); break;
    case bsSpacer: break;
    }
}

TShape::TShape(TComponent* AOwner) : TGraphicControl(AOwner)
{
    Pen.OnChange = [this](TPen&) { Invalidate(); };
    Brush.OnChange = [this](TBrush&) { Invalidate(); };
    SetBounds(0, 0, 65, 65);
}

void TShape::Paint()
{
    TCanvas& c = Canvas();
    c.Pen.Assign(Pen);
    c.Brush.Assign(Brush);
    int x = Pen.Width() / 2, y = x;
    int w = width_ - Pen.Width() + 1, h = height_ - Pen.Width() + 1;
    if (Pen.Width() == 0)
    {
        --w;
        --h;
    }
    if (shape_ == stSquare || shape_ == stRoundSquare || shape_ == stCircle)
    {
        int s = std::min(w, h);
        x += (w - s) / 2;
        y += (h - s) / 2;
        w = h = s;
    }
    switch (shape_)
    {
    case stRectangle:
    case stSquare: c.Rectangle(x, y, x + w, y + h); break;
    case stRoundRect:
    case stRoundSquare: c.RoundRect(x, y, x + w, y + h, std::min(w, h) / 4, std::min(w, h) / 4); break;
    case stEllipse:
    case stCircle: c.Ellipse(x, y, x + w, y + h); break;
    }
}

TPaintBox::TPaintBox(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetBounds(0, 0, 105, 105);
}

// ============================================================================
// TImage
// ============================================================================
TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner), picture_(std::make_unique<TPicture>())
{
    picture_->OnChange = [this](TPicture&) { PictureChanged(); };
    SetBounds(0, 0, 105, 105);
}

TImage::~TImage()
{
    picture_->OnChange = nullptr;
}

TPicture& TImage::Picture() { return *picture_; }

void TImage::SetTransparent(bool v)
{
    transparent_ = v;
    if (TGraphic* g = picture_->Graphic())
        g->SetTransparent(v);
    Invalidate();
}

void TImage::SetAutoSize(bool v)
{
    autoSize_ = v;
    PictureChanged();
}

void TImage::PictureChanged()
{
    if (TGraphic* g = picture_->Graphic())
        if (transparent_ && !g->Transparent())
            g->SetTransparent(true);
    if (autoSize_ && picture_->Width() > 0 && picture_->Height() > 0)
        SetBounds(left_, top_, picture_->Width(), picture_->Height());
    Invalidate();
}

TCanvas& TImage::ImageCanvas()
{
    TGraphic* g = picture_->Graphic();
    if (!dynamic_cast<TBitmap*>(g))
    {
        auto b = std::make_unique<TBitmap>();
        if (g && !g->Empty())
            b->Assign(*g);
        else
            b->SetSize(width_, height_);
        picture_->SetGraphic(std::move(b));
    }
    return picture_->Bitmap().Canvas();
}

TRect TImage::DestRect() const
{
    int pw = picture_->Width(), ph = picture_->Height();
    int cw = width_, ch = height_;
    if (pw <= 0 || ph <= 0)
        return {};
    int w = pw, h = ph;
    if (stretch_ || (proportional_ && (pw > cw || ph > ch)))
    {
        if (proportional_)
        {
            double s = std::min(static_cast<double>(cw) / pw, static_cast<double>(ch) / ph);
            w = static_cast<int>(std::lround(pw * s));
            h = static_cast<int>(std::lround(ph * s));
        }
        else
        {
            w = cw;
            h = ch;
        }
    }
    TRect r = Bounds(0, 0, w, h);
    if (center_)
        OffsetRect(r, (cw - w) / 2, (ch - h) / 2);
    return r;
}

void TImage::Paint()
{
    if (TGraphic* g = picture_->Graphic())
        if (!g->Empty())
            g->Draw(Canvas(), DestRect());
    TGraphicControl::Paint();
}

// ============================================================================
// TSplitter
// ============================================================================
TSplitter::TSplitter(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetAlign(alLeft);
    SetBounds(0, 0, 3, 100);
    SetCursor(crHSplit);
}

TControl* TSplitter::FindControl() const
{
    TWinControl* p = Parent();
    if (!p)
        return nullptr;
    for (int i = 0; i < p->ControlCount(); ++i)
    {
        TControl* c = p->Controls(i);
        if (c == this || !c->Visible() || c->Align() != Align())
            continue;
        switch (Align())
        {
        case alLeft: if (c->Left() + c->Width() == Left()) return c; break;
        case alRight: if (c->Left() == Left() + Width()) return c; break;
        case alTop: if (c->Top() + c->Height() == Top()) return c; break;
        case alBottom: if (c->Top() == Top() + Height()) return c; break;
        default: break;
        }
    }
    return nullptr;
}

void TSplitter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft)
        return;
    control_ = FindControl();
    downAt_ = ClientToScreen({X, Y});
    if (control_)
        startSize_ = (Align() == alLeft || Align() == alRight) ? control_->Width() : control_->Height();
}

void TSplitter::MouseMove(TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!control_ || !(Shift & ssLeft))
        return;
    TPoint g = ClientToScreen({X, Y});
    int d = 0;
    switch (Align())
    {
    case alLeft: d = g.X - downAt_.X; break;
    case alRight: d = downAt_.X - g.X; break;
    case alTop: d = g.Y - downAt_.Y; break;
    case alBottom: d = downAt_.Y - g.Y; break;
    default: return;
    }
    int size = std::max(MinSize, startSize_ + d);
    if (Align() == alLeft || Align() == alRight)
        control_->SetWidth(size);
    else
        control_->SetHeight(size);
}

void TSplitter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (control_ && Button == mbLeft)
    {
        control_ = nullptr;
        if (OnMoved)
            OnMoved(this);
    }
}

void TSplitter::Paint()
{
    TCanvas& c = Canvas();
    c.Brush.SetColor(Color());
    c.FillRect(ClientRect());
}

// ============================================================================
// TRadioGroup
// ============================================================================
class RadioItems : public TStrings
{
public:
    explicit RadioItems(TRadioGroup* g) : group(g) {}
    TRadioGroup* group;
    std::vector<std::pair<std::string, Object>> items;
    int Count() const override { return static_cast<int>(items.size()); }
    std::string Strings(int i) const override
    {
        return i >= 0 && i < Count() ? items[static_cast<size_t>(i)].first : std::string();
    }
    void SetString(int i, const std::string& s) override
    {
        if (i >= 0 && i < Count())
            items[static_cast<size_t>(i)].first = s;
        Changed();
    }
    Object Objects(int i) const override
    {
        return i >= 0 && i < Count() ? items[static_cast<size_t>(i)].second : 0;
    }
    void SetObject(int i, Object o) override
    {
        if (i >= 0 && i < Count())
            items[static_cast<size_t>(i)].second = o;
    }
    void InsertObject(int index, const std::string& s, Object o) override
    {
        index = std::clamp(index, 0, Count());
        items.insert(items.begin() + index, {s, o});
        Changed();
    }
    void Delete(int i) override
    {
        if (i >= 0 && i < Count())
            items.erase(items.begin() + i);
        Changed();
    }
    void Clear() override
    {
        items.clear();
        Changed();
    }
    void Changed()
    {
        if (updateCount_ == 0)
            group->Rebuild();
    }

protected:
    void Updated() override { group->Rebuild(); }
};

struct TRadioGroup::Impl
{
    QGroupBox* box = nullptr;
    std::unique_ptr<RadioItems> items;
    std::vector<QRadioButton*> buttons;
    bool updating = false;
};

TRadioGroup::TRadioGroup(TComponent* AOwner) : TWinControl(AOwner), r_(std::make_unique<Impl>())
{
    r_->box = new QGroupBox;
    r_->items = std::make_unique<RadioItems>(this);
    SetWidget(r_->box);
    SetTabStop(true);
    SetBounds(0, 0, 185, 105);
}

TRadioGroup::~TRadioGroup() = default;

TStrings& TRadioGroup::Items() { return *r_->items; }

void TRadioGroup::ApplyText()
{
    r_->box->setTitle(AnsiToQString(text_));
}

void TRadioGroup::SetColumns(int c)
{
    columns_ = std::clamp(c, 1, 16);
    Arrange();
}

void TRadioGroup::Rebuild()
{
    for (QRadioButton* b : r_->buttons)
        delete b;
    r_->buttons.clear();
    for (int i = 0; i < r_->items->Count(); ++i)
    {
        auto* b = new QRadioButton(AnsiToQString(r_->items->Strings(i)), r_->box);
        b->setFont(r_->box->font());
        r_->buttons.push_back(b);
        QObject::connect(b, &QRadioButton::toggled, HubObject(), [this, i](bool on) {
            if (on && !r_->updating)
            {
                itemIndex_ = i;
                Guard([&] { Click(); });
            }
        });
        b->show();
    }
    if (itemIndex_ >= static_cast<int>(r_->buttons.size()))
        itemIndex_ = -1;
    if (itemIndex_ >= 0)
    {
        r_->updating = true;
        r_->buttons[static_cast<size_t>(itemIndex_)]->setChecked(true);
        r_->updating = false;
    }
    Arrange();
}

void TRadioGroup::Arrange()
{
    int n = static_cast<int>(r_->buttons.size());
    if (n == 0)
        return;
    int top = ScreenTextHeight(Font(), "0") + 2;
    int rows = (n + columns_ - 1) / columns_;
    int colW = std::max(1, (width_ - 10) / columns_);
    int rowH = std::max(1, (height_ - top - 4) / rows);
    for (int i = 0; i < n; ++i)
    {
        int col = i / rows, row = i % rows;
        r_->buttons[static_cast<size_t>(i)]->setGeometry(8 + col * colW, top + row * rowH + (rowH - 17) / 2,
                                                         colW - 4, 17);
    }
}

void TRadioGroup::BoundsChanged(bool sized)
{
    TWinControl::BoundsChanged(sized);
    if (sized)
        Arrange();
}

void TRadioGroup::SetItemIndex(int i)
{
    if (i < -1 || i >= static_cast<int>(r_->buttons.size()))
        i = -1;
    if (i == itemIndex_)
        return;
    if (i < 0)
    {
        r_->updating = true;
        for (QRadioButton* b : r_->buttons)
        {
            b->setAutoExclusive(false);
            b->setChecked(false);
            b->setAutoExclusive(true);
        }
        r_->updating = false;
        itemIndex_ = -1;
        return;
    }
    r_->buttons[static_cast<size_t>(i)]->setChecked(true);   // runs OnClick through toggled
}

// ============================================================================
// TTimer
// ============================================================================
struct TTimer::Impl
{
    std::unique_ptr<QTimer> timer;
};

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner), t_(std::make_unique<Impl>())
{
    t_->timer = std::make_unique<QTimer>();
    QObject::connect(t_->timer.get(), &QTimer::timeout, t_->timer.get(), [this] {
        if (OnTimer && !Destroying())
            Guard([&] { OnTimer(this); });
    });
    Update();
}

TTimer::~TTimer()
{
    t_->timer->stop();
}

void TTimer::SetEnabled(bool v)
{
    enabled_ = v;
    Update();
}

void TTimer::SetInterval(unsigned ms)
{
    interval_ = ms;
    Update();
}

void TTimer::Update()
{
    if (enabled_ && interval_ > 0)
        t_->timer->start(static_cast<int>(interval_));
    else
        t_->timer->stop();
}
