#include "platform/rtl/Files.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cctype>
#include <csignal>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/rtl/Strings.h"

namespace {

// Position of the last separator ('/' or '\'), npos when none.
size_t LastSep(std::string_view s)
{
    return s.find_last_of("/\\");
}

std::string DirOf(const std::string& fileName)
{
    const size_t p = fileName.rfind('/');
    if (p == std::string::npos)
        return ".";
    if (p == 0)
        return "/";
    return fileName.substr(0, p);
}

// Days from 1 January 1970 of a civil date (proleptic Gregorian).
long long DaysFromCivil(long long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

constexpr long long UnixEpochDays = 25569;   // 01/01/1970 in TDateTime days

// Local time of a Unix time as TDateTime.
TDateTime LocalDateTime(const struct timespec& ts)
{
    const time_t t = ts.tv_sec;
    struct tm tm{};
    localtime_r(&t, &tm);
    const long long days = DaysFromCivil(tm.tm_year + 1900LL, static_cast<unsigned>(tm.tm_mon + 1),
                                         static_cast<unsigned>(tm.tm_mday)) + UnixEpochDays;
    const double secs = tm.tm_hour * 3600.0 + tm.tm_min * 60.0 + tm.tm_sec + ts.tv_nsec / 1e9;
    return static_cast<double>(days) + secs / 86400.0;
}

std::string BaseOf(const std::string& fileName)
{
    const size_t p = fileName.rfind('/');
    return p == std::string::npos ? fileName : fileName.substr(p + 1);
}

std::string FolderPrefix(const std::string& dir)
{
    return dir == "/" ? "/" : dir + "/";
}

// A sibling temporary name: "." + base + ".pid.counter.hex.tmp".
std::string TempNameBeside(const std::string& fileName)
{
    static std::atomic<unsigned> counter{0};
    static thread_local std::random_device rd;
    char suffix[48];
    std::snprintf(suffix, sizeof suffix, ".%d.%u.%x.tmp", static_cast<int>(::getpid()), counter++, rd());
    return FolderPrefix(DirOf(fileName)) + "." + BaseOf(fileName) + suffix;
}

// Reads one ".pid.counter.hex.tmp" from the front of rest; the pid, or 0.
long TempPart(std::string_view& rest)
{
    auto digits = [&rest](bool hex) {
        size_t n = 0;
        while (n < rest.size() && n < 16 && (std::isdigit(static_cast<unsigned char>(rest[n])) ||
                                             (hex && std::isxdigit(static_cast<unsigned char>(rest[n])))))
            ++n;
        const std::string_view d = rest.substr(0, n);
        rest.remove_prefix(n);
        return d;
    };
    auto dot = [&rest] {
        if (rest.empty() || rest[0] != '.')
            return false;
        rest.remove_prefix(1);
        return true;
    };
    if (!dot())
        return 0;
    const std::string_view pid = digits(false);
    if (pid.empty() || pid.size() > 9 || !dot() || digits(false).empty() || !dot() || digits(true).empty())
        return 0;
    if (rest.substr(0, 4) != ".tmp")
        return 0;
    rest.remove_prefix(4);
    return std::strtol(std::string(pid).c_str(), nullptr, 10);
}

// The writer's process id when name is a temporary of base (see
// SiblingTempName, with or without a library's ".XXXXXX"), or a temporary of
// such a temporary (a copy made under a temporary name is itself written
// beside it first); 0 otherwise. plain: of the first form, without suffix.
long TempWriter(std::string_view name, std::string_view base, bool* plain = nullptr)
{
    for (size_t levels = 1; levels <= 2; ++levels) {
        if (name.size() <= levels + base.size() || name.substr(0, levels) != std::string_view("..", levels) ||
            name.substr(levels, base.size()) != base)
            continue;
        std::string_view rest = name.substr(levels + base.size());
        long pid = 1;
        for (size_t k = 0; k < levels && pid > 0; ++k)
            pid = TempPart(rest);
        if (pid <= 0 || (!rest.empty() && !(rest.size() == 7 && rest[0] == '.')))
            continue;
        if (plain)
            *plain = levels == 1 && rest.empty();
        return pid;
    }
    return 0;
}

// Calls take(full name, writer's pid, plain) for each temporary of fileName
// (see TempWriter) beside it.
template <class Take>
void ForEachTemp(const std::string& fileName, Take take)
{
    const std::string dir = DirOf(fileName);
    const std::string base = BaseOf(fileName);
    if (DIR* d = ::opendir(dir.c_str())) {
        while (const dirent* e = ::readdir(d)) {
            bool plain = false;
            if (const long pid = TempWriter(e->d_name, base, &plain))
                take(FolderPrefix(dir) + e->d_name, pid, plain);
        }
        ::closedir(d);
    }
}

// Whether the process that wrote a temporary is gone (kill with signal 0
// only asks whether the process exists).
bool WriterGone(long pid)
{
    return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

// The name of the n-th copy kept of fileName: fileName + ".bak", then
// ".1.bak", ".2.bak"...
std::string KeptName(const std::string& fileName, int n)
{
    return fileName + (n > 0 ? "." + std::to_string(n) : std::string()) + ".bak";
}

// A name no other file has yet, created empty beside `fileName` (the user's
// umask applies as for any new file). -1 when the folder is not writable.
int CreateSiblingTemp(const std::string& fileName, std::string& tempName)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempName = TempNameBeside(fileName);
        const int fd = ::open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            return fd;
        if (errno != EEXIST)
            return -1;
    }
    return -1;
}

// Reads fd to its end in 64 KB pieces, handing each to take(bytes, count);
// false on a read error or when take answers false.
template <class Take>
bool ReadToEnd(int fd, Take take)
{
    std::vector<char> buf(64 * 1024);
    for (;;) {
        const ssize_t n = ::read(fd, buf.data(), buf.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        if (!take(buf.data(), static_cast<size_t>(n)))
            return false;
    }
}

bool WriteAll(int fd, const char* p, size_t n)
{
    while (n > 0) {
        const ssize_t w = ::write(fd, p, n);
        if (w < 0 && errno == EINTR)
            continue;
        if (w <= 0)
            return false;
        p += w;
        n -= static_cast<size_t>(w);
    }
    return true;
}

void SyncDir(const std::string& dir)
{
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// The file a name designates: a symbolic link is followed, so that replacing
// the file keeps the link.
std::string ResolveLink(const std::string& fileName)
{
    struct stat st{};
    if (::lstat(fileName.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* real = ::realpath(fileName.c_str(), nullptr)) {
            std::string r(real);
            std::free(real);
            return r;
        }
    }
    return fileName;
}

unsigned char Fold(char c)
{
    return AnsiUpperChar(static_cast<unsigned char>(c));
}

} // namespace

// ---- paths -----------------------------------------------------------------------

std::string ToNativePath(std::string_view path)
{
    std::string r(path);
    std::replace(r.begin(), r.end(), '\\', '/');
    return r;
}

std::string MakePath(std::string_view folder, std::string_view relative)
{
    std::string rel = ToNativePath(relative);
    if (folder.empty())
        return rel;
    std::string r = ToNativePath(folder);
    size_t skip = 0;
    while (skip < rel.size() && rel[skip] == '/')
        ++skip;
    if (r.back() != '/')
        r += '/';
    r.append(rel, skip, std::string::npos);
    return r;
}

std::string ExtractFilePath(std::string_view fileName)
{
    const size_t p = LastSep(fileName);
    return p == std::string::npos ? std::string() : std::string(fileName.substr(0, p + 1));
}

std::string ExtractFileDir(std::string_view fileName)
{
    const size_t p = LastSep(fileName);
    if (p == std::string::npos)
        return std::string();
    if (p == 0)
        return std::string(fileName.substr(0, 1));   // the root keeps its separator
    return std::string(fileName.substr(0, p));
}

std::string ExtractFileName(std::string_view fileName)
{
    const size_t p = LastSep(fileName);
    return std::string(p == std::string::npos ? fileName : fileName.substr(p + 1));
}

std::string ExtractFileExt(std::string_view fileName)
{
    const size_t p = fileName.find_last_of("./\\");
    if (p == std::string::npos || fileName[p] != '.')
        return std::string();
    return std::string(fileName.substr(p));
}

std::string ChangeFileExt(std::string_view fileName, std::string_view ext)
{
    const size_t p = fileName.find_last_of("./\\");
    std::string r(fileName.substr(0, p != std::string::npos && fileName[p] == '.' ? p : fileName.size()));
    r += ext;
    return r;
}

std::string IncludeTrailingPathDelimiter(std::string_view dir)
{
    std::string r(dir);
    if (r.empty() || r.back() != PathDelim)
        r += PathDelim;
    return r;
}

std::string ExcludeTrailingPathDelimiter(std::string_view dir)
{
    std::string r(dir);
    if (r.size() > 1 && r.back() == PathDelim)
        r.pop_back();
    return r;
}

std::string ExpandFileName(std::string_view fileName)
{
    std::string path = ToNativePath(fileName);
    if (path.empty() || path[0] != '/') {
        char cwd[4096];
        if (::getcwd(cwd, sizeof cwd))
            path = IncludeTrailingPathDelimiter(cwd) + path;
    }
    // Lexical clean-up of "." and "..".
    std::vector<std::string> parts;
    size_t i = 0;
    while (i <= path.size()) {
        size_t j = path.find('/', i);
        if (j == std::string::npos)
            j = path.size();
        const std::string part = path.substr(i, j - i);
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        i = j + 1;
    }
    std::string r;
    for (const std::string& p : parts)
        r += "/" + p;
    if (r.empty() || (path.size() > 1 && path.back() == '/'))
        r += '/';
    return r;
}

// ---- files and folders -----------------------------------------------------------

bool FileExists(const std::string& fileName)
{
    struct stat st{};
    return !fileName.empty() && ::stat(fileName.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& dir)
{
    struct stat st{};
    return !dir.empty() && ::stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool CreateDir(const std::string& dir)
{
    return !dir.empty() && ::mkdir(dir.c_str(), 0777) == 0;
}

bool ForceDirectories(const std::string& dir)
{
    if (dir.empty())
        return false;
    const std::string d = ExcludeTrailingPathDelimiter(dir);
    if (DirectoryExists(d))
        return true;
    const size_t p = d.rfind('/');
    if (p != std::string::npos && p > 0 && !ForceDirectories(d.substr(0, p)))
        return false;
    return CreateDir(d) || DirectoryExists(d);
}

bool RemoveDir(const std::string& dir)
{
    return !dir.empty() && ::rmdir(dir.c_str()) == 0;
}

bool DeleteFile(const std::string& fileName)
{
    return !fileName.empty() && ::unlink(fileName.c_str()) == 0;
}

bool RenameFile(const std::string& oldName, const std::string& newName)
{
    return !oldName.empty() && !newName.empty() && ::rename(oldName.c_str(), newName.c_str()) == 0;
}

bool CopyFile(const std::string& source, const std::string& target, bool failIfExists)
{
    struct stat st{};
    struct stat tst{};
    if (target.empty())
        return false;
    const bool targetExists = ::stat(target.c_str(), &tst) == 0;
    if (targetExists) {
        // Kept, a folder, anything else than a file, or write-protected: errno
        // says which.
        if (failIfExists || !S_ISREG(tst.st_mode)) {
            errno = failIfExists ? EEXIST : S_ISDIR(tst.st_mode) ? EISDIR : EINVAL;
            return false;
        }
        if (::access(target.c_str(), W_OK) != 0)
            return false;
    }
    const int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return false;
    if (::fstat(in, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int e = S_ISDIR(st.st_mode) ? EISDIR : errno;
        ::close(in);
        errno = e;
        return false;
    }
    const std::string realTarget = ResolveLink(target);
    std::string temp;
    const int out = CreateSiblingTemp(realTarget, temp);
    if (out < 0) {
        const int e = errno;
        ::close(in);
        errno = e;
        return false;
    }
    // The first failure's errno is what the caller gets.
    int erreur = 0;
    const auto echec = [&erreur](int e) {
        if (erreur == 0)
            erreur = e != 0 ? e : EIO;
        return false;
    };
    int64_t copied = 0;
    bool ok = ReadToEnd(in, [&](const char* p, size_t n) {
        copied += static_cast<int64_t>(n);
        return WriteAll(out, p, n) || echec(errno);
    }) || echec(errno);
    // A source that shrank under us is a short read too.
    ok = ok && (copied == static_cast<int64_t>(st.st_size) || echec(EIO));
    if (ok) {
        ::fchmod(out, st.st_mode & 07777);
        const struct timespec times[2] = {st.st_atim, st.st_mtim};
        ::futimens(out, times);
        ok = ::fsync(out) == 0 || echec(errno);
    }
    ok = (::close(out) == 0 || echec(errno)) && ok;
    ::close(in);
    if (ok) {
        if (failIfExists) {
            ok = ::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, realTarget.c_str(), RENAME_NOREPLACE) == 0;
            if (!ok && (errno == EINVAL || errno == ENOSYS) && !FileExists(realTarget))
                ok = ::rename(temp.c_str(), realTarget.c_str()) == 0;
        } else {
            ok = ::rename(temp.c_str(), realTarget.c_str()) == 0;
        }
        if (!ok)
            echec(errno);
    }
    if (!ok) {
        ::unlink(temp.c_str());
        errno = erreur;
        return false;
    }
    SyncDir(DirOf(realTarget));
    return true;
}

std::string SiblingTempName(const std::string& fileName)
{
    struct stat st{};
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = TempNameBeside(fileName);
        if (::lstat(name.c_str(), &st) != 0 && errno == ENOENT)
            return name;
    }
    return {};
}

int RemoveStaleTemps(const std::string& fileName, const std::vector<std::string>& keep)
{
    // A writer still running (this process included) keeps its file.
    std::vector<std::string> stale;
    ForEachTemp(fileName, [&](const std::string& name, long pid, bool) {
        if (WriterGone(pid) && std::find(keep.begin(), keep.end(), name) == keep.end())
            stale.push_back(name);
    });
    int removed = 0;
    struct stat st{};
    for (const std::string& f : stale)
        if (::lstat(f.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::unlink(f.c_str()) == 0)
            ++removed;
    return removed;
}

std::vector<std::string> LeftTemps(const std::string& fileName)
{
    std::vector<std::string> left;
    struct stat st{};
    ForEachTemp(fileName, [&](const std::string& name, long pid, bool plain) {
        if (plain && (pid == ::getpid() || WriterGone(pid)) && ::lstat(name.c_str(), &st) == 0 && S_ISREG(st.st_mode))
            left.push_back(name);
    });
    std::sort(left.begin(), left.end());
    return left;
}

bool WriteFileKeepingDamaged(const std::string& fileName, std::string_view data, bool& damaged, std::string& keptAs)
{
    RemoveStaleTemps(fileName);
    if (damaged && keptAs.empty() && FileExists(fileName)) {
        keptAs = CopyAside(fileName);
        if (keptAs.empty())
            return false;
    }
    if (!WriteFileAtomic(fileName, data))
        return false;
    damaged = false;
    return true;
}

std::string CopyAside(const std::string& fileName)
{
    for (int n = 0; n < 1000; ++n) {
        const std::string name = KeptName(fileName, n);
        struct stat st{};
        if (::lstat(name.c_str(), &st) == 0 || errno != ENOENT)
            continue;
        if (CopyFile(fileName, name, true))
            return name;
        // Another writer took the name meanwhile: the next one; else the copy
        // cannot be made.
        if (::lstat(name.c_str(), &st) != 0)
            return {};
    }
    return {};
}

std::vector<std::string> KeptCopies(const std::string& fileName)
{
    // the folder read once: the series is not walked name by name
    const std::string base = ExtractFileName(fileName);
    const std::string folder = ExtractFileDir(fileName);
    std::vector<std::pair<int, std::string>> found;
    DIR* d = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!d)
        return {};
    while (const dirent* e = ::readdir(d)) {
        const std::string name = e->d_name;
        if (name.size() < base.size() + 4 || name.compare(0, base.size(), base) != 0 ||
            name.compare(name.size() - 4, 4, ".bak") != 0)
            continue;
        const std::string middle = name.substr(base.size(), name.size() - base.size() - 4);
        int n = 0;
        if (!middle.empty()) {
            // ".1" to ".999", written as KeptName writes them
            n = middle[0] == '.' && middle.size() <= 4 ? StrToIntDef(middle.substr(1), 0) : 0;
            if (n <= 0 || "." + std::to_string(n) != middle)
                continue;
        }
        const std::string path = KeptName(fileName, n);
        struct stat st{};
        if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode))
            found.emplace_back(n, path);
    }
    ::closedir(d);
    std::sort(found.begin(), found.end());
    std::vector<std::string> copies;
    for (auto& f : found)
        copies.push_back(std::move(f.second));
    return copies;
}

std::string MoveAside(const std::string& source, const std::string& fileName)
{
    for (int n = 0; n < 1000; ++n) {
        const std::string name = KeptName(fileName, n);
        if (::renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, name.c_str(), RENAME_NOREPLACE) == 0)
            return name;
        if (errno == EEXIST)
            continue;
        // A second name, then the first one goes.
        if (::link(source.c_str(), name.c_str()) == 0) {
            ::unlink(source.c_str());
            return name;
        }
        if (errno != EEXIST)
            return {};
    }
    return {};
}

