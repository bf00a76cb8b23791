// Dates: TDateTime is the number of days since 30 December 1899, the fraction
// being the time of day. Negative values count backwards (the fraction is still
// the time, as the library does: -1.25 is 29/12/1899 06:00).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

using TDateTime = double;

constexpr TDateTime MinDateTime = -693593.0;   // 01/01/0001
constexpr double MSecsPerDay = 86400000.0;

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);   // 0 for an invalid month
bool IsValidDate(int year, int month, int day);
// Raise EConvertError on an invalid date or time.
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int min, int sec, int msec);
bool TryEncodeDate(int year, int month, int day, TDateTime& date);
bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& time);
void DecodeDate(TDateTime date, int& year, int& month, int& day);
void DecodeTime(TDateTime time, int& hour, int& min, int& sec, int& msec);
int DayOfWeek(TDateTime date);   // 1 Sunday .. 7 Saturday
int YearOf(TDateTime date);
TDateTime IncMonth(TDateTime date, int months = 1);   // day clipped to the month's end
TDateTime IncDay(TDateTime date, int days = 1);
TDateTime DateOf(TDateTime dt);   // the date part
TDateTime TimeOf(TDateTime dt);   // the time part

TDateTime Now();
TDateTime Date();
TDateTime Time();
// Conversion from and to Unix time (seconds since 1970, UTC as local).
TDateTime UnixToDateTime(long long secs);
long long DateTimeToUnix(TDateTime dt);

// The library's letters: d dd ddd dddd ddddd dddddd m mm mmm mmmm yy yyyy h hh
// n nn s ss z zzz t tt am/pm a/p c / : "quoted" 'quoted'. Separators and names
// come from FormatSettings() (Format.h).
std::string FormatDateTime(std::string_view format, TDateTime dt);
std::string DateToStr(TDateTime dt);       // ShortDateFormat
std::string TimeToStr(TDateTime dt);       // LongTimeFormat
std::string DateTimeToStr(TDateTime dt);   // date, then the time when it is not midnight
// Read the order of day, month and year from ShortDateFormat; a two-digit year
// falls within 50 years of now. Raise EConvertError "'x' n'est pas une date correcte".
TDateTime StrToDate(std::string_view s);
bool TryStrToDate(std::string_view s, TDateTime& date);
TDateTime StrToDateDef(std::string_view s, TDateTime def);
// A date as typed in a date box, day/month/year whatever the settings say
// ("15/1/2026", "1/9/31"): blanks around a part (a mask's empty places) are
// ignored, and a year of one or two digits falls within 50 years of now.
// False when a part is missing or is no number, or no such day exists.
bool TryStrToDateDMY(std::string_view s, int& year, int& month, int& day);
TDateTime StrToTime(std::string_view s);
bool TryStrToTime(std::string_view s, TDateTime& time);
TDateTime StrToDateTime(std::string_view s);
bool TryStrToDateTime(std::string_view s, TDateTime& dt);
