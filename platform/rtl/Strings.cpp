// 8-bit strings: Windows-1252 conversion, 1-based substrings, case tables,
// comparisons and number conversions with the library's semantics.
#include "platform/rtl/Strings.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstring>
#include <vector>

#include "platform/rtl/ConvertHelpers.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Format.h"

// ---- Windows-1252 <-> UTF-8 ----------------------------------------------------

namespace {

// 0x80..0x9F; every other byte is the Latin-1 code point of the same value.
// The unassigned bytes keep their own value so that they come back unchanged.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void AppendUtf8(std::string& out, char32_t u)
{
    if (u < 0x80) {
        out += static_cast<char>(u);
    } else if (u < 0x800) {
        out += static_cast<char>(0xC0 | (u >> 6));
        out += static_cast<char>(0x80 | (u & 0x3F));
    } else if (u < 0x10000) {
        out += static_cast<char>(0xE0 | (u >> 12));
        out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (u & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (u >> 18));
        out += static_cast<char>(0x80 | ((u >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (u & 0x3F));
    }
}

} // namespace

char32_t Cp1252ToUnicode(unsigned char c)
{
    if (c >= 0x80 && c < 0xA0)
        return kHigh[c - 0x80];
    return c;
}

int UnicodeToCp1252(char32_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<int>(u);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == u)
            return 0x80 + i;
    return -1;
}

std::string Cp1252ToUtf8(std::string_view s)
{
    std::string out;
    out.reserve(s.size() + s.size() / 8);
    for (char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80)
            out += ch;
        else
            AppendUtf8(out, Cp1252ToUnicode(c));
    }
    return out;
}

bool KeptCharAt(std::string_view s, size_t i, char32_t& u, size_t& end)
{
    if (i >= s.size() || s[i] != '\0')
        return false;
    size_t k = i + 1;
    u = 0;
    while (k < s.size() && k - i <= 7 && s[k] >= '0' && s[k] <= '9')
        u = u * 10 + static_cast<char32_t>(s[k++] - '0');
    if (k == i + 1 || k >= s.size() || s[k] != ';' || u > 0x10FFFF || (u >= 0xD800 && u <= 0xDFFF))
        return false;
    end = k + 1;
    return true;
}

void AppendKeptChar(std::string& out, char32_t u)
{
    out += '\0';
    out += std::to_string(static_cast<unsigned long>(u));
    out += ';';
}

namespace {

// The character a well-formed UTF-8 sequence starting at s[i] encodes (no
// overlong form, no surrogate) and the sequence's length; 0 when the bytes
// there are no such sequence.
size_t SequenceUtf8(std::string_view s, size_t i, char32_t& u)
{
    const auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x80) {
        u = c;
        return 1;
    }
    int extra = 0;
    char32_t least = 0;
    if ((c & 0xE0) == 0xC0) {
        extra = 1; u = c & 0x1F; least = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
        extra = 2; u = c & 0x0F; least = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
        extra = 3; u = c & 0x07; least = 0x10000;
    } else {
        return 0;
    }
    if (i + static_cast<size_t>(extra) >= s.size())
        return 0;
    for (int k = 1; k <= extra; ++k) {
        const auto cc = static_cast<unsigned char>(s[i + static_cast<size_t>(k)]);
        if ((cc & 0xC0) != 0x80)
            return 0;
        u = (u << 6) | (cc & 0x3F);
    }
    if (u < least || u > 0x10FFFF || (u >= 0xD800 && u <= 0xDFFF))
        return 0;
    return static_cast<size_t>(extra) + 1;
}

}  // namespace

std::string Utf8ToCp1252(std::string_view s, bool* lossy)
{
    std::string out;
    out.reserve(s.size());
    bool lost = false;
    const size_t n = s.size();
    size_t i = 0;
    while (i < n) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        char32_t u = 0;
        const size_t longueur = SequenceUtf8(s, i, u);
        if (longueur == 0) {
            // One replacement for a broken sequence's lead byte, then go on
            // after its continuation bytes (a byte that leads nothing is
            // replaced alone).
            out += '?';
            lost = true;
            const bool meneur = (c & 0xE0) == 0xC0 || (c & 0xF0) == 0xE0 || (c & 0xF8) == 0xF0;
            ++i;
            while (meneur && i < n && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80)
                ++i;
            continue;
        }
        const int b = UnicodeToCp1252(u);
        if (b < 0) {
            out += '?';
            lost = true;
        } else {
            out += static_cast<char>(b);
        }
        i += longueur;
    }
    if (lossy)
        *lossy = lost;
    return out;
}

