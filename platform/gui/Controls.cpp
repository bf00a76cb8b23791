// Controls: the component tree of windows, geometry and alignment, colours and
// fonts, painting of the controls that draw themselves.
#include "platform/gui/Controls.h"

#include <QApplication>
#include <QCursor>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

#include "platform/gui/ActnList.h"
#include "platform/gui/Forms.h"
#include "platform/gui/GuiPrivate.h"
#include "platform/gui/Menus.h"
#include "platform/rtl/Exceptions.h"

using namespace guiimpl;

static TMouse mouseInstance;
TMouse* Mouse = &mouseInstance;

// ============================================================================
// helpers
// ============================================================================
namespace guiimpl {

void HandleException(const std::exception& e)
{
    if (Application)
        Application->HandleException(e);
}

void Guard(const std::function<void()>& f)
{
    try
    {
        f();
    }
    catch (const std::exception& e)
    {
        HandleException(e);
    }
}

const char* const kControlProperty = "bzControl";

TControl* ControlOf(QWidget* w)
{
    for (; w; w = w->parentWidget())
    {
        QVariant v = w->property(kControlProperty);
        if (v.isValid())
            return static_cast<TControl*>(v.value<void*>());
    }
    return nullptr;
}

TControl* ControlAtGlobal(const QPoint& global)
{
    QList<QWidget*> tops;
    if (QWidget* active = QApplication::activeWindow())
        tops.append(active);
    for (QWidget* w : QApplication::topLevelWidgets())
        if (!tops.contains(w))
            tops.append(w);
    for (QWidget* top : tops)
    {
        if (!top->isVisible() || !top->geometry().contains(global))
            continue;
        QWidget* w = top->childAt(top->mapFromGlobal(global));
        if (!w)
            w = top;
        for (; w; w = w->parentWidget())
        {
            TControl* c = ControlOf(w);
            if (!c)
                break;
            if (c->Enabled())
                return c;
            w = c->Widget();
        }
    }
    return nullptr;
}

Qt::CursorShape QtCursor(TCursor c)
{
    switch (c)
    {
    case crNone: return Qt::BlankCursor;
    case crCross: return Qt::CrossCursor;
    case crIBeam: return Qt::IBeamCursor;
    case crSizeNESW: return Qt::SizeBDiagCursor;
    case crSizeNS: return Qt::SizeVerCursor;
    case crSizeNWSE: return Qt::SizeFDiagCursor;
    case crSizeWE: return Qt::SizeHorCursor;
    case crUpArrow: return Qt::UpArrowCursor;
    case crHourGlass:
    case crSQLWait: return Qt::WaitCursor;
    case crDrag:
    case crMultiDrag: return Qt::DragMoveCursor;
    case crNoDrop:
    case crNo: return Qt::ForbiddenCursor;
    case crHSplit: return Qt::SplitHCursor;
    case crVSplit: return Qt::SplitVCursor;
    case crAppStart: return Qt::BusyCursor;
    case crHelp: return Qt::WhatsThisCursor;
    case crHandPoint: return Qt::PointingHandCursor;
    case crSizeAll: return Qt::SizeAllCursor;
    default: return Qt::ArrowCursor;
    }
}

QObject* HubOf(TControl* c)
{
    return c ? c->HubObject() : nullptr;
}

// ---------------------------------------------------------------------------
void PaintWidget::paintEvent(QPaintEvent* event)
{
    if (!control || control->Destroying())
        return;
    QPainter p(this);
    Dispatch::Paint(control, p, event->rect());
}

void Dispatch::Paint(TControl* c, QPainter& p, const QRect& r)
{
    c->paintArea_ = Rect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
    c->painting_ = true;
    Guard([&] { c->PaintWidget(p); });
    c->painting_ = false;
}

void Dispatch::Paint(TControl* c, QPainter& p)
{
    Guard([&] { c->PaintWidget(p); });
}

void Dispatch::Resized(TControl* c, int w, int h)
{
    if (w != c->width_ || h != c->height_)
        c->SetBounds(c->left_, c->top_, w, h);
}

}  // namespace guiimpl
TPoint TMouse::CursorPos() const
{
    QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}

