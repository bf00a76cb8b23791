// Actions: a command with a caption, an enabled state and a shortcut, shared by
// the controls and menu items linked to it. The shortcut works anywhere in the
// window that owns the action list.
#pragma once

#include "platform/gui/Classes.h"
#include "platform/gui/Menus.h"

#include <memory>
#include <string>
#include <vector>

class TActionList;
class TControl;

class TAction : public TComponent
{
public:
    explicit TAction(TComponent* AOwner);
    ~TAction() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& c);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    bool Checked() const { return checked_; }
    void SetChecked(bool v);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& h);
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut s);
    int ImageIndex = -1;

    TActionList* ActionList() const { return list_; }
    void SetActionList(TActionList* list);

    // Runs OnExecute when the action is enabled; answers whether it ran.
    virtual bool Execute();
    TNotifyEvent OnExecute;

    // Linked controls and menu items follow the action (the window layer keeps the links).
    void AddClient(TComponent* client);
    void RemoveClient(TComponent* client);

protected:
    void Notification(TComponent* component, bool removing) override;

private:
    void Changed();
    void UpdateShortcut();
    struct Impl;
    std::unique_ptr<Impl> a_;
    std::string caption_;
    std::string hint_;
    bool enabled_ = true;
    bool visible_ = true;
    bool checked_ = false;
    TShortCut shortCut_ = 0;
    TActionList* list_ = nullptr;
    std::vector<TComponent*> clients_;
};

class TActionList : public TComponent
{
public:
    explicit TActionList(TComponent* AOwner);
    ~TActionList() override;
    int ActionCount() const { return static_cast<int>(actions_.size()); }
    TAction* Actions(int i) const { return actions_.at(static_cast<size_t>(i)); }
    // Runs the enabled action with this shortcut; answers whether one ran.
    bool IsShortCut(TShortCut s);

private:
    friend class TAction;
    std::vector<TAction*> actions_;
};
