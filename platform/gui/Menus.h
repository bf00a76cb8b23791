// Menus: the main menu bar of a form and pop-up menus, made of items with a
// caption ("&" marks the access key, "-" is a separator), check marks, radio
// groups, shortcuts and sub-items.
#pragma once

#include "platform/gui/Classes.h"

#include <memory>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class TControl;
class TAction;

// A shortcut: a virtual key code plus scShift / scCtrl / scAlt.
using TShortCut = uint16_t;
enum : TShortCut { scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000, scNone = 0 };
inline TShortCut ShortCut(uint16_t key, unsigned shift)
{
    TShortCut s = key;
    if (shift & ssShift) s |= scShift;
    if (shift & ssCtrl) s |= scCtrl;
    if (shift & ssAlt) s |= scAlt;
    return s;
}
// "Ctrl+S", "F2"...; TextToShortCut reads them back (0 when unknown).
std::string ShortCutToText(TShortCut s);
TShortCut TextToShortCut(const std::string& text);
// The caption without its access-key "&" ("&&" stays one "&").
std::string StripHotkey(const std::string& caption);

class TMenu;

class TMenuItem : public TComponent
{
public:
    explicit TMenuItem(TComponent* AOwner);
    ~TMenuItem() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& c);
    bool IsLine() const { return caption_ == "-"; }
    bool Checked() const { return checked_; }
    void SetChecked(bool v);
    // Radio items of one GroupIndex under the same parent: checking one
    // unchecks the others.
    bool RadioItem() const { return radio_; }
    void SetRadioItem(bool v);
    uint8_t GroupIndex() const { return group_; }
    void SetGroupIndex(uint8_t g) { group_ = g; }
    bool AutoCheck = false;   // a click toggles Checked
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut s);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& h) { hint_ = h; }
    bool Default = false;

    // ---- sub-items (owned by the item) ----
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int i) const { return items_.at(static_cast<size_t>(i)); }
    TMenuItem* operator[](int i) const { return Items(i); }
    TMenuItem* Parent() const { return parent_; }
    int MenuIndex() const;
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    // Takes the item out without freeing it.
    void Remove(TMenuItem* item);
    // Frees the item at index.
    void Delete(int index);
    void Clear();
    int IndexOf(const TMenuItem* item) const;
    // The first sub-item whose caption matches (without "&", ignoring case).
    TMenuItem* Find(const std::string& caption) const;

    // Runs the item as a click does (the check toggle of AutoCheck, OnClick,
    // else its action).
    virtual void Click();
    TAction* Action() const { return actionLink_; }
    void SetAction(TAction* a);
    void ActionChanged();
    TNotifyEvent OnClick;

    // Window layer.
    QAction* QtAction() const;
    QMenu* SubMenu() const;
    TMenu* Menu() const;

protected:
    void Notification(TComponent* component, bool removing) override;

private:
    friend class TMenu;
    void Rebuild();
    void UpdateAction();
    struct Impl;
    std::unique_ptr<Impl> m_;
    std::string caption_;
    std::string hint_;
    bool checked_ = false;
    bool radio_ = false;
    uint8_t group_ = 0;
    bool enabled_ = true;
    bool visible_ = true;
    TShortCut shortCut_ = 0;
    TMenuItem* parent_ = nullptr;
    TMenu* menu_ = nullptr;
    TAction* actionLink_ = nullptr;
    std::vector<TMenuItem*> items_;
};

class TMenu : public TComponent
{
public:
    explicit TMenu(TComponent* AOwner);
    ~TMenu() override;
    // The root item; its sub-items are the menu's entries.
    TMenuItem* Items() const { return items_; }
    // Finds an item with this shortcut anywhere in the menu.
    TMenuItem* FindShortCut(TShortCut s) const;
    // Runs the item with this shortcut (when enabled); answers whether one ran.
    bool IsShortCut(TShortCut s);
    // Window layer: the items changed.
    virtual void Changed() {}

protected:
    TMenuItem* items_;
};

class TMainMenu : public TMenu
{
public:
    explicit TMainMenu(TComponent* AOwner);
    ~TMainMenu() override;
    QMenuBar* Bar() const;
    void Changed() override;

private:
    struct Impl;
    std::unique_ptr<Impl> b_;
};

enum TPopupAlignment { paLeft, paRight, paCenter };

class TPopupMenu : public TMenu
{
public:
    explicit TPopupMenu(TComponent* AOwner);
    ~TPopupMenu() override;
    // Shows the menu at a point of the screen (it does not wait).
    virtual void Popup(int X, int Y);
    // Closes it when open.
    void CloseMenu();
    bool IsOpen() const;
    TNotifyEvent OnPopup;
    TControl* PopupComponent = nullptr;
    TPopupAlignment Alignment = paLeft;
    bool AutoPopup = true;
    QMenu* QtMenu() const;
};
