#include "platform/gui/ComCtrls.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QSlider>
#include <QStyleOptionButton>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QToolButton>

#include <algorithm>
#include <cmath>

#include "platform/gui/ExtCtrls.h"
#include "platform/gui/GuiPrivate.h"
#include "platform/gui/ImgList.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Strings.h"

using namespace guiimpl;

// ============================================================================
// tab strip
// ============================================================================
namespace {

class TabBar : public QTabBar
{
public:
    explicit TabBar(TCustomTabControl* c) : control(c) {}
    TCustomTabControl* control;

protected:
    void mousePressEvent(QMouseEvent* e) override
    {
        int i = tabAt(e->position().toPoint());
        if (control && e->button() == Qt::LeftButton && i >= 0 && i != currentIndex() && !control->AllowTabChange())
        {
            e->accept();
            return;
        }
        QTabBar::mousePressEvent(e);
    }
    void keyPressEvent(QKeyEvent* e) override
    {
        if (control && (e->key() == Qt::Key_Left || e->key() == Qt::Key_Right) && !control->AllowTabChange())
        {
            e->accept();
            return;
        }
        QTabBar::keyPressEvent(e);
    }
    void wheelEvent(QWheelEvent* e) override { e->ignore(); }
    QSize tabSizeHint(int index) const override
    {
        QSize s = QTabBar::tabSizeHint(index);
        if (control && control->TabWidth() > 0)
            s.setWidth(control->TabWidth());
        if (control && control->TabHeight() > 0)
            s.setHeight(control->TabHeight());
        return s;
    }
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
    void paintEvent(QPaintEvent* e) override
    {
        if (control && !control->OwnerDraw() && control->Style() != tsTabs)
        {
            PaintButtons();
            return;
        }
        if (!control || !control->OwnerDraw())
        {
            QTabBar::paintEvent(e);
            return;
        }
        QPainter p(this);
        p.fillRect(rect(), TColorToQColor(control->Color()));
        for (int i = 0; i < count(); ++i)
        {
            if (!isTabVisible(i))
                continue;
            QRect r = tabRect(i);
            if (!r.intersects(e->rect()))
                continue;
            p.save();
            control->PaintTab(p, i, QRectToTRect(r), i == currentIndex());
            p.restore();
        }
    }

private:
    // Each tab a button 2 pixels apart from the next, the active one pressed.
    void PaintButtons()
    {
        QPainter p(this);
        p.fillRect(rect(), TColorToQColor(control->Color()));
        for (int i = 0; i < count(); ++i)
        {
            if (!isTabVisible(i))
                continue;
            QStyleOptionButton o;
            o.initFrom(this);
            o.rect = tabRect(i).adjusted(1, 1, -2, -1);
            o.text = tabText(i);
            const bool actif = i == currentIndex();
            if (actif)
                o.state |= QStyle::State_Sunken | QStyle::State_On;
            else
                o.state |= QStyle::State_Raised;
            if (control->Style() == tsFlatButtons)
                o.features |= QStyleOptionButton::Flat;
            style()->drawControl(QStyle::CE_PushButton, &o, &p, this);
        }
    }
};

// The frame under the strip and around the pages.
class TabFrame : public QWidget
{
public:
    explicit TabFrame(TCustomTabControl* c) : control(c) {}
    TCustomTabControl* control;

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!control)
            return;
        QPainter p(this);
        p.fillRect(rect(), TColorToQColor(control->Color()));
        TCanvas c;
        guiimpl::CanvasPaint peinture(c, p);
        TRect r = Rect(0, control->StripHeight(), width(), height());
        if (control->Style() == tsTabs && (control->StripHeight() > 0 || control->TabHeight() != 1))
            Frame3D(c, r, clBtnHighlight, cl3DDkShadow, 1);
    }
};

}  // namespace

struct TCustomTabControl::TabImpl
{
    TabFrame* frame = nullptr;
    TabBar* bar = nullptr;
    TCanvas canvas;
    int updating = 0;
};

TCustomTabControl::TCustomTabControl(TComponent* AOwner) : TWinControl(AOwner), tb_(std::make_unique<TabImpl>())
{
    tb_->frame = new TabFrame(this);
    tb_->bar = new TabBar(this);
    tb_->bar->setParent(tb_->frame);
    tb_->bar->setExpanding(false);
    tb_->bar->setDrawBase(false);
    tb_->bar->setUsesScrollButtons(true);
    SetWidget(tb_->frame);
    WatchWidget(tb_->bar);
    SetTabStop(true);
    QObject::connect(tb_->bar, &QTabBar::currentChanged, HubObject(), [this](int i) {
        if (tb_->updating)
            return;
        Guard([&] { TabChanged(i); });
    });
    SetBounds(0, 0, 289, 193);
}

