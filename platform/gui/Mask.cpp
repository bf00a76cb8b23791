#include "platform/gui/Mask.h"

#include <algorithm>

#include <QFocusEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTimer>

#include "platform/gui/Dialogs.h"
#include "platform/gui/GuiPrivate.h"
#include "platform/rtl/Strings.h"

using namespace guiimpl;

TMaskInfo ParseEditMask(const std::string& mask)
{
    TMaskInfo info;
    // Fields: the mask, then the save flag and the blank, split at unescaped ';'.
    std::vector<std::string> fields(1);
    for (size_t i = 0; i < mask.size(); ++i)
    {
        if (mask[i] == '\\' && i + 1 < mask.size())
        {
            fields.back() += mask[i];
            fields.back() += mask[++i];
        }
        else if (mask[i] == ';' && fields.size() < 3)
            fields.emplace_back();
        else
            fields.back() += mask[i];
    }
    if (fields.size() > 1 && !fields[1].empty())
        info.SaveLiterals = fields[1][0] != '0';
    if (fields.size() > 2 && !fields[2].empty())
        info.Blank = fields[2][0];
    const std::string& m = fields[0];
    int kase = 0;
    for (size_t i = 0; i < m.size(); ++i)
    {
        char c = m[i];
        TMaskPosition p;
        switch (c)
        {
        case '!': info.LeadingBlanks = true; continue;
        case '>':
            if (i + 1 < m.size() && m[i + 1] == '<')
            {
                kase = 0;
                ++i;
            }
            else
                kase = 1;
            continue;
        case '<': kase = -1; continue;
        case '\\':
            if (i + 1 < m.size())
            {
                p.Literal = true;
                p.Char = m[++i];
                info.Positions.push_back(p);
            }
            continue;
        case 'L': case 'A': case 'C': case '0':
            p.Char = c;
            p.Required = true;
            break;
        case 'l': case 'a': case 'c': case '9': case '#':
            p.Char = c;
            break;
        case '_':
            p.Literal = true;
            p.Char = ' ';
            break;
        default:
            p.Literal = true;
            p.Char = c;
            break;
        }
        p.Case = kase;
        info.Positions.push_back(p);
    }
    return info;
}

std::string DigitsMask(int digits)
{
    return "!" + std::string(static_cast<size_t>(std::max(0, digits - 1)), '9') + "0";
}

std::string MaskToQtInputMask(const TMaskInfo& info)
{
    if (info.Empty())
        return {};
    std::string r;
    int kase = 0;
    static const std::string special = "AaNnXx90Dd#HhBb><!\\[]{};";
    for (const TMaskPosition& p : info.Positions)
    {
        if (!p.Literal && p.Case != kase)
        {
            r += p.Case > 0 ? ">" : p.Case < 0 ? "<" : "!";
            kase = p.Case;
        }
        if (p.Literal)
        {
            if (special.find(p.Char) != std::string::npos)
                r += '\\';
            r += p.Char;
            continue;
        }
        switch (p.Char)
        {
        case 'L': r += 'A'; break;
        case 'l': r += 'a'; break;
        case 'A': r += 'N'; break;
        case 'a': r += 'n'; break;
        case 'C': r += 'X'; break;
        case 'c': r += 'x'; break;
        case '0': r += '9'; break;
        case '9': r += '0'; break;
        default: r += '#'; break;
        }
    }
    r += ';';
    r += info.Blank;
    return r;
}

static bool IsLetter(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c >= 0xC0;
}

bool MaskAccepts(const TMaskInfo& info, int position, char ch)
{
    if (position < 0 || position >= static_cast<int>(info.Positions.size()))
        return false;
    const TMaskPosition& p = info.Positions[static_cast<size_t>(position)];
    auto c = static_cast<unsigned char>(ch);
    if (p.Literal)
        return ch == p.Char;
    switch (p.Char)
    {
    case '0': case '9': return c >= '0' && c <= '9';
    case '#': return (c >= '0' && c <= '9') || c == '+' || c == '-';
    case 'L': case 'l': return IsLetter(c);
    case 'A': case 'a': return IsLetter(c) || (c >= '0' && c <= '9');
    default: return c >= 32;
    }
}

static char ApplyCase(const TMaskPosition& p, char c)
{
    if (p.Case > 0)
        return static_cast<char>(AnsiUpperChar(static_cast<unsigned char>(c)));
    if (p.Case < 0)
        return static_cast<char>(AnsiLowerChar(static_cast<unsigned char>(c)));
    return c;
}

std::string FormatEditText(const TMaskInfo& info, const std::string& value)
{
    std::string r;
    size_t v = 0;
    for (size_t i = 0; i < info.Positions.size(); ++i)
    {
        const TMaskPosition& p = info.Positions[i];
        if (p.Literal)
        {
            r += p.Char;
            if (info.SaveLiterals && v < value.size())
                ++v;
            continue;
        }
        char c = v < value.size() ? value[v++] : ' ';
        if (c == ' ' || c == info.Blank || !MaskAccepts(info, static_cast<int>(i), c))
            r += info.Blank;
        else
            r += ApplyCase(p, c);
    }
    return r;
}

