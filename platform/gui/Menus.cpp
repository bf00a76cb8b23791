#include "platform/gui/Menus.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

#include <algorithm>

#include "platform/gui/ActnList.h"
#include "platform/gui/Controls.h"
#include "platform/gui/GuiPrivate.h"
#include "platform/rtl/Strings.h"

using namespace guiimpl;

// ============================================================================
// shortcuts and captions
// ============================================================================
namespace {

struct KeyName
{
    WORD vk;
    const char* name;
};
const KeyName kNames[] = {
    {VK_BACK, "BkSp"}, {VK_TAB, "Tab"}, {VK_RETURN, "Enter"}, {VK_ESCAPE, "Esc"},
    {VK_SPACE, "Space"}, {VK_PRIOR, "PgUp"}, {VK_NEXT, "PgDn"}, {VK_END, "End"},
    {VK_HOME, "Home"}, {VK_LEFT, "Left"}, {VK_UP, "Up"}, {VK_RIGHT, "Right"},
    {VK_DOWN, "Down"}, {VK_INSERT, "Ins"}, {VK_DELETE, "Del"},
};

std::string KeyText(WORD vk)
{
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9'))
        return std::string(1, static_cast<char>(vk));
    if (vk >= VK_F1 && vk <= VK_F12) {
        std::string texte = "F";
        texte += IntToStr(vk - VK_F1 + 1);
        return texte;
    }
    for (const KeyName& k : kNames)
        if (k.vk == vk)
            return k.name;
    return {};
}

QKeySequence ToKeySequence(TShortCut s)
{
    if (!s)
        return {};
    int key = QtKeyFromVk(static_cast<WORD>(s & 0xFF));
    int mods = 0;
    if (s & scShift)
        mods |= Qt::SHIFT;
    if (s & scCtrl)
        mods |= Qt::CTRL;
    if (s & scAlt)
        mods |= Qt::ALT;
    return QKeySequence(key | mods);
}

}  // namespace

std::string ShortCutToText(TShortCut s)
{
    std::string key = KeyText(static_cast<WORD>(s & 0xFF));
    if (key.empty())
        return {};
    std::string r;
    if (s & scShift)
        r += "Shift+";
    if (s & scCtrl)
        r += "Ctrl+";
    if (s & scAlt)
        r += "Alt+";
    return r + key;
}

TShortCut TextToShortCut(const std::string& text)
{
    std::string t = text;
    TShortCut mods = 0;
    for (;;)
    {
        if (SameText(Copy(t, 1, 6), "Shift+"))
            mods |= scShift, t = Copy(t, 7, 1000);
        else if (SameText(Copy(t, 1, 5), "Ctrl+"))
            mods |= scCtrl, t = Copy(t, 6, 1000);
        else if (SameText(Copy(t, 1, 4), "Alt+"))
            mods |= scAlt, t = Copy(t, 5, 1000);
        else
            break;
    }
    for (int vk = 1; vk < 256; ++vk)
    {
        std::string name = KeyText(static_cast<WORD>(vk));
        if (!name.empty() && SameText(name, t))
            return static_cast<TShortCut>(vk | mods);
    }
    return 0;
}

std::string StripHotkey(const std::string& caption)
{
    std::string r;
    for (size_t i = 0; i < caption.size(); ++i)
    {
        if (caption[i] == '&')
        {
            if (i + 1 < caption.size() && caption[i + 1] == '&')
            {
                r += '&';
                ++i;
            }
            continue;
        }
        r += caption[i];
    }
    return r;
}

// ============================================================================
// TMenuItem
// ============================================================================
struct TMenuItem::Impl
{
    QPointer<QAction> action;
    QPointer<QMenu> menu;
};

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner), m_(std::make_unique<Impl>())
{
    m_->action = new QAction;
    QObject::connect(m_->action, &QAction::triggered, m_->action, [this] {
        // Qt toggles checkable actions itself; the item decides.
        if (m_->action)
            m_->action->setChecked(checked_);
        Guard([&] { Click(); });
    });
}