// A strict UTF-8 check: well-formed sequences, no overlongs, no surrogates.
bool IsUtf8(std::string_view s)
{
    char32_t u = 0;
    for (size_t i = 0, n = 0; i < s.size(); i += n)
        if ((n = SequenceUtf8(s, i, u)) == 0)
            return false;
    return true;
}

// ---- substrings -------------------------------------------------------------------

std::string Copy(std::string_view s, int index, int count)
{
    const int len = Length(s);
    if (index < 1)
        index = 1;
    if (index > len || count <= 0)
        return {};
    if (count > len - index + 1)
        count = len - index + 1;
    return std::string(s.substr(index - 1, count));
}

int Pos(std::string_view sub, std::string_view s)
{
    return PosEx(sub, s, 1);
}

int PosEx(std::string_view sub, std::string_view s, int offset)
{
    if (sub.empty() || offset < 1 || offset > Length(s))
        return 0;
    const size_t p = s.find(sub, offset - 1);
    return p == std::string_view::npos ? 0 : static_cast<int>(p) + 1;
}

void Delete(std::string& s, int index, int count)
{
    const int len = Length(s);
    if (index < 1 || index > len || count <= 0)
        return;
    if (count > len - index + 1)
        count = len - index + 1;
    s.erase(index - 1, count);
}

void Insert(std::string_view sub, std::string& s, int index)
{
    if (index < 1)
        index = 1;
    if (index > Length(s) + 1)
        index = Length(s) + 1;
    s.insert(static_cast<size_t>(index - 1), sub);
}

std::string StringOfChar(char c, int count)
{
    return count > 0 ? std::string(static_cast<size_t>(count), c) : std::string();
}

std::string DupeString(std::string_view s, int count)
{
    std::string out;
    if (count > 0) {
        out.reserve(s.size() * count);
        for (int i = 0; i < count; ++i)
            out += s;
    }
    return out;
}

std::string LeftStr(std::string_view s, int count)
{
    return Copy(s, 1, count);
}

std::string RightStr(std::string_view s, int count)
{
    if (count <= 0)
        return {};
    if (count >= Length(s))
        return std::string(s);
    return std::string(s.substr(s.size() - count));
}

namespace {
inline bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 0x20; }
} // namespace

std::string Trim(std::string_view s)
{
    size_t a = 0, b = s.size();
    while (a < b && IsBlank(s[a]))
        ++a;
    while (b > a && IsBlank(s[b - 1]))
        --b;
    return std::string(s.substr(a, b - a));
}

std::string TrimLeft(std::string_view s)
{
    size_t a = 0;
    while (a < s.size() && IsBlank(s[a]))
        ++a;
    return std::string(s.substr(a));
}

std::string TrimRight(std::string_view s)
{
    size_t b = s.size();
    while (b > 0 && IsBlank(s[b - 1]))
        --b;
    return std::string(s.substr(0, b));
}

// ---- case ---------------------------------------------------------------------------

namespace {

struct CaseTables
{
    std::array<unsigned char, 256> upper{};
    std::array<unsigned char, 256> lower{};
    CaseTables()
    {
        for (int c = 0; c < 256; ++c)
            upper[c] = lower[c] = static_cast<unsigned char>(c);
        auto pair = [this](int big, int small) {
            upper[small] = static_cast<unsigned char>(big);
            lower[big] = static_cast<unsigned char>(small);
        };
        for (int c = 'A'; c <= 'Z'; ++c)
            pair(c, c + 32);
        for (int c = 0xC0; c <= 0xDE; ++c)
            if (c != 0xD7)
                pair(c, c + 32);
        pair(0x8A, 0x9A);
        pair(0x8C, 0x9C);
        pair(0x8E, 0x9E);
        pair(0x9F, 0xFF);
    }
};

const CaseTables& Cases()
{
    static const CaseTables t;
    return t;
}

inline unsigned char AsciiLower(unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; }

} // namespace

char UpCase(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
}

std::string UpperCase(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = UpCase(c);
    return out;
}

std::string LowerCase(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 32);
    return out;
}

