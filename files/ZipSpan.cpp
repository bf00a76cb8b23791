#include "files/ZipSpan.h"

#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "files/ZipArchive.h"
#include "files/ZipRecords.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Strings.h"

namespace {

constexpr int64_t kCopyPiece = 8192;

struct CursorGuard
{
    TZipArchive& zip;
    explicit CursorGuard(TZipArchive& z) : zip(z) { zip.StartWaitCursor(); }
    ~CursorGuard() { zip.StopWaitCursor(); }
};

std::unique_ptr<TFileStream> openRead(const std::string& name)
{
    try {
        return std::make_unique<TFileStream>(name, fmOpenRead | fmShareDenyWrite);
    } catch (const Exception&) {
        throw EZipArchive(DS_NoInFile, true);
    }
}

// Reads the parts of a set one after the other, as one stream.
class SetReader
{
public:
    SetReader(const std::string& lastPart, int lastDisk) : lastPart_(lastPart), lastDisk_(lastDisk) {}
    void Open(int disk)
    {
        if (disk < 0 || disk > lastDisk_) throw EZipArchive(DS_NoInFile, true);
        disk_ = disk;
        cur_ = openRead(TZipArchive::PartFileName(lastPart_, disk));
    }
    TFileStream& Current() { return *cur_; }
    // Exactly n bytes, going on to the next parts as they end.
    bool Read(uint8_t* buf, int64_t n)
    {
        while (n > 0) {
            const long got = cur_->Read(buf, static_cast<long>(std::min<int64_t>(n, 1 << 20)));
            if (got > 0) {
                buf += got;
                n -= got;
                continue;
            }
            if (disk_ >= lastDisk_) return false;
            Open(disk_ + 1);
        }
        return true;
    }

private:
    std::string lastPart_;
    int lastDisk_;
    int disk_ = 0;
    std::unique_ptr<TFileStream> cur_;
};

struct CentralRecord
{
    std::vector<uint8_t> header;   // 46 bytes + name + extra + comment
    std::string name;
    uint32_t packed = 0;
    uint16_t flags = 0;
    uint32_t localOffset = 0;
    bool seen = false;
    uint32_t newOffset = 0;
    uint16_t newDisk = 0;
};

// Reads a central header with its variable part; false when the signature is wrong.
template <class ReadFn>
void readCentral(ReadFn read, CentralRecord& rec)
{
    rec.header.resize(kCentralHeaderSize);
    if (!read(rec.header.data(), kCentralHeaderSize)) throw EZipArchive(DS_CEHBadRead, true);
    if (Get32(rec.header.data()) != kCentralHeaderSig) throw EZipArchive(DS_CEHWrongSig, true);
    const size_t nameLen = Get16(&rec.header[28]);
    const size_t rest = nameLen + Get16(&rec.header[30]) + Get16(&rec.header[32]);
    rec.header.resize(kCentralHeaderSize + rest);
    if (rest > 0 && !read(&rec.header[kCentralHeaderSize], static_cast<int64_t>(rest))) throw EZipArchive(DS_CENameLen, true);
    rec.name.assign(reinterpret_cast<const char*>(&rec.header[kCentralHeaderSize]), nameLen);
    rec.flags = Get16(&rec.header[8]);
    rec.packed = Get32(&rec.header[20]);
    rec.localOffset = Get32(&rec.header[42]);
}

void writeAll(TStream& out, const void* data, int64_t n, int32_t error)
{
    if (n > 0 && out.Write(data, static_cast<long>(n)) != n) throw EZipArchive(error, true);
}

void reportCopying(TZipArchive& zip, const std::string& name, int64_t size)
{
    if (zip.OnMessage) zip.OnMessage(&zip, 0, TZipArchive::MessageText(GE_CopyFile) + name);
    zip.Progress(NewFile, name, size);
}

int64_t freeSpace(const std::string& file)
{
    struct statvfs st;
    const std::string dir = ExtractFilePath(ExpandFileName(file));
    if (statvfs(dir.empty() ? "." : dir.c_str(), &st) != 0) return 0;
    return static_cast<int64_t>(st.f_bavail) * static_cast<int64_t>(st.f_frsize);
}

// Writes pieces over the numbered part files of a set.
class PartWriter
{
public:
    PartWriter(TZipArchive& zip, const std::string& target, TDateTime date) : zip_(zip), target_(target), date_(date) {}
    ~PartWriter()
    {
        if (cur_) Close();
    }
    int Disk() const { return disk_; }
    int64_t Offset() const { return used_; }
    // Makes sure min bytes fit on the current part (a new part is started otherwise).
    void Ensure(int64_t min)
    {
        if (zip_.CancelRequested) throw EZipArchive(DS_Canceled, false);
        if (!cur_) Start();
        if (min > room_ - used_) {
            Close();
            Start();
            if (min > room_) throw EZipArchive(DS_NoDiskSpace, true);
        }
    }
    void Piece(const uint8_t* data, int64_t n, int64_t min)
    {
        Ensure(min);
        while (n > 0) {
            if (used_ == room_) {
                Close();
                Start();
            }
            const int64_t k = std::min(n, room_ - used_);
            writeAll(*cur_, data, k, DS_NoWrite);
            used_ += k;
            data += k;
            n -= k;
            zip_.Progress(ProgressUpdate, "", k);
        }
    }
    void Close()
    {
        cur_.reset();
        FileSetDate(TZipArchive::PartFileName(target_, disk_), date_);
    }

private:
    void Start()
    {
        ++disk_;
        const std::string name = TZipArchive::PartFileName(target_, disk_);
        if (FileExists(name)) {
            if (zip_.Unattended) throw EZipArchive(DS_NoUnattSpan, true);
            const bool sameFile = FileDate(name) != date_;
            TZipDiskStatus status;
            status.Include(sameFile ? zdsSameFileName : zdsPreviousDisk);
            status.Include(FileSize(name) > 0 ? zdsHasFiles : zdsEmpty);
            const std::string question = sameFile ? Format(TZipArchive::MessageText(DS_AskDeleteFile), {name})
                                                  : Format(TZipArchive::MessageText(DS_AskPrevFile), {disk_ + 1});
            if (zip_.OnStatusDisk) {
                TZipDiskAction action = zdaOk;
                zip_.OnStatusDisk(&zip_, disk_ + 1, name, status, action);
                // There is no other disk to ask for: rejecting the file ends the operation.
                if (action == zdaReject || action == zdaCancel) throw EZipArchive(DS_Canceled, false);
            } else if (zip_.Interactive() && zip_.QuestionHook) {
                if (zip_.QuestionHook(question, 1 | 2 | 8) != 6) throw EZipArchive(DS_Canceled, false);
            } else {
                throw EZipArchive(DS_NoUnattSpan, true);
            }
        }
        try {
            cur_ = std::make_unique<TFileStream>(name, fmCreate);
        } catch (const Exception&) {
            throw EZipArchive(DS_NoOutFile, true);
        }
        room_ = freeSpace(name);
        if (zip_.MaxVolumeSize > 0) room_ = std::min<int64_t>(room_, zip_.MaxVolumeSize);
        if (disk_ == 0) room_ -= zip_.KeepFreeOnDisk1;
        used_ = 0;
        if (room_ < zip_.MinFreeVolumeSize || room_ <= 0) {
            cur_.reset();
            DeleteFile(name);
            if (zip_.Unattended) throw EZipArchive(DS_NoUnattSpan, true);
            if (zip_.OnStatusDisk) {
                TZipDiskAction action = zdaCancel;
                zip_.OnStatusDisk(&zip_, disk_ + 1, name, TZipDiskStatus{zdsNotEnoughSpace}, action);
            }
            throw EZipArchive(DS_NoDiskSpace, true);
        }
    }

