// PNG codec core: the header and its held image, and the image data (row filters,
// Adam7 interlacing, inflating and deflating the rows).
#include "codecs/PngImage.h"
#include "codecs/PngImage_Internal.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

namespace {

using namespace png_internal;

// Bits per pixel of the held image for a colour type and depth; 0 when the PNG
// format does not allow the combination.
int DibBitsFor(uint8_t colorType, uint8_t depth)
{
    switch (colorType) {
    case COLOR_GRAYSCALE:
        switch (depth) {
        case 1: return 1;
        case 2: case 4: return 4;
        case 8: case 16: return 8;
        }
        return 0;
    case COLOR_PALETTE:
        switch (depth) {
        case 1: return 1;
        case 2: case 4: return 4;
        case 8: return 8;
        }
        return 0;
    case COLOR_RGB:
    case COLOR_RGBALPHA: return (depth == 8 || depth == 16) ? 24 : 0;
    case COLOR_GRAYSCALEALPHA: return (depth == 8 || depth == 16) ? 8 : 0;
    }
    return 0;
}

// Samples per pixel of a colour type.
int Channels(uint8_t colorType)
{
    switch (colorType) {
    case COLOR_RGB: return 3;
    case COLOR_GRAYSCALEALPHA: return 2;
    case COLOR_RGBALPHA: return 4;
    default: return 1;
    }
}

uint32_t RowBytes(uint8_t colorType, uint8_t depth, uint32_t width)
{
    return static_cast<uint32_t>((uint64_t(width) * depth * Channels(colorType) + 7) / 8);
}

uint32_t BytesPerPixel(uint8_t colorType, uint8_t depth)
{
    return std::max<uint32_t>(1, depth * Channels(colorType) / 8);
}

const uint32_t kRowStart[7] = {0, 0, 4, 0, 2, 0, 1};
const uint32_t kColStart[7] = {0, 4, 0, 2, 0, 1, 0};
const uint32_t kRowStep[7] = {8, 8, 8, 4, 4, 2, 2};
const uint32_t kColStep[7] = {8, 8, 4, 4, 2, 2, 1};

uint32_t PassWidth(uint32_t width, int pass)
{
    if (width <= kColStart[pass]) return 0;
    return (width - kColStart[pass] + kColStep[pass] - 1) / kColStep[pass];
}

inline uint8_t Paeth(uint8_t a, uint8_t b, uint8_t c)
{
    int p = int(a) + int(b) - int(c);
    int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    if (pa <= pb && pa <= pc) return a;
    if (pb <= pc) return b;
    return c;
}

// Undoes the filter of row (filter byte first) against prior (same layout).
void UnfilterRow(uint8_t* row, const uint8_t* prior, uint32_t rowBytes, uint32_t bpp)
{
    uint8_t* r = row + 1;
    const uint8_t* p = prior + 1;
    switch (row[0]) {
    case pfSub:
        for (uint32_t i = bpp; i < rowBytes; ++i) r[i] = uint8_t(r[i] + r[i - bpp]);
        break;
    case pfUp:
        for (uint32_t i = 0; i < rowBytes; ++i) r[i] = uint8_t(r[i] + p[i]);
        break;
    case pfAverage:
        for (uint32_t i = 0; i < rowBytes; ++i) {
            int left = i >= bpp ? r[i - bpp] : 0;
            r[i] = uint8_t(r[i] + ((left + p[i]) >> 1));
        }
        break;
    case pfPaeth:
        for (uint32_t i = 0; i < rowBytes; ++i) {
            uint8_t a = i >= bpp ? r[i - bpp] : 0;
            uint8_t c = i >= bpp ? p[i - bpp] : 0;
            r[i] = uint8_t(r[i] + Paeth(a, p[i], c));
        }
        break;
    default: break;
    }
}

// Reads the compressed rows from the IDAT chunks that follow each other.
class IdatInflater
{
public:
    IdatInflater(TStream& stream, uint32_t size) : stream_(stream), in_(65535)
    {
        pos_ = stream.Position();
        dataEnd_ = pos_ + size;
        crc_ = PngUpdateCrc(0xFFFFFFFFu, reinterpret_cast<const uint8_t*>("IDAT"), 4);
        if (inflateInit(&zs_) != Z_OK) throw EPNGOutMemory(PngText::OutMemory);
    }
    ~IdatInflater() { inflateEnd(&zs_); }

