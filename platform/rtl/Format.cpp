// Format() with the library's directives and the program's format settings.
#include "platform/rtl/Format.h"

#include <climits>
#include <algorithm>
#include <cstdint>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Strings.h"

TFormatSettings& FormatSettings()
{
    // The initialisers are UTF-8 source text: store them as Windows-1252 once.
    static TFormatSettings settings = [] {
        TFormatSettings s;
        for (auto& n : s.ShortMonthNames)
            n = L1(n);
        for (auto& n : s.LongMonthNames)
            n = L1(n);
        for (auto& n : s.ShortDayNames)
            n = L1(n);
        for (auto& n : s.LongDayNames)
            n = L1(n);
        s.CurrencyString = L1(s.CurrencyString);
        return s;
    }();
    return settings;
}

namespace {

[[noreturn]] void Invalid(std::string_view fmt)
{
    throw EFormatError("Format '" + std::string(fmt) + "' incorrect ou incompatible avec l'argument");
}

[[noreturn]] void Missing(std::string_view fmt)
{
    throw EFormatError("Aucun argument pour le format '" + std::string(fmt) + "'");
}

bool IsIntegerArg(const TVarRec& a)
{
    return a.VType == TVarRec::vtInteger || a.VType == TVarRec::vtInt64 || a.VType == TVarRec::vtUInt64;
}

// The argument as an unsigned number: a 32-bit integer by its own 32 bits (-1 is
// FFFFFFFF), a 64-bit one by its 64 bits.
unsigned long long UnsignedArg(const TVarRec& a)
{
    if (a.VType == TVarRec::vtUInt64)
        return a.U;
    if (a.VType == TVarRec::vtInteger)
        return static_cast<unsigned int>(static_cast<int>(a.I));
    return static_cast<unsigned long long>(a.I);
}

// Decimal digits of a magnitude, left-padded with zeros to `minDigits`.
std::string Digits(unsigned long long u, int minDigits)
{
    std::string d = std::to_string(u);
    if (static_cast<int>(d.size()) < minDigits)
        d.insert(0, static_cast<size_t>(minDigits) - d.size(), '0');
    return d;
}

std::string HexDigits(unsigned long long u, int minDigits)
{
    static const char hex[] = "0123456789ABCDEF";
    std::string d;
    do {
        d.insert(d.begin(), hex[u & 15]);
        u >>= 4;
    } while (u != 0);
    if (static_cast<int>(d.size()) < minDigits)
        d.insert(0, static_cast<size_t>(minDigits) - d.size(), '0');
    return d;
}

} // namespace

