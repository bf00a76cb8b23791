#include "codecs/GifLzw.h"

#include <algorithm>
#include <cstring>

// ---- decoder ----------------------------------------------------------------------------

namespace {

constexpr int kTableSize = 4096;

class TGIFDecoder
{
public:
    TGIFDecoder(TStream& stream, int minCodeSize, const TGIFWarning& warning)
        : stream_(stream), warning_(warning), minCodeSize_(minCodeSize)
    {
        ClearCode = 1 << minCodeSize;
        EndCode = ClearCode + 1;
        CodeSize = minCodeSize + 1;
        MaxCodeSize = 2 * ClearCode;
        NextCode = ClearCode + 2;
    }

    // The next pixel value; -1 when the data ran out, -2 at the end code.
    int NextValue(bool expand = true)
    {
        if (sp_ > 0) return stack_[--sp_];
        return Decode(expand);
    }

    // Reads to the end code (keeping the table in step, without expanding
    // strings) and skips what follows it up to the terminator.
    void Drain()
    {
        sp_ = 0;
        try {
            while (Decode(false) >= 0) sp_ = 0;
        } catch (const GIFException& e) {
            Warn(e.Message.c_str());   // the pixels are whole; only what follows them is bad
        }
    }

private:
    void Warn(const char* text)
    {
        if (warning_) warning_(text);
    }

    // Reads one sub-block after the two bytes carried over; false without one.
    bool Refill()
    {
        buffer_[0] = buffer_[LastByte - 2];
        buffer_[1] = buffer_[LastByte - 1];
        int n = ReadByte(stream_);
        if (n < 0) return false;
        if (n == 0) {
            ZeroBlock = Done = true;
        } else {
            int64_t left = stream_.Size() - stream_.Position();
            if (n > left) {
                Warn(GifText::PrematureEnd);
                n = int(std::max<int64_t>(left, 0));
            }
            if (n > 0 && stream_.Read(buffer_ + 2, n) != n) return false;
        }
        LastByte = 2 + n;
        CurBit = CurBit - LastBit + 16;
        LastBit = 8 * LastByte;
        return true;
    }

    int ReadCode()
    {
        if (Started) {
            Started = false;
            return ClearCode;
        }
        while (CurBit + CodeSize > LastBit) {
            if (Done) {
                if (CurBit >= LastBit) Warn(GifText::BitBufferUnderrun);
                return -1;
            }
            if (!Refill()) return -1;
        }
        const uint8_t* p = buffer_ + (CurBit >> 3);
        uint32_t bits = uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16);
        int code = int((bits >> (CurBit & 7)) & ((1u << CodeSize) - 1));
        CurBit += CodeSize;
        return code;
    }

    // After the end code: the rest of the data up to its terminator is skipped.
    int EndOfData()
    {
        if (!ZeroBlock) {
            uint8_t skip[255];
            for (int n = ReadByte(stream_); n > 0; n = ReadByte(stream_))
                if (stream_.Read(skip, n) != n) break;
            ZeroBlock = Done = true;
        }
        return -2;
    }

    int Decode(bool expand)
    {
        int code = ReadCode();
        if (code < 0) return code;
        if (code == ClearCode) {
            for (int i = 0; i < ClearCode; ++i) {
                prefix_[i] = 0;
                suffix_[i] = uint16_t(i);
                first_[i] = uint16_t(i);
            }
            std::fill(prefix_ + ClearCode, prefix_ + kTableSize, uint16_t(0));
            std::fill(suffix_ + ClearCode, suffix_ + kTableSize, uint16_t(0));
            CodeSize = minCodeSize_ + 1;
            MaxCodeSize = 2 * ClearCode;
            NextCode = ClearCode + 2;
            sp_ = 0;
            do code = ReadCode();
            while (code == ClearCode);
            if (code < 0) return code;
            if (code == EndCode) return EndOfData();
            if (code > ClearCode) Error(GifText::BadCode);   // a string before any was made
            FirstCode = OldCode = code;
            return code;
        }
        if (code == EndCode) return EndOfData();
        const int inCode = code;
        int first;
        if (code >= NextCode) {
            if (code > NextCode) Error(GifText::BadCode);
            first = first_[OldCode];
            if (expand) {
                stack_[sp_++] = uint16_t(FirstCode);
                code = OldCode;
            }
        } else {
            first = first_[code];
        }
        if (expand) {
            // Every entry points at an older one, so a string is at most the table long.
            while (code >= ClearCode) {
                if (sp_ >= kTableSize || prefix_[code] == code) Error(GifText::CircularTable);
                stack_[sp_++] = suffix_[code];
                code = prefix_[code];
            }
            stack_[sp_++] = uint16_t(code);
        }
        FirstCode = first;
        if (NextCode < kTableSize) {
            prefix_[NextCode] = uint16_t(OldCode);
            suffix_[NextCode] = uint16_t(FirstCode);
            first_[NextCode] = uint16_t(first_[OldCode]);
            ++NextCode;
            if (NextCode >= MaxCodeSize && MaxCodeSize < kTableSize) {
                MaxCodeSize *= 2;
                ++CodeSize;
            }
        }
        OldCode = inCode;
        return expand ? stack_[--sp_] : first;
    }

