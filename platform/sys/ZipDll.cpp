#include "platform/sys/ZipDll.h"

#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/rtl/Files.h"
#include "platform/rtl/Strings.h"
#include "platform/sys/OemCodePage.h"
#include "platform/sys/ZipDeflate.h"

namespace {

using AddJob = ArchiveJob<ZipParams, true>;

// A new empty file beside target (name.zXXXXXX); "" when none can be made.
std::string tempBeside(const std::string& target)
{
    std::string pattern = target + ".zXXXXXX";
    const int fd = mkstemp(pattern.data());
    if (fd < 0) return {};
    close(fd);
    return pattern;
}

// Copies [from, to) of source into target (created).
bool copyRange(const std::string& source, uint64_t from, uint64_t to, const std::string& target, bool append)
{
    FILE* in = std::fopen(source.c_str(), "rb");
    if (!in) return false;
    FILE* out = std::fopen(target.c_str(), append ? "ab" : "wb");
    bool ok = out && fseeko(in, static_cast<off_t>(from), SEEK_SET) == 0;
    char buf[65536];
    uint64_t left = to - from;
    while (ok && left > 0) {
        const size_t n = std::fread(buf, 1, std::min<uint64_t>(left, sizeof buf), in);
        if (n == 0 || std::fwrite(buf, 1, n, out) != n) ok = false;
        left -= n;
    }
    std::fclose(in);
    if (out && std::fclose(out) != 0) ok = false;
    return ok;
}

bool hasStoreSuffix(const char* suffixes, const std::string& name)
{
    if (!suffixes) return false;
    const std::string ext = LowerCase(ExtractFileExt(name));
    if (ext.empty()) return false;
    const std::string list = LowerCase(suffixes);
    size_t start = 0;
    while (start <= list.size()) {
        size_t end = list.find(':', start);
        if (end == std::string::npos) end = list.size();
        if (list.compare(start, end - start, ext) == 0 && end - start == ext.size()) return true;
        start = end + 1;
    }
    return false;
}

void progressCallback(zip_t*, double done, void* state)
{
    auto* job = static_cast<AddJob*>(state);
    job->notify(zacProgress, static_cast<int64_t>(done * static_cast<double>(job->p->InStreamSize)));
}

// A libzip source serving a member's data already deflated, with its sizes and
// CRC: libzip writes it as it stands.
struct Deflated
{
    const zipdeflate::Result* result = nullptr;
    uint64_t size = 0;   // uncompressed
    uint64_t position = 0;
    zip_error_t error;

