// Common controls: tree view, page control with tab sheets, tab control, track
// bar, up-down, progress bar, status bar, date picker, month calendar.
#pragma once

#include "platform/gui/StdCtrls.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TImageList;
class TTreeView;
class TTreeNodes;

// ============================================================================
// tree view
// ============================================================================
class TTreeNode
{
public:
    ~TTreeNode();
    TTreeNode(const TTreeNode&) = delete;
    TTreeNode& operator=(const TTreeNode&) = delete;

    const std::string& Text() const { return text_; }
    void SetText(const std::string& t);
    intptr_t Data = 0;   // the program's value (an id, a pointer)
    template <class T> T* DataPtr() const { return reinterpret_cast<T*>(Data); }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int i);
    int SelectedIndex() const { return selectedIndex_; }
    void SetSelectedIndex(int i);
    // Index into the tree's state images (0 or -1: none).
    int StateIndex() const { return stateIndex_; }
    void SetStateIndex(int i);

    TTreeNode* Parent() const { return parent_; }
    int Count() const { return static_cast<int>(children_.size()); }
    TTreeNode* Item(int i) const;
    TTreeNode* operator[](int i) const { return Item(i); }
    bool HasChildren() const { return !children_.empty(); }
    TTreeNode* getFirstChild() const { return children_.empty() ? nullptr : children_.front().get(); }
    TTreeNode* GetLastChild() const { return children_.empty() ? nullptr : children_.back().get(); }
    TTreeNode* getNextSibling() const;
    TTreeNode* getPrevSibling() const;
    // The next node in depth-first order (children first), or nullptr.
    TTreeNode* GetNext() const;
    int Index() const;          // among its siblings
    int Level() const;          // 0 for a top node
    int AbsoluteIndex() const;  // in depth-first order over the whole tree
    bool IsFirstNode() const { return !parent_ && Index() == 0; }
    bool HasAsParent(const TTreeNode* node) const;

    bool Expanded() const;
    void SetExpanded(bool v);
    void Expand(bool recurse);
    void Collapse(bool recurse);
    bool Selected() const;
    // Selects the node (the tree's OnChanging may refuse).
    void SetSelected(bool v);
    bool Focused() const { return Selected(); }
    void MakeVisible();
    // The node's rectangle in the tree's client coordinates (the text only when textOnly).
    TRect DisplayRect(bool textOnly) const;
    void Delete();
    void DeleteChildren();
    // Moves the node (with its children): before dest (naInsert), or as the
    // last child of dest (naAddChild; a top node when dest is nullptr).
    enum TNodeAttachMode { naInsert, naAddChild };
    void MoveTo(TTreeNode* dest, TNodeAttachMode mode);
    // Opens the label editor on the node (the tree's OnEditing may refuse);
    // true when it opened.
    bool EditText();
    TTreeView* TreeView() const { return tree_; }
    TTreeNodes* Owner() const;

    // Window layer.
    void* Item() const { return item_; }

private:
    friend class TTreeNodes;
    friend class TTreeView;
    TTreeNode(TTreeView* tree, TTreeNode* parent);
    void Refresh();
    TTreeView* tree_;
    TTreeNode* parent_;
    std::vector<std::unique_ptr<TTreeNode>> children_;
    std::string text_;
    int imageIndex_ = -1;
    int selectedIndex_ = -1;
    int stateIndex_ = -1;
    void* item_ = nullptr;   // QTreeWidgetItem
};

