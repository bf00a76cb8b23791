// Controls: every visible element of a window. A control has a parent (the
// windowed control it sits in), an absolute position in its parent's client
// area, an alignment done by this layer (no Qt layouts), a colour, a font, a
// caption and the mouse, keyboard and drag events. Each control wraps one Qt
// widget; this header stays free of Qt.
#pragma once

#include "platform/gui/Classes.h"
#include "platform/gui/Graphics.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QWidget;
class QObject;
class QPainter;
class TWinControl;
class TPopupMenu;
class TAction;
class TForm;
namespace guiimpl { struct ControlImpl; struct Dispatch; class DragManager; }

// ---- keys: virtual key codes of the library ----------------------------------
using WORD = uint16_t;
enum : WORD
{
    VK_BACK = 8, VK_TAB = 9, VK_RETURN = 13, VK_SHIFT = 16, VK_CONTROL = 17, VK_MENU = 18,
    VK_PAUSE = 19, VK_CAPITAL = 20, VK_ESCAPE = 27, VK_SPACE = 32, VK_PRIOR = 33, VK_NEXT = 34,
    VK_END = 35, VK_HOME = 36, VK_LEFT = 37, VK_UP = 38, VK_RIGHT = 39, VK_DOWN = 40,
    VK_INSERT = 45, VK_DELETE = 46,
    // '0'..'9' and 'A'..'Z' are their ASCII codes.
    VK_NUMPAD0 = 96, VK_MULTIPLY = 106, VK_ADD = 107, VK_SUBTRACT = 109, VK_DECIMAL = 110, VK_DIVIDE = 111,
    VK_F1 = 112, VK_F2, VK_F3, VK_F4, VK_F5, VK_F6, VK_F7, VK_F8, VK_F9, VK_F10, VK_F11, VK_F12,
};

// ---- cursors -------------------------------------------------------------------
using TCursor = int;
enum : TCursor
{
    crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4, crSizeNESW = -6,
    crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9, crUpArrow = -10, crHourGlass = -11,
    crDrag = -12, crNoDrop = -13, crHSplit = -14, crVSplit = -15, crMultiDrag = -16,
    crSQLWait = -17, crNo = -18, crAppStart = -19, crHelp = -20, crHandPoint = -21, crSizeAll = -22,
};

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TAnchorKind : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = unsigned;
enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };
enum TDragMode { dmManual, dmAutomatic };
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
enum TBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

class TControl;
using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
// Key is a Windows-1252 character; set it to 0 to discard the key.
using TKeyPressEvent = std::function<void(TObject* Sender, char& Key)>;
using TDragOverEvent = std::function<void(TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept)>;
using TDragDropEvent = std::function<void(TObject* Sender, TObject* Source, int X, int Y)>;
using TStartDragEvent = std::function<void(TObject* Sender)>;
// Target is nullptr when the drag was cancelled or dropped nowhere.
using TEndDragEvent = std::function<void(TObject* Sender, TObject* Target, int X, int Y)>;

class TControl : public TComponent
{
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    // ---- parent and widget ----
    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    // The Qt widget (for the window layer; windows never need it).
    QWidget* Widget() const;
    // The object every signal connection of the control hangs on (window layer).
    QObject* HubObject() const;
    // The form the control sits in (itself for a form), or nullptr.
    TForm* ParentForm() const;

    // ---- geometry, in the parent's client coordinates ----
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
    void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
    virtual int ClientWidth() const { return width_; }
    virtual int ClientHeight() const { return height_; }
    virtual void SetClientWidth(int w) { SetWidth(w + width_ - ClientWidth()); }
    virtual void SetClientHeight(int h) { SetHeight(h + height_ - ClientHeight()); }
    TRect ClientRect() const { return Rect(0, 0, ClientWidth(), ClientHeight()); }
    // The part of the control that the paint under way redraws (the rest is
    // clipped away and need not be drawn); the whole control outside a paint.
    TRect PaintArea() const { return painting_ ? paintArea_ : Rect(0, 0, width_, height_); }
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;