TMenuItem::~TMenuItem()
{
    state_ |= csDestroying;
    while (!items_.empty())
    {
        TMenuItem* child = items_.back();
        items_.pop_back();
        child->parent_ = nullptr;
        child->Free();
    }
    if (parent_)
        parent_->Remove(this);
    SetAction(nullptr);
    delete m_->menu.data();
    delete m_->action.data();
}

QAction* TMenuItem::QtAction() const { return m_->action; }
QMenu* TMenuItem::SubMenu() const { return m_->menu; }

TMenu* TMenuItem::Menu() const
{
    const TMenuItem* i = this;
    while (i->parent_)
        i = i->parent_;
    return i->menu_;
}

void TMenuItem::Notification(TComponent* component, bool removing)
{
    TComponent::Notification(component, removing);
    if (removing && component == actionLink_)
        actionLink_ = nullptr;
}

void TMenuItem::SetAction(TAction* a)
{
    if (a == actionLink_)
        return;
    if (actionLink_)
    {
        actionLink_->RemoveClient(this);
        actionLink_->RemoveFreeNotification(this);
    }
    actionLink_ = a;
    if (a)
    {
        a->AddClient(this);
        ActionChanged();
    }
}

void TMenuItem::ActionChanged()
{
    if (!actionLink_)
        return;
    if (!actionLink_->Caption().empty())
        caption_ = actionLink_->Caption();
    enabled_ = actionLink_->Enabled();
    visible_ = actionLink_->Visible();
    checked_ = actionLink_->Checked();
    hint_ = actionLink_->Hint();
    // The action's window hears the shortcut; the item only shows it.
    shortCut_ = 0;
    UpdateAction();
    if (m_->action && actionLink_->ShortCut())
        m_->action->setText(AnsiToQString(caption_) + "\t" +
                            QString::fromStdString(ShortCutToText(actionLink_->ShortCut())));
}

void TMenuItem::UpdateAction()
{
    QAction* a = m_->action;
    if (!a)
        return;
    a->setText(AnsiToQString(caption_));
    a->setSeparator(IsLine());
    a->setCheckable(checked_ || radio_ || AutoCheck);
    a->setChecked(checked_);
    a->setEnabled(enabled_);
    a->setVisible(visible_);
    a->setShortcut(ToKeySequence(shortCut_));
    a->setToolTip(AnsiToQString(hint_));
}

void TMenuItem::SetCaption(const std::string& c)
{
    caption_ = c;
    UpdateAction();
    if (parent_ && (c == "-") != m_->action->isSeparator())
        parent_->Rebuild();
}

void TMenuItem::SetChecked(bool v)
{
    checked_ = v;
    if (v && radio_ && parent_)
        for (TMenuItem* s : parent_->items_)
            if (s != this && s->radio_ && s->group_ == group_ && s->checked_)
            {
                s->checked_ = false;
                s->UpdateAction();
            }
    UpdateAction();
}

void TMenuItem::SetRadioItem(bool v)
{
    radio_ = v;
    UpdateAction();
}

void TMenuItem::SetEnabled(bool v)
{
    enabled_ = v;
    UpdateAction();
}

void TMenuItem::SetVisible(bool v)
{
    visible_ = v;
    UpdateAction();
}

void TMenuItem::SetShortCut(TShortCut s)
{
    shortCut_ = s;
    UpdateAction();
}

int TMenuItem::MenuIndex() const
{
    return parent_ ? parent_->IndexOf(this) : -1;
}

int TMenuItem::IndexOf(const TMenuItem* item) const
{
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TMenuItem::Add(TMenuItem* item)
{
    Insert(Count(), item);
}

void TMenuItem::Insert(int index, TMenuItem* item)
{
    if (!item || item == this)
        return;
    if (item->parent_)
        item->parent_->Remove(item);
    index = std::clamp(index, 0, Count());
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
    item->UpdateAction();
    Rebuild();
}

void TMenuItem::Remove(TMenuItem* item)
{
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end())
        return;
    items_.erase(it);
    item->parent_ = nullptr;
    if (!Destroying())
        Rebuild();
}