class TTreeNodes
{
public:
    explicit TTreeNodes(TTreeView* tree) : tree_(tree) {}
    ~TTreeNodes();
    // Every node of the tree (depth-first order).
    int Count() const;
    TTreeNode* Item(int absoluteIndex) const;
    TTreeNode* operator[](int i) const { return Item(i); }
    TTreeNode* GetFirstNode() const { return roots_.empty() ? nullptr : roots_.front().get(); }
    int TopCount() const { return static_cast<int>(roots_.size()); }
    TTreeNode* TopItem(int i) const;
    // Add: after the last sibling of `sibling` (a top node when nullptr).
    TTreeNode* Add(TTreeNode* sibling, const std::string& text);
    TTreeNode* AddObject(TTreeNode* sibling, const std::string& text, intptr_t data);
    TTreeNode* AddFirst(TTreeNode* sibling, const std::string& text);
    TTreeNode* AddChild(TTreeNode* parent, const std::string& text);
    TTreeNode* AddChildObject(TTreeNode* parent, const std::string& text, intptr_t data);
    TTreeNode* AddChildFirst(TTreeNode* parent, const std::string& text);
    // Before `sibling`.
    TTreeNode* Insert(TTreeNode* sibling, const std::string& text);
    TTreeNode* InsertObject(TTreeNode* sibling, const std::string& text, intptr_t data);
    void Delete(TTreeNode* node);
    void Clear();
    void BeginUpdate();
    void EndUpdate();

private:
    friend class TTreeNode;
    friend class TTreeView;
    TTreeNode* InsertAt(TTreeNode* parent, int index, const std::string& text, intptr_t data);
    std::vector<std::unique_ptr<TTreeNode>>& SiblingList(TTreeNode* parent);
    TTreeView* tree_;
    std::vector<std::unique_ptr<TTreeNode>> roots_;
    int updateCount_ = 0;
};

enum THitTest : unsigned
{
    htAbove = 1, htBelow = 2, htNowhere = 4, htOnItem = 8, htOnButton = 16, htOnIcon = 32,
    htOnIndent = 64, htOnLabel = 128, htOnRight = 256, htOnStateIcon = 512, htToLeft = 1024,
    htToRight = 2048,
};
using THitTests = unsigned;

enum TCustomDrawStateFlag : unsigned
{
    cdsSelected = 1, cdsGrayed = 2, cdsDisabled = 4, cdsChecked = 8, cdsFocused = 16, cdsDefault = 32, cdsHot = 64,
};
using TCustomDrawState = unsigned;
class TTreeView;
// Drawing of the tree by the program: the tree's Canvas is set up (font, brush);
// leave DefaultDraw true to let the tree draw with it, false when drawn.
using TTVCustomDrawEvent = std::function<void(TTreeView* Sender, const TRect& ARect, bool& DefaultDraw)>;
using TTVCustomDrawItemEvent =
    std::function<void(TTreeView* Sender, TTreeNode* Node, TCustomDrawState State, bool& DefaultDraw)>;
using TTVChangedEvent = std::function<void(TObject* Sender, TTreeNode* Node)>;
using TTVChangingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowChange)>;
using TTVExpandingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowExpansion)>;
using TTVExpandedEvent = std::function<void(TObject* Sender, TTreeNode* Node)>;
using TTVEditingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowEdit)>;
using TTVEditedEvent = std::function<void(TObject* Sender, TTreeNode* Node, std::string& S)>;

class TTreeView : public TWinControl
{
public:
    explicit TTreeView(TComponent* AOwner);
    ~TTreeView() override;
    TTreeNodes& Items() { return *nodes_; }
    TTreeNode* Selected() const;
    // Selects a node (nullptr clears); OnChanging may refuse.
    void SetSelected(TTreeNode* node);
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* list);
    TImageList* StateImages() const { return stateImages_; }
    void SetStateImages(TImageList* list);
    int Indent() const;
    void SetIndent(int i);
    bool ReadOnly = true;
    bool ShowLines() const { return showLines_; }
    void SetShowLines(bool v);
    bool ShowRoot() const { return showRoot_; }
    void SetShowRoot(bool v);
    bool HideSelection = true;
    bool RowSelect = false;
    TTreeNode* TopItem() const;
    // Scrolls the tree so that the node is the first one shown.
    void SetTopItem(TTreeNode* node);
    TTreeNode* GetNodeAt(int X, int Y) const;
    THitTests GetHitTestInfoAt(int X, int Y) const;
    void FullExpand();
    void FullCollapse();
    QWidget* ClientWidget() const override;

    TTVChangedEvent OnChange;
    TTVChangingEvent OnChanging;
    TTVExpandingEvent OnExpanding;
    TTVExpandedEvent OnExpanded;
    TTVExpandingEvent OnCollapsing;
    TTVExpandedEvent OnCollapsed;
    TTVExpandedEvent OnDeletion;
    // OnCustomDraw paints the background before the nodes; OnCustomDrawItem
    // runs for each node (a clear brush leaves the text transparent).
    TTVCustomDrawEvent OnCustomDraw;
    TTVCustomDrawItemEvent OnCustomDrawItem;
    TCanvas& Canvas();

    // Label editing: started by TTreeNode::EditText, or by the user (F2 on
    // the selected node) unless ReadOnly. OnEditing may
    // refuse; on Enter (or the editor losing the focus) OnEdited may change
    // the text before the node takes it; Escape keeps the old text.
    TTVEditingEvent OnEditing;
    TTVEditedEvent OnEdited;
    bool IsEditing() const;
    TTreeNode* EditedNode() const;
    // The editor's text (empty when not editing); setting it types into it.
    std::string EditorText() const;
    void SetEditorText(const std::string& s);
    // Closes the editor: the text is taken unless cancel.
    void EndEditing(bool cancel);
    // Window layer: the editor follows its node when rows move.
    void PlaceEditor();

    // Window layer.
    bool AllowChange(TTreeNode* node);
    // Changes of the current node between these run no event.
    void BeginInternalChange();
    void EndInternalChange();
    TTreeNode* NodeOfItem(void* item) const;
    void PaintNode(QPainter& painter, TTreeNode* node, const TRect& rect, bool selected);
    void PaintBackground(QPainter& painter);

