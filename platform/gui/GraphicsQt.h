// The Qt side of Graphics.h, for the window layer's own .cpp files only (it
// includes Qt): colour, font and text conversions, and the image behind a bitmap.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

#include "platform/gui/Graphics.h"

// Colours (system colours resolved; alpha 255).
QColor TColorToQColor(TColor color);
TColor QColorToTColor(const QColor& color);
// 0xAARRGGBB (alpha 255) <-> TColor.
inline TColor QRgbToTColor(QRgb rgb) { return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb)); }
inline QRgb TColorToQRgb(TColor c) { c = ColorToRGB(c); return qRgb(GetRValue(c), GetGValue(c), GetBValue(c)); }

// The QFont that draws a TFont (the colour is not part of it). pixelsPerInch
// only matters for fonts given by Height (device pixels).
QFont TFontToQFont(const TFont& font);
// Reads name, size and style back from a QFont (colour left as it is).
void QFontToTFont(const QFont& qfont, TFont& font);

// Text crosses between Qt and the program here only: the program's text is
// Windows-1252, and the two conversions are each other's inverse. A character
// Windows-1252 cannot hold (in a file name the system gives, a printer's
// name) stays in the text as a sequence only these conversions read, so the
// windows show it as it is; an accent given apart from its letter joins it
// first (NFC).
QString AnsiToQString(const std::string& s);
std::string QStringToAnsi(const QString& s);
// What the program keeps of a text a user types, pastes or drops, in Qt's
// form: an accent apart joins its letter; a character Windows-1252 cannot
// hold becomes its nearest kept letters (ş s, Ł L, ﬁ fi) or is left out when
// it has none (*lost is then set). A box of one line turns a line break or a
// tab into a blank and drops other control characters; a memo keeps its
// lines and tabs; a file-name box keeps every other character as it is (its
// accents as given too); a typed key is taken as it is given.
enum class TKept { Key, Line, Lines, FileName };
QString KeptText(const QString& s, TKept kind = TKept::Key, bool* lost = nullptr);

QRect TRectToQRect(const TRect& r);     // same pixels: width Right - Left
TRect QRectToTRect(const QRect& r);

// The image a bitmap draws on (format RGB32, or ARGB32 for pf32bit). The
// bitmap's canvas painter is closed first, so the image can be changed freely;
// the canvas reopens it when it next draws.
QImage& BitmapImage(TBitmap& bitmap);
const QImage& BitmapImage(const TBitmap& bitmap);
// Replaces a bitmap's picture (converted to its storage format).
void SetBitmapImage(TBitmap& bitmap, const QImage& image);

// The image a canvas draws on, or nullptr (a window, a printer, no painter).
const QImage* CanvasImage(TCanvas& canvas);
// Draws a QImage through the canvas with its rules (transparent colour key or
// alpha, else CopyMode), stretched into dest.
void CanvasDrawQImage(TCanvas& canvas, const TRect& dest, const QImage& image,
                      bool useAlpha, TColor transparentColor);