    TStream& stream_;
    const TGIFWarning& warning_;
    const int minCodeSize_;
    int CodeSize = 0;
    int ClearCode = 0;
    int EndCode = 0;
    int NextCode = 0;
    int MaxCodeSize = 0;
    int FirstCode = 0;
    int OldCode = 0;
    bool Started = true;
    bool ZeroBlock = false;
    bool Done = false;
    int CurBit = 0;
    int LastBit = 0;
    int LastByte = 2;
    uint8_t buffer_[2 + 255 + 3] = {};
    uint16_t prefix_[kTableSize] = {};
    uint16_t suffix_[kTableSize] = {};
    uint16_t first_[kTableSize] = {};   // first value of each string
    uint16_t stack_[kTableSize + 1] = {};
    int sp_ = 0;
};

}  // namespace

void Decompress(TStream& stream, uint8_t* data, int width, int height, bool interlaced,
                const TGIFWarning& warning)
{
    int minCodeSize = ReadByte(stream);
    if (minCodeSize < 0) return;
    if (minCodeSize < 1 || minCodeSize > 11) Error(GifText::BadCodeSize);
    auto decoder = std::make_unique<TGIFDecoder>(stream, minCodeSize, warning);
    const int64_t w = std::max(width, 0), h = std::max(height, 0);
    if (!interlaced) {
        uint8_t* p = data;
        for (int64_t n = w * h; n > 0; --n) {
            int v = decoder->NextValue();
            if (v < 0) break;
            *p++ = uint8_t(v);
        }
    } else {
        static const int kStart[4] = {0, 4, 2, 1};
        static const int kStep[4] = {8, 8, 4, 2};
        bool ended = false;
        for (int pass = 0; pass < 4 && !ended; ++pass)
            for (int64_t row = kStart[pass]; row < h && !ended; row += kStep[pass]) {
                uint8_t* p = data + row * w;
                for (int64_t x = 0; x < w; ++x) {
                    int v = decoder->NextValue();
                    if (v < 0) {
                        ended = true;
                        break;
                    }
                    p[x] = uint8_t(v);
                }
            }
    }
    decoder->Drain();
}

// ---- sub-block writer ---------------------------------------------------------------------

long TGIFStream::Read(void*, long) { throw Exception(GifText::InvalidStreamOperation); }
long TGIFStream::Write(const void*, long) { throw Exception(GifText::InvalidStreamOperation); }
int64_t TGIFStream::Seek(int64_t, TSeekOrigin) { throw Exception(GifText::InvalidStreamOperation); }

long TGIFWriter::Write(const void* buffer, long count)
{
    const uint8_t* p = static_cast<const uint8_t*>(buffer);
    for (long i = 0; i < count; ++i) WriteByte(p[i]);
    return count;
}

void TGIFWriter::Flush()
{
    if (BufferCount <= 1) return;
    Buffer[0] = uint8_t(BufferCount - 1);
    Target.WriteBuffer(Buffer, BufferCount);
    BufferCount = 1;
    Dirty = false;
}

TGIFWriter::~TGIFWriter()
{
    if (!Dirty) return;
    try {
        Flush();
    } catch (...) {
        // Compress flushes before the writer goes; this is only the unwinding path.
    }
}

// ---- hash table -----------------------------------------------------------------------------

void THashTable::Clear() { slots_.assign(Size, 0xFFFFFFFFu); }

