// PNG codec core: the chunk list of a PNG file, the held image (a bottom-up
// DIB-like pixel store with its colour table and an alpha plane), decoding and
// encoding of the image data, transparency and pixel access. No window code here:
// TPngPicture (PngPicture.h) puts this on the picture framework.
//
// A PNG file is untrusted input: every length and size is checked against the
// stream and against the caps below before anything is allocated, and a damaged
// file raises one of the EPng... exceptions and leaves the picture empty.
#pragma once

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// ---- errors ----------------------------------------------------------------------
// Every fault of the codec is an EPngError (or one of its subclasses), each raised
// with its fixed text below.
BZ_DECLARE_EXCEPTION(EPngError, Exception)
BZ_DECLARE_EXCEPTION(EPngUnexpectedEnd, EPngError)
BZ_DECLARE_EXCEPTION(EPNGNoImageData, EPngError)
BZ_DECLARE_EXCEPTION(EPNGOutMemory, EPngError)
BZ_DECLARE_EXCEPTION(EPNGCannotChangeTransparent, EPngError)
BZ_DECLARE_EXCEPTION(EPNGHeaderNotPresent, EPngError)
BZ_DECLARE_EXCEPTION(EPngInvalidCRC, EPngError)
BZ_DECLARE_EXCEPTION(EPngInvalidIHDR, EPngError)
BZ_DECLARE_EXCEPTION(EPNGMissingMultipleIDAT, EPngError)
BZ_DECLARE_EXCEPTION(EPNGZLIBError, EPngError)
BZ_DECLARE_EXCEPTION(EPNGInvalidPalette, EPngError)
BZ_DECLARE_EXCEPTION(EPNGInvalidFileHeader, EPngError)
BZ_DECLARE_EXCEPTION(EPNGIHDRNotFirst, EPngError)
BZ_DECLARE_EXCEPTION(EPNGSizeExceeds, EPngError)
BZ_DECLARE_EXCEPTION(EPNGUnknownCriticalChunk, EPngError)
BZ_DECLARE_EXCEPTION(EPNGUnknownCompression, EPngError)
BZ_DECLARE_EXCEPTION(EPNGUnknownInterlace, EPngError)

namespace PngText {
inline constexpr const char* UnexpectedEnd =
    "This \"Portable Network Graphics\" image is invalid because the decoder found an unexpected end of the file.";
inline constexpr const char* NoImageData = "This \"Portable Network Graphics\" image contains no data.";
inline constexpr const char* CannotResize =
    "The \"Portable Network Graphics\" image can not be resize by changing width and height properties. "
    "Try assigning the image from a bitmap.";
inline constexpr const char* AddExistentChunk =
    "The program tried to add a existent critical chunk to the current image which is not allowed.";
inline constexpr const char* AddInvalidImage =
    "It's not allowed to add a new chunk because the current image is invalid.";
inline constexpr const char* OutMemory =
    "Some operation could not be performed because the system is out of resources. Close some windows and try again.";
inline constexpr const char* CannotChangeTransparent =
    "Setting bit transparency color is not allowed for png images containing alpha value for each pixel "
    "(COLOR_RGBALPHA and COLOR_GRAYSCALEALPHA)";
inline constexpr const char* HeaderNotPresent =
    "This operation is not valid because the current image contains no valid header.";
inline constexpr const char* InvalidCRC =
    "This \"Portable Network Graphics\" image is not valid because it contains invalid pieces of data (crc error)";
inline constexpr const char* InvalidIHDR =
    "The \"Portable Network Graphics\" image could not be loaded because one of its main piece of data (ihdr) "
    "might be corrupted";
inline constexpr const char* MissingMultipleIDAT =
    "This \"Portable Network Graphics\" image is invalid because it has missing image parts.";
inline constexpr const char* ZlibError =
    "Could not decompress the image because it contains invalid compressed data.";
inline constexpr const char* InvalidPalette = "The \"Portable Network Graphics\" image contains an invalid palette.";
inline constexpr const char* InvalidFileHeader =
    "The file being readed is not a valid \"Portable Network Graphics\" image because it contains an invalid "
    "header. This file may be corruped, try obtaining it again.";
inline constexpr const char* IHDRNotFirst =
    "This \"Portable Network Graphics\" image is not supported or it might be invalid.\r\n(IHDR chunk is not the first)";
inline constexpr const char* SizeExceeds =
    "This \"Portable Network Graphics\" image is not supported because either it's width or height exceeds the "
    "maximum size, which is 65535 pixels length.";
inline constexpr const char* NoPaletteEntry = "There is no such palette entry.";
inline constexpr const char* UnknownCriticalChunk =
    "This \"Portable Network Graphics\" image contains an unknown critical part which could not be decoded.";
inline constexpr const char* UnknownCompression =
    "This \"Portable Network Graphics\" image is encoded with an unknown compression scheme which could not be decoded.";
inline constexpr const char* UnknownInterlace =
    "This \"Portable Network Graphics\" image uses an unknown interlace scheme which could not be decoded.";
inline constexpr const char* IncompatibleChunks = "The chunks must be compatible to be assigned.";
}  // namespace PngText

