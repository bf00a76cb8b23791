#include "platform/sys/UnzDll.h"

#include <libdeflate.h>
#include <zip.h>
#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

struct ExtractJob : ArchiveJob<UnzParams, false>
{
    void skipped(const std::string& name, ZipSkipType type, int32_t error)
    {
        ZCallBackStruct record;
        record.ActionCode = zacSkipped;
        record.ErrorCode = error;
        record.FileSize = type + 1;
        SetCallbackText(record, name);
        callback(record);
    }
};

int32_t fileError(zip_file_t* f)
{
    return f ? zip_error_code_zip(zip_file_get_error(f)) : ZIP_ER_INTERNAL;
}

int fileSystemError(zip_file_t* f)
{
    return f ? LibzipSystemError(zip_file_get_error(f)) : 0;
}

// The entry reads to its end without an error (its data inflates and its
// CRC matches).
bool readsThrough(zip_file_t* f)
{
    std::vector<char> window(1 << 16);
    for (;;) {
        const zip_int64_t n = zip_fread(f, window.data(), window.size());
        if (n <= 0) return n == 0;
    }
}

// Opens the entry, asking for a password when it is encrypted and the one given fails.
// A traditional password is checked by one byte only: a wrong one passes that
// check once in 256 and shows only as data that does not read. Such an entry
// is read through once before it is taken, and a password it does not read
// with is asked again as a wrong one.
zip_file_t* openEntry(ExtractJob& job, zip_t* za, zip_uint64_t index, const zip_stat_t& st, const std::string& name)
{
    if (!(st.valid & ZIP_STAT_ENCRYPTION_METHOD) || st.encryption_method == ZIP_EM_NONE) {
        zip_file_t* f = zip_fopen_index(za, index, 0);
        if (!f) {
            const int code = zip_error_code_zip(zip_get_error(za));
            if (code == ZIP_ER_COMPNOTSUPP) {
                job.skipped(name, zstCompressionUnknown, zeMethod);
                job.report(zeMethod, "Compression method not supported: " + name);
            } else {
                job.skipped(name, zstGeneralExtractError, zeData);
                job.report(LibraryError(zeData, LibzipSystemError(za)), std::string("Cannot read ") + name + ": " + zip_strerror(za));
            }
        }
        return f;
    }
    std::string password = job.p->Password ? job.p->Password : "";
    uint32_t asksLeft = std::min<uint32_t>(job.p->PasswordReqCount, 15);
    for (;;) {
        if (!password.empty()) {
            zip_file_t* f = zip_fopen_index_encrypted(za, index, 0, password.c_str());
            if (f && st.encryption_method == ZIP_EM_TRAD_PKWARE) {
                const bool reads = readsThrough(f);
                zip_fclose(f);
                f = reads ? zip_fopen_index_encrypted(za, index, 0, password.c_str()) : nullptr;
                if (!reads) zip_error_set(zip_get_error(za), ZIP_ER_WRONGPASSWD, 0);
            }
            if (f) return f;
            const int code = zip_error_code_zip(zip_get_error(za));
            if (code != ZIP_ER_WRONGPASSWD && code != ZIP_ER_NOPASSWD) {
                job.skipped(name, code == ZIP_ER_ENCRNOTSUPP ? zstNoEncryptionDLL : zstGeneralExtractError, zeData);
                job.report(LibraryError(zeData, LibzipSystemError(za)), std::string("Cannot read ") + name + ": " + zip_strerror(za));
                return nullptr;
            }
        }
        if (asksLeft == 0 || job.cancelled) break;
        ZCallBackStruct record;
        record.ActionCode = zacPassword;
        record.ErrorCode = 0;   // extract password
        record.FileSize = asksLeft;
        SetCallbackText(record, name);
        job.callback(record);
        if (record.ErrorCode != 1 || record.ActionCode == 0) break;   // none given, or cancel all
        password.assign(record.FileNameOrMsg, strnlen(record.FileNameOrMsg, 80));
        asksLeft = std::min<uint32_t>(asksLeft - 1, static_cast<uint32_t>(std::clamp<int64_t>(record.FileSize, 0, 15)));
    }
    job.skipped(name, zstBadPassword, zePassword);
    job.report(zePassword, "No valid password for " + name);
    return nullptr;
}