    // Fills out with up to count bytes; answers how many came (fewer when the
    // compressed stream ended).
    size_t Read(uint8_t* out, size_t count)
    {
        zs_.next_out = out;
        zs_.avail_out = static_cast<uInt>(count);
        while (zs_.avail_out > 0 && !ended_) {
            if (zs_.avail_in == 0) {
                if (pos_ >= dataEnd_) {
                    CheckCrc();
                    NextChunk();
                    continue;
                }
                long want = static_cast<long>(std::min<int64_t>(int64_t(in_.size()), dataEnd_ - pos_));
                long got = stream_.Read(in_.data(), want);
                if (got <= 0) break;
                pos_ += got;
                crc_ = PngUpdateCrc(crc_, in_.data(), size_t(got));
                zs_.next_in = in_.data();
                zs_.avail_in = static_cast<uInt>(got);
            }
            int rc = inflate(&zs_, Z_NO_FLUSH);
            if (rc == Z_STREAM_END) {
                ended_ = true;
            } else if (rc < 0 || rc == Z_NEED_DICT) {
                // A damaged chunk is reported as such rather than as bad compressed data.
                ReadRest();
                uint8_t b[4];
                if (stream_.Read(b, 4) == 4 && ReadBE32(b) != ~crc_) throw EPngInvalidCRC(PngText::InvalidCRC);
                throw EPNGZLIBError(std::string(PngText::ZlibError) + "\r\n Description: " + PngZlibStatusText(rc));
            }
        }
        return count - zs_.avail_out;
    }

    // Reads what is left of the current chunk and checks its CRC.
    void Finish()
    {
        ReadRest();
        CheckCrc();
    }

private:
    void ReadRest()
    {
        zs_.avail_in = 0;
        while (pos_ < dataEnd_) {
            long want = static_cast<long>(std::min<int64_t>(int64_t(in_.size()), dataEnd_ - pos_));
            long got = stream_.Read(in_.data(), want);
            if (got <= 0) throw EPngUnexpectedEnd(PngText::UnexpectedEnd);
            pos_ += got;
            crc_ = PngUpdateCrc(crc_, in_.data(), size_t(got));
        }
    }

    void CheckCrc()
    {
        uint8_t b[4];
        if (stream_.Read(b, 4) != 4) throw EPngUnexpectedEnd(PngText::UnexpectedEnd);
        pos_ += 4;
        if (ReadBE32(b) != ~crc_) throw EPngInvalidCRC(PngText::InvalidCRC);
    }

    void NextChunk()
    {
        uint8_t head[8];
        if (stream_.Read(head, 8) != 8) throw EPngUnexpectedEnd(PngText::UnexpectedEnd);
        pos_ += 8;
        if (std::memcmp(head + 4, "IDAT", 4) != 0) throw EPNGMissingMultipleIDAT(PngText::MissingMultipleIDAT);
        uint32_t length = ReadBE32(head);
        int64_t left = stream_.Size() - pos_;
        if (length > PngLimits::MaxChunkLength || int64_t(length) + 4 > left)
            throw EPngUnexpectedEnd(PngText::UnexpectedEnd);
        crc_ = PngUpdateCrc(0xFFFFFFFFu, head + 4, 4);
        dataEnd_ = pos_ + length;
    }

