// Dates and times as days since 30 December 1899, with the library's text
// conversions.
#include "platform/rtl/DateTime.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>

#include "platform/rtl/ConvertHelpers.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Strings.h"

namespace {

constexpr long long kDateDelta = 693594;   // days from 01/01/0001 to 30/12/1899, plus one
constexpr long long kMSecsPerDay = 86400000;
constexpr long long kUnixDateDelta = 25569;   // 01/01/1970

// A date split the library's way: whole days counted from 01/01/0001 (day 1)
// by truncation toward zero, and the time of day in milliseconds, always
// positive, whatever the sign of the value.
struct TimeStamp
{
    long long date;   // 1 = 01/01/0001
    long long time;   // 0 .. 86399999
};

TimeStamp ToTimeStamp(TDateTime dt)
{
    const long long ms = static_cast<long long>(std::nearbyint(dt * MSecsPerDay));
    return {kDateDelta + ms / kMSecsPerDay, (ms < 0 ? -ms : ms) % kMSecsPerDay};
}

// Whole days (0 = 30/12/1899) and a time of day put together: for dates before
// 30/12/1899 the time counts away from zero.
TDateTime Compose(long long days, double time)
{
    return days >= 0 ? static_cast<double>(days) + time : static_cast<double>(days) - time;
}

double TimePart(TDateTime dt)
{
    return static_cast<double>(ToTimeStamp(dt).time) / MSecsPerDay;
}

long long DayPart(TDateTime dt)
{
    return ToTimeStamp(dt).date - kDateDelta;
}

constexpr int kDaysBefore[2][13] = {
    {0, 0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334},
    {0, 0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335},
};

} // namespace

bool IsLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month)
{
    static constexpr int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

bool IsValidDate(int year, int month, int day)
{
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInMonth(year, month);
}

bool TryEncodeDate(int year, int month, int day, TDateTime& date)
{
    if (!IsValidDate(year, month, day))
        return false;
    const long long y = year - 1;
    const long long days = y * 365 + y / 4 - y / 100 + y / 400 + kDaysBefore[IsLeapYear(year)][month] + day;
    date = static_cast<double>(days - kDateDelta);
    return true;
}

TDateTime EncodeDate(int year, int month, int day)
{
    TDateTime d;
    if (!TryEncodeDate(year, month, day, d))
        throw EConvertError("Argument de date incorrect");
    return d;
}

bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& time)
{
    if (hour < 0 || hour > 23 || min < 0 || min > 59 || sec < 0 || sec > 59 || msec < 0 || msec > 999)
        return false;
    time = (hour * 3600000.0 + min * 60000.0 + sec * 1000.0 + msec) / MSecsPerDay;
    return true;
}

TDateTime EncodeTime(int hour, int min, int sec, int msec)
{
    TDateTime t;
    if (!TryEncodeTime(hour, min, sec, msec, t))
        throw EConvertError(L1("Argument d'heure incorrect"));
    return t;
}

void DecodeDate(TDateTime date, int& year, int& month, int& day)
{
    long long t = ToTimeStamp(date).date;
    if (t <= 0 || t > 3652059) {   // outside 01/01/0001 .. 31/12/9999
        year = month = day = 0;
        return;
    }
    constexpr long long d1 = 365, d4 = d1 * 4 + 1, d100 = d4 * 25 - 1, d400 = d100 * 4 + 1;
    --t;
    long long y = 1;
    y += t / d400 * 400;
    t %= d400;
    long long i = t / d100;
    long long d = t % d100;
    if (i == 4) {
        --i;
        d += d100;
    }
    y += i * 100;
    y += d / d4 * 4;
    d %= d4;
    i = d / d1;
    d %= d1;
    if (i == 4) {
        --i;
        d += d1;
    }
    y += i;
    const bool leap = IsLeapYear(static_cast<int>(y));
    int m = 12;
    while (kDaysBefore[leap][m] > d)
        --m;
    year = static_cast<int>(y);
    month = m;
    day = static_cast<int>(d - kDaysBefore[leap][m]) + 1;
}

