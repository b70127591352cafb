// Dates and times of the run-time library: TDateTime arithmetic and formatting with the
// global format settings (day and month names, separators, date and time formats).
#pragma once

#include "host/rtl/Types.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace host {

using Word = std::uint16_t;

inline constexpr Integer HoursPerDay = 24;
inline constexpr Integer MinsPerDay = HoursPerDay * 60;
inline constexpr Integer SecsPerDay = MinsPerDay * 60;
inline constexpr Integer MSecsPerDay = SecsPerDay * 1000;

bool IsLeapYear(Word Year);
// Days in Month of Year; 0 for a month outside 1..12.
Word DaysInMonth(Word Year, Word Month);

// Years 1..9999, months 1..12, days within the month; nullopt (Try...) or EConvertError
// "Invalid argument to date encode" otherwise.
std::optional<TDateTime> TryEncodeDate(Word Year, Word Month, Word Day);
TDateTime EncodeDate(Word Year, Word Month, Word Day);
// Hours 0..23, minutes and seconds 0..59, milliseconds 0..999; EConvertError
// "Invalid argument to time encode" otherwise.
std::optional<TDateTime> TryEncodeTime(Word Hour, Word Min, Word Sec, Word MSec);
TDateTime EncodeTime(Word Hour, Word Min, Word Sec, Word MSec);

// The integral part is the date and the fraction, taken without its sign, the time of day
// (so -1.25 is 29 December 1899, 06:00). Times are rounded to the millisecond.
void DecodeDate(TDateTime DateTime, Word& Year, Word& Month, Word& Day);
void DecodeTime(TDateTime DateTime, Word& Hour, Word& Min, Word& Sec, Word& MSec);
// 1 = Sunday .. 7 = Saturday.
int DayOfWeek(TDateTime DateTime);

// The clock of the machine, in local time.
TDateTime Now();
TDateTime Date();
TDateTime Time();

// Formats with the specifiers c, d..dddddd, m..mmmm (the minute right after h/hh),
// y/yy/yyyy, h/hh, n/nn, s/ss, z/zzz, t/tt, am/pm, a/p, ampm, "/" and ":" and quoted
// literals, using the global format settings. An empty format acts as "c".
String FormatDateTime(std::string_view Format, TDateTime DateTime);
String DateToStr(TDateTime DateTime);     // ShortDateFormat
String TimeToStr(TDateTime DateTime);     // LongTimeFormat
String DateTimeToStr(TDateTime DateTime); // "c"

// Reads a date as ShortDateFormat orders it (day, month and year numbers separated by the
// DateSeparator; the year may be left out for the current one, and a two-digit year is
// placed with TwoDigitYearCenturyWindow). StrToDate raises EConvertError
// "'<text>' is not a valid date".
std::optional<TDateTime> TryStrToDate(std::string_view S);
TDateTime StrToDate(std::string_view S);

} // namespace host
