#include <gtest/gtest.h>

#include <vector>

#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Strings.h"

namespace {

struct Ymd
{
    int y, m, d;
    bool operator==(const Ymd&) const = default;
};

Ymd Decode(TDateTime dt)
{
    Ymd r{};
    DecodeDate(dt, r.y, r.m, r.d);
    return r;
}

// Restores the settings a test changes.
struct SettingsGuard
{
    TFormatSettings saved = FormatSettings();
    ~SettingsGuard() { FormatSettings() = saved; }
};

} // namespace

TEST(Dates, CalendarRules)
{
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_FALSE(IsLeapYear(2023));
    EXPECT_EQ(DaysInMonth(2024, 2), 29);
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
    EXPECT_EQ(DaysInMonth(2023, 12), 31);
    EXPECT_EQ(DaysInMonth(2023, 13), 0);
    EXPECT_TRUE(IsValidDate(2000, 2, 29));
    EXPECT_FALSE(IsValidDate(1900, 2, 29));
    EXPECT_FALSE(IsValidDate(0, 1, 1));
    EXPECT_FALSE(IsValidDate(10000, 1, 1));
}

TEST(Dates, SerialNumbersAroundTheEpoch)
{
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
    EXPECT_EQ(EncodeDate(1899, 12, 31), 1);
    EXPECT_EQ(EncodeDate(1899, 12, 29), -1);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2);
    EXPECT_EQ(EncodeDate(1900, 3, 1), 61);   // no phantom 29/02/1900
    EXPECT_EQ(EncodeDate(2000, 1, 1), 36526);
    EXPECT_EQ(EncodeDate(1, 1, 1), MinDateTime);
    EXPECT_EQ(Decode(0), (Ymd{1899, 12, 30}));
    EXPECT_EQ(Decode(-1), (Ymd{1899, 12, 29}));
    EXPECT_EQ(Decode(MinDateTime), (Ymd{1, 1, 1}));
    EXPECT_EQ(Decode(EncodeDate(9999, 12, 31)), (Ymd{9999, 12, 31}));
    EXPECT_EQ(Decode(MinDateTime - 1), (Ymd{0, 0, 0}));
    // Every day of a few years around the epoch and 29 February comes back.
    for (TDateTime d = EncodeDate(1895, 1, 1); d <= EncodeDate(1905, 1, 1); d += 1) {
        const Ymd r = Decode(d);
        EXPECT_EQ(EncodeDate(r.y, r.m, r.d), d);
    }
    EXPECT_EQ(Decode(EncodeDate(2024, 2, 29)), (Ymd{2024, 2, 29}));
    EXPECT_EQ(Decode(EncodeDate(2024, 2, 29) + 1), (Ymd{2024, 3, 1}));
    EXPECT_EQ(Decode(EncodeDate(2000, 2, 28) + 1), (Ymd{2000, 2, 29}));
}

TEST(Dates, NegativeValuesKeepTheTimeAsAFraction)
{
    int h, n, s, ms;
    EXPECT_EQ(Decode(-1.25), (Ymd{1899, 12, 29}));
    DecodeTime(-1.25, h, n, s, ms);
    EXPECT_EQ(h, 6);
    EXPECT_EQ(Decode(-0.5), (Ymd{1899, 12, 30}));   // truncation toward zero
    DecodeTime(-0.5, h, n, s, ms);
    EXPECT_EQ(h, 12);
    EXPECT_EQ(DateOf(-1.25), -1);
    EXPECT_DOUBLE_EQ(TimeOf(-1.25), 0.25);
    EXPECT_EQ(DateTimeToStr(-1.25), "29/12/1899 06:00:00");
    // A day earlier than 30/12/1899 06:00 is 29/12/1899 06:00, not 18:00.
    EXPECT_EQ(DateTimeToStr(IncDay(0.25, -1)), "29/12/1899 06:00:00");
    EXPECT_EQ(DateTimeToStr(IncDay(-1.25, 2)), "31/12/1899 06:00:00");
}

