#include "platform/gui/Dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>

#include "platform/gui/Forms.h"
#include "platform/gui/GuiPrivate.h"
#include "platform/gui/Printers.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Strings.h"

namespace guiimpl {

std::string FsName(const QString& s)
{
    return QFile::encodeName(s).toStdString();
}

QString FromFsName(const std::string& s)
{
    return IsUtf8(s) ? QFile::decodeName(QByteArray::fromStdString(s)) : AnsiToQString(s);
}

}  // namespace guiimpl

using guiimpl::FromFsName;
using guiimpl::FsName;

namespace {
TMessageHook messageHook;
TDialogHook dialogHook;

TDialogTexts& Texts()
{
    static TDialogTexts texts{L1("Avertissement"), L1("Erreur"), L1("Information"), L1("Confirmation"),
                              L1("Le fichier %s existe déjà.\nVoulez-vous le remplacer ?"),
                              L1("Valeur d'entrée incorrecte. Utilisez la touche Echap pour abandonner les "
                                 "modifications."),
                              "Toutes les images",
                              "Oui",
                              "Non",
                              "OK",
                              "Annuler"};
    return texts;
}

QWidget* DialogParent()
{
    if (Screen)
        if (TForm* f = Screen->ActiveForm())
            return f->Widget();
    return QApplication::activeWindow();
}

int ShowRequest(const TMessageRequest& r)
{
    if (messageHook)
        return messageHook(r);
    QMessageBox box(DialogParent());
    box.setWindowTitle(AnsiToQString(r.Caption));
    box.setText(AnsiToQString(r.Text));
    switch (r.Type)
    {
    case mtWarning: box.setIcon(QMessageBox::Warning); break;
    case mtError: box.setIcon(QMessageBox::Critical); break;
    case mtInformation: box.setIcon(QMessageBox::Information); break;
    case mtConfirmation: box.setIcon(QMessageBox::Question); break;
    default: break;
    }
    struct B
    {
        TMsgDlgBtn b;
        QMessageBox::StandardButton q;
        int result;
        const std::string* caption = nullptr;
    };
    const B map[] = {
        {mbYes, QMessageBox::Yes, mrYes, &Texts().Yes}, {mbNo, QMessageBox::No, mrNo, &Texts().No},
        {mbOK, QMessageBox::Ok, mrOk, &Texts().Ok}, {mbCancel, QMessageBox::Cancel, mrCancel, &Texts().Cancel},
        {mbAbort, QMessageBox::Abort, mrAbort},
        {mbRetry, QMessageBox::Retry, mrRetry}, {mbIgnore, QMessageBox::Ignore, mrIgnore},
        {mbAll, QMessageBox::YesToAll, mrAll}, {mbNoToAll, QMessageBox::NoToAll, mrNoToAll},
        {mbYesToAll, QMessageBox::YesToAll, mrYesToAll}, {mbHelp, QMessageBox::Help, 0},
    };
    for (const B& b : map)
        if (r.Buttons & b.b)
        {
            QPushButton* button = box.addButton(b.q);
            // In the interface language.
            if (button && b.caption && !b.caption->empty())
                button->setText(AnsiToQString(*b.caption));
            if (b.result == r.DefaultResult)
                box.setDefaultButton(b.q);
        }
    int q = box.exec();
    for (const B& b : map)
        if (b.q == q && (r.Buttons & b.b))
            return b.result;
    return (r.Buttons & mbCancel) ? mrCancel : (r.Buttons & mbNo) ? mrNo : mrOk;
}

std::string AppTitle()
{
    return Application ? Application->Title() : std::string();
}
}  // namespace

void SetDialogTexts(const TDialogTexts& texts)
{
    Texts() = texts;
}

const TDialogTexts& DialogTexts()
{
    return Texts();
}

void SetMessageHook(TMessageHook hook)
{
    messageHook = std::move(hook);
}

void SetDialogHook(TDialogHook hook)
{
    dialogHook = std::move(hook);
}

void ShowMessage(const std::string& text)
{
    TMessageRequest r;
    r.Text = text;
    r.Caption = AppTitle();
    r.Type = mtCustom;
    r.Buttons = mbOK;
    r.DefaultResult = mrOk;
    ShowRequest(r);
}

int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons, int)
{
    TMessageRequest r;
    r.Text = text;
    switch (type)
    {
    case mtWarning: r.Caption = Texts().Warning; break;
    case mtError: r.Caption = Texts().Error; break;
    case mtInformation: r.Caption = Texts().Information; break;
    case mtConfirmation: r.Caption = Texts().Confirmation; break;
    default: r.Caption = AppTitle(); break;
    }
    r.Type = type;
    r.Buttons = buttons ? buttons : mbOK;
    r.DefaultResult = (buttons & mbOK) ? mrOk : (buttons & mbYes) ? mrYes : mrCancel;
    return ShowRequest(r);
}