// A plain deflated entry read whole: its compressed bytes through the archive
// library, inflated by libdeflate straight into `out`, the CRC checked here.
// True only when the data inflates to exactly `size` bytes with the directory's
// CRC; anything else (unusual entry, damaged or short data, wrong size or CRC)
// answers false with nothing reported, and the caller reads the entry again the
// general way, which reports it.
bool inflateWhole(zip_t* za, zip_uint64_t index, const zip_stat_t& st, uint64_t archiveBytes,
                  uint8_t* out, int64_t size)
{
    constexpr zip_uint64_t needed = ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_COMP_METHOD | ZIP_STAT_CRC |
                                    ZIP_STAT_ENCRYPTION_METHOD;
    if ((st.valid & needed) != needed || st.comp_method != ZIP_CM_DEFLATE || st.encryption_method != ZIP_EM_NONE ||
        size <= 0 || !out || st.comp_size == 0 || st.comp_size > archiveBytes)
        return false;
    std::vector<uint8_t> packed;
    {
        zip_file_t* f = zip_fopen_index(za, index, ZIP_FL_COMPRESSED);
        if (!f) return false;
        packed.resize(static_cast<size_t>(st.comp_size));
        size_t got = 0;
        while (got < packed.size()) {
            const zip_int64_t n = zip_fread(f, packed.data() + got, packed.size() - got);
            if (n <= 0) break;
            got += static_cast<size_t>(n);
        }
        zip_fclose(f);
        if (got != packed.size()) return false;
    }
    std::unique_ptr<libdeflate_decompressor, decltype(&libdeflate_free_decompressor)> d(
        libdeflate_alloc_decompressor(), &libdeflate_free_decompressor);
    if (!d) return false;
    size_t made = 0;
    if (libdeflate_deflate_decompress(d.get(), packed.data(), packed.size(), out, static_cast<size_t>(size), &made) !=
            LIBDEFLATE_SUCCESS ||
        made != static_cast<size_t>(size))
        return false;
    return libdeflate_crc32(0, out, made) == st.crc;
}

// Test mode, for a plain deflated entry (as inflateWhole takes it): its
// compressed bytes through the archive library, inflated a window at a time
// and compared with the `size` bytes at `given`, the CRC checked here. 1 when
// they are the same bytes, 0 when they differ (reported), -1 when the entry is
// not of that kind (nothing read).
int compareDeflated(ExtractJob& job, zip_t* za, zip_uint64_t index, const zip_stat_t& st, const std::string& name,
                    uint64_t archiveBytes, const uint8_t* given, int64_t size)
{
    constexpr zip_uint64_t needed = ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_COMP_METHOD | ZIP_STAT_CRC |
                                    ZIP_STAT_ENCRYPTION_METHOD;
    if ((st.valid & needed) != needed || st.comp_method != ZIP_CM_DEFLATE || st.encryption_method != ZIP_EM_NONE ||
        size <= 0 || st.comp_size == 0 || st.comp_size > archiveBytes)
        return -1;
    zip_file_t* f = zip_fopen_index(za, index, ZIP_FL_COMPRESSED);
    if (!f) {
        job.report(LibraryError(zeData, LibzipSystemError(za)), std::string("Cannot read ") + name + ": " + zip_strerror(za));
        return 0;
    }
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK) {
        zip_fclose(f);
        job.report(zeMemory, "No room to read " + name);
        return 0;
    }
    auto fail = [&](int32_t code, const std::string& text) {
        inflateEnd(&z);
        zip_fclose(f);
        job.report(code, text);
        return 0;
    };
    std::vector<uint8_t> input(256 << 10);
    std::vector<uint8_t> window(static_cast<size_t>(std::min<int64_t>(size, 1 << 20)));
    uint64_t left = st.comp_size;
    int64_t done = 0;
    uint32_t crc = 0;
    for (int r = Z_OK; r != Z_STREAM_END;) {
        if (z.avail_in == 0 && left > 0) {
            const zip_int64_t n = zip_fread(f, input.data(), std::min<zip_uint64_t>(left, input.size()));
            if (n < 0) return fail(LibraryError(zeData, fileSystemError(f)), "Damaged data in " + name);
            if (n == 0) return fail(zeSize, "Data of " + name + " shorter than its size");
            left -= static_cast<uint64_t>(n);
            z.next_in = input.data();
            z.avail_in = static_cast<uInt>(n);
        }
        z.next_out = window.data();
        z.avail_out = static_cast<uInt>(window.size());
        r = inflate(&z, Z_NO_FLUSH);
        const size_t n = window.size() - z.avail_out;
        if (r != Z_OK && r != Z_STREAM_END && !(r == Z_BUF_ERROR && left > 0))
            return fail(zeData, "Damaged data in " + name);
        if (static_cast<int64_t>(n) > size - done) return fail(zeSize, "Data of " + name + " longer than its size");
        if (std::memcmp(window.data(), given + done, n) != 0)
            return fail(zeData, "Data of " + name + " differs from the bytes given");
        crc = libdeflate_crc32(crc, window.data(), n);
        done += static_cast<int64_t>(n);
        if (n > 0) job.notify(zacProgress, static_cast<int64_t>(n));
        if (job.cancelled) return fail(zeCancelled, "Test cancelled");
    }
    inflateEnd(&z);
    zip_fclose(f);
    if (done != size) {
        job.report(zeSize, "Data of " + name + " shorter than its size");
        return 0;
    }
    if (crc != st.crc) {
        job.report(zeCRC, "CRC error in " + name);
        return 0;
    }
    return 1;
}

