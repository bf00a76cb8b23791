// Format() with the library's directives: %d %u %x %s %f %e %g %n %m %p %c %%,
// argument index ("%0:s"), width, precision, '-' and '*'. A directive that does
// not match its argument, or a missing argument, raises EFormatError.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// Settings that Format, FloatToStr, dates and the views read. French by default.
struct TFormatSettings
{
    char DecimalSeparator = ',';
    char ThousandSeparator = ' ';
    char DateSeparator = '/';
    char TimeSeparator = ':';
    std::string ShortDateFormat = "dd/mm/yyyy";
    std::string LongDateFormat = "dddd d mmmm yyyy";
    std::string ShortTimeFormat = "hh:nn";
    std::string LongTimeFormat = "hh:nn:ss";
    std::string ShortMonthNames[12] = {"janv.", "févr.", "mars", "avr.", "mai", "juin",
                                       "juil.", "août", "sept.", "oct.", "nov.", "déc."};
    std::string LongMonthNames[12] = {"janvier", "février", "mars", "avril", "mai", "juin",
                                      "juillet", "août", "septembre", "octobre", "novembre", "décembre"};
    std::string ShortDayNames[7] = {"dim.", "lun.", "mar.", "mer.", "jeu.", "ven.", "sam."};
    std::string LongDayNames[7] = {"dimanche", "lundi", "mardi", "mercredi", "jeudi", "vendredi", "samedi"};
    int CurrencyDecimals = 2;
    std::string CurrencyString = "€";
};
// The one settings record of the program (names above are stored as Windows-1252
// bytes once the runtime starts; the initialisers are converted on first use).
TFormatSettings& FormatSettings();

// One argument of Format: the library's "array of const".
struct TVarRec
{
    enum Kind { vtInteger, vtInt64, vtUInt64, vtExtended, vtString, vtChar, vtPointer };
    Kind VType;
    long long I = 0;
    unsigned long long U = 0;
    double F = 0;
    std::string S;
    const void* P = nullptr;

    TVarRec(int v) : VType(vtInteger), I(v) {}
    TVarRec(unsigned v) : VType(vtInt64), I(v) {}
    TVarRec(long v) : VType(vtInt64), I(v) {}
    TVarRec(long long v) : VType(vtInt64), I(v) {}
    TVarRec(unsigned long v) : VType(vtUInt64), U(v) {}
    TVarRec(unsigned long long v) : VType(vtUInt64), U(v) {}
    TVarRec(short v) : VType(vtInteger), I(v) {}
    TVarRec(unsigned short v) : VType(vtInteger), I(v) {}
    TVarRec(unsigned char v) : VType(vtInteger), I(v) {}
    TVarRec(double v) : VType(vtExtended), F(v) {}
    TVarRec(float v) : VType(vtExtended), F(v) {}
    TVarRec(char c) : VType(vtChar), S(1, c) {}
    TVarRec(const char* s) : VType(vtString), S(s ? s : "") {}
    TVarRec(std::string s) : VType(vtString), S(std::move(s)) {}
    TVarRec(std::string_view s) : VType(vtString), S(s) {}
    TVarRec(const void* p) : VType(vtPointer), P(p) {}
};

std::string Format(std::string_view fmt, std::initializer_list<TVarRec> args);
std::string Format(std::string_view fmt, const TVarRec* args, int count);
