// GIF codec base: the unit's exception and texts, pixel access to bitmaps
// (TDIBReader, TDIBWriter), stream routines, the standard palettes, and the
// bases of the picture's object tree (items, lists, colour maps, the header).
//
// Palettes are ours: a TLogPalette is a list of entries, and "nearest colour"
// is the entry of smallest squared RGB distance (the lowest index on ties).
// The program runs on deep displays only, so PaletteDisplay is false.
//
// Every size read from a file is checked against GIFMaxPixels before anything
// is allocated, in 64-bit arithmetic (widths and heights go up to 65535).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/gui/Pictures.h"
#include "platform/rtl/Streams.h"

// ---- errors and texts -------------------------------------------------------------
BZ_DECLARE_EXCEPTION(GIFException, EInvalidGraphic)

namespace GifText {
inline constexpr const char* PrematureEnd = "Premature end of data";
inline constexpr const char* UnsupportedPixelFormat = "Unsupported PixelFormat";
inline constexpr const char* InvalidDimensions = "Invalid image dimensions";
inline constexpr const char* NoDIB = "Image has no DIB";
inline constexpr const char* ScanlineIndex = "Indice ligne hors limites";
inline constexpr const char* DIBMemory = "Failed to allocate memory for GIF DIB";
inline constexpr const char* OutOfResources = "Ressources syst\xE8me insuffisantes";
inline constexpr const char* ImageTooLarge = "Image too large: its pixels exceed the size this program reads";
inline constexpr const char* ColorTableOverflow = "Color table overflow";
inline constexpr const char* InvalidColorIndex = "Invalid color index";
inline constexpr const char* ColorTableEmpty = "Color table is empty";
inline constexpr const char* UnsupportedVersion = "Unsupported GIF version";
inline constexpr const char* InvalidSignature = "Invalid GIF signature";
inline constexpr const char* ScreenColors = "Invalid number of colors specified in Screen Descriptor";
inline constexpr const char* CircularTable = "Circular decoder table entry";
inline constexpr const char* BadCode = "Invalid LZW code: the image data is corrupt";
inline constexpr const char* BadCodeSize = "Invalid LZW minimum code size";
inline constexpr const char* BitBufferUnderrun = "Decoder bit buffer under-run";
inline constexpr const char* ColorNotInTable = "Color not in color table";
inline constexpr const char* InvalidStreamOperation = "Invalid stream operation";
}  // namespace GifText

[[noreturn]] void Error(const std::string& message);   // raises GIFException

// Pixels one image (a frame, the logical screen, a DIB) may hold, and the total
// over the frames of one picture. Settable for the fuzzers.
extern int64_t GIFMaxPixels;
extern int64_t GIFMaxTotalPixels;
// Raises GIFException ImageTooLarge when width x height passes GIFMaxPixels.
void CheckImageSize(int64_t width, int64_t height);

// ---- palettes ----------------------------------------------------------------------
struct TPaletteEntry
{
    uint8_t peRed = 0;
    uint8_t peGreen = 0;
    uint8_t peBlue = 0;
    uint8_t peFlags = 0;
    bool operator==(const TPaletteEntry&) const = default;
};
constexpr uint8_t PC_NOCOLLAPSE = 4;

// A logical palette (version 0x300). An empty palette stands for "no palette".
struct TLogPalette
{
    std::vector<TPaletteEntry> Entries;
    bool Empty() const { return Entries.empty(); }
    int Count() const { return static_cast<int>(Entries.size()); }
    // Nearest entry by squared RGB distance, the lowest index on ties; 0 when empty.
    int NearestIndex(int red, int green, int blue) const;
    bool operator==(const TLogPalette&) const = default;
};

TLogPalette WebPalette();          // 216 colours r*36 + g*6 + b, channel steps of 51
TLogPalette GrayScalePalette();    // 256 greys
TLogPalette Gray4Palette();        // 0, 128, 192, 255
TLogPalette MonochromePalette();   // black, white
TLogPalette SystemPalette16();     // the 20 system colours
// Our halftone palette: the first 10 system colours, the 216 web colours, 20
// greys, the last 10 system colours (256 entries).
TLogPalette HalftonePalette();
extern const bool PaletteDisplay;   // false: every display here is deeper than 8 bits

