// Standard controls: label, edit, memo, button, check box, radio button, group
// box, combo box, list box (owner-drawn too), check list box, scroll bar,
// speed button. Texts are Windows-1252.
#pragma once

#include "platform/gui/Controls.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TStringList;
class TBitmap;

// ---- item lists of list controls --------------------------------------------------
// The strings of a list box, combo box or memo, each with an object (any
// pointer-sized value), as the library's TStrings.
class TStrings
{
public:
    using Object = intptr_t;
    virtual ~TStrings() = default;
    virtual int Count() const = 0;
    virtual std::string Strings(int i) const = 0;
    virtual void SetString(int i, const std::string& s) = 0;
    virtual Object Objects(int i) const = 0;
    virtual void SetObject(int i, Object o) = 0;
    virtual void InsertObject(int index, const std::string& s, Object o) = 0;
    virtual void Delete(int i) = 0;
    virtual void Clear() = 0;

    std::string operator[](int i) const { return Strings(i); }
    template <class T> T* ObjectPtr(int i) const { return reinterpret_cast<T*>(Objects(i)); }
    // Answers the index the string went to (sorted lists place it).
    virtual int AddObject(const std::string& s, Object o);
    int Add(const std::string& s) { return AddObject(s, 0); }
    void Insert(int index, const std::string& s) { InsertObject(index, s, 0); }
    int IndexOf(const std::string& s) const;        // case-insensitive, as the library
    int IndexOfObject(Object o) const;
    void Move(int from, int to);
    void Exchange(int i, int j);
    // Lines joined with CR LF.
    std::string Text() const;
    void SetText(const std::string& text);
    std::string CommaText() const;
    void Assign(const TStringList& list);
    void AddStrings(const TStringList& list);
    void AssignTo(TStringList& list) const;
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate() { if (--updateCount_ == 0) Updated(); }
    void LoadFromFile(const std::string& fileName);
    void SaveToFile(const std::string& fileName) const;

protected:
    virtual void Updated() {}
    int updateCount_ = 0;
};

// ---- label -----------------------------------------------------------------------
enum TTextLayout { tlTop, tlCenter, tlBottom };

class TLabel : public TGraphicControl
{
public:
    explicit TLabel(TComponent* AOwner);
    ~TLabel() override;
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout l);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    // "&" marks an access key (shown underlined, "&&" is one "&").
    bool ShowAccelChar = true;
    TWinControl* FocusControl = nullptr;
    // Resizes to the text when AutoSize is on.
    void AdjustBounds();

protected:
    void ApplyText() override;
    void ApplyFont() override;
    void ApplyColor() override;
    void BoundsChanged(bool sized) override;

private:
    void ApplyAlignment();
    bool autoSize_ = true;
    bool wordWrap_ = false;
    bool transparent_ = false;
    bool adjusting_ = false;
    TAlignment alignment_ = taLeftJustify;
    TTextLayout layout_ = tlTop;
};

// ---- edits -------------------------------------------------------------------------
enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

class TEdit : public TWinControl
{
public:
    explicit TEdit(TComponent* AOwner);
    ~TEdit() override;
    std::string GetText() const override;
    void SetText(const std::string& s) override;
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int n);
    bool ReadOnly() const;
    void SetReadOnly(bool v);
    char PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char c);
    TEditCharCase CharCase() const { return charCase_; }
    void SetCharCase(TEditCharCase c);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle s);
    bool AutoSelect = true;
    bool Modified() const;
    void SetModified(bool v);
    int SelStart() const;
    void SetSelStart(int p);
    int SelLength() const;
    void SetSelLength(int n);
    std::string SelText() const;
    void SetSelText(const std::string& s);
    void SelectAll();
    void Clear() { SetText(""); }
    TNotifyEvent OnChange;

    // What is typed, pasted or dropped shows at once as the program keeps it
    // (a character Windows-1252 cannot hold as its nearest letter, or refused).
    // A number box takes digits only, a sign first when negatives are
    // allowed: a key or a paste holding anything else is refused whole.
    bool NumbersOnly() const { return numbersOnly_; }
    void SetNumbersOnly(bool v, bool allowNegative = false);
    // A file-name box: its text is a file-system name, typed with every
    // character as it is. FileName is the name to open (the bytes given to
    // SetFileName while the text shown is unchanged, else the text shown
    // in the system's encoding), as the file dialogs give it.
    bool HoldsFileName() const override { return holdsFileName_; }
    void SetHoldsFileName(bool v);
    std::string FileName() const;
    void SetFileName(const std::string& fileName);

protected:
    virtual void Change();
    void DoEnter() override;
    void ApplyText() override {}

    struct EditImpl;
    std::unique_ptr<EditImpl> e_;

