#include "files/ZipArchive.h"

#include <algorithm>
#include <cstring>
#include <ctime>
#include <new>

#include "files/ZipRecords.h"
#include "files/ZipSpan.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Strings.h"
#include "platform/rtl/Thread.h"
#include "platform/sys/UnzDll.h"
#include "platform/sys/ZipDll.h"

void DimensionneFlux(TMemoryStream& flux, int64_t taille)
{
    if (taille >= (int64_t{4} << 20) && flux.Size() == 0)
        flux.SetCapacityGrande(taille);
    flux.SetSize(taille);
}

namespace {

const char* const kStoreExtensions[] = {"gif", "png", "z",   "zip", "zoo", "arc", "lzh", "arj",  "taz",
                                        "tgz", "lha", "rar", "ace", "cab", "gz",  "gzip", "jar", "exe"};

using ZipExecFn = int32_t (*)(ZipParams*);
using UnzExecFn = int32_t (*)(UnzParams*);
using VersionFn = int32_t (*)();

char* text(std::vector<std::string>& keep, const std::string& s)
{
    keep.push_back(s);
    return keep.back().data();
}

}  // namespace

int32_t ZipArchiveCallback(ZCallBackStruct* record)
{
    if (!record || !record->Caller) return 0;
    return static_cast<TZipArchive*>(record->Caller)->HandleCallback(*record);
}

TZipArchive::TZipArchive()
{
    for (unsigned e = assGIF; e < assEXE; ++e) AddStoreSuffixes.Include(static_cast<AddStoreSuffixEnum>(e));
}

TZipArchive::~TZipArchive()
{
    UnloadZipLibrary();
    UnloadUnzLibrary();
}

// ---- properties ------------------------------------------------------------------------

void TZipArchive::SetZipFileName(const std::string& name)
{
    zipFileName_ = name;
    ReadDirectory();
}

void TZipArchive::SetPassword(const std::string& password) { password_ = password.substr(0, 255); }

void TZipArchive::SetDLLDirectory(const std::string& dir)
{
    if (dir == dllDirectory_) return;
    std::string d = dir;
    if (!d.empty() && (d.back() == '\\' || d.back() == '/')) d.pop_back();
    dllDirectory_ = d;
}

void TZipArchive::SetPasswordReqCount(uint32_t count) { passwordReqCount_ = std::min<uint32_t>(count, 15); }

// ---- messages, cursor, progress ------------------------------------------------------------

bool TZipArchive::Interactive() const { return !Unattended && IsMainThread(); }

void TZipArchive::ReportMessage(int32_t id, const std::string& extra)
{
    const std::string msg = MessageText(id) + extra;
    errorCode_ = id;
    systemError_ = 0;
    lastMessage_ = msg;
    if (Interactive() && ShowMessageHook) ShowMessageHook(msg);
    if (OnMessage) OnMessage(this, 0, msg);
}

void TZipArchive::ReportException(const EZipArchive& e)
{
    if (e.ShowText && Interactive() && ShowMessageHook) ShowMessageHook(e.Message);
    errorCode_ = e.MessageId;
    systemError_ = 0;
    lastMessage_ = e.Message;
    if (OnMessage) OnMessage(this, 0, e.Message);
}

void TZipArchive::StartWaitCursor()
{
    if (waitCursor_++ == 0 && IsMainThread() && WaitCursorHook) WaitCursorHook(true);
}

void TZipArchive::StopWaitCursor()
{
    if (waitCursor_ > 0 && --waitCursor_ == 0 && IsMainThread() && WaitCursorHook) WaitCursorHook(false);
}

void TZipArchive::Progress(ProgressType type, const std::string& name, int64_t size)
{
    if (OnProgress) OnProgress(this, type, name, size);
}

uint32_t TZipArchive::DosDateTimeNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm t{};
    localtime_r(&now, &t);
    const uint32_t date = static_cast<uint32_t>(((std::max(t.tm_year + 1900, 1980) - 1980) << 9) | ((t.tm_mon + 1) << 5) | t.tm_mday);
    const uint32_t time = static_cast<uint32_t>((t.tm_hour << 11) | (t.tm_min << 5) | (t.tm_sec / 2));
    return (date << 16) | time;
}

