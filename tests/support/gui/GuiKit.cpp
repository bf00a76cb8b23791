#include "tests/support/gui/GuiKit.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QTimer>

#include <algorithm>
#include <deque>
#include <vector>

#include "platform/gui/GuiPrivate.h"
#include "platform/gui/StdCtrls.h"
#include "platform/rtl/Files.h"

namespace kit {

namespace {
std::vector<TMessageRequest> messages;
std::vector<Refusal> refusals;
std::vector<std::string> dialogs;
std::deque<int> messageAnswers;
TDialogHook dialogAnswer;
std::deque<std::function<void(TForm*)>> modalActions;
// Told of each form that closes itself as it comes up, once.
std::function<void(TForm*)> selfClosingWatcher;
std::vector<TForm*> selfClosingSeen;
bool modalWatch = false;

Qt::KeyboardModifiers QtMods(TShiftState s)
{
    Qt::KeyboardModifiers m;
    if (s & ssShift)
        m |= Qt::ShiftModifier;
    if (s & ssCtrl)
        m |= Qt::ControlModifier;
    if (s & ssAlt)
        m |= Qt::AltModifier;
    return m;
}

Qt::MouseButton QtButton(TMouseButton b)
{
    return b == mbRight ? Qt::RightButton : b == mbMiddle ? Qt::MiddleButton : Qt::LeftButton;
}

QWidget* CoordWidget(TControl* c)
{
    if (auto* w = dynamic_cast<TWinControl*>(c))
        if (w->ClientWidget())
            return w->ClientWidget();
    return c->Widget();
}

// The widget under a point of the control, and the point in it.
QWidget* Target(TControl* c, int x, int y, QPoint& local)
{
    QWidget* coord = CoordWidget(c);
    QWidget* w = coord->childAt(x, y);
    // Stay within this control: a child control's widget is a target of its own.
    if (!w || guiimpl::ControlOf(w) != c)
        w = coord;
    local = w->mapFrom(coord, QPoint(x, y));
    if (w == coord)
        local = QPoint(x, y);
    return w;
}

void SendMouse(QWidget* w, QEvent::Type type, const QPoint& local, Qt::MouseButton button,
               Qt::MouseButtons buttons, Qt::KeyboardModifiers mods)
{
    QPoint global = w->mapToGlobal(local);
    QCursor::setPos(global);
    QMouseEvent e(type, QPointF(local), QPointF(global), button, buttons, mods);
    QApplication::sendEvent(w, &e);
}

// The modal forms whose action is running: an action may show another modal
// form (a message box after a click), which gets the next action meanwhile.
std::vector<TForm*> busy;

// Modal forms that close themselves once their work is done (the progress
// window of a season file's load or save): no answer is queued for them.
bool ClosesItself(TForm* f)
{
    return f->Name() == "f_EtatSauve";
}

// What the form says: the captions of its labels, for the failure's message.
std::string ModalText(TComponent* f)
{
    std::string t;
    for (int i = 0; i < f->ComponentCount(); ++i)
        if (auto* l = dynamic_cast<TLabel*>(f->Components(i)); l && !l->Caption().empty())
            t += " \"" + l->Caption() + "\"";
    return t;
}

// Every modal form gets the next queued action; one shown with none queued
// would wait for ever: it fails the test and is closed.
void CheckModal()
{
    // The next check is due even while an action runs (a timer is not
    // delivered again while its own slot runs).
    QTimer::singleShot(10, qApp, CheckModal);
    // the forms that closed themselves are forgotten (another may take the address)
    selfClosingSeen.erase(std::remove_if(selfClosingSeen.begin(), selfClosingSeen.end(),
                                         [](TForm* f) {
                                             for (int i = Screen ? Screen->FormCount() - 1 : -1; i >= 0; --i)
                                                 if (Screen->Forms(i) == f)
                                                     return !f->Modal() || !f->Visible();
                                             return true;
                                         }),
                          selfClosingSeen.end());
    for (int i = Screen ? Screen->FormCount() - 1 : -1; i >= 0; --i)
    {
        TForm* f = Screen->Forms(i);
        if (f->Modal() && f->Visible() && ClosesItself(f) && selfClosingWatcher &&
            std::find(selfClosingSeen.begin(), selfClosingSeen.end(), f) == selfClosingSeen.end())
        {
            selfClosingSeen.push_back(f);
            selfClosingWatcher(f);
        }
        if (!f->Modal() || !f->Visible() || ClosesItself(f) || std::find(busy.begin(), busy.end(), f) != busy.end())
            continue;
        if (modalActions.empty())
        {
            ADD_FAILURE() << "a modal window was shown with no answer queued: " << f->Name() << " \""
                          << f->Caption() << "\"" << ModalText(f);
            f->SetModalResult(mrCancel);
            break;
        }
        auto action = modalActions.front();
        modalActions.pop_front();
        busy.push_back(f);
        // A user answers the form shown on top, which has the keyboard: on a
        // loaded machine its activation may not have come yet.
        QWidget* w = f->Widget();
        if (QApplication::activeWindow() != w) {
            w->activateWindow();
            QCoreApplication::processEvents();
        }
        if (QWidget* k = QApplication::focusWidget(); !k || (k != w && !w->isAncestorOf(k)))
            (w->focusWidget() ? w->focusWidget() : w)->setFocus();
        action(f);
        busy.erase(std::find(busy.begin(), busy.end(), f));
        break;
    }
}

// Watches for modal forms for as long as the tests run.
void WatchModal()
{
    if (modalWatch)
        return;
    modalWatch = true;
    QTimer::singleShot(10, qApp, CheckModal);
}

// The answer a message box gives when it is closed.
int ClosingAnswer(const TMessageRequest& r)
{
    return (r.Buttons & mbCancel) ? mrCancel : (r.Buttons & mbNo) ? mrNo : mrOk;
}
}  // namespace

// Paints now what waits to be painted in every visible window, whatever the
// load of the machine: a test then reads what the windows show, and counts
// paints, without depending on when the update request comes.
static void PeintAttente()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
        {
            QEvent e(QEvent::UpdateRequest);
            QApplication::sendEvent(w, &e);
        }
}