void TMouse::SetCursorPos(TPoint p)
{
    QCursor::setPos(p.X, p.Y);
}

int ScreenTextWidth(const TFont& font, const std::string& text)
{
    TCanvas c;
    c.Font = font;
    return c.TextWidth(text);
}

int ScreenTextHeight(const TFont& font, const std::string& text)
{
    TCanvas c;
    c.Font = font;
    return c.TextHeight(text);
}

// ============================================================================
// TControl
// ============================================================================
TControl::TControl(TComponent* AOwner)
    : TComponent(AOwner), impl_(std::make_unique<ControlImpl>())
{
    impl_->hub = std::make_unique<ControlHub>(this);
    font_.OnChange = [this](TFont&) {
        if (!applyingParentFont_)
            parentFont_ = false;
        ApplyFont();
        if (auto* w = dynamic_cast<TWinControl*>(this))
            for (TControl* child : w->controls_)
                child->ParentFontChanged();
    };
}

TControl::~TControl()
{
    state_ |= csDestroying;
    DragManager::Get().Forget(this);
    SetAction(nullptr);
    impl_->hub.reset();   // cuts every connection and event filter first
    if (parent_)
        SetParent(nullptr);
    if (impl_->widget)
    {
        QWidget* w = impl_->widget;
        impl_->widget = nullptr;
        w->setProperty(kControlProperty, QVariant());
        delete w;
    }
}

QObject* TControl::HubObject() const
{
    return impl_ ? impl_->hub.get() : nullptr;
}

QWidget* TControl::Widget() const
{
    return impl_ ? impl_->widget.data() : nullptr;
}

void TControl::SetWidget(QWidget* w)
{
    if (impl_->widget)
    {
        QWidget* old = impl_->widget;
        impl_->widget = nullptr;
        delete old;
    }
    impl_->widget = w;
    if (!w)
        return;
    w->setProperty(kControlProperty, QVariant::fromValue<void*>(this));
    w->setMouseTracking(true);
    w->installEventFilter(impl_->hub.get());
    w->setAttribute(Qt::WA_NoMousePropagation);
    if (!parent_ && !w->isWindow())
        w->hide();
    UpdateWidgetGeometry();
    ApplyFont();
    ApplyColor();
    ApplyEnabled();
    w->setCursor(QtCursor(cursor_));
    if (auto* wc = dynamic_cast<TWinControl*>(this))
        wc->ApplyFocusPolicy();
}

void TControl::WatchWidget(QWidget* inner)
{
    if (!inner)
        return;
    inner->setMouseTracking(true);
    inner->setAttribute(Qt::WA_NoMousePropagation);
    inner->installEventFilter(impl_->hub.get());
}

TForm* TControl::ParentForm() const
{
    const TControl* c = this;
    while (c->parent_)
        c = c->parent_;
    return dynamic_cast<TForm*>(const_cast<TControl*>(c));
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent == parent_)
        return;
    if (parent == this)
        throw EInvalidOperation("Un contrôle ne peut pas être son propre parent");
    if (parent_)
    {
        TWinControl* old = parent_;
        auto& list = old->controls_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
        auto& tabs = old->tabList_;
        tabs.erase(std::remove(tabs.begin(), tabs.end(), this), tabs.end());
        parent_ = nullptr;
        if (!old->Destroying())
        {
            old->AlignControls();
            old->ControlsChanged();
        }
    }
    parent_ = parent;
    QWidget* w = Widget();
    if (parent)
    {
        parent->controls_.push_back(this);
        if (auto* win = dynamic_cast<TWinControl*>(this))
            parent->tabList_.push_back(win);
        if (w)
        {
            w->setParent(parent->ClientWidget());
            UpdateWidgetGeometry();
        }
        if (parentFont_)
            ParentFontChanged();
        if (parentColor_)
            ParentColorChanged();
        if (w)
            w->setVisible(visible_);
        if (dynamic_cast<TWinControl*>(this))
            parent->ApplyTabOrder();
        parent->AlignControls(this);
        parent->ControlsChanged();
    }
    else if (w && !w->isWindow())
    {
        w->hide();
        w->setParent(nullptr);
    }
}