unsigned char AnsiUpperChar(unsigned char c) { return Cases().upper[c]; }
unsigned char AnsiLowerChar(unsigned char c) { return Cases().lower[c]; }

std::string AnsiUpperCase(std::string_view s)
{
    const auto& t = Cases().upper;
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(t[static_cast<unsigned char>(c)]);
    return out;
}

std::string AnsiLowerCase(std::string_view s)
{
    const auto& t = Cases().lower;
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(t[static_cast<unsigned char>(c)]);
    return out;
}

// ---- comparison -----------------------------------------------------------------------

int CompareStr(std::string_view a, std::string_view b)
{
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const int d = static_cast<unsigned char>(a[i]) - static_cast<unsigned char>(b[i]);
        if (d != 0)
            return d;
    }
    return static_cast<int>(a.size()) - static_cast<int>(b.size());
}

int CompareText(std::string_view a, std::string_view b)
{
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const int d = AsciiLower(static_cast<unsigned char>(a[i])) - AsciiLower(static_cast<unsigned char>(b[i]));
        if (d != 0)
            return d;
    }
    return static_cast<int>(a.size()) - static_cast<int>(b.size());
}

bool SameText(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && CompareText(a, b) == 0;
}

namespace {

// Primary key of a byte: the base letter in lower case, without accent; the
// ligatures and the sharp s spread over two letters. Other bytes stand for
// themselves.
struct PrimaryTable
{
    unsigned char first[256];
    unsigned char second[256];   // 0 when the byte gives one letter
    PrimaryTable()
    {
        for (int c = 0; c < 256; ++c) {
            const unsigned char l = Cases().lower[c];
            unsigned char r = l;
            if (l >= 0xE0 && l <= 0xE5)
                r = 'a';
            else if (l == 0xE7)
                r = 'c';
            else if (l >= 0xE8 && l <= 0xEB)
                r = 'e';
            else if (l >= 0xEC && l <= 0xEF)
                r = 'i';
            else if (l == 0xF0)
                r = 'd';
            else if (l == 0xF1)
                r = 'n';
            else if ((l >= 0xF2 && l <= 0xF6) || l == 0xF8)
                r = 'o';
            else if (l >= 0xF9 && l <= 0xFC)
                r = 'u';
            else if (l == 0xFD || l == 0xFF)
                r = 'y';
            else if (l == 0x9A)
                r = 's';
            else if (l == 0x9E)
                r = 'z';
            else if (l == 0x83)
                r = 'f';
            first[c] = r;
            second[c] = 0;
        }
        auto two = [this](int c, char x, char y) {
            first[c] = static_cast<unsigned char>(x);
            second[c] = static_cast<unsigned char>(y);
        };
        two(0x8C, 'o', 'e');
        two(0x9C, 'o', 'e');
        two(0xC6, 'a', 'e');
        two(0xE6, 'a', 'e');
        two(0xDF, 's', 's');
    }
};

const PrimaryTable& Primary()
{
    static const PrimaryTable t;
    return t;
}

// Reads the primary letters of a text one by one, without building the key.
struct PrimaryReader
{
    std::string_view s;
    size_t i = 0;
    unsigned char pending = 0;
    bool Next(unsigned char& out)
    {
        if (pending) {
            out = pending;
            pending = 0;
            return true;
        }
        if (i >= s.size())
            return false;
        const auto c = static_cast<unsigned char>(s[i++]);
        out = Primary().first[c];
        pending = Primary().second[c];
        return true;
    }
};

int ComparePrimary(std::string_view a, std::string_view b)
{
    PrimaryReader ra{a}, rb{b};
    for (;;) {
        unsigned char ca = 0, cb = 0;
        const bool ha = ra.Next(ca);
        const bool hb = rb.Next(cb);
        if (!ha || !hb)
            return ha ? 1 : (hb ? -1 : 0);
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
}

// With accents, without case.
int CompareSecondary(std::string_view a, std::string_view b)
{
    const auto& low = Cases().lower;
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const int d = low[static_cast<unsigned char>(a[i])] - low[static_cast<unsigned char>(b[i])];
        if (d != 0)
            return d;
    }
    return static_cast<int>(a.size()) - static_cast<int>(b.size());
}

// Lower case before upper case, byte by byte.
int CompareTertiary(std::string_view a, std::string_view b)
{
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (ca == cb)
            continue;
        const bool la = Cases().upper[ca] != ca;   // a lower-case letter
        const bool lb = Cases().upper[cb] != cb;
        if (la != lb)
            return la ? -1 : 1;
    }
    return 0;
}

