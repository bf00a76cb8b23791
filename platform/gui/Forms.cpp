#include "platform/gui/Forms.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QFile>
#include <QStyle>
#include <QGuiApplication>
#include <QLocale>
#include <QMenuBar>
#include <QMetaObject>
#include <QPalette>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTimer>

#include <algorithm>
#include <clocale>

#include "platform/gui/Dialogs.h"
#include "platform/gui/GuiPrivate.h"
#include "platform/gui/Menus.h"
#include "platform/gui/Printers.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Strings.h"
#include "platform/rtl/Thread.h"

using namespace guiimpl;

TApplication* Application = nullptr;
static TScreen screenInstance;
TScreen* Screen = &screenInstance;

// ============================================================================
// the window widget
// ============================================================================
namespace {

class FormWidget : public QWidget
{
public:
    explicit FormWidget(TForm* f) : form(f) {}
    TForm* form;

protected:
    void resizeEvent(QResizeEvent* e) override
    {
        QWidget::resizeEvent(e);
        if (form && !form->Destroying())
            form->WidgetResized();
    }
    void moveEvent(QMoveEvent* e) override
    {
        QWidget::moveEvent(e);
        if (form && !form->Destroying() && isWindow())
            form->WidgetResized();
    }
    void closeEvent(QCloseEvent* e) override
    {
        e->ignore();
        if (form && !form->Destroying())
            Guard([&] { form->Close(); });
    }
    void changeEvent(QEvent* e) override
    {
        QWidget::changeEvent(e);
        if (e->type() == QEvent::ActivationChange && form && !form->Destroying() && isWindow())
            form->WidgetActivated(isActiveWindow());
    }
};

}  // namespace

struct TForm::FormImpl
{
    QPointer<QWidget> client;
    QEventLoop* loop = nullptr;
    bool releaseAfterModal = false;
    bool placing = false;
    TWinControl* activeControl = nullptr;
    TWinControl* entered = nullptr;
    QPointer<QObject> enteredAlive;
};

// ============================================================================
// TForm
// ============================================================================
TForm::TForm(TComponent* AOwner) : TWinControl(AOwner), f_(std::make_unique<FormImpl>())
{
    visible_ = false;
    auto* w = new FormWidget(this);
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    f_->client = new QWidget(w);
    f_->client->setObjectName("client");
    w->setAutoFillBackground(true);
    SetWidget(w);
    ApplyWindowFlags();
    SetBounds(0, 0, 320, 240);
    Screen->AddForm(this);
}

TForm::~TForm()
{
    if (!destroyed_)
    {
        destroyed_ = true;
        state_ |= csDestroying;
    }
    Screen->RemoveForm(this);
    if (f_->loop)
        f_->loop->quit();
    if (Application && Application->MainForm() == this)
        Application->SetMainForm(nullptr);
    if (auto* fw = dynamic_cast<FormWidget*>(Widget()))
        fw->form = nullptr;
}

void TForm::BeforeDestruction()
{
    if (!destroyed_)
    {
        destroyed_ = true;
        Guard([&] { DoDestroy(); });
    }
    TWinControl::BeforeDestruction();
}

void TForm::DoCreate()
{
    if (OnCreate)
        OnCreate(this);
}

void TForm::DoDestroy()
{
    if (OnDestroy)
        OnDestroy(this);
}

void TForm::FrameExtra(int& dx, int& dy) const
{
    dx = dy = 0;
    if (Parent())
        return;
    switch (borderStyle_)
    {
    case bsNone: return;
    case bsSizeable: dx = 8; dy = 8 + 22; return;
    case bsToolWindow: dx = 6; dy = 6 + 16; return;
    case bsSizeToolWin: dx = 8; dy = 8 + 16; return;
    default: dx = 6; dy = 6 + 22; return;
    }
}

int TForm::MenuHeight() const
{
    if (menu_ && menu_->Bar() && !Parent())
        return std::max(menu_->Bar()->sizeHint().height(), 20);
    return 0;
}

int TForm::ClientWidth() const
{
    int dx, dy;
    FrameExtra(dx, dy);
    return std::max(0, width_ - dx);
}

int TForm::ClientHeight() const
{
    int dx, dy;
    FrameExtra(dx, dy);
    return std::max(0, height_ - dy - MenuHeight());
}

void TForm::SetClientWidth(int w)
{
    int dx, dy;
    FrameExtra(dx, dy);
    SetWidth(w + dx);
}