    TZipArchive& zip_;
    std::string target_;
    TDateTime date_;
    int disk_ = -1;
    std::unique_ptr<TFileStream> cur_;
    int64_t room_ = 0;
    int64_t used_ = 0;
};

}  // namespace

std::string TZipArchive::PartFileName(const std::string& name, int disk)
{
    const std::string ext = ExtractFileExt(name);
    std::string stem = name.substr(0, name.size() - ext.size());
    const std::string file = ExtractFileName(stem);
    if (file.size() >= 3 && std::all_of(file.end() - 3, file.end(), [](char c) { return c >= '0' && c <= '9'; }))
        stem.resize(stem.size() - 3);
    return stem + Format("%.3d", {disk + 1}) + ext;
}

std::string MakeZipTempFile(const std::string& folder)
{
    const std::string dir = folder.empty() ? GetTempDir() : IncludeTrailingPathDelimiter(ToNativePath(folder));
    std::string pattern = dir + "zipXXXXXX.zip";
    const int fd = mkstemps(pattern.data(), 4);
    if (fd < 0) return {};
    close(fd);
    return pattern;
}

void JoinSpannedSet(TZipArchive& zip, const std::string& lastPart, const std::string& output)
{
    CursorGuard cursor(zip);
    std::unique_ptr<TFileStream> out;
    try {
        out = std::make_unique<TFileStream>(output, fmCreate);
    } catch (const Exception&) {
        throw EZipArchive(DS_NoOutFile, true);
    }
    try {
        ZipEndInfo info;
        {
            auto last = openRead(lastPart);
            if (!ReadEndRecord(*last, false, info, nullptr)) throw EZipArchive(DS_FirstInSet, true);
        }
        const ZipEndRecord eoc = info.Record;
        const TDateTime date = FileDate(lastPart);
        SetReader reader(lastPart, eoc.ThisDisk);
        reader.Open(eoc.DirectoryDisk);
        if (reader.Current().Seek(eoc.DirectoryOffset, soFromBeginning) != eoc.DirectoryOffset ||
            eoc.DirectoryOffset > reader.Current().Size())
            throw EZipArchive(DS_FailedSeek, true);
        std::vector<CentralRecord> records(eoc.TotalEntries);
        for (auto& rec : records) readCentral([&](uint8_t* b, int64_t n) { return reader.Read(b, n); }, rec);

        reader.Open(0);
        uint8_t sig[4];
        if (!reader.Read(sig, 4) || Get32(sig) != kSpanSig) throw EZipArchive(DS_LOHWrongSig, true);
        std::vector<uint8_t> buf(kCopyPiece);
        auto copy = [&](int64_t n, int32_t readError) {
            while (n > 0) {
                const int64_t k = std::min<int64_t>(n, kCopyPiece);
                if (!reader.Read(buf.data(), k)) throw EZipArchive(readError, true);
                writeAll(*out, buf.data(), k, DS_NoWrite);
                n -= k;
            }
        };
        for (size_t i = 0; i < records.size(); ++i) {
            uint8_t h[kLocalHeaderSize];
            if (!reader.Read(h, kLocalHeaderSize)) throw EZipArchive(DS_LOHBadRead, true);
            if (Get32(h) != kLocalHeaderSig) throw EZipArchive(DS_LOHWrongSig, true);
            std::string name(Get16(h + 26), '\0');
            if (!reader.Read(reinterpret_cast<uint8_t*>(name.data()), static_cast<int64_t>(name.size())))
                throw EZipArchive(DS_LONameLen, true);
            auto rec = std::find_if(records.begin(), records.end(),
                                    [&](const CentralRecord& r) { return !r.seen && r.name == name; });
            if (rec == records.end())
                rec = std::find_if(records.begin(), records.end(),
                                   [&](const CentralRecord& r) { return !r.seen && SameText(r.name, name); });
            if (rec == records.end()) throw EZipArchive(DS_EntryLost, true);
            rec->seen = true;
            rec->newOffset = static_cast<uint32_t>(out->Position());
            const int64_t extra = Get16(h + 28);
            reportCopying(zip, name, kLocalHeaderSize + static_cast<int64_t>(name.size()) + extra + rec->packed);
            writeAll(*out, h, kLocalHeaderSize, DS_LOHBadWrite);
            writeAll(*out, name.data(), static_cast<int64_t>(name.size()), DS_LOHBadWrite);
            copy(extra, DS_LOExtraLen);
            // The sizes come from the central directory: a local header with a data
            // descriptor holds none.
            copy(rec->packed, DS_ZipData);
            if (rec->flags & 8) {
                uint8_t d[16];
                if (!reader.Read(d, 12)) throw EZipArchive(DS_DataDesc, true);
                int64_t n = 12;
                if (Get32(d) == kSpanSig) {
                    if (!reader.Read(d + 12, 4)) throw EZipArchive(DS_DataDesc, true);
                    n = 16;
                }
                writeAll(*out, d, n, DS_DataDesc);
            }
        }
        const auto dirStart = static_cast<uint32_t>(out->Position());
        for (auto& rec : records) {
            if (!rec.seen) throw EZipArchive(DS_EntryLost, true);
            Put16(&rec.header[34], 0);
            Put32(&rec.header[42], rec.newOffset);
            writeAll(*out, rec.header.data(), static_cast<int64_t>(rec.header.size()), DS_CEHBadWrite);
        }
        ZipEndRecord end = eoc;
        end.ThisDisk = end.DirectoryDisk = 0;
        end.EntriesOnDisk = end.TotalEntries;
        end.DirectoryOffset = dirStart;
        end.DirectorySize = static_cast<uint32_t>(out->Position() - dirStart);
        end.CommentLength = static_cast<uint16_t>(eoc.Comment.size());
        uint8_t e[kEndRecordSize];
        end.Write(e);
        writeAll(*out, e, kEndRecordSize, DS_EOCBadWrite);
        writeAll(*out, eoc.Comment.data(), static_cast<int64_t>(eoc.Comment.size()), DS_EOCBadCopy);
        out.reset();
        FileSetDate(output, date);
    } catch (...) {
        out.reset();
        DeleteFile(output);
        throw;
    }
}