void DecodeTime(TDateTime time, int& hour, int& min, int& sec, int& msec)
{
    long long t = ToTimeStamp(time).time;
    hour = static_cast<int>(t / 3600000);
    t %= 3600000;
    min = static_cast<int>(t / 60000);
    t %= 60000;
    sec = static_cast<int>(t / 1000);
    msec = static_cast<int>(t % 1000);
}

int DayOfWeek(TDateTime date)
{
    const long long d = ToTimeStamp(date).date;
    return static_cast<int>(((d % 7) + 7) % 7) + 1;
}

int YearOf(TDateTime date)
{
    int y, m, d;
    DecodeDate(date, y, m, d);
    return y;
}

TDateTime IncMonth(TDateTime date, int months)
{
    int y, m, d;
    DecodeDate(date, y, m, d);
    if (y == 0)
        return date;
    long long total = static_cast<long long>(y) * 12 + (m - 1) + months;
    long long ny = total / 12;
    long long nm = total % 12;
    if (nm < 0) {
        nm += 12;
        --ny;
    }
    if (ny < 1 || ny > 9999)
        throw EConvertError("Argument de date incorrect");
    const int month = static_cast<int>(nm) + 1;
    const int day = std::min(d, DaysInMonth(static_cast<int>(ny), month));
    const TDateTime nd = EncodeDate(static_cast<int>(ny), month, day);
    return Compose(static_cast<long long>(nd), TimePart(date));
}

TDateTime IncDay(TDateTime date, int days)
{
    return Compose(DayPart(date) + days, TimePart(date));
}

TDateTime DateOf(TDateTime dt)
{
    return static_cast<double>(DayPart(dt));
}

TDateTime TimeOf(TDateTime dt)
{
    return TimePart(dt);
}

TDateTime Now()
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t tt = system_clock::to_time_t(now);
    const long long ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm tm{};
    localtime_r(&tt, &tm);
    return EncodeDate(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday) +
           EncodeTime(tm.tm_hour, tm.tm_min, std::min(tm.tm_sec, 59), static_cast<int>(ms < 0 ? 0 : ms));
}

TDateTime Date()
{
    return DateOf(Now());
}

TDateTime Time()
{
    return TimeOf(Now());
}

TDateTime UnixToDateTime(long long secs)
{
    long long days = secs / 86400;
    long long rem = secs % 86400;
    if (rem < 0) {
        rem += 86400;
        --days;
    }
    return Compose(days + kUnixDateDelta, rem / 86400.0);
}

long long DateTimeToUnix(TDateTime dt)
{
    const TimeStamp ts = ToTimeStamp(dt);
    return (ts.date - kDateDelta - kUnixDateDelta) * 86400 + ts.time / 1000;
}

// ---- formatting --------------------------------------------------------------------------

