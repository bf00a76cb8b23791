// Common dialogs (open, save, colour, font, printer set-up) and message boxes.
// Tests answer them without a person: while a hook is installed, Execute and
// the message boxes call it instead of showing anything.
#pragma once

#include "platform/gui/Classes.h"
#include "platform/gui/Graphics.h"

#include <functional>
#include <string>
#include <vector>

// ---- message boxes -------------------------------------------------------------
// Flags of ShowMessageBox (the platform's message box).
enum : int
{
    MB_OK = 0, MB_OKCANCEL = 1, MB_ABORTRETRYIGNORE = 2, MB_YESNOCANCEL = 3, MB_YESNO = 4,
    MB_RETRYCANCEL = 5, MB_ICONERROR = 0x10, MB_ICONQUESTION = 0x20, MB_ICONWARNING = 0x30,
    MB_ICONINFORMATION = 0x40, MB_DEFBUTTON2 = 0x100, MB_DEFBUTTON3 = 0x200,
};
// Answers (the same numbers as the modal results mrOk...).
enum : int { IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7 };

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn : unsigned
{
    mbYes = 1, mbNo = 2, mbOK = 4, mbCancel = 8, mbAbort = 16, mbRetry = 32, mbIgnore = 64,
    mbAll = 128, mbNoToAll = 256, mbYesToAll = 512, mbHelp = 1024,
};
using TMsgDlgButtons = unsigned;
constexpr TMsgDlgButtons mbYesNoCancel = mbYes | mbNo | mbCancel;
constexpr TMsgDlgButtons mbOKCancel = mbOK | mbCancel;

// A message box as a test hook sees it.
struct TMessageRequest
{
    std::string Text;      // Windows-1252
    std::string Caption;
    TMsgDlgType Type = mtInformation;
    TMsgDlgButtons Buttons = mbOK;
    int DefaultResult = 1;   // the modal result of the default button
};
// Answers a modal result (mrOk, mrYes...).
using TMessageHook = std::function<int(const TMessageRequest& request)>;
void SetMessageHook(TMessageHook hook);   // nullptr: real message boxes

// The texts the window layer shows of its own (message captions, the question
// before a save replaces a file, the masked-edit refusal), Windows-1252. The
// program gives them in its interface language once its language is known.
struct TDialogTexts
{
    std::string Warning, Error, Information, Confirmation;
    std::string ReplaceFile;   // %s: the file name, without its folder
    std::string InvalidInput;
    std::string AllPictures;   // the picture dialogs' first filter
    std::string Yes, No, Ok, Cancel;   // message box buttons ("" = the platform's)
    // What a box says of what it refuses: letters it cannot hold left out of
    // a paste; a character typed or pasted into a box of whole numbers
    // (without and with a sign).
    std::string LettersLeftOut, WholeNumber, SignedWholeNumber;
    // A figure past a counter's bounds (%d: the two bounds); a paste or key
    // past a box's length (%d: the length).
    std::string NumberFromTo, TooLong;
    // A name left empty or blank (a tree node's label).
    std::string EmptyName;
    // The kinds the file dialogs give a folder, a drive and an entry of no
    // known kind, which Qt's own translations may lack ("" = Qt's word).
    std::string Folder, Drive, Unknown;
    // A paste into a box of whole numbers that holds more than one figure
    // (two lines, two cells of a sheet, "1 2").
    std::string OneNumber;
};
// French until the program sets them (the kinds: Qt's until then).
void SetDialogTexts(const TDialogTexts& texts);
const TDialogTexts& DialogTexts();

// What a box says when it refuses part of what a user typed, pasted or
// dropped: it beeps and, given a reason, shows it beside itself for a few
// seconds. While a hook is installed (tests), the hook is called instead.
class TControl;
using TRefusalHook = std::function<void(TControl* box, const std::string& reason)>;
void SetRefusalHook(TRefusalHook hook);
void RefuseInput(TControl* box, const std::string& reason = "");

// A text pasted or dropped into a box of whole numbers (Windows-1252), taken
// as one figure: the blanks and line ends at its ends go, and so do single
// blanks grouping its digits by three ("1 000", a no-break space between its
// thousands). figure gets its digits (a sign first when `sign`). False, with
// the reason to say, when it is not one figure: a line break or a tab inside
// it, blanks parting digits otherwise ("1 2"), or anything but digits.
bool PastedFigure(const std::string& text, std::string& figure, std::string& reason, bool sign = false);

void ShowMessage(const std::string& text);
// Answers the modal result of the button pressed (mrYes, mrNo, mrCancel...).
int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext = 0);
// The platform's message box: MB_ flags in, ID answers out.
int ShowMessageBox(const std::string& text, const std::string& caption, int flags);