void WriteSpannedSet(TZipArchive& zip, const std::string& source, const std::string& target)
{
    CursorGuard cursor(zip);
    if (!FileExists(source)) throw EZipArchive(DS_NoInFile, true);
    auto in = openRead(source);
    ZipEndInfo info;
    if (!ReadEndRecord(*in, false, info, nullptr)) throw EZipArchive(DS_NoValidZip, true);
    const ZipEndRecord& eoc = info.Record;
    const TDateTime date = FileDate(source);
    const int64_t dirStart = info.Position - static_cast<int64_t>(eoc.DirectorySize);
    if (dirStart < 0 || dirStart < static_cast<int64_t>(eoc.DirectoryOffset)) throw EZipArchive(DS_NoValidZip, true);
    const int64_t shift = dirStart - eoc.DirectoryOffset;
    in->SetPosition(dirStart);
    std::vector<CentralRecord> records(eoc.TotalEntries);
    for (auto& rec : records)
        readCentral([&](uint8_t* b, int64_t n) { return in->Position() + n <= info.Position && ReadExact(*in, b, n); }, rec);
    std::vector<size_t> order(records.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return records[a].localOffset < records[b].localOffset; });

    PartWriter writer(zip, target, date);
    const uint8_t sig[4] = {0x50, 0x4B, 0x07, 0x08};
    writer.Piece(sig, 4, 4);
    zip.Progress(TotalFiles2Process, "", static_cast<int64_t>(records.size()));
    zip.Progress(TotalSize2Process, "", info.FileSize);
    std::vector<uint8_t> buf(kCopyPiece);
    auto copy = [&](int64_t n, int32_t readError) {
        while (n > 0) {
            const int64_t k = std::min<int64_t>(n, kCopyPiece);
            if (!ReadExact(*in, buf.data(), k)) throw EZipArchive(readError, true);
            writer.Piece(buf.data(), k, 0);
            n -= k;
        }
    };
    for (size_t i : order) {
        CentralRecord& rec = records[i];
        const int64_t at = shift + rec.localOffset;
        if (at < 0 || at > dirStart || in->Seek(at, soFromBeginning) != at) throw EZipArchive(DS_LOHBadRead, true);
        std::vector<uint8_t> h(kLocalHeaderSize);
        if (!ReadExact(*in, h.data(), kLocalHeaderSize)) throw EZipArchive(DS_LOHBadRead, true);
        if (Get32(h.data()) != kLocalHeaderSig) throw EZipArchive(DS_LOHWrongSig, true);
        const size_t nameLen = Get16(&h[26]);
        h.resize(kLocalHeaderSize + nameLen);
        if (!ReadExact(*in, &h[kLocalHeaderSize], static_cast<int64_t>(nameLen))) throw EZipArchive(DS_LONameLen, true);
        const int64_t extra = Get16(&h[28]);
        reportCopying(zip, rec.name, static_cast<int64_t>(h.size()) + extra + rec.packed);
        writer.Ensure(static_cast<int64_t>(h.size()));
        rec.newDisk = static_cast<uint16_t>(writer.Disk());
        rec.newOffset = static_cast<uint32_t>(writer.Offset());
        writer.Piece(h.data(), static_cast<int64_t>(h.size()), static_cast<int64_t>(h.size()));
        copy(extra, DS_LOExtraLen);
        copy(rec.packed, DS_ZipData);
        if (rec.flags & 8) {
            uint8_t d[16];
            if (!ReadExact(*in, d, 12)) throw EZipArchive(DS_DataDesc, true);
            int64_t n = 12;
            if (Get32(d) == kSpanSig) {
                if (!ReadExact(*in, d + 12, 4)) throw EZipArchive(DS_DataDesc, true);
                n = 16;
            }
            writer.Piece(d, n, 0);
        }
    }
    zip.Progress(NewFile, TZipArchive::MessageText(DS_CopyCentral), static_cast<int64_t>(eoc.DirectorySize));
    int dirDisk = -1;
    uint32_t dirOffset = 0;
    uint32_t dirSize = 0;
    std::vector<int> headerDisk;
    for (auto& rec : records) {
        Put16(&rec.header[34], rec.newDisk);
        Put32(&rec.header[42], rec.newOffset);
        const auto n = static_cast<int64_t>(rec.header.size());
        writer.Ensure(n);
        if (dirDisk < 0) {
            dirDisk = writer.Disk();
            dirOffset = static_cast<uint32_t>(writer.Offset());
        }
        headerDisk.push_back(writer.Disk());
        writer.Piece(rec.header.data(), n, n);
        dirSize += static_cast<uint32_t>(n);
    }
    std::vector<uint8_t> endBytes(kEndRecordSize + eoc.Comment.size());
    writer.Ensure(static_cast<int64_t>(endBytes.size()));
    if (dirDisk < 0) {
        dirDisk = writer.Disk();
        dirOffset = static_cast<uint32_t>(writer.Offset());
    }
    ZipEndRecord end = eoc;
    end.ThisDisk = static_cast<uint16_t>(writer.Disk());
    end.DirectoryDisk = static_cast<uint16_t>(dirDisk);
    end.EntriesOnDisk = static_cast<uint16_t>(std::count(headerDisk.begin(), headerDisk.end(), writer.Disk()));
    end.DirectorySize = dirSize;
    end.DirectoryOffset = dirOffset;
    end.CommentLength = static_cast<uint16_t>(eoc.Comment.size());
    end.Write(endBytes.data());
    std::copy(eoc.Comment.begin(), eoc.Comment.end(), endBytes.begin() + kEndRecordSize);
    writer.Piece(endBytes.data(), static_cast<int64_t>(endBytes.size()), static_cast<int64_t>(endBytes.size()));
    writer.Close();
    zip.Progress(EndOfBatch, "", 0);
}

