// Graphics: the canvas over a QPainter with the window library's geometry.
#include "platform/gui/GraphicsQt.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "platform/gui/Pictures.h"
#include "platform/rtl/Strings.h"

// ---- colours ---------------------------------------------------------------

namespace {

// A light scheme, fixed so that drawings are the same on every machine.
std::array<TColor, 31> sysColors = {
    RGB(200, 200, 200),   // scroll bar
    RGB(0, 0, 0),         // desktop
    RGB(153, 180, 209),   // active caption
    RGB(191, 205, 219),   // inactive caption
    RGB(240, 240, 240),   // menu
    RGB(255, 255, 255),   // window
    RGB(100, 100, 100),   // window frame
    RGB(0, 0, 0),         // menu text
    RGB(0, 0, 0),         // window text
    RGB(0, 0, 0),         // caption text
    RGB(180, 180, 180),   // active border
    RGB(244, 247, 252),   // inactive border
    RGB(171, 171, 171),   // application work space
    RGB(51, 153, 255),    // highlight
    RGB(255, 255, 255),   // highlight text
    RGB(240, 240, 240),   // button face
    RGB(160, 160, 160),   // button shadow
    RGB(109, 109, 109),   // grey text
    RGB(0, 0, 0),         // button text
    RGB(67, 78, 84),      // inactive caption text
    RGB(255, 255, 255),   // button highlight
    RGB(105, 105, 105),   // 3D dark shadow
    RGB(227, 227, 227),   // 3D light
    RGB(0, 0, 0),         // info text
    RGB(255, 255, 225),   // info background
    RGB(0, 0, 0),         // (unused)
    RGB(0, 102, 204),     // hot light
    RGB(185, 209, 234),   // gradient active caption
    RGB(215, 228, 242),   // gradient inactive caption
    RGB(51, 153, 255),    // menu highlight
    RGB(240, 240, 240),   // menu bar
};

TTextMeasurer* globalMeasurer = nullptr;

}  // namespace

bool IsSystemColor(TColor color) { return (color & 0xFF000000u) == clSystemColor; }

TColor ColorToRGB(TColor color)
{
    if (IsSystemColor(color)) {
        unsigned index = color & 0xFF;
        return index < sysColors.size() ? sysColors[index] : clBlack;
    }
    if (color == clNone || color == clDefault) return clBlack;
    return color & 0xFFFFFF;
}

void SetSysColor(int index, TColor rgb)
{
    if (index >= 0 && index < static_cast<int>(sysColors.size())) sysColors[index] = rgb & 0xFFFFFF;
}

QColor TColorToQColor(TColor color)
{
    TColor c = ColorToRGB(color);
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

TColor QColorToTColor(const QColor& color) { return RGB(color.red(), color.green(), color.blue()); }

QString AnsiToQString(const std::string& s)
{
    if (s.find('\0') == std::string::npos)
        return QString::fromStdString(Cp1252ToUtf8(s));
    QString r;
    size_t debut = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        char32_t u = 0;
        size_t fin = 0;
        if (!KeptCharAt(s, i, u, fin))
            continue;
        r += QString::fromStdString(Cp1252ToUtf8(std::string_view(s).substr(debut, i - debut)));
        r += QString::fromUcs4(&u, 1);
        debut = fin;
        i = fin - 1;
    }
    r += QString::fromStdString(Cp1252ToUtf8(std::string_view(s).substr(debut)));
    return r;
}

namespace {

// Letters whose stroke or bar no decomposition takes away.
constexpr std::pair<char32_t, char> kSansTrait[] = {
    {0x0110, 'D'}, {0x0111, 'd'}, {0x0126, 'H'}, {0x0127, 'h'}, {0x0131, 'i'}, {0x0138, 'k'}, {0x0141, 'L'},
    {0x0142, 'l'}, {0x014A, 'N'}, {0x014B, 'n'}, {0x0166, 'T'}, {0x0167, 't'}, {0x0180, 'b'}, {0x0197, 'I'},
    {0x019A, 'l'}, {0x01B5, 'Z'}, {0x01B6, 'z'}, {0x01E4, 'G'}, {0x01E5, 'g'}, {0x0237, 'j'}, {0x0268, 'i'},
    {0x2010, '-'}, {0x2011, '-'}, {0x2012, '-'}, {0x2015, '-'}, {0x2212, '-'},
};

bool Surrogat(char32_t u) { return u >= 0xD800 && u <= 0xDFFF; }

// A byte of the text: a character of Windows-1252 but the NUL that opens a
// kept character (an unassigned byte, 0x81 say, is one of the text's own).
int Octet(char32_t u) { return Surrogat(u) || u == 0 ? -1 : UnicodeToCp1252(u); }

// The Windows-1252 bytes nearest to a character the text cannot hold: its
// letters without their accents (compatibility forms decomposed), "" when
// it has none.
std::string PlusProche(char32_t u)
{
    for (const auto& [c, b] : kSansTrait)
        if (c == u)
            return std::string(1, b);
    const QString d = QString::fromUcs4(&u, 1).normalized(QString::NormalizationForm_KD);
    std::string r;
    for (char32_t x : d.toUcs4()) {
        if (QChar::isMark(x))
            continue;
        const int b = Octet(x);
        if (b < 0)
            return {};
        r += static_cast<char>(b);
    }
    return r;
}

// Calls f(code point) for each character of s; a lone surrogate is a
// character of its own (that no text holds).
template <class F>
void ParCaractere(const QString& s, F f)
{
    const qsizetype n = s.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = s[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(s[i + 1].unicode())) {
            f(QChar::surrogateToUcs4(c, s[i + 1].unicode()));
            ++i;
        } else {
            f(static_cast<char32_t>(c));
        }
    }
}