TEST(Dates, EncodeRaisesOnInvalidDates)
{
    EXPECT_THROW(EncodeDate(2023, 2, 29), EConvertError);
    EXPECT_THROW(EncodeDate(2023, 0, 1), EConvertError);
    EXPECT_THROW(EncodeDate(2023, 1, 32), EConvertError);
    EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
    EXPECT_THROW(EncodeTime(0, 60, 0, 0), EConvertError);
    TDateTime d = 5;
    EXPECT_FALSE(TryEncodeDate(1900, 2, 29, d));
    EXPECT_EQ(d, 5);
    EXPECT_TRUE(TryEncodeDate(1904, 2, 29, d));
}

TEST(Dates, TimesRoundToTheMillisecond)
{
    const TDateTime t = EncodeTime(23, 59, 59, 999);
    int h, n, s, ms;
    DecodeTime(t, h, n, s, ms);
    EXPECT_EQ((std::vector<int>{h, n, s, ms}), (std::vector<int>{23, 59, 59, 999}));
    DecodeTime(EncodeDate(2020, 5, 1) + EncodeTime(13, 7, 9, 5), h, n, s, ms);
    EXPECT_EQ((std::vector<int>{h, n, s, ms}), (std::vector<int>{13, 7, 9, 5}));
    // A hair before midnight is midnight of the next day.
    EXPECT_EQ(Decode(EncodeDate(2020, 5, 1) + 0.9999999999), (Ymd{2020, 5, 2}));
}

TEST(Dates, DayOfWeekStartsOnSunday)
{
    EXPECT_EQ(DayOfWeek(0), 7);                        // Saturday 30/12/1899
    EXPECT_EQ(DayOfWeek(-1), 6);                       // Friday
    EXPECT_EQ(DayOfWeek(-1.75), 6);
    EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 24)), 1);
    EXPECT_EQ(DayOfWeek(EncodeDate(2024, 2, 29)), 5);  // Thursday
    EXPECT_EQ(DayOfWeek(EncodeDate(2000, 1, 2)), 1);   // Sunday
    EXPECT_EQ(DayOfWeek(EncodeDate(2000, 1, 2) + 0.99), 1);
    EXPECT_EQ(DayOfWeek(EncodeDate(1, 1, 1)), 2);      // Monday
}

TEST(Dates, IncMonthClipsTheDay)
{
    EXPECT_EQ(IncMonth(EncodeDate(2024, 1, 31)), EncodeDate(2024, 2, 29));
    EXPECT_EQ(IncMonth(EncodeDate(2023, 1, 31)), EncodeDate(2023, 2, 28));
    EXPECT_EQ(IncMonth(EncodeDate(2024, 2, 29), 12), EncodeDate(2025, 2, 28));
    EXPECT_EQ(IncMonth(EncodeDate(2024, 3, 31), -13), EncodeDate(2023, 2, 28));
    EXPECT_EQ(IncMonth(EncodeDate(2023, 12, 15), 1), EncodeDate(2024, 1, 15));
    EXPECT_EQ(IncMonth(EncodeDate(2024, 1, 15), -1), EncodeDate(2023, 12, 15));
    EXPECT_DOUBLE_EQ(IncMonth(EncodeDate(2024, 1, 15) + 0.5, 1), EncodeDate(2024, 2, 15) + 0.5);
    EXPECT_EQ(DateTimeToStr(IncMonth(-1.25, 1)), "29/01/1900 06:00:00");
    EXPECT_EQ(YearOf(EncodeDate(1999, 7, 4)), 1999);
}

TEST(Dates, UnixTime)
{
    EXPECT_EQ(UnixToDateTime(0), EncodeDate(1970, 1, 1));
    EXPECT_DOUBLE_EQ(UnixToDateTime(86400 + 43200), EncodeDate(1970, 1, 2) + 0.5);
    EXPECT_EQ(DateTimeToUnix(EncodeDate(2024, 1, 1)), 1704067200);
    EXPECT_EQ(DateTimeToUnix(UnixToDateTime(-86399)), -86399);
    EXPECT_EQ(DateTimeToUnix(UnixToDateTime(-2209075200LL - 3600)), -2209075200LL - 3600);   // before 1900
}

TEST(Dates, NowIsCoherent)
{
    const TDateTime now = Now();
    EXPECT_GT(now, EncodeDate(2020, 1, 1));
    EXPECT_EQ(Date(), DateOf(Date()));
    EXPECT_LT(Time(), 1.0);
    EXPECT_GE(Time(), 0.0);
}

