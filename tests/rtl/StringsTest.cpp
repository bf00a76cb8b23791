#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Strings.h"

namespace {

std::string Byte(int c) { return std::string(1, static_cast<char>(c)); }

} // namespace

TEST(Cp1252, EveryByteSurvivesTheRoundTrip)
{
    std::string all;
    for (int c = 0; c < 256; ++c)
        all += static_cast<char>(c);
    const std::string utf8 = Cp1252ToUtf8(all);
    bool lossy = true;
    EXPECT_EQ(Utf8ToCp1252(utf8, &lossy), all);
    EXPECT_FALSE(lossy);
    for (int c = 0; c < 256; ++c)
        EXPECT_EQ(UnicodeToCp1252(Cp1252ToUnicode(static_cast<unsigned char>(c))), c) << c;
}

TEST(Cp1252, TableOfTheUpperHalf)
{
    EXPECT_EQ(Cp1252ToUnicode(0x80), U'€');
    EXPECT_EQ(Cp1252ToUnicode(0x8C), U'Œ');
    EXPECT_EQ(Cp1252ToUnicode(0x9F), U'Ÿ');
    EXPECT_EQ(Cp1252ToUnicode(0x92), U'\u2019');
    EXPECT_EQ(Cp1252ToUnicode(0xE9), U'é');
    EXPECT_EQ(Cp1252ToUnicode(0x81), U'\u0081');   // unassigned: kept reversibly
    EXPECT_EQ(Cp1252ToUtf8(Byte(0x80)), "€");
    EXPECT_EQ(L1("é€Ÿœ"), "\xE9\x80\x9F\x9C");
    // U+0080 is not the euro byte: Windows-1252 has no place for it.
    EXPECT_EQ(UnicodeToCp1252(0x80), -1);
}

TEST(Cp1252, WhatCannotBeHeldBecomesAQuestionMark)
{
    bool lossy = false;
    EXPECT_EQ(Utf8ToCp1252("a\u4E2Db", &lossy), "a?b");
    EXPECT_TRUE(lossy);
    EXPECT_EQ(Utf8ToCp1252("x\xC3", &lossy), "x?");   // cut sequence
    EXPECT_TRUE(lossy);
    EXPECT_EQ(Utf8ToCp1252("\xC0\xAFz", &lossy), "?z");   // overlong form
    EXPECT_EQ(Utf8ToCp1252("plain", &lossy), "plain");
    EXPECT_FALSE(lossy);
}

// A file name is the system's (UTF-8) only when it is strictly UTF-8: a
// name written in Windows-1252 bytes is not.
TEST(Cp1252, StrictUtf8IsRecognised)
{
    const std::pair<const char*, bool> cas[] = {
        {"", true},
        {"saison.xmc", true},
        {"saison-\xC3\xA9t\xC3\xA9.xmc", true},
        {"saison-\xE9t\xE9.xmc", false},            // Windows-1252
        {"\xC0\xAF", false},                          // overlong
        {"\xED\xA0\x80", false},                      // a surrogate
        {"\xF4\x90\x80\x80", false},                  // past U+10FFFF
        {"\xE2\x82", false},                          // cut short
        {"\xF0\x9F\x98\x80", true},
    };
    for (const auto& [texte, utf8] : cas)
        EXPECT_EQ(IsUtf8(texte), utf8) << texte;
}

