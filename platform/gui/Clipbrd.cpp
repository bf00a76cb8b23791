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

std::string TClipboard::AsTypedText(bool* lost) const
{
    return QStringToAnsi(KeptText(QGuiApplication::clipboard()->text(), TKept::Key, lost));
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

namespace {
// Qt's name for a named clipboard format of the Windows kind.
QString FormatMime(const std::string& format)
{
    return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"").arg(QString::fromLatin1(format.c_str()));
}
}  // namespace

void TClipboard::SetFormatData(const std::string& format, const std::vector<uint8_t>& data, const TBitmap* bitmap)
{
    auto* mime = new QMimeData;
    mime->setData(FormatMime(format), QByteArray(reinterpret_cast<const char*>(data.data()), qsizetype(data.size())));
    if (bitmap) mime->setImageData(BitmapImage(*bitmap));
    QGuiApplication::clipboard()->setMimeData(mime);
}

std::vector<uint8_t> TClipboard::FormatData(const std::string& format) const
{
    const QMimeData* m = QGuiApplication::clipboard()->mimeData();
    if (!m) return {};
    const QByteArray bytes = m->data(FormatMime(format));
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

void TClipboard::Clear()
{
    QGuiApplication::clipboard()->clear();
}