namespace {

std::string TwoDigits(int v)
{
    std::string s = std::to_string(v);
    return s.size() < 2 ? "0" + s : s;
}

std::string Padded(int v, int width)
{
    std::string s = std::to_string(v);
    if (static_cast<int>(s.size()) < width)
        s.insert(0, static_cast<size_t>(width) - s.size(), '0');
    return s;
}

inline char Up(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

bool StartsWithNoCase(std::string_view s, size_t at, std::string_view word)
{
    if (at + word.size() > s.size())
        return false;
    for (size_t k = 0; k < word.size(); ++k)
        if (Up(s[at + k]) != Up(word[k]))
            return false;
    return true;
}

// Hours on a 12-hour clock when the format holds am/pm, a/p or ampm (outside
// quotes).
bool Uses12Hour(std::string_view f)
{
    char quote = 0;
    for (size_t i = 0; i < f.size(); ++i) {
        const char c = f[i];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (StartsWithNoCase(f, i, "am/pm") || StartsWithNoCase(f, i, "a/p") ||
                   StartsWithNoCase(f, i, "ampm")) {
            return true;
        }
    }
    return false;
}

void FormatInto(std::string& out, std::string_view f, TDateTime dt, int depth)
{
    const TFormatSettings& fs = FormatSettings();
    if (depth > 2)
        return;
    int year, month, day, hour, min, sec, msec;
    DecodeDate(dt, year, month, day);
    DecodeTime(dt, hour, min, sec, msec);
    const bool twelve = Uses12Hour(f);
    char last = 0;   // the last letter token, so that "h:m" gives minutes
    size_t i = 0;
    auto count = [&](char letter) {
        size_t n = 0;
        while (i < f.size() && Up(f[i]) == letter) {
            ++n;
            ++i;
        }
        return static_cast<int>(n);
    };
    while (i < f.size()) {
        const char c = f[i];
        char token = Up(c);
        if (token >= 'A' && token <= 'Z') {
            if (token == 'M' && last == 'H') {
                // "mm" right after an hour is the minute; "mmm" stays a month name.
                size_t j = i;
                while (j < f.size() && Up(f[j]) == 'M')
                    ++j;
                if (j - i <= 2)
                    token = 'N';
            }
            last = token;
        }
        switch (token) {
        case 'Y': {
            const int n = count('Y');
            out += n <= 2 ? TwoDigits(year % 100) : Padded(year, 4);
            break;
        }
        case 'M': {
            const int n = count('M');
            if (n == 1)
                out += std::to_string(month);
            else if (n == 2)
                out += TwoDigits(month);
            else if (month >= 1)
                out += n == 3 ? fs.ShortMonthNames[month - 1] : fs.LongMonthNames[month - 1];
            break;
        }
        case 'D': {
            const int n = count('D');
            const int dow = DayOfWeek(dt) - 1;
            switch (n) {
            case 1: out += std::to_string(day); break;
            case 2: out += TwoDigits(day); break;
            case 3: out += fs.ShortDayNames[dow]; break;
            case 4: out += fs.LongDayNames[dow]; break;
            case 5: FormatInto(out, fs.ShortDateFormat, dt, depth + 1); break;
            default: FormatInto(out, fs.LongDateFormat, dt, depth + 1); break;
            }
            break;
        }
        case 'H': {
            const int n = count('H');
            int h = hour;
            if (twelve) {
                h %= 12;
                if (h == 0)
                    h = 12;
            }
            out += n == 1 ? std::to_string(h) : TwoDigits(h);
            break;
        }
        case 'N': {
            const int n = (Up(c) == 'M') ? count('M') : count('N');
            out += n == 1 ? std::to_string(min) : TwoDigits(min);
            break;
        }
        case 'S': {
            const int n = count('S');
            out += n == 1 ? std::to_string(sec) : TwoDigits(sec);
            break;
        }
        case 'Z': {
            const int n = count('Z');
            out += n == 1 ? std::to_string(msec) : Padded(msec, 3);
            break;
        }
        case 'T': {
            const int n = count('T');
            FormatInto(out, n == 1 ? fs.ShortTimeFormat : fs.LongTimeFormat, dt, depth + 1);
            break;
        }
        case 'C': {
            count('C');
            FormatInto(out, fs.ShortDateFormat, dt, depth + 1);
            if (hour != 0 || min != 0 || sec != 0 || msec != 0) {
                out += ' ';
                FormatInto(out, fs.LongTimeFormat, dt, depth + 1);
            }
            break;
        }
        case 'A': {
            const bool pm = hour >= 12;
            if (StartsWithNoCase(f, i, "am/pm")) {
                // The case of the text follows the format's letters.
                const std::string_view word = pm ? f.substr(i + 3, 2) : f.substr(i, 2);
                out += word;
                i += 5;
            } else if (StartsWithNoCase(f, i, "a/p")) {
                out += pm ? f[i + 2] : f[i];
                i += 3;
            } else if (StartsWithNoCase(f, i, "ampm")) {
                out += pm ? "PM" : "AM";
                i += 4;
            } else {
                out += c;
                ++i;
            }
            break;
        }
        case '/':
            out += fs.DateSeparator;
            ++i;
            break;
        case ':':
            out += fs.TimeSeparator;
            ++i;
            break;
        case '"':
        case '\'': {
            const size_t end = f.find(c, i + 1);
            const size_t stop = end == std::string_view::npos ? f.size() : end;
            out.append(f.substr(i + 1, stop - i - 1));
            i = stop == f.size() ? stop : stop + 1;
            break;
        }
        default:
            out += c;
            ++i;
            break;
        }
    }
}

} // namespace

std::string FormatDateTime(std::string_view format, TDateTime dt)
{
    std::string out;
    FormatInto(out, format.empty() ? std::string_view("c") : format, dt, 0);
    return out;
}

std::string DateToStr(TDateTime dt)
{
    return FormatDateTime(FormatSettings().ShortDateFormat, dt);
}

std::string TimeToStr(TDateTime dt)
{
    return FormatDateTime(FormatSettings().LongTimeFormat, dt);
}

std::string DateTimeToStr(TDateTime dt)
{
    return FormatDateTime("c", dt);
}

// ---- reading ---------------------------------------------------------------------------------

namespace {

struct Scanner
{
    std::string_view s;
    size_t i = 0;