TEST(Substrings, OneBasedAndClipped)
{
    EXPECT_EQ(Copy("abcdef", 2, 3), "bcd");
    EXPECT_EQ(Copy("abcdef", 0, 2), "ab");
    EXPECT_EQ(Copy("abcdef", 5, 100), "ef");
    EXPECT_EQ(Copy("abcdef", 7, 1), "");
    EXPECT_EQ(Copy("abcdef", 2, -1), "");
    EXPECT_EQ(Pos("cd", "abcdcd"), 3);
    EXPECT_EQ(Pos("x", "abc"), 0);
    EXPECT_EQ(Pos("", "abc"), 0);
    EXPECT_EQ(PosEx("cd", "abcdcd", 4), 5);
    EXPECT_EQ(PosEx("cd", "abcdcd", 7), 0);
    EXPECT_EQ(PosEx("a", "abc", 0), 0);

    std::string s = "abcdef";
    Delete(s, 2, 2);
    EXPECT_EQ(s, "adef");
    Delete(s, 0, 2);   // before the start: nothing
    EXPECT_EQ(s, "adef");
    Delete(s, 3, 99);
    EXPECT_EQ(s, "ad");
    Insert("XY", s, 2);
    EXPECT_EQ(s, "aXYd");
    Insert("!", s, 99);
    EXPECT_EQ(s, "aXYd!");
    Insert("<", s, -3);
    EXPECT_EQ(s, "<aXYd!");

    EXPECT_EQ(StringOfChar('-', 19), "-------------------");
    EXPECT_EQ(StringOfChar('-', -1), "");
    EXPECT_EQ(DupeString("ab", 3), "ababab");
    EXPECT_EQ(LeftStr("abc", 5), "abc");
    EXPECT_EQ(RightStr("abc", 2), "bc");
    EXPECT_EQ(QuotedStr("it's"), "'it''s'");
}

TEST(Trim, RemovesBlanksAndControlCharactersOnly)
{
    EXPECT_EQ(Trim("\t\r\n  a b \x01\x1F"), "a b");
    EXPECT_EQ(TrimLeft("\r\n x "), "x ");
    EXPECT_EQ(TrimRight(" x \r\n"), " x");
    EXPECT_EQ(Trim(" \t "), "");
    // A non-breaking space (0xA0) and accented letters are text.
    EXPECT_EQ(Trim("\xA0" "a\xA0"), "\xA0" "a\xA0");
    EXPECT_EQ(Trim(" \xE9 "), "\xE9");
}

TEST(Case, AsciiFunctionsLeaveAccentsAlone)
{
    EXPECT_EQ(UpperCase("abz\xE9\xFF"), "ABZ\xE9\xFF");
    EXPECT_EQ(LowerCase("ABZ\xC9"), "abz\xC9");
    EXPECT_EQ(UpCase('q'), 'Q');
    EXPECT_EQ(UpCase('\xE9'), '\xE9');
}

TEST(Case, AnsiTablesOverAllBytes)
{
    for (int c = 0; c < 256; ++c) {
        int up = c, low = c;
        if (c >= 'a' && c <= 'z')
            up = c - 32;
        if (c >= 'A' && c <= 'Z')
            low = c + 32;
        if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
            up = c - 32;
        if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
            low = c + 32;
        if (c == 0x9A || c == 0x9C || c == 0x9E)
            up = c - 16;
        if (c == 0x8A || c == 0x8C || c == 0x8E)
            low = c + 16;
        if (c == 0xFF)
            up = 0x9F;
        if (c == 0x9F)
            low = 0xFF;
        EXPECT_EQ(AnsiUpperChar(static_cast<unsigned char>(c)), up) << c;
        EXPECT_EQ(AnsiLowerChar(static_cast<unsigned char>(c)), low) << c;
    }
    // The ones a rewrite gets wrong: multiplication and division signs, sharp s, micro.
    EXPECT_EQ(AnsiUpperCase("\xF7\xDF\xB5\xFF"), "\xF7\xDF\xB5\x9F");
    EXPECT_EQ(AnsiLowerCase("\xD7\x9F\xC9"), "\xD7\xFF\xE9");
    EXPECT_EQ(AnsiUpperCase(L1("élève œuvre")), L1("ÉLÈVE ŒUVRE"));
}

TEST(Compare, ByteAndAsciiOrders)
{
    EXPECT_LT(CompareStr("A", "a"), 0);
    EXPECT_GT(CompareStr("\xE9", "z"), 0);   // unsigned bytes
    EXPECT_LT(CompareStr("ab", "abc"), 0);
    EXPECT_EQ(CompareText("HeLLo", "hello"), 0);
    EXPECT_NE(CompareText("\xC9", "\xE9"), 0);   // accents are not folded
    EXPECT_LT(CompareText("abc", "ABD"), 0);
    EXPECT_LT(CompareText("[", "a"), 0);   // '[' sorts before letters when lower-cased
    EXPECT_TRUE(SameText("Date", "DATE"));
    EXPECT_FALSE(SameText("Date", "Dates"));
}