TCustomTabControl::~TCustomTabControl()
{
    tb_->bar->control = nullptr;
    tb_->frame->control = nullptr;
}

void TCustomTabControl::SetOwnerDraw(bool v)
{
    ownerDraw_ = v;
    tb_->bar->update();
}

void TCustomTabControl::SetStyle(TTabStyle s)
{
    style_ = s;
    tb_->bar->setDrawBase(s == tsTabs);
    tb_->bar->update();
    if (tb_->frame)
        tb_->frame->update();
}

void TCustomTabControl::SetTabWidth(int w)
{
    tabWidth_ = w;
    LayoutStrip();
}

void TCustomTabControl::SetTabHeight(int h)
{
    tabHeight_ = h;
    LayoutStrip();
}

int TCustomTabControl::TabCount() const { return tb_->bar->count(); }

int TCustomTabControl::StripHeight() const
{
    bool any = false;
    for (int i = 0; i < tb_->bar->count(); ++i)
        any = any || tb_->bar->isTabVisible(i);
    if (!any || tabHeight_ == 1)
        return 0;
    if (tabHeight_ > 0)
        return tabHeight_ + 2;
    return tb_->bar->sizeHint().height();
}

TRect TCustomTabControl::DisplayRect() const
{
    int sh = StripHeight();
    if (sh == 0 && tabHeight_ == 1)
        return Rect(0, 0, width_, height_);
    return Rect(4, sh + 4, std::max(4, width_ - 4), std::max(sh + 4, height_ - 4));
}

TRect TCustomTabControl::TabRect(int index) const
{
    QRect r = tb_->bar->tabRect(index);
    if (!r.isValid())
        return {};
    r.translate(tb_->bar->pos());
    return QRectToTRect(r);
}

int TCustomTabControl::IndexOfTabAt(int X, int Y) const
{
    return tb_->bar->tabAt(QPoint(X, Y) - tb_->bar->pos());
}

TCanvas& TCustomTabControl::Canvas() { return tb_->canvas; }

void TCustomTabControl::LayoutStrip()
{
    int sh = StripHeight();
    tb_->bar->setVisible(sh > 0);
    tb_->bar->setGeometry(2, 0, std::max(0, width_ - 4), sh);
    tb_->frame->update();
    LayoutPages();
}

void TCustomTabControl::BoundsChanged(bool sized)
{
    if (sized)
        LayoutStrip();
    TWinControl::BoundsChanged(sized);
}

void TCustomTabControl::InsertTab(int index, const std::string& text)
{
    ++tb_->updating;
    tb_->bar->insertTab(index, AnsiToQString(text));
    --tb_->updating;
    LayoutStrip();
}

void TCustomTabControl::RemoveTab(int index)
{
    ++tb_->updating;
    tb_->bar->removeTab(index);
    --tb_->updating;
    LayoutStrip();
}

void TCustomTabControl::SetTabText(int index, const std::string& text)
{
    tb_->bar->setTabText(index, AnsiToQString(text));
    LayoutStrip();
}

void TCustomTabControl::SetTabVisible(int index, bool v)
{
    ++tb_->updating;
    tb_->bar->setTabVisible(index, v);
    --tb_->updating;
    LayoutStrip();
}

int TCustomTabControl::CurrentTab() const { return tb_->bar->currentIndex(); }

void TCustomTabControl::SetCurrentTab(int index)
{
    ++tb_->updating;
    tb_->bar->setCurrentIndex(index);
    --tb_->updating;
}

bool TCustomTabControl::AllowTabChange()
{
    bool allow = true;
    Guard([&] { allow = CanChange(); });
    return allow;
}

bool TCustomTabControl::CanChange()
{
    bool allow = true;
    if (OnChanging)
        OnChanging(this, allow);
    return allow;
}

void TCustomTabControl::Change()
{
    if (OnChange)
        OnChange(this);
}

void TCustomTabControl::PaintTab(QPainter& painter, int index, const TRect& rect, bool active)
{
    guiimpl::CanvasPaint peinture(tb_->canvas, painter, *this);
    // The strip is a child of the frame: the rectangle handed over is the
    // frame's (the control's) coordinates, as TabRect gives them.
    TRect r = rect;
    QPoint off = tb_->bar->pos();
    painter.translate(-off);
    OffsetRect(r, off.x(), off.y());
    Guard([&] { DrawTab(index, r, active); });
}

void TCustomTabControl::DrawTab(int TabIndex, const TRect& Rect, bool Active)
{
    if (OnDrawTab)
    {
        OnDrawTab(this, TabIndex, Rect, Active);
        return;
    }
    TCanvas& c = tb_->canvas;
    c.FillRect(Rect);
    TRect r = Rect;
    c.Brush.SetStyle(bsClear);
    c.TextRect(r, QStringToAnsi(tb_->bar->tabText(TabIndex)), tfCenter | tfVerticalCenter | tfSingleLine);
}