void TForm::SetClientHeight(int h)
{
    int dx, dy;
    FrameExtra(dx, dy);
    SetHeight(h + dy + MenuHeight());
}

QWidget* TForm::ClientWidget() const
{
    return f_ ? f_->client.data() : nullptr;
}

void TForm::UpdateWidgetGeometry()
{
    QWidget* w = Widget();
    if (!w || !f_)
        return;
    int dx, dy;
    FrameExtra(dx, dy);
    int mh = MenuHeight();
    f_->placing = true;
    if (Parent())
        w->setGeometry(left_, top_, width_, height_);
    else
        w->setGeometry(left_ + dx / 2, top_ + (dy - dx / 2), std::max(0, width_ - dx), std::max(0, height_ - dy));
    f_->placing = false;
    int cw = std::max(0, width_ - dx), ch = std::max(0, height_ - dy);
    if (menu_ && menu_->Bar())
    {
        menu_->Bar()->setGeometry(0, 0, cw, mh);
        menu_->Bar()->setVisible(mh > 0);
    }
    if (f_->client)
        f_->client->setGeometry(0, mh, cw, std::max(0, ch - mh));
}

void TForm::WidgetResized()
{
    QWidget* w = Widget();
    if (!w || f_->placing)
        return;
    int dx, dy;
    FrameExtra(dx, dy);
    if (Parent())
        return;
    QRect g = w->geometry();
    int nl = g.x() - dx / 2, nt = g.y() - (dy - dx / 2);
    int nw = g.width() + dx, nh = g.height() + dy;
    if (nw != width_ || nh != height_ || nl != left_ || nt != top_)
        SetBounds(nl, nt, nw, nh);
}

void TForm::WidgetActivated(bool active)
{
    if (active == active_)
        return;
    active_ = active;
    if (active)
    {
        Screen->AddForm(this);   // moves it first
        Guard([&] { Activate(); });
        if (f_->activeControl && f_->activeControl->CanFocus() && !f_->activeControl->Focused())
            f_->activeControl->SetFocus();
    }
    else
        Guard([&] { Deactivate(); });
}

void TForm::Activate()
{
    if (OnActivate)
        OnActivate(this);
}

void TForm::Deactivate()
{
    if (OnDeactivate)
        OnDeactivate(this);
}

TWinControl* TForm::EnteredControl() const
{
    return f_->enteredAlive ? f_->entered : nullptr;
}

void TForm::SetEnteredControl(TWinControl* c)
{
    f_->entered = c;
    f_->enteredAlive = c ? c->HubObject() : nullptr;
}

bool TForm::Active() const
{
    return active_;
}

TWinControl* TForm::ActiveControl() const
{
    QWidget* f = QApplication::focusWidget();
    if (f && Widget() && Widget()->isAncestorOf(f))
        if (auto* c = dynamic_cast<TWinControl*>(ControlOf(f)))
            return c;
    return f_->activeControl;
}

void TForm::SetActiveControl(TWinControl* c)
{
    f_->activeControl = c;
    if (c && Showing() && c->CanFocus())
        c->SetFocus();
}

void TForm::ApplyText()
{
    TWinControl::ApplyText();
}

void TForm::ApplyColor()
{
    TWinControl::ApplyColor();
    if (QWidget* w = Widget())
        w->setAutoFillBackground(true);
}

void TForm::SetBorderStyle(TBorderStyle s)
{
    if (s == borderStyle_)
        return;
    int cw = ClientWidth(), ch = ClientHeight();
    borderStyle_ = s;
    ApplyWindowFlags();
    // The client area keeps its size, as the window's frame changes around it.
    int dx, dy;
    FrameExtra(dx, dy);
    SetBounds(left_, top_, cw + dx, ch + dy + MenuHeight());
    UpdateWidgetGeometry();
}

void TForm::SetBorderIcons(TBorderIcons icons)
{
    borderIcons_ = icons;
    ApplyWindowFlags();
}

void TForm::SetFormStyle(TFormStyle s)
{
    formStyle_ = s;
    ApplyWindowFlags();
}