void TControl::UpdateWidgetGeometry()
{
    if (QWidget* w = Widget())
        w->setGeometry(left_, top_, width_, height_);
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    width = std::max(0, width);
    height = std::max(0, height);
    bool sized = width != width_ || height != height_;
    if (!sized && left == left_ && top == top_)
        return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    UpdateWidgetGeometry();
    BoundsChanged(sized);
    if (parent_ && align_ != alNone && !parent_->aligning_)
        parent_->AlignControls(this);
    if (parent_ && !parent_->Destroying())
        parent_->ChildBoundsChanged(this);
}

void TControl::BoundsChanged(bool sized)
{
    if (sized)
        Guard([&] { Resize(); });
}

TPoint TControl::ClientToScreen(TPoint p) const
{
    if (QWidget* w = CoordWidget(this))
    {
        QPoint g = w->mapToGlobal(QPoint(p.X, p.Y));
        return {g.x(), g.y()};
    }
    return p;
}

TPoint TControl::ScreenToClient(TPoint p) const
{
    if (QWidget* w = CoordWidget(this))
    {
        QPoint l = w->mapFromGlobal(QPoint(p.X, p.Y));
        return {l.x(), l.y()};
    }
    return p;
}

void TControl::SetAlign(TAlign a)
{
    if (a == align_)
        return;
    align_ = a;
    if (parent_)
        parent_->AlignControls(this);
}

void TControl::SetVisible(bool v)
{
    if (v == visible_)
        return;
    visible_ = v;
    if (QWidget* w = Widget())
        if (parent_ || w->isWindow())
            w->setVisible(v);
    if (parent_)
        parent_->AlignControls(this);
}

bool TControl::Showing() const
{
    QWidget* w = Widget();
    return w && w->isVisible();
}

void TControl::SetEnabled(bool e)
{
    if (e == enabled_)
        return;
    enabled_ = e;
    ApplyEnabled();
}

void TControl::ApplyEnabled()
{
    if (QWidget* w = Widget())
        w->setEnabled(enabled_);
}

TColor TControl::Color() const
{
    if (parentColor_ && parent_)
        return parent_->Color();
    return color_;
}

void TControl::SetColor(TColor c)
{
    color_ = c;
    colorSet_ = true;
    parentColor_ = false;
    ApplyColor();
    if (auto* w = dynamic_cast<TWinControl*>(this))
        for (TControl* child : w->controls_)
            child->ParentColorChanged();
}

void TControl::SetParentColor(bool v)
{
    parentColor_ = v;
    ApplyColor();
}

void TControl::ParentColorChanged()
{
    if (!parentColor_)
        return;
    ApplyColor();
    if (auto* w = dynamic_cast<TWinControl*>(this))
        for (TControl* child : w->controls_)
            child->ParentColorChanged();
}

void TControl::ApplyColor()
{
    QWidget* w = Widget();
    if (!w)
        return;
    QColor q = TColorToQColor(Color());
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, q);
    pal.setColor(QPalette::Base, q);
    pal.setColor(QPalette::Button, q);
    w->setPalette(pal);
}

void TControl::SetParentFont(bool v)
{
    parentFont_ = v;
    if (v)
        ParentFontChanged();
}

void TControl::ParentFontChanged()
{
    if (!parentFont_ || !parent_)
        return;
    applyingParentFont_ = true;
    font_.Assign(parent_->font_);   // OnChange applies it and passes it down
    applyingParentFont_ = false;
}

void TControl::ApplyFont()
{
    QWidget* w = Widget();
    if (!w)
        return;
    w->setFont(TFontToQFont(font_));
    QColor q = TColorToQColor(font_.Color());
    // The font's colour is the text of an enabled control; a disabled one keeps
    // the style's grey, so that it reads as disabled.
    QPalette pal = w->palette();
    for (const QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(g, QPalette::WindowText, q);
        pal.setColor(g, QPalette::Text, q);
        pal.setColor(g, QPalette::ButtonText, q);
    }
    w->setPalette(pal);
}

void TControl::SetText(const std::string& s)
{
    if (s == text_)
        return;
    text_ = s;
    ApplyText();
}

void TControl::ApplyText()
{
    if (QWidget* w = Widget())
        w->setWindowTitle(AnsiToQString(text_));
}