// Test mode: the entry read as an extraction reads it (a plain deflated one
// as inflateWhole takes it, any other through the archive library, its CRC
// checked at its end), a window at a time, and compared with the `size` bytes
// at `given`; nothing is written.
bool compare(ExtractJob& job, zip_t* za, zip_uint64_t index, const zip_stat_t& st, const std::string& name,
             uint64_t archiveBytes, const uint8_t* given, int64_t size)
{
    const int deflated = compareDeflated(job, za, index, st, name, archiveBytes, given, size);
    if (deflated >= 0) return deflated == 1;
    zip_file_t* f = openEntry(job, za, index, st, name);
    if (!f) return false;
    auto fail = [&](int32_t code, const std::string& text) {
        zip_fclose(f);
        job.report(code, text);
        return false;
    };
    std::vector<uint8_t> window(static_cast<size_t>(std::min<int64_t>(size + 1, 1 << 20)));
    int64_t done = 0;
    for (;;) {
        const zip_int64_t n = zip_fread(f, window.data(), window.size());
        if (n < 0)
            return fileError(f) == ZIP_ER_CRC ? fail(zeCRC, "CRC error in " + name)
                                              : fail(LibraryError(zeData, fileSystemError(f)), "Damaged data in " + name);
        if (n == 0) break;
        if (n > size - done) return fail(zeSize, "Data of " + name + " longer than its size");
        if (std::memcmp(window.data(), given + done, static_cast<size_t>(n)) != 0)
            return fail(zeData, "Data of " + name + " differs from the bytes given");
        done += n;
        job.notify(zacProgress, n);
        if (job.cancelled) return fail(zeCancelled, "Test cancelled");
    }
    zip_fclose(f);
    if (done != size) {
        job.report(zeSize, "Data of " + name + " shorter than its size");
        return false;
    }
    return true;
}

