#include "platform/gui/StdCtrls.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QInputMethodEvent>
#include <QListWidget>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOption>
#include <QStyledItemDelegate>
#include <QTextBlock>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

#include "platform/gui/Dialogs.h"
#include "platform/gui/Forms.h"
#include "platform/gui/GuiPrivate.h"
#include "platform/gui/Menus.h"
#include "platform/gui/Pictures.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"

using namespace guiimpl;

static std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::string cur;
    for (size_t i = 0; i < text.size(); ++i)
    {
        char c = text[i];
        if (c == '\r' || c == '\n')
        {
            lines.push_back(cur);
            cur.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        }
        else
            cur += c;
    }
    if (!cur.empty())
        lines.push_back(cur);
    return lines;
}

// ============================================================================
// TStrings
// ============================================================================
int TStrings::AddObject(const std::string& s, Object o)
{
    int n = Count();
    InsertObject(n, s, o);
    return n;
}

int TStrings::IndexOf(const std::string& s) const
{
    for (int i = 0; i < Count(); ++i)
        if (AnsiSameText(Strings(i), s))
            return i;
    return -1;
}

int TStrings::IndexOfObject(Object o) const
{
    for (int i = 0; i < Count(); ++i)
        if (Objects(i) == o)
            return i;
    return -1;
}

void TStrings::Move(int from, int to)
{
    if (from == to || from < 0 || from >= Count() || to < 0 || to >= Count())
        return;
    std::string s = Strings(from);
    Object o = Objects(from);
    Delete(from);
    InsertObject(to, s, o);
}

void TStrings::Exchange(int i, int j)
{
    if (i == j || i < 0 || j < 0 || i >= Count() || j >= Count())
        return;
    std::string si = Strings(i), sj = Strings(j);
    Object oi = Objects(i), oj = Objects(j);
    SetString(i, sj);
    SetObject(i, oj);
    SetString(j, si);
    SetObject(j, oi);
}

std::string TStrings::Text() const
{
    std::string r;
    for (int i = 0; i < Count(); ++i)
        r += Strings(i) + "\r\n";
    return r;
}

void TStrings::SetText(const std::string& text)
{
    BeginUpdate();
    Clear();
    for (const std::string& l : SplitLines(text))
        Add(l);
    EndUpdate();
}

std::string TStrings::CommaText() const
{
    TStringList l;
    AssignTo(l);
    return l.CommaText();
}

void TStrings::Assign(const TStringList& list)
{
    BeginUpdate();
    Clear();
    AddStrings(list);
    EndUpdate();
}

void TStrings::AddStrings(const TStringList& list)
{
    BeginUpdate();
    for (int i = 0; i < list.Count(); ++i)
        AddObject(list.Strings(i), list.Objects(i));
    EndUpdate();
}

void TStrings::AssignTo(TStringList& list) const
{
    list.Clear();
    for (int i = 0; i < Count(); ++i)
        list.AddObject(Strings(i), Objects(i));
}

void TStrings::LoadFromFile(const std::string& fileName)
{
    TStringList l;
    l.LoadFromFile(fileName);
    Assign(l);
}

void TStrings::SaveToFile(const std::string& fileName) const
{
    TStringList l;
    AssignTo(l);
    l.SaveToFile(fileName);
}

// ============================================================================
// TLabel
// ============================================================================
TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner, new QLabel)
{
    auto* l = static_cast<QLabel*>(Widget());
    l->setTextFormat(Qt::PlainText);
    l->setAutoFillBackground(false);
    ApplyAlignment();
    SetBounds(0, 0, 65, 13);
    AdjustBounds();
}

TLabel::~TLabel() = default;

void TLabel::ApplyText()
{
    auto* l = static_cast<QLabel*>(Widget());
    if (!l)
        return;
    // A caption's line break, "\r\n" or a lone "\r" (as the language texts
    // give it) as well as "\n", starts a new line.
    QString q = AnsiToQString(ShowAccelChar ? StripHotkey(text_) : text_);
    q.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    q.replace(QChar('\r'), QChar('\n'));
    l->setText(q);
    AdjustBounds();
}

void TLabel::ApplyFont()
{
    TGraphicControl::ApplyFont();
    AdjustBounds();
}

void TLabel::ApplyColor()
{
    TGraphicControl::ApplyColor();
    if (QWidget* w = Widget())
        w->setAutoFillBackground(!transparent_ && !ParentColor());
}

void TLabel::SetTransparent(bool v)
{
    transparent_ = v;
    ApplyColor();
}

void TLabel::SetAutoSize(bool v)
{
    autoSize_ = v;
    AdjustBounds();
}

void TLabel::SetWordWrap(bool v)
{
    wordWrap_ = v;
    static_cast<QLabel*>(Widget())->setWordWrap(v);
    AdjustBounds();
}

void TLabel::SetAlignment(TAlignment a)
{
    alignment_ = a;
    ApplyAlignment();
    AdjustBounds();
}

void TLabel::SetLayout(TTextLayout l)
{
    layout_ = l;
    ApplyAlignment();
}

void TLabel::ApplyAlignment()
{
    Qt::Alignment a = alignment_ == taCenter ? Qt::AlignHCenter
                    : alignment_ == taRightJustify ? Qt::AlignRight
                                                   : Qt::AlignLeft;
    a |= layout_ == tlCenter ? Qt::AlignVCenter : layout_ == tlBottom ? Qt::AlignBottom : Qt::AlignTop;
    static_cast<QLabel*>(Widget())->setAlignment(a);
}

void TLabel::BoundsChanged(bool sized)
{
    TGraphicControl::BoundsChanged(sized);
    if (sized && wordWrap_)
        AdjustBounds();
}

void TLabel::AdjustBounds()
{
    auto* l = static_cast<QLabel*>(Widget());
    if (!autoSize_ || adjusting_ || !l)
        return;
    adjusting_ = true;
    QFontMetrics fm(l->font());
    QString text = l->text();
    if (text.isEmpty())
        text = " ";
    if (wordWrap_)
    {
        QRect r = fm.boundingRect(QRect(0, 0, std::max(1, width_), 100000), Qt::TextWordWrap, text);
        SetBounds(left_, top_, width_, std::max(r.height(), fm.height()));
    }
    else
    {
        const QStringList lines = text.split('\n');
        int w = 0;
        for (const QString& line : lines)
            w = std::max(w, fm.horizontalAdvance(line));
        int h = fm.height() * static_cast<int>(lines.size());
        int x = left_;
        if (alignment_ == taRightJustify)
            x = left_ + width_ - w;
        else if (alignment_ == taCenter)
            x = left_ + (width_ - w) / 2;
        SetBounds(x, top_, w, h);
    }
    adjusting_ = false;
}