void Process(int ms)
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (ms > 0)
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
    }
    PeintAttente();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

bool WaitUntil(const std::function<bool()>& cond, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (!cond())
    {
        if (t.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
    }
    return true;
}

TComponent* FindByName(TComponent* root, const std::string& name)
{
    return root ? root->FindComponentDeep(name) : nullptr;
}

void ShowForm(TForm* form)
{
    form->Show();
    Process();
}

void WhenClosingItself(std::function<void(TForm*)> watcher)
{
    WatchModal();
    selfClosingWatcher = std::move(watcher);
}

void WhenModal(const std::function<void(TForm*)>& action)
{
    modalActions.push_back(action);
    WatchModal();
}

size_t ForgetModalActions()
{
    const size_t n = modalActions.size();
    modalActions.clear();
    return n;
}

TOwned<TForm> NewForm(int clientWidth, int clientHeight)
{
    TOwned<TForm> f(new TForm(nullptr));
    f->SetLeft(20);
    f->SetTop(20);
    f->SetClientWidth(clientWidth);
    f->SetClientHeight(clientHeight);
    return f;
}

int RunModal(TForm* form, const std::function<void(TForm*)>& action, int timeoutMs)
{
    WhenModal(action);
    QPointer<QObject> alive(form->HubObject());
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [alive, form] {
        if (alive && form->Modal())
        {
            ADD_FAILURE() << "the modal form is still up";
            form->SetModalResult(mrCancel);
        }
    });
    watchdog.start(timeoutMs);
    return form->ShowModal();
}

void MouseDown(TControl* c, int x, int y, TMouseButton button, TShiftState shift)
{
    QPoint local;
    QWidget* w = Target(c, x, y, local);
    SendMouse(w, QEvent::MouseButtonPress, local, QtButton(button), QtButton(button), QtMods(shift));
}

void MouseUp(TControl* c, int x, int y, TMouseButton button, TShiftState shift)
{
    QPoint local;
    QWidget* w = Target(c, x, y, local);
    SendMouse(w, QEvent::MouseButtonRelease, local, QtButton(button), Qt::NoButton, QtMods(shift));
}

void MouseMove(TControl* c, int x, int y, TShiftState shift)
{
    QPoint local;
    QWidget* w = Target(c, x, y, local);
    Qt::MouseButtons held;
    if (shift & ssLeft)
        held |= Qt::LeftButton;
    if (shift & ssRight)
        held |= Qt::RightButton;
    SendMouse(w, QEvent::MouseMove, local, Qt::NoButton, held, QtMods(shift));
}

void RightClick(TControl* c, int x, int y)
{
    MouseDown(c, x, y, mbRight);
    MouseUp(c, x, y, mbRight);
    QPoint local;
    QWidget* w = Target(c, x, y, local);
    QContextMenuEvent e(QContextMenuEvent::Mouse, local, w->mapToGlobal(local));
    QApplication::sendEvent(w, &e);
    Process();
}