TEST(Compare, AnsiOrderOfNames)
{
    // Accents and case count only when the letters are equal.
    EXPECT_LT(AnsiCompareText(L1("Éric"), "Erica"), 0);
    EXPECT_LT(AnsiCompareText(L1("étienne"), "Eva"), 0);
    EXPECT_LT(AnsiCompareText("Eric", L1("Éric")), 0);
    EXPECT_GT(AnsiCompareText("zoe", L1("Œdipe")), 0);
    EXPECT_NE(AnsiCompareText("abc", "ABC"), 0);   // equal only for equal strings
    EXPECT_EQ(AnsiCompareText("abc", "abc"), 0);
    EXPECT_EQ(AnsiCompareText("b", "A"), -AnsiCompareText("A", "b"));
    EXPECT_TRUE(AnsiSameText(L1("ÉLÈVE"), L1("élève")));
    EXPECT_FALSE(AnsiSameText(L1("élève"), "eleve"));
    // Ligatures and the sharp s weigh as two letters.
    EXPECT_LT(AnsiCompareText(L1("Œdipe"), "Oedipf"), 0);
    EXPECT_GT(AnsiCompareText(L1("Œdipe"), "Oedipd"), 0);
    EXPECT_LT(AnsiCompareText(L1("Straße"), "Strassf"), 0);
    EXPECT_NE(AnsiCompareText(L1("Straße"), "Strasse"), 0);
    // A sorted list of names: accents do not push a name to the end.
    std::vector<std::string> names = {"Zidane", L1("Éboué"), "ebert", "Abidal", L1("Ébert"), "Ebert", "eboue"};
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return AnsiCompareText(a, b) < 0; });
    EXPECT_EQ(names, (std::vector<std::string>{"Abidal", "Ebert", "ebert", L1("Ébert"), "eboue", L1("Éboué"), "Zidane"}));
    EXPECT_LT(AnsiCompareStr("abc", "Abc"), 0);   // lower case first
    EXPECT_LT(AnsiCompareStr("Abc", "abd"), 0);   // letters before case
}

TEST(Replace, FlagsAndOverlaps)
{
    EXPECT_EQ(StringReplace("a.b.c", ".", "-", 0), "a-b.c");
    EXPECT_EQ(StringReplace("a.b.c", ".", "-", rfReplaceAll), "a-b-c");
    EXPECT_EQ(StringReplace("aXbxc", "x", "", rfReplaceAll | rfIgnoreCase), "abc");
    EXPECT_EQ(StringReplace(L1("ÉtÉ"), L1("é"), "e", rfReplaceAll | rfIgnoreCase), "ete");
    EXPECT_EQ(StringReplace("aaa", "aa", "b", rfReplaceAll), "ba");
    EXPECT_EQ(StringReplace("abc", "", "x", rfReplaceAll), "abc");
    EXPECT_EQ(StringReplace("&amp;lt;", "&amp;", "&", rfReplaceAll), "&lt;");   // one pass
}

TEST(Integers, ToText)
{
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(-2147483647 - 1), "-2147483648");
    EXPECT_EQ(IntToStr(static_cast<int16_t>(0xFFFE)), "-2");
    EXPECT_EQ(IntToHex(255, 4), "00FF");
    EXPECT_EQ(IntToHex(0xABCDEF, 2), "ABCDEF");
    EXPECT_EQ(IntToHex(-1, 2), "FFFFFFFF");
    EXPECT_EQ(IntToHex(-2, 8), "FFFFFFFE");
    EXPECT_EQ(IntToHex(0x123456789LL, 1), "123456789");
}