// ============================================================================
// TEdit
// ============================================================================
namespace guiimpl {

namespace {

// A figure of a counter that lies past its bounds where no digit put in
// (nor a sign first, when one is allowed) can bring it back.
bool HorsBornes(const QString& t, int bas, int haut, bool signe)
{
    const bool negatif = t.startsWith('-');
    const QString chiffres = t.mid(t.startsWith('-') || t.startsWith('+') ? 1 : 0);
    if (chiffres.isEmpty())
        return false;
    // Past any bound a counter has: no need to read further.
    long long v = 0;
    for (QChar c : chiffres)
        v = std::min<long long>(v * 10 + (c.unicode() - '0'), 1LL << 40);
    if (negatif)
        return -v < bas || -v > haut;
    return v > haut && (!signe || -v < bas);
}

}  // namespace

QValidator::State TextValidator::validate(QString& input, int& pos) const
{
    if (programme_ > 0) {
        avant_ = input;
        return Acceptable;
    }
    // What the user put in: what lies between the part of the text before it
    // that stayed at its start and at its end (an accent given apart with the
    // letter it follows). The rest is kept as the box held it.
    qsizetype debut = 0;
    while (debut < input.size() && debut < avant_.size() && input[debut] == avant_[debut])
        ++debut;
    qsizetype fin = 0;
    while (fin < input.size() - debut && fin < avant_.size() - debut &&
           input[input.size() - 1 - fin] == avant_[avant_.size() - 1 - fin])
        ++fin;
    while (debut > 0 && debut < input.size() - fin && input[debut].isMark())
        --debut;
    const qsizetype finMis = input.size() - fin;
    const TKept kind = mode_ == AnyText ? TKept::FileName : TKept::Line;
    bool perdu = false;
    QString mis = KeptText(input.mid(debut, finMis - debut), kind, &perdu);
    if (mode_ == Digits || mode_ == SignedDigits) {
        // The box holds one figure, whose blanks ("16 000", a no-break space
        // between its thousands, " 42") are no part of it: two lines, two
        // cells or "1 2" are two, refused and said, never joined into a third.
        QString tout = KeptText(input, TKept::Key, nullptr);
        for (QChar& c : tout)
            if (c.category() == QChar::Separator_Space)
                c = QChar(' ');
        std::string chiffres, raison;
        if (!PastedFigure(QStringToAnsi(tout), chiffres, raison, mode_ == SignedDigits)) {
            Refuse(raison);
            return Invalid;
        }
        mis.removeIf([](QChar c) { return c.category() == QChar::Separator_Space; });
    }
    const QString kept = input.left(debut) + mis + input.mid(finMis);
    if (mode_ == Digits || mode_ == SignedDigits) {
        bool nombre = !perdu;
        for (qsizetype i = 0; i < kept.size() && nombre; ++i) {
            const char16_t c = kept[i].unicode();
            const bool signe = mode_ == SignedDigits && i == 0 && (c == '-' || c == '+');
            nombre = (c >= '0' && c <= '9') || signe;
        }
        if (!nombre) {
            Refuse(mode_ == SignedDigits ? DialogTexts().SignedWholeNumber : DialogTexts().WholeNumber);
            return Invalid;
        }
        if (bounds_) {
            const auto [bas, haut] = bounds_();
            if (HorsBornes(kept, bas, haut, mode_ == SignedDigits)) {
                Refuse(Format(DialogTexts().NumberFromTo, {bas, haut}));
                return Invalid;
            }
        }
    } else if (perdu) {
        Refuse(DialogTexts().LettersLeftOut);
    }
    if (maxLength_ > 0 && kept.size() > maxLength_) {
        Refuse(Format(DialogTexts().TooLong, {maxLength_}));
        return Invalid;
    }
    if (kept != input) {
        // The cursor stays after what was put in.
        const qsizetype p = pos <= debut ? pos : pos >= finMis ? pos - (finMis - debut) + mis.size() : debut + mis.size();
        input = kept;
        pos = static_cast<int>(std::clamp<qsizetype>(p, 0, kept.size()));
    }
    avant_ = input;
    return Acceptable;
}

void TextValidator::Refuse(const std::string& reason) const
{
    // Only what the user gives is refused aloud: never a text the program sets.
    auto* edit = qobject_cast<QWidget*>(parent());
    if (programme_ == 0 && edit && (edit->hasFocus() || depot_))
        RefuseInput(ControlOf(edit), reason);
}

bool TextValidator::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Drop && watched == parent()) {
        depot_ = true;
        QTimer::singleShot(0, this, [this] { depot_ = false; });
    }
    return QValidator::eventFilter(watched, event);
}

TextValidator* ValidatorOf(const QLineEdit* edit)
{
    return edit ? const_cast<TextValidator*>(dynamic_cast<const TextValidator*>(edit->validator())) : nullptr;
}

void SetProgramText(QLineEdit* edit, const QString& text)
{
    const TextValidator::ProgramText programme(ValidatorOf(edit));
    edit->setText(text);
}

TextValidator* KeepText(QLineEdit* edit, TextValidator::Mode mode)
{
    auto* v = new TextValidator(edit, mode);
    edit->setValidator(v);
    edit->installEventFilter(v);
    // A text the validator changed is set anew, which Qt takes for unmodified.
    QObject::connect(edit, &QLineEdit::textEdited, v, [edit] { edit->setModified(true); });
    return v;
}

}  // namespace guiimpl

struct TEdit::EditImpl
{
    QLineEdit* edit = nullptr;
    TextValidator* validator = nullptr;
    // The name given to SetFileName and the text that showed it.
    std::string fileName;
    QString fileNameShown;
};

TEdit::TEdit(TComponent* AOwner) : TWinControl(AOwner), e_(std::make_unique<EditImpl>())
{
    e_->edit = new QLineEdit;
    e_->validator = KeepText(e_->edit);
    SetWidget(e_->edit);
    SetColor(clWindow);
    SetParentColor(false);
    SetTabStop(true);
    QObject::connect(e_->edit, &QLineEdit::textChanged, HubObject(), [this] { Guard([&] { Change(); }); });
    QObject::connect(e_->edit, &QLineEdit::textEdited, HubObject(), [this](const QString& t) {
        if (charCase_ == ecNormal)
            return;
        QString u = charCase_ == ecUpperCase ? t.toUpper() : t.toLower();
        if (u != t)
        {
            int pos = e_->edit->cursorPosition();
            e_->edit->setText(u);
            e_->edit->setCursorPosition(pos);
        }
    });
    SetBounds(0, 0, 121, 21);
}

TEdit::~TEdit() = default;

std::string TEdit::GetText() const
{
    return QStringToAnsi(e_->edit->text());
}

void TEdit::SetText(const std::string& s)
{
    text_ = s;
    QString q = AnsiToQString(s);
    // The program's own text is shown as far as the box goes.
    if (maxLength_ > 0 && q.size() > maxLength_)
        q.truncate(maxLength_);
    const TextValidator::ProgramText programme(e_->validator);
    if (q != e_->edit->text())
        e_->edit->setText(q);
}

void TEdit::SetNumbersOnly(bool v, bool allowNegative)
{
    numbersOnly_ = v;
    allowNegative_ = allowNegative;
    ApplyValidation();
}

void TEdit::SetHoldsFileName(bool v)
{
    holdsFileName_ = v;
    ApplyValidation();
}

void TEdit::ApplyValidation()
{
    e_->validator->SetMode(holdsFileName_ ? TextValidator::AnyText
                           : numbersOnly_ ? (allowNegative_ ? TextValidator::SignedDigits : TextValidator::Digits)
                                          : TextValidator::Text);
}

