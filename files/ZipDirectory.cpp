// Reading of the central directory: the end record, then every central header.
// Every length read from the file is checked against the bytes the file holds
// before anything is read or allocated from it.
#include <algorithm>
#include <new>

#include "files/ZipArchive.h"
#include "files/ZipRecords.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"
#include "platform/sys/OemCodePage.h"

void ZipEndRecord::Parse(const uint8_t* p)
{
    ThisDisk = Get16(p + 4);
    DirectoryDisk = Get16(p + 6);
    EntriesOnDisk = Get16(p + 8);
    TotalEntries = Get16(p + 10);
    DirectorySize = Get32(p + 12);
    DirectoryOffset = Get32(p + 16);
    CommentLength = Get16(p + 20);
}

void ZipEndRecord::Write(uint8_t* p) const
{
    Put32(p, kEndRecordSig);
    Put16(p + 4, ThisDisk);
    Put16(p + 6, DirectoryDisk);
    Put16(p + 8, EntriesOnDisk);
    Put16(p + 10, TotalEntries);
    Put32(p + 12, DirectorySize);
    Put32(p + 16, DirectoryOffset);
    Put16(p + 20, CommentLength);
}

bool ReadExact(TStream& stream, void* buffer, int64_t n)
{
    auto* p = static_cast<uint8_t*>(buffer);
    while (n > 0) {
        const long chunk = static_cast<long>(std::min<int64_t>(n, 1 << 30));
        const long got = stream.Read(p, chunk);
        if (got <= 0) return false;
        p += got;
        n -= got;
    }
    return true;
}

bool ReadEndRecord(TStream& stream, bool strict, ZipEndInfo& info, TZipArchive* reporter)
{
    info = ZipEndInfo{};
    const int64_t size = stream.Size();
    info.RealSize = size;
    uint8_t head[8];
    stream.SetPosition(0);
    if (size >= 8 && ReadExact(stream, head, 8))
        info.FirstPartOfSet = Get32(head) == kSpanSig && Get32(head + 4) == kLocalHeaderSig;

    if (size >= kEndRecordSize) {
        uint8_t last[kEndRecordSize];
        stream.SetPosition(size - kEndRecordSize);
        if (ReadExact(stream, last, kEndRecordSize) && Get32(last) == kEndRecordSig && Get16(last + 20) == 0) {
            info.Record.Parse(last);
            info.Position = size - kEndRecordSize;
            info.FileSize = size;
            return true;
        }
        const int64_t len = std::min<int64_t>(size, kEndSearchWindow);
        std::vector<uint8_t> buf(static_cast<size_t>(len));
        if (stream.Seek(size - len, soFromBeginning) != size - len) {
            if (strict) throw EZipArchive(DS_FailedSeek, true);
            return false;
        }
        if (!ReadExact(stream, buf.data(), len)) {
            if (strict) throw EZipArchive(DS_EOCBadRead, true);
            return false;
        }
        for (int64_t i = len - kEndRecordSize; i >= 0; --i) {
            const uint8_t* p = &buf[static_cast<size_t>(i)];
            if (p[0] != 'P' || p[1] != 'K' || p[2] != 5 || p[3] != 6) continue;
            const int64_t commentLen = Get16(p + 20);
            const int64_t garbage = len - (i + kEndRecordSize + commentLen);
            if (garbage < 0) continue;   // its comment would run past the end: not an end record
            info.Record.Parse(p);
            info.Position = size - len + i;
            info.FileSize = size - garbage;
            if (commentLen > 0)
                info.Record.Comment.assign(reinterpret_cast<const char*>(p + kEndRecordSize), static_cast<size_t>(commentLen));
            if (garbage > 0 && reporter) {
                const bool padding = size % 512 == 0 && garbage < 512 &&
                                     std::all_of(buf.end() - garbage, buf.end(), [](uint8_t b) { return b == 0; });
                if (!padding) reporter->ReportMessage(LI_GarbageAtEOF);
            }
            return true;
        }
    }
    if (!strict) return false;
    if (!info.FirstPartOfSet) throw EZipArchive(DS_NoValidZip, true);
    throw EZipArchive(DS_FirstFileOnHD, true);
}

