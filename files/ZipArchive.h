// TZipArchive: the zip-archive component through which season files are read
// and written. Adding and extracting are handed to the archive libraries
// ("ZIPDLL.DLL", "UNZDLL.DLL") as parameter blocks; the component reads the
// central directory itself, keeps the list of entries, turns the libraries'
// call-backs into events and reports every failure as a numbered message
// (ErrorCode, LastMessage, OnMessage) and the outcome as SuccessCount. No
// exception leaves the component.
//
// Typical use (one fresh component per load or save):
//   TZipArchive zip;
//   zip.SetDLLDirectory(dllDir);
//   zip.SetZipFileName(fileName);
//   zip.EntryStream.LoadFromStream(xml);          // then
//   zip.AddFromStream("gormelide.xml", 0, 0);     // SuccessCount() == 1 when added
// or
//   TZipStream* s = zip.ExtractToStream("gormelide.xml");   // nullptr on failure
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/StringList.h"
#include "platform/sys/DllLoader.h"

struct ZCallBackStruct;

// A set of enumeration members, stored in Bits (member n is bit n).
template <class E, class Bits>
class TEnumSet
{
public:
    TEnumSet() = default;
    TEnumSet(std::initializer_list<E> members)
    {
        for (E m : members) Include(m);
    }
    bool Contains(E m) const { return (bits_ >> static_cast<unsigned>(m)) & 1u; }
    void Include(E m) { bits_ = static_cast<Bits>(bits_ | (Bits(1) << static_cast<unsigned>(m))); }
    void Exclude(E m) { bits_ = static_cast<Bits>(bits_ & ~(Bits(1) << static_cast<unsigned>(m))); }
    bool Empty() const { return bits_ == 0; }
    Bits Value() const { return bits_; }
    bool operator==(const TEnumSet&) const = default;

private:
    Bits bits_ = 0;
};

enum AddOptsEnum : unsigned {
    AddDirNames, AddRecurseDirs, AddMove, AddFreshen, AddUpdate, AddZipTime, AddForceDOS, AddHiddenFiles,
    AddArchiveOnly, AddResetArchive, AddEncrypt, AddSeparateDirs, AddVolume, AddDiskSpan, AddDiskSpanErase,
};
using AddOpts = TEnumSet<AddOptsEnum, uint16_t>;

enum ExtrOptsEnum : unsigned { ExtrDirNames, ExtrOverWrite, ExtrFreshen, ExtrUpdate, ExtrTest };
using ExtrOpts = TEnumSet<ExtrOptsEnum, uint8_t>;

enum SFXOptsEnum : unsigned { SFXAskCmdLine, SFXAskFiles, SFXAutoRun, SFXHideOverWriteBox, SFXCheckSize, SFXNoSuccessMsg };
using SFXOpts = TEnumSet<SFXOptsEnum, uint8_t>;

enum AddStoreSuffixEnum : unsigned {
    assGIF, assPNG, assZ, assZIP, assZOO, assARC, assLZH, assARJ, assTAZ, assTGZ, assLHA, assRAR, assACE,
    assCAB, assGZ, assGZIP, assJAR, assEXE,
};
using AddStoreExts = TEnumSet<AddStoreSuffixEnum, uint32_t>;

enum OvrOpts { OvrConfirm, OvrAlways, OvrNever };
enum CodePageOpts { cpAuto, cpNone, cpOEM };
enum DeleteOpts { htdFinal, htdAllowUndo };
enum ProgressType { NewFile, ProgressUpdate, EndOfBatch, TotalFiles2Process, TotalSize2Process };
enum TPasswordButton { pwbOk, pwbCancel, pwbCancelAll, pwbAbort };
enum UnZipSkipTypes {
    stOnFreshen, stNoOverwrite, stFileExists, stBadPassword, stNoEncryptionDLL, stCompressionUnknown,
    stUnknownZipHost, stZipFileFormatWrong, stGeneralExtractError,
};
enum ZipDiskStatusEnum : unsigned { zdsEmpty, zdsHasFiles, zdsPreviousDisk, zdsSameFileName, zdsNotEnoughSpace };
using TZipDiskStatus = TEnumSet<ZipDiskStatusEnum, uint8_t>;
enum TZipDiskAction { zdaOk, zdaErase, zdaReject, zdaCancel };

