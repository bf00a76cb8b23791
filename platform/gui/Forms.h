// Forms (windows and dialogs), the application object and the screen.
//
// A window is a TForm subclass that builds its controls in its constructor and
// ends it with DoCreate() (which runs OnCreate). Show it modeless with Show(),
// or modally with ShowModal(), which returns its ModalResult: a button with a
// ModalResult sets it on its form and that ends only a form running modally;
// closing a modal form gives mrCancel (2). Enter clicks the Default button,
// Escape the Cancel button (with none, a modal form closes as by its box).
#pragma once

#include "platform/gui/Controls.h"

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TMainMenu;
class QEventLoop;

using TModalResult = int;
enum : TModalResult
{
    mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5,
    mrYes = 6, mrNo = 7, mrAll = 8, mrNoToAll = 9, mrYesToAll = 10, mrClose = 11,
};

enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = unsigned;
enum TPosition
{
    poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter,
    poDesktopCenter, poMainFormCenter, poOwnerFormCenter,
};
enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

class TForm : public TWinControl
{
public:
    explicit TForm(TComponent* AOwner);
    ~TForm() override;
    void BeforeDestruction() override;

    // ---- look ----
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle s);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons icons);
    TPosition Position = poDesigned;
    TWindowState WindowState() const;
    void SetWindowState(TWindowState s);
    TFormStyle FormStyle() const { return formStyle_; }
    void SetFormStyle(TFormStyle s);
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* menu);

    // ---- showing and closing ----
    // Shows the form modeless (OnShow, then the window appears) and brings it up.
    void SetVisible(bool v) override;
    int ShowModal();
    bool Modal() const { return modal_; }
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult r);
    // Asks the form to close (OnCloseQuery, OnClose with its action); a modal
    // form gets mrCancel and its loop decides.
    void Close();
    bool CloseQuery();
    // Frees the form once the current event has been handled.
    void Release();
    bool Active() const;
    TWinControl* ActiveControl() const;
    void SetActiveControl(TWinControl* c);
    void BringToFront();
    // Runs OnCreate: the last statement of a window's constructor.
    void DoCreate();

    bool KeyPreview = false;

    // ---- geometry: Width and Height include the frame, as on the desktop ----
    int ClientWidth() const override;
    int ClientHeight() const override;
    void SetClientWidth(int w) override;
    void SetClientHeight(int h) override;
    QWidget* ClientWidget() const override;
    // Shows the form inside another control: no frame, parent set (the caller
    // aligns it, usually alClient). nullptr makes it a window again.
    void SetParent(TWinControl* parent) override;

    // Enter and Escape for the whole window: the focused button for Enter, else
    // the Default button; the Cancel button for Escape.
    bool DialogKey(WORD key, TShiftState shift) override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TNotifyEvent OnDestroy;

    // Window layer: the window system resized or moved the window.
    void WidgetResized();
    void WidgetActivated(bool active);
    // Window layer: the control that last got OnEnter (nullptr after OnExit).
    TWinControl* EnteredControl() const;
    void SetEnteredControl(TWinControl* c);

protected:
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& action);
    virtual void DoDestroy();
    virtual void Activate();
    virtual void Deactivate();
    void UpdateWidgetGeometry() override;
    void ApplyText() override;
    void ApplyColor() override;

private:
    friend class TApplication;
    struct FormImpl;
    std::unique_ptr<FormImpl> f_;
    void FrameExtra(int& dx, int& dy) const;
    int MenuHeight() const;
    void ApplyWindowFlags();
    void PlaceOnScreen();
    void CloseModal();
    TBorderStyle borderStyle_ = bsSizeable;
    TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TFormStyle formStyle_ = fsNormal;
    TMainMenu* menu_ = nullptr;
    TModalResult modalResult_ = mrNone;
    bool modal_ = false;
    bool destroyed_ = false;
    bool active_ = false;
    bool shownOnce_ = false;
};

// The form a control sits in (the outermost one for embedded forms).
inline TForm* GetParentForm(const TControl* c) { return c ? c->ParentForm() : nullptr; }

// A panel whose content scrolls: children are placed in its scrolled area,
// which grows to hold them.
class TScrollBox : public TWinControl
{
public:
    explicit TScrollBox(TComponent* AOwner);
    ~TScrollBox() override;
    QWidget* ClientWidget() const override;
    int ClientWidth() const override;
    int ClientHeight() const override;
    TBorderStyle BorderStyle() const { return border_; }
    void SetBorderStyle(TBorderStyle s);
    // Scroll positions (pixels).
    int HorzPosition() const;
    void SetHorzPosition(int p);
    int VertPosition() const;
    void SetVertPosition(int p);
    int HorzRange() const;
    int VertRange() const;
    // Recomputes the scrolled area from the children (done on every change).
    void UpdateScrollRange();

protected:
    void ControlsChanged() override { UpdateScrollRange(); }
    void ChildBoundsChanged(TControl*) override { UpdateScrollRange(); }
    void BoundsChanged(bool sized) override;
    void AlignControls(TControl* changed = nullptr) override;

private:
    struct Impl;
    std::unique_ptr<Impl> s_;
    TBorderStyle border_ = bsSingle;
};

// Numbers shown to the user take the decimal separator of the user's regional
// settings (QLocale::system()), or of the locale named ("en_US", "fr_FR").
// Without regional settings (the C locale) the program's own stays. Files never
// depend on it: the C library's numbers stay in the C locale.
void ApplyLocaleNumbers(const std::string& locale = {});

class TApplication : public TComponent
{
public:
    // Creates the Qt application when none exists yet; the one instance is
    // Application.
    TApplication(int& argc, char** argv);
    ~TApplication() override;

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& t);
    TForm* MainForm() const { return mainForm_; }
    void SetMainForm(TForm* f) { mainForm_ = f; }
    // Creates a form owned by the application; the first becomes MainForm.
    template <class T>
    T* CreateForm()
    {
        T* f = new T(this);
        if (!mainForm_)
            mainForm_ = f;
        return f;
    }
    // Shows the main form and runs the event loop until Terminate or the
    // main form closes.
    void Run();
    void ProcessMessages();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // The program's file, with its full path.
    std::string ExeName() const;
    void HandleException(const std::exception& e);
    void ShowException(const std::exception& e);
    std::function<void(TObject* Sender, const std::exception& E)> OnException;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    bool ShowHint = true;
    std::string HelpFile;
    // A plain message box (the MB_ flags of Dialogs.h); answers IDOK, IDYES...
    int MessageBox(const std::string& text, const std::string& caption, int flags);

private:
    std::string title_;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
    bool ownsQt_ = false;
    struct QtApp;
    std::unique_ptr<QtApp> qt_;
};
extern TApplication* Application;

class TScreen
{
public:
    int Width() const;
    int Height() const;
    int PixelsPerInch() const { return 96; }
    // Bits per pixel of the display.
    int ColorDepth() const;
    TCursor Cursor() const { return cursor_; }
    // crDefault lets every control show its own cursor again.
    void SetCursor(TCursor c);
    int FormCount() const { return static_cast<int>(forms_.size()); }
    TForm* Forms(int i) const { return forms_.at(static_cast<size_t>(i)); }
    TForm* ActiveForm() const;
    TWinControl* ActiveControl() const;
    void AddForm(TForm* f);
    void RemoveForm(TForm* f);

private:
    TCursor cursor_ = crDefault;
    std::vector<TForm*> forms_;
};
extern TScreen* Screen;