    Deflated() { zip_error_init(&error); }
    ~Deflated() { zip_error_fini(&error); }
    Deflated(const Deflated&) = delete;
    Deflated& operator=(const Deflated&) = delete;
};

zip_int64_t deflatedSource(void* state, void* data, zip_uint64_t length, zip_source_cmd_t command)
{
    auto& d = *static_cast<Deflated*>(state);
    const std::string& bytes = d.result->data;
    switch (command) {
    case ZIP_SOURCE_OPEN:
        d.position = 0;
        return 0;
    case ZIP_SOURCE_READ: {
        const uint64_t n = std::min<uint64_t>(length, bytes.size() - d.position);
        std::memcpy(data, bytes.data() + d.position, n);
        d.position += n;
        return static_cast<zip_int64_t>(n);
    }
    case ZIP_SOURCE_CLOSE:
    case ZIP_SOURCE_FREE:
        return 0;
    case ZIP_SOURCE_STAT: {
        if (length < sizeof(zip_stat_t)) {
            zip_error_set(&d.error, ZIP_ER_INVAL, 0);
            return -1;
        }
        auto* st = static_cast<zip_stat_t*>(data);
        zip_stat_init(st);
        st->valid = ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_COMP_METHOD | ZIP_STAT_CRC |
                    ZIP_STAT_ENCRYPTION_METHOD;
        st->size = d.size;
        st->comp_size = bytes.size();
        st->comp_method = ZIP_CM_DEFLATE;
        st->crc = d.result->crc;
        st->encryption_method = ZIP_EM_NONE;
        return sizeof(zip_stat_t);
    }
    case ZIP_SOURCE_ERROR:
        return zip_error_to_data(&d.error, data, length);
    case ZIP_SOURCE_SUPPORTS:
        return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                                              ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
    default:
        zip_error_set(&d.error, ZIP_ER_OPNOTSUPP, 0);
        return -1;
    }
}

int cancelCallback(zip_t*, void* state)
{
    auto* job = static_cast<AddJob*>(state);
    if (!job->cancelled) job->notify(zacNone, 0);
    return job->cancelled ? 1 : 0;
}

// Adds or replaces the entry in the archive file `work` (a plain zip file, or none).
bool addToArchive(AddJob& job, const std::string& work, const std::string& entryName)
{
    ZipParams& p = *job.p;
    int error = 0;
    zip_t* za = zip_open(work.c_str(), ZIP_CREATE, &error);
    if (!za) {
        const int system = errno;
        zip_error_t ze;
        zip_error_init_with_code(&ze, error);
        job.report(LibraryError(zeArchiveOpen, zip_error_system_type(&ze) == ZIP_ET_SYS ? system : 0),
                   std::string("Cannot open ") + p.ArchiveName + ": " + zip_error_strerror(&ze));
        zip_error_fini(&ze);
        return false;
    }
    auto fail = [&](int32_t code, const std::string& text) {
        job.report(LibraryError(code, LibzipSystemError(za)), text);
        zip_discard(za);
        return false;
    };

    std::string password = p.Password ? p.Password : "";
    if (p.Specs[0].Password && *p.Specs[0].Password) password = p.Specs[0].Password;
    const bool encrypt = p.Encrypt != 0 || p.Specs[0].Encrypt != 0;
    if (encrypt && password.empty()) {
        ZCallBackStruct record;
        record.ActionCode = zacPassword;
        record.ErrorCode = 1;   // add password
        record.FileSize = 1;
        SetCallbackText(record, entryName);
        job.callback(record);
        if (record.ErrorCode == 1) password.assign(record.FileNameOrMsg, strnlen(record.FileNameOrMsg, 80));
        if (password.empty()) return fail(zePassword, "No password given for " + entryName);
    }

    job.notify(zacCount, 1);
    job.notify(zacSize, p.InStreamSize);
    job.notify(zacItem, p.InStreamSize, entryName);
    if (job.cancelled) return fail(zeCancelled, "Add cancelled");

    // The member is deflated here, on every core, and handed to libzip as it is
    // to be stored; encrypted members, and any failure of this road, go through
    // libzip's own deflate.
    const int level = std::clamp(p.Level, 0, 9);
    const bool store = level == 0 || hasStoreSuffix(p.StoreSuffixes, entryName);
    zipdeflate::Result deflated;
    Deflated deflatedState;
    if (!store && !encrypt && p.InStreamSize > 0) {
        deflated = zipdeflate::Deflate(p.InStream, static_cast<size_t>(p.InStreamSize), level, [&](uint64_t done) {
            job.notify(zacProgress, static_cast<int64_t>(done));
            return job.cancelled;
        });
        if (deflated.cancelled || job.cancelled) return fail(zeCancelled, "Add cancelled");
    }
    zip_source_t* src = nullptr;
    if (deflated.ok) {
        deflatedState.result = &deflated;
        deflatedState.size = static_cast<uint64_t>(p.InStreamSize);
        src = zip_source_function(za, deflatedSource, &deflatedState);
    } else {
        src = zip_source_buffer(za, p.InStream, static_cast<zip_uint64_t>(p.InStreamSize), 0);
    }
    if (!src) return fail(zeMemory, zip_strerror(za));
    const int64_t found = LibzipFindEntry(za, entryName);
    zip_int64_t index = found;
    if (found >= 0) {
        if (zip_file_replace(za, static_cast<zip_uint64_t>(found), src, 0) < 0) {
            zip_source_free(src);
            return fail(zeWrite, zip_strerror(za));
        }
    } else {
        std::string stored = AnsiToOem(entryName);
        for (char& c : stored)
            if (c == '\\') c = '/';
        index = zip_file_add(za, stored.c_str(), src, ZIP_FL_ENC_CP437);
        if (index < 0) {
            zip_source_free(src);
            return fail(zeWrite, zip_strerror(za));
        }
    }
    const auto idx = static_cast<zip_uint64_t>(index);
    if (store)
        zip_set_file_compression(za, idx, ZIP_CM_STORE, 0);
    else
        zip_set_file_compression(za, idx, ZIP_CM_DEFLATE, static_cast<zip_uint32_t>(level));
    zip_file_set_dostime(za, idx, static_cast<zip_uint16_t>(p.StreamDate & 0xFFFF),
                         static_cast<zip_uint16_t>(p.StreamDate >> 16), 0);
    zip_file_set_external_attributes(za, idx, 0, ZIP_OPSYS_DOS, p.StreamAttributes);
    if (encrypt && zip_file_set_encryption(za, idx, ZIP_EM_TRAD_PKWARE, password.c_str()) < 0)
        return fail(zeWrite, zip_strerror(za));
    if (p.ArchiveComment && *p.ArchiveComment) {
        int len = 0;
        const char* current = zip_get_archive_comment(za, &len, ZIP_FL_ENC_RAW);
        const size_t want = std::min<size_t>(std::strlen(p.ArchiveComment), 65535);
        if (!current || static_cast<size_t>(len) != want || std::memcmp(current, p.ArchiveComment, want) != 0)
            zip_set_archive_comment(za, p.ArchiveComment, static_cast<zip_uint16_t>(want));
    }
    if (!deflated.ok)   // otherwise the progress was that of the deflate, done already
        zip_register_progress_callback_with_state(za, 0.02, progressCallback, nullptr, &job);
    zip_register_cancel_callback_with_state(za, cancelCallback, nullptr, &job);
    if (zip_close(za) < 0) {
        if (job.cancelled) return fail(zeCancelled, "Add cancelled");
        return fail(zeWrite, std::string("Cannot write ") + p.ArchiveName + ": " + zip_strerror(za));
    }
    return true;
}

}  // namespace