// An accent given apart from its letter (web pages, PDF files and other
// systems' file names give them so) joins it first.
QString Compose(const QString& s)
{
    for (QChar c : s)
        if (c.unicode() >= 0x300)
            return s.normalized(QString::NormalizationForm_C);
    return s;
}

bool FinLigne(char32_t u) { return u == '\n' || u == '\r' || u == 0x85 || u == 0x2028 || u == 0x2029; }

// A control character (line breaks and tabs are said by the caller).
bool Controle(char32_t u) { return u < 0x20 || (u >= 0x7F && u <= 0x9F); }

}  // namespace

std::string QStringToAnsi(const QString& s)
{
    std::string out;
    out.reserve(static_cast<size_t>(s.size()));
    ParCaractere(Compose(s), [&](char32_t u) {
        const int b = Octet(u);
        if (b >= 0)
            out += static_cast<char>(b);
        else if (Surrogat(u))
            out += '?';
        else
            AppendKeptChar(out, u);
    });
    return out;
}

QString KeptText(const QString& s, TKept kind, bool* lost)
{
    // Line breaks and control characters first: a box of one line has
    // neither, a memo keeps its lines and tabs.
    QString t;
    t.reserve(s.size());
    const QString c = kind == TKept::FileName ? s : Compose(s);
    for (qsizetype i = 0; i < c.size(); ++i) {
        const char16_t u = c[i].unicode();
        if (kind == TKept::Key || (!FinLigne(u) && u != '\t' && !Controle(u))) {
            t += c[i];
            continue;
        }
        if (u == '\r' && i + 1 < c.size() && c[i + 1] == QChar('\n'))
            ++i;
        if (FinLigne(u))
            t += kind == TKept::Lines ? QChar('\n') : QChar(' ');
        else if (u == '\t')
            t += kind == TKept::Lines ? QChar('\t') : QChar(' ');
    }
    bool perdu = false;
    if (kind != TKept::FileName) {
        bool tenu = true;
        ParCaractere(t, [&](char32_t u) { tenu = tenu && Octet(u) >= 0; });
        if (!tenu) {
            QString r;
            r.reserve(t.size());
            ParCaractere(t, [&](char32_t u) {
                if (Octet(u) >= 0) {
                    r += QString::fromUcs4(&u, 1);
                    return;
                }
                const std::string proche = Surrogat(u) ? std::string() : PlusProche(u);
                perdu = perdu || proche.empty();
                r += QString::fromStdString(Cp1252ToUtf8(proche));
            });
            t = r;
        }
    }
    if (lost)
        *lost = perdu;
    return t;
}

QRect TRectToQRect(const TRect& r) { return QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top); }
TRect QRectToTRect(const QRect& r) { return Rect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height()); }

// ---- rectangles ----------------------------------------------------------------

void InflateRect(TRect& r, int dx, int dy)
{
    r.Left -= dx;
    r.Right += dx;
    r.Top -= dy;
    r.Bottom += dy;
}

void OffsetRect(TRect& r, int dx, int dy)
{
    r.Left += dx;
    r.Right += dx;
    r.Top += dy;
    r.Bottom += dy;
}

bool IntersectRect(TRect& result, const TRect& a, const TRect& b)
{
    TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
    if (r.IsEmpty()) {
        result = TRect{};
        return false;
    }
    result = r;
    return true;
}

bool UnionRect(TRect& result, const TRect& a, const TRect& b)
{
    if (a.IsEmpty()) result = b;
    else if (b.IsEmpty()) result = a;
    else result = TRect{std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right), std::max(a.Bottom, b.Bottom)};
    if (result.IsEmpty()) {
        result = TRect{};
        return false;
    }
    return true;
}

// ---- font ----------------------------------------------------------------------

TFont::TFont(const TFont& other)
    : name_(other.name_), size_(other.size_), height_(other.height_), color_(other.color_), style_(other.style_)
{
}

TFont& TFont::operator=(const TFont& other)
{
    Assign(other);
    return *this;
}

void TFont::Assign(const TFont& other)
{
    if (this == &other) return;
    name_ = other.name_;
    size_ = other.size_;
    height_ = other.height_;
    color_ = other.color_;
    style_ = other.style_;
    Changed();
}