std::string Format(std::string_view fmt, const TVarRec* args, int count)
{
    std::string out;
    out.reserve(fmt.size() + 16);
    int argIndex = 0;
    const size_t n = fmt.size();
    size_t i = 0;

    auto nextArg = [&](int index) -> const TVarRec& {
        if (index < 0 || index >= count)
            Missing(fmt);
        return args[index];
    };
    // A number of the directive, or '*' taking an integer argument.
    auto readNumber = [&](bool& present) -> int {
        present = true;
        if (i < n && fmt[i] == '*') {
            ++i;
            const TVarRec& a = nextArg(argIndex++);
            if (a.VType != TVarRec::vtInteger && a.VType != TVarRec::vtInt64)
                Invalid(fmt);
            if (a.I < -100000000 || a.I > 100000000)
                Invalid(fmt);
            return static_cast<int>(a.I);
        }
        if (i >= n || fmt[i] < '0' || fmt[i] > '9') {
            present = false;
            return 0;
        }
        long long v = 0;
        while (i < n && fmt[i] >= '0' && fmt[i] <= '9') {
            v = v * 10 + (fmt[i] - '0');
            if (v > 100000000)
                Invalid(fmt);
            ++i;
        }
        return static_cast<int>(v);
    };

    while (i < n) {
        const char c = fmt[i];
        if (c != '%') {
            const size_t next = fmt.find('%', i);
            const size_t stop = next == std::string_view::npos ? n : next;
            out.append(fmt.substr(i, stop - i));
            i = stop;
            continue;
        }
        ++i;
        if (i >= n)
            Invalid(fmt);
        if (fmt[i] == '%') {
            out += '%';
            ++i;
            continue;
        }
        // %[index:][-][width][.prec]type
        bool left = false;
        bool has = false;
        int width = readNumber(has);
        if (has && i < n && fmt[i] == ':') {
            ++i;
            argIndex = width;
            has = false;
        }
        if (!has) {
            if (i < n && fmt[i] == '-') {
                left = true;
                ++i;
            }
            width = readNumber(has);
            if (!has)
                width = 0;
        }
        if (width < 0) {   // a negative width from '*' justifies to the left
            left = true;
            width = -width;
        }
        int prec = -1;
        if (i < n && fmt[i] == '.') {
            ++i;
            prec = readNumber(has);
            if (!has)
                prec = 0;
            if (prec < 0)
                prec = -1;
        }
        if (i >= n)
            Invalid(fmt);
        char type = fmt[i++];
        if (type >= 'A' && type <= 'Z')
            type = static_cast<char>(type + 32);

        std::string text;
        switch (type) {
        case 'd':
        case 'u':
        case 'x': {
            const TVarRec& a = nextArg(argIndex++);
            if (!IsIntegerArg(a))
                Invalid(fmt);
            const int minDigits = prec;
            if (type == 'x') {
                text = HexDigits(UnsignedArg(a), minDigits);
            } else if (type == 'u' || a.VType == TVarRec::vtUInt64) {
                text = Digits(UnsignedArg(a), minDigits);
            } else {
                const long long v = a.I;
                const unsigned long long mag = v < 0 ? 0ULL - static_cast<unsigned long long>(v)
                                                     : static_cast<unsigned long long>(v);
                text = Digits(mag, minDigits);
                if (v < 0)
                    text.insert(text.begin(), '-');
            }
            break;
        }
        case 'f':
        case 'e':
        case 'g':
        case 'n':
        case 'm': {
            const TVarRec& a = nextArg(argIndex++);
            if (a.VType != TVarRec::vtExtended)
                Invalid(fmt);
            switch (type) {
            case 'f':
                text = FloatToStrF(a.F, ffFixed, 18, prec < 0 ? 2 : std::min(prec, 18));
                break;
            case 'n':
                text = FloatToStrF(a.F, ffNumber, 18, prec < 0 ? 2 : std::min(prec, 18));
                break;
            case 'm':
                text = FloatToStrF(a.F, ffCurrency, 18,
                                   prec < 0 ? FormatSettings().CurrencyDecimals : std::min(prec, 18));
                break;
            case 'e':
                text = FloatToStrF(a.F, ffExponent, prec < 0 ? 15 : std::max(1, std::min(prec, 18)), 3);
                break;
            default:
                text = FloatToStrF(a.F, ffGeneral, prec < 0 ? 15 : std::max(1, std::min(prec, 18)), 0);
                break;
            }
            break;
        }
        case 's': {
            const TVarRec& a = nextArg(argIndex++);
            if (a.VType != TVarRec::vtString && a.VType != TVarRec::vtChar)
                Invalid(fmt);
            text = a.S;
            if (prec >= 0 && static_cast<int>(text.size()) > prec)
                text.resize(static_cast<size_t>(prec));
            break;
        }
        case 'c': {
            const TVarRec& a = nextArg(argIndex++);
            if (a.VType == TVarRec::vtChar)
                text = a.S;
            else if (a.VType == TVarRec::vtInteger && a.I >= 0 && a.I <= 255)
                text = std::string(1, static_cast<char>(a.I));
            else
                Invalid(fmt);
            break;
        }
        case 'p': {
            const TVarRec& a = nextArg(argIndex++);
            if (a.VType != TVarRec::vtPointer)
                Invalid(fmt);
            text = HexDigits(reinterpret_cast<uintptr_t>(a.P), static_cast<int>(sizeof(void*) * 2));
            break;
        }
        default:
            Invalid(fmt);
        }
        if (static_cast<int>(text.size()) < width) {
            const std::string pad(static_cast<size_t>(width) - text.size(), ' ');
            text = left ? text + pad : pad + text;
        }
        out += text;
    }
    return out;
}

std::string Format(std::string_view fmt, std::initializer_list<TVarRec> args)
{
    return Format(fmt, args.begin(), static_cast<int>(args.size()));
}