// zlib's status text for a zlib return code (-6..2), as shown after the zlib error.
std::string PngZlibStatusText(int code);

// ---- limits --------------------------------------------------------------------------
namespace PngLimits {
inline constexpr uint32_t MaxDimension = 65535;                 // width and height
inline constexpr uint64_t MaxPixels = uint64_t(1) << 26;        // width x height (64 Mpixels)
inline constexpr uint32_t MaxChunkLength = 0x7FFFFFFF;          // PNG's own limit
inline constexpr size_t MaxTextInflate = 1 << 20;               // inflated zTXt text
inline constexpr uint32_t MinIdatSize = 65535;
inline constexpr uint32_t MaxIdatSize = 1 << 24;
}  // namespace PngLimits

// Colour types of the header.
enum : uint8_t {
    COLOR_GRAYSCALE = 0,
    COLOR_RGB = 2,
    COLOR_PALETTE = 3,
    COLOR_GRAYSCALEALPHA = 4,
    COLOR_RGBALPHA = 6,
};

// Row filters; TFilters is a set of them (bit 1 << filter).
enum TFilter : uint8_t { pfNone = 0, pfSub = 1, pfUp = 2, pfAverage = 3, pfPaeth = 4 };
using TFilters = uint8_t;
constexpr TFilters FilterSet(TFilter f) { return static_cast<TFilters>(1u << f); }
constexpr bool HasFilter(TFilters set, TFilter f) { return (set & FilterSet(f)) != 0; }

enum TPNGTransparencyMode { ptmNone, ptmBit, ptmPartial };

// Colours in the program's order: red in the low byte, then green, blue (255 = red).
using TPngColor = uint32_t;
constexpr TPngColor PngRGB(uint8_t r, uint8_t g, uint8_t b)
{
    return static_cast<TPngColor>(r) | (static_cast<TPngColor>(g) << 8) | (static_cast<TPngColor>(b) << 16);
}
constexpr uint8_t PngRed(TPngColor c) { return static_cast<uint8_t>(c); }
constexpr uint8_t PngGreen(TPngColor c) { return static_cast<uint8_t>(c >> 8); }
constexpr uint8_t PngBlue(TPngColor c) { return static_cast<uint8_t>(c >> 16); }

// One entry of the DIB colour table.
struct TRGBQuad
{
    uint8_t rgbBlue = 0, rgbGreen = 0, rgbRed = 0, rgbReserved = 0;
};

// CRC-32 of the PNG format (reflected 0xEDB88320, all ones in, complement out).
uint32_t PngUpdateCrc(uint32_t crc, const uint8_t* data, size_t size);   // raw register, no complement
uint32_t PngCrc(const uint8_t* data, size_t size);

class TPngImage;
class TChunkIHDR;

// ---- chunks -------------------------------------------------------------------------
class TChunk
{
public:
    explicit TChunk(TPngImage& owner);
    virtual ~TChunk() = default;
    TChunk(const TChunk&) = delete;
    TChunk& operator=(const TChunk&) = delete;

    // The chunk type that a class stands for ("" for the plain chunk).
    virtual const char* ClassType() const { return ""; }
    // A new chunk of the same class for another picture.
    virtual std::unique_ptr<TChunk> NewOfSameClass(TPngImage& owner) const;
    // Copies name and data; subclasses refuse a source of another class.
    virtual void Assign(const TChunk& source);
    // Reads size data bytes and the CRC (EPngInvalidCRC on mismatch). False ends loading.
    virtual bool LoadFromStream(TStream& stream, const std::string& name, uint32_t size);
    virtual bool SaveToStream(TStream& stream) const;