void TForm::ApplyWindowFlags()
{
    QWidget* w = Widget();
    if (!w || Parent())
        return;
    Qt::WindowFlags flags;
    switch (borderStyle_)
    {
    case bsNone: flags = Qt::Window | Qt::FramelessWindowHint; break;
    case bsDialog: flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint; break;
    case bsToolWindow:
    case bsSizeToolWin: flags = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint; break;
    default:
        flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (borderIcons_ & biMinimize)
            flags |= Qt::WindowMinimizeButtonHint;
        if (borderIcons_ & biMaximize)
            flags |= Qt::WindowMaximizeButtonHint;
        break;
    }
    if (borderStyle_ != bsNone && (borderIcons_ & biSystemMenu))
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (formStyle_ == fsStayOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    bool shown = w->isVisible();
    w->setWindowFlags(flags);
    if (shown)
        w->show();
}

TWindowState TForm::WindowState() const
{
    QWidget* w = Widget();
    if (w && w->isMaximized())
        return wsMaximized;
    if (w && w->isMinimized())
        return wsMinimized;
    return wsNormal;
}

void TForm::SetWindowState(TWindowState s)
{
    QWidget* w = Widget();
    if (!w || Parent())
        return;
    Qt::WindowStates st = w->windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized);
    if (s == wsMaximized)
        st |= Qt::WindowMaximized;
    else if (s == wsMinimized)
        st |= Qt::WindowMinimized;
    w->setWindowState(st);
}

void TForm::SetMenu(TMainMenu* menu)
{
    if (menu_ == menu)
        return;
    int ch = ClientHeight();
    if (menu_ && menu_->Bar())
        menu_->Bar()->hide();
    menu_ = menu;
    if (menu_ && menu_->Bar())
    {
        menu_->Bar()->setParent(Widget());
        menu_->Bar()->show();
    }
    // The client area keeps its size; the window grows by the bar.
    SetClientHeight(ch);
    UpdateWidgetGeometry();
    AlignControls();
}

void TForm::SetParent(TWinControl* parent)
{
    QWidget* w = Widget();
    if (parent == Parent())
        return;
    if (parent)
    {
        if (w)
            w->setWindowFlags(Qt::Widget);
        TWinControl::SetParent(parent);
    }
    else
    {
        TWinControl::SetParent(nullptr);
        if (w)
        {
            w->setParent(nullptr);
            ApplyWindowFlags();
            w->setVisible(false);
            visible_ = false;
        }
    }
    UpdateWidgetGeometry();
}

void TForm::PlaceOnScreen()
{
    int sw = Screen->Width(), sh = Screen->Height();
    TForm* centre = nullptr;
    switch (Position)
    {
    case poScreenCenter:
    case poDesktopCenter:
        SetBounds((sw - width_) / 2, (sh - height_) / 2, width_, height_);
        return;
    case poOwnerFormCenter:
        centre = dynamic_cast<TForm*>(Owner());
        if (!centre && Application)
            centre = Application->MainForm();
        break;
    case poMainFormCenter:
        centre = Application ? Application->MainForm() : nullptr;
        break;
    default:
        return;
    }
    if (!centre || centre == this || !centre->Visible())
    {
        SetBounds((sw - width_) / 2, (sh - height_) / 2, width_, height_);
        return;
    }
    SetBounds(centre->Left() + (centre->Width() - width_) / 2,
              centre->Top() + (centre->Height() - height_) / 2, width_, height_);
}

void TForm::SetVisible(bool v)
{
    QWidget* w = Widget();
    if (Parent())
    {
        if (v == visible_)
            return;
        if (v)
            Guard([&] { DoShow(); });
        TWinControl::SetVisible(v);
        if (!v)
            Guard([&] { DoHide(); });
        return;
    }
    if (v)
    {
        if (!visible_)
        {
            Guard([&] { DoShow(); });
            PlaceOnScreen();
            TWinControl::SetVisible(true);
        }
        if (w)
        {
            w->show();
            if (QGuiApplication::platformName() != "offscreen")
                w->raise();
            w->activateWindow();
            if (w->isActiveWindow() && f_->activeControl && f_->activeControl->CanFocus())
                f_->activeControl->SetFocus();
        }
        shownOnce_ = true;
    }
    else if (visible_)
    {
        TWinControl::SetVisible(false);
        Guard([&] { DoHide(); });
    }
}

void TForm::DoShow()
{
    if (OnShow)
        OnShow(this);
}

void TForm::DoHide()
{
    if (OnHide)
        OnHide(this);
}

void TForm::BringToFront()
{
    if (QWidget* w = Widget())
    {
        if (QGuiApplication::platformName() != "offscreen")
            w->raise();
        w->activateWindow();
    }
}