// One entry of the central directory. The numeric fields are those of the
// central header, from the version-made-by field to the local header offset.
struct ZipDirEntry
{
    uint8_t VersionMadeBy = 0;
    uint8_t HostSystem = 0;
    uint16_t VersionNeeded = 0;
    uint16_t GeneralFlags = 0;
    uint16_t Method = 0;
    uint32_t DosDateTime = 0;
    uint32_t Crc32 = 0;
    uint32_t PackedSize = 0;
    uint32_t UnpackedSize = 0;
    uint16_t NameLength = 0;
    uint16_t ExtraLength = 0;
    uint16_t CommentLength = 0;
    uint16_t DiskStart = 0;
    uint16_t InternalAttributes = 0;
    uint32_t ExternalAttributes = 0;
    uint32_t LocalHeaderOffset = 0;
    std::string NameText;      // 8-bit set, '\' as separator
    std::string NameRaw;       // the name's bytes as the directory holds them
    std::string CommentText;
    bool IsEncrypted = false;
    std::vector<uint8_t> ExtraBuffer;   // the extra field (empty when none)
};

// The component's stream: input of AddFromStream, output of ExtractToStream.
class TZipStream : public TMemoryStream
{
};

// Room for an entry of that size in a stream, as an extraction to a stream
// gives it: a large one (a season document runs to tens of megabytes) in large
// pages when the stream is empty.
void DimensionneFlux(TMemoryStream& flux, int64_t taille);

// Raised inside the component only, always caught there and reported.
class EZipArchive : public Exception
{
public:
    EZipArchive(int32_t id, bool showText);
    EZipArchive(int32_t id, long long arg);            // text with one "%d"
    EZipArchive(int32_t id, const std::string& arg);   // text with one "%s"
    bool ShowText = true;
    int32_t MessageId = 0;
};

// Identifiers of the component's messages used by name in the code.
enum ZipMessage : int32_t {
    GE_FatalZip = 10101, GE_NoZipSpecified = 10102, GE_NoMem = 10103, GE_WrongPassword = 10104,
    GE_CopyFile = 10105,
    PW_UnatAddPWMiss = 10150, PW_UnatExtPWMiss = 10151, PW_Ok = 10152, PW_Cancel = 10153, PW_Caption = 10154,
    PW_MessageEnter = 10155, PW_MessageConfirm = 10156, PW_CancelAll = 10157, PW_Abort = 10158,
    LI_ReadZipError = 10201, LI_ErrorUnknown = 10202, LI_WrongZipStruct = 10203, LI_GarbageAtEOF = 10204,
    AD_NothingToZip = 10301, AD_UnattPassword = 10302, AD_NoFreshenUpdate = 10303, AD_AutoSFXWrong = 10304,
    AD_InIsOutStream = 10305, AD_Wildcard = 10307,
    EX_FatalUnZip = 10501, EX_UnAttPassword = 10502, EX_NoStreamDLL = 10503,
    LZ_ZipDllLoaded = 10601, LZ_NoZipDllExec = 10602, LZ_NoZipDllVers = 10603, LZ_NoZipDll = 10604,
    LU_UnzDllLoaded = 10701, LU_NoUnzDllExec = 10702, LU_NoUnzDllVers = 10703, LU_NoUnzDll = 10704,
    SF_StringToLong = 10801, SF_NoZipSFXBin = 10802, SF_InputIsNoZip = 10803,
    DS_NoInFile = 11001, DS_FileOpen = 11002, DS_NotaDrive = 11003, DS_DriveNoMount = 11004, DS_NoVolume = 11005,
    DS_NoMem = 11006, DS_Canceled = 11007, DS_FailedSeek = 11008, DS_NoOutFile = 11009, DS_NoWrite = 11010,
    DS_EOCBadRead = 11011, DS_LOHBadRead = 11012, DS_CEHBadRead = 11013, DS_LOHWrongSig = 11014,
    DS_CEHWrongSig = 11015, DS_LONameLen = 11016, DS_CENameLen = 11017, DS_LOExtraLen = 11018,
    DS_CEExtraLen = 11019, DS_DataDesc = 11020, DS_ZipData = 11021, DS_CECommentLen = 11022,
    DS_EOArchComLen = 11023, DS_ErrorUnknown = 11024, DS_NoUnattSpan = 11025, DS_EntryLost = 11026,
    DS_NoTempFile = 11027, DS_LOHBadWrite = 11028, DS_CEHBadWrite = 11029, DS_EOCBadWrite = 11030,
    DS_ExtWrongSig = 11031, DS_NoDiskSpace = 11032, DS_InsertDisk = 11033, DS_InsertVolume = 11034,
    DS_InDrive = 11035, DS_NoValidZip = 11036, DS_FirstInSet = 11037, DS_NotLastInSet = 11038,
    DS_AskDeleteFile = 11039, DS_AskPrevFile = 11040, DS_NoSFXSpan = 11041, DS_CEHBadCopy = 11042,
    DS_EOCBadSeek = 11043, DS_EOCBadCopy = 11044, DS_FirstFileOnHD = 11045, DS_InsertAVolume = 11046,
    DS_CopyCentral = 11047,
};