// ---- libraries -------------------------------------------------------------------------------

bool TZipArchive::LoadZipLibrary()
{
    std::string path = "ZIPDLL.DLL";
    if (!dllDirectory_.empty() && FileExists(MakePath(dllDirectory_, "ZIPDLL.DLL")))
        path = MakePath(dllDirectory_, "ZIPDLL.DLL");
    SetErrorMode(3);
    const HMODULE h = LoadLibrary(path);
    SetErrorMode(0);
    if (h <= 32) {
        zipLib_ = 0;
        ReportMessage(LZ_NoZipDll);
        return false;
    }
    zipLib_ = h;
    if (Trace) ReportMessage(LZ_ZipDllLoaded);
    zipExec_ = GetProcAddress(h, "ZipDllExec");
    zipVersion_ = GetProcAddress(h, "GetZipDllVersion");
    if (!zipExec_) ReportMessage(LZ_NoZipDllExec);
    if (!zipVersion_) ReportMessage(LZ_NoZipDllVers);
    if (zipExec_ && zipVersion_) return true;
    UnloadZipLibrary();
    return false;
}

bool TZipArchive::LoadUnzLibrary()
{
    std::string path = "UNZDLL.DLL";
    if (!dllDirectory_.empty() && FileExists(MakePath(dllDirectory_, "UNZDLL.DLL")))
        path = MakePath(dllDirectory_, "UNZDLL.DLL");
    SetErrorMode(3);
    const HMODULE h = LoadLibrary(path);
    SetErrorMode(0);
    if (h <= 32) {
        unzLib_ = 0;
        ReportMessage(LU_NoUnzDll);
        return false;
    }
    unzLib_ = h;
    if (Trace) ReportMessage(LU_UnzDllLoaded);
    unzExec_ = GetProcAddress(h, "UnzDllExec");
    unzVersion_ = GetProcAddress(h, "GetUnzDllVersion");
    if (!unzExec_) ReportMessage(LU_NoUnzDllExec);
    if (!unzVersion_) ReportMessage(LU_NoUnzDllVers);
    if (unzExec_ && unzVersion_) return true;
    UnloadUnzLibrary();
    return false;
}

void TZipArchive::UnloadZipLibrary()
{
    if (zipLib_) FreeLibrary(zipLib_);
    zipLib_ = 0;
    zipExec_ = zipVersion_ = nullptr;
}

void TZipArchive::UnloadUnzLibrary()
{
    if (unzLib_) FreeLibrary(unzLib_);
    unzLib_ = 0;
    unzExec_ = unzVersion_ = nullptr;
}

// ---- call-back -------------------------------------------------------------------------------

std::string TZipArchive::AskPassword(bool forAdd, TPasswordButton& pressed)
{
    pressed = pwbCancel;
    if (!Interactive() || !PasswordHook) {
        ReportMessage(forAdd ? PW_UnatAddPWMiss : PW_UnatExtPWMiss);
        return {};
    }
    const std::string caption = MessageText(PW_Caption);
    if (forAdd) {
        const std::string first = PasswordHook(caption, MessageText(PW_MessageEnter), 1 | 2, pressed);
        if (first.empty() || pressed != pwbOk) return {};
        const std::string second = PasswordHook(caption, MessageText(PW_MessageConfirm), 1 | 2, pressed);
        if (pressed != pwbOk) return {};
        if (first != second) {
            ReportMessage(GE_WrongPassword);
            return {};
        }
        return first;
    }
    const std::string pw = PasswordHook(caption, MessageText(PW_MessageEnter), 1 | 2 | 4, pressed);
    return pressed == pwbOk ? pw : std::string();
}