int TForm::ShowModal()
{
    if (Visible() || modal_)
        throw EInvalidOperation(L1("Impossible de rendre modale une fenêtre visible"));
    modal_ = true;
    modalResult_ = mrNone;
    QWidget* w = Widget();
    w->setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    f_->loop = &loop;
    QPointer<QWidget> alive(w);
    SetVisible(true);
    while (alive && !destroyed_)
    {
        if (modalResult_ == mrNone)
            loop.exec();
        if (!alive || destroyed_)
            break;
        if (Application && Application->Terminated() && modalResult_ == mrNone)
            modalResult_ = mrCancel;
        if (modalResult_ != mrNone)
        {
            CloseModal();
            if (modalResult_ != mrNone)
                break;
        }
    }
    TModalResult result = modalResult_;
    if (!alive || destroyed_)
        return result == mrNone ? mrCancel : result;
    f_->loop = nullptr;
    SetVisible(false);
    w->setWindowModality(Qt::NonModal);
    modal_ = false;
    if (f_->releaseAfterModal)
    {
        f_->releaseAfterModal = false;
        Release();
    }
    return result;
}

void TForm::CloseModal()
{
    TCloseAction action = caNone;
    if (CloseQuery())
    {
        action = caHide;
        DoClose(action);
    }
    if (action == caNone)
        modalResult_ = mrNone;
    else if (action == caFree)
        f_->releaseAfterModal = true;
}

void TForm::SetModalResult(TModalResult r)
{
    modalResult_ = r;
    if (modal_ && r != mrNone && f_->loop)
        f_->loop->quit();
}

bool TForm::CloseQuery()
{
    bool canClose = true;
    // Embedded windows are asked too, as they close with us.
    for (int i = 0; i < ComponentCount(); ++i)
        if (auto* child = dynamic_cast<TForm*>(Components(i)))
            if (child->Parent() && !child->CloseQuery())
                return false;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    return canClose;
}

void TForm::DoClose(TCloseAction& action)
{
    if (OnClose)
        OnClose(this, action);
}

void TForm::Close()
{
    if (modal_)
    {
        SetModalResult(mrCancel);
        return;
    }
    if (!CloseQuery())
        return;
    TCloseAction action = caHide;
    DoClose(action);
    if (action == caNone)
        return;
    if (Application && Application->MainForm() == this)
    {
        Hide();
        Application->Terminate();
    }
    else if (action == caHide)
        Hide();
    else if (action == caMinimize)
        SetWindowState(wsMinimized);
    else
        Release();
}

void TForm::Release()
{
    if (modal_)
    {
        f_->releaseAfterModal = true;
        return;
    }
    Hide();
    QPointer<QObject> hub(HubObject());
    TForm* self = this;
    QTimer::singleShot(0, qApp, [hub, self] {
        if (hub)
            self->Free();
    });
}

bool TForm::DialogKey(WORD key, TShiftState shift)
{
    if (key == VK_RETURN)
    {
        if (auto* b = dynamic_cast<TButton*>(ActiveControl()))
            if (b->Focused() && b->CanFocus())
            {
                b->Click();
                return true;
            }
    }
    if (TWinControl::DialogKey(key, shift))
        return true;
    // Every dialog closes on Escape: without a Cancel button, as its close
    // box closes it.
    if (key == VK_ESCAPE && !(shift & (ssShift | ssCtrl | ssAlt)) && modal_)
    {
        Close();
        return true;
    }
    return false;
}

// ============================================================================
// TScrollBox
// ============================================================================
struct TScrollBox::Impl
{
    QScrollArea* area = nullptr;
    QWidget* inner = nullptr;
};

TScrollBox::TScrollBox(TComponent* AOwner) : TWinControl(AOwner), s_(std::make_unique<Impl>())
{
    s_->area = new QScrollArea;
    s_->area->setWidgetResizable(false);
    s_->inner = new QWidget;
    s_->area->setWidget(s_->inner);
    s_->area->setFrameShape(QFrame::StyledPanel);
    s_->area->setFrameShadow(QFrame::Sunken);
    SetWidget(s_->area);
    WatchWidget(s_->area->viewport());
    SetBounds(0, 0, 185, 41);
}

TScrollBox::~TScrollBox() = default;

QWidget* TScrollBox::ClientWidget() const
{
    return s_ ? s_->inner : nullptr;
}

