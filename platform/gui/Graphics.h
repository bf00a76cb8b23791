// Graphics: colours, fonts, pens, brushes, rectangles and the canvas every
// window, picture and printer draws with.
//
// Geometry is the window library's, not Qt's:
//   - a rectangle (Left, Top, Right, Bottom) covers the pixels Left..Right-1 and
//     Top..Bottom-1: Rectangle, FillRect, FrameRect and Ellipse leave out the
//     right column and the bottom row;
//   - LineTo draws from the pen position to the point but leaves out the end
//     pixel, then moves the pen there;
//   - TextOut places the text by the top-left corner of its cell; unless the
//     brush is clear, the cell is first filled with the brush colour;
//   - antialiasing is off, so one-pixel geometry stays exact.
//
// This header is free of Qt: everything Qt sits behind pointers (a canvas is
// attached to a QPainter that the caller owns, or draws on a TBitmap's image).
// Code of the window layer that needs the Qt side includes GraphicsQt.h.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QPainter;
class TGraphic;
class TBitmap;

// ---- colours ---------------------------------------------------------------
// 0x00BBGGRR: red in the low byte. System colours are 0x80000000 | index and
// resolve through ColorToRGB (a fixed, light scheme, the same on every machine).
using TColor = uint32_t;

constexpr TColor RGB(int r, int g, int b)
{
    return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(TColor c) { return static_cast<int>(c & 0xFF); }
constexpr int GetGValue(TColor c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int GetBValue(TColor c) { return static_cast<int>((c >> 16) & 0xFF); }

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clLtGray = clSilver;
constexpr TColor clDkGray = clGray;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;
constexpr TColor clNone = 0x1FFFFFFF;      // no colour (transparent)
constexpr TColor clDefault = 0x20000000;   // the control's default

constexpr TColor clSystemColor = 0x80000000;
constexpr TColor clScrollBar = clSystemColor | 0;
constexpr TColor clBackground = clSystemColor | 1;
constexpr TColor clActiveCaption = clSystemColor | 2;
constexpr TColor clInactiveCaption = clSystemColor | 3;
constexpr TColor clMenu = clSystemColor | 4;
constexpr TColor clWindow = clSystemColor | 5;
constexpr TColor clWindowFrame = clSystemColor | 6;
constexpr TColor clMenuText = clSystemColor | 7;
constexpr TColor clWindowText = clSystemColor | 8;
constexpr TColor clCaptionText = clSystemColor | 9;
constexpr TColor clActiveBorder = clSystemColor | 10;
constexpr TColor clInactiveBorder = clSystemColor | 11;
constexpr TColor clAppWorkSpace = clSystemColor | 12;
constexpr TColor clHighlight = clSystemColor | 13;
constexpr TColor clHighlightText = clSystemColor | 14;
constexpr TColor clBtnFace = clSystemColor | 15;
constexpr TColor clBtnShadow = clSystemColor | 16;
constexpr TColor clGrayText = clSystemColor | 17;
constexpr TColor clBtnText = clSystemColor | 18;
constexpr TColor clInactiveCaptionText = clSystemColor | 19;
constexpr TColor clBtnHighlight = clSystemColor | 20;
constexpr TColor cl3DDkShadow = clSystemColor | 21;
constexpr TColor cl3DLight = clSystemColor | 22;
constexpr TColor clInfoText = clSystemColor | 23;
constexpr TColor clInfoBk = clSystemColor | 24;
constexpr TColor clHotLight = clSystemColor | 26;
constexpr TColor clGradientActiveCaption = clSystemColor | 27;
constexpr TColor clGradientInactiveCaption = clSystemColor | 28;
constexpr TColor clMenuHighlight = clSystemColor | 29;
constexpr TColor clMenuBar = clSystemColor | 30;

// Plain 0x00BBGGRR for any colour; a system colour gives its current value,
// clNone and clDefault give black. Bits above the low 24 are dropped.
TColor ColorToRGB(TColor color);
bool IsSystemColor(TColor color);
// Changes the value a system colour stands for (index 0..30).
void SetSysColor(int index, TColor rgb);

// ---- points and rectangles ---------------------------------------------------
struct TPoint
{
    int X = 0;
    int Y = 0;
    bool operator==(const TPoint&) const = default;
};

struct TRect
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    TPoint TopLeft() const { return {Left, Top}; }
    TPoint BottomRight() const { return {Right, Bottom}; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    // Right and Bottom are outside, as everywhere.
    bool Contains(TPoint p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
    bool operator==(const TRect&) const = default;
};

constexpr TPoint Point(int x, int y) { return {x, y}; }
constexpr TRect Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }
constexpr TRect Bounds(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }
inline bool PtInRect(const TRect& r, TPoint p) { return r.Contains(p); }
void InflateRect(TRect& r, int dx, int dy);
void OffsetRect(TRect& r, int dx, int dy);
// Intersection (empty rectangle 0,0,0,0 and false when they do not meet).
bool IntersectRect(TRect& result, const TRect& a, const TRect& b);
bool UnionRect(TRect& result, const TRect& a, const TRect& b);

// ---- font, pen, brush ----------------------------------------------------------
enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;   // fsBold | fsUnderline; 0 = plain

// A font. Size is in points (so a printer canvas prints it at its size on
// paper); Height is in pixels of the device, negative = character height
// without the internal leading, as the library has it. Setting one replaces the
// other: Size 8 reads as Height -11 (96 pixels per inch).
class TFont
{
public:
    static constexpr int PixelsPerInch = 96;

    TFont() = default;
    TFont(const TFont& other);               // copies the values, not OnChange
    TFont& operator=(const TFont& other);    // = Assign
    void Assign(const TFont& other);         // copies every value, then Changed()

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    int Size() const;
    void SetSize(int points);
    int Height() const;
    void SetHeight(int pixels);
    bool HeightInPixels() const { return height_ != 0; }
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);
    bool Bold() const { return style_ & fsBold; }

    bool SameAs(const TFont& other) const;   // every value equal
    std::function<void(TFont&)> OnChange;    // after any value changed
    void Changed();

private:
    std::string name_ = "Tahoma";
    int size_ = 8;
    int height_ = 0;   // != 0: set by Height
    TColor color_ = clWindowText;
    TFontStyles style_ = 0;
};

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
// Mix of the pen with what is below (raster engines; other devices copy).
enum TPenMode { pmCopy, pmNotCopy, pmXor, pmNotXor, pmNot, pmMask, pmMerge, pmBlack, pmWhite, pmNop };

class TPen
{
public:
    TColor Color() const { return color_; }
    void SetColor(TColor c) { if (c != color_) { color_ = c; Changed(); } }
    int Width() const { return width_; }
    void SetWidth(int w) { if (w < 0) w = 0; if (w != width_) { width_ = w; Changed(); } }
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle s) { if (s != style_) { style_ = s; Changed(); } }
    TPenMode Mode() const { return mode_; }
    void SetMode(TPenMode m) { if (m != mode_) { mode_ = m; Changed(); } }
    void Assign(const TPen& o) { color_ = o.color_; width_ = o.width_; style_ = o.style_; mode_ = o.mode_; Changed(); }
    std::function<void(TPen&)> OnChange;
    void Changed() { if (OnChange) OnChange(*this); }

private:
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = psSolid;
    TPenMode mode_ = pmCopy;
};

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

