#include "host/rtl/DateTime.h"

#include "host/rtl/Exceptions.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>

namespace host {

namespace {

// TDateTime counts days from 1899-12-30, which lies 25569 days before 1970-01-01.
constexpr Int64 EpochOffset = 25569;
// The host's day count starts at 1 on 0001-01-01 (a Monday), 693594 days before day 0.
constexpr Int64 DateDelta = 693594;
constexpr Int64 FirstDay = 1 - DateDelta; // 0001-01-01
constexpr Int64 LastDay = 2958465;        // 9999-12-31

// Days since 1970-01-01 of a proleptic Gregorian date.
Int64 DaysFromCivil(Int64 Y, unsigned M, unsigned D) {
    Y -= M <= 2;
    const Int64 Era = (Y >= 0 ? Y : Y - 399) / 400;
    const Int64 YearOfEra = Y - Era * 400;
    const Int64 DayOfYear = (153 * (M > 2 ? M - 3 : M + 9) + 2) / 5 + D - 1;
    const Int64 DayOfEra = YearOfEra * 365 + YearOfEra / 4 - YearOfEra / 100 + DayOfYear;
    return Era * 146097 + DayOfEra - 719468;
}

void CivilFromDays(Int64 Z, Word& Year, Word& Month, Word& Day) {
    Z += 719468;
    const Int64 Era = (Z >= 0 ? Z : Z - 146096) / 146097;
    const Int64 DayOfEra = Z - Era * 146097;
    const Int64 YearOfEra =
        (DayOfEra - DayOfEra / 1460 + DayOfEra / 36524 - DayOfEra / 146096) / 365;
    const Int64 DayOfYear = DayOfEra - (365 * YearOfEra + YearOfEra / 4 - YearOfEra / 100);
    const Int64 MonthIndex = (5 * DayOfYear + 2) / 153;
    Day = static_cast<Word>(DayOfYear - (153 * MonthIndex + 2) / 5 + 1);
    Month = static_cast<Word>(MonthIndex < 10 ? MonthIndex + 3 : MonthIndex - 9);
    Year = static_cast<Word>(YearOfEra + Era * 400 + (Month <= 2));
}

// A TDateTime as whole days and milliseconds of the day; nullopt outside years 1..9999.
struct TStamp {
    Int64 Days;
    Integer MSecs;
};

std::optional<TStamp> Split(TDateTime DateTime) {
    if (!std::isfinite(DateTime) || DateTime < FirstDay - 1 || DateTime > LastDay + 1)
        return std::nullopt;
    double Whole = 0;
    const double Fraction = std::modf(DateTime, &Whole);
    TStamp Stamp{static_cast<Int64>(Whole),
                 static_cast<Integer>(std::llround(std::fabs(Fraction) * MSecsPerDay))};
    if (Stamp.MSecs >= MSecsPerDay) {
        Stamp.MSecs = 0;
        Stamp.Days += DateTime < 0 ? -1 : 1;
    }
    if (Stamp.Days < FirstDay || Stamp.Days > LastDay) return std::nullopt;
    return Stamp;
}

} // namespace

bool IsLeapYear(Word Year) {
    return Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0);
}

Word DaysInMonth(Word Year, Word Month) {
    static constexpr Word Days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (Month < 1 || Month > 12) return 0;
    return Month == 2 && IsLeapYear(Year) ? 29 : Days[Month - 1];
}

std::optional<TDateTime> TryEncodeDate(Word Year, Word Month, Word Day) {
    if (Year < 1 || Year > 9999 || Day < 1 || Day > DaysInMonth(Year, Month)) return std::nullopt;
    return static_cast<TDateTime>(DaysFromCivil(Year, Month, Day) + EpochOffset);
}

TDateTime EncodeDate(Word Year, Word Month, Word Day) {
    if (auto Result = TryEncodeDate(Year, Month, Day)) return *Result;
    throw EConvertError("Invalid argument to date encode");
}

std::optional<TDateTime> TryEncodeTime(Word Hour, Word Min, Word Sec, Word MSec) {
    if (Hour >= 24 || Min >= 60 || Sec >= 60 || MSec >= 1000) return std::nullopt;
    const Integer MSecs = ((Hour * 60 + Min) * 60 + Sec) * 1000 + MSec;
    return static_cast<TDateTime>(MSecs) / MSecsPerDay;
}

TDateTime EncodeTime(Word Hour, Word Min, Word Sec, Word MSec) {
    if (auto Result = TryEncodeTime(Hour, Min, Sec, MSec)) return *Result;
    throw EConvertError("Invalid argument to time encode");
}

void DecodeDate(TDateTime DateTime, Word& Year, Word& Month, Word& Day) {
    Year = Month = Day = 0;
    if (auto Stamp = Split(DateTime)) CivilFromDays(Stamp->Days - EpochOffset, Year, Month, Day);
}

void DecodeTime(TDateTime DateTime, Word& Hour, Word& Min, Word& Sec, Word& MSec) {
    const Integer MSecs = Split(DateTime).value_or(TStamp{0, 0}).MSecs;
    Hour = static_cast<Word>(MSecs / 3600000);
    Min = static_cast<Word>(MSecs / 60000 % 60);
    Sec = static_cast<Word>(MSecs / 1000 % 60);
    MSec = static_cast<Word>(MSecs % 1000);
}

int DayOfWeek(TDateTime DateTime) {
    const Int64 Days = Split(DateTime).value_or(TStamp{0, 0}).Days + DateDelta;
    return static_cast<int>(Days % 7) + 1;
}

TDateTime Now() {
    const auto Clock = std::chrono::system_clock::now();
    const std::time_t Seconds = std::chrono::system_clock::to_time_t(Clock);
    std::tm Local{};
    localtime_r(&Seconds, &Local);
    const auto MSec =
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock.time_since_epoch()) % 1000;
    return EncodeDate(static_cast<Word>(Local.tm_year + 1900), static_cast<Word>(Local.tm_mon + 1),
                      static_cast<Word>(Local.tm_mday)) +
           EncodeTime(static_cast<Word>(Local.tm_hour), static_cast<Word>(Local.tm_min),
                      static_cast<Word>(std::min(Local.tm_sec, 59)),
                      static_cast<Word>(MSec.count()));
}

TDateTime Date() {
    return std::floor(Now());
}

TDateTime Time() {
    const TDateTime Current = Now();
    return Current - std::floor(Current);
}

} // namespace host
