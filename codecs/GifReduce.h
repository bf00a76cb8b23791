// Colour reduction of the GIF codec: a picture of any colours becomes an 8-bit
// picture of at most 256. A method picks the palette (fixed palettes or the
// octree quantizer), a lookup maps each colour to an entry, and a dither engine
// spreads the error of that mapping over the neighbouring pixels.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "codecs/GifImage.h"

enum TColorReduction : int {
    rmNone = 0, rmWindows20, rmWindows256, rmWindowsGray, rmMonochrome, rmGrayScale,
    rmNetscape, rmQuantize, rmQuantizeWindows, rmPalette,
};
enum TDitherMode : int {
    dmNearest = 0, dmFloydSteinberg, dmStucki, dmSierra, dmJaJuNI, dmSteveArche, dmBurkes,
};

// ---- lookups --------------------------------------------------------------------------
class TColorLookup
{
public:
    explicit TColorLookup(int colors) : Colors(colors) {}
    virtual ~TColorLookup() = default;
    // The entry for the colour; its colour in the out values.
    virtual int Lookup(int red, int green, int blue, int& outRed, int& outGreen, int& outBlue) = 0;
    int Colors;
};

// Nearest entry of a palette (squared RGB distance, lowest index on ties).
class TSlowColorLookup : public TColorLookup
{
public:
    explicit TSlowColorLookup(const TLogPalette& palette);
    int Lookup(int red, int green, int blue, int& outRed, int& outGreen, int& outBlue) override;

private:
    TLogPalette palette_;
};

class TNetscapeColorLookup : public TColorLookup
{
public:
    TNetscapeColorLookup() : TColorLookup(216) {}
    int Lookup(int red, int green, int blue, int& outRed, int& outGreen, int& outBlue) override;
};

class TGrayScaleLookup : public TColorLookup
{
public:
    TGrayScaleLookup() : TColorLookup(256) {}
    int Lookup(int red, int green, int blue, int& outRed, int& outGreen, int& outBlue) override;
};

class TMonochromeLookup : public TColorLookup
{
public:
    TMonochromeLookup() : TColorLookup(2) {}
    int Lookup(int red, int green, int blue, int& outRed, int& outGreen, int& outBlue) override;
};

// ---- dither engines -----------------------------------------------------------------
// Rows alternate left to right and right to left (the first left to right).
// Dither answers the entry for the pixel at Column and moves Column by Direction;
// NextLine turns round and goes to the next row.
class TDitherEngine
{
public:
    TDitherEngine(int width, TColorLookup& lookup) : Width(width), Lookup(lookup) {}
    virtual ~TDitherEngine() = default;
    virtual int Dither(int red, int green, int blue, int& outRed, int& outGreen, int& outBlue);
    virtual void NextLine();
    int Direction = 1;
    int Column = 0;
    int Width;
    TColorLookup& Lookup;
};

// Error diffusion over a kernel: the weights of the current row (ahead of the
// pixel) and of the rows below, mirrored with the scan direction. Each value
// is the channel plus (accumulated error + divisor / 2) / divisor, truncated
// toward zero and clamped to 0..255; weights outside the row are dropped.
class TErrorDiffusionDitherer : public TDitherEngine
{
public:
    struct Weight { int Dx; int Dy; int W; };
    TErrorDiffusionDitherer(int width, TColorLookup& lookup, std::vector<Weight> kernel, int divisor);
    int Dither(int red, int green, int blue, int& outRed, int& outGreen, int& outBlue) override;
    void NextLine() override;

private:
    int* Row(int dy, int channel) { return &errors_[size_t((dy * 3 + channel) * stride_ + margin_)]; }
    std::vector<Weight> kernel_;
    int divisor_;
    int margin_ = 0;
    int rows_ = 1;
    int stride_ = 0;
    std::vector<int> errors_;   // rows x 3 channels x (width + 2 margins)
};

class TFloydSteinbergDitherer : public TErrorDiffusionDitherer
{
public:
    TFloydSteinbergDitherer(int width, TColorLookup& lookup);
};

// The 5 x 3 kernels.
class T5by3Ditherer : public TErrorDiffusionDitherer
{
protected:
    using TErrorDiffusionDitherer::TErrorDiffusionDitherer;
};

class TStuckiDitherer : public T5by3Ditherer
{
public:
    TStuckiDitherer(int width, TColorLookup& lookup);
};

class TSierraDitherer : public T5by3Ditherer
{
public:
    TSierraDitherer(int width, TColorLookup& lookup);
};

class TJaJuNiDitherer : public T5by3Ditherer
{
public:
    TJaJuNiDitherer(int width, TColorLookup& lookup);
};

class TSteveArcheDitherer : public TErrorDiffusionDitherer
{
public:
    TSteveArcheDitherer(int width, TColorLookup& lookup);
};

class TBurkesDitherer : public TErrorDiffusionDitherer
{
public:
    TBurkesDitherer(int width, TColorLookup& lookup);
};

// The engine of a dither kind; nullptr for a kind of 7 or more.
std::unique_ptr<TDitherEngine> CreateDitherEngine(int kind, int width, TColorLookup& lookup);

// Entry indexes of a 24-bit picture (rows of blue, green, red, top to bottom,
// rowBytes apart) through an engine, in its serpentine order.
std::vector<uint8_t> DitherIndexes(const uint8_t* bgr, int64_t rowBytes, int width, int height,
                                   TDitherEngine& engine);

// ---- octree quantizer ---------------------------------------------------------------
struct TOctreeNode
{
    bool IsLeaf = false;
    uint32_t PixelCount = 0;
    uint32_t RedSum = 0;
    uint32_t GreenSum = 0;
    uint32_t BlueSum = 0;
    TOctreeNode* Next = nullptr;   // in its level's reducible list
    std::array<std::unique_ptr<TOctreeNode>, 8> Child;
};

class TColorQuantizer
{
public:
    TColorQuantizer(int maxColors, int colorBits);
    // Adds every pixel of 24-bit rows (blue, green, red), reducing the tree
    // whenever it holds more leaves than colours allowed.
    void ProcessImage(const uint8_t* bgr, int64_t rowBytes, int width, int height);
    void AddColor(int red, int green, int blue);
    // One entry per leaf, depth first, children 0 to 7.
    std::vector<TPaletteEntry> GetPaletteColors() const;
    int LeafCount() const { return leafCount_; }

private:
    bool ReduceTree();   // false when nothing is left to reduce
    std::unique_ptr<TOctreeNode> tree_;
    int leafCount_ = 0;
    std::array<TOctreeNode*, 9> reducible_{};
    int maxColors_;
    int colorBits_;
};

// A palette from the octree: colors entries (black where no colour fills one);
// with system colours 256 entries, the 20 system colours at both ends and 236
// quantized colours between.
TLogPalette CreateOptimizedPalette(const uint8_t* bgr, int64_t rowBytes, int width, int height, int colors,
                                   int colorBits, bool windows);
TLogPalette CreateOptimizedPaletteFromBitmap(TBitmap& bitmap, int colors, int colorBits, bool windows);

// A new 8-bit bitmap of the source reduced by method and dither kind (a 24-bit
// copy for rmNone). bits (1..8) sizes the octree palette of rmQuantize; palette
// is the palette of rmPalette. Unknown methods and kinds give an empty bitmap.
// The source is set to 24 bits per pixel on the way. The palette used is put in
// usedPalette when it is given.
std::unique_ptr<TBitmap> ReduceColors(TBitmap& bitmap, int method, int dither, int bits,
                                      const TLogPalette& palette, TLogPalette* usedPalette = nullptr);