int32_t TZipArchive::HandleCallback(ZCallBackStruct& r)
{
    std::string msg(r.FileNameOrMsg, strnlen(r.FileNameOrMsg, sizeof r.FileNameOrMsg));
    while (!msg.empty() && msg.back() == ' ') msg.pop_back();
    // Entry names are shown with '\'; a message is the library's text as it
    // stands (a system's reason such as "Input/output error" keeps its '/').
    if (r.ActionCode != zacMessage) std::replace(msg.begin(), msg.end(), '/', '\\');
    switch (r.ActionCode) {
    case zacItem: Progress(NewFile, msg, r.FileSize); break;
    case zacProgress: Progress(ProgressUpdate, "", r.FileSize); break;
    case zacEndOfBatch: Progress(EndOfBatch, "", 0); break;
    case zacMessage:
        lastMessage_ = msg;
        systemError_ = (r.ErrorCode >> 8) & 0xFFFF;
        if (r.ErrorCode != 0) {
            errorCode_ = r.ErrorCode & 0xFF;
            rawErrorCode_ = r.ErrorCode;
        }
        if (OnMessage) OnMessage(this, r.ErrorCode, msg);
        break;
    case zacCount: Progress(TotalFiles2Process, "", r.FileSize); break;
    case zacSize:
        totalSize_ = r.FileSize;
        Progress(TotalSize2Process, "", r.FileSize);
        break;
    case zacNewName:
        if (OnSetNewName) {
            std::string name = msg;
            bool changed = false;
            OnSetNewName(this, name, changed);
            if (changed) SetCallbackText(r, name);
            r.ErrorCode = changed ? 1 : 0;
        }
        break;
    case zacPassword: {
        uint32_t repeat = static_cast<uint32_t>(std::clamp<int64_t>(r.FileSize, 0, 0xFFFFFFFF));
        TPasswordButton action = pwbOk;
        std::string pw;
        if (OnPasswordError) {
            OnPasswordError(this, r.IsOperationZip != 0, pw, msg, repeat, action);
            if (action != pwbOk) pw.clear();
        } else {
            pw = AskPassword((r.ErrorCode & 1) != 0, action);
        }
        if (!pw.empty()) {
            SetCallbackText(r, pw.substr(0, 80));
            r.ErrorCode = 1;
        } else {
            r.ErrorCode = 0;
            repeat = 0;
        }
        r.FileSize = std::min<uint32_t>(repeat, 15);
        if (action == pwbCancelAll) r.ActionCode = 0;
        if (action == pwbAbort) CancelRequested = true;
        break;
    }
    case zacCRCError: {
        // Data whose CRC does not match is kept only when a handler asks for it.
        bool doExtract = false;
        if (OnCRC32Error) {
            OnCRC32Error(this, msg, static_cast<uint32_t>(r.ErrorCode), static_cast<uint32_t>(r.FileSize), doExtract);
            r.ErrorCode = doExtract ? 1 : 0;
        } else {
            r.ErrorCode = 2;
        }
        break;
    }
    case zacOverwrite:
        if (OnExtractOverwrite) {
            bool overwrite = (r.FileSize & 0xFF) != 0;
            OnExtractOverwrite(this, msg, (r.ErrorCode & 0x10000) != 0, overwrite, r.ErrorCode & 0xFFFF);
            r.FileSize = overwrite ? 1 : 0;
        }
        break;
    case zacSkipped:
        if (r.ErrorCode != 0) {
            errorCode_ = r.ErrorCode & 0xFF;
            rawErrorCode_ = r.ErrorCode;
        }
        if (OnExtractSkipped)
            OnExtractSkipped(this, msg, static_cast<UnZipSkipTypes>((r.FileSize & 0xFF) - 1), r.ErrorCode);
        break;
    case zacComment:
        if (OnFileComment) {
            std::string comment;
            bool changed = false;
            OnFileComment(this, msg, comment, changed);
            if (changed && !comment.empty())
                SetCallbackText(r, comment.substr(0, 511));
            else
                SetCallbackText(r, "");
            r.ErrorCode = changed ? 1 : 0;
            r.FileSize = std::min<int64_t>(static_cast<int64_t>(comment.size()), 511);
        }
        break;
    case zacOutputSize:
        r.Memory = nullptr;
        // The library's own reading of the sizes may differ from the directory
        // read here: its size is held to the same limits before any room is
        // made (deflate gives at most 1032 bytes for one).
        if (r.FileSize < 0 || r.FileSize > static_cast<int64_t>(std::min(EntrySizeLimit, MaxEntrySize)) ||
            (!spanned_ && fileSize_ > 0 && r.FileSize > fileSize_ * 1032 + 1024)) {
            r.ErrorCode = 1;
            r.FileSize = 0;
        } else {
            try {
                EntryStream.SetSize(r.FileSize);
                r.ErrorCode = 0;
            } catch (const std::exception&) {
                r.ErrorCode = 1;
                r.FileSize = 0;
            }
        }
        if (r.ErrorCode != 1) r.Memory = EntryStream.Memory();
        break;
    default: break;
    }
    return CancelRequested ? -1 : 0;
}

