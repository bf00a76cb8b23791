#include "platform/rtl/IniFiles.h"

#include <sys/stat.h>

#include <algorithm>
#include <ctime>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Files.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Strings.h"

// Every change rewrites the file at once, and every call sees the file as it is
// on disk, so two TIniFile objects on one file (or two programs) always see the
// same values. The lines of a file are read once and shared by every reader
// while the file stays the same (same inode, size and change times, its last
// change older than the file clock's tick, or made by this program's last
// write): a series of reads costs one reading of the file, however large.
// Lines the program does not understand (comments, text before the first
// section, lines without '=') are kept as they are.

namespace {

using Lines = std::vector<std::string>;

Lines SplitLines(const std::string& data)
{
    Lines lines;
    size_t i = 0;
    const size_t n = data.size();
    while (i < n) {
        size_t j = i;
        while (j < n && data[j] != '\r' && data[j] != '\n')
            ++j;
        lines.emplace_back(data, i, j - i);
        if (j < n && data[j] == '\r')
            ++j;
        if (j < n && data[j] == '\n')
            ++j;
        i = j;
    }
    return lines;
}

// What tells one state of a file from another.
struct Identity
{
    dev_t dev = 0;
    ino_t ino = 0;
    off_t size = -1;
    struct timespec mtime{}, ctime{};
    bool operator==(const Identity& o) const
    {
        return dev == o.dev && ino == o.ino && size == o.size && mtime.tv_sec == o.mtime.tv_sec &&
               mtime.tv_nsec == o.mtime.tv_nsec && ctime.tv_sec == o.ctime.tv_sec && ctime.tv_nsec == o.ctime.tv_nsec;
    }
};

bool IdentityOf(const std::string& fileName, Identity& id)
{
    struct stat st{};
    if (::stat(fileName.c_str(), &st) != 0 || S_ISDIR(st.st_mode))
        return false;
    id.dev = st.st_dev;
    id.ino = st.st_ino;
    id.size = st.st_size;
    id.mtime = st.st_mtim;
    id.ctime = st.st_ctim;
    return true;
}

struct Snapshot
{
    Identity id;
    std::shared_ptr<const Lines> lines;
};

std::mutex& CacheLock()
{
    static std::mutex m;
    return m;
}

std::unordered_map<std::string, Snapshot>& Cache()
{
    static std::unordered_map<std::string, Snapshot> c;
    return c;
}

// A change made in the same tick of the file clock as the last one leaves the
// times as they were: the lines of a file are shared only once its last change
// is older than any clock tick when it is read (two seconds, the coarsest).
bool Settled(const Identity& id, const struct timespec& now)
{
    constexpr long margin = 2;
    const time_t last = std::max(id.mtime.tv_sec, id.ctime.tv_sec);
    return now.tv_sec - last > margin;
}

// The lines of the file as it is now; a missing file reads as empty.
std::shared_ptr<const Lines> LoadLines(const std::string& fileName)
{
    Identity before;
    if (!IdentityOf(fileName, before))
        return std::make_shared<const Lines>();
    {
        std::lock_guard<std::mutex> verrou(CacheLock());
        const auto it = Cache().find(fileName);
        if (it != Cache().end() && it->second.id == before)
            return it->second.lines;
    }
    struct timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    std::string data;
    if (!ReadFileBytes(fileName, data))
        return std::make_shared<const Lines>();
    // A byte-order mark, as some editors save it, is no part of the first line.
    if (data.starts_with("\xEF\xBB\xBF"))
        data.erase(0, 3);
    auto lines = std::make_shared<const Lines>(SplitLines(data));
    // Kept only when the file did not change while it was read, and no later
    // change could leave its times as they are.
    Identity after;
    if (Settled(before, now) && IdentityOf(fileName, after) && after == before) {
        std::lock_guard<std::mutex> verrou(CacheLock());
        if (Cache().size() >= 16)
            Cache().clear();
        Cache()[fileName] = Snapshot{before, lines};
    }
    return lines;
}

void SaveLines(const std::string& fileName, const Lines& lines)
{
    std::string data;
    for (const std::string& l : lines) {
        data += l;
        data += "\r\n";
    }
    {
        std::lock_guard<std::mutex> verrou(CacheLock());
        Cache().erase(fileName);
    }
    if (!WriteFileAtomic(fileName, data))
        throw EIniFileException(L1("Impossible d'écrire dans ") + fileName);
    // The lines just written are the new file's (a file of its own, renamed
    // into place): the next reads take them without reading the file again.
    Identity id;
    if (IdentityOf(fileName, id)) {
        std::lock_guard<std::mutex> verrou(CacheLock());
        if (Cache().size() >= 16)
            Cache().clear();
        Cache()[fileName] = Snapshot{id, std::make_shared<const Lines>(lines)};
    }
}

// "[name]": the name, trimmed.
bool SectionName(const std::string& line, std::string& name)
{
    size_t start = 0;
    while (start < line.size() && static_cast<unsigned char>(line[start]) <= ' ')
        ++start;
    if (start == line.size() || line[start] != '[')
        return false;
    const size_t close = line.find(']', start);
    name = Trim(std::string_view(line).substr(start + 1, close == std::string::npos ? std::string::npos : close - start - 1));
    return true;
}

// "key = value": both trimmed. Comments and lines without '=' are no keys.
bool KeyLine(const std::string& line, std::string& key, std::string* value = nullptr)
{
    const size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line[start] == ';' || line[start] == '[')
        return false;
    const size_t eq = line.find('=');
    if (eq == std::string::npos)
        return false;
    key = Trim(line.substr(0, eq));
    if (value)
        *value = Trim(line.substr(eq + 1));
    return true;
}