int MakeSelfExtractor(TZipArchive& zip, const std::string& target)
{
    const std::string* texts[4] = {&zip.SFXCaption, &zip.SFXDefaultDir, &zip.SFXCommandLine, &zip.SFXMessage};
    size_t total = 0;
    bool tooLong = false;
    for (const std::string* t : texts) {
        total += t->size();
        tooLong = tooLong || t->size() >= 256;
    }
    if (tooLong) {
        zip.ReportMessage(SF_StringToLong, "\r\nSFXCaption + SFXDefaultDir + SFXCommandLine + SFXMessage = " + IntToStr(static_cast<long long>(total)));
        return 1;
    }
    std::vector<std::string> candidates = {ToNativePath(zip.SFXPath), "ZIPSFX.BIN", MakePath(ProgramDir(), "ZIPSFX.BIN")};
    if (!zip.DLLDirectory().empty()) candidates.push_back(MakePath(zip.DLLDirectory(), "ZIPSFX.BIN"));
    std::string stubFile;
    for (const auto& c : candidates)
        if (!c.empty() && FileExists(c)) {
            stubFile = c;
            break;
        }
    if (stubFile.empty()) {
        zip.ReportMessage(SF_NoZipSFXBin);
        return 2;
    }
    zip.SFXPath = stubFile;
    std::string data;
    if (!ReadFileBytes(stubFile, data)) return 3;
    const size_t length = (12 + total + 3) / 4 * 4;
    std::string header(length, '\0');
    header[0] = 'M';
    header[1] = 'P';
    header[2] = 'V';
    unsigned flags = 0;
    if (zip.SFXOptions.Contains(SFXAskCmdLine)) flags |= 1;
    if (zip.SFXOptions.Contains(SFXAskFiles)) flags |= 2;
    if (zip.SFXOptions.Contains(SFXHideOverWriteBox)) flags |= 4;
    if (zip.SFXOverWriteMode == OvrAlways) flags |= 8;
    if (zip.SFXOverWriteMode == OvrNever) flags |= 16;
    if (!zip.SFXOptions.Contains(SFXCheckSize)) flags |= 32;
    if (zip.SFXOptions.Contains(SFXAutoRun)) flags |= 64;
    if (zip.SFXOptions.Contains(SFXNoSuccessMsg)) flags |= 128;
    header[3] = static_cast<char>(flags);
    header[4] = 0;
    header[5] = 1;
    header[6] = static_cast<char>(length & 0xFF);
    header[7] = static_cast<char>((length >> 8) & 0xFF);
    size_t at = 8;
    for (const std::string* t : texts) {
        header[at++] = static_cast<char>(t->size());
        std::copy(t->begin(), t->end(), header.begin() + static_cast<long>(at));
        at += t->size();
    }
    if (FileExists(target)) DeleteFile(target);
    return WriteFileAtomic(target, data + header) ? 0 : 4;
}