class TZipArchive
{
public:
    TZipArchive();
    ~TZipArchive();
    TZipArchive(const TZipArchive&) = delete;
    TZipArchive& operator=(const TZipArchive&) = delete;

    // ---- properties -------------------------------------------------------------------
    bool Verbose = false;
    bool Trace = false;
    int32_t AddCompLevel = 9;
    AddOpts AddOptions;
    std::string ExtrBaseDir;
    ExtrOpts ExtrOptions;
    SFXOpts SFXOptions{SFXCheckSize};
    TStringList FSpecArgs;
    bool Unattended = false;
    const std::string& ZipFileName() const { return zipFileName_; }
    void SetZipFileName(const std::string& name);   // reads the central directory at once
    const std::string& Password() const { return password_; }
    void SetPassword(const std::string& password);  // at most 255 characters
    std::string SFXPath = "ZipSFX.bin";
    const std::string& DLLDirectory() const { return dllDirectory_; }
    void SetDLLDirectory(const std::string& dir);   // one trailing '\' or '/' removed
    OvrOpts SFXOverWriteMode = OvrConfirm;
    std::string SFXCaption = "Self-extracting Archive";
    std::string SFXDefaultDir;
    std::string SFXCommandLine;
    std::string SFXMessage;
    std::string TempDir;
    int32_t KeepFreeOnDisk1 = 0;
    int32_t MaxVolumeSize = 0;
    int32_t MinFreeVolumeSize = 65536;
    bool ConfirmErase = true;
    CodePageOpts CodePage = cpAuto;
    DeleteOpts HowToDelete = htdAllowUndo;
    std::string VersionInfo() const { return "1.60 N"; }
    std::vector<uint8_t> SFXIcon;   // kept; the self-extractor's icon is not replaced
    AddStoreExts AddStoreSuffixes;
    uint32_t PasswordReqCount() const { return passwordReqCount_; }
    void SetPasswordReqCount(uint32_t count);   // at most 15
    TStringList FSpecArgsExcl;
    bool UseDirOnlyEntries = false;
    std::string RootDir;

