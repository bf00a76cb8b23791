// Pictures: TGraphic (any picture), TBitmap, TJPEGImage and TPicture with its
// registry of file formats by extension. Free of Qt, so that the program's own
// codecs (codecs/) derive from TGraphic.
//
// Writing a picture format of the program (PNG, GIF) as a TGraphic:
//   - hold the pixels yourself, e.g. std::vector<uint32_t> of 0xAARRGGBB;
//   - Width, Height, LoadFromStream (raise EInvalidGraphic on bad data),
//     SaveToStream, Clone, Draw;
//   - Draw(canvas, rect): canvas.DrawImage32(rect, pixels, w, h, 0, hasAlpha,
//     Transparent() && !hasAlpha ? transparentColor : clNone) - stretched into
//     rect, honouring alpha or a colour key (see TCanvas::DrawImage32);
//   - Assign(source): take another picture's pixels through a TBitmap:
//         TBitmap b; b.Assign(source);   // 32-bit rows, alpha kept
//         for y: const uint32_t* row = b.ScanLine(y) ...
//     and AssignTo(TBitmap& dest): dest.SetPixelFormat(pf32bit);
//     dest.SetSize(w, h); copy rows into dest.ScanLine(y).
//   - register it at start-up (not in a static initialiser):
//         TPicture::RegisterFileFormat("png", "Image PNG",
//             [] { return std::make_unique<TPngPicture>(); });
//     A later registration of an extension replaces the earlier one: ".png"
//     loads through a stand-in built on Qt's reader until the codec registers.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/gui/Graphics.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"

BZ_DECLARE_EXCEPTION(EInvalidGraphic, Exception)            // unreadable picture, unknown extension
BZ_DECLARE_EXCEPTION(EInvalidGraphicOperation, Exception)   // a picture that cannot do what is asked
BZ_DECLARE_EXCEPTION(EResNotFound, Exception)               // no bitmap of that name in the program

class TGraphic
{
public:
    TGraphic() = default;
    TGraphic(const TGraphic& o) : transparent_(o.transparent_) {}   // not OnChange
    TGraphic& operator=(const TGraphic&) = delete;
    virtual ~TGraphic() = default;

    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual bool Empty() const { return Width() <= 0 || Height() <= 0; }
    virtual bool Transparent() const { return transparent_; }
    virtual void SetTransparent(bool transparent);

    // Load raises EInvalidGraphic on data it cannot read (the picture is then
    // left as it was) and the stream errors of the runtime.
    virtual void LoadFromStream(TStream& stream) = 0;
    virtual void SaveToStream(TStream& stream) const = 0;
    virtual void LoadFromFile(const std::string& fileName);
    // Writes beside the target and renames: a failed save leaves the old file whole.
    virtual void SaveToFile(const std::string& fileName) const;

    // Takes another picture. The default raises EInvalidGraphicOperation.
    virtual void Assign(const TGraphic& source);
    // Gives this picture to a bitmap. The default draws it on a cleared 32-bit
    // bitmap of its size (alpha kept).
    virtual void AssignTo(TBitmap& dest) const;
    virtual std::unique_ptr<TGraphic> Clone() const = 0;

    // Draws the picture stretched into r (Right/Bottom outside), honouring its
    // transparency; opaque pictures mix by the canvas's CopyMode.
    virtual void Draw(TCanvas& canvas, const TRect& r) const = 0;

    // Class name as the library gives it ("TBitmap"), for messages.
    virtual std::string ClassName() const = 0;

    std::function<void(TGraphic&)> OnChange;
    void Changed() { if (OnChange) OnChange(*this); }

protected:
    bool transparent_ = false;
};

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum TTransparentMode { tmAuto, tmFixed };

// A bitmap in memory. Every pixel format is held as 32-bit rows (0xAARRGGBB);
// only pf32bit keeps an alpha channel (the others read alpha 0xFF). A new or
// enlarged area is white. Files are BMP.
class TBitmap : public TGraphic
{
public:
    TBitmap();
    TBitmap(int width, int height);
    TBitmap(const TBitmap& other);
    ~TBitmap() override;

    int Width() const override;
    int Height() const override;
    void SetWidth(int width) { SetSize(width, Height()); }
    void SetHeight(int height) { SetSize(Width(), height); }
    void SetSize(int width, int height);   // keeps the overlapping pixels
    TPixelFormat PixelFormat() const;
    void SetPixelFormat(TPixelFormat format);
    bool HasAlpha() const { return PixelFormat() == pf32bit; }

    // The canvas drawing on the bitmap (opens its painter when it draws).
    TCanvas& Canvas();

    // tmAuto: the bottom-left pixel; tmFixed: the colour set. Used when Transparent.
    TColor TransparentColor() const;
    void SetTransparentColor(TColor color);   // switches to tmFixed
    TTransparentMode TransparentMode() const { return transparentMode_; }
    void SetTransparentMode(TTransparentMode mode);