std::string TEdit::FileName() const
{
    const QString shown = e_->edit->text();
    if (!e_->fileName.empty() && shown == e_->fileNameShown)
        return e_->fileName;
    return FsName(shown);
}

void TEdit::SetFileName(const std::string& fileName)
{
    SetHoldsFileName(true);
    // A name not in the system's encoding opens by its own bytes.
    const QString q = FromFsName(fileName);
    e_->fileName = fileName;
    e_->fileNameShown = q;
    text_ = QStringToAnsi(q);
    const TextValidator::ProgramText programme(e_->validator);
    if (q != e_->edit->text())
        e_->edit->setText(q);
}

void TEdit::SetMaxLength(int n)
{
    // The validator weighs a paste whole: the line edit must not cut it first.
    maxLength_ = n;
    e_->validator->SetMaxLength(std::max(0, n));
}

void TEdit::SetCounterBounds(std::function<std::pair<int, int>()> bounds) { e_->validator->SetBounds(std::move(bounds)); }

bool TEdit::ReadOnly() const { return e_->edit->isReadOnly(); }
void TEdit::SetReadOnly(bool v) { e_->edit->setReadOnly(v); }

void TEdit::SetPasswordChar(char c)
{
    passwordChar_ = c;
    e_->edit->setEchoMode(c ? QLineEdit::Password : QLineEdit::Normal);
}

void TEdit::SetCharCase(TEditCharCase c)
{
    charCase_ = c;
    if (c == ecUpperCase)
        SetText(AnsiUpperCase(GetText()));
    else if (c == ecLowerCase)
        SetText(AnsiLowerCase(GetText()));
}

void TEdit::SetBorderStyle(TBorderStyle s)
{
    borderStyle_ = s;
    e_->edit->setFrame(s != bsNone);
}

bool TEdit::Modified() const { return e_->edit->isModified(); }
void TEdit::SetModified(bool v) { e_->edit->setModified(v); }
int TEdit::SelStart() const
{
    return e_->edit->hasSelectedText() ? e_->edit->selectionStart() : e_->edit->cursorPosition();
}
void TEdit::SetSelStart(int p) { e_->edit->setCursorPosition(p); }
int TEdit::SelLength() const { return static_cast<int>(e_->edit->selectedText().size()); }
void TEdit::SetSelLength(int n) { e_->edit->setSelection(SelStart(), n); }
std::string TEdit::SelText() const { return QStringToAnsi(e_->edit->selectedText()); }
void TEdit::SetSelText(const std::string& s)
{
    const TextValidator::ProgramText programme(e_->validator);
    e_->edit->insert(AnsiToQString(s));
}
void TEdit::SelectAll() { e_->edit->selectAll(); }

void TEdit::Change()
{
    if (OnChange)
        OnChange(this);
}

void TEdit::DoEnter()
{
    if (AutoSelect)
        e_->edit->selectAll();
    TWinControl::DoEnter();
}

// ============================================================================
// TMemo
// ============================================================================
namespace {
class MemoLines : public TStrings
{
public:
    explicit MemoLines(QPlainTextEdit* e) : edit(e) {}
    QPlainTextEdit* edit;
    mutable std::vector<Object> objects;

    std::vector<std::string> All() const
    {
        std::vector<std::string> r;
        if (edit->document()->isEmpty())
            return r;
        for (QTextBlock b = edit->document()->begin(); b.isValid(); b = b.next())
            r.push_back(QStringToAnsi(b.text()));
        return r;
    }
    void SetAll(const std::vector<std::string>& lines)
    {
        std::string t;
        for (size_t i = 0; i < lines.size(); ++i)
        {
            if (i)
                t += '\n';
            t += lines[i];
        }
        edit->setPlainText(AnsiToQString(t));
    }
    int Count() const override { return static_cast<int>(All().size()); }
    std::string Strings(int i) const override
    {
        auto a = All();
        return i >= 0 && i < static_cast<int>(a.size()) ? a[static_cast<size_t>(i)] : std::string();
    }
    void SetString(int i, const std::string& s) override
    {
        auto a = All();
        if (i >= 0 && i < static_cast<int>(a.size()))
        {
            a[static_cast<size_t>(i)] = s;
            SetAll(a);
        }
    }
    Object Objects(int i) const override
    {
        return i >= 0 && i < static_cast<int>(objects.size()) ? objects[static_cast<size_t>(i)] : 0;
    }
    void SetObject(int i, Object o) override
    {
        if (i < 0)
            return;
        if (static_cast<size_t>(i) >= objects.size())
            objects.resize(static_cast<size_t>(i) + 1);
        objects[static_cast<size_t>(i)] = o;
    }
    void InsertObject(int index, const std::string& s, Object o) override
    {
        auto a = All();
        index = std::clamp(index, 0, static_cast<int>(a.size()));
        if (index == static_cast<int>(a.size()) && updateCount_ == 0)
            edit->appendPlainText(AnsiToQString(s));
        else
        {
            a.insert(a.begin() + index, s);
            SetAll(a);
        }
        if (objects.size() < a.size() + 1)
            objects.resize(a.size() + 1);
        objects.insert(objects.begin() + index, o);
    }
    void Delete(int i) override
    {
        auto a = All();
        if (i < 0 || i >= static_cast<int>(a.size()))
            return;
        a.erase(a.begin() + i);
        SetAll(a);
        if (static_cast<size_t>(i) < objects.size())
            objects.erase(objects.begin() + i);
    }
    void Clear() override
    {
        edit->clear();
        objects.clear();
    }
};
}  // namespace

namespace {
// A memo's text shows as the program keeps it, whether typed (the keys are
// mapped before they come here), pasted, dropped or composed; letters left
// out are said.
class MemoEdit : public QPlainTextEdit
{
protected:
    QString Garde(const QString& s)
    {
        bool perdu = false;
        const QString kept = KeptText(s, TKept::Lines, &perdu);
        if (perdu)
            RefuseInput(ControlOf(this), DialogTexts().LettersLeftOut);
        return kept;
    }
    void insertFromMimeData(const QMimeData* source) override
    {
        if (!source || !source->hasText()) {
            QPlainTextEdit::insertFromMimeData(source);
            return;
        }
        QMimeData kept;
        kept.setText(Garde(source->text()));
        QPlainTextEdit::insertFromMimeData(&kept);
    }
    void inputMethodEvent(QInputMethodEvent* e) override
    {
        const QString kept = Garde(e->commitString());
        if (kept == e->commitString()) {
            QPlainTextEdit::inputMethodEvent(e);
            return;
        }
        QInputMethodEvent mapped(e->preeditString(), e->attributes());
        mapped.setCommitString(kept, e->replacementStart(), e->replacementLength());
        QPlainTextEdit::inputMethodEvent(&mapped);
    }
    // An accent typed apart from its letter joins the letter before it, or
    // is refused.
    void keyPressEvent(QKeyEvent* e) override
    {
        const QString t = e->text();
        if (t.size() != 1 || !t[0].isMark() || isReadOnly()) {
            QPlainTextEdit::keyPressEvent(e);
            return;
        }
        QTextCursor c = textCursor();
        c.clearSelection();
        bool perdu = true;
        if (c.positionInBlock() > 0) {
            c.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor);
            const QString lettre = c.selectedText();
            const QString joint = KeptText(lettre + t, TKept::Lines, &perdu);
            if (!perdu && joint.size() == 1)
                c.insertText(joint);
            else
                perdu = true;
        }
        if (perdu)
            RefuseInput(ControlOf(this));
        e->accept();
    }
};

