// Pictures: bitmaps on QImage, BMP files, the program's own bitmaps, and the
// registry of picture formats. JPEG is in Jpeg.cpp.
#include "platform/gui/Pictures.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstring>

#include "platform/gui/Dialogs.h"
#include "platform/gui/GraphicsQt.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Strings.h"

namespace {

constexpr int kDotsPerMeter = 3780;   // 96 pixels per inch

QImage NewImage(int w, int h, bool alpha)
{
    QImage img(w, h, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    img.fill(0xFFFFFFFFu);
    img.setDotsPerMeterX(kDotsPerMeter);
    img.setDotsPerMeterY(kDotsPerMeter);
    return img;
}

// Converts to the bitmap's storage formats without mixing alpha into the colours.
QImage ToStorage(const QImage& src, bool alpha)
{
    QImage img = src.convertToFormat(QImage::Format_ARGB32);
    if (!alpha) {
        for (int y = 0; y < img.height(); ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
            for (int x = 0; x < img.width(); ++x) line[x] |= 0xFF000000u;
        }
        img.reinterpretAsFormat(QImage::Format_RGB32);
    }
    img.setDotsPerMeterX(kDotsPerMeter);
    img.setDotsPerMeterY(kDotsPerMeter);
    return img;
}

std::vector<uint8_t> ReadRest(TStream& stream)
{
    int64_t size = stream.Size() - stream.Position();
    std::vector<uint8_t> bytes(size > 0 ? static_cast<size_t>(size) : 0);
    if (!bytes.empty()) stream.ReadBuffer(bytes.data(), static_cast<long>(bytes.size()));
    return bytes;
}

[[noreturn]] void InvalidBitmap() { throw EInvalidGraphic(L1("Image bitmap non valide")); }

}  // namespace

// ---- TGraphic --------------------------------------------------------------------

void TGraphic::SetTransparent(bool transparent)
{
    if (transparent == transparent_) return;
    transparent_ = transparent;
    Changed();
}

void TGraphic::LoadFromFile(const std::string& fileName)
{
    TFileStream f(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(f);
}

void TGraphic::SaveToFile(const std::string& fileName) const
{
    TMemoryStream m;
    SaveToStream(m);
    std::string temp = fileName + ".tmp~";
    {
        TFileStream f(temp, fmCreate);
        f.WriteBuffer(m.Memory(), static_cast<long>(m.Size()));
    }
    if (!RenameFile(temp, fileName)) {
        DeleteFile(temp);
        throw EFCreateError(Format(L1("Impossible de créer le fichier \"%s\""), {fileName}));
    }
}

void TGraphic::Assign(const TGraphic& source)
{
    throw EInvalidGraphicOperation(Format(L1("Impossible d'affecter un %s à un %s"), {source.ClassName(), ClassName()}));
}

void TGraphic::AssignTo(TBitmap& dest) const
{
    dest.SetPixelFormat(pf32bit);
    dest.SetSize(Width(), Height());
    for (int y = 0; y < dest.Height(); ++y) std::fill_n(dest.ScanLine(y), dest.Width(), 0u);
    if (!Empty()) Draw(dest.Canvas(), Rect(0, 0, Width(), Height()));
}

// ---- TBitmap -------------------------------------------------------------------

// The bitmap's canvas opens a painter on the image when it first draws, and
// closes it whenever the image itself is about to change.
class TBitmapCanvas : public TCanvas
{
public:
    explicit TBitmapCanvas(QImage& image) : image_(image) {}
    ~TBitmapCanvas() override { Close(); }
    void Close()
    {
        if (!painter_) return;
        ReleasePainter();
        painter_->end();
        painter_.reset();
    }

protected:
    QPainter* RequirePainter() const override
    {
        if (!Painter()) {
            if (image_.isNull()) return nullptr;
            painter_ = std::make_unique<QPainter>(&image_);
            const_cast<TBitmapCanvas*>(this)->AttachPainter(painter_.get());
        }
        return Painter();
    }

private:
    QImage& image_;
    mutable std::unique_ptr<QPainter> painter_;
};

struct TBitmap::Impl
{
    QImage image;
    int width = 0;
    int height = 0;
    TPixelFormat format = pfDevice;
    TBitmapCanvas canvas{image};
};

struct BitmapAccess
{
    static TBitmap::Impl& Of(const TBitmap& b) { return *b.d_; }
};

QImage& BitmapImage(TBitmap& bitmap)
{
    auto& d = BitmapAccess::Of(bitmap);
    d.canvas.Close();
    return d.image;
}

const QImage& BitmapImage(const TBitmap& bitmap)
{
    auto& d = BitmapAccess::Of(bitmap);
    d.canvas.Close();
    return d.image;
}

void SetBitmapImage(TBitmap& bitmap, const QImage& image)
{
    auto& d = BitmapAccess::Of(bitmap);
    d.canvas.Close();
    if (image.hasAlphaChannel()) d.format = pf32bit;
    else if (d.format == pf32bit) d.format = pfDevice;
    d.image = image.isNull() ? QImage() : ToStorage(image, d.format == pf32bit);
    d.width = d.image.width();
    d.height = d.image.height();
    bitmap.Changed();
}

TBitmap::TBitmap() : d_(std::make_unique<Impl>()) {}

TBitmap::TBitmap(int width, int height) : TBitmap() { SetSize(width, height); }

TBitmap::TBitmap(const TBitmap& other) : TGraphic(other), d_(std::make_unique<Impl>())
{
    other.d_->canvas.Close();
    d_->image = other.d_->image.copy();
    d_->width = other.d_->width;
    d_->height = other.d_->height;
    d_->format = other.d_->format;
    transparentMode_ = other.transparentMode_;
    transparentColor_ = other.transparentColor_;
    d_->canvas.Font.Assign(other.d_->canvas.Font);
}

TBitmap::~TBitmap() = default;

int TBitmap::Width() const { return d_->width; }
int TBitmap::Height() const { return d_->height; }

void TBitmap::SetSize(int width, int height)
{
    width = std::max(0, width);
    height = std::max(0, height);
    if (width == d_->width && height == d_->height) return;
    d_->canvas.Close();
    QImage old = d_->image;
    d_->width = width;
    d_->height = height;
    if (width == 0 || height == 0) {
        d_->image = QImage();
    } else {
        d_->image = NewImage(width, height, d_->format == pf32bit);
        if (!old.isNull()) {
            int w = std::min(width, old.width()), h = std::min(height, old.height());
            for (int y = 0; y < h; ++y)
                std::memcpy(d_->image.scanLine(y), old.constScanLine(y), static_cast<size_t>(w) * 4);
        }
    }
    Changed();
}

TPixelFormat TBitmap::PixelFormat() const { return d_->format; }

void TBitmap::SetPixelFormat(TPixelFormat format)
{
    bool alpha = format == pf32bit;
    bool had = d_->format == pf32bit;
    d_->format = format;
    if (alpha == had || d_->image.isNull()) return;
    d_->canvas.Close();
    if (alpha) {
        d_->image = ToStorage(d_->image, false);   // every pixel opaque
        d_->image.reinterpretAsFormat(QImage::Format_ARGB32);
    } else {
        d_->image = ToStorage(d_->image, false);
    }
    Changed();
}

TCanvas& TBitmap::Canvas() { return d_->canvas; }

TColor TBitmap::TransparentColor() const
{
    if (transparentMode_ == tmFixed) return transparentColor_;
    if (d_->width == 0 || d_->height == 0) return clNone;
    return Pixels(0, d_->height - 1);
}

void TBitmap::SetTransparentColor(TColor color)
{
    transparentColor_ = color;
    transparentMode_ = color == clDefault ? tmAuto : tmFixed;
    Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode mode)
{
    if (mode == transparentMode_) return;
    transparentMode_ = mode;
    if (mode == tmFixed && (transparentColor_ == clDefault || transparentColor_ == clNone)) {
        transparentColor_ = d_->width && d_->height ? Pixels(0, d_->height - 1) : clWhite;
    }
    Changed();
}

TColor TBitmap::Pixels(int x, int y) const
{
    if (x < 0 || y < 0 || x >= d_->width || y >= d_->height) return clNone;
    return QRgbToTColor(d_->image.pixel(x, y));
}

void TBitmap::SetPixels(int x, int y, TColor color)
{
    if (x < 0 || y < 0 || x >= d_->width || y >= d_->height) return;
    d_->canvas.Close();
    d_->image.setPixel(x, y, TColorToQRgb(color));
}

uint32_t* TBitmap::ScanLine(int y)
{
    if (y < 0 || y >= d_->height || d_->image.isNull()) return nullptr;
    d_->canvas.Close();
    return reinterpret_cast<uint32_t*>(d_->image.scanLine(y));
}

const uint32_t* TBitmap::ScanLine(int y) const
{
    if (y < 0 || y >= d_->height || d_->image.isNull()) return nullptr;
    return reinterpret_cast<const uint32_t*>(d_->image.constScanLine(y));
}

void TBitmap::Draw(TCanvas& canvas, const TRect& r) const
{
    if (Empty()) return;
    d_->canvas.Close();
    if (Transparent() && !HasAlpha()) CanvasDrawQImage(canvas, r, d_->image, false, TransparentColor());
    else CanvasDrawQImage(canvas, r, d_->image, HasAlpha(), clNone);
}

void TBitmap::Assign(const TGraphic& source)
{
    if (&source == this) return;
    source.AssignTo(*this);
    Changed();
}

void TBitmap::AssignTo(TBitmap& dest) const
{
    if (&dest == this) return;
    d_->canvas.Close();
    dest.d_->canvas.Close();
    dest.d_->image = d_->image.copy();
    dest.d_->width = d_->width;
    dest.d_->height = d_->height;
    dest.d_->format = d_->format;
    dest.transparent_ = transparent_;
    dest.transparentMode_ = transparentMode_;
    dest.transparentColor_ = transparentColor_;
}

std::unique_ptr<TGraphic> TBitmap::Clone() const { return std::make_unique<TBitmap>(*this); }

// ---- BMP files -----------------------------------------------------------------

namespace {

uint32_t Le32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24); }
uint16_t Le16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
void Put32(std::vector<uint8_t>& v, uint32_t x) { for (int i = 0; i < 4; ++i) v.push_back(static_cast<uint8_t>(x >> (8 * i))); }
void Put16(std::vector<uint8_t>& v, uint16_t x) { v.push_back(static_cast<uint8_t>(x)); v.push_back(static_cast<uint8_t>(x >> 8)); }

}  // namespace