void WritesPastTheSizeLimitFail()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

bool SyncFolderOf(const std::string& fileName)
{
    const int fd = ::open(DirOf(fileName).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

int64_t FileSize(const std::string& fileName)
{
    struct stat st{};
    if (::stat(fileName.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return -1;
    return static_cast<int64_t>(st.st_size);
}

TDateTime FileDate(const std::string& fileName)
{
    struct stat st{};
    if (fileName.empty() || ::stat(fileName.c_str(), &st) != 0)
        return 0;
    return LocalDateTime(st.st_mtim);
}

bool FileSetDate(const std::string& fileName, TDateTime date)
{
    // TDateTime (local) -> broken-down local time -> Unix time.
    const double whole = std::trunc(date);
    const long long days = static_cast<long long>(whole);
    const double frac = std::fabs(date - whole);   // negative dates keep the time as a positive fraction
    const long long z = days - UnixEpochDays + 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    const long long y = static_cast<long long>(yoe) + era * 400 + (m <= 2);
    const long long secs = static_cast<long long>(frac * 86400.0 + 0.5);
    struct tm tm{};
    tm.tm_year = static_cast<int>(y - 1900);
    tm.tm_mon = static_cast<int>(m) - 1;
    tm.tm_mday = static_cast<int>(d);
    tm.tm_hour = static_cast<int>(secs / 3600);
    tm.tm_min = static_cast<int>(secs / 60 % 60);
    tm.tm_sec = static_cast<int>(secs % 60);
    tm.tm_isdst = -1;
    const time_t t = ::mktime(&tm);
    if (t == static_cast<time_t>(-1))
        return false;
    struct timespec times[2];
    times[0].tv_sec = 0;
    times[0].tv_nsec = UTIME_OMIT;
    times[1].tv_sec = t;
    times[1].tv_nsec = 0;
    return ::utimensat(AT_FDCWD, fileName.c_str(), times, 0) == 0;
}

// ---- listing ------------------------------------------------------------------------

namespace {

bool MatchWild(std::string_view name, std::string_view mask)
{
    // Iterative wildcard match with back-tracking to the last '*'.
    size_t n = 0, m = 0, starM = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == '*') {
            starM = m++;
            starN = n;
        } else if (m < mask.size() && (mask[m] == '?' || Fold(mask[m]) == Fold(name[n]))) {
            ++m;
            ++n;
        } else if (starM != std::string_view::npos) {
            m = starM + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*')
        ++m;
    return m == mask.size();
}

} // namespace

bool MatchesMask(std::string_view name, std::string_view mask)
{
    if (mask.empty() || mask == "*" || mask == "*.*")
        return true;
    // As the platform's folder search does, a final ".*" also matches a name
    // without extension ("stat*.*" finds "stat12").
    if (MatchWild(name, mask))
        return true;
    return mask.size() > 2 && mask.substr(mask.size() - 2) == ".*" && name.find('.') == std::string_view::npos &&
           MatchWild(name, mask.substr(0, mask.size() - 2));
}

std::vector<TSearchRec> ListFiles(const std::string& dir, std::string_view mask, bool withFolders)
{
    std::vector<TSearchRec> result;
    DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
    if (!d)
        return result;
    const std::string base = dir.empty() ? std::string() : IncludeTrailingPathDelimiter(dir);
    while (const dirent* e = ::readdir(d)) {
        const std::string name = e->d_name;
        if (name == "." || name == ".." || !MatchesMask(name, mask))
            continue;
        struct stat st{};
        if (::stat((base + name).c_str(), &st) != 0)
            continue;   // a dangling link
        const bool isDir = S_ISDIR(st.st_mode);
        if (isDir && !withFolders)
            continue;
        if (!isDir && !S_ISREG(st.st_mode))
            continue;
        TSearchRec rec;
        rec.Name = name;
        rec.Size = isDir ? 0 : static_cast<int64_t>(st.st_size);
        rec.Time = LocalDateTime(st.st_mtim);
        rec.Directory = isDir;
        result.push_back(std::move(rec));
    }
    ::closedir(d);
    std::sort(result.begin(), result.end(), [](const TSearchRec& a, const TSearchRec& b) {
        const int c = CompareText(a.Name, b.Name);
        return c != 0 ? c < 0 : a.Name < b.Name;
    });
    return result;
}

// ---- well-known folders -----------------------------------------------------------------

std::string GetTempDir()
{
    const char* t = std::getenv("TMPDIR");
    std::string dir = t && *t && DirectoryExists(t) ? t : "/tmp";
    return IncludeTrailingPathDelimiter(dir);
}

std::string GetTempFileName(std::string_view prefix)
{
    std::string name = GetTempDir() + std::string(prefix) + "XXXXXX";
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        return std::string();
    ::close(fd);
    return name;
}

std::string ProgramFile()
{
    char buf[4096];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0)
        return std::string();
    return std::string(buf, static_cast<size_t>(n));
}

std::string ProgramDir()
{
    return ExtractFilePath(ProgramFile());
}

namespace {
std::string& DossierEcritureDonne()
{
    static std::string dossier;
    return dossier;
}
}  // namespace

void SetWritableDir(const std::string& dir)
{
    DossierEcritureDonne() = dir.empty() ? std::string() : IncludeTrailingPathDelimiter(dir);
}

std::string WritableDir()
{
    if (const std::string& donne = DossierEcritureDonne(); !donne.empty()) {
        ForceDirectories(donne);
        return donne;
    }
    return WritableDir(ProgramDir());
}

std::string WritableDir(const std::string& prog)
{
    if (!prog.empty() && ::access(prog.c_str(), W_OK) == 0)
        return prog;
    std::string base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/')
        base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = std::string(home) + "/.config";
    else
        base = ExcludeTrailingPathDelimiter(GetTempDir());
    const std::string dir = base + "/brivantel/";
    ForceDirectories(dir);
    return dir;
}

// ---- whole files ----------------------------------------------------------------------

bool ReadFileBytes(const std::string& fileName, std::string& data)
{
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st{};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        return false;
    }
    std::string r;
    r.reserve(static_cast<size_t>(st.st_size));
    const bool ok = ReadToEnd(fd, [&r](const char* p, size_t n) {
        r.append(p, n);
        return true;
    });
    ::close(fd);
    if (ok)
        data = std::move(r);
    return ok;
}

bool WriteFileAtomic(const std::string& fileName, std::string_view data)
{
    if (fileName.empty())
        return false;
    const std::string target = ResolveLink(fileName);
    struct stat old{};
    const bool existed = ::stat(target.c_str(), &old) == 0;
    if (existed && (!S_ISREG(old.st_mode) || ::access(target.c_str(), W_OK) != 0))
        return false;   // a folder, or a write-protected file
    std::string temp;
    const int fd = CreateSiblingTemp(target, temp);
    if (fd < 0)
        return false;
    bool ok = WriteAll(fd, data.data(), data.size());
    if (ok && existed)
        ::fchmod(fd, old.st_mode & 07777);   // the file keeps its permissions
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    SyncDir(DirOf(target));
    return true;
}
