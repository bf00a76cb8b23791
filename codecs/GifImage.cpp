#include "codecs/GifImage.h"

#include <algorithm>
#include <cstring>
#include <limits>

int64_t GIFMaxPixels = int64_t(1) << 26;
int64_t GIFMaxTotalPixels = int64_t(1) << 28;
const bool PaletteDisplay = false;

void Error(const std::string& message) { throw GIFException(message); }

void CheckImageSize(int64_t width, int64_t height)
{
    if (width < 0 || height < 0 || width * height > GIFMaxPixels) Error(GifText::ImageTooLarge);
}

// ---- palettes ----------------------------------------------------------------------

int TLogPalette::NearestIndex(int red, int green, int blue) const
{
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < Count(); ++i) {
        const TPaletteEntry& e = Entries[static_cast<size_t>(i)];
        int dr = e.peRed - red, dg = e.peGreen - green, db = e.peBlue - blue;
        int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
            if (d == 0) break;
        }
    }
    return best;
}

namespace {

TPaletteEntry Entry(int r, int g, int b, uint8_t flags = 0)
{
    return {uint8_t(r), uint8_t(g), uint8_t(b), flags};
}

constexpr uint8_t kSystemColors[20][3] = {
    {0, 0, 0},       {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128},
    {128, 0, 128},   {0, 128, 128},   {192, 192, 192}, {192, 220, 192}, {166, 202, 240},
    {255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},     {0, 255, 0},
    {255, 255, 0},   {0, 0, 255},     {255, 0, 255},   {0, 255, 255},   {255, 255, 255},
};

TLogPalette Greys(std::initializer_list<int> levels)
{
    TLogPalette p;
    for (int v : levels) p.Entries.push_back(Entry(v, v, v, PC_NOCOLLAPSE));
    return p;
}

}  // namespace

TLogPalette WebPalette()
{
    TLogPalette p;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b) p.Entries.push_back(Entry(r * 51, g * 51, b * 51));
    return p;
}

TLogPalette GrayScalePalette()
{
    TLogPalette p;
    for (int i = 0; i < 256; ++i) p.Entries.push_back(Entry(i, i, i, PC_NOCOLLAPSE));
    return p;
}

TLogPalette Gray4Palette() { return Greys({0, 128, 192, 255}); }
TLogPalette MonochromePalette() { return Greys({0, 255}); }

TLogPalette SystemPalette16()
{
    TLogPalette p;
    for (const auto& c : kSystemColors) p.Entries.push_back(Entry(c[0], c[1], c[2]));
    return p;
}

TLogPalette HalftonePalette()
{
    TLogPalette sys = SystemPalette16();
    TLogPalette p;
    p.Entries.assign(sys.Entries.begin(), sys.Entries.begin() + 10);
    for (const TPaletteEntry& e : WebPalette().Entries) p.Entries.push_back(e);
    for (int i = 1; i <= 20; ++i) p.Entries.push_back(Entry(i * 12, i * 12, i * 12));
    p.Entries.insert(p.Entries.end(), sys.Entries.begin() + 10, sys.Entries.end());
    return p;
}

// ---- routines ------------------------------------------------------------------------

int64_t BytesPerScanline(int64_t pixelsPerLine, int bitsPerPixel, int alignment)
{
    alignment = std::max(alignment, 1);
    return ((pixelsPerLine * bitsPerPixel + alignment - 1) / alignment * alignment) / 8;
}

int Colors2bpp(int colors)
{
    if (colors <= 0) return 0;
    int bits = 1;
    while ((1 << bits) < colors) ++bits;
    return bits;
}

void WriteByte(TStream& stream, uint8_t b) { stream.WriteBuffer(&b, 1); }

int ReadByte(TStream& stream)
{
    uint8_t b;
    return stream.Read(&b, 1) == 1 ? b : -1;
}

void ReadCheck(TStream& stream, void* buffer, long size)
{
    if (size > 0 && stream.Read(buffer, size) != size) Error(GifText::PrematureEnd);
}

void WriteStrings(TStream& stream, const std::vector<std::string>& strings)
{
    for (const std::string& s : strings)
        for (size_t at = 0; at < s.size(); at += 255) {
            size_t n = std::min<size_t>(255, s.size() - at);
            WriteByte(stream, uint8_t(n));
            stream.WriteBuffer(s.data() + at, long(n));
        }
    WriteByte(stream, 0);
}