    TStream& stream_;
    z_stream zs_{};
    std::vector<uint8_t> in_;
    int64_t pos_ = 0;
    int64_t dataEnd_ = 0;
    uint32_t crc_ = 0;
    bool ended_ = false;
};

// Moves one file row (unfiltered, no filter byte) of count pixels into the held
// image at columns x0, x0 + dx, ...
void FileRowToHeld(const TPngImage& png, const TChunkIHDR& h, const uint8_t* src, uint32_t count, uint32_t x0,
                   uint32_t dx, uint8_t* line, uint8_t* alpha)
{
    const uint8_t depth = h.BitDepth();
    const auto& gamma = png.GammaTable;
    const int held = h.DibBitsPerPixel();
    switch (h.ColorType()) {
    case COLOR_GRAYSCALE:
    case COLOR_PALETTE:
        if (depth == 16) {
            for (uint32_t i = 0; i < count; ++i) line[x0 + i * dx] = src[i * 2];
        } else if (dx == 1 && x0 == 0 && depth == held) {
            std::memcpy(line, src, (size_t(count) * depth + 7) / 8);
        } else {
            // 2-bit greys are held as 4-bit levels with the bits repeated (0, 5, 10,
            // 15: the same grey), 2-bit indexes as they are.
            const bool greyWiden = depth == 2 && h.ColorType() == COLOR_GRAYSCALE;
            for (uint32_t i = 0; i < count; ++i) {
                uint8_t v = GetPacked(src, i, depth);
                if (greyWiden) v = uint8_t(v * 5);
                SetPacked(line, x0 + i * dx, held, v);
            }
        }
        break;
    case COLOR_RGB:
    case COLOR_RGBALPHA: {
        const bool withAlpha = h.ColorType() == COLOR_RGBALPHA;
        const uint32_t o = depth == 16 ? 2 : 1, step = (withAlpha ? 4 : 3) * o;
        for (uint32_t i = 0; i < count; ++i) {
            const uint8_t* p = src + i * step;
            uint8_t* d = line + size_t(x0 + i * dx) * 3;
            d[0] = gamma[p[2 * o]];
            d[1] = gamma[p[o]];
            d[2] = gamma[p[0]];
            if (withAlpha) alpha[x0 + i * dx] = p[3 * o];
        }
        break;
    }
    case COLOR_GRAYSCALEALPHA: {
        const uint32_t step = depth == 16 ? 4 : 2, o = depth == 16 ? 2 : 1;
        for (uint32_t i = 0; i < count; ++i) {
            const uint8_t* p = src + i * step;
            line[x0 + i * dx] = p[0];
            alpha[x0 + i * dx] = p[o];
        }
        break;
    }
    default: break;
    }
}

// The reverse: count held pixels at x0, x0 + dx, ... into one file row. depth is
// the depth written (2-bit images are written with 4 bits).
void HeldToFileRow(const TPngImage& png, const TChunkIHDR& h, uint8_t depth, uint8_t* dst, uint32_t count,
                   uint32_t x0, uint32_t dx, const uint8_t* line, const uint8_t* alpha)
{
    const auto& inv = png.InverseGamma;
    const int held = h.DibBitsPerPixel();
    switch (h.ColorType()) {
    case COLOR_GRAYSCALE:
    case COLOR_PALETTE:
        if (depth == 16) {
            for (uint32_t i = 0; i < count; ++i) {
                dst[i * 2] = line[x0 + i * dx];
                dst[i * 2 + 1] = 0;
            }
        } else if (dx == 1 && x0 == 0) {
            std::memcpy(dst, line, (size_t(count) * depth + 7) / 8);
        } else {
            std::memset(dst, 0, (size_t(count) * depth + 7) / 8);
            for (uint32_t i = 0; i < count; ++i) SetPacked(dst, i, depth, GetPacked(line, x0 + i * dx, held));
        }
        break;
    case COLOR_RGB:
    case COLOR_RGBALPHA: {
        const bool a = h.ColorType() == COLOR_RGBALPHA;
        uint8_t* d = dst;
        for (uint32_t i = 0; i < count; ++i) {
            const uint8_t* s = line + size_t(x0 + i * dx) * 3;
            const uint8_t v[4] = {inv[s[2]], inv[s[1]], inv[s[0]], a ? alpha[x0 + i * dx] : uint8_t(0)};
            for (int c = 0; c < (a ? 4 : 3); ++c) {
                *d++ = v[c];
                if (depth == 16) *d++ = 0;
            }
        }
        break;
    }
    case COLOR_GRAYSCALEALPHA: {
        uint8_t* d = dst;
        for (uint32_t i = 0; i < count; ++i) {
            *d++ = line[x0 + i * dx];
            if (depth == 16) *d++ = 0;
            *d++ = alpha[x0 + i * dx];
            if (depth == 16) *d++ = 0;
        }
        break;
    }
    default: break;
    }
}

}  // namespace

// ---- IHDR ----------------------------------------------------------------------------------

void TChunkIHDR::SetHeader(uint32_t width, uint32_t height, uint8_t bitDepth, uint8_t colorType, uint8_t interlace)
{
    width_ = width;
    height_ = height;
    bitDepth_ = bitDepth;
    colorType_ = colorType;
    compressionMethod_ = 0;
    filterMethod_ = 0;
    interlaceMethod_ = interlace;
}