int Sign(int v) { return v < 0 ? -1 : (v > 0 ? 1 : 0); }

} // namespace

int AnsiCompareText(std::string_view a, std::string_view b)
{
    int d = ComparePrimary(a, b);
    if (d == 0)
        d = CompareSecondary(a, b);
    if (d == 0)
        d = CompareStr(a, b);
    return Sign(d);
}

bool AnsiSameText(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && CompareSecondary(a, b) == 0;
}

int AnsiCompareStr(std::string_view a, std::string_view b)
{
    int d = ComparePrimary(a, b);
    if (d == 0)
        d = CompareSecondary(a, b);
    if (d == 0)
        d = CompareTertiary(a, b);
    if (d == 0)
        d = CompareStr(a, b);
    return Sign(d);
}

// ---- replacing ------------------------------------------------------------------------

std::string StringReplace(std::string_view s, std::string_view oldPattern,
                          std::string_view newPattern, unsigned flags)
{
    if (oldPattern.empty())
        return std::string(s);
    const bool ignoreCase = (flags & rfIgnoreCase) != 0;
    const std::string hay = ignoreCase ? AnsiUpperCase(s) : std::string();
    const std::string pat = ignoreCase ? AnsiUpperCase(oldPattern) : std::string();
    const std::string_view h = ignoreCase ? std::string_view(hay) : s;
    const std::string_view p = ignoreCase ? std::string_view(pat) : oldPattern;
    std::string out;
    out.reserve(s.size());
    size_t from = 0;
    while (from <= h.size()) {
        const size_t at = h.find(p, from);
        if (at == std::string_view::npos)
            break;
        out.append(s.substr(from, at - from));
        out.append(newPattern);
        from = at + p.size();
        if (!(flags & rfReplaceAll))
            break;
    }
    if (from < s.size())
        out.append(s.substr(from));
    return out;
}

// ---- integers -------------------------------------------------------------------------

