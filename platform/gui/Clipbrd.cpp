#include "platform/gui/Clipbrd.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include "platform/gui/GraphicsQt.h"
#include "platform/gui/Pictures.h"

TClipboard* Clipboard()
{
    static TClipboard instance;
    return &instance;
}

std::string TClipboard::AsText() const
{
    return QStringToAnsi(QGuiApplication::clipboard()->text());
}

void TClipboard::SetAsText(const std::string& text)
{
    QGuiApplication::clipboard()->setText(AnsiToQString(text));
}

bool TClipboard::HasText() const
{
    const QMimeData* m = QGuiApplication::clipboard()->mimeData();
    return m && m->hasText();
}

bool TClipboard::HasPicture() const
{
    const QMimeData* m = QGuiApplication::clipboard()->mimeData();
    return m && m->hasImage();
}

bool TClipboard::GetBitmap(TBitmap& dest) const
{
    QImage img = QGuiApplication::clipboard()->image();
    if (img.isNull())
        return false;
    SetBitmapImage(dest, img);
    return true;
}

void TClipboard::SetBitmap(const TBitmap& bitmap)
{
    QGuiApplication::clipboard()->setImage(BitmapImage(bitmap));
}

void TClipboard::Clear()
{
    QGuiApplication::clipboard()->clear();
}