void TMenuItem::Delete(int index)
{
    if (index < 0 || index >= Count())
        return;
    TMenuItem* item = items_[static_cast<size_t>(index)];
    Remove(item);
    item->Free();
}

void TMenuItem::Clear()
{
    while (!items_.empty())
        Delete(Count() - 1);
}

TMenuItem* TMenuItem::Find(const std::string& caption) const
{
    std::string key = StripHotkey(caption);
    for (TMenuItem* i : items_)
        if (AnsiSameText(StripHotkey(i->caption_), key))
            return i;
    return nullptr;
}

void TMenuItem::Rebuild()
{
    if (Destroying())
        return;
    if (!items_.empty())
    {
        if (!m_->menu)
            m_->menu = new QMenu;
        m_->menu->clear();
        for (TMenuItem* i : items_)
            if (i->m_->action)
                m_->menu->addAction(i->m_->action);
        if (m_->action && m_->action->menu() != m_->menu)
            m_->action->setMenu(m_->menu);
    }
    else if (m_->menu)
    {
        m_->menu->clear();
    }
    if (!parent_ && menu_)
        menu_->Changed();
}

void TMenuItem::Click()
{
    if (!enabled_)
        return;
    if (AutoCheck)
        SetChecked(!checked_);
    if (OnClick)
        OnClick(this);
    else if (actionLink_)
        actionLink_->Execute();
}

// ============================================================================
// TMenu, TMainMenu, TPopupMenu
// ============================================================================
TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), items_(new TMenuItem(nullptr))
{
    items_->menu_ = this;
}

TMenu::~TMenu()
{
    state_ |= csDestroying;
    items_->menu_ = nullptr;
    items_->Free();
}

static TMenuItem* FindShortCutIn(TMenuItem* item, TShortCut s)
{
    for (int i = 0; i < item->Count(); ++i)
    {
        TMenuItem* c = item->Items(i);
        if (c->ShortCut() == s)
            return c;
        if (TMenuItem* f = FindShortCutIn(c, s))
            return f;
    }
    return nullptr;
}

TMenuItem* TMenu::FindShortCut(TShortCut s) const
{
    return s ? FindShortCutIn(items_, s) : nullptr;
}

bool TMenu::IsShortCut(TShortCut s)
{
    TMenuItem* i = FindShortCut(s);
    if (!i || !i->Enabled())
        return false;
    i->Click();
    return true;
}

struct TMainMenu::Impl
{
    QPointer<QMenuBar> bar;
};

TMainMenu::TMainMenu(TComponent* AOwner) : TMenu(AOwner), b_(std::make_unique<Impl>())
{
    b_->bar = new QMenuBar;
    b_->bar->setNativeMenuBar(false);
    b_->bar->hide();
}

TMainMenu::~TMainMenu()
{
    state_ |= csDestroying;
    delete b_->bar.data();
}

QMenuBar* TMainMenu::Bar() const
{
    return b_ ? b_->bar.data() : nullptr;
}

void TMainMenu::Changed()
{
    if (Destroying() || !b_ || !b_->bar)
        return;
    b_->bar->clear();
    for (int i = 0; i < items_->Count(); ++i)
        if (QAction* a = items_->Items(i)->QtAction())
            b_->bar->addAction(a);
}

TPopupMenu::TPopupMenu(TComponent* AOwner) : TMenu(AOwner)
{
}

TPopupMenu::~TPopupMenu() = default;

QMenu* TPopupMenu::QtMenu() const
{
    return items_->SubMenu();
}

void TPopupMenu::Popup(int X, int Y)
{
    if (OnPopup)
        OnPopup(this);
    if (QMenu* m = QtMenu())
        m->popup(QPoint(X, Y));
}

void TPopupMenu::CloseMenu()
{
    if (QMenu* m = QtMenu())
        m->hide();
}

bool TPopupMenu::IsOpen() const
{
    QMenu* m = QtMenu();
    return m && m->isVisible();
}
