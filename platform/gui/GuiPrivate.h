// The Qt side of the controls, for the window layer's own .cpp files (and the
// window test kit): the widget behind a control, event delivery, conversions.
#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QValidator>
#include <QWidget>

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "platform/gui/Controls.h"
#include "platform/gui/GraphicsQt.h"

class QLineEdit;

namespace guiimpl {

// Receives the events of a control's widgets (the widget itself and inner
// parts such as a list's viewport) and hands them to the control. It is also
// the context of every signal connection of the control, so that deleting it
// first cuts them all.
class ControlHub : public QObject
{
public:
    explicit ControlHub(TControl* c) : control(c) {}
    bool eventFilter(QObject* watched, QEvent* event) override;
    TControl* control;
};

struct ControlImpl
{
    QPointer<QWidget> widget;
    std::unique_ptr<ControlHub> hub;
    bool pressedInside = false;
    bool mouseInside = false;
};

// A widget that paints through its control (graphic and custom controls).
class PaintWidget : public QWidget
{
public:
    explicit PaintWidget(TControl* c) : control(c) {}
    TControl* control;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A canvas drawing through a painter while this object lives: the painter is
// let go however the painting ends (an exception included). Given a control,
// the canvas starts with its font and, as brush, its colour.
class CanvasPaint
{
public:
    CanvasPaint(TCanvas& canvas, QPainter& painter) : canvas_(canvas) { canvas_.AttachPainter(&painter); }
    CanvasPaint(TCanvas& canvas, QPainter& painter, const TControl& control) : CanvasPaint(canvas, painter)
    {
        canvas_.Font = control.Font();
        canvas_.Brush.SetColor(control.Color());
    }
    ~CanvasPaint() { canvas_.DetachPainter(); }
    CanvasPaint(const CanvasPaint&) = delete;
    CanvasPaint& operator=(const CanvasPaint&) = delete;

private:
    TCanvas& canvas_;
};

// Entry points into the controls' protected members.
struct Dispatch
{
    static bool Event(TControl* c, QWidget* watched, QEvent* e);
    static void Paint(TControl* c, QPainter& p);
    static void Paint(TControl* c, QPainter& p, const QRect& area);
    static void KeyDown(TWinControl* c, WORD& key, TShiftState shift) { c->KeyDown(key, shift); }
    static void KeyPress(TWinControl* c, char& key) { c->KeyPress(key); }
    static void Resized(TControl* c, int w, int h);
};

// Runs a call into the program's code; an exception goes to the application's
// handler instead of through Qt.
void Guard(const std::function<void()>& f);
void HandleException(const std::exception& e);

// The property that ties a widget to its control.
extern const char* const kControlProperty;
// The widget a control's coordinates are measured in (the client area of a
// windowed control: under a form's menu, inside a list's frame).
QWidget* CoordWidget(const TControl* c);
// The control a widget belongs to (the widget or one of its parents), or nullptr.
TControl* ControlOf(QWidget* w);
// The control at a point of the screen (the deepest enabled one).
TControl* ControlAtGlobal(const QPoint& global);
QObject* HubOf(TControl* c);

// The shift state of the last mouse or key event a control received.
extern TShiftState lastShift;
TShiftState ShiftFromQt(Qt::KeyboardModifiers mods, Qt::MouseButtons buttons);
WORD VkFromQtKey(int key);
int QtKeyFromVk(WORD vk);
Qt::CursorShape QtCursor(TCursor c);

// The validator of the layer's line edits (text boxes, combo boxes, grid and
// tree editors): what is typed, pasted or dropped becomes at once what the
// program keeps of it (KeptText, a box of one line), the cursor staying after
// what was inserted, the rest of the text as it was (a name the program gave
// keeps letters the user could not type); letters left out of what was put
// in are said (RefuseInput). A number
// box takes digits only (a sign first when allowed): the blanks of a pasted
// number go, anything else refuses the key or the paste whole, and says that
// the box takes whole numbers. A file-name box takes every character but
// control characters.
class TextValidator : public QValidator
{
public:
    enum Mode { Text, Digits, SignedDigits, AnyText };
    explicit TextValidator(QObject* parent, Mode mode = Text) : QValidator(parent), mode_(mode) {}
    void SetMode(Mode mode) { mode_ = mode; }
    // A box of at most n characters (0: no limit): what would pass it is
    // refused whole, and said, never cut.
    void SetMaxLength(int n) { maxLength_ = n; }
    // A counter's bounds, asked when a figure is weighed: a figure past
    // them that no further digit can bring back is refused, and said.
    void SetBounds(std::function<std::pair<int, int>()> bounds) { bounds_ = std::move(bounds); }
    State validate(QString& input, int& pos) const override;
    // While the program sets the box's text, nothing is said.
    struct ProgramText
    {
        explicit ProgramText(TextValidator* v) : v_(v) { if (v_) ++v_->programme_; }
        ~ProgramText() { if (v_) --v_->programme_; }
        ProgramText(const ProgramText&) = delete;
        ProgramText& operator=(const ProgramText&) = delete;
        TextValidator* v_;
    };

protected:
    // Notes a drop on the edit (a drop does not give it the focus).
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Refuse(const std::string& reason) const;
    Mode mode_;
    int maxLength_ = 0;
    std::function<std::pair<int, int>()> bounds_;
    int programme_ = 0;
    bool depot_ = false;
    mutable QString avant_;   // the text last taken
};
// A file name as the system takes it (its encoding, UTF-8) from what Qt
// shows, and back; a name that is not UTF-8, as older versions wrote it in
// Windows-1252, shows as that text.
std::string FsName(const QString& s);
QString FromFsName(const std::string& s);

// Gives the line edit its TextValidator (its text stays marked as the user's
// edit when the validator changes it).
TextValidator* KeepText(QLineEdit* edit, TextValidator::Mode mode = TextValidator::Text);
// The TextValidator of a line edit (nullptr: none), to set the program's own
// text under its ProgramText: a season's text keeps every character.
TextValidator* ValidatorOf(const QLineEdit* edit);
void SetProgramText(QLineEdit* edit, const QString& text);

// Builds the drag that BeginDrag starts, and routes mouse events while it runs.
class DragManager
{
public:
    static DragManager& Get();
    void Begin(TControl* source, bool immediate, int threshold);
    bool Active() const { return source_ != nullptr; }
    bool Started() const { return started_; }
    TControl* Source() const { return source_; }
    TShiftState StartShift() const { return startShift_; }
    // Answers true when the event belongs to the drag (then it is consumed).
    bool Mouse(QMouseEvent* e);
    void End(bool drop, const QPoint& global);
    void Forget(TControl* c);

private:
    void Over(const QPoint& global);
    TControl* source_ = nullptr;
    bool started_ = false;
    int threshold_ = 5;
    QPoint startGlobal_;
    TShiftState startShift_ = 0;
    TControl* target_ = nullptr;
    bool accept_ = false;
    bool cursorSet_ = false;
    // While a drop handler runs: the source and target, cleared when freed.
    TControl* dropSource_ = nullptr;
    TControl* dropTarget_ = nullptr;
};

}  // namespace guiimpl