namespace {

// Whether name is the last part of a genuine spanned set of lastDisk + 1 parts:
// the name carries that number and the first part begins a set.
bool isGenuineSet(const std::string& name, int lastDisk)
{
    if (name.empty() || lastDisk <= 0) return false;
    if (TZipArchive::PartFileName(name, lastDisk) != name) return false;
    const std::string first = TZipArchive::PartFileName(name, 0);
    try {
        TFileStream s(first, fmOpenRead | fmShareDenyWrite);
        uint8_t head[8];
        return ReadExact(s, head, 8) && Get32(head) == kSpanSig && Get32(head + 4) == kLocalHeaderSig;
    } catch (const Exception&) {
        return false;
    }
}

std::unique_ptr<TStream> openPart(const std::string& name)
{
    try {
        return std::make_unique<TFileStream>(name, fmOpenRead | fmShareDenyWrite);
    } catch (const Exception&) {
        throw EZipArchive(DS_NoInFile, true);
    }
}

bool convertsFromOem(CodePageOpts codePage, uint8_t host, uint8_t madeBy)
{
    return codePage == cpOEM || (codePage == cpAuto && host == 0) || host == 6 || (host == 11 && madeBy == 50);
}

}  // namespace

void TZipArchive::ReadDirectory() { ReadDirectoryImpl(nullptr); }

void TZipArchive::ReadDirectoryFromStream(TStream& stream) { ReadDirectoryImpl(&stream); }