class TBrush
{
public:
    TColor Color() const { return color_; }
    // Setting a colour on a clear brush makes it solid, as the library does.
    void SetColor(TColor c) { if (c != color_ || style_ == bsClear) { color_ = c; if (style_ == bsClear) style_ = bsSolid; Changed(); } }
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle s) { if (s != style_) { style_ = s; Changed(); } }
    void Assign(const TBrush& o) { color_ = o.color_; style_ = o.style_; Changed(); }
    std::function<void(TBrush&)> OnChange;
    void Changed() { if (OnChange) OnChange(*this); }

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
};

// ---- text measurement seam -------------------------------------------------------
// Every TextWidth/TextHeight of a canvas goes through a measurer. By default it is
// the real font metrics of the canvas's device (or of the screen when the canvas
// has none). Layout code is tested with fixed metrics by installing a
// TFixedTextMeasurer, for all canvases (SetTextMeasurer) or one (TCanvas::SetMeasurer).
class TTextMeasurer
{
public:
    virtual ~TTextMeasurer() = default;
    virtual int TextWidth(const TFont& font, const std::string& text) = 0;
    virtual int TextHeight(const TFont& font, const std::string& text) = 0;
};

// Every character CharWidth pixels wide (bold adds BoldExtra), every line LineHeight high.
class TFixedTextMeasurer : public TTextMeasurer
{
public:
    TFixedTextMeasurer(int charWidth = 6, int lineHeight = 13) : CharWidth(charWidth), LineHeight(lineHeight) {}
    int TextWidth(const TFont& font, const std::string& text) override
    {
        return static_cast<int>(text.size()) * (CharWidth + (font.Bold() ? BoldExtra : 0));
    }
    int TextHeight(const TFont&, const std::string&) override { return LineHeight; }
    int CharWidth;
    int LineHeight;
    int BoldExtra = 0;
};