    void Blanks()
    {
        while (i < s.size() && s[i] == ' ')
            ++i;
    }
    bool Number(int& value, int& digits)
    {
        Blanks();
        const size_t start = i;
        long long v = 0;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9' && i - start < 9) {
            v = v * 10 + (s[i] - '0');
            ++i;
        }
        digits = static_cast<int>(i - start);
        if (digits == 0 || (i < s.size() && s[i] >= '0' && s[i] <= '9'))
            return false;
        value = static_cast<int>(v);
        return true;
    }
    bool Char(char c)
    {
        Blanks();
        if (i < s.size() && s[i] == c) {
            ++i;
            return true;
        }
        return false;
    }
    bool AtEnd()
    {
        Blanks();
        return i >= s.size();
    }
};

enum class DateOrder { DMY, MDY, YMD };

DateOrder OrderOf(std::string_view f)
{
    for (char c : f) {
        switch (Up(c)) {
        case 'D': return DateOrder::DMY;
        case 'M': return DateOrder::MDY;
        case 'Y': return DateOrder::YMD;
        default: break;
        }
    }
    return DateOrder::DMY;
}

int CurrentYear()
{
    return YearOf(Now());
}

// A two-digit year falls in the hundred years that start 50 years ago.
int ExpandYear(int y, int digits)
{
    if (y > 99 || digits > 2)
        return y;
    const int base = CurrentYear() - 50;
    y += base / 100 * 100;
    if (y < base)
        y += 100;
    return y;
}

bool ScanDate(Scanner& sc, TDateTime& date)
{
    const TFormatSettings& fs = FormatSettings();
    const DateOrder order = OrderOf(fs.ShortDateFormat);
    int n1, n2, n3 = 0, l1, l2, l3 = 0;
    if (!sc.Number(n1, l1) || !sc.Char(fs.DateSeparator) || !sc.Number(n2, l2))
        return false;
    int y, m, d;
    const size_t save = sc.i;
    if (sc.Char(fs.DateSeparator)) {
        if (!sc.Number(n3, l3))
            return false;
        switch (order) {
        case DateOrder::MDY: m = n1; d = n2; y = ExpandYear(n3, l3); break;
        case DateOrder::YMD: y = ExpandYear(n1, l1); m = n2; d = n3; break;
        default: d = n1; m = n2; y = ExpandYear(n3, l3); break;
        }
    } else {
        sc.i = save;
        y = CurrentYear();
        if (order == DateOrder::DMY) {
            d = n1;
            m = n2;
        } else {
            m = n1;
            d = n2;
        }
    }
    return TryEncodeDate(y, m, d, date);
}

bool ScanTime(Scanner& sc, TDateTime& time)
{
    const TFormatSettings& fs = FormatSettings();
    int h, m = 0, s = 0, ms = 0, l;
    if (!sc.Number(h, l))
        return false;
    bool minutes = false;
    if (sc.Char(fs.TimeSeparator)) {
        if (!sc.Number(m, l))
            return false;
        minutes = true;
        if (sc.Char(fs.TimeSeparator)) {
            if (!sc.Number(s, l))
                return false;
            if (sc.Char(fs.DecimalSeparator) || sc.Char('.')) {
                if (!sc.Number(ms, l))
                    return false;
            }
        }
    }
    sc.Blanks();
    int ampm = -1;
    if (StartsWithNoCase(sc.s, sc.i, "AM")) {
        ampm = 0;
        sc.i += 2;
    } else if (StartsWithNoCase(sc.s, sc.i, "PM")) {
        ampm = 1;
        sc.i += 2;
    }
    if (!minutes && ampm < 0)
        return false;
    if (ampm >= 0) {
        if (h < 1 || h > 12)
            return false;
        h = h % 12 + (ampm ? 12 : 0);
    }
    return TryEncodeTime(h, m, s, ms, time);
}

} // namespace