void TZipArchive::ReadDirectoryImpl(TStream* given)
{
    entries_.clear();
    zipDataOffset_ = 0;
    spanned_ = false;
    droppedEntries_ = 0;
    zipComment_.clear();
    structureWarning_ = false;
    lastDisk_ = 0;
    fileSize_ = 0;
    if (!given && !FileExists(zipFileName_)) {
        if (OnDirUpdate) OnDirUpdate(this);
        return;
    }
    StartWaitCursor();
    bool failed = true;
    int64_t start = 0;
    uint32_t storedOffset = 0;
    try {
        std::unique_ptr<TStream> own;
        if (!given) own = openPart(zipFileName_);
        TStream* current = given ? given : own.get();
        ZipEndInfo info;
        ReadEndRecord(*current, true, info, this);
        zipComment_ = info.Record.Comment;
        const ZipEndRecord& eoc = info.Record;
        fileSize_ = info.FileSize;
        lastDisk_ = eoc.ThisDisk;
        int disk = eoc.ThisDisk;
        if (eoc.ThisDisk != 0 || eoc.DirectoryDisk != 0) {
            if (!given && eoc.DirectoryDisk <= eoc.ThisDisk && isGenuineSet(zipFileName_, eoc.ThisDisk)) {
                spanned_ = true;
            } else {
                // Disk numbers in a plain file: a damaged end record, read as one file.
                structureWarning_ = true;
                ReportMessage(LI_WrongZipStruct);
                lastDisk_ = 0;
                disk = 0;
            }
        }
        storedOffset = eoc.DirectoryOffset;
        if (spanned_ && eoc.DirectoryDisk != eoc.ThisDisk) {
            own = openPart(PartFileName(zipFileName_, eoc.DirectoryDisk));
            current = own.get();
            disk = eoc.DirectoryDisk;
            fileSize_ = current->Size();
            start = eoc.DirectoryOffset;
        } else {
            start = info.Position - static_cast<int64_t>(eoc.DirectorySize);
        }
        if (start < 0 || start > fileSize_) throw EZipArchive(LI_ReadZipError, true);
        zipDataOffset_ = fileSize_ == kEndRecordSize ? 0 : fileSize_;
        if (static_cast<int64_t>(storedOffset) != start) {
            structureWarning_ = true;
            ReportMessage(LI_WrongZipStruct);
        }
        if (current->Seek(start, soFromBeginning) != start) throw EZipArchive(LI_ReadZipError, true);
        // Headers are read up to the end record at most (the parts before it on a set).
        int64_t limit = disk == lastDisk_ || !spanned_ ? info.Position : current->Size();
        for (int seq = 1; seq <= eoc.TotalEntries; ++seq) {
            uint8_t h[kCentralHeaderSize];
            for (;;) {
                const int64_t at = current->Position();
                if (at + kCentralHeaderSize <= limit && ReadExact(*current, h, kCentralHeaderSize)) break;
                if (!(spanned_ && disk < lastDisk_ && at >= limit)) throw EZipArchive(DS_CEHBadRead, true);
                ++disk;
                own = openPart(PartFileName(zipFileName_, disk));
                current = own.get();
                limit = disk == lastDisk_ ? info.Position : current->Size();
            }
            if (Get32(h) != kCentralHeaderSig) throw EZipArchive(DS_CEHWrongSig, true);
            ZipDirEntry e;
            e.VersionMadeBy = h[4];
            e.HostSystem = h[5];
            e.VersionNeeded = Get16(h + 6);
            e.GeneralFlags = Get16(h + 8);
            e.Method = Get16(h + 10);
            e.DosDateTime = Get32(h + 12);
            e.Crc32 = Get32(h + 16);
            e.PackedSize = Get32(h + 20);
            e.UnpackedSize = Get32(h + 24);
            e.NameLength = Get16(h + 28);
            e.ExtraLength = Get16(h + 30);
            e.CommentLength = Get16(h + 32);
            e.DiskStart = Get16(h + 34);
            e.InternalAttributes = Get16(h + 36);
            e.ExternalAttributes = Get32(h + 38);
            e.LocalHeaderOffset = Get32(h + 42);
            const int64_t left = limit - current->Position();
            if (e.NameLength > left) throw EZipArchive(DS_CENameLen, true);
            std::string name(e.NameLength, '\0');
            if (!ReadExact(*current, name.data(), e.NameLength)) throw EZipArchive(DS_CENameLen, true);
            if (e.ExtraLength > left - e.NameLength) throw EZipArchive(LI_ReadZipError, true);
            if (e.ExtraLength > 0) {
                e.ExtraBuffer.resize(e.ExtraLength);
                if (!ReadExact(*current, e.ExtraBuffer.data(), e.ExtraLength)) throw EZipArchive(LI_ReadZipError, true);
            }
            if (e.CommentLength > left - e.NameLength - e.ExtraLength) throw EZipArchive(DS_CECommentLen, true);
            std::string comment(e.CommentLength, '\0');
            if (!ReadExact(*current, comment.data(), e.CommentLength)) throw EZipArchive(DS_CECommentLen, true);
            const bool oem = convertsFromOem(CodePage, e.HostSystem, e.VersionMadeBy);
            e.NameRaw = name;
            e.NameText = oem ? OemToAnsi(name) : name;
            std::replace(e.NameText.begin(), e.NameText.end(), '/', '\\');
            e.CommentText = oem ? OemToAnsi(comment) : comment;
            e.IsEncrypted = (e.GeneralFlags & 1) != 0;
            zipDataOffset_ = std::min<int64_t>(zipDataOffset_, e.LocalHeaderOffset);
            if (!UseDirOnlyEntries && !e.NameText.empty() && e.NameText.back() == '\\') {
                ++droppedEntries_;
                continue;
            }
            entries_.push_back(std::move(e));
            if (OnNewName) OnNewName(this, seq, entries_.back());
        }
        lastDisk_ = spanned_ ? eoc.ThisDisk : 0;
        failed = false;
    } catch (const EZipArchive& e) {
        ReportException(e);
    } catch (const std::bad_alloc&) {
        ReportMessage(GE_NoMem);
    } catch (const EOutOfMemory&) {
        ReportMessage(GE_NoMem);
    } catch (const std::exception& e) {
        ReportMessage(LI_ErrorUnknown, e.what());
    }
    StopWaitCursor();
    if (failed) {
        // Nothing of a directory that could not be read is kept.
        if (!given) zipFileName_.clear();
        entries_.clear();
        zipDataOffset_ = 0;
        spanned_ = false;
    } else if (start > static_cast<int64_t>(storedOffset)) {
        zipDataOffset_ += start - storedOffset;
    }
    if (OnDirUpdate) OnDirUpdate(this);
}