std::string IntToStr(long long v)
{
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

std::string IntToHex(long long v, int digits)
{
    unsigned long long u;
    if (v < 0 && v >= INT_MIN)
        u = static_cast<unsigned int>(static_cast<int>(v));
    else
        u = static_cast<unsigned long long>(v);
    static const char hex[] = "0123456789ABCDEF";
    char buf[32];
    int n = 0;
    do {
        buf[n++] = hex[u & 15];
        u >>= 4;
    } while (u != 0);
    std::string out;
    if (digits > n)
        out.assign(static_cast<size_t>(digits - n), '0');
    while (n > 0)
        out += buf[--n];
    return out;
}

namespace {

// Reads [blanks][sign](digits | $hex | 0xhex) to the end of the text. Decimal
// values must fit `lo..hi`; hexadecimal ones are read as an unsigned word of
// `hexBits` bits and wrap, as the library does for "$FFFFFFFF".
bool ParseInteger(std::string_view s, long long lo, long long hi, int hexBits, long long& value)
{
    size_t i = 0;
    const size_t n = s.size();
    while (i < n && s[i] == ' ')
        ++i;
    bool neg = false;
    if (i < n && (s[i] == '+' || s[i] == '-')) {
        neg = s[i] == '-';
        ++i;
    }
    bool hex = false;
    if (i < n && s[i] == '$') {
        hex = true;
        ++i;
    } else if (i < n && (s[i] == 'x' || s[i] == 'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < n && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i >= n)
        return false;
    if (hex) {
        unsigned long long u = 0;
        const unsigned long long limit = hexBits >= 64 ? ~0ULL : ((1ULL << hexBits) - 1);
        for (; i < n; ++i) {
            const char c = s[i];
            int d;
            if (c >= '0' && c <= '9')
                d = c - '0';
            else if (c >= 'a' && c <= 'f')
                d = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                d = c - 'A' + 10;
            else
                return false;
            if (u > (limit >> 4))
                return false;
            u = (u << 4) | static_cast<unsigned>(d);
        }
        long long v;
        if (hexBits >= 64)
            v = static_cast<long long>(u);
        else
            v = static_cast<long long>(static_cast<int>(static_cast<unsigned int>(u)));
        value = neg ? -v : v;   // wraps like the library for the lowest value
        return true;
    }
    // Accumulate as a negative number to reach the lowest value.
    long long acc = 0;
    for (; i < n; ++i) {
        const char c = s[i];
        if (c < '0' || c > '9')
            return false;
        const int d = c - '0';
        if (acc < (LLONG_MIN + d) / 10)
            return false;
        acc = acc * 10 - d;
    }
    if (neg) {
        if (acc < lo)
            return false;
        value = acc;
    } else {
        if (acc < -hi)
            return false;
        value = -acc;
    }
    return true;
}

} // namespace

bool TryStrToInt(std::string_view s, int& value)
{
    long long v;
    if (!ParseInteger(s, INT_MIN, INT_MAX, 32, v))
        return false;
    value = static_cast<int>(v);
    return true;
}

int StrToInt(std::string_view s)
{
    return ConvertOrThrow<int>(s, TryStrToInt, L1("' n'est pas une valeur entière correcte"));
}

int StrToIntDef(std::string_view s, int def)
{
    return ConvertOrDefault(s, TryStrToInt, def);
}

bool TryStrToInt64(std::string_view s, long long& value)
{
    return ParseInteger(s, LLONG_MIN, LLONG_MAX, 64, value);
}

long long StrToInt64Def(std::string_view s, long long def)
{
    return ConvertOrDefault(s, TryStrToInt64, def);
}

// ---- floats -------------------------------------------------------------------------------

TFloatRec FloatToDecimal(double v, int precision, int decimals)
{
    TFloatRec r;
    if (std::isnan(v)) {
        r.Nan = true;
        return r;
    }
    r.Negative = std::signbit(v);
    if (std::isinf(v)) {
        r.Infinite = true;
        return r;
    }
    if (v == 0) {
        r.Negative = false;
        return r;
    }
    if (precision > 18)
        precision = 18;
    if (precision < 1)
        precision = 1;
    // 18 significant digits, as the library's extended conversion produces them.
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, 17);
    const std::string_view text(buf, static_cast<size_t>(res.ptr - buf));
    const size_t e = text.find('e');
    std::string digits;
    digits += text[0];
    digits.append(text.substr(2, e - 2));
    int exp10 = 0;
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), exp10);
    r.Exponent = exp10 + 1;
    long long keep = std::min<long long>(precision, static_cast<long long>(r.Exponent) + decimals);
    if (keep < 0) {
        r.Digits.clear();
    } else if (keep < static_cast<long long>(digits.size())) {
        const bool up = digits[static_cast<size_t>(keep)] >= '5';
        digits.resize(static_cast<size_t>(keep));
        if (up) {
            int i = static_cast<int>(keep) - 1;
            while (i >= 0 && digits[static_cast<size_t>(i)] == '9') {
                digits[static_cast<size_t>(i)] = '0';
                --i;
            }
            if (i >= 0) {
                ++digits[static_cast<size_t>(i)];
            } else {
                digits.insert(digits.begin(), '1');
                ++r.Exponent;
                if (static_cast<int>(digits.size()) > precision)
                    digits.pop_back();
            }
        }
        r.Digits = digits;
    } else {
        r.Digits = digits;
    }
    while (!r.Digits.empty() && r.Digits.back() == '0')
        r.Digits.pop_back();
    if (r.Digits.empty()) {
        r.Exponent = 0;
        r.Negative = false;
    }
    return r;
}

namespace {

std::string Exponent(int e, bool alwaysSign, int minDigits)
{
    std::string out;
    if (e < 0)
        out += '-';
    else if (alwaysSign)
        out += '+';
    std::string d = std::to_string(e < 0 ? -e : e);
    if (static_cast<int>(d.size()) < minDigits)
        out.append(static_cast<size_t>(minDigits) - d.size(), '0');
    return out + d;
}

// Integer part of a decimal record, "0" when empty, with optional grouping.
std::string IntegerPart(const TFloatRec& r, char thousand)
{
    std::string ip;
    for (int i = 0; i < r.Exponent; ++i)
        ip += i < static_cast<int>(r.Digits.size()) ? r.Digits[static_cast<size_t>(i)] : '0';
    if (ip.empty())
        ip.push_back('0');
    if (thousand) {
        std::string g;
        const int n = static_cast<int>(ip.size());
        for (int i = 0; i < n; ++i) {
            if (i > 0 && (n - i) % 3 == 0)
                g += thousand;
            g += ip[static_cast<size_t>(i)];
        }
        ip = g;
    }
    return ip;
}

std::string FractionPart(const TFloatRec& r, int count)
{
    std::string fp;
    for (int i = 0; i < count; ++i) {
        const int k = r.Exponent + i;
        fp += (k >= 0 && k < static_cast<int>(r.Digits.size())) ? r.Digits[static_cast<size_t>(k)] : '0';
    }
    return fp;
}

} // namespace