TEST(Integers, StrToIntDefIsStrict)
{
    EXPECT_EQ(StrToIntDef("12", -1), 12);
    EXPECT_EQ(StrToIntDef(" 12", -1), 12);
    EXPECT_EQ(StrToIntDef("-7", 0), -7);
    EXPECT_EQ(StrToIntDef("+7", 0), 7);
    EXPECT_EQ(StrToIntDef("12a", -1), -1);
    EXPECT_EQ(StrToIntDef("12 ", -1), -1);
    EXPECT_EQ(StrToIntDef("1.5", -1), -1);
    EXPECT_EQ(StrToIntDef("", -1), -1);
    EXPECT_EQ(StrToIntDef(" ", -1), -1);
    EXPECT_EQ(StrToIntDef("-", -1), -1);
    EXPECT_EQ(StrToIntDef("2147483647", 0), INT_MAX);
    EXPECT_EQ(StrToIntDef("-2147483648", 0), INT_MIN);
    EXPECT_EQ(StrToIntDef("2147483648", -1), -1);
    EXPECT_EQ(StrToIntDef("99999999999999999999", -1), -1);
    EXPECT_EQ(StrToIntDef("$FF", -1), 255);
    EXPECT_EQ(StrToIntDef("0x1f", -1), 31);
    EXPECT_EQ(StrToIntDef("$FFFFFFFF", 0), -1);
    EXPECT_EQ(StrToIntDef("$1FFFFFFFF", 0), 0);
    EXPECT_EQ(StrToIntDef("$", 5), 5);
    int v = 3;
    EXPECT_FALSE(TryStrToInt("x", v));
    EXPECT_EQ(v, 3);
    EXPECT_TRUE(TryStrToInt("0042", v));
    EXPECT_EQ(v, 42);
    long long w = 0;
    EXPECT_TRUE(TryStrToInt64("-9223372036854775808", w));
    EXPECT_EQ(w, LLONG_MIN);
    EXPECT_FALSE(TryStrToInt64("9223372036854775808", w));
    EXPECT_EQ(StrToInt64Def("5000000000", 0), 5000000000LL);
}

TEST(Integers, StrToIntRaisesWithTheMessage)
{
    try {
        StrToInt("12a");
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message, L1("'12a' n'est pas une valeur entière correcte"));
    }
    EXPECT_EQ(StrToInt("-12"), -12);
}

TEST(Floats, FloatToStrHasFifteenDigits)
{
    EXPECT_EQ(FloatToStr(0), "0");
    EXPECT_EQ(FloatToStr(-0.0), "0");
    EXPECT_EQ(FloatToStr(1.5), "1,5");
    EXPECT_EQ(FloatToStr(0.1), "0,1");
    EXPECT_EQ(FloatToStr(0.1 + 0.2), "0,3");
    EXPECT_EQ(FloatToStr(1.0 / 3), "0,333333333333333");
    EXPECT_EQ(FloatToStr(2.0 / 3), "0,666666666666667");
    EXPECT_EQ(FloatToStr(-42), "-42");
    EXPECT_EQ(FloatToStr(123456789012345.0), "123456789012345");
    EXPECT_EQ(FloatToStr(1e15), "1E15");
    EXPECT_EQ(FloatToStr(0.00001), "0,00001");
    EXPECT_EQ(FloatToStr(1.5e-7), "1,5E-7");
    EXPECT_EQ(FloatToStr(9.9999999999999999), "10");
}

TEST(Floats, FormatFloatPictures)
{
    EXPECT_EQ(FormatFloat("0.00", 3.14159), "3,14");
    EXPECT_EQ(FormatFloat("0.00", 0.125), "0,13");    // halves away from zero
    EXPECT_EQ(FormatFloat("0.00", 2.675), "2,67");    // 2.675 is stored just below
    EXPECT_EQ(FormatFloat("0", 2.5), "3");
    EXPECT_EQ(FormatFloat("0", -2.5), "-3");
    EXPECT_EQ(FormatFloat("0.00", -0.001), "0,00");   // no "-0,00"
    EXPECT_EQ(FormatFloat("#,##0", 1234567), "1 234 567");
    EXPECT_EQ(FormatFloat("#,##0", 999), "999");
    EXPECT_EQ(FormatFloat("#,##0", -1000), "-1 000");
    EXPECT_EQ(FormatFloat("#,##0.0", 1234.56), "1 234,6");
    EXPECT_EQ(FormatFloat("0.0%", 12.345), "12,3%");   // '%' is a plain character
    EXPECT_EQ(FormatFloat("0.##", 1), "1");
    EXPECT_EQ(FormatFloat("0.##", 1.5), "1,5");
    EXPECT_EQ(FormatFloat("#.##", 0.5), ",5");
    EXPECT_EQ(FormatFloat("000", 7), "007");
    EXPECT_EQ(FormatFloat("0", 12345), "12345");
    EXPECT_EQ(FormatFloat("#", 0), "");
    EXPECT_EQ(FormatFloat("00-00", 1234), "12-34");
    EXPECT_EQ(FormatFloat("\"n\xB0 \"0", 5), "n\xB0 5");
    EXPECT_EQ(FormatFloat("0.00E+00", 1234.5), "1,23E+03");
    EXPECT_EQ(FormatFloat("0.0E-0", 0.00012), "1,2E-4");
    EXPECT_EQ(FormatFloat("", 1.5), "1,5");
}