std::string MaskedTextFromEditText(const TMaskInfo& info, const std::string& editText)
{
    std::string r;
    for (size_t i = 0; i < info.Positions.size(); ++i)
    {
        const TMaskPosition& p = info.Positions[i];
        char c = i < editText.size() ? editText[i] : info.Blank;
        if (p.Literal)
        {
            if (info.SaveLiterals)
                r += p.Char;
            continue;
        }
        r += (c == info.Blank) ? ' ' : c;
    }
    return r;
}

std::string FormatMaskText(const std::string& mask, const std::string& value)
{
    TMaskInfo info = ParseEditMask(mask);
    if (info.Empty())
        return value;
    TMaskInfo shown = info;
    shown.SaveLiterals = true;
    return MaskedTextFromEditText(shown, FormatEditText(info, value));
}

bool MaskEditTextValid(const TMaskInfo& info, const std::string& editText)
{
    for (size_t i = 0; i < info.Positions.size(); ++i)
    {
        const TMaskPosition& p = info.Positions[i];
        if (p.Literal || !p.Required)
            continue;
        char c = i < editText.size() ? editText[i] : info.Blank;
        if (c == info.Blank || c == ' ')
            return false;
    }
    return true;
}

// ============================================================================
// TMaskEdit
// ============================================================================
namespace {
// Entered by Tab, a masked box selects what it holds, as any edit does (the
// line edit puts the cursor on its first empty place instead): keys typed then
// replace the whole value, a box that held one as an empty box.
struct SelectOnTab : QObject
{
    TMaskEdit* box;
    explicit SelectOnTab(TMaskEdit* b) : QObject(b->Widget()), box(b) {}
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() != QEvent::FocusIn || !box->AutoSelect || !box->IsMasked())
            return false;
        const auto reason = static_cast<QFocusEvent*>(e)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            QTimer::singleShot(0, watched, [edit = static_cast<QLineEdit*>(watched)] {
                if (edit->hasFocus())
                    edit->selectAll();
            });
        return false;
    }
};
}  // namespace

TMaskEdit::TMaskEdit(TComponent* AOwner) : TEdit(AOwner)
{
    Widget()->installEventFilter(new SelectOnTab(this));
}

TMaskEdit::~TMaskEdit() = default;

static QLineEdit* LineEdit(const TMaskEdit* e)
{
    return static_cast<QLineEdit*>(e->Widget());
}

void TMaskEdit::SetEditMask(const std::string& mask)
{
    std::string value = GetText();
    mask_ = mask;
    info_ = ParseEditMask(mask);
    LineEdit(this)->setInputMask(AnsiToQString(MaskToQtInputMask(info_)));
    SetText(value);
}

std::string TMaskEdit::EditText() const
{
    return QStringToAnsi(LineEdit(this)->displayText());
}

std::string TMaskEdit::GetText() const
{
    if (!IsMasked())
        return TEdit::GetText();
    return MaskedTextFromEditText(info_, EditText());
}

void TMaskEdit::SetText(const std::string& s)
{
    if (!IsMasked())
    {
        TEdit::SetText(s);
        return;
    }
    text_ = s;
    std::string shown = FormatEditText(info_, s);
    QLineEdit* e = LineEdit(this);
    std::string before = EditText();
    // The places are filled one by one (Qt's mask would close up the gaps of
    // empty places); OnChange runs once, after.
    QSignalBlocker quiet(e);
    e->setText(QString());
    QString q;
    for (size_t i = 0; i < shown.size(); ++i)
    {
        const TMaskPosition& p = info_.Positions[i];
        if (p.Literal || shown[i] == info_.Blank)
            continue;
        q.clear();
        q += AnsiToQString(std::string(1, shown[i]));
        e->setCursorPosition(static_cast<int>(i));
        e->insert(q);
    }
    e->setCursorPosition(0);
    e->setModified(false);
    quiet.unblock();
    if (EditText() != before)
        Guard([&] { Change(); });
}

bool TMaskEdit::ValidateEdit()
{
    if (!IsMasked() || !Modified() || MaskEditTextValid(info_, EditText()))
        return true;
    ShowMessage(DialogTexts().InvalidInput);
    if (CanFocus())
    {
        QPointer<QLineEdit> e(LineEdit(this));
        QTimer::singleShot(0, HubObject(), [e] {
            if (e)
                e->setFocus();
        });
    }
    return false;
}

void TMaskEdit::DoEnter()
{
    entered_ = GetText();
    TEdit::DoEnter();
}

void TMaskEdit::DoExit()
{
    ValidateEdit();
    TEdit::DoExit();
}

void TMaskEdit::KeyDown(WORD& Key, TShiftState Shift)
{
    TEdit::KeyDown(Key, Shift);
    if (Key == VK_ESCAPE && IsMasked() && Modified())
    {
        SetText(entered_);
        Key = 0;
    }
}