void TChunkIHDR::PrepareImageData()
{
    bits_.clear();
    alpha_.clear();
    colorTable_.fill(TRGBQuad{});
    dibBitsPerPixel_ = 0;
    bytesPerRow_ = 0;
    if (width_ == 0 || height_ == 0) throw EPngInvalidIHDR(PngText::InvalidIHDR);
    if (width_ > PngLimits::MaxDimension || height_ > PngLimits::MaxDimension ||
        uint64_t(width_) * height_ > PngLimits::MaxPixels)
        throw EPNGSizeExceeds(PngText::SizeExceeds);
    const int bpp = DibBitsFor(colorType_, bitDepth_);
    if (bpp == 0 || filterMethod_ != 0) throw EPngInvalidIHDR(PngText::InvalidIHDR);
    dibBitsPerPixel_ = bpp;
    dibHasPalette_ = bpp <= 8;
    bytesPerRow_ = static_cast<uint32_t>(((uint64_t(bpp) * width_ + 31) / 32) * 4);
    try {
        bits_.assign(size_t(bytesPerRow_) * height_, 0);
        if (colorType_ == COLOR_GRAYSCALEALPHA || colorType_ == COLOR_RGBALPHA)
            alpha_.assign(size_t(width_) * height_, 0);
    } catch (const std::bad_alloc&) {
        bits_.clear();
        alpha_.clear();
        throw EPNGOutMemory(PngText::OutMemory);
    }
}

void TChunkIHDR::WriteGreyRamp()
{
    if (!dibHasPalette_) return;
    const int n = 1 << dibBitsPerPixel_;
    for (int i = 0; i < n; ++i) {
        uint8_t g = owner_->GammaTable[size_t((i * 255 + (n - 1) / 2) / (n - 1))];
        colorTable_[size_t(i)] = TRGBQuad{g, g, g, 0};
    }
}

void TChunkIHDR::Assign(const TChunk& source)
{
    CheckSameClass(source);
    TChunk::Assign(source);
    auto& s = static_cast<const TChunkIHDR&>(source);
    SetHeader(s.width_, s.height_, s.bitDepth_, s.colorType_, s.interlaceMethod_);
    compressionMethod_ = s.compressionMethod_;
    filterMethod_ = s.filterMethod_;
    PrepareImageData();
    bits_ = s.bits_;
    alpha_ = s.alpha_;
    colorTable_ = s.colorTable_;
}

bool TChunkIHDR::LoadFromStream(TStream& stream, const std::string& name, uint32_t size)
{
    TChunk::LoadFromStream(stream, name, size);
    if (size < 13) throw EPngInvalidIHDR(PngText::InvalidIHDR);
    const uint8_t* d = data_.data();
    width_ = ReadBE32(d);
    height_ = ReadBE32(d + 4);
    bitDepth_ = d[8];
    colorType_ = d[9];
    compressionMethod_ = d[10];
    filterMethod_ = d[11];
    interlaceMethod_ = d[12];
    if (width_ > PngLimits::MaxDimension || height_ > PngLimits::MaxDimension)
        throw EPNGSizeExceeds(PngText::SizeExceeds);
    if (compressionMethod_ != 0) throw EPNGUnknownCompression(PngText::UnknownCompression);
    if (interlaceMethod_ > 1) throw EPNGUnknownInterlace(PngText::UnknownInterlace);
    owner_->InterlaceMethod = interlaceMethod_;
    PrepareImageData();
    return true;
}

bool TChunkIHDR::SaveToStream(TStream& stream) const
{
    uint8_t out[13];
    PutBE32(out, width_);
    PutBE32(out + 4, height_);
    out[8] = bitDepth_ == 2 ? 4 : bitDepth_;   // 2-bit images are held and written with 4 bits
    out[9] = colorType_;
    out[10] = compressionMethod_;
    out[11] = filterMethod_;
    out[12] = owner_->InterlaceMethod;
    WriteChunk(stream, name_, out, 13);
    return true;
}

// ---- IDAT: decoding ------------------------------------------------------------------------------