TEST(Floats, FormatFloatSections)
{
    const char* pic = "#,##0.00;(#,##0.00);\"nul\"";
    EXPECT_EQ(FormatFloat(pic, 1234.5), "1 234,50");
    EXPECT_EQ(FormatFloat(pic, -1234.5), "(1 234,50)");
    EXPECT_EQ(FormatFloat(pic, 0), "nul");
    EXPECT_EQ(FormatFloat(pic, 0.001), "nul");   // zero once rounded
    EXPECT_EQ(FormatFloat("0;;\"nul\"", -3), "-3");   // empty section: the first one
    EXPECT_EQ(FormatFloat("0;", -3), "-3");
}

TEST(Floats, ReadingUsesTheDecimalSeparator)
{
    double v = 0;
    EXPECT_TRUE(TryStrToFloat(" 1,5 ", v));
    EXPECT_DOUBLE_EQ(v, 1.5);
    EXPECT_TRUE(TryStrToFloat("-2,5E3", v));
    EXPECT_DOUBLE_EQ(v, -2500);
    EXPECT_TRUE(TryStrToFloat("7", v));
    EXPECT_DOUBLE_EQ(v, 7);
    EXPECT_FALSE(TryStrToFloat("1.5", v));
    EXPECT_FALSE(TryStrToFloat("1,5x", v));
    EXPECT_FALSE(TryStrToFloat("", v));
    EXPECT_FALSE(TryStrToFloat(",", v));
    EXPECT_FALSE(TryStrToFloat("1E", v));
    EXPECT_DOUBLE_EQ(StrToFloatDef("abc", 9.5), 9.5);
    EXPECT_THROW(StrToFloat("1..2"), EConvertError);

    TFormatSettings& fs = FormatSettings();
    fs.DecimalSeparator = '.';
    EXPECT_TRUE(TryStrToFloat("1.25", v));
    EXPECT_EQ(FloatToStr(1.25), "1.25");
    fs.DecimalSeparator = ',';
    EXPECT_DOUBLE_EQ(v, 1.25);
}

TEST(Floats, RoundHalvesToEven)
{
    EXPECT_EQ(Round(2.5), 2);
    EXPECT_EQ(Round(3.5), 4);
    EXPECT_EQ(Round(-2.5), -2);
    EXPECT_EQ(Round(2.51), 3);
    EXPECT_EQ(Round(-0.4), 0);
    EXPECT_EQ(Trunc(-2.9), -2);
    EXPECT_EQ(Trunc(2.9), 2);
}

TEST(Floats, FloatToStrFFormats)
{
    EXPECT_EQ(FloatToStrF(1234.5, ffFixed, 18, 2), "1234,50");
    EXPECT_EQ(FloatToStrF(1234.5, ffNumber, 18, 1), "1 234,5");
    EXPECT_EQ(FloatToStrF(-1234.5, ffCurrency, 18, 2), L1("-1 234,50 €"));
    EXPECT_EQ(FloatToStrF(1.5, ffExponent, 4, 2), "1,500E+00");
    EXPECT_EQ(FloatToStrF(123456, ffGeneral, 3, 0), "1,23E5");
    TFloatRec r = FloatToDecimal(0.0996, 18, 2);
    EXPECT_EQ(r.Digits, "1");
    EXPECT_EQ(r.Exponent, 0);
}