// nullptr restores the real metrics. The measurer is not owned.
void SetTextMeasurer(TTextMeasurer* measurer);
TTextMeasurer* GetTextMeasurer();

// ---- canvas ------------------------------------------------------------------------
// How CopyRect, Draw and StretchDraw of an opaque picture mix the source with
// what is below. Raster devices (bitmaps, windows) do every mode; on a printer
// cmSrcAnd draws the picture with its white left out and the others copy.
enum TCopyMode {
    cmSrcCopy,       // source
    cmSrcAnd,        // source AND destination
    cmSrcPaint,      // source OR destination
    cmSrcInvert,     // source XOR destination
    cmSrcErase,      // source AND NOT destination
    cmNotSrcCopy,    // NOT source
    cmNotSrcErase,   // NOT (source OR destination)
    cmMergePaint,    // NOT source OR destination
    cmMergeCopy,     // source AND brush colour
    cmPatCopy,       // brush colour
    cmDstInvert,     // NOT destination
    cmBlackness,
    cmWhiteness,
};

// TextRect formats (combine one horizontal, one vertical and the others).
enum TTextFormatFlag : unsigned {
    tfLeft = 0, tfCenter = 1, tfRight = 2,
    tfTop = 0, tfVerticalCenter = 4, tfBottom = 8,
    tfSingleLine = 0x20, tfWordBreak = 0x10, tfEndEllipsis = 0x8000,
    tfNoClip = 0x100, tfCalcRect = 0x400,
};
using TTextFormat = unsigned;

class TCanvas
{
public:
    TCanvas();
    virtual ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // Draws through a painter the caller owns (a window's paint event, a
    // printer page). The canvas sets antialiasing off; Detach before the painter
    // ends. A canvas with no painter ignores drawing and measures with the
    // screen's metrics.
    void AttachPainter(QPainter* painter);
    void DetachPainter();
    QPainter* Painter() const;
    bool HandleAllocated() const { return Painter() != nullptr; }

    TFont Font;
    TPen Pen;
    TBrush Brush;
    TCopyMode CopyMode() const { return copyMode_; }
    void SetCopyMode(TCopyMode m) { copyMode_ = m; }