// The memo's text with every character as it stands (Qt's plain text turns a
// no-break space into a blank), lines joined by line feeds.
QString TexteMemo(const QPlainTextEdit* edit)
{
    QString t;
    for (QTextBlock b = edit->document()->begin(); b.isValid(); b = b.next()) {
        if (b != edit->document()->begin())
            t += '\n';
        t += b.text();
    }
    return t;
}
}  // namespace

struct TMemo::Impl
{
    QPlainTextEdit* edit = nullptr;
    std::unique_ptr<MemoLines> lines;
};

TMemo::TMemo(TComponent* AOwner) : TWinControl(AOwner), m_(std::make_unique<Impl>())
{
    m_->edit = new MemoEdit;
    m_->edit->setTabChangesFocus(true);
    m_->lines = std::make_unique<MemoLines>(m_->edit);
    SetWidget(m_->edit);
    WatchWidget(m_->edit->viewport());
    SetColor(clWindow);
    SetTabStop(true);
    QObject::connect(m_->edit, &QPlainTextEdit::textChanged, HubObject(), [this] { Guard([&] { Change(); }); });
    SetBounds(0, 0, 185, 89);
}

TMemo::~TMemo() = default;

TStrings& TMemo::Lines() { return *m_->lines; }

std::string TMemo::GetText() const
{
    std::string t = QStringToAnsi(TexteMemo(m_->edit));
    std::string r;
    for (char c : t)
    {
        if (c == '\n')
            r += "\r\n";
        else
            r += c;
    }
    return r;
}

void TMemo::SetText(const std::string& s)
{
    std::string t;
    for (size_t i = 0; i < s.size(); ++i)
    {
        if (s[i] == '\r')
        {
            t += '\n';
            if (i + 1 < s.size() && s[i + 1] == '\n')
                ++i;
        }
        else
            t += s[i];
    }
    m_->edit->setPlainText(AnsiToQString(t));
}

bool TMemo::ReadOnly() const { return m_->edit->isReadOnly(); }
void TMemo::SetReadOnly(bool v) { m_->edit->setReadOnly(v); }

