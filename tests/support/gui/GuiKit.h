// Kit for window tests: the application runs offscreen (this library brings
// main()), message boxes and common dialogs are answered by the test, and
// helpers drive controls as a user does.
//
//   bz_test(<name> LIBS <libs> bz_gui_kit OWN_MAIN)
//
// A message box shown with no answer queued (AnswerMessages) fails the test and
// is closed (Cancel, else No, else OK); so is a modal form shown with no action
// queued (WhenModal), once up: a test fails instead of waiting for ever. The
// progress window of a season file closes itself and needs none. Without an
// answer set, a common dialog is cancelled. Messages and dialogs are recorded
// in kit::Messages() / kit::Dialogs().
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/gui/Controls.h"
#include "platform/gui/Dialogs.h"
#include "platform/gui/Forms.h"

class QFileDialog;

namespace kit {

// ---- events --------------------------------------------------------------------
// Runs pending events (and waits ms milliseconds doing so), then paints at
// once what the visible windows still have to paint.
void Process(int ms = 0);
// Processes events until cond() holds; false after timeoutMs.
bool WaitUntil(const std::function<bool()>& cond, int timeoutMs = 3000);

// ---- finding controls ----------------------------------------------------------
// The component of that name under root (at any depth of ownership), or nullptr.
TComponent* FindByName(TComponent* root, const std::string& name);
template <class T>
T* Find(TComponent* root, const std::string& name)
{
    return dynamic_cast<T*>(FindByName(root, name));
}

// ---- forms ------------------------------------------------------------------------
// A plain window of that client size, not shown, owned by the caller.
TOwned<TForm> NewForm(int clientWidth = 400, int clientHeight = 300);
// Shows a form modeless and lets it settle.
void ShowForm(TForm* form);
// Runs form->ShowModal(); once the form is up, action(form) runs (set
// ModalResult, click a button, press Escape...). Answers the modal result.
// A form still modal after timeoutMs is a test failure and is cancelled.
int RunModal(TForm* form, const std::function<void(TForm*)>& action, int timeoutMs = 10000);
// The next form that runs modally (shown by the code under test) gets action
// once it is up. Any number may be queued; they run in order.
void WhenModal(const std::function<void(TForm*)>& action);
// Each modal form that closes itself (no action is queued for it) is shown
// to watcher once as it comes up, until ResetAnswers (nullptr: none).
void WhenClosingItself(std::function<void(TForm*)> watcher);
// Drops the queued actions that no modal form took; answers how many.
size_t ForgetModalActions();

// ---- mouse and keyboard (client coordinates of the control) -------------------------
void MouseDown(TControl* c, int x, int y, TMouseButton button = mbLeft, TShiftState shift = 0);
void MouseUp(TControl* c, int x, int y, TMouseButton button = mbLeft, TShiftState shift = 0);
// ssLeft / ssRight in shift: the button is held.
void MouseMove(TControl* c, int x, int y, TShiftState shift = 0);
// Right button pressed and released, then the context menu event the system
// sends after them: the popup menu of the control (or of its nearest parent
// with one) opens as for a user, its OnPopup run and PopupComponent the
// control. The menu stays open: click an item (a greyed one does nothing) or
// close it.
void RightClick(TControl* c, int x, int y);
// Press and release; at the centre when x is -1.
void Click(TControl* c, int x = -1, int y = -1, TShiftState shift = 0);
void DblClick(TControl* c, int x = -1, int y = -1);
// Focuses the control and types the text (Windows-1252).
void Type(TWinControl* c, const std::string& text);
// Focuses the control and types the text (UTF-8) key by key, each key to the
// widget that has the focus then (a grid's editor once the first key opened
// it), as a keyboard with those letters types it.
void TypeKeys(TWinControl* c, const std::string& utf8);
// Puts the text (UTF-8) on the clipboard and pastes it with Ctrl+V.
void Paste(TWinControl* c, const std::string& utf8);
// Presses and releases a key (virtual key code) in the control (focused first),
// or in the focused control when c is nullptr.
void PressKey(TWinControl* c, WORD vk, TShiftState shift = 0);
// Drags from a point of one control to a point of another with the shift state
// held from the press to the release.
void Drag(TControl* from, TPoint fromPt, TControl* to, TPoint toPt, TShiftState shift = 0);

// ---- answers ---------------------------------------------------------------------------
std::vector<TMessageRequest>& Messages();
// What boxes said they refused of what was typed, pasted or dropped (beeps
// with the reason shown, "" for a beep alone), in order.
struct Refusal
{
    TControl* box;
    std::string reason;
};
std::vector<Refusal>& Refusals();
std::vector<std::string>& Dialogs();   // class names of the dialogs executed
// The next message boxes answer these results, in order (a box after them
// fails the test).
void AnswerMessages(std::vector<int> results);
// Common dialogs run hook (which fills their fields) until reset.
void AnswerDialogs(TDialogHook hook);
// The next common dialog is the platform's own file dialog: once it is up,
// action sets it as a user does (nothing: the name proposed kept), then it
// is accepted; the dialogs after it are answered as before.
void RealFileDialog(std::function<void(QFileDialog*)> action = nullptr);
// Back to the default answers; clears the records. Runs before every test.
void ResetAnswers();

// ---- pictures ----------------------------------------------------------------------------
// Where tests write pictures (a folder "gui-out" beside the test executable).
std::string OutputDir();
// The temporary folder of this test process (with its separator): files a
// test writes and reads back go there, so that tests running at the same time
// never share one.
std::string TempDir();
// Grabs the control (a form: its client area with the menu) to a PNG file in
// dir (gui-out when empty); answers the path written.
std::string GrabToPng(TControl* c, const std::string& baseName, const std::string& dir = "");

}  // namespace kit