    TPoint PenPos() const { return penPos_; }
    void SetPenPos(TPoint p) { penPos_ = p; }
    void MoveTo(int x, int y) { penPos_ = {x, y}; }
    void LineTo(int x, int y);                        // end pixel left out
    void Polyline(const std::vector<TPoint>& points); // last point left out
    void Polygon(const std::vector<TPoint>& points);  // filled with the brush, outlined with the pen
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
    void Ellipse(int left, int top, int right, int bottom);
    void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
    void FillRect(const TRect& r);                    // brush, no outline
    // Fills r with a linear gradient: from `from` at the left edge to `to` at
    // the right one, or, vertical, from `from` at the bottom to `to` at the top.
    // One shape on the device, whatever its size.
    void GradientFill(const TRect& r, TColor from, TColor to, bool vertical);
    // The device keeps shapes rather than pixels (a printer, a PDF file): a
    // shape drawn there as a run of one-pixel lines is as many objects.
    bool VectorDevice() const;
    void FrameRect(const TRect& r);                   // one-pixel frame in the brush colour
    void DrawFocusRect(const TRect& r);               // dotted; inverts on raster devices (twice removes it)

    TColor Pixels(int x, int y) const;                // clNone where it cannot be read
    void SetPixels(int x, int y, TColor color);

    void TextOut(int x, int y, const std::string& text);          // moves the pen to the text's end
    void TextRect(const TRect& r, int x, int y, const std::string& text);   // clipped to r
    // Lays the text in r by format; with tfCalcRect it only measures: r gets the
    // size the text needs (Right/Bottom moved) and nothing is drawn.
    void TextRect(TRect& r, const std::string& text, TTextFormat format);
    int TextWidth(const std::string& text) const;
    int TextHeight(const std::string& text) const;
    TPoint TextExtent(const std::string& text) const { return {TextWidth(text), TextHeight(text)}; }
    void SetMeasurer(TTextMeasurer* measurer) { measurer_ = measurer; }   // not owned; nullptr = default

    // Pictures: Draw places the picture at (x, y) at its size, StretchDraw fills
    // the rectangle. Transparent pictures leave their transparent colour or
    // alpha out; opaque ones mix by CopyMode.
    void Draw(int x, int y, const TGraphic& graphic);
    void StretchDraw(const TRect& r, const TGraphic& graphic);
    // Copies source's rectangle into dest (stretching) by CopyMode. The source
    // must be a canvas over an image (a TBitmap's canvas, or a painter on an image).
    void CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect);

    // For picture formats of the program that hold their own pixels (codecs/):
    // draws srcWidth x srcHeight pixels stretched into dest. pixels holds
    // srcHeight rows of 32-bit values 0xAARRGGBB (alpha in the high byte, not
    // premultiplied), each row `stride` values after the previous (0: srcWidth).
    // useAlpha: the alpha byte is honoured (otherwise every pixel is opaque).
    // transparentColor (a TColor, clNone = none): pixels of that colour are
    // left out. With neither, the picture mixes by CopyMode.
    void DrawImage32(const TRect& dest, const uint32_t* pixels, int srcWidth, int srcHeight,
                     int stride = 0, bool useAlpha = true, TColor transparentColor = clNone);

    // Clipping: drawing stays inside ClipRect (the whole device when none).
    TRect ClipRect() const;
    void SetClipRect(const TRect& r);        // replaces the clip
    void IntersectClipRect(const TRect& r);  // narrows it
    void ResetClip();
    bool Clipped() const;

    // Size of the device drawn on (0, 0 with none).
    int DeviceWidth() const;
    int DeviceHeight() const;

protected:
    // A canvas that opens its painter only when it draws (a bitmap's canvas)
    // overrides this and attaches the painter it opens.
    virtual QPainter* RequirePainter() const { return Painter(); }
    // Detaches without forgetting the clip (a bitmap canvas closing its painter).
    void ReleasePainter();

private:
    friend struct CanvasAccess;
    struct Impl;
    std::unique_ptr<Impl> d_;
    TCopyMode copyMode_ = cmSrcCopy;
    TPoint penPos_;
    TTextMeasurer* measurer_ = nullptr;
};
