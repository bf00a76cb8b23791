#include "platform/gui/Dialogs.h"

#include <string_view>
#include <vector>

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontDialog>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QPointer>
#include <QToolTip>
#include <QTranslator>

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
    if (IsUtf8(s))
        return QFile::decodeName(QByteArray::fromStdString(s));
    // A name copied from an older version's disk may sit in a folder named
    // in UTF-8: each part of the path is read for itself.
    QString r;
    for (size_t debut = 0;;) {
        const size_t fin = s.find('/', debut);
        const std::string part = s.substr(debut, fin == std::string::npos ? std::string::npos : fin - debut);
        r += IsUtf8(part) ? QString::fromUtf8(part.data(), static_cast<qsizetype>(part.size()))
                          : QString::fromStdString(Cp1252ToUtf8(part));
        if (fin == std::string::npos)
            return r;
        r += '/';
        debut = fin + 1;
    }
}

}  // namespace guiimpl

using guiimpl::FromFsName;
using guiimpl::FsName;

namespace {
TMessageHook messageHook;
TDialogHook dialogHook;
TRefusalHook refusalHook;

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
                              "Annuler",
                              L1("Des caractères que ce champ ne peut pas garder ont été laissés de côté."),
                              L1("Ce champ prend un nombre entier : des chiffres seulement, sans virgule ni point."),
                              L1("Ce champ prend un nombre entier : des chiffres, un signe moins en tête, sans "
                                 "virgule ni point."),
                              L1("Tapez un nombre entier de %d à %d dans ce champ."),
                              L1("Ce champ prend %d caractères au plus : ce qui a été tapé ou collé n'y a pas été "
                                 "mis."),
                              L1("Un nom ne peut pas être vide : tapez-en un."),
                              "",
                              "",
                              "",
                              L1("Ce qui a été collé tient plus d'un nombre (plusieurs lignes ou cellules, des "
                                 "chiffres séparés) : ce champ n'en prend qu'un, rien n'y a été mis.")};
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

namespace {
// Answers Qt's file dialogs the kinds of their entries in the program's
// words; every other text is left to Qt's own translations.
class KindsTranslator : public QTranslator
{
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (!context || !source || std::string_view(context) != "QAbstractFileIconProvider")
            return {};
        const TDialogTexts& t = Texts();
        const std::string_view s(source);
        const std::string& mot = s == "Folder" ? t.Folder : s == "Drive" ? t.Drive : s == "Unknown" ? t.Unknown
                                                                                                  : std::string();
        return mot.empty() ? QString() : AnsiToQString(mot);
    }
};
}  // namespace

void SetDialogTexts(const TDialogTexts& texts)
{
    Texts() = texts;
    static QPointer<KindsTranslator> kinds;
    if (!kinds && QCoreApplication::instance()) {
        kinds = new KindsTranslator(QCoreApplication::instance());
        QCoreApplication::installTranslator(kinds);
    }
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

void SetRefusalHook(TRefusalHook hook)
{
    refusalHook = std::move(hook);
}

bool PastedFigure(const std::string& text, std::string& figure, std::string& reason, bool sign)
{
    auto blanc = [](char c) { return c == ' ' || c == '\xA0'; };
    auto bout = [&](char c) { return blanc(c) || c == '\t' || c == '\r' || c == '\n'; };
    size_t debut = 0, fin = text.size();
    while (debut < fin && bout(text[debut]))
        ++debut;
    while (fin > debut && bout(text[fin - 1]))
        --fin;
    figure.clear();
    size_t i = debut;
    if (sign && i < fin && (text[i] == '-' || text[i] == '+'))
        figure += text[i++];
    // The digits between blanks: the first group one to three, each
    // other three (thousands); a line break or a tab parts two figures.
    std::vector<size_t> groupes{0};
    bool parties = false, autre = false;
    for (; i < fin; ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            figure += c;
            ++groupes.back();
        } else if (blanc(c)) {
            groupes.push_back(0);
        } else if (c == '\t' || c == '\r' || c == '\n') {
            parties = true;
        } else {
            autre = true;
        }
    }
    if (autre) {
        reason = sign ? DialogTexts().SignedWholeNumber : DialogTexts().WholeNumber;
        return false;
    }
    if (groupes.size() > 1) {
        parties = parties || groupes.front() == 0 || groupes.front() > 3;
        for (size_t g = 1; g < groupes.size(); ++g)
            parties = parties || groupes[g] != 3;
    }
    if (parties) {
        reason = DialogTexts().OneNumber;
        return false;
    }
    return true;
}

