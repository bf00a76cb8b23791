// The extracting archive library ("UNZDLL.DLL"), linked into the program. It
// extracts one entry into a memory block (stream mode): exactly the entry's
// bytes, their size and CRC checked. It writes no file. With Test set it
// checks only: the entry is opened and read as for an extraction, and its
// bytes are compared with the OutStreamSize bytes at OutStream, which it does
// not write (1 when they are the same bytes).
#pragma once

#include <cstdint>

#include "platform/sys/ZipDllShared.h"

// One entry to extract: its name.
struct UnzFileSpec
{
    char* FileSpec = nullptr;
    int32_t Reserved[16] = {};
};

// Parameter block of UnzDllExec. "Flag" fields hold -1 for true, 0 for false.
struct UnzParams
{
    void* Handle = nullptr;            // owner window; 0 when unattended
    void* Caller = nullptr;            // handed back in every call-back
    int32_t Version = 0;               // 160
    ZFunctionPtrType Callback = nullptr;
    int32_t Trace = 0;                 // flag
    int32_t Reserved1 = 0;
    char* Password = nullptr;          // may be empty
    int32_t Test = 0;                  // flag: check only (compare with OutStream)
    int32_t Reserved2 = 0;
    int32_t Reserved3 = 0;
    int32_t Quiet = -1;
    int32_t Verbose = 0;               // flag
    int32_t Update = 0;                // flag
    int32_t Freshen = 0;               // flag
    int32_t DirNames = 0;              // flag
    int32_t OverWrite = 0;             // flag
    int32_t SpecCount = 0;             // entries of Specs
    char* ArchiveName = nullptr;
    UnzFileSpec* Specs = nullptr;
    int32_t Reserved4 = 0;
    int32_t UseOutStream = 0;          // flag: extract into OutStream
    uint8_t* OutStream = nullptr;
    int64_t OutStreamSize = 0;
    int32_t UseInStream = 0;
    uint8_t* InStream = nullptr;
    int64_t InStreamSize = 0;
    uint32_t PasswordReqCount = 1;     // how many times a password may be asked
    char* ExtractDir = nullptr;        // 261-byte buffer
    int32_t Reserved5[8] = {};
    int32_t Seven = 7;
};

// Number of entries extracted.
int32_t UnzDllExec(UnzParams* params);
int32_t GetUnzDllVersion();
