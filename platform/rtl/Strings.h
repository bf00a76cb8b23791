// 8-bit strings. Text is Windows-1252 bytes held in std::string (the program's
// AnsiString). Positions are 1-based, as everywhere in the program. Nothing here
// depends on the C locale.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

using AnsiString = std::string;

// ---- Windows-1252 <-> UTF-8 ------------------------------------------------
// Full table of all 256 bytes. The five unassigned bytes (0x81 0x8D 0x8F 0x90
// 0x9D) map to U+0081.. and back, so no byte is ever lost. A character that
// Windows-1252 cannot hold becomes '?' (and *lossy is set when given).
std::string Cp1252ToUtf8(std::string_view s);
std::string Utf8ToCp1252(std::string_view s, bool* lossy = nullptr);
char32_t Cp1252ToUnicode(unsigned char c);
int UnicodeToCp1252(char32_t u);   // -1 when it has no byte
// A strict UTF-8 check: well-formed sequences, no overlongs, no surrogates.
bool IsUtf8(std::string_view s);
// Source files are UTF-8: every literal with accents goes through this.
inline std::string L1(std::string_view utf8) { return Utf8ToCp1252(utf8); }
// A character Windows-1252 cannot hold (a letter of a name the system gives:
// a file, a printer) travels in the program's text as a NUL, its code in
// decimal and ';'. A season's text never holds a NUL (a document holding one
// is refused, a box drops control characters), so none of its bytes is ever
// read so. KeptCharAt: the character of the sequence at s[i] and the position
// after it, false when s[i] opens none; AppendKeptChar writes one.
bool KeptCharAt(std::string_view s, size_t i, char32_t& u, size_t& end);
void AppendKeptChar(std::string& out, char32_t u);

// ---- substrings (1-based) --------------------------------------------------
std::string Copy(std::string_view s, int index, int count);   // out of range: clipped, never throws
int Pos(std::string_view sub, std::string_view s);            // 0 when absent
int PosEx(std::string_view sub, std::string_view s, int offset = 1);
void Delete(std::string& s, int index, int count);
void Insert(std::string_view sub, std::string& s, int index);
inline int Length(std::string_view s) { return static_cast<int>(s.size()); }
std::string StringOfChar(char c, int count);
std::string DupeString(std::string_view s, int count);
std::string LeftStr(std::string_view s, int count);
std::string RightStr(std::string_view s, int count);

// Blanks and control characters (bytes <= 0x20) are trimmed.
std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);

// ---- case ------------------------------------------------------------------
std::string UpperCase(std::string_view s);        // a-z only
std::string LowerCase(std::string_view s);        // A-Z only
char UpCase(char c);                              // a-z only
// Windows-1252 letters: ASCII, 0xC0-0xDE <-> 0xE0-0xFE (but 0xD7, 0xF7),
// 0x8A/0x9A, 0x8C/0x9C, 0x8E/0x9E, 0x9F/0xFF. 0xDF and 0xB5 have no capital.
std::string AnsiUpperCase(std::string_view s);
std::string AnsiLowerCase(std::string_view s);
unsigned char AnsiUpperChar(unsigned char c);
unsigned char AnsiLowerChar(unsigned char c);

// ---- comparison (<0, 0, >0) -------------------------------------------------
int CompareStr(std::string_view a, std::string_view b);       // bytes
int CompareText(std::string_view a, std::string_view b);      // ASCII case folded
bool SameText(std::string_view a, std::string_view b);
// Case-insensitive ordering of names, the same for every sorted list of people:
// letters compared without accents and case first, then with accents without
// case, then the raw bytes. Equal only for equal strings.
int AnsiCompareText(std::string_view a, std::string_view b);
bool AnsiSameText(std::string_view a, std::string_view b);   // equal after the case fold (accents count)
int AnsiCompareStr(std::string_view a, std::string_view b);

// ---- replacing -----------------------------------------------------------------
enum TReplaceFlag : unsigned { rfReplaceAll = 1, rfIgnoreCase = 2 };
std::string StringReplace(std::string_view s, std::string_view oldPattern,
                          std::string_view newPattern, unsigned flags);

// ---- numbers -----------------------------------------------------------------
std::string IntToStr(long long v);
std::string IntToHex(long long v, int digits);   // upper case, negative as 32-bit two's complement
// Decimal with optional sign and leading blanks; "$" or "0x" prefix read as hex.
// Trailing garbage, empty text and overflow of 32 bits fail.
int StrToInt(std::string_view s);                 // raises EConvertError "'x' n'est pas une valeur entière correcte"
int StrToIntDef(std::string_view s, int def);
bool TryStrToInt(std::string_view s, int& value);
long long StrToInt64Def(std::string_view s, long long def);
bool TryStrToInt64(std::string_view s, long long& value);

// Floats use the settings' decimal separator (see Format.h, FormatSettings).
std::string FloatToStr(double v);                        // 15 significant digits, as the library
std::string FormatFloat(std::string_view format, double v);   // "0.00", "#,##0.0", "0%"...
double StrToFloat(std::string_view s);                   // raises EConvertError
double StrToFloatDef(std::string_view s, double def);
bool TryStrToFloat(std::string_view s, double& value);
// Rounding of the library: halves to the even neighbour.
long long Round(double v);
long long Trunc(double v);

// The library's float conversions, shared by Format and FormatFloat.
enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };
// ffGeneral: shortest text with `precision` significant digits, scientific when
// the value is below 0.00001 or has more integer digits than `precision`
// (`digits` = least exponent digits). ffExponent: d.ddd E+ddd with `precision`
// significant digits. ffFixed, ffNumber (thousand separators), ffCurrency:
// `digits` decimals. Halves are rounded away from zero on the decimal digits.
std::string FloatToStrF(double v, TFloatFormat format, int precision, int digits);
// Decimal digits of a value: value = 0.Digits x 10^Exponent, at most `precision`
// significant digits (<= 18) and `decimals` digits after the point, rounded half
// away from zero; no trailing zeros. Zero gives empty Digits and Exponent 0.
struct TFloatRec
{
    int Exponent = 0;
    bool Negative = false;
    bool Nan = false;
    bool Infinite = false;
    std::string Digits;
};
TFloatRec FloatToDecimal(double v, int precision, int decimals);

std::string QuotedStr(std::string_view s);   // 'it''s'