protected:
    virtual void Change(TTreeNode* Node);
    virtual bool CanChange(TTreeNode* Node);
    void Notification(TComponent* component, bool removing) override;
    bool ClicksFromMouse() const override { return true; }
    void ApplyColor() override;

private:
    friend class TTreeNodes;
    friend class TTreeNode;
    struct Impl;
    std::unique_ptr<Impl> t_;
    std::unique_ptr<TTreeNodes> nodes_;
    TImageList* images_ = nullptr;
    TImageList* stateImages_ = nullptr;
    bool showLines_ = true;
    bool showRoot_ = true;
};

// ============================================================================
// tabs and pages
// ============================================================================
using TDrawTabEvent = std::function<void(TObject* Control, int TabIndex, const TRect& Rect, bool Active)>;
using TTabChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

// How the tabs look: notebook tabs, raised buttons (the active one pressed)
// or flat buttons; the button styles draw no frame around the pages.
enum TTabStyle { tsTabs, tsButtons, tsFlatButtons };

// The tab strip shared by the page control and the tab control.
class TCustomTabControl : public TWinControl
{
public:
    explicit TCustomTabControl(TComponent* AOwner);
    ~TCustomTabControl() override;
    TTabStyle Style() const { return style_; }
    void SetStyle(TTabStyle s);
    // Tabs drawn by OnDrawTab (the strip is filled with Color first).
    bool OwnerDraw() const { return ownerDraw_; }
    void SetOwnerDraw(bool v);
    int TabWidth() const { return tabWidth_; }
    void SetTabWidth(int w);
    // 1 (or every tab hidden): no visible strip, the pages take the whole control.
    int TabHeight() const { return tabHeight_; }
    void SetTabHeight(int h);
    TImageList* Images = nullptr;
    // The area the pages (or the tab control's children) use.
    TRect DisplayRect() const;
    TRect TabRect(int index) const;
    int IndexOfTabAt(int X, int Y) const;
    TCanvas& Canvas();
    TDrawTabEvent OnDrawTab;
    TTabChangingEvent OnChanging;
    TNotifyEvent OnChange;

    // Window layer.
    bool AllowTabChange();
    void PaintTab(QPainter& painter, int index, const TRect& rect, bool active);
    int StripHeight() const;

protected:
    virtual void DrawTab(int TabIndex, const TRect& Rect, bool Active);
    virtual bool CanChange();
    virtual void Change();
    // The user changed the tab: index is the new one.
    virtual void TabChanged(int index) = 0;
    void BoundsChanged(bool sized) override;
    virtual void LayoutPages() {}
    void LayoutStrip();
    int TabCount() const;
    void InsertTab(int index, const std::string& text);
    void RemoveTab(int index);
    void SetTabText(int index, const std::string& text);
    void SetTabVisible(int index, bool v);
    int CurrentTab() const;
    void SetCurrentTab(int index);
    struct TabImpl;
    std::unique_ptr<TabImpl> tb_;

private:
    bool ownerDraw_ = false;
    TTabStyle style_ = tsTabs;
    int tabWidth_ = 0;
    int tabHeight_ = 0;
};