int32_t GetZipDllVersion() { return kArchiveLibraryVersion; }

int32_t ZipDllExec(ZipParams* params)
{
    if (!params) return 0;
    AddJob job;
    job.p = params;
    ZipParams& p = *params;
    if (p.Version < kArchiveLibraryVersion || !p.ArchiveName || !*p.ArchiveName || p.SpecCount < 1 || !p.Specs ||
        !p.Specs[0].FileSpec || !*p.Specs[0].FileSpec) {
        job.report(zeParameters, "Nothing to add");
        return 0;
    }
    if (p.UseInStream == 0 || p.InStreamSize < 0 || (p.InStreamSize > 0 && !p.InStream)) {
        job.report(zeParameters, "Only entries from a memory stream can be added");
        return 0;
    }
    const std::string archive = p.ArchiveName;
    const std::string entryName = p.Specs[0].FileSpec;

    ZipLayout layout;
    const bool exists = FileExists(archive);
    const bool isZip = exists && LocateZipData(archive, layout);
    const bool selfExtracting = UpperCase(ExtractFileExt(archive)) == ".EXE";
    uint64_t prefix = 0;      // bytes kept in front of the new zip data
    uint64_t copyFrom = 0;    // zip data to work on apart, [copyFrom, copyTo)
    uint64_t copyTo = 0;
    if (isZip) {
        if (layout.ThisDisk != 0 || layout.DirectoryDisk != 0) {
            job.report(zeMultiDisk, archive + " is a part of a spanned set");
            return 0;
        }
        prefix = layout.FirstLocal;
        copyFrom = layout.Shift;
        copyTo = layout.ZipEnd;
    } else if (exists && FileSize(archive) > 0) {
        if (!selfExtracting) {
            job.report(zeArchiveOpen, archive + " is not a zip archive");
            return 0;
        }
        prefix = static_cast<uint64_t>(FileSize(archive));   // the self-extractor written just before
    }

    if (!exists || (isZip && prefix == 0 && layout.ZipEnd == layout.FileSize) || (exists && !isZip && prefix == 0)) {
        // A plain archive (or none yet): libzip writes beside it and renames.
        if (exists && !isZip) DeleteFile(archive);   // an empty file
        return addToArchive(job, archive, entryName) ? (job.notify(zacEndOfBatch, 0), 1) : 0;
    }

    // Bytes in front or after the archive: work on a copy of the zip data, then
    // put the front bytes back and rename over the archive.
    const std::string work = tempBeside(archive);
    if (work.empty()) {
        job.report(LibraryError(zeWrite, errno), "Cannot create a temporary file beside " + archive);
        return 0;
    }
    if (!isZip) DeleteFile(work);   // libzip creates the new archive itself
    bool ok = !isZip || copyRange(archive, copyFrom, copyTo, work, false);
    if (!ok) job.report(LibraryError(zeWrite, errno), "Cannot copy " + archive);
    ok = ok && addToArchive(job, work, entryName);
    std::string result = work;
    if (ok && prefix > 0) {
        result = tempBeside(archive);
        ok = !result.empty() && copyRange(archive, 0, prefix, result, false) &&
             copyRange(work, 0, static_cast<uint64_t>(FileSize(work)), result, true);
        if (!ok) job.report(LibraryError(zeWrite, errno), "Cannot write " + archive);
        DeleteFile(work);
    }
    struct stat st;
    if (ok && stat(archive.c_str(), &st) == 0) chmod(result.c_str(), st.st_mode & 07777);
    if (ok && !RenameFile(result, archive)) {
        job.report(LibraryError(zeWrite, errno), "Cannot replace " + archive);
        ok = false;
    }
    if (!ok && !result.empty()) DeleteFile(result);
    if (!ok) return 0;
    job.notify(zacEndOfBatch, 0);
    return 1;
}