void TMemo::SetWordWrap(bool v)
{
    wordWrap_ = v;
    m_->edit->setLineWrapMode(v ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void TMemo::SetScrollBars(TScrollStyle s)
{
    scrollBars_ = s;
    m_->edit->setHorizontalScrollBarPolicy((s == ssHorizontal || s == ssBoth) ? Qt::ScrollBarAlwaysOn
                                                                              : Qt::ScrollBarAlwaysOff);
    m_->edit->setVerticalScrollBarPolicy((s == ssVertical || s == ssBoth) ? Qt::ScrollBarAlwaysOn
                                                                          : Qt::ScrollBarAlwaysOff);
}

bool TMemo::Modified() const { return m_->edit->document()->isModified(); }
void TMemo::SetModified(bool v) { m_->edit->document()->setModified(v); }
void TMemo::SelectAll() { m_->edit->selectAll(); }
int TMemo::SelStart() const { return m_->edit->textCursor().selectionStart(); }
void TMemo::SetSelStart(int p)
{
    QTextCursor c = m_->edit->textCursor();
    c.setPosition(p);
    m_->edit->setTextCursor(c);
}
int TMemo::SelLength() const
{
    QTextCursor c = m_->edit->textCursor();
    return c.selectionEnd() - c.selectionStart();
}
void TMemo::SetSelLength(int n)
{
    QTextCursor c = m_->edit->textCursor();
    c.setPosition(c.selectionStart());
    c.setPosition(c.position() + n, QTextCursor::KeepAnchor);
    m_->edit->setTextCursor(c);
}

void TMemo::Change()
{
    if (OnChange)
        OnChange(this);
}

bool TMemo::WantsKey(WORD key) const
{
    return (key == VK_RETURN && WantReturns) || (key == VK_TAB && WantTabs);
}

void TMemo::KeyDown(WORD& Key, TShiftState Shift)
{
    TWinControl::KeyDown(Key, Shift);
}

void TMemo::KeyPress(char& Key)
{
    TWinControl::KeyPress(Key);
    if (Key == '\r' && !WantReturns)
        Key = 0;
    else if (MaxLength > 0 && static_cast<unsigned char>(Key) >= 32 &&
             TexteMemo(m_->edit).size() - SelLength() >= MaxLength)
        Key = 0;
}

// ============================================================================
// buttons
// ============================================================================
TButton::TButton(TComponent* AOwner) : TWinControl(AOwner)
{
    auto* b = new QPushButton;
    b->setAutoDefault(false);
    SetWidget(b);
    SetTabStop(true);
    QObject::connect(b, &QPushButton::clicked, HubObject(), [this] { Guard([&] { Click(); }); });
    SetBounds(0, 0, 75, 25);
}

TButton::~TButton() = default;

void TButton::ApplyText()
{
    static_cast<QPushButton*>(Widget())->setText(AnsiToQString(text_));
}

void TButton::SetDefault(bool v)
{
    default_ = v;
    static_cast<QPushButton*>(Widget())->setDefault(v);
}

void TButton::Click()
{
    if (TForm* f = GetParentForm(this))
        f->SetModalResult(ModalResult);
    TWinControl::Click();
}

bool TButton::DialogKey(WORD key, TShiftState shift)
{
    if (((key == VK_RETURN && default_) || (key == VK_ESCAPE && Cancel)) &&
        !(shift & (ssShift | ssCtrl | ssAlt)) && CanFocus())
    {
        Click();
        return true;
    }
    return false;
}

TCheckBox::TCheckBox(TComponent* AOwner) : TWinControl(AOwner)
{
    auto* b = new QCheckBox;
    SetWidget(b);
    SetTabStop(true);
    QObject::connect(b, &QCheckBox::stateChanged, HubObject(), [this] { Guard([&] { Click(); }); });
    SetBounds(0, 0, 97, 17);
}

TCheckBox::~TCheckBox() = default;

void TCheckBox::ApplyText()
{
    static_cast<QCheckBox*>(Widget())->setText(AnsiToQString(text_));
}

bool TCheckBox::Checked() const { return static_cast<QCheckBox*>(Widget())->checkState() == Qt::Checked; }
void TCheckBox::SetChecked(bool v) { static_cast<QCheckBox*>(Widget())->setCheckState(v ? Qt::Checked : Qt::Unchecked); }

TCheckBoxState TCheckBox::State() const
{
    switch (static_cast<QCheckBox*>(Widget())->checkState())
    {
    case Qt::Checked: return cbChecked;
    case Qt::PartiallyChecked: return cbGrayed;
    default: return cbUnchecked;
    }
}

void TCheckBox::SetState(TCheckBoxState s)
{
    auto* b = static_cast<QCheckBox*>(Widget());
    if (s == cbGrayed)
        b->setTristate(true);
    b->setCheckState(s == cbChecked ? Qt::Checked : s == cbGrayed ? Qt::PartiallyChecked : Qt::Unchecked);
}

bool TCheckBox::AllowGrayed() const { return static_cast<QCheckBox*>(Widget())->isTristate(); }
void TCheckBox::SetAllowGrayed(bool v) { static_cast<QCheckBox*>(Widget())->setTristate(v); }

TRadioButton::TRadioButton(TComponent* AOwner) : TWinControl(AOwner)
{
    auto* b = new QRadioButton;
    SetWidget(b);
    SetTabStop(true);
    QObject::connect(b, &QRadioButton::toggled, HubObject(), [this](bool on) {
        if (on)
            Guard([&] { Click(); });
    });
    SetBounds(0, 0, 113, 17);
}

TRadioButton::~TRadioButton() = default;

void TRadioButton::ApplyText()
{
    static_cast<QRadioButton*>(Widget())->setText(AnsiToQString(text_));
}

bool TRadioButton::Checked() const { return static_cast<QRadioButton*>(Widget())->isChecked(); }
void TRadioButton::SetChecked(bool v) { static_cast<QRadioButton*>(Widget())->setChecked(v); }

TGroupBox::TGroupBox(TComponent* AOwner) : TWinControl(AOwner)
{
    SetWidget(new QGroupBox);
    SetBounds(0, 0, 185, 105);
}

TGroupBox::~TGroupBox() = default;

void TGroupBox::ApplyText()
{
    static_cast<QGroupBox*>(Widget())->setTitle(AnsiToQString(text_));
}

void TGroupBox::AdjustClientRect(TRect& r) const
{
    r.Top += ScreenTextHeight(Font(), "0");
    InflateRect(r, -2, -2);
}

// ============================================================================
// TComboBox
// ============================================================================
// The items of a combo or list box: while the box is sorted, an added item goes
// after the items that sort before it or equal to it.
class BoxItems : public TStrings
{
public:
    int AddObject(const std::string& s, Object o) override
    {
        if (!Sorted())
            return TStrings::AddObject(s, o);
        int i = 0;
        while (i < Count() && AnsiCompareText(Strings(i), s) <= 0)
            ++i;
        InsertObject(i, s, o);
        return i;
    }

protected:
    virtual bool Sorted() const = 0;
};

class ComboItems : public BoxItems
{
public:
    explicit ComboItems(TComboBox* c) : box(c) {}
    TComboBox* box;
    QComboBox* combo() const { return static_cast<QComboBox*>(box->Widget()); }
    int Count() const override { return combo()->count(); }
    std::string Strings(int i) const override { return QStringToAnsi(combo()->itemText(i)); }
    void SetString(int i, const std::string& s) override { combo()->setItemText(i, AnsiToQString(s)); }
    Object Objects(int i) const override { return static_cast<Object>(combo()->itemData(i).toLongLong()); }
    void SetObject(int i, Object o) override { combo()->setItemData(i, QVariant::fromValue<qlonglong>(o)); }
    void InsertObject(int index, const std::string& s, Object o) override;
    bool Sorted() const override { return box->Sorted(); }
    void Delete(int i) override;
    void Clear() override;
};

struct TComboBox::Impl
{
    QComboBox* combo = nullptr;
    std::unique_ptr<ComboItems> items;
    int updating = 0;
    // The shown text was typed since the last entry picked or set.
    bool typed = false;
};

void ComboItems::InsertObject(int index, const std::string& s, Object o)
{
    ++box->c_->updating;
    std::string keep = box->GetText();
    combo()->insertItem(index, AnsiToQString(s), QVariant::fromValue<qlonglong>(o));
    if (combo()->isEditable())
        combo()->setEditText(AnsiToQString(keep));
    --box->c_->updating;
}

void ComboItems::Delete(int i)
{
    ++box->c_->updating;
    combo()->removeItem(i);
    --box->c_->updating;
}

void ComboItems::Clear()
{
    ++box->c_->updating;
    std::string keep = box->GetText();
    combo()->clear();
    if (combo()->isEditable())
        combo()->setEditText(AnsiToQString(keep));
    --box->c_->updating;
}

TComboBox::TComboBox(TComponent* AOwner) : TWinControl(AOwner), c_(std::make_unique<Impl>())
{
    c_->combo = new QComboBox;
    c_->combo->setInsertPolicy(QComboBox::NoInsert);
    c_->items = std::make_unique<ComboItems>(this);
    SetWidget(c_->combo);
    SetColor(clWindow);
    SetTabStop(true);
    SetStyle(csDropDown);
    QObject::connect(c_->combo, QOverload<int>::of(&QComboBox::activated), HubObject(), [this](int i) {
        if (c_->updating)
            return;
        Guard([&] {
            if (c_->combo->isEditable() && i >= 0)
                c_->combo->setEditText(c_->combo->itemText(i));
            c_->typed = false;
            TWinControl::Click();
            Select();
        });
    });
    SetBounds(0, 0, 145, 21);
}

TComboBox::~TComboBox() = default;

TStrings& TComboBox::Items() { return *c_->items; }

void TComboBox::SetStyle(TComboBoxStyle s)
{
    style_ = s;
    bool editable = s == csDropDown || s == csSimple;
    ++c_->updating;
    c_->combo->setEditable(editable);
    --c_->updating;
    if (QLineEdit* e = c_->combo->lineEdit())
    {
        if (!dynamic_cast<const TextValidator*>(e->validator()))
            KeepText(e);
        WatchWidget(e);
        // What is typed stays as typed: no completion into an item while
        // typing, and none by letter case when the box is left (the
        // toolkit's own would take "hugo" for "Hugo").
        c_->combo->setCompleter(nullptr);
        QObject::disconnect(e, &QLineEdit::editingFinished, c_->combo, nullptr);
        QObject::connect(e, &QLineEdit::editingFinished, HubObject(), [this, e] {
            // An item typed to the letter is that item, quietly. The entry
            // already current keeps its place when its text is unchanged:
            // of two entries shown alike, the one picked stays picked.
            const int courant = c_->combo->currentIndex();
            if (courant >= 0 && c_->combo->itemText(courant) == e->text())
                return;
            const int i = c_->combo->findText(e->text(), Qt::MatchFixedString | Qt::MatchCaseSensitive);
            if (i < 0 || i == courant)
                return;
            ++c_->updating;
            c_->combo->setCurrentIndex(i);
            --c_->updating;
        });
        QObject::connect(e, &QLineEdit::textEdited, HubObject(), [this] {
            if (c_->updating)
                return;
            c_->typed = true;
            Guard([&] { Change(); });
        });
    }
}

int TComboBox::ItemIndex() const
{
    int i = c_->combo->currentIndex();
    if (i >= 0 && c_->combo->isEditable() && c_->combo->currentText() != c_->combo->itemText(i))
        return -1;
    return i;
}

int TComboBox::ItemChoisi() const
{
    return c_->typed ? -1 : ItemIndex();
}

void TComboBox::SetItemIndex(int i)
{
    c_->typed = false;
    ++c_->updating;
    c_->combo->setCurrentIndex(i);
    if (i < 0 && c_->combo->isEditable())
        c_->combo->setEditText(QString());
    --c_->updating;
}

std::string TComboBox::GetText() const
{
    return QStringToAnsi(c_->combo->currentText());
}

void TComboBox::SetText(const std::string& s)
{
    c_->typed = false;
    ++c_->updating;
    QString q = AnsiToQString(s);
    const TextValidator::ProgramText programme(ValidatorOf(c_->combo->lineEdit()));
    if (c_->combo->isEditable())
    {
        const int courant = c_->combo->currentIndex();
        int i = c_->combo->findText(q, Qt::MatchFixedString);
        if (courant >= 0 && c_->combo->itemText(courant) == q)
            i = courant;
        if (i >= 0 && c_->combo->itemText(i) == q)
            c_->combo->setCurrentIndex(i);
        c_->combo->setEditText(q);
    }
    else if (c_->combo->currentIndex() < 0 || c_->combo->itemText(c_->combo->currentIndex()) != q)
        c_->combo->setCurrentIndex(c_->combo->findText(q, Qt::MatchFixedString));
    --c_->updating;
}

void TComboBox::SetSorted(bool v)
{
    sorted_ = v;
    if (v)
    {
        ++c_->updating;
        std::string keep = GetText();
        std::vector<std::pair<std::string, TStrings::Object>> all;
        for (int i = 0; i < Items().Count(); ++i)
            all.emplace_back(Items().Strings(i), Items().Objects(i));
        std::stable_sort(all.begin(), all.end(),
                         [](auto& a, auto& b) { return AnsiCompareText(a.first, b.first) < 0; });
        c_->combo->clear();
        for (auto& [s, o] : all)
            c_->combo->addItem(AnsiToQString(s), QVariant::fromValue<qlonglong>(o));
        SetText(keep);
        --c_->updating;
    }
}

int TComboBox::DropDownCount() const { return c_->combo->maxVisibleItems(); }

int TComboBox::WidthForItems() const
{
    QComboBox* cb = c_->combo;
    const QFontMetrics fm(cb->font());
    int texte = 0;
    for (int i = 0; i < cb->count(); ++i)
        texte = std::max(texte, fm.horizontalAdvance(cb->itemText(i)));
    QStyleOptionComboBox opt;
    opt.initFrom(cb);
    opt.editable = cb->isEditable();
    return cb->style()->sizeFromContents(QStyle::CT_ComboBox, &opt, QSize(texte, fm.height()), cb).width();
}
void TComboBox::SetDropDownCount(int n) { c_->combo->setMaxVisibleItems(n); }
bool TComboBox::DroppedDown() const { return c_->combo->view() && c_->combo->view()->isVisible(); }

void TComboBox::SetDroppedDown(bool v)
{
    if (v)
    {
        if (OnDropDown)
            OnDropDown(this);
        c_->combo->showPopup();
    }
    else
    {
        c_->combo->hidePopup();
        if (OnCloseUp)
            OnCloseUp(this);
    }
}

void TComboBox::Clear()
{
    Items().Clear();
    SetText("");
}

int TComboBox::SelStart() const
{
    QLineEdit* e = c_->combo->lineEdit();
    return e ? (e->hasSelectedText() ? e->selectionStart() : e->cursorPosition()) : 0;
}

void TComboBox::SetSelStart(int p)
{
    if (QLineEdit* e = c_->combo->lineEdit())
        e->setCursorPosition(p);
}

int TComboBox::SelLength() const
{
    QLineEdit* e = c_->combo->lineEdit();
    return e ? static_cast<int>(e->selectedText().size()) : 0;
}

void TComboBox::SetSelLength(int n)
{
    if (QLineEdit* e = c_->combo->lineEdit())
        e->setSelection(SelStart(), n);
}

void TComboBox::Change()
{
    if (OnChange)
        OnChange(this);
}

void TComboBox::Select()
{
    if (OnSelect)
        OnSelect(this);
    else
        Change();
}

bool TComboBox::WantsKey(WORD) const
{
    return DroppedDown();
}

// ============================================================================
// list boxes
// ============================================================================
class ListItems : public BoxItems
{
public:
    explicit ListItems(TCustomListBox* b) : box(b) {}
    TCustomListBox* box;
    QListWidget* list() const { return static_cast<QListWidget*>(box->Widget()); }
    int Count() const override { return list()->count(); }
    std::string Strings(int i) const override
    {
        QListWidgetItem* it = list()->item(i);
        return it ? QStringToAnsi(it->text()) : std::string();
    }
    void SetString(int i, const std::string& s) override
    {
        if (QListWidgetItem* it = list()->item(i))
            it->setText(AnsiToQString(s));
    }
    Object Objects(int i) const override
    {
        QListWidgetItem* it = list()->item(i);
        return it ? static_cast<Object>(it->data(Qt::UserRole).toLongLong()) : 0;
    }
    void SetObject(int i, Object o) override
    {
        if (QListWidgetItem* it = list()->item(i))
            it->setData(Qt::UserRole, QVariant::fromValue<qlonglong>(o));
    }
    void InsertObject(int index, const std::string& s, Object o) override;
    bool Sorted() const override { return box->Sorted(); }
    void Delete(int i) override;
    void Clear() override;
};

namespace {
class ListDelegate : public QStyledItemDelegate
{
public:
    explicit ListDelegate(TCustomListBox* b) : box(b) {}
    TCustomListBox* box;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        if (box->Style() == lbStandard)
        {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        TOwnerDrawState st = 0;
        if (option.state & QStyle::State_Selected)
            st |= odSelected;
        if (option.state & QStyle::State_HasFocus)
            st |= odFocused;
        if (!(option.state & QStyle::State_Enabled))
            st |= odDisabled;
        painter->save();
        box->PaintItem(*painter, index.row(), QRectToTRect(option.rect), st);
        painter->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize s = QStyledItemDelegate::sizeHint(option, index);
        if (box->Style() == lbOwnerDrawFixed)
            s.setHeight(box->ItemHeight());
        else if (box->Style() == lbOwnerDrawVariable)
        {
            int h = box->ItemHeight();
            if (box->OnMeasureItem)
                box->OnMeasureItem(box, index.row(), h);
            s.setHeight(h);
        }
        return s;
    }
};
}  // namespace

struct TCustomListBox::Impl
{
    QListWidget* list = nullptr;
    std::unique_ptr<ListItems> items;
    ListDelegate* delegate = nullptr;
    TCanvas canvas;
    int updating = 0;
    bool checkable = false;
};

void ListItems::InsertObject(int index, const std::string& s, Object o)
{
    ++box->l_->updating;
    auto* it = new QListWidgetItem(AnsiToQString(s));
    it->setData(Qt::UserRole, QVariant::fromValue<qlonglong>(o));
    if (box->l_->checkable)
    {
        it->setFlags(it->flags() | Qt::ItemIsUserCheckable);
        it->setCheckState(Qt::Unchecked);
    }
    list()->insertItem(std::clamp(index, 0, Count()), it);
    --box->l_->updating;
}

void ListItems::Delete(int i)
{
    ++box->l_->updating;
    delete list()->takeItem(i);
    --box->l_->updating;
}

void ListItems::Clear()
{
    ++box->l_->updating;
    list()->clear();
    --box->l_->updating;
}

TCustomListBox::TCustomListBox(TComponent* AOwner) : TWinControl(AOwner), l_(std::make_unique<Impl>())
{
    l_->list = new QListWidget;
    l_->list->setDragEnabled(false);
    l_->list->setSelectionMode(QAbstractItemView::SingleSelection);
    l_->list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    l_->items = std::make_unique<ListItems>(this);
    l_->delegate = new ListDelegate(this);
    l_->list->setItemDelegate(l_->delegate);
    l_->delegate->setParent(l_->list);
    SetWidget(l_->list);
    WatchWidget(l_->list->viewport());
    SetColor(clWindow);
    SetTabStop(true);
    QObject::connect(l_->list, &QListWidget::itemSelectionChanged, HubObject(), [this] {
        if (!l_->updating)
            Guard([&] { Click(); });
    });
    SetBounds(0, 0, 121, 97);
}

TCustomListBox::~TCustomListBox() = default;

TStrings& TCustomListBox::Items() { return *l_->items; }
TCanvas& TCustomListBox::Canvas() { return l_->canvas; }
QWidget* TCustomListBox::ClientWidget() const { return l_ ? l_->list->viewport() : nullptr; }

int TCustomListBox::ClientWidth() const
{
    return std::max(0, width_ - 2 * l_->list->frameWidth());
}

int TCustomListBox::ClientHeight() const
{
    return std::max(0, height_ - 2 * l_->list->frameWidth());
}

int TCustomListBox::ItemIndex() const
{
    if (multiSelect_)
        return l_->list->currentRow();
    auto sel = l_->list->selectedItems();
    return sel.isEmpty() ? -1 : l_->list->row(sel.first());
}

void TCustomListBox::SetItemIndex(int i)
{
    ++l_->updating;
    if (i < 0 || i >= l_->list->count())
    {
        if (!multiSelect_)
            l_->list->clearSelection();
        l_->list->setCurrentRow(-1);
    }
    else
    {
        l_->list->setCurrentRow(i, multiSelect_ ? QItemSelectionModel::NoUpdate
                                                : QItemSelectionModel::ClearAndSelect);
        l_->list->scrollToItem(l_->list->item(i));
    }
    --l_->updating;
}

bool TCustomListBox::Selected(int i) const
{
    QListWidgetItem* it = l_->list->item(i);
    return it && it->isSelected();
}

void TCustomListBox::SetSelected(int i, bool v)
{
    ++l_->updating;
    if (QListWidgetItem* it = l_->list->item(i))
    {
        if (!multiSelect_ && v)
            l_->list->setCurrentItem(it);
        it->setSelected(v);
    }
    --l_->updating;
}

int TCustomListBox::SelCount() const
{
    return multiSelect_ ? static_cast<int>(l_->list->selectedItems().size()) : -1;
}

void TCustomListBox::SetMultiSelect(bool v)
{
    multiSelect_ = v;
    l_->list->setSelectionMode(!v ? QAbstractItemView::SingleSelection
                               : ExtendedSelect ? QAbstractItemView::ExtendedSelection
                                                : QAbstractItemView::MultiSelection);
}

void TCustomListBox::SetSorted(bool v)
{
    sorted_ = v;
    if (v)
    {
        // By the letters without regard to accents or case, as the items added
        // later are placed (Qt's own order puts accented capitals last).
        ++l_->updating;
        std::vector<QListWidgetItem*> all;
        while (l_->list->count() > 0)
            all.push_back(l_->list->takeItem(0));
        std::stable_sort(all.begin(), all.end(), [](QListWidgetItem* a, QListWidgetItem* b) {
            return AnsiCompareText(QStringToAnsi(a->text()), QStringToAnsi(b->text())) < 0;
        });
        for (QListWidgetItem* it : all)
            l_->list->addItem(it);
        --l_->updating;
    }
}

void TCustomListBox::SetStyle(TListBoxStyle s)
{
    style_ = s;
    l_->list->setUniformItemSizes(s == lbOwnerDrawFixed);
    l_->list->doItemsLayout();
}

int TCustomListBox::ItemHeight() const { return itemHeight_; }

void TCustomListBox::SetItemHeight(int h)
{
    itemHeight_ = h;
    l_->list->doItemsLayout();
}

int TCustomListBox::TopIndex() const
{
    QListWidgetItem* it = l_->list->itemAt(QPoint(1, 1));
    return it ? l_->list->row(it) : 0;
}

void TCustomListBox::SetTopIndex(int i)
{
    if (QListWidgetItem* it = l_->list->item(i))
        l_->list->scrollToItem(it, QAbstractItemView::PositionAtTop);
}

int TCustomListBox::ItemAtPos(TPoint p, bool existing) const
{
    QListWidgetItem* it = l_->list->itemAt(QPoint(p.X, p.Y));
    if (it)
        return l_->list->row(it);
    return existing ? -1 : l_->list->count();
}

TRect TCustomListBox::ItemRect(int index) const
{
    QListWidgetItem* it = l_->list->item(index);
    if (!it)
        return {};
    return QRectToTRect(l_->list->visualItemRect(it));
}

void TCustomListBox::Clear() { Items().Clear(); }

void TCustomListBox::DeleteSelected()
{
    ++l_->updating;
    for (int i = l_->list->count() - 1; i >= 0; --i)
        if (l_->list->item(i)->isSelected())
            delete l_->list->takeItem(i);
    --l_->updating;
}

void TCustomListBox::ClearSelection()
{
    ++l_->updating;
    l_->list->clearSelection();
    --l_->updating;
}

void TCustomListBox::ApplyFont()
{
    TWinControl::ApplyFont();
    if (l_ && l_->list)
        l_->list->doItemsLayout();
}

void TCustomListBox::PaintItem(QPainter& painter, int index, const TRect& rect, TOwnerDrawState state)
{
    TCanvas& c = l_->canvas;
    guiimpl::CanvasPaint peinture(c, painter, *this);
    c.Pen.SetColor(clBlack);
    if (state & odSelected)
    {
        c.Brush.SetColor(clHighlight);
        c.Font.SetColor(clHighlightText);
    }
    Guard([&] { DrawItem(index, rect, state); });
}

void TCustomListBox::DrawItem(int Index, TRect Rect, TOwnerDrawState State)
{
    if (OnDrawItem)
    {
        OnDrawItem(this, Index, Rect, State);
        return;
    }
    TCanvas& c = l_->canvas;
    c.FillRect(Rect);
    if (Index >= 0 && Index < Items().Count())
        c.TextOut(Rect.Left + 2, Rect.Top, Items().Strings(Index));
}

TCheckListBox::TCheckListBox(TComponent* AOwner) : TCustomListBox(AOwner)
{
    l_->checkable = true;
    QObject::connect(l_->list, &QListWidget::itemChanged, HubObject(), [this](QListWidgetItem*) {
        if (!l_->updating && OnClickCheck)
            Guard([&] { OnClickCheck(this); });
    });
}

bool TCheckListBox::Checked(int i) const
{
    QListWidgetItem* it = l_->list->item(i);
    return it && it->checkState() == Qt::Checked;
}

void TCheckListBox::SetChecked(int i, bool v)
{
    SetState(i, v ? cbChecked : cbUnchecked);
}

TCheckBoxState TCheckListBox::State(int i) const
{
    QListWidgetItem* it = l_->list->item(i);
    if (!it)
        return cbUnchecked;
    return it->checkState() == Qt::Checked ? cbChecked
         : it->checkState() == Qt::PartiallyChecked ? cbGrayed
                                                    : cbUnchecked;
}

void TCheckListBox::SetState(int i, TCheckBoxState s)
{
    ++l_->updating;
    if (QListWidgetItem* it = l_->list->item(i))
        it->setCheckState(s == cbChecked ? Qt::Checked : s == cbGrayed ? Qt::PartiallyChecked : Qt::Unchecked);
    --l_->updating;
}

bool TCheckListBox::ItemEnabled(int i) const
{
    QListWidgetItem* it = l_->list->item(i);
    return it && (it->flags() & Qt::ItemIsEnabled);
}

void TCheckListBox::SetItemEnabled(int i, bool v)
{
    ++l_->updating;
    if (QListWidgetItem* it = l_->list->item(i))
        it->setFlags(v ? (it->flags() | Qt::ItemIsEnabled) : (it->flags() & ~Qt::ItemIsEnabled));
    --l_->updating;
}

// ============================================================================
// TScrollBar
// ============================================================================
static QScrollBar* SB(const TScrollBar* s) { return static_cast<QScrollBar*>(s->Widget()); }

TScrollBar::TScrollBar(TComponent* AOwner) : TWinControl(AOwner)
{
    auto* b = new QScrollBar(Qt::Horizontal);
    b->setRange(0, 100);
    b->setSingleStep(1);
    b->setPageStep(1);
    SetWidget(b);
    SetTabStop(true);
    QObject::connect(b, &QScrollBar::valueChanged, HubObject(), [this] { Guard([&] { Change(); }); });
    QObject::connect(b, &QScrollBar::actionTriggered, HubObject(), [this](int action) {
        if (!OnScroll)
            return;
        TScrollCode code = scPosition;
        switch (action)
        {
        case QAbstractSlider::SliderSingleStepAdd: code = scLineDown; break;
        case QAbstractSlider::SliderSingleStepSub: code = scLineUp; break;
        case QAbstractSlider::SliderPageStepAdd: code = scPageDown; break;
        case QAbstractSlider::SliderPageStepSub: code = scPageUp; break;
        case QAbstractSlider::SliderToMinimum: code = scTop; break;
        case QAbstractSlider::SliderToMaximum: code = scBottom; break;
        case QAbstractSlider::SliderMove: code = scTrack; break;
        default: break;
        }
        int pos = SB(this)->sliderPosition();
        Guard([&] { OnScroll(this, code, pos); });
        if (pos != SB(this)->sliderPosition())
            SB(this)->setSliderPosition(pos);
    });
    SetBounds(0, 0, 121, 17);
}

TScrollBar::~TScrollBar() = default;

void TScrollBar::SetKind(TScrollBarKind k)
{
    if (k == kind_)
        return;
    kind_ = k;
    SB(this)->setOrientation(k == sbHorizontal ? Qt::Horizontal : Qt::Vertical);
    SetBounds(left_, top_, height_, width_);
}

int TScrollBar::Min() const { return SB(this)->minimum(); }
void TScrollBar::SetMin(int v) { SB(this)->setMinimum(v); }
int TScrollBar::Max() const { return SB(this)->maximum() + std::max(0, pageSize_ - 1); }
void TScrollBar::SetMax(int v) { SB(this)->setMaximum(std::max(Min(), v - std::max(0, pageSize_ - 1))); }
int TScrollBar::Position() const { return SB(this)->value(); }
void TScrollBar::SetPosition(int v) { SB(this)->setValue(v); }
void TScrollBar::SetParams(int position, int min, int max)
{
    SetMin(min);
    SetMax(max);
    SetPosition(position);
}
int TScrollBar::SmallChange() const { return SB(this)->singleStep(); }
void TScrollBar::SetSmallChange(int v) { SB(this)->setSingleStep(v); }
int TScrollBar::LargeChange() const { return SB(this)->pageStep(); }
void TScrollBar::SetLargeChange(int v) { SB(this)->setPageStep(v); }
int TScrollBar::PageSize() const { return pageSize_; }

void TScrollBar::SetPageSize(int v)
{
    int max = Max();
    pageSize_ = std::max(0, v);
    SetMax(max);
    if (pageSize_ > 0)
        SB(this)->setPageStep(pageSize_);
}

void TScrollBar::Change()
{
    if (OnChange)
        OnChange(this);
}

// ============================================================================
// TSpeedButton
// ============================================================================
struct TSpeedButton::Impl
{
    QToolButton* button = nullptr;
    TBitmap glyph;
    bool down = false;
};

TSpeedButton::TSpeedButton(TComponent* AOwner)
    : TGraphicControl(AOwner, new QToolButton), s_(std::make_unique<Impl>())
{
    s_->button = static_cast<QToolButton*>(Widget());
    s_->button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    s_->button->setCheckable(false);
    s_->glyph.OnChange = [this](TGraphic&) { GlyphChanged(); };
    QObject::connect(s_->button, &QToolButton::clicked, HubObject(), [this] { Guard([&] { Click(); }); });
    SetBounds(0, 0, 23, 22);
}

TSpeedButton::~TSpeedButton() = default;

bool TSpeedButton::Down() const { return s_->down; }

void TSpeedButton::SetDown(bool v)
{
    s_->down = v;
    s_->button->setCheckable(v || groupIndex_ > 0);
    s_->button->setChecked(v);
    if (v && groupIndex_ > 0 && Parent())
        for (int i = 0; i < Parent()->ControlCount(); ++i)
            if (auto* b = dynamic_cast<TSpeedButton*>(Parent()->Controls(i)))
                if (b != this && b->groupIndex_ == groupIndex_ && b->s_->down)
                    b->SetDown(false);
}

void TSpeedButton::SetGroupIndex(int g)
{
    groupIndex_ = g;
    SetDown(s_->down);
}

bool TSpeedButton::Flat() const { return s_->button->autoRaise(); }
void TSpeedButton::SetFlat(bool v) { s_->button->setAutoRaise(v); }
TBitmap& TSpeedButton::Glyph() { return s_->glyph; }

void TSpeedButton::GlyphChanged()
{
    if (s_->glyph.Empty())
    {
        s_->button->setIcon(QIcon());
        return;
    }
    QImage img = BitmapImage(s_->glyph).convertToFormat(QImage::Format_ARGB32);
    QRgb key = img.pixel(0, img.height() - 1);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if ((img.pixel(x, y) & 0xFFFFFF) == (key & 0xFFFFFF))
                img.setPixel(x, y, 0);
    s_->button->setIcon(QIcon(QPixmap::fromImage(img)));
    s_->button->setIconSize(img.size());
}

void TSpeedButton::ApplyText()
{
    s_->button->setText(AnsiToQString(text_));
    s_->button->setToolButtonStyle(text_.empty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
}

void TSpeedButton::Click()
{
    if (groupIndex_ > 0)
    {
        if (!s_->down)
            SetDown(true);
        else if (AllowAllUp)
            SetDown(false);
        else
            SetDown(true);
    }
    else
        s_->button->setChecked(false);
    TGraphicControl::Click();
}