// ---- add -----------------------------------------------------------------------------------

void TZipArchive::AddFromStream(const std::string& EntryName, uint32_t EntryDate, uint32_t EntryAttributes)
{
    successCount_ = 0;
    if (!EntryName.empty()) {
        FSpecArgs.Clear();
        FSpecArgs.Add(EntryName);
    }
    if (EntryDate == 0) EntryDate = DosDateTimeNow();
    if (FSpecArgs.Count() == 0) {
        ReportMessage(AD_NothingToZip);
        return;
    }
    if (FSpecArgs[0].find_first_of("*?") != std::string::npos) {
        ReportMessage(AD_Wildcard);
        return;
    }
    if (zipFileName_.empty()) {
        ReportMessage(GE_NoZipSpecified);
        return;
    }
    if (Unattended && AddOptions.Contains(AddEncrypt) && password_.empty()) {
        ReportMessage(AD_UnattPassword);
        return;
    }
    const bool span = AddOptions.Contains(AddDiskSpan) || AddOptions.Contains(AddDiskSpanErase);
    const bool exe = UpperCase(ExtractFileExt(zipFileName_)) == ".EXE";
    std::string archive = zipFileName_;
    std::string spanTemp;
    if (span) {
        if (AddOptions.Contains(AddFreshen) || AddOptions.Contains(AddUpdate)) {
            ReportMessage(AD_NoFreshenUpdate);
            return;
        }
        if (exe) {
            ReportMessage(DS_NoSFXSpan);
            return;
        }
    }
    if (addBusy_) return;
    if (span) {
        spanTemp = MakeZipTempFile(TempDir);
        if (spanTemp.empty()) {
            ReportMessage(DS_NoTempFile);
            return;
        }
        DeleteFile(spanTemp);   // the library writes a new archive there
        archive = spanTemp;
        if (Verbose && OnMessage) OnMessage(this, 0, "Temporary zipfile: " + spanTemp);
    }
    if (exe && zipDataOffset_ == 0 && !FileExists(zipFileName_)) {
        if (const int result = MakeSelfExtractor(*this, zipFileName_); result != 0) {
            ReportException(EZipArchive(AD_AutoSFXWrong, static_cast<long long>(result)));
            if (!spanTemp.empty()) DeleteFile(spanTemp);
            return;
        }
    }
    const bool loadedHere = zipLib_ == 0;
    if (loadedHere && !LoadZipLibrary()) {
        if (!spanTemp.empty()) DeleteFile(spanTemp);
        return;
    }
    addBusy_ = true;
    CancelRequested = false;
    try {
        if (reinterpret_cast<VersionFn>(zipVersion_)() < kArchiveLibraryVersion) {
            ReportMessage(AD_InIsOutStream);
        } else {
            std::vector<std::string> keep;
            keep.reserve(16 + static_cast<size_t>(FSpecArgsExcl.Count()));
            ZipParams p;
            p.Handle = nullptr;
            p.Caller = this;
            p.Version = kArchiveLibraryVersion;
            p.Callback = &ZipArchiveCallback;
            p.Trace = Trace ? -1 : 0;
            p.Password = password_.empty() ? nullptr : text(keep, password_.substr(0, 81));
            std::string suffixes;
            for (unsigned e = assGIF; e <= assEXE; ++e)
                if (AddStoreSuffixes.Contains(static_cast<AddStoreSuffixEnum>(e)))
                    suffixes += std::string(".") + kStoreExtensions[e] + ":";
            if (!suffixes.empty()) suffixes.pop_back();
            p.StoreSuffixes = suffixes.empty() ? nullptr : text(keep, suffixes);
            p.Encrypt = AddOptions.Contains(AddEncrypt) ? -1 : 0;
            p.HiddenFiles = AddOptions.Contains(AddHiddenFiles) ? -1 : 0;
            p.Volume = AddOptions.Contains(AddVolume) ? -1 : 0;
            p.NoSeparateDirs = AddOptions.Contains(AddSeparateDirs) ? 0 : -1;
            p.Verbose = Verbose || Trace ? -1 : 0;
            p.Level = AddCompLevel;
            p.JunkDirNames = AddOptions.Contains(AddDirNames) ? 0 : -1;
            p.Recurse = AddOptions.Contains(AddRecurseDirs) ? 0xFFFF : 0;
            p.ForceDOS = AddOptions.Contains(AddForceDOS) ? -1 : 0;
            p.Move = AddOptions.Contains(AddMove) ? -1 : 0;
            p.Update = AddOptions.Contains(AddUpdate) ? -1 : 0;
            p.Freshen = AddOptions.Contains(AddFreshen) && !AddOptions.Contains(AddUpdate) ? -1 : 0;
            p.ZipTime = AddOptions.Contains(AddZipTime) ? -1 : 0;
            p.ArchiveName = text(keep, archive);
            p.TempDir = TempDir.empty() ? nullptr : text(keep, TempDir);
            p.ArchiveComment = zipComment_.empty() || span ? nullptr : text(keep, zipComment_);
            p.ArchiveOnly = AddOptions.Contains(AddArchiveOnly) ? 1 : 0;
            p.ResetArchive = AddOptions.Contains(AddResetArchive) ? 1 : 0;
            std::vector<ZipFileSpec> specs(static_cast<size_t>(FSpecArgs.Count()));
            for (int i = 0; i < FSpecArgs.Count(); ++i) {
                std::string line = FSpecArgs[i];
                ZipFileSpec& s = specs[static_cast<size_t>(i)];
                s.Recurse = p.Recurse;
                if (!line.empty() && line[0] == '>') {
                    s.Recurse = 0xFFFF;
                    line.erase(0, 1);
                } else if (!line.empty() && line[0] == '|') {
                    s.Recurse = 0;
                    line.erase(0, 1);
                }
                s.Encrypt = p.Encrypt;
                s.Password = p.Password;
                if (const auto lt = line.find('<'); lt != std::string::npos) {
                    const std::string pw = line.substr(lt + 1);
                    line.erase(lt);
                    s.Encrypt = pw.empty() ? 0 : 0xFFFF;
                    s.Password = pw.empty() ? nullptr : text(keep, pw);
                }
                s.FileSpec = text(keep, line);
                s.RootDir = RootDir.empty() ? nullptr : text(keep, RootDir);
            }
            p.SpecCount = FSpecArgs.Count();
            p.Specs = specs.data();
            std::vector<char*> excludes;
            for (int i = 0; i < FSpecArgsExcl.Count(); ++i) excludes.push_back(text(keep, FSpecArgsExcl[i]));
            p.ExcludeCount = static_cast<int32_t>(excludes.size());
            p.Excludes = excludes.empty() ? nullptr : excludes.data();
            p.UseInStream = -1;
            p.InStream = EntryStream.Memory();
            p.InStreamSize = EntryStream.Size();
            p.StreamAttributes = EntryAttributes;
            p.StreamDate = EntryDate;
            p.AllowUndo = HowToDelete == htdAllowUndo ? -1 : 0;
            p.CodePage = CodePage == cpOEM ? 2 : 0;
            try {
                successCount_ = reinterpret_cast<ZipExecFn>(zipExec_)(&p);
            } catch (...) {
                successCount_ = 0;
                ReportMessage(GE_FatalZip);
            }
            if (span && successCount_ > 0) {
                try {
                    WriteSpannedSet(*this, spanTemp, zipFileName_);
                } catch (const EZipArchive& e) {
                    ReportException(e);
                    successCount_ = 0;
                } catch (const std::exception& e) {
                    ReportMessage(DS_ErrorUnknown, e.what());
                    successCount_ = 0;
                }
            }
        }
    } catch (const std::bad_alloc&) {
        successCount_ = 0;
        ReportMessage(GE_NoMem);
    } catch (const std::exception& e) {
        successCount_ = 0;
        ReportMessage(GE_FatalZip, std::string("\n") + e.what());
    }
    if (!spanTemp.empty()) DeleteFile(spanTemp);
    FSpecArgs.Clear();
    FSpecArgsExcl.Clear();
    if (loadedHere) UnloadZipLibrary();
    CancelRequested = false;
    addBusy_ = false;
    if (successCount_ > 0) ReadDirectory();
}