    TAlign Align() const { return align_; }
    void SetAlign(TAlign a);
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors a) { anchors_ = a; }

    // ---- state ----
    bool Visible() const { return visible_; }
    virtual void SetVisible(bool v);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible and every parent up to a shown form visible.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool e);

    TColor Color() const;
    virtual void SetColor(TColor c);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool v);
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& f) { font_.Assign(f); }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool v);

    // Caption and Text are the same text (Windows-1252).
    std::string Caption() const { return GetText(); }
    void SetCaption(const std::string& s) { SetText(s); }
    virtual std::string GetText() const { return text_; }
    std::string Text() const { return GetText(); }
    virtual void SetText(const std::string& s);

    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& h) { hint_ = h; }
    // Hints show when ShowHint is on (by default the parent's setting).
    bool ShowHint() const;
    void SetShowHint(bool v) { showHint_ = v; parentShowHint_ = false; }
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool v) { parentShowHint_ = v; }
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor c);
    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* m);
    // The action the control follows (caption, enabled, visible, hint) and
    // runs when clicked without an OnClick of its own.
    TAction* Action() const { return action_; }
    void SetAction(TAction* a);
    void ActionChanged();

    void Invalidate();
    void Repaint();
    void Refresh() { Repaint(); }
    void Update();
    void BringToFront();
    void SendToBack();

    // ---- drag and drop between the program's controls ----
    // Starts a drag with this control as the source. Not immediate: the drag
    // begins once the mouse moved Threshold pixels (-1 = 5) with the button down;
    // a release before that is an ordinary click.
    void BeginDrag(bool immediate, int threshold = -1);
    void EndDrag(bool drop);
    bool Dragging() const;
    TDragMode DragMode = dmManual;   // dmAutomatic: a left press starts the drag
    TCursor DragCursor = crDrag;

    // ---- events ----
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnResize;
    TDragOverEvent OnDragOver;
    TDragDropEvent OnDragDrop;
    TStartDragEvent OnStartDrag;
    TEndDragEvent OnEndDrag;

    // The library's overridable handlers; each default calls its event.
    virtual void Click();
    virtual void DblClick();
    virtual void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept);
    virtual void DragDrop(TObject* Source, int X, int Y);

protected:
    // The widget this control wraps; the constructor of each kind sets it.
    // The control owns it.
    void SetWidget(QWidget* w);
    // Inner parts of the widget (a list's viewport) that deliver their events too.
    void WatchWidget(QWidget* inner);
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual void Resize();
    virtual void DoStartDrag();
    virtual void DoEndDrag(TObject* Target, int X, int Y);
    // True when a press and release inside make a click (controls whose widget
    // has its own click signal answer false).
    virtual bool ClicksFromMouse() const { return true; }
    // Applies colour, font and text to the widget; kinds with special widgets override.
    virtual void ApplyColor();
    virtual void ApplyFont();
    virtual void ApplyText();
    virtual void ApplyEnabled();
    // Paints a control that draws itself (graphic and custom controls).
    virtual void PaintWidget(QPainter& painter);
    virtual bool PaintsItself() const { return false; }
    // The parent's client size changed by (dw, dh): anchors move or size us.
    void ParentResized(int dw, int dh);
    // Geometry changed by this layer; moves the widget.
    virtual void UpdateWidgetGeometry();
    // After SetBounds: sized tells whether the size changed.
    virtual void BoundsChanged(bool sized);
    void ParentFontChanged();
    void ParentColorChanged();

    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    std::string text_;
    std::unique_ptr<guiimpl::ControlImpl> impl_;

private:
    friend class TWinControl;
    friend class TForm;
    friend struct guiimpl::Dispatch;
    friend class guiimpl::DragManager;
    TWinControl* parent_ = nullptr;
    TAlign align_ = alNone;
    TAnchors anchors_ = akLeft | akTop;
    bool visible_ = true;
    bool enabled_ = true;
    TColor color_ = clBtnFace;
    bool parentColor_ = false;
    bool colorSet_ = false;
    TFont font_;
    bool parentFont_ = true;
    bool applyingParentFont_ = false;
    std::string hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    TCursor cursor_ = crDefault;
    TPopupMenu* popupMenu_ = nullptr;
    TAction* action_ = nullptr;
    TRect paintArea_{};
    bool painting_ = false;

protected:
    void Notification(TComponent* component, bool removing) override;
};