std::string FloatToStrF(double v, TFloatFormat format, int precision, int digits)
{
    const TFormatSettings& fs = FormatSettings();
    if (precision > 18)
        precision = 18;
    if (precision < 1)
        precision = 15;
    if (digits < 0)
        digits = 0;
    if (std::isnan(v))
        return "NAN";
    if (std::isinf(v))
        return v < 0 ? "-INF" : "INF";
    switch (format) {
    case ffExponent: {
        const TFloatRec r = FloatToDecimal(v, precision, 9999);
        std::string out = r.Negative ? "-" : "";
        const std::string d = r.Digits.empty() ? std::string("0") : r.Digits;
        out += d[0];
        if (precision > 1) {
            out += fs.DecimalSeparator;
            for (int i = 1; i < precision; ++i)
                out += i < static_cast<int>(d.size()) ? d[static_cast<size_t>(i)] : '0';
        }
        out += 'E';
        out += Exponent(r.Digits.empty() ? 0 : r.Exponent - 1, true, std::min(digits, 4));
        return out;
    }
    case ffFixed:
    case ffNumber:
    case ffCurrency: {
        if (std::fabs(v) >= 1e18)
            return FloatToStrF(v, ffGeneral, precision, 0);
        if (digits > 18)
            digits = 18;
        const TFloatRec r = FloatToDecimal(v, 18, digits);
        std::string out = IntegerPart(r, format == ffFixed ? 0 : fs.ThousandSeparator);
        if (digits > 0) {
            out += fs.DecimalSeparator;
            out += FractionPart(r, digits);
        }
        if (r.Negative)
            out.insert(out.begin(), '-');
        if (format == ffCurrency)
            out += ' ' + fs.CurrencyString;
        return out;
    }
    case ffGeneral:
    default: {
        const TFloatRec r = FloatToDecimal(v, precision, 9999);
        if (r.Digits.empty())
            return "0";
        std::string out = r.Negative ? "-" : "";
        const int nd = static_cast<int>(r.Digits.size());
        if (r.Exponent > precision || r.Exponent < -4) {
            out += r.Digits[0];
            if (nd > 1) {
                out += fs.DecimalSeparator;
                out.append(r.Digits, 1, std::string::npos);
            }
            out += 'E';
            out += Exponent(r.Exponent - 1, false, std::min(digits, 4));
            return out;
        }
        out += IntegerPart(r, 0);
        if (nd > r.Exponent) {
            out += fs.DecimalSeparator;
            out += FractionPart(r, nd - r.Exponent);
        }
        return out;
    }
    }
}

std::string FloatToStr(double v)
{
    return FloatToStrF(v, ffGeneral, 15, 0);
}

// ---- FormatFloat ------------------------------------------------------------------------