int ShowMessageBox(const std::string& text, const std::string& caption, int flags)
{
    TMessageRequest r;
    r.Text = text;
    r.Caption = caption;
    switch (flags & 0xF0)
    {
    case MB_ICONERROR: r.Type = mtError; break;
    case MB_ICONQUESTION: r.Type = mtConfirmation; break;
    case MB_ICONWARNING: r.Type = mtWarning; break;
    case MB_ICONINFORMATION: r.Type = mtInformation; break;
    default: r.Type = mtCustom; break;
    }
    int order[3] = {0, 0, 0};
    switch (flags & 0x0F)
    {
    case MB_OKCANCEL: r.Buttons = mbOK | mbCancel; order[0] = mrOk; order[1] = mrCancel; break;
    case MB_ABORTRETRYIGNORE:
        r.Buttons = mbAbort | mbRetry | mbIgnore;
        order[0] = mrAbort; order[1] = mrRetry; order[2] = mrIgnore;
        break;
    case MB_YESNOCANCEL:
        r.Buttons = mbYes | mbNo | mbCancel;
        order[0] = mrYes; order[1] = mrNo; order[2] = mrCancel;
        break;
    case MB_YESNO: r.Buttons = mbYes | mbNo; order[0] = mrYes; order[1] = mrNo; break;
    case MB_RETRYCANCEL: r.Buttons = mbRetry | mbCancel; order[0] = mrRetry; order[1] = mrCancel; break;
    default: r.Buttons = mbOK; order[0] = mrOk; break;
    }
    int def = (flags & MB_DEFBUTTON3) ? 2 : (flags & MB_DEFBUTTON2) ? 1 : 0;
    r.DefaultResult = order[def] ? order[def] : order[0];
    return ShowRequest(r);   // IDOK... are the same numbers as mrOk...
}

// ============================================================================
// dialogs
// ============================================================================
bool TCommonDialog::Execute()
{
    if (OnShow)
        OnShow(this);
    bool ok = false;
    if (!dialogHook)
        ok = DoExecute();
    else
    {
        auto* file = dynamic_cast<TOpenDialog*>(this);
        std::string refused;
        for (;;)
        {
            ok = dialogHook(*this);
            if (!ok || !file)
                break;
            file->FileName = ApplyDefaultExt(file->FileName, file->DefaultExt);
            if (file->Files.empty() && !file->FileName.empty())
                file->Files.push_back(file->FileName);
            if (!file->AsksBeforeReplacing(file->FileName))
                break;
            // The dialog again after a refusal; the same name twice is a user
            // who gives up.
            ok = file->FileName != refused && ConfirmReplace(file->FileName);
            if (ok || file->FileName == refused)
                break;
            refused = file->FileName;
            file->Files.clear();
        }
    }
    if (OnClose)
        OnClose(this);
    return ok;
}

bool TOpenDialog::AsksBeforeReplacing(const std::string& fileName) const
{
    return IsSaveDialog() && (Options & ofOverwritePrompt) && FileExists(fileName);
}

std::string FileNameToText(const std::string& fileName) { return QStringToAnsi(FromFsName(fileName)); }

std::string FileNameFromText(const std::string& text) { return FsName(AnsiToQString(text)); }

std::string UserDocumentsDir()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
    return IncludeTrailingPathDelimiter(FsName(dir));
}

bool ConfirmReplace(const std::string& fileName)
{
    TMessageRequest r;
    r.Text = Format(Texts().ReplaceFile, {FileNameToText(ExtractFileName(fileName))});
    r.Caption = Texts().Confirmation;
    r.Type = mtWarning;
    r.Buttons = mbYes | mbNo;
    r.DefaultResult = mrNo;
    return ShowRequest(r) == mrYes;
}

std::vector<std::pair<std::string, std::string>> SplitDialogFilter(const std::string& filter)
{
    std::vector<std::pair<std::string, std::string>> r;
    std::vector<std::string> parts;
    std::string cur;
    for (char c : filter)
    {
        if (c == '|')
        {
            parts.push_back(cur);
            cur.clear();
        }
        else
            cur += c;
    }
    if (!filter.empty())
        parts.push_back(cur);
    for (size_t i = 0; i + 1 < parts.size(); i += 2)
        r.emplace_back(parts[i], parts[i + 1]);
    if (parts.size() % 2 == 1 && !parts.back().empty())
        r.emplace_back(parts.back(), parts.back());
    return r;
}