int TScrollBox::ClientWidth() const
{
    int f = border_ == bsNone ? 0 : 2;
    int w = width_ - 2 * f;
    if (s_ && s_->area->verticalScrollBar()->maximum() > 0)
        w -= s_->area->verticalScrollBar()->sizeHint().width();
    return std::max(0, w);
}

int TScrollBox::ClientHeight() const
{
    int f = border_ == bsNone ? 0 : 2;
    int h = height_ - 2 * f;
    if (s_ && s_->area->horizontalScrollBar()->maximum() > 0)
        h -= s_->area->horizontalScrollBar()->sizeHint().height();
    return std::max(0, h);
}

void TScrollBox::SetBorderStyle(TBorderStyle s)
{
    border_ = s;
    s_->area->setFrameShape(s == bsNone ? QFrame::NoFrame : QFrame::StyledPanel);
    UpdateScrollRange();
}

int TScrollBox::HorzPosition() const { return s_->area->horizontalScrollBar()->value(); }
void TScrollBox::SetHorzPosition(int p) { s_->area->horizontalScrollBar()->setValue(p); }
int TScrollBox::VertPosition() const { return s_->area->verticalScrollBar()->value(); }
void TScrollBox::SetVertPosition(int p) { s_->area->verticalScrollBar()->setValue(p); }
int TScrollBox::HorzRange() const { return s_->inner->width(); }
int TScrollBox::VertRange() const { return s_->inner->height(); }

void TScrollBox::UpdateScrollRange()
{
    if (!s_ || Destroying())
        return;
    int f = border_ == bsNone ? 0 : 2;
    int vw = std::max(0, width_ - 2 * f), vh = std::max(0, height_ - 2 * f);
    int right = 0, bottom = 0;
    for (int i = 0; i < ControlCount(); ++i)
    {
        TControl* c = Controls(i);
        if (!c->Visible() || c->Align() != alNone)
            continue;
        right = std::max(right, c->Left() + c->Width());
        bottom = std::max(bottom, c->Top() + c->Height());
    }
    int sb = s_->area->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    int w = vw, h = vh;
    bool needV = bottom > vh, needH = right > vw;
    if (needV)
        w -= sb;
    if (needH)
        h -= sb;
    if (!needV && bottom > h)
        w -= sb;
    if (!needH && right > w)
        h -= sb;
    s_->inner->resize(std::max(right, w), std::max(bottom, h));
}

void TScrollBox::BoundsChanged(bool sized)
{
    UpdateScrollRange();
    TWinControl::BoundsChanged(sized);
}

void TScrollBox::AlignControls(TControl* changed)
{
    TWinControl::AlignControls(changed);
    UpdateScrollRange();
}

// ============================================================================
// TApplication
// ============================================================================
struct TApplication::QtApp
{
    std::unique_ptr<QApplication> app;
    bool running = false;
};

static void ApplySystemPalette()
{
    QPalette pal;
    auto set = [&](QPalette::ColorRole role, TColor c) {
        pal.setColor(QPalette::All, role, TColorToQColor(c));
    };
    set(QPalette::Window, clBtnFace);
    set(QPalette::WindowText, clWindowText);
    set(QPalette::Base, clWindow);
    set(QPalette::AlternateBase, clBtnFace);
    set(QPalette::Text, clWindowText);
    set(QPalette::Button, clBtnFace);
    set(QPalette::ButtonText, clBtnText);
    set(QPalette::Highlight, clHighlight);
    set(QPalette::HighlightedText, clHighlightText);
    set(QPalette::ToolTipBase, clInfoBk);
    set(QPalette::ToolTipText, clInfoText);
    set(QPalette::Light, clBtnHighlight);
    set(QPalette::Midlight, cl3DLight);
    set(QPalette::Mid, clBtnShadow);
    set(QPalette::Dark, clBtnShadow);
    set(QPalette::Shadow, cl3DDkShadow);
    pal.setColor(QPalette::Disabled, QPalette::WindowText, TColorToQColor(clGrayText));
    pal.setColor(QPalette::Disabled, QPalette::Text, TColorToQColor(clGrayText));
    pal.setColor(QPalette::Disabled, QPalette::ButtonText, TColorToQColor(clGrayText));
    QApplication::setPalette(pal);
}