// ============================================================================
// TTabSheet, TPageControl
// ============================================================================
TTabSheet::TTabSheet(TComponent* AOwner) : TWinControl(AOwner)
{
    auto* w = new QWidget;
    w->setAutoFillBackground(false);
    SetWidget(w);
    SetParentColor(true);
    SetVisible(false);
}

TTabSheet::~TTabSheet()
{
    state_ |= csDestroying;
    SetPageControl(nullptr);
}

void TTabSheet::SetPageControl(TPageControl* pc)
{
    SetParent(pc);
}

void TTabSheet::SetParent(TWinControl* parent)
{
    auto* pc = dynamic_cast<TPageControl*>(parent);
    if (pageControl_ && pageControl_ != pc)
    {
        TPageControl* old = pageControl_;
        pageControl_ = nullptr;
        old->RemovePage(this);
    }
    TWinControl::SetParent(parent);
    if (pc && pageControl_ != pc)
    {
        pageControl_ = pc;
        pc->InsertPage(this);
    }
}

int TTabSheet::PageIndex() const
{
    if (!pageControl_)
        return -1;
    auto& p = pageControl_->pages_;
    auto it = std::find(p.begin(), p.end(), this);
    return it == p.end() ? -1 : static_cast<int>(it - p.begin());
}

void TTabSheet::SetPageIndex(int i)
{
    if (!pageControl_)
        return;
    TPageControl* pc = pageControl_;
    int cur = PageIndex();
    i = std::clamp(i, 0, pc->PageCount() - 1);
    if (i == cur)
        return;
    pc->pages_.erase(pc->pages_.begin() + cur);
    pc->pages_.insert(pc->pages_.begin() + i, this);
    ++pc->tb_->updating;
    pc->tb_->bar->moveTab(cur, i);
    --pc->tb_->updating;
}

void TTabSheet::SetTabVisible(bool v)
{
    tabVisible_ = v;
    if (pageControl_)
    {
        pageControl_->SetTabVisible(PageIndex(), v);
        if (!v && pageControl_->ActivePage() == this)
            pageControl_->SetActivePage(pageControl_->FindNextPage(this, true, true));
    }
}

int TTabSheet::TabIndex() const
{
    if (!pageControl_ || !tabVisible_)
        return -1;
    int n = 0;
    for (TTabSheet* p : pageControl_->pages_)
    {
        if (p == this)
            return n;
        if (p->tabVisible_)
            ++n;
    }
    return -1;
}

void TTabSheet::ApplyText()
{
    if (pageControl_)
        pageControl_->SetTabText(PageIndex(), text_);
}

TPageControl::TPageControl(TComponent* AOwner) : TCustomTabControl(AOwner)
{
}

TPageControl::~TPageControl()
{
    state_ |= csDestroying;
    // The sheets go with the control (as its children) once the tab strip is gone.
    for (TTabSheet* p : pages_)
        p->pageControl_ = nullptr;
    pages_.clear();
    active_ = nullptr;
}

TTabSheet* TPageControl::Pages(int i) const
{
    return i >= 0 && i < PageCount() ? pages_[static_cast<size_t>(i)] : nullptr;
}

int TPageControl::ActivePageIndex() const
{
    return active_ ? active_->PageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int i)
{
    SetActivePage(Pages(i));
}

void TPageControl::InsertPage(TTabSheet* page)
{
    pages_.push_back(page);
    InsertTab(PageCount() - 1, page->Caption());
    SetTabVisible(PageCount() - 1, page->tabVisible_);
    TRect r = DisplayRect();
    page->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    if (!active_)
        SetActivePage(page);
    else
        page->SetVisible(false);
}

void TPageControl::RemovePage(TTabSheet* page)
{
    auto it = std::find(pages_.begin(), pages_.end(), page);
    if (it == pages_.end())
        return;
    int i = static_cast<int>(it - pages_.begin());
    pages_.erase(it);
    RemoveTab(i);
    if (active_ == page)
    {
        active_ = nullptr;
        if (!Destroying())
            SetActivePage(Pages(std::min(i, PageCount() - 1)));
    }
}

void TPageControl::ShowPage(TTabSheet* page)
{
    TTabSheet* old = active_;
    if (old == page)
        return;
    active_ = page;
    if (page)
        page->SetVisible(true);
    if (old && old->pageControl_ == this)
    {
        old->SetVisible(false);
        if (old->OnHide)
            Guard([&] { old->OnHide(old); });
    }
    if (page && page->OnShow)
        Guard([&] { page->OnShow(page); });
}