// A control that holds other controls and can take the keyboard focus.
class TWinControl : public TControl
{
public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int i) const { return controls_.at(static_cast<size_t>(i)); }
    // Child controls that contain (x, y) of the client area, the topmost.
    TControl* ControlAtPos(TPoint p, bool allowDisabled = false) const;
    bool ContainsControl(const TControl* c) const;
    void InsertControl(TControl* c) { c->SetParent(this); }
    void RemoveControl(TControl* c) { if (c->Parent() == this) c->SetParent(nullptr); }

    // The widget children are placed in (the scrolled area of a scroll box,
    // a form's client area under its menu).
    virtual QWidget* ClientWidget() const;

    // ---- focus ----
    void SetFocus();
    bool Focused() const;
    virtual bool CanFocus() const;
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool v);
    int TabOrder() const;
    void SetTabOrder(int order);

    // Realigns the aligned children in the client area.
    void Realign() { AlignControls(); }
    void DisableAlign() { ++alignDisabled_; }
    void EnableAlign() { if (--alignDisabled_ == 0) AlignControls(); }

    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

    int ClientWidth() const override;
    int ClientHeight() const override;

    // Called by the form for Enter and Escape that no control kept: a button
    // that answers to the key clicks itself and answers true.
    virtual bool DialogKey(WORD key, TShiftState shift);

protected:
    virtual void KeyDown(WORD& Key, TShiftState Shift);
    virtual void KeyPress(char& Key);
    virtual void KeyUp(WORD& Key, TShiftState Shift);
    virtual void DoEnter();
    virtual void DoExit();
    // Keys the control handles itself before the form's Enter/Escape (a memo
    // keeps Enter).
    virtual bool WantsKey(WORD key) const { (void)key; return false; }
    // A control whose text is a file-system name takes every typed character
    // as it is; others take only what the program's text holds (KeptText).
    virtual bool HoldsFileName() const { return false; }
    // The area the aligned children share (a bevelled panel insets it).
    virtual void AdjustClientRect(TRect& r) const { (void)r; }
    // changed: the control whose alignment or size just changed; it goes
    // before others at the same position.
    virtual void AlignControls(TControl* changed = nullptr);
    // A child was added or removed.
    virtual void ControlsChanged() {}
    // A child moved or changed size.
    virtual void ChildBoundsChanged(TControl* child) { (void)child; }
    void BoundsChanged(bool sized) override;
    // False: a click does not give the focus (custom controls take it in code).
    virtual bool FocusOnClick() const { return true; }
    void ApplyFocusPolicy();

private:
    friend class TControl;
    friend struct guiimpl::Dispatch;
    std::vector<TControl*> controls_;
    std::vector<TWinControl*> tabList_;
    bool tabStop_ = false;
    int alignDisabled_ = 0;
    bool aligning_ = false;
    int lastClientW_ = 0, lastClientH_ = 0;
    void ApplyTabOrder();
};

// A control without children that paints itself (labels, shapes, paint boxes).
class TGraphicControl : public TControl
{
public:
    explicit TGraphicControl(TComponent* AOwner);
    ~TGraphicControl() override;
    // The canvas of the paint under way; outside painting it measures text only.
    TCanvas& Canvas();
    TNotifyEvent OnPaint;

protected:
    TGraphicControl(TComponent* AOwner, QWidget* widget);
    virtual void Paint();
    void PaintWidget(QPainter& painter) override;
    bool PaintsItself() const override { return true; }
    std::unique_ptr<TCanvas> canvas_;
};

// A windowed control that paints itself: the base of the program's own controls.
class TCustomControl : public TWinControl
{
public:
    explicit TCustomControl(TComponent* AOwner);
    ~TCustomControl() override;
    TCanvas& Canvas();
    TNotifyEvent OnPaint;
    bool FocusOnClick() const override { return false; }
    // False: the background is not filled with Color before Paint.
    bool Opaque = true;
    bool DoubleBuffered = false;   // Qt always double-buffers

protected:
    virtual void Paint();
    void PaintWidget(QPainter& painter) override;
    bool PaintsItself() const override { return true; }
    std::unique_ptr<TCanvas> canvas_;
};

// The shift state at the start of the drag under way (or of the last one).
TShiftState DragStartShiftState();
// The control dragged now, or nullptr.
TControl* DragSource();
// Keys and buttons held now.
TShiftState CurrentShiftState();

// The mouse: position on the screen.
struct TMouse
{
    TPoint CursorPos() const;
    void SetCursorPos(TPoint p);
};
extern TMouse* Mouse;

// Measures a text in a font with the screen's metrics.
int ScreenTextWidth(const TFont& font, const std::string& text);
int ScreenTextHeight(const TFont& font, const std::string& text);
