// The adding archive library ("ZIPDLL.DLL"), linked into the program. It adds one
// entry from a memory block (stream mode) to an archive, replacing an entry of the
// same name (found without regard to case) and keeping every other entry and the
// archive comment. The archive is written beside the target and renamed over it,
// so a failed or cancelled add leaves the old archive as it was.
#pragma once

#include <cstdint>

#include "platform/sys/ZipDllShared.h"

// One entry to add: its name and how to store it.
struct ZipFileSpec
{
    char* FileSpec = nullptr;     // the name, without its prefix characters and "<" part
    char* Reserved1 = nullptr;
    char* Reserved2 = nullptr;
    char* Password = nullptr;     // password of this entry
    int32_t Encrypt = 0;          // flag
    uint16_t Recurse = 0;         // 0xFFFF: recurse
    uint16_t Reserved3 = 0;
    int32_t Reserved4[3] = {};
    char* RootDir = nullptr;
};

// Parameter block of ZipDllExec. "Flag" fields hold -1 for true, 0 for false.
struct ZipParams
{
    void* Handle = nullptr;            // owner window; 0 when unattended
    void* Caller = nullptr;            // handed back in every call-back
    int32_t Version = 0;               // 160
    ZFunctionPtrType Callback = nullptr;
    int32_t Trace = 0;                 // flag
    char* Password = nullptr;          // absent when none
    char* StoreSuffixes = nullptr;     // ".gif:.png:.zip"; entries of those extensions are stored
    int32_t Encrypt = 0;               // flag
    int32_t HiddenFiles = 0;           // flag
    int32_t Volume = 0;                // flag
    int32_t Reserved1 = 0;
    int32_t NoSeparateDirs = 0;        // flag
    int32_t Reserved2 = 0;
    int32_t Verbose = 0;               // flag
    int32_t Quiet = -1;
    int32_t Level = 9;                 // compression level 0..9
    int32_t Reserved3 = 0;
    int32_t Reserved4 = 0;
    int32_t JunkDirNames = 0;          // flag
    uint16_t Recurse = 0;              // 0xFFFF: recurse
    uint16_t Reserved5 = 0;
    int32_t Grow = -1;
    int32_t ForceDOS = 0;              // flag
    int32_t Move = 0;                  // flag
    int32_t Reserved6 = 0;
    int32_t Update = 0;                // flag
    int32_t Freshen = 0;               // flag
    int32_t Reserved7 = 0;
    int32_t ZipTime = 0;               // flag
    int32_t Reserved8[2] = {};
    int32_t SpecCount = 0;             // entries of Specs
    char* ArchiveName = nullptr;
    char* TempDir = nullptr;           // absent when none
    char* ArchiveComment = nullptr;    // as read from the archive; absent when none
    uint16_t ArchiveOnly = 0;
    uint16_t ResetArchive = 0;
    ZipFileSpec* Specs = nullptr;
    int32_t Reserved9 = 0;
    int32_t ExcludeCount = 0;
    char** Excludes = nullptr;
    int32_t UseOutStream = 0;          // flag
    uint8_t* OutStream = nullptr;
    int64_t OutStreamSize = 0;
    int32_t UseInStream = 0;           // flag: add the bytes of InStream
    uint8_t* InStream = nullptr;
    int64_t InStreamSize = 0;
    uint32_t StreamAttributes = 0;     // DOS attributes of the entry
    uint32_t StreamDate = 0;           // packed DOS date (high half) and time (low half)
    int32_t AllowUndo = 0;             // -1: deletions go to the waste bin
    uint16_t CodePage = 0;             // 2: names in the OEM code page
    uint16_t Reserved10 = 0;
    int32_t Reserved11[4] = {};
    int32_t Seven = 7;
};

// Number of entries added (0: nothing done).
int32_t ZipDllExec(ZipParams* params);
int32_t GetZipDllVersion();