TEST(FormatDateTime, Letters)
{
    const TDateTime dt = EncodeDate(2024, 2, 29) + EncodeTime(13, 5, 9, 7);
    EXPECT_EQ(FormatDateTime("d/m/yy", dt), "29/2/24");
    EXPECT_EQ(FormatDateTime("dd/mm/yyyy", EncodeDate(2024, 3, 5)), "05/03/2024");
    EXPECT_EQ(FormatDateTime("d m", EncodeDate(2024, 3, 5)), "5 3");
    EXPECT_EQ(FormatDateTime("ddd dddd", dt), "jeu. jeudi");
    EXPECT_EQ(FormatDateTime("mmm mmmm", dt), L1("févr. février"));
    EXPECT_EQ(FormatDateTime("ddddd", dt), "29/02/2024");
    EXPECT_EQ(FormatDateTime("dddddd", dt), L1("jeudi 29 février 2024"));
    EXPECT_EQ(FormatDateTime("h:n:s", dt), "13:5:9");
    EXPECT_EQ(FormatDateTime("hh:nn:ss.zzz", dt), "13:05:09.007");
    EXPECT_EQ(FormatDateTime("z", dt), "7");
    EXPECT_EQ(FormatDateTime("hh:mm", dt), "13:05");     // m after h is the minute
    EXPECT_EQ(FormatDateTime("hh mmmm", dt), L1("13 février"));
    EXPECT_EQ(FormatDateTime("t|tt", dt), "13:05|13:05:09");
    EXPECT_EQ(FormatDateTime("c", dt), "29/02/2024 13:05:09");
    EXPECT_EQ(FormatDateTime("c", EncodeDate(2024, 2, 29)), "29/02/2024");
    EXPECT_EQ(FormatDateTime("", EncodeDate(2024, 2, 29)), "29/02/2024");
    EXPECT_EQ(FormatDateTime("\"le\" d 'de' mmmm", dt), L1("le 29 de février"));
    EXPECT_EQ(FormatDateTime("YYYY-MM-DD", dt), "2024-02-29");
    EXPECT_EQ(FormatDateTime("yyyy", EncodeDate(33, 1, 1)), "0033");
    EXPECT_EQ(FormatDateTime("yy", EncodeDate(2005, 1, 1)), "05");
}

TEST(FormatDateTime, TwelveHourClock)
{
    EXPECT_EQ(FormatDateTime("h:nn am/pm", EncodeTime(0, 5, 0, 0)), "12:05 am");
    EXPECT_EQ(FormatDateTime("h:nn AM/PM", EncodeTime(13, 5, 0, 0)), "1:05 PM");
    EXPECT_EQ(FormatDateTime("hh a/p", EncodeTime(12, 0, 0, 0)), "12 p");
    EXPECT_EQ(FormatDateTime("h A/P", EncodeTime(11, 0, 0, 0)), "11 A");
}

TEST(FormatDateTime, SeparatorsAndNamesFromSettings)
{
    SettingsGuard guard;
    TFormatSettings& fs = FormatSettings();
    fs.DateSeparator = '.';
    fs.TimeSeparator = 'h';
    const TDateTime dt = EncodeDate(2024, 7, 14) + EncodeTime(9, 30, 0, 0);
    EXPECT_EQ(FormatDateTime("dd/mm/yyyy hh:nn", dt), "14.07.2024 09h30");
    fs.LongMonthNames[6] = "July";
    EXPECT_EQ(FormatDateTime("mmmm", dt), "July");
}

TEST(DateText, DateToStrAndBack)
{
    EXPECT_EQ(DateToStr(EncodeDate(1900, 1, 1)), "01/01/1900");
    EXPECT_EQ(DateToStr(0), "30/12/1899");
    EXPECT_EQ(TimeToStr(EncodeTime(7, 8, 9, 0)), "07:08:09");
    EXPECT_EQ(DateTimeToStr(EncodeDate(2024, 2, 29) + EncodeTime(7, 8, 9, 0)), "29/02/2024 07:08:09");
    EXPECT_EQ(StrToDate("29/02/2024"), EncodeDate(2024, 2, 29));
    EXPECT_EQ(StrToDate(" 1/2/2003 "), EncodeDate(2003, 2, 1));
    EXPECT_EQ(StrToDate("30/12/1899"), 0);
    EXPECT_EQ(StrToDate("1/1/0004"), EncodeDate(4, 1, 1));   // four digits: read as written
    for (TDateTime d = EncodeDate(1899, 12, 1); d < EncodeDate(1900, 3, 31); d += 1)
        EXPECT_EQ(StrToDate(DateToStr(d)), d);
}