class TPageControl;

class TTabSheet : public TWinControl
{
public:
    explicit TTabSheet(TComponent* AOwner);
    ~TTabSheet() override;
    TPageControl* PageControl() const { return pageControl_; }
    // Puts the sheet into a page control (as its last page), or takes it out.
    void SetPageControl(TPageControl* pc);
    void SetParent(TWinControl* parent) override;
    int PageIndex() const;
    void SetPageIndex(int i);
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool v);
    int ImageIndex = -1;
    // The index of its tab among the visible ones, or -1.
    int TabIndex() const;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;

protected:
    void ApplyText() override;

private:
    friend class TPageControl;
    TPageControl* pageControl_ = nullptr;
    bool tabVisible_ = true;
};

class TPageControl : public TCustomTabControl
{
public:
    explicit TPageControl(TComponent* AOwner);
    ~TPageControl() override;
    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* Pages(int i) const;
    TTabSheet* ActivePage() const { return active_; }
    // Shows a page (no OnChanging/OnChange: those follow the user).
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int i);
    // The next or previous visible page from current (wrapping).
    TTabSheet* FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible) const;
    void SelectNextPage(bool goForward);

protected:
    void TabChanged(int index) override;
    void LayoutPages() override;
    void ControlsChanged() override;

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void ShowPage(TTabSheet* page);
    std::vector<TTabSheet*> pages_;
    TTabSheet* active_ = nullptr;
};

// A tab strip with its own list of tabs (each with an object); children sit
// in its display area and the program changes what they show.
class TTabControl : public TCustomTabControl
{
public:
    explicit TTabControl(TComponent* AOwner);
    ~TTabControl() override;
    TStrings& Tabs();
    int TabIndex() const;
    void SetTabIndex(int i);

protected:
    void TabChanged(int index) override;
    void AdjustClientRect(TRect& r) const override;

private:
    friend class TabStrings;
    std::unique_ptr<TStrings> tabs_;
};

// ============================================================================
// bars, pickers
// ============================================================================
enum TTrackBarOrientation { trHorizontal, trVertical };

class TTrackBar : public TWinControl
{
public:
    explicit TTrackBar(TComponent* AOwner);
    ~TTrackBar() override;
    int Min() const;
    void SetMin(int v);
    int Max() const;
    void SetMax(int v);
    int Position() const;
    void SetPosition(int v);   // runs OnChange when it changes
    int Frequency() const;
    void SetFrequency(int v);
    int PageSize() const;
    void SetPageSize(int v);
    TTrackBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TTrackBarOrientation o);
    TNotifyEvent OnChange;

protected:
    virtual void Changed();

private:
    TTrackBarOrientation orientation_ = trHorizontal;
};

enum TUDBtnType { btNext, btPrev };
enum TUDOrientation { udHorizontal, udVertical };

// Two arrow buttons. With an Associate, Position shows in that control's text;
// an edit box associated takes digits only (NumbersOnly, a sign when Min is
// below 0 as the association is made).
class TUpDown : public TWinControl
{
public:
    explicit TUpDown(TComponent* AOwner);
    ~TUpDown() override;
    int Min = 0;
    int Max = 100;
    int Increment = 1;
    bool Wrap = false;
    // The associate's number when it holds one (bounded to Min..Max), as
    // typed there; else the last position set.
    int Position() const;
    void SetPosition(int v);
    // False when the associate holds no number (emptied, a lone sign):
    // Position then gives the last position, which the box no longer shows.
    bool HoldsNumber() const;
    // True when the associate shows a number within Min..Max: what it shows
    // is the position.
    bool ShowsPosition() const;
    TWinControl* Associate() const { return associate_; }
    void SetAssociate(TWinControl* c);
    TUDOrientation Orientation() const { return orientation_; }
    void SetOrientation(TUDOrientation o);
    std::function<void(TObject* Sender, TUDBtnType Button)> OnClick;
    std::function<void(TObject* Sender, bool& AllowChange)> OnChanging;
    // Presses a button as the user does.
    void ClickButton(TUDBtnType button);

protected:
    void Notification(TComponent* component, bool removing) override;
    void BoundsChanged(bool sized) override;

private:
    void Arrange();
    struct Impl;
    std::unique_ptr<Impl> u_;
    int position_ = 0;
    TWinControl* associate_ = nullptr;
    TUDOrientation orientation_ = udVertical;
};