bool TControl::ShowHint() const
{
    if (!parentShowHint_)
        return showHint_;
    if (parent_)
        return parent_->ShowHint();
    return showHint_;
}

void TControl::SetCursor(TCursor c)
{
    cursor_ = c;
    if (QWidget* w = Widget())
        w->setCursor(QtCursor(c));
}

void TControl::SetPopupMenu(TPopupMenu* m)
{
    if (popupMenu_)
        popupMenu_->RemoveFreeNotification(this);
    popupMenu_ = m;
    if (m)
        m->FreeNotification(this);
    if (QWidget* w = Widget())
        w->setContextMenuPolicy(Qt::DefaultContextMenu);
}

void TControl::Notification(TComponent* component, bool removing)
{
    TComponent::Notification(component, removing);
    if (removing && component == popupMenu_)
        popupMenu_ = nullptr;
    if (removing && component == action_)
        action_ = nullptr;
}

void TControl::SetAction(TAction* a)
{
    if (a == action_)
        return;
    if (action_)
    {
        action_->RemoveClient(this);
        action_->RemoveFreeNotification(this);
    }
    action_ = a;
    if (a)
    {
        a->AddClient(this);
        ActionChanged();
    }
}

void TControl::ActionChanged()
{
    if (!action_)
        return;
    if (!action_->Caption().empty())
        SetCaption(action_->Caption());
    SetEnabled(action_->Enabled());
    SetVisible(action_->Visible());
    SetHint(action_->Hint());
}

void TControl::Invalidate()
{
    if (QWidget* w = Widget())
        w->update();
}

void TControl::Repaint()
{
    if (QWidget* w = Widget())
        w->repaint();
}

void TControl::Update()
{
    if (QWidget* w = Widget())
        w->repaint();
}

void TControl::BringToFront()
{
    if (QWidget* w = Widget())
        w->raise();
    if (parent_)
    {
        auto& list = parent_->controls_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
        list.push_back(this);
    }
}

void TControl::SendToBack()
{
    if (QWidget* w = Widget())
        w->lower();
    if (parent_)
    {
        auto& list = parent_->controls_;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
        list.insert(list.begin(), this);
    }
}

void TControl::BeginDrag(bool immediate, int threshold)
{
    DragManager::Get().Begin(this, immediate, threshold);
}

void TControl::EndDrag(bool drop)
{
    if (DragManager::Get().Source() == this)
        DragManager::Get().End(drop, QCursor::pos());
}

bool TControl::Dragging() const
{
    return DragManager::Get().Source() == this && DragManager::Get().Started();
}

void TControl::Click()
{
    if (OnClick)
        OnClick(this);
    else if (action_)
        action_->Execute();
}

void TControl::DblClick()
{
    if (OnDblClick)
        OnDblClick(this);
}

void TControl::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept)
{
    Accept = static_cast<bool>(OnDragOver);
    if (OnDragOver)
        OnDragOver(this, Source, X, Y, State, Accept);
}