void TBitmap::LoadFromStream(TStream& stream)
{
    // The file header gives the size, so a bitmap inside a larger stream reads only itself.
    uint8_t fh[14];
    if (stream.Read(fh, 14) != 14 || fh[0] != 'B' || fh[1] != 'M') InvalidBitmap();
    uint32_t fileSize = Le32(fh + 2);
    uint32_t offBits = Le32(fh + 10);
    std::vector<uint8_t> bytes(fh, fh + 14);
    int64_t avail = stream.Size() - stream.Position();
    int64_t want = fileSize > 14 ? static_cast<int64_t>(fileSize) - 14 : avail;
    if (want > avail) want = avail;   // some writers put a wrong size: take what there is
    if (want <= 40) InvalidBitmap();
    size_t at = bytes.size();
    bytes.resize(at + static_cast<size_t>(want));
    stream.ReadBuffer(bytes.data() + at, static_cast<long>(want));

    const uint8_t* ih = bytes.data() + 14;
    uint32_t hsize = Le32(ih);
    QImage img;
    bool alpha = false;
    if (hsize >= 40 && bytes.size() >= 14 + 40) {
        int32_t w = static_cast<int32_t>(Le32(ih + 4));
        int32_t h = static_cast<int32_t>(Le32(ih + 8));
        uint16_t bpp = Le16(ih + 14);
        uint32_t compression = Le32(ih + 16);
        if ((bpp == 24 || bpp == 32) && compression == 0 && w > 0 && h != 0 && w <= 32767 && h <= 32767 && h >= -32767) {
            // Plain 24 and 32-bit files: read here, the fourth byte of 32-bit pixels is alpha.
            int absH = h < 0 ? -h : h;
            size_t rowBytes = ((static_cast<size_t>(w) * bpp + 31) / 32) * 4;
            if (offBits < 14 + hsize || offBits + rowBytes * absH > bytes.size()) InvalidBitmap();
            img = QImage(w, absH, bpp == 32 ? QImage::Format_ARGB32 : QImage::Format_RGB32);
            bool anyAlpha = false;
            for (int y = 0; y < absH; ++y) {
                const uint8_t* src = bytes.data() + offBits + rowBytes * (h < 0 ? y : absH - 1 - y);
                QRgb* dst = reinterpret_cast<QRgb*>(img.scanLine(y));
                for (int x = 0; x < w; ++x) {
                    const uint8_t* px = src + x * (bpp / 8);
                    uint8_t a = bpp == 32 ? px[3] : 0xFF;
                    if (a) anyAlpha = true;
                    dst[x] = qRgba(px[2], px[1], px[0], a);
                }
            }
            if (bpp == 32) {
                if (!anyAlpha) {   // a zero fourth byte everywhere means "no alpha"
                    for (int y = 0; y < absH; ++y) {
                        QRgb* dst = reinterpret_cast<QRgb*>(img.scanLine(y));
                        for (int x = 0; x < w; ++x) dst[x] |= 0xFF000000u;
                    }
                }
                alpha = true;
            }
        }
    }
    if (img.isNull()) {
        // Palettes, run lengths, bit fields: Qt's reader.
        if (!img.loadFromData(bytes.data(), static_cast<int>(bytes.size()), "BMP")) InvalidBitmap();
        alpha = img.hasAlphaChannel();
    }
    d_->canvas.Close();
    d_->format = alpha ? pf32bit : (d_->format == pf32bit ? pfDevice : d_->format);
    d_->image = ToStorage(img, alpha);
    d_->width = d_->image.width();
    d_->height = d_->image.height();
    Changed();
}