void TFont::SetName(const std::string& name)
{
    if (name == name_ || name.empty()) return;
    name_ = name;
    Changed();
}

int TFont::Size() const
{
    if (height_ == 0) return size_;
    int h = height_ < 0 ? -height_ : height_;
    return static_cast<int>(std::lround(h * 72.0 / PixelsPerInch));
}

void TFont::SetSize(int points)
{
    if (points == 0) points = 8;
    if (points < 0) points = -points;
    if (height_ == 0 && points == size_) return;
    size_ = points;
    height_ = 0;
    Changed();
}

int TFont::Height() const
{
    if (height_ != 0) return height_;
    return -static_cast<int>(std::lround(size_ * static_cast<double>(PixelsPerInch) / 72.0));
}

void TFont::SetHeight(int pixels)
{
    if (pixels == 0) {
        SetSize(8);
        return;
    }
    if (pixels == height_) return;
    height_ = pixels;
    Changed();
}

void TFont::SetColor(TColor color)
{
    if (color == color_) return;
    color_ = color;
    Changed();
}

void TFont::SetStyle(TFontStyles style)
{
    if (style == style_) return;
    style_ = style;
    Changed();
}

bool TFont::SameAs(const TFont& o) const
{
    return name_ == o.name_ && size_ == o.size_ && height_ == o.height_ && color_ == o.color_ && style_ == o.style_;
}

void TFont::Changed()
{
    if (OnChange) OnChange(*this);
}

QFont TFontToQFont(const TFont& font)
{
    QFont f(QString::fromStdString(Cp1252ToUtf8(font.Name())));
    if (font.HeightInPixels()) {
        int h = font.Height();
        // Positive heights count the internal leading: the character is a bit smaller.
        f.setPixelSize(std::max(1, h < 0 ? -h : h * 5 / 6));
    } else {
        f.setPointSize(std::max(1, font.Size()));
    }
    f.setBold(font.Style() & fsBold);
    f.setItalic(font.Style() & fsItalic);
    f.setUnderline(font.Style() & fsUnderline);
    f.setStrikeOut(font.Style() & fsStrikeOut);
    return f;
}

void QFontToTFont(const QFont& qfont, TFont& font)
{
    font.SetName(Utf8ToCp1252(qfont.family().toStdString()));
    if (qfont.pointSize() > 0) font.SetSize(qfont.pointSize());
    else if (qfont.pixelSize() > 0) font.SetHeight(-qfont.pixelSize());
    TFontStyles s = 0;
    if (qfont.bold()) s |= fsBold;
    if (qfont.italic()) s |= fsItalic;
    if (qfont.underline()) s |= fsUnderline;
    if (qfont.strikeOut()) s |= fsStrikeOut;
    font.SetStyle(s);
}

void SetTextMeasurer(TTextMeasurer* measurer) { globalMeasurer = measurer; }
TTextMeasurer* GetTextMeasurer() { return globalMeasurer; }

// ---- canvas --------------------------------------------------------------------

struct TCanvas::Impl
{
    QPainter* painter = nullptr;
    bool clipped = false;
    QRect clip;
};

struct CanvasAccess
{
    static QPainter* Require(const TCanvas& c) { return c.RequirePainter(); }
};