    void ResizeData(size_t size) { data_.assign(size, 0); }
    uint8_t* Data() { return data_.data(); }
    const uint8_t* Data() const { return data_.data(); }
    uint32_t DataSize() const { return static_cast<uint32_t>(data_.size()); }
    std::vector<uint8_t>& Bytes() { return data_; }
    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    TPngImage& Owner() const { return *owner_; }
    int Index() const;                 // -1 when not in the owner's list
    TChunkIHDR& Header() const;        // the owner's header (EPNGHeaderNotPresent)

protected:
    // Writes length, type, data and CRC of the given bytes.
    static void WriteChunk(TStream& stream, const std::string& name, const uint8_t* data, uint32_t size);
    void CheckSameClass(const TChunk& source) const;

    friend class TPNGList;
    TPngImage* owner_;
    std::string name_;
    std::vector<uint8_t> data_;
};

// The header; it owns the held image.
class TChunkIHDR : public TChunk
{
public:
    using TChunk::TChunk;
    static constexpr const char* Type = "IHDR";
    const char* ClassType() const override { return Type; }
    std::unique_ptr<TChunk> NewOfSameClass(TPngImage& owner) const override;
    void Assign(const TChunk& source) override;
    bool LoadFromStream(TStream& stream, const std::string& name, uint32_t size) override;
    bool SaveToStream(TStream& stream) const override;

    // Checks the header values (sizes, colour type and depth) and allocates the
    // held image, all zero. Raises EPngInvalidIHDR / EPNGSizeExceeds when unusable.
    void PrepareImageData();
    // Grey ramp for colour types 0 and 4 (through the owner's gamma table).
    void WriteGreyRamp();

    // Image row 0 is the last DIB line.
    uint8_t* ScanLine(uint32_t row) { return bits_.data() + size_t(height_ - 1 - row) * bytesPerRow_; }
    const uint8_t* ScanLine(uint32_t row) const { return bits_.data() + size_t(height_ - 1 - row) * bytesPerRow_; }
    uint8_t* AlphaLine(uint32_t row) { return alpha_.data() + size_t(row) * width_; }
    const uint8_t* AlphaLine(uint32_t row) const { return alpha_.data() + size_t(row) * width_; }
    bool HasAlpha() const { return !alpha_.empty(); }

    uint32_t Width() const { return width_; }
    uint32_t Height() const { return height_; }
    uint8_t BitDepth() const { return bitDepth_; }
    uint8_t ColorType() const { return colorType_; }
    uint8_t CompressionMethod() const { return compressionMethod_; }
    uint8_t FilterMethod() const { return filterMethod_; }
    uint8_t InterlaceMethod() const { return interlaceMethod_; }
    // Header values for a picture being built (PrepareImageData checks them).
    void SetHeader(uint32_t width, uint32_t height, uint8_t bitDepth, uint8_t colorType, uint8_t interlace = 0);

    int DibBitsPerPixel() const { return dibBitsPerPixel_; }
    uint32_t BytesPerRow() const { return bytesPerRow_; }
    bool DibHasPalette() const { return dibHasPalette_; }
    std::array<TRGBQuad, 256>& ColorTable() { return colorTable_; }
    const std::array<TRGBQuad, 256>& ColorTable() const { return colorTable_; }

private:
    uint32_t width_ = 0, height_ = 0;
    uint8_t bitDepth_ = 0, colorType_ = 0, compressionMethod_ = 0, filterMethod_ = 0, interlaceMethod_ = 0;
    int dibBitsPerPixel_ = 0;
    uint32_t bytesPerRow_ = 0;
    bool dibHasPalette_ = false;
    std::array<TRGBQuad, 256> colorTable_{};
    std::vector<uint8_t> bits_;
    std::vector<uint8_t> alpha_;
};

class TChunkPLTE : public TChunk
{
public:
    using TChunk::TChunk;
    static constexpr const char* Type = "PLTE";
    const char* ClassType() const override { return Type; }
    std::unique_ptr<TChunk> NewOfSameClass(TPngImage& owner) const override;
    void Assign(const TChunk& source) override;
    bool LoadFromStream(TStream& stream, const std::string& name, uint32_t size) override;
    bool SaveToStream(TStream& stream) const override;

    int Count() const { return count_; }
    void SetCount(int count) { count_ = count; }
    TRGBQuad Item(int index) const;   // EPngError "There is no such palette entry."

private:
    int count_ = 0;
};