void TBitmap::SaveToStream(TStream& stream) const
{
    bool alpha = HasAlpha();
    int w = d_->width, h = d_->height;
    int bpp = alpha ? 32 : 24;
    size_t rowBytes = ((static_cast<size_t>(w) * bpp + 31) / 32) * 4;
    size_t imageSize = rowBytes * h;
    std::vector<uint8_t> out;
    out.reserve(54 + imageSize);
    out.push_back('B');
    out.push_back('M');
    Put32(out, static_cast<uint32_t>(54 + imageSize));
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(w));
    Put32(out, static_cast<uint32_t>(h));
    Put16(out, 1);
    Put16(out, static_cast<uint16_t>(bpp));
    Put32(out, 0);
    Put32(out, static_cast<uint32_t>(imageSize));
    Put32(out, kDotsPerMeter);
    Put32(out, kDotsPerMeter);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = h - 1; y >= 0; --y) {
        const QRgb* src = reinterpret_cast<const QRgb*>(d_->image.constScanLine(y));
        size_t start = out.size();
        for (int x = 0; x < w; ++x) {
            out.push_back(static_cast<uint8_t>(qBlue(src[x])));
            out.push_back(static_cast<uint8_t>(qGreen(src[x])));
            out.push_back(static_cast<uint8_t>(qRed(src[x])));
            if (alpha) out.push_back(static_cast<uint8_t>(qAlpha(src[x])));
        }
        out.resize(start + rowBytes, 0);
    }
    stream.WriteBuffer(out.data(), static_cast<long>(out.size()));
}