private:
    void ApplyValidation();
    bool numbersOnly_ = false;
    bool allowNegative_ = false;
    bool holdsFileName_ = false;
    int maxLength_ = 0;
    char passwordChar_ = 0;
    TEditCharCase charCase_ = ecNormal;
    TBorderStyle borderStyle_ = bsSingle;
};

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

class TMemo : public TWinControl
{
public:
    explicit TMemo(TComponent* AOwner);
    ~TMemo() override;
    // The lines (CR LF between them in Text).
    TStrings& Lines();
    std::string GetText() const override;
    void SetText(const std::string& s) override;
    bool ReadOnly() const;
    void SetReadOnly(bool v);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle s);
    bool WantReturns = true;
    bool WantTabs = false;
    int MaxLength = 0;
    bool Modified() const;
    void SetModified(bool v);
    void Clear() { SetText(""); }
    void SelectAll();
    int SelStart() const;
    void SetSelStart(int p);
    int SelLength() const;
    void SetSelLength(int n);
    TNotifyEvent OnChange;

protected:
    virtual void Change();
    bool WantsKey(WORD key) const override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char& Key) override;
    void ApplyText() override {}

private:
    struct Impl;
    std::unique_ptr<Impl> m_;
    bool wordWrap_ = true;
    TScrollStyle scrollBars_ = ssNone;
};

// ---- buttons --------------------------------------------------------------------------
class TButton : public TWinControl
{
public:
    explicit TButton(TComponent* AOwner);
    ~TButton() override;
    // Sets the form's ModalResult (ends a modal form), then OnClick.
    void Click() override;
    int ModalResult = 0;
    bool Default() const { return default_; }
    void SetDefault(bool v);
    bool Cancel = false;
    bool DialogKey(WORD key, TShiftState shift) override;

protected:
    bool ClicksFromMouse() const override { return false; }
    void ApplyText() override;

private:
    bool default_ = false;
};

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCheckBox : public TWinControl
{
public:
    explicit TCheckBox(TComponent* AOwner);
    ~TCheckBox() override;
    // Changing Checked, by the user or the program, runs OnClick.
    bool Checked() const;
    void SetChecked(bool v);
    TCheckBoxState State() const;
    void SetState(TCheckBoxState s);
    bool AllowGrayed() const;
    void SetAllowGrayed(bool v);
    TAlignment Alignment = taRightJustify;   // the text right of the box

protected:
    bool ClicksFromMouse() const override { return false; }
    void ApplyText() override;
};

class TRadioButton : public TWinControl
{
public:
    explicit TRadioButton(TComponent* AOwner);
    ~TRadioButton() override;
    // Radio buttons of one parent exclude each other; becoming checked runs OnClick.
    bool Checked() const;
    void SetChecked(bool v);

protected:
    bool ClicksFromMouse() const override { return false; }
    void ApplyText() override;
};

class TGroupBox : public TWinControl
{
public:
    explicit TGroupBox(TComponent* AOwner);
    ~TGroupBox() override;

protected:
    void ApplyText() override;
    void AdjustClientRect(TRect& r) const override;
};

// ---- combo box ------------------------------------------------------------------------------
enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

class TComboBox : public TWinControl
{
public:
    explicit TComboBox(TComponent* AOwner);
    ~TComboBox() override;
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle s);
    TStrings& Items();
    int ItemIndex() const;
    // The entry picked from the list (or set by the program) that the box
    // shows; -1 when its text was typed since, even to the letter of an entry.
    int ItemChoisi() const;
    void SetItemIndex(int i);
    std::string GetText() const override;
    void SetText(const std::string& s) override;
    bool Sorted() const { return sorted_; }
    void SetSorted(bool v);
    int DropDownCount() const;
    void SetDropDownCount(int n);
    // The width that shows the widest item whole, frame and arrow included.
    int WidthForItems() const;
    int MaxLength = 0;
    bool DroppedDown() const;
    void SetDroppedDown(bool v);
    void Clear();
    int SelStart() const;
    void SetSelStart(int p);
    int SelLength() const;
    void SetSelLength(int n);
    // The user typed or chose an entry (the program's own changes do not call it).
    TNotifyEvent OnChange;
    TNotifyEvent OnSelect;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnCloseUp;

protected:
    virtual void Change();
    virtual void Select();
    bool WantsKey(WORD key) const override;
    void ApplyText() override {}

private:
    friend class ComboItems;
    struct Impl;
    std::unique_ptr<Impl> c_;
    TComboBoxStyle style_ = csDropDown;
    bool sorted_ = false;
};