void ReadStrings(TStream& stream, std::vector<std::string>& strings)
{
    strings.clear();
    char block[256];
    for (int n = ReadByte(stream); n > 0; n = ReadByte(stream)) {
        ReadCheck(stream, block, n);
        strings.emplace_back(block, strnlen(block, size_t(n)));
    }
}

TPixelFormat GetPixelFormat(const TBitmap& bitmap) { return bitmap.PixelFormat(); }
void SetPixelFormat(TBitmap& bitmap, TPixelFormat format) { bitmap.SetPixelFormat(format); }

// ---- DIB reader ----------------------------------------------------------------------

TDIBReader::TDIBReader(TBitmap& bitmap, TPixelFormat format) : TDIB(bitmap, format)
{
    if (format != pf8bit && format != pf24bit) Error(GifText::UnsupportedPixelFormat);
    bitmap.SetPixelFormat(format);
    width_ = bitmap.Width();
    int height = bitmap.Height();
    CheckImageSize(width_, height);
    rowBytes_ = format == pf8bit ? width_ : int64_t(width_) * 3;
    bits_.resize(size_t(rowBytes_ * height));
    std::vector<uint32_t> colors;   // 0x00RRGGBB of each palette entry
    for (int y = 0; y < height; ++y) {
        const uint32_t* src = bitmap.ScanLine(y);
        uint8_t* dst = bits_.data() + rowBytes_ * y;
        for (int x = 0; x < width_; ++x) {
            uint32_t c = src[x] & 0xFFFFFF;
            if (format == pf24bit) {
                dst[3 * x] = uint8_t(c);
                dst[3 * x + 1] = uint8_t(c >> 8);
                dst[3 * x + 2] = uint8_t(c >> 16);
                continue;
            }
            auto it = std::find(colors.begin(), colors.end(), c);
            if (it == colors.end()) {
                if (colors.size() == 256) Error(GifText::UnsupportedPixelFormat);
                colors.push_back(c);
                it = colors.end() - 1;
            }
            dst[x] = uint8_t(it - colors.begin());
        }
    }
    for (uint32_t c : colors) palette_.Entries.push_back({uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c), 0});
}

uint8_t* TDIBReader::Scanline(int row)
{
    if (row < 0 || row >= Bitmap.Height()) throw EInvalidGraphicOperation(GifText::ScanlineIndex);
    return bits_.data() + rowBytes_ * row;
}

// ---- DIB writer ----------------------------------------------------------------------

namespace {
void Put16(uint8_t* p, uint32_t v) { p[0] = uint8_t(v); p[1] = uint8_t(v >> 8); }
void Put32(uint8_t* p, uint32_t v) { Put16(p, v); Put16(p + 2, v >> 16); }
}  // namespace

TDIBWriter::TDIBWriter(TBitmap& bitmap, TPixelFormat format, int width, int height, const TLogPalette& palette)
    : TDIB(bitmap, format), palette_(palette), width_(width), height_(height)
{
    if (format != pf8bit && format != pf24bit) Error(GifText::UnsupportedPixelFormat);
    if (width <= 0 || height <= 0) Error(GifText::InvalidDimensions);
}

int64_t TDIBWriter::RowBytes() const { return BytesPerScanline(width_, PixelFormat == pf8bit ? 8 : 24, 32); }

void TDIBWriter::CreateDIB()
{
    CheckImageSize(width_, height_);
    const bool eight = PixelFormat == pf8bit;
    header_.assign(eight ? 40 + 256 * 4 : 40, 0);
    uint8_t* h = header_.data();
    Put32(h, 40);
    Put32(h + 4, uint32_t(width_));
    Put32(h + 8, uint32_t(height_));   // positive: bottom-up
    Put16(h + 12, 1);
    Put16(h + 14, eight ? 8 : 24);
    if (eight) {
        int n = std::min(palette_.Count(), 256);
        for (int i = 0; i < n; ++i) {
            const TPaletteEntry& e = palette_.Entries[size_t(i)];
            h[40 + 4 * i] = e.peBlue;
            h[41 + 4 * i] = e.peGreen;
            h[42 + 4 * i] = e.peRed;
        }
        Put32(h + 32, 256);
        Put32(h + 36, uint32_t(n));
    }
    int64_t size = RowBytes() * height_;
    try {
        bits_.assign(size_t(size), 0);
    } catch (const std::bad_alloc&) {
        throw EOutOfMemory(GifText::DIBMemory);
    }
}