// ---- the program's own bitmaps -------------------------------------------------

namespace {

void DrawArrow(QImage& img, bool up)
{
    // A small triangle, dark on white, 7 wide at its base.
    img = NewImage(8, 8, false);
    const QRgb dark = qRgb(64, 64, 64);
    for (int i = 0; i < 4; ++i) {
        int y = up ? 2 + i : 5 - i;
        for (int x = 3 - i; x <= 3 + i; ++x) img.setPixel(x, y, dark);
    }
}

void DrawCheckBox(QImage& img, bool checked, bool grey)
{
    img = NewImage(16, 16, false);
    img.fill(qRgb(255, 0, 255));   // the transparent ground
    const QRgb frame = grey ? qRgb(160, 160, 160) : qRgb(51, 51, 51);
    const QRgb inside = grey ? qRgb(230, 230, 230) : qRgb(255, 255, 255);
    const QRgb mark = grey ? qRgb(140, 140, 140) : qRgb(0, 0, 0);
    for (int y = 1; y <= 13; ++y)
        for (int x = 1; x <= 13; ++x)
            img.setPixel(x, y, (x == 1 || x == 13 || y == 1 || y == 13) ? frame : inside);
    if (!checked) return;
    static const char* tick[7] = {
        "......#",
        ".....##",
        "#...###",
        "##.###.",
        "#####..",
        ".###...",
        "..#....",
    };
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 7; ++x)
            if (tick[y][x] == '#') img.setPixel(4 + x, 4 + y, mark);
}

}  // namespace

