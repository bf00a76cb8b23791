#include "codecs/GifReduce.h"

#include <algorithm>
#include <functional>

// ---- lookups --------------------------------------------------------------------------

TSlowColorLookup::TSlowColorLookup(const TLogPalette& palette)
    : TColorLookup(std::min(palette.Count(), 256)), palette_(palette)
{
    palette_.Entries.resize(size_t(Colors));
}

int TSlowColorLookup::Lookup(int red, int green, int blue, int& outRed, int& outGreen, int& outBlue)
{
    int i = palette_.NearestIndex(red, green, blue);
    const TPaletteEntry& e = palette_.Entries[size_t(i)];
    outRed = e.peRed;
    outGreen = e.peGreen;
    outBlue = e.peBlue;
    return i;
}

int TNetscapeColorLookup::Lookup(int red, int green, int blue, int& outRed, int& outGreen, int& outBlue)
{
    int r = (red + 3) / 51, g = (green + 3) / 51, b = (blue + 3) / 51;
    outRed = r * 51;
    outGreen = g * 51;
    outBlue = b * 51;
    return r * 36 + g * 6 + b;
}

int TGrayScaleLookup::Lookup(int red, int green, int blue, int& outRed, int& outGreen, int& outBlue)
{
    int g = (red * 77 + green * 150 + blue * 29) / 256;
    outRed = outGreen = outBlue = g;
    return g;
}

int TMonochromeLookup::Lookup(int red, int green, int blue, int& outRed, int& outGreen, int& outBlue)
{
    int white = red * 77 + green * 150 + blue * 29 >= 32513;
    outRed = outGreen = outBlue = white ? 255 : 0;
    return white;
}

// ---- dither engines -----------------------------------------------------------------

int TDitherEngine::Dither(int red, int green, int blue, int& outRed, int& outGreen, int& outBlue)
{
    int i = Lookup.Lookup(red, green, blue, outRed, outGreen, outBlue);
    Column += Direction;
    return i;
}

void TDitherEngine::NextLine()
{
    Direction = -Direction;
    Column = Direction > 0 ? 0 : Width - 1;
}

TErrorDiffusionDitherer::TErrorDiffusionDitherer(int width, TColorLookup& lookup, std::vector<Weight> kernel,
                                                 int divisor)
    : TDitherEngine(width, lookup), kernel_(std::move(kernel)), divisor_(divisor)
{
    for (const Weight& w : kernel_) {
        margin_ = std::max(margin_, std::abs(w.Dx));
        rows_ = std::max(rows_, w.Dy + 1);
    }
    stride_ = std::max(width, 0) + 2 * margin_;
    errors_.assign(size_t(rows_ * 3 * stride_), 0);
}

int TErrorDiffusionDitherer::Dither(int red, int green, int blue, int& outRed, int& outGreen, int& outBlue)
{
    const int in[3] = {red, green, blue};
    int value[3];
    for (int c = 0; c < 3; ++c) {
        int v = in[c] + (Row(0, c)[Column] + divisor_ / 2) / divisor_;
        value[c] = std::clamp(v, 0, 255);
    }
    int i = Lookup.Lookup(value[0], value[1], value[2], outRed, outGreen, outBlue);
    const int out[3] = {outRed, outGreen, outBlue};
    for (int c = 0; c < 3; ++c) {
        int error = value[c] - out[c];
        if (error == 0) continue;
        for (const Weight& w : kernel_) Row(w.Dy, c)[Column + w.Dx * Direction] += error * w.W;
    }
    Column += Direction;
    return i;
}

void TErrorDiffusionDitherer::NextLine()
{
    TDitherEngine::NextLine();
    // The row ahead becomes the current one; the freed row is cleared.
    size_t plane = size_t(3 * stride_);
    std::rotate(errors_.begin(), errors_.begin() + long(plane), errors_.end());
    std::fill(errors_.end() - long(plane), errors_.end(), 0);
}

TFloydSteinbergDitherer::TFloydSteinbergDitherer(int width, TColorLookup& lookup)
    : TErrorDiffusionDitherer(width, lookup, {{1, 0, 7}, {-1, 1, 3}, {0, 1, 5}, {1, 1, 1}}, 16)
{
}

TStuckiDitherer::TStuckiDitherer(int width, TColorLookup& lookup)
    : T5by3Ditherer(width, lookup,
                    {{1, 0, 8}, {2, 0, 4},
                     {-2, 1, 2}, {-1, 1, 4}, {0, 1, 8}, {1, 1, 4}, {2, 1, 2},
                     {-2, 2, 1}, {-1, 2, 2}, {0, 2, 4}, {1, 2, 2}, {2, 2, 1}},
                    42)
{
}

TSierraDitherer::TSierraDitherer(int width, TColorLookup& lookup)
    : T5by3Ditherer(width, lookup,
                    {{1, 0, 5}, {2, 0, 3},
                     {-2, 1, 2}, {-1, 1, 4}, {0, 1, 5}, {1, 1, 4}, {2, 1, 2},
                     {-1, 2, 2}, {0, 2, 3}, {1, 2, 2}},
                    32)
{
}