    // ---- events ---------------------------------------------------------------------------
    std::function<void(TZipArchive* Sender)> OnDirUpdate;
    std::function<void(TZipArchive* Sender, ProgressType ProgrType, const std::string& Filename, int64_t FileSize)> OnProgress;
    std::function<void(TZipArchive* Sender, int32_t ErrCode, const std::string& Message)> OnMessage;
    std::function<void(TZipArchive* Sender, std::string& OldFileName, bool& IsChanged)> OnSetNewName;
    std::function<void(TZipArchive* Sender, int32_t SeqNo, const ZipDirEntry& ZipEntry)> OnNewName;
    std::function<void(TZipArchive* Sender, const std::string& ForFile, uint32_t FoundCRC, uint32_t ExpectedCRC, bool& DoExtract)> OnCRC32Error;
    std::function<void(TZipArchive* Sender, bool IsZipAction, std::string& NewPassword, const std::string& ForFile,
                       uint32_t& RepeatCount, TPasswordButton& Action)> OnPasswordError;
    std::function<void(TZipArchive* Sender, const std::string& ForFile, bool IsOlder, bool& DoOverwrite, int32_t DirIndex)> OnExtractOverwrite;
    std::function<void(TZipArchive* Sender, const std::string& ForFile, UnZipSkipTypes SkipType, int32_t ExtError)> OnExtractSkipped;
    std::function<void(TZipArchive* Sender, const std::string& ForFile, bool& DoOverwrite)> OnCopyZipOverwrite;
    std::function<void(TZipArchive* Sender, int32_t DiskSeqNo, int32_t DiskTotal, const std::string& Drive, bool& AbortAction)> OnGetNextDisk;
    std::function<void(TZipArchive* Sender, int32_t PreviousDisk, const std::string& PreviousFile, TZipDiskStatus Status,
                       TZipDiskAction& Action)> OnStatusDisk;
    std::function<void(TZipArchive* Sender, const std::string& ForFile, std::string& FileComment, bool& IsChanged)> OnFileComment;

    // ---- hooks of the window layer (used only on the main thread, never when Unattended) ----
    // Shows a message in a box with an OK button.
    std::function<void(const std::string& text)> ShowMessageHook;
    // Asks a password: buttons bit 1 OK, 2 Cancel, 4 Cancel all, 8 Abort; answers the text
    // typed (empty unless OK) and the button pressed.
    std::function<std::string(const std::string& caption, const std::string& prompt, unsigned buttons,
                              TPasswordButton& pressed)> PasswordHook;
    // Asks a question (Yes/No/Cancel, Retry/Cancel): answers 6 yes, 7 no, 2 cancel, 4 retry.
    std::function<int(const std::string& text, unsigned buttons)> QuestionHook;
    // Wait cursor on (true) and off (false).
    std::function<void(bool busy)> WaitCursorHook;

    // ---- operations -------------------------------------------------------------------------
    TZipStream EntryStream;
    void AddFromStream(const std::string& EntryName, uint32_t EntryDate, uint32_t EntryAttributes);
    TZipStream* ExtractToStream(const std::string& EntryName);
    // The first maxBytes bytes of a member (all of it when shorter), inflated
    // only as far as they need: for a look at a document's head without
    // unpacking it. Stored or deflated members of a one-file archive without a
    // password only; false for anything else or anything out of place (the
    // caller then extracts the member, which gives the reason). The member's
    // CRC is not checked (only part of it is read).
    bool ExtractHead(const std::string& EntryName, size_t maxBytes, std::string& head);
    // True when the archive holds the member with exactly these bytes, read
    // as ExtractToStream reads it: the archive library opens the archive and
    // the member, unpacks its data and compares it window by window (no room
    // for the whole member is made), its CRC checked. Stored or deflated
    // members of a one-file archive without a password only; false for
    // anything else, anything out of place, anything an extraction refuses,
    // or any byte that differs.
    bool HoldsEntry(const std::string& EntryName, const uint8_t* data, size_t size);
    // Whether the local header of every entry says what its directory entry
    // says (signature, version, flags, method, time, CRC, sizes, name), as
    // other zip readers check.
    bool LocalHeadersMatch() const;
    // Reads the central directory of ZipFileName again (done by SetZipFileName).
    void ReadDirectory();
    // Reads a central directory from a stream (the whole archive); ZipFileName is not used.
    void ReadDirectoryFromStream(TStream& stream);