bool extract(ExtractJob& job, zip_t* za, const std::string& entryName, uint64_t archiveBytes)
{
    UnzParams& p = *job.p;
    const int64_t found = LibzipFindEntry(za, entryName);
    if (found < 0) {
        job.report(zeNotFound, "Entry not found: " + entryName);
        return false;
    }
    const auto index = static_cast<zip_uint64_t>(found);
    const std::string name = LibzipEntryName(za, index);
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(za, index, 0, &st) < 0 || !(st.valid & ZIP_STAT_SIZE)) {
        job.report(LibraryError(zeData, LibzipSystemError(za)), std::string("Cannot read ") + name + ": " + zip_strerror(za));
        return false;
    }
    job.notify(zacCount, 1);
    job.notify(zacSize, static_cast<int64_t>(st.size));
    job.notify(zacItem, static_cast<int64_t>(st.size), name);

    uint8_t* out = p.OutStream;
    const auto size = static_cast<int64_t>(st.size);
    if (p.Test) {
        if (size != p.OutStreamSize || (size > 0 && !out)) {
            job.report(zeSize, "Size of " + name + " differs from the bytes given");
            return false;
        }
        return compare(job, za, index, st, name, archiveBytes, out, size);
    }
    if (size != p.OutStreamSize || (size > 0 && !out)) {
        ZCallBackStruct record;
        record.ActionCode = zacOutputSize;
        record.FileSize = size;
        SetCallbackText(record, name);
        job.callback(record);
        if (record.ErrorCode == 1 || (size > 0 && !record.Memory)) {
            job.report(zeMemory, "No room for " + name);
            return false;
        }
        out = record.Memory;
    }

    if (inflateWhole(za, index, st, archiveBytes, out, size)) {
        for (int64_t at = 0; at < size;) {
            const int64_t n = std::min<int64_t>(size - at, 1 << 20);
            at += n;
            job.notify(zacProgress, n);
            if (job.cancelled) {
                job.skipped(name, zstGeneralExtractError, zeCancelled);
                job.report(zeCancelled, "Extract cancelled");
                return false;
            }
        }
        return true;
    }

    zip_file_t* f = openEntry(job, za, index, st, name);
    if (!f) return false;
    auto fail = [&](int32_t code, const std::string& text, ZipSkipType skip) {
        zip_fclose(f);
        job.skipped(name, skip, code);
        job.report(code, text);
        return false;
    };
    int64_t done = 0;
    // The archive library checks the CRC as it reads: only a mismatch it
    // reports needs the value computed here, for the callback.
    bool crcMismatch = false;
    while (done < size) {
        const zip_int64_t n = zip_fread(f, out + done, static_cast<zip_uint64_t>(std::min<int64_t>(size - done, 1 << 20)));
        if (n < 0) {
            if (fileError(f) == ZIP_ER_CRC) {   // checked below
                crcMismatch = true;
                break;
            }
            return fail(LibraryError(zeData, fileSystemError(f)), "Damaged data in " + name, zstGeneralExtractError);
        }
        if (n == 0) return fail(zeSize, "Data of " + name + " shorter than its size", zstZipFileFormatWrong);
        done += n;
        job.notify(zacProgress, n);
        if (job.cancelled) return fail(zeCancelled, "Extract cancelled", zstGeneralExtractError);
    }
    if (done == size) {
        uint8_t extra = 0;
        const zip_int64_t n = zip_fread(f, &extra, 1);
        if (n > 0) return fail(zeSize, "Data of " + name + " longer than its size", zstZipFileFormatWrong);
        if (n < 0 && fileError(f) != ZIP_ER_CRC)
            return fail(LibraryError(zeData, fileSystemError(f)), "Damaged data in " + name, zstGeneralExtractError);
        if (n < 0) crcMismatch = true;
    }
    zip_fclose(f);
    if (done != size) {
        job.skipped(name, zstZipFileFormatWrong, zeSize);
        job.report(zeSize, "Data of " + name + " shorter than its size");
        return false;
    }
    if (!crcMismatch) return true;
    uLong crc = crc32(0L, Z_NULL, 0);
    for (int64_t at = 0; at < size;) {
        const auto chunk = static_cast<uInt>(std::min<int64_t>(size - at, 1 << 30));
        crc = crc32(crc, out + at, chunk);
        at += chunk;
    }
    if ((st.valid & ZIP_STAT_CRC) && crc != st.crc) {
        ZCallBackStruct record;
        record.ActionCode = zacCRCError;
        record.ErrorCode = static_cast<int32_t>(crc);
        record.FileSize = st.crc;
        SetCallbackText(record, name);
        job.callback(record);
        if (record.ErrorCode != 1) {
            job.report(zeCRC, "CRC error in " + name);
            return false;
        }
    }
    return true;
}

}  // namespace

int32_t GetUnzDllVersion() { return kArchiveLibraryVersion; }

int32_t UnzDllExec(UnzParams* params)
{
    if (!params) return 0;
    ExtractJob job;
    job.p = params;
    UnzParams& p = *params;
    if (p.Version < kArchiveLibraryVersion || !p.ArchiveName || !*p.ArchiveName || p.SpecCount < 1 || !p.Specs ||
        !p.Specs[0].FileSpec || !*p.Specs[0].FileSpec) {
        job.report(zeParameters, "Nothing to extract");
        return 0;
    }
    if (p.UseOutStream == 0 || p.OutStreamSize < 0) {
        job.report(zeParameters, "Only extraction into a memory stream is supported");
        return 0;
    }
    const std::string archive = p.ArchiveName;
    ZipLayout layout;
    if (!LocateZipData(archive, layout)) {
        job.report(zeArchiveOpen, archive + " is not a zip archive");
        return 0;
    }
    if (layout.ThisDisk != 0 || layout.DirectoryDisk != 0) {
        job.report(zeMultiDisk, archive + " is a part of a spanned set");
        return 0;
    }
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* src = zip_source_file_create(archive.c_str(), layout.Shift,
                                               static_cast<zip_int64_t>(layout.ZipEnd - layout.Shift), &error);
    zip_t* za = src ? zip_open_from_source(src, ZIP_RDONLY, &error) : nullptr;
    if (!za) {
        job.report(LibraryError(zeArchiveOpen, LibzipSystemError(&error)),
                   "Cannot open " + archive + ": " + zip_error_strerror(&error));
        if (src) zip_source_free(src);
        zip_error_fini(&error);
        return 0;
    }
    zip_error_fini(&error);
    const bool ok = extract(job, za, p.Specs[0].FileSpec, layout.ZipEnd - layout.Shift);
    zip_discard(za);
    if (!ok) return 0;
    job.notify(zacEndOfBatch, 0);
    return 1;
}