TJaJuNiDitherer::TJaJuNiDitherer(int width, TColorLookup& lookup)
    : T5by3Ditherer(width, lookup,
                    {{1, 0, 7}, {2, 0, 5},
                     {-2, 1, 3}, {-1, 1, 5}, {0, 1, 7}, {1, 1, 5}, {2, 1, 3},
                     {-2, 2, 1}, {-1, 2, 3}, {0, 2, 5}, {1, 2, 3}, {2, 2, 1}},
                    48)
{
}

TSteveArcheDitherer::TSteveArcheDitherer(int width, TColorLookup& lookup)
    : TErrorDiffusionDitherer(width, lookup,
                              {{2, 0, 32},
                               {-3, 1, 12}, {-1, 1, 26}, {1, 1, 30}, {3, 1, 16},
                               {-2, 2, 12}, {0, 2, 26}, {2, 2, 12},
                               {-3, 3, 5}, {-1, 3, 12}, {1, 3, 12}, {3, 3, 5}},
                              200)
{
}

TBurkesDitherer::TBurkesDitherer(int width, TColorLookup& lookup)
    : TErrorDiffusionDitherer(width, lookup,
                              {{1, 0, 8}, {2, 0, 4}, {-2, 1, 2}, {-1, 1, 4}, {0, 1, 8}, {1, 1, 4}, {2, 1, 2}},
                              32)
{
}

std::unique_ptr<TDitherEngine> CreateDitherEngine(int kind, int width, TColorLookup& lookup)
{
    switch (kind) {
    case dmNearest: return std::make_unique<TDitherEngine>(width, lookup);
    case dmFloydSteinberg: return std::make_unique<TFloydSteinbergDitherer>(width, lookup);
    case dmStucki: return std::make_unique<TStuckiDitherer>(width, lookup);
    case dmSierra: return std::make_unique<TSierraDitherer>(width, lookup);
    case dmJaJuNI: return std::make_unique<TJaJuNiDitherer>(width, lookup);
    case dmSteveArche: return std::make_unique<TSteveArcheDitherer>(width, lookup);
    case dmBurkes: return std::make_unique<TBurkesDitherer>(width, lookup);
    default: return nullptr;
    }
}

std::vector<uint8_t> DitherIndexes(const uint8_t* bgr, int64_t rowBytes, int width, int height,
                                   TDitherEngine& engine)
{
    std::vector<uint8_t> out(size_t(int64_t(width) * height));
    int r, g, b;
    for (int y = 0; y < height; ++y) {
        const uint8_t* src = bgr + rowBytes * y;
        uint8_t* dst = out.data() + int64_t(width) * y;
        while (engine.Column >= 0 && engine.Column < width) {
            const uint8_t* p = src + 3 * engine.Column;
            int x = engine.Column;
            dst[x] = uint8_t(engine.Dither(p[2], p[1], p[0], r, g, b));
        }
        engine.NextLine();
    }
    return out;
}

// ---- octree ---------------------------------------------------------------------------

TColorQuantizer::TColorQuantizer(int maxColors, int colorBits)
    : maxColors_(std::max(maxColors, 1)), colorBits_(std::clamp(colorBits, 1, 8))
{
}

void TColorQuantizer::AddColor(int red, int green, int blue)
{
    std::unique_ptr<TOctreeNode>* slot = &tree_;
    for (int level = 0;; ++level) {
        if (!*slot) {
            *slot = std::make_unique<TOctreeNode>();
            TOctreeNode* made = slot->get();
            if (level == colorBits_) {
                made->IsLeaf = true;
                ++leafCount_;
            } else {
                made->Next = reducible_[size_t(level)];
                reducible_[size_t(level)] = made;
            }
        }
        TOctreeNode* node = slot->get();
        if (node->IsLeaf) {
            ++node->PixelCount;
            node->RedSum += uint32_t(red);
            node->GreenSum += uint32_t(green);
            node->BlueSum += uint32_t(blue);
            return;
        }
        int shift = 7 - level;
        int index = (((red >> shift) & 1) << 2) | (((green >> shift) & 1) << 1) | ((blue >> shift) & 1);
        slot = &node->Child[size_t(index)];
    }
}

bool TColorQuantizer::ReduceTree()
{
    int level = colorBits_ - 1;
    while (level > 0 && !reducible_[size_t(level)]) --level;
    TOctreeNode* node = reducible_[size_t(level)];
    if (!node) return false;
    reducible_[size_t(level)] = node->Next;
    int children = 0;
    for (auto& child : node->Child) {
        if (!child) continue;
        node->RedSum += child->RedSum;
        node->GreenSum += child->GreenSum;
        node->BlueSum += child->BlueSum;
        node->PixelCount += child->PixelCount;
        child.reset();
        ++children;
    }
    node->IsLeaf = true;
    leafCount_ -= children - 1;
    return true;
}

