// Records of the zip format as the archive component reads and writes them:
// little-endian fields, the end record and the central header.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class TStream;
class TZipArchive;

constexpr uint32_t kLocalHeaderSig = 0x04034B50;
constexpr uint32_t kCentralHeaderSig = 0x02014B50;
constexpr uint32_t kEndRecordSig = 0x06054B50;
constexpr uint32_t kSpanSig = 0x08074B50;        // first bytes of a spanned set; also a data descriptor
constexpr int kEndRecordSize = 22;
constexpr int kCentralHeaderSize = 46;
constexpr int kLocalHeaderSize = 30;
constexpr int kEndSearchWindow = 65557;          // 22 + the longest comment

inline uint16_t Get16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
inline uint32_t Get32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}
inline void Put16(uint8_t* p, uint16_t v)
{
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}
inline void Put32(uint8_t* p, uint32_t v)
{
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

struct ZipEndRecord
{
    uint16_t ThisDisk = 0;
    uint16_t DirectoryDisk = 0;
    uint16_t EntriesOnDisk = 0;
    uint16_t TotalEntries = 0;
    uint32_t DirectorySize = 0;
    uint32_t DirectoryOffset = 0;
    uint16_t CommentLength = 0;
    std::string Comment;

    void Parse(const uint8_t* p);            // 22 bytes
    void Write(uint8_t* p) const;            // 22 bytes (comment not included)
};

// Result of the end-record search in one file.
struct ZipEndInfo
{
    ZipEndRecord Record;
    int64_t Position = 0;        // of the end record
    int64_t FileSize = 0;        // without trailing garbage
    int64_t RealSize = 0;
    bool FirstPartOfSet = false; // starts with the spanning signature and a local header
};

// Finds the end record of the archive in stream. A candidate whose comment would
// run past the end of the file is no end record. Trailing bytes are reported as
// garbage (10204) unless they are fewer than 512 zero bytes padding the file to a
// multiple of 512. Not found: raises the fitting message when strict, else false.
bool ReadEndRecord(TStream& stream, bool strict, ZipEndInfo& info, TZipArchive* reporter);

// Reads exactly n bytes; false on a short read.
bool ReadExact(TStream& stream, void* buffer, int64_t n);