void Click(TControl* c, int x, int y, TShiftState shift)
{
    if (x < 0)
    {
        QWidget* coord = CoordWidget(c);
        x = coord->width() / 2;
        y = coord->height() / 2;
    }
    QPoint local;
    QWidget* w = Target(c, x, y, local);
    QPointer<QWidget> alive(w);
    SendMouse(w, QEvent::MouseButtonPress, local, Qt::LeftButton, Qt::LeftButton, QtMods(shift));
    if (alive)
        SendMouse(w, QEvent::MouseButtonRelease, local, Qt::LeftButton, Qt::NoButton, QtMods(shift));
    Process();
}

void DblClick(TControl* c, int x, int y)
{
    if (x < 0)
    {
        QWidget* coord = CoordWidget(c);
        x = coord->width() / 2;
        y = coord->height() / 2;
    }
    QPoint local;
    QWidget* w = Target(c, x, y, local);
    QPointer<QWidget> alive(w);
    SendMouse(w, QEvent::MouseButtonPress, local, Qt::LeftButton, Qt::LeftButton, {});
    if (alive)
        SendMouse(w, QEvent::MouseButtonRelease, local, Qt::LeftButton, Qt::NoButton, {});
    if (alive)
        SendMouse(w, QEvent::MouseButtonDblClick, local, Qt::LeftButton, Qt::LeftButton, {});
    if (alive)
        SendMouse(w, QEvent::MouseButtonRelease, local, Qt::LeftButton, Qt::NoButton, {});
    Process();
}

static QWidget* KeyTarget(TWinControl* c)
{
    if (c)
    {
        // Keys go to the window a user has in front: on a loaded machine the
        // activation of one just shown may not have come yet.
        if (QWidget* top = c->Widget()->window(); top->isVisible() && QApplication::activeWindow() != top &&
                                                 !QApplication::activeModalWidget())
        {
            top->activateWindow();
            Process();
        }
        if (!c->Focused())
        {
            c->SetFocus();
            Process();
        }
        QWidget* f = QApplication::focusWidget();
        if (f && (f == c->Widget() || c->Widget()->isAncestorOf(f)))
            return f;
        return c->Widget();
    }
    return QApplication::focusWidget();
}

// Presses and releases one key carrying its text; false when the widget is
// gone on the press.
static bool SendTypedKey(QWidget* w, int key, const QString& s)
{
    QPointer<QWidget> alive(w);
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, s);
    QApplication::sendEvent(w, &press);
    if (!alive)
        return false;
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, s);
    QApplication::sendEvent(w, &release);
    return true;
}

void Type(TWinControl* c, const std::string& text)
{
    QWidget* w = KeyTarget(c);
    for (char ch : text)
    {
        if (!w)
            return;
        QString s = AnsiToQString(std::string(1, ch));
        int key = s.isEmpty() ? 0 : s.at(0).toUpper().unicode();
        if (ch == '\r')
            key = Qt::Key_Return;
        else if (ch == '\b')
            key = Qt::Key_Backspace;
        if (!SendTypedKey(w, key, s))
            return;
    }
    Process();
}

void TypeKeys(TWinControl* c, const std::string& utf8)
{
    for (char32_t u : QString::fromUtf8(utf8).toUcs4())
    {
        QWidget* w = KeyTarget(c);
        if (!w)
            return;
        const QString s = QString::fromUcs4(&u, 1);
        if (!SendTypedKey(w, static_cast<int>(s.toUpper().toUcs4().value(0)), s))
            return;
        Process();
    }
}

void Paste(TWinControl* c, const std::string& utf8)
{
    QGuiApplication::clipboard()->setText(QString::fromUtf8(utf8));
    PressKey(c, 'V', ssCtrl);
}