// ---- extract -------------------------------------------------------------------------------

bool TZipArchive::EntrySizeSane(const ZipDirEntry& e) const
{
    if (e.UnpackedSize > std::min(EntrySizeLimit, MaxEntrySize)) return false;
    if (!spanned_ && e.PackedSize > fileSize_) return false;
    const uint64_t packed = e.PackedSize;
    switch (e.Method) {
    case 0: return e.IsEncrypted ? packed >= e.UnpackedSize : packed == e.UnpackedSize;
    case 8:
    case 9: return e.UnpackedSize <= packed * 1032 + 1024;
    case 12:   // bzip2, LZMA, Zstandard, XZ: their ratios may be far higher
    case 14:
    case 93:
    case 95: return true;
    // A method nobody here knows: no room is made beyond what deflate could
    // give, whatever size it declares.
    default: return e.UnpackedSize <= packed * 1032 + 1024;
    }
}

int32_t TZipArchive::RunUnzLibrary(const std::string& archive, const std::string& entryName, uint8_t* out,
                                   int64_t outSize, bool test)
{
    std::vector<std::string> keep;
    keep.reserve(8);
    UnzParams p;
    p.Handle = nullptr;
    p.Caller = this;
    p.Version = kArchiveLibraryVersion;
    p.Callback = &ZipArchiveCallback;
    p.Trace = Trace ? -1 : 0;
    p.Password = text(keep, password_);
    p.Test = test ? -1 : 0;
    p.Verbose = Verbose || Trace ? -1 : 0;
    p.Update = ExtrOptions.Contains(ExtrUpdate) ? -1 : 0;
    p.Freshen = ExtrOptions.Contains(ExtrFreshen) && !ExtrOptions.Contains(ExtrUpdate) ? -1 : 0;
    p.DirNames = ExtrOptions.Contains(ExtrDirNames) ? -1 : 0;
    p.OverWrite = ExtrOptions.Contains(ExtrOverWrite) ? -1 : 0;
    p.ArchiveName = text(keep, archive);
    UnzFileSpec entry;
    entry.FileSpec = text(keep, entryName);
    p.Specs = &entry;
    p.SpecCount = 1;
    p.UseOutStream = -1;
    p.OutStream = out;
    p.OutStreamSize = outSize;
    p.PasswordReqCount = passwordReqCount_;
    std::string folder = IncludeTrailingPathDelimiter(ExpandFileName("."));
    folder.resize(261, '\0');
    p.ExtractDir = text(keep, folder);
    try {
        return reinterpret_cast<UnzExecFn>(unzExec_)(&p);
    } catch (...) {
        ReportMessage(EX_FatalUnZip);
        return 0;
    }
}

