#include "platform/gui/ActnList.h"

#include <QAction>
#include <QKeySequence>
#include <QPointer>
#include <QWidget>

#include <algorithm>

#include "platform/gui/Controls.h"
#include "platform/gui/Forms.h"
#include "platform/gui/GuiPrivate.h"

using namespace guiimpl;

struct TAction::Impl
{
    std::unique_ptr<QAction> action;
};

TAction::TAction(TComponent* AOwner) : TComponent(AOwner), a_(std::make_unique<Impl>())
{
    a_->action = std::make_unique<QAction>();
    a_->action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(a_->action.get(), &QAction::triggered, a_->action.get(),
                     [this] { Guard([&] { Execute(); }); });
}

TAction::~TAction()
{
    state_ |= csDestroying;
    SetActionList(nullptr);
    std::vector<TComponent*> clients;
    clients.swap(clients_);
    for (TComponent* c : clients)
    {
        RemoveFreeNotification(c);
        if (auto* ctl = dynamic_cast<TControl*>(c))
            ctl->SetAction(nullptr);
        else if (auto* item = dynamic_cast<TMenuItem*>(c))
            item->SetAction(nullptr);
    }
}

void TAction::SetActionList(TActionList* list)
{
    if (list == list_)
        return;
    if (list_)
    {
        auto& v = list_->actions_;
        v.erase(std::remove(v.begin(), v.end(), this), v.end());
        list_->RemoveFreeNotification(this);
    }
    list_ = list;
    if (list_)
    {
        list_->actions_.push_back(this);
        list_->FreeNotification(this);
    }
    UpdateShortcut();
}

void TAction::Notification(TComponent* component, bool removing)
{
    TComponent::Notification(component, removing);
    if (!removing)
        return;
    if (component == list_)
    {
        list_ = nullptr;
        UpdateShortcut();
    }
    clients_.erase(std::remove(clients_.begin(), clients_.end(), component), clients_.end());
}

void TAction::UpdateShortcut()
{
    QAction* a = a_->action.get();
    for (QObject* o : a->associatedObjects())
        if (auto* w = qobject_cast<QWidget*>(o))
            w->removeAction(a);
    if (!shortCut_ || !list_)
        return;
    // The window that owns the list hears the shortcut.
    TForm* form = nullptr;
    for (TComponent* o = list_->Owner(); o && !form; o = o->Owner())
        form = dynamic_cast<TForm*>(o);
    if (!form || !form->Widget())
        return;
    int key = QtKeyFromVk(static_cast<WORD>(shortCut_ & 0xFF));
    int mods = 0;
    if (shortCut_ & scShift)
        mods |= Qt::SHIFT;
    if (shortCut_ & scCtrl)
        mods |= Qt::CTRL;
    if (shortCut_ & scAlt)
        mods |= Qt::ALT;
    a->setShortcut(QKeySequence(key | mods));
    a->setEnabled(enabled_);
    form->Widget()->addAction(a);
}

void TAction::SetCaption(const std::string& c) { caption_ = c; Changed(); }
void TAction::SetEnabled(bool v) { enabled_ = v; a_->action->setEnabled(v); Changed(); }
void TAction::SetVisible(bool v) { visible_ = v; Changed(); }
void TAction::SetChecked(bool v) { checked_ = v; Changed(); }
void TAction::SetHint(const std::string& h) { hint_ = h; Changed(); }

void TAction::SetShortCut(TShortCut s)
{
    shortCut_ = s;
    UpdateShortcut();
    Changed();
}

bool TAction::Execute()
{
    if (!enabled_ || !OnExecute)
        return false;
    OnExecute(this);
    return true;
}

void TAction::AddClient(TComponent* client)
{
    if (std::find(clients_.begin(), clients_.end(), client) == clients_.end())
    {
        clients_.push_back(client);
        FreeNotification(client);
    }
}

void TAction::RemoveClient(TComponent* client)
{
    clients_.erase(std::remove(clients_.begin(), clients_.end(), client), clients_.end());
}

void TAction::Changed()
{
    for (TComponent* c : std::vector<TComponent*>(clients_))
    {
        if (auto* ctl = dynamic_cast<TControl*>(c))
            ctl->ActionChanged();
        else if (auto* item = dynamic_cast<TMenuItem*>(c))
            item->ActionChanged();
    }
}

TActionList::TActionList(TComponent* AOwner) : TComponent(AOwner)
{
}

TActionList::~TActionList()
{
    state_ |= csDestroying;
    for (TAction* a : std::vector<TAction*>(actions_))
        a->SetActionList(nullptr);
}

bool TActionList::IsShortCut(TShortCut s)
{
    for (TAction* a : actions_)
        if (a->ShortCut() == s && a->Enabled())
            return a->Execute();
    return false;
}