void TPageControl::SetActivePage(TTabSheet* page)
{
    if (page && page->pageControl_ != this)
        return;
    ShowPage(page);
    SetCurrentTab(page ? page->PageIndex() : -1);
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible) const
{
    int n = PageCount();
    if (n == 0)
        return nullptr;
    int start = current ? current->PageIndex() : (goForward ? n - 1 : 0);
    int i = start;
    for (int k = 0; k < n; ++k)
    {
        i = (i + (goForward ? 1 : n - 1)) % n;
        TTabSheet* p = pages_[static_cast<size_t>(i)];
        if (!checkTabVisible || p->tabVisible_)
            return p == current && k == 0 ? nullptr : p;
    }
    return nullptr;
}

void TPageControl::SelectNextPage(bool goForward)
{
    TTabSheet* p = FindNextPage(active_, goForward, true);
    if (p && p != active_ && AllowTabChange())
    {
        SetActivePage(p);
        Change();
    }
}

void TPageControl::TabChanged(int index)
{
    ShowPage(Pages(index));
    Change();
}

void TPageControl::LayoutPages()
{
    TRect r = DisplayRect();
    for (TTabSheet* p : pages_)
        p->SetBounds(r.Left, r.Top, r.Width(), r.Height());
}

void TPageControl::ControlsChanged()
{
    LayoutPages();
}

// ============================================================================
// TTabControl
// ============================================================================
class TabStrings : public TStrings
{
public:
    explicit TabStrings(TTabControl* c) : control(c) {}
    TTabControl* control;
    std::vector<Object> objects;
    QTabBar* bar() const { return control->tb_->bar; }
    int Count() const override { return bar()->count(); }
    std::string Strings(int i) const override { return QStringToAnsi(bar()->tabText(i)); }
    void SetString(int i, const std::string& s) override { control->SetTabText(i, s); }
    Object Objects(int i) const override
    {
        return i >= 0 && i < static_cast<int>(objects.size()) ? objects[static_cast<size_t>(i)] : 0;
    }
    void SetObject(int i, Object o) override
    {
        if (i >= 0 && i < static_cast<int>(objects.size()))
            objects[static_cast<size_t>(i)] = o;
    }
    void InsertObject(int index, const std::string& s, Object o) override
    {
        index = std::clamp(index, 0, Count());
        objects.insert(objects.begin() + index, o);
        control->InsertTab(index, s);
    }
    void Delete(int i) override
    {
        if (i < 0 || i >= Count())
            return;
        objects.erase(objects.begin() + i);
        control->RemoveTab(i);
    }
    void Clear() override
    {
        while (Count() > 0)
            Delete(Count() - 1);
    }
};

TTabControl::TTabControl(TComponent* AOwner) : TCustomTabControl(AOwner), tabs_(std::make_unique<TabStrings>(this))
{
}

TTabControl::~TTabControl() = default;

TStrings& TTabControl::Tabs() { return *tabs_; }
int TTabControl::TabIndex() const { return CurrentTab(); }
void TTabControl::SetTabIndex(int i) { SetCurrentTab(i); }

void TTabControl::TabChanged(int)
{
    Change();
}

void TTabControl::AdjustClientRect(TRect& r) const
{
    r = DisplayRect();
}

// ============================================================================
// TTrackBar
// ============================================================================
static QSlider* Slider(const TTrackBar* t) { return static_cast<QSlider*>(t->Widget()); }

TTrackBar::TTrackBar(TComponent* AOwner) : TWinControl(AOwner)
{
    auto* s = new QSlider(Qt::Horizontal);
    s->setRange(0, 10);
    s->setTickPosition(QSlider::TicksBelow);
    s->setTickInterval(1);
    s->setPageStep(2);
    SetWidget(s);
    SetTabStop(true);
    QObject::connect(s, &QSlider::valueChanged, HubObject(), [this] { Guard([&] { Changed(); }); });
    SetBounds(0, 0, 150, 45);
}

TTrackBar::~TTrackBar() = default;
int TTrackBar::Min() const { return Slider(this)->minimum(); }
void TTrackBar::SetMin(int v) { Slider(this)->setMinimum(v); }
int TTrackBar::Max() const { return Slider(this)->maximum(); }
void TTrackBar::SetMax(int v) { Slider(this)->setMaximum(v); }
int TTrackBar::Position() const { return Slider(this)->value(); }
void TTrackBar::SetPosition(int v) { Slider(this)->setValue(v); }
int TTrackBar::Frequency() const { return Slider(this)->tickInterval(); }
void TTrackBar::SetFrequency(int v) { Slider(this)->setTickInterval(v); }
int TTrackBar::PageSize() const { return Slider(this)->pageStep(); }
void TTrackBar::SetPageSize(int v) { Slider(this)->setPageStep(v); }