    TColor Pixels(int x, int y) const;        // clNone outside
    void SetPixels(int x, int y, TColor color);
    // Row y: Width() values 0xAARRGGBB. Valid until the size or pixel format changes.
    uint32_t* ScanLine(int y);
    const uint32_t* ScanLine(int y) const;

    // Bitmaps of the program: "FLECHEHAUT", "FLECHEBAS" (8 x 8 sort arrows, dark on
    // white, drawn with cmSrcAnd), "CHECK", "UNCHECK", "CHECKGREY", "UNCHECKGREY"
    // (16 x 16 check boxes on a fuchsia ground, transparent with tmAuto).
    // EResNotFound for any other name.
    void LoadFromResourceName(const std::string& name);

    void LoadFromStream(TStream& stream) override;       // BMP
    void SaveToStream(TStream& stream) const override;   // BMP, 24 bits (32 with pf32bit)
    void Assign(const TGraphic& source) override;
    void AssignTo(TBitmap& dest) const override;
    std::unique_ptr<TGraphic> Clone() const override;
    void Draw(TCanvas& canvas, const TRect& r) const override;
    std::string ClassName() const override { return "TBitmap"; }

private:
    friend struct BitmapAccess;
    struct Impl;
    std::unique_ptr<Impl> d_;
    TTransparentMode transparentMode_ = tmAuto;
    TColor transparentColor_ = clDefault;
};

// A JPEG picture (libjpeg). Loading keeps the file's bytes and decodes them;
// saving writes them back unchanged, or encodes the pixels at
// CompressionQuality when the picture came from elsewhere (Assign).
class TJPEGImage : public TGraphic
{
public:
    TJPEGImage();
    TJPEGImage(const TJPEGImage& other);
    ~TJPEGImage() override;

    int Width() const override;
    int Height() const override;
    int CompressionQuality() const { return quality_; }
    void SetCompressionQuality(int quality);   // 1..100, default 90
    bool Grayscale() const { return grayscale_; }
    void SetGrayscale(bool grayscale);          // encode as grey levels
    // Encodes the pixels now (after Assign) with the current quality.
    void Compress();
    // The decoded pixels (opaque).
    const TBitmap& Bitmap() const;

    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) const override;
    void Assign(const TGraphic& source) override;
    void AssignTo(TBitmap& dest) const override;
    std::unique_ptr<TGraphic> Clone() const override;
    void Draw(TCanvas& canvas, const TRect& r) const override;
    std::string ClassName() const override { return "TJPEGImage"; }

private:
    std::unique_ptr<TBitmap> bitmap_;
    mutable std::vector<uint8_t> data_;   // the encoded picture; empty when it must be encoded
    int quality_ = 90;
    bool grayscale_ = false;
};

using TGraphicFactory = std::function<std::unique_ptr<TGraphic>()>;

// A picture of any registered format.
class TPicture
{
public:
    TPicture();
    ~TPicture();
    TPicture(const TPicture&) = delete;
    TPicture& operator=(const TPicture&) = delete;

    TGraphic* Graphic() const { return graphic_.get(); }
    void SetGraphic(const TGraphic* graphic);            // a copy (nullptr: none)
    void SetGraphic(std::unique_ptr<TGraphic> graphic);   // taken
    // The picture as a bitmap: replaces any other graphic by an empty bitmap.
    TBitmap& Bitmap();
    int Width() const { return graphic_ ? graphic_->Width() : 0; }
    int Height() const { return graphic_ ? graphic_->Height() : 0; }
    bool Empty() const { return !graphic_ || graphic_->Empty(); }

    // The class comes from the file's extension (EInvalidGraphic "Extension de
    // fichier image inconnue (.xyz)"); on any failure the picture stays as it was.
    void LoadFromFile(const std::string& fileName);
    // Saves in the format of the file's extension, converting when the graphic
    // is of another class; with no registered extension, in the graphic's own.
    void SaveToFile(const std::string& fileName) const;
    void Assign(const TPicture& source);
    void Assign(const TGraphic* source) { SetGraphic(source); }

    std::function<void(TPicture&)> OnChange;

    // Registry of formats. Extensions without their dot, any case: "png".
    static void RegisterFileFormat(const std::string& extension, const std::string& description,
                                   TGraphicFactory factory);
    static void UnregisterFileFormat(const std::string& extension);
    static bool IsFileFormatRegistered(const std::string& extension);
    // A new, empty graphic for a file name or an extension (".jpg", "jpg"); nullptr when unknown.
    static std::unique_ptr<TGraphic> CreateGraphicForFile(const std::string& fileNameOrExtension);
    static std::vector<std::string> RegisteredExtensions();
    // Filter of an open dialog: "Toutes les images (*.bmp;*.jpg)|*.bmp;*.jpg|Bitmap (*.bmp)|*.bmp|..."
    static std::string GraphicFilter();

private:
    void Changed();
    std::unique_ptr<TGraphic> graphic_;
};