class TChunktRNS : public TChunk
{
public:
    using TChunk::TChunk;
    static constexpr const char* Type = "tRNS";
    const char* ClassType() const override { return Type; }
    std::unique_ptr<TChunk> NewOfSameClass(TPngImage& owner) const override;
    void Assign(const TChunk& source) override;
    bool LoadFromStream(TStream& stream, const std::string& name, uint32_t size) override;
    bool SaveToStream(TStream& stream) const override;

    bool BitTransparency() const { return bitTransparency_; }
    const std::array<uint8_t, 256>& PaletteValues() const { return paletteValues_; }
    std::array<uint8_t, 256>& PaletteValues() { return paletteValues_; }
    // The transparent colour as shown (grey and RGB: the sample's display colour).
    TPngColor TransparentColor() const;
    void SetTransparentColor(TPngColor color);
    // Grey and RGB: whether a held pixel is the transparent one.
    bool IsTransparentGrey(uint8_t heldIndex) const;
    bool IsTransparentRgb(uint8_t red, uint8_t green, uint8_t blue) const;

private:
    bool bitTransparency_ = false;
    std::array<uint8_t, 256> paletteValues_{};
};

class TChunkgAMA : public TChunk
{
public:
    explicit TChunkgAMA(TPngImage& owner);
    static constexpr const char* Type = "gAMA";
    const char* ClassType() const override { return Type; }
    std::unique_ptr<TChunk> NewOfSameClass(TPngImage& owner) const override;
    void Assign(const TChunk& source) override;
    bool LoadFromStream(TStream& stream, const std::string& name, uint32_t size) override;

    uint32_t Gamma();
    void SetGamma(uint32_t value);
};

class TChunkIDAT : public TChunk
{
public:
    using TChunk::TChunk;
    static constexpr const char* Type = "IDAT";
    const char* ClassType() const override { return Type; }
    std::unique_ptr<TChunk> NewOfSameClass(TPngImage& owner) const override;
    // Decodes the whole image from this chunk and the IDAT chunks right after it.
    bool LoadFromStream(TStream& stream, const std::string& name, uint32_t size) override;
    // Encodes the image as one or more IDAT chunks.
    bool SaveToStream(TStream& stream) const override;
};

class TChunktIME : public TChunk
{
public:
    using TChunk::TChunk;
    static constexpr const char* Type = "tIME";
    const char* ClassType() const override { return Type; }
    std::unique_ptr<TChunk> NewOfSameClass(TPngImage& owner) const override;
    void Assign(const TChunk& source) override;
    bool LoadFromStream(TStream& stream, const std::string& name, uint32_t size) override;
    bool SaveToStream(TStream& stream) const override;

    uint16_t Year = 0;
    uint8_t Month = 0, Day = 0, Hour = 0, Minute = 0, Second = 0;
};

class TChunktEXt : public TChunk
{
public:
    using TChunk::TChunk;
    static constexpr const char* Type = "tEXt";
    const char* ClassType() const override { return Type; }
    std::unique_ptr<TChunk> NewOfSameClass(TPngImage& owner) const override;
    void Assign(const TChunk& source) override;
    bool LoadFromStream(TStream& stream, const std::string& name, uint32_t size) override;
    bool SaveToStream(TStream& stream) const override;

    std::string Keyword;
    std::string Text;
};

class TChunkzTXt : public TChunktEXt
{
public:
    using TChunktEXt::TChunktEXt;
    static constexpr const char* Type = "zTXt";
    const char* ClassType() const override { return Type; }
    std::unique_ptr<TChunk> NewOfSameClass(TPngImage& owner) const override;
    bool LoadFromStream(TStream& stream, const std::string& name, uint32_t size) override;
    bool SaveToStream(TStream& stream) const override;
};

class TChunkIEND : public TChunk
{
public:
    using TChunk::TChunk;
    static constexpr const char* Type = "IEND";
    const char* ClassType() const override { return Type; }
    std::unique_ptr<TChunk> NewOfSameClass(TPngImage& owner) const override;
};

// Creates the chunk object for a type read from a file (a plain TChunk for unknown types).
std::unique_ptr<TChunk> CreatePngChunk(TPngImage& owner, const std::string& name);