namespace {

bool IsRaster(QPainter* p)
{
    return p->paintEngine() && p->paintEngine()->type() == QPaintEngine::Raster;
}

// Pen modes map onto raster operations where the device can do them.
void SetPenMode(QPainter* p, TPenMode mode)
{
    QPainter::CompositionMode m = QPainter::CompositionMode_SourceOver;
    if (IsRaster(p)) {
        switch (mode) {
        case pmNotCopy: m = QPainter::RasterOp_NotSource; break;
        case pmXor: m = QPainter::RasterOp_SourceXorDestination; break;
        case pmNotXor: m = QPainter::RasterOp_NotSourceXorDestination; break;
        case pmNot: m = QPainter::RasterOp_NotDestination; break;
        case pmMask: m = QPainter::RasterOp_SourceAndDestination; break;
        case pmMerge: m = QPainter::RasterOp_SourceOrDestination; break;
        default: break;
        }
    }
    p->setCompositionMode(m);
}

QColor PenColor(const TPen& pen)
{
    switch (pen.Mode()) {
    case pmBlack: return Qt::black;
    case pmWhite: return Qt::white;
    default: return TColorToQColor(pen.Color());
    }
}

Qt::BrushStyle QtBrushStyle(TBrushStyle s)
{
    switch (s) {
    case bsClear: return Qt::NoBrush;
    case bsHorizontal: return Qt::HorPattern;
    case bsVertical: return Qt::VerPattern;
    case bsFDiagonal: return Qt::FDiagPattern;
    case bsBDiagonal: return Qt::BDiagPattern;
    case bsCross: return Qt::CrossPattern;
    case bsDiagCross: return Qt::DiagCrossPattern;
    default: return Qt::SolidPattern;
    }
}

QBrush ToQBrush(const TBrush& b) { return QBrush(TColorToQColor(b.Color()), QtBrushStyle(b.Style())); }

QPen ToQPen(const TPen& pen)
{
    if (pen.Style() == psClear || pen.Mode() == pmNop) return QPen(Qt::NoPen);
    QPen q(PenColor(pen));
    q.setWidth(std::max(1, pen.Width()));
    q.setJoinStyle(Qt::MiterJoin);
    q.setCapStyle(Qt::FlatCap);
    switch (pen.Style()) {
    case psDash: q.setStyle(Qt::DashLine); break;
    case psDot: q.setStyle(Qt::DotLine); break;
    case psDashDot: q.setStyle(Qt::DashDotLine); break;
    case psDashDotDot: q.setStyle(Qt::DashDotDotLine); break;
    default: q.setStyle(Qt::SolidLine); break;
    }
    return q;
}

// On/off run lengths of the one-pixel dashed pens.
std::vector<int> DashPattern(TPenStyle s)
{
    switch (s) {
    case psDash: return {18, 6};
    case psDot: return {3, 3};
    case psDashDot: return {9, 6, 3, 6};
    case psDashDotDot: return {9, 3, 3, 3, 3, 3};
    default: return {};
    }
}

// The pixels of a one-pixel line from a to b, b left out.
void LinePixels(TPoint a, TPoint b, QPolygon& out)
{
    int dx = std::abs(b.X - a.X), dy = -std::abs(b.Y - a.Y);
    int sx = a.X < b.X ? 1 : -1, sy = a.Y < b.Y ? 1 : -1;
    int err = dx + dy;
    int x = a.X, y = a.Y;
    while (!(x == b.X && y == b.Y)) {
        out.append(QPoint(x, y));
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

// Each frame (a painter may be shared with other drawing) starts from the
// canvas's own state.
void PreparePainter(QPainter* p)
{
    p->setRenderHint(QPainter::Antialiasing, false);
    p->setRenderHint(QPainter::SmoothPixmapTransform, false);
    p->setBackgroundMode(Qt::TransparentMode);
}

QRect NormRect(int l, int t, int r, int b)
{
    if (r < l) std::swap(l, r);
    if (b < t) std::swap(t, b);
    return QRect(l, t, r - l, b - t);
}

}  // namespace

TCanvas::TCanvas() : d_(std::make_unique<Impl>()) {}

TCanvas::~TCanvas() = default;

void TCanvas::AttachPainter(QPainter* painter)
{
    d_->painter = painter;
    if (painter) {
        PreparePainter(painter);
        if (d_->clipped) painter->setClipRect(d_->clip, Qt::ReplaceClip);
    }
}

void TCanvas::DetachPainter()
{
    d_->painter = nullptr;
    d_->clipped = false;
}

void TCanvas::ReleasePainter() { d_->painter = nullptr; }

QPainter* TCanvas::Painter() const { return d_->painter; }

namespace {

// Draws a one-pixel (or dashed) path of segments, each without its end pixel.
void DrawThinSegments(QPainter* p, const TPen& pen, const std::vector<TPoint>& pts)
{
    QPolygon pix;
    for (size_t i = 1; i < pts.size(); ++i) LinePixels(pts[i - 1], pts[i], pix);
    std::vector<int> pattern = DashPattern(pen.Style());
    if (!pattern.empty()) {
        QPolygon kept;
        size_t seg = 0;
        int left = pattern[0];
        for (const QPoint& q : pix) {
            if (seg % 2 == 0) kept.append(q);
            if (--left == 0) {
                seg = (seg + 1) % pattern.size();
                left = pattern[seg];
            }
        }
        pix = kept;
    }
    if (pix.isEmpty()) return;
    QPen q(PenColor(pen));
    q.setWidth(1);
    q.setCapStyle(Qt::SquareCap);
    p->setPen(q);
    SetPenMode(p, pen.Mode());
    p->drawPoints(pix);
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void DrawSegments(QPainter* p, const TPen& pen, const std::vector<TPoint>& pts)
{
    if (pts.size() < 2 || pen.Style() == psClear || pen.Mode() == pmNop) return;
    if (pen.Width() <= 1) {
        DrawThinSegments(p, pen, pts);
        return;
    }
    QPolygon poly;
    for (auto& pt : pts) poly.append(QPoint(pt.X, pt.Y));
    p->setPen(ToQPen(pen));
    p->setBrush(Qt::NoBrush);
    SetPenMode(p, pen.Mode());
    p->drawPolyline(poly);
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

}  // namespace

void TCanvas::LineTo(int x, int y)
{
    TPoint from = penPos_;
    penPos_ = {x, y};
    QPainter* p = RequirePainter();
    if (!p) return;
    DrawSegments(p, Pen, {from, penPos_});
}

void TCanvas::Polyline(const std::vector<TPoint>& points)
{
    if (points.empty()) return;
    QPainter* p = RequirePainter();
    if (p) DrawSegments(p, Pen, points);
}

void TCanvas::Polygon(const std::vector<TPoint>& points)
{
    QPainter* p = RequirePainter();
    if (!p || points.size() < 2) return;
    QPolygon poly;
    for (auto& pt : points) poly.append(QPoint(pt.X, pt.Y));
    if (Brush.Style() != bsClear) {
        p->setPen(Qt::NoPen);
        p->setBrush(ToQBrush(Brush));
        p->drawPolygon(poly, Qt::OddEvenFill);
    }
    std::vector<TPoint> closed = points;
    closed.push_back(points.front());
    DrawSegments(p, Pen, closed);
}

void TCanvas::Rectangle(int left, int top, int right, int bottom)
{
    QPainter* p = RequirePainter();
    if (!p) return;
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    bool noPen = Pen.Style() == psClear || Pen.Mode() == pmNop;
    if (noPen) {
        // Without a pen the filled area is one pixel smaller each way.
        if (Brush.Style() != bsClear) p->fillRect(QRect(left, top, right - left - 1, bottom - top - 1), ToQBrush(Brush));
        return;
    }
    int w = std::max(1, Pen.Width());
    int inner = w / 2;
    if (Brush.Style() != bsClear)
        p->fillRect(QRect(left + 1, top + 1, right - left - 2, bottom - top - 2), ToQBrush(Brush));
    if (w <= 1) {
        DrawSegments(p, Pen, {{left, top}, {right - 1, top}, {right - 1, bottom - 1}, {left, bottom - 1}, {left, top}});
        if (right - left == 1 || bottom - top == 1) DrawSegments(p, Pen, {{right - 1, bottom - 1}, {right, bottom}});
        return;
    }
    // A wide pen is centred on the outline (inside it for psInsideFrame).
    QRect outer = Pen.Style() == psInsideFrame
                      ? QRect(left, top, right - left, bottom - top)
                      : QRect(left - inner, top - inner, right - left + w - 1, bottom - top + w - 1);
    QColor c = PenColor(Pen);
    SetPenMode(p, Pen.Mode());
    p->fillRect(QRect(outer.left(), outer.top(), outer.width(), w), c);
    p->fillRect(QRect(outer.left(), outer.bottom() - w + 1, outer.width(), w), c);
    p->fillRect(QRect(outer.left(), outer.top(), w, outer.height()), c);
    p->fillRect(QRect(outer.right() - w + 1, outer.top(), w, outer.height()), c);
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int ew, int eh)
{
    QPainter* p = RequirePainter();
    if (!p) return;
    p->setPen(ToQPen(Pen));
    p->setBrush(Brush.Style() == bsClear ? QBrush(Qt::NoBrush) : ToQBrush(Brush));
    QRect r = NormRect(left, top, right - 1, bottom - 1);
    p->drawRoundedRect(r, ew / 2.0, eh / 2.0, Qt::AbsoluteSize);
}

void TCanvas::Ellipse(int left, int top, int right, int bottom)
{
    QPainter* p = RequirePainter();
    if (!p) return;
    p->setPen(ToQPen(Pen));
    p->setBrush(Brush.Style() == bsClear ? QBrush(Qt::NoBrush) : ToQBrush(Brush));
    p->drawEllipse(NormRect(left, top, right - 1, bottom - 1));
}

void TCanvas::FillRect(const TRect& r)
{
    QPainter* p = RequirePainter();
    if (!p || Brush.Style() == bsClear) return;
    p->fillRect(NormRect(r.Left, r.Top, r.Right, r.Bottom), ToQBrush(Brush));
}

void TCanvas::GradientFill(const TRect& r, TColor from, TColor to, bool vertical)
{
    QPainter* p = RequirePainter();
    const QRect q = NormRect(r.Left, r.Top, r.Right, r.Bottom);
    if (!p || q.isEmpty()) return;
    QLinearGradient g(vertical ? QPointF(q.left(), q.bottom() + 1) : QPointF(q.left(), q.top()),
                      vertical ? QPointF(q.left(), q.top()) : QPointF(q.right() + 1, q.top()));
    g.setColorAt(0, TColorToQColor(from));
    g.setColorAt(1, TColorToQColor(to));
    p->fillRect(q, QBrush(g));
}

bool TCanvas::VectorDevice() const
{
    QPainter* p = RequirePainter();
    if (!p || !p->paintEngine()) return false;
    const QPaintEngine::Type t = p->paintEngine()->type();
    return t == QPaintEngine::Pdf || t == QPaintEngine::Picture || t == QPaintEngine::SVG ||
           p->device()->devType() == QInternal::Printer;
}

void TCanvas::FrameRect(const TRect& r)
{
    QPainter* p = RequirePainter();
    if (!p || Brush.Style() == bsClear || r.IsEmpty()) return;
    QColor c = TColorToQColor(Brush.Color());
    p->fillRect(QRect(r.Left, r.Top, r.Width(), 1), c);
    p->fillRect(QRect(r.Left, r.Bottom - 1, r.Width(), 1), c);
    p->fillRect(QRect(r.Left, r.Top, 1, r.Height()), c);
    p->fillRect(QRect(r.Right - 1, r.Top, 1, r.Height()), c);
}

void TCanvas::DrawFocusRect(const TRect& r)
{
    QPainter* p = RequirePainter();
    if (!p || r.IsEmpty()) return;
    // Every other pixel of the outline, in a checkerboard.
    QPolygon pts;
    auto add = [&](int x, int y) {
        if (((x + y) & 1) == 0) pts.append(QPoint(x, y));
    };
    for (int x = r.Left; x < r.Right; ++x) {
        add(x, r.Top);
        if (r.Bottom - 1 > r.Top) add(x, r.Bottom - 1);
    }
    for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
        add(r.Left, y);
        if (r.Right - 1 > r.Left) add(r.Right - 1, y);
    }
    bool raster = IsRaster(p);
    QPen q(raster ? QColor(Qt::white) : QColor(Qt::black));
    q.setWidth(1);
    q.setCapStyle(Qt::SquareCap);
    p->setPen(q);
    if (raster) p->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p->drawPoints(pts);
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

TColor TCanvas::Pixels(int x, int y) const
{
    QPainter* p = RequirePainter();
    if (!p || !p->device() || p->device()->devType() != QInternal::Image) return clNone;
    const QImage* img = static_cast<const QImage*>(p->device());
    QPoint d = p->transform().map(QPoint(x, y));
    if (!img->valid(d)) return clNone;
    return QRgbToTColor(img->pixel(d));
}

void TCanvas::SetPixels(int x, int y, TColor color)
{
    QPainter* p = RequirePainter();
    if (!p) return;
    p->fillRect(QRect(x, y, 1, 1), TColorToQColor(color));
}

namespace {

int FallbackWidth(const TFont& font, const std::string& text)
{
    int px = font.HeightInPixels() ? std::abs(font.Height()) : font.Size() * 96 / 72;
    return static_cast<int>(text.size()) * std::max(1, px * 6 / 10);
}

int FallbackHeight(const TFont& font)
{
    int px = font.HeightInPixels() ? std::abs(font.Height()) : font.Size() * 96 / 72;
    return px * 12 / 10 + 1;
}

bool HaveFonts() { return QGuiApplication::instance() != nullptr; }

}  // namespace

int TCanvas::TextWidth(const std::string& text) const
{
    TTextMeasurer* m = measurer_ ? measurer_ : globalMeasurer;
    if (m) return m->TextWidth(Font, text);
    QPainter* p = RequirePainter();
    if (!HaveFonts()) return FallbackWidth(Font, text);
    QFontMetrics fm = p && p->device() ? QFontMetrics(TFontToQFont(Font), p->device()) : QFontMetrics(TFontToQFont(Font));
    return fm.horizontalAdvance(AnsiToQString(text));
}

int TCanvas::TextHeight(const std::string& text) const
{
    TTextMeasurer* m = measurer_ ? measurer_ : globalMeasurer;
    if (m) return m->TextHeight(Font, text);
    QPainter* p = RequirePainter();
    if (!HaveFonts()) return FallbackHeight(Font);
    QFontMetrics fm = p && p->device() ? QFontMetrics(TFontToQFont(Font), p->device()) : QFontMetrics(TFontToQFont(Font));
    return fm.height();
}

namespace {

// Draws one line of text with its cell's top-left at (x, y); the cell is filled
// first with the brush unless it is clear. Answers the cell's width.
int DrawTextCell(QPainter* p, const TCanvas& c, int x, int y, const std::string& text)
{
    QFont f = TFontToQFont(c.Font);
    p->setFont(f);
    QFontMetrics fm(f, p->device());
    QString s = AnsiToQString(text);
    int w = fm.horizontalAdvance(s);
    if (c.Brush.Style() != bsClear && w > 0) p->fillRect(QRect(x, y, w, fm.height()), TColorToQColor(c.Brush.Color()));
    p->setPen(TColorToQColor(c.Font.Color()));
    p->drawText(QPoint(x, y + fm.ascent()), s);
    return w;
}

}  // namespace

void TCanvas::TextOut(int x, int y, const std::string& text)
{
    QPainter* p = RequirePainter();
    if (!p) {
        penPos_ = {x + TextWidth(text), y};
        return;
    }
    DrawTextCell(p, *this, x, y, text);
    penPos_ = {x + TextWidth(text), y};
}

void TCanvas::TextRect(const TRect& r, int x, int y, const std::string& text)
{
    QPainter* p = RequirePainter();
    if (!p) return;
    p->save();
    QRect qr = NormRect(r.Left, r.Top, r.Right, r.Bottom);
    p->setClipRect(qr, Qt::IntersectClip);
    if (Brush.Style() != bsClear) p->fillRect(qr, ToQBrush(Brush));
    TBrushStyle keep = Brush.Style();
    // The rectangle is filled already: the text itself goes on transparently.
    Brush.SetStyle(bsClear);
    DrawTextCell(p, *this, x, y, text);
    if (keep != bsClear) Brush.SetStyle(keep);
    p->restore();
}

void TCanvas::TextRect(TRect& r, const std::string& text, TTextFormat format)
{
    // Lines: on line breaks, then on blanks when words wrap.
    std::vector<std::string> paragraphs;
    if (format & tfSingleLine) {
        std::string s;
        for (char ch : text)
            if (ch != '\r' && ch != '\n') s += ch;
        paragraphs.push_back(s);
    } else {
        std::string cur;
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\r') continue;
            if (text[i] == '\n') {
                paragraphs.push_back(cur);
                cur.clear();
            } else {
                cur += text[i];
            }
        }
        paragraphs.push_back(cur);
    }
    int maxW = r.Width();
    std::vector<std::string> lines;
    for (const std::string& para : paragraphs) {
        if (!(format & tfWordBreak) || (format & tfSingleLine) || TextWidth(para) <= maxW) {
            lines.push_back(para);
            continue;
        }
        std::string line;
        size_t i = 0;
        while (i < para.size()) {
            size_t j = para.find(' ', i);
            std::string word = para.substr(i, j == std::string::npos ? std::string::npos : j - i);
            std::string trial = line.empty() ? word : line + " " + word;
            if (!line.empty() && TextWidth(trial) > maxW) {
                lines.push_back(line);
                line = word;
            } else {
                line = trial;
            }
            if (j == std::string::npos) break;
            i = j + 1;
        }
        lines.push_back(line);
    }
    if ((format & tfEndEllipsis) && maxW > 0) {
        for (std::string& line : lines) {
            if (TextWidth(line) <= maxW) continue;
            while (!line.empty() && TextWidth(line + "...") > maxW) line.pop_back();
            line += "...";
        }
    }
    int lineH = TextHeight("Wg");
    int totalH = lineH * static_cast<int>(lines.size());
    if (format & tfCalcRect) {
        int w = 0;
        for (auto& l : lines) w = std::max(w, TextWidth(l));
        r.Right = r.Left + w;
        r.Bottom = r.Top + totalH;
        return;
    }
    QPainter* p = RequirePainter();
    if (!p) return;
    p->save();
    if (!(format & tfNoClip)) p->setClipRect(NormRect(r.Left, r.Top, r.Right, r.Bottom), Qt::IntersectClip);
    int y = r.Top;
    if (format & tfVerticalCenter) y = r.Top + (r.Height() - totalH) / 2;
    else if (format & tfBottom) y = r.Bottom - totalH;
    for (const std::string& line : lines) {
        int w = TextWidth(line);
        int x = r.Left;
        if (format & tfCenter) x = r.Left + (r.Width() - w) / 2;
        else if (format & tfRight) x = r.Right - w;
        DrawTextCell(p, *this, x, y, line);
        y += lineH;
    }
    p->restore();
}

// ---- pictures ----------------------------------------------------------------

void TCanvas::Draw(int x, int y, const TGraphic& graphic)
{
    if (graphic.Empty()) return;
    graphic.Draw(*this, Bounds(x, y, graphic.Width(), graphic.Height()));
}

void TCanvas::StretchDraw(const TRect& r, const TGraphic& graphic)
{
    if (graphic.Empty()) return;
    graphic.Draw(*this, r);
}

const QImage* CanvasImage(TCanvas& canvas)
{
    QPainter* p = CanvasAccess::Require(canvas);
    if (!p || !p->device() || p->device()->devType() != QInternal::Image) return nullptr;
    return static_cast<const QImage*>(p->device());
}

namespace {

QPainter::CompositionMode CopyComposition(TCopyMode m)
{
    switch (m) {
    case cmSrcAnd: return QPainter::RasterOp_SourceAndDestination;
    case cmSrcPaint: return QPainter::RasterOp_SourceOrDestination;
    case cmSrcInvert: return QPainter::RasterOp_SourceXorDestination;
    case cmSrcErase: return QPainter::RasterOp_SourceAndNotDestination;
    case cmNotSrcCopy: return QPainter::RasterOp_NotSource;
    case cmNotSrcErase: return QPainter::RasterOp_NotSourceAndNotDestination;
    case cmMergePaint: return QPainter::RasterOp_NotSourceOrDestination;
    default: return QPainter::CompositionMode_SourceOver;
    }
}

// Pixels of the key colour become transparent; the others opaque.
QImage KeyedImage(const QImage& src, TColor key)
{
    QImage img = src.convertToFormat(QImage::Format_ARGB32);
    QRgb k = TColorToQRgb(key) & 0xFFFFFF;
    for (int y = 0; y < img.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            line[x] = (line[x] & 0xFFFFFF) == k ? 0 : (line[x] | 0xFF000000u);
    }
    return img;
}

}  // namespace

void CanvasDrawQImage(TCanvas& canvas, const TRect& dest, const QImage& image, bool useAlpha, TColor transparentColor)
{
    QPainter* p = CanvasAccess::Require(canvas);
    if (!p || dest.Left == dest.Right || dest.Top == dest.Bottom) return;
    QRect target = NormRect(dest.Left, dest.Top, dest.Right, dest.Bottom);
    bool raster = IsRaster(p);
    TCopyMode mode = canvas.CopyMode();
    if (transparentColor != clNone) {
        p->drawImage(target, KeyedImage(image, transparentColor));
        return;
    }
    if (useAlpha && image.hasAlphaChannel()) {
        p->drawImage(target, image);
        return;
    }
    QImage opaque = image.hasAlphaChannel() ? image.convertToFormat(QImage::Format_RGB32) : image;
    switch (mode) {
    case cmPatCopy:
        p->fillRect(target, ToQBrush(canvas.Brush));
        return;
    case cmBlackness:
        p->fillRect(target, Qt::black);
        return;
    case cmWhiteness:
        p->fillRect(target, Qt::white);
        return;
    case cmDstInvert:
        if (raster) {
            p->setCompositionMode(QPainter::RasterOp_NotDestination);
            p->fillRect(target, Qt::white);
            p->setCompositionMode(QPainter::CompositionMode_SourceOver);
        }
        return;
    case cmMergeCopy: {
        QImage m = opaque.convertToFormat(QImage::Format_RGB32);
        QRgb b = TColorToQRgb(canvas.Brush.Color());
        for (int y = 0; y < m.height(); ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(m.scanLine(y));
            for (int x = 0; x < m.width(); ++x) line[x] &= b;
        }
        p->drawImage(target, m);
        return;
    }
    case cmSrcCopy:
        p->drawImage(target, opaque);
        return;
    default:
        break;
    }
    if (!raster) {
        // A printer cannot mix: AND of a picture on white paper leaves its white out.
        if (mode == cmSrcAnd) p->drawImage(target, KeyedImage(opaque, clWhite));
        else p->drawImage(target, opaque);
        return;
    }
    p->setCompositionMode(CopyComposition(mode));
    p->drawImage(target, opaque.convertToFormat(QImage::Format_RGB32));
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TCanvas::DrawImage32(const TRect& dest, const uint32_t* pixels, int srcWidth, int srcHeight, int stride,
                          bool useAlpha, TColor transparentColor)
{
    if (!pixels || srcWidth <= 0 || srcHeight <= 0) return;
    if (stride <= 0) stride = srcWidth;
    QImage img(reinterpret_cast<const uchar*>(pixels), srcWidth, srcHeight, stride * 4,
               useAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    CanvasDrawQImage(*this, dest, img, useAlpha, transparentColor);
}

void TCanvas::CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect)
{
    const QImage* src = CanvasImage(source);
    if (!src) return;
    QImage part = src->copy(NormRect(sourceRect.Left, sourceRect.Top, sourceRect.Right, sourceRect.Bottom));
    if (sourceRect.Right < sourceRect.Left || sourceRect.Bottom < sourceRect.Top)
        part = part.mirrored(sourceRect.Right < sourceRect.Left, sourceRect.Bottom < sourceRect.Top);
    CanvasDrawQImage(*this, dest, part, false, clNone);
}

// ---- clipping --------------------------------------------------------------------

TRect TCanvas::ClipRect() const
{
    if (d_->clipped) return QRectToTRect(d_->clip);
    QPainter* p = RequirePainter();
    if (p && p->hasClipping()) return QRectToTRect(p->clipBoundingRect().toAlignedRect());
    return Rect(0, 0, DeviceWidth(), DeviceHeight());
}

void TCanvas::SetClipRect(const TRect& r)
{
    d_->clipped = true;
    d_->clip = NormRect(r.Left, r.Top, r.Right, r.Bottom);
    if (QPainter* p = RequirePainter()) p->setClipRect(d_->clip, Qt::ReplaceClip);
}

void TCanvas::IntersectClipRect(const TRect& r)
{
    QRect q = NormRect(r.Left, r.Top, r.Right, r.Bottom);
    if (d_->clipped) q = q.intersected(d_->clip);
    else if (QPainter* p = Painter(); p && p->hasClipping()) q = q.intersected(p->clipBoundingRect().toAlignedRect());
    SetClipRect(QRectToTRect(q));
}

void TCanvas::ResetClip()
{
    d_->clipped = false;
    if (QPainter* p = Painter()) p->setClipping(false);
}

bool TCanvas::Clipped() const { return d_->clipped; }

int TCanvas::DeviceWidth() const
{
    QPainter* p = RequirePainter();
    return p && p->device() ? p->device()->width() : 0;
}

int TCanvas::DeviceHeight() const
{
    QPainter* p = RequirePainter();
    return p && p->device() ? p->device()->height() : 0;
}