// Lines [first, last) of the first section of that name; first is the
// header. False when there is no such section.
bool FindSection(const Lines& lines, std::string_view section, size_t& first, size_t& last)
{
    std::string name;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (SectionName(lines[i], name) && AnsiSameText(name, section)) {
            first = i;
            last = i + 1;
            while (last < lines.size() && !SectionName(lines[last], name))
                ++last;
            return true;
        }
    }
    return false;
}

// Index of the key's line in the section, or -1.
long FindKey(const Lines& lines, size_t first, size_t last, std::string_view ident)
{
    std::string key;
    for (size_t i = first + 1; i < last; ++i)
        if (KeyLine(lines[i], key) && AnsiSameText(key, ident))
            return static_cast<long>(i);
    return -1;
}

// A value in matching quotes is read without them.
std::string Unquote(const std::string& v)
{
    const size_t n = v.size();
    if (n >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, n - 2);
    return v;
}

// A line break inside a value would make new lines of the file: blanks instead.
std::string OneLine(std::string_view s)
{
    std::string r(s);
    for (char& c : r)
        if (c == '\r' || c == '\n')
            c = ' ';
    return r;
}

// A value is read trimmed and without matching quotes: one that begins or
// ends with a blank, or is itself in matching quotes, is written in quotes so
// that it reads back as it was.
std::string Quoted(const std::string& v)
{
    if (v.empty())
        return v;
    const bool blank = static_cast<unsigned char>(v.front()) <= ' ' || static_cast<unsigned char>(v.back()) <= ' ';
    const bool quoted = v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front();
    return blank || quoted ? '"' + v + '"' : v;
}

} // namespace

TIniFile::TIniFile(std::string fileName) : fileName_(std::move(fileName))
{
}

std::string TIniFile::ReadString(std::string_view section, std::string_view ident, std::string_view def) const
{
    const auto shared = LoadLines(fileName_);
    const Lines& lines = *shared;
    size_t first = 0, last = 0;
    if (!FindSection(lines, section, first, last))
        return std::string(def);
    const long i = FindKey(lines, first, last, ident);
    if (i < 0)
        return std::string(def);
    std::string key, value;
    KeyLine(lines[static_cast<size_t>(i)], key, &value);
    return Unquote(value);
}

void TIniFile::WriteString(std::string_view section, std::string_view ident, std::string_view value)
{
    Lines lines = *LoadLines(fileName_);
    const std::string line = OneLine(Trim(ident)) + "=" + Quoted(OneLine(value));
    size_t first = 0, last = 0;
    if (!FindSection(lines, section, first, last)) {
        if (!lines.empty() && !Trim(lines.back()).empty())
            lines.emplace_back();
        std::string header(1, '[');
        header += OneLine(Trim(section));
        header += ']';
        lines.push_back(std::move(header));
        lines.push_back(line);
    } else if (const long i = FindKey(lines, first, last, ident); i >= 0) {
        if (lines[static_cast<size_t>(i)] == line)
            return;
        lines[static_cast<size_t>(i)] = line;
    } else {
        // After the section's last non-blank line.
        size_t at = last;
        while (at > first + 1 && Trim(lines[at - 1]).empty())
            --at;
        lines.insert(lines.begin() + static_cast<long>(at), line);
    }
    SaveLines(fileName_, lines);
}