uint8_t* TDIBWriter::Scanline(int row)
{
    if (bits_.empty()) CreateDIB();
    if (bits_.empty()) Error(GifText::NoDIB);
    if (row < 0 || row >= height_) throw EInvalidGraphicOperation(GifText::ScanlineIndex);
    return bits_.data() + RowBytes() * (height_ - row - 1);
}

TDIBWriter::~TDIBWriter()
{
    if (bits_.empty()) return;
    try {
        TMemoryStream m;
        uint8_t fileHeader[14] = {'B', 'M'};
        Put32(fileHeader + 2, uint32_t(14 + header_.size() + bits_.size()));
        Put32(fileHeader + 10, uint32_t(14 + header_.size()));
        m.WriteBuffer(fileHeader, 14);
        m.WriteBuffer(header_.data(), long(header_.size()));
        m.WriteBuffer(bits_.data(), long(bits_.size()));
        bits_.clear();
        m.SetPosition(0);
        Bitmap.SetPixelFormat(PixelFormat);
        Bitmap.LoadFromStream(m);
    } catch (...) {
        // The DIB was made by us and is always readable; a bitmap that cannot take
        // it keeps its content.
    }
}

// ---- items ------------------------------------------------------------------------------

void TGIFItem::Warning(int severity, const std::string& message)
{
    if (Image) Image->Warning(this, severity, message);
}

void TGIFItem::SaveToFile(const std::string& fileName)
{
    TFileStream f(fileName, fmCreate);
    SaveToStream(f);
}