// The owned, ordered chunk list of a picture.
class TPNGList
{
public:
    explicit TPNGList(TPngImage& owner) : owner_(&owner) {}
    int Count() const { return static_cast<int>(items_.size()); }
    TChunk* Item(int index) const;   // nullptr beyond the count
    // Adds a chunk of an ancillary class at its place (gAMA after IHDR; tRNS after
    // PLTE, before the first IDAT or after IHDR; others before IEND).
    template <class T> T* Add() { return static_cast<T*>(AddChunk(std::make_unique<T>(*owner_))); }
    template <class T> T* ItemFromClass() const
    {
        for (auto& c : items_)
            if (auto* t = dynamic_cast<T*>(c.get())) return t;
        return nullptr;
    }
    // Raw list operations.
    TChunk* Append(std::unique_ptr<TChunk> chunk);
    TChunk* Insert(int index, std::unique_ptr<TChunk> chunk);
    int IndexOf(const TChunk* chunk) const;
    void Clear() { items_.clear(); }
    void Trim(int count) { if (count < Count()) items_.resize(static_cast<size_t>(count)); }
    // Exchanges the chunks of two pictures (each chunk follows to its new owner).
    void SwapWith(TPNGList& other);

private:
    TChunk* AddChunk(std::unique_ptr<TChunk> chunk);
    TPngImage* owner_;
    std::vector<std::unique_ptr<TChunk>> items_;
};

// ---- the picture without its window side ---------------------------------------------
class TPngImage
{
public:
    TPngImage();
    virtual ~TPngImage() = default;
    TPngImage(const TPngImage&) = delete;
    TPngImage& operator=(const TPngImage&) = delete;

    // Loading replaces the picture; on any failure the picture is left as it was
    // and the EPng... exception passes on.
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream) const;
    void LoadFromFile(const std::string& fileName);
    // Writes a temporary file beside the target, then renames it over the target.
    void SaveToFile(const std::string& fileName) const;

    void ClearChunks();
    void AssignPNG(const TPngImage& source);
    // Rebuilds the picture from pixels: bitsPerPixel 1, 4 or 8 (palette of 2^bpp
    // colours, packed rows, most significant bits first) or 24 (blue, green, red).
    // rows[y] is image row y (top first). A palette image becomes colour type 3 with
    // a PLTE, otherwise RGB 8 bits; transparent adds a tRNS for the colour.
    void AssignPixels(uint32_t width, uint32_t height, int bitsPerPixel, const std::vector<TPngColor>& palette,
                      const std::vector<const uint8_t*>& rows, bool transparent, TPngColor transparentColor);

    TChunkIHDR& Header() const;   // EPNGHeaderNotPresent
    bool HeaderPresent() const;
    bool Empty() const { return chunks_.Count() == 0; }
    int Width() const { return HeaderPresent() ? static_cast<int>(Header().Width()) : 0; }
    int Height() const { return HeaderPresent() ? static_cast<int>(Header().Height()) : 0; }

    TPNGTransparencyMode TransparencyMode() const;
    TPngColor TransparentColor() const;            // 0 without a tRNS chunk
    // Colour types 0, 2 and 3 get (or keep) a tRNS chunk for the colour. Types with an
    // alpha channel already carry their transparency: nothing changes for them.
    void SetTransparentColor(TPngColor color);

    // One pixel of the held image; outside the image: 0 / nothing. Alpha is not touched.
    TPngColor GetPixel(int x, int y) const;
    void SetPixel(int x, int y, TPngColor color);
    uint8_t* Scanline(int row) { return Header().ScanLine(static_cast<uint32_t>(row)); }

    // The image as 32-bit pixels 0xAARRGGBB (not premultiplied), top row first;
    // alpha from the alpha plane, the palette's tRNS values or the transparent colour.
    std::vector<uint32_t> ToArgb32() const;

    // Settings.
    TFilters Filters = FilterSet(pfSub);
    uint8_t CompressionLevel = 7;
    uint8_t InterlaceMethod = 0;
    uint32_t MaxIdatSize() const { return maxIdatSize_; }
    void SetMaxIdatSize(uint32_t value);

    TPNGList& Chunks() { return chunks_; }
    const TPNGList& Chunks() const { return chunks_; }
    std::array<uint8_t, 256> GammaTable{};
    std::array<uint8_t, 256> InverseGamma{};
    void ResetGamma();

private:
    void LoadChunks(TStream& stream);
    uint32_t maxIdatSize_ = PngLimits::MinIdatSize;
    TPNGList chunks_;
};

// Whole-buffer zlib helpers: false on failure (message in *error). Inflating stops
// with failure past maxOutput bytes.
bool PngInflate(const uint8_t* data, size_t size, std::string& out, size_t maxOutput, std::string* error = nullptr);
bool PngDeflate(const uint8_t* data, size_t size, int level, std::string& out, std::string* error = nullptr);