// ---- list boxes -----------------------------------------------------------------------------
enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };
enum TOwnerDrawStateFlag : unsigned
{
    odSelected = 1, odGrayed = 2, odDisabled = 4, odChecked = 8, odFocused = 16, odDefault = 32,
};
using TOwnerDrawState = unsigned;
using TDrawItemEvent = std::function<void(TWinControl* Control, int Index, TRect Rect, TOwnerDrawState State)>;
using TMeasureItemEvent = std::function<void(TWinControl* Control, int Index, int& Height)>;

class TCustomListBox : public TWinControl
{
public:
    explicit TCustomListBox(TComponent* AOwner);
    ~TCustomListBox() override;
    TStrings& Items();
    int ItemIndex() const;
    void SetItemIndex(int i);
    bool Selected(int i) const;
    void SetSelected(int i, bool v);
    int SelCount() const;
    bool MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool v);
    bool ExtendedSelect = true;
    bool Sorted() const { return sorted_; }
    void SetSorted(bool v);
    TListBoxStyle Style() const { return style_; }
    void SetStyle(TListBoxStyle s);
    int ItemHeight() const;
    void SetItemHeight(int h);
    int TopIndex() const;
    void SetTopIndex(int i);
    // The item at a client point; with existing false, past the last item
    // answers Count (the index a new item would take), else -1.
    int ItemAtPos(TPoint p, bool existing) const;
    TRect ItemRect(int index) const;
    void Clear();
    void DeleteSelected();
    void ClearSelection();
    // Called for every item of an owner-drawn list, with the canvas set up
    // (selection colours); the default draws the text.
    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;
    QWidget* ClientWidget() const override;
    TCanvas& Canvas();
    int ClientWidth() const override;
    int ClientHeight() const override;

    // Window layer: paints item index through the canvas (owner-drawn lists).
    void PaintItem(QPainter& painter, int index, const TRect& rect, TOwnerDrawState state);

protected:
    virtual void DrawItem(int Index, TRect Rect, TOwnerDrawState State);
    bool ClicksFromMouse() const override { return false; }
    void ApplyFont() override;
    struct Impl;
    std::unique_ptr<Impl> l_;
    friend class ListItems;

private:
    bool multiSelect_ = false;
    bool sorted_ = false;
    TListBoxStyle style_ = lbStandard;
    int itemHeight_ = 13;
};

class TListBox : public TCustomListBox
{
public:
    explicit TListBox(TComponent* AOwner) : TCustomListBox(AOwner) {}
};

class TCheckListBox : public TCustomListBox
{
public:
    explicit TCheckListBox(TComponent* AOwner);
    bool Checked(int i) const;
    void SetChecked(int i, bool v);
    TCheckBoxState State(int i) const;
    void SetState(int i, TCheckBoxState s);
    bool ItemEnabled(int i) const;
    void SetItemEnabled(int i, bool v);
    bool AllowGrayed = false;
    TNotifyEvent OnClickCheck;
};

// ---- scroll bar -------------------------------------------------------------------------------
enum TScrollBarKind { sbHorizontal, sbVertical };
enum TScrollCode { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll };

class TScrollBar : public TWinControl
{
public:
    explicit TScrollBar(TComponent* AOwner);
    ~TScrollBar() override;
    TScrollBarKind Kind() const { return kind_; }
    void SetKind(TScrollBarKind k);
    int Min() const;
    void SetMin(int v);
    int Max() const;
    void SetMax(int v);
    int Position() const;
    void SetPosition(int v);   // runs OnChange when it changes
    void SetParams(int position, int min, int max);
    int SmallChange() const;
    void SetSmallChange(int v);
    int LargeChange() const;
    void SetLargeChange(int v);
    int PageSize() const;
    void SetPageSize(int v);
    TNotifyEvent OnChange;
    std::function<void(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos)> OnScroll;

protected:
    virtual void Change();

private:
    TScrollBarKind kind_ = sbHorizontal;
    int pageSize_ = 0;
};

// ---- speed button --------------------------------------------------------------------------------
class TSpeedButton : public TGraphicControl
{
public:
    explicit TSpeedButton(TComponent* AOwner);
    ~TSpeedButton() override;
    // Buttons of one parent with the same GroupIndex (> 0) stay down one at a time.
    bool Down() const;
    void SetDown(bool v);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int g);
    bool AllowAllUp = false;
    bool Flat() const;
    void SetFlat(bool v);
    TBitmap& Glyph();
    void GlyphChanged();
    void Click() override;

protected:
    bool ClicksFromMouse() const override { return false; }
    void ApplyText() override;

private:
    struct Impl;
    std::unique_ptr<Impl> s_;
    int groupIndex_ = 0;
};