void TControl::DragDrop(TObject* Source, int X, int Y)
{
    if (OnDragDrop)
        OnDragDrop(this, Source, X, Y);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseDown)
        OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y)
{
    if (OnMouseMove)
        OnMouseMove(this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseUp)
        OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::MouseEnter()
{
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TControl::MouseLeave()
{
    if (OnMouseLeave)
        OnMouseLeave(this);
}

void TControl::Resize()
{
    if (OnResize)
        OnResize(this);
}

void TControl::DoStartDrag()
{
    if (OnStartDrag)
        OnStartDrag(this);
}

void TControl::DoEndDrag(TObject* Target, int X, int Y)
{
    if (OnEndDrag)
        OnEndDrag(this, Target, X, Y);
}

void TControl::PaintWidget(QPainter&)
{
}

void TControl::ParentResized(int dw, int dh)
{
    if (align_ != alNone)
        return;
    int l = left_, t = top_, w = width_, h = height_;
    if (anchors_ & akRight)
    {
        if (anchors_ & akLeft)
            w += dw;
        else
            l += dw;
    }
    else if (!(anchors_ & akLeft))
        l += dw / 2;
    if (anchors_ & akBottom)
    {
        if (anchors_ & akTop)
            h += dh;
        else
            t += dh;
    }
    else if (!(anchors_ & akTop))
        t += dh / 2;
    SetBounds(l, t, w, h);
}

// ============================================================================
// TWinControl
// ============================================================================
TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner)
{
}

TWinControl::~TWinControl()
{
    state_ |= csDestroying;
    impl_->hub.reset();
    // The children go with their parent, the last first.
    while (!controls_.empty())
    {
        TControl* c = controls_.back();
        c->BeforeDestruction();   // no more events from here on
        c->SetParent(nullptr);
        delete c;
    }
}

QWidget* TWinControl::ClientWidget() const
{
    return Widget();
}

int TWinControl::ClientWidth() const
{
    return width_;
}

int TWinControl::ClientHeight() const
{
    return height_;
}

TControl* TWinControl::ControlAtPos(TPoint p, bool allowDisabled) const
{
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
    {
        TControl* c = *it;
        if (c->Visible() && (allowDisabled || c->Enabled()) && c->BoundsRect().Contains(p))
            return c;
    }
    return nullptr;
}

bool TWinControl::ContainsControl(const TControl* c) const
{
    for (; c; c = c->Parent())
        if (c == this)
            return true;
    return false;
}

void TWinControl::ApplyFocusPolicy()
{
    QWidget* w = Widget();
    if (!w)
        return;
    if (FocusOnClick())
        w->setFocusPolicy(tabStop_ ? Qt::StrongFocus : Qt::ClickFocus);
    else
        w->setFocusPolicy(tabStop_ ? Qt::TabFocus : Qt::NoFocus);
}

void TWinControl::SetTabStop(bool v)
{
    tabStop_ = v;
    ApplyFocusPolicy();
}

int TWinControl::TabOrder() const
{
    TWinControl* p = Parent();
    if (!p)
        return -1;
    auto it = std::find(p->tabList_.begin(), p->tabList_.end(), this);
    return it == p->tabList_.end() ? -1 : static_cast<int>(it - p->tabList_.begin());
}

void TWinControl::SetTabOrder(int order)
{
    TWinControl* p = Parent();
    if (!p)
        return;
    auto& list = p->tabList_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    order = std::clamp(order, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + order, this);
    p->ApplyTabOrder();
}

void TWinControl::ApplyTabOrder()
{
    QWidget* prev = nullptr;
    for (TWinControl* c : tabList_)
    {
        QWidget* w = c->Widget();
        if (!w)
            continue;
        if (prev)
            QWidget::setTabOrder(prev, w);
        prev = w;
    }
}

void TWinControl::SetFocus()
{
    if (QWidget* w = Widget())
    {
        if (QWidget* top = w->window(); top && top->isVisible())
            top->activateWindow();
        w->setFocus(Qt::OtherFocusReason);
    }
}

bool TWinControl::Focused() const
{
    QWidget* w = Widget();
    QWidget* f = QApplication::focusWidget();
    return w && f && (f == w || (w->focusProxy() == f) || (w->isAncestorOf(f) && ControlOf(f) == this));
}

bool TWinControl::CanFocus() const
{
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled())
            return false;
    return true;
}

bool TWinControl::DialogKey(WORD key, TShiftState shift)
{
    for (TControl* c : controls_)
        if (auto* w = dynamic_cast<TWinControl*>(c))
            if (w->Visible() && w->Enabled() && w->DialogKey(key, shift))
                return true;
    return false;
}