TEST(DateText, InvalidDatesRaiseOrFail)
{
    TDateTime d = 7;
    EXPECT_FALSE(TryStrToDate("29/02/2023", d));
    EXPECT_FALSE(TryStrToDate("31/04/2024", d));
    EXPECT_FALSE(TryStrToDate("1/2/3x", d));
    EXPECT_FALSE(TryStrToDate("", d));
    EXPECT_FALSE(TryStrToDate("12", d));
    EXPECT_FALSE(TryStrToDate("1-2-2003", d));
    EXPECT_EQ(d, 7);
    EXPECT_EQ(StrToDateDef("nope", -3), -3);
    try {
        StrToDate("32/01/2024");
        FAIL() << "no exception";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message, "'32/01/2024' n'est pas une date correcte");
    }
}

TEST(DateText, OrderComesFromTheShortDateFormat)
{
    SettingsGuard guard;
    TFormatSettings& fs = FormatSettings();
    fs.ShortDateFormat = "mm/dd/yyyy";
    EXPECT_EQ(StrToDate("02/29/2024"), EncodeDate(2024, 2, 29));
    EXPECT_EQ(DateToStr(EncodeDate(2024, 2, 29)), "02/29/2024");
    fs.ShortDateFormat = "yyyy-mm-dd";
    fs.DateSeparator = '-';
    EXPECT_EQ(StrToDate("2024-02-29"), EncodeDate(2024, 2, 29));
    EXPECT_EQ(DateToStr(EncodeDate(2024, 2, 29)), "2024-02-29");
}

TEST(DateText, TwoDigitYearsFallWithinFiftyYears)
{
    const int now = YearOf(Now());
    for (int yy : {0, 4, 49, 50, 51, 99}) {
        const int y = YearOf(StrToDate("1/1/" + std::to_string(yy)));
        EXPECT_EQ(y % 100, yy);
        EXPECT_GE(y, now - 50);
        EXPECT_LT(y, now + 50);
    }
    // Without a year: the current one.
    EXPECT_EQ(YearOf(StrToDate("5/3")), now);
}

TEST(DateText, Times)
{
    EXPECT_DOUBLE_EQ(StrToTime("13:05"), EncodeTime(13, 5, 0, 0));
    EXPECT_DOUBLE_EQ(StrToTime("13:05:09"), EncodeTime(13, 5, 9, 0));
    EXPECT_DOUBLE_EQ(StrToTime("1:05 PM"), EncodeTime(13, 5, 0, 0));
    EXPECT_DOUBLE_EQ(StrToTime("12:00 am"), 0);
    TDateTime t;
    EXPECT_FALSE(TryStrToTime("25:00", t));
    EXPECT_FALSE(TryStrToTime("10:61", t));
    EXPECT_FALSE(TryStrToTime("10:", t));
    EXPECT_THROW(StrToTime("abc"), EConvertError);
    EXPECT_DOUBLE_EQ(StrToDateTime("29/02/2024 13:05:09"), EncodeDate(2024, 2, 29) + EncodeTime(13, 5, 9, 0));
    EXPECT_DOUBLE_EQ(StrToDateTime("29/12/1899 06:00"), -1.25);
    EXPECT_DOUBLE_EQ(StrToDateTime("29/02/2024"), EncodeDate(2024, 2, 29));
    EXPECT_FALSE(TryStrToDateTime("29/02/2024 xx", t));
    EXPECT_THROW(StrToDateTime("29/02/2023 10:00"), EConvertError);
    // What DateTimeToStr writes, StrToDateTime reads.
    const TDateTime dt = EncodeDate(2011, 11, 11) + EncodeTime(11, 11, 11, 0);
    EXPECT_DOUBLE_EQ(StrToDateTime(DateTimeToStr(dt)), dt);
}