void TColorQuantizer::ProcessImage(const uint8_t* bgr, int64_t rowBytes, int width, int height)
{
    for (int y = 0; y < height; ++y) {
        const uint8_t* p = bgr + rowBytes * y;
        for (int x = 0; x < width; ++x, p += 3) {
            AddColor(p[2], p[1], p[0]);
            while (leafCount_ > maxColors_ && ReduceTree()) {
            }
        }
    }
}

std::vector<TPaletteEntry> TColorQuantizer::GetPaletteColors() const
{
    std::vector<TPaletteEntry> out;
    std::function<void(const TOctreeNode*)> walk = [&](const TOctreeNode* node) {
        if (!node) return;
        if (node->IsLeaf) {
            TPaletteEntry e;
            if (node->PixelCount) {
                e.peRed = uint8_t(node->RedSum / node->PixelCount);
                e.peGreen = uint8_t(node->GreenSum / node->PixelCount);
                e.peBlue = uint8_t(node->BlueSum / node->PixelCount);
            }
            out.push_back(e);
            return;
        }
        for (const auto& child : node->Child) walk(child.get());
    };
    walk(tree_.get());
    return out;
}

TLogPalette CreateOptimizedPalette(const uint8_t* bgr, int64_t rowBytes, int width, int height, int colors,
                                   int colorBits, bool windows)
{
    colors = std::clamp(colors, 1, 256);
    TLogPalette p;
    int first = 0;
    if (windows) {
        TLogPalette sys = SystemPalette16();
        p.Entries.assign(256, {0, 0, 0, PC_NOCOLLAPSE});
        std::copy(sys.Entries.begin(), sys.Entries.begin() + 10, p.Entries.begin());
        std::copy(sys.Entries.begin() + 10, sys.Entries.end(), p.Entries.begin() + 246);
        colors = 236;
        first = 10;
    } else {
        p.Entries.assign(size_t(colors), {0, 0, 0, PC_NOCOLLAPSE});
    }
    TColorQuantizer quantizer(colors, colorBits);
    quantizer.ProcessImage(bgr, rowBytes, width, height);
    std::vector<TPaletteEntry> found = quantizer.GetPaletteColors();
    for (size_t i = 0; i < found.size() && i < size_t(colors); ++i) p.Entries[size_t(first) + i] = found[i];
    return p;
}

TLogPalette CreateOptimizedPaletteFromBitmap(TBitmap& bitmap, int colors, int colorBits, bool windows)
{
    TDIBReader reader(bitmap, pf24bit);
    int h = bitmap.Height();
    return CreateOptimizedPalette(h ? reader.Scanline(0) : nullptr, int64_t(bitmap.Width()) * 3, bitmap.Width(),
                                  h, colors, colorBits, windows);
}

// ---- reduction ---------------------------------------------------------------------------

std::unique_ptr<TBitmap> ReduceColors(TBitmap& bitmap, int method, int dither, int bits,
                                      const TLogPalette& palette, TLogPalette* usedPalette)
{
    auto result = std::make_unique<TBitmap>();
    if (method == rmNone) {
        result->Assign(bitmap);
        result->SetPixelFormat(pf24bit);
        return result;
    }
    if (method < 0 || method > rmPalette) return result;
    TDIBReader reader(bitmap, pf24bit);
    const int w = bitmap.Width(), h = bitmap.Height();
    const uint8_t* rows = h > 0 ? reader.Scanline(0) : nullptr;
    const int64_t rowBytes = int64_t(w) * 3;

    TLogPalette pal;
    switch (method) {
    case rmWindows20: pal = SystemPalette16(); break;
    case rmWindows256: pal = HalftonePalette(); break;
    case rmWindowsGray: pal = Gray4Palette(); break;
    case rmMonochrome: pal = MonochromePalette(); break;
    case rmGrayScale: pal = GrayScalePalette(); break;
    case rmNetscape: pal = WebPalette(); break;
    case rmQuantize:
        pal = CreateOptimizedPalette(rows, rowBytes, w, h, 1 << std::clamp(bits, 1, 8), 8, false);
        break;
    case rmQuantizeWindows: pal = CreateOptimizedPalette(rows, rowBytes, w, h, 256, 8, true); break;
    default: pal = palette; break;
    }

    std::unique_ptr<TColorLookup> lookup;
    switch (method) {
    case rmMonochrome: lookup = std::make_unique<TMonochromeLookup>(); break;
    case rmGrayScale: lookup = std::make_unique<TGrayScaleLookup>(); break;
    case rmNetscape: lookup = std::make_unique<TNetscapeColorLookup>(); break;
    default: lookup = std::make_unique<TSlowColorLookup>(pal); break;
    }
    if (lookup->Colors == 0) return result;
    std::unique_ptr<TDitherEngine> engine = CreateDitherEngine(dither, w, *lookup);
    if (!engine) return result;

    std::vector<uint8_t> indexes = DitherIndexes(rows, rowBytes, w, h, *engine);
    {
        TDIBWriter writer(*result, pf8bit, w, h, pal);
        for (int y = 0; y < h; ++y) std::copy_n(indexes.data() + int64_t(w) * y, w, writer.Scanline(y));
    }
    if (usedPalette) *usedPalette = std::move(pal);
    return result;
}
