// Delivery of the widgets' events to the controls (mouse, keys, focus, hints,
// context menus), key codes, and the drag and drop between controls.
#include "platform/gui/Controls.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCursor>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QToolTip>

#include "platform/gui/Dialogs.h"
#include "platform/gui/Forms.h"
#include "platform/gui/GuiPrivate.h"
#include "platform/gui/Menus.h"

namespace guiimpl {

TShiftState ShiftFromQt(Qt::KeyboardModifiers mods, Qt::MouseButtons buttons)
{
    TShiftState s = 0;
    if (mods & Qt::ShiftModifier)
        s |= ssShift;
    if (mods & Qt::ControlModifier)
        s |= ssCtrl;
    if (mods & Qt::AltModifier)
        s |= ssAlt;
    if (buttons & Qt::LeftButton)
        s |= ssLeft;
    if (buttons & Qt::RightButton)
        s |= ssRight;
    if (buttons & Qt::MiddleButton)
        s |= ssMiddle;
    return s;
}

struct KeyPair
{
    int qt;
    WORD vk;
};
static const KeyPair kKeys[] = {
    {Qt::Key_Backspace, VK_BACK}, {Qt::Key_Tab, VK_TAB}, {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Return, VK_RETURN}, {Qt::Key_Enter, VK_RETURN}, {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL}, {Qt::Key_Alt, VK_MENU}, {Qt::Key_Pause, VK_PAUSE},
    {Qt::Key_CapsLock, VK_CAPITAL}, {Qt::Key_Escape, VK_ESCAPE}, {Qt::Key_Space, VK_SPACE},
    {Qt::Key_PageUp, VK_PRIOR}, {Qt::Key_PageDown, VK_NEXT}, {Qt::Key_End, VK_END},
    {Qt::Key_Home, VK_HOME}, {Qt::Key_Left, VK_LEFT}, {Qt::Key_Up, VK_UP},
    {Qt::Key_Right, VK_RIGHT}, {Qt::Key_Down, VK_DOWN}, {Qt::Key_Insert, VK_INSERT},
    {Qt::Key_Delete, VK_DELETE}, {Qt::Key_Asterisk, VK_MULTIPLY}, {Qt::Key_Plus, VK_ADD},
    {Qt::Key_Minus, VK_SUBTRACT}, {Qt::Key_Slash, VK_DIVIDE},
};

WORD VkFromQtKey(int key)
{
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return static_cast<WORD>(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return static_cast<WORD>(VK_F1 + (key - Qt::Key_F1));
    for (const KeyPair& k : kKeys)
        if (k.qt == key)
            return k.vk;
    if (key > 0 && key < 256)
        return static_cast<WORD>(key);
    return 0;
}

int QtKeyFromVk(WORD vk)
{
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9'))
        return vk;
    if (vk >= VK_F1 && vk <= VK_F12)
        return Qt::Key_F1 + (vk - VK_F1);
    for (const KeyPair& k : kKeys)
        if (k.vk == vk)
            return k.qt;
    return vk;
}

bool ControlHub::eventFilter(QObject* watched, QEvent* event)
{
    if (!control || !watched->isWidgetType())
        return false;
    // A window being freed runs no more events (focus moving as its controls go).
    for (TControl* x = control; x; x = x->Parent())
        if (x->Destroying())
            return false;
    return Dispatch::Event(control, static_cast<QWidget*>(watched), event);
}

// The widget a control's coordinates are measured in: the client area of a
// windowed control (under a form's menu, inside a list's frame).
QWidget* CoordWidget(const TControl* c)
{
    if (auto* w = dynamic_cast<const TWinControl*>(c))
        if (QWidget* cw = w->ClientWidget())
            return cw;
    return c->Widget();
}

static QPoint ToControl(TControl* c, QWidget* watched, const QPointF& pos)
{
    QPoint p = pos.toPoint();
    QWidget* coord = CoordWidget(c);
    if (!coord || coord == watched)
        return p;
    QWidget* top = watched->window();
    if (coord->window() != top)
        return p;
    return coord->mapFrom(top, watched->mapTo(top, p));
}

static TMouseButton ButtonOf(Qt::MouseButton b)
{
    if (b == Qt::RightButton)
        return mbRight;
    if (b == Qt::MiddleButton)
        return mbMiddle;
    return mbLeft;
}

static QEvent* handlingKey = nullptr;
TShiftState lastShift = 0;

bool Dispatch::Event(TControl* c, QWidget* watched, QEvent* e)
{
    switch (e->type())
    {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    {
        auto* me = static_cast<QMouseEvent*>(e);
        if (DragManager::Get().Active())
        {
            lastShift = ShiftFromQt(me->modifiers(), me->buttons());
            if (DragManager::Get().Mouse(me))
                return true;
        }
        QPoint p = ToControl(c, watched, me->position());
        TShiftState shift = ShiftFromQt(me->modifiers(), me->buttons());
        lastShift = shift;
        QPointer<QWidget> guard(watched);
        if (e->type() == QEvent::MouseMove)
        {
            Guard([&] { c->MouseMove(shift, p.x(), p.y()); });
        }
        else if (e->type() == QEvent::MouseButtonPress)
        {
            TMouseButton b = ButtonOf(me->button());
            Guard([&] {
                c->MouseDown(b, shift, p.x(), p.y());
                if (b == mbLeft && c->DragMode == dmAutomatic && !DragManager::Get().Active())
                    c->BeginDrag(false);
            });
            if (c->impl_)
                c->impl_->pressedInside = (b == mbLeft);
        }
        else if (e->type() == QEvent::MouseButtonDblClick)
        {
            TMouseButton b = ButtonOf(me->button());
            Guard([&] {
                if (b == mbLeft)
                    c->DblClick();
                c->MouseDown(b, shift | ssDouble, p.x(), p.y());
            });
        }
        else
        {
            TMouseButton b = ButtonOf(me->button());
            bool click = c->impl_ && c->impl_->pressedInside && b == mbLeft;
            if (c->impl_)
                c->impl_->pressedInside = false;
            Guard([&] {
                if (click && c->ClicksFromMouse() && c->ClientRect().Contains({p.x(), p.y()}))
                    c->Click();
                c->MouseUp(b, shift, p.x(), p.y());
            });
        }
        // The widget handles the event next; it never travels up to the
        // parent widgets (WA_NoMousePropagation): the library has no such propagation.
        return !guard;
    }
    case QEvent::Enter:
        if (watched == c->Widget() && c->impl_ && !c->impl_->mouseInside)
        {
            c->impl_->mouseInside = true;
            Guard([&] { c->MouseEnter(); });
        }
        return false;
    case QEvent::Leave:
        if (watched == c->Widget() && c->impl_ && c->impl_->mouseInside)
        {
            c->impl_->mouseInside = false;
            Guard([&] { c->MouseLeave(); });
        }
        return false;
    case QEvent::ToolTip:
    {
        auto* he = static_cast<QHelpEvent*>(e);
        if (c->ShowHint() && !c->Hint().empty() && (!Application || Application->ShowHint))
            QToolTip::showText(he->globalPos(), AnsiToQString(c->Hint()), watched);
        else
            QToolTip::hideText();
        return true;
    }
    case QEvent::ContextMenu:
    {
        auto* ce = static_cast<QContextMenuEvent*>(e);
        for (TControl* x = c; x; x = x->Parent())
            if (x->PopupMenu())
            {
                TPopupMenu* m = x->PopupMenu();
                m->PopupComponent = c;
                Guard([&] { m->Popup(ce->globalPos().x(), ce->globalPos().y()); });
                return true;
            }
        return false;
    }
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    {
        auto* win = dynamic_cast<TWinControl*>(c);
        if (!win || handlingKey == e)
            return false;
        auto* ke = static_cast<QKeyEvent*>(e);
        // Tab and Shift+Tab move the focus along the tab order, as the
        // dialog manager does, unless the control takes them: they never
        // reach its key handlers (a box that filters its keys would eat them).
        if ((ke->key() == Qt::Key_Tab || ke->key() == Qt::Key_Backtab) &&
            !(ke->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) && !win->WantsKey(VK_TAB))
            return false;
        if (e->type() == QEvent::KeyPress && ke->key() == Qt::Key_Escape && DragManager::Get().Active())
        {
            DragManager::Get().End(false, QCursor::pos());
            return true;
        }
        QPointer<QWidget> guard(watched);
        QEvent* saved = handlingKey;
        handlingKey = e;
        bool swallow = false;
        WORD key = VkFromQtKey(ke->key());
        TShiftState shift = ShiftFromQt(ke->modifiers(), Qt::NoButton);
        lastShift = shift;
        TForm* form = c->ParentForm();
        Guard([&] {
            if (e->type() == QEvent::KeyRelease)
            {
                if (form && form != c && form->KeyPreview && key)
                    static_cast<TWinControl*>(form)->KeyUp(key, shift);
                WORD original = key;
                if (key)
                    win->KeyUp(key, shift);
                swallow = key == 0 && original != 0;
                return;
            }
            WORD original = key;
            if (form && form != c && form->KeyPreview && key)
                static_cast<TWinControl*>(form)->KeyDown(key, shift);
            if (key)
                win->KeyDown(key, shift);
            if (key == 0 && original != 0)
            {
                swallow = true;
                return;
            }
            if ((key == VK_RETURN || key == VK_ESCAPE) && !(shift & (ssCtrl | ssAlt)) &&
                !win->WantsKey(key) && form && form->DialogKey(key, shift))
            {
                swallow = true;
                return;
            }
            // A character the program's text cannot hold is typed as its
            // nearest kept letter, or refused when it has none; a file-name
            // box takes it as it is. An accent typed apart from its letter
            // goes to a text box, which joins it to the letter before it.
            const QString typed = ke->text();
            auto* combo = qobject_cast<QComboBox*>(watched);
            if (typed.size() == 1 && typed[0].isMark() &&
                (qobject_cast<QLineEdit*>(watched) || qobject_cast<QPlainTextEdit*>(watched) ||
                 (combo && combo->isEditable())))
                return;
            const QString kept = win->HoldsFileName() ? typed : KeptText(typed);
            if (!typed.isEmpty() && kept.isEmpty())
            {
                RefuseInput(c, DialogTexts().LettersLeftOut);
                swallow = true;
                return;
            }
            std::string text = QStringToAnsi(kept);
            if (text.size() == 1)
            {
                char ch = text[0];
                char original = ch;
                if (form && form != c && form->KeyPreview)
                    static_cast<TWinControl*>(form)->KeyPress(ch);
                if (ch)
                    win->KeyPress(ch);
                if (ch == 0)
                    swallow = true;
                else if ((ch != original || (kept != typed && !win->HoldsFileName())) && guard)
                {
                    // The handler changed the character: the widget gets the new one.
                    QKeyEvent replaced(QEvent::KeyPress, ke->key(), ke->modifiers(),
                                       AnsiToQString(std::string(1, ch)));
                    handlingKey = &replaced;
                    static_cast<QObject*>(watched)->event(&replaced);
                    swallow = true;
                }
            }
        });
        handlingKey = saved;
        if (!guard || swallow)
        {
            e->accept();
            return true;
        }
        // Inner parts (the edit of a combo box) ignore keys their owner handles.
        handlingKey = e;
        static_cast<QObject*>(watched)->event(e);
        if (!e->isAccepted() && c->Widget() && watched != c->Widget())
            static_cast<QObject*>(c->Widget())->event(e);
        handlingKey = saved;
        e->accept();
        return true;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    {
        // OnEnter and OnExit follow the control that has the focus within its
        // form; a window losing or regaining the activation changes nothing.
        auto* fe = static_cast<QFocusEvent*>(e);
        auto* win = dynamic_cast<TWinControl*>(c);
        if (!win || fe->reason() == Qt::PopupFocusReason)
            return false;
        TForm* form = c->ParentForm();
        if (e->type() == QEvent::FocusOut)
        {
            if (fe->reason() == Qt::ActiveWindowFocusReason)
                return false;
            QWidget* root = c->Widget();
            QWidget* now = QApplication::focusWidget();
            if (now && root && (now == root || root->isAncestorOf(now)))
                return false;   // between the inner parts of one control
            if (form && form->EnteredControl() != win)
                return false;
            if (form)
                form->SetEnteredControl(nullptr);
            Guard([&] { win->DoExit(); });
            return false;
        }
        TWinControl* old = form ? form->EnteredControl() : nullptr;
        if (old == win)
            return false;
        if (form)
            form->SetEnteredControl(win);
        // A control that leaves because its window is being freed says
        // nothing: its handlers belong to a window already half gone.
        bool oldGoing = false;
        for (TControl* x = old; x && !oldGoing; x = x->Parent())
            oldGoing = x->Destroying();
        if (old && !oldGoing)
            Guard([&] { old->DoExit(); });
        Guard([&] { win->DoEnter(); });
        return false;
    }
    default:
        return false;
    }
}

// ============================================================================
// drag and drop
// ============================================================================
DragManager& DragManager::Get()
{
    static DragManager m;
    return m;
}

void DragManager::Begin(TControl* source, bool immediate, int threshold)
{
    if (source_)
        return;
    source_ = source;
    started_ = false;
    target_ = nullptr;
    accept_ = false;
    threshold_ = threshold < 0 ? 5 : threshold;
    startGlobal_ = QCursor::pos();
    startShift_ = lastShift;
    if (immediate)
    {
        started_ = true;
        Guard([&] { source_->DoStartDrag(); });
    }
}

void DragManager::Over(const QPoint& global)
{
    TControl* t = ControlAtGlobal(global);
    if (t != target_ && target_)
    {
        TPoint p = target_->ScreenToClient({global.x(), global.y()});
        bool a = false;
        TControl* old = target_;
        Guard([&] { old->DragOver(source_, p.X, p.Y, dsDragLeave, a); });
    }
    TDragState state = (t == target_) ? dsDragMove : dsDragEnter;
    target_ = t;
    accept_ = false;
    if (t)
    {
        TPoint p = t->ScreenToClient({global.x(), global.y()});
        bool a = false;
        Guard([&] { t->DragOver(source_, p.X, p.Y, state, a); });
        accept_ = a;
    }
    Qt::CursorShape shape = QtCursor(accept_ ? source_->DragCursor : crNoDrop);
    if (cursorSet_)
        QApplication::changeOverrideCursor(QCursor(shape));
    else
        QApplication::setOverrideCursor(QCursor(shape));
    cursorSet_ = true;
}

bool DragManager::Mouse(QMouseEvent* e)
{
    if (!source_)
        return false;
    QPoint global = e->globalPosition().toPoint();
    switch (e->type())
    {
    case QEvent::MouseMove:
        if (!started_)
        {
            if ((global - startGlobal_).manhattanLength() < threshold_ || !(e->buttons() & Qt::LeftButton))
                return false;
            started_ = true;
            Guard([&] { source_->DoStartDrag(); });
            if (!source_)
                return true;
        }
        Over(global);
        return true;
    case QEvent::MouseButtonRelease:
        if (!started_)
        {
            // Released before the threshold: no drag, an ordinary click.
            source_ = nullptr;
            return false;
        }
        End(true, global);
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return started_;
    default:
        return false;
    }
}

void DragManager::End(bool drop, const QPoint& global)
{
    TControl* source = source_;
    if (!source)
        return;
    bool started = started_;
    if (drop && started)
        Over(global);
    TControl* target = target_;
    bool accept = accept_;
    source_ = nullptr;
    started_ = false;
    target_ = nullptr;
    if (cursorSet_)
    {
        QApplication::restoreOverrideCursor();
        cursorSet_ = false;
    }
    if (!started)
        return;
    TPoint p{global.x(), global.y()};
    if (drop && target && accept)
    {
        TPoint tp = target->ScreenToClient(p);
        // The drop handler may free the source (or the target): Forget clears
        // what it frees, and only what is left is told of the end.
        dropSource_ = source;
        dropTarget_ = target;
        Guard([&] { target->DragDrop(source, tp.X, tp.Y); });
        source = dropSource_;
        TControl* cible = dropTarget_;
        dropSource_ = dropTarget_ = nullptr;
        if (!source)
            return;
        TPoint sp = source->ScreenToClient(p);
        Guard([&] { source->DoEndDrag(cible, sp.X, sp.Y); });
    }
    else
    {
        if (target)
        {
            TPoint tp = target->ScreenToClient(p);
            bool a = false;
            Guard([&] { target->DragOver(source, tp.X, tp.Y, dsDragLeave, a); });
        }
        Guard([&] { source->DoEndDrag(nullptr, 0, 0); });
    }
}

void DragManager::Forget(TControl* c)
{
    if (source_ == c)
    {
        source_ = nullptr;
        started_ = false;
        if (cursorSet_)
        {
            QApplication::restoreOverrideCursor();
            cursorSet_ = false;
        }
    }
    if (target_ == c)
        target_ = nullptr;
    if (dropSource_ == c)
        dropSource_ = nullptr;
    if (dropTarget_ == c)
        dropTarget_ = nullptr;
}

}  // namespace guiimpl

using namespace guiimpl;

TShiftState DragStartShiftState()
{
    return DragManager::Get().StartShift();
}

TControl* DragSource()
{
    return DragManager::Get().Started() ? DragManager::Get().Source() : nullptr;
}

TShiftState CurrentShiftState()
{
    return lastShift;
}