bool TChunkIDAT::LoadFromStream(TStream& stream, const std::string& name, uint32_t size)
{
    SetName(name);
    TChunkIHDR& h = Header();
    if (h.DibBitsPerPixel() == 0) throw EPngInvalidIHDR(PngText::InvalidIHDR);
    if (h.ColorType() == COLOR_GRAYSCALE || h.ColorType() == COLOR_GRAYSCALEALPHA) h.WriteGreyRamp();

    const uint8_t type = h.ColorType(), depth = h.BitDepth();
    const uint32_t width = h.Width(), height = h.Height();
    const uint32_t bpp = BytesPerPixel(type, depth);
    const uint32_t fullRowBytes = RowBytes(type, depth, width);

    IdatInflater inflater(stream, size);
    std::vector<uint8_t> rowA(size_t(fullRowBytes) + 1, 0), rowB(size_t(fullRowBytes) + 1, 0);
    uint8_t* row = rowA.data();
    uint8_t* prior = rowB.data();
    const bool interlaced = owner_->InterlaceMethod == 1;
    const bool hasAlpha = h.HasAlpha();

    bool more = true;
    for (int pass = interlaced ? 0 : 6; pass < 7 && more; ++pass) {
        const uint32_t x0 = interlaced ? kColStart[pass] : 0, dx = interlaced ? kColStep[pass] : 1;
        const uint32_t y0 = interlaced ? kRowStart[pass] : 0, dy = interlaced ? kRowStep[pass] : 1;
        const uint32_t count = interlaced ? PassWidth(width, pass) : width;
        const uint32_t rowBytes = RowBytes(type, depth, count);
        std::memset(prior, 0, size_t(fullRowBytes) + 1);
        if (rowBytes == 0) continue;
        for (uint32_t y = y0; y < height; y += dy) {
            size_t got = inflater.Read(row, size_t(rowBytes) + 1);
            if (got == 0) {
                more = false;   // the data ended early: the other rows stay zero
                break;
            }
            if (got < size_t(rowBytes) + 1) {
                std::memset(row + got, 0, size_t(rowBytes) + 1 - got);
                more = false;
            }
            UnfilterRow(row, prior, rowBytes, bpp);
            FileRowToHeld(*owner_, h, row + 1, count, x0, dx, h.ScanLine(y), hasAlpha ? h.AlphaLine(y) : nullptr);
            std::swap(row, prior);
            if (!more) break;
        }
    }
    inflater.Finish();
    return true;
}

// ---- IDAT: encoding --------------------------------------------------------------------------------

namespace {

// Counts the output bytes (2 .. n-1) equal to the byte before or two before.
uint32_t RepeatCount(const uint8_t* out, uint32_t n)
{
    uint32_t count = 0;
    for (uint32_t i = 2; i < n; ++i)
        if (out[i] == out[i - 1] || out[i] == out[i - 2]) ++count;
    return count;
}

class IdatDeflater
{
public:
    IdatDeflater(TStream& stream, int level, uint32_t bufferSize) : stream_(stream), out_(bufferSize)
    {
        if (deflateInit(&zs_, std::clamp(level, 0, 9)) != Z_OK) throw EPNGOutMemory(PngText::OutMemory);
        zs_.next_out = out_.data();
        zs_.avail_out = static_cast<uInt>(out_.size());
    }
    ~IdatDeflater() { deflateEnd(&zs_); }

    void Write(const uint8_t* data, size_t size)
    {
        zs_.next_in = const_cast<Bytef*>(data);
        zs_.avail_in = static_cast<uInt>(size);
        while (zs_.avail_in > 0) {
            deflate(&zs_, Z_NO_FLUSH);
            if (zs_.avail_out == 0) Flush();
        }
    }

    void Finish()
    {
        for (;;) {
            int rc = deflate(&zs_, Z_FINISH);
            if (rc == Z_STREAM_END) break;
            if (rc < 0 && rc != Z_BUF_ERROR) throw EPNGZLIBError(std::string(PngText::ZlibError) +
                                                                 "\r\n Description: " + PngZlibStatusText(rc));
            if (zs_.avail_out == 0) Flush();
        }
        if (zs_.avail_out < out_.size()) Flush();
    }

private:
    void Flush()
    {
        const uint32_t n = static_cast<uint32_t>(out_.size() - zs_.avail_out);
        uint8_t head[8];
        PutBE32(head, n);
        std::memcpy(head + 4, "IDAT", 4);
        stream_.WriteBuffer(head, 8);
        stream_.WriteBuffer(out_.data(), static_cast<long>(n));
        uint32_t crc = ~PngUpdateCrc(PngUpdateCrc(0xFFFFFFFFu, head + 4, 4), out_.data(), n);
        uint8_t tail[4];
        PutBE32(tail, crc);
        stream_.WriteBuffer(tail, 4);
        zs_.next_out = out_.data();
        zs_.avail_out = static_cast<uInt>(out_.size());
    }