bool TZipArchive::HoldsEntry(const std::string& EntryName, const uint8_t* data, size_t size)
{
    if (zipFileName_.empty() || spanned_ || structureWarning_ || (size > 0 && !data))
        return false;
    const ZipDirEntry* found = MembreLisibleEnPlace(EntryName);
    if (!found || found->UnpackedSize != size || !EntrySizeSane(*found))
        return false;
    // The library opens the archive and reads the member as it does for an
    // extraction, comparing what it unpacks with the bytes given instead of
    // keeping it: whatever an opening would refuse (the end record, the
    // directory, the member's data) is refused here too.
    const bool loadedHere = unzLib_ == 0;
    if (loadedHere && !LoadUnzLibrary())
        return false;
    bool holds = false;
    try {
        // In test mode the library only reads the bytes it is given.
        holds = reinterpret_cast<VersionFn>(unzVersion_)() >= kArchiveLibraryVersion &&
                RunUnzLibrary(zipFileName_, found->NameText, const_cast<uint8_t*>(data), static_cast<int64_t>(size),
                              true) == 1;
    } catch (const std::exception& e) {
        ReportMessage(EX_FatalUnZip, std::string("\n") + e.what());
    }
    if (loadedHere)
        UnloadUnzLibrary();
    return holds;
}