void RefuseInput(TControl* box, const std::string& reason)
{
    // One user action may be weighed more than once (a paste is checked,
    // then its kept text): it is said once.
    static QPointer<QObject> dernier;
    static std::string raison;
    static bool dit = false;
    QObject* hub = box ? guiimpl::HubOf(box) : nullptr;
    if (dit && dernier == hub && raison == reason)
        return;
    dit = true;
    dernier = hub;
    raison = reason;
    QTimer::singleShot(0, [] { dit = false; });
    if (refusalHook) {
        refusalHook(box, reason);
        return;
    }
    QApplication::beep();
    QWidget* w = box ? box->Widget() : nullptr;
    if (w && !reason.empty())
        QToolTip::showText(w->mapToGlobal(QPoint(0, w->height())), AnsiToQString(reason), w, QRect(), 6000);
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

std::string KeptName(const std::string& text) { return QStringToAnsi(KeptText(AnsiToQString(text), TKept::Line)); }

std::string UserDocumentsDir()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (dir.isEmpty() || !QFileInfo(dir).isDir())
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
// The file a name chosen in the dialog names. What the dialog showed of a
// name not in the system's encoding (an older version's) and the user kept
// opens by its own bytes: the whole name, else its folder.
std::string Choisi(const TOpenDialog& d, const QString& choisi)
{
    const QString net = QDir::cleanPath(choisi);
    if (!d.FileName.empty() && net == QDir::cleanPath(FromFsName(d.FileName)))
        return d.FileName;
    for (const std::string& dossier : {ExtractFileDir(d.FileName), ExcludeTrailingPathDelimiter(d.InitialDir)})
        if (!dossier.empty() && QFileInfo(net).path() == QDir::cleanPath(FromFsName(dossier)))
            return IncludeTrailingPathDelimiter(dossier) + FsName(QFileInfo(net).fileName());
    return FsName(choisi);
}

// Asks, in the program's words, before a save replaces a file; a refusal
// keeps the dialog open, as the platform's own dialog does.
class FileDialog : public QFileDialog
{
public:
    FileDialog(QWidget* parent, const QString& title, const TOpenDialog& d) : QFileDialog(parent, title), d_(d) {}
    void accept() override
    {
        const QStringList files = selectedFiles();
        if (d_.IsSaveDialog() && files.size() == 1 && d_.AsksBeforeReplacing(Choisi(d_, files.front())) &&
            !ConfirmReplace(Choisi(d_, files.front())))
            return;
        QFileDialog::accept();
    }

private:
    const TOpenDialog& d_;
};

// The sizes and dates of the files in the interface's language: Qt's model
// writes them in the machine's, whatever language the program speaks.
class ColonnesLangue : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex& index, int role) const override
    {
        const auto* fs = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (!fs || role != Qt::DisplayRole || (index.column() != 1 && index.column() != 3))
            return QIdentityProxyModel::data(index, role);
        const QModelIndex source = mapToSource(index);
        if (index.column() == 3)
            return QLocale().toString(fs->lastModified(source), QLocale::ShortFormat);
        return fs->isDir(source) ? QString() : QLocale().formattedDataSize(fs->size(source));
    }
};
}  // namespace

bool TOpenDialog::DoExecute()
{
    FileDialog dlg(DialogParent(), AnsiToQString(Title), *this);
    dlg.setOption(QFileDialog::DontUseNativeDialog, true);
    dlg.setProxyModel(new ColonnesLangue(&dlg));
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
    // The dialog opens in a folder that is there (the one named, else the
    // nearest that holds it, else the home folder): Qt would take a name in
    // a missing folder for one under the program's folder.
    std::string dir = InitialDir;
    if (dir.empty() && !FileName.empty())
        dir = ExtractFileDir(FileName);
    QString dossier = dir.empty() ? QString() : QDir::cleanPath(FromFsName(dir));
    while (!dossier.isEmpty() && !QFileInfo(dossier).isDir()) {
        const QString parent = QFileInfo(dossier).path();
        dossier = parent == dossier ? QString() : parent;
    }
    if (dossier.isEmpty() && !dir.empty())
        dossier = QDir::homePath();
    if (!dossier.isEmpty())
        dlg.setDirectory(dossier);
    if (!FileName.empty()) {
        const QString nom = FromFsName(FileName);
        dlg.selectFile(QFileInfo(QFileInfo(nom).path()).isDir() ? nom : QFileInfo(nom).fileName());
    }
    if (dlg.exec() != QDialog::Accepted)
        return false;
    Files.clear();
    for (const QString& f : dlg.selectedFiles())
        Files.push_back(Choisi(*this, f));
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