void TGIFItem::LoadFromFile(const std::string& fileName)
{
    TFileStream f(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(f);
}

// ---- colour maps ------------------------------------------------------------------------

void TGIFColorMap::Clear()
{
    entries_.clear();
    count_ = capacity_ = 0;
    optimized_ = false;
}

void TGIFColorMap::SetCapacity(int size)
{
    if (size < capacity_) return;
    int capacity = size <= 16 ? 16 : (size + 31) / 32 * 32;
    capacity_ = std::min(capacity, 256);
    entries_.resize(size_t(capacity_));
}

int TGIFColorMap::Add(TGIFColor color)
{
    if (count_ >= 256) Error(GifText::ColorTableOverflow);
    SetCapacity(count_ + 1);
    entries_[size_t(count_)] = color;
    ++count_;
    optimized_ = false;
    Changed();
    return count_ - 1;
}

int TGIFColorMap::IndexOf(TGIFColor color) const
{
    if (optimized_) {
        for (int i = 0; i < count_; ++i)
            if (entries_[size_t(i)] == color) return i;
    } else {
        for (int i = count_ - 1; i >= 0; --i)
            if (entries_[size_t(i)] == color) return i;
    }
    return -1;
}

int TGIFColorMap::AddUnique(TGIFColor color)
{
    int i = IndexOf(color);
    return i >= 0 ? i : Add(color);
}

void TGIFColorMap::Delete(int index)
{
    if (index < 0 || index >= count_) Error(GifText::InvalidColorIndex);
    entries_.erase(entries_.begin() + index);
    entries_.push_back({});
    --count_;
    optimized_ = false;
    Changed();
}

TColor TGIFColorMap::Colors(int index)
{
    if (index < 0 || index >= count_) {
        Warning(1, GifText::InvalidColorIndex);
        if (count_ == 0) Error(GifText::ColorTableEmpty);
        index = 0;
    }
    const TGIFColor& c = entries_[size_t(index)];
    return RGB(c.Red, c.Green, c.Blue);
}

void TGIFColorMap::ImportPalette(const TLogPalette& palette)
{
    Clear();
    int n = std::min(palette.Count(), 256);
    SetCapacity(n);
    for (int i = 0; i < n; ++i) {
        const TPaletteEntry& e = palette.Entries[size_t(i)];
        entries_[size_t(i)] = {e.peRed, e.peGreen, e.peBlue};
    }
    count_ = n;
    Changed();
}

void TGIFColorMap::ImportColorTable(const uint8_t* table, int count)
{
    Clear();
    count = std::clamp(count, 0, 256);
    if (count) {
        SetCapacity(count);
        for (int i = 0; i < count; ++i) entries_[size_t(i)] = {table[4 * i + 2], table[4 * i + 1], table[4 * i]};
        count_ = count;
    }
    Changed();
}

TLogPalette TGIFColorMap::ExportPalette() const
{
    TLogPalette p;
    for (int i = 0; i < count_; ++i) {
        const TGIFColor& c = entries_[size_t(i)];
        p.Entries.push_back({c.Red, c.Green, c.Blue, PC_NOCOLLAPSE});
    }
    return p;
}

void TGIFColorMap::SaveToStream(TStream& stream) const { SaveToStream(stream, 1 << BitsPerPixel()); }

void TGIFColorMap::SaveToStream(TStream& stream, int entries) const
{
    if (count_ == 0) return;
    entries = std::max(entries, count_);
    std::vector<uint8_t> bytes(size_t(entries) * 3, 0);
    for (int i = 0; i < count_; ++i) {
        const TGIFColor& c = entries_[size_t(i)];
        bytes[3 * size_t(i)] = c.Red;
        bytes[3 * size_t(i) + 1] = c.Green;
        bytes[3 * size_t(i) + 2] = c.Blue;
    }
    stream.WriteBuffer(bytes.data(), long(bytes.size()));
}

void TGIFColorMap::LoadFromStream(TStream& stream, int count)
{
    Clear();
    count = std::clamp(count, 0, 256);
    SetCapacity(count);
    uint8_t bytes[256 * 3];
    ReadCheck(stream, bytes, count * 3);
    for (int i = 0; i < count; ++i) entries_[size_t(i)] = {bytes[3 * i], bytes[3 * i + 1], bytes[3 * i + 2]};
    count_ = count;
}

void TGIFColorMap::Assign(const TGIFColorMap& source)
{
    if (&source == this) return;
    Clear();
    capacity_ = source.capacity_;
    count_ = source.count_;
    optimized_ = source.optimized_;
    entries_ = source.entries_;
    Changed();
}

bool TGIFColorMap::Optimize() { return DoOptimize(); }

bool TGIFColorMap::DoOptimize()
{
    if (count_ <= 1) return false;
    optimized_ = true;
    std::vector<int64_t> usage;
    BuildHistogram(usage);
    usage.resize(size_t(count_), 0);
    struct Pair { int64_t Count; int Index; };
    std::vector<Pair> pairs;
    for (int i = 0; i < count_; ++i) pairs.push_back({usage[size_t(i)], i});

    // Quicksort by use, largest first, in the unit's own order of swaps.
    std::function<void(int, int)> sort = [&](int low, int high) {
        int i;
        do {
            i = low;
            int j = high;
            int64_t pivot = pairs[size_t((low + high) / 2)].Count;
            do {
                while (pairs[size_t(i)].Count > pivot) ++i;
                while (pairs[size_t(j)].Count < pivot) --j;
                if (i <= j) {
                    std::swap(pairs[size_t(i)], pairs[size_t(j)]);
                    ++i;
                    --j;
                }
            } while (i <= j);
            if (low < j) sort(low, j);
            low = i;
        } while (i < high);
    };
    sort(0, count_ - 1);

    bool same = true;
    for (int i = 0; i < count_; ++i) same = same && pairs[size_t(i)].Index == i;
    if (same) return true;

    std::vector<uint8_t> table(256);
    for (int i = 0; i < 256; ++i) table[size_t(i)] = uint8_t(i);
    for (int i = 0; i < count_; ++i) table[size_t(pairs[size_t(i)].Index)] = uint8_t(i);
    MapImages(table);

    std::vector<TGIFColor> sorted(entries_.size());
    int newCount = count_;
    for (int i = 0; i < count_; ++i) {
        sorted[size_t(i)] = entries_[size_t(pairs[size_t(i)].Index)];
        if (pairs[size_t(i)].Count == 0 && newCount == count_) newCount = i;
    }
    entries_ = std::move(sorted);
    count_ = newCount;
    Changed();
    return true;
}

void TGIFGlobalColorMap::BuildHistogram(std::vector<int64_t>& usage) const
{
    usage.assign(size_t(Count()), 0);
    if (header_->Image) header_->Image->GlobalHistogram(usage);
}

void TGIFGlobalColorMap::MapImages(const std::vector<uint8_t>& table)
{
    if (header_->Image) header_->Image->MapGlobalImages(table);
}

bool TGIFGlobalColorMap::Optimize()
{
    if (!header_->Image || header_->Image->ImageCount() == 0) return false;
    return DoOptimize();
}

void TGIFGlobalColorMap::Changed()
{
    if (header_->Image) header_->Image->Changed();
}

// ---- header --------------------------------------------------------------------------------

TGIFHeader::TGIFHeader(TGIFOwner* image) : TGIFItem(image) { Clear(); }

void TGIFHeader::Clear()
{
    ColorMap.Clear();
    Width = Height = 0;
    PackedFields = BackgroundColorIndex = AspectRatio = 0;
}

void TGIFHeader::Assign(const TGIFHeader& source)
{
    if (&source == this) return;
    ColorMap.Assign(source.ColorMap);
    Width = source.Width;
    Height = source.Height;
    PackedFields = source.PackedFields;
    BackgroundColorIndex = source.BackgroundColorIndex;
    AspectRatio = source.AspectRatio;
}

void TGIFHeader::Assign(const TGIFColorMap& source)
{
    Clear();
    ColorMap.Assign(source);
}

int TGIFHeader::GetVersion() const { return ColorMap.Optimized() || AspectRatio != 0 ? 2 : 1; }

void TGIFHeader::Prepare()
{
    uint8_t flags = 0;
    if (ColorMap.Count() > 0) {
        flags |= 0x80;
        if (ColorMap.Optimized()) flags |= 0x08;
    }
    int resolution = Image ? Image->ColorResolution() : ColorResolution();
    int bits = Image ? Image->BitsPerPixel() : BitsPerPixel();
    flags |= uint8_t((resolution * 16) & 0x70);
    flags |= uint8_t((bits - 1) & 0x07);
    PackedFields = flags;
}

void TGIFHeader::SaveToStream(TStream& stream)
{
    int version = Image ? Image->MaxVersion() : GetVersion();
    if (version != 1 && version != 2) Error(GifText::UnsupportedVersion);
    stream.WriteBuffer(version == 1 ? "GIF87a" : "GIF89a", 6);
    Prepare();
    uint8_t d[7];
    Put16(d, Width);
    Put16(d + 2, Height);
    d[4] = PackedFields;
    d[5] = BackgroundColorIndex;
    d[6] = AspectRatio;
    stream.WriteBuffer(d, 7);
    // The table is as long as the size field says, which follows the deepest map
    // of the picture (frames without local colours are written at that depth).
    if (PackedFields & 0x80) ColorMap.SaveToStream(stream, 2 << (PackedFields & 7));
}

void TGIFHeader::LoadFromStream(TStream& stream)
{
    int64_t start = stream.Position();
    char sig[6];
    auto isGif = [&] {
        return (sig[0] & 0xDF) == 'G' && (sig[1] & 0xDF) == 'I' && (sig[2] & 0xDF) == 'F';
    };
    ReadCheck(stream, sig, 6);
    if (!isGif()) {
        stream.SetPosition(start + 4);
        ReadCheck(stream, sig, 6);
        if (!isGif()) Error(GifText::InvalidSignature);
    }
    uint8_t d[7];
    ReadCheck(stream, d, 7);
    Width = uint16_t(d[0] | (d[1] << 8));
    Height = uint16_t(d[2] | (d[3] << 8));
    PackedFields = d[4];
    BackgroundColorIndex = d[5];
    AspectRatio = d[6];
    if (PackedFields & 0x80) {
        int count = 2 << (PackedFields & 7);
        if (count < 2 || count > 256) Error(GifText::ScreenColors);
        ColorMap.LoadFromStream(stream, count);
    } else {
        ColorMap.Clear();
    }
}
