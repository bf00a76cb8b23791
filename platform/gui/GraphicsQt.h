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
// Windows-1252. A character it cannot hold becomes its nearest kept letters
// (ş s, Ł L, ș s, ﬁ fi), or '?' when it has none.
QString AnsiToQString(const std::string& s);
std::string QStringToAnsi(const QString& s);
// What the program keeps of a text, in Qt's form: a character Windows-1252
// cannot hold as its nearest kept letters, left out when it has none. What a
// text box shows of what is typed or pasted in it.
QString KeptText(const QString& s);

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