    // ---- state ----------------------------------------------------------------------------
    int32_t SuccessCount() const { return successCount_; }
    int32_t ErrorCode() const { return errorCode_; }
    const std::string& LastMessage() const { return lastMessage_; }
    int32_t RawErrorCode() const { return rawErrorCode_; }
    // The system's error number (errno) that the library gave above the low
    // byte of its last message's error field; 0 when the last message came
    // from no failing system call.
    int SystemError() const { return systemError_; }
    int EntryCount() const { return static_cast<int>(entries_.size()); }
    const ZipDirEntry& DirEntry(int index) const { return entries_.at(static_cast<size_t>(index)); }
    const std::string& ZipComment() const { return zipComment_; }
    int64_t ZipDataOffset() const { return zipDataOffset_; }
    bool StructureWarning() const { return structureWarning_; }
    bool IsSpanned() const { return spanned_; }
    int LastDisk() const { return lastDisk_; }
    std::atomic<bool> CancelRequested{false};
    bool AddBusy() const { return addBusy_; }
    bool ExtractBusy() const { return extractBusy_; }

    // The text of a message identifier (the fixed English table).
    static std::string MessageText(int32_t id);
    // Reports a numbered message: ErrorCode, LastMessage, the message box when
    // allowed, then OnMessage with ErrCode 0.
    void ReportMessage(int32_t id, const std::string& extra = {});
    void ReportException(const EZipArchive& e);
    // The n-th part file (0-based) of a spanned set whose files are named like name.
    static std::string PartFileName(const std::string& name, int disk);
    // Packed DOS date (high half) and time (low half) of the local time now.
    static uint32_t DosDateTimeNow();

    // Used by the spanned-set and self-extractor code.
    bool Interactive() const;
    void StartWaitCursor();
    void StopWaitCursor();
    void Progress(ProgressType type, const std::string& name, int64_t size);
    // Largest size an entry may declare before extraction is refused.
    static constexpr uint32_t MaxEntrySize = 512u * 1024u * 1024u;
    // A lower limit a caller may set for its own members (a season document).
    uint32_t EntrySizeLimit = MaxEntrySize;

private:
    friend int32_t ZipArchiveCallback(ZCallBackStruct* record);
    bool LoadZipLibrary();
    bool LoadUnzLibrary();
    void UnloadZipLibrary();
    void UnloadUnzLibrary();
    void ReadDirectoryImpl(TStream* stream);
    std::string AskPassword(bool forAdd, TPasswordButton& pressed);
    int32_t HandleCallback(ZCallBackStruct& record);
    bool EntrySizeSane(const ZipDirEntry& entry) const;
    // One run of the extracting library over one entry of archive, into (or,
    // test, compared with) the outSize bytes at out: the entries it handled.
    int32_t RunUnzLibrary(const std::string& archive, const std::string& entryName, uint8_t* out, int64_t outSize,
                          bool test);

    std::string zipFileName_;
    std::string password_;
    std::string dllDirectory_;
    uint32_t passwordReqCount_ = 1;

    int32_t successCount_ = 0;
    int32_t errorCode_ = 0;
    int32_t rawErrorCode_ = 0;
    int systemError_ = 0;
    std::string lastMessage_;
    std::vector<ZipDirEntry> entries_;
    // The entry of that name when it is stored or deflated without a
    // password, so that its data can be read straight from the file.
    const ZipDirEntry* MembreLisibleEnPlace(const std::string& EntryName) const;
    std::string zipComment_;
    int64_t zipDataOffset_ = 0;
    int64_t fileSize_ = 0;
    bool structureWarning_ = false;
    bool spanned_ = false;
    int lastDisk_ = 0;
    int droppedEntries_ = 0;
    bool addBusy_ = false;
    bool extractBusy_ = false;
    int waitCursor_ = 0;
    int64_t totalSize_ = 0;
    bool passwordCancelAll_ = false;

    HMODULE zipLib_ = 0;
    HMODULE unzLib_ = 0;
    void* zipExec_ = nullptr;
    void* zipVersion_ = nullptr;
    void* unzExec_ = nullptr;
    void* unzVersion_ = nullptr;
};
