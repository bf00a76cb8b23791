#include "platform/sys/ZipDllShared.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

uint16_t get16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t get32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}

struct File
{
    FILE* f = nullptr;
    explicit File(const std::string& name) : f(std::fopen(name.c_str(), "rb")) {}
    ~File()
    {
        if (f) std::fclose(f);
    }
    bool read(uint64_t pos, void* buf, size_t n)
    {
        return f && fseeko(f, static_cast<off_t>(pos), SEEK_SET) == 0 && std::fread(buf, 1, n, f) == n;
    }
};

}  // namespace

bool LocateZipData(const std::string& fileName, ZipLayout& layout)
{
    layout = ZipLayout{};
    File file(fileName);
    if (!file.f || fseeko(file.f, 0, SEEK_END) != 0) return false;
    const off_t end = ftello(file.f);
    if (end < 22) return false;
    layout.FileSize = static_cast<uint64_t>(end);
    const uint64_t tailLen = std::min<uint64_t>(layout.FileSize, 65557);
    std::vector<uint8_t> tail(tailLen);
    if (!file.read(layout.FileSize - tailLen, tail.data(), tail.size())) return false;
    for (int64_t i = static_cast<int64_t>(tailLen) - 22; i >= 0; --i) {
        const uint8_t* p = tail.data() + i;
        if (p[0] != 'P' || p[1] != 'K' || p[2] != 5 || p[3] != 6) continue;
        const uint64_t commentLen = get16(p + 20);
        if (static_cast<uint64_t>(i) + 22 + commentLen > tailLen) continue;   // comment past the end
        const uint64_t pos = layout.FileSize - tailLen + static_cast<uint64_t>(i);
        const uint64_t dirSize = get32(p + 12);
        const uint64_t dirOffset = get32(p + 16);
        if (dirSize > pos) continue;
        const uint64_t dirStart = pos - dirSize;
        if (dirOffset > dirStart) continue;
        layout.EndRecord = pos;
        layout.ZipEnd = pos + 22 + commentLen;
        layout.Shift = dirStart - dirOffset;
        layout.ThisDisk = get16(p + 4);
        layout.DirectoryDisk = get16(p + 6);
        layout.EntryCount = get16(p + 10);
        // The first local header: the smallest offset of the central headers.
        std::vector<uint8_t> dir(dirSize);
        if (dirSize > 0 && !file.read(dirStart, dir.data(), dir.size())) return false;
        uint64_t first = dirStart;
        size_t at = 0;
        while (at + 46 <= dir.size() && get32(&dir[at]) == 0x02014B50) {
            const uint64_t local = layout.Shift + get32(&dir[at + 42]);
            if (local < first) first = local;
            at += 46 + static_cast<size_t>(get16(&dir[at + 28])) + get16(&dir[at + 30]) + get16(&dir[at + 32]);
        }
        layout.FirstLocal = first;
        return true;
    }
    return false;
}

void SetCallbackText(ZCallBackStruct& record, const std::string& text)
{
    const size_t n = std::min(text.size(), sizeof(record.FileNameOrMsg) - 1);
    std::memcpy(record.FileNameOrMsg, text.data(), n);
    record.FileNameOrMsg[n] = 0;
}

bool RunCallback(ZFunctionPtrType callback, void* caller, bool isZip, ZCallBackStruct& record)
{
    if (!callback) return false;
    record.Caller = caller;
    record.IsOperationZip = isZip ? 1 : 0;
    record.Version = kArchiveLibraryVersion;
    return callback(&record) != 0;
}

bool ReportLibraryMessage(ZFunctionPtrType callback, void* caller, bool isZip, int32_t error,
                          const std::string& text)
{
    ZCallBackStruct record;
    record.ActionCode = zacMessage;
    record.ErrorCode = error;
    SetCallbackText(record, text);
    return RunCallback(callback, caller, isZip, record);
}

#include <zip.h>

#include "platform/rtl/Strings.h"
#include "platform/sys/OemCodePage.h"

std::string LibzipEntryName(zip_t* archive, uint64_t index)
{
    const char* raw = zip_get_name(archive, index, ZIP_FL_ENC_RAW);
    if (!raw) return {};
    std::string name = raw;
    zip_uint8_t opsys = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(archive, index, 0, &opsys, &attributes) == 0 &&
        (opsys == ZIP_OPSYS_DOS || opsys == ZIP_OPSYS_OS_2))
        name = OemToAnsi(name);
    for (char& c : name)
        if (c == '/') c = '\\';
    return name;
}

int64_t LibzipFindEntry(zip_t* archive, const std::string& entryName)
{
    std::string wanted = entryName;
    for (char& c : wanted)
        if (c == '/') c = '\\';
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i)
        if (AnsiSameText(LibzipEntryName(archive, static_cast<uint64_t>(i)), wanted)) return i;
    return -1;
}

int LibzipSystemError(const zip_error_t* error)
{
    return error && zip_error_system_type(error) == ZIP_ET_SYS ? zip_error_code_system(error) : 0;
}

int LibzipSystemError(zip_t* archive)
{
    return archive ? LibzipSystemError(zip_get_error(archive)) : 0;
}