void TTrackBar::SetOrientation(TTrackBarOrientation o)
{
    if (o == orientation_)
        return;
    orientation_ = o;
    Slider(this)->setOrientation(o == trHorizontal ? Qt::Horizontal : Qt::Vertical);
    SetBounds(left_, top_, height_, width_);
}

void TTrackBar::Changed()
{
    if (OnChange)
        OnChange(this);
}

// ============================================================================
// TUpDown
// ============================================================================
struct TUpDown::Impl
{
    QToolButton* next = nullptr;
    QToolButton* prev = nullptr;
};

TUpDown::TUpDown(TComponent* AOwner) : TWinControl(AOwner), u_(std::make_unique<Impl>())
{
    auto* w = new QWidget;
    u_->next = new QToolButton(w);
    u_->prev = new QToolButton(w);
    u_->next->setFocusPolicy(Qt::NoFocus);
    u_->prev->setFocusPolicy(Qt::NoFocus);
    u_->next->setAutoRepeat(true);
    u_->prev->setAutoRepeat(true);
    SetWidget(w);
    QObject::connect(u_->next, &QToolButton::clicked, HubObject(), [this] { Guard([&] { ClickButton(btNext); }); });
    QObject::connect(u_->prev, &QToolButton::clicked, HubObject(), [this] { Guard([&] { ClickButton(btPrev); }); });
    SetBounds(0, 0, 17, 21);
    Arrange();
}

TUpDown::~TUpDown()
{
    if (auto* e = dynamic_cast<TEdit*>(associate_))
        e->SetCounterBounds(nullptr);
}

void TUpDown::Arrange()
{
    if (orientation_ == udVertical)
    {
        u_->next->setArrowType(Qt::UpArrow);
        u_->prev->setArrowType(Qt::DownArrow);
        int h = height_ / 2;
        u_->next->setGeometry(0, 0, width_, h);
        u_->prev->setGeometry(0, h, width_, height_ - h);
    }
    else
    {
        u_->prev->setArrowType(Qt::LeftArrow);
        u_->next->setArrowType(Qt::RightArrow);
        int w = width_ / 2;
        u_->prev->setGeometry(0, 0, w, height_);
        u_->next->setGeometry(w, 0, width_ - w, height_);
    }
}

void TUpDown::BoundsChanged(bool sized)
{
    TWinControl::BoundsChanged(sized);
    if (sized)
        Arrange();
}

void TUpDown::SetOrientation(TUDOrientation o)
{
    orientation_ = o;
    Arrange();
}

int TUpDown::Position() const
{
    if (!associate_)
        return position_;
    int v = 0;
    if (!TryStrToInt(Trim(associate_->Text()), v))
        return position_;
    return std::clamp(v, std::min(Min, Max), std::max(Min, Max));
}

bool TUpDown::HoldsNumber() const
{
    int v = 0;
    return !associate_ || TryStrToInt(Trim(associate_->Text()), v);
}

bool TUpDown::ShowsPosition() const
{
    int v = 0;
    return !associate_ || (TryStrToInt(Trim(associate_->Text()), v) && v >= std::min(Min, Max) && v <= std::max(Min, Max));
}

void TUpDown::SetPosition(int v)
{
    position_ = std::clamp(v, std::min(Min, Max), std::max(Min, Max));
    if (associate_)
        associate_->SetText(IntToStr(position_));
}

void TUpDown::SetAssociate(TWinControl* c)
{
    if (associate_)
    {
        associate_->RemoveFreeNotification(this);
        if (auto* e = dynamic_cast<TEdit*>(associate_))
            e->SetCounterBounds(nullptr);
    }
    associate_ = c;
    if (c)
    {
        c->FreeNotification(this);
        // The box holds the counter's number: it takes digits only (a sign
        // first when the counter goes below 0), and no figure past its bounds.
        if (auto* e = dynamic_cast<TEdit*>(c))
        {
            e->SetNumbersOnly(true, std::min(Min, Max) < 0);
            e->SetCounterBounds([this] { return std::pair{std::min(Min, Max), std::max(Min, Max)}; });
        }
        c->SetText(IntToStr(position_));
    }
}

void TUpDown::Notification(TComponent* component, bool removing)
{
    TWinControl::Notification(component, removing);
    if (removing && component == associate_)
        associate_ = nullptr;
}

void TUpDown::ClickButton(TUDBtnType button)
{
    bool allow = true;
    if (OnChanging)
        OnChanging(this, allow);
    if (!allow)
        return;
    if (associate_)
        position_ = std::clamp(StrToIntDef(associate_->Text(), position_), std::min(Min, Max), std::max(Min, Max));
    // counted wide: a counter may go up to the largest int a field holds
    long long p = static_cast<long long>(position_) + (button == btNext ? Increment : -Increment);
    if (p > Max)
        p = Wrap ? Min : Max;
    if (p < Min)
        p = Wrap ? Max : Min;
    SetPosition(static_cast<int>(p));
    if (OnClick)
        OnClick(this, button);
}