void TBitmap::LoadFromResourceName(const std::string& name)
{
    std::string n = UpperCase(name);
    QImage img;
    bool transparent = false;
    if (n == "FLECHEHAUT") DrawArrow(img, true);
    else if (n == "FLECHEBAS") DrawArrow(img, false);
    else if (n == "CHECK") { DrawCheckBox(img, true, false); transparent = true; }
    else if (n == "UNCHECK") { DrawCheckBox(img, false, false); transparent = true; }
    else if (n == "CHECKGREY") { DrawCheckBox(img, true, true); transparent = true; }
    else if (n == "UNCHECKGREY") { DrawCheckBox(img, false, true); transparent = true; }
    else throw EResNotFound(Format(L1("Ressource %s introuvable"), {name}));
    d_->canvas.Close();
    d_->format = pfDevice;
    d_->image = img;
    d_->width = img.width();
    d_->height = img.height();
    transparent_ = transparent;
    transparentMode_ = tmAuto;
    Changed();
}

// ---- a stand-in for PNG (and whatever Qt reads) until the program's codec registers

namespace {

class TQtImageGraphic : public TBitmap
{
public:
    using TBitmap::TBitmap;
    void LoadFromStream(TStream& stream) override
    {
        std::vector<uint8_t> bytes = ReadRest(stream);
        QImage img;
        if (bytes.empty() || !img.loadFromData(bytes.data(), static_cast<int>(bytes.size())))
            throw EInvalidGraphic(L1("Image non valide"));
        SetBitmapImage(*this, img);
    }
    void SaveToStream(TStream& stream) const override
    {
        QByteArray data;
        QBuffer buf(&data);
        buf.open(QIODevice::WriteOnly);
        if (!BitmapImage(*this).save(&buf, "PNG")) throw EWriteError(L1("Erreur d'écriture de flux"));
        stream.WriteBuffer(data.constData(), static_cast<long>(data.size()));
    }
    std::unique_ptr<TGraphic> Clone() const override
    {
        auto c = std::make_unique<TQtImageGraphic>();
        AssignTo(*c);
        return c;
    }
    std::string ClassName() const override { return "TPngImage"; }
};

}  // namespace

// ---- TPicture and its registry -----------------------------------------------------