namespace {

struct Picture
{
    // Items of the picture, in order: 'd' digit placeholder ('0' or '#' in
    // `ph`), '.' the decimal point, 'E' the exponent, 'L' literal text.
    struct Item
    {
        char kind;
        char ph = 0;
        std::string text;   // literal, or exponent letter + sign
        int expDigits = 0;
    };
    std::vector<Item> items;
    int intPlaces = 0;
    int fracPlaces = 0;
    int minInt = 0;        // integer places from the first '0' to the point
    int minFrac = 0;       // decimal places up to the last '0'
    bool thousands = false;
    bool scientific = false;
};

Picture ParsePicture(std::string_view sec)
{
    Picture p;
    bool afterPoint = false;
    bool seenZeroInt = false;
    size_t i = 0;
    auto literal = [&p](std::string_view t) {
        if (!p.items.empty() && p.items.back().kind == 'L')
            p.items.back().text += t;
        else
            p.items.push_back({'L', 0, std::string(t), 0});
    };
    while (i < sec.size()) {
        const char c = sec[i];
        if (c == '"' || c == '\'') {
            const size_t end = sec.find(c, i + 1);
            const size_t stop = end == std::string_view::npos ? sec.size() : end;
            literal(sec.substr(i + 1, stop - i - 1));
            i = stop == sec.size() ? stop : stop + 1;
            continue;
        }
        if (!p.scientific && (c == '0' || c == '#')) {
            p.items.push_back({'d', c, {}, 0});
            if (afterPoint) {
                ++p.fracPlaces;
                if (c == '0')
                    p.minFrac = p.fracPlaces;
            } else {
                ++p.intPlaces;
                if (c == '0')
                    seenZeroInt = true;
                if (seenZeroInt)
                    ++p.minInt;
            }
            ++i;
            continue;
        }
        if (!p.scientific && c == '.' && !afterPoint) {
            afterPoint = true;
            p.items.push_back({'.', 0, {}, 0});
            ++i;
            continue;
        }
        if (!p.scientific && c == ',') {
            p.thousands = true;
            ++i;
            continue;
        }
        if (!p.scientific && (c == 'E' || c == 'e') && i + 1 < sec.size() &&
            (sec[i + 1] == '+' || sec[i + 1] == '-')) {
            Picture::Item it{'E', 0, std::string(sec.substr(i, 2)), 0};
            i += 2;
            while (i < sec.size() && sec[i] == '0') {
                ++it.expDigits;
                ++i;
            }
            p.items.push_back(it);
            p.scientific = true;
            continue;
        }
        literal(sec.substr(i, 1));
        ++i;
    }
    // A '#' after a '0' in the integer part counts as required too.
    return p;
}

std::string ApplyPicture(const Picture& p, double v, bool withSign)
{
    const TFormatSettings& fs = FormatSettings();
    const double a = std::fabs(v);
    std::string intDigits;
    std::string fracDigits;
    int exponent = 0;
    if (p.scientific) {
        const int sig = std::max(1, p.intPlaces) + p.fracPlaces;
        const TFloatRec r = FloatToDecimal(a, std::min(sig, 18), 9999);
        const int ip = std::max(1, p.intPlaces);
        exponent = r.Digits.empty() ? 0 : r.Exponent - ip;
        for (int i = 0; i < ip; ++i)
            intDigits += i < static_cast<int>(r.Digits.size()) ? r.Digits[static_cast<size_t>(i)] : '0';
        // Leading zeros of the integer digits are shown only where '0' asks.
        size_t z = 0;
        while (z + 1 < intDigits.size() && intDigits[z] == '0')
            ++z;
        intDigits.erase(0, z);
        if (intDigits == "0" && p.minInt == 0)
            intDigits.clear();
        for (int i = ip; i < ip + p.fracPlaces; ++i)
            fracDigits += i < static_cast<int>(r.Digits.size()) ? r.Digits[static_cast<size_t>(i)] : '0';
    } else {
        const TFloatRec r = FloatToDecimal(a, 18, p.fracPlaces);
        for (int i = 0; i < r.Exponent; ++i)
            intDigits += i < static_cast<int>(r.Digits.size()) ? r.Digits[static_cast<size_t>(i)] : '0';
        fracDigits = FractionPart(r, p.fracPlaces);
    }
    // Integer digits padded with the zeros that '0' places require.
    if (static_cast<int>(intDigits.size()) < p.minInt)
        intDigits.insert(0, static_cast<size_t>(p.minInt) - intDigits.size(), '0');
    // Decimal places shown: up to the last '0', or the last significant digit.
    int shownFrac = p.minFrac;
    for (int i = p.fracPlaces; i > shownFrac; --i)
        if (fracDigits[static_cast<size_t>(i - 1)] != '0') {
            shownFrac = i;
            break;
        }

    std::string out;
    if (withSign)
        out += '-';
    const int nInt = static_cast<int>(intDigits.size());
    int next = 0;          // next integer digit to write
    int intSeen = 0;       // integer places met so far
    int fracSeen = 0;
    bool pointDone = false;
    auto emitInt = [&](int upTo) {   // writes integer digits [next, upTo)
        while (next < upTo) {
            out += intDigits[static_cast<size_t>(next)];
            ++next;
            const int left = nInt - next;
            if (p.thousands && left > 0 && left % 3 == 0)
                out += fs.ThousandSeparator;
        }
    };
    auto flushInt = [&]() { emitInt(nInt); };
    for (const auto& it : p.items) {
        switch (it.kind) {
        case 'd':
            if (!pointDone) {
                ++intSeen;
                // This place holds digit nInt - (intPlaces - intSeen) - 1.
                const int upTo = nInt - (p.intPlaces - intSeen);
                if (upTo > next)
                    emitInt(upTo);
            } else {
                ++fracSeen;
                if (fracSeen <= shownFrac)
                    out += fracDigits[static_cast<size_t>(fracSeen - 1)];
            }
            break;
        case '.':
            flushInt();
            pointDone = true;
            if (shownFrac > 0)
                out += fs.DecimalSeparator;
            break;
        case 'E':
            flushInt();
            pointDone = true;
            out += it.text[0];
            out += Exponent(exponent, it.text[1] == '+', it.expDigits);
            break;
        default:
            out += it.text;
            break;
        }
    }
    flushInt();
    return out;
}

std::vector<std::string_view> Sections(std::string_view f)
{
    std::vector<std::string_view> out;
    size_t start = 0;
    char quote = 0;
    for (size_t i = 0; i < f.size(); ++i) {
        const char c = f[i];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == ';') {
            out.push_back(f.substr(start, i - start));
            start = i + 1;
        }
    }
    out.push_back(f.substr(start));
    return out;
}

} // namespace