void PressKey(TWinControl* c, WORD vk, TShiftState shift)
{
    QWidget* w = KeyTarget(c);
    if (!w)
        return;
    int key = guiimpl::QtKeyFromVk(vk);
    // Shift+Tab comes as the back-tab key, as the keyboard gives it.
    if (vk == VK_TAB && (shift & ssShift))
        key = Qt::Key_Backtab;
    QString text;
    if (vk == VK_RETURN)
        text = "\r";
    else if (vk == VK_ESCAPE)
        text = QString(QChar(27));
    else if (vk == VK_BACK)
        text = "\b";
    else if (vk == VK_SPACE)
        text = " ";
    else if (vk == VK_TAB)
        text = "\t";
    else if (((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) && !(shift & (ssCtrl | ssAlt)))
        text = QString(QChar((shift & ssShift) || vk <= '9' ? vk : vk + 32));
    QPointer<QWidget> alive(w);
    QKeyEvent press(QEvent::KeyPress, key, QtMods(shift), text);
    QApplication::sendEvent(w, &press);
    if (alive)
    {
        QKeyEvent release(QEvent::KeyRelease, key, QtMods(shift), text);
        QApplication::sendEvent(w, &release);
    }
    Process();
}

void Drag(TControl* from, TPoint fromPt, TControl* to, TPoint toPt, TShiftState shift)
{
    Qt::KeyboardModifiers mods = QtMods(shift);
    QPoint local;
    QWidget* w = Target(from, fromPt.X, fromPt.Y, local);
    QPointer<QWidget> alive(w);
    SendMouse(w, QEvent::MouseButtonPress, local, Qt::LeftButton, Qt::LeftButton, mods);
    // Moves go to the pressed widget (the mouse is grabbed), with the position
    // on the screen over the target.
    TPoint g = to->ClientToScreen(toPt);
    QPoint global(g.X, g.Y);
    QPoint start = w->mapToGlobal(local);
    QPoint steps[] = {start + QPoint(8, 8), (start + global) / 2, global};
    for (const QPoint& p : steps)
    {
        if (!alive)
            return;
        QCursor::setPos(p);
        QMouseEvent e(QEvent::MouseMove, QPointF(w->mapFromGlobal(p)), QPointF(p), Qt::NoButton, Qt::LeftButton, mods);
        QApplication::sendEvent(w, &e);
    }
    if (!alive)
        return;
    QMouseEvent e(QEvent::MouseButtonRelease, QPointF(w->mapFromGlobal(global)), QPointF(global), Qt::LeftButton,
                  Qt::NoButton, mods);
    QApplication::sendEvent(w, &e);
    Process();
}

std::vector<TMessageRequest>& Messages() { return messages; }
std::vector<Refusal>& Refusals() { return refusals; }
std::vector<std::string>& Dialogs() { return dialogs; }

void AnswerMessages(std::vector<int> results)
{
    messageAnswers.assign(results.begin(), results.end());
}

void AnswerDialogs(TDialogHook hook)
{
    dialogAnswer = std::move(hook);
}

static std::string DialogName(TCommonDialog& d)
{
    if (dynamic_cast<TSaveDialog*>(&d))
        return "TSaveDialog";
    if (dynamic_cast<TOpenDialog*>(&d))
        return "TOpenDialog";
    if (dynamic_cast<TColorDialog*>(&d))
        return "TColorDialog";
    if (dynamic_cast<TFontDialog*>(&d))
        return "TFontDialog";
    if (dynamic_cast<TPrinterSetupDialog*>(&d))
        return "TPrinterSetupDialog";
    return "TCommonDialog";
}

static void AnswerDialogsHook();

void ResetAnswers()
{
    messages.clear();
    refusals.clear();
    dialogs.clear();
    messageAnswers.clear();
    dialogAnswer = nullptr;
    modalActions.clear();
    selfClosingWatcher = nullptr;
    SetMessageHook([](const TMessageRequest& r) {
        messages.push_back(r);
        if (!messageAnswers.empty())
        {
            int a = messageAnswers.front();
            messageAnswers.pop_front();
            return a;
        }
        ADD_FAILURE() << "a message box was shown with no answer queued: \"" << r.Text << "\"";
        return ClosingAnswer(r);
    });
    SetRefusalHook([](TControl* box, const std::string& reason) { refusals.push_back({box, reason}); });
    AnswerDialogsHook();
    if (qApp)
        WatchModal();
}

static void AnswerDialogsHook()
{
    SetDialogHook([](TCommonDialog& d) {
        dialogs.push_back(DialogName(d));
        return dialogAnswer ? dialogAnswer(d) : false;
    });
}

void RealFileDialog(std::function<void(QFileDialog*)> action)
{
    SetDialogHook(nullptr);
    auto* wait = new QTimer;
    QObject::connect(wait, &QTimer::timeout, [wait, action] {
        auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!d)
            return;
        wait->stop();
        wait->deleteLater();
        // The dialog is up: the next ones are the test's again.
        AnswerDialogsHook();
        if (action)
            action(d);
        QMetaObject::invokeMethod(d, "accept");
    });
    wait->start(20);
}

std::string OutputDir()
{
    QString dir = QCoreApplication::applicationDirPath() + "/gui-out";
    QDir().mkpath(dir);
    return dir.toStdString();
}

std::string TempDir()
{
    std::string dir = GetTempDir();
    return dir.empty() || dir.back() == '/' ? dir : dir + "/";
}

std::string GrabToPng(TControl* c, const std::string& baseName, const std::string& dir)
{
    Process();
    QWidget* w = c->Widget();
    std::string path = (dir.empty() ? OutputDir() : dir) + "/" + baseName + ".png";
    if (!w)
        return {};
    QPixmap pm = w->grab();
    pm.save(QString::fromStdString(path), "PNG");
    return path;
}

}  // namespace kit