std::vector<std::string> DialogFilterCaptions(const std::string& filter)
{
    std::vector<std::string> captions;
    for (auto [desc, patterns] : SplitDialogFilter(filter))
    {
        std::string list, p;
        for (char c : patterns + ";")
        {
            if (c != ';' && c != ' ')
            {
                p += c;
                continue;
            }
            if (!p.empty())
            {
                if (!list.empty())
                    list += ' ';
                list += p == "*.*" ? std::string("*") : p;
            }
            p.clear();
        }
        // A description that names its patterns already gets them once.
        const size_t open = desc.rfind('(');
        if (!desc.empty() && desc.back() == ')' && open != std::string::npos)
            desc = TrimRight(desc.substr(0, open));
        captions.push_back(desc + " (" + list + ")");
    }
    return captions;
}

std::string ApplyDefaultExt(const std::string& fileName, const std::string& defaultExt)
{
    if (fileName.empty() || defaultExt.empty())
        return fileName;
    std::string name = fileName;
    size_t slash = name.find_last_of("/\\");
    std::string base = slash == std::string::npos ? name : name.substr(slash + 1);
    if (base.find('.') != std::string::npos)
        return fileName;
    std::string ext = defaultExt;
    if (!ext.empty() && ext[0] == '.')
        ext.erase(0, 1);
    return name + "." + ext;
}

namespace {
// Asks, in the program's words, before a save replaces a file; a refusal
// keeps the dialog open, as the platform's own dialog does.
class FileDialog : public QFileDialog
{
public:
    FileDialog(QWidget* parent, const QString& title, const TOpenDialog& d) : QFileDialog(parent, title), d_(d) {}
    void accept() override
    {
        const QStringList files = selectedFiles();
        if (d_.IsSaveDialog() && files.size() == 1 && d_.AsksBeforeReplacing(FsName(files.front())) &&
            !ConfirmReplace(FsName(files.front())))
            return;
        QFileDialog::accept();
    }

private:
    const TOpenDialog& d_;
};
}  // namespace

bool TOpenDialog::DoExecute()
{
    FileDialog dlg(DialogParent(), AnsiToQString(Title), *this);
    dlg.setOption(QFileDialog::DontUseNativeDialog, true);
    dlg.setAcceptMode(IsSaveDialog() ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (IsSaveDialog())
        dlg.setFileMode(QFileDialog::AnyFile);
    else if (Options & ofAllowMultiSelect)
        dlg.setFileMode(QFileDialog::ExistingFiles);
    else if (Options & ofFileMustExist)
        dlg.setFileMode(QFileDialog::ExistingFile);
    else
        dlg.setFileMode(QFileDialog::AnyFile);
    // The question before replacing a file is ours (FileDialog::accept).
    dlg.setOption(QFileDialog::DontConfirmOverwrite, true);
    QStringList filters;
    for (const std::string& caption : DialogFilterCaptions(Filter))
        filters << AnsiToQString(caption);
    if (!filters.isEmpty())
    {
        dlg.setNameFilters(filters);
        int i = std::clamp(FilterIndex, 1, static_cast<int>(filters.size())) - 1;
        dlg.selectNameFilter(filters[i]);
    }
    if (!DefaultExt.empty())
        dlg.setDefaultSuffix(QString::fromStdString(DefaultExt));
    std::string dir = InitialDir;
    if (dir.empty() && !FileName.empty())
        dir = ExtractFileDir(FileName);
    if (!dir.empty())
        dlg.setDirectory(FromFsName(dir));
    if (!FileName.empty())
        dlg.selectFile(FromFsName(FileName));
    if (dlg.exec() != QDialog::Accepted)
        return false;
    Files.clear();
    for (const QString& f : dlg.selectedFiles())
        Files.push_back(FsName(f));
    FileName = Files.empty() ? std::string() : Files.front();
    int idx = filters.indexOf(dlg.selectedNameFilter());
    if (idx >= 0)
        FilterIndex = idx + 1;
    return !FileName.empty();
}

bool TColorDialog::DoExecute()
{
    QColor c = QColorDialog::getColor(TColorToQColor(Color), DialogParent(), AnsiToQString(Title));
    if (!c.isValid())
        return false;
    Color = QColorToTColor(c);
    return true;
}

bool TFontDialog::DoExecute()
{
    bool ok = false;
    QFont f = QFontDialog::getFont(&ok, TFontToQFont(Font), DialogParent(), AnsiToQString(Title));
    if (ok)
        QFontToTFont(f, Font);
    return ok;
}

bool TPrinterSetupDialog::DoExecute()
{
    QPrinter printer;
    printer.setPageOrientation(Printer().Orientation() == poLandscape ? QPageLayout::Landscape
                                                                      : QPageLayout::Portrait);
    QPageSetupDialog dlg(&printer, DialogParent());
    if (dlg.exec() != QDialog::Accepted)
        return false;
    Printer().SetOrientation(printer.pageLayout().orientation() == QPageLayout::Landscape ? poLandscape
                                                                                         : poPortrait);
    return true;
}