bool TryStrToDate(std::string_view s, TDateTime& date)
{
    Scanner sc{s};
    TDateTime d;
    if (!ScanDate(sc, d) || !sc.AtEnd())
        return false;
    date = d;
    return true;
}

TDateTime StrToDate(std::string_view s)
{
    return ConvertOrThrow<TDateTime>(s, TryStrToDate, "' n'est pas une date correcte");
}

TDateTime StrToDateDef(std::string_view s, TDateTime def)
{
    return ConvertOrDefault(s, TryStrToDate, def);
}

bool TryStrToDateDMY(std::string_view s, int& year, int& month, int& day)
{
    int parts[3] = {0, 0, 0}, digits[3] = {0, 0, 0};
    size_t i = 0;
    for (int k = 0; k < 3; ++k) {
        while (i < s.size() && s[i] == ' ')
            ++i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9' && digits[k] < 4) {
            parts[k] = parts[k] * 10 + (s[i++] - '0');
            ++digits[k];
        }
        while (i < s.size() && s[i] == ' ')
            ++i;
        if (digits[k] == 0 || (k < 2 && (i >= s.size() || s[i++] != '/')))
            return false;
    }
    if (i != s.size() || digits[0] > 2 || digits[1] > 2)
        return false;
    const int y = ExpandYear(parts[2], digits[2]);
    if (!IsValidDate(y, parts[1], parts[0]))
        return false;
    year = y;
    month = parts[1];
    day = parts[0];
    return true;
}

bool TryStrToTime(std::string_view s, TDateTime& time)
{
    Scanner sc{s};
    TDateTime t;
    if (!ScanTime(sc, t) || !sc.AtEnd())
        return false;
    time = t;
    return true;
}

TDateTime StrToTime(std::string_view s)
{
    return ConvertOrThrow<TDateTime>(s, TryStrToTime, "' n'est pas une heure correcte");
}

bool TryStrToDateTime(std::string_view s, TDateTime& dt)
{
    Scanner sc{s};
    TDateTime d = 0, t = 0;
    if (ScanDate(sc, d)) {
        if (!sc.AtEnd() && !ScanTime(sc, t))
            return false;
    } else {
        sc.i = 0;
        if (!ScanTime(sc, t))
            return false;
    }
    if (!sc.AtEnd())
        return false;
    dt = Compose(static_cast<long long>(d), t);
    return true;
}

TDateTime StrToDateTime(std::string_view s)
{
    return ConvertOrThrow<TDateTime>(s, TryStrToDateTime, "' n'est pas une date et heure correcte");
}