// ---- common dialogs --------------------------------------------------------------
class TCommonDialog;
// Called by Execute instead of the dialog: fill the dialog's fields, answer
// what Execute returns. A save dialog with ofOverwritePrompt asks before an
// existing file is chosen, hook or not; when the user refuses, the dialog is
// shown again (a hook that names the refused file once more cancels).
using TDialogHook = std::function<bool(TCommonDialog& dialog)>;
void SetDialogHook(TDialogHook hook);   // nullptr: real dialogs

class TCommonDialog : public TComponent
{
public:
    explicit TCommonDialog(TComponent* AOwner) : TComponent(AOwner) {}
    // Shows the dialog and waits; true when the user confirmed.
    bool Execute();
    std::string Title;
    int HelpContext = 0;
    TNotifyEvent OnShow;
    TNotifyEvent OnClose;

protected:
    virtual bool DoExecute() = 0;
};

enum TOpenOption : unsigned
{
    ofReadOnly = 1, ofOverwritePrompt = 2, ofHideReadOnly = 4, ofNoChangeDir = 8,
    ofShowHelp = 16, ofNoValidate = 32, ofAllowMultiSelect = 64, ofExtensionDifferent = 128,
    ofPathMustExist = 256, ofFileMustExist = 512, ofCreatePrompt = 1024, ofShareAware = 2048,
    ofNoReadOnlyReturn = 4096, ofNoTestFileCreate = 8192, ofEnableSizing = 0x40000,
};
using TOpenOptions = unsigned;

// File names are file-system names (the bytes the files are opened with).
// A save dialog replaces an existing file without asking only when its Options
// do not hold ofOverwritePrompt (which TSaveDialog sets).
class TOpenDialog : public TCommonDialog
{
public:
    explicit TOpenDialog(TComponent* AOwner) : TCommonDialog(AOwner) {}
    std::string FileName;
    // "Text files|*.txt|All|*.*": description and patterns (";" between several).
    std::string Filter;
    int FilterIndex = 1;   // 1-based
    std::string DefaultExt;   // without the dot
    std::string InitialDir;
    TOpenOptions Options = ofHideReadOnly | ofEnableSizing;
    std::vector<std::string> Files;   // every chosen file (ofAllowMultiSelect)
    virtual bool IsSaveDialog() const { return false; }
    // A save dialog with ofOverwritePrompt and an existing file.
    bool AsksBeforeReplacing(const std::string& fileName) const;

protected:
    bool DoExecute() override;
};

// Asks before replacing a file unless told otherwise: every file a save
// dialog names is one the user picks.
class TSaveDialog : public TOpenDialog
{
public:
    explicit TSaveDialog(TComponent* AOwner) : TOpenDialog(AOwner) { Options |= ofOverwritePrompt; }
    bool IsSaveDialog() const override { return true; }
};

class TColorDialog : public TCommonDialog
{
public:
    explicit TColorDialog(TComponent* AOwner) : TCommonDialog(AOwner) {}
    TColor Color = clBlack;

protected:
    bool DoExecute() override;
};

class TFontDialog : public TCommonDialog
{
public:
    explicit TFontDialog(TComponent* AOwner) : TCommonDialog(AOwner) {}
    TFont Font;

protected:
    bool DoExecute() override;
};

// Chooses the orientation of the program's printer (Printer()).
class TPrinterSetupDialog : public TCommonDialog
{
public:
    explicit TPrinterSetupDialog(TComponent* AOwner) : TCommonDialog(AOwner) {}

protected:
    bool DoExecute() override;
};

// File names are the system's own bytes (UTF-8), the program's texts
// Windows-1252: a file name crosses into the program's text, and back, by
// these two only. A name as text shows as the system names it (a character
// Windows-1252 cannot hold is kept for the windows, see AnsiToQString; a name
// that is not UTF-8, as older versions wrote, is read as Windows-1252, each
// part of its path apart; an accent apart from its letter joins it), and
// gives back the same name; the file name of a text (a name made of a title,
// a photo's name) holds its accents in UTF-8.
std::string FileNameToText(const std::string& fileName);
std::string FileNameFromText(const std::string& text);
// What a season keeps of such a text (a file's name naming a championship):
// its nearest letters, as a box keeps them typed. A season's text never
// holds a character kept apart.
std::string KeptName(const std::string& text);

// The user's documents folder, with its separator; the home folder when it
// does not exist.
std::string UserDocumentsDir();

// The question before a file is replaced (DialogTexts().ReplaceFile); true
// when the user accepts.
bool ConfirmReplace(const std::string& fileName);

// Splits a dialog filter into (description, patterns) pairs.
std::vector<std::pair<std::string, std::string>> SplitDialogFilter(const std::string& filter);
// The captions the dialog shows for a filter: each description once followed
// by its patterns ("Season (*.sai *.xmc)"), whether or not it named them.
std::vector<std::string> DialogFilterCaptions(const std::string& filter);
// The file name with DefaultExt added when it has no extension.
std::string ApplyDefaultExt(const std::string& fileName, const std::string& defaultExt);
