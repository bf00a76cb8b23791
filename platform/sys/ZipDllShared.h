// What the two archive libraries share: the call-back record, the library's own
// error numbers and the locating of the zip data inside a file (which may carry a
// program in front or bytes after the end record).
#pragma once

#include <cstdint>
#include <string>

constexpr int32_t kArchiveLibraryVersion = 160;   // 1.60: takes streams

// Call-back record, filled by a library and partly answered by its caller.
struct ZCallBackStruct
{
    void* Handle = nullptr;        // owner window (not read)
    void* Caller = nullptr;        // the caller given in the parameter block
    int32_t Version = 0;           // not read
    int32_t IsOperationZip = 0;    // non-zero during an add
    int32_t ActionCode = 0;        // ZCallbackAction
    int32_t ErrorCode = 0;         // error or first argument; also an answer
    int64_t FileSize = 0;          // size, count or second argument; also an answer
    uint8_t* Memory = nullptr;     // answer to zacOutputSize: the first byte of the output
    char FileNameOrMsg[512] = {};  // zero-terminated; also an answer
};

// Answers -1 to stop the library, 0 to go on.
using ZFunctionPtrType = int32_t (*)(ZCallBackStruct*);

enum ZCallbackAction : int32_t {
    zacNone = 0,
    zacItem = 1,          // next entry starts: name, size
    zacProgress = 2,      // bytes processed: size
    zacEndOfBatch = 3,
    zacMessage = 4,       // error field, text
    zacCount = 5,         // number of entries: size
    zacSize = 6,          // total bytes: size
    zacNewName = 7,
    zacPassword = 8,      // error bit 0: add password; size: repeat count
    zacCRCError = 9,      // error: found CRC, size: expected CRC; answer error 1 = keep the data
    zacOverwrite = 10,
    zacSkipped = 11,      // error: error, size: skip type + 1
    zacComment = 12,
    zacOutputSize = 13,   // size: the bytes wanted; answer Memory (error 1 = refused)
};

// Error numbers of the libraries' messages (low byte of the error field; a
// failing system call puts its errno above it, see LibraryError).
enum ZipLibraryError : int32_t {
    zeOk = 0,
    zeArchiveOpen = 1,     // the archive cannot be opened or is no zip archive
    zeNotFound = 2,        // no entry of that name
    zeCRC = 3,             // the data does not match its CRC
    zeSize = 4,            // the data does not have its stated size
    zeData = 5,            // the compressed data is damaged
    zePassword = 6,        // no password or a wrong one
    zeWrite = 7,           // the archive cannot be written
    zeCancelled = 8,
    zeMemory = 9,
    zeParameters = 10,     // a block the library cannot use
    zeMethod = 11,         // compression method not supported
    zeMultiDisk = 12,      // a part of a spanned set
};

// Skip types of zacSkipped (the value sent is the type + 1).
enum ZipSkipType : int32_t {
    zstOnFreshen = 0, zstNoOverwrite, zstFileExists, zstBadPassword, zstNoEncryptionDLL,
    zstCompressionUnknown, zstUnknownZipHost, zstZipFileFormatWrong, zstGeneralExtractError,
};

// Where the zip data of a file lies.
struct ZipLayout
{
    uint64_t FileSize = 0;
    uint64_t EndRecord = 0;       // position of the end record
    uint64_t ZipEnd = 0;          // end of the end record and its comment
    uint64_t Shift = 0;           // bytes in front that the stored offsets do not count
    uint64_t FirstLocal = 0;      // position of the first local header (= the prefix kept by an add)
    uint16_t ThisDisk = 0;
    uint16_t DirectoryDisk = 0;
    uint64_t EntryCount = 0;
};

// Finds the end record (the last one whose comment fits in the file) and checks
// that the central directory lies inside the file. False for anything else.
bool LocateZipData(const std::string& fileName, ZipLayout& layout);

// Fills the text field (cut to fit, always zero-terminated).
void SetCallbackText(ZCallBackStruct& record, const std::string& text);
// Calls the caller's call-back when there is one; true when it asks to stop.
bool RunCallback(ZFunctionPtrType callback, void* caller, bool isZip, ZCallBackStruct& record);
// The error field of a message: the library's error number, and above its low
// byte the system's error number (errno) when a system call failed (0: none).
constexpr int32_t LibraryError(int32_t error, int systemError)
{
    return error | static_cast<int32_t>((systemError & 0xFFFF) << 8);
}
// A message of the library (zacMessage) through the call-back.
bool ReportLibraryMessage(ZFunctionPtrType callback, void* caller, bool isZip, int32_t error,
                          const std::string& text);

// One run of a library over its parameter block (ZipParams or UnzParams): sends
// the call-backs and remembers whether the caller asked to stop.
template <class Params, bool IsZip>
struct ArchiveJob
{
    Params* p = nullptr;
    bool cancelled = false;

    bool callback(ZCallBackStruct& record)
    {
        if (RunCallback(p->Callback, p->Caller, IsZip, record)) cancelled = true;
        return cancelled;
    }
    void report(int32_t error, const std::string& text)
    {
        if (ReportLibraryMessage(p->Callback, p->Caller, IsZip, error, text)) cancelled = true;
    }
    void notify(int32_t action, int64_t size, const std::string& text = {})
    {
        ZCallBackStruct record;
        record.ActionCode = action;
        record.FileSize = size;
        SetCallbackText(record, text);
        callback(record);
    }
};

// Helpers over libzip shared by both libraries.
struct zip;
struct zip_error;
// The system's error number of a libzip error, 0 when it is none of the system's.
int LibzipSystemError(const struct zip_error* error);
// The same for the last error of an archive.
int LibzipSystemError(struct zip* archive);
// The name of entry index in the program's 8-bit set, '/' turned into '\':
// names of DOS hosts (0) and OS/2 (6) are converted from the OEM code page.
std::string LibzipEntryName(struct zip* archive, uint64_t index);
// The first entry whose name equals entryName without regard to case ('/' and '\' alike); -1 when none.
int64_t LibzipFindEntry(struct zip* archive, const std::string& entryName);