// ============================================================================
// TProgressBar
// ============================================================================
static QProgressBar* PB(const TProgressBar* p) { return static_cast<QProgressBar*>(p->Widget()); }

TProgressBar::TProgressBar(TComponent* AOwner) : TWinControl(AOwner)
{
    auto* b = new QProgressBar;
    b->setRange(0, 100);
    b->setValue(0);
    b->setTextVisible(false);
    SetWidget(b);
    SetBounds(0, 0, 150, 16);
}

TProgressBar::~TProgressBar() = default;
int TProgressBar::Min() const { return PB(this)->minimum(); }
void TProgressBar::SetMin(int v) { PB(this)->setMinimum(v); }
int TProgressBar::Max() const { return PB(this)->maximum(); }
void TProgressBar::SetMax(int v) { PB(this)->setMaximum(v); }
int TProgressBar::Position() const { return PB(this)->value(); }
void TProgressBar::SetPosition(int v) { PB(this)->setValue(std::clamp(v, Min(), Max())); }
void TProgressBar::StepIt() { StepBy(Step); }

void TProgressBar::StepBy(int delta)
{
    int p = Position() + delta;
    if (p > Max())
        p = Min() + (p - Max()) - 1;   // wraps as the library's bar does
    SetPosition(p);
}

void TProgressBar::SetOrientation(TProgressBarOrientation o)
{
    orientation_ = o;
    PB(this)->setOrientation(o == pbHorizontal ? Qt::Horizontal : Qt::Vertical);
}

// ============================================================================
// TStatusBar
// ============================================================================
TStatusBar::TStatusBar(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetColor(clBtnFace);
    SetAlign(alBottom);
    SetBounds(0, 0, 200, 19);
}

TStatusPanel& TStatusBar::AddPanel()
{
    panels_.emplace_back();
    Invalidate();
    return panels_.back();
}

void TStatusBar::ClearPanels()
{
    panels_.clear();
    Invalidate();
}

void TStatusBar::SetPanelText(int i, const std::string& text)
{
    if (i >= 0 && i < PanelCount())
    {
        panels_[static_cast<size_t>(i)].Text = text;
        Invalidate();
    }
}

void TStatusBar::SetSimplePanel(bool v)
{
    simplePanel_ = v;
    Invalidate();
}

void TStatusBar::SetSimpleText(const std::string& t)
{
    simpleText_ = t;
    Invalidate();
}

void TStatusBar::Paint()
{
    TCanvas& c = Canvas();
    c.Font = Font();
    auto cell = [&](TRect r, const std::string& text, TAlignment a, TStatusPanelBevel bevel) {
        if (bevel != pbNone)
        {
            TRect fr = r;
            Frame3D(c, fr, bevel == pbLowered ? clBtnShadow : clBtnHighlight,
                    bevel == pbLowered ? clBtnHighlight : clBtnShadow, 1);
        }
        TRect tr = r;
        InflateRect(tr, -3, -1);
        c.Brush.SetStyle(bsClear);
        c.TextRect(tr, text,
                   tfSingleLine | tfVerticalCenter |
                       (a == taCenter ? tfCenter : a == taRightJustify ? tfRight : tfLeft));
    };
    if (simplePanel_ || panels_.empty())
    {
        cell(Rect(0, 2, width_, height_), simplePanel_ ? simpleText_ : text_, taLeftJustify,
             simplePanel_ || !text_.empty() ? pbLowered : pbNone);
        return;
    }
    int x = 0;
    for (size_t i = 0; i < panels_.size(); ++i)
    {
        const TStatusPanel& p = panels_[i];
        int right = i + 1 == panels_.size() ? width_ : x + p.Width;
        cell(Rect(x, 2, right - 2, height_), p.Text, p.Alignment, p.Bevel);
        x = right;
    }
}

// ============================================================================
// TDateTimePicker, TMonthCalendar
// ============================================================================
static QDate ToQDate(double d)
{
    int y, m, day;
    DecodeDate(d, y, m, day);
    return QDate(y, m, day);
}

static double FromQDate(const QDate& d)
{
    double r = 0;
    if (d.isValid())
        TryEncodeDate(d.year(), d.month(), d.day(), r);
    return r;
}

struct TDateTimePicker::Impl : QObject
{
    TDateTimePicker* self = nullptr;
    QDateTimeEdit* edit = nullptr;
    int updating = 0;
    // Showing no date: the edit stands on its minimum, shown blank.
    bool none = false;
    // Keys typed since the date was last taken or given back; typed into a
    // box that showed none.
    bool typed = false;
    bool typedOverNone = false;