std::string FormatFloat(std::string_view format, double v)
{
    if (format.empty() || std::isnan(v) || std::isinf(v) || std::fabs(v) >= 1e18)
        return FloatToStr(v);
    const auto secs = Sections(format);
    const Picture first = ParsePicture(secs[0]);
    // The value as the first section shows it decides whether it is zero.
    bool zero = v == 0;
    if (!zero) {
        const TFloatRec r = first.scientific ? FloatToDecimal(v, 18, 9999)
                                             : FloatToDecimal(v, 18, first.fracPlaces);
        zero = r.Digits.empty();
    }
    if (zero) {
        if (secs.size() >= 3 && !secs[2].empty())
            return ApplyPicture(ParsePicture(secs[2]), 0.0, false);
        return ApplyPicture(first, 0.0, false);
    }
    if (v < 0 && secs.size() >= 2 && !secs[1].empty())
        return ApplyPicture(ParsePicture(secs[1]), v, false);
    return ApplyPicture(first, v, v < 0);
}

// ---- reading floats ---------------------------------------------------------------------

bool TryStrToFloat(std::string_view s, double& value)
{
    const char sep = FormatSettings().DecimalSeparator;
    std::string t = Trim(s);
    if (t.empty())
        return false;
    // Rebuild the number with '.' so that the conversion ignores any locale.
    std::string c;
    c.reserve(t.size());
    size_t i = 0;
    if (t[i] == '+' || t[i] == '-') {
        if (t[i] == '-')
            c += '-';
        ++i;
    }
    bool digits = false;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
        c += t[i++];
        digits = true;
    }
    if (i < t.size() && t[i] == sep) {
        c += '.';
        ++i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
            c += t[i++];
            digits = true;
        }
    }
    if (!digits)
        return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        c += 'e';
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-'))
            c += t[i++];
        bool expDigits = false;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
            c += t[i++];
            expDigits = true;
        }
        if (!expDigits)
            return false;
    }
    if (i != t.size())
        return false;
    double d = 0;
    const auto r = std::from_chars(c.data(), c.data() + c.size(), d);
    if (r.ec != std::errc() || r.ptr != c.data() + c.size())
        return false;
    value = d;
    return true;
}

double StrToFloat(std::string_view s)
{
    return ConvertOrThrow<double>(s, TryStrToFloat, "' n'est pas une valeur en virgule flottante correcte");
}

double StrToFloatDef(std::string_view s, double def)
{
    return ConvertOrDefault(s, TryStrToFloat, def);
}

long long Round(double v)
{
    return static_cast<long long>(std::nearbyint(v));
}

long long Trunc(double v)
{
    return static_cast<long long>(v);
}

std::string QuotedStr(std::string_view s)
{
    std::string out = "'";
    for (char c : s) {
        out += c;
        if (c == '\'')
            out += '\'';
    }
    out += '\'';
    return out;
}
