// Conversion of CLDR patterns (as ICU writes them) into the pictures and codes of the Windows
// locale information: date/time pictures, separators, field order and currency modes.
#pragma once

#include <string>
#include <string_view>

namespace host {

// Windows picture of an ICU date/time pattern: fields become d, dd, ddd, dddd, M..MMMM, yy,
// yyyy, h, hh, H, HH, m, mm, s, ss and tt; eras, zones, fractions and other fields that a
// Windows picture cannot express are left out; other text is kept, letters within quotes.
// TYearDigits::Four widens two-digit years, as Windows short dates show the full year.
enum class TYearDigits { AsPattern, Four };
std::string IcuPatternToPicture(std::string_view Pattern,
                                TYearDigits Years = TYearDigits::AsPattern);

// Text between the first field of a picture and the next one ("/" for "M/d/yyyy"), blanks
// trimmed; Default when the picture has no such text.
std::string DateSeparatorOf(std::string_view Picture, std::string_view Default = "/");
// Text after the hour field of a picture (":" for "h:mm:ss tt"); Default when none.
std::string TimeSeparatorOf(std::string_view Picture, std::string_view Default = ":");

// Order of the date fields: 0 = month-day-year, 1 = day-month-year, 2 = year-month-day.
int DateOrderOf(std::string_view Picture);
// Whether the picture shows the 24-hour clock (H/HH).
bool PictureUses24Hour(std::string_view Picture);
// Whether the AM/PM designator (t/tt) precedes the hour.
bool AmPmPrecedesHour(std::string_view Picture);
// Whether the hour is written with two digits (hh/HH).
bool HourHasLeadingZero(std::string_view Picture);

// Windows currency modes (positive 0..3, negative 0..15) of an ICU currency pattern
// such as "#,##0.00 ¤" or "¤ #,##0.00;¤ -#,##0.00".
struct TCurrencyModes {
    int Positive = 0;
    int Negative = 1;
};
TCurrencyModes CurrencyModesOf(std::string_view IcuPattern);

// Windows grouping text: "3;0" for groups of three, "3;2;0" for 3 then 2, "0" for none.
std::string GroupingText(int Primary, int Secondary);

} // namespace host