// ---- routines ------------------------------------------------------------------------
// Row size in bytes: pixels x bits rounded up to the alignment (in bits), / 8.
int64_t BytesPerScanline(int64_t pixelsPerLine, int bitsPerPixel, int alignment);
int Colors2bpp(int colors);
void WriteByte(TStream& stream, uint8_t b);
int ReadByte(TStream& stream);   // -1 at the end
void ReadCheck(TStream& stream, void* buffer, long size);   // short read: "Premature end of data"
// Texts as data sub-blocks (at most 255 bytes each), then one 0 byte.
void WriteStrings(TStream& stream, const std::vector<std::string>& strings);
// Each sub-block one entry (cut at its first zero byte), up to the 0 length.
void ReadStrings(TStream& stream, std::vector<std::string>& strings);

TPixelFormat GetPixelFormat(const TBitmap& bitmap);
void SetPixelFormat(TBitmap& bitmap, TPixelFormat format);

// ---- pixel access ----------------------------------------------------------------------
class TDIB
{
public:
    TDIB(TBitmap& bitmap, TPixelFormat format) : Bitmap(bitmap), PixelFormat(format) {}
    virtual ~TDIB() = default;
    TDIB(const TDIB&) = delete;
    TDIB& operator=(const TDIB&) = delete;
    virtual uint8_t* Scanline(int row) = 0;

protected:
    TBitmap& Bitmap;
    TPixelFormat PixelFormat;
};

// Rows of an existing bitmap as 24-bit (blue, green, red) or 8-bit indexes. The
// bitmap is set to that pixel format. The 8-bit rows index Palette(): the
// bitmap's colours in order of first appearance (a picture of more than 256
// colours is refused: reduce it first).
class TDIBReader : public TDIB
{
public:
    TDIBReader(TBitmap& bitmap, TPixelFormat format);
    uint8_t* Scanline(int row) override;
    const TLogPalette& Palette() const { return palette_; }

private:
    int width_ = 0;
    int64_t rowBytes_ = 0;
    std::vector<uint8_t> bits_;
    TLogPalette palette_;
};

// A new bottom-up DIB of 8 bits (with the palette's colour table) or 24 bits,
// made on the first Scanline; when the writer goes, the DIB is loaded into the
// bitmap as a BMP file image. A writer that never made its DIB leaves the bitmap.
class TDIBWriter : public TDIB
{
public:
    TDIBWriter(TBitmap& bitmap, TPixelFormat format, int width, int height, const TLogPalette& palette);
    ~TDIBWriter() override;
    uint8_t* Scanline(int row) override;
    int64_t RowBytes() const;

private:
    void CreateDIB();
    std::vector<uint8_t> header_;   // info header and colour table
    std::vector<uint8_t> bits_;
    TLogPalette palette_;
    int width_;
    int height_;
};

// ---- object tree ------------------------------------------------------------------------
// Base of everything that reports warnings (items, lists, colour maps).
class TGIFPersistent
{
public:
    virtual ~TGIFPersistent() = default;
};

class TGIFItem;
class TGIFColorMap;

// What the tree asks of its picture (TGifPicture implements it).
class TGIFOwner
{
public:
    virtual ~TGIFOwner() = default;
    virtual void Warning(TGIFPersistent* sender, int severity, const std::string& message) = 0;
    virtual int MaxVersion() const = 0;
    virtual int BitsPerPixel() const = 0;
    virtual int ColorResolution() const = 0;
    virtual void Changed() = 0;
    virtual int ImageCount() const = 0;
    // Pixels of the frames that use the global map: usage per index, remapping.
    virtual void GlobalHistogram(std::vector<int64_t>& usage) const = 0;
    virtual void MapGlobalImages(const std::vector<uint8_t>& table) = 0;
};

class TGIFItem : public TGIFPersistent
{
public:
    explicit TGIFItem(TGIFOwner* image) : Image(image) {}
    virtual int GetVersion() const { return 1; }
    virtual void Warning(int severity, const std::string& message);
    virtual void SaveToStream(TStream& stream) = 0;
    virtual void LoadFromStream(TStream& stream) = 0;
    virtual void SaveToFile(const std::string& fileName);
    virtual void LoadFromFile(const std::string& fileName);
    TGIFOwner* Image;
};

