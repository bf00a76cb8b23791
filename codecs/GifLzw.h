// GIF image data: the LZW decoder, the dictionary (LZW) encoder, the run-length
// encoder whose codes any GIF decoder reads, and the sub-block writer.
//
// The image data is a minimum code size byte, then variable-width codes (least
// significant bit first, at most 12 bits) in data sub-blocks of at most 255
// bytes, ended by a 0 byte.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "codecs/GifImage.h"

using TGIFWarning = std::function<void(const std::string& message)>;

// Decodes width x height indexes into data (rows top to bottom; interlaced data
// goes to its rows in the four passes), the stream at the minimum code size
// byte. data is filled by the caller: pixels the data does not reach keep it.
// Raises GIFException on a minimum code size outside 1..11 and on codes that
// no table can hold; a short stream is a warning and keeps what was decoded.
// Leaves the stream after the data's 0 terminator when the data is whole.
void Decompress(TStream& stream, uint8_t* data, int width, int height, bool interlaced,
                const TGIFWarning& warning);

// A stream of data sub-blocks over another stream: whatever is written is cut
// into blocks of 255 bytes, the last one when the writer is flushed or freed.
// Reading and seeking raise "Invalid stream operation".
class TGIFStream : public TStream
{
public:
    explicit TGIFStream(TStream& target) : Target(target) {}
    long Read(void* buffer, long count) override;
    long Write(const void* buffer, long count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;

protected:
    TStream& Target;
    uint8_t Buffer[256] = {};
    int BufferCount = 1;   // the first byte is the block's length
};

class TGIFWriter : public TGIFStream
{
public:
    using TGIFStream::TGIFStream;
    ~TGIFWriter() override;
    long Write(const void* buffer, long count) override;
    void Flush();
    void WriteByte(uint8_t b)
    {
        Dirty = true;
        Buffer[BufferCount++] = b;
        if (BufferCount == 256) Flush();
    }

private:
    bool Dirty = false;
};

// Open-addressed table of 8009 slots: key (prefix code x 256 + pixel, 20 bits)
// in the upper bits of a slot, the code in the lower 12; empty slots all ones.
class THashTable
{
public:
    static constexpr int Size = 8009;
    THashTable() { Clear(); }
    void Clear();
    void Insert(uint32_t key, int code);
    int Lookup(uint32_t key) const;   // -1 when absent

private:
    static int Hash(uint32_t key) { return int(((key >> 4) ^ key) % Size); }
    static int NextSlot(int i) { return i > 0 ? int((2 * int64_t(i)) % Size) : Size - 1; }
    std::vector<uint32_t> slots_;
};

class TGIFEncoder
{
public:
    virtual ~TGIFEncoder() = default;
    // Writes the complete image data: code size byte, sub-blocks, terminator.
    void Compress(TStream& stream, int bits, int colors, const uint8_t* data, bool interlaced, int height,
                  int width);

protected:
    virtual void Output(int code);
    virtual void Clear();
    virtual void DoCompress() = 0;
    int NextPixel();   // -1 after the last pixel

    int Colors = 0;
    int InitBits = 0;
    int Width = 0;
    int Height = 0;
    bool Interlace = false;
    const uint8_t* Data = nullptr;
    const uint8_t* Pixel = nullptr;
    std::unique_ptr<TGIFWriter> Writer;
    uint32_t BitBuffer = 0;
    int BitCount = 0;
    bool JustCleared = false;
    int CodeSize = 0;
    int InitCodeSize = 0;
    int MaxCode = 0;
    int ClearCode = 0;
    int EOFCode = 0;
    int BaseCode = 0;
    int64_t PixelsLeft = 0;
    int Row = 0;
    int Pass = 0;
};

class TLZWEncoder : public TGIFEncoder
{
protected:
    void Output(int code) override;
    void Clear() override;
    void DoCompress() override;

private:
    int NextFree = 0;
    std::unique_ptr<THashTable> HashTable;
};

class TRLEEncoder : public TGIFEncoder
{
protected:
    void Clear() override;
    void DoCompress() override;

private:
    void OutputPlain(int c);
    void Flush(int n);
    void FlushFromClear(int n);
    void FlushClearOrRepeat(int n);
    void FlushWithTable(int n);
    void ResetOutClear();

    int OutBumpInit = 0;
    int OutClearInit = 0;
    int MaxOCodes = 0;
    int OutBump = 0;
    int OutClear = 0;
    int OutCount = 0;
    int RunPixel = -1;
    int RunCount = 0;
    int RunTablePixel = 0;
    int RunTableMax = 0;
};

// Codes needed to send n pixels of one run from a cleared table, runs growing by one.
int TriangleCount(int n, int maxCodes);
int IntegerSquareRoot(int x);
