#include <gtest/gtest.h>

#include <cstdint>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Strings.h"

TEST(Format, IntegersWidthAndPrecision)
{
    EXPECT_EQ(Format("%d", {42}), "42");
    EXPECT_EQ(Format("[%5d]", {42}), "[   42]");
    EXPECT_EQ(Format("[%-4d|]", {7}), "[7   |]");
    EXPECT_EQ(Format("%.3d", {5}), "005");
    EXPECT_EQ(Format("%.3d", {-5}), "-005");
    EXPECT_EQ(Format("[%6.3d]", {-5}), "[  -005]");
    EXPECT_EQ(Format("[%05d]", {3}), "[    3]");   // no zero flag: 0 is part of the width
    EXPECT_EQ(Format("[%1d]", {1234}), "[1234]");   // never cut
    EXPECT_EQ(Format("%d", {INT64_C(-9000000000)}), "-9000000000");
    EXPECT_EQ(Format("%u", {-1}), "4294967295");
    EXPECT_EQ(Format("%u", {UINT64_C(18446744073709551615)}), "18446744073709551615");
}

TEST(Format, Hexadecimal)
{
    EXPECT_EQ(Format("%x", {255}), "FF");
    EXPECT_EQ(Format("%x", {-1}), "FFFFFFFF");
    EXPECT_EQ(Format("%X", {-2}), "FFFFFFFE");
    EXPECT_EQ(Format("%x", {INT64_C(-1)}), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(Format("%.4x", {10}), "000A");
    EXPECT_EQ(Format("[%4x]", {10}), "[   A]");
}

TEST(Format, Strings)
{
    EXPECT_EQ(Format("Hello %s!", {"world"}), "Hello world!");
    EXPECT_EQ(Format("[%.2s]", {"abcdef"}), "[ab]");
    EXPECT_EQ(Format("[%5s]", {"ab"}), "[   ab]");
    EXPECT_EQ(Format("[%-5s]", {"ab"}), "[ab   ]");
    EXPECT_EQ(Format("[%5.3s]", {"abcdef"}), "[  abc]");
    EXPECT_EQ(Format("%s", {std::string("std")}), "std");
    EXPECT_EQ(Format("%s", {'c'}), "c");
    EXPECT_EQ(Format("%c%c", {'o', 'k'}), "ok");
    EXPECT_EQ(Format("%s", {L1("é")}), "\xE9");
    EXPECT_EQ(Format("100%%", {}), "100%");
    EXPECT_EQ(Format("no directive", {1}), "no directive");   // extra arguments are ignored
}

TEST(Format, IndexesAndStars)
{
    EXPECT_EQ(Format("%0:s %0:s", {"ab"}), "ab ab");
    EXPECT_EQ(Format("%1:s %0:s", {"a", "b"}), "b a");
    EXPECT_EQ(Format("%1:s %s", {"a", "b", "c"}), "b c");   // continues after the index
    EXPECT_EQ(Format("[%*d]", {6, 42}), "[    42]");
    EXPECT_EQ(Format("[%-*d]", {4, 1}), "[1   ]");
    EXPECT_EQ(Format("[%.*f]", {1, 2.25}), "[2,3]");
    EXPECT_EQ(Format("[%*.*f]", {6, 1, 2.25}), "[   2,3]");
    EXPECT_EQ(Format("%2:-4s|", {"x", "y", "z"}), "z   |");
}

TEST(Format, FloatsRoundLikeTheLibrary)
{
    EXPECT_EQ(Format("%f", {1.0}), "1,00");
    EXPECT_EQ(Format("[%5.2f]", {3.14159}), "[ 3,14]");
    EXPECT_EQ(Format("%.2f", {0.125}), "0,13");   // printf gives 0.12
    EXPECT_EQ(Format("%.2f", {2.675}), "2,67");   // stored as 2.67499999...
    EXPECT_EQ(Format("%.0f", {2.5}), "3");        // printf gives 2
    EXPECT_EQ(Format("%.0f", {-2.5}), "-3");
    EXPECT_EQ(Format("%.1f", {0.05}), "0,1");
    EXPECT_EQ(Format("%.1f", {-0.04}), "0,0");
    EXPECT_EQ(Format("%.2f", {1e6}), "1000000,00");
    EXPECT_EQ(Format("%.2f", {99.995}), "100,00");   // stored as 99.9950000000000045
    EXPECT_EQ(Format("%.2f", {1.005}), "1,00");      // stored as 1.00499999999999989
    EXPECT_EQ(Format("%n", {1234567.891}), "1 234 567,89");
    EXPECT_EQ(Format("%.0n", {1234.5}), "1 235");
    EXPECT_EQ(Format("%m", {1234.5}), L1("1 234,50 €"));
    EXPECT_EQ(Format("%e", {1.5}), "1,50000000000000E+000");
    EXPECT_EQ(Format("%.3e", {-12345.0}), "-1,23E+004");
    EXPECT_EQ(Format("%g", {1.5}), "1,5");
    EXPECT_EQ(Format("%g", {0.1 + 0.2}), "0,3");
    EXPECT_EQ(Format("%.3g", {1234.5}), "1,23E3");
    EXPECT_EQ(Format("%f", {1.5f}), "1,50");
}

TEST(Format, DecimalSeparatorFromSettings)
{
    TFormatSettings& fs = FormatSettings();
    fs.DecimalSeparator = '.';
    const std::string s = Format("%.2f", {1.5});
    fs.DecimalSeparator = ',';
    EXPECT_EQ(s, "1.50");
    EXPECT_EQ(Format("%.2f", {1.5}), "1,50");
}

TEST(Format, SettingsHoldWindows1252Names)
{
    const TFormatSettings& fs = FormatSettings();
    EXPECT_EQ(fs.LongMonthNames[1], "f\xE9vrier");
    EXPECT_EQ(fs.ShortMonthNames[11], "d\xE9" "c.");
    EXPECT_EQ(fs.LongMonthNames[7], "ao\xFBt");
    EXPECT_EQ(fs.LongDayNames[0], "dimanche");
    EXPECT_EQ(fs.CurrencyString, "\x80");
    EXPECT_EQ(&FormatSettings(), &fs);
}

TEST(Format, Pointer)
{
    int x = 0;
    const std::string s = Format("%p", {static_cast<const void*>(&x)});
    EXPECT_EQ(s.size(), sizeof(void*) * 2);
    EXPECT_EQ(s, IntToHex(static_cast<long long>(reinterpret_cast<uintptr_t>(&x)), static_cast<int>(sizeof(void*) * 2)));
}

TEST(Format, MismatchRaises)
{
    EXPECT_THROW(Format("%d", {1.5}), EFormatError);
    EXPECT_THROW(Format("%f", {1}), EFormatError);
    EXPECT_THROW(Format("%s", {1}), EFormatError);
    EXPECT_THROW(Format("%x", {"a"}), EFormatError);
    EXPECT_THROW(Format("%d %d", {1}), EFormatError);
    EXPECT_THROW(Format("%s", {}), EFormatError);
    EXPECT_THROW(Format("%3:s", {"a"}), EFormatError);
    EXPECT_THROW(Format("%k", {1}), EFormatError);
    EXPECT_THROW(Format("50%", {}), EFormatError);
    EXPECT_THROW(Format("%*d", {"a", 1}), EFormatError);
    try {
        Format("Score %d", {"abc"});
        FAIL() << "no exception";
    } catch (const EFormatError& e) {
        EXPECT_EQ(e.Message, "Format 'Score %d' incorrect ou incompatible avec l'argument");
    } catch (const Exception&) {
        FAIL() << "wrong class";
    }
}

TEST(Format, ArrayForm)
{
    const TVarRec args[] = {TVarRec(1), TVarRec("b")};
    EXPECT_EQ(Format("%d-%s", args, 2), "1-b");
    EXPECT_THROW(Format("%d-%s", args, 1), EFormatError);
}