void ApplyLocaleNumbers(const std::string& locale)
{
    const QLocale l = locale.empty() ? QLocale::system() : QLocale(QString::fromStdString(locale));
    if (l.language() == QLocale::C)
        return;
    const QString point = l.decimalPoint();
    if (point.size() == 1 && point[0].unicode() < 0x80)
        FormatSettings().DecimalSeparator = static_cast<char>(point[0].unicode());
}

TApplication::TApplication(int& argc, char** argv) : TComponent(nullptr), qt_(std::make_unique<QtApp>())
{
    if (!QApplication::instance())
    {
        qt_->app = std::make_unique<QApplication>(argc, argv);
        ownsQt_ = true;
    }
    Application = this;
    // Qt set the C library's locale from the environment: numbers that the C
    // library writes or reads stay in one form whatever the user's settings.
    std::setlocale(LC_NUMERIC, "C");
    if (QStyle* style = QStyleFactory::create("Fusion"))
        QApplication::setStyle(style);
    ApplySystemPalette();
    QApplication::setFont(TFontToQFont(TFont()));
    QApplication::setQuitOnLastWindowClosed(false);
    MarkMainThread();
    SetMainThreadPoster([](std::function<void()> call) {
        if (QCoreApplication* app = QCoreApplication::instance())
            QMetaObject::invokeMethod(app, [call] { call(); }, Qt::QueuedConnection);
    });
}

TApplication::~TApplication()
{
    state_ |= csDestroying;
    while (ComponentCount() > 0)
        Components(ComponentCount() - 1)->Free();
    SetMainThreadPoster(nullptr);
    if (Application == this)
        Application = nullptr;
    qt_->app.reset();
}

void TApplication::SetTitle(const std::string& t)
{
    title_ = t;
    QApplication::setApplicationDisplayName(AnsiToQString(t));
}

void TApplication::Run()
{
    terminated_ = false;
    qt_->running = true;
    if (mainForm_ && !mainForm_->Visible())
        mainForm_->Show();
    if (!terminated_)
        QApplication::exec();
    qt_->running = false;
}

void TApplication::ProcessMessages()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TApplication::Terminate()
{
    if (!qt_->running)
        return;
    terminated_ = true;
    QCoreApplication::quit();
    // Modal loops end too.
    for (int i = 0; i < Screen->FormCount(); ++i)
        if (Screen->Forms(i)->Modal())
            Screen->Forms(i)->SetModalResult(mrCancel);
}

std::string TApplication::ExeName() const
{
    return QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
}

void TApplication::HandleException(const std::exception& e)
{
    // A printout the user chose not to write is no error.
    if (dynamic_cast<const EAbort*>(&e) || dynamic_cast<const EPrinterCancelled*>(&e))
        return;
    if (OnException)
        OnException(this, e);
    else
        ShowException(e);
}

void TApplication::ShowException(const std::exception& e)
{
    std::string msg = e.what();
    if (!msg.empty() && msg.back() != '.')
        msg += '.';
    MessageBox(msg, title_, MB_OK | MB_ICONERROR);
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, int flags)
{
    return ::ShowMessageBox(text, caption, flags);
}

// ============================================================================
// TScreen
// ============================================================================
int TScreen::Width() const
{
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().width() : 0;
}

int TScreen::Height() const
{
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().height() : 0;
}

int TScreen::ColorDepth() const
{
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->depth() : 0;
}

void TScreen::SetCursor(TCursor c)
{
    if (c == cursor_)
        return;
    if (cursor_ != crDefault)
        QApplication::restoreOverrideCursor();
    cursor_ = c;
    if (c != crDefault)
        QApplication::setOverrideCursor(QCursor(QtCursor(c)));
}

TForm* TScreen::ActiveForm() const
{
    QWidget* a = QApplication::activeWindow();
    for (TForm* f : forms_)
        if (f->Widget() == a)
            return f;
    for (TForm* f : forms_)
        if (f->Visible() && !f->Parent())
            return f;
    return nullptr;
}

TWinControl* TScreen::ActiveControl() const
{
    QWidget* f = QApplication::focusWidget();
    return f ? dynamic_cast<TWinControl*>(ControlOf(f)) : nullptr;
}

void TScreen::AddForm(TForm* f)
{
    RemoveForm(f);
    forms_.insert(forms_.begin(), f);
}

void TScreen::RemoveForm(TForm* f)
{
    forms_.erase(std::remove(forms_.begin(), forms_.end(), f), forms_.end());
}