void TWinControl::KeyDown(WORD& Key, TShiftState Shift)
{
    if (OnKeyDown)
        OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyPress(char& Key)
{
    if (OnKeyPress)
        OnKeyPress(this, Key);
}

void TWinControl::KeyUp(WORD& Key, TShiftState Shift)
{
    if (OnKeyUp)
        OnKeyUp(this, Key, Shift);
}

void TWinControl::DoEnter()
{
    if (OnEnter)
        OnEnter(this);
}

void TWinControl::DoExit()
{
    if (OnExit)
        OnExit(this);
}

void TWinControl::BoundsChanged(bool sized)
{
    int cw = ClientWidth(), ch = ClientHeight();
    if (cw != lastClientW_ || ch != lastClientH_)
    {
        int dw = cw - lastClientW_, dh = ch - lastClientH_;
        lastClientW_ = cw;
        lastClientH_ = ch;
        for (TControl* c : std::vector<TControl*>(controls_))
            c->ParentResized(dw, dh);
        AlignControls();
    }
    if (sized)
        Guard([&] { Resize(); });
}

void TWinControl::AlignControls(TControl* changed)
{
    if (alignDisabled_ || aligning_ || Destroying())
        return;
    aligning_ = true;
    TRect r = Rect(0, 0, ClientWidth(), ClientHeight());
    AdjustClientRect(r);
    auto collect = [&](TAlign a) {
        std::vector<TControl*> list;
        for (TControl* c : controls_)
            if (c->align_ == a && c->visible_)
                list.push_back(c);
        auto key = [a](TControl* c) {
            switch (a)
            {
            case alTop: return c->top_;
            case alBottom: return -(c->top_ + c->height_);
            case alLeft: return c->left_;
            case alRight: return -(c->left_ + c->width_);
            default: return 0;
            }
        };
        std::stable_sort(list.begin(), list.end(), [&](TControl* x, TControl* y) {
            int kx = key(x), ky = key(y);
            if (kx != ky)
                return kx < ky;
            return x == changed && y != changed;
        });
        return list;
    };
    for (TControl* c : collect(alTop))
    {
        c->SetBounds(r.Left, r.Top, std::max(0, r.Width()), c->height_);
        r.Top += c->height_;
    }
    for (TControl* c : collect(alBottom))
    {
        c->SetBounds(r.Left, r.Bottom - c->height_, std::max(0, r.Width()), c->height_);
        r.Bottom -= c->height_;
    }
    for (TControl* c : collect(alLeft))
    {
        c->SetBounds(r.Left, r.Top, c->width_, std::max(0, r.Height()));
        r.Left += c->width_;
    }
    for (TControl* c : collect(alRight))
    {
        c->SetBounds(r.Right - c->width_, r.Top, c->width_, std::max(0, r.Height()));
        r.Right -= c->width_;
    }
    for (TControl* c : collect(alClient))
        c->SetBounds(r.Left, r.Top, std::max(0, r.Width()), std::max(0, r.Height()));
    aligning_ = false;
}

// ============================================================================
// TGraphicControl, TCustomControl
// ============================================================================
TGraphicControl::TGraphicControl(TComponent* AOwner) : TGraphicControl(AOwner, nullptr)
{
}

TGraphicControl::TGraphicControl(TComponent* AOwner, QWidget* widget)
    : TControl(AOwner), canvas_(std::make_unique<TCanvas>())
{
    SetParentColor(true);
    if (!widget)
    {
        widget = new guiimpl::PaintWidget(this);
        widget->setAttribute(Qt::WA_NoSystemBackground);
    }
    widget->setFocusPolicy(Qt::NoFocus);
    SetWidget(widget);
}

TGraphicControl::~TGraphicControl() = default;

TCanvas& TGraphicControl::Canvas()
{
    return *canvas_;
}

void TGraphicControl::Paint()
{
    if (OnPaint)
        OnPaint(this);
}

void TGraphicControl::PaintWidget(QPainter& painter)
{
    guiimpl::CanvasPaint peinture(*canvas_, painter, *this);
    Paint();
}

TCustomControl::TCustomControl(TComponent* AOwner)
    : TWinControl(AOwner), canvas_(std::make_unique<TCanvas>())
{
    auto* w = new guiimpl::PaintWidget(this);
    w->setAttribute(Qt::WA_OpaquePaintEvent);
    SetWidget(w);
    ApplyFocusPolicy();
}

TCustomControl::~TCustomControl() = default;

TCanvas& TCustomControl::Canvas()
{
    return *canvas_;
}

void TCustomControl::Paint()
{
    if (OnPaint)
        OnPaint(this);
}

void TCustomControl::PaintWidget(QPainter& painter)
{
    if (Opaque)
        painter.fillRect(QRect(0, 0, width_, height_), TColorToQColor(Color()));
    guiimpl::CanvasPaint peinture(*canvas_, painter, *this);
    Paint();
}