void THashTable::Insert(uint32_t key, int code)
{
    int i = Hash(key);
    while (slots_[size_t(i)] != 0xFFFFFFFFu) i = NextSlot(i);
    slots_[size_t(i)] = (key << 12) | uint32_t(code & 0xFFF);
}

int THashTable::Lookup(uint32_t key) const
{
    int i = Hash(key);
    for (;;) {
        uint32_t slot = slots_[size_t(i)];
        if (slot == 0xFFFFFFFFu) return -1;
        if ((slot >> 12) == key) return int(slot & 0xFFF);
        i = NextSlot(i);
    }
}

// ---- encoders --------------------------------------------------------------------------------

void TGIFEncoder::Compress(TStream& stream, int bits, int colors, const uint8_t* data, bool interlaced, int height,
                           int width)
{
    bits = std::clamp(bits, 2, 8);
    InitCodeSize = bits + 1;
    InitBits = bits;
    ::WriteByte(stream, uint8_t(bits));
    CodeSize = InitCodeSize;
    MaxCode = (1 << CodeSize) - 1;
    ClearCode = 1 << bits;
    EOFCode = ClearCode + 1;
    BaseCode = ClearCode + 2;
    BitBuffer = 0;
    BitCount = 0;
    Colors = colors;
    Width = width;
    Height = height;
    Interlace = interlaced;
    Data = Pixel = data;
    PixelsLeft = interlaced ? std::max(width, 0) : int64_t(std::max(width, 0)) * std::max(height, 0);
    Row = Pass = 0;
    Writer = std::make_unique<TGIFWriter>(stream);
    if (data && width >= 1 && height >= 1) DoCompress();
    Output(EOFCode);
    Writer->Flush();
    Writer.reset();
    ::WriteByte(stream, 0);
}

int TGIFEncoder::NextPixel()
{
    if (PixelsLeft == 0) {
        if (!Interlace || Pass > 3) return -1;
        static const int kStart[4] = {0, 4, 2, 1};
        static const int kStep[4] = {8, 8, 4, 2};
        Row += kStep[Pass];
        while (Row >= Height) {
            if (++Pass > 3) return -1;
            Row = kStart[Pass];
        }
        PixelsLeft = Width;
        Pixel = Data + int64_t(Row) * Width;
    }
    --PixelsLeft;
    return *Pixel++;
}

void TGIFEncoder::Output(int code)
{
    BitBuffer = BitCount > 0 ? BitBuffer | (uint32_t(code) << BitCount) : uint32_t(code);
    BitCount += CodeSize;
    while (BitCount >= 8) {
        Writer->WriteByte(uint8_t(BitBuffer));
        BitBuffer >>= 8;
        BitCount -= 8;
    }
    if (code == EOFCode)
        while (BitCount > 0) {
            Writer->WriteByte(uint8_t(BitBuffer));
            BitBuffer >>= 8;
            BitCount -= 8;
        }
}

void TGIFEncoder::Clear()
{
    JustCleared = true;
    Output(ClearCode);
}

void TLZWEncoder::Output(int code)
{
    TGIFEncoder::Output(code);
    if (NextFree > MaxCode || JustCleared) {
        if (JustCleared) {
            CodeSize = InitCodeSize;
            MaxCode = (1 << CodeSize) - 1;
            JustCleared = false;
        } else {
            ++CodeSize;
            MaxCode = CodeSize == 12 ? 4096 : (1 << CodeSize) - 1;
        }
    }
}

void TLZWEncoder::Clear()
{
    TGIFEncoder::Clear();
    HashTable->Clear();
    NextFree = ClearCode + 2;
}

void TLZWEncoder::DoCompress()
{
    HashTable = std::make_unique<THashTable>();
    Clear();
    int prefix = NextPixel();
    if (prefix >= Colors) Error(GifText::ColorNotInTable);
    for (int p = NextPixel(); p >= 0; p = NextPixel()) {
        if (p >= Colors) Error(GifText::ColorNotInTable);
        uint32_t key = uint32_t(prefix) * 256 + uint32_t(p);
        int code = HashTable->Lookup(key);
        if (code >= 0) {
            prefix = code;
            continue;
        }
        Output(prefix);
        prefix = p;
        if (NextFree >= 4095) {
            Clear();
        } else {
            HashTable->Insert(key, NextFree);
            ++NextFree;
        }
    }
    Output(prefix);
    HashTable.reset();
}

// ---- run-length encoder ---------------------------------------------------------------------