    void Shown(bool v)
    {
        none = v;
        edit->setSpecialValueText(v ? QStringLiteral(" ") : QString());
    }

    QLineEdit* Line() const { return edit->findChild<QLineEdit*>(); }

    // The part of the date the last digit was typed into (-1: the last key
    // was no digit).
    int partieChiffre = -1;

    // The calendar of a box showing no date opens on today's month.
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() == QEvent::Show && none)
            if (QCalendarWidget* c = edit->calendarWidget(); c && watched == c)
                c->setCurrentPage(QDate::currentDate().year(), QDate::currentDate().month());
        if (watched != edit)
            return false;
        if (e->type() == QEvent::KeyPress) {
            const auto* k = static_cast<QKeyEvent*>(e);
            if (k->key() == Qt::Key_Escape && typed) {
                GiveBack();
                return true;
            }
            if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter)
                Take();
            if ((k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) &&
                !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
                return Quitte(k->key() == Qt::Key_Tab && !(k->modifiers() & Qt::ShiftModifier));
            return Touche(k->text());
        }
        // Taken before the owner hears that the box was left (OnExit), and
        // before the edit's own reading, which would keep another date than
        // the one shown (15/12 for "15/1" typed over a December date).
        if (e->type() == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent*>(e)->reason();
            partieChiffre = -1;
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
                Take();
        }
        return false;
    }

    // Tab and Shift+Tab leave the box for the next or previous control, as
    // the parts of the date are walked by the arrows and the separators (the
    // edit's own Tab walks them, and goes round in a box showing none).
    bool Quitte(bool avant)
    {
        QWidget* w = edit;
        do
            w = avant ? w->nextInFocusChain() : w->previousInFocusChain();
        while (w && w != edit &&
               (edit->isAncestorOf(w) || !(w->focusPolicy() & Qt::TabFocus) || !w->isVisible() || !w->isEnabled()));
        if (!w || w == edit)
            return false;
        w->setFocus(avant ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }

    // A date is typed as it is written, "15/08/2026" or "15082026": a digit
    // typed into a box showing none starts a date there (today's month and
    // year until typed over), and a separator typed right after the digits
    // that filled a part (the box then went on by itself) is not taken as a
    // second step on. True: the key is used up.
    bool Touche(const QString& texte)
    {
        if (texte.isEmpty() || !texte.at(0).isPrint() || edit->displayedSections() == QDateTimeEdit::NoSection) {
            partieChiffre = -1;
            return false;
        }
        if (!texte.at(0).isDigit()) {
            const bool deja = partieChiffre >= 0 && edit->currentSectionIndex() > partieChiffre;
            partieChiffre = -1;
            return deja;
        }
        if (none && (edit->displayedSections() & QDateTimeEdit::DaySection)) {
            ++updating;
            Shown(false);
            edit->setDate(QDate::currentDate());
            edit->setCurrentSectionIndex(0);
            edit->setSelectedSection(edit->sectionAt(0));
            --updating;
            typedOverNone = true;
        }
        partieChiffre = edit->currentSectionIndex();
        return false;
    }

    // The date the box shows is taken as it shows it (a year of two digits
    // within fifty years of today), or refused by the owner: the box then
    // shows again the date it held.
    void Take()
    {
        if (!typed)
            return;
        typed = false;
        QLineEdit* line = Line();
        const std::string text = line ? QStringToAnsi(line->text()) : std::string();
        double date = 0;
        bool allow = false;
        if (self->OnUserInput)
            Guard([&] { self->OnUserInput(self, text, date, allow); });
        else if (int y = 0, m = 0, d = 0; TryStrToDateDMY(text, y, m, d))
            allow = TryEncodeDate(y, m, d, date);
        const QDate q = allow ? ToQDate(date) : QDate();
        if (!q.isValid() || q < edit->minimumDate() || q > edit->maximumDate()) {
            GiveBack();
            return;
        }
        const bool changed = typedOverNone || q != edit->date();
        typedOverNone = false;
        ++updating;
        Shown(false);
        edit->setDate(q);
        --updating;
        if (changed && self->OnChange)
            Guard([&] { self->OnChange(self); });
    }

    // Escape, or a date refused: the box shows the date it held, or none.
    void GiveBack()
    {
        typed = false;
        ++updating;
        const QDate held = typedOverNone ? edit->minimumDate() : edit->date();
        edit->setDate(held == edit->maximumDate() ? held.addDays(-1) : held.addDays(1));
        edit->setDate(held);
        if (typedOverNone)
            Shown(true);
        typedOverNone = false;
        --updating;
    }
};