namespace {

struct FileFormat
{
    std::string extension;
    std::string description;
    TGraphicFactory factory;
};

std::string NormExt(const std::string& e)
{
    std::string s = LowerCase(e);
    if (!s.empty() && s[0] == '.') s.erase(0, 1);
    return s;
}

std::vector<FileFormat>& Formats()
{
    static std::vector<FileFormat> formats = {
        {"bmp", "Bitmap", [] { return std::make_unique<TBitmap>(); }},
        {"jpg", "JPEG", [] { return std::make_unique<TJPEGImage>(); }},
        {"jpeg", "JPEG", [] { return std::make_unique<TJPEGImage>(); }},
        {"png", "PNG", [] { return std::make_unique<TQtImageGraphic>(); }},
    };
    return formats;
}

FileFormat* FindFormat(const std::string& ext)
{
    std::string e = NormExt(ext);
    for (auto& f : Formats())
        if (f.extension == e) return &f;
    return nullptr;
}

std::string ExtOf(const std::string& fileNameOrExt)
{
    std::string ext = ExtractFileExt(fileNameOrExt);
    if (ext.empty() && fileNameOrExt.find_first_of("/\\.") == std::string::npos) return NormExt(fileNameOrExt);
    if (ext.empty() && !fileNameOrExt.empty() && fileNameOrExt[0] == '.') return NormExt(fileNameOrExt);
    return NormExt(ext);
}

}  // namespace

void TPicture::RegisterFileFormat(const std::string& extension, const std::string& description, TGraphicFactory factory)
{
    if (FileFormat* f = FindFormat(extension)) {
        f->description = description;
        f->factory = std::move(factory);
        return;
    }
    Formats().push_back({NormExt(extension), description, std::move(factory)});
}

void TPicture::UnregisterFileFormat(const std::string& extension)
{
    std::string e = NormExt(extension);
    auto& v = Formats();
    v.erase(std::remove_if(v.begin(), v.end(), [&](const FileFormat& f) { return f.extension == e; }), v.end());
}

bool TPicture::IsFileFormatRegistered(const std::string& extension) { return FindFormat(extension) != nullptr; }

std::unique_ptr<TGraphic> TPicture::CreateGraphicForFile(const std::string& fileNameOrExtension)
{
    FileFormat* f = FindFormat(ExtOf(fileNameOrExtension));
    return f ? f->factory() : nullptr;
}

std::vector<std::string> TPicture::RegisteredExtensions()
{
    std::vector<std::string> v;
    for (auto& f : Formats()) v.push_back(f.extension);
    return v;
}

std::string TPicture::GraphicFilter()
{
    std::string all, each;
    for (auto& f : Formats()) {
        std::string mask = "*." + f.extension;
        all += (all.empty() ? "" : ";") + mask;
        each += "|" + f.description + " (" + mask + ")|" + mask;
    }
    return DialogTexts().AllPictures + " (" + all + ")|" + all + each;
}

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::Changed()
{
    if (OnChange) OnChange(*this);
}

void TPicture::SetGraphic(const TGraphic* graphic)
{
    graphic_ = graphic ? graphic->Clone() : nullptr;
    Changed();
}

void TPicture::SetGraphic(std::unique_ptr<TGraphic> graphic)
{
    graphic_ = std::move(graphic);
    Changed();
}

TBitmap& TPicture::Bitmap()
{
    if (auto* b = dynamic_cast<TBitmap*>(graphic_.get())) return *b;
    graphic_ = std::make_unique<TBitmap>();
    Changed();
    return static_cast<TBitmap&>(*graphic_);
}

void TPicture::LoadFromFile(const std::string& fileName)
{
    std::string ext = ExtOf(fileName);
    std::unique_ptr<TGraphic> g = CreateGraphicForFile(fileName);
    if (!g) throw EInvalidGraphic(Format("Extension de fichier image inconnue (.%s)", {ext}));
    g->LoadFromFile(fileName);
    graphic_ = std::move(g);
    Changed();
}

void TPicture::SaveToFile(const std::string& fileName) const
{
    if (!graphic_) return;
    std::unique_ptr<TGraphic> target = CreateGraphicForFile(fileName);
    const TGraphic* cible = target.get();
    const TGraphic& source = *graphic_;
    if (!cible || typeid(*cible) == typeid(source)) {
        graphic_->SaveToFile(fileName);
        return;
    }
    target->Assign(*graphic_);
    target->SaveToFile(fileName);
}

void TPicture::Assign(const TPicture& source)
{
    if (&source == this) return;
    SetGraphic(source.graphic_.get());
}