enum TProgressBarOrientation { pbHorizontal, pbVertical };

class TProgressBar : public TWinControl
{
public:
    explicit TProgressBar(TComponent* AOwner);
    ~TProgressBar() override;
    int Min() const;
    void SetMin(int v);
    int Max() const;
    void SetMax(int v);
    int Position() const;
    void SetPosition(int v);
    int Step = 10;
    void StepIt();
    void StepBy(int delta);
    TProgressBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TProgressBarOrientation o);
    bool Smooth = false;

private:
    TProgressBarOrientation orientation_ = pbHorizontal;
};

enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };

struct TStatusPanel
{
    std::string Text;
    int Width = 50;
    TAlignment Alignment = taLeftJustify;
    TStatusPanelBevel Bevel = pbLowered;
};

class TStatusBar : public TCustomControl
{
public:
    explicit TStatusBar(TComponent* AOwner);
    int PanelCount() const { return static_cast<int>(panels_.size()); }
    TStatusPanel& Panels(int i) { return panels_.at(static_cast<size_t>(i)); }
    TStatusPanel& AddPanel();
    void ClearPanels();
    // Call after changing a panel's fields.
    void PanelsChanged() { Invalidate(); }
    void SetPanelText(int i, const std::string& text);
    bool SimplePanel() const { return simplePanel_; }
    void SetSimplePanel(bool v);
    const std::string& SimpleText() const { return simpleText_; }
    void SetSimpleText(const std::string& t);
    bool SizeGrip = true;

protected:
    void Paint() override;

private:
    std::vector<TStatusPanel> panels_;
    bool simplePanel_ = false;
    std::string simpleText_;
};

enum TDateTimeKind { dtkDate, dtkTime };
enum TDTDateFormat { dfShort, dfLong };

class TDateTimePicker : public TWinControl
{
public:
    explicit TDateTimePicker(TComponent* AOwner);
    ~TDateTimePicker() override;
    // The date part (days since 30/12/1899) and the time part.
    double Date() const;
    void SetDate(double date);
    // No date kept: the box shows none (its calendar opens on today's month)
    // until the user gives one; Date() is then meaningless.
    void SetNoDate();
    bool HasDate() const;
    // What the box shows, as typed while a date is typed; empty when none.
    std::string GetText() const override;
    double Time() const;
    void SetTime(double time);
    double DateTime() const { return Date() + Time(); }
    void SetDateTime(double dt);
    TDateTimeKind Kind() const { return kind_; }
    void SetKind(TDateTimeKind k);
    TDTDateFormat DateFormat() const { return dateFormat_; }
    void SetDateFormat(TDTDateFormat f);
    double MinDate() const;
    void SetMinDate(double d);
    double MaxDate() const;
    void SetMaxDate(double d);
    // The user changed the date (not the program). A date typed is taken
    // as the box shows it once the box is left or Enter pressed, not key by
    // key; Escape gives back the date held.
    TNotifyEvent OnChange;
    // A date typed being taken: the text the box shows; the handler sets the
    // date it names, or leaves AllowChange false to refuse it (the box then
    // shows the date it held). Without it the box reads the text itself
    // (TryStrToDateDMY).
    std::function<void(TObject* Sender, const std::string& UserString, double& DateAndTime, bool& AllowChange)>
        OnUserInput;
    // A date typed and not yet taken is taken now (a click that leaves the
    // focus here takes it as leaving the box would).
    void TakeInput();

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
    TDateTimeKind kind_ = dtkDate;
    TDTDateFormat dateFormat_ = dfShort;
};

class TMonthCalendar : public TWinControl
{
public:
    explicit TMonthCalendar(TComponent* AOwner);
    ~TMonthCalendar() override;
    double Date() const;
    void SetDate(double date);   // no OnClick
    // OnClick (inherited) runs when the user picks a date.

protected:
    bool ClicksFromMouse() const override { return false; }

private:
    int updating_ = 0;
};