    TStream& stream_;
    z_stream zs_{};
    std::vector<uint8_t> out_;
};

}  // namespace

bool TChunkIDAT::SaveToStream(TStream& stream) const
{
    TChunkIHDR& h = Header();
    if (h.DibBitsPerPixel() == 0) return true;
    const uint8_t type = h.ColorType();
    const uint8_t depth = h.BitDepth() == 2 ? 4 : h.BitDepth();
    const uint32_t width = h.Width(), height = h.Height();
    const uint32_t bpp = BytesPerPixel(type, depth);
    const uint32_t fullRowBytes = RowBytes(type, depth, width);
    const TFilters filters = owner_->Filters;

    // Buffers carry the filter byte first; cur is the unfiltered row, prior the one above.
    std::vector<uint8_t> cur(size_t(fullRowBytes) + 1, 0), prior(size_t(fullRowBytes) + 1, 0);
    std::vector<uint8_t> outs[5];
    for (int f = pfSub; f <= pfPaeth; ++f)
        if (HasFilter(filters, TFilter(f))) outs[f].assign(size_t(fullRowBytes) + 1, uint8_t(f));

    // How many filters are on (None counts as one of them).
    int onCount = 0, only = pfNone;
    for (int f = pfNone; f <= pfPaeth; ++f)
        if (HasFilter(filters, TFilter(f))) {
            ++onCount;
            only = f;
        }

    IdatDeflater deflater(stream, owner_->CompressionLevel, owner_->MaxIdatSize());
    const bool interlaced = owner_->InterlaceMethod == 1;
    const bool hasAlpha = h.HasAlpha();
    for (int pass = interlaced ? 0 : 6; pass < 7; ++pass) {
        const uint32_t x0 = interlaced ? kColStart[pass] : 0, dx = interlaced ? kColStep[pass] : 1;
        const uint32_t y0 = interlaced ? kRowStart[pass] : 0, dy = interlaced ? kRowStep[pass] : 1;
        const uint32_t count = interlaced ? PassWidth(width, pass) : width;
        const uint32_t n = RowBytes(type, depth, count);
        std::fill(prior.begin(), prior.end(), 0);
        if (n == 0) continue;
        for (uint32_t y = y0; y < height; y += dy) {
            uint8_t* c = cur.data() + 1;
            const uint8_t* p = prior.data() + 1;
            HeldToFileRow(*owner_, h, depth, c, count, x0, dx, h.ScanLine(y), hasAlpha ? h.AlphaLine(y) : nullptr);
            if (!outs[pfSub].empty()) {
                uint8_t* o = outs[pfSub].data() + 1;
                for (uint32_t i = 0; i < n; ++i) o[i] = uint8_t(c[i] - (i >= bpp ? c[i - bpp] : 0));
            }
            if (!outs[pfUp].empty()) {
                uint8_t* o = outs[pfUp].data() + 1;
                for (uint32_t i = 0; i < n; ++i) o[i] = uint8_t(c[i] - p[i]);
            }
            if (!outs[pfAverage].empty()) {
                uint8_t* o = outs[pfAverage].data() + 1;
                for (uint32_t i = 0; i < n; ++i) o[i] = uint8_t(c[i] - (((i >= bpp ? c[i - bpp] : 0) + p[i]) >> 1));
            }
            if (!outs[pfPaeth].empty()) {
                uint8_t* o = outs[pfPaeth].data() + 1;
                for (uint32_t i = 0; i < n; ++i)
                    o[i] = uint8_t(c[i] - Paeth(i >= bpp ? c[i - bpp] : 0, p[i], i >= bpp ? p[i - bpp] : 0));
            }
            int choice = pfNone;
            if (onCount == 1) {
                choice = only;
            } else if (onCount > 1) {
                uint32_t best = 0;
                for (int f = pfNone; f <= pfPaeth; ++f) {
                    if (!HasFilter(filters, TFilter(f))) continue;
                    const uint8_t* o = f == pfNone ? c : outs[f].data() + 1;
                    uint32_t k = RepeatCount(o, n);
                    if (k > best) {
                        best = k;
                        choice = f;
                    }
                }
            }
            if (choice == pfNone) {
                cur[0] = pfNone;
                deflater.Write(cur.data(), size_t(n) + 1);
            } else {
                deflater.Write(outs[choice].data(), size_t(n) + 1);
            }
            std::memcpy(prior.data() + 1, c, n);
        }
    }
    deflater.Finish();
    return true;
}