TDateTimePicker::TDateTimePicker(TComponent* AOwner) : TWinControl(AOwner), d_(std::make_unique<Impl>())
{
    d_->self = this;
    d_->edit = new QDateTimeEdit;
    d_->edit->setCalendarPopup(true);
    d_->edit->setDisplayFormat("dd/MM/yyyy");
    d_->edit->setDate(QDate::currentDate());
    // What is typed reaches the owner once taken, not key by key.
    d_->edit->setKeyboardTracking(false);
    SetWidget(d_->edit);
    if (QLineEdit* e = d_->edit->findChild<QLineEdit*>()) {
        WatchWidget(e);
        QObject::connect(e, &QLineEdit::textEdited, d_.get(), [this] { d_->typed = true; });
    }
    SetColor(clWindow);
    SetTabStop(true);
    if (QCalendarWidget* c = d_->edit->calendarWidget())
        c->installEventFilter(d_.get());
    d_->edit->installEventFilter(d_.get());
    QObject::connect(d_->edit, &QDateTimeEdit::dateTimeChanged, HubObject(), [this] {
        if (d_->updating)
            return;
        // A date the user gives to a box that showed none.
        if (d_->none && d_->edit->date() != d_->edit->minimumDate())
            d_->Shown(false);
        d_->typed = false;
        d_->typedOverNone = false;
        if (OnChange)
            Guard([&] { OnChange(this); });
    });
    SetBounds(0, 0, 186, 21);
}

void TDateTimePicker::TakeInput() { d_->Take(); }

TDateTimePicker::~TDateTimePicker() = default;

double TDateTimePicker::Date() const { return FromQDate(d_->edit->date()); }

void TDateTimePicker::SetDate(double date)
{
    ++d_->updating;
    d_->Shown(false);
    d_->edit->setDate(ToQDate(date));
    --d_->updating;
}

void TDateTimePicker::SetNoDate()
{
    ++d_->updating;
    d_->Shown(true);
    d_->edit->setDate(d_->edit->minimumDate());
    --d_->updating;
}

bool TDateTimePicker::HasDate() const { return !d_->none; }

std::string TDateTimePicker::GetText() const
{
    const QLineEdit* line = d_->Line();
    return d_->none || !line ? std::string() : QStringToAnsi(line->text());
}

double TDateTimePicker::Time() const
{
    QTime t = d_->edit->time();
    return (t.msecsSinceStartOfDay()) / 86400000.0;
}

void TDateTimePicker::SetTime(double time)
{
    ++d_->updating;
    double frac = std::fabs(time - std::trunc(time));
    d_->edit->setTime(QTime::fromMSecsSinceStartOfDay(static_cast<int>(std::lround(frac * 86400000.0)) % 86400000));
    --d_->updating;
}

void TDateTimePicker::SetDateTime(double dt)
{
    SetDate(std::floor(dt));
    SetTime(dt - std::floor(dt));
}

void TDateTimePicker::SetKind(TDateTimeKind k)
{
    kind_ = k;
    d_->edit->setCalendarPopup(k == dtkDate);
    SetDateFormat(dateFormat_);
}

void TDateTimePicker::SetDateFormat(TDTDateFormat f)
{
    dateFormat_ = f;
    if (kind_ == dtkTime)
        d_->edit->setDisplayFormat("HH:mm:ss");
    else
        d_->edit->setDisplayFormat(f == dfShort ? "dd/MM/yyyy" : "dddd d MMMM yyyy");
}

double TDateTimePicker::MinDate() const { return FromQDate(d_->edit->minimumDate()); }
void TDateTimePicker::SetMinDate(double d) { d_->edit->setMinimumDate(ToQDate(d)); }
double TDateTimePicker::MaxDate() const { return FromQDate(d_->edit->maximumDate()); }
void TDateTimePicker::SetMaxDate(double d) { d_->edit->setMaximumDate(ToQDate(d)); }

TMonthCalendar::TMonthCalendar(TComponent* AOwner) : TWinControl(AOwner)
{
    auto* c = new QCalendarWidget;
    c->setGridVisible(false);
    c->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    SetWidget(c);
    // The day table inside takes the focus and the keys.
    if (auto* table = c->findChild<QAbstractItemView*>())
    {
        WatchWidget(table);
        WatchWidget(table->viewport());
    }
    SetColor(clWindow);
    SetTabStop(true);
    QObject::connect(c, &QCalendarWidget::selectionChanged, HubObject(), [this] {
        if (!updating_)
            Guard([&] { Click(); });
    });
    SetBounds(0, 0, 225, 160);
}

TMonthCalendar::~TMonthCalendar() = default;

double TMonthCalendar::Date() const
{
    return FromQDate(static_cast<QCalendarWidget*>(Widget())->selectedDate());
}

void TMonthCalendar::SetDate(double date)
{
    ++updating_;
    static_cast<QCalendarWidget*>(Widget())->setSelectedDate(ToQDate(date));
    --updating_;
}