int IntegerSquareRoot(int x)
{
    if (x < 2) return x;
    int r = 1;
    for (int v = x; v; v >>= 2) r <<= 1;
    for (;;) {
        int next = (x / r + r) / 2;
        if (next == r || next == r + 1) return r;
        r = next;
    }
}

int TriangleCount(int n, int maxCodes)
{
    int cost = 0;
    const int per = maxCodes * (maxCodes + 1) / 2;
    while (n >= per) {
        cost += maxCodes;
        n -= per;
    }
    if (n > 0) {
        int64_t m = IntegerSquareRoot(n);
        while (m * (m + 1) >= 2 * int64_t(n)) --m;
        while (m * (m + 1) < 2 * int64_t(n)) ++m;
        cost += int(m);
    }
    return cost;
}

void TRLEEncoder::Clear()
{
    OutBump = OutBumpInit;
    OutClear = OutClearInit;
    OutCount = 0;
    RunTableMax = 0;
    TGIFEncoder::Clear();
    CodeSize = InitCodeSize;
}

void TRLEEncoder::OutputPlain(int c)
{
    JustCleared = false;
    Output(c);
    ++OutCount;
    if (OutCount >= OutBump) {
        ++CodeSize;
        OutBump += 1 << (CodeSize - 1);
    }
    if (OutCount >= OutClear) Clear();
}

void TRLEEncoder::ResetOutClear()
{
    OutClear = OutClearInit;
    if (OutCount >= OutClear) Clear();
}

void TRLEEncoder::FlushFromClear(int n)
{
    OutClear = MaxOCodes;
    RunTablePixel = RunPixel;
    int k = 1;
    while (n > 0) {
        if (k == 1) {
            RunTableMax = 1;
            OutputPlain(RunPixel);
            n -= 1;
        } else if (k <= n) {
            RunTableMax = k;
            OutputPlain(BaseCode + k - 2);
            n -= k;
        } else {
            ++RunTableMax;
            OutputPlain(n == 1 ? RunPixel : BaseCode + n - 2);
            n = 0;
        }
        k = OutCount == 0 ? 1 : k + 1;
    }
    ResetOutClear();
}

void TRLEEncoder::FlushClearOrRepeat(int n)
{
    if (1 + TriangleCount(n, MaxOCodes) < n) {
        Clear();
        FlushFromClear(n);
    } else {
        for (; n > 0; --n) OutputPlain(RunPixel);
    }
}

void TRLEEncoder::FlushWithTable(int n)
{
    int reps = n / RunTableMax;
    int left = n % RunTableMax;
    int extra = left > 0 ? 1 : 0;
    if (OutCount + reps + extra > MaxOCodes) {
        reps = MaxOCodes - OutCount;
        left = n - reps * RunTableMax;
        extra = 1 + TriangleCount(left, MaxOCodes);
    }
    if (1 + TriangleCount(n, MaxOCodes) < reps + extra) {
        Clear();
        FlushFromClear(n);
        return;
    }
    OutClear = MaxOCodes;
    for (int i = 0; i < reps; ++i) OutputPlain(BaseCode + RunTableMax - 2);
    if (left > 0) {
        if (JustCleared)
            FlushFromClear(left);
        else
            OutputPlain(left == 1 ? RunPixel : BaseCode + left - 2);
    }
    ResetOutClear();
}

void TRLEEncoder::Flush(int n)
{
    if (n == 1)
        OutputPlain(RunPixel);
    else if (JustCleared)
        FlushFromClear(n);
    else if (RunTableMax < 2 || RunTablePixel != RunPixel)
        FlushClearOrRepeat(n);
    else
        FlushWithTable(n);
}

void TRLEEncoder::DoCompress()
{
    OutBumpInit = ClearCode - 1;
    OutClearInit = InitBits > 3 ? ClearCode - 2 : 9;
    MaxOCodes = 4095 - BaseCode;
    Clear();
    RunPixel = -1;
    RunCount = 0;
    for (int c = NextPixel(); c >= 0; c = NextPixel()) {
        if (c >= Colors) Error(GifText::ColorNotInTable);
        if (RunCount > 0 && c != RunPixel) {
            Flush(RunCount);
            RunCount = 0;
        }
        if (c == RunPixel) {
            ++RunCount;
        } else {
            RunPixel = c;
            RunCount = 1;
        }
    }
    if (RunCount > 0) Flush(RunCount);
}