// An owning list of items.
template <class T>
class TGIFList : public TGIFPersistent
{
public:
    explicit TGIFList(TGIFOwner* image) : Image(image) {}
    ~TGIFList() override { Clear(); }
    virtual void Warning(int severity, const std::string& message)
    {
        if (Image) Image->Warning(this, severity, message);
    }
    virtual void SaveToStream(TStream& stream)
    {
        for (auto& item : items_) item->SaveToStream(stream);
    }
    T* operator[](int index) const { return items_[static_cast<size_t>(index)].get(); }
    int Count() const { return static_cast<int>(items_.size()); }
    int Add(std::unique_ptr<T> item) { items_.push_back(std::move(item)); return Count() - 1; }
    void Insert(int index, std::unique_ptr<T> item) { items_.insert(items_.begin() + index, std::move(item)); }
    void Delete(int index) { items_.erase(items_.begin() + index); }
    // Takes an item out without freeing it.
    std::unique_ptr<T> Extract(int index)
    {
        auto item = std::move(items_[static_cast<size_t>(index)]);
        items_.erase(items_.begin() + index);
        return item;
    }
    void Clear() { while (!items_.empty()) items_.erase(items_.begin()); }
    int IndexOf(const T* item) const
    {
        for (int i = 0; i < Count(); ++i)
            if (items_[static_cast<size_t>(i)].get() == item) return i;
        return -1;
    }
    TGIFOwner* Image;

private:
    std::vector<std::unique_ptr<T>> items_;
};

struct TGIFColor
{
    uint8_t Red = 0;
    uint8_t Green = 0;
    uint8_t Blue = 0;
    bool operator==(const TGIFColor&) const = default;
};

class TGIFColorMap : public TGIFPersistent
{
public:
    TGIFColorMap() = default;
    TGIFColorMap(const TGIFColorMap&) = delete;
    TGIFColorMap& operator=(const TGIFColorMap&) = delete;

    virtual void Warning(int severity, const std::string& message) = 0;
    // One usage count per entry.
    virtual void BuildHistogram(std::vector<int64_t>& usage) const = 0;
    virtual void MapImages(const std::vector<uint8_t>& table) = 0;
    // Sorts the entries by use, remaps the pixels, drops unused entries at the end.
    virtual bool Optimize();
    virtual void Changed() = 0;

    void Clear();
    int Add(TGIFColor color);
    int AddColor(TColor color) { return Add({uint8_t(GetRValue(color)), uint8_t(GetGValue(color)), uint8_t(GetBValue(color))}); }
    int IndexOf(TGIFColor color) const;
    int AddUnique(TGIFColor color);
    void Delete(int index);
    // red + green * 256 + blue * 65536; out of range: a warning and entry 0.
    TColor Colors(int index);
    const TGIFColor& Entry(int index) const { return entries_[static_cast<size_t>(index)]; }
    void SetEntry(int index, TGIFColor c) { entries_[static_cast<size_t>(index)] = c; }
    int Count() const { return count_; }
    int Capacity() const { return capacity_; }
    bool Optimized() const { return optimized_; }
    void SetOptimized(bool optimized) { optimized_ = optimized; }
    void ImportPalette(const TLogPalette& palette);
    // A DIB colour table: blue, green, red, reserved per entry.
    void ImportColorTable(const uint8_t* table, int count);
    TLogPalette ExportPalette() const;
    int BitsPerPixel() const { return Colors2bpp(count_); }
    void SaveToStream(TStream& stream) const;   // padded with black to 2^BitsPerPixel entries
    void SaveToStream(TStream& stream, int entries) const;   // padded to that many entries
    void LoadFromStream(TStream& stream, int count);
    void Assign(const TGIFColorMap& source);

protected:
    bool DoOptimize();

private:
    void SetCapacity(int size);
    std::vector<TGIFColor> entries_;
    int count_ = 0;
    int capacity_ = 0;
    bool optimized_ = false;
};

class TGIFGlobalColorMap : public TGIFColorMap
{
public:
    explicit TGIFGlobalColorMap(TGIFItem* header) : header_(header) {}
    void Warning(int severity, const std::string& message) override { header_->Warning(severity, message); }
    void BuildHistogram(std::vector<int64_t>& usage) const override;
    void MapImages(const std::vector<uint8_t>& table) override;
    bool Optimize() override;
    void Changed() override;

private:
    TGIFItem* header_;
};

class TGIFHeader : public TGIFItem
{
public:
    explicit TGIFHeader(TGIFOwner* image);
    void Clear();
    void Assign(const TGIFHeader& source);
    void Assign(const TGIFColorMap& source);
    int GetVersion() const override;
    void SaveToStream(TStream& stream) override;
    void LoadFromStream(TStream& stream) override;
    TColor BackgroundColor() { return ColorMap.Colors(BackgroundColorIndex); }
    int BitsPerPixel() const { return ColorMap.BitsPerPixel(); }
    int ColorResolution() const { return ColorMap.BitsPerPixel() - 1; }
    // Recomputes the packed flags from the picture (global map, resolution, depth).
    void Prepare();

    TGIFGlobalColorMap ColorMap{this};
    uint16_t Width = 0;
    uint16_t Height = 0;
    uint8_t PackedFields = 0;
    uint8_t BackgroundColorIndex = 0;
    uint8_t AspectRatio = 0;
};