TZipStream* TZipArchive::ExtractToStream(const std::string& EntryName)
{
    if (!EntryName.empty()) {
        FSpecArgs.Clear();
        FSpecArgs.Add(EntryName);
    }
    EntryStream.Clear();
    successCount_ = 0;
    const uint32_t savedReqCount = passwordReqCount_;
    bool reqCleared = false;
    bool loadedHere = false;
    std::string joined;
    auto finish = [&]() -> TZipStream* {
        if (successCount_ != 1) EntryStream.Clear();
        EntryStream.SetPosition(0);
        if (!joined.empty()) DeleteFile(joined);
        FSpecArgs.Clear();
        if (reqCleared) passwordReqCount_ = savedReqCount;
        if (loadedHere) UnloadUnzLibrary();
        CancelRequested = false;
        extractBusy_ = false;
        return successCount_ == 1 ? &EntryStream : nullptr;
    };
    if (zipFileName_.empty() || !FileExists(zipFileName_)) {
        ReportMessage(GE_NoZipSpecified);
        FSpecArgs.Clear();
        return nullptr;
    }
    if (extractBusy_) return nullptr;
    if (Unattended && password_.empty() && !OnPasswordError) {
        passwordReqCount_ = 0;
        reqCleared = true;
        ReportMessage(EX_UnAttPassword);
    }
    extractBusy_ = true;
    CancelRequested = false;
    loadedHere = unzLib_ == 0;
    if (loadedHere && !LoadUnzLibrary()) {
        loadedHere = false;
        return finish();
    }
    try {
        std::string archive = zipFileName_;
        if (spanned_) {
            joined = MakeZipTempFile(TempDir);
            if (joined.empty()) throw EZipArchive(DS_NoTempFile, true);
            JoinSpannedSet(*this, zipFileName_, joined);
            extractBusy_ = true;
            archive = joined;
        }
        if (reinterpret_cast<VersionFn>(unzVersion_)() < kArchiveLibraryVersion) {
            ReportMessage(EX_NoStreamDLL);
            return finish();
        }
        std::string wanted = FSpecArgs.Count() > 0 ? FSpecArgs[0] : std::string();
        std::replace(wanted.begin(), wanted.end(), '/', '\\');
        const auto found = std::find_if(entries_.begin(), entries_.end(),
                                        [&](const ZipDirEntry& e) { return AnsiSameText(e.NameText, wanted); });
        if (found == entries_.end() || wanted.empty()) return finish();
        if (!EntrySizeSane(*found)) {
            ReportMessage(DS_ZipData, ": " + found->NameText);
            return finish();
        }
        DimensionneFlux(EntryStream, found->UnpackedSize);
        successCount_ = RunUnzLibrary(archive, FSpecArgs[0], EntryStream.Memory(), EntryStream.Size(),
                                      ExtrOptions.Contains(ExtrTest));
    } catch (const EZipArchive& e) {
        successCount_ = 0;
        ReportException(e);
    } catch (const std::bad_alloc&) {
        successCount_ = 0;
        ReportMessage(GE_NoMem);
    } catch (const std::exception& e) {
        successCount_ = 0;
        ReportMessage(EX_FatalUnZip, std::string("\n") + e.what());
    }
    return finish();
}