int TIniFile::ReadInteger(std::string_view section, std::string_view ident, int def) const
{
    std::string s = ReadString(section, ident, "");
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X'))
        s.replace(0, 2, 1, '$');
    return StrToIntDef(s, def);
}

void TIniFile::WriteInteger(std::string_view section, std::string_view ident, int value)
{
    WriteString(section, ident, IntToStr(value));
}

bool TIniFile::ReadBool(std::string_view section, std::string_view ident, bool def) const
{
    return ReadInteger(section, ident, def ? 1 : 0) != 0;
}

void TIniFile::WriteBool(std::string_view section, std::string_view ident, bool value)
{
    WriteString(section, ident, value ? "1" : "0");
}

double TIniFile::ReadFloat(std::string_view section, std::string_view ident, double def) const
{
    const std::string s = ReadString(section, ident, "");
    return s.empty() ? def : StrToFloatDef(StringReplace(s, ",", std::string(1, FormatSettings().DecimalSeparator),
                                                         rfReplaceAll),
                                           def);
}

void TIniFile::WriteFloat(std::string_view section, std::string_view ident, double value)
{
    // One form whatever the user's decimal separator: a comma.
    WriteString(section, ident,
                StringReplace(FloatToStr(value), std::string(1, FormatSettings().DecimalSeparator), ",", rfReplaceAll));
}

void TIniFile::ReadSection(std::string_view section, TStringList& keys) const
{
    keys.Clear();
    const auto shared = LoadLines(fileName_);
    const Lines& lines = *shared;
    size_t first = 0, last = 0;
    if (!FindSection(lines, section, first, last))
        return;
    std::string key;
    std::unordered_set<std::string> seen;   // each key once, the first
    for (size_t i = first + 1; i < last; ++i)
        if (KeyLine(lines[i], key) && seen.insert(AnsiUpperCase(key)).second)
            keys.Add(key);
}

void TIniFile::ReadSections(TStringList& sections) const
{
    sections.Clear();
    const auto shared = LoadLines(fileName_);
    const Lines& lines = *shared;
    std::string name;
    std::vector<std::string> seen;
    for (const std::string& l : lines) {
        if (!SectionName(l, name))
            continue;
        bool dup = false;
        for (const std::string& s : seen)
            dup = dup || AnsiSameText(s, name);
        if (!dup) {
            seen.push_back(name);
            sections.Add(name);
        }
    }
}

void TIniFile::ReadSectionValues(std::string_view section, TStringList& values) const
{
    values.Clear();
    const auto shared = LoadLines(fileName_);
    const Lines& lines = *shared;
    size_t first = 0, last = 0;
    if (!FindSection(lines, section, first, last))
        return;
    std::string key, value;
    std::unordered_set<std::string> seen;   // each key once, the first
    for (size_t i = first + 1; i < last; ++i)
        if (KeyLine(lines[i], key, &value) && seen.insert(AnsiUpperCase(key)).second)
            values.Add(key + "=" + Unquote(value));
}

void TIniFile::EraseSection(std::string_view section)
{
    Lines lines = *LoadLines(fileName_);
    size_t first = 0, last = 0;
    if (!FindSection(lines, section, first, last))
        return;
    lines.erase(lines.begin() + static_cast<long>(first), lines.begin() + static_cast<long>(last));
    SaveLines(fileName_, lines);
}

void TIniFile::DeleteKey(std::string_view section, std::string_view ident)
{
    Lines lines = *LoadLines(fileName_);
    size_t first = 0, last = 0;
    if (!FindSection(lines, section, first, last))
        return;
    const long i = FindKey(lines, first, last, ident);
    if (i < 0)
        return;
    lines.erase(lines.begin() + i);
    SaveLines(fileName_, lines);
}

bool TIniFile::SectionExists(std::string_view section) const
{
    // As the library does: a section exists when it holds at least one key.
    TStringList keys;
    ReadSection(section, keys);
    return keys.Count() > 0;
}

bool TIniFile::ValueExists(std::string_view section, std::string_view ident) const
{
    const auto shared = LoadLines(fileName_);
    const Lines& lines = *shared;
    size_t first = 0, last = 0;
    return FindSection(lines, section, first, last) && FindKey(lines, first, last, ident) >= 0;
}
